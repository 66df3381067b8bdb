#include <gtest/gtest.h>

#include "scores/ScoreTable.h"
#include "scores/TimeText.h"
#include "support/Game.h"

namespace novemo {
namespace {

using testing::Game;

Place At(const char* name, int seconds) {
  return Place{name, seconds / 86400.0};
}
const Place kNone{};

// Wins the running game after `seconds` ticks, then starts the next one.
void WinAfter(Game& game, int seconds, const std::string& name) {
  game.Ticks(seconds);
  game.Win(name);
  game.form.mnNew_Click();
}
int Warnings(const Game& game) {
  int count = 0;
  for (const auto& shown : game.memory.messages.shown)
    count += shown.icon == MsgIcon::Warning;
  return count;
}

TEST(ScoreTable, WinsTakeTheirPlacesAreStoredAtOnceAndShown) {
  Game game;
  game.Load();
  WinAfter(game, 5, "Ann");
  ASSERT_EQ(game.memory.input.asked.size(), 1u);
  EXPECT_EQ(game.memory.input.asked[0].prompt,
            "You have reached the top 3 Scores\rPlease enter your name.");
  EXPECT_EQ(game.memory.input.asked[0].title, "Name");
  const auto& table = game.memory.messages.shown.back();
  EXPECT_EQ(table.title, "");  // the application's own
  EXPECT_EQ(table.icon, MsgIcon::None);
  EXPECT_EQ(game.Stored("Player4"), "Ann");  // before any unload
  EXPECT_EQ(game.Stored("Time4"), "00:00:05");

  WinAfter(game, 8, "Bob");  // slower: place 2
  WinAfter(game, 3, "Cy");   // faster: place 1
  WinAfter(game, 5, "Di");   // equal to Ann: just below her, Bob drops out
  EXPECT_EQ(game.Last(),
            TableText({kNone, kNone, kNone}, {At("Cy", 3), At("Ann", 5), At("Di", 5)}));
  WinAfter(game, 5, "Ed");  // equal to place 3 of a full level: no box, the table all the same
  EXPECT_EQ(game.memory.input.asked.size(), 4u);
  EXPECT_EQ(game.Last(),
            TableText({kNone, kNone, kNone}, {At("Cy", 3), At("Ann", 5), At("Di", 5)}));

  game.memory.input.answers.clear();
  game.form.mnDifficult_Click();
  WinAfter(game, 61, "");  // cancelled: nothing changes
  WinAfter(game, 61, "Hard");
  EXPECT_EQ(game.Last(),
            TableText({At("Hard", 61), kNone, kNone}, {At("Cy", 3), At("Ann", 5), At("Di", 5)}));
  EXPECT_EQ(Warnings(game), 0);
}

// Two copies of the game on one store: each win is ranked against what the
// other stored, and an exit writes back only the level.
class TwoCopies : public ::testing::TestWithParam<bool> {};

TEST_P(TwoCopies, BothPlacesSurviveInEitherExitOrder) {
  MemoryStore store;
  Game a(1, store);
  Game b(2, store);
  a.Load();
  b.Load();
  WinAfter(a, 9, "Alice");
  WinAfter(b, 9, "Bob");  // the same second: below Alice
  WinAfter(b, 4, "Bea");
  a.form.mnDifficult_Click();
  (GetParam() ? a : b).form.Form_Unload();
  (GetParam() ? b : a).form.Form_Unload();
  Game c(3, store);
  c.Load();
  c.form.mnScore_Click();
  EXPECT_EQ(c.Last(),
            TableText({kNone, kNone, kNone}, {At("Bea", 4), At("Alice", 9), At("Bob", 9)}));
  EXPECT_EQ(store.values["Novemo/Scores/Level"], GetParam() ? "False" : "True");  // the last out
}

INSTANTIATE_TEST_SUITE_P(ExitOrders, TwoCopies, ::testing::Bool());

TEST(StoreFailures, AreReportedOnceAndPlacesLostAtExitAreNamed) {
  Game game;
  game.Load();
  game.memory.store.failWrites = true;
  WinAfter(game, 7, "Ann");
  WinAfter(game, 6, "Bob");
  // Kept while the game runs, and shown with what the store holds.
  EXPECT_EQ(game.Last(), TableText({kNone, kNone, kNone}, {At("Bob", 6), At("Ann", 7), kNone}));
  EXPECT_EQ(game.Stored("Player4"), "<missing>");
  EXPECT_EQ(Warnings(game), 1);
  EXPECT_NE(game.memory.messages.shown[1].text.find("memory store\r(writes are refused)"),
            std::string::npos);
  game.form.Form_Unload();
  EXPECT_EQ(Warnings(game), 2);
  EXPECT_EQ(game.Last().find("Novemo could not save the places won in this session to"), 0u);

  // The store works again: the next try stores them.
  Game retry;
  retry.Load();
  retry.memory.store.failWrites = true;
  WinAfter(retry, 7, "Ann");
  retry.memory.store.failWrites = false;
  retry.form.Form_Unload();
  EXPECT_EQ(retry.Stored("Player4"), "Ann");
  EXPECT_EQ(Warnings(retry), 1);
}

TEST(StoreFailures, AnExitWithNothingLostSaysNothing) {
  for (const bool chooseLevel : {false, true}) {
    Game game;
    game.Store("Level", "True");
    game.Load();
    game.memory.store.failWrites = true;
    if (chooseLevel) game.form.mnEasy_Click();
    game.form.Form_Unload();
    EXPECT_EQ(Warnings(game), chooseLevel ? 1 : 0);
    EXPECT_TRUE(!chooseLevel ||
                game.Last().find("could not save the level you chose") != std::string::npos);
  }
}

TEST(StoreFailures, AStoreThatCannotBeOpenedOrWasSetAsideIsToldAtStartOnly) {
  Game unusable;
  unusable.memory.store.openReport = {false, "/x/Novemo.conf", "it is not a regular file", {}};
  unusable.memory.store.failWrites = true;
  unusable.Load();
  ASSERT_EQ(Warnings(unusable), 1);
  EXPECT_EQ(unusable.Last(),
            "Novemo cannot use its settings file\r/x/Novemo.conf\r(it is not a regular file)."
            "\r\rPlaces won now are kept only while the game runs.");
  WinAfter(unusable, 7, "Ann");
  EXPECT_EQ(Warnings(unusable), 1);

  Game kept;
  kept.memory.store.openReport = {true, "/x/Novemo.conf", "it is not in the expected format",
                                  "/x/Novemo.conf.unreadable"};
  kept.Load();
  ASSERT_EQ(Warnings(kept), 1);
  EXPECT_NE(kept.Last().find("It was kept as\r/x/Novemo.conf.unreadable\r"), std::string::npos);
  WinAfter(kept, 7, "Ann");
  EXPECT_EQ(kept.Stored("Player4"), "Ann");
}

}  // namespace
}  // namespace novemo
