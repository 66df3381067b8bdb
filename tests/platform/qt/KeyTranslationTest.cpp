#include "platform/qt/KeyTranslation.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace novemo {
namespace {

struct Native {
  NativeKeys native;
  std::array<quint32, 10> mainRow;  // native code of 0..9 on the main row
  std::array<quint32, 10> keypad;
  bool scanCodes;  // X11 and Wayland: scan codes; otherwise virtual keys
};

// Evdev codes plus 8 on X11 and Wayland, VK_ codes on Windows, kVK_ codes on macOS.
const Native kDesktops[] = {
    {NativeKeys::Xkb,
     {19, 10, 11, 12, 13, 14, 15, 16, 17, 18},
     {90, 87, 88, 89, 83, 84, 85, 79, 80, 81},
     true},
    {NativeKeys::Windows,
     {0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39},
     {0x60, 0x61, 0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69},
     false},
    {NativeKeys::Mac,
     {0x1D, 0x12, 0x13, 0x14, 0x15, 0x17, 0x16, 0x1A, 0x1C, 0x19},
     {0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5B, 0x5C},
     false},
};

// What Shift makes of 0..9 on a US keyboard, and what a French one gives unshifted.
constexpr std::array<int, 10> kUsShifted = {
    Qt::Key_ParenRight, Qt::Key_Exclam,   Qt::Key_At,          Qt::Key_NumberSign,
    Qt::Key_Dollar,     Qt::Key_Percent,  Qt::Key_AsciiCircum, Qt::Key_Ampersand,
    Qt::Key_Asterisk,   Qt::Key_ParenLeft};
constexpr std::array<int, 10> kFrenchRow = {
    Qt::Key_Agrave,    Qt::Key_Ampersand, Qt::Key_Eacute, Qt::Key_QuoteDbl,   Qt::Key_Apostrophe,
    Qt::Key_ParenLeft, Qt::Key_Minus,     Qt::Key_Egrave, Qt::Key_Underscore, Qt::Key_Ccedilla};

KeyInput On(const Native& desktop, int key, Qt::KeyboardModifiers modifiers, quint32 code) {
  return desktop.scanCodes ? KeyInput{key, modifiers, code, 0} : KeyInput{key, modifiers, 0, code};
}

TEST(KeyTranslation, DigitsAreKnownByTheirPlaceOnEveryDesktop) {
  for (const Native& desktop : kDesktops) {
    for (int d = 0; d <= 9; ++d) {
      const auto at = static_cast<std::size_t>(d);
      const auto digit = static_cast<std::int16_t>(48 + d);
      const quint32 row = desktop.mainRow[at];
      SCOPED_TRACE(testing::Message()
                   << "desktop " << static_cast<int>(desktop.native) << ", digit " << d);
      EXPECT_EQ(TranslateKey(On(desktop, Qt::Key_0 + d, {}, row), desktop.native),
                (KeyPress{digit, 0}));
      EXPECT_EQ(TranslateKey(On(desktop, kUsShifted[at], Qt::ShiftModifier, row), desktop.native),
                (KeyPress{digit, 1}));
      EXPECT_EQ(TranslateKey(On(desktop, kFrenchRow[at], {}, row), desktop.native),
                (KeyPress{digit, 0}));
      EXPECT_EQ(TranslateKey(On(desktop, Qt::Key_0 + d, Qt::KeypadModifier, desktop.keypad[at]),
                             desktop.native),
                (KeyPress{static_cast<std::int16_t>(96 + d), 0}));
    }
    // A letter is never taken for a digit.
    EXPECT_EQ(TranslateKey(On(desktop, Qt::Key_Q, Qt::ControlModifier, 24), desktop.native),
              (KeyPress{81, 2}));
  }
}

TEST(KeyTranslation, WithoutNativeCodesTheKeyAndAUsShiftDecide) {
  for (int d = 0; d <= 9; ++d) {
    const auto digit = static_cast<std::int16_t>(48 + d);
    EXPECT_EQ(TranslateKey({Qt::Key_0 + d, {}, 0, 0}, NativeKeys::None), (KeyPress{digit, 0}));
    EXPECT_EQ(TranslateKey({kUsShifted[static_cast<std::size_t>(d)], Qt::ShiftModifier, 0, 0},
                           NativeKeys::None),
              (KeyPress{digit, 1}));
  }
  // Unshifted symbols stay symbols, and stray native codes are not read.
  EXPECT_EQ(TranslateKey({Qt::Key_Percent, {}, 0, 0}, NativeKeys::None).code, 0);
  EXPECT_EQ(TranslateKey({Qt::Key_Percent, {}, 14, 0x35}, NativeKeys::None).code, 0);
}

TEST(KeyTranslation, PlayKeysAndModifierStates) {
  struct Case {
    int key;
    Qt::KeyboardModifiers modifiers;
    KeyPress expected;
  };
  const std::vector<Case> cases = {
      {Qt::Key_Backspace, {}, {8, 0}},
      {Qt::Key_Tab, {}, {9, 0}},
      {Qt::Key_Backtab, Qt::ShiftModifier, {9, 1}},
      {Qt::Key_Return, {}, {13, 0}},
      {Qt::Key_Enter, Qt::KeypadModifier, {13, 0}},
      {Qt::Key_Shift, Qt::ShiftModifier, {16, 1}},
      {Qt::Key_Control, Qt::ControlModifier, {17, 2}},
      {Qt::Key_Alt, Qt::AltModifier, {18, 4}},
      {Qt::Key_Escape, {}, {27, 0}},
      {Qt::Key_Space, {}, {32, 0}},
      {Qt::Key_Left, {}, {37, 0}},
      {Qt::Key_Up, Qt::ShiftModifier, {38, 1}},
      {Qt::Key_Right, {}, {39, 0}},
      {Qt::Key_Down, {}, {40, 0}},
      {Qt::Key_Delete, {}, {46, 0}},
      {Qt::Key_A, {}, {65, 0}},
      {Qt::Key_Z, {}, {90, 0}},
      {Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier, {81, 7}},
      {Qt::Key_F5, {}, {0, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TranslateKey({c.key, c.modifiers, 0, 0}, NativeKeys::Xkb), c.expected)
        << "key " << std::hex << c.key;
  }
}

}  // namespace
}  // namespace novemo
