// The game clock, Give Up and the test command.

#include "main_window/frmMain.h"
#include "scores/TimeText.h"

namespace novemo {

void frmMain::Timer1_Timer() {
  // A running sum of ticks, never the system clock.
  state_.ElapsedTime += kOneSecond;
  lblTime.Caption = ClockText(state_.ElapsedTime);
}

void frmMain::mnGiveup_Click() {
  // The board goes out of view before the question; the clock keeps running.
  Picture1.Left = kBoardHiddenLeft;
  const MsgAnswer answer = platform_.messages.Show(
      platform_.text.Tr("Clock", "Are yuo sure you want to give up?"),
      platform_.text.Tr("Clock", "Give Up"), MsgIcon::Question, MsgButtons::YesNo);
  if (answer == MsgAnswer::Yes) {
    Timer1.Enabled = false;
    Picture1.Left = kBoardHiddenLeft;
    Menu[MenuId::mnGiveup].Enabled = false;
  } else {
    Picture1.Left = kBoardShownLeft;
  }
}

void frmMain::mntest_Click() {
  for (std::int16_t i = 1; i <= 9; ++i)
    Tray(i).ShowCorrect();
}

}  // namespace novemo
