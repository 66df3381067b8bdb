#pragma once

// The board's colours as drawn. The squares keep the game's own colours in
// their data; a palette only says how each of them is drawn, so following the
// desktop's contrast changes the picture and never the game.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/Contrast.h"
#include "platform/Controls.h"
#include "tray/Tray.h"

namespace novemo {

struct BoardPalette {
  Rgb gridLines = 0;     // the wide lines between the squares
  Rgb cellLines = 0;     // each cell's own border: two of them between neighbours
  Rgb fill = 0;          // inside a cell
  Rgb givenDigit = 0;    // always bold
  Rgb enteredDigit = 0;  // bold, or regular where weight tells it from a given one
  bool enteredBold = true;
  Rgb activeFrame = 0;
  std::int16_t activeWidth = 1;  // pixels
  friend bool operator==(const BoardPalette&, const BoardPalette&) = default;
};

// The game's own colours, exactly as the squares hold them.
inline constexpr BoardPalette kStandardPalette{
    0xA0A0A0, kBorderPlain, kCellFill, kGivenDigit, kOtherDigit, true, kBorderActive, 1};

// For a desktop that asks for high contrast and brings no colours of its own:
// white given digits in bold, yellow entered ones in regular weight, on black,
// with grey lines and a yellow frame three pixels wide, which stands out from
// both the cells and the lines.
inline constexpr BoardPalette kHighContrastPalette{0x808080, 0x808080, 0x000000, 0xFFFFFF,
                                                   0xFFFF00, false,    0xFFFF00, 3};

// WCAG 2's contrast ratio of two colours, from 1 (the same) to 21 (black and white).
double ContrastRatio(Rgb a, Rgb b);

// A pair of colours that meet on the board, and the least ratio high contrast
// needs of them (1 where none is needed).
struct ColourPair {
  std::string_view name;
  Rgb a = 0;
  Rgb b = 0;
  double least = 1;
};
std::array<ColourPair, 8> PairsOf(const BoardPalette& palette);

// Every pair meets its least ratio, the active frame is wider than a pixel and
// given digits differ from entered ones by weight, not only by colour.
bool MeetsHighContrast(const BoardPalette& palette);

// The board in a contrast theme's own colours: cells in the window colour,
// entered digits in the text colour, given ones in the grey-text colour (the
// text colour where that one is too faint), the frame in the highlight colour
// and the lines in the mix of window and text colours that stands out most from
// both the cells and the frame. None when no mix stands out 3:1 from both.
std::optional<BoardPalette> ThemePalette(const SystemColours& theme);

// What the board looks like for what the desktop asks: the game's own colours,
// the theme's where they meet high contrast, else the fixed high-contrast ones.
BoardPalette PaletteFor(const ContrastRequest& request);

// A colour of the squares' data as the palette draws it; any other colour as it is.
Rgb Drawn(const BoardPalette& palette, Rgb colour);
Shape Drawn(const BoardPalette& palette, Shape box);
Label Drawn(const BoardPalette& palette, Label label);
bool DrawnBold(const BoardPalette& palette, const Label& label);

}  // namespace novemo
