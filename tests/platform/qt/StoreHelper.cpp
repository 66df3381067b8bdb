// A game process for the kill test. "win NAME SECONDS": wins a game, says
// "won" and waits to be killed. "table": prints the score table.

#include <unistd.h>
#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "main_window/frmMain.h"
#include "platform/Memory.h"
#include "platform/qt/QtPlatform.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Novemo"));
  QCoreApplication::setApplicationName(QStringLiteral("Novemo"));
  const std::string mode = argc > 1 ? argv[1] : "";

  novemo::MemoryMessages messages;
  novemo::MemoryInput input;
  novemo::MemoryBeeper beeper;
  novemo::QtSettingsStore store;
  novemo::SeededRandom random(5);
  novemo::frmMain form(novemo::Platform{messages, input, beeper, store, random});
  form.Form_Load();

  if (mode == "win" && argc == 4) {
    input.answers.push_back(argv[2]);
    for (int i = std::atoi(argv[3]); i > 0; --i)
      form.Timer1_Timer();
    form.mntest_Click();
    form.Picture1_KeyDown(37, 0);
    std::puts("won");
    std::fflush(stdout);
    for (;;)
      pause();  // until killed, never unloaded
  }
  if (mode == "table") {
    form.mnScore_Click();
    std::string text = messages.shown.back().text;
    for (char& c : text) {
      if (c == '\r') c = '\n';
    }
    std::fputs(text.c_str(), stdout);
    return 0;
  }
  std::fputs("usage: novemo_store_helper win NAME SECONDS | table\n", stderr);
  return 2;
}
