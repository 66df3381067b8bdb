#pragma once

// Digit strings: short lists of the digits 1 to 9 held as the decimal digits of
// a 32-bit integer, read from the left; 0 is the empty list. Cell positions in
// a square run 1 to 9 row by row; a position's code is 10 x column + row.
// Everything here is arithmetic on the numbers, never on their text.

#include <cstdint>
#include <optional>

#include "platform/Platform.h"

namespace novemo {

// Number of characters in the decimal text of n, without a sign (0 has one).
std::int16_t DigitCount(std::int32_t n);

// The i-th digit of n from the left, counting from 1; its last digit when the
// text is shorter than i.
std::int16_t DigitAt(std::int32_t n, int i);

std::optional<std::int16_t> PosToCode(std::int16_t pos);
std::optional<std::int16_t> CodeToPos(std::int16_t code);

// One of the first four digits of n, drawn as the game always has: k from
// r x 4 + 1, the k-th digit or the last when n is shorter.
std::int16_t GetRandomDigit(std::int32_t n, RandomSource& random);
std::int16_t DigitForDraw(std::int32_t n, double r);  // the same, for a given draw
// k for a draw r; r x 4 + 1 rounds to 5 for the largest draws below 1.
constexpr int DrawIndex(double r) {
  return static_cast<int>(r * 4 + 1);
}

// n without any occurrence of d, the other digits in their order; 0 when none remain.
std::int32_t RemoveDigit(std::int32_t n, std::int16_t d);

// flag true: the position in the column of a and the row of b; false: the
// column of b and the row of a. 0 for positions outside 1..9.
std::int16_t GetCrossPos(std::int16_t a, std::int16_t b, bool flag);

bool HasDigit(std::int32_t value, std::int16_t d);

}  // namespace novemo
