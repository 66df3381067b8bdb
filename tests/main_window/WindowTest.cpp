// The window's life cycle, clock, Give Up, test command and Help messages.

#include <gtest/gtest.h>

#include <cstdio>

#include "support/Game.h"

namespace novemo {
namespace {

using namespace novemo::testing;

TEST(StartUp, TheStoredLevelIsCheckedAndTheCentreCellIsActive) {
  for (const std::string stored : {"", "True", "False", "maybe"}) {
    Game game;
    if (!stored.empty()) game.Store("Level", stored);
    game.Load();
    const bool difficult = stored == "True";
    const frmMain& form = game.form;
    EXPECT_EQ(form.Menu[MenuId::mnEasy].Checked, !difficult) << stored;
    EXPECT_EQ(form.Menu[MenuId::mnDifficult].Checked, difficult);
    EXPECT_EQ(form.State().LevelDifficult, difficult);
    EXPECT_TRUE(form.Menu[MenuId::mnGiveup].Enabled && form.Timer1.Enabled);
    EXPECT_EQ(form.Picture1.Left, 0);
    EXPECT_EQ(form.lblTime.Caption, "");  // nothing until the first tick
    EXPECT_EQ(game.Green(), std::pair(1, Cell(5, 5)));
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
  game.form.MenuClick(MenuId::mnDifficult);
  EXPECT_TRUE(game.form.Menu[MenuId::mnDifficult].Checked &&
              !game.form.Menu[MenuId::mnEasy].Checked);
  EXPECT_FALSE(game.form.Menu[MenuId::mnGiveup].Enabled);
  game.form.MenuClick(MenuId::mnGiveup);  // disabled: no question
  EXPECT_EQ(game.memory.messages.shown.size(), 1u);
  game.form.MenuClick(MenuId::mnNew);
  EXPECT_TRUE(game.form.Menu[MenuId::mnGiveup].Enabled);
  EXPECT_TRUE(game.form.State().LevelDifficult);
  game.Ticks(1);
  EXPECT_EQ(game.form.lblTime.Caption, "00:01");
  game.form.MenuClick(MenuId::mnExit);
  EXPECT_TRUE(game.form.Unloaded());
}

TEST(NewGames, ClearEveryCellAndKeepTheActivePositionWhichLagsBehindAClick) {
  Game game;
  game.Load();
  game.Click(game.FirstCell(false));
  game.Press(kDigit0 + 9);
  game.Press(kUp);
  const auto keyed = game.Green().second;
  game.form.mnNew_Click();
  EXPECT_EQ(game.Green(), std::pair(1, keyed));
  for (std::int16_t t = 1; t <= 9; ++t) {
    for (std::int16_t k = 1; k <= 9; ++k)
      EXPECT_EQ(game.Text({t, k}), game.Given({t, k}) ? Shown(game.Digit({t, k})) : "");
  }
  // A click moves the square at once, the cell only at the next key press.
  const int other = keyed.first == 7 ? 8 : 7;
  game.Click(Cell(other, keyed.second == 9 ? 1 : 9));
  game.form.mnNew_Click();
  EXPECT_EQ(game.Green(), std::pair(1, Cell(other, keyed.second)));
}

TEST(Clock, ShowsEveryWholeSecondAsMinutesAndSecondsPastAnHourAndADay) {
  Game game;
  game.Load();
  char expected[8];
  for (int second = 1; second <= 3725; ++second) {
    game.Ticks(1);
    std::snprintf(expected, sizeof expected, "%02d:%02d", second / 60 % 60, second % 60);
    ASSERT_EQ(game.form.lblTime.Caption, expected) << "after " << second << " ticks";
  }
  game.Ticks(86400 - 3725 + 65);
  EXPECT_EQ(game.form.lblTime.Caption, "01:05");
}

class GiveUp : public ::testing::TestWithParam<MsgAnswer> {};

TEST_P(GiveUp, AsksWithTheBoardOutOfViewAndTheClockRunning) {
  const bool yes = GetParam() == MsgAnswer::Yes;
  Game game;
  game.Load();
  const auto open = game.FirstCell(false);
  game.Click(open);
  game.Press(kDigit0 + 4);
  game.memory.messages.whileOpen = [&](const MemoryMessages::Shown& shown) {
    EXPECT_EQ(shown.text, "Are yuo sure you want to give up?");
    EXPECT_EQ(std::pair(shown.title, shown.icon),
              std::pair(std::string("Give Up"), MsgIcon::Question));
    EXPECT_EQ(shown.buttons, MsgButtons::YesNo);
    EXPECT_EQ(game.form.Picture1.Left, 8000);
    game.Ticks(3);
  };
  game.memory.messages.answers.push_back(GetParam());
  game.form.mnGiveup_Click();
  EXPECT_EQ(game.form.lblTime.Caption, "00:03");  // the question's time counts
  EXPECT_EQ(game.form.Picture1.Left, yes ? 8000 : 0);
  EXPECT_EQ(game.form.Timer1.Enabled, !yes);
  EXPECT_EQ(game.form.Menu[MenuId::mnGiveup].Enabled, !yes);
  EXPECT_EQ(game.form.GameEnded(), yes);
  EXPECT_EQ(game.Text(open), " 4");
  EXPECT_TRUE(game.memory.input.asked.empty());  // nothing scored
}

INSTANTIATE_TEST_SUITE_P(Answers, GiveUp, ::testing::Values(MsgAnswer::Yes, MsgAnswer::No));

TEST(Commands, TheHiddenTestCommandRevealsAndHelpAndAboutShowTheirTexts) {
  Game game;
  game.Load();
  EXPECT_FALSE(game.form.Menu[MenuId::mnHelpers].Visible);
  game.memory.messages.whileOpen = [&](const MemoryMessages::Shown&) { game.Ticks(1); };
  game.form.MenuClick(MenuId::mntest);
  for (std::int16_t t = 1; t <= 9; ++t)
    EXPECT_TRUE(game.form.Tray(t).CheckWin());
  game.form.MenuClick(MenuId::mnHow);
  game.form.MenuClick(MenuId::mnAbout);
  const auto& shown = game.memory.messages.shown;
  ASSERT_EQ(shown.size(), 2u);  // the test command announces nothing
  EXPECT_EQ(shown[0].text,
            "Fill the squares with Digits such that every row , column and 3 x 3 Squares have all "
            "Digits from 1 to 9.\r\rUse Arrow keys or mouse Left-click to make a cell Active "
            "green.\r\rPress keys from 1 to 9 to fill the Active cell with Digits.\r\rPress "
            "Delete to delete value from the Active cell.");
  EXPECT_EQ(shown[0].title, "How to play NOVEMO");
  EXPECT_EQ(shown[1].text,
            "Novemo Ver. 1.2\r\rBy " NOVEMO_AUTHOR ".\remail " NOVEMO_EMAIL "\rweb " NOVEMO_WEB);
  EXPECT_EQ(shown[1].title, "About Novemo");
  for (const auto& box : shown)
    EXPECT_EQ(std::pair(box.icon, box.buttons), std::pair(MsgIcon::Information, MsgButtons::Ok));
  // The clock ran on while the boxes were open; nothing else moved.
  EXPECT_EQ(game.form.lblTime.Caption, "00:02");
  EXPECT_TRUE(game.form.Timer1.Enabled && game.form.Menu[MenuId::mnGiveup].Enabled);
  EXPECT_EQ(game.form.Picture1.Left, 0);
}

}  // namespace
}  // namespace novemo
