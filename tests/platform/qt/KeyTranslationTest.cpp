#include "platform/qt/KeyTranslation.h"

#include <gtest/gtest.h>

#include <array>

namespace novemo {
namespace {

struct Desktop {
  NativeKeys native;
  bool scanCodes;                   // X11 and Wayland: scan codes; otherwise virtual keys
  std::array<quint32, 10> mainRow;  // native code of 0..9 on the main row
  std::array<quint32, 10> keypad;
  quint32 q, period, alt;  // native codes of Q, "." and Alt
};

// Evdev codes plus 8 on X11 and Wayland, VK_ codes on Windows, kVK_ codes on macOS.
// clang-format off
const Desktop kDesktops[] = {
    {NativeKeys::Xkb, true, {19, 10, 11, 12, 13, 14, 15, 16, 17, 18}, {90, 87, 88, 89, 83, 84, 85, 79, 80, 81}, 24, 60, 64},
    {NativeKeys::Windows, false, {0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39},
                                 {0x60, 0x61, 0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69}, 0x51, 0xBE, 0x12},
    {NativeKeys::Mac, false, {0x1D, 0x12, 0x13, 0x14, 0x15, 0x17, 0x16, 0x1A, 0x1C, 0x19},
                             {0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5B, 0x5C}, 0x0C, 0x2F, 0x3A}};
// What Shift makes of 0..9 on a US keyboard: the key alone cannot tell the digit.
constexpr std::array<int, 10> kUsShifted = {Qt::Key_ParenRight, Qt::Key_Exclam, Qt::Key_At, Qt::Key_NumberSign,
    Qt::Key_Dollar, Qt::Key_Percent, Qt::Key_AsciiCircum, Qt::Key_Ampersand, Qt::Key_Asterisk, Qt::Key_ParenLeft};
// clang-format on

KeyPress On(const Desktop& desktop, int key, Qt::KeyboardModifiers modifiers, quint32 code) {
  return TranslateKey(
      desktop.scanCodes ? KeyInput{key, modifiers, code, 0} : KeyInput{key, modifiers, 0, code},
      desktop.native);
}

TEST(KeyTranslation, DigitsAreKnownByTheirPlaceOnEveryDesktopAndModifiersAreSummed) {
  for (const Desktop& desktop : kDesktops) {
    for (std::size_t d = 0; d <= 9; ++d) {
      const KeyPress digit{static_cast<std::int16_t>(48 + d), 0}, shifted{digit.code, 1};
      const int key = Qt::Key_0 + static_cast<int>(d);
      EXPECT_EQ(On(desktop, key, {}, desktop.mainRow[d]), digit)
          << static_cast<int>(desktop.native);
      EXPECT_EQ(On(desktop, kUsShifted[d], Qt::ShiftModifier, desktop.mainRow[d]), shifted) << d;
      EXPECT_EQ(On(desktop, Qt::Key_Eacute, {}, desktop.mainRow[d]), digit) << d;  // any layout
      EXPECT_EQ(On(desktop, key, Qt::KeypadModifier, desktop.keypad[d]).code, digit.code + 48) << d;
      // Without native codes (synthetic events): what Shift makes of the key on a US keyboard.
      EXPECT_EQ(TranslateKey({kUsShifted[d], Qt::ShiftModifier, 0, 0}, NativeKeys::None), shifted);
    }
    // Other keys are no digits, even where another desktop's digit has their code:
    // a letter and Alt keep their codes, "." has none in play.
    EXPECT_EQ(On(desktop, Qt::Key_Q, Qt::ControlModifier, desktop.q), (KeyPress{81, 2}));
    EXPECT_EQ(On(desktop, Qt::Key_Period, {}, desktop.period), (KeyPress{0, 0}));
    EXPECT_EQ(On(desktop, Qt::Key_Alt, Qt::AltModifier, desktop.alt), (KeyPress{18, 4}));
  }
  // Without native keys the codes are not read.
  EXPECT_EQ(TranslateKey({Qt::Key_Percent, {}, 14, 0x35}, NativeKeys::None).code, 0);
  // An X11 key symbol is no Windows key code, though 0x35 is both "5" and VK_5.
  EXPECT_EQ(TranslateKey({Qt::Key_Percent, {}, 30, 0x35}, NativeKeys::Xkb).code, 0);
  EXPECT_EQ(TranslateKey({Qt::Key_Backtab, Qt::ShiftModifier}, NativeKeys::Xkb), (KeyPress{9, 1}));
  const auto all = Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier;
  EXPECT_EQ(TranslateKey({Qt::Key_Backspace, all}, NativeKeys::Xkb), (KeyPress{8, 7}));
}

}  // namespace
}  // namespace novemo
