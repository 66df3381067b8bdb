#include <string>

#include "tray/Tray.h"

namespace novemo {

// Judged against the stored solution only: the expected text of a cell is one
// space followed by its hidden solution digit.
bool Tray::CheckWin() const {
  for (const auto& label : lblNo_) {
    if (label.Caption.size() != label.Tag.size() + 1 || label.Caption[0] != ' ' ||
        label.Caption.compare(1, std::string::npos, label.Tag) != 0) {
      return false;
    }
  }
  return true;
}

void Tray::ShowCorrect() {
  for (std::int16_t k = 1; k <= 9; ++k)
    SetCaption(k, lblNo_[k].Tag);
}

}  // namespace novemo
