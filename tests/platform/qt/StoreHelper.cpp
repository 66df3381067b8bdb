// A copy of the game for the process tests, driven by lines on standard input:
// "win NAME SECONDS" wins a game and answers "won"; "table" prints the six
// places, one a line, then "end"; "quit" unloads the window and exits.

#include <QCoreApplication>
#include <iostream>
#include <sstream>
#include <string>

#include "main_window/frmMain.h"
#include "platform/Memory.h"
#include "platform/qt/QtSettingsStore.h"
#include "scores/TimeText.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  novemo::MemoryMessages messages;
  novemo::MemoryInput input;
  novemo::MemoryBeeper beeper;
  novemo::QtSettingsStore store;
  novemo::SeededRandom random(5);
  novemo::frmMain form(novemo::Platform{messages, input, beeper, store, random});
  form.Form_Load();

  for (std::string line; std::getline(std::cin, line);) {
    std::istringstream words(line);
    std::string command, name;
    int seconds = 0;
    words >> command >> name >> seconds;
    if (command == "win") {
      input.answers.push_back(name);
      form.mnNew_Click();
      for (int i = 0; i < seconds; ++i)
        form.Timer1_Timer();
      form.mntest_Click();
      form.Picture1_KeyDown(37, 0);
      std::cout << "won" << std::endl;
    } else if (command == "table") {
      form.mnScore_Click();
      for (int slot = 1; slot <= 6; ++slot) {
        std::cout << form.State().ScoreNames[slot] << ' '
                  << novemo::ClockText(form.State().ScoreTimes[slot]) << '\n';
      }
      std::cout << "end" << std::endl;
    } else if (command == "quit") {
      form.Form_Unload();
      return 0;
    }
  }
  return 0;
}
