#pragma once

// A whole game on the in-memory platform, with helpers to play it.

#include <cstdint>
#include <string>
#include <utility>

#include "generator/DigitString.h"
#include "main_window/frmMain.h"
#include "platform/Memory.h"

namespace novemo::testing {

// Key codes of the board's key handler.
inline constexpr std::int16_t kBackspace = 8;
inline constexpr std::int16_t kCtrlKey = 17;
inline constexpr std::int16_t kLeft = 37;
inline constexpr std::int16_t kUp = 38;
inline constexpr std::int16_t kRight = 39;
inline constexpr std::int16_t kDown = 40;
inline constexpr std::int16_t kDelete = 46;
inline constexpr std::int16_t kDigit0 = 48;
inline constexpr std::int16_t kKeyQ = 81;
inline constexpr std::int16_t kPad0 = 96;
using CellAt = std::pair<std::int16_t, std::int16_t>;  // square, cell
inline CellAt Cell(int t, int k) {
  return {static_cast<std::int16_t>(t), static_cast<std::int16_t>(k)};
}

inline constexpr std::int16_t kShiftDown = 1;
inline constexpr std::int16_t kCtrlDown = 2;
inline constexpr std::int16_t kAltDown = 4;

struct Game {
  explicit Game(std::uint64_t seed = 1) : memory(seed), form(memory.platform()) {}

  void Load() { form.Form_Load(); }
  void Ticks(int count) {
    for (int i = 0; i < count; ++i)
      form.Timer1_Timer();
  }
  void Press(std::int16_t code, std::int16_t shift = 0) { form.Picture1_KeyDown(code, shift); }
  // Fills the grid with the test command; the next key press announces the win.
  void Win(const std::string& name = "") {
    if (!name.empty()) memory.input.answers.push_back(name);
    form.mntest_Click();
    Press(kLeft);
  }

  const Tray& Square(std::int16_t t) const { return form.Tray(t); }
  std::string Text(std::int16_t t, std::int16_t k) const { return form.Tray(t).lblNo(k).Caption; }
  bool Given(std::int16_t t, std::int16_t k) const {
    return form.Tray(t).FixNoPos() != 0 && HasDigit(form.Tray(t).FixNoPos(), k);
  }
  std::int16_t Solution(std::int16_t t, std::int16_t k) const {
    return DigitAt(form.Tray(t).NoPos(), k);
  }
  int GreenFrames() const {
    int count = 0;
    for (std::int16_t t = 1; t <= 9; ++t) {
      for (std::int16_t k = 1; k <= 9; ++k) {
        if (form.Tray(t).Box(k).BorderColor == kBorderActive) ++count;
      }
    }
    return count;
  }
  // The square and cell framed in green, or 0, 0.
  std::pair<std::int16_t, std::int16_t> Green() const {
    for (std::int16_t t = 1; t <= 9; ++t) {
      for (std::int16_t k = 1; k <= 9; ++k) {
        if (form.Tray(t).Box(k).BorderColor == kBorderActive) return {t, k};
      }
    }
    return {0, 0};
  }
  // The first cell of the grid that is open, or given.
  CellAt OpenCell() const { return FirstCell(false); }
  CellAt GivenCell() const { return FirstCell(true); }
  CellAt FirstCell(bool given) const {
    for (std::int16_t t = 1; t <= 9; ++t) {
      for (std::int16_t k = 1; k <= 9; ++k) {
        if (Given(t, k) == given) return {t, k};
      }
    }
    return {0, 0};
  }
  std::string Stored(const std::string& key) const {
    const auto found = memory.store.values.find("Novemo/Scores/" + key);
    return found == memory.store.values.end() ? "<missing>" : found->second;
  }
  void Store(const std::string& key, const std::string& value) {
    memory.store.values["Novemo/Scores/" + key] = value;
  }

  MemoryPlatform memory;
  frmMain form;
};

}  // namespace novemo::testing
