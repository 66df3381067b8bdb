#include "main_window/Menu.h"

namespace novemo {

MenuBar::MenuBar() {
  using enum MenuId;
  items_ = {{
      // The Helpers menu is hidden; its shortcut still works.
      {mnHelpers, mnHelpers, "mnHelpers", "Helpers", "", false, false},
      {mntest, mnHelpers, "mntest", "test", "Ctrl+M"},
      {mnFile, mnFile, "mnFile", "File", ""},
      {mnNew, mnFile, "mnNew", "New Game", "Ctrl+N"},
      {mnGiveup, mnFile, "mnGiveup", "Give Up", "Ctrl+G"},
      {Sep3, mnFile, "Sep3", "", "", true},
      {mnScore, mnFile, "mnScore", "Scores", ""},
      {Sep, mnFile, "Sep", "", "", true},
      {mnExit, mnFile, "mnExit", "Exit", ""},
      {mnLevel, mnLevel, "mnLevel", "Level", ""},
      {mnEasy, mnLevel, "mnEasy", "Easy", ""},
      {mnDifficult, mnLevel, "mnDifficult", "Difficult", ""},
      {mnHelp, mnHelp, "mnHelp", "Help", ""},
      {mnHow, mnHelp, "mnHow", "How to play", "F1"},
      {Sep2, mnHelp, "Sep2", "", "", true},
      {mnAbout, mnHelp, "mnAbout", "About", "F9"},
  }};
}

}  // namespace novemo
