#pragma once

// The player's language on Qt. It is chosen once, at start, from the
// desktop's languages in their order; the game's catalogue and Qt's own (its
// buttons, key names and edit menus) are then loaded for that one language,
// so that no window mixes two.

#include <QString>
#include <QStringList>
#include <QTranslator>

#include "platform/Platform.h"

namespace novemo {

// The languages the game carries catalogues for, besides English: "de",
// "pt_BR", ...
QStringList GameLanguages();

// The first of the preferred languages (Qt's names, "de-DE", "pt-BR", ...)
// that the game speaks: a catalogue of the same language and script, of the
// same territory where there is one. "en" for English, and where it speaks
// none of them.
QString ChooseLanguage(const QStringList& preferred, const QStringList& available);

// Installs the catalogues of one language ("en", or one of GameLanguages())
// and lays the application out in that language's direction; the texts go
// back to English when it goes.
class QtLanguage final : public Translator {
 public:
  explicit QtLanguage(const QString& language);
  ~QtLanguage() override;
  QtLanguage(const QtLanguage&) = delete;
  QtLanguage& operator=(const QtLanguage&) = delete;

 protected:
  std::string Translate(std::string_view context, std::string_view source) const override;

 private:
  QTranslator game_;
  QTranslator qt_;
};

}  // namespace novemo
