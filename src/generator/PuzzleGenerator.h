#pragma once

// Makes a new puzzle: a random solution grid square by square into DigitPos,
// then each square's solution digits and given cells.

#include <cstdint>

#include "main_window/StateRecord.h"
#include "platform/Platform.h"
#include "tray/Tray.h"

namespace novemo {

class PuzzleGenerator {
 public:
  // For the benchmark.
  struct Counters {
    std::int64_t draws = 0;  // random draws of the solution grid
    int uniqueGivens = 0;    // givens added so that only one solution remains
  };

  PuzzleGenerator(StateRecord& state, const TrayRefs& trays, RandomSource& random)
      : state_(state), trays_(trays), random_(random) {}

  // Everything below in order. Every square's FixNoPos must be 0 before.
  void GeneratePuzzle();

  // The solution grid in DigitPos.
  void BuildSolution();
  // Each square's NoPos from DigitPos.
  void HandOffSolution();
  // Gives one cell of every pair of digits that could be swapped between
  // squares A and B of one band (flag true) or stack (flag false).
  void FixSwappablePairs(std::int16_t offsetA, std::int16_t offsetB, bool flag,
                         std::int16_t target);
  void FixAllSwappablePairs();
  // Random givens up to the level's minimum, then each square shows its givens.
  void FillGivens();
  // Adds givens where the puzzle still allows another solution.
  void MakeUnique();

  const Counters& counters() const { return counters_; }

 private:
  Tray& TrayAt(std::int16_t s) { return *trays_[s]; }
  bool BuildSquare(std::int16_t s);
  void AddGiven(std::int16_t s, std::int16_t position);

  StateRecord& state_;
  const TrayRefs& trays_;
  RandomSource& random_;
  Counters counters_;
};

// The "add a position" rule: position becomes the new leftmost digit of a
// square's given cells, unless it is there already.
std::int32_t AddPosition(std::int32_t fixNoPos, std::int16_t position);

}  // namespace novemo
