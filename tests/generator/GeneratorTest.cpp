#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>

#include "generator/DigitString.h"
#include "generator/PuzzleGenerator.h"
#include "generator/Solver.h"
#include "main_window/frmMain.h"
#include "platform/Memory.h"

namespace novemo {
namespace {

TEST(DigitStrings, PositionsCodesAndDigits) {
  const std::int16_t codes[] = {11, 21, 31, 12, 22, 32, 13, 23, 33};
  for (std::int16_t p = 1; p <= 9; ++p) {
    EXPECT_TRUE(PosToCode(p) == codes[p - 1] && CodeToPos(codes[p - 1]) == p) << p;
    EXPECT_EQ(HasDigit(4127, p), p == 1 || p == 2 || p == 4 || p == 7) << p;
  }
  EXPECT_FALSE(PosToCode(0) || PosToCode(10) || CodeToPos(14) || CodeToPos(41) || CodeToPos(9) ||
               CodeToPos(20));
  EXPECT_TRUE(GetCrossPos(1, 9, true) == 7 && GetCrossPos(1, 9, false) == 3 &&
              GetCrossPos(0, 9, true) == 0);
  EXPECT_TRUE(RemoveDigit(123456789, 5) == 12346789 && RemoveDigit(5155, 5) == 1 &&
              RemoveDigit(7, 7) == 0);
  EXPECT_TRUE(DigitCount(-2147483647) == 10 && DigitAt(37, 5) == 7 && DigitAt(37, 0) == 3);
}

// The clock-mixed source never repeats a draw, even where the clock stands still.
TEST(Draws, NeverRepeat) {
  std::set<double> seen;
  ClockMixedRandom clock;
  for (int i = 0; i < 100000; ++i) {
    const double r = clock.Next();
    ASSERT_TRUE(r >= 0.0 && r < 1.0 && seen.insert(r).second) << r << " after " << i << " draws";
  }
}

// The window's nine squares, a state record of the test's own and a stream
// of seeded draws, every third one at the edge of a scaled range if asked for:
// 0, the largest double below 1, k/4 and k/9 and just below.
struct Board : RandomSource {
  explicit Board(std::uint64_t seed = 1, bool edges = false) : seeded(seed), edges(edges) {
    for (std::int16_t s = 1; s <= 9; ++s)
      trays[s] = &form.Tray(s);
  }
  double Next() override {
    // clang-format off
    static const double kEdges[] = {0.0, 0x1.fffffffffffffp-1, 0.25, 0.5, 0.75, 1.0 / 9, 4.0 / 9, 8.0 / 9,
                                    std::nextafter(0.25, 0.0), std::nextafter(8.0 / 9, 0.0)};
    // clang-format on
    if (++taken == 1) firstPosPool = state.PosPool;
    return edges && taken % 3 == 0 ? kEdges[(taken / 3) % 10] : seeded.Next();
  }
  std::string Get(std::int32_t (Tray::*member)() const) const {
    std::string out;
    for (std::int16_t s = 1; s <= 9; ++s)
      out.append(std::to_string((trays[s]->*member)())).append(s < 9 ? " " : "");
    return out;
  }
  SeededRandom seeded;
  bool edges;
  long taken = 0;
  std::int32_t firstPosPool = -1;
  MemoryPlatform memory;
  frmMain form{memory.platform()};
  StateRecord state;
  TrayRefs trays;
};

struct Golden {
  std::uint64_t seed;
  bool edges, difficult;
  const char *solution, *givens, *unique;  // NoPos; FixNoPos before and after the one-solution step
  long draws, gridDraws;                   // all draws; those of the solution grid
  friend void PrintTo(const Golden& golden, std::ostream* out) { *out << "seed " << golden.seed; }
};

// Checked against an independent plain transcription of the arithmetic fed the
// same draws (the one-solution step against an independent solution count).
// Between them they give a cell for pairs with digit 9 and, in the one-solution
// step, reach cells at the ninth position of a square.
// clang-format off
const Golden kGolden[] = {
    {1, false, false, "158923467 273146859 694587321 641235789 732981465 958746213 516872394 328694517 479135862",
     "26957 12835 25839 12467 79861 42157 94327 71249 57194", "26957 12835 25839 12467 279861 42157 94327 71249 57194",
     153481, 153427},
    {25, true, false, "912734586 354186297 687259314 861253479 732419568 495768123 198325647 643971825 572846931",
     "83572 56723 72538 12593 98374 94816 98531 38472 96751", "83572 956723 72538 12593 98374 94816 98531 38472 96751",
     8872, 8828},
    {4, true, true, "435128769 219637458 678495231 571293846 342861975 869754312 912384657 783596124 546127983",
     "3219 3196 5426 6738 7236 3658 6349 6827 7195", "3219 3196 5426 56738 7236 13658 86349 6827 47195", 10835, 10797}};
// clang-format on

class GoldenPuzzle : public ::testing::TestWithParam<Golden> {};

TEST_P(GoldenPuzzle, DrawForDrawTheSameSolutionGivensAndCounts) {
  const Golden& golden = GetParam();
  Board board(golden.seed, golden.edges);
  board.state.LevelDifficult = golden.difficult;
  PuzzleGenerator generator(board.state, board.trays, board);
  generator.BuildSolution();
  generator.HandOffSolution();
  generator.FixAllSwappablePairs();
  generator.FillGivens();
  EXPECT_EQ(board.Get(&Tray::NoPos), golden.solution);
  EXPECT_EQ(board.Get(&Tray::FixNoPos), golden.givens);
  generator.MakeUnique();
  EXPECT_EQ(board.Get(&Tray::FixNoPos), golden.unique);
  // Counted: the givens added, the draws; and square 1 starts from the full pool.
  const auto& counted = generator.counters();
  EXPECT_EQ(std::tuple(counted.uniqueGivens, counted.draws, board.taken, board.firstPosPool),
            std::tuple(static_cast<int>(std::strlen(golden.unique) - std::strlen(golden.givens)),
                       golden.gridDraws, golden.draws, 123456789));
}

INSTANTIATE_TEST_SUITE_P(Puzzles, GoldenPuzzle, ::testing::ValuesIn(kGolden),
                         [](const auto& info) { return "seed" + std::to_string(info.param.seed); });

const char* const kGrid =
    "259367481317498265468251379625839147934715628871624593192576834546983712783142956";

Grid GridOf(std::string rows) {
  rows.resize(81, '.');
  Grid grid{};
  for (std::size_t i = 0; i < 81; ++i)
    grid[i] = static_cast<std::int8_t>(rows[i] == '.' ? 0 : rows[i] - '0');
  return grid;
}

// Every one of the 18 pairs of squares of this grid has digits that could be
// swapped, some with digit 9, and every call's givens change when its band or
// stack flag is turned. Expected givens from an independent transcription.
TEST(SwappablePairs, EveryCallOfTheTableGivesItsTargetTheExpectedCells) {
  Board board;
  const Grid grid = GridOf(kGrid);
  for (int i = 0; i < 81; ++i) {
    board.state.DigitPos[(i / 27 * 3 + i % 9 / 3) * 9 + grid[static_cast<std::size_t>(i)]] =
        static_cast<std::int16_t>(i / 9 % 3 * 3 + i % 3 + 1);
  }
  PuzzleGenerator(board.state, board.trays, board).FixAllSwappablePairs();
  EXPECT_EQ(board.Get(&Tray::FixNoPos), "52 98 43 831 849 71 95 372 81");
  // Never twice, never a tenth digit.
  EXPECT_TRUE(AddPosition(912345678, 9) == 912345678 && AddPosition(111111111, 3) == 111111111 &&
              AddPosition(12345678, 9) == 912345678);
}

TEST(Solutions, NoneWhereGivensClashOneWhereTheFirstCellIsOpen) {
  const SolutionCount open = CountSolutions(GridOf(std::string(".") + (kGrid + 1)), 2);
  EXPECT_TRUE(open.count == 1 && open.first == GridOf(kGrid));
  EXPECT_EQ(CountSolutions(GridOf("55"), 2).count, 0);
}

}  // namespace
}  // namespace novemo
