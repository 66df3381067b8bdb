// The window's life cycle, clock, Give Up, test command and Help messages.

#include <cstdio>
#include <tuple>

#include "support/Game.h"

namespace novemo {
namespace {

using namespace novemo::testing;

TEST(StartUp, TheStoredLevelIsCheckedAndTheCentreCellIsActive) {
  for (const std::string stored : {"True", "maybe"}) {
    Game game;
    EXPECT_FALSE(game.form.Timer1.Enabled);  // until the first game
    game.Stored("Level") = stored;
    game.Load();
    const frmMain& form = game.form;
    EXPECT_EQ(form.State().LevelDifficult, stored == "True");
    EXPECT_EQ(form.Menu[MenuId::mnEasy].Checked, stored != "True");
    EXPECT_EQ(form.Menu[MenuId::mnDifficult].Checked, stored == "True");
    EXPECT_TRUE(form.Menu[MenuId::mnGiveup].Enabled && form.Timer1.Enabled &&
                form.Picture1.Left == 0);
    EXPECT_EQ(game.Green(), std::pair(1, Cell(5, 5)));
  }
}

class NewGames : public LoadedGame {};

TEST_F(NewGames, LevelCommandsStartAGameButLeaveGiveUpAsItWas) {
  Click(LastCell(false));
  Press(kUp);
  const auto keyed = Green().second;
  form.mntest_Click();  // every cell shows a digit
  Ticks(75);
  ASSERT_TRUE(GiveUp());
  const std::int32_t before = form.Tray(1).NoPos();
  form.MenuClick(MenuId::mnEasy);  // Easy again: still a new game
  EXPECT_NE(form.Tray(1).NoPos(), before);
  for (int i = 0; i < 81; ++i) {  // every cell cleared but for the givens
    const CellAt at = Cell(i / 9 + 1, i % 9 + 1);
    EXPECT_EQ(Text(at), Given(at) ? Shown(Digit(at)) : "");
  }
  EXPECT_EQ(Green(), std::pair(1, keyed));  // the active position survives
  EXPECT_TRUE(form.Timer1.Enabled && form.State().ElapsedTime == 0.0 && form.Picture1.Left == 0);
  EXPECT_EQ(form.lblTime.Caption, "01:15");  // until the first tick
  form.MenuClick(MenuId::mnDifficult);
  EXPECT_TRUE(form.Menu[MenuId::mnDifficult].Checked && !form.Menu[MenuId::mnEasy].Checked);
  EXPECT_FALSE(form.Menu[MenuId::mnGiveup].Enabled);
  form.MenuClick(MenuId::mnGiveup);  // disabled: no question
  EXPECT_EQ(memory.messages.shown.size(), 1u);
  // A click moves the square at once, the cell only at the next key press.
  const int other = keyed.first == 7 ? 8 : 7;
  Click(Cell(other, keyed.second == 9 ? 1 : 9));
  form.MenuClick(MenuId::mnNew);
  EXPECT_EQ(Green(), std::pair(1, Cell(other, keyed.second)));
  EXPECT_TRUE(form.Menu[MenuId::mnGiveup].Enabled && form.State().LevelDifficult);
  Ticks(1);
  EXPECT_EQ(form.lblTime.Caption, "00:01");
  form.MenuClick(MenuId::mnEasy);
  EXPECT_TRUE(form.Menu[MenuId::mnEasy].Checked && !form.Menu[MenuId::mnDifficult].Checked);
}

class Clock : public LoadedGame {};

TEST_F(Clock, ShowsEveryWholeSecondAsMinutesAndSecondsPastAnHourAndADay) {
  char expected[8];
  for (int second = 1; second <= 3725; ++second) {
    Ticks(1);
    std::snprintf(expected, sizeof expected, "%02d:%02d", second / 60 % 60, second % 60);
    ASSERT_EQ(form.lblTime.Caption, expected) << "after " << second << " ticks";
  }
}

class GiveUp : public ::testing::TestWithParam<MsgAnswer> {};

TEST_P(GiveUp, AsksWithTheBoardOutOfViewAndTheClockRunning) {
  const bool yes = GetParam() == MsgAnswer::Yes;
  Game game;
  game.Load();
  const auto open = game.LastCell(false);
  game.Click(open);
  game.Press(kDigit0 + 4);
  game.memory.messages.whileOpen = [&](const MemoryMessages::Shown& shown) {
    EXPECT_EQ(std::tuple(shown.text, shown.title, shown.icon, shown.buttons),
              std::tuple(std::string("Are yuo sure you want to give up?"), std::string("Give Up"),
                         MsgIcon::Question, MsgButtons::YesNo));
    EXPECT_TRUE(game.form.Picture1.Left == 8000 && !game.form.GameEnded());  // the game goes on
    game.Ticks(3);
  };
  game.memory.messages.answers.push_back(GetParam());
  game.form.mnGiveup_Click();
  EXPECT_EQ(game.form.lblTime.Caption, "00:03");  // the question's time counts
  const auto& form = game.form;
  EXPECT_EQ(std::tuple(form.Picture1.Left, form.Timer1.Enabled, form.Menu[MenuId::mnGiveup].Enabled,
                       form.GameEnded()),
            std::tuple(yes ? 8000 : 0, !yes, !yes, yes));
  EXPECT_TRUE(game.Text(open) == " 4" &&
              game.memory.input.asked.empty());  // entries kept, nothing scored
}

INSTANTIATE_TEST_SUITE_P(Answers, GiveUp, ::testing::Values(MsgAnswer::Yes, MsgAnswer::No));

class Commands : public LoadedGame {};

TEST_F(Commands, TheHiddenTestCommandRevealsAndHelpAndAboutShowTheirTexts) {
  memory.messages.whileOpen = [&](const MemoryMessages::Shown&) { Ticks(1); };
  form.MenuClick(MenuId::mntest);
  for (std::int16_t t = 1; t <= 9; ++t)
    EXPECT_TRUE(form.Tray(t).CheckWin());
  form.MenuClick(MenuId::mnHow);
  form.MenuClick(MenuId::mnAbout);
  const auto& shown = memory.messages.shown;
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
  EXPECT_TRUE(shown[0].icon == MsgIcon::Information && shown[1].icon == MsgIcon::Information);
  // The clock ran on while the boxes were open; nothing else moved.
  EXPECT_EQ(form.lblTime.Caption, "00:02");
  EXPECT_TRUE(form.Timer1.Enabled && form.Menu[MenuId::mnGiveup].Enabled);
  EXPECT_EQ(form.Picture1.Left, 0);
}

}  // namespace
}  // namespace novemo
