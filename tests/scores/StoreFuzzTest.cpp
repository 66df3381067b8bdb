// Random and malformed texts in every key of the store: the game still
// starts, a malformed time never reads as a time, and what it writes reads back.

#include <gtest/gtest.h>

#include <random>

#include "scores/TimeText.h"
#include "support/Game.h"

namespace novemo {
namespace {

class Garbler {
 public:
  explicit Garbler(unsigned seed) : rng_(seed) {}
  int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(rng_); }

  // A time text, and the seconds it stands for (-1: none, it must read as empty).
  std::pair<std::string, long> Time() {
    const int h = Pick(30), m = Pick(70), s = Pick(70);
    const std::string fields =
        std::to_string(h) + ":" + std::to_string(m) + ":" + std::to_string(s);
    const long meant = m < 60 && s < 60 ? h * 3600L + m * 60L + s : -1;
    switch (Pick(6)) {
      case 0:
        return {fields, meant};
      case 1:
        return {" " + fields + "\t", meant};
      case 2:
        return {"-" + fields, -1};
      case 3:
        return {fields + " PM", -1};
      case 4:
        return {fields + ":" + fields, -1};
      default:
        return {Bytes() + "x", -1};  // a letter: never a time
    }
  }
  std::string Bytes() {
    std::string text(static_cast<std::size_t>(Pick(Pick(10) == 0 ? 5000 : 12)), ' ');
    for (char& c : text)
      c = static_cast<char>(Pick(256));
    return text;
  }

 private:
  std::mt19937 rng_;
};

TEST(StoreFuzz, GarbledStoresNeverCrashAndNeverReadAsABetterTime) {
  Garbler garbler(77);
  for (int round = 0; round < 2000; ++round) {
    testing::Game game(static_cast<std::uint64_t>(round));
    std::array<long, 7> meant{};  // seconds per slot 1..6; 0 for a missing key
    for (int n = 1; n <= 6; ++n) {
      if (garbler.Pick(6) != 0) game.Store("Player" + std::to_string(n), garbler.Bytes());
      if (garbler.Pick(6) == 0) continue;
      const auto [text, seconds] = garbler.Time();
      game.Store("Time" + std::to_string(n), text);
      meant[static_cast<std::size_t>(n)] = seconds < 0 ? 0 : seconds;
    }
    if (garbler.Pick(4) != 0) game.Store("Level", garbler.Pick(2) ? garbler.Bytes() : "True");
    game.Load();
    for (int n = 1; n <= 6; ++n) {
      ASSERT_EQ(WholeSeconds(game.form.State().ScoreTimes[n]), meant[static_cast<std::size_t>(n)])
          << "round " << round << ", Time" << n;
    }
    game.Ticks(3);
    game.Win("Fuzz");
    game.form.Form_Unload();
    // The places of the level won are written, and read back as they were written.
    const int offset = game.form.State().LevelDifficult ? 0 : 3;
    const auto& names = game.form.State().ScoreNames;
    const bool placed =
        names[offset + 1] == "Fuzz" || names[offset + 2] == "Fuzz" || names[offset + 3] == "Fuzz";
    for (int n = offset + 1; placed && n <= offset + 3; ++n) {
      const std::string stored = game.Stored("Time" + std::to_string(n));
      ASSERT_EQ(TimeOfDayText(ParseTimeOfDay(stored).value_or(-1)), stored);
    }
  }
}

}  // namespace
}  // namespace novemo
