#pragma once

#include <cstdint>

#include "platform/Platform.h"

namespace novemo {

// SplitMix64: a persistent 64-bit state, one cheap step per draw.
class SplitMix64 {
 public:
  explicit SplitMix64(std::uint64_t seed) : state_(seed) {}
  // Advances by `extra` on top of the usual step; 0 gives the plain sequence.
  std::uint64_t Next(std::uint64_t extra = 0);
  static double ToUnit(std::uint64_t bits);  // 53 high bits to [0, 1)

 private:
  std::uint64_t state_;
};

// Reproducible draws from a seed: tests, benchmarks and `novemo-generate --seed`.
class SeededRandom final : public RandomSource {
 public:
  explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
  double Next() override { return SplitMix64::ToUnit(engine_.Next()); }

 private:
  SplitMix64 engine_;
};

// The game's own source. Every draw mixes a fresh reading of the system clock
// into one persistent generator, so draws differ even within one clock tick
// and nothing ever waits for the clock to move on.
class ClockMixedRandom final : public RandomSource {
 public:
  ClockMixedRandom();
  double Next() override;

 private:
  SplitMix64 engine_;
};

}  // namespace novemo
