// The board in the window follows what the desktop asks, through the platform
// interface: on Windows a contrast theme's own colours, which Wine cannot
// switch on, so they come from the in-memory setting here.

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <map>

#include "platform/Memory.h"
#include "platform/qt/BoardView.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtContrast.h"

namespace novemo {
namespace {

class ContrastWindow : public ::testing::Test {
 protected:
  ContrastWindow() {
    FollowContrast(contrast, window.Board());
    form.Form_Load();
    form.MenuClick(MenuId::mntest);  // every cell shows a digit, given or not
    window.Sync();
    window.show();
  }
  QImage Board() { return window.Board().grab().toImage(); }
  QRgb At(const QImage& image, QPoint point) { return image.pixel(point) & 0xFFFFFF; }
  // The colour most of a cell's digit is drawn in.
  QRgb Digit(const QImage& image, std::int16_t t, std::int16_t k, QRgb fill) {
    std::map<QRgb, int> counts;
    const QRect label = window.Board().LabelRect(t, k);
    for (int y = label.top(); y <= label.bottom(); ++y) {
      for (int x = label.left(); x <= label.right(); ++x)
        ++counts[At(image, {x, y})];
    }
    counts.erase(fill);
    return std::max_element(counts.begin(), counts.end(),
                            [](auto& a, auto& b) { return a.second < b.second; })
        ->first;
  }

  MemoryPlatform memory;
  frmMain form{memory.platform()};
  MainWindow window{form};
  MemoryContrast contrast;
};

TEST_F(ContrastWindow, TheThemesColoursLiveAndTheGamesOwnExactlyWhenOff) {
  const QImage own = Board();
  const SystemColours black{0x000000, 0xFFFFFF, 0x1AEBFF, 0x3FF23F};
  contrast.Set({true, black});
  const QImage high = Board();
  const QRgb lines = At(high, {4, 4});
  EXPECT_GE(ContrastRatio(lines, black.window), 3);
  for (std::int16_t t = 1; t <= 9; ++t) {
    for (std::int16_t k = 1; k <= 9; ++k) {
      const QRect frame = window.Board().FrameRect(t, k);
      const bool active = t == 5 && k == 5;
      for (int inset = 0; inset < 3; ++inset) {
        const QPoint edge = frame.topLeft() + QPoint(inset, 20);
        EXPECT_EQ(At(high, edge), active ? black.highlight : (inset == 0 ? lines : black.window));
      }
      const bool given = form.Tray(t).lblNo(k).ForeColor == kGivenDigit;
      EXPECT_EQ(Digit(high, t, k, black.window), given ? black.grayText : black.text);
    }
  }
  contrast.Set({});
  EXPECT_EQ(Board(), own);
}

}  // namespace
}  // namespace novemo
