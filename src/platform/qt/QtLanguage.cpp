#include "platform/qt/QtLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <string>

namespace novemo {
namespace {

// Where the build puts the catalogues: novemo_LANG.qm and qtbase_LANG.qm.
const QString kCatalogues = QStringLiteral(":/i18n");

}  // namespace

QStringList GameLanguages() {
  QStringList languages;
  for (const QString& file : QDir(kCatalogues).entryList({QStringLiteral("novemo_*.qm")}))
    languages << file.mid(7, file.size() - 10);
  return languages;
}

QString ChooseLanguage(const QStringList& preferred, const QStringList& available) {
  for (const QString& name : preferred) {
    const QLocale wanted(name);
    if (wanted.language() == QLocale::English) break;
    // "C" and names Qt does not know say nothing of a language.
    if (wanted.language() == QLocale::C || wanted.language() == QLocale::AnyLanguage) continue;
    QString best;
    for (const QString& have : available) {
      const QLocale locale(have);
      if (locale.language() != wanted.language() || locale.script() != wanted.script()) continue;
      if (best.isEmpty() || locale.territory() == wanted.territory()) best = have;
    }
    if (!best.isEmpty()) return best;
  }
  return QStringLiteral("en");
}

QtLanguage::QtLanguage(const QString& language) {
  if (game_.load(QStringLiteral("novemo_") + language, kCatalogues))
    QCoreApplication::installTranslator(&game_);
  if (qt_.load(QStringLiteral("qtbase_") + language, kCatalogues))
    QCoreApplication::installTranslator(&qt_);
  QGuiApplication::setLayoutDirection(QLocale(language).textDirection());
}

QtLanguage::~QtLanguage() {
  QCoreApplication::removeTranslator(&qt_);
  QCoreApplication::removeTranslator(&game_);
  QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

std::string QtLanguage::Translate(std::string_view context, std::string_view source) const {
  // The catalogues are looked up by text: both must end where the views do.
  const std::string contextText(context);
  const std::string sourceText(source);
  return QCoreApplication::translate(contextText.c_str(), sourceText.c_str()).toStdString();
}

}  // namespace novemo
