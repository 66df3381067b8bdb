#include <gtest/gtest.h>

#include "support/Game.h"

namespace novemo {
namespace {

using testing::Cell;
using testing::Game;

TEST(StartUp, TheStoredLevelIsCheckedAndTheCentreCellIsActive) {
  for (const char* stored : {"", "True", "False"}) {
    Game game;
    if (*stored) game.Store("Level", stored);
    game.Load();
    const bool difficult = std::string(stored) == "True";
    const frmMain& form = game.form;
    EXPECT_EQ(form.Menu[MenuId::mnEasy].Checked, !difficult) << stored;
    EXPECT_EQ(form.Menu[MenuId::mnDifficult].Checked, difficult);
    EXPECT_EQ(form.State().LevelDifficult, difficult);
    EXPECT_TRUE(form.Menu[MenuId::mnGiveup].Enabled);
    EXPECT_TRUE(form.Timer1.Enabled);
    EXPECT_EQ(form.Picture1.Left, 0);
    EXPECT_EQ(form.lblTime.Caption, "");  // nothing until the first tick
    EXPECT_EQ(game.Green(), std::make_pair(1, Cell(5, 5)));
    EXPECT_EQ(form.State().ActiveCell, 5);
    for (std::int16_t t = 1; t <= 9; ++t)
      EXPECT_GE(DigitCount(form.Tray(t).FixNoPos()), difficult ? 4 : 5);
  }
}

TEST(NewGames, LevelCommandsStartAGameButLeaveGiveUpAsItWas) {
  Game game;
  game.Load();
  game.Ticks(75);
  ASSERT_TRUE(game.GiveUp());
  const std::int32_t before = game.form.Tray(1).NoPos();
  game.form.MenuClick(MenuId::mnEasy);  // Easy again: still a new game
  EXPECT_NE(game.form.Tray(1).NoPos(), before);
  EXPECT_TRUE(game.form.Timer1.Enabled);
  EXPECT_EQ(game.form.State().ElapsedTime, 0.0);
  EXPECT_EQ(game.form.lblTime.Caption, "01:15");  // until the first tick
  EXPECT_EQ(game.form.Picture1.Left, 0);
  EXPECT_FALSE(game.form.Menu[MenuId::mnGiveup].Enabled);

  game.form.MenuClick(MenuId::mnDifficult);
  EXPECT_TRUE(game.form.Menu[MenuId::mnDifficult].Checked);
  EXPECT_FALSE(game.form.Menu[MenuId::mnEasy].Checked);
  EXPECT_FALSE(game.form.Menu[MenuId::mnGiveup].Enabled);
  game.form.MenuClick(MenuId::mnGiveup);  // disabled: no question
  EXPECT_TRUE(game.memory.messages.answers.empty() && game.memory.messages.shown.size() == 1);

  game.form.MenuClick(MenuId::mnNew);
  EXPECT_TRUE(game.form.Menu[MenuId::mnGiveup].Enabled);
  EXPECT_TRUE(game.form.State().LevelDifficult);
  game.Ticks(1);
  EXPECT_EQ(game.form.lblTime.Caption, "00:01");
}

TEST(NewGames, ClearEveryCellAndKeepTheActivePositionWhichLagsBehindAClick) {
  Game game;
  game.Load();
  game.Click(game.FirstCell(false));
  game.Press(testing::kDigit0 + 9);
  game.Press(testing::kUp);
  game.Press(testing::kRight);
  const auto keyed = game.Green().second;
  game.form.mnNew_Click();
  EXPECT_EQ(game.Green(), std::make_pair(1, keyed));
  for (std::int16_t t = 1; t <= 9; ++t) {
    for (std::int16_t k = 1; k <= 9; ++k)
      EXPECT_EQ(game.Text({t, k}), game.Given({t, k}) ? game.Solution({t, k}) : "");
  }
  // A click moves the square at once, the cell only at the next key press.
  game.Click(Cell(keyed.first == 7 ? 8 : 7, 9));
  game.form.mnNew_Click();
  EXPECT_EQ(game.Green(), std::make_pair(1, Cell(keyed.first == 7 ? 8 : 7, keyed.second)));
}

}  // namespace
}  // namespace novemo
