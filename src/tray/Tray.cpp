#include "tray/Tray.h"

#include <string>

#include "generator/DigitString.h"

namespace novemo {

Tray::Tray(TrayOwner& owner, Beeper& beeper) : owner_(owner), beeper_(beeper) {
  for (auto& box : Box_) {
    box.BorderColor = kBorderPlain;
    box.BorderWidth = 1;
    box.FillColor = kCellFill;
    box.Width = kCellPixels;
    box.Height = kCellPixels;
  }
  for (auto& label : lblNo_)
    label.ForeColor = kOtherDigit;
}

void Tray::SetCaption(std::int16_t k, std::string_view value) {
  std::string caption = " ";
  caption += value;
  lblNo_[k].Caption = std::move(caption);
}

void Tray::SetFixNoPos() {
  for (std::int16_t p = 1; p <= 9; ++p) {
    if (!HasDigit(FixNoPos_, p)) continue;
    SetCaption(p, lblNo_[p].Tag);
    lblNo_[p].ForeColor = kGivenDigit;
    Box_[p].FillColor = kCellFill;
  }
}

void Tray::SetNoPos() {
  for (std::int16_t k = 1; k <= 9; ++k) {
    lblNo_[k].Tag = std::string(1, static_cast<char>('0' + DigitAt(NoPos_, k)));
  }
}

void Tray::SetNoPosT() {
  for (std::int16_t k = 1; k <= 9; ++k) {
    SetCaption(k, std::string(1, static_cast<char>('0' + DigitAt(NoPos_, k))));
  }
}

void Tray::SetNo(std::int16_t Num) {
  SetNo(std::string_view(std::to_string(Num)));
}

void Tray::SetNo(std::string_view Num) {
  if (!lblNo_.InRange(ActiveBox_)) return;  // no active cell here
  if (HasDigit(FixNoPos_, ActiveBox_)) {
    beeper_.Beep();
    return;
  }
  SetCaption(ActiveBox_, Num);
}

void Tray::ClearBoxes() {
  for (auto& box : Box_) {
    box.BorderColor = kBorderPlain;
    box.BorderWidth = 1;
    box.FillColor = kCellFill;
  }
  ActiveBox_ = 0;
}

void Tray::ClearNos() {
  for (auto& label : lblNo_) {
    label.Caption.clear();
    label.ForeColor = kOtherDigit;
  }
  ActiveBox_ = 0;
}

void Tray::lblNo_Click(std::int16_t Index) {
  if (!lblNo_.InRange(Index)) return;
  owner_.ClearAllBoxes();
  Box_[Index].BorderColor = kBorderActive;
  Box_[Index].BorderWidth = 1;
  ActiveBox_ = Index;
  owner_.GetActiveTray();
}

}  // namespace novemo
