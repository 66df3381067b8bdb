#include "generator/DigitString.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/Random.h"

namespace novemo {
namespace {

TEST(PositionCodes, FollowTheColumnThenRowTableAndRoundTrip) {
  const std::int16_t codes[] = {11, 21, 31, 12, 22, 32, 13, 23, 33};
  for (std::int16_t p = 1; p <= 9; ++p) {
    ASSERT_EQ(PosToCode(p), codes[p - 1]);
    EXPECT_EQ(CodeToPos(codes[p - 1]), p);
  }
  for (std::int16_t bad : {0, 10, -1})
    EXPECT_FALSE(PosToCode(bad)) << bad;
  for (std::int16_t bad : {0, 10, 14, 34, 41, 1, 9, -11})
    EXPECT_FALSE(CodeToPos(bad)) << bad;
}

TEST(DigitStrings, RemoveFindAndReadDigits) {
  struct Remove {
    std::int32_t n;
    std::int16_t d;
    std::int32_t expected;
  };
  for (const Remove& c : {Remove{123456789, 5, 12346789}, Remove{5155, 5, 1}, Remove{1234, 9, 1234},
                          Remove{7, 7, 0}, Remove{0, 3, 0}, Remove{987654321, 1, 98765432}}) {
    EXPECT_EQ(RemoveDigit(c.n, c.d), c.expected) << c.n << " without " << c.d;
  }
  for (std::int16_t d = 1; d <= 9; ++d) {
    EXPECT_TRUE(HasDigit(123456789, d));
    EXPECT_EQ(HasDigit(4127, d), d == 1 || d == 2 || d == 4 || d == 7) << d;
    EXPECT_FALSE(HasDigit(0, d));
  }
  EXPECT_EQ(DigitCount(0), 1);
  EXPECT_EQ(DigitCount(2147483647), 10);
  EXPECT_EQ(DigitAt(357184962, 1), 3);
  EXPECT_EQ(DigitAt(357184962, 9), 2);
  EXPECT_EQ(DigitAt(37, 5), 7);  // past the end: the last digit
}

TEST(DigitStrings, CrossPositionsTakeColumnAndRowFromEitherSide) {
  EXPECT_EQ(GetCrossPos(1, 9, true), 7);
  EXPECT_EQ(GetCrossPos(1, 9, false), 3);
  for (std::int16_t a = 1; a <= 9; ++a) {
    for (std::int16_t b = 1; b <= 9; ++b) {
      const std::int16_t cross = GetCrossPos(a, b, true);
      EXPECT_EQ(cross, GetCrossPos(b, a, false));
      EXPECT_EQ((cross - 1) % 3, (a - 1) % 3);  // column of a
      EXPECT_EQ((cross - 1) / 3, (b - 1) / 3);  // row of b
    }
  }
}

// Draws spread evenly over [0, 1), so the shares are exact.
std::map<int, int> Histogram(std::int32_t n) {
  std::map<int, int> seen;
  for (int i = 0; i < 400; ++i)
    ++seen[DigitForDraw(n, (i + 0.5) / 400)];
  return seen;
}

TEST(RandomDigits, FavourTheLastOfShortListsAndNeverPassTheFourth) {
  EXPECT_EQ(Histogram(37), (std::map<int, int>{{3, 100}, {7, 300}}));
  EXPECT_EQ(Histogram(582), (std::map<int, int>{{5, 100}, {8, 100}, {2, 200}}));
  EXPECT_EQ(Histogram(123456789), (std::map<int, int>{{1, 100}, {2, 100}, {3, 100}, {4, 100}}));
  EXPECT_EQ(Histogram(6), (std::map<int, int>{{6, 400}}));
  // r x 4 + 1 reaches 5 for the largest draw below 1: the fifth digit, or the last.
  EXPECT_EQ(DigitForDraw(123456789, 0x1.fffffffffffffp-1), 5);
  EXPECT_EQ(DigitForDraw(1234, 0x1.fffffffffffffp-1), 4);
  ScriptedRandom random({0.5});
  EXPECT_EQ(GetRandomDigit(1234, random), 3);
}

TEST(RandomSources, SeededRepeatsAndClockMixedNeverRepeatsADraw) {
  SeededRandom a(42);
  SeededRandom b(42);
  for (int i = 0; i < 1000; ++i)
    ASSERT_EQ(a.Next(), b.Next());

  ClockMixedRandom clock;
  std::map<double, int> seen;
  for (int i = 0; i < 100000; ++i) {
    const double r = clock.Next();
    ASSERT_TRUE(r >= 0.0 && r < 1.0) << r;
    ASSERT_EQ(++seen[r], 1) << "a draw repeated after " << i << " draws";
  }
}

}  // namespace
}  // namespace novemo
