#include "platform/qt/MainWindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <algorithm>

#include "platform/qt/BoardAccessible.h"
#include "platform/qt/BoardView.h"

namespace novemo {

// A rectangle shape: solid fill inside its border.
class ShapeView final : public QWidget {
 public:
  ShapeView(const Shape& shape, QWidget* parent) : QWidget(parent), shape_(shape) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const int width = std::max<int>(shape_.BorderWidth, 1);
    painter.fillRect(rect(), QColor::fromRgb(static_cast<QRgb>(shape_.BorderColor)));
    painter.fillRect(rect().adjusted(width, width, -width, -width),
                     QColor::fromRgb(static_cast<QRgb>(shape_.FillColor)));
  }

 private:
  const Shape& shape_;
};

MainWindow::MainWindow(frmMain& form) : form_(form) {
  static const bool accessible = [] {
    QAccessible::installFactory(BoardAccessibleFactory);
    return true;
  }();
  (void)accessible;
  setWindowTitle(
      QString::fromUtf8(frmMain::Caption.data(), static_cast<qsizetype>(frmMain::Caption.size())));
  // A fixed border with a close box only.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  // Decoding the icon loads Qt's image plugins: done once the window is up,
  // so it does not hold back the first sight of the window.
  QTimer::singleShot(0, this, [this] {
    QIcon icon;
    icon.addFile(QStringLiteral(":/novemo/icon-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/novemo/icon-32.png"), QSize(32, 32));
    setWindowIcon(icon);
  });

  client_ = new QWidget(this);
  client_->setFixedSize(TwipsToPixels(frmMain::ClientWidth), TwipsToPixels(frmMain::ClientHeight));
  setCentralWidget(client_);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  // Created bottom first: the board covers the hint label while in view.
  label1_ = new QLabel(client_);
  PlaceHint();

  board_ = new BoardView(form_, client_);
  board_->afterEvent = [this] { Sync(); };

  shape2_ = new ShapeView(form_.Shape2, client_);
  Place(*shape2_, form_.Shape2.Left, form_.Shape2.Top, form_.Shape2.Width, form_.Shape2.Height);
  shape1_ = new ShapeView(form_.Shape1, client_);
  Place(*shape1_, form_.Shape1.Left, form_.Shape1.Top, form_.Shape1.Width, form_.Shape1.Height);

  lblTime_ = new QLabel(client_);
  lblTime_->setAccessibleDescription(
      QCoreApplication::translate("Board", "Game time, minutes and seconds"));
  QFont clockFont;
  clockFont.setStyleHint(QFont::SansSerif);
  clockFont.setPixelSize(18);  // 13.5 points
  lblTime_->setFont(clockFont);
  lblTime_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  timer1_.setTimerType(Qt::CoarseTimer);
  connect(&timer1_, &QTimer::timeout, this, [this] {
    form_.Timer1_Timer();
    Sync();
  });
  BuildMenus();
  Sync();
  board_->setFocus(Qt::OtherFocusReason);
}

// The hint in the 8-point dialog font, a pixel smaller where the face at hand
// is wider than the label. A translation that does not fit even so wraps, in
// the dialog font, onto lines across the room the board frees: the hint is
// seen only while the board is out of view.
void MainWindow::PlaceHint() {
  const Label& hint = form_.Label1;
  const QString text = QString::fromStdString(hint.Caption);
  QFont font = label1_->font();
  for (int pixels = 11; pixels >= 9; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetrics(font).horizontalAdvance(text) <= TwipsToPixels(hint.Width)) break;
  }
  label1_->setText(text);
  if (QFontMetrics(font).horizontalAdvance(text) <= TwipsToPixels(hint.Width)) {
    label1_->setFont(font);
    Place(*label1_, hint.Left, hint.Top, hint.Width, hint.Height);
    return;
  }
  font.setPixelSize(11);
  label1_->setFont(font);
  label1_->setWordWrap(true);
  label1_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  const PictureBox& board = form_.Picture1;
  const QRect room(TwipsToPixels(board.Left + kHintMargin), TwipsToPixels(hint.Top),
                   TwipsToPixels(board.Width - 2 * kHintMargin), 0);
  label1_->setGeometry(room.adjusted(0, 0, 0, label1_->heightForWidth(room.width())));
}

void MainWindow::Place(QWidget& widget, int left, int top, int width, int height) {
  widget.setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                     TwipsToPixels(height));
}

void MainWindow::BuildMenus() {
  std::array<QMenu*, kMenuCount> menus{};
  for (const MenuItem& item : form_.Menu.Items()) {
    const auto index = static_cast<std::size_t>(item.id);
    const QString caption =
        QString::fromUtf8(item.caption.data(), static_cast<qsizetype>(item.caption.size()));
    if (item.TopLevel()) {
      menus[index] = menuBar()->addMenu(caption);
      actions_[index] = menus[index]->menuAction();
      // A menu closed without running an item (Escape, a click elsewhere)
      // would leave the menu bar holding the arrow keys.
      connect(menus[index], &QMenu::aboutToHide, this,
              [this] { QTimer::singleShot(0, this, &MainWindow::ReturnKeyboard); });
      continue;
    }
    QMenu* menu = menus[static_cast<std::size_t>(item.parent)];
    if (item.separator) {
      actions_[index] = menu->addSeparator();
      continue;
    }
    QAction* action = menu->addAction(caption);
    if (!item.shortcut.empty()) {
      action->setShortcut(QKeySequence(
          QString::fromUtf8(item.shortcut.data(), static_cast<qsizetype>(item.shortcut.size()))));
      // The window holds every shortcut too, so items of a hidden menu still answer.
      addAction(action);
    }
    action->setCheckable(item.id == MenuId::mnEasy || item.id == MenuId::mnDifficult);
    const MenuId id = item.id;
    connect(action, &QAction::triggered, this, [this, id] {
      form_.MenuClick(id);
      Sync();
      ReturnKeyboard();
    });
    actions_[index] = action;
  }
}

void MainWindow::Sync() {
  if (form_.Unloaded()) {
    timer1_.stop();
    close();
    return;
  }
  for (const MenuItem& item : form_.Menu.Items()) {
    QAction* action = actions_[static_cast<std::size_t>(item.id)];
    action->setVisible(item.Visible);
    action->setEnabled(item.Enabled);
    if (action->isCheckable()) action->setChecked(item.Checked);
  }

  const PictureBox& picture = form_.Picture1;
  Place(*board_, picture.Left, picture.Top, picture.Width, picture.Height);
  board_->Sync();

  const QString clock = QString::fromStdString(form_.lblTime.Caption);
  if (lblTime_->text() != clock) {
    lblTime_->setText(clock);
    lblTime_->adjustSize();  // the clock label sizes itself to its text
    lblTime_->move(TwipsToPixels(form_.lblTime.Left), TwipsToPixels(form_.lblTime.Top));
    lblTime_->resize(lblTime_->width(), TwipsToPixels(form_.lblTime.Height));
  }

  if (form_.Timer1.Enabled != timer1_.isActive() || timer1_.interval() != form_.Timer1.Interval) {
    if (form_.Timer1.Enabled) {
      timer1_.start(form_.Timer1.Interval);
    } else {
      timer1_.stop();
    }
  }

  if (picture.focusRequests != focusRequestsSeen_) {
    focusRequestsSeen_ = picture.focusRequests;
    board_->setFocus(Qt::OtherFocusReason);
  }
}

void MainWindow::HostBoxes(ModalHost& host) {
  host.parent = this;
  host.beforeModal = [this] { Sync(); };
  host.afterModal = [this] {
    // Without a window manager nobody else gives the window its keys back.
    activateWindow();
    ReturnKeyboard();
  };
}

void MainWindow::ReturnKeyboard() {
  if (form_.Unloaded() || QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
    return;
  }
  board_->setFocus(Qt::OtherFocusReason);
  // The menu bar leaves its keyboard mode as it loses the focus; when the
  // window is not the active one just now, that loss has to be told.
  if (menuBar()->activeAction() != nullptr) {
    QFocusEvent leave(QEvent::FocusOut, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(menuBar(), &leave);
  }
}

// The close box unloads the window exactly as File > Exit does.
void MainWindow::closeEvent(QCloseEvent* event) {
  form_.Form_Unload();
  timer1_.stop();
  event->accept();
}

}  // namespace novemo
