// Keyboard play, the win, the ended game, and a long run of random play.

#include <algorithm>
#include <cstdlib>
#include <random>
#include <set>

#include "scores/TimeText.h"
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
  EXPECT_EQ(Text(open), "  ");
  for (int shift : {0, kCtrlDown | kShiftDown, kCtrlDown | kAltDown})
    Press(kKeyQ, shift);
  EXPECT_EQ(Text(open), "  ");  // only Ctrl alone with Q reveals
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
  EXPECT_EQ(memory.messages.shown.size(), 2u);  // the win, then the table
  EXPECT_EQ(Stored("Time4"), "00:00:12");
  EXPECT_FALSE(form.Menu[MenuId::mnGiveup].Enabled);
  EXPECT_EQ(form.lblTime.Caption, "00:12");
}

// Random keys, clicks, ticks and menu commands; after every event the rules
// that always hold are checked. NOVEMO_RANDOM_EVENTS sets a longer run
// (bench/long-run.sh runs a million).
TEST(RandomPlay, HundredThousandEventsKeepEveryRule) {
  const char* events = std::getenv("NOVEMO_RANDOM_EVENTS");
  Game game(2024);
  std::mt19937 rng(2024);
  const auto pick = [&](int below) { return static_cast<int>(rng() % unsigned(below)); };
  const MenuId menus[] = {MenuId::mnNew, MenuId::mnEasy, MenuId::mnDifficult, MenuId::mnGiveup,
                          MenuId::mntest};
  const int keys[] = {8, 37, 38, 39, 40, 48, 49, 53, 57, 96, 97, 105, 81, 46, 17, 65, 0};
  int wins = 0, winsThisGame = 0;
  game.Load();
  for (int n = 0; n < (events ? std::atoi(events) : 100'000); ++n) {
    game.memory.input.answers = {pick(10) ? std::to_string(n) : ""};
    const auto shown = game.memory.messages.shown.size();
    if (const int kind = pick(100); kind < 70) {
      game.Press(keys[pick(std::size(keys))], pick(8));
    } else if (kind < 85) {
      game.Click(Cell(pick(9) + 1, pick(9) + 1));
    } else if (kind < 97) {
      game.Ticks(1 + pick(30));
    } else {
      const MenuId id = menus[pick(5)];
      game.memory.messages.answers = {pick(2) ? MsgAnswer::Yes : MsgAnswer::No};
      game.form.MenuClick(id);
      if (id != MenuId::mnGiveup && id != MenuId::mntest) {  // a new game, with one solution
        ASSERT_TRUE(game.OneSolutionTheStoredOne()) << "event " << n;
        winsThisGame = 0;  // nobody wins in its first second: a time of 0 is an empty place
        game.Ticks(1);
      }
    }
    const auto& all = game.memory.messages.shown;
    const auto won = std::count_if(all.begin() + static_cast<long>(shown), all.end(),
                                   [](const auto& box) { return box.title == "Result"; });
    wins += static_cast<int>(won);
    winsThisGame += static_cast<int>(won);
    const auto& state = game.form.State();
    const auto [frames, green] = game.Green();  // the cell lags behind a click, the square does not
    ASSERT_TRUE(game.form.GameEnded() || (frames == 1 && green.first == state.ActiveTray))
        << "event " << n;
    ASSERT_LE(winsThisGame, 1) << "one game won twice, event " << n;
    std::set<std::string> names;  // places in order, empty ones last, no win twice
    for (int slot = 1; slot <= 6; ++slot) {
      const auto here = WholeSeconds(state.ScoreTimes[slot]),
                 next = slot % 3 ? WholeSeconds(state.ScoreTimes[slot + 1]) : 0;
      ASSERT_TRUE(next == 0 || (here != 0 && here <= next)) << "places out of order, event " << n;
      ASSERT_TRUE(here == 0 || names.insert(state.ScoreNames[slot]).second)
          << "a win twice, event " << n;
    }
  }
  EXPECT_GT(wins, 10);  // the run reached the win and the table many times
}

}  // namespace
}  // namespace novemo
