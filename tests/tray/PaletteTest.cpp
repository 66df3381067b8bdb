#include "tray/BoardPalette.h"

#include <gtest/gtest.h>

namespace novemo {
namespace {

// Every pair of each palette, with WCAG 2's ratios worked out on their own:
// given on cell, entered on cell, given against entered, cell lines, wide
// lines, active frame on cell, against cell lines, against wide lines.
struct Ratios {
  BoardPalette palette;
  std::array<double, 8> ratios;
  bool high;
};
class PaletteRatios : public ::testing::TestWithParam<Ratios> {};

TEST_P(PaletteRatios, EveryPairAsWorkedOut) {
  const auto pairs = PairsOf(GetParam().palette);
  for (std::size_t i = 0; i < pairs.size(); ++i)
    EXPECT_NEAR(ContrastRatio(pairs[i].b, pairs[i].a), GetParam().ratios[i], 0.005)
        << pairs[i].name;
  EXPECT_EQ(MeetsHighContrast(GetParam().palette), GetParam().high);
}

INSTANTIATE_TEST_SUITE_P(
    Palettes, PaletteRatios,
    ::testing::Values(
        Ratios{kStandardPalette, {2.63, 7.85, 2.99, 2.03, 3.96, 7.56, 15.30, 1.91}, false},
        Ratios{kHighContrastPalette, {21, 19.56, 1.07, 5.32, 5.32, 19.56, 3.68, 3.68}, true},
        // Bold entries: given digits told from entered ones by colour alone.
        Ratios{{0x808080, 0x808080, 0, 0xFFFFFF, 0xFFFF00, true, 0xFFFF00, 3},
               {21, 19.56, 1.07, 5.32, 5.32, 19.56, 3.68, 3.68},
               false}));

// Windows' contrast themes (window, text, highlight, grey text) make the
// board where they meet the ratios: given digits in grey text, or in text
// where grey text is too faint; else the board takes the fixed palette.
enum class Given { Grey, Text, Fixed };
struct Theme {
  const char* name;
  SystemColours theme;
  Given given;
};
class ThemePalettes : public ::testing::TestWithParam<Theme> {};

TEST_P(ThemePalettes, AThemeThatMeetsTheRatiosIsTheBoards) {
  const auto& [name, theme, given] = GetParam();
  const BoardPalette drawn = PaletteFor({true, theme});
  EXPECT_TRUE(MeetsHighContrast(drawn));
  const BoardPalette expected{drawn.gridLines, drawn.cellLines,
                              theme.window,    given == Given::Grey ? theme.grayText : theme.text,
                              theme.text,      false,
                              theme.highlight, 3};
  EXPECT_EQ(drawn, given == Given::Fixed ? kHighContrastPalette : expected);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ThemePalettes,
    ::testing::Values(Theme{"HighContrastBlack", {0, 0xFFFFFF, 0x1AEBFF, 0x3FF23F}, Given::Grey},
                      Theme{"HighContrastWhite", {0xFFFFFF, 0, 0x37006E, 0x600000}, Given::Grey},
                      // grey text 6.69:1
                      Theme{"Aquatic", {0x202020, 0xFFFFFF, 0x8EE3F0, 0xA6A6A6}, Given::Text},
                      // no line stands out from both the cells and the frame
                      Theme{"Desert", {0xFFFAEF, 0x3D3D3D, 0x903909, 0x676767}, Given::Fixed}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace novemo
