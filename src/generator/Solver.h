#pragma once

#include <array>
#include <cstdint>

namespace novemo {

// A grid row by row, 0 for an empty cell.
using Grid = std::array<std::int8_t, 81>;

struct SolutionCount {
  int count = 0;  // solutions found, at most the limit asked for
  Grid first{};   // the first two of them, when found
  Grid second{};
};

// Counts the solutions of a grid up to `limit` by exact search.
SolutionCount CountSolutions(const Grid& givens, int limit);

}  // namespace novemo
