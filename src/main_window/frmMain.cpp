#include "main_window/frmMain.h"

namespace novemo {

frmMain::frmMain(Platform platform)
    : Menu(platform.text),
      platform_(platform),
      trayStore_{{{*this, platform.beeper},
                  {*this, platform.beeper},
                  {*this, platform.beeper},
                  {*this, platform.beeper},
                  {*this, platform.beeper},
                  {*this, platform.beeper},
                  {*this, platform.beeper},
                  {*this, platform.beeper},
                  {*this, platform.beeper}}} {
  Timer1.Interval = 1000;
  Timer1.Enabled = false;

  for (std::int16_t k = 1; k <= 9; ++k) {
    trays_[k] = &trayStore_[static_cast<std::size_t>(k - 1)];
    // Creating and sizing a square inside the window raises its resize event.
    Tray(k).Size(kTraySizeTwips, kTraySizeTwips);
  }

  //: Shown where the board was once a game has ended. "File" and "New Game" name the menu
  //: and its item; write the shortcut as the menus show it.
  Label1.Caption =
      platform_.text.Tr("frmMain", "Click on File- New Game or press Cltr+N for new game.");
  Label1.Left = 1080;
  Label1.Top = 3000;
  Label1.Width = 4215;
  Label1.Height = 255;

  Shape2 = Shape{0x000000, 1, 0x000000, 3480, 120, 2535, 135};
  Shape1 = Shape{0x000000, 1, 0x000000, 0, 120, 2415, 135};

  lblTime.Left = 2640;
  lblTime.Top = 0;
  lblTime.Height = 360;
}

void frmMain::ClearAllBoxes() {
  for (std::int16_t i = 1; i <= 9; ++i)
    Tray(i).ClearBoxes();
}

void frmMain::GetActiveTray() {
  // The last square with an active cell wins; with none, ActiveTray stays.
  for (std::int16_t i = 1; i <= 9; ++i) {
    if (Tray(i).ActiveBox() != 0) state_.ActiveTray = i;
  }
}

void frmMain::MenuClick(MenuId id) {
  if (!Menu[id].Enabled) return;
  switch (id) {
    case MenuId::mntest:
      return mntest_Click();
    case MenuId::mnNew:
      return mnNew_Click();
    case MenuId::mnGiveup:
      return mnGiveup_Click();
    case MenuId::mnScore:
      return mnScore_Click();
    case MenuId::mnExit:
      return mnExit_Click();
    case MenuId::mnEasy:
      return mnEasy_Click();
    case MenuId::mnDifficult:
      return mnDifficult_Click();
    case MenuId::mnHow:
      return mnHow_Click();
    case MenuId::mnAbout:
      return mnAbout_Click();
    case MenuId::mnHelpers:
    case MenuId::mnFile:
    case MenuId::Sep3:
    case MenuId::Sep:
    case MenuId::mnLevel:
    case MenuId::mnHelp:
    case MenuId::Sep2:
      break;  // menus and separators have no action
  }
}

}  // namespace novemo
