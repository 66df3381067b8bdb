#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <string>

#include "generator/DigitString.h"
#include "generator/PuzzleGenerator.h"
#include "generator/Solver.h"
#include "main_window/frmMain.h"
#include "platform/Memory.h"

namespace novemo {
namespace {

using Nine = std::array<std::int32_t, 9>;

// Seeded draws; with edges on, every third draw is a value at the edge of the
// scaled ranges instead: 0, the largest double below 1, k/4 and k/9 and just below.
class EdgeStream final : public RandomSource {
 public:
  EdgeStream(std::uint64_t seed, bool edges, const StateRecord& state)
      : seeded_(seed), edges_(edges), state_(state) {}
  double Next() override {
    if (++taken == 1) firstPosPool = state_.PosPool;
    if (!edges_ || taken % 3 != 0) return seeded_.Next();
    static const double kEdges[] = {0.0,
                                    0x1.fffffffffffffp-1,
                                    0.25,
                                    0.5,
                                    0.75,
                                    1.0 / 9,
                                    4.0 / 9,
                                    8.0 / 9,
                                    std::nextafter(0.25, 0.0),
                                    std::nextafter(8.0 / 9, 0.0)};
    return kEdges[(taken / 3) % 10];
  }
  long taken = 0;
  std::int32_t firstPosPool = -1;

 private:
  SeededRandom seeded_;
  bool edges_;
  const StateRecord& state_;
};

// The window's nine squares with a state record of the test's own.
struct Board {
  Board() {
    for (std::int16_t s = 1; s <= 9; ++s)
      trays[s] = &form.Tray(s);
  }
  Nine Get(std::int32_t (Tray::*member)() const) const {
    Nine out{};
    for (std::int16_t s = 1; s <= 9; ++s)
      out[static_cast<std::size_t>(s - 1)] = (trays[s]->*member)();
    return out;
  }
  MemoryPlatform memory;
  frmMain form{memory.platform()};
  StateRecord state;
  TrayRefs trays;
};

struct Golden {
  std::uint64_t seed;
  bool edges;
  bool difficult;
  Nine solution;  // NoPos of squares 1..9
  Nine givens;    // FixNoPos before the one-solution step
  Nine unique;    // FixNoPos after it
  long draws;
  std::int64_t fullStarts, deadEnds;
};

// Checked against an independent plain transcription of the arithmetic fed the
// same draws (the one-solution step by an independent solution count).
const Golden kGolden[] = {
    {1,
     false,
     false,
     {158923467, 273146859, 694587321, 641235789, 732981465, 958746213, 516872394, 328694517,
      479135862},
     {26957, 12835, 25839, 12467, 79861, 42157, 94327, 71249, 57194},
     {26957, 12835, 25839, 12467, 279861, 42157, 94327, 71249, 57194},
     153481,
     52,
     6237},
    {2,
     false,
     true,
     {124837956, 956124387, 387569124, 319275468, 462813795, 875946213, 741683592, 239541678,
      658792431},
     {5462, 1536, 4597, 5174, 4376, 2768, 4617, 4285, 7291},
     {5462, 1536, 4597, 85174, 4376, 2768, 4617, 94285, 7291},
     7056,
     3,
     256},
    {3,
     true,
     false,
     {173294568, 682315497, 594687213, 741329685, 236158749, 859476321, 916832457, 523974861,
      748165932},
     {57824, 26913, 19823, 59741, 72534, 71264, 29345, 26983, 32961},
     {57824, 26913, 19823, 59741, 72534, 71264, 29345, 26983, 32961},
     35286,
     12,
     1346},
    {4,
     true,
     true,
     {435128769, 219637458, 678495231, 571293846, 342861975, 869754312, 912384657, 783596124,
      546127983},
     {3219, 3196, 5426, 6738, 7236, 3658, 6349, 6827, 7195},
     {3219, 3196, 5426, 56738, 7236, 13658, 86349, 6827, 47195},
     10835,
     5,
     503},
};

void PrintTo(const Golden& golden, std::ostream* out) {
  *out << "seed " << golden.seed;
}

class GoldenPuzzle : public ::testing::TestWithParam<Golden> {};

TEST_P(GoldenPuzzle, DrawForDrawTheSameSolutionGivensAndCounts) {
  const Golden& golden = GetParam();
  Board board;
  board.state.LevelDifficult = golden.difficult;
  EdgeStream stream(golden.seed, golden.edges, board.state);
  PuzzleGenerator generator(board.state, board.trays, stream);
  generator.BuildSolution();
  generator.HandOffSolution();
  generator.FixAllSwappablePairs();
  generator.FillGivens();
  EXPECT_EQ(board.Get(&Tray::NoPos), golden.solution);
  EXPECT_EQ(board.Get(&Tray::FixNoPos), golden.givens);
  generator.MakeUnique();
  EXPECT_EQ(board.Get(&Tray::FixNoPos), golden.unique);
  EXPECT_EQ(stream.taken, golden.draws);
  EXPECT_EQ(generator.counters().fullStarts, golden.fullStarts);
  EXPECT_EQ(generator.counters().deadEnds, golden.deadEnds);
  EXPECT_EQ(stream.firstPosPool, 123456789);  // square 1 starts from the full pool
}

INSTANTIATE_TEST_SUITE_P(Puzzles, GoldenPuzzle, ::testing::ValuesIn(kGolden), [](const auto& info) {
  std::string name = info.param.difficult ? "Difficult" : "Easy";
  name += "Seed";
  name += std::to_string(info.param.seed);
  name += info.param.edges ? "WithEdgeDraws" : "";
  return name;
});

// A grid row by row from text.
Grid GridOf(const std::string& rows) {
  Grid grid{};
  for (std::size_t i = 0; i < 81; ++i)
    grid[i] = static_cast<std::int8_t>(rows[i] == '.' ? 0 : rows[i] - '0');
  return grid;
}

// In this grid every one of the 18 pairs of squares has digits that could be
// swapped, some of them with digit 9, and every call's givens change when its
// band or stack flag is turned. Expected givens from an independent transcription.
const char kSwappable[] =
    "259367481317498265468251379625839147934715628871624593192576834546983712783142956";

TEST(SwappablePairs, EveryCallOfTheTableGivesItsTargetTheExpectedCells) {
  Board board;
  const Grid grid = GridOf(kSwappable);
  for (int i = 0; i < 81; ++i) {
    const int row = i / 9, column = i % 9;
    const int s = row / 3 * 3 + column / 3 + 1;
    board.state.DigitPos[(s - 1) * 9 + grid[static_cast<std::size_t>(i)]] =
        static_cast<std::int16_t>(row % 3 * 3 + column % 3 + 1);
  }
  PuzzleGenerator(board.state, board.trays, board.memory.random).FixAllSwappablePairs();
  EXPECT_EQ(board.Get(&Tray::FixNoPos), (Nine{52, 98, 43, 831, 849, 71, 95, 372, 81}));
}

TEST(SwappablePairs, AddingAPositionPutsItLeftmostOnceOnly) {
  EXPECT_EQ(AddPosition(0, 7), 7);
  EXPECT_EQ(AddPosition(7, 3), 37);
  EXPECT_EQ(AddPosition(37, 7), 37);
  EXPECT_EQ(AddPosition(12345678, 9), 912345678);
  EXPECT_EQ(AddPosition(912345678, 9), 912345678);
}

struct CountCase {
  const char* name;
  std::string grid;
  int limit;
  int expected;
};

const std::string kSolved =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

void PrintTo(const CountCase& c, std::ostream* out) {
  *out << c.name;
}

class Counting : public ::testing::TestWithParam<CountCase> {};

TEST_P(Counting, FindsNoneOneOrUpToTheLimit) {
  const Grid givens = GridOf(GetParam().grid);
  const SolutionCount found = CountSolutions(givens, GetParam().limit);
  ASSERT_EQ(found.count, GetParam().expected);
  // The solutions handed back are filled, keep the givens and differ.
  const Grid* solutions[] = {&found.first, &found.second};
  for (int n = 0; n < std::min(found.count, 2); ++n) {
    for (std::size_t i = 0; i < 81; ++i) {
      const int digit = (*solutions[n])[i];
      EXPECT_TRUE(digit != 0 && (givens[i] == 0 || digit == givens[i])) << "cell " << i;
    }
  }
  EXPECT_TRUE(found.count < 2 || found.first != found.second);
}

std::string Padded(std::string grid) {
  grid.resize(81, '.');
  return grid;
}

std::string With(std::string grid, std::size_t at, char value) {
  grid[at] = value;
  return grid;
}

INSTANTIATE_TEST_SUITE_P(
    Grids, Counting,
    ::testing::Values(
        CountCase{"solved", kSolved, 2, 1}, CountCase{"one_gap", With(kSolved, 40, '.'), 2, 1},
        // Digits 6 and 7 form a rectangle over rows 1 and 4: two ways to fill it.
        CountCase{"rectangle", With(With(With(With(kSolved, 3, '.'), 4, '.'), 30, '.'), 31, '.'), 5,
                  2},
        CountCase{"empty", std::string(81, '.'), 3, 3},
        CountCase{"two_fives_in_a_row", With(With(std::string(81, '.'), 0, '5'), 8, '5'), 2, 0},
        CountCase{"no_digit_left", Padded(".123456789"), 2, 0},  // row 1 lacks a 9, column 1 has it
        CountCase{"wrong_given", With(kSolved, 80, '8'), 2, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Many puzzles of each level: a valid solution, the level's givens shown in
// every square, and exactly one solution.
TEST(GeneratedPuzzles, AreValidWithTheLevelsGivensAndOneSolution) {
  for (const bool difficult : {false, true}) {
    MemoryPlatform memory(difficult ? 11 : 12);
    frmMain form(memory.platform());
    for (int n = 0; n < 300; ++n) {
      difficult ? form.mnDifficult_Click() : form.mnEasy_Click();
      Grid solution{};
      Grid givens{};
      for (std::int16_t s = 1; s <= 9; ++s) {
        const Tray& tray = form.Tray(s);
        ASSERT_GE(DigitCount(tray.FixNoPos()), difficult ? 4 : 5);
        for (std::int16_t k = 1; k <= 9; ++k) {
          const auto i = static_cast<std::size_t>((3 * ((s - 1) / 3) + (k - 1) / 3) * 9 +
                                                  3 * ((s - 1) % 3) + (k - 1) % 3);
          solution[i] = static_cast<std::int8_t>(DigitAt(tray.NoPos(), k));
          if (!HasDigit(tray.FixNoPos(), k)) continue;
          givens[i] = solution[i];
          ASSERT_EQ(tray.lblNo(k).Caption,
                    (std::string{' ', static_cast<char>('0' + solution[i])}));
          ASSERT_EQ(tray.lblNo(k).ForeColor, kGivenDigit);
        }
      }
      ASSERT_EQ(CountSolutions(solution, 2).count, 1) << "not a valid grid, puzzle " << n;
      const SolutionCount found = CountSolutions(givens, 2);
      ASSERT_EQ(found.count, 1) << "puzzle " << n;
      ASSERT_EQ(found.first, solution);
    }
  }
}

}  // namespace
}  // namespace novemo
