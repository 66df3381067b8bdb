// The window's start.

#include "support/Game.h"

namespace novemo {
namespace {

using namespace novemo::testing;

TEST(StartUp, TheStoredLevelIsCheckedAndTheCentreCellIsActive) {
  for (const std::string stored : {"True", "maybe"}) {
    Game game;
    EXPECT_FALSE(game.form.Timer1.Enabled);  // until the first game
    game.Stored("Level") = stored;
    game.Load();
    const frmMain& form = game.form;
    EXPECT_EQ(form.State().LevelDifficult, stored == "True");
    EXPECT_EQ(form.Menu[MenuId::mnEasy].Checked, stored != "True");
    EXPECT_EQ(form.Menu[MenuId::mnDifficult].Checked, stored == "True");
    EXPECT_TRUE(form.Menu[MenuId::mnGiveup].Enabled && form.Timer1.Enabled &&
                form.Picture1.Left == 0);
    EXPECT_EQ(game.Green(), std::pair(1, Cell(5, 5)));
    stored == "True" ? game.form.mnEasy_Click() : game.form.mnDifficult_Click();  // the other
    EXPECT_TRUE(form.Menu[MenuId::mnEasy].Checked == (stored == "True") &&
                form.Menu[MenuId::mnDifficult].Checked == (stored != "True"));
  }
}

}  // namespace
}  // namespace novemo
