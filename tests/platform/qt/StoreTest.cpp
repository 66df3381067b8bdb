// The settings store on Qt: its file, the broken stores a player may have,
// and copies of the game as real processes on one store.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "main_window/frmMain.h"
#include "platform/Memory.h"
#include "platform/qt/QtSettingsStore.h"

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
  QtSettingsStore store(folder.path());
  EXPECT_TRUE(store.Open("Novemo").ok);
  EXPECT_EQ(store.Read("Novemo", "Scores", "Level", "False"), "False");  // missing: the default
  store.Lock("Novemo");
  store.Write("Novemo", "Scores", "Level", "True");
  store.Write("Novemo", "Scores", "Player1", "Ann, Bo = \"x\"");
  const auto result = store.Commit();
  EXPECT_TRUE(result.ok) << result.reason;
  EXPECT_EQ(result.location, QDir::toNativeSeparators(path).toStdString());
  EXPECT_TRUE(Contents(path).startsWith("[Scores]\nLevel=True\n")) << Contents(path).constData();
  EXPECT_EQ(QtSettingsStore(folder.path()).Read("Novemo", "Scores", "Player1", ""),
            "Ann, Bo = \"x\"");
  Put(path, "[Scores]\nPlayer1=Ann, Bo\n");  // a bare comma reads as a list
  store.Refresh("Novemo");
  EXPECT_EQ(store.Read("Novemo", "Scores", "Player1", "None"), "Ann, Bo");
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
// time than stored, wins a place and quits; a failure is reported exactly when
// the place did not reach the store, and nothing the player had is lost.
class BrokenStore : public ::testing::TestWithParam<Broken> {};

TEST_P(BrokenStore, TheGameStartsKeepsWhatItCannotReadAndReportsOnlyRealFailures) {
  const Broken kind = GetParam();
  QTemporaryDir folder;
  const QString dir = folder.filePath(QStringLiteral("Novemo")),
                path = dir + QStringLiteral("/Novemo.conf");
  QByteArray old = "[Scores]\nTime4=00:00:09\nPlayer4=Old\n";
  if (kind == Broken::RandomBytes) {
    for (int i = 0; i < 4096; ++i)
      old += static_cast<char>(QRandomGenerator::global()->bounded(256));
  }
  if (kind == Broken::Folder) QDir().mkpath(path);
  if (kind == Broken::NoFolder) Put(dir, "a file where the folder belongs");
  if (kind == Broken::EmptyFile) Put(path, {});
  if (kind == Broken::RandomBytes || kind == Broken::ReadOnlyFile || kind == Broken::ReadOnlyFolder)
    Put(path, old);
  if (kind == Broken::ReadOnlyFile) QFile::setPermissions(path, QFile::ReadOwner);
  if (kind == Broken::ReadOnlyFolder)
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
#ifdef Q_OS_UNIX
  if (kind == Broken::NamedPipe)
    ASSERT_TRUE(QDir().mkpath(dir) && mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
#else
  if (kind == Broken::NamedPipe) GTEST_SKIP() << "no named pipes here";
#endif
  MemoryPlatform memory;
  QtSettingsStore store(folder.path());
  {
    frmMain form(memory.platform(store, memory.random));
    form.Form_Load();
    const bool readable = kind == Broken::ReadOnlyFile || kind == Broken::ReadOnlyFolder;
    for (int slot = 1; slot <= 6; ++slot)
      EXPECT_EQ(form.State().ScoreTimes[slot], readable && slot == 4 ? 9 / 86400.0 : 0.0);
    memory.input.answers.push_back("Ann");
    for (int i = 0; i < 5; ++i)
      form.Timer1_Timer();
    form.mntest_Click();
    form.Picture1_KeyDown(37, 0);
    form.Form_Unload();
  }
  QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  bool failureReported = false, setAside = false;
  for (const auto& shown : memory.messages.shown) {
    failureReported |= shown.text.find("could not save") != std::string::npos ||
                       shown.text.find("cannot use") != std::string::npos;
    setAside |= shown.text.find(".unreadable") != std::string::npos;
  }
  QtSettingsStore reader(folder.path());
  const bool stored =
      reader.Open("Novemo").ok && reader.Read("Novemo", "Scores", "Player4", "") == "Ann";
  EXPECT_EQ(failureReported, !stored);
  EXPECT_EQ(setAside, kind == Broken::RandomBytes);
  if (kind == Broken::RandomBytes) EXPECT_EQ(Contents(path + QStringLiteral(".unreadable")), old);
  if (kind == Broken::ReadOnlyFile && !stored) EXPECT_EQ(Contents(path), old);
}

INSTANTIATE_TEST_SUITE_P(Kinds, BrokenStore,
                         ::testing::Values(Broken::RandomBytes, Broken::EmptyFile, Broken::Folder,
                                           Broken::NamedPipe, Broken::ReadOnlyFile,
                                           Broken::ReadOnlyFolder, Broken::NoFolder));

#ifdef Q_OS_UNIX
// A copy of the game in a process of its own (StoreHelper.cpp), on the store
// in `config`.
class Copy {
 public:
  explicit Copy(const QString& config) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    process_.setProcessEnvironment(environment);
    process_.start(QStringLiteral(NOVEMO_STORE_HELPER), {});
    EXPECT_TRUE(process_.waitForStarted());
  }
  ~Copy() {
    process_.kill();  // SIGKILL: no unload, no chance to save
    process_.waitForFinished();
  }
  // Sends a command; the lines answered up to and with `last`.
  QStringList Say(const QString& command, const QString& last) {
    process_.write((command + QLatin1Char('\n')).toUtf8());
    QStringList lines;
    while ((lines.isEmpty() || lines.back() != last) &&
           (process_.canReadLine() || process_.waitForReadyRead(10000))) {
      if (process_.canReadLine()) lines << QString::fromUtf8(process_.readLine()).trimmed();
    }
    return lines;
  }
  void Quit() {
    process_.write("quit\n");
    EXPECT_TRUE(process_.waitForFinished() && process_.exitCode() == 0);
  }
  QProcess process_;
};

QStringList EasyPlaces(const QString& config) {
  return Copy(config).Say(QStringLiteral("table"), QStringLiteral("end")).mid(3, 3);
}

TEST(CopiesOfTheGame, APlaceWonIsThereAfterSigkill) {
  QTemporaryDir config;
  Copy(config.path()).Say(QStringLiteral("win Killer 42"), QStringLiteral("won"));
  EXPECT_EQ(EasyPlaces(config.path()).front(), QStringLiteral("Killer 00:42"));
}

// Alice wins at 5 s, then Bob at a number of seconds; either quits first.
class TwoCopies : public ::testing::TestWithParam<std::pair<bool, int>> {};

TEST_P(TwoCopies, BothWinAndBothPlacesStayRanked) {
  const auto [aliceQuitsFirst, bobSeconds] = GetParam();
  QTemporaryDir config;
  Copy alice(config.path()), bob(config.path());
  alice.Say(QStringLiteral("win Alice 5"), QStringLiteral("won"));
  bob.Say(QStringLiteral("win Bob %1").arg(bobSeconds), QStringLiteral("won"));
  (aliceQuitsFirst ? alice : bob).Quit();
  (aliceQuitsFirst ? bob : alice).Quit();
  QStringList expected{QStringLiteral("Alice 00:05"), QStringLiteral("Bob 00:0%1").arg(bobSeconds),
                       QStringLiteral("None 00:00")};
  if (bobSeconds < 5) expected.swapItemsAt(0, 1);
  EXPECT_EQ(EasyPlaces(config.path()), expected);
}

INSTANTIATE_TEST_SUITE_P(ExitOrders, TwoCopies,
                         ::testing::Values(std::pair(true, 7), std::pair(false, 7),
                                           std::pair(true, 3), std::pair(false, 5)));
#endif

}  // namespace
}  // namespace novemo
