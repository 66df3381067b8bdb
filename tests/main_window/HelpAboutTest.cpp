#include <gtest/gtest.h>

#include "support/Game.h"

namespace novemo {
namespace {

TEST(HelpMessages, HowToPlayAndAboutShowTheirExactTextsAndChangeNothing) {
  testing::Game game;
  game.Load();
  game.memory.messages.whileOpen = [&](const MemoryMessages::Shown&) { game.Ticks(1); };
  game.form.MenuClick(MenuId::mnHow);
  game.form.MenuClick(MenuId::mnAbout);

  const auto& how = game.memory.messages.shown.at(0);
  EXPECT_EQ(how.text,
            "Fill the squares with Digits such that every row , column and 3 x 3 Squares have all "
            "Digits from 1 to 9.\r\rUse Arrow keys or mouse Left-click to make a cell Active "
            "green.\r\rPress keys from 1 to 9 to fill the Active cell with Digits.\r\rPress "
            "Delete to delete value from the Active cell.");
  EXPECT_EQ(how.title, "How to play NOVEMO");
  const auto& about = game.memory.messages.shown.at(1);
  EXPECT_EQ(about.text,
            "Novemo Ver. 1.2\r\rBy " NOVEMO_AUTHOR ".\remail " NOVEMO_EMAIL "\rweb " NOVEMO_WEB);
  EXPECT_EQ(about.title, "About Novemo");
  for (const auto& shown : game.memory.messages.shown) {
    EXPECT_EQ(shown.icon, MsgIcon::Information);
    EXPECT_EQ(shown.buttons, MsgButtons::Ok);
  }
  // The clock ran on while the boxes were open; nothing else moved.
  EXPECT_EQ(game.form.lblTime.Caption, "00:02");
  EXPECT_TRUE(game.form.Timer1.Enabled);
  EXPECT_EQ(game.form.Picture1.Left, 0);
  EXPECT_TRUE(game.form.Menu[MenuId::mnGiveup].Enabled);
}

}  // namespace
}  // namespace novemo
