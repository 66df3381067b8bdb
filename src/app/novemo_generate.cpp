// novemo-generate: prints puzzles made by the game's own generator, one a
// line: the 81 cells row by row ('.' where not given), a space, the solution.

#include <cerrno>
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

#ifndef NOVEMO_VERSION
#define NOVEMO_VERSION "unknown"
#endif

namespace {

constexpr const char* kHelp =
    "usage: novemo-generate --count N --level easy|difficult [--seed S]\n"
    "       novemo-generate --help | --version\n"
    "\n"
    "Prints puzzles made by Novemo's generator, one a line: the 81 cells row by\n"
    "row ('.' where not given), a space, then the solution.\n"
    "\n"
    "  --count N      how many puzzles, 1 or more\n"
    "  --level L      easy or difficult\n"
    "  --seed S       a whole number: the same seed gives the same puzzles\n"
    "  --help         this text\n"
    "  --version      the version\n";

int UsageError(const std::string& why) {
  std::fprintf(stderr, "novemo-generate: %s\nTry 'novemo-generate --help'.\n", why.c_str());
  return 2;
}

template <class Number>
std::optional<Number> ParseNumber(std::string_view text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

struct Options {
  std::optional<long long> count;
  std::optional<bool> difficult;
  std::optional<std::uint64_t> seed;
};

// An empty text when the option and its value are taken, else what is wrong.
std::string Take(Options& options, std::string_view option, std::string_view value) {
  const std::string name(option);
  if (option == "--count") {
    if (options.count) return name + " is given twice";
    options.count = ParseNumber<long long>(value);
    if (!options.count || *options.count < 1) return name + " takes a whole number from 1";
  } else if (option == "--level") {
    if (options.difficult) return name + " is given twice";
    if (value != "easy" && value != "difficult") return name + " is easy or difficult";
    options.difficult = value == "difficult";
  } else if (option == "--seed") {
    if (options.seed) return name + " is given twice";
    options.seed = ParseNumber<std::uint64_t>(value);
    if (!options.seed) return name + " takes a whole number from 0";
  }
  return {};
}

}  // namespace

int main(int argc, char* argv[]) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view word = argv[i];
    if (word == "--help") {
      std::fputs(kHelp, stdout);
      return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (word == "--version") {
      std::puts("novemo-generate " NOVEMO_VERSION);
      return std::fflush(stdout) == 0 ? 0 : 1;
    }
    const std::string_view name = word.substr(0, word.find('='));
    const bool known = name == "--count" || name == "--level" || name == "--seed";
    if (known && name.size() < word.size()) {
      return UsageError("write '" + std::string(name) + " " +
                        std::string(word.substr(name.size() + 1)) + "', not '" + std::string(word) +
                        "'");
    }
    if (!known) {
      return UsageError(word.rfind("-", 0) == 0
                            ? "unknown option '" + std::string(word) + "'"
                            : "unexpected argument '" + std::string(word) + "'");
    }
    if (i + 1 >= argc) return UsageError(std::string(word) + " needs a value");
    if (const std::string wrong = Take(options, word, argv[++i]); !wrong.empty()) {
      return UsageError(wrong);
    }
  }
  if (!options.count || !options.difficult) return UsageError("--count and --level are required");

  novemo::MemoryPlatform memory;
  std::unique_ptr<novemo::RandomSource> random;
  if (options.seed) {
    random = std::make_unique<novemo::SeededRandom>(*options.seed);
  } else {
    random = std::make_unique<novemo::ClockMixedRandom>();
  }
  novemo::frmMain form(memory.platform(memory.store, *random));

  std::string line(164, ' ');
  line.back() = '\n';
  for (long long n = 0; n < *options.count; ++n) {
    if (*options.difficult) {
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
        line[static_cast<std::size_t>(row * 9 + column)] =
            novemo::HasDigit(tray.FixNoPos(), k) ? digit : '.';
        line[static_cast<std::size_t>(82 + row * 9 + column)] = digit;
      }
    }
    if (std::fwrite(line.data(), 1, line.size(), stdout) != line.size()) break;
  }
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "novemo-generate: cannot write the puzzles: %s\n", std::strerror(errno));
    return 1;
  }
  return 0;
}
