#include "tray/BoardPalette.h"

#include <gtest/gtest.h>

namespace novemo {
namespace {

// Every pair of each palette, with WCAG 2's ratios worked out on their own:
// given on cell, entered on cell, given against entered, cell lines, wide
// lines, active frame on cell, against cell lines, against wide lines.
struct Ratios {
  const char* name;
  BoardPalette palette;
  std::array<double, 8> ratios;
  bool high;
};
class PaletteRatios : public ::testing::TestWithParam<Ratios> {};

TEST_P(PaletteRatios, EveryPairAsWorkedOut) {
  const auto pairs = PairsOf(GetParam().palette);
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    EXPECT_NEAR(ContrastRatio(pairs[i].a, pairs[i].b), GetParam().ratios[i], 0.005)
        << pairs[i].name;
    EXPECT_EQ(ContrastRatio(pairs[i].b, pairs[i].a), ContrastRatio(pairs[i].a, pairs[i].b));
  }
  EXPECT_EQ(MeetsHighContrast(GetParam().palette), GetParam().high);
}

INSTANTIATE_TEST_SUITE_P(
    Palettes, PaletteRatios,
    ::testing::Values(
        Ratios{"Own", kStandardPalette, {2.63, 7.85, 2.99, 2.03, 3.96, 7.56, 15.30, 1.91}, false},
        Ratios{
            "High", kHighContrastPalette, {21, 19.56, 1.07, 5.32, 5.32, 19.56, 3.68, 3.68}, true},
        // One pixel of frame, or given digits told by colour alone, is not enough.
        Ratios{"ThinFrame",
               {0x808080, 0x808080, 0, 0xFFFFFF, 0xFFFF00, false, 0xFFFF00, 1},
               {21, 19.56, 1.07, 5.32, 5.32, 19.56, 3.68, 3.68},
               false},
        Ratios{"BoldEntries",
               {0x808080, 0x808080, 0, 0xFFFFFF, 0xFFFF00, true, 0xFFFF00, 3},
               {21, 19.56, 1.07, 5.32, 5.32, 19.56, 3.68, 3.68},
               false}),
    [](const auto& info) { return info.param.name; });

// Windows' contrast themes: window, text, highlight, grey text.
enum class Board { Theme, GivenInText, Fixed };
struct Themed {
  const char* name;
  SystemColours theme;
  Board board;
};
class ThemePalettes : public ::testing::TestWithParam<Themed> {};

TEST_P(ThemePalettes, AThemeThatMeetsTheRatiosIsTheBoardsElseTheFixedOne) {
  const SystemColours& theme = GetParam().theme;
  EXPECT_EQ(PaletteFor({false, theme}), kStandardPalette);
  const BoardPalette drawn = PaletteFor({true, theme});
  ASSERT_TRUE(MeetsHighContrast(drawn));
  if (GetParam().board == Board::Fixed) {
    EXPECT_EQ(drawn, kHighContrastPalette);
    return;
  }
  EXPECT_EQ(drawn.fill, theme.window);
  EXPECT_EQ(drawn.enteredDigit, theme.text);
  EXPECT_EQ(drawn.activeFrame, theme.highlight);
  EXPECT_EQ(drawn.givenDigit, GetParam().board == Board::Theme ? theme.grayText : theme.text);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ThemePalettes,
    ::testing::Values(Themed{"Black", {0x000000, 0xFFFFFF, 0x1AEBFF, 0x3FF23F}, Board::Theme},
                      Themed{"White", {0xFFFFFF, 0x000000, 0x37006E, 0x600000}, Board::Theme},
                      // grey text 6.69:1
                      Themed{
                          "Aquatic", {0x202020, 0xFFFFFF, 0x8EE3F0, 0xA6A6A6}, Board::GivenInText},
                      // no line stands out from both the cells and the frame
                      Themed{"Desert", {0xFFFAEF, 0x3D3D3D, 0x903909, 0x676767}, Board::Fixed}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace novemo
