#include "tray/Tray.h"

namespace novemo {

void Tray::Size(int width, int height) {
  if (width == Width_ && height == Height_) return;
  Width_ = width;
  Height_ = height;
  UserControl_Resize();
}

void Tray::UserControl_Resize() {
  // The square has one size whatever its holder asks; setting it directly
  // raises no second resize.
  Width_ = kTraySizeTwips;
  Height_ = kTraySizeTwips;
  for (int r = 0; r <= 2; ++r) {
    for (int c = 1; c <= 3; ++c) {
      const auto k = static_cast<std::int16_t>(3 * r + c);
      Shape& box = Box_[k];
      box.Left = (c - 1) * kCellPixels;
      box.Top = r * kCellPixels;
      box.FillColor = kCellFill;
      Label& label = lblNo_[k];
      label.Left = (c - 1) * kCellPixels + kLabelInset;
      label.Top = r * kCellPixels + kLabelInset;
      label.Width = kLabelPixels;
      label.Height = kLabelPixels;
      label.Caption.clear();
      label.ForeColor = kOtherDigit;
    }
  }
}

}  // namespace novemo
