// Keyboard play on the board: moves, digits, erase and the solution key.

#include "main_window/frmMain.h"

namespace novemo {
namespace {

constexpr std::int16_t kBackspace = 8;
constexpr std::int16_t kLeft = 37;
constexpr std::int16_t kUp = 38;
constexpr std::int16_t kRight = 39;
constexpr std::int16_t kDown = 40;
constexpr std::int16_t kKeyQ = 81;
constexpr std::int16_t kCtrl = 2;

bool In(std::int16_t value, std::int16_t a, std::int16_t b, std::int16_t c) {
  return value == a || value == b || value == c;
}

}  // namespace

void frmMain::Picture1_KeyDown(std::int16_t KeyCode, std::int16_t Shift) {
  // An ended game takes no keys: its hidden grid could otherwise be won (again)
  // and put the same time in the table twice. Nothing is active before load.
  if (GameEnded() || !TrayRefs::InRange(state_.ActiveTray)) return;

  if (KeyCode == kBackspace) {
    for (std::int16_t i = 1; i <= 9; ++i)
      Tray(i).SetNo(" ");
  }
  if ((KeyCode >= 49 && KeyCode <= 57) || (KeyCode >= 97 && KeyCode <= 105)) {
    const auto digit = static_cast<std::int16_t>(KeyCode > 95 ? KeyCode - 96 : KeyCode - 48);
    for (std::int16_t i = 1; i <= 9; ++i)
      Tray(i).SetNo(digit);
  }

  state_.ActiveCell = Tray(state_.ActiveTray).ActiveBox();

  std::int16_t& t = state_.ActiveTray;
  std::int16_t& c = state_.ActiveCell;
  switch (KeyCode) {
    case kLeft:
      if (!In(c, 1, 4, 7)) {
        c -= 1;
      } else if (!In(t, 1, 4, 7)) {
        t -= 1;
        c += 2;
      }
      break;
    case kRight:
      if (!In(c, 3, 6, 9)) {
        c += 1;
      } else if (!In(t, 3, 6, 9)) {
        t += 1;
        c -= 2;
      }
      break;
    case kUp:
      if (!In(c, 1, 2, 3)) {
        c -= 3;
      } else if (!In(t, 1, 2, 3)) {
        t -= 3;
        c += 6;
      }
      break;
    case kDown:
      if (!In(c, 7, 8, 9)) {
        c += 3;
      } else if (!In(t, 7, 8, 9)) {
        t += 3;
        c -= 6;
      }
      break;
    default:
      break;
  }

  ClearAllBoxes();
  Tray(state_.ActiveTray).lblNo_Click(state_.ActiveCell);

  // A grid the solution key fills is announced at the next key press.
  if (IsGridComplete()) AnnounceWin();
  if (KeyCode == kKeyQ && Shift == kCtrl) ShowSolution();
}

// The board keeps the keyboard whatever else of the window takes it.
void frmMain::Picture1_LostFocus() {
  ++Picture1.focusRequests;
}

void frmMain::ShowSolution() {
  for (std::int16_t i = 1; i <= 9; ++i)
    Tray(i).SetNoPosT();
}

}  // namespace novemo
