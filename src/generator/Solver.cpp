#include "generator/Solver.h"

#include <bit>

namespace novemo {
namespace {

constexpr std::uint16_t kAllDigits = 0x1FF;

// Candidates as bit masks per row, column and square; always fills the cell
// with the fewest candidates next.
class Search {
 public:
  Search(const Grid& givens, int limit) : cells_(givens), limit_(limit) {}

  SolutionCount Run() {
    for (int i = 0; i < 81; ++i) {
      const int digit = cells_[static_cast<std::size_t>(i)];
      if (digit == 0) continue;
      const auto bit = static_cast<std::uint16_t>(1U << (digit - 1));
      if (Taken(i) & bit) return result_;  // givens that clash have no solution
      Mark(i, bit);
    }
    Descend();
    return result_;
  }

 private:
  static int Box(int i) { return (i / 27) * 3 + (i % 9) / 3; }
  std::uint16_t Taken(int i) const { return rows_[i / 9] | columns_[i % 9] | boxes_[Box(i)]; }
  void Mark(int i, std::uint16_t bit) {
    rows_[i / 9] ^= bit;
    columns_[i % 9] ^= bit;
    boxes_[Box(i)] ^= bit;
  }

  void Descend() {
    int best = -1;
    int bestCount = 10;
    std::uint16_t bestFree = 0;
    for (int i = 0; i < 81; ++i) {
      if (cells_[static_cast<std::size_t>(i)] != 0) continue;
      const auto free = static_cast<std::uint16_t>(~Taken(i) & kAllDigits);
      const int count = std::popcount(free);
      if (count < bestCount) {
        best = i;
        bestCount = count;
        bestFree = free;
        if (count <= 1) break;
      }
    }
    if (best < 0) {
      (result_.count == 0 ? result_.first : result_.second) = cells_;
      ++result_.count;
      return;
    }
    while (bestFree != 0 && result_.count < limit_) {
      const auto bit = static_cast<std::uint16_t>(bestFree & -bestFree);
      bestFree = static_cast<std::uint16_t>(bestFree ^ bit);
      cells_[static_cast<std::size_t>(best)] = static_cast<std::int8_t>(std::countr_zero(bit) + 1);
      Mark(best, bit);
      Descend();
      Mark(best, bit);
      cells_[static_cast<std::size_t>(best)] = 0;
    }
  }

  Grid cells_;
  int limit_;
  std::array<std::uint16_t, 9> rows_{};
  std::array<std::uint16_t, 9> columns_{};
  std::array<std::uint16_t, 9> boxes_{};
  SolutionCount result_;
};

}  // namespace

SolutionCount CountSolutions(const Grid& givens, int limit) {
  return Search(givens, limit).Run();
}

}  // namespace novemo
