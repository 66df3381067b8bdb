#pragma once

// Picture1: draws the nine squares from the logic's data and feeds clicks,
// keys and focus changes back into the window's handlers.

#include <QFont>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "main_window/frmMain.h"
#include "tray/BoardPalette.h"

namespace novemo {

class BoardView final : public QWidget {
 public:
  BoardView(frmMain& form, QWidget* parent);

  // Repaints exactly the cells whose look changed since they were last drawn.
  void Sync();
  // Runs after every event this view hands to the logic.
  std::function<void()> afterEvent;
  // Draws the whole board in these colours from now on; the game is untouched.
  void SetPalette(const BoardPalette& palette);

  const frmMain& Form() const { return form_; }
  // Moved beyond the window's client area: the player sees none of its cells.
  bool OutOfView() const;
  // The active cell as a grid index (row by row over the whole grid, as the
  // board's accessible cells are numbered), or -1 when none is.
  int ActiveIndex() const;
  // Cells painted by the last paint event: a key press repaints only what changed.
  int LastPaintCells() const { return lastPaintCells_; }

  // Pixel rectangles inside the board, for square t and cell k.
  QRect FrameRect(std::int16_t t, std::int16_t k) const;
  QRect LabelRect(std::int16_t t, std::int16_t k) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  struct CellLook {
    std::string caption;
    Rgb fore = 0;
    Rgb border = 0;
    std::int16_t borderWidth = 0;
    Rgb fill = 0;
    friend bool operator==(const CellLook&, const CellLook&) = default;
  };
  CellLook LookOf(std::int16_t t, std::int16_t k) const;
  // The square and cell whose label holds the point, if any.
  bool LabelAt(QPoint point, std::int16_t& t, std::int16_t& k) const;

  frmMain& form_;
  QFont digitFont_;
  QFont regularFont_;
  BoardPalette palette_ = kStandardPalette;
  std::array<CellLook, 81> painted_{};
  int focusedCell_ = -1;  // grid index, as last told to assistive technology
  bool outOfView_ = false;
  int lastPaintCells_ = 0;
  std::int16_t pressedTray_ = 0;
  std::int16_t pressedCell_ = 0;
};

}  // namespace novemo
