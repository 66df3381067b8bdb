// The window's start, the test command and the Help messages.

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
  }
}

class Commands : public LoadedGame {};

TEST_F(Commands, TheHiddenTestCommandRevealsAndHelpAndAboutShowTheirTexts) {
  memory.messages.whileOpen = [&](const MemoryMessages::Shown&) { Ticks(1); };
  form.MenuClick(MenuId::mntest);
  for (std::int16_t t = 1; t <= 9; ++t)
    EXPECT_TRUE(form.Tray(t).CheckWin());
  form.MenuClick(MenuId::mnHow);
  form.MenuClick(MenuId::mnAbout);
  const auto& shown = memory.messages.shown;
  ASSERT_EQ(shown.size(), 2u);  // the test command announces nothing
  EXPECT_EQ(shown[0].text,
            "Fill the squares with Digits such that every row , column and 3 x 3 Squares have all "
            "Digits from 1 to 9.\r\rUse Arrow keys or mouse Left-click to make a cell Active "
            "green.\r\rPress keys from 1 to 9 to fill the Active cell with Digits.\r\rPress "
            "Delete to delete value from the Active cell.");
  EXPECT_EQ(shown[0].title, "How to play NOVEMO");
  EXPECT_EQ(shown[1].text,
            "Novemo Ver. 1.2\r\rBy " NOVEMO_AUTHOR ".\remail " NOVEMO_EMAIL "\rweb " NOVEMO_WEB);
  EXPECT_EQ(shown[1].title, "About Novemo");
  EXPECT_TRUE(shown[0].icon == MsgIcon::Information && shown[1].icon == MsgIcon::Information);
  // The clock ran on while the boxes were open; nothing else moved.
  EXPECT_EQ(form.lblTime.Caption, "00:02");
  EXPECT_TRUE(form.Timer1.Enabled && form.Menu[MenuId::mnGiveup].Enabled);
  EXPECT_EQ(form.Picture1.Left, 0);
}

}  // namespace
}  // namespace novemo
