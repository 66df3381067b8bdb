// The solution grid, square by square, with dead ends and full starts.

#include <array>
#include <bit>

#include "generator/DigitString.h"
#include "generator/PuzzleGenerator.h"
#include "main_window/frmMain.h"

namespace novemo {
namespace {

// The generator's pools are always 123456789 with positions taken out, so
// they are kept as masks (bit p - 1 for position p) on the hot path; these
// tables give the digit string of a mask and the digit a draw picks from it.
struct PoolTables {
  std::array<std::int32_t, 512> value{};
  std::array<std::array<std::int8_t, 6>, 512> pick{};  // [mask][k]: the k-th digit, or the last
};

constexpr PoolTables MakePoolTables() {
  PoolTables tables;
  for (int mask = 0; mask < 512; ++mask) {
    std::int32_t value = 0;
    int count = 0;
    std::array<std::int8_t, 10> digits{};
    for (int p = 1; p <= 9; ++p) {
      if (mask & (1 << (p - 1))) {
        value = value * 10 + p;
        digits[static_cast<std::size_t>(++count)] = static_cast<std::int8_t>(p);
      }
    }
    tables.value[static_cast<std::size_t>(mask)] = value;
    for (int k = 1; k <= 5; ++k) {
      tables.pick[static_cast<std::size_t>(mask)][static_cast<std::size_t>(k)] =
          digits[static_cast<std::size_t>(k < count ? k : count)];
    }
  }
  return tables;
}
constexpr PoolTables kPools = MakePoolTables();
constexpr int kFullPool = 0x1FF;

constexpr std::uint16_t Bit(int position) {
  return static_cast<std::uint16_t>(1U << (position - 1));
}

// Positions of one row (1..3) or one column (1..3) of a square.
constexpr std::uint16_t RowMask(int row) {
  return static_cast<std::uint16_t>(0x7U << (3 * (row - 1)));
}
constexpr std::uint16_t ColumnMask(int column) {
  return static_cast<std::uint16_t>(0x49U << (column - 1));
}

// The earlier squares each square is tested against: same band (rows must
// differ) and same stack (columns must differ), nearest first.
struct Neighbours {
  std::array<std::int8_t, 2> band{};
  std::array<std::int8_t, 2> stack{};
};
constexpr std::array<Neighbours, 10> kNeighbours = {{
    {},
    {},
    {{1, 0}, {0, 0}},
    {{2, 1}, {0, 0}},
    {{0, 0}, {1, 0}},
    {{4, 0}, {2, 0}},
    {{5, 4}, {3, 0}},
    {{0, 0}, {4, 1}},
    {{7, 0}, {5, 2}},
    {{8, 7}, {6, 3}},
}};

}  // namespace

void PuzzleGenerator::GeneratePuzzle() {
  BuildSolution();
  HandOffSolution();
  FixAllSwappablePairs();
  FillGivens();
  MakeUnique();
}

void PuzzleGenerator::BuildSolution() {
  for (;;) {
    std::int16_t deadEnds = 0;

    // Square 1 has nothing to clash with.
    int pool = kFullPool;
    state_.PosPool = kPools.value[kFullPool];
    for (std::int16_t d = 1; d <= 9; ++d) {
      const double r = random_.Next();
      ++counters_.draws;
      const std::int16_t w =
          kPools.pick[static_cast<std::size_t>(pool)][static_cast<std::size_t>(DrawIndex(r))];
      state_.DigitPos[d] = w;
      pool &= ~Bit(w);
      state_.PosPool = kPools.value[static_cast<std::size_t>(pool)];
    }

    bool restart = false;
    for (std::int16_t s = 2; s <= 9 && !restart; ++s) {
      while (!BuildSquare(s)) {
        // The 122nd dead end since the last full start rebuilds everything.
        if (++deadEnds > 121) {
          restart = true;
          break;
        }
      }
    }
    if (!restart) return;
  }
}

// One try at square s; false at a dead end.
bool PuzzleGenerator::BuildSquare(std::int16_t s) {
  const Neighbours& neighbours = kNeighbours[static_cast<std::size_t>(s)];
  int pool = kFullPool;
  state_.PosPool = kPools.value[kFullPool];
  for (std::int16_t d = 1; d <= 9; ++d) {
    std::uint16_t clash = 0;
    for (const std::int8_t t : neighbours.band) {
      if (t != 0) clash |= RowMask((state_.DigitPos[(t - 1) * 9 + d] - 1) / 3 + 1);
    }
    for (const std::int8_t t : neighbours.stack) {
      if (t != 0) clash |= ColumnMask((state_.DigitPos[(t - 1) * 9 + d] - 1) % 3 + 1);
    }
    int candidates = pool;
    state_.CandPool = kPools.value[static_cast<std::size_t>(candidates)];
    for (;;) {
      const double r = random_.Next();
      ++counters_.draws;
      const std::int16_t w =
          kPools.pick[static_cast<std::size_t>(candidates)][static_cast<std::size_t>(DrawIndex(r))];
      if (clash & Bit(w)) {
        candidates &= ~Bit(w);
        state_.CandPool = kPools.value[static_cast<std::size_t>(candidates)];
        if (candidates == 0) return false;
        continue;
      }
      state_.DigitPos[(s - 1) * 9 + d] = w;
      pool &= ~Bit(w);
      state_.PosPool = kPools.value[static_cast<std::size_t>(pool)];
      break;
    }
  }
  return true;
}

void frmMain::GeneratePuzzle() {
  PuzzleGenerator(state_, trays_, platform_.random).GeneratePuzzle();
}

}  // namespace novemo
