#pragma once

// A whole game on the in-memory platform, with helpers to play it.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "generator/DigitString.h"
#include "main_window/frmMain.h"
#include "platform/Memory.h"
#include "scores/ScoreTable.h"

namespace novemo::testing {

// Key codes and modifier states of the board's key handler.
enum Key : std::int16_t { kBackspace = 8, kCtrlKey = 17, kLeft = 37, kUp, kRight, kDown };
enum : std::int16_t { kDelete = 46, kDigit0 = 48, kKeyQ = 81, kPad0 = 96 };
enum : std::int16_t { kShiftDown = 1, kCtrlDown = 2, kAltDown = 4 };

using CellAt = std::pair<std::int16_t, std::int16_t>;  // square, cell
inline CellAt Cell(int t, int k) {
  return {static_cast<std::int16_t>(t), static_cast<std::int16_t>(k)};
}
// A place as the store reads it: exact seconds.
inline Place At(const char* name, int seconds) {
  return Place{name, seconds / 86400.0};
}
inline const Place kNone{"None", 0};
// A digit as a cell shows it: a space, then the digit.
inline std::string Shown(int digit) {
  return {' ', static_cast<char>('0' + digit)};
}

struct Game {
  explicit Game(std::uint64_t seed = 1) : memory(seed), form(memory.platform()) {}
  explicit Game(const Translator& language) : memory(1, &language), form(memory.platform()) {}
  Game(std::uint64_t seed, SettingsStore& store)
      : memory(seed), form(memory.platform(store, memory.random)) {}

  void Load() { form.Form_Load(); }
  void Ticks(int count) {
    for (int i = 0; i < count; ++i)
      form.Timer1_Timer();
  }
  void Press(int code, int shift = 0) {
    form.Picture1_KeyDown(static_cast<std::int16_t>(code), static_cast<std::int16_t>(shift));
  }
  void Click(CellAt at) { form.Tray(at.first).lblNo_Click(at.second); }
  // Fills the grid with the test command; the next key press announces the win.
  void Win(const std::string& name = "") {
    if (!name.empty()) memory.input.answers.push_back(name);
    form.mntest_Click();
    Press(kLeft);
  }

  std::string Text(CellAt at) const { return form.Tray(at.first).lblNo(at.second).Caption; }
  bool Given(CellAt at) const { return HasDigit(form.Tray(at.first).FixNoPos(), at.second); }
  int Digit(CellAt at) const { return DigitAt(form.Tray(at.first).NoPos(), at.second); }
  // The cells framed in green: how many, and the last of them.
  std::pair<int, CellAt> Green() const {
    std::pair<int, CellAt> found{0, {0, 0}};
    for (int i = 0; i < 81; ++i) {
      const CellAt at = Cell(i / 9 + 1, i % 9 + 1);
      if (form.Tray(at.first).Box(at.second).BorderColor == kBorderActive)
        found = {found.first + 1, at};
    }
    return found;
  }
  // The last cell of the grid that is given, or open: in square 9, as late as keys reach.
  CellAt LastCell(bool given) const {
    for (int i = 80;; --i)
      if (Given(Cell(i / 9 + 1, i % 9 + 1)) == given) return Cell(i / 9 + 1, i % 9 + 1);
  }
  std::string& Stored(const std::string& key) {
    return memory.store.values["Novemo/Scores/" + key];
  }
  const std::string& Last() const { return memory.messages.shown.back().text; }

  MemoryPlatform memory;
  frmMain form;
};

// A test on a loaded game of its own, whose members it uses directly.
struct LoadedGame : ::testing::Test, Game {
  LoadedGame() { Load(); }
};

}  // namespace novemo::testing
