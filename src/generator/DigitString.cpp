#include "generator/DigitString.h"

#include <array>
#include <cstdlib>

namespace novemo {
namespace {

constexpr std::array<std::int64_t, 11> kPow10 = {
    1,         10,         100,         1'000,         10'000,        100'000,
    1'000'000, 10'000'000, 100'000'000, 1'000'000'000, 10'000'000'000};

std::int64_t Magnitude(std::int32_t n) {
  return std::llabs(static_cast<std::int64_t>(n));
}

}  // namespace

std::int16_t DigitCount(std::int32_t n) {
  const std::int64_t m = Magnitude(n);
  std::int16_t count = 1;
  // Below 10^10: a 32-bit number has ten digits at the most.
  while (m >= kPow10[static_cast<std::size_t>(count)])
    ++count;
  return count;
}

std::int16_t DigitAt(std::int32_t n, int i) {
  const int count = DigitCount(n);
  if (i > count) i = count;
  if (i < 1) i = 1;
  return static_cast<std::int16_t>(Magnitude(n) / kPow10[static_cast<std::size_t>(count - i)] % 10);
}

std::optional<std::int16_t> PosToCode(std::int16_t pos) {
  if (pos < 1 || pos > 9) return std::nullopt;
  const int column = (pos - 1) % 3 + 1;
  const int row = (pos - 1) / 3 + 1;
  return static_cast<std::int16_t>(10 * column + row);
}

std::optional<std::int16_t> CodeToPos(std::int16_t code) {
  const int column = code / 10;
  const int row = code % 10;
  if (code < 11 || column > 3 || row < 1 || row > 3) return std::nullopt;
  return static_cast<std::int16_t>((row - 1) * 3 + column);
}

std::int16_t DigitForDraw(std::int32_t n, double r) {
  return DigitAt(n, DrawIndex(r));  // a k past the end takes the last digit
}

std::int16_t GetRandomDigit(std::int32_t n, RandomSource& random) {
  return DigitForDraw(n, random.Next());
}

std::int32_t RemoveDigit(std::int32_t n, std::int16_t d) {
  std::int64_t rest = Magnitude(n);
  std::int64_t kept = 0;
  std::int64_t place = 1;
  while (rest > 0) {
    const std::int64_t digit = rest % 10;
    rest /= 10;
    if (digit != d) {
      kept += digit * place;
      place *= 10;
    }
  }
  return static_cast<std::int32_t>(kept);
}

std::int16_t GetCrossPos(std::int16_t a, std::int16_t b, bool flag) {
  const auto codeA = PosToCode(a);
  const auto codeB = PosToCode(b);
  if (!codeA || !codeB) return 0;
  const auto& columnFrom = flag ? *codeA : *codeB;
  const auto& rowFrom = flag ? *codeB : *codeA;
  const auto code = static_cast<std::int16_t>(columnFrom / 10 * 10 + rowFrom % 10);
  return CodeToPos(code).value_or(0);
}

bool HasDigit(std::int32_t value, std::int16_t d) {
  std::int64_t rest = Magnitude(value);
  bool found = false;
  do {
    found = found || rest % 10 == d;
    rest /= 10;
  } while (rest > 0);
  return found;
}

}  // namespace novemo
