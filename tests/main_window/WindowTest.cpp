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

// Every text the player meets is in the player's language; the store stays in
// English, so that copies of the game in other languages share it.
TEST(Language, EveryTextIsTheLanguagesAndTheStoreNone) {
  const MarkedLanguage marked;
  Game game(marked);
  game.memory.store.openReport = {false, "here", "broken", {}};
  game.Load();
  game.memory.messages.answers.push_back(MsgAnswer::No);
  for (const MenuId item : {MenuId::mnGiveup, MenuId::mnHow, MenuId::mnAbout})
    game.form.MenuClick(item);
  game.Win("Ann");
  game.form.mnExit_Click();
  std::vector<std::string> texts = {game.form.Label1.Caption, game.memory.input.asked.at(0).prompt,
                                    game.memory.input.asked.at(0).title};
  for (const MenuItem& item : game.form.Menu.Items())
    texts.push_back(item.caption);
  for (const auto& box : game.memory.messages.shown)
    texts.insert(texts.end(), {box.text, box.title});
  std::erase_if(texts, [](const std::string& text) { return text.empty() || text == "Novemo"; });
  EXPECT_EQ(texts.size(), 26u);  // 13 menus, hint, name box, 6 boxes and 4 of their titles
  for (const std::string& text : texts)
    EXPECT_EQ(text.substr(0, 1), "<") << text;
  EXPECT_NE(game.Last().find("\u2068<None>\u2069"), std::string::npos) << game.Last();
  EXPECT_EQ(game.Stored("Player4") + game.Stored("Player5") + game.Stored("Level"), "AnnNoneFalse");
  // A path or name that holds a placeholder is never filled in itself.
  EXPECT_EQ(Args("%1 (%2) 100%", {"C:\\%2", "b"}), "C:\\%2 (b) 100%");
}

}  // namespace
}  // namespace novemo
