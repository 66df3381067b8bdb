#include "tray/Tray.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Memory.h"
#include "support/Game.h"

namespace novemo {
namespace {

using Texts = std::vector<std::string>;

// A square on its own, with an owner that clears it when asked, as the window does.
class LoneTray : public ::testing::Test, public TrayOwner {
 protected:
  void ClearAllBoxes() override {
    ++clears;
    tray.ClearBoxes();
  }
  void GetActiveTray() override { ++lookups; }

  Texts Captions() const {
    return Each([](const Label& l) { return l.Caption; });
  }
  Texts Tags() const {
    return Each([](const Label& l) { return l.Tag; });
  }
  template <class F>
  Texts Each(F f) const {
    Texts out;
    for (std::int16_t k = 1; k <= 9; ++k)
      out.push_back(f(tray.lblNo(k)));
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

TEST_F(LoneTray, EntriesGoToTheActiveOpenCellOnlyAndGivenCellsBeep) {
  Solve(987654321);
  tray.SetNo(static_cast<std::int16_t>(5));  // no active cell: nothing, no beep
  EXPECT_EQ(Captions(), Texts(9, ""));
  tray.FixNoPos(123456789);  // every cell given; cell 9 is the last digit
  tray.SetFixNoPos();
  for (std::int16_t k : {9, 1, 5}) {
    tray.ActiveBox(k);
    tray.SetNo(static_cast<std::int16_t>(1));
    tray.SetNo(" ");
    EXPECT_EQ(tray.lblNo(k).Caption, testing::Shown(10 - k));
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

TEST_F(LoneTray, GivenCellsShowTheirHiddenDigitsDarker) {
  tray.SetFixNoPos();  // none given
  tray.FixNoPos(158);
  tray.SetFixNoPos();  // no solution stored yet: a lone space
  EXPECT_EQ(Captions(), (Texts{" ", "", "", "", " ", "", "", " ", ""}));
  Solve(357184962);
  tray.SetFixNoPos();
  EXPECT_EQ(Captions(), (Texts{" 3", "", "", "", " 8", "", "", " 6", ""}));
  for (std::int16_t k = 1; k <= 9; ++k) {
    EXPECT_EQ(tray.lblNo(k).ForeColor, k == 1 || k == 5 || k == 8 ? kGivenDigit : kOtherDigit);
    EXPECT_EQ(tray.Box(k).FillColor, kCellFill);
  }
  // Revealing keeps each digit's colour.
  tray.SetNoPosT();
  EXPECT_EQ(Captions(), (Texts{" 3", " 5", " 7", " 1", " 8", " 4", " 9", " 6", " 2"}));
  EXPECT_EQ(tray.lblNo(5).ForeColor, kGivenDigit);
  EXPECT_EQ(tray.lblNo(6).ForeColor, kOtherDigit);
}

TEST_F(LoneTray, SolutionDigitsComeFromTheLeftAndShortNumbersRepeatTheirLast) {
  Solve(357184962);
  EXPECT_EQ(Tags(), (Texts{"3", "5", "7", "1", "8", "4", "9", "6", "2"}));
  Solve(37);
  EXPECT_EQ(Tags(), (Texts{"3", "7", "7", "7", "7", "7", "7", "7", "7"}));
  Solve(0);
  EXPECT_EQ(Tags(), Texts(9, "0"));
  EXPECT_EQ(Captions(), Texts(9, ""));
}

TEST_F(LoneTray, ClearingTextsKeepsFramesAndClearingFramesKeepsTexts) {
  Solve(123456789);
  tray.FixNoPos(12);
  tray.SetFixNoPos();
  tray.lblNo_Click(3);
  tray.ClearNos();
  EXPECT_EQ(tray.ActiveBox(), 0);
  EXPECT_EQ(Captions(), Texts(9, ""));
  EXPECT_EQ(tray.lblNo(1).ForeColor, kOtherDigit);
  EXPECT_EQ(tray.Box(3).BorderColor, kBorderActive);
  EXPECT_EQ(Tags()[8], "9");

  tray.SetFixNoPos();
  tray.lblNo_Click(3);
  tray.ClearBoxes();
  EXPECT_EQ(tray.ActiveBox(), 0);
  EXPECT_EQ(tray.Box(3).BorderColor, kBorderPlain);
  EXPECT_EQ(tray.lblNo(1).Caption, " 1");
  EXPECT_EQ(tray.lblNo(1).ForeColor, kGivenDigit);
}

TEST_F(LoneTray, CheckWinWantsExactlySpaceAndSolutionDigitInEveryCell) {
  EXPECT_FALSE(tray.CheckWin());  // no solution stored yet
  Solve(357184962);
  tray.ShowCorrect();
  EXPECT_TRUE(tray.CheckWin());
  for (std::int16_t k : {1, 9}) {
    tray.ActiveBox(k);
    const std::string right = tray.lblNo(k).Caption;
    for (std::string_view wrong : {"", " ", " 1", "1 ", "  "}) {
      tray.SetNo(wrong);
      EXPECT_FALSE(tray.CheckWin()) << "cell " << k << ": \"" << tray.lblNo(k).Caption << '"';
    }
    tray.SetNo(right.substr(1));
    EXPECT_TRUE(tray.CheckWin());
  }
}

TEST_F(LoneTray, LayoutKeepsTheSquareAt1800TwipsAndPlacesCellsOnA40PixelGrid) {
  Solve(123456789);
  tray.lblNo_Click(6);
  tray.SetNoPosT();
  tray.Size(2500, 700);
  EXPECT_EQ(tray.Width(), 1800);
  EXPECT_EQ(tray.Height(), 1800);
  for (std::int16_t k = 1; k <= 9; ++k) {
    const int c = (k - 1) % 3 * 40;
    const int r = (k - 1) / 3 * 40;
    const Shape& box = tray.Box(k);
    const Label& label = tray.lblNo(k);
    EXPECT_EQ(Shape({box.BorderColor, 1, kCellFill, c, r, 40, 40}), box) << k;
    EXPECT_EQ(Label({"", kOtherDigit, label.Tag, c + 2, r + 2, 35, 35}), label) << k;
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
}

TEST(TrayInWindow, AnyClickLeavesExactlyOneGreenFrameAndItsSquareActive) {
  testing::Game game;
  for (std::int16_t t = 1; t <= 9; ++t) {
    for (std::int16_t k = 1; k <= 9; ++k) {
      game.Click({t, k});
      ASSERT_EQ(game.Green(), std::make_pair(1, testing::Cell(t, k)));
      ASSERT_EQ(game.form.State().ActiveTray, t);
      for (std::int16_t s = 1; s <= 9; ++s)
        ASSERT_EQ(game.form.Tray(s).ActiveBox() != 0, s == t);
    }
  }
  // With no active cell left, the active square stays what it was.
  game.form.ClearAllBoxes();
  game.form.GetActiveTray();
  EXPECT_EQ(game.form.State().ActiveTray, 9);
}

}  // namespace
}  // namespace novemo
