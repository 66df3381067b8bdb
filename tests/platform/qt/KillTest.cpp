#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

namespace novemo {
namespace {

// A place won survives the game being killed before it could close.
TEST(KillTest, APlaceWonIsThereAfterSigkill) {
  QTemporaryDir config;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
  const QString helper = QStringLiteral(NOVEMO_STORE_HELPER);

  QProcess game;
  game.setProcessEnvironment(environment);
  game.start(helper, {QStringLiteral("win"), QStringLiteral("Killer"), QStringLiteral("42")});
  ASSERT_TRUE(game.waitForStarted());
  while (!game.canReadLine())
    ASSERT_TRUE(game.waitForReadyRead(10000)) << "no win reported";
  EXPECT_EQ(game.readLine().trimmed(), QByteArray("won"));
  game.kill();  // SIGKILL: no unload, no chance to save
  ASSERT_TRUE(game.waitForFinished());
  EXPECT_EQ(game.exitStatus(), QProcess::CrashExit);

  QProcess again;
  again.setProcessEnvironment(environment);
  again.start(helper, {QStringLiteral("table")});
  ASSERT_TRUE(again.waitForFinished());
  const QString table = QString::fromUtf8(again.readAllStandardOutput());
  EXPECT_TRUE(table.contains(QStringLiteral("Easy\n  1.  Killer - 00:42\n")))
      << table.toStdString();
}

}  // namespace
}  // namespace novemo
