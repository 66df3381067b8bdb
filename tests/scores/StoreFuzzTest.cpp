// Random and malformed texts in every key of the store: the game still
// starts, and no place ever reads as a better time than its text says.

#include <gtest/gtest.h>

#include <random>
#include <regex>

#include "scores/TimeText.h"
#include "support/Game.h"

namespace novemo {
namespace {

// The time a text stands for, read independently of the game; 0 for none.
double Meant(const std::string& text) {
  static const std::regex form(R"(^[ \t]*(\d{1,6}):(\d{1,2})(?::(\d{1,2}))?[ \t]*$)");
  std::smatch match;
  if (!std::regex_match(text, match, form)) return 0;
  const long minutes = std::stol(match[2]);
  const long seconds = match[3].matched ? std::stol(match[3]) : 0;
  if (minutes > 59 || seconds > 59) return 0;
  return static_cast<double>(std::stol(match[1]) * 3600 + minutes * 60 + seconds) / 86400.0;
}

class Garbler {
 public:
  explicit Garbler(unsigned seed) : rng_(seed) {}

  std::string Time() {
    switch (Pick(8)) {
      case 0:
        return std::to_string(Pick(30)) + ":" + std::to_string(Pick(70)) + ":" +
               std::to_string(Pick(70));
      case 1:
        return " " + std::to_string(Pick(3)) + ":0" + std::to_string(Pick(10)) + "\t";
      case 2:
        return "-" + std::to_string(Pick(10)) + ":00:01";
      case 3:
        return "99999999999:00:00";
      case 4:
        return "00:0" + std::to_string(Pick(10)) + ":1" + std::to_string(Pick(10)) + " PM";
      case 5:
        return std::string(Pick(3), ':');
      default:
        return Bytes();
    }
  }
  std::string Bytes() {
    std::string text(static_cast<std::size_t>(Pick(Pick(10) == 0 ? 5000 : 12)), ' ');
    for (char& c : text)
      c = static_cast<char>(Pick(256));
    return text;
  }
  int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(rng_); }

 private:
  std::mt19937 rng_;
};

TEST(StoreFuzz, GarbledStoresNeverCrashAndNeverImproveATime) {
  Garbler garbler(77);
  for (int round = 0; round < 2000; ++round) {
    testing::Game game(static_cast<std::uint64_t>(round));
    std::array<std::string, 7> times;  // slot 1..6; empty for a missing key
    for (int n = 1; n <= 6; ++n) {
      if (garbler.Pick(6) != 0) game.Store("Player" + std::to_string(n), garbler.Bytes());
      if (garbler.Pick(6) != 0) {
        times[n] = garbler.Time();
        game.Store("Time" + std::to_string(n), times[n]);
      }
    }
    if (garbler.Pick(4) != 0) game.Store("Level", garbler.Pick(2) ? garbler.Bytes() : "True");
    game.Load();
    for (int n = 1; n <= 6; ++n) {
      ASSERT_EQ(game.form.State().ScoreTimes[n], Meant(times[n]))
          << "round " << round << ", Time" << n << " = \"" << times[n] << '"';
    }
    game.form.mnScore_Click();
    game.Ticks(3);
    game.Win("Fuzz");
    game.form.Form_Unload();
    for (int n = 1; n <= 6; ++n) {
      const std::string stored = game.Stored("Time" + std::to_string(n));
      ASSERT_EQ(TimeOfDayText(*ParseTimeOfDay(stored)), stored);  // written texts read back
    }
  }
}

}  // namespace
}  // namespace novemo
