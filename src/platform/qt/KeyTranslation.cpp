#include "platform/qt/KeyTranslation.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <array>

namespace novemo {
namespace {

// The digit of a main-row key by its place on the keyboard, whatever the
// layout prints on it or Shift makes of it; -1 for other keys.
int TopRowDigit(const KeyInput& input, NativeKeys native) {
  switch (native) {
    case NativeKeys::Xkb:
      // Evdev key codes plus 8: keys 1..9 are 10..18, 0 is 19.
      if (input.scanCode >= 10 && input.scanCode <= 19) {
        return static_cast<int>((input.scanCode - 9) % 10);
      }
      break;
    case NativeKeys::Windows:
      if (input.virtualKey >= 0x30 && input.virtualKey <= 0x39) {
        return static_cast<int>(input.virtualKey - 0x30);
      }
      break;
    case NativeKeys::Mac: {
      static constexpr std::array<quint32, 10> kCodes = {0x1D, 0x12, 0x13, 0x14, 0x15,
                                                         0x17, 0x16, 0x1A, 0x1C, 0x19};
      for (int digit = 0; digit < 10; ++digit) {
        if (input.virtualKey == kCodes[static_cast<std::size_t>(digit)]) return digit;
      }
      break;
    }
    case NativeKeys::None:
      break;
  }
  // Without native codes (offscreen, synthetic events): the key itself, or
  // what Shift makes of it on a US keyboard.
  const int key = input.key;
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return key - Qt::Key_0;
  static constexpr std::array<int, 10> kShifted = {
      Qt::Key_ParenRight, Qt::Key_Exclam,   Qt::Key_At,          Qt::Key_NumberSign,
      Qt::Key_Dollar,     Qt::Key_Percent,  Qt::Key_AsciiCircum, Qt::Key_Ampersand,
      Qt::Key_Asterisk,   Qt::Key_ParenLeft};
  if (input.modifiers & Qt::ShiftModifier) {
    for (int digit = 0; digit < 10; ++digit) {
      if (key == kShifted[static_cast<std::size_t>(digit)]) return digit;
    }
  }
  return -1;
}

std::int16_t Code(const KeyInput& input, NativeKeys native) {
  const int key = input.key;
  if (input.modifiers & Qt::KeypadModifier) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
      return static_cast<std::int16_t>(96 + key - Qt::Key_0);
  } else if (const int digit = TopRowDigit(input, native); digit >= 0) {
    return static_cast<std::int16_t>(48 + digit);
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<std::int16_t>(key);
  switch (key) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:  // what Shift makes of Tab
      return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Shift:
      return 16;
    case Qt::Key_Control:
      return 17;
    case Qt::Key_Alt:
      return 18;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Delete:
      return 46;
    default:
      return 0;  // no key of its own in play: the steps every key runs
  }
}

NativeKeys NativeKeysHere() {
#if defined(Q_OS_WIN)
  return NativeKeys::Windows;
#elif defined(Q_OS_MACOS)
  return NativeKeys::Mac;
#else
  const QString platform = QGuiApplication::platformName();
  return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"))
             ? NativeKeys::Xkb
             : NativeKeys::None;
#endif
}

}  // namespace

KeyPress TranslateKey(const KeyInput& input, NativeKeys native) {
  std::int16_t shift = 0;
  if (input.modifiers & Qt::ShiftModifier) shift |= 1;
  if (input.modifiers & Qt::ControlModifier) shift |= 2;
  if (input.modifiers & Qt::AltModifier) shift |= 4;
  return KeyPress{Code(input, native), shift};
}

KeyPress TranslateKey(const QKeyEvent& event) {
  return TranslateKey(
      KeyInput{event.key(), event.modifiers(), event.nativeScanCode(), event.nativeVirtualKey()},
      NativeKeysHere());
}

}  // namespace novemo
