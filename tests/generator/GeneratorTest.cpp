#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

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
    EXPECT_EQ(PosToCode(p), codes[p - 1]);
    EXPECT_EQ(CodeToPos(codes[p - 1]), p);
    EXPECT_TRUE(HasDigit(123456789, p));
    EXPECT_EQ(HasDigit(4127, p), p == 1 || p == 2 || p == 4 || p == 7) << p;
  }
  for (std::int16_t bad : {0, 10, -1})
    EXPECT_FALSE(PosToCode(bad)) << bad;
  for (std::int16_t bad : {0, 10, 14, 34, 41, 1, 9})
    EXPECT_FALSE(CodeToPos(bad)) << bad;
  EXPECT_EQ(RemoveDigit(123456789, 5), 12346789);
  EXPECT_EQ(RemoveDigit(5155, 5), 1);
  EXPECT_EQ(RemoveDigit(1234, 9), 1234);
  EXPECT_EQ(RemoveDigit(7, 7), 0);
  EXPECT_EQ(DigitCount(2147483647), 10);
  EXPECT_EQ(DigitAt(357184962, 9), 2);
  EXPECT_EQ(DigitAt(37, 5), 7);  // past the end: the last digit
  EXPECT_EQ(GetCrossPos(1, 9, true), 7);
  EXPECT_EQ(GetCrossPos(1, 9, false), 3);
  for (std::int16_t a = 1; a <= 9; ++a) {
    for (std::int16_t b = 1; b <= 9; ++b)
      EXPECT_EQ(GetCrossPos(a, b, true), GetCrossPos(b, a, false));
  }
}

TEST(DigitStrings, DrawsFavourTheLastOfShortListsAndNeverPassTheFourth) {
  const auto shares = [](std::int32_t n) {  // over draws spread evenly in [0, 1)
    std::map<int, int> seen;
    for (int i = 0; i < 400; ++i)
      ++seen[DigitForDraw(n, (i + 0.5) / 400)];
    return seen;
  };
  EXPECT_EQ(shares(37), (std::map<int, int>{{3, 100}, {7, 300}}));
  EXPECT_EQ(shares(582), (std::map<int, int>{{5, 100}, {8, 100}, {2, 200}}));
  EXPECT_EQ(shares(123456789), (std::map<int, int>{{1, 100}, {2, 100}, {3, 100}, {4, 100}}));
  // r x 4 + 1 reaches 5 for the largest draw below 1: the fifth digit, or the last.
  EXPECT_EQ(DigitForDraw(123456789, 0x1.fffffffffffffp-1), 5);
  EXPECT_EQ(DigitForDraw(1234, 0x1.fffffffffffffp-1), 4);
  ScriptedRandom random({0.5});
  EXPECT_EQ(GetRandomDigit(1234, random), 3);
}

TEST(RandomSources, SeededRepeatsAndClockMixedNeverRepeatsADraw) {
  SeededRandom a(42), b(42);
  for (int i = 0; i < 1000; ++i)
    ASSERT_EQ(a.Next(), b.Next());
  ClockMixedRandom clock;
  std::map<double, int> seen;
  for (int i = 0; i < 100000; ++i) {
    const double r = clock.Next();
    ASSERT_TRUE(r >= 0.0 && r < 1.0 && ++seen[r] == 1) << r << " after " << i << " draws";
  }
}

using Nine = std::array<std::int32_t, 9>;

// Seeded draws; with edges on, every third draw is at the edge of a scaled
// range instead: 0, the largest double below 1, k/4 and k/9 and just below.
class EdgeStream final : public RandomSource {
 public:
  EdgeStream(std::uint64_t seed, bool edges, const StateRecord& state)
      : seeded_(seed), edges_(edges), state_(state) {}
  double Next() override {
    if (++taken == 1) firstPosPool = state_.PosPool;
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
    return edges_ && taken % 3 == 0 ? kEdges[(taken / 3) % 10] : seeded_.Next();
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
  std::string Get(std::int32_t (Tray::*member)() const) const {
    std::string out;
    for (std::int16_t s = 1; s <= 9; ++s)
      out.append(std::to_string((trays[s]->*member)())).append(s < 9 ? " " : "");
    return out;
  }
  MemoryPlatform memory;
  frmMain form{memory.platform()};
  StateRecord state;
  TrayRefs trays;
};

struct Golden {
  std::uint64_t seed;
  bool edges, difficult;
  const char *solution, *givens, *unique;  // NoPos; FixNoPos before and after the one-solution step
  long draws;
  std::int64_t fullStarts, deadEnds;
};
void PrintTo(const Golden& golden, std::ostream* out) {
  *out << "seed " << golden.seed;
}

// Checked against an independent plain transcription of the arithmetic fed the
// same draws (the one-solution step against an independent solution count).
const Golden kGolden[] = {
    {1, false, false,
     "158923467 273146859 694587321 641235789 732981465 958746213 516872394 328694517 479135862",
     "26957 12835 25839 12467 79861 42157 94327 71249 57194",
     "26957 12835 25839 12467 279861 42157 94327 71249 57194", 153481, 52, 6237},
    {2, false, true,
     "124837956 956124387 387569124 319275468 462813795 875946213 741683592 239541678 658792431",
     "5462 1536 4597 5174 4376 2768 4617 4285 7291",
     "5462 1536 4597 85174 4376 2768 4617 94285 7291", 7056, 3, 256},
    {3, true, false,
     "173294568 682315497 594687213 741329685 236158749 859476321 916832457 523974861 748165932",
     "57824 26913 19823 59741 72534 71264 29345 26983 32961",
     "57824 26913 19823 59741 72534 71264 29345 26983 32961", 35286, 12, 1346},
    {4, true, true,
     "435128769 219637458 678495231 571293846 342861975 869754312 912384657 783596124 546127983",
     "3219 3196 5426 6738 7236 3658 6349 6827 7195",
     "3219 3196 5426 56738 7236 13658 86349 6827 47195", 10835, 5, 503},
};

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

INSTANTIATE_TEST_SUITE_P(Puzzles, GoldenPuzzle, ::testing::ValuesIn(kGolden));

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
  const Grid grid =
      GridOf("259367481317498265468251379625839147934715628871624593192576834546983712783142956");
  for (int i = 0; i < 81; ++i) {
    board.state.DigitPos[(i / 27 * 3 + i % 9 / 3) * 9 + grid[static_cast<std::size_t>(i)]] =
        static_cast<std::int16_t>(i / 9 % 3 * 3 + i % 3 + 1);
  }
  PuzzleGenerator(board.state, board.trays, board.memory.random).FixAllSwappablePairs();
  EXPECT_EQ(board.Get(&Tray::FixNoPos), "52 98 43 831 849 71 95 372 81");
  EXPECT_EQ(AddPosition(912345678, 9), 912345678);  // never twice, never a tenth
}

TEST(SolutionCounts, NoneOneOrUpToTheLimit) {
  const std::string solved =
      "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
  const auto without = [&](std::initializer_list<int> cells) {
    std::string grid = solved;
    for (int at : cells)
      grid[static_cast<std::size_t>(at)] = '.';
    return GridOf(grid);
  };
  EXPECT_EQ(CountSolutions(GridOf(solved), 2).count, 1);
  const SolutionCount gap = CountSolutions(without({40}), 2);
  EXPECT_EQ(gap.count, 1);
  EXPECT_EQ(gap.first, GridOf(solved));
  // Digits 6 and 7 form a rectangle over rows 1 and 4: two ways to fill it.
  const SolutionCount two = CountSolutions(without({3, 4, 30, 31}), 5);
  EXPECT_EQ(two.count, 2);
  EXPECT_NE(two.first, two.second);
  EXPECT_EQ((two.first == GridOf(solved)) + (two.second == GridOf(solved)), 1);
  EXPECT_EQ(CountSolutions(GridOf(""), 3).count, 3);
  EXPECT_EQ(CountSolutions(GridOf("5.......5"), 2).count, 0);   // two fives in a row
  EXPECT_EQ(CountSolutions(GridOf(".123456789"), 2).count, 0);  // row 1 lacks a 9, column 1 has it
}

// Many puzzles of each level: a valid solution, the level's givens shown in
// every square, and exactly one solution.
TEST(GeneratedPuzzles, AreValidWithTheLevelsGivensAndOneSolution) {
  for (const bool difficult : {false, true}) {
    MemoryPlatform memory(difficult ? 11 : 12);
    frmMain form(memory.platform());
    for (int n = 0; n < 300; ++n) {
      difficult ? form.mnDifficult_Click() : form.mnEasy_Click();
      Grid solution{}, givens{};
      for (std::int16_t s = 1; s <= 9; ++s) {
        const Tray& tray = form.Tray(s);
        ASSERT_GE(DigitCount(tray.FixNoPos()), difficult ? 4 : 5);
        for (std::int16_t k = 1; k <= 9; ++k) {
          const auto i = static_cast<std::size_t>(((s - 1) / 3 * 3 + (k - 1) / 3) * 9 +
                                                  (s - 1) % 3 * 3 + (k - 1) % 3);
          solution[i] = static_cast<std::int8_t>(DigitAt(tray.NoPos(), k));
          if (!HasDigit(tray.FixNoPos(), k)) continue;
          givens[i] = solution[i];
          ASSERT_EQ(tray.lblNo(k).Caption, " " + tray.lblNo(k).Tag);
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
