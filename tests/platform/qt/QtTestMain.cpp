// Runs the Qt tests offscreen with a private settings folder, so no test ever
// needs a display or touches the user's own settings.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char* argv[]) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_WIN
  // Offscreen, Qt reads its fonts from a folder: Windows' own unless one is named.
  if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR"))
    qputenv("QT_QPA_FONTDIR", qgetenv("WINDIR") + "\\Fonts");
#endif
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  for (const char* temporary : {"TMPDIR", "TMP", "TEMP"})  // temporary files there too
    qputenv(temporary, config.path().toUtf8());
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("Novemo"));
  return RUN_ALL_TESTS();
}
