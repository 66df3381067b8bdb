#include <gtest/gtest.h>

#include "support/Game.h"

namespace novemo {
namespace {

using testing::Game;

TEST(StartUp, EmptyStoreGivesAnEasyGameWithTheCentreCellActive) {
  Game game;
  game.Load();
  const frmMain& form = game.form;
  EXPECT_TRUE(form.Menu[MenuId::mnEasy].Checked);
  EXPECT_FALSE(form.Menu[MenuId::mnDifficult].Checked);
  EXPECT_FALSE(form.State().LevelDifficult);
  EXPECT_TRUE(form.Menu[MenuId::mnGiveup].Enabled);
  EXPECT_TRUE(form.Timer1.Enabled);
  EXPECT_EQ(form.Picture1.Left, 0);
  EXPECT_EQ(form.lblTime.Caption, "");  // nothing until the first tick
  EXPECT_EQ(game.Green(), testing::Cell(5, 5));
  EXPECT_EQ(game.GreenFrames(), 1);
  EXPECT_EQ(form.State().ActiveTray, 5);
  EXPECT_EQ(form.State().ActiveCell, 5);
  for (std::int16_t t = 1; t <= 9; ++t)
    EXPECT_GE(DigitCount(form.Tray(t).FixNoPos()), 5);
  EXPECT_TRUE(game.memory.messages.shown.empty());
}

TEST(StartUp, StoredDifficultLevelIsCheckedAndPlayed) {
  Game game;
  game.Store("Level", "True");
  game.Load();
  EXPECT_TRUE(game.form.Menu[MenuId::mnDifficult].Checked);
  EXPECT_FALSE(game.form.Menu[MenuId::mnEasy].Checked);
  EXPECT_TRUE(game.form.State().LevelDifficult);
}

TEST(NewGames, LevelCommandsStartAGameButLeaveGiveUpAsItWas) {
  Game game;
  game.Load();
  game.memory.messages.answers.push_back(MsgAnswer::Yes);
  game.form.mnGiveup_Click();
  ASSERT_FALSE(game.form.Menu[MenuId::mnGiveup].Enabled);

  const std::int32_t before = game.form.Tray(1).NoPos();
  game.form.mnEasy_Click();  // Easy again: still a new game
  EXPECT_NE(game.form.Tray(1).NoPos(), before);
  EXPECT_TRUE(game.form.Timer1.Enabled);
  EXPECT_EQ(game.form.Picture1.Left, 0);
  EXPECT_FALSE(game.form.Menu[MenuId::mnGiveup].Enabled);

  game.form.mnDifficult_Click();
  EXPECT_TRUE(game.form.Menu[MenuId::mnDifficult].Checked);
  EXPECT_FALSE(game.form.Menu[MenuId::mnEasy].Checked);
  EXPECT_FALSE(game.form.Menu[MenuId::mnGiveup].Enabled);

  game.form.mnNew_Click();
  EXPECT_TRUE(game.form.Menu[MenuId::mnGiveup].Enabled);
  EXPECT_TRUE(game.form.State().LevelDifficult);
}

TEST(NewGames, ClockStartsAgainButItsLabelWaitsForTheFirstTick) {
  Game game;
  game.Load();
  game.Ticks(75);
  game.form.mnNew_Click();
  EXPECT_EQ(game.form.State().ElapsedTime, 0.0);
  EXPECT_EQ(game.form.lblTime.Caption, "01:15");
  game.Ticks(1);
  EXPECT_EQ(game.form.lblTime.Caption, "00:01");
}

TEST(NewGames, ActivePositionSurvivesAndLagsBehindAClick) {
  Game game;
  game.Load();
  game.Press(testing::kUp);
  game.Press(testing::kRight);  // square 5, cell 3
  game.form.mnNew_Click();
  EXPECT_EQ(game.Green(), testing::Cell(5, 3));

  // A click moves the square at once, the cell only at the next key press.
  game.form.Tray(7).lblNo_Click(9);
  game.form.mnNew_Click();
  EXPECT_EQ(game.Green(), testing::Cell(7, 3));
  EXPECT_EQ(game.GreenFrames(), 1);
}

TEST(NewGames, EveryCellIsClearedBeforeTheNextPuzzle) {
  Game game;
  game.Load();
  const auto [t, k] = game.OpenCell();
  game.form.Tray(t).lblNo_Click(k);
  game.Press(testing::kDigit0 + 9);
  game.form.mnNew_Click();
  for (std::int16_t s = 1; s <= 9; ++s) {
    for (std::int16_t c = 1; c <= 9; ++c) {
      EXPECT_EQ(game.Text(s, c), game.Given(s, c) ? " " + std::to_string(game.Solution(s, c)) : "");
    }
  }
}

TEST(Shutdown, ExitAndCloseBoxBothSaveTheTableOnce) {
  Game game;
  game.Load();
  game.form.mnExit_Click();
  EXPECT_TRUE(game.form.Unloaded());
  EXPECT_EQ(game.memory.store.commits, 1);
  EXPECT_EQ(game.Stored("Level"), "False");
  EXPECT_EQ(game.Stored("Player6"), "None");
  EXPECT_EQ(game.Stored("Time6"), "00:00:00");
  EXPECT_EQ(game.memory.store.values.size(), 13u);
  game.form.Form_Unload();  // the close event that follows changes nothing
  EXPECT_EQ(game.memory.store.commits, 1);

  Game closed;
  closed.Load();
  closed.form.mnDifficult_Click();
  closed.form.Form_Unload();
  EXPECT_EQ(closed.Stored("Level"), "True");
}

TEST(Menu, DisabledItemsDoNothingAndEnabledOnesRunTheirHandler) {
  Game game;
  game.Load();
  game.form.MenuClick(MenuId::mnScore);
  EXPECT_EQ(game.memory.messages.shown.size(), 1u);
  game.memory.messages.answers.push_back(MsgAnswer::Yes);
  game.form.MenuClick(MenuId::mnGiveup);
  EXPECT_EQ(game.memory.messages.shown.size(), 2u);
  game.form.MenuClick(MenuId::mnGiveup);  // disabled now
  EXPECT_EQ(game.memory.messages.shown.size(), 2u);
  game.form.MenuClick(MenuId::mnExit);
  EXPECT_TRUE(game.form.Unloaded());
}

}  // namespace
}  // namespace novemo
