#include "scores/ScoreTable.h"

#include <gtest/gtest.h>

#include "scores/TimeText.h"

namespace novemo {
namespace {

// A clock time after n ticks: a running sum, a hair off the exact seconds.
double Ticks(int n) {
  double time = 0;
  for (int i = 0; i < n; ++i)
    time += kOneSecond;
  return time;
}
// A place as the store reads it: exact seconds.
Place At(const char* name, int seconds) {
  return Place{name, seconds / 86400.0};
}
const Place kEmpty{};

struct RankCase {
  const char* name;
  LevelPlaces places;
  int expected;
};

void PrintTo(const RankCase& c, std::ostream* out) {
  *out << c.name;
}

class Ranking : public ::testing::TestWithParam<RankCase> {};

// Nine ticks sum to a hair below nine exact seconds.
TEST_P(Ranking, NineTicksTakeThePlaceBelowEveryTimeNoBetter) {
  ASSERT_LT(Ticks(9), At("", 9).time);
  EXPECT_EQ(RankTime(GetParam().places, Ticks(9)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, Ranking,
    ::testing::Values(RankCase{"empty_table", {kEmpty, kEmpty, kEmpty}, 1},
                      RankCase{"faster_than_all", {At("A", 10), At("B", 11), kEmpty}, 1},
                      RankCase{"between", {At("A", 3), At("B", 10), kEmpty}, 2},
                      RankCase{"slower_than_all", {At("A", 3), At("B", 5), kEmpty}, 3},
                      RankCase{"tie_with_place_1", {At("A", 9), kEmpty, kEmpty}, 2},
                      RankCase{"tie_with_place_2", {At("A", 3), At("B", 9), kEmpty}, 3},
                      RankCase{
                          "tie_with_place_3_of_three", {At("A", 3), At("B", 5), At("C", 9)}, 0},
                      RankCase{"tie_with_places_1_and_2", {At("A", 9), At("B", 9), At("C", 10)}, 3},
                      RankCase{"slower_than_a_full_table", {At("A", 3), At("B", 5), At("C", 6)}, 0},
                      // Edited by hand: place 1 empty, place 2 filled.
                      RankCase{"hole_above_a_slower_time", {kEmpty, At("B", 10), kEmpty}, 2},
                      RankCase{"hole_above_a_faster_time", {kEmpty, At("B", 5), kEmpty}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Places, InsertMovesTheRestDownAndMergeAddsOnlyNewWins) {
  LevelPlaces places{At("A", 3), At("B", 5), At("C", 9)};
  InsertPlace(places, 2, At("D", 4));
  EXPECT_EQ(places, (LevelPlaces{At("A", 3), At("D", 4), At("B", 5)}));
  InsertPlace(places, 3, At("E", 6));
  EXPECT_EQ(places, (LevelPlaces{At("A", 3), At("D", 4), At("E", 6)}));
  InsertPlace(places, 1, At("F", 1));
  EXPECT_EQ(places, (LevelPlaces{At("F", 1), At("A", 3), At("D", 4)}));

  const LevelPlaces stored{At("A", 3), At("B", 5), kEmpty};
  EXPECT_EQ(MergeWins(stored, {}), stored);
  EXPECT_EQ(MergeWins(stored, {Place{"B", Ticks(5)}, At("C", 4)}),  // B is there
            (LevelPlaces{At("A", 3), At("C", 4), At("B", 5)}));
  EXPECT_EQ(MergeWins(stored, {At("C", 9), At("D", 1), At("E", 8)}),
            (LevelPlaces{At("D", 1), At("A", 3), At("B", 5)}));
}

TEST(Places, StoredTextsReadAsTheirTimeOrAsAnEmptyPlace) {
  EXPECT_EQ(ParsePlace("Ann", "00:05:23"), At("Ann", 323));
  EXPECT_EQ(ParsePlace("Ann", "25:00:07"), At("Ann", 90007));
  EXPECT_EQ(ParsePlace("Ann", ""), At("Ann", 0));  // no time stored
  EXPECT_EQ(ParsePlace("", "00:00:09"), At("Name", 9));
  for (const char* bad : {"garbage", "00:60:00", "-0:00:01", "00:05:23 PM", "1:2:3:4", "12"})
    EXPECT_EQ(ParsePlace("Zed", bad), kEmpty) << bad;
}

TEST(Names, ShowOnOneLineCutWhenWideAndIsolatedForDirection) {
  const std::string ellipsis = "\u2026";
  const std::string wide(40, 'W');
  const std::string han = "\u6f22";
  std::string hans;
  for (int i = 0; i < 20; ++i)
    hans += han;
  struct Case {
    std::string name, shown;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"Ann", "Ann"},
           {"", ""},
           {"two\r\nlines\ttab\x7f", "two  lines tab "},
           {"\u2028para\u2029", " para "},
           {"\xc2\x85next", " next"},
           {"r\u202Eevil\u2069\u2066", "revil"},
           {wide.substr(0, 32), wide.substr(0, 32)},
           {wide, wide.substr(0, 31) + ellipsis},
           {hans, hans.substr(0, 15 * han.size()) + ellipsis},
           {"\xff\xfe" + std::string(31, 'x') + "\xc3",
            "\xff\xfe" + std::string(29, 'x') + ellipsis},
           {"\u05e9\u05dc\u05d5\u05dd", "\u05e9\u05dc\u05d5\u05dd"},
       }) {
    EXPECT_EQ(DisplayName(c.name), "\u2068" + c.shown + "\u2069") << c.name;
  }
}

TEST(Table, ListsBothLevelsWithClockTimes) {
  EXPECT_EQ(TableText({At("Ann", 3725), kEmpty, kEmpty}, {kEmpty, kEmpty, kEmpty}),
            "Top 3 Scores\r\rDifficult\r  1.  \u2068Ann\u2069 - 02:05\r"
            "  2.  \u2068None\u2069 - 00:00\r  3.  \u2068None\u2069 - 00:00\r\rEasy\r"
            "  1.  \u2068None\u2069 - 00:00\r  2.  \u2068None\u2069 - 00:00\r"
            "  3.  \u2068None\u2069 - 00:00\r");
}

}  // namespace
}  // namespace novemo
