// The game in the player's language: which one it chooses, its catalogues,
// and the real window in every language it speaks.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "platform/Memory.h"
#include "platform/qt/BoardView.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtLanguage.h"

namespace novemo {
namespace {

TEST(Language, IsTheFirstOfTheDesktopsThatTheGameSpeaks) {
  const QStringList spoken = {"de", "pt_BR", "zh_CN", "ar"};
  const struct {
    QStringList preferred;
    const char* chosen;
  } cases[] = {
      {{"de-AT", "de-Latn-AT", "de"}, "de"},       // another country's German
      {{"fr-FR", "fr", "de-DE", "de"}, "de"},      // the next language the game speaks
      {{"pt-PT"}, "pt_BR"},                        // the same language and script
      {{"zh-TW", "zh-Hant-TW", "zh-Hant"}, "en"},  // another script: not Simplified Chinese
      {{"en-GB", "de-DE"}, "en"},                  // English first: the source texts
      {{"C", "de-DE"}, "de"},
      {{}, "en"},
  };
  for (const auto& [preferred, chosen] : cases)
    EXPECT_EQ(ChooseLanguage(preferred, spoken), QString::fromLatin1(chosen))
        << preferred.join(' ').toStdString();
  QStringList built = QStringLiteral(NOVEMO_LANGUAGES).split(QLatin1Char(' '));
  built.sort();
  EXPECT_EQ(GameLanguages(), built);  // every catalogue is in the program
}

// The desktop's language, as the running program takes it, on every system:
// NOVEMO_EXPECT_LANGUAGE names the language the environment asks for.
TEST(Language, FollowsTheDesktopWithQtsOwnButtons) {
  const QString expected = qEnvironmentVariable("NOVEMO_EXPECT_LANGUAGE");
  if (expected.isEmpty()) GTEST_SKIP() << "NOVEMO_EXPECT_LANGUAGE is not set";
  const QString chosen = ChooseLanguage(QLocale::system().uiLanguages(), GameLanguages());
  ASSERT_EQ(chosen, expected) << QLocale::system().uiLanguages().join(' ').toStdString();
  const QtLanguage language(chosen);
  EXPECT_NE(QMessageBox().addButton(QMessageBox::Yes)->text(), QStringLiteral("&Yes"));
  EXPECT_NE(language.Tr("Menu", "File"), "File");
}

// Each catalogue entry is finished and carries its source's placeholders,
// line breaks and (no) access keys.
TEST(Language, CataloguesAreFinishedAndKeepTheirPlaceholders) {
  const QDir folder(QStringLiteral(NOVEMO_SOURCE_DIR "/translations"));
  if (!folder.exists()) GTEST_SKIP() << "no source tree here";
  const QRegularExpression entry(
      QStringLiteral("<source>(.*?)</source>.*?<translation( type=\"unfinished\")?>(.*?)<"),
      QRegularExpression::DotMatchesEverythingOption);
  const auto marks = [](const QString& text) {
    QStringList found = {QString::number(text.count(QLatin1Char('\n'))),
                         QString::number(text.count(QLatin1String("&amp;")))};
    for (int n = 1; n <= 9; ++n)
      found << QString::number(text.count(QStringLiteral("%%1").arg(n)));
    return found;
  };
  const QStringList files = folder.entryList({QStringLiteral("novemo_*.ts")});
  EXPECT_EQ(files.size(), GameLanguages().size());  // and no catalogue is left out
  for (const QString& name : files) {
    QFile file(folder.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    int entries = 0;
    for (const auto& found : entry.globalMatch(QString::fromUtf8(file.readAll()))) {
      ++entries;
      EXPECT_TRUE(found.captured(2).isEmpty() && !found.captured(3).trimmed().isEmpty() &&
                  marks(found.captured(3)) == marks(found.captured(1)))
          << name.toStdString() << ": " << found.captured(3).toStdString();
    }
    EXPECT_GT(entries, 40) << name.toStdString();
  }
}

// The game in its window, in one language, with the same puzzle in each.
struct Window {
  explicit Window(const QString& language) : language(language) {
    form.Form_Load();
    window.Sync();
    window.show();
  }
  QImage Board() { return window.Board().grab().toImage(); }
  QRect Title(MenuId id) { return window.menuBar()->actionGeometry(&window.Action(id)); }

  QtLanguage language;
  MemoryPlatform memory{7, &language};
  frmMain form{memory.platform()};
  MainWindow window{form};
};

class EveryLanguage : public ::testing::TestWithParam<QString> {};

// Nothing is cut off, the board is the same in every language and direction,
// and the arrows move as drawn.
TEST_P(EveryLanguage, TextsFitTheirRoomAndTheBoardStaysAsInEnglish) {
  static const QImage english = Window(QStringLiteral("en")).Board();
  Window game(GetParam());
  // The menu bar's titles on one line, inside the window.
  for (const MenuId id : {MenuId::mnFile, MenuId::mnLevel, MenuId::mnHelp}) {
    EXPECT_EQ(game.Title(id).top(), game.Title(MenuId::mnFile).top());
    EXPECT_TRUE(game.window.menuBar()->rect().contains(game.Title(id)));
  }
  const bool rightToLeft = GetParam() == QLatin1String("ar");
  EXPECT_EQ(game.Title(MenuId::mnFile).x() > game.Title(MenuId::mnHelp).x(), rightToLeft);
  // The hint whole, where the board is out of view; English's as it always was.
  const QLabel& hint = game.window.Hint();
  const QRect needs = hint.fontMetrics().boundingRect(
      QRect(0, 0, hint.width(), 1000),
      int(hint.alignment()) | (hint.wordWrap() ? Qt::TextWordWrap : 0), hint.text());
  EXPECT_TRUE(needs.width() <= hint.width() && needs.height() <= hint.height())
      << hint.text().toStdString();
  EXPECT_TRUE(QRect(0, 32, 393, 393).contains(hint.geometry()));
  if (GetParam() == QLatin1String("en")) {
    EXPECT_EQ(hint.geometry(), QRect(72, 200, 281, 17));
  }
  EXPECT_EQ(game.Board(), english);
  QTest::keyClick(&game.window.Board(), Qt::Key_Left);
  EXPECT_EQ(game.form.State().ActiveCell, 4);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, EveryLanguage,
    ::testing::ValuesIn(QStringLiteral(NOVEMO_LANGUAGES " en").split(QLatin1Char(' '))),
    [](const auto& info) { return info.param.toStdString(); });

}  // namespace
}  // namespace novemo
