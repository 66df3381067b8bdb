#pragma once

// Qt key events as the board's key handler takes them: virtual-key codes
// (Backspace 8, Tab 9, arrows 37-40, digits 48-57, keypad digits 96-105,
// letters 65-90) and a modifier state (Shift 1, Ctrl 2, Alt 4, summed).

#include <Qt>
#include <cstdint>

class QKeyEvent;

namespace novemo {

struct KeyPress {
  std::int16_t code = 0;
  std::int16_t shift = 0;
  friend bool operator==(const KeyPress&, const KeyPress&) = default;
};

// Which native codes a key event carries: X11 and Wayland give evdev scan
// codes, Windows and macOS virtual keys; synthetic events give none.
enum class NativeKeys { None, Xkb, Windows, Mac };

// A key event taken apart, so that translation is a plain function.
struct KeyInput {
  int key = 0;  // Qt::Key
  Qt::KeyboardModifiers modifiers;
  quint32 scanCode = 0;
  quint32 virtualKey = 0;
};

KeyPress TranslateKey(const KeyInput& input, NativeKeys native);
// The same for an event of this desktop.
KeyPress TranslateKey(const QKeyEvent& event);

}  // namespace novemo
