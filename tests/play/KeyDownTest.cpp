#include <gtest/gtest.h>

#include <algorithm>

#include "support/Game.h"

namespace novemo {
namespace {

using namespace novemo::testing;

CellAt AtGrid(int row, int column) {
  return Cell(row / 3 * 3 + column / 3 + 1, row % 3 * 3 + column % 3 + 1);
}

TEST(Arrows, MoveOneCellAcrossSquaresStopAtTheEdgesAndFollowClicks) {
  Game game;
  game.Load();
  const int dRow[] = {0, -1, 0, 1};  // Left, Up, Right, Down
  const int dColumn[] = {-1, 0, 1, 0};
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      for (int arrow = 0; arrow < 4; ++arrow) {
        game.Click(AtGrid(row, column));  // the cell follows the click, not the last key
        game.Press(static_cast<std::int16_t>(kLeft + arrow));
        const CellAt expected =
            AtGrid(std::clamp(row + dRow[arrow], 0, 8), std::clamp(column + dColumn[arrow], 0, 8));
        ASSERT_EQ(game.Green(), std::make_pair(1, expected))
            << "row " << row << " column " << column << " key " << kLeft + arrow;
        ASSERT_EQ(game.form.State().ActiveTray, expected.first);
        ASSERT_EQ(game.form.State().ActiveCell, expected.second);
      }
    }
  }
}

TEST(Entries, DigitsOfBothRowsEnterWhateverTheModifiersAndOtherKeysDoNot) {
  Game game;
  game.Load();
  const CellAt open = game.FirstCell(false);
  game.Click(open);
  for (int d = 1; d <= 9; ++d) {
    game.Press(static_cast<std::int16_t>(kDigit0 + d), static_cast<std::int16_t>(d % 8));
    ASSERT_EQ(game.Text(open), Shown(d));
    game.Press(static_cast<std::int16_t>(kPad0 + 10 - d));
    ASSERT_EQ(game.Text(open), Shown(10 - d));
  }
  for (std::int16_t key : {kDigit0, kPad0, kDelete, kCtrlKey, std::int16_t{58}, std::int16_t{106}})
    game.Press(key);
  EXPECT_EQ(game.Text(open), " 1");
  game.Press(kBackspace);
  EXPECT_EQ(game.Text(open), "  ");
  EXPECT_EQ(game.memory.beeper.count, 0);
  EXPECT_EQ(game.Green(), std::make_pair(1, open));

  const CellAt given = game.FirstCell(true);
  game.Click(given);
  game.Press(kDigit0 + 1);
  game.Press(kBackspace);
  EXPECT_EQ(game.Text(given), game.Solution(given));
  EXPECT_EQ(game.memory.beeper.count, 2);
  EXPECT_EQ(game.Green(), std::make_pair(1, given));
}

TEST(SolutionKey, OnlyCtrlAloneWithQRevealsInEachCellsColourAndTheNextKeyWins) {
  Game game;
  game.Load();
  const CellAt open = game.FirstCell(false);
  for (std::int16_t shift : {0, kCtrlDown | kShiftDown, kCtrlDown | kAltDown}) {
    game.Press(kKeyQ, shift);
    EXPECT_EQ(game.Text(open), "");
  }
  game.Press(kKeyQ, kCtrlDown);
  for (std::int16_t t = 1; t <= 9; ++t) {
    for (std::int16_t k = 1; k <= 9; ++k) {
      ASSERT_EQ(game.Text({t, k}), game.Solution({t, k}));
      ASSERT_EQ(game.form.Tray(t).lblNo(k).ForeColor,
                game.Given({t, k}) ? kGivenDigit : kOtherDigit);
    }
  }
  EXPECT_TRUE(game.memory.messages.shown.empty());  // not during the same key press
  game.Press(kCtrlKey, kCtrlDown);
  ASSERT_FALSE(game.memory.messages.shown.empty());
  EXPECT_EQ(game.memory.messages.shown[0].title, "Result");
}

TEST(Win, TheLastCorrectDigitWinsWithTheBoardHiddenAndTheClockStoppedFirst) {
  Game game;
  game.Load();
  game.Ticks(12);
  game.form.mntest_Click();
  const CellAt open = game.FirstCell(false);
  game.Click(open);
  game.Press(kBackspace);  // an erased cell is not correct
  game.Press(static_cast<std::int16_t>(kDigit0 + game.Digit(open) % 9 + 1));
  EXPECT_TRUE(game.memory.messages.shown.empty());  // a full grid with one wrong digit

  // Ticks arrive while the boxes are open, as long as the timer runs.
  game.memory.messages.whileOpen = [&](const MemoryMessages::Shown& shown) {
    if (shown.title == "Result") {
      EXPECT_EQ(game.form.Picture1.Left, 8000);
      EXPECT_FALSE(game.form.Timer1.Enabled);
      EXPECT_TRUE(game.form.Menu[MenuId::mnGiveup].Enabled);
    }
    if (game.form.Timer1.Enabled) game.Ticks(5);
  };
  game.memory.input.answers.push_back("Ann");
  game.Press(static_cast<std::int16_t>(kDigit0 + game.Digit(open)));
  ASSERT_EQ(game.memory.messages.shown.size(), 2u);  // the win, then the table
  EXPECT_EQ(game.memory.messages.shown[0].text, "Congratulations!!   You won!!");
  EXPECT_EQ(game.memory.messages.shown[0].icon, MsgIcon::Information);
  EXPECT_EQ(game.Stored("Time4"), "00:00:12");
  EXPECT_FALSE(game.form.Menu[MenuId::mnGiveup].Enabled);
  EXPECT_EQ(game.form.lblTime.Caption, "00:12");
  EXPECT_TRUE(game.form.GameEnded());
}

TEST(EndedGame, KeysChangeNothingAndAnnounceNothingUntilTheNextGame) {
  Game won;
  won.Load();
  won.Win("Ann");
  Game quitter;
  quitter.Load();
  ASSERT_TRUE(quitter.GiveUp());
  quitter.form.mntest_Click();  // the hidden grid, complete
  for (Game* game : {&won, &quitter}) {
    const auto shown = game->memory.messages.shown.size();
    const auto green = game->Green();
    for (std::int16_t key :
         {kLeft, kDown, static_cast<std::int16_t>(kDigit0 + 1), kBackspace, kKeyQ})
      game->Press(key, key == kKeyQ ? kCtrlDown : 0);
    EXPECT_EQ(game->memory.messages.shown.size(), shown);
    EXPECT_EQ(game->Green(), green);
  }
  EXPECT_EQ(won.memory.input.asked.size(), 1u);
  quitter.form.mnNew_Click();
  quitter.Press(kLeft);
  EXPECT_EQ(quitter.Green(), std::make_pair(1, Cell(5, 4)));
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
