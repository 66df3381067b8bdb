#include "main_window/frmMain.h"

#include <gtest/gtest.h>

#include "platform/Memory.h"

namespace novemo {
namespace {

TEST(frmMainWindow, ControlsStartAsTheWindowDefinesThem) {
  MemoryPlatform memory;
  frmMain form(memory.platform());
  EXPECT_EQ(frmMain::Caption, "Novemo 1.2");
  EXPECT_EQ(TwipsToPixels(frmMain::ClientWidth), 397);
  EXPECT_EQ(TwipsToPixels(frmMain::ClientHeight), 431);
  EXPECT_FALSE(form.Timer1.Enabled);
  EXPECT_EQ(form.Timer1.Interval, 1000);
  EXPECT_EQ(form.Picture1.Left, 0);
  EXPECT_EQ(TwipsToPixels(form.Picture1.Top), 32);
  EXPECT_EQ(TwipsToPixels(form.Picture1.Width), 393);
  EXPECT_EQ(form.lblTime.Caption, "");
  EXPECT_EQ(form.Label1.Caption, "Click on File- New Game or press Cltr+N for new game.");
  // The right bar runs past the client area and is clipped there.
  EXPECT_GT(form.Shape2.Left + form.Shape2.Width, frmMain::ClientWidth);

  const StateRecord& state = form.State();
  EXPECT_EQ(state.ActiveTray, 0);
  EXPECT_EQ(state.ElapsedTime, 0.0);
  EXPECT_FALSE(state.LevelDifficult);
  for (std::int16_t i = 1; i <= 81; ++i)
    EXPECT_EQ(state.DigitPos[i], 0);
  for (std::int16_t i = 1; i <= 6; ++i)
    EXPECT_EQ(state.ScoreNames[i], "");
}

TEST(frmMainWindow, SquaresSitOnAnEightPixelGapGrid) {
  MemoryPlatform memory;
  frmMain form(memory.platform());
  const int expected[] = {8, 136, 264};
  for (std::int16_t k = 1; k <= 9; ++k) {
    EXPECT_EQ(TwipsToPixels(TrayLeft(k)), expected[(k - 1) % 3]);
    EXPECT_EQ(TwipsToPixels(TrayTop(k)), expected[(k - 1) / 3]);
    EXPECT_EQ(form.Tray(k).Width(), 1800);
  }
}

TEST(frmMainWindow, MenuTableHasTheHiddenHelpersAndTheShortcuts) {
  MemoryPlatform memory;
  frmMain form(memory.platform());
  const MenuBar& menu = form.Menu;
  EXPECT_FALSE(menu[MenuId::mnHelpers].Visible);
  EXPECT_EQ(menu[MenuId::mntest].shortcut, "Ctrl+M");
  EXPECT_EQ(menu[MenuId::mnNew].caption, "New Game");
  EXPECT_EQ(menu[MenuId::mnGiveup].shortcut, "Ctrl+G");
  EXPECT_EQ(menu[MenuId::mnHow].shortcut, "F1");
  EXPECT_EQ(menu[MenuId::mnAbout].shortcut, "F9");
  EXPECT_FALSE(menu[MenuId::mnEasy].Checked);
  EXPECT_FALSE(menu[MenuId::mnDifficult].Checked);
  // Each item sits under the menu before it.
  MenuId top = MenuId::mnHelpers;
  for (const MenuItem& item : menu.Items()) {
    if (item.TopLevel()) top = item.id;
    EXPECT_EQ(item.parent, top) << item.name;
  }
}

TEST(frmMainWindow, GetActiveTrayKeepsItsValueWhenNoSquareIsActive) {
  MemoryPlatform memory;
  frmMain form(memory.platform());
  form.Tray(7).lblNo_Click(3);
  form.ClearAllBoxes();
  form.GetActiveTray();
  EXPECT_EQ(form.State().ActiveTray, 7);
  for (std::int16_t k = 1; k <= 9; ++k)
    EXPECT_EQ(form.Tray(k).ActiveBox(), 0);
}

}  // namespace
}  // namespace novemo
