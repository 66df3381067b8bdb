#include <gtest/gtest.h>

#include "scores/TimeText.h"
#include "support/Game.h"

namespace novemo {
namespace {

using testing::Game;

std::string Table(const std::string& d1, const std::string& d2, const std::string& d3,
                  const std::string& e1, const std::string& e2, const std::string& e3) {
  return "Top 3 Scores\r\rDifficult\r  1.  " + d1 + "\r  2.  " + d2 + "\r  3.  " + d3 +
         "\r\rEasy\r  1.  " + e1 + "\r  2.  " + e2 + "\r  3.  " + e3 + "\r";
}

// Wins the running game after `seconds` ticks, then starts the next one.
void WinAfter(Game& game, int seconds, const std::string& name) {
  game.Ticks(seconds);
  game.Win(name);
  game.form.mnNew_Click();
}

TEST(ScoreTable, EmptyStoreListsNoneEverywhere) {
  Game game;
  game.Load();
  game.form.mnScore_Click();
  const auto& shown = game.memory.messages.shown.back();
  const std::string none = "None - 00:00";
  EXPECT_EQ(shown.text, Table(none, none, none, none, none, none));
  EXPECT_EQ(shown.title, "");  // the application's own title
  EXPECT_EQ(shown.icon, MsgIcon::None);
  EXPECT_EQ(shown.buttons, MsgButtons::Ok);
}

TEST(ScoreTable, WinsTakeTheirPlacesBelowEqualTimesAndPushTheLastOut) {
  Game game;
  game.Load();
  WinAfter(game, 5, "Ann");
  const auto& congratulation = game.memory.messages.shown.at(0);
  EXPECT_EQ(congratulation.text, "Congratulations!!   You won!!");
  EXPECT_EQ(congratulation.title, "Result");
  EXPECT_EQ(congratulation.icon, MsgIcon::Information);
  ASSERT_EQ(game.memory.input.asked.size(), 1u);
  EXPECT_EQ(game.memory.input.asked[0].prompt,
            "You have reached the top 3 Scores\rPlease enter your name.");
  EXPECT_EQ(game.memory.input.asked[0].title, "Name");

  WinAfter(game, 8, "Bob");  // slower: place 2
  WinAfter(game, 3, "Cy");   // faster: place 1
  WinAfter(game, 5, "Di");   // equal to Ann: just below her, Bob drops out
  const std::string none = "None - 00:00";
  EXPECT_EQ(game.memory.messages.shown.back().text,
            Table(none, none, none, "Cy - 00:03", "Ann - 00:05", "Di - 00:05"));

  // Equal to place 3 of a full level: no box, but the table all the same.
  const auto shownBefore = game.memory.messages.shown.size();
  WinAfter(game, 5, "Ed");
  EXPECT_EQ(game.memory.input.asked.size(), 4u);
  EXPECT_EQ(game.memory.messages.shown.size(), shownBefore + 2);
  EXPECT_EQ(game.memory.input.answers.front(), "Ed");  // never asked for
}

TEST(ScoreTable, CancelledOrEmptyNameLeavesTheTableAsItWas) {
  Game game;
  game.Load();
  game.Ticks(9);
  game.Win();  // the box is cancelled
  game.form.mnNew_Click();
  game.Ticks(9);
  game.Win("");  // confirmed empty
  const std::string none = "None - 00:00";
  EXPECT_EQ(game.memory.input.asked.size(), 2u);
  EXPECT_EQ(game.memory.messages.shown.back().text, Table(none, none, none, none, none, none));
}

TEST(ScoreTable, EachLevelKeepsItsOwnSlots) {
  Game game;
  game.Load();
  game.form.mnDifficult_Click();
  WinAfter(game, 61, "Hard");
  game.form.mnEasy_Click();
  WinAfter(game, 2, "Soft");
  const std::string none = "None - 00:00";
  EXPECT_EQ(game.memory.messages.shown.back().text,
            Table("Hard - 01:01", none, none, "Soft - 00:02", none, none));
}

TEST(ScoreTable, StoreEditedWithPlaceOneEmptyAndPlaceTwoFilled) {
  Game faster;
  faster.Store("Player5", "Ed");
  faster.Store("Time5", "00:00:10");
  faster.Load();
  WinAfter(faster, 4, "Fay");  // beats place 2: takes it, Ed moves to 3
  EXPECT_EQ(faster.Stored("Player5"), "Fay");
  EXPECT_EQ(faster.Stored("Player6"), "Ed");
  EXPECT_EQ(faster.Stored("Time4"), "00:00:00");

  Game slower;
  slower.Store("Player5", "Ed");
  slower.Store("Time5", "00:00:10");
  slower.Load();
  WinAfter(slower, 20, "Gus");  // beats nobody: the empty place 1, the rest move down
  EXPECT_EQ(slower.Stored("Player4"), "Gus");
  EXPECT_EQ(slower.Stored("Time4"), "00:00:20");
  EXPECT_EQ(slower.Stored("Player5"), "None");
  EXPECT_EQ(slower.Stored("Player6"), "Ed");
}

TEST(ScoreTable, APlaceIsStoredAsSoonAsItIsWon) {
  Game game;
  game.Load();
  ASSERT_EQ(game.memory.store.commits, 0);
  WinAfter(game, 83, "Ann");
  EXPECT_EQ(game.memory.store.commits, 1);  // before any unload
  EXPECT_EQ(game.Stored("Player4"), "Ann");
  EXPECT_EQ(game.Stored("Time4"), "00:01:23");
  EXPECT_EQ(game.Stored("Level"), "False");

  Game next;
  next.memory.store.values = game.memory.store.values;
  next.Load();
  next.form.mnScore_Click();
  EXPECT_NE(next.memory.messages.shown.back().text.find("  1.  Ann - 01:23\r"), std::string::npos);
}

TEST(ScoreTable, GarbledStoredValuesReadAsEmptyPlacesAndEasy) {
  Game game;
  game.Store("Player1", "Zed");
  game.Store("Time1", "garbage");
  game.Store("Player2", "");
  game.Store("Time2", "00:00:09");
  game.Store("Player3", "Old");
  game.Store("Time3", "25:00:07");
  game.Store("Player4", "Mojibake \xc3\x28\xff");
  game.Store("Time4", "00:99:00");
  game.Store("Level", "maybe");
  game.Load();
  EXPECT_TRUE(game.form.Menu[MenuId::mnEasy].Checked);
  game.form.mnScore_Click();
  EXPECT_EQ(game.memory.messages.shown.back().text,
            Table("None - 00:00", "Name - 00:09", "Old - 00:07", "None - 00:00", "None - 00:00",
                  "None - 00:00"));
  game.form.Form_Unload();
  EXPECT_EQ(game.Stored("Time3"), "25:00:07");  // reads back the same next time
  EXPECT_EQ(game.Stored("Time1"), "00:00:00");
  EXPECT_EQ(game.Stored("Level"), "False");
}

TEST(ScoreTable, AStoreThatCannotBeWrittenIsReportedOnceAndTheGameGoesOn) {
  Game game;
  game.memory.store.failWrites = true;
  game.Load();
  WinAfter(game, 7, "Ann");
  WinAfter(game, 6, "Bob");
  game.form.Form_Unload();
  int warnings = 0;
  for (const auto& shown : game.memory.messages.shown) {
    if (shown.icon == MsgIcon::Warning) {
      ++warnings;
      EXPECT_NE(shown.text.find("memory store"), std::string::npos);  // names where
      EXPECT_NE(shown.text.find("writes are refused"), std::string::npos);
    }
  }
  EXPECT_EQ(warnings, 1);
  // The places are still kept for the rest of the run.
  EXPECT_NE(game.memory.messages.shown.back().text.find("Bob - 00:06\r  2.  Ann - 00:07"),
            std::string::npos);
}

}  // namespace
}  // namespace novemo
