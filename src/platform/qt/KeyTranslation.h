#pragma once

// Qt key events as the board's key handler takes them: virtual-key codes
// (Backspace 8, arrows 37-40, digits 48-57, keypad digits 96-105, letters
// 65-90) and a modifier state (Shift 1, Ctrl 2, Alt 4, summed).

#include <cstdint>

class QKeyEvent;

namespace novemo {

struct KeyPress {
  std::int16_t code = 0;
  std::int16_t shift = 0;
};

KeyPress TranslateKey(const QKeyEvent& event);

}  // namespace novemo
