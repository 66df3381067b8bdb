#include "platform/qt/QtSettingsStore.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMap>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QVariant>
#include <optional>
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

// Qt shares one cached parse per file name within a process, which can miss
// what another copy of the game wrote and keeps changes that failed to be
// written; so the file is parsed and written through a private copy. The copy
// lives only while that runs: a game killed at any other moment leaves none.
class PrivateCopy {
 public:
  // A copy of `path` (none when it does not exist); false when it cannot be made.
  bool Of(const QString& path) {
    if (!folder_.isValid()) return false;
    if (!QFileInfo::exists(path)) return true;
    if (!QFile::copy(path, Path())) return false;
    QFile::setPermissions(Path(), QFile::ReadOwner | QFile::WriteOwner);
    return true;
  }
  QString Path() const { return folder_.filePath(QStringLiteral("store.conf")); }

 private:
  QTemporaryDir folder_;
};

// Why the store cannot be used, in the player's language: the logic puts it
// into its warnings as it is.
std::string Reason(const char* why) {
  return QCoreApplication::translate("SettingsStore", why).toStdString();
}

// On Windows a file cannot be replaced while another program has it open
// without sharing its deletion (an antivirus scan, the search indexer, another
// copy reading it), so a failed replace is tried again for a while. A copy
// waiting for the lock meanwhile waits that out, and the reading back, before
// it says the lock was kept from it.
constexpr int kReplacePatienceMs = 5000;
constexpr int kLockPatienceMs = kReplacePatienceMs + 2000;

// Replaces the file with `bytes`; the reason when it cannot.
QString Replace(const QString& path, const QByteArray& bytes) {
  const QDeadlineTimer patience(kReplacePatienceMs);
  for (;;) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
      return {};
    if (file.error() != QFileDevice::RenameError || patience.hasExpired())
      return file.errorString();
    QThread::msleep(50);
  }
}

}  // namespace

struct QtSettingsStore::Store {
  QString path;
  bool opened = false;
  Report report;  // what Open found; not ok: the store is never read or written
  std::optional<QMap<QString, QVariant>> values;  // the file's last parse
  bool unreadable = false;                        // ... found it not a settings file
  std::unique_ptr<QLockFile> lock;
  std::string lockProblem;
  std::vector<std::pair<QString, QString>> written;

  bool Load() {
    values.reset();
    PrivateCopy copy;
    if (!copy.Of(path)) return false;
    const QSettings parse(copy.Path(), QSettings::IniFormat);
    QMap<QString, QVariant> read;
    for (const QString& key : parse.allKeys())
      read.insert(key, parse.value(key));
    // Qt parses lazily: only after every section is read does the status tell.
    unreadable = parse.status() == QSettings::FormatError;
    values = std::move(read);
    return true;
  }

  void TakeLock() {
    lockProblem.clear();
    QDir().mkpath(QFileInfo(path).absolutePath());
    lock = std::make_unique<QLockFile>(path + QStringLiteral(".game.lock"));
    if (!lock->tryLock(kLockPatienceMs)) {
      lockProblem =
          lock->error() == QLockFile::LockFailedError
              ? Reason(
                    QT_TRANSLATE_NOOP("SettingsStore", "another copy of the game kept it locked"))
              : Reason(QT_TRANSLATE_NOOP("SettingsStore", "no lock file can be made beside it"));
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
      report.reason =
          Reason(QT_TRANSLATE_NOOP("SettingsStore", "it is not in the expected format"));
    } else if (QFileInfo::exists(path)) {
      report = {false,
                report.location,
                Reason(QT_TRANSLATE_NOOP(
                    "SettingsStore",
                    "it is not in the expected format, and it cannot be kept beside itself")),
                {}};
    }
    lock.reset();
    if (report.ok && !Load())
      report = {false,
                report.location,
                Reason(QT_TRANSLATE_NOOP("SettingsStore", "it cannot be read")),
                {}};
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
        info.isDir()
            ? Reason(QT_TRANSLATE_NOOP("SettingsStore", "a folder stands where the file belongs"))
            : Reason(QT_TRANSLATE_NOOP("SettingsStore", "it is not a regular file"));
  } else if (!store.Load()) {
    store.report.ok = false;
    store.report.reason = Reason(QT_TRANSLATE_NOOP("SettingsStore", "it cannot be read"));
  } else if (store.unreadable) {
    store.SetAsideUnreadable();
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
  const auto found = store.values->constFind(path);
  if (found == store.values->cend()) return std::string(fallback);
  const QVariant& value = *found;
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
    store.values->insert(path, FromUtf8(value));
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
      PrivateCopy copy;
      bool copied = copy.Of(store.path);
      if (copied) {
        QSettings settings(copy.Path(), QSettings::IniFormat);
        for (const auto& [key, value] : store.written)
          settings.setValue(key, value);
        settings.sync();
        copied = settings.status() == QSettings::NoError;
      }
      QFile made(copy.Path());
      if (!copied || !made.open(QIODevice::ReadOnly)) {
        report = {
            false,
            report.location,
            Reason(QT_TRANSLATE_NOOP("SettingsStore", "no private copy of it can be written")),
            {}};
      } else if (!QDir().mkpath(QFileInfo(store.path).absolutePath())) {
        report = {false,
                  report.location,
                  Reason(QT_TRANSLATE_NOOP("SettingsStore", "its folder cannot be created")),
                  {}};
      } else if (const QString error = Replace(store.path, made.readAll()); !error.isEmpty()) {
        report = {false, report.location, error.toStdString(), {}};
      }
      // Whatever happened, the store now says what it holds; it must hold
      // what was written.
      store.Load();
      for (const auto& [key, value] : store.written) {
        if (report.ok && (!store.values || store.values->value(key).toString() != value)) {
          report = {
              false,
              report.location,
              Reason(QT_TRANSLATE_NOOP("SettingsStore", "what was written does not read back")),
              {}};
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
