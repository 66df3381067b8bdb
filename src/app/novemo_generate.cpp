// novemo-generate: prints puzzles made by the game's own generator, one per
// line: the 81 cells row by row ('.' where not given), a space, the solution.

#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "generator/DigitString.h"
#include "main_window/frmMain.h"
#include "platform/Memory.h"
#include "platform/Random.h"

namespace {

constexpr const char* kUsage = "usage: novemo-generate --count N --level easy|difficult [--seed S]";

int UsageError(const char* why) {
  std::fprintf(stderr, "novemo-generate: %s; %s\n", why, kUsage);
  return 2;
}

template <class Number>
std::optional<Number> ParseNumber(std::string_view text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

int main(int argc, char* argv[]) {
  std::optional<long long> count;
  std::optional<bool> difficult;
  std::optional<std::uint64_t> seed;
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    if (i + 1 >= argc) return UsageError("missing value");
    const std::string_view value = argv[++i];
    if (option == "--count") {
      count = ParseNumber<long long>(value);
      if (!count || *count < 1) return UsageError("--count takes a whole number from 1");
    } else if (option == "--level") {
      if (value != "easy" && value != "difficult") return UsageError("unknown level");
      difficult = value == "difficult";
    } else if (option == "--seed") {
      seed = ParseNumber<std::uint64_t>(value);
      if (!seed) return UsageError("--seed takes a whole number");
    } else {
      return UsageError("unknown option");
    }
  }
  if (!count || !difficult) return UsageError("--count and --level are required");

  novemo::MemoryPlatform memory;
  std::unique_ptr<novemo::RandomSource> random;
  if (seed) {
    random = std::make_unique<novemo::SeededRandom>(*seed);
  } else {
    random = std::make_unique<novemo::ClockMixedRandom>();
  }
  novemo::frmMain form(memory.platform(memory.store, *random));

  std::string line(163, ' ');
  for (long long n = 0; n < *count; ++n) {
    if (*difficult) {
      form.mnDifficult_Click();
    } else {
      form.mnEasy_Click();
    }
    for (int row = 0; row < 9; ++row) {
      for (int column = 0; column < 9; ++column) {
        const auto s = static_cast<std::int16_t>(3 * (row / 3) + column / 3 + 1);
        const auto k = static_cast<std::int16_t>(3 * (row % 3) + column % 3 + 1);
        const novemo::Tray& tray = form.Tray(s);
        const char digit = static_cast<char>('0' + novemo::DigitAt(tray.NoPos(), k));
        const bool given = tray.FixNoPos() != 0 && novemo::HasDigit(tray.FixNoPos(), k);
        line[static_cast<std::size_t>(row * 9 + column)] = given ? digit : '.';
        line[static_cast<std::size_t>(82 + row * 9 + column)] = digit;
      }
    }
    std::puts(line.c_str());
  }
  return 0;
}
