#include "tray/Tray.h"

#include <gtest/gtest.h>

#include "platform/Memory.h"
#include "support/Game.h"

namespace novemo {
namespace {

using Texts = std::vector<std::string>;
using testing::Shown;

// A square on its own, with an owner that clears it when asked, as the window does.
class LoneTray : public ::testing::Test, public TrayOwner {
 protected:
  void ClearAllBoxes() override {
    ++clears;
    tray.ClearBoxes();
  }
  void GetActiveTray() override { ++lookups; }
  Texts Captions(bool tags = false) const {
    Texts out;
    for (std::int16_t k = 1; k <= 9; ++k)
      out.push_back(tags ? tray.lblNo(k).Tag : tray.lblNo(k).Caption);
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
  EXPECT_EQ(Captions(), Texts(9, ""));
  tray.FixNoPos(123456789);  // every cell given; cell 9 is the last digit
  tray.SetFixNoPos();
  for (std::int16_t k : {9, 1, 5}) {
    tray.ActiveBox(k);
    tray.SetNo(static_cast<std::int16_t>(1));
    tray.SetNo(" ");
    EXPECT_EQ(tray.lblNo(k).Caption, Shown(10 - k));
  }
  EXPECT_EQ(beeper.count, 6);
  tray.FixNoPos(12);
  tray.ActiveBox(4);
  tray.SetNo(static_cast<std::int16_t>(7));
  EXPECT_EQ(tray.lblNo(4).Caption, " 7");
  tray.SetNo(" ");
  EXPECT_EQ(tray.lblNo(4).Caption, "  ");  // erased: looks empty, is not
  EXPECT_EQ(beeper.count, 6);
}

TEST_F(LoneTray, SolutionDigitsComeFromTheLeftAndGivensShowThemDarker) {
  Solve(37);  // a short number repeats its last digit
  EXPECT_EQ(Captions(true), (Texts{"3", "7", "7", "7", "7", "7", "7", "7", "7"}));
  tray.FixNoPos(158);
  tray.SetFixNoPos();
  EXPECT_EQ(Captions(), (Texts{" 3", "", "", "", " 7", "", "", " 7", ""}));  // the old tags
  Solve(357184962);
  tray.SetFixNoPos();
  EXPECT_EQ(Captions(), (Texts{" 3", "", "", "", " 8", "", "", " 6", ""}));
  tray.SetNoPosT();  // every digit revealed, each in its own colour
  EXPECT_EQ(Captions(), (Texts{" 3", " 5", " 7", " 1", " 8", " 4", " 9", " 6", " 2"}));
  for (std::int16_t k = 1; k <= 9; ++k) {
    EXPECT_EQ(tray.lblNo(k).ForeColor, k == 1 || k == 5 || k == 8 ? kGivenDigit : kOtherDigit);
    EXPECT_EQ(tray.Box(k).FillColor, kCellFill);
  }
  tray.lblNo_Click(3);
  tray.ClearBoxes();  // frames plain, texts kept
  EXPECT_EQ(tray.ActiveBox(), 0);
  EXPECT_EQ(tray.Box(3).BorderColor, kBorderPlain);
  EXPECT_EQ(tray.lblNo(1).ForeColor, kGivenDigit);
  tray.lblNo_Click(3);
  tray.ClearNos();  // texts empty, frames and tags kept
  EXPECT_EQ(Captions(), Texts(9, ""));
  EXPECT_EQ(tray.lblNo(1).ForeColor, kOtherDigit);
  EXPECT_EQ(tray.Box(3).BorderColor, kBorderActive);
  EXPECT_EQ(tray.ActiveBox(), 0);
  EXPECT_EQ(Captions(true)[8], "2");
}

TEST_F(LoneTray, CheckWinWantsExactlySpaceAndSolutionDigitInEveryCell) {
  EXPECT_FALSE(tray.CheckWin());  // no solution stored yet
  Solve(357184962);
  tray.ShowCorrect();
  EXPECT_TRUE(tray.CheckWin());
  tray.ActiveBox(9);
  for (std::string_view text : {"", " ", " 1", "2 ", "  ", "2"}) {
    tray.SetNo(text);
    EXPECT_EQ(tray.CheckWin(), text == "2") << '"' << tray.lblNo(9).Caption << '"';
  }
}

TEST_F(LoneTray, LayoutKeepsTheSquareAt1800TwipsAndClickMarksOneCell) {
  Solve(123456789);
  tray.lblNo_Click(2);
  tray.lblNo_Click(6);
  EXPECT_EQ(std::pair(clears, lookups), std::pair(2, 2));
  tray.SetNoPosT();
  tray.Size(2500, 700);
  EXPECT_EQ(std::pair(tray.Width(), tray.Height()), std::pair(1800, 1800));
  for (std::int16_t k = 1; k <= 9; ++k) {
    const int c = (k - 1) % 3 * 40, r = (k - 1) / 3 * 40;
    const Rgb border = k == 6 ? kBorderActive : kBorderPlain;  // borders survive a layout
    EXPECT_EQ(tray.Box(k), Shape({border, 1, kCellFill, c, r, 40, 40})) << k;
    EXPECT_EQ(tray.lblNo(k), Label({"", kOtherDigit, std::to_string(k), c + 2, r + 2, 35, 35}))
        << k;
  }
  EXPECT_EQ(tray.ActiveBox(), 6);
}

}  // namespace
}  // namespace novemo
