// The real window, offscreen: layout and colours, clicks, keys, menus and the
// boxes, with the game's own settings store.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "platform/Memory.h"
#include "platform/qt/BoardView.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtSettingsStore.h"

namespace novemo {
namespace {

// Runs events until the condition holds, for at most tries x 10 ms.
bool WaitFor(const std::function<bool()>& condition, int tries = 100) {
  for (int i = 0; i < tries && !condition(); ++i)
    QTest::qWait(10);
  return condition();
}

// The game in its window, with real message and input boxes when asked for.
class RealWindow : public ::testing::Test {
 protected:
  explicit RealWindow(bool realBoxes = false)
      : platform{realBoxes ? static_cast<MessageDialog&>(boxes) : memory.messages,
                 realBoxes ? static_cast<InputDialog&>(nameBox) : memory.input,
                 memory.beeper,
                 store,
                 memory.random,
                 *memory.language} {
    window.HostBoxes(host);
    form.Form_Load();
    window.Sync();
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  BoardView& Board() { return window.Board(); }
  // The colour at a point of the board, in device pixels (twice as many at scale factor 2).
  QRgb Pixel(QPoint boardPoint) {
    const QImage image = window.Client().grab().toImage();
    const QPointF point = Board().mapTo(&window.Client(), boardPoint) * image.devicePixelRatio();
    return image.pixel(point.toPoint()) & 0xFFFFFF;
  }
  bool Green(int t, int k) { return Pixel(Board().FrameRect(t, k).topLeft()) == 0x00FF00; }
  // The window's keys go to the board. (Offscreen, a closed popup or box keeps
  // the application's activation, so the window's own focus widget is asked.)
  bool BoardHasKeys() {
    return WaitFor([this] { return window.focusWidget() == &Board(); });
  }

  QTemporaryDir folder;
  MemoryPlatform memory;
  QtSettingsStore store{folder.path()};
  ModalHost host;
  QtMessages boxes{host};
  QtInput nameBox{host};
  Platform platform;
  frmMain form{platform};
  MainWindow window{form};
};

TEST_F(RealWindow, ClientAreaIsFixedAndSquaresShowTheirColours) {
  EXPECT_EQ(window.Client().size(), QSize(397, 431));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Novemo 1.2"));
  EXPECT_EQ(window.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                    Qt::WindowMaximizeButtonHint),
            Qt::WindowCloseButtonHint);
  EXPECT_EQ(Board().geometry(), QRect(0, 32, 393, 393));
  EXPECT_EQ(Board().FrameRect(9, 9), QRect(344, 344, 40, 40));  // squares in order, row by row
  EXPECT_FALSE(window.Action(MenuId::mnHelpers).isVisible());   // its shortcut still works
  EXPECT_EQ(window.Action(MenuId::mntest).shortcut(), QKeySequence(QStringLiteral("Ctrl+M")));
  EXPECT_EQ(window.Action(MenuId::mnFile).menu()->actions().size(), 6);  // two separators
  EXPECT_TRUE(window.Action(MenuId::mnEasy).isChecked());                // a new player's level
  for (std::int16_t t = 1; t <= 9; ++t) {
    for (std::int16_t k = 1; k <= 9; ++k) {
      // Below the digit dark grey; the frame, all round, green on the active cell only.
      const QRect frame = Board().FrameRect(t, k);
      EXPECT_EQ(Pixel(frame.bottomRight() - QPoint(2, 2)), 0x404040u);
      const QPoint middle = frame.center();
      for (const QPoint edge :
           {QPoint(frame.left(), middle.y()), QPoint(frame.right(), middle.y()),
            QPoint(middle.x(), frame.top()), QPoint(middle.x(), frame.bottom())})
        EXPECT_EQ(Pixel(edge), t == 5 && k == 5 ? 0x00FF00u : 0u);
    }
  }
  // The clock runs, though keys come every 10 ms.
  EXPECT_TRUE(WaitFor(
      [this] {
        QTest::keyClick(window.focusWidget(), Qt::Key_Left);
        return form.State().ElapsedTime > 0;
      },
      300));
  memory.messages.answers.push_back(MsgAnswer::Yes);  // and stops with a game given up
  window.Action(MenuId::mnGiveup).trigger();
  EXPECT_FALSE(window.Action(MenuId::mnGiveup).isEnabled());
  const double stopped = form.State().ElapsedTime;
  EXPECT_FALSE(WaitFor([&] { return form.State().ElapsedTime != stopped; }, 150));
}

// A click is a press and a release on one cell's label; keys go to the board,
// which keeps them, and repaint only what changed.
TEST_F(RealWindow, ClicksAndKeysReachTheBoardWhichKeepsThem) {
  QTest::mouseClick(&Board(), Qt::LeftButton, {}, Board().LabelRect(4, 9).center());
  const QRect strip = Board().FrameRect(9, 1);  // two pixels left of a label, three below
  QTest::mouseClick(&Board(), Qt::LeftButton, {}, strip.topLeft() + QPoint(1, 20));
  QTest::mouseClick(&Board(), Qt::LeftButton, {}, strip.bottomLeft() + QPoint(20, -1));
  QTest::mousePress(&Board(), Qt::LeftButton, {}, Board().LabelRect(9, 1).center());
  QTest::mouseRelease(&Board(), Qt::LeftButton, {}, Board().LabelRect(9, 2).center());
  EXPECT_TRUE(Green(4, 9) && !Green(5, 5) && !Green(9, 1) && !Green(9, 2));
  QTest::mouseClick(&Board(), Qt::LeftButton, {}, Board().LabelRect(9, 9).topLeft());
  QApplication::processEvents();
  QTest::keyClick(window.focusWidget(), Qt::Key_Up);  // square 9, cell 6
  QApplication::processEvents();
  EXPECT_EQ(Board().LastPaintCells(), 2);  // the old green frame and the new one
  EXPECT_TRUE(Green(9, 6) && !Green(4, 9));
  QLineEdit other(&window.Client());  // another control of the window takes the keyboard
  other.show();
  other.setFocus(Qt::MouseFocusReason);
  EXPECT_TRUE(BoardHasKeys());
  window.menuBar()->setActiveAction(&window.Action(MenuId::mnLevel));  // a menu closed with Escape
  ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
  EXPECT_TRUE(BoardHasKeys() && window.menuBar()->activeAction() == nullptr);
}

class RealBoxes : public RealWindow {
 protected:
  RealBoxes() : RealWindow(true) {}
  // Runs `answer` on the next box as soon as it is open.
  template <class Box>
  void OnNextBox(std::function<void(Box&)> answer) {
    QTimer::singleShot(0, [answer] {
      auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      answer(*box);
    });
  }
};

// Each box opens over an up-to-date window, shows its texts as lines, and
// leaves the keyboard with the board.
TEST_F(RealBoxes, TheGiveUpQuestionAndTheNameBox) {
  int boardLeft = -1;
  OnNextBox<QMessageBox>([&](QMessageBox& box) {
    EXPECT_EQ(box.text(), QStringLiteral("Are yuo sure you want to give up?"));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Give Up"));
    EXPECT_EQ(static_cast<QAbstractButton*>(box.defaultButton()), box.button(QMessageBox::Yes));
    boardLeft = Board().x();
    box.button(QMessageBox::No)->click();
  });
  window.Action(MenuId::mnGiveup).trigger();
  // Out of view as the question is asked; back, with the keys, for No.
  EXPECT_TRUE(boardLeft == 533 && Board().x() == 0 && BoardHasKeys());

  OnNextBox<QInputDialog>([](QInputDialog& box) {
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Name"));
    EXPECT_EQ(box.labelText(),
              QStringLiteral("You have reached the top 3 Scores\nPlease enter your name."));
    box.setTextValue(QStringLiteral("Typed"));
    box.reject();  // cancelled: no name
  });
  EXPECT_EQ(nameBox.Ask("You have reached the top 3 Scores\rPlease enter your name.", "Name"), "");
  EXPECT_TRUE(BoardHasKeys());
}

}  // namespace
}  // namespace novemo
