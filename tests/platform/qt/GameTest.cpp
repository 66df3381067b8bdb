// Whole games through the real window, offscreen: keys by QTest, dialog
// answers scripted, scores in a real settings file of the test's own.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "generator/DigitString.h"
#include "platform/Memory.h"
#include "platform/qt/BoardView.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtPlatform.h"

namespace novemo {
namespace {

struct Session {
  explicit Session(std::uint64_t seed)
      : random(seed), form(Platform{messages, input, beeper, store, random}), window(form) {
    form.Form_Load();
    window.Sync();
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  BoardView& Board() { return window.Board(); }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(&Board(), key, modifiers);
  }
  bool Won() const {
    for (const auto& shown : messages.shown) {
      if (shown.title == "Result") return true;
    }
    return false;
  }

  MemoryMessages messages;
  MemoryInput input;
  MemoryBeeper beeper;
  QtSettingsStore store;
  SeededRandom random;
  frmMain form;
  MainWindow window;
};

class RealGame : public ::testing::Test {
 protected:
  RealGame() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path()); }
  ~RealGame() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       qEnvironmentVariable("XDG_CONFIG_HOME"));
  }
  QTemporaryDir folder;
};

TEST_F(RealGame, RevealWinEnterANameAndFindThePlaceAfterARestart) {
  {
    Session game(7);
    for (int i = 0; i < 3; ++i)
      game.form.Timer1_Timer();
    game.input.answers.push_back("Ann");
    game.Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(game.Won());
    game.Key(Qt::Key_Left);
    ASSERT_TRUE(game.Won());
    ASSERT_EQ(game.input.asked.size(), 1u);
    EXPECT_NE(game.messages.shown.back().text.find("  1.  Ann - 00:03\r"), std::string::npos);
    EXPECT_EQ(game.Board().x(), 533);  // moved out of view
    game.window.close();               // the close box
  }
  Session again(8);
  again.form.mnScore_Click();
  EXPECT_NE(again.messages.shown.back().text.find("Easy\r  1.  Ann - 00:03\r"), std::string::npos);
}

TEST_F(RealGame, AfterGivingUpTheHiddenGridCannotBeWon) {
  Session game(9);
  game.messages.answers.push_back(MsgAnswer::Yes);
  QTest::keyClick(&game.window, Qt::Key_G, Qt::ControlModifier);  // Give Up by its shortcut
  ASSERT_EQ(game.messages.shown.size(), 1u);
  EXPECT_FALSE(game.form.Timer1.Enabled);
  QTest::keyClick(&game.window, Qt::Key_M, Qt::ControlModifier);  // the hidden test command
  EXPECT_TRUE(game.form.Tray(1).CheckWin());
  game.Key(Qt::Key_Right);
  game.Key(Qt::Key_Q, Qt::ControlModifier);
  game.Key(Qt::Key_Right);
  EXPECT_FALSE(game.Won());
  EXPECT_EQ(game.messages.shown.size(), 1u);
}

TEST_F(RealGame, KeysReachTheBoardAndItsCellsRedraw) {
  Session game(10);
  game.Key(Qt::Key_Up);
  game.Key(Qt::Key_Left);  // square 5, cell 1
  EXPECT_EQ(game.form.Tray(5).ActiveBox(), 1);
  const QRect frame = game.Board().FrameRect(5, 1);
  QImage image = game.window.Client().grab().toImage();
  const QPointF corner = game.Board().mapTo(&game.window.Client(), frame.topLeft());
  EXPECT_EQ(image.pixel((corner * image.devicePixelRatio()).toPoint()) & 0xFFFFFF, 0x00FF00u);
  // Tab belongs to play too, and the board keeps the keyboard.
  game.Key(Qt::Key_Tab);
  EXPECT_TRUE(game.Board().hasFocus());
  EXPECT_EQ(game.form.Tray(5).ActiveBox(), 1);
}

TEST_F(RealGame, TheBoardTakesTheKeyboardBackFromAnyOtherControl) {
  Session game(13);
  QLineEdit other(&game.window.Client());
  other.show();
  other.setFocus(Qt::MouseFocusReason);
  QApplication::processEvents();
  EXPECT_TRUE(game.Board().hasFocus());
}

TEST_F(RealGame, AKeyRepaintsOnlyTheCellsItChanged) {
  Session game(11);
  QApplication::processEvents();
  game.Key(Qt::Key_Right);
  QApplication::processEvents();
  EXPECT_EQ(game.Board().LastPaintCells(), 2);  // the old green frame and the new one
}

TEST_F(RealGame, CellsAndClockTellAScreenReaderWhatTheyShow) {
  Session game(12);
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&game.Board());
  ASSERT_NE(board, nullptr);
  ASSERT_EQ(board->childCount(), 81);
  for (int i = 0; i < 81; ++i) {
    const int row = i / 9, column = i % 9;
    const auto t = static_cast<std::int16_t>(row / 3 * 3 + column / 3 + 1);
    const auto k = static_cast<std::int16_t>(row % 3 * 3 + column % 3 + 1);
    const Tray& tray = game.form.Tray(t);
    const bool given = tray.FixNoPos() != 0 && HasDigit(tray.FixNoPos(), k);
    const QString expected =
        QStringLiteral("Row %1, column %2, ").arg(row + 1).arg(column + 1) +
        (given ? QString::number(DigitAt(tray.NoPos(), k)) + QStringLiteral(", given")
               : QStringLiteral("empty"));
    ASSERT_EQ(board->child(i)->text(QAccessible::Name), expected);
    ASSERT_EQ(board->indexOfChild(board->child(i)), i);
  }
  game.form.Timer1_Timer();
  game.window.Sync();
  QLabel* clock = nullptr;
  for (QLabel* label : game.window.Client().findChildren<QLabel*>()) {
    if (label->text() == QStringLiteral("00:01")) clock = label;
  }
  ASSERT_NE(clock, nullptr);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(clock)->text(QAccessible::Name),
            QStringLiteral("00:01"));
}

TEST_F(RealGame, MessageBoxesShowEachLineAndTheBoardIsCurrentBeforeThey) {
  ModalHost host;
  QtMessages messages(host);
  MemoryInput input;
  MemoryBeeper beeper;
  QtSettingsStore store;
  SeededRandom random(3);
  frmMain form(Platform{messages, input, beeper, store, random});
  MainWindow window(form);
  host.parent = &window;
  int syncs = 0;
  host.beforeModal = [&] {
    ++syncs;
    window.Sync();
  };
  form.Form_Load();
  window.show();

  QString shownText;
  int boardLeft = -1;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shownText = box->text();
    boardLeft = window.Board().x();
    box->button(QMessageBox::No)->click();
  });
  form.mnGiveup_Click();
  EXPECT_EQ(shownText, QStringLiteral("Are yuo sure you want to give up?"));
  EXPECT_EQ(boardLeft, 533);  // already out of view while asking
  EXPECT_EQ(syncs, 1);

  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shownText = box->text();
    box->accept();
  });
  form.mnScore_Click();
  EXPECT_TRUE(
      shownText.startsWith(QStringLiteral("Top 3 Scores\n\nDifficult\n  1.  None - 00:00\n")));
  EXPECT_FALSE(shownText.contains(QLatin1Char('\r')));
}

}  // namespace
}  // namespace novemo
