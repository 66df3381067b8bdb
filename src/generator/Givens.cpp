// Each square's solution digits and its given cells.

#include <algorithm>
#include <vector>

#include "generator/DigitString.h"
#include "generator/PuzzleGenerator.h"
#include "generator/Solver.h"

namespace novemo {
namespace {

// w = integer part of r x 9 + 1. For every double r below 1 the sum stays
// below 10 (unlike r x 4 + 1, which reaches 5), so w is always 1..9.
std::int16_t DrawPosition(RandomSource& random) {
  return static_cast<std::int16_t>(random.Next() * 9 + 1);
}

int GridIndex(std::int16_t s, std::int16_t position) {
  const int row = 3 * ((s - 1) / 3) + (position - 1) / 3;
  const int column = 3 * ((s - 1) % 3) + (position - 1) % 3;
  return row * 9 + column;
}

}  // namespace

std::int32_t AddPosition(std::int32_t fixNoPos, std::int16_t position) {
  if (fixNoPos == 0) return position;
  if (HasDigit(fixNoPos, position)) return fixNoPos;
  const int n = DigitCount(fixNoPos);
  if (n >= 9) return fixNoPos;  // all nine cells are given already
  std::int32_t place = 1;
  for (int i = 0; i < n; ++i)
    place *= 10;
  return fixNoPos + position * place;
}

void PuzzleGenerator::HandOffSolution() {
  for (std::int16_t s = 1; s <= 9; ++s) {
    std::int64_t sum = 0;
    for (std::int16_t d = 1; d <= 9; ++d) {
      std::int64_t place = 1;
      for (int i = state_.DigitPos[(s - 1) * 9 + d]; i < 9; ++i)
        place *= 10;
      sum += d * place;
    }
    TrayAt(s).NoPos(static_cast<std::int32_t>(sum));
  }
}

void PuzzleGenerator::AddGiven(std::int16_t s, std::int16_t position) {
  TrayAt(s).FixNoPos(AddPosition(TrayAt(s).FixNoPos(), position));
}

void PuzzleGenerator::FixSwappablePairs(std::int16_t offsetA, std::int16_t offsetB, bool flag,
                                        std::int16_t target) {
  const bool targetIsA = target == offsetA / 9 + 1;
  const auto& at = state_.DigitPos;
  for (std::int16_t i = 1; i <= 9; ++i) {
    const std::int16_t x = at[offsetA + i];
    const std::int16_t y = at[offsetB + i];
    const std::int16_t p = GetCrossPos(x, y, flag);
    const std::int16_t q = GetCrossPos(y, x, flag);
    for (std::int16_t j = i + 1; j <= 9; ++j) {
      if (at[offsetB + j] == q && at[offsetA + j] == p) {
        // In square B the given goes on y, digit i's own cell there: a corner
        // of the swappable rectangle, so the swap is really blocked.
        AddGiven(target, targetIsA ? x : y);
      }
    }
  }
}

void PuzzleGenerator::FixAllSwappablePairs() {
  struct Call {
    std::int16_t a, b;
    bool flag;
    std::int16_t target;
  };
  static constexpr Call kCalls[] = {
      {1, 2, true, 1},  {2, 3, true, 2},  {1, 3, true, 3},  {4, 5, true, 4},  {5, 6, true, 5},
      {4, 6, true, 6},  {7, 8, true, 7},  {8, 9, true, 8},  {7, 9, true, 9},  {1, 4, false, 1},
      {4, 7, false, 4}, {1, 7, false, 7}, {2, 5, false, 2}, {5, 8, false, 5}, {2, 8, false, 8},
      {3, 6, false, 3}, {6, 9, false, 6}, {3, 9, false, 9},
  };
  for (const Call& call : kCalls) {
    FixSwappablePairs(static_cast<std::int16_t>((call.a - 1) * 9),
                      static_cast<std::int16_t>((call.b - 1) * 9), call.flag, call.target);
  }
}

void PuzzleGenerator::FillGivens() {
  // More than 999 means at least four givens; more than 9999 at least five.
  const std::int32_t limit = state_.LevelDifficult ? 999 : 9999;
  for (std::int16_t s = 1; s <= 9; ++s) {
    while (TrayAt(s).FixNoPos() <= limit) {
      const std::int16_t w = DrawPosition(random_);
      if (!HasDigit(TrayAt(s).FixNoPos(), w)) AddGiven(s, w);
    }
    TrayAt(s).SetFixNoPos();
  }
}

void PuzzleGenerator::MakeUnique() {
  // A grid is judged against the one stored solution, so a puzzle with two
  // solutions could be filled by the rules and still not be won. While a
  // second solution exists, give a cell where two solutions differ.
  for (;;) {
    Grid givens{};
    for (std::int16_t s = 1; s <= 9; ++s) {
      for (std::int16_t p = 1; p <= 9; ++p) {
        if (HasDigit(TrayAt(s).FixNoPos(), p)) {
          givens[static_cast<std::size_t>(GridIndex(s, p))] =
              static_cast<std::int8_t>(DigitAt(TrayAt(s).NoPos(), p));
        }
      }
    }
    const SolutionCount found = CountSolutions(givens, 2);
    if (found.count < 2) return;

    std::vector<std::pair<std::int16_t, std::int16_t>> differing;  // square, position
    for (std::int16_t s = 1; s <= 9; ++s) {
      for (std::int16_t p = 1; p <= 9; ++p) {
        const auto i = static_cast<std::size_t>(GridIndex(s, p));
        if (found.first[i] != found.second[i]) differing.emplace_back(s, p);
      }
    }
    if (differing.empty()) return;
    // A draw below 1 picks one of them.
    const auto [s, p] = differing[static_cast<std::size_t>(random_.Next() * differing.size())];
    AddGiven(s, p);
    TrayAt(s).SetFixNoPos();
    ++counters_.uniqueGivens;
  }
}

}  // namespace novemo
