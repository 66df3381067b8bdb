// The score table in the game: offered after a win, stored at once, shared by
// several copies, and the store's failures told truthfully.

#include <gtest/gtest.h>

#include <random>

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
  return static_cast<int>(
      std::count_if(game.memory.messages.shown.begin(), game.memory.messages.shown.end(),
                    [](const auto& shown) { return shown.icon == MsgIcon::Warning; }));
}

TEST(ScoreTable, WinsTakeTheirPlacesAreStoredAtOnceAndShown) {
  Game game;
  game.Load();
  WinAfter(game, 5, "Ann");
  ASSERT_EQ(game.memory.input.asked.size(), 1u);
  EXPECT_EQ(game.memory.input.asked[0].prompt,
            "You have reached the top 3 Scores\rPlease enter your name.");
  EXPECT_EQ(game.memory.input.asked[0].title, "Name");
  EXPECT_EQ(
      std::pair(game.memory.messages.shown.back().title, game.memory.messages.shown.back().icon),
      std::pair(std::string(), MsgIcon::None));  // the application's own title
  EXPECT_EQ(game.Stored("Player4") + " " + game.Stored("Time4"),
            "Ann 00:00:05");  // before any unload
  WinAfter(game, 8, "Bob");   // slower: place 2
  WinAfter(game, 3, "Cy");    // faster: place 1
  WinAfter(game, 5, "Di");    // equal to Ann: just below her; Bob drops out
  WinAfter(game, 5, "Ed");    // equal to place 3 of a full level: no box, the table all the same
  EXPECT_EQ(game.memory.input.asked.size(), 4u);
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
  Game a(1, store), b(2, store), c(3, store);
  a.Load();
  b.Load();
  WinAfter(a, 9, "Alice");
  WinAfter(b, 9, "Bob");  // the same second: below Alice
  WinAfter(b, 4, "Bea");
  a.form.mnDifficult_Click();
  (GetParam() ? a : b).form.Form_Unload();
  (GetParam() ? b : a).form.Form_Unload();
  c.Load();
  c.form.mnScore_Click();
  EXPECT_EQ(c.Last(),
            TableText({kNone, kNone, kNone}, {At("Bea", 4), At("Alice", 9), At("Bob", 9)}));
  EXPECT_EQ(store.values["Novemo/Scores/Level"], GetParam() ? "False" : "True");  // the last out
}

INSTANTIATE_TEST_SUITE_P(ExitOrders, TwoCopies, ::testing::Bool());

TEST(StoreFailures, AreReportedOnceAndWhatIsLostAtExitIsNamed) {
  Game game;
  game.Load();
  game.memory.store.failWrites = true;
  WinAfter(game, 7, "Ann");
  WinAfter(game, 6, "Bob");
  // Kept while the game runs, and shown with what the store holds.
  EXPECT_EQ(game.Last(), TableText({kNone, kNone, kNone}, {At("Bob", 6), At("Ann", 7), kNone}));
  EXPECT_EQ(game.Stored("Player4"), "<missing>");
  EXPECT_EQ(Warnings(game), 1);
  EXPECT_NE(game.memory.messages.shown[1].text.find("to\rmemory store\r(writes are refused)"),
            std::string::npos);
  game.form.mnEasy_Click();
  game.form.Form_Unload();
  EXPECT_EQ(Warnings(game), 2);
  EXPECT_EQ(game.Last().find("Novemo could not save the places won in this session to"), 0u);

  Game retry;  // the store works again by the exit: the exit stores the place
  retry.Load();
  retry.memory.store.failWrites = true;
  WinAfter(retry, 7, "Ann");
  retry.memory.store.failWrites = false;
  retry.form.Form_Unload();
  EXPECT_EQ(std::pair(retry.Stored("Player4"), Warnings(retry)), std::pair(std::string("Ann"), 1));

  for (const bool chooseLevel :
       {false, true}) {  // a level chosen and lost is told; nothing lost, nothing told
    Game quiet;
    quiet.Store("Level", "True");
    quiet.Load();
    quiet.memory.store.failWrites = true;
    if (chooseLevel) quiet.form.mnEasy_Click();
    quiet.form.Form_Unload();
    EXPECT_EQ(Warnings(quiet), chooseLevel);
    EXPECT_TRUE(!chooseLevel ||
                quiet.Last().find("could not save the level you chose") != std::string::npos);
  }
}

TEST(StoreFailures, AStoreThatCannotBeOpenedOrWasSetAsideIsToldAtStartOnly) {
  Game unusable;
  unusable.memory.store.openReport = {false, "/x/Novemo.conf", "it is not a regular file", {}};
  unusable.memory.store.failWrites = true;
  unusable.Load();
  EXPECT_EQ(unusable.Last(),
            "Novemo cannot use its settings file\r/x/Novemo.conf\r(it is not a regular file)."
            "\r\rPlaces won now are kept only while the game runs.");
  WinAfter(unusable, 7, "Ann");
  EXPECT_EQ(Warnings(unusable), 1);
  Game kept;
  kept.memory.store.openReport = {true, "/x/Novemo.conf", "it is not in the expected format",
                                  "/x/Novemo.conf.unreadable"};
  kept.Load();
  EXPECT_EQ(kept.Last().find("Novemo could not read its settings file\r/x/Novemo.conf\r"), 0u);
  EXPECT_NE(kept.Last().find("It was kept as\r/x/Novemo.conf.unreadable\r"), std::string::npos);
  WinAfter(kept, 7, "Ann");
  EXPECT_EQ(std::pair(kept.Stored("Player4"), Warnings(kept)), std::pair(std::string("Ann"), 1));
}

// Random and malformed texts in every key: the game starts, a malformed time
// never reads as a time, and the places it writes read back as written.
TEST(StoreFuzz, GarbledStoresNeverCrashAndNeverReadAsABetterTime) {
  std::mt19937 rng(77);
  const auto pick = [&](int below) {
    return std::uniform_int_distribution<int>(0, below - 1)(rng);
  };
  const auto bytes = [&] {
    std::string text(static_cast<std::size_t>(pick(pick(10) == 0 ? 5000 : 12)), ' ');
    for (char& c : text)
      c = static_cast<char>(pick(256));
    return text;
  };
  for (int round = 0; round < 2000; ++round) {
    Game game(static_cast<std::uint64_t>(round));
    std::array<long, 7> meant{};  // seconds per slot 1..6: 0 for none
    for (int n = 1; n <= 6; ++n) {
      if (pick(6) != 0) game.Store("Player" + std::to_string(n), bytes());
      if (pick(6) == 0) continue;
      const int h = pick(30), m = pick(70), s = pick(70), form = pick(6);
      const std::string fields =
          std::to_string(h) + ":" + std::to_string(m) + ":" + std::to_string(s);
      const std::string texts[] = {fields,         " " + fields + "\t", "-" + fields,
                                   fields + " PM", fields + ":1",       bytes() + "x"};
      game.Store("Time" + std::to_string(n), texts[form]);
      meant[static_cast<std::size_t>(n)] =
          form < 2 && m < 60 && s < 60 ? h * 3600L + m * 60L + s : 0;
    }
    if (pick(4) != 0) game.Store("Level", pick(2) ? bytes() : "True");
    game.Load();
    for (int n = 1; n <= 6; ++n) {
      ASSERT_EQ(WholeSeconds(game.form.State().ScoreTimes[n]), meant[static_cast<std::size_t>(n)])
          << "round " << round << ", Time" << n;
    }
    game.Ticks(3);
    game.Win("Fuzz");
    game.form.Form_Unload();
    const int offset = game.form.State().LevelDifficult ? 0 : 3;
    const auto& names = game.form.State().ScoreNames;
    if (names[offset + 1] != "Fuzz" && names[offset + 2] != "Fuzz" && names[offset + 3] != "Fuzz")
      continue;
    for (int n = offset + 1; n <= offset + 3; ++n) {
      const std::string stored = game.Stored("Time" + std::to_string(n));
      ASSERT_EQ(TimeOfDayText(ParseTimeOfDay(stored).value_or(-1)), stored) << "round " << round;
    }
  }
}

}  // namespace
}  // namespace novemo
