// Whole games through the real window, offscreen: keys by QTest, dialog
// answers scripted, scores in a real settings file of the test's own.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "generator/DigitString.h"
#include "platform/Memory.h"
#include "platform/qt/BoardView.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtSettingsStore.h"
#include "scores/ScoreTable.h"

namespace novemo {
namespace {

struct Session {
  Session(std::uint64_t seed, const QString& config)
      : store(config),
        random(seed),
        form(Platform{messages, input, beeper, store, random}),
        window(form) {
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
  QTemporaryDir folder;
};

TEST_F(RealGame, RevealWinEnterANameAndFindThePlaceAfterARestart) {
  {
    Session game(7, folder.path());
    for (int i = 0; i < 3; ++i)
      game.form.Timer1_Timer();
    game.input.answers.push_back("Ann");
    game.Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(game.Won());
    game.Key(Qt::Key_Left);
    ASSERT_TRUE(game.Won());
    ASSERT_EQ(game.input.asked.size(), 1u);
    EXPECT_NE(game.messages.shown.back().text.find("  1.  \u2068Ann\u2069 - 00:03\r"),
              std::string::npos);
    EXPECT_EQ(game.Board().x(), 533);  // moved out of view
    game.window.close();               // the close box
  }
  Session again(8, folder.path());
  again.form.mnScore_Click();
  EXPECT_NE(again.messages.shown.back().text.find("Easy\r  1.  \u2068Ann\u2069 - 00:03\r"),
            std::string::npos);
}

TEST_F(RealGame, AfterGivingUpTheHiddenGridCannotBeWon) {
  Session game(9, folder.path());
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
  Session game(10, folder.path());
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
  Session game(13, folder.path());
  QLineEdit other(&game.window.Client());
  other.show();
  other.setFocus(Qt::MouseFocusReason);
  QApplication::processEvents();
  EXPECT_TRUE(game.Board().hasFocus());
}

TEST_F(RealGame, AKeyRepaintsOnlyTheCellsItChanged) {
  Session game(11, folder.path());
  QApplication::processEvents();
  game.Key(Qt::Key_Right);
  QApplication::processEvents();
  EXPECT_EQ(game.Board().LastPaintCells(), 2);  // the old green frame and the new one
}

TEST_F(RealGame, CellsAndClockTellAScreenReaderWhatTheyShow) {
  Session game(12, folder.path());
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

// The game with the real message and input boxes.
class RealBoxes : public ::testing::Test {
 protected:
  RealBoxes() {
    window.HostBoxes(host);
    form.Form_Load();
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  // Runs `answer` on the next box as soon as it is open.
  template <class Box>
  void OnNextBox(std::function<void(Box&)> answer) {
    QTimer::singleShot(0, [answer] {
      auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      answer(*box);
    });
  }
  // The board has the keys of the window (offscreen, a closed box keeps the
  // application's activation).
  bool BoardHasKeys() {
    QApplication::processEvents();
    return window.focusWidget() == &window.Board();
  }

  QTemporaryDir folder;
  ModalHost host;
  QtMessages messages{host};
  QtInput input{host};
  MemoryBeeper beeper;
  QtSettingsStore store{folder.path()};
  SeededRandom random{3};
  frmMain form{Platform{messages, input, beeper, store, random}};
  MainWindow window{form};
};

TEST_F(RealBoxes, TheGiveUpQuestionComesWithTheBoardAlreadyOutOfView) {
  int boardLeft = -1;
  OnNextBox<QMessageBox>([&](QMessageBox& box) {
    EXPECT_EQ(box.text(), QStringLiteral("Are yuo sure you want to give up?"));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Give Up"));
    EXPECT_EQ(static_cast<QAbstractButton*>(box.defaultButton()), box.button(QMessageBox::Yes));
    boardLeft = window.Board().x();
    box.button(QMessageBox::No)->click();
  });
  form.mnGiveup_Click();
  EXPECT_EQ(boardLeft, 533);  // the window was brought up to date before the box
  EXPECT_TRUE(BoardHasKeys());
}

TEST_F(RealBoxes, TheNameBoxAsksOnTwoLinesAndCancelGivesNoName) {
  const std::string prompt = "You have reached the top 3 Scores\rPlease enter your name.";
  OnNextBox<QInputDialog>([](QInputDialog& box) {
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Name"));
    EXPECT_EQ(box.labelText(),
              QStringLiteral("You have reached the top 3 Scores\nPlease enter your name."));
    EXPECT_EQ(box.textValue(), QString());
    box.setTextValue(QStringLiteral("Typed"));
    box.reject();
  });
  EXPECT_EQ(input.Ask(prompt, "Name"), "");
  OnNextBox<QInputDialog>([](QInputDialog& box) {
    box.setTextValue(QStringLiteral("Zo\u00eb \u6f22"));
    box.accept();
  });
  EXPECT_EQ(input.Ask(prompt, "Name"), "Zo\u00eb \u6f22");
  EXPECT_TRUE(BoardHasKeys());
}

TEST_F(RealBoxes, TheTableKeepsEveryPlaceOnOneLineReadingLeftToRight) {
  store.Lock("Novemo");
  WritePlaces(store, kEasyOffset,
              {Place{std::string(300, 'W'), 4 / 86400.0}, Place{"two\nlines", 5 / 86400.0},
               Place{"\u05e9\u05dc\u05d5\u05dd", 6 / 86400.0}});
  ASSERT_TRUE(store.Commit().ok);
  OnNextBox<QMessageBox>([this](QMessageBox& box) {
    const QStringList lines = box.text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 12);  // eleven lines, each ended
    for (const QString& line : lines)
      EXPECT_FALSE(line.isRightToLeft()) << line.toStdString();
    EXPECT_TRUE(lines[10].startsWith(QStringLiteral("  3.  \u2068\u05e9")));
    EXPECT_LE(box.width(), window.width() * 3 / 2);
    box.accept();
  });
  form.mnScore_Click();
  EXPECT_TRUE(BoardHasKeys());
}

}  // namespace
}  // namespace novemo
