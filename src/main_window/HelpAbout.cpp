// The Help menu's two messages.

#include <string>

#include "main_window/frmMain.h"

#ifndef NOVEMO_AUTHOR
#define NOVEMO_AUTHOR "the Novemo developers"
#endif
#ifndef NOVEMO_EMAIL
#define NOVEMO_EMAIL "novemo@example.org"
#endif
#ifndef NOVEMO_WEB
#define NOVEMO_WEB "https://novemo.example.org"
#endif

namespace novemo {

void frmMain::mnHow_Click() {
  platform_.messages.Show(
      "Fill the squares with Digits such that every row , column and 3 x 3 Squares have all "
      "Digits from 1 to 9.\r\r"
      "Use Arrow keys or mouse Left-click to make a cell Active green.\r\r"
      "Press keys from 1 to 9 to fill the Active cell with Digits.\r\r"
      "Press Delete to delete value from the Active cell.",
      "How to play NOVEMO", MsgIcon::Information, MsgButtons::Ok);
}

void frmMain::mnAbout_Click() {
  const std::string text = std::string("Novemo Ver. 1.2\r\r") + "By " + NOVEMO_AUTHOR + ".\r" +
                           "email " + NOVEMO_EMAIL + "\r" + "web " + NOVEMO_WEB;
  platform_.messages.Show(text, "About Novemo", MsgIcon::Information, MsgButtons::Ok);
}

}  // namespace novemo
