#include <gtest/gtest.h>

#include <algorithm>

#include "support/Game.h"

namespace novemo {
namespace {

using namespace novemo::testing;

// Square and cell of a grid row and column (0..8), and back.
std::pair<std::int16_t, std::int16_t> AtGrid(int row, int column) {
  return {static_cast<std::int16_t>(row / 3 * 3 + column / 3 + 1),
          static_cast<std::int16_t>(row % 3 * 3 + column % 3 + 1)};
}

TEST(Arrows, MoveOneCellAcrossSquaresAndStopAtTheGridsEdges) {
  Game game;
  game.Load();
  const int dRow[] = {0, -1, 0, 1};  // Left, Up, Right, Down
  const int dColumn[] = {-1, 0, 1, 0};
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      for (int arrow = 0; arrow < 4; ++arrow) {
        const auto [t, k] = AtGrid(row, column);
        game.form.Tray(t).lblNo_Click(k);
        game.Press(static_cast<std::int16_t>(kLeft + arrow));
        const auto expected =
            AtGrid(std::clamp(row + dRow[arrow], 0, 8), std::clamp(column + dColumn[arrow], 0, 8));
        ASSERT_EQ(game.Green(), expected)
            << "row " << row << " column " << column << " key " << kLeft + arrow;
        ASSERT_EQ(game.GreenFrames(), 1);
        ASSERT_EQ(game.form.State().ActiveTray, expected.first);
        ASSERT_EQ(game.form.State().ActiveCell, expected.second);
      }
    }
  }
}

TEST(Arrows, FollowTheClickedCellRatherThanTheLastKeyedOne) {
  Game game;
  game.Load();
  game.Press(kLeft);  // square 5, cell 4
  game.form.Tray(2).lblNo_Click(4);
  game.Press(kLeft);
  EXPECT_EQ(game.Green(), testing::Cell(1, 6));
  game.form.Tray(5).lblNo_Click(8);
  game.Press(kDown);
  EXPECT_EQ(game.Green(), testing::Cell(8, 2));
}

class OpenCell : public ::testing::Test {
 protected:
  void SetUp() override {
    game.Load();
    std::tie(t, k) = game.OpenCell();
    game.form.Tray(t).lblNo_Click(k);
  }
  Game game;
  std::int16_t t = 0, k = 0;
};

TEST_F(OpenCell, DigitsOfBothRowsEnterWhateverTheModifiers) {
  for (int d = 1; d <= 9; ++d) {
    game.Press(static_cast<std::int16_t>(kDigit0 + d), kShiftDown);
    ASSERT_EQ(game.Text(t, k), " " + std::to_string(d));
    game.Press(static_cast<std::int16_t>(kPad0 + 10 - d));
    ASSERT_EQ(game.Text(t, k), " " + std::to_string(10 - d));
  }
  EXPECT_EQ(game.Green(), std::make_pair(t, k));
  EXPECT_EQ(game.Square(t).lblNo(k).ForeColor, kOtherDigit);
}

TEST_F(OpenCell, ZeroKeypadZeroAndDeleteEnterNothingAndBackspaceErases) {
  game.Press(static_cast<std::int16_t>(kDigit0 + 7));
  for (std::int16_t key : {kDigit0, kPad0, kDelete, kCtrlKey}) {
    game.Press(key);
    EXPECT_EQ(game.Text(t, k), " 7") << key;
  }
  game.Press(kBackspace);
  EXPECT_EQ(game.Text(t, k), "  ");
  EXPECT_EQ(game.memory.beeper.count, 0);
}

TEST(GivenCell, BeepsAtADigitOrBackspaceAndKeepsItsDigitAndTheFrame) {
  Game game;
  game.Load();
  const auto [t, k] = game.GivenCell();
  game.form.Tray(t).lblNo_Click(k);
  game.Press(static_cast<std::int16_t>(kDigit0 + game.Solution(t, k) % 9 + 1));
  game.Press(kBackspace);
  EXPECT_EQ(game.Text(t, k), " " + std::to_string(game.Solution(t, k)));
  EXPECT_EQ(game.memory.beeper.count, 2);
  EXPECT_EQ(game.Green(), Cell(t, k));
}

TEST(SolutionKey, OnlyCtrlAloneWithQRevealsAndTheNextKeyAnnouncesTheWin) {
  Game game;
  game.Load();
  game.Press(kKeyQ, kCtrlDown | kShiftDown);
  game.Press(kKeyQ, kCtrlDown | kAltDown);
  game.Press(kKeyQ);
  const auto [t, k] = game.OpenCell();
  EXPECT_EQ(game.Text(t, k), "");

  game.Press(kKeyQ, kCtrlDown);
  EXPECT_EQ(game.Text(t, k), " " + std::to_string(game.Solution(t, k)));
  EXPECT_TRUE(game.memory.messages.shown.empty());  // not during the same key press
  EXPECT_TRUE(game.form.Timer1.Enabled);

  game.Press(kCtrlKey, kCtrlDown);
  ASSERT_FALSE(game.memory.messages.shown.empty());
  EXPECT_EQ(game.memory.messages.shown[0].text, "Congratulations!!   You won!!");
}

TEST(Win, TheLastCorrectDigitWinsDuringItsOwnKeyPress) {
  Game game;
  game.Load();
  game.Ticks(12);
  game.form.mntest_Click();
  const auto [t, k] = game.OpenCell();
  game.form.Tray(t).lblNo_Click(k);
  game.Press(kBackspace);
  EXPECT_TRUE(game.memory.messages.shown.empty());  // an erased cell is not correct
  const int wrong = game.Solution(t, k) % 9 + 1;
  game.Press(static_cast<std::int16_t>(kDigit0 + wrong));
  EXPECT_TRUE(game.memory.messages.shown.empty());  // a full grid with one wrong digit

  game.Press(static_cast<std::int16_t>(kDigit0 + game.Solution(t, k)));
  ASSERT_EQ(game.memory.messages.shown.size(), 2u);  // the win, then the table
  EXPECT_EQ(game.form.Picture1.Left, 8000);
  EXPECT_FALSE(game.form.Timer1.Enabled);
  EXPECT_FALSE(game.form.Menu[MenuId::mnGiveup].Enabled);
  EXPECT_EQ(game.form.lblTime.Caption, "00:12");
  EXPECT_TRUE(game.form.GameEnded());
}

TEST(EndedGame, KeysChangeNothingAndAnnounceNothing) {
  Game game;
  game.Load();
  game.Win("Ann");
  const auto shown = game.memory.messages.shown.size();
  const auto green = game.Green();
  for (std::int16_t key : {kLeft, kDown, static_cast<std::int16_t>(kDigit0 + 1), kBackspace}) {
    game.Press(key);
  }
  EXPECT_EQ(game.memory.messages.shown.size(), shown);
  EXPECT_EQ(game.memory.input.asked.size(), 1u);
  EXPECT_EQ(game.Green(), green);

  // Given up, the hidden grid can no longer be completed and won.
  Game quitter;
  quitter.Load();
  quitter.memory.messages.answers.push_back(MsgAnswer::Yes);
  quitter.form.mnGiveup_Click();
  quitter.form.mntest_Click();
  quitter.Press(kLeft);
  quitter.Press(kKeyQ, kCtrlDown);
  quitter.Press(kRight);
  EXPECT_EQ(quitter.memory.messages.shown.size(), 1u);  // the question alone

  // A new game takes keys again.
  quitter.form.mnNew_Click();
  quitter.Press(kLeft);
  EXPECT_EQ(quitter.Green(), testing::Cell(5, 4));
}

TEST(Focus, LosingItAsksForItBack) {
  Game game;
  game.Load();
  const int before = game.form.Picture1.focusRequests;
  game.form.Picture1_LostFocus();
  EXPECT_EQ(game.form.Picture1.focusRequests, before + 1);
}

}  // namespace
}  // namespace novemo
