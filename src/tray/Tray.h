#pragma once

// One 3 x 3 square of the board: nine cells, its solution, its given cells and
// its active cell. Cells are numbered 1 to 9 row by row.

#include <cstdint>
#include <string_view>

#include "platform/Controls.h"
#include "platform/OneBased.h"
#include "platform/Platform.h"

namespace novemo {

// What a square may ask of the window that holds it.
class TrayOwner {
 public:
  virtual void ClearAllBoxes() = 0;
  virtual void GetActiveTray() = 0;

 protected:
  ~TrayOwner() = default;
};

inline constexpr Rgb kCellFill = 0x404040;
inline constexpr Rgb kBorderPlain = 0x000000;
inline constexpr Rgb kBorderActive = 0x00FF00;
inline constexpr Rgb kGivenDigit = 0x808080;
inline constexpr Rgb kOtherDigit = 0xE0E0E0;

inline constexpr int kTraySizeTwips = 1800;
inline constexpr int kCellPixels = 40;
inline constexpr int kLabelInset = 2;    // strip left of and above a label
inline constexpr int kLabelPixels = 35;  // leaves a 3-pixel strip right and below

class Tray {
 public:
  Tray(TrayOwner& owner, Beeper& beeper);
  Tray(const Tray&) = delete;
  Tray& operator=(const Tray&) = delete;

  // 1. 0: no active cell here; 1..9: the active cell.
  std::int16_t ActiveBox() const { return ActiveBox_; }
  void ActiveBox(std::int16_t value) { ActiveBox_ = value; }
  // 2. The solution, cell 1 first, as nine digits.
  std::int32_t NoPos() const { return NoPos_; }
  void NoPos(std::int32_t value) { NoPos_ = value; }
  // 3. The given cells, one digit each; 0 for none.
  std::int32_t FixNoPos() const { return FixNoPos_; }
  void FixNoPos(std::int32_t value) { FixNoPos_ = value; }
  // 4. True when every cell shows its solution digit.
  bool CheckWin() const;
  // 5. Every cell shows its solution digit.
  void ShowCorrect();
  // 6. The given cells show their digits, darker.
  void SetFixNoPos();
  // 7. Stores the solution digits of NoPos in the cells' hidden texts.
  void SetNoPos();
  // 8. Every cell shows its digit of NoPos.
  void SetNoPosT();
  // 9. Writes a digit (or the one-space erase text) into the active cell; a
  // given cell beeps and keeps its digit.
  void SetNo(std::int16_t Num);
  void SetNo(std::string_view Num);
  // 10. Every frame plain, no active cell.
  void ClearBoxes();
  // 11. Every cell empty, no active cell.
  void ClearNos();
  // 12. Makes cell Index the one active cell of the whole board (also the
  // click on a cell).
  void lblNo_Click(std::int16_t Index);

  // Resize event: lays the cells out and keeps the square 1800 x 1800 twips.
  void UserControl_Resize();

  // The square's own size, in twips; a new size raises the resize event.
  void Size(int width, int height);
  int Width() const { return Width_; }
  int Height() const { return Height_; }

  const Label& lblNo(std::int16_t k) const { return lblNo_[k]; }
  const Shape& Box(std::int16_t k) const { return Box_[k]; }

 private:
  void SetCaption(std::int16_t k, std::string_view value);

  TrayOwner& owner_;
  Beeper& beeper_;
  std::int16_t ActiveBox_ = 0;
  std::int32_t NoPos_ = 0;
  std::int32_t FixNoPos_ = 0;
  int Width_ = 0;
  int Height_ = 0;
  OneBased<Label, 9> lblNo_;
  OneBased<Shape, 9> Box_;
};

// The nine squares of the board, 1 to 9 row by row.
using TrayRefs = OneBased<Tray*, 9>;

}  // namespace novemo
