#include "tray/Tray.h"

#include <gtest/gtest.h>

#include "platform/Memory.h"

namespace novemo {
namespace {

// A square on its own, with an owner that clears it when asked, as the window does.
class LoneTray : public ::testing::Test, public TrayOwner {
 protected:
  void ClearAllBoxes() override {
    ++clears;
    tray.ClearBoxes();
  }
  void GetActiveTray() override { ++lookups; }
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
  int clears = 0, lookups = 0;
};

TEST_F(LoneTray, EntriesGoToTheActiveOpenCellAndGivenCellsBeep) {
  Solve(987654321);
  tray.SetNo(static_cast<std::int16_t>(5));  // no active cell: nothing, no beep
  tray.FixNoPos(123456789);                  // every cell given; cell 9 is the last digit
  tray.SetFixNoPos();
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
  tray.ClearBoxes();  // frames plain, texts kept
  EXPECT_EQ(std::tuple(tray.ActiveBox(), tray.Box(3).BorderColor, tray.lblNo(1).ForeColor),
            std::tuple(std::int16_t{0}, kBorderPlain, kGivenDigit));
  tray.lblNo_Click(3);
  tray.ClearNos();  // texts empty, frames and hidden texts kept
  EXPECT_EQ(Texts() + Texts(true), "|||||||||3|5|7|1|8|4|9|6|2|");
  EXPECT_EQ(std::tuple(tray.ActiveBox(), tray.Box(3).BorderColor, tray.lblNo(1).ForeColor),
            std::tuple(std::int16_t{0}, kBorderActive, kOtherDigit));
}

TEST_F(LoneTray, LayoutKeepsTheSquareAt1800TwipsAndAClickMarksOneCell) {
  Solve(123456789);
  tray.lblNo_Click(2);
  tray.lblNo_Click(6);
  EXPECT_EQ(std::pair(clears, lookups), std::pair(2, 2));
  tray.SetNoPosT();
  tray.Size(2500, 700);
  EXPECT_EQ(std::pair(tray.Width(), tray.Height()), std::pair(1800, 1800));
  EXPECT_EQ(tray.Box(6), Shape({kBorderActive, 1, kCellFill, 80, 40, 40, 40}));  // borders survive
  EXPECT_EQ(tray.Box(7), Shape({kBorderPlain, 1, kCellFill, 0, 80, 40, 40}));
  EXPECT_EQ(tray.lblNo(6), Label({"", kOtherDigit, "6", 82, 42, 35, 35}));
  EXPECT_EQ(tray.lblNo(7), Label({"", kOtherDigit, "7", 2, 82, 35, 35}));
  EXPECT_EQ(tray.ActiveBox(), 6);
  tray.SetNoPosT();
  tray.Size(1800, 1800);  // the size it has: no layout
  EXPECT_EQ(Texts(), " 1| 2| 3| 4| 5| 6| 7| 8| 9|");
}

}  // namespace
}  // namespace novemo
