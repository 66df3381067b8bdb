#include "scores/TimeText.h"

#include <gtest/gtest.h>

namespace novemo {
namespace {

TEST(TimeTexts, RoundToTheNearestSecondAndKeepCountingHoursPastADay) {
  EXPECT_EQ(TimeOfDayText(0), "00:00:00");
  EXPECT_EQ(TimeOfDayText(323 * kOneSecond), "00:05:23");
  EXPECT_EQ(TimeOfDayText(323 * kOneSecond - 1e-9), "00:05:23");  // a hair below still rounds up
  EXPECT_EQ(TimeOfDayText(1 + 7 * kOneSecond + 3600 * kOneSecond), "25:00:07");
  EXPECT_EQ(ClockText(3725 * kOneSecond), "02:05");
  EXPECT_EQ(ClockText(1000 * 3600 * kOneSecond + 61 * kOneSecond), "01:01");
  EXPECT_EQ(TimeOfDayText(-5), "00:00:00");
}

TEST(TimeTexts, ReadBackWhatTheyWriteAndRefuseEverythingElse) {
  for (double seconds : {0.0, 1.0, 59.0, 3599.0, 86399.0, 90007.0, 360000.0}) {
    const double days = seconds * kOneSecond;
    const auto parsed = ParseTimeOfDay(TimeOfDayText(days));
    ASSERT_TRUE(parsed) << seconds;
    EXPECT_EQ(TimeOfDayText(*parsed), TimeOfDayText(days));
  }
  EXPECT_EQ(ParseTimeOfDay(" 0:05:23 "), 323 * kOneSecond);
  EXPECT_EQ(ParseTimeOfDay("1:02"), 3720 * kOneSecond);
  for (const char* bad : {"", "garbage", "00:60:00", "00:00:60", "-1:00:00", "-0:00:01", "+1:00:00",
                          "00:05:23 PM", "1:2:3:4", "12", "00:05:2x", "::", "\xff\xfe"}) {
    EXPECT_FALSE(ParseTimeOfDay(bad)) << bad;
  }
}

TEST(TruthTexts, AreTrueAndFalseAndReadLeniently) {
  EXPECT_EQ(TruthText(true), "True");
  EXPECT_EQ(TruthText(false), "False");
  EXPECT_EQ(ParseTruth("True"), true);
  EXPECT_EQ(ParseTruth("false"), false);
  EXPECT_EQ(ParseTruth("-1"), true);
  EXPECT_EQ(ParseTruth("0"), false);
  EXPECT_FALSE(ParseTruth("maybe"));
  EXPECT_FALSE(ParseTruth(""));
}

}  // namespace
}  // namespace novemo
