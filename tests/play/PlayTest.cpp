// Keyboard play, the win, the ended game, and a long run of random play.

#include <gtest/gtest.h>

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

TEST(Arrows, MoveOneCellAcrossSquaresStopAtTheEdgesAndFollowClicks) {
  Game game;
  game.Load();
  const int dRow[] = {0, -1, 0, 1}, dColumn[] = {-1, 0, 1, 0};  // Left, Up, Right, Down
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      for (int arrow = 0; arrow < 4; ++arrow) {
        game.Click(AtGrid(row, column));  // the cell follows the click, not the last key
        game.Press(kLeft + arrow);
        const CellAt to =
            AtGrid(std::clamp(row + dRow[arrow], 0, 8), std::clamp(column + dColumn[arrow], 0, 8));
        ASSERT_EQ(game.Green(), std::pair(1, to))
            << row << ", " << column << ", key " << kLeft + arrow;
        ASSERT_EQ(std::pair(game.form.State().ActiveTray, game.form.State().ActiveCell), to);
      }
    }
  }
}

TEST(Entries, DigitsOfBothRowsEnterWhateverTheModifiersAndOtherKeysDoNot) {
  Game game;
  game.Load();
  const CellAt open = game.FirstCell(false);
  game.Click(open);
  for (int d = 1; d <= 9; ++d) {
    game.Press(kDigit0 + d, d % 8);
    ASSERT_EQ(game.Text(open), Shown(d));
    game.Press(kPad0 + 10 - d);
    ASSERT_EQ(game.Text(open), Shown(10 - d));
  }
  for (int key : {+kDigit0, +kPad0, +kDelete, +kCtrlKey, 58, 106})
    game.Press(key);
  EXPECT_EQ(game.Text(open), " 1");
  game.Press(kBackspace);
  EXPECT_EQ(game.Text(open), "  ");
  EXPECT_EQ(game.Green(), std::pair(1, open));
  const CellAt given = game.FirstCell(true);
  game.Click(given);
  game.Press(kDigit0 + 1);
  game.Press(kBackspace);
  EXPECT_EQ(game.Text(given), Shown(game.Digit(given)));
  EXPECT_EQ(game.memory.beeper.count, 2);
}

TEST(SolutionKey, OnlyCtrlAloneWithQRevealsAndTheNextKeyWins) {
  Game game;
  game.Load();
  const CellAt open = game.FirstCell(false);
  for (int shift : {0, kCtrlDown | kShiftDown, kCtrlDown | kAltDown})
    game.Press(kKeyQ, shift);
  EXPECT_EQ(game.Text(open), "");
  game.Press(kKeyQ, kCtrlDown);
  EXPECT_EQ(game.Text(open), Shown(game.Digit(open)));
  EXPECT_TRUE(game.memory.messages.shown.empty());  // not during the same key press
  game.Press(kCtrlKey, kCtrlDown);
  ASSERT_FALSE(game.memory.messages.shown.empty());
  EXPECT_EQ(game.memory.messages.shown[0].title, "Result");
}

TEST(Win, TheLastCorrectDigitWinsWithTheBoardHiddenAndTheClockStoppedFirst) {
  Game game;
  game.Load();
  game.Ticks(12);
  game.form.mntest_Click();
  const CellAt open = game.FirstCell(false);
  game.Click(open);
  game.Press(kBackspace);                          // an erased cell is not correct
  game.Press(kDigit0 + game.Digit(open) % 9 + 1);  // nor a wrong digit
  EXPECT_TRUE(game.memory.messages.shown.empty());
  // Ticks arrive while the boxes are open, as long as the timer runs.
  game.memory.messages.whileOpen = [&](const MemoryMessages::Shown& shown) {
    if (shown.title == "Result") {
      EXPECT_EQ(shown.text, "Congratulations!!   You won!!");
      EXPECT_EQ(shown.icon, MsgIcon::Information);
      EXPECT_EQ(game.form.Picture1.Left, 8000);
      EXPECT_FALSE(game.form.Timer1.Enabled);
      EXPECT_TRUE(game.form.Menu[MenuId::mnGiveup].Enabled);
    }
    if (game.form.Timer1.Enabled) game.Ticks(5);
  };
  game.memory.input.answers.push_back("Ann");
  game.Press(kDigit0 + game.Digit(open));
  EXPECT_EQ(game.memory.messages.shown.size(), 2u);  // the win, then the table
  EXPECT_EQ(game.Stored("Time4"), "00:00:12");
  EXPECT_FALSE(game.form.Menu[MenuId::mnGiveup].Enabled);
  EXPECT_EQ(game.form.lblTime.Caption, "00:12");
}

TEST(EndedGame, KeysChangeNothingAndAnnounceNothingUntilTheNextGame) {
  Game won, quitter;
  won.Load();
  won.Win("Ann");
  quitter.Load();
  ASSERT_TRUE(quitter.GiveUp());
  quitter.form.mntest_Click();  // the hidden grid, complete
  for (Game* game : {&won, &quitter}) {
    const auto shown = game->memory.messages.shown.size();
    const auto green = game->Green();
    for (int key : {+kLeft, +kDown, kDigit0 + 1, +kBackspace, +kKeyQ})
      game->Press(key, key == kKeyQ ? kCtrlDown : 0);
    EXPECT_EQ(game->memory.messages.shown.size(), shown);
    EXPECT_EQ(game->Green(), green);
  }
  quitter.form.mnNew_Click();
  quitter.Press(kLeft);
  EXPECT_EQ(quitter.Green(), std::pair(1, Cell(5, 4)));
  const int before = quitter.form.Picture1.focusRequests;
  quitter.form.Picture1_LostFocus();  // the board asks for the keyboard back
  EXPECT_EQ(quitter.form.Picture1.focusRequests, before + 1);
}

// Random keys, clicks, ticks and menu commands; after every event the rules
// that always hold are checked. NOVEMO_RANDOM_EVENTS sets a longer run
// (bench/long-run.sh runs a million).
TEST(RandomPlay, HundredThousandEventsKeepEveryRule) {
  const char* events = std::getenv("NOVEMO_RANDOM_EVENTS");
  Game game(2024);
  std::mt19937 rng(2024);
  const auto pick = [&](int below) {
    return std::uniform_int_distribution<int>(0, below - 1)(rng);
  };
  std::array<std::string, 81> given;
  int wins = 0, winsThisGame = 0;
  const auto newGame = [&] {
    for (int i = 0; i < 81; ++i)
      given[static_cast<std::size_t>(i)] =
          game.Given(Cell(i / 9 + 1, i % 9 + 1)) ? game.Text(Cell(i / 9 + 1, i % 9 + 1)) : "";
    winsThisGame = 0;
    game.Ticks(1);  // nobody wins within the first second: a time of 0 is an empty place
  };
  game.Load();
  newGame();
  for (int n = 0; n < (events ? std::atoi(events) : 100'000); ++n) {
    if (game.memory.input.answers.empty())
      game.memory.input.answers.push_back(pick(10) ? std::to_string(n) : "");
    const auto shown = game.memory.messages.shown.size();
    if (const int kind = pick(100); kind < 70) {
      static const int kKeys[] = {8,  37,  38,  39, 40, 48, 49, 50, 53, 57, 96,
                                  97, 101, 105, 81, 46, 16, 17, 18, 65, 0,  13};
      game.Press(kKeys[pick(std::size(kKeys))], pick(8));
    } else if (kind < 85) {
      game.Click(Cell(pick(9) + 1, pick(9) + 1));
    } else if (kind < 97) {
      game.Ticks(1 + pick(30));
    } else {
      static const MenuId kMenus[] = {MenuId::mnNew,    MenuId::mnEasy, MenuId::mnDifficult,
                                      MenuId::mnGiveup, MenuId::mntest, MenuId::mnScore};
      const MenuId id = kMenus[pick(std::size(kMenus))];
      game.memory.messages.answers = {pick(2) ? MsgAnswer::Yes : MsgAnswer::No};
      game.form.MenuClick(id);
      if (id == MenuId::mnNew || id == MenuId::mnEasy || id == MenuId::mnDifficult) newGame();
    }
    for (auto i = shown; i < game.memory.messages.shown.size(); ++i) {
      const bool won = game.memory.messages.shown[i].title == "Result";
      wins += won;
      winsThisGame += won;
    }
    const auto& state = game.form.State();
    ASSERT_LE(winsThisGame, 1) << "one game won twice, event " << n;
    const auto [frames, green] = game.Green();  // the cell lags behind a click, the square does not
    ASSERT_TRUE(game.form.GameEnded() || (frames == 1 && green.first == state.ActiveTray))
        << "event " << n;
    for (int i = 0; i < 81; ++i) {
      const std::string& text = given[static_cast<std::size_t>(i)];
      ASSERT_TRUE(text.empty() || game.Text(Cell(i / 9 + 1, i % 9 + 1)) == text) << "event " << n;
    }
    std::set<std::string> names;  // places in order, empty ones last, no win twice
    for (int first : {1, 4}) {
      for (int slot = first; slot < first + 2; ++slot) {
        const auto here = WholeSeconds(state.ScoreTimes[slot]),
                   next = WholeSeconds(state.ScoreTimes[slot + 1]);
        ASSERT_TRUE(next == 0 || (here != 0 && here <= next)) << "places out of order, event " << n;
      }
      for (int slot = first; slot < first + 3; ++slot) {
        ASSERT_TRUE(state.ScoreTimes[slot] == 0 || names.insert(state.ScoreNames[slot]).second)
            << "a win twice, event " << n;
      }
    }
  }
  EXPECT_GT(wins, 10);  // the run reached the win and the table many times
}

}  // namespace
}  // namespace novemo
