#include "platform/qt/BoardAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <array>

#include "generator/DigitString.h"
#include "platform/qt/BoardView.h"

namespace novemo {
namespace {

// Square and cell of grid index i (row by row over the whole grid).
std::pair<std::int16_t, std::int16_t> SquareAndCell(int i) {
  const int row = i / 9;
  const int column = i % 9;
  return {static_cast<std::int16_t>(row / 3 * 3 + column / 3 + 1),
          static_cast<std::int16_t>(row % 3 * 3 + column % 3 + 1)};
}

class CellAccessible final : public QAccessibleInterface {
 public:
  CellAccessible(BoardView* board, int index) : board_(board), index_(index) {}

  bool isValid() const override { return board_ != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return board_->window()->windowHandle(); }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(board_);
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override { return QAccessible::Cell; }

  QString text(QAccessible::Text kind) const override {
    if (kind != QAccessible::Name) return {};
    const auto [t, k] = SquareAndCell(index_);
    const Tray& tray = board_->Form().Tray(t);
    const QString caption = QString::fromStdString(tray.lblNo(k).Caption).trimmed();
    const bool given = tray.FixNoPos() != 0 && HasDigit(tray.FixNoPos(), k);
    //: A cell of the board as a screen reader names it: %1 its row, %2 its column (1 to 9),
    //: %3 its digit; a given digit is printed in the puzzle and cannot be changed.
    const char* name = given ? QT_TRANSLATE_NOOP("Board", "Row %1, column %2, %3, given")
                       : !caption.isEmpty()
                           ? QT_TRANSLATE_NOOP("Board", "Row %1, column %2, %3")
                           : QT_TRANSLATE_NOOP("Board", "Row %1, column %2, empty");
    return QCoreApplication::translate("Board", name)
        .arg(index_ / 9 + 1)
        .arg(index_ % 9 + 1)
        .arg(caption);
  }

  QRect rect() const override {
    const auto [t, k] = SquareAndCell(index_);
    const QRect frame = board_->FrameRect(t, k);
    return QRect(board_->mapToGlobal(frame.topLeft()), frame.size());
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    const bool hidden = !board_->isVisible() || board_->OutOfView();
    state.focusable = true;
    state.focused = parent()->focusChild() == this;
    state.invisible = hidden;
    state.offscreen = hidden;
    return state;
  }

 private:
  BoardView* board_;
  int index_;
};

class BoardAccessible final : public QAccessibleWidget {
 public:
  explicit BoardAccessible(BoardView* board)
      : QAccessibleWidget(board, QAccessible::Table,
                          //: The Sudoku grid, as a screen reader names it.
                          QCoreApplication::translate("Board", "Board")),
        board_(board) {}
  ~BoardAccessible() override {
    for (const QAccessible::Id id : cells_) {
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.invisible = state.invisible || board_->OutOfView();
    state.offscreen = state.offscreen || board_->OutOfView();
    return state;
  }
  // Where the keys go: the active cell, not the board. Screen readers that ask
  // (UI Automation's focused element), a cell's focused state and the focus
  // events that the board sends all take it from here.
  QAccessibleInterface* focusChild() const override {
    const int active = board_->ActiveIndex();
    if (active < 0 || !board_->hasFocus() || board_->OutOfView()) return nullptr;
    return child(active);
  }
  int childCount() const override { return 81; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= 81) return nullptr;
    QAccessible::Id& id = cells_[static_cast<std::size_t>(index)];
    if (id == 0) id = QAccessible::registerAccessibleInterface(new CellAccessible(board_, index));
    return QAccessible::accessibleInterface(id);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < 81; ++i) {
      if (cells_[static_cast<std::size_t>(i)] != 0 &&
          QAccessible::accessibleInterface(cells_[static_cast<std::size_t>(i)]) == child) {
        return i;
      }
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < 81; ++i) {
      if (child(i)->rect().contains(x, y)) return child(i);
    }
    return nullptr;
  }

 private:
  BoardView* board_;
  mutable std::array<QAccessible::Id, 81> cells_{};
};

}  // namespace

QAccessibleInterface* BoardAccessibleFactory(const QString&, QObject* object) {
  if (auto* board = dynamic_cast<BoardView*>(object)) return new BoardAccessible(board);
  return nullptr;
}

}  // namespace novemo
