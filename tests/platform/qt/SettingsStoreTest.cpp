#include "platform/qt/QtSettingsStore.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "main_window/frmMain.h"
#include "platform/Memory.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace novemo {
namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}
void Put(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

TEST(QtSettingsStore, WritesTheScoresGroupAsPlainTextAndReadsHandEditsBack) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("Novemo/Novemo.conf"));
  {
    QtSettingsStore store(folder.path());
    EXPECT_TRUE(store.Open("Novemo").ok);
    EXPECT_EQ(store.Read("Novemo", "Scores", "Level", "False"), "False");  // missing: the default
    store.Lock("Novemo");
    store.Write("Novemo", "Scores", "Level", "True");
    store.Write("Novemo", "Scores", "Player1", "Ann, Bo = \"x\"");
    store.Write("Novemo", "Scores", "Time1", "00:05:23");
    const auto result = store.Commit();
    EXPECT_TRUE(result.ok) << result.reason;
    EXPECT_EQ(result.location, QDir::toNativeSeparators(path).toStdString());
  }
  const QByteArray text = Contents(path);
  EXPECT_TRUE(text.contains("[Scores]\n")) << text.constData();
  EXPECT_TRUE(text.contains("Level=True\n"));
  EXPECT_TRUE(text.contains("Time1=00:05:23\n"));
  QtSettingsStore again(folder.path());
  EXPECT_EQ(again.Read("Novemo", "Scores", "Player1", "None"), "Ann, Bo = \"x\"");

  Put(path, "[Scores]\nPlayer1=Ann, Bo\n");  // a bare comma reads as a list
  again.Refresh("Novemo");
  EXPECT_EQ(again.Read("Novemo", "Scores", "Player1", "None"), "Ann, Bo");
}

enum class Broken {
  RandomBytes,
  EmptyFile,
  Folder,
  NamedPipe,
  ReadOnlyFile,
  ReadOnlyFolder,
  NoFolder
};

// Each kind of broken store under a whole game: it starts, loads no better
// time than stored, wins a place, quits; a failure is reported exactly when
// the place did not reach the store, and nothing the player had is lost.
class BrokenStore : public ::testing::TestWithParam<Broken> {};

TEST_P(BrokenStore, TheGameStartsKeepsWhatItCannotReadAndReportsOnlyRealFailures) {
  QTemporaryDir folder;
  const QString dir = folder.filePath(QStringLiteral("Novemo"));
  const QString path = dir + QStringLiteral("/Novemo.conf");
  QByteArray garbage(4096, '\0');
  for (char& c : garbage)
    c = static_cast<char>(QRandomGenerator::global()->bounded(256));
  switch (GetParam()) {
    case Broken::RandomBytes:
      Put(path, "[Scores]\nTime4=00:00:01\n" + garbage);
      break;
    case Broken::EmptyFile:
      Put(path, {});
      break;
    case Broken::Folder:
      QDir().mkpath(path);
      break;
    case Broken::NamedPipe:
#ifdef Q_OS_UNIX
      QDir().mkpath(dir);
      ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
      break;
#else
      GTEST_SKIP() << "no named pipes here";
#endif
    case Broken::ReadOnlyFile:
      Put(path, "[Scores]\nTime4=00:00:09\nPlayer4=Old\n");
      QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser);
      break;
    case Broken::ReadOnlyFolder:
      Put(path, "[Scores]\nTime4=00:00:09\nPlayer4=Old\n");
      QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
      break;
    case Broken::NoFolder:
      Put(dir, "a file where the folder belongs");
      break;
  }

  MemoryMessages messages;
  MemoryInput input;
  MemoryBeeper beeper;
  QtSettingsStore store(folder.path());
  SeededRandom random(1);
  {
    frmMain form(Platform{messages, input, beeper, store, random});
    form.Form_Load();
    for (int slot = 1; slot <= 6; ++slot) {
      EXPECT_EQ(
          form.State().ScoreTimes[slot],
          (GetParam() == Broken::ReadOnlyFile || GetParam() == Broken::ReadOnlyFolder) && slot == 4
              ? 9 / 86400.0
              : 0.0);
    }
    input.answers.push_back("Ann");
    for (int i = 0; i < 5; ++i)
      form.Timer1_Timer();
    form.mntest_Click();
    form.Picture1_KeyDown(37, 0);
    form.Form_Unload();
  }
  QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

  bool failureReported = false;
  bool setAside = false;
  for (const auto& shown : messages.shown) {
    failureReported = failureReported || shown.text.find("could not save") != std::string::npos ||
                      shown.text.find("cannot use") != std::string::npos;
    setAside = setAside || shown.text.find(".unreadable") != std::string::npos;
  }
  QtSettingsStore reader(folder.path());
  const bool stored = reader.Open("Novemo").ok &&
                      reader.Read("Novemo", "Scores", "Player4", "") == "Ann" &&
                      reader.Read("Novemo", "Scores", "Time4", "") == "00:00:05";
  EXPECT_EQ(failureReported, !stored);
  EXPECT_EQ(setAside, GetParam() == Broken::RandomBytes);
  if (GetParam() == Broken::RandomBytes) {
    EXPECT_EQ(Contents(path + QStringLiteral(".unreadable")),
              "[Scores]\nTime4=00:00:01\n" + garbage);
  }
  if (GetParam() == Broken::ReadOnlyFile && !stored) {
    EXPECT_EQ(Contents(path), "[Scores]\nTime4=00:00:09\nPlayer4=Old\n");
  }
}

std::string NameOf(const ::testing::TestParamInfo<Broken>& info) {
  static const char* const kNames[] = {"RandomBytes",  "EmptyFile",      "Folder",  "NamedPipe",
                                       "ReadOnlyFile", "ReadOnlyFolder", "NoFolder"};
  return kNames[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Kinds, BrokenStore,
                         ::testing::Values(Broken::RandomBytes, Broken::EmptyFile, Broken::Folder,
                                           Broken::NamedPipe, Broken::ReadOnlyFile,
                                           Broken::ReadOnlyFolder, Broken::NoFolder),
                         NameOf);

}  // namespace
}  // namespace novemo
