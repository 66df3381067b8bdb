// Start-up, new game, levels and shutdown.

#include <string>
#include <utility>

#include "main_window/frmMain.h"

namespace novemo {

void frmMain::Form_Load() {
  state_.LevelDifficult = false;
  state_.ActiveTray = 5;
  state_.ActiveCell = 5;
  Tray(state_.ActiveTray).ActiveBox(state_.ActiveCell);
  LoadScores();
  Tray(state_.ActiveTray).lblNo_Click(state_.ActiveCell);
  mnNew_Click();
}

void frmMain::Form_Unload() {
  if (unloaded_) return;
  // Ended by the system at the name box: the place goes under what is typed
  // so far, as if it had been confirmed.
  if (naming_ >= 0) {
    std::string name = platform_.input.Typed();
    if (!name.empty()) Unsaved(naming_).push_back(Place{std::move(name), state_.ElapsedTime});
  }
  SaveScores();
  unloaded_ = true;
}

// Unloading the window runs Form_Unload, exactly as its close box does.
void frmMain::mnExit_Click() {
  Form_Unload();
}

// The steps every new game shares, whichever command starts it.
void frmMain::StartGame() {
  ResetGame();
  GeneratePuzzle();
  SetAllTrays();
  // The active cell of the last game becomes active again (there is none
  // before the window has loaded).
  if (TrayRefs::InRange(state_.ActiveTray)) {
    Tray(state_.ActiveTray).lblNo_Click(state_.ActiveCell);
  }
}

void frmMain::mnNew_Click() {
  StartGame();
  Menu[MenuId::mnGiveup].Enabled = true;
}

// The level commands leave Give Up as it was.
void frmMain::mnEasy_Click() {
  Menu[MenuId::mnEasy].Checked = true;
  Menu[MenuId::mnDifficult].Checked = false;
  state_.LevelDifficult = false;
  StartGame();
}

void frmMain::mnDifficult_Click() {
  Menu[MenuId::mnEasy].Checked = false;
  Menu[MenuId::mnDifficult].Checked = true;
  state_.LevelDifficult = true;
  StartGame();
}

void frmMain::ResetGame() {
  Timer1.Enabled = true;
  state_.ElapsedTime = 0;
  Picture1.Left = kBoardShownLeft;
  for (std::int16_t i = 1; i <= 9; ++i) {
    Tray(i).FixNoPos(0);
    Tray(i).ClearBoxes();
    Tray(i).ClearNos();
  }
}

void frmMain::SetAllTrays() {
  for (std::int16_t i = 1; i <= 9; ++i) {
    Tray(i).SetNoPos();
    Tray(i).SetFixNoPos();
  }
}

}  // namespace novemo
