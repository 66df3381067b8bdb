// Long runs (bench/long-run.sh): random play, keys, clicks, ticks and menu
// commands with the rules that always hold checked after every event; and
// garbled settings stores that must neither crash the game nor read as times.

#include <algorithm>
#include <cstdlib>
#include <random>
#include <set>

#include "generator/Solver.h"
#include "scores/TimeText.h"
#include "support/Game.h"

namespace novemo {
namespace {

using namespace novemo::testing;

// The puzzle's givens have one solution, the stored one, and each square the level's givens.
bool OneSolutionTheStoredOne(const Game& game) {
  Grid givens{}, stored{};
  for (std::size_t i = 0; i < 81; ++i) {
    const CellAt at = Cell(i / 27 * 3 + i % 9 / 3 + 1, i / 9 % 3 * 3 + i % 3 + 1);
    stored[i] = static_cast<std::int8_t>(game.Digit(at));
    givens[i] = game.Given(at) ? stored[i] : 0;
    if (DigitCount(game.form.Tray(at.first).FixNoPos()) <
        (game.form.State().LevelDifficult ? 4 : 5))
      return false;
  }
  const SolutionCount found = CountSolutions(givens, 2);
  return found.count == 1 && found.first == stored;
}

// Random keys, clicks, ticks and menu commands; after every event the rules
// that always hold are checked. NOVEMO_RANDOM_EVENTS sets the number of events.
TEST(RandomPlay, EveryEventKeepsEveryRule) {
  const char* events = std::getenv("NOVEMO_RANDOM_EVENTS");
  Game game(2024);
  std::mt19937 rng(2024);
  const auto pick = [&](int below) { return static_cast<int>(rng() % unsigned(below)); };
  const MenuId menus[] = {MenuId::mnNew, MenuId::mnEasy, MenuId::mnDifficult, MenuId::mnGiveup,
                          MenuId::mntest};
  const int keys[] = {8, 37, 38, 39, 40, 48, 49, 53, 57, 96, 97, 105, 81, 46, 17, 65, 0};
  int wins = 0, winsThisGame = 0;
  game.Load();
  for (int n = 0; n < (events ? std::atoi(events) : 1'000'000); ++n) {
    game.memory.input.answers = {pick(10) ? std::to_string(n) : ""};
    const auto shown = game.memory.messages.shown.size();
    if (const int kind = pick(100); kind < 70) {
      game.Press(keys[pick(std::size(keys))], pick(8));
    } else if (kind < 85) {
      game.Click(Cell(pick(9) + 1, pick(9) + 1));
    } else if (kind < 97) {
      game.Ticks(1 + pick(30));
    } else {
      const MenuId id = menus[pick(5)];
      game.memory.messages.answers = {pick(2) ? MsgAnswer::Yes : MsgAnswer::No};
      game.form.MenuClick(id);
      if (id != MenuId::mnGiveup && id != MenuId::mntest) {  // a new game, with one solution
        ASSERT_TRUE(OneSolutionTheStoredOne(game)) << "event " << n;
        winsThisGame = 0;  // nobody wins in its first second: a time of 0 is an empty place
        game.Ticks(1);
      }
    }
    const auto& all = game.memory.messages.shown;
    const auto won = std::count_if(all.begin() + static_cast<long>(shown), all.end(),
                                   [](const auto& box) { return box.title == "Result"; });
    wins += static_cast<int>(won);
    winsThisGame += static_cast<int>(won);
    const auto& state = game.form.State();
    const auto [frames, green] = game.Green();  // the cell lags behind a click, the square does not
    ASSERT_TRUE(game.form.GameEnded() || (frames == 1 && green.first == state.ActiveTray))
        << "event " << n;
    ASSERT_LE(winsThisGame, 1) << "one game won twice, event " << n;
    std::set<std::string> names;  // places in order, empty ones last, no win twice
    for (int slot = 1; slot <= 6; ++slot) {
      const auto here = WholeSeconds(state.ScoreTimes[slot]),
                 next = slot % 3 ? WholeSeconds(state.ScoreTimes[slot + 1]) : 0;
      ASSERT_TRUE(next == 0 || (here != 0 && here <= next)) << "places out of order, event " << n;
      ASSERT_TRUE(here == 0 || names.insert(state.ScoreNames[slot]).second)
          << "a win twice, event " << n;
    }
  }
  EXPECT_GT(wins, 10);  // the run reached the win and the table many times
}

// Garbled texts in every key: the game starts, shows its table and quits, and
// no garbled time reads as a time.
TEST(StoreFuzz, GarbledStoresNeverCrashAndNoGarbledTimeReads) {
  const char* rounds = std::getenv("NOVEMO_FUZZ_ROUNDS");
  std::mt19937 rng(77);
  const auto bytes = [&](unsigned most) {
    std::string text(rng() % most, ' ');
    for (char& c : text)
      c = static_cast<char>(rng());
    return text;
  };
  for (int round = 0; round < (rounds ? std::atoi(rounds) : 20'000); ++round) {
    Game game(static_cast<std::uint64_t>(round));
    for (int n = 1; n <= 6; ++n) {
      game.Stored("Time" + std::to_string(n)) = bytes(12) + "x";  // never a time
      game.Stored("Player" + std::to_string(n)) = bytes(round % 10 ? 12 : 5000);
    }
    game.Stored("Level") = bytes(12);
    game.Load();
    for (int n = 1; n <= 6; ++n)
      ASSERT_EQ(game.form.State().ScoreTimes[n], 0.0) << round;
    game.Ticks(3);
    game.Win("Fuzz");  // the table of garbled names is shown
    game.form.Form_Unload();
  }
}

}  // namespace
}  // namespace novemo
