#include <gtest/gtest.h>

#include <cstdio>

#include "support/Game.h"

namespace novemo {
namespace {

using testing::Game;

TEST(Clock, ShowsEveryWholeSecondAsMinutesAndSeconds) {
  Game game;
  game.Load();
  char expected[8];
  for (int second = 1; second <= 3725; ++second) {
    game.Ticks(1);
    std::snprintf(expected, sizeof expected, "%02d:%02d", second / 60 % 60, second % 60);
    ASSERT_EQ(game.form.lblTime.Caption, expected) << "after " << second << " ticks";
  }
  EXPECT_EQ(game.form.lblTime.Caption, "02:05");  // 1 hour 2 minutes 5 seconds
}

TEST(Clock, PassesAnHourAndADay) {
  Game game;
  game.Load();
  game.Ticks(3599);
  EXPECT_EQ(game.form.lblTime.Caption, "59:59");
  game.Ticks(1);
  EXPECT_EQ(game.form.lblTime.Caption, "00:00");
  game.Ticks(86400 - 3600 + 65);
  EXPECT_EQ(game.form.lblTime.Caption, "01:05");
}

TEST(GiveUp, NoBringsTheBoardBackAndTheQuestionsTimeCounts) {
  Game game;
  game.Load();
  const auto [t, k] = game.OpenCell();
  game.form.Tray(t).lblNo_Click(k);
  game.Press(testing::kDigit0 + 4);
  int leftDuringQuestion = -1;
  game.memory.messages.whileOpen = [&](const MemoryMessages::Shown&) {
    leftDuringQuestion = game.form.Picture1.Left;
    game.Ticks(3);
  };
  game.memory.messages.answers.push_back(MsgAnswer::No);
  game.form.mnGiveup_Click();

  const auto& asked = game.memory.messages.shown.at(0);
  EXPECT_EQ(asked.text, "Are yuo sure you want to give up?");
  EXPECT_EQ(asked.title, "Give Up");
  EXPECT_EQ(asked.icon, MsgIcon::Question);
  EXPECT_EQ(asked.buttons, MsgButtons::YesNo);
  EXPECT_EQ(leftDuringQuestion, 8000);
  EXPECT_EQ(game.form.Picture1.Left, 0);
  EXPECT_EQ(game.form.lblTime.Caption, "00:03");
  EXPECT_TRUE(game.form.Timer1.Enabled);
  EXPECT_TRUE(game.form.Menu[MenuId::mnGiveup].Enabled);
  EXPECT_EQ(game.Text(t, k), " 4");
  EXPECT_FALSE(game.form.GameEnded());
}

TEST(GiveUp, YesEndsTheGameWithTheClockStopped) {
  Game game;
  game.Load();
  game.Ticks(42);
  game.memory.messages.answers.push_back(MsgAnswer::Yes);
  game.form.mnGiveup_Click();
  EXPECT_FALSE(game.form.Timer1.Enabled);
  EXPECT_EQ(game.form.Picture1.Left, 8000);
  EXPECT_FALSE(game.form.Menu[MenuId::mnGiveup].Enabled);
  EXPECT_EQ(game.form.lblTime.Caption, "00:42");
  EXPECT_TRUE(game.form.GameEnded());
  EXPECT_EQ(game.memory.input.asked.size(), 0u);  // nothing scored
}

TEST(TestCommand, ShowsEverySolutionDigitAndChangesNothingElse) {
  Game game;
  game.Load();
  game.form.mntest_Click();
  for (std::int16_t t = 1; t <= 9; ++t) {
    for (std::int16_t k = 1; k <= 9; ++k) {
      EXPECT_EQ(game.Text(t, k), " " + std::to_string(game.Solution(t, k)));
      EXPECT_EQ(game.Square(t).lblNo(k).ForeColor, game.Given(t, k) ? kGivenDigit : kOtherDigit);
    }
  }
  EXPECT_TRUE(game.form.Timer1.Enabled);
  EXPECT_EQ(game.form.Picture1.Left, 0);
  EXPECT_TRUE(game.memory.messages.shown.empty());
  EXPECT_EQ(game.Green(), testing::Cell(5, 5));
}

}  // namespace
}  // namespace novemo
