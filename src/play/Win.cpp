// The completion check after every key, and the win.

#include "main_window/frmMain.h"

namespace novemo {

bool frmMain::IsGridComplete() {
  for (std::int16_t i = 1; i <= 9; ++i) {
    if (!Tray(i).CheckWin()) return false;
  }
  return true;
}

void frmMain::AnnounceWin() {
  Picture1.Left = kBoardHiddenLeft;
  Timer1.Enabled = false;  // the time spent on the messages does not count
  platform_.messages.Show(platform_.text.Tr("Win", "Congratulations!!   You won!!"),
                          platform_.text.Tr("Win", "Result"), MsgIcon::Information, MsgButtons::Ok);
  RecordScore(state_.LevelDifficult ? 0 : 3);
  Menu[MenuId::mnGiveup].Enabled = false;
}

// The board out of view with the clock stopped: a win or a confirmed give-up.
// While the Give Up question is open the clock still runs.
bool frmMain::GameEnded() const {
  return !Timer1.Enabled && Picture1.Left == kBoardHiddenLeft;
}

}  // namespace novemo
