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
    EXPECT_EQ(CodeToPos(*PosToCode(p)), p);
  }
  for (std::int16_t bad : {0, 10, -1, 100})
    EXPECT_FALSE(PosToCode(bad)) << bad;
  for (std::int16_t bad : {0, 10, 14, 34, 41, 1, 9, -11})
    EXPECT_FALSE(CodeToPos(bad)) << bad;
}

TEST(DigitStrings, RemoveDigitDropsEveryOccurrenceAndKeepsTheOrder) {
  EXPECT_EQ(RemoveDigit(123456789, 5), 12346789);
  EXPECT_EQ(RemoveDigit(5155, 5), 1);
  EXPECT_EQ(RemoveDigit(1234, 9), 1234);
  EXPECT_EQ(RemoveDigit(7, 7), 0);
  EXPECT_EQ(RemoveDigit(0, 3), 0);
  EXPECT_EQ(RemoveDigit(987654321, 1), 98765432);
  for (std::int16_t d = 1; d <= 9; ++d)
    EXPECT_FALSE(HasDigit(RemoveDigit(919293949, d), d));
}

TEST(DigitStrings, HasDigitLooksAtTheWholeNumber) {
  EXPECT_TRUE(HasDigit(4127, 1));
  EXPECT_TRUE(HasDigit(4127, 7));
  EXPECT_FALSE(HasDigit(4127, 9));
  EXPECT_FALSE(HasDigit(0, 5));
  EXPECT_TRUE(HasDigit(123456789, 9));
}

TEST(DigitStrings, DigitsAreReadFromTheLeftAndShortNumbersRepeatTheirLast) {
  EXPECT_EQ(DigitCount(0), 1);
  EXPECT_EQ(DigitCount(123456789), 9);
  EXPECT_EQ(DigitCount(2147483647), 10);
  EXPECT_EQ(DigitAt(357184962, 1), 3);
  EXPECT_EQ(DigitAt(357184962, 9), 2);
  EXPECT_EQ(DigitAt(37, 5), 7);
  EXPECT_EQ(DigitAt(0, 3), 0);
}

TEST(DigitStrings, CrossPositionsTakeColumnAndRowFromEitherSide) {
  EXPECT_EQ(GetCrossPos(1, 9, true), 7);
  EXPECT_EQ(GetCrossPos(1, 9, false), 3);
  for (std::int16_t a = 1; a <= 9; ++a) {
    for (std::int16_t b = 1; b <= 9; ++b) {
      EXPECT_EQ(GetCrossPos(a, b, true), GetCrossPos(b, a, false));
      const std::int16_t cross = GetCrossPos(a, b, true);
      EXPECT_EQ((cross - 1) % 3, (a - 1) % 3);  // column of a
      EXPECT_EQ((cross - 1) / 3, (b - 1) / 3);  // row of b
    }
    EXPECT_EQ(GetCrossPos(a, a, true), a);
    EXPECT_EQ(GetCrossPos(a, a, false), a);
  }
  EXPECT_EQ(GetCrossPos(0, 5, true), 0);
}

// Draws spread evenly over [0, 1), so the shares are exact.
std::map<int, int> Histogram(std::int32_t n, int draws) {
  std::vector<double> script;
  for (int i = 0; i < draws; ++i)
    script.push_back((i + 0.5) / draws);
  ScriptedRandom random(script);
  std::map<int, int> seen;
  for (int i = 0; i < draws; ++i)
    ++seen[GetRandomDigit(n, random)];
  return seen;
}

TEST(RandomDigits, FavourTheLastOfShortListsAndNeverPassTheFourth) {
  EXPECT_EQ(Histogram(37, 4000), (std::map<int, int>{{3, 1000}, {7, 3000}}));
  EXPECT_EQ(Histogram(123456789, 4000),
            (std::map<int, int>{{1, 1000}, {2, 1000}, {3, 1000}, {4, 1000}}));
  EXPECT_EQ(Histogram(582, 4000), (std::map<int, int>{{5, 1000}, {8, 1000}, {2, 2000}}));
  EXPECT_EQ(Histogram(6, 400), (std::map<int, int>{{6, 400}}));
  // The largest draw below 1 rounds up to k = 5: the rule still gives a digit of n.
  EXPECT_EQ(DigitForDraw(123456789, 0x1.fffffffffffffp-1), 5);
  EXPECT_EQ(DigitForDraw(1234, 0x1.fffffffffffffp-1), 4);
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
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
    ASSERT_EQ(++seen[r], 1) << "a draw repeated after " << i << " draws";
  }
}

}  // namespace
}  // namespace novemo
