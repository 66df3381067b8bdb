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
  //: "Active green": the chosen cell has a green frame. Backspace erases a cell.
  const std::string text = platform_.text.Tr(
      "HelpAbout",
      "Fill the squares with Digits such that every row , column and 3 x 3 Squares have all "
      "Digits from 1 to 9.\n\n"
      "Use Arrow keys or mouse Left-click to make a cell Active green.\n\n"
      "Press keys from 1 to 9 to fill the Active cell with Digits.\n\n"
      "Press Delete to delete value from the Active cell.");
  platform_.messages.Show(text, platform_.text.Tr("HelpAbout", "How to play NOVEMO"),
                          MsgIcon::Information, MsgButtons::Ok);
}

void frmMain::mnAbout_Click() {
  //: %1 the authors, %2 an email address, %3 a web address.
  const std::string text =
      Args(platform_.text.Tr("HelpAbout", "Novemo Ver. 1.2\n\nBy %1.\nemail %2\nweb %3"),
           {NOVEMO_AUTHOR, NOVEMO_EMAIL, NOVEMO_WEB});
  platform_.messages.Show(text, platform_.text.Tr("HelpAbout", "About Novemo"),
                          MsgIcon::Information, MsgButtons::Ok);
}

}  // namespace novemo
