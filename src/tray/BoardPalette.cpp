#include "tray/BoardPalette.h"

#include <algorithm>
#include <cmath>

#include "main_window/frmMain.h"

namespace novemo {
namespace {

static_assert(PictureBox{}.BackColor == kStandardPalette.gridLines,
              "the wide lines are the board's own background");

double Linear(unsigned channel) {
  const double c = channel / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb rgb) {
  return 0.2126 * Linear((rgb >> 16) & 0xFF) + 0.7152 * Linear((rgb >> 8) & 0xFF) +
         0.0722 * Linear(rgb & 0xFF);
}

// A share of `to` mixed into `from`, channel by channel.
Rgb Mix(Rgb from, Rgb to, double share) {
  Rgb mixed = 0;
  for (int shift = 16; shift >= 0; shift -= 8) {
    const double a = (from >> shift) & 0xFF;
    const double b = (to >> shift) & 0xFF;
    mixed |= static_cast<Rgb>(std::lround(a + (b - a) * share)) << shift;
  }
  return mixed;
}

}  // namespace

double ContrastRatio(Rgb a, Rgb b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::array<ColourPair, 8> PairsOf(const BoardPalette& p) {
  return {{
      {"given digit on its cell", p.givenDigit, p.fill, 7},
      {"entered digit on its cell", p.enteredDigit, p.fill, 7},
      {"given digit against an entered one", p.givenDigit, p.enteredDigit, 1},
      {"cell lines against the cells", p.cellLines, p.fill, 3},
      {"wide lines against the cells", p.gridLines, p.fill, 3},
      {"active frame on its cell", p.activeFrame, p.fill, 3},
      {"active frame against the cell lines", p.activeFrame, p.cellLines, 3},
      {"active frame against the wide lines", p.activeFrame, p.gridLines, 3},
  }};
}

bool MeetsHighContrast(const BoardPalette& palette) {
  const auto pairs = PairsOf(palette);
  return palette.activeWidth > 1 && palette.enteredBold == false &&
         std::all_of(pairs.begin(), pairs.end(), [](const ColourPair& pair) {
           return ContrastRatio(pair.a, pair.b) >= pair.least;
         });
}

std::optional<BoardPalette> ThemePalette(const SystemColours& theme) {
  constexpr int kSteps = 64;
  Rgb lines = theme.window;
  double best = 0;  // the lesser of the lines' ratios against the cells and the frame
  for (int step = 1; step <= kSteps; ++step) {
    const Rgb mixed = Mix(theme.window, theme.text, static_cast<double>(step) / kSteps);
    const double least =
        std::min(ContrastRatio(mixed, theme.window), ContrastRatio(mixed, theme.highlight));
    if (least > best) {
      best = least;
      lines = mixed;
    }
  }
  if (best < 3) return std::nullopt;
  const bool grayReads = ContrastRatio(theme.grayText, theme.window) >= 7;
  return BoardPalette{lines,      lines, theme.window,    grayReads ? theme.grayText : theme.text,
                      theme.text, false, theme.highlight, 3};
}

BoardPalette PaletteFor(const ContrastRequest& request) {
  if (!request.high) return kStandardPalette;
  if (request.theme) {
    const std::optional<BoardPalette> theme = ThemePalette(*request.theme);
    if (theme && MeetsHighContrast(*theme)) return *theme;
  }
  return kHighContrastPalette;
}

Rgb Drawn(const BoardPalette& palette, Rgb colour) {
  const BoardPalette& from = kStandardPalette;
  for (const auto member :
       {&BoardPalette::gridLines, &BoardPalette::cellLines, &BoardPalette::fill,
        &BoardPalette::givenDigit, &BoardPalette::enteredDigit, &BoardPalette::activeFrame}) {
    if (colour == from.*member) return palette.*member;
  }
  return colour;
}

Shape Drawn(const BoardPalette& palette, Shape box) {
  if (box.BorderColor == kStandardPalette.activeFrame) box.BorderWidth = palette.activeWidth;
  box.BorderColor = Drawn(palette, box.BorderColor);
  box.FillColor = Drawn(palette, box.FillColor);
  return box;
}

Label Drawn(const BoardPalette& palette, Label label) {
  label.ForeColor = Drawn(palette, label.ForeColor);
  return label;
}

bool DrawnBold(const BoardPalette& palette, const Label& label) {
  return palette.enteredBold || label.ForeColor != kStandardPalette.enteredDigit;
}

}  // namespace novemo
