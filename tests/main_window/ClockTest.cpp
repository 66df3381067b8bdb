#include <gtest/gtest.h>

#include <cstdio>

#include "support/Game.h"

namespace novemo {
namespace {

using testing::Game;

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
  game.Press(testing::kDigit0 + 4);
  int leftWhileAsking = -1;
  game.memory.messages.whileOpen = [&](const MemoryMessages::Shown&) {
    leftWhileAsking = game.form.Picture1.Left;
    game.Ticks(3);
  };
  game.memory.messages.answers.push_back(GetParam());
  game.form.mnGiveup_Click();

  const auto& asked = game.memory.messages.shown.at(0);
  EXPECT_EQ(asked.text, "Are yuo sure you want to give up?");
  EXPECT_EQ(asked.title, "Give Up");
  EXPECT_EQ(asked.icon, MsgIcon::Question);
  EXPECT_EQ(asked.buttons, MsgButtons::YesNo);
  EXPECT_EQ(leftWhileAsking, 8000);
  EXPECT_EQ(game.form.lblTime.Caption, "00:03");  // the question's time counts
  EXPECT_EQ(game.form.Picture1.Left, yes ? 8000 : 0);
  EXPECT_EQ(game.form.Timer1.Enabled, !yes);
  EXPECT_EQ(game.form.Menu[MenuId::mnGiveup].Enabled, !yes);
  EXPECT_EQ(game.form.GameEnded(), yes);
  EXPECT_EQ(game.Text(open), " 4");
  EXPECT_TRUE(game.memory.input.asked.empty());  // nothing scored
}

INSTANTIATE_TEST_SUITE_P(Answers, GiveUp, ::testing::Values(MsgAnswer::Yes, MsgAnswer::No));

TEST(TestCommand, ShowsEverySolutionDigitInItsOwnColourAndChangesNothingElse) {
  Game game;
  game.Load();
  game.form.mntest_Click();
  for (std::int16_t t = 1; t <= 9; ++t) {
    for (std::int16_t k = 1; k <= 9; ++k) {
      EXPECT_EQ(game.Text({t, k}), game.Solution({t, k}));
      EXPECT_EQ(game.form.Tray(t).lblNo(k).ForeColor,
                game.Given({t, k}) ? kGivenDigit : kOtherDigit);
    }
  }
  EXPECT_TRUE(game.form.Timer1.Enabled);
  EXPECT_EQ(game.form.Picture1.Left, 0);
  EXPECT_TRUE(game.memory.messages.shown.empty());
  EXPECT_EQ(game.Green(), std::make_pair(1, testing::Cell(5, 5)));
}

}  // namespace
}  // namespace novemo
