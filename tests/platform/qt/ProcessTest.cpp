// Copies of the game as real processes on one real settings store.

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

namespace novemo {
namespace {

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
    if (process_.state() != QProcess::NotRunning) {
      process_.kill();
      process_.waitForFinished();
    }
  }
  // Sends a command; the lines answered up to `last`.
  QStringList Say(const QString& command, const QString& last) {
    process_.write((command + QLatin1Char('\n')).toUtf8());
    QStringList lines;
    while (lines.isEmpty() || lines.back() != last) {
      while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(10000)) return lines << QStringLiteral("(no answer)");
      }
      lines << QString::fromUtf8(process_.readLine()).trimmed();
    }
    return lines;
  }
  void Quit() {
    process_.write("quit\n");
    EXPECT_TRUE(process_.waitForFinished());
    EXPECT_EQ(process_.exitCode(), 0);
  }
  void Kill() {
    process_.kill();  // SIGKILL: no unload, no chance to save
    process_.waitForFinished();
  }

 private:
  QProcess process_;
};

QStringList EasyPlaces(const QString& config) {
  Copy reader(config);
  return reader.Say(QStringLiteral("table"), QStringLiteral("end")).mid(3, 3);
}

TEST(CopiesOfTheGame, APlaceWonIsThereAfterSigkill) {
  QTemporaryDir config;
  Copy game(config.path());
  EXPECT_EQ(game.Say(QStringLiteral("win Killer 42"), QStringLiteral("won")).back(), "won");
  game.Kill();
  EXPECT_EQ(EasyPlaces(config.path()).front(), QStringLiteral("Killer 00:42"));
}

struct Order {
  bool firstQuitsFirst;
  int bobSeconds;
};

void PrintTo(const Order& order, std::ostream* out) {
  *out << (order.firstQuitsFirst ? "Alice quits first, " : "Bob quits first, ") << order.bobSeconds;
}

class TwoCopies : public ::testing::TestWithParam<Order> {};

TEST_P(TwoCopies, BothWinAndBothPlacesStayRanked) {
  QTemporaryDir config;
  Copy a(config.path());
  Copy b(config.path());
  a.Say(QStringLiteral("win Alice 5"), QStringLiteral("won"));
  b.Say(QStringLiteral("win Bob %1").arg(GetParam().bobSeconds), QStringLiteral("won"));
  if (GetParam().firstQuitsFirst) {
    a.Quit();
    b.Quit();
  } else {
    b.Quit();
    a.Quit();
  }
  const QString bob =
      QStringLiteral("Bob 00:%1").arg(GetParam().bobSeconds, 2, 10, QLatin1Char('0'));
  const QStringList expected =
      GetParam().bobSeconds < 5
          ? QStringList{bob, QStringLiteral("Alice 00:05"), QStringLiteral("None 00:00")}
          : QStringList{QStringLiteral("Alice 00:05"), bob, QStringLiteral("None 00:00")};
  EXPECT_EQ(EasyPlaces(config.path()), expected);
}

INSTANTIATE_TEST_SUITE_P(ExitOrders, TwoCopies,
                         ::testing::Values(Order{true, 7}, Order{false, 7}, Order{true, 3},
                                           Order{false, 5}));

}  // namespace
}  // namespace novemo
