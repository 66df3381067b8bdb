#pragma once

// The game's one window: its controls as data, its state record and every
// handler. The toolkit layer draws the controls and feeds events in.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "main_window/Menu.h"
#include "main_window/StateRecord.h"
#include "platform/Controls.h"
#include "platform/OneBased.h"
#include "platform/Platform.h"
#include "scores/ScoreTable.h"
#include "tray/Tray.h"

namespace novemo {

inline constexpr int kBoardShownLeft = 0;
inline constexpr int kBoardHiddenLeft = 8000;  // beyond the client area's right edge

// The box that holds the nine squares and takes the keys of play. Twips.
struct PictureBox {
  int Left = kBoardShownLeft;
  int Top = 480;
  int Width = 5895;
  int Height = 5895;
  Rgb BackColor = 0xA0A0A0;  // shows between the squares as the grid's thick lines
  int focusRequests = 0;     // each one asks the toolkit to give the box the keyboard
};

// Square k's place inside Picture1, in twips; squares run 1 to 9 row by row.
constexpr int TrayLeft(std::int16_t k) {
  return 120 + 1920 * ((k - 1) % 3);
}
constexpr int TrayTop(std::int16_t k) {
  return 120 + 1920 * ((k - 1) / 3);
}

class frmMain final : public TrayOwner {
 public:
  static constexpr std::string_view Caption = "Novemo 1.2";
  static constexpr int ClientWidth = 5955;  // twips: 397 x 431 pixels
  static constexpr int ClientHeight = 6465;

  explicit frmMain(Platform platform);
  frmMain(const frmMain&) = delete;
  frmMain& operator=(const frmMain&) = delete;

  // Controls, in the window's own order.
  Timer Timer1;
  PictureBox Picture1;
  novemo::Tray& Tray(std::int16_t k) { return *trays_[k]; }
  const novemo::Tray& Tray(std::int16_t k) const { return *trays_[k]; }
  Label Label1;
  Shape Shape2;
  Shape Shape1;
  Label lblTime;
  MenuBar Menu;

  const StateRecord& State() const { return state_; }

  // What a square calls when one of its cells is clicked.
  void ClearAllBoxes() override;
  void GetActiveTray() override;

  // Runs the handler of a menu item, as its click or shortcut does; a disabled
  // item does nothing.
  void MenuClick(MenuId id);

  // Start-up, new game, levels and shutdown.
  void Form_Load();
  void Form_Unload();
  bool Unloaded() const { return unloaded_; }  // the toolkit closes the window then
  void mnNew_Click();
  void mnEasy_Click();
  void mnDifficult_Click();
  void mnExit_Click();

  // Clock, Give Up and the test command.
  void Timer1_Timer();
  void mnGiveup_Click();
  void mntest_Click();

  // Help and About.
  void mnHow_Click();
  void mnAbout_Click();

  // Scores.
  void mnScore_Click();

  // Keyboard play. Shift: Shift 1, Ctrl 2, Alt 4, summed.
  void Picture1_KeyDown(std::int16_t KeyCode, std::int16_t Shift);
  void Picture1_LostFocus();

  // After a win or a confirmed give-up, until the next new game.
  bool GameEnded() const;

 private:
  void ResetGame();
  void GeneratePuzzle();
  void SetAllTrays();
  void StartGame();
  void ShowSolution();
  bool IsGridComplete();
  void AnnounceWin();
  void LoadScores();
  void SaveScores();
  void RecordScore(std::int16_t offset);
  // The score table in the state record, from the store and this session's wins.
  void ReadPlaces();
  LevelPlaces Places(int offset) const;
  void SavePlace(int offset, Place won);
  void Warn(const std::string& text);
  std::vector<Place>& Unsaved(int offset) { return unsaved_[offset == kDifficultOffset ? 0 : 1]; }

  Platform platform_;
  StateRecord state_;
  std::array<novemo::Tray, 9> trayStore_;
  TrayRefs trays_;
  bool unloaded_ = false;
  // Places won in this session that the store does not hold yet, per level.
  std::array<std::vector<Place>, 2> unsaved_;
  bool storedLevel_ = false;  // the level the store held at start
  bool storeProblemReported_ = false;
  int naming_ = -1;  // the level's offset while the name box for a place is open
};

}  // namespace novemo
