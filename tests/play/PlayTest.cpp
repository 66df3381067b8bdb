// Keyboard play and the win.

#include <algorithm>

#include "support/Game.h"

namespace novemo {
namespace {

using namespace novemo::testing;

CellAt AtGrid(int row, int column) {
  return Cell(row / 3 * 3 + column / 3 + 1, row % 3 * 3 + column % 3 + 1);
}

class Arrows : public LoadedGame {};

TEST_F(Arrows, MoveOneCellAcrossSquaresStopAtTheEdgesAndFollowClicks) {
  const int dRow[] = {0, -1, 0, 1}, dColumn[] = {-1, 0, 1, 0};  // Left, Up, Right, Down
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      for (int arrow = 0; arrow < 4; ++arrow) {
        Click(AtGrid(row, column));  // the cell follows the click, not the last key
        Press(kLeft + arrow);
        const CellAt to =
            AtGrid(std::clamp(row + dRow[arrow], 0, 8), std::clamp(column + dColumn[arrow], 0, 8));
        ASSERT_EQ(Green(), std::pair(1, to)) << row << ", " << column << ", key " << kLeft + arrow;
      }
    }
  }
}

// Digits, erase, Ctrl+Q; the last correct key wins.
class Win : public LoadedGame {};

TEST_F(Win, TheLastCorrectKeyWinsWithTheBoardHiddenAndTheClockStoppedFirst) {
  Ticks(12);
  const CellAt open = LastCell(false);
  Click(open);
  for (int d = 1; d <= 9; ++d) {  // digits of both rows enter whatever the modifiers
    Press(kDigit0 + d, d % 8);
    ASSERT_EQ(Text(open), Shown(d));
    Press(kPad0 + 10 - d);
    ASSERT_EQ(Text(open), Shown(10 - d));
  }
  for (int key : {+kDigit0, +kPad0, +kDelete, +kCtrlKey, 58, 106})
    Press(key);  // these do not
  EXPECT_EQ(Text(open), " 1");
  Press(kBackspace);
  for (int shift : {0, kCtrlDown | kShiftDown, kCtrlDown | kAltDown})
    Press(kKeyQ, shift);
  EXPECT_EQ(Text(open), "  ");  // erased; only Ctrl alone with Q reveals
  Press(kKeyQ, kCtrlDown);
  EXPECT_EQ(Text(open), Shown(Digit(open)));  // no win during the same key press
  Press(kBackspace);                          // an erased cell is not correct
  Press(kDigit0 + Digit(open) % 9 + 1);       // nor a wrong digit, in a full grid
  EXPECT_TRUE(memory.messages.shown.empty());
  // Ticks arrive while the boxes are open, as long as the timer runs.
  memory.messages.whileOpen = [&](const MemoryMessages::Shown& shown) {
    if (shown.title == "Result") {
      EXPECT_EQ(std::pair(shown.text, shown.icon),
                std::pair(std::string("Congratulations!!   You won!!"), MsgIcon::Information));
      // Out of view and the clock stopped first; Give Up still on.
      EXPECT_TRUE(form.Picture1.Left == 8000 && !form.Timer1.Enabled &&
                  form.Menu[MenuId::mnGiveup].Enabled);
    }
    if (form.Timer1.Enabled) Ticks(5);
  };
  memory.input.answers.push_back("Ann");
  Press(kDigit0 + Digit(open));
  Press(kBackspace);  // the game is over: keys do nothing
  // Two boxes: the win, then the table.
  EXPECT_TRUE(memory.messages.shown.size() == 2 && Stored("Time4") == "00:00:12" &&
              form.lblTime.Caption == "00:12" && !form.Menu[MenuId::mnGiveup].Enabled &&
              Text(open) == Shown(Digit(open)));
  form.mnNew_Click();  // every square starts again, the last one too
  EXPECT_EQ(Text(LastCell(false)), "");
}

}  // namespace
}  // namespace novemo
