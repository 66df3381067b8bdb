// A long run of random keys, clicks, ticks and menu commands against the
// logic, checking after every event what must always hold.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <set>

#include "support/Game.h"

namespace novemo {
namespace {

using namespace novemo::testing;

class RandomPlay {
 public:
  explicit RandomPlay(std::uint32_t seed) : game_(seed), rng_(seed) {}

  void Run(int events) {
    game_.Load();
    NewGame();
    for (int n = 0; n < events && !::testing::Test::HasFatalFailure(); ++n) {
      if (game_.memory.input.answers.empty())
        game_.memory.input.answers.push_back(Pick(10) == 0 ? "" : std::to_string(n));
      Step();
      Check(n);
    }
  }
  int wins = 0;

 private:
  int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(rng_); }

  void NewGame() {
    for (std::int16_t t = 1; t <= 9; ++t) {
      for (std::int16_t k = 1; k <= 9; ++k)
        given_[(t - 1) * 9 + k - 1] = game_.Given({t, k}) ? game_.Text({t, k}) : "";
    }
    winsThisGame_ = 0;
    game_.Ticks(1);  // nobody wins within the first second: a time of 0 is an empty place
  }

  void Step() {
    const int kind = Pick(100);
    const auto shown = game_.memory.messages.shown.size();
    if (kind < 70) {
      static const std::int16_t kKeys[] = {8,  37,  38,  39, 40, 48, 49, 50, 53, 57, 96,
                                           97, 101, 105, 81, 46, 16, 17, 18, 65, 0,  13};
      game_.Press(kKeys[Pick(std::size(kKeys))], static_cast<std::int16_t>(Pick(8)));
    } else if (kind < 85) {
      game_.Click(Cell(Pick(9) + 1, Pick(9) + 1));
    } else if (kind < 97) {
      game_.Ticks(1 + Pick(30));
    } else {
      static const MenuId kMenus[] = {MenuId::mnNew,    MenuId::mnEasy, MenuId::mnDifficult,
                                      MenuId::mnGiveup, MenuId::mntest, MenuId::mntest,
                                      MenuId::mnScore,  MenuId::mnHow};
      const MenuId id = kMenus[Pick(std::size(kMenus))];
      game_.memory.messages.answers = {Pick(2) ? MsgAnswer::Yes : MsgAnswer::No};
      game_.form.MenuClick(id);
      if (id == MenuId::mnNew || id == MenuId::mnEasy || id == MenuId::mnDifficult) NewGame();
    }
    for (auto i = shown; i < game_.memory.messages.shown.size(); ++i) {
      if (game_.memory.messages.shown[i].title == "Result") {
        ++wins;
        ++winsThisGame_;
      }
    }
  }

  void Check(int n) {
    const frmMain& form = game_.form;
    const auto& state = form.State();
    ASSERT_TRUE(state.ActiveTray >= 1 && state.ActiveTray <= 9) << "event " << n;
    ASSERT_TRUE(state.ActiveCell >= 1 && state.ActiveCell <= 9) << "event " << n;
    if (!form.GameEnded()) {
      ASSERT_EQ(game_.Green().first, 1) << "event " << n;
      ASSERT_EQ(game_.Green().second.first, state.ActiveTray) << "event " << n;
    }
    for (std::int16_t t = 1; t <= 9; ++t) {
      for (std::int16_t k = 1; k <= 9; ++k) {
        const std::string& given = given_[(t - 1) * 9 + k - 1];
        ASSERT_TRUE(given.empty() || game_.Text({t, k}) == given) << "event " << n;
      }
    }
    ASSERT_LE(winsThisGame_, 1) << "one game won twice, event " << n;
    std::set<std::string> names;
    for (int first : {1, 4}) {
      double last = 0;
      for (int slot = first; slot < first + 3; ++slot) {
        const double time = state.ScoreTimes[slot];
        if (time == 0) {
          last = 1e9;  // empty places come last
          continue;
        }
        ASSERT_GE(time, last) << "places out of order, event " << n;
        last = time;
        ASSERT_TRUE(names.insert(state.ScoreNames[slot]).second) << "a win twice, event " << n;
      }
    }
  }

  Game game_;
  std::mt19937 rng_;
  std::array<std::string, 81> given_{};
  int winsThisGame_ = 0;
};

// NOVEMO_RANDOM_EVENTS sets a longer run (bench/long-run.sh runs a million).
TEST(RandomPlay, HundredThousandEventsKeepEveryRule) {
  const char* events = std::getenv("NOVEMO_RANDOM_EVENTS");
  RandomPlay play(2024);
  play.Run(events ? std::atoi(events) : 100'000);
  EXPECT_GT(play.wins, 10);  // the run reached the win and the table many times
}

}  // namespace
}  // namespace novemo
