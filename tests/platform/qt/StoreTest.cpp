// The settings store on Qt: its file, the broken stores a player may have,
// a store another program holds open, and two copies of the game on one store.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <array>

#include "platform/qt/QtSettingsStore.h"
#include "support/Game.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>

#include <thread>
#endif

namespace novemo {
namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}
// The store's lines, sorted: Qt orders the keys and ends the lines as each platform does.
QByteArray Layout(const QString& path) {
  QList<QByteArray> lines = Contents(path).replace('\r', "").split('\n');
  lines.removeAll({});
  std::sort(lines.begin(), lines.end());
  return lines.join('|');
}
bool Told(const testing::Game& game, const char* words) {
  for (const auto& box : game.memory.messages.shown)
    if (box.text.find(words) != std::string::npos) return true;
  return false;
}
void Put(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

const char* const kTemporary[] = {"TMPDIR", "TMP", "TEMP"};  // where temporary files go
// clang-format off
enum class Broken { RandomBytes, EmptyFile, Folder, NamedPipe, ReadOnlyFile, ReadOnlyFolder, NoFolder, NoTemporaryFolder };
const char* const kBrokenNames[] = {"RandomBytes", "EmptyFile", "Folder", "NamedPipe", "ReadOnlyFile", "ReadOnlyFolder", "NoFolder", "NoTemporaryFolder"};
// clang-format on
void PrintTo(Broken kind, std::ostream* out) {
  *out << kBrokenNames[static_cast<int>(kind)];
}
// Each kind of broken store under a whole game: it starts, loads no better
// time than stored, wins a place and quits; a failure is reported exactly when
// the place did not reach the store, and nothing the player had is lost.
class BrokenStore : public ::testing::TestWithParam<Broken> {};

TEST_P(BrokenStore, TheGameStartsKeepsWhatItCannotReadAndReportsOnlyRealFailures) {
  const Broken kind = GetParam();
  const QByteArray temporary = qgetenv("TMPDIR");
  QTemporaryDir folder;
  const QString dir = folder.filePath(QStringLiteral("Novemo")),
                path = dir + QStringLiteral("/Novemo.conf");
  QByteArray old = "[Scores]\nTime4=00:00:09\nPlayer4=Old\n";
  for (int i = 0; kind == Broken::RandomBytes && i < 4096; ++i)
    old += static_cast<char>(QRandomGenerator::global()->bounded(256));
  // clang-format off
  switch (kind) {
    case Broken::RandomBytes: Put(path, old); break;
    case Broken::ReadOnlyFile: Put(path, old); QFile::setPermissions(path, QFile::ReadOwner); break;
    case Broken::ReadOnlyFolder: Put(path, old); QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner); break;
    case Broken::EmptyFile: Put(path, {}); break;
    case Broken::Folder: QDir().mkpath(path); break;
    case Broken::NoFolder: Put(dir, "a file where the folder belongs"); break;
    case Broken::NoTemporaryFolder: Put(path, old); for (const char* name : kTemporary) qputenv(name, path.toUtf8()); break;
#ifdef Q_OS_UNIX
    case Broken::NamedPipe: ASSERT_TRUE(QDir().mkpath(dir) && mkfifo(QFile::encodeName(path).constData(), 0600) == 0); break;
#else
    case Broken::NamedPipe: GTEST_SKIP() << "no named pipes here";
#endif
  }
  // clang-format on
  QtSettingsStore store(folder.path());
  testing::Game game(1, store);
  game.Load();
  const bool readable = kind == Broken::ReadOnlyFile || kind == Broken::ReadOnlyFolder;
  for (int slot = 1; slot <= 6; ++slot)
    EXPECT_EQ(game.form.State().ScoreTimes[slot], readable && slot == 4 ? 9 / 86400.0 : 0.0);
  game.Ticks(5);
  game.Win("Ann");
  game.form.Form_Unload();
  for (const char* name : kTemporary)  // the test program's own temporary folder again
    qputenv(name, temporary);
  QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QtSettingsStore reader(folder.path());
  const bool stored =
      reader.Open("Novemo").ok && reader.Read("Novemo", "Scores", "Player4", "") == "Ann";
  EXPECT_EQ(Told(game, "could not save") || Told(game, "cannot use"), !stored);
  EXPECT_EQ(Told(game, ".unreadable"), kind == Broken::RandomBytes);
  EXPECT_EQ(Told(game, "cannot use"), kind == Broken::Folder || kind == Broken::NamedPipe ||
                                          kind == Broken::NoTemporaryFolder);  // told at once
  // What could not be read is kept whole, what could not be written is untouched,
  // and a store written anew keeps its layout.
  EXPECT_TRUE(kind != Broken::RandomBytes || Contents(path + QStringLiteral(".unreadable")) == old);
  EXPECT_TRUE(kind != Broken::ReadOnlyFile || stored || Contents(path) == old);
  EXPECT_TRUE(kind != Broken::EmptyFile ||
              Layout(path) ==
                  "Level=False|Player4=Ann|Player5=None|Player6=None|"
                  "Time4=00:00:05|Time5=00:00:00|Time6=00:00:00|[Scores]");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, BrokenStore, ::testing::Values(Broken::RandomBytes, Broken::EmptyFile,
    Broken::Folder, Broken::NamedPipe, Broken::ReadOnlyFile, Broken::ReadOnlyFolder, Broken::NoFolder,
    Broken::NoTemporaryFolder));
// clang-format on

#ifdef Q_OS_WIN
// Windows replaces no file that another program has open without sharing its
// deletion (a scan, the indexer, another copy reading it). A win waits that
// out for a while: held on, the failure is reported; let go within a second,
// the places are stored.
HANDLE Hold(const QString& path) {
  return CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_READ,
                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
}
TEST(StoreHeld, AWinWaitsOutAnotherProgramReadingTheStoreForAWhile) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("Novemo/Novemo.conf"));
  Put(path, "[Scores]\n");
  QtSettingsStore store(folder.path());
  testing::Game game(1, store);
  game.Load();
  game.Ticks(5);
  HANDLE held = Hold(path);
  game.Win("Ann");
  EXPECT_TRUE(Told(game, "could not save"));
  CloseHandle(held);
  held = Hold(path);
  std::thread release([held] {
    Sleep(1000);
    CloseHandle(held);
  });
  game.form.mnNew_Click();
  game.Ticks(3);
  game.Win("Bob");
  release.join();
  EXPECT_TRUE(Layout(path).startsWith("Player4=Bob|Player5=Ann|"));
}

// A second copy that waits for the lock while the first one's save waits out
// a held file meets no lock problem: it waits longer, and stores once the
// file is let go.
TEST(StoreHeld, ASecondCopyWaitsOutTheFirstCopysRetries) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("Novemo/Novemo.conf"));
  Put(path, "[Scores]\n");
  const HANDLE held = Hold(path);
  QtSettingsStore first(folder.path()), second(folder.path());
  first.Lock("Novemo");
  first.Write("Novemo", "Scores", "Level", "True");
  SettingsStore::Report told;
  std::thread waiting([&] {
    second.Lock("Novemo");
    second.Write("Novemo", "Scores", "Player1", "Bob");
    told = second.Commit();
  });
  Sleep(500);
  EXPECT_FALSE(first.Commit().ok);
  CloseHandle(held);
  waiting.join();
  EXPECT_TRUE(told.ok) << told.reason;
}
#endif

// Two copies of the game on one store: Alice wins in 5 s, Bob in 7, 5 or 3 s;
// they quit in either order, or Bob's copy is killed (never unloaded). Both
// places are stored, ranked.
struct Ending {
  int bobEnds, bobSeconds;  // bobEnds 0: quits last, 1: first, 2: killed
  const char* places;
  friend void PrintTo(const Ending& ending, std::ostream* out) {
    *out << std::array{"BobQuitsLast", "BobQuitsFirst", "BobKilled"}[ending.bobEnds]
         << ending.bobSeconds << 's';
  }
};
class TwoCopies : public ::testing::TestWithParam<Ending> {};

TEST_P(TwoCopies, BothWinAndBothPlacesStayRanked) {
  const auto [bobEnds, bobSeconds, places] = GetParam();
  QTemporaryDir config;
  QtSettingsStore aliceStore(config.path()), bobStore(config.path());
  testing::Game alice(5, aliceStore), bob(6, bobStore);
  alice.Load();
  bob.Load();
  alice.Ticks(5);
  alice.Win("Alice");
  bob.Ticks(bobSeconds);
  bob.Win("Bob");
  if (bobEnds == 1) bob.form.Form_Unload();
  alice.form.Form_Unload();
  if (bobEnds == 0) bob.form.Form_Unload();
  EXPECT_EQ(Layout(config.filePath(QStringLiteral("Novemo/Novemo.conf"))).toStdString(), places);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Endings, TwoCopies, ::testing::Values(
    Ending{1, 7, "Level=False|Player4=Alice|Player5=Bob|Player6=None|Time4=00:00:05|Time5=00:00:07|Time6=00:00:00|[Scores]"},
    Ending{0, 5, "Level=False|Player4=Alice|Player5=Bob|Player6=None|Time4=00:00:05|Time5=00:00:05|Time6=00:00:00|[Scores]"},  // the same second: below
    Ending{2, 3, "Level=False|Player4=Bob|Player5=Alice|Player6=None|Time4=00:00:03|Time5=00:00:05|Time6=00:00:00|[Scores]"}));
// clang-format on

}  // namespace
}  // namespace novemo
