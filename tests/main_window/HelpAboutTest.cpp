#include <gtest/gtest.h>

#include "support/Game.h"

namespace novemo {
namespace {

using testing::Game;

TEST(HelpMessages, HowToPlayAndAboutShowTheirExactTextsAndChangeNothing) {
  Game game;
  game.Load();
  game.Ticks(5);
  game.memory.messages.whileOpen = [&](const MemoryMessages::Shown&) { game.Ticks(1); };
  game.form.mnHow_Click();
  game.form.mnAbout_Click();

  const auto& how = game.memory.messages.shown.at(0);
  EXPECT_EQ(how.text,
            "Fill the squares with Digits such that every row , column and 3 x 3 Squares have all "
            "Digits from 1 to 9.\r\rUse Arrow keys or mouse Left-click to make a cell Active "
            "green.\r\rPress keys from 1 to 9 to fill the Active cell with Digits.\r\rPress "
            "Delete to delete value from the Active cell.");
  EXPECT_EQ(how.title, "How to play NOVEMO");
  EXPECT_EQ(how.icon, MsgIcon::Information);
  EXPECT_EQ(how.buttons, MsgButtons::Ok);

  const auto& about = game.memory.messages.shown.at(1);
  EXPECT_EQ(about.text.rfind("Novemo Ver. 1.2\r\rBy ", 0), 0u);
  const auto email = about.text.find(".\remail ");
  const auto web = about.text.find("\rweb ");
  EXPECT_NE(email, std::string::npos);
  EXPECT_GT(web, email);
  EXPECT_EQ(about.text.find('\n'), std::string::npos);
  EXPECT_NE(about.text.back(), '\r');
  EXPECT_EQ(about.title, "About Novemo");
  EXPECT_EQ(about.icon, MsgIcon::Information);

  // The clock ran on while the boxes were open; nothing else moved.
  EXPECT_EQ(game.form.lblTime.Caption, "00:07");
  EXPECT_TRUE(game.form.Timer1.Enabled);
  EXPECT_EQ(game.form.Picture1.Left, 0);
  EXPECT_TRUE(game.form.Menu[MenuId::mnGiveup].Enabled);
  EXPECT_TRUE(game.form.Menu[MenuId::mnEasy].Checked);
}

}  // namespace
}  // namespace novemo
