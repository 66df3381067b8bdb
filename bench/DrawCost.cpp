// Nanoseconds per draw of the game's clock-mixed random source, in plain C++
// so that it runs wherever the logic builds (the Windows build under Wine too).
//   novemo_draw_cost [draws]

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/Random.h"

int main(int argc, char* argv[]) {
  const long draws = argc > 1 ? std::atol(argv[1]) : 20'000'000;
  novemo::ClockMixedRandom random;
  double sum = 0;
  const auto start = std::chrono::steady_clock::now();
  for (long i = 0; i < draws; ++i)
    sum += random.Next();
  const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
  std::printf("%.2f ns a draw over %ld draws (mean draw %.4f)\n", spent.count() / draws, draws,
              sum / draws);
  return 0;
}
