#include "platform/qt/MainWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMenuBar>
#include <QTest>
#include <functional>

#include "platform/Memory.h"
#include "platform/qt/BoardView.h"

namespace novemo {
namespace {

class RealWindow : public ::testing::Test {
 protected:
  RealWindow() : form(memory.platform()), window(form) {
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }

  QImage Shot() { return window.Client().grab().toImage(); }
  // The image has device pixels: twice as many at scale factor 2.
  QRgb PixelOfBoard(QImage const& image, QPoint boardPoint) {
    const QPointF point = window.Board().mapTo(&window.Client(), boardPoint);
    return image.pixel((point * image.devicePixelRatio()).toPoint()) & 0xFFFFFF;
  }
  int GreenFrames(QImage const& image) {
    int count = 0;
    for (std::int16_t t = 1; t <= 9; ++t) {
      for (std::int16_t k = 1; k <= 9; ++k) {
        if (PixelOfBoard(image, window.Board().FrameRect(t, k).topLeft()) == 0x00FF00) ++count;
      }
    }
    return count;
  }

  MemoryPlatform memory;
  frmMain form;
  MainWindow window;
};

TEST_F(RealWindow, ClientAreaIsFixedBelowTheMenuBar) {
  EXPECT_EQ(window.Client().size(), QSize(397, 431));
  // Device pixels follow the scale factor; the layout above does not.
  EXPECT_DOUBLE_EQ(Shot().devicePixelRatio(),
                   qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Novemo 1.2"));
  EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(window.Board().geometry(), QRect(0, 32, 393, 393));
  // The Helpers menu stays out of the bar, but its item keeps its shortcut.
  EXPECT_FALSE(window.Action(MenuId::mnHelpers).isVisible());
  EXPECT_EQ(window.Action(MenuId::mntest).shortcut(), QKeySequence(QStringLiteral("Ctrl+M")));
}

TEST_F(RealWindow, SquaresShowTheirFillAndBorderColours) {
  const QImage image = Shot();
  for (std::int16_t t = 1; t <= 9; ++t) {
    for (std::int16_t k = 1; k <= 9; ++k) {
      const QRect frame = window.Board().FrameRect(t, k);
      EXPECT_EQ(PixelOfBoard(image, frame.center()), 0x404040u);
      EXPECT_EQ(PixelOfBoard(image, frame.topLeft()), 0x000000u);
    }
  }
  EXPECT_EQ(GreenFrames(image), 0);
}

TEST_F(RealWindow, ClickOnACellFramesExactlyThatCellAndTheStripDoesNothing) {
  BoardView& board = window.Board();
  QTest::mouseClick(&board, Qt::LeftButton, {}, board.LabelRect(4, 7).center());
  QImage image = Shot();
  EXPECT_EQ(GreenFrames(image), 1);
  EXPECT_EQ(PixelOfBoard(image, board.FrameRect(4, 7).topLeft()), 0x00FF00u);
  EXPECT_EQ(form.State().ActiveTray, 4);

  // The two-pixel strip left of a label and the three-pixel strip below it belong to the frame.
  const QRect other = board.FrameRect(9, 1);
  QTest::mouseClick(&board, Qt::LeftButton, {}, other.topLeft() + QPoint(1, 20));
  QTest::mouseClick(&board, Qt::LeftButton, {}, other.bottomLeft() + QPoint(20, -1));
  image = Shot();
  EXPECT_EQ(GreenFrames(image), 1);
  EXPECT_EQ(PixelOfBoard(image, board.FrameRect(4, 7).topLeft()), 0x00FF00u);

  QTest::mouseClick(&board, Qt::LeftButton, {}, board.LabelRect(9, 1).topLeft());
  image = Shot();
  EXPECT_EQ(GreenFrames(image), 1);
  EXPECT_EQ(PixelOfBoard(image, other.topLeft()), 0x00FF00u);
}

// Runs events until the condition holds, for at most a second.
bool WaitFor(const std::function<bool()>& condition) {
  for (int i = 0; i < 100 && !condition(); ++i)
    QTest::qWait(10);
  return condition();
}

// Keys go to the window's focus widget. (Offscreen, a closed popup or box
// keeps the application's activation, so the window is activated again as a
// desktop does.)
TEST_F(RealWindow, AMenuClosedWithEscapeLeavesTheArrowsToTheBoard) {
  form.Form_Load();
  window.Sync();
  for (const MenuId menu : {MenuId::mnLevel, MenuId::mnFile}) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.menuBar()->setActiveAction(&window.Action(menu));
    ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    EXPECT_TRUE(WaitFor([this] { return window.focusWidget() == &window.Board(); }));
    EXPECT_EQ(window.menuBar()->activeAction(), nullptr);  // out of its keyboard mode
    const auto before = std::pair(form.State().ActiveTray, form.State().ActiveCell);
    QTest::keyClick(window.focusWidget(), Qt::Key_Left);
    EXPECT_NE(std::pair(form.State().ActiveTray, form.State().ActiveCell), before);
  }
}

}  // namespace
}  // namespace novemo
