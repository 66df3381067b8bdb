#pragma once

// The window's controls as plain data. The logic sets them; the toolkit layer draws them.

#include <cstdint>
#include <string>

namespace novemo {

using Rgb = std::uint32_t;  // 0xRRGGBB

// A text label. Geometry is in the unit of its container: twips on the main
// window, pixels inside a square.
struct Label {
  std::string Caption;
  Rgb ForeColor = 0x000000;
  std::string Tag;  // hidden text, never drawn
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  friend bool operator==(const Label&, const Label&) = default;
};

// A rectangle shape with a border and a solid fill.
struct Shape {
  Rgb BorderColor = 0x000000;
  std::int16_t BorderWidth = 1;
  Rgb FillColor = 0x000000;
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  friend bool operator==(const Shape&, const Shape&) = default;
};

struct Timer {
  bool Enabled = false;
  int Interval = 1000;  // milliseconds
};

// Twips are the main window's unit: 15 twips make one pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;
constexpr int TwipsToPixels(int twips) {
  return twips / kTwipsPerPixel;
}

}  // namespace novemo
