// The score table in the game: offered after a win, stored at once, shared by
// several copies, and the store's failures told truthfully.

#include <random>

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

class ScoreTable : public testing::LoadedGame {};

TEST_F(ScoreTable, WinsTakeTheirPlacesAreStoredAtOnceAndShown) {
  WinAfter(*this, 5, "Ann");
  ASSERT_EQ(memory.input.asked.size(), 1u);
  EXPECT_EQ(memory.input.asked[0].prompt,
            "You have reached the top 3 Scores\rPlease enter your name.");
  EXPECT_EQ(memory.input.asked[0].title, "Name");
  // The table box has the application's own title and no icon.
  EXPECT_TRUE(memory.messages.shown.back().title.empty() &&
              memory.messages.shown.back().icon == MsgIcon::None);
  // Stored before any unload.
  EXPECT_EQ(Stored("Player4") + " " + Stored("Time4"), "Ann 00:00:05");
  WinAfter(*this, 3, "Cy");  // faster: place 1
  WinAfter(*this, 5, "Di");  // equal to Ann: just below her
  WinAfter(*this, 5, "Ed");  // equal to place 3 of a full level: no box, the table all the same
  memory.input.answers.clear();
  form.mnDifficult_Click();
  WinAfter(*this, 61, "");  // cancelled: nothing changes
  WinAfter(*this, 61, "Hard");
  EXPECT_EQ(memory.input.asked.size(), 5u);
  EXPECT_EQ(Last(),
            TableText({At("Hard", 61), kNone, kNone}, {At("Cy", 3), At("Ann", 5), At("Di", 5)}));
}

TEST(StoreFailures, AreToldOnceAndWhatIsLostAtExitIsNamed) {
  Game game, retry, quiet;
  for (Game* g : {&game, &retry, &quiet}) {
    g->Stored("Level") = "True";
    g->Load();
    g->memory.store.failWrites = true;
  }
  WinAfter(game, 7, "Ann");
  WinAfter(game, 6, "Bob");  // kept while the game runs, and shown with what the store holds
  EXPECT_EQ(game.Last(), TableText({At("Bob", 6), At("Ann", 7), kNone}, {kNone, kNone, kNone}));
  EXPECT_EQ(Warnings(game), 1);
  game.form.mnEasy_Click();
  game.form.mnExit_Click();
  game.form.Form_Unload();  // the close box after Exit: unloaded once, told once
  EXPECT_EQ(Warnings(game), 2);
  EXPECT_EQ(
      game.Last().find("Novemo could not save the places won in this session and the level to"),
      0u);
  WinAfter(retry, 7, "Ann");
  // The store works again by the exit, which stores the place.
  retry.memory.store.failWrites = false;
  retry.form.Form_Unload();
  EXPECT_EQ(retry.Stored("Player1") + std::to_string(Warnings(retry)), "Ann1");
  quiet.form.Form_Unload();  // nothing lost, nothing told
  EXPECT_EQ(Warnings(quiet), 0);
}

// Random and malformed texts in every key: the game starts, shows its table
// and quits, and a malformed time never reads as a time.
TEST(StoreFuzz, GarbledStoresNeverCrashAndNeverReadAsABetterTime) {
  std::mt19937 rng(77);
  const auto pick = [&](int below) { return static_cast<int>(rng() % unsigned(below)); };
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
      const int h = pick(30), m = pick(70), s = pick(70), form = pick(7);
      const std::string fields =
          std::to_string(h) + ":" + std::to_string(m) + ":" + std::to_string(s);
      const std::string texts[] = {fields,         " " + fields + "\t", "-" + fields,
                                   fields + " PM", fields + ":1",       bytes() + "x"};
      if (form < 6) game.Stored("Time" + std::to_string(n)) = texts[form];  // 6: no time stored
      if (pick(6) != 0) game.Stored("Player" + std::to_string(n)) = bytes();
      meant[static_cast<std::size_t>(n)] =
          form < 2 && m < 60 && s < 60 ? h * 3600L + m * 60L + s : 0;
    }
    if (pick(4) != 0) game.Stored("Level") = pick(2) ? bytes() : "True";
    game.Load();
    for (int n = 1; n <= 6; ++n)
      ASSERT_EQ(WholeSeconds(game.form.State().ScoreTimes[n]), meant[static_cast<std::size_t>(n)])
          << round;
    game.Ticks(3);
    game.Win("Fuzz");  // the table of garbled names is shown
    game.form.Form_Unload();
  }
}

}  // namespace
}  // namespace novemo
