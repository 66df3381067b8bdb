// The score table's rules as plain functions: time and truth texts, ranks,
// places, names and the table's text.

#include "scores/ScoreTable.h"

#include <gtest/gtest.h>

#include "scores/TimeText.h"
#include "support/Game.h"

namespace novemo {
namespace {

using testing::At, testing::kNone;

TEST(TimeTexts, RoundToTheSecondAndReadOnlyWholeTimes) {
  EXPECT_EQ(TimeOfDayText(323 * kOneSecond - 1e-9), "00:05:23");  // a hair below rounds up
  EXPECT_EQ(TimeOfDayText(1 + 3607 * kOneSecond), "25:00:07");    // a day on: hours past 23
  EXPECT_EQ(TimeOfDayText(-5), "00:00:00");
  EXPECT_TRUE(ParseTimeOfDay("1:02") == 3720 / 86400.0 &&
              ParseTimeOfDay(" 0:01:02\t") == 62 / 86400.0);
  for (const char* bad : {"", "00:60:00", "00:00:60", "-0:00:01", "+1:00:00", "1:2:3:4", "12",
                          "::", "1:x:05", "1:05:x"})
    EXPECT_FALSE(ParseTimeOfDay(bad)) << bad;
  EXPECT_TRUE(*ParseTruth("true") && *ParseTruth("-1") && !*ParseTruth("0") &&
              !ParseTruth("maybe") && !ParseTruth(""));
}

TEST(Places, ReadInsertAndMergeWins) {
  EXPECT_EQ(ParsePlace("Ann", ""), At("Ann", 0));  // no time stored
  EXPECT_EQ(ParsePlace("", "00:00:09"), At("Name", 9));
  EXPECT_EQ(ParsePlace("Zed", "garbage"), kNone);  // never a better time
  LevelPlaces places{At("A", 3), At("B", 5), At("C", 9)};
  InsertPlace(places, 2, At("D", 4));
  EXPECT_EQ(places, (LevelPlaces{At("A", 3), At("D", 4), At("B", 5)}));
  const LevelPlaces stored{At("A", 3), At("B", 5), kNone};
  EXPECT_EQ(MergeWins(stored, {Place{"B", 5 / 86400.0 - 1e-12}, At("C", 4)}),  // a clock a hair off
            (LevelPlaces{At("A", 3), At("C", 4), At("B", 5)}));
  EXPECT_EQ(MergeWins(stored, {At("C", 9), At("D", 1), At("E", 4)}),  // the last into a full level
            (LevelPlaces{At("D", 1), At("A", 3), At("E", 4)}));
  // A player's second win counts, and so does a time that ties another player's.
  EXPECT_EQ(MergeWins({At("A", 3), kNone, kNone}, {At("C", 4), At("C", 6)}),
            (LevelPlaces{At("A", 3), At("C", 4), At("C", 6)}));
  EXPECT_EQ(MergeWins(stored, {At("C", 5)}), (LevelPlaces{At("A", 3), At("B", 5), At("C", 5)}));
}

TEST(Names, ShowOnOneLineCutWhenWideAndIsolatedForDirection) {
  const std::string w(40, 'W'), han = "\u6f22", dots = "\u2026";
  std::string hans = "\u0e01";  // a narrow character, then 8 wide of three bytes, 8 of four
  for (int i = 0; i < 16; ++i)
    hans += i < 8 ? han : "\U0001F600";
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {"Ann", "Ann"}, {"two\r\nlines\ttab\x7f", "two  lines tab "}, {"\u2028para\u2029\xc2\x85\xc2\x9f", " para   "},
      {"r\u202A\u202Eevil\u2069\u2066", "revil"},  // its own direction controls could undo the isolation
      {w.substr(0, 32), w.substr(0, 32)}, {w, w.substr(0, 31) + dots},
      {hans, hans.substr(0, 3 + 8 * 3 + 7 * 4) + dots},  // wide characters count twice
      {"\x80\xbf\xff" + std::string(30, 'x') + "\xc3", " \xbf\xff" + std::string(28, 'x') + dots},  // bytes alone
      {"\u05e9\u05dc\u05d5\u05dd", "\u05e9\u05dc\u05d5\u05dd"}};
  // clang-format on
  for (const auto& [name, shown] : cases)
    EXPECT_EQ(DisplayName(name), "\u2068" + shown + "\u2069") << name;
  EXPECT_EQ(
      TableText(SourceLanguage{}, {At("Ann", 3725), kNone, kNone}, {kNone, kNone, At("Bo", 1)}),
      "Top 3 Scores\r\rDifficult\r  1.  \u2068Ann\u2069 - 02:05\r  2.  \u2068None\u2069 - 00:00\r"
      "  3.  \u2068None\u2069 - 00:00\r\rEasy\r  1.  \u2068None\u2069 - 00:00\r"
      "  2.  \u2068None\u2069 - 00:00\r  3.  \u2068"
      "Bo\u2069 - 00:01\r");
}

}  // namespace
}  // namespace novemo
