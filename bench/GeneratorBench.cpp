// Time to make one puzzle, per level, with the game's own clock-mixed source:
// median and 99th percentile per puzzle, and the share of the one-solution step.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <vector>

#include "generator/PuzzleGenerator.h"
#include "main_window/frmMain.h"
#include "platform/Memory.h"
#include "platform/Random.h"

namespace novemo {
namespace {

// The window's nine squares with a state record of the benchmark's own.
struct Board {
  Board() {
    for (std::int16_t s = 1; s <= 9; ++s)
      trays[s] = &form.Tray(s);
  }
  MemoryPlatform memory;
  frmMain form{memory.platform()};
  StateRecord state;
  TrayRefs trays;
};

double Percentile(std::vector<double> values, double share) {
  std::sort(values.begin(), values.end());
  return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

void GeneratePuzzle(benchmark::State& run, bool difficult) {
  using Clock = std::chrono::steady_clock;
  Board board;
  board.state.LevelDifficult = difficult;
  ClockMixedRandom random;
  std::vector<double> totals;
  double uniqueTime = 0;
  double allTime = 0;
  std::int64_t draws = 0;
  std::int64_t added = 0;
  std::int64_t several = 0;
  for (auto _ : run) {
    for (std::int16_t s = 1; s <= 9; ++s)
      board.trays[s]->FixNoPos(0);
    PuzzleGenerator generator(board.state, board.trays, random);
    const auto start = Clock::now();
    generator.BuildSolution();
    generator.HandOffSolution();
    generator.FixAllSwappablePairs();
    generator.FillGivens();
    const auto unique = Clock::now();
    generator.MakeUnique();
    const auto end = Clock::now();
    const double total = std::chrono::duration<double, std::milli>(end - start).count();
    totals.push_back(total);
    allTime += total;
    uniqueTime += std::chrono::duration<double, std::milli>(end - unique).count();
    draws += generator.counters().draws;
    added += generator.counters().uniqueGivens;
    several += generator.counters().uniqueGivens > 0 ? 1 : 0;
  }
  run.counters["median_ms"] = Percentile(totals, 0.5);
  run.counters["p99_ms"] = Percentile(totals, 0.99);
  run.counters["unique_share_pct"] = 100.0 * uniqueTime / allTime;
  const auto puzzles = static_cast<double>(totals.size());
  run.counters["draws"] = static_cast<double>(draws) / puzzles;
  run.counters["added_givens"] = static_cast<double>(added) / puzzles;
  run.counters["several_pct"] = 100.0 * static_cast<double>(several) / puzzles;
}

void BM_GeneratePuzzleEasy(benchmark::State& run) {
  GeneratePuzzle(run, false);
}
void BM_GeneratePuzzleDifficult(benchmark::State& run) {
  GeneratePuzzle(run, true);
}

// One draw of the game's source, alone.
void BM_ClockMixedDraw(benchmark::State& run) {
  ClockMixedRandom random;
  RandomSource& source = random;
  for (auto _ : run)
    benchmark::DoNotOptimize(source.Next());
}

BENCHMARK(BM_GeneratePuzzleEasy)->Iterations(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeneratePuzzleDifficult)->Iterations(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClockMixedDraw);

}  // namespace
}  // namespace novemo

BENCHMARK_MAIN();
