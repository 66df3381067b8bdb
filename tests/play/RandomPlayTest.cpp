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
    NoteGivens();
    game_.Ticks(1);
    for (int n = 0; n < events; ++n) {
      if (game_.memory.input.answers.empty()) {
        game_.memory.input.answers.push_back(Pick(10) == 0 ? "" : "W" + std::to_string(n));
      }
      Step();
      Check(n);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
  int wins() const { return wins_; }

 private:
  int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(rng_); }

  void Step() {
    const int kind = Pick(100);
    if (kind < 70) {
      static const std::int16_t kKeys[] = {8,  37,  38,  39, 40, 48, 49, 50, 53, 57, 96,
                                           97, 101, 105, 81, 46, 16, 17, 18, 65, 0,  13};
      const auto key = kKeys[Pick(static_cast<int>(std::size(kKeys)))];
      const auto before = game_.memory.messages.shown.size();
      game_.Press(key, static_cast<std::int16_t>(Pick(8)));
      for (auto i = before; i < game_.memory.messages.shown.size(); ++i) {
        if (game_.memory.messages.shown[i].title == "Result") {
          ++wins_;
          ++winsThisGame_;
        }
      }
    } else if (kind < 85) {
      game_.form.Tray(static_cast<std::int16_t>(Pick(9) + 1))
          .lblNo_Click(static_cast<std::int16_t>(Pick(9) + 1));
    } else if (kind < 97) {
      game_.Ticks(1 + Pick(30));
    } else {
      static const MenuId kMenus[] = {MenuId::mnNew,    MenuId::mnEasy, MenuId::mnDifficult,
                                      MenuId::mnGiveup, MenuId::mntest, MenuId::mntest,
                                      MenuId::mnScore,  MenuId::mnHow};
      const MenuId id = kMenus[Pick(static_cast<int>(std::size(kMenus)))];
      game_.memory.messages.answers.push_back(Pick(2) ? MsgAnswer::Yes : MsgAnswer::No);
      game_.form.MenuClick(id);
      game_.memory.messages.answers.clear();
      if (id == MenuId::mnNew || id == MenuId::mnEasy || id == MenuId::mnDifficult) {
        NoteGivens();
        winsThisGame_ = 0;
        // Nobody wins within the first second; a time of 0 would read as an empty place.
        game_.Ticks(1);
      }
    }
  }

  void NoteGivens() {
    for (std::int16_t t = 1; t <= 9; ++t) {
      for (std::int16_t k = 1; k <= 9; ++k) {
        given_[(t - 1) * 9 + k - 1] = game_.Given(t, k) ? game_.Text(t, k) : "";
      }
    }
  }

  void Check(int n) {
    const frmMain& form = game_.form;
    const auto& state = form.State();
    ASSERT_TRUE(state.ActiveTray >= 1 && state.ActiveTray <= 9) << "event " << n;
    ASSERT_TRUE(state.ActiveCell >= 1 && state.ActiveCell <= 9) << "event " << n;
    if (!form.GameEnded()) {
      ASSERT_EQ(game_.GreenFrames(), 1) << "event " << n;
      ASSERT_EQ(game_.Green().first, state.ActiveTray) << "event " << n;
      ASSERT_NE(form.Tray(state.ActiveTray).ActiveBox(), 0) << "event " << n;
    }
    for (std::int16_t t = 1; t <= 9; ++t) {
      for (std::int16_t k = 1; k <= 9; ++k) {
        const std::string& given = given_[(t - 1) * 9 + k - 1];
        if (!given.empty()) {
          ASSERT_EQ(game_.Text(t, k), given) << "event " << n;
        }
      }
    }
    ASSERT_LE(winsThisGame_, 1) << "one game won twice, event " << n;
    std::set<std::string> names;
    for (int level = 0; level < 2; ++level) {
      double last = 0;
      bool emptySeen = false;
      for (int place = 1; place <= 3; ++place) {
        const int slot = level * 3 + place;
        const double time = state.ScoreTimes[slot];
        if (time == 0) {
          emptySeen = true;
          continue;
        }
        ASSERT_FALSE(emptySeen) << "a filled place below an empty one, event " << n;
        ASSERT_GE(time, last) << "places out of order, event " << n;
        last = time;
        ASSERT_TRUE(names.insert(state.ScoreNames[slot]).second)
            << "the same win twice, event " << n;
      }
    }
  }

  Game game_;
  std::mt19937 rng_;
  std::array<std::string, 81> given_{};
  int wins_ = 0;
  int winsThisGame_ = 0;
};

// NOVEMO_RANDOM_EVENTS sets a longer run (bench/long-run.sh runs a million).
TEST(RandomPlay, HundredThousandEventsKeepEveryRule) {
  const char* events = std::getenv("NOVEMO_RANDOM_EVENTS");
  RandomPlay play(2024);
  play.Run(events ? std::atoi(events) : 100'000);
  EXPECT_GT(play.wins(), 10);  // the run reached the win and the table many times
}

}  // namespace
}  // namespace novemo
