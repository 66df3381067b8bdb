// Runs the Qt tests offscreen with a private settings folder, so no test ever
// needs a display or touches the user's own settings; or, with --store-helper
// FOLDER, a copy of the game for the process tests.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <string_view>

int StoreHelper(const QString& folder);  // StoreTest.cpp

int main(int argc, char* argv[]) {
  if (argc == 3 && std::string_view(argv[1]) == "--store-helper") {
    QCoreApplication app(argc, argv);
    return StoreHelper(app.arguments().value(2));
  }
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_WIN
  // Offscreen, Qt reads its fonts from a folder: Windows' own unless one is named.
  if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR"))
    qputenv("QT_QPA_FONTDIR", qgetenv("WINDIR") + "\\Fonts");
#endif
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("Novemo"));
  return RUN_ALL_TESTS();
}
