#include "platform/qt/BoardView.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "platform/qt/KeyTranslation.h"

namespace novemo {
namespace {

QColor ToColor(Rgb rgb) {
  return QColor::fromRgb(static_cast<QRgb>(rgb));
}

std::size_t CellIndex(std::int16_t t, std::int16_t k) {
  return static_cast<std::size_t>((t - 1) * 9 + (k - 1));
}

// Square t's cell k, counted row by row over the whole grid from 0.
int GridIndex(std::int16_t t, std::int16_t k) {
  return (3 * ((t - 1) / 3) + (k - 1) / 3) * 9 + 3 * ((t - 1) % 3) + (k - 1) % 3;
}

QPoint TrayOrigin(std::int16_t t) {
  return {TwipsToPixels(TrayLeft(t)), TwipsToPixels(TrayTop(t))};
}

}  // namespace

BoardView::BoardView(frmMain& form, QWidget* parent) : QWidget(parent), form_(form) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // A bold 24-point sans face: 32 pixels at 96 dots per inch.
  digitFont_.setStyleHint(QFont::SansSerif);
  digitFont_.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Arial"),
                          QStringLiteral("Helvetica"), QStringLiteral("Sans Serif")});
  digitFont_.setPixelSize(32);
  digitFont_.setWeight(QFont::Bold);
  regularFont_ = digitFont_;
  regularFont_.setWeight(QFont::Normal);
  for (std::int16_t t = 1; t <= 9; ++t) {
    for (std::int16_t k = 1; k <= 9; ++k)
      painted_[CellIndex(t, k)] = LookOf(t, k);
  }
}

QRect BoardView::FrameRect(std::int16_t t, std::int16_t k) const {
  const Shape& box = form_.Tray(t).Box(k);
  return {TrayOrigin(t) + QPoint(box.Left, box.Top), QSize(box.Width, box.Height)};
}

QRect BoardView::LabelRect(std::int16_t t, std::int16_t k) const {
  const Label& label = form_.Tray(t).lblNo(k);
  return {TrayOrigin(t) + QPoint(label.Left, label.Top), QSize(label.Width, label.Height)};
}

BoardView::CellLook BoardView::LookOf(std::int16_t t, std::int16_t k) const {
  const Tray& tray = form_.Tray(t);
  const Label& label = tray.lblNo(k);
  const Shape& box = tray.Box(k);
  return CellLook{label.Caption, label.ForeColor, box.BorderColor, box.BorderWidth, box.FillColor};
}

void BoardView::SetPalette(const BoardPalette& palette) {
  if (palette == palette_) return;
  palette_ = palette;
  update();
}

bool BoardView::OutOfView() const {
  return parentWidget() != nullptr && !parentWidget()->rect().intersects(geometry());
}

int BoardView::ActiveIndex() const {
  for (std::int16_t t = 1; t <= 9; ++t) {
    const std::int16_t k = form_.Tray(t).ActiveBox();
    if (k >= 1 && k <= 9) return GridIndex(t, k);
  }
  return -1;
}

void BoardView::Sync() {
  for (std::int16_t t = 1; t <= 9; ++t) {
    for (std::int16_t k = 1; k <= 9; ++k) {
      CellLook look = LookOf(t, k);
      CellLook& painted = painted_[CellIndex(t, k)];
      if (look == painted) continue;
      painted = std::move(look);
      update(FrameRect(t, k));
      if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        event.setChild(GridIndex(t, k));
        QAccessible::updateAccessibility(&event);
      }
    }
  }
  if (!QAccessible::isActive()) return;
  // A screen reader hears the board go and come as the eye sees it, and
  // follows the green frame.
  if (OutOfView() != outOfView_) {
    outOfView_ = OutOfView();
    QAccessibleEvent event(this, outOfView_ ? QAccessible::ObjectHide : QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
  }
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(this);
  const int focused = board->indexOfChild(board->focusChild());
  if (focused != focusedCell_ && focused >= 0) {
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(focused);
    QAccessible::updateAccessibility(&event);
  }
  focusedCell_ = focused;
}

void BoardView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // A digit's text (a space, then the digit) has no direction of its own: it
  // would take the application's, and a right-to-left one moves the digit.
  painter.setLayoutDirection(Qt::LeftToRight);
  const QRect dirty = event->rect();
  painter.fillRect(dirty, ToColor(Drawn(palette_, form_.Picture1.BackColor)));
  lastPaintCells_ = 0;
  for (std::int16_t t = 1; t <= 9; ++t) {
    for (std::int16_t k = 1; k <= 9; ++k) {
      const QRect frame = FrameRect(t, k);
      if (!frame.intersects(dirty)) continue;
      ++lastPaintCells_;
      const Tray& tray = form_.Tray(t);
      const Shape box = Drawn(palette_, tray.Box(k));
      const Label label = Drawn(palette_, tray.lblNo(k));
      painter.setFont(DrawnBold(palette_, tray.lblNo(k)) ? digitFont_ : regularFont_);
      // The border lies inside the frame's own square.
      const int width = std::max<int>(box.BorderWidth, 1);
      painter.fillRect(frame, ToColor(box.BorderColor));
      painter.fillRect(frame.adjusted(width, width, -width, -width), ToColor(box.FillColor));
      if (!label.Caption.empty()) {
        const QRect text = LabelRect(t, k);
        painter.save();
        painter.setClipRect(text);
        painter.setPen(ToColor(label.ForeColor));
        painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                         QString::fromStdString(label.Caption));
        painter.restore();
      }
    }
  }
}

bool BoardView::LabelAt(QPoint point, std::int16_t& t, std::int16_t& k) const {
  for (std::int16_t tt = 1; tt <= 9; ++tt) {
    for (std::int16_t kk = 1; kk <= 9; ++kk) {
      if (LabelRect(tt, kk).contains(point)) {
        t = tt;
        k = kk;
        return true;
      }
    }
  }
  return false;
}

void BoardView::mousePressEvent(QMouseEvent* event) {
  pressedTray_ = 0;
  pressedCell_ = 0;
  if (event->button() == Qt::LeftButton) {
    LabelAt(event->position().toPoint(), pressedTray_, pressedCell_);
  }
  QWidget::mousePressEvent(event);
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
  // A click is a press and a release on the same cell label.
  std::int16_t t = 0;
  std::int16_t k = 0;
  if (event->button() == Qt::LeftButton && pressedCell_ != 0 &&
      LabelAt(event->position().toPoint(), t, k) && t == pressedTray_ && k == pressedCell_) {
    form_.Tray(t).lblNo_Click(k);
    if (afterEvent) afterEvent();
  }
  pressedTray_ = 0;
  pressedCell_ = 0;
  QWidget::mouseReleaseEvent(event);
}

void BoardView::keyPressEvent(QKeyEvent* event) {
  const KeyPress key = TranslateKey(*event);
  form_.Picture1_KeyDown(key.code, key.shift);
  event->accept();
  if (afterEvent) afterEvent();
}

void BoardView::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // Qt tells assistive technology that the board has the focus once this
  // returns; the active cell is told after that, so that a screen reader
  // names the cell (Qt's AT-SPI bridge does not ask the board which).
  focusedCell_ = -1;
  QMetaObject::invokeMethod(this, &BoardView::Sync, Qt::QueuedConnection);
}

void BoardView::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  // Focus that leaves with the whole window (another window, a box, the menu)
  // comes back by itself; only a control of this window taking it counts.
  switch (event->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
      return;
    default:
      form_.Picture1_LostFocus();
      if (afterEvent) afterEvent();
  }
}

// Tab and Backtab are keys of play like any other.
bool BoardView::focusNextPrevChild(bool) {
  return false;
}

}  // namespace novemo
