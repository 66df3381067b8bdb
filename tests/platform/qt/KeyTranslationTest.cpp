#include "platform/qt/KeyTranslation.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

namespace novemo {
namespace {

KeyPress Translate(int key, Qt::KeyboardModifiers modifiers, const QString& text = {}) {
  const QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
  return TranslateKey(event);
}

TEST(KeyTranslation, MainRowAndKeypadDigitsAreToldApart) {
  for (int d = 0; d <= 9; ++d) {
    EXPECT_EQ(Translate(Qt::Key_0 + d, Qt::NoModifier).code, 48 + d);
    EXPECT_EQ(Translate(Qt::Key_0 + d, Qt::KeypadModifier).code, 96 + d);
  }
  // Shift on the main row still means the digit.
  const KeyPress percent = Translate(Qt::Key_Percent, Qt::ShiftModifier, QStringLiteral("%"));
  EXPECT_EQ(percent.code, 53);
  EXPECT_EQ(percent.shift, 1);
}

TEST(KeyTranslation, PlayKeysAndModifierStates) {
  EXPECT_EQ(Translate(Qt::Key_Backspace, Qt::NoModifier).code, 8);
  EXPECT_EQ(Translate(Qt::Key_Left, Qt::NoModifier).code, 37);
  EXPECT_EQ(Translate(Qt::Key_Up, Qt::NoModifier).code, 38);
  EXPECT_EQ(Translate(Qt::Key_Right, Qt::NoModifier).code, 39);
  EXPECT_EQ(Translate(Qt::Key_Down, Qt::NoModifier).code, 40);
  EXPECT_EQ(Translate(Qt::Key_Delete, Qt::NoModifier).code, 46);
  const KeyPress ctrlQ = Translate(Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(ctrlQ.code, 81);
  EXPECT_EQ(ctrlQ.shift, 2);
  EXPECT_EQ(Translate(Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier).shift, 3);
  EXPECT_EQ(Translate(Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier).shift, 6);
  // Ctrl or Shift alone are keys of their own.
  EXPECT_EQ(Translate(Qt::Key_Control, Qt::ControlModifier).code, 17);
  EXPECT_EQ(Translate(Qt::Key_Shift, Qt::ShiftModifier).code, 16);
  EXPECT_EQ(Translate(Qt::Key_F5, Qt::NoModifier).code, 0);
}

}  // namespace
}  // namespace novemo
