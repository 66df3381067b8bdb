#include <QApplication>
#include <QLocale>

#include "main_window/frmMain.h"
#include "platform/Random.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtContrast.h"
#include "platform/qt/QtLanguage.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/SessionPlatform.h"
#include "platform/qt/SystemEnd.h"

int main(int argc, char* argv[]) {
  const std::string_view platform = novemo::QtPlatformFor(novemo::ThisSession());
  if (!platform.empty())
    qputenv("QT_QPA_PLATFORM",
            QByteArray(platform.data(), static_cast<qsizetype>(platform.size())));
  QApplication app(argc, argv);
  // The settings store is found by these names: set them before the first read.
  QCoreApplication::setOrganizationName(QStringLiteral("Novemo"));
  QCoreApplication::setApplicationName(QStringLiteral("Novemo"));

  // One language for the whole run, before the first text is made.
  const novemo::QtLanguage language(
      novemo::ChooseLanguage(QLocale::system().uiLanguages(), novemo::GameLanguages()));

  novemo::ModalHost host;
  novemo::QtMessages messages(host);
  novemo::QtInput input(host);
  novemo::QtBeeper beeper;
  novemo::QtSettingsStore store;
  novemo::ClockMixedRandom random;
  novemo::frmMain form(novemo::Platform{messages, input, beeper, store, random, language});

  // Asked before the window is made, so an answer is likely in before it shows.
  novemo::QtContrast contrast;
  novemo::MainWindow window(form);
  window.HostBoxes(host);
  novemo::FollowContrast(contrast, window.Board());

  form.Form_Load();
  // Before the game has loaded there is nothing of it to store.
  novemo::UnloadWhenTheSystemEnds([&] {
    host.ending = true;
    form.Form_Unload();
  });
  window.Sync();
  window.show();
  // The keyboard comes to the new game, also where no window manager hands
  // it out (a private display served over VNC).
  window.activateWindow();
  return QApplication::exec();
}
