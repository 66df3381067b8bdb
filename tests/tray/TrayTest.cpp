#include "tray/Tray.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Memory.h"
#include "support/Game.h"

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

  std::vector<std::string> Captions() const {
    std::vector<std::string> out;
    for (std::int16_t k = 1; k <= 9; ++k)
      out.push_back(tray.lblNo(k).Caption);
    return out;
  }
  std::vector<std::string> Tags() const {
    std::vector<std::string> out;
    for (std::int16_t k = 1; k <= 9; ++k)
      out.push_back(tray.lblNo(k).Tag);
    return out;
  }
  void Solve(std::int32_t noPos) {
    tray.NoPos(noPos);
    tray.SetNoPos();
  }

  MemoryBeeper beeper;
  Tray tray{*this, beeper};
  int clears = 0;
  int lookups = 0;
};

TEST_F(LoneTray, EntriesShowAsSpaceAndDigitAndEraseLeavesTwoSpaces) {
  Solve(123456789);
  tray.ActiveBox(4);
  tray.SetNo(static_cast<std::int16_t>(7));
  EXPECT_EQ(tray.lblNo(4).Caption, " 7");
  EXPECT_EQ(tray.lblNo(4).ForeColor, kOtherDigit);
  tray.SetNo(" ");
  EXPECT_EQ(tray.lblNo(4).Caption, "  ");
  EXPECT_EQ(tray.lblNo(4).Tag, "4");
  EXPECT_EQ(beeper.count, 0);
}

TEST_F(LoneTray, NoActiveCellTakesNothingAndDoesNotBeep) {
  tray.FixNoPos(123456789);
  tray.SetNo(static_cast<std::int16_t>(5));
  EXPECT_EQ(Captions(), std::vector<std::string>(9, ""));
  EXPECT_EQ(beeper.count, 0);
}

TEST_F(LoneTray, GivenCellsBeepAndKeepTheirDigit) {
  Solve(987654321);
  tray.FixNoPos(123456789);  // every cell given; cell 9 is the last digit
  tray.SetFixNoPos();
  for (std::int16_t k : {9, 1, 5}) {
    tray.ActiveBox(k);
    tray.SetNo(static_cast<std::int16_t>(1));
    tray.SetNo(" ");
    EXPECT_EQ(tray.lblNo(k).Caption, " " + std::to_string(10 - k));
  }
  EXPECT_EQ(beeper.count, 6);
}

TEST_F(LoneTray, SetFixNoPosShowsGivenTagsDarker) {
  tray.SetFixNoPos();  // no givens: nothing happens
  EXPECT_EQ(Captions(), std::vector<std::string>(9, ""));

  tray.FixNoPos(158);
  tray.SetFixNoPos();  // before any solution: a lone space
  EXPECT_EQ(tray.lblNo(1).Caption, " ");

  Solve(357184962);
  tray.SetFixNoPos();
  EXPECT_EQ(Captions(), (std::vector<std::string>{" 3", "", "", "", " 8", "", "", " 6", ""}));
  for (std::int16_t k = 1; k <= 9; ++k) {
    const bool given = k == 1 || k == 5 || k == 8;
    EXPECT_EQ(tray.lblNo(k).ForeColor, given ? kGivenDigit : kOtherDigit) << k;
    EXPECT_EQ(tray.Box(k).FillColor, kCellFill);
  }
}

TEST_F(LoneTray, SolutionDigitsAreExtractedFromTheLeftAndShortNumbersRepeatTheirLast) {
  Solve(357184962);
  EXPECT_EQ(Tags(), (std::vector<std::string>{"3", "5", "7", "1", "8", "4", "9", "6", "2"}));
  Solve(37);
  EXPECT_EQ(Tags(), (std::vector<std::string>{"3", "7", "7", "7", "7", "7", "7", "7", "7"}));
  Solve(0);
  EXPECT_EQ(Tags(), std::vector<std::string>(9, "0"));
  EXPECT_EQ(Captions(), std::vector<std::string>(9, ""));  // captions untouched

  tray.NoPos(24);
  tray.SetNoPosT();
  EXPECT_EQ(tray.lblNo(1).Caption, " 2");
  EXPECT_EQ(tray.lblNo(9).Caption, " 4");
  EXPECT_EQ(Tags(), std::vector<std::string>(9, "0"));  // tags untouched
}

TEST_F(LoneTray, ClearNosKeepsTagsAndClearBoxesKeepsTexts) {
  Solve(123456789);
  tray.FixNoPos(12);
  tray.SetFixNoPos();
  tray.lblNo_Click(3);
  tray.ClearBoxes();
  EXPECT_EQ(tray.ActiveBox(), 0);
  EXPECT_EQ(tray.Box(3).BorderColor, kBorderPlain);
  EXPECT_EQ(tray.lblNo(1).Caption, " 1");
  EXPECT_EQ(tray.lblNo(1).ForeColor, kGivenDigit);

  tray.lblNo_Click(3);
  tray.ClearNos();
  EXPECT_EQ(tray.ActiveBox(), 0);
  EXPECT_EQ(Captions(), std::vector<std::string>(9, ""));
  EXPECT_EQ(tray.lblNo(1).ForeColor, kOtherDigit);
  EXPECT_EQ(tray.Box(3).BorderColor, kBorderActive);  // frames untouched
  EXPECT_EQ(Tags()[8], "9");
}

TEST_F(LoneTray, CheckWinWantsExactlySpaceAndSolutionDigitInEveryCell) {
  EXPECT_FALSE(tray.CheckWin());  // no solution stored yet
  Solve(357184962);
  tray.ShowCorrect();
  EXPECT_TRUE(tray.CheckWin());
  tray.ActiveBox(9);  // its solution digit is 2
  for (std::string_view wrong : {" ", " 2", "2 ", "4"}) {
    tray.SetNo(wrong);
    EXPECT_FALSE(tray.CheckWin()) << '"' << tray.lblNo(9).Caption << '"';
  }
  tray.SetNo(static_cast<std::int16_t>(2));
  EXPECT_TRUE(tray.CheckWin());
  tray.ClearNos();
  EXPECT_FALSE(tray.CheckWin());
  tray.SetNoPosT();
  EXPECT_TRUE(tray.CheckWin());
}

TEST_F(LoneTray, LayoutKeepsTheSquareAt1800TwipsAndPlacesCellsOnA40PixelGrid) {
  Solve(123456789);
  tray.lblNo_Click(6);
  tray.SetNoPosT();
  tray.Size(2500, 700);
  EXPECT_EQ(tray.Width(), 1800);
  EXPECT_EQ(tray.Height(), 1800);
  for (std::int16_t k = 1; k <= 9; ++k) {
    const int c = (k - 1) % 3;
    const int r = (k - 1) / 3;
    EXPECT_EQ(tray.Box(k).Left, c * 40);
    EXPECT_EQ(tray.Box(k).Top, r * 40);
    EXPECT_EQ(tray.Box(k).Width, 40);
    EXPECT_EQ(tray.Box(k).Height, 40);
    EXPECT_EQ(tray.lblNo(k).Left, c * 40 + 2);
    EXPECT_EQ(tray.lblNo(k).Top, r * 40 + 2);
    EXPECT_EQ(tray.lblNo(k).Width, 35);
    EXPECT_EQ(tray.lblNo(k).Height, 35);
    EXPECT_EQ(tray.lblNo(k).Caption, "");
    EXPECT_EQ(tray.lblNo(k).ForeColor, kOtherDigit);
    EXPECT_EQ(tray.Box(k).FillColor, kCellFill);
  }
  // Borders, hidden texts and the active cell survive a layout.
  EXPECT_EQ(tray.ActiveBox(), 6);
  EXPECT_EQ(tray.Box(6).BorderColor, kBorderActive);
  EXPECT_EQ(Tags()[0], "1");
}

TEST_F(LoneTray, ClickAsksTheOwnerToClearThenToLookForTheActiveSquare) {
  tray.lblNo_Click(2);
  tray.lblNo_Click(8);
  EXPECT_EQ(clears, 2);
  EXPECT_EQ(lookups, 2);
  EXPECT_EQ(tray.ActiveBox(), 8);
  EXPECT_EQ(tray.Box(2).BorderColor, kBorderPlain);
  EXPECT_EQ(tray.Box(8).BorderColor, kBorderActive);
  EXPECT_EQ(tray.Box(8).BorderWidth, 1);
}

TEST(TrayInWindow, AnyClickLeavesExactlyOneGreenFrameAndItsSquareActive) {
  testing::Game game;
  for (std::int16_t t = 1; t <= 9; ++t) {
    for (std::int16_t k = 1; k <= 9; ++k) {
      game.form.Tray(t).lblNo_Click(k);
      ASSERT_EQ(game.GreenFrames(), 1);
      ASSERT_EQ(game.Green(), testing::Cell(t, k));
      ASSERT_EQ(game.form.State().ActiveTray, t);
      for (std::int16_t s = 1; s <= 9; ++s)
        ASSERT_EQ(game.Square(s).ActiveBox() != 0, s == t);
    }
  }
  // With no active cell left, the active square stays what it was.
  game.form.ClearAllBoxes();
  game.form.GetActiveTray();
  EXPECT_EQ(game.form.State().ActiveTray, 9);
}

}  // namespace
}  // namespace novemo
