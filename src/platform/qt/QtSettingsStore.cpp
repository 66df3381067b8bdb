#include "platform/qt/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <utility>
#include <vector>

namespace novemo {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Shown(const QString& path) {
  return QDir::toNativeSeparators(path).toStdString();
}

}  // namespace

struct QtSettingsStore::Store {
  QString path;
  bool opened = false;
  Report report;  // what Open found; not ok: the store is never read or written
  // A private copy of the file and its parse. Within one process Qt shares
  // one cached parse per file name, which can miss what another copy of the
  // game wrote and keeps changes that failed to be written.
  std::unique_ptr<QTemporaryDir> copyFolder;
  std::unique_ptr<QSettings> values;
  std::unique_ptr<QLockFile> lock;
  std::string lockProblem;
  std::vector<std::pair<QString, QString>> written;

  bool Load() {
    values.reset();
    copyFolder = std::make_unique<QTemporaryDir>();
    const QString copy = copyFolder->filePath(QStringLiteral("store.conf"));
    if (!copyFolder->isValid()) return false;
    if (QFileInfo::exists(path)) {
      if (!QFile::copy(path, copy)) return false;
      QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    }
    values = std::make_unique<QSettings>(copy, QSettings::IniFormat);
    return true;
  }

  void TakeLock() {
    lockProblem.clear();
    QDir().mkpath(QFileInfo(path).absolutePath());
    lock = std::make_unique<QLockFile>(path + QStringLiteral(".game.lock"));
    if (!lock->tryLock(5000)) {
      lockProblem = lock->error() == QLockFile::LockFailedError
                        ? "another copy of the game kept it locked"
                        : "no lock file can be made beside it";
      lock.reset();
    }
  }

  // A file that is not a settings file is kept aside, and a clean store begins.
  void SetAsideUnreadable() {
    TakeLock();
    QString kept;
    for (int n = 1; n < 100 && kept.isEmpty(); ++n) {
      const QString candidate =
          path + QStringLiteral(".unreadable") + (n > 1 ? QStringLiteral("-%1").arg(n) : QString());
      if (!QFileInfo::exists(candidate)) kept = candidate;
    }
    if (!kept.isEmpty() && QFile::rename(path, kept)) {
      report.keptCopy = Shown(kept);
      report.reason = "it is not in the expected format";
    } else if (QFileInfo::exists(path)) {
      report = {false,
                report.location,
                "it is not in the expected format, and it cannot be kept beside itself",
                {}};
    }
    lock.reset();
    if (report.ok && !Load()) report = {false, report.location, "it cannot be read", {}};
  }
};

QString QtSettingsStore::DefaultFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QtSettingsStore::QtSettingsStore(QString folder) : folder_(std::move(folder)) {}
QtSettingsStore::~QtSettingsStore() = default;

QtSettingsStore::Store& QtSettingsStore::For(std::string_view app) {
  auto found = stores_.find(app);
  if (found == stores_.end()) {
    auto store = std::make_unique<Store>();
    const QString name = FromUtf8(app);
    store->path =
        folder_ + QLatin1Char('/') + name + QLatin1Char('/') + name + QStringLiteral(".conf");
    store->report.location = Shown(store->path);
    found = stores_.emplace(std::string(app), std::move(store)).first;
  }
  return *found->second;
}

SettingsStore::Report QtSettingsStore::Open(std::string_view app) {
  Store& store = For(app);
  if (store.opened) return store.report;
  store.opened = true;
  // Opening anything but a regular file could block (a named pipe) or fail.
  const QFileInfo info(store.path);
  if (info.exists() && !info.isFile()) {
    store.report.ok = false;
    store.report.reason =
        info.isDir() ? "a folder stands where the file belongs" : "it is not a regular file";
  } else if (!store.Load()) {
    store.report.ok = false;
    store.report.reason = "it cannot be read";
  } else {
    store.values->allKeys();  // Qt parses lazily: after every section is read, the status tells
    if (store.values->status() == QSettings::FormatError) store.SetAsideUnreadable();
  }
  return store.report;
}

void QtSettingsStore::Refresh(std::string_view app) {
  Store& store = For(app);
  if (Open(app).ok) store.Load();
}

void QtSettingsStore::Lock(std::string_view app) {
  Store& store = For(app);
  if (!Open(app).ok) return;
  store.TakeLock();
  store.Load();
}

std::string QtSettingsStore::Read(std::string_view app, std::string_view section,
                                  std::string_view key, std::string_view fallback) {
  Store& store = For(app);
  if (!Open(app).ok || (!store.values && !store.Load())) return std::string(fallback);
  const QString path = FromUtf8(section) + QLatin1Char('/') + FromUtf8(key);
  if (!store.values->contains(path)) return std::string(fallback);
  const QVariant value = store.values->value(path);
  // A value edited by hand with a bare comma reads back as a list.
  if (value.typeId() == QMetaType::QStringList) {
    return value.toStringList().join(QStringLiteral(", ")).toStdString();
  }
  return value.toString().toStdString();
}

void QtSettingsStore::Write(std::string_view app, std::string_view section, std::string_view key,
                            std::string_view value) {
  Store& store = For(app);
  const QString path = FromUtf8(section) + QLatin1Char('/') + FromUtf8(key);
  store.written.emplace_back(path, FromUtf8(value));
  if (store.report.ok && (store.values || store.Load()))
    store.values->setValue(path, FromUtf8(value));
}

SettingsStore::Report QtSettingsStore::Commit() {
  Report result;
  for (auto& [name, entry] : stores_) {
    Store& store = *entry;
    Report report{true, store.report.location, {}, {}};
    if (store.written.empty()) {
      // Nothing to store.
    } else if (!store.report.ok) {
      report = store.report;
    } else if (!store.lockProblem.empty()) {
      report.ok = false;
      report.reason = store.lockProblem;
    } else {
      store.values->sync();
      QFile copy(store.values->fileName());
      QSaveFile file(store.path);
      if (!copy.open(QIODevice::ReadOnly) || store.values->status() != QSettings::NoError) {
        report = {false, report.location, "no private copy of it can be written", {}};
      } else if (!QDir().mkpath(QFileInfo(store.path).absolutePath())) {
        report = {false, report.location, "its folder cannot be created", {}};
      } else if (!file.open(QIODevice::WriteOnly) || file.write(copy.readAll()) < 0 ||
                 !file.commit()) {
        report = {false, report.location, file.errorString().toStdString(), {}};
      }
      // Whatever happened, the store now says what it holds; it must hold
      // what was written.
      store.Load();
      for (const auto& [key, value] : store.written) {
        if (report.ok && (!store.values || store.values->value(key).toString() != value)) {
          report = {false, report.location, "what was written does not read back", {}};
        }
      }
    }
    store.written.clear();
    store.lock.reset();
    if (result.ok) result = report;
  }
  return result;
}

}  // namespace novemo
