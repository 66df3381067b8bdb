// The board follows the contrast interface at once. On Windows a contrast
// theme's own colours, which Wine cannot switch on, come from the in-memory
// setting here.

#include <gtest/gtest.h>

#include "platform/Memory.h"
#include "platform/qt/BoardView.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtContrast.h"

namespace novemo {
namespace {

TEST(ContrastWindow, TheThemesColoursAtOnceAndTheGamesOwnExactlyWhenOff) {
  MemoryPlatform memory;
  frmMain form{memory.platform()};
  MainWindow window{form};
  MemoryContrast contrast;
  FollowContrast(contrast, window.Board());
  form.Form_Load();
  window.Sync();
  const QImage own = window.Board().grab().toImage();
  const SystemColours black{0x000000, 0xFFFFFF, 0x1AEBFF, 0x3FF23F};
  contrast.Set({true, black});
  const QImage high = window.Board().grab().toImage();
  const QRect active = window.Board().FrameRect(5, 5);
  const QPoint below = window.Board().FrameRect(5, 8).topLeft();
  const BoardPalette drawn = PaletteFor(contrast.Current());
  EXPECT_EQ(high.pixel(below + QPoint(3, 1)) & 0xFFFFFF, black.window);
  EXPECT_EQ(high.pixel(below + QPoint(3, 0)) & 0xFFFFFF, drawn.cellLines);
  EXPECT_EQ(high.pixel(4, 4) & 0xFFFFFF, drawn.gridLines);
  for (int inset = 0; inset < 4; ++inset)
    EXPECT_EQ(high.pixel(active.topLeft() + QPoint(inset, 20)) & 0xFFFFFF,
              inset < 3 ? black.highlight : black.window);
  contrast.Set({});
  EXPECT_EQ(window.Board().grab().toImage(), own);
}

}  // namespace
}  // namespace novemo
