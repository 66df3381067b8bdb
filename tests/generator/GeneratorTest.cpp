#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

#include "generator/DigitString.h"
#include "generator/PuzzleGenerator.h"
#include "main_window/frmMain.h"
#include "platform/Memory.h"

namespace novemo {
namespace {

// Given draws first, then seeded ones; notes what the generator had built at
// each draw.
class WatchedRandom final : public RandomSource {
 public:
  struct Seen {
    std::int32_t posPool, candPool;
    std::array<std::int16_t, 18> squares12;
  };
  WatchedRandom(const StateRecord& state, std::vector<double> prefix)
      : state_(state), prefix_(std::move(prefix)) {}
  double Next() override {
    Seen now{state_.PosPool, state_.CandPool, {}};
    for (std::int16_t i = 1; i <= 18; ++i)
      now.squares12[i - 1] = state_.DigitPos[i];
    seen.push_back(now);
    return seen.size() <= prefix_.size() ? prefix_[seen.size() - 1] : tail_.Next();
  }
  std::vector<Seen> seen;  // seen[n]: before draw n + 1

 private:
  const StateRecord& state_;
  std::vector<double> prefix_;
  SeededRandom tail_{3};
};

// The window's nine squares with a state record of the test's own.
class Squares : public ::testing::Test {
 protected:
  Squares() {
    for (std::int16_t s = 1; s <= 9; ++s)
      trays[s] = &form.Tray(s);
  }
  void SetSquare(std::int16_t s, std::array<std::int16_t, 9> positions) {
    for (std::int16_t d = 1; d <= 9; ++d)
      state.DigitPos[(s - 1) * 9 + d] = positions[d - 1];
  }

  MemoryPlatform memory;
  frmMain form{memory.platform()};
  StateRecord state;
  TrayRefs trays;
};

// With every draw 0 the first candidate is taken, so square 1 holds digit d
// at position d. These draws then put digits 1-3 on square 2's middle row and
// 4-6 on its top row, leaving digits 7-9 only the bottom row, which square 1
// forbids them: a dead end after nine draws.
const std::vector<double> kSquare2DeadEnd = {0.8, 0.8, 0.8, 0, 0, 0, 0, 0, 0};

std::vector<double> Script(int deadEnds, std::vector<double> after = {}) {
  std::vector<double> script(9, 0.0);
  for (int i = 0; i < deadEnds; ++i) {
    script.insert(script.end(), kSquare2DeadEnd.begin(), kSquare2DeadEnd.end());
  }
  script.insert(script.end(), after.begin(), after.end());
  return script;
}

constexpr std::array<std::int16_t, 9> kIdentity = {1, 2, 3, 4, 5, 6, 7, 8, 9};

std::array<std::int16_t, 9> Square1(const WatchedRandom::Seen& seen) {
  std::array<std::int16_t, 9> out{};
  std::copy(seen.squares12.begin(), seen.squares12.begin() + 9, out.begin());
  return out;
}

TEST_F(Squares, ADeadEndRebuildsOnlyItsSquare) {
  WatchedRandom random(state, Script(1));
  PuzzleGenerator generator(state, trays, random);
  generator.BuildSolution();
  ASSERT_GE(generator.counters().deadEnds, 1);
  // Draw 19 is the first of square 2's second try: a fresh pool, square 1 kept.
  const auto& restart = random.seen[18];
  EXPECT_EQ(restart.posPool, 123456789);
  EXPECT_EQ(restart.candPool, 123456789);
  EXPECT_EQ(Square1(restart), kIdentity);
  // Just before it the last candidate of digit 7 had clashed.
  EXPECT_EQ(random.seen[17].candPool, 9);
  EXPECT_EQ(random.seen[17].squares12[9 + 5], 3);  // digit 6 of square 2 at position 3
}

TEST_F(Squares, The122ndDeadEndStartsAgainFromSquareOne) {
  {
    WatchedRandom random(state, Script(121));
    PuzzleGenerator(state, trays, random).BuildSolution();
    // After 121 dead ends square 2 simply starts again.
    EXPECT_EQ(random.seen[9 + 121 * 9].candPool, 123456789);
  }
  // After the full start, draws of 0.3 take the second free position each time.
  WatchedRandom random(state, Script(122, std::vector<double>(9, 0.3)));
  PuzzleGenerator generator(state, trays, random);
  generator.BuildSolution();
  EXPECT_GE(generator.counters().fullStarts, 2);
  EXPECT_GE(generator.counters().deadEnds, 122);
  const std::size_t firstOfRestart = 9 + 122 * 9;
  EXPECT_EQ(random.seen[firstOfRestart].candPool, 0);  // square 1 draws from PosPool alone
  const auto& square2 = random.seen[firstOfRestart + 9];
  EXPECT_EQ(Square1(square2), (std::array<std::int16_t, 9>{2, 3, 4, 5, 6, 7, 8, 9, 1}));
  EXPECT_EQ(square2.candPool, 123456789);
}

TEST_F(Squares, SolutionIsHandedOverAsNineDigitsCellOneFirst) {
  for (std::int16_t s = 1; s <= 9; ++s)
    SetSquare(s, {4, 9, 1, 6, 2, 8, 3, 5, 7});
  SeededRandom random(1);
  PuzzleGenerator(state, trays, random).HandOffSolution();
  for (std::int16_t s = 1; s <= 9; ++s)
    EXPECT_EQ(trays[s]->NoPos(), 357184962);
}

TEST_F(Squares, SwappablePairGetsAGivenInTheTargetSquare) {
  // Digits 1 and 4 form a rectangle across squares 1 and 2 of the top band:
  // square 1 has them at 1 and 4, square 2 at 4 and 1.
  SetSquare(1, {1, 2, 3, 4, 5, 6, 7, 8, 9});
  SetSquare(2, {4, 2, 3, 1, 5, 6, 7, 8, 9});
  SeededRandom random(1);
  PuzzleGenerator generator(state, trays, random);
  generator.FixSwappablePairs(0, 9, true, 1);
  EXPECT_EQ(trays[1]->FixNoPos(), 1);  // digit 1's cell in square A
  EXPECT_EQ(trays[2]->FixNoPos(), 0);
  generator.FixSwappablePairs(0, 9, true, 2);
  EXPECT_EQ(trays[2]->FixNoPos(), 4);  // digit 1's cell in square B, a corner of the rectangle
  generator.FixSwappablePairs(0, 9, true, 2);
  EXPECT_EQ(trays[2]->FixNoPos(), 4);  // never twice

  // The same two squares one above the other: a stack has no such pair here.
  generator.FixSwappablePairs(0, 9, false, 3);
  EXPECT_EQ(trays[3]->FixNoPos(), 0);
}

TEST_F(Squares, RandomGivensFillEachSquareToTheLevelsMinimumAndShowThem) {
  for (std::int16_t s = 1; s <= 9; ++s)
    SetSquare(s, {1, 2, 3, 4, 5, 6, 7, 8, 9});
  SeededRandom random(5);
  PuzzleGenerator generator(state, trays, random);
  generator.HandOffSolution();
  for (std::int16_t s = 1; s <= 9; ++s)
    trays[s]->SetNoPos();
  trays[4]->FixNoPos(98765);
  state.LevelDifficult = true;
  generator.FillGivens();
  for (std::int16_t s = 1; s <= 9; ++s) {
    EXPECT_EQ(DigitCount(trays[s]->FixNoPos()), s == 4 ? 5 : 4) << s;
  }
  EXPECT_EQ(trays[4]->FixNoPos(), 98765);
  EXPECT_EQ(trays[4]->lblNo(9).Caption, " 9");  // shown although nothing was added
  EXPECT_EQ(trays[4]->lblNo(9).ForeColor, kGivenDigit);

  for (std::int16_t s = 1; s <= 9; ++s)
    trays[s]->FixNoPos(0);
  state.LevelDifficult = false;
  generator.FillGivens();
  for (std::int16_t s = 1; s <= 9; ++s)
    EXPECT_EQ(DigitCount(trays[s]->FixNoPos()), 5);
}

TEST(AddingAPosition, PutsItLeftmostOnceOnly) {
  EXPECT_EQ(AddPosition(0, 7), 7);
  EXPECT_EQ(AddPosition(7, 3), 37);
  EXPECT_EQ(AddPosition(37, 7), 37);
  EXPECT_EQ(AddPosition(12345678, 9), 912345678);
  EXPECT_EQ(AddPosition(912345678, 9), 912345678);
}

// An independent count of solutions: plain search over cells in order of
// fewest candidates, found by scanning row, column and square.
int CountByScanning(std::array<int, 81>& grid, int limit) {
  int best = -1;
  std::vector<int> bestCandidates;
  for (int i = 0; i < 81; ++i) {
    if (grid[i] != 0) continue;
    std::vector<int> candidates;
    for (int v = 1; v <= 9; ++v) {
      bool used = false;
      const int row = i / 9, column = i % 9;
      for (int j = 0; j < 9 && !used; ++j) {
        const int inBox = (row / 3 * 3 + j / 3) * 9 + column / 3 * 3 + j % 3;
        used = grid[row * 9 + j] == v || grid[j * 9 + column] == v || grid[inBox] == v;
      }
      if (!used) candidates.push_back(v);
    }
    if (best < 0 || candidates.size() < bestCandidates.size()) {
      best = i;
      bestCandidates = candidates;
    }
  }
  if (best < 0) return 1;
  int found = 0;
  for (int v : bestCandidates) {
    grid[best] = v;
    found += CountByScanning(grid, limit - found);
    grid[best] = 0;
    if (found >= limit) break;
  }
  return found;
}

void CheckPuzzles(bool difficult, int count) {
  MemoryPlatform memory(difficult ? 11 : 12);
  frmMain form(memory.platform());
  const auto minimum = difficult ? 4 : 5;
  for (int n = 0; n < count; ++n) {
    difficult ? form.mnDifficult_Click() : form.mnEasy_Click();
    std::array<int, 81> solution{};
    std::array<int, 81> givens{};
    for (std::int16_t s = 1; s <= 9; ++s) {
      const Tray& tray = form.Tray(s);
      const std::int32_t fixed = tray.FixNoPos();
      ASSERT_GE(DigitCount(fixed), minimum);
      std::set<int> positions;
      for (int i = 1; i <= DigitCount(fixed); ++i) {
        ASSERT_TRUE(positions.insert(DigitAt(fixed, i)).second) << "position twice in " << fixed;
      }
      for (std::int16_t k = 1; k <= 9; ++k) {
        const int cell = (3 * ((s - 1) / 3) + (k - 1) / 3) * 9 + 3 * ((s - 1) % 3) + (k - 1) % 3;
        const int digit = DigitAt(tray.NoPos(), k);
        ASSERT_EQ(form.State().DigitPos[(s - 1) * 9 + digit], k);
        solution[cell] = digit;
        if (positions.count(k)) {
          givens[cell] = digit;
          ASSERT_EQ(tray.lblNo(k).Caption, " " + std::to_string(digit));
          ASSERT_EQ(tray.lblNo(k).ForeColor, kGivenDigit);
        }
      }
    }
    for (int unit = 0; unit < 9; ++unit) {
      std::set<int> row, column, box;
      for (int j = 0; j < 9; ++j) {
        row.insert(solution[unit * 9 + j]);
        column.insert(solution[j * 9 + unit]);
        box.insert(solution[(unit / 3 * 3 + j / 3) * 9 + unit % 3 * 3 + j % 3]);
      }
      ASSERT_EQ(row.size(), 9u);
      ASSERT_EQ(column.size(), 9u);
      ASSERT_EQ(box.size(), 9u);
    }
    ASSERT_EQ(CountByScanning(givens, 2), 1) << "puzzle " << n << " has several solutions";
  }
}

TEST(GeneratedPuzzles, EasyAreValidWithFiveGivensASquareAndOneSolution) {
  CheckPuzzles(false, 2000);
}

TEST(GeneratedPuzzles, DifficultAreValidWithFourGivensASquareAndOneSolution) {
  CheckPuzzles(true, 2000);
}

}  // namespace
}  // namespace novemo
