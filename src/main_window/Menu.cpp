#include "main_window/Menu.h"

namespace novemo {

MenuBar::MenuBar(const Translator& text) {
  using enum MenuId;
  items_ = {{
      // The Helpers menu is hidden; its shortcut still works.
      //: A hidden menu of test commands; players never see it or its item "test".
      {mnHelpers, mnHelpers, "mnHelpers", N_("Menu", "Helpers"), "", false, false},
      {mntest, mnHelpers, "mntest", N_("Menu", "test"), "Ctrl+M"},
      {mnFile, mnFile, "mnFile", N_("Menu", "File"), ""},
      {mnNew, mnFile, "mnNew", N_("Menu", "New Game"), "Ctrl+N"},
      {mnGiveup, mnFile, "mnGiveup", N_("Menu", "Give Up"), "Ctrl+G"},
      {Sep3, mnFile, "Sep3", "", "", true},
      {mnScore, mnFile, "mnScore", N_("Menu", "Scores"), ""},
      {Sep, mnFile, "Sep", "", "", true},
      {mnExit, mnFile, "mnExit", N_("Menu", "Exit"), ""},
      //: The menu that chooses how hard the puzzles are: Easy or Difficult.
      {mnLevel, mnLevel, "mnLevel", N_("Menu", "Level"), ""},
      {mnEasy, mnLevel, "mnEasy", N_("Menu", "Easy"), ""},
      {mnDifficult, mnLevel, "mnDifficult", N_("Menu", "Difficult"), ""},
      {mnHelp, mnHelp, "mnHelp", N_("Menu", "Help"), ""},
      {mnHow, mnHelp, "mnHow", N_("Menu", "How to play"), "F1"},
      {Sep2, mnHelp, "Sep2", "", "", true},
      {mnAbout, mnHelp, "mnAbout", N_("Menu", "About"), "F9"},
  }};
  for (MenuItem& item : items_) {
    if (!item.caption.empty()) item.caption = text.Tr("Menu", item.caption);
  }
}

}  // namespace novemo
