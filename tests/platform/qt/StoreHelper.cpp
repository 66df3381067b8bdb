// A copy of the game for the process tests, on the settings folder given as
// its argument, driven by lines on standard input, each answered by one line:
// "win NAME SECONDS" wins a game ("won"); "table" gives Easy's three places
// ("Ann 00:05, None 00:00, None 00:00"); "quit" unloads the window and exits.

#include <QCoreApplication>
#include <iostream>
#include <sstream>

#include "platform/qt/QtSettingsStore.h"
#include "scores/TimeText.h"
#include "support/Game.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  novemo::QtSettingsStore store(app.arguments().value(1));  // the settings folder
  novemo::testing::Game game(5, store);
  game.Load();
  for (std::string line, command, name; std::getline(std::cin, line);) {
    int seconds = 0;
    std::istringstream(line) >> command >> name >> seconds;
    if (command == "win") {
      game.form.mnNew_Click();
      game.Ticks(seconds);
      game.Win(name);
      std::cout << "won" << std::endl;
    } else if (command == "table") {
      game.form.mnScore_Click();
      for (int slot = 4; slot <= 6; ++slot)
        std::cout << game.form.State().ScoreNames[slot] << ' '
                  << novemo::ClockText(game.form.State().ScoreTimes[slot])
                  << (slot < 6 ? ", " : "\n");
      std::cout.flush();
    } else if (command == "quit") {
      game.form.Form_Unload();
      return 0;
    }
  }
  return 0;
}
