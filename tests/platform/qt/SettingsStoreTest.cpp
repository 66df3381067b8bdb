#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "platform/qt/QtPlatform.h"

namespace novemo {
namespace {

// Points the user's settings at a folder of the test's own for its lifetime.
class SettingsFolder {
 public:
  explicit SettingsFolder(const QString& path) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
  }
  ~SettingsFolder() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       qEnvironmentVariable("XDG_CONFIG_HOME"));
  }
};

TEST(QtSettingsStore, WritesTheScoresGroupAsPlainTextAndReadsItBack) {
  QTemporaryDir folder;
  SettingsFolder use(folder.path());
  {
    QtSettingsStore store;
    EXPECT_EQ(store.Read("Novemo", "Scores", "Level", "False"), "False");  // missing: the default
    store.Write("Novemo", "Scores", "Level", "True");
    store.Write("Novemo", "Scores", "Player1", "Ann, Bo = \"x\"");
    store.Write("Novemo", "Scores", "Time1", "00:05:23");
    const auto result = store.Commit();
    EXPECT_TRUE(result.ok);
    EXPECT_NE(result.location.find("Novemo.conf"), std::string::npos);
  }
  QFile file(folder.path() + QStringLiteral("/Novemo/Novemo.conf"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(text.contains(QStringLiteral("[Scores]")));
  EXPECT_TRUE(text.contains(QStringLiteral("Level=True")));
  EXPECT_TRUE(text.contains(QStringLiteral("Time1=00:05:23")));

  QtSettingsStore again;
  EXPECT_EQ(again.Read("Novemo", "Scores", "Player1", "None"), "Ann, Bo = \"x\"");
  EXPECT_EQ(again.Read("Novemo", "Scores", "Time1", ""), "00:05:23");
}

TEST(QtSettingsStore, ReadsAHandEditedListAsTextAndReportsAFolderItCannotMake) {
  QTemporaryDir folder;
  QDir(folder.path()).mkpath(QStringLiteral("Novemo"));
  QFile edited(folder.path() + QStringLiteral("/Novemo/Novemo.conf"));
  ASSERT_TRUE(edited.open(QIODevice::WriteOnly));
  edited.write("[Scores]\nPlayer1=Ann, Bo\n");
  edited.close();
  {
    SettingsFolder use(folder.path());
    QtSettingsStore store;
    EXPECT_EQ(store.Read("Novemo", "Scores", "Player1", "None"), "Ann, Bo");
  }

  // A file where the folder should be: no one can write there, root included.
  QFile blocker(folder.path() + QStringLiteral("/blocked"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  SettingsFolder use(blocker.fileName());
  QtSettingsStore store;
  store.Write("Novemo", "Scores", "Level", "True");
  const auto result = store.Commit();
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.location.find("blocked"), std::string::npos);
  EXPECT_FALSE(result.reason.empty());
}

}  // namespace
}  // namespace novemo
