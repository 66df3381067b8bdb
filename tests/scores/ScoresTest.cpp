// The score table in the game: offered after a win, stored at once, shared by
// several copies, and the store's failures told truthfully.

#include <algorithm>

#include "scores/TimeText.h"
#include "support/Game.h"

namespace novemo {
namespace {

using testing::At, testing::Game, testing::kNone;

// Wins the running game after `seconds` ticks, then starts the next one.
void WinAfter(Game& game, int seconds, const std::string& name) {
  game.Ticks(seconds);
  game.Win(name);
  game.form.mnNew_Click();
}
int Warnings(const Game& game) {
  return static_cast<int>(
      std::count_if(game.memory.messages.shown.begin(), game.memory.messages.shown.end(),
                    [](const auto& shown) { return shown.icon == MsgIcon::Warning; }));
}

class ScoreTable : public testing::LoadedGame {};

TEST_F(ScoreTable, WinsTakeTheirPlacesAreStoredAtOnceAndShown) {
  WinAfter(*this, 5, "Ann");
  ASSERT_EQ(memory.input.asked.size(), 1u);
  EXPECT_EQ(memory.input.asked[0].title + "|" + memory.input.asked[0].prompt,
            "Name|You have reached the top 3 Scores\rPlease enter your name.");
  // The table box has the application's own title and no icon.
  EXPECT_TRUE(memory.messages.shown.back().title.empty() &&
              memory.messages.shown.back().icon == MsgIcon::None);
  // Stored before any unload.
  EXPECT_EQ(Stored("Player4") + " " + Stored("Time4"), "Ann 00:00:05");
  WinAfter(*this, 3, "Cy");  // faster: place 1
  WinAfter(*this, 5, "Di");  // equal to Ann: just below her
  WinAfter(*this, 5, "Ed");  // equal to place 3 of a full level: no box, the table all the same
  memory.input.answers.clear();
  Stored("Player2") = "Zed", Stored("Time2") = "0:99:00";  // a time that does not read: no place
  form.mnDifficult_Click();
  WinAfter(*this, 61, "");  // cancelled: nothing changes
  WinAfter(*this, 61, "Hard");
  EXPECT_EQ(memory.input.asked.size(), 5u);
  EXPECT_EQ(Last(), TableText(SourceLanguage{}, {At("Hard", 61), kNone, kNone},
                              {At("Cy", 3), At("Ann", 5), At("Di", 5)}));
}

TEST(StoreFailures, AreToldOnceAndWhatIsLostAtExitIsNamed) {
  Game game, retry, quiet;
  for (Game* g : {&game, &retry, &quiet}) {
    g->Stored("Level") = "True";
    g->Load();
    g->memory.store.failWrites = true;
  }
  WinAfter(game, 7, "Ann");
  WinAfter(game, 6, "Bob");  // kept while the game runs, and shown with what the store holds
  EXPECT_EQ(game.Last(), TableText(SourceLanguage{}, {At("Bob", 6), At("Ann", 7), kNone},
                                   {kNone, kNone, kNone}));
  EXPECT_EQ(Warnings(game), 1);
  game.form.mnEasy_Click();
  game.form.mnExit_Click();
  game.form.Form_Unload();  // the close box after Exit: unloaded once, told once
  EXPECT_EQ(Warnings(game), 2);
  EXPECT_TRUE(
      game.Last().starts_with("Novemo could not save the places won in this session and "
                              "the level to"));
  WinAfter(retry, 7, "Ann");
  // The store works again by the exit, which stores the place.
  retry.memory.store.failWrites = false;
  retry.form.Form_Unload();
  EXPECT_EQ(retry.Stored("Player1") + std::to_string(Warnings(retry)), "Ann1");
  quiet.form.Form_Unload();  // nothing lost, nothing told
  EXPECT_EQ(Warnings(quiet), 0);
}

}  // namespace
}  // namespace novemo
