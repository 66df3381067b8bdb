#pragma once

// The main window on Qt: menu bar, clock, bars, hint label and the board, all
// drawn from frmMain's data. Every event goes to a frmMain handler, and the
// window redraws from the data after it.

#include <QMainWindow>
#include <QTimer>
#include <array>

#include "main_window/frmMain.h"
#include "platform/qt/QtPlatform.h"

class QLabel;
class QAction;

namespace novemo {

class BoardView;
class ShapeView;

class MainWindow final : public QMainWindow {
 public:
  explicit MainWindow(frmMain& form);

  // Brings every widget up to date with the logic's data.
  void Sync();
  // Boxes open over this window, after it is brought up to date, and leave
  // the keyboard with the board when they close.
  void HostBoxes(ModalHost& host);
  // The board takes the keyboard back, unless a box or a menu is open.
  void ReturnKeyboard();

  BoardView& Board() { return *board_; }
  QWidget& Client() { return *client_; }
  QLabel& Hint() { return *label1_; }
  QAction& Action(MenuId id) { return *actions_[static_cast<std::size_t>(id)]; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void Place(QWidget& widget, int left, int top, int width, int height);
  void PlaceHint();
  static constexpr int kHintMargin = 120;  // twips: the gap around the squares

  frmMain& form_;
  QWidget* client_ = nullptr;
  QLabel* label1_ = nullptr;
  BoardView* board_ = nullptr;
  ShapeView* shape2_ = nullptr;
  ShapeView* shape1_ = nullptr;
  QLabel* lblTime_ = nullptr;
  QTimer timer1_;
  std::array<QAction*, kMenuCount> actions_{};
  int focusRequestsSeen_ = 0;
};

}  // namespace novemo
