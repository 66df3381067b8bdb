#include "platform/Random.h"

#include <chrono>
#include <ctime>
#include <random>

namespace novemo {
namespace {

constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ULL;

template <class Clock>
std::uint64_t Ticks() {
  return static_cast<std::uint64_t>(Clock::now().time_since_epoch().count());
}

// Reading a precise clock costs more than the rest of a draw; the coarse one
// costs a few nanoseconds and is fresh enough to add outside entropy. Where
// there is none (Windows), the standard steady clock.
std::uint64_t ClockReading() {
#if defined(CLOCK_MONOTONIC_COARSE)
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC_COARSE, &ts);
  return static_cast<std::uint64_t>(ts.tv_sec) * 1'000'000'000ULL +
         static_cast<std::uint64_t>(ts.tv_nsec);
#else
  return Ticks<std::chrono::steady_clock>();
#endif
}

}  // namespace

std::uint64_t SplitMix64::Next(std::uint64_t extra) {
  state_ += kGolden + extra;
  std::uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

double SplitMix64::ToUnit(std::uint64_t bits) {
  return static_cast<double>(bits >> 11) * 0x1.0p-53;
}

ClockMixedRandom::ClockMixedRandom()
    : engine_([] {
        std::uint64_t seed = Ticks<std::chrono::system_clock>();
        seed ^= Ticks<std::chrono::steady_clock>() << 17;
        try {
          std::random_device device;
          seed ^= (static_cast<std::uint64_t>(device()) << 32) ^ device();
        } catch (...) {
          // No entropy device: the clocks alone still seed a fresh sequence.
        }
        return seed;
      }()) {}

double ClockMixedRandom::Next() {
  return SplitMix64::ToUnit(engine_.Next(ClockReading()));
}

}  // namespace novemo
