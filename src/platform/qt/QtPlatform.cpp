#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QSettings>

namespace novemo {

QString DisplayText(std::string_view text) {
  QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

MsgAnswer QtMessages::Show(std::string_view text, std::string_view title, MsgIcon icon,
                           MsgButtons buttons) {
  host_.Prepare();
  QMessageBox box(host_.parent);
  box.setWindowTitle(title.empty() ? QApplication::applicationName() : DisplayText(title));
  box.setText(DisplayText(text));
  switch (icon) {
    case MsgIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MsgIcon::Question:
      box.setIcon(QMessageBox::Question);
      break;
    case MsgIcon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MsgIcon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
  }
  if (buttons == MsgButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  const int chosen = box.exec();
  if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
  return chosen == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

std::string QtInput::Ask(std::string_view prompt, std::string_view title) {
  host_.Prepare();
  bool ok = false;
  const QString typed = QInputDialog::getText(host_.parent, DisplayText(title), DisplayText(prompt),
                                              QLineEdit::Normal, QString(), &ok);
  return ok ? typed.toStdString() : std::string();
}

void QtBeeper::Beep() {
  QApplication::beep();
}

QtSettingsStore::QtSettingsStore() = default;
QtSettingsStore::~QtSettingsStore() = default;

QSettings& QtSettingsStore::For(std::string_view app) {
  auto found = settings_.find(app);
  if (found == settings_.end()) {
    const QString name = QString::fromUtf8(app.data(), static_cast<qsizetype>(app.size()));
    found = settings_
                .emplace(std::string(app),
                         std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                     name, name))
                .first;
  }
  return *found->second;
}

namespace {
QString KeyPath(std::string_view section, std::string_view key) {
  return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) +
         QLatin1Char('/') + QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}
}  // namespace

std::string QtSettingsStore::Read(std::string_view app, std::string_view section,
                                  std::string_view key, std::string_view fallback) {
  QSettings& settings = For(app);
  const QString path = KeyPath(section, key);
  if (!settings.contains(path)) return std::string(fallback);
  const QVariant value = settings.value(path);
  // A value edited by hand with a bare comma reads back as a list.
  if (value.typeId() == QMetaType::QStringList) {
    return value.toStringList().join(QStringLiteral(", ")).toStdString();
  }
  return value.toString().toStdString();
}

void QtSettingsStore::Write(std::string_view app, std::string_view section, std::string_view key,
                            std::string_view value) {
  For(app).setValue(KeyPath(section, key),
                    QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

SettingsStore::CommitResult QtSettingsStore::Commit() {
  CommitResult result;
  for (auto& [name, settings] : settings_) {
    settings->sync();
    const QString file = QDir::toNativeSeparators(settings->fileName());
    if (result.location.empty()) result.location = file.toStdString();
    if (!settings->isWritable() || settings->status() != QSettings::NoError) {
      result.ok = false;
      result.location = file.toStdString();
      const QFileInfo folder(QFileInfo(settings->fileName()).absolutePath());
      result.reason = settings->status() == QSettings::FormatError
                          ? "the file is not in the expected format"
                      : !folder.exists() ? "its folder cannot be created"
                                         : "the file or its folder cannot be written";
    }
  }
  return result;
}

}  // namespace novemo
