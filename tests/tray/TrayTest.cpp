#include "tray/Tray.h"

#include <gtest/gtest.h>

#include "platform/Memory.h"

namespace novemo {
namespace {

// A square on its own, with an owner that clears it when asked, as the window does.
class LoneTray : public ::testing::Test, public TrayOwner {
 protected:
  void ClearAllBoxes() override { tray.ClearBoxes(); }
  void GetActiveTray() override {}
  // The nine cells' texts (or hidden texts), cell 1 first, each ended by '|'.
  std::string Texts(bool tags = false) const {
    std::string out;
    for (std::int16_t k = 1; k <= 9; ++k)
      out += (tags ? tray.lblNo(k).Tag : tray.lblNo(k).Caption) + "|";
    return out;
  }
  void Solve(std::int32_t noPos) {
    tray.NoPos(noPos);
    tray.SetNoPos();
  }
  MemoryBeeper beeper;
  Tray tray{*this, beeper};
};

TEST_F(LoneTray, EntriesGoToTheActiveOpenCellAndGivenCellsBeep) {
  Solve(987654321);
  tray.FixNoPos(123456789);  // every cell given; cell 9 is the last digit
  tray.SetFixNoPos();
  tray.SetNo(static_cast<std::int16_t>(5));  // no active cell: nothing, no beep
  for (std::int16_t k : {9, 1, 5}) {
    tray.ActiveBox(k);
    tray.SetNo(static_cast<std::int16_t>(1));
    tray.SetNo(" ");
  }
  EXPECT_EQ(Texts(), " 9| 8| 7| 6| 5| 4| 3| 2| 1|");
  EXPECT_EQ(beeper.count, 6);
  tray.FixNoPos(12);
  tray.SetNo(static_cast<std::int16_t>(7));  // cell 5 is open now
  tray.SetNo(" ");                           // erased: looks empty, is not
  EXPECT_EQ(Texts() + std::to_string(beeper.count), " 9| 8| 7| 6|  | 4| 3| 2| 1|6");
}

TEST_F(LoneTray, SolutionDigitsComeFromTheLeftAndGivensShowThemDarker) {
  Solve(37);  // a short number repeats its last digit
  EXPECT_EQ(Texts(true), "3|7|7|7|7|7|7|7|7|");
  tray.FixNoPos(158);
  tray.SetFixNoPos();
  EXPECT_EQ(Texts(), " 3|||| 7||| 7||");  // the hidden texts stored last
  Solve(357184962);
  tray.SetFixNoPos();
  EXPECT_EQ(Texts(), " 3|||| 8||| 6||");
  tray.SetNoPosT();  // every digit revealed, each in its own colour
  EXPECT_EQ(Texts(), " 3| 5| 7| 1| 8| 4| 9| 6| 2|");
  for (std::int16_t k = 1; k <= 9; ++k) {
    EXPECT_EQ(tray.lblNo(k).ForeColor, k == 1 || k == 5 || k == 8 ? kGivenDigit : kOtherDigit);
    EXPECT_EQ(tray.Box(k).FillColor, kCellFill);
  }
  tray.lblNo_Click(3);
  tray.ClearNos();  // texts empty, frames and hidden texts kept
  EXPECT_EQ(Texts() + Texts(true), "|||||||||3|5|7|1|8|4|9|6|2|");
  EXPECT_EQ(std::tuple(tray.ActiveBox(), tray.Box(3).BorderColor, tray.lblNo(1).ForeColor),
            std::tuple(std::int16_t{0}, kBorderActive, kOtherDigit));
}

}  // namespace
}  // namespace novemo
