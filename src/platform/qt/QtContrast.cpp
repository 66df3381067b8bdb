#include "platform/qt/QtContrast.h"

#include <QObject>

#include "platform/qt/BoardView.h"
#include "tray/BoardPalette.h"

#if defined(Q_OS_WIN)
#include <windows.h>

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QTimer>
#elif defined(NOVEMO_HAVE_DBUS)
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#endif

namespace novemo {

#if defined(Q_OS_WIN)

namespace {

Rgb SystemColour(int index) {
  const COLORREF colour = GetSysColor(index);
  return static_cast<Rgb>(GetRValue(colour)) << 16 | static_cast<Rgb>(GetGValue(colour)) << 8 |
         GetBValue(colour);
}

ContrastRequest AskWindows() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  if (!SystemParametersInfoW(SPI_GETHIGHCONTRAST, contrast.cbSize, &contrast, 0) ||
      (contrast.dwFlags & HCF_HIGHCONTRASTON) == 0) {
    return {};
  }
  return {true, SystemColours{SystemColour(COLOR_WINDOW), SystemColour(COLOR_WINDOWTEXT),
                              SystemColour(COLOR_HIGHLIGHT), SystemColour(COLOR_GRAYTEXT)}};
}

}  // namespace

// Windows tells every top-level window of a new contrast theme or new system
// colours; one look afterwards covers a burst of such messages.
class QtContrast::Listener final : public QAbstractNativeEventFilter {
 public:
  explicit Listener(QtContrast& owner) : owner_(owner) {
    QCoreApplication::instance()->installNativeEventFilter(this);
    owner_.Update(AskWindows());
  }
  ~Listener() override {
    if (QCoreApplication::instance() != nullptr)
      QCoreApplication::instance()->removeNativeEventFilter(this);
  }
  bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override {
    const UINT kind = static_cast<const MSG*>(message)->message;
    if ((kind == WM_SETTINGCHANGE || kind == WM_SYSCOLORCHANGE || kind == WM_THEMECHANGED) &&
        !pending_) {
      pending_ = true;
      QTimer::singleShot(0, &context_, [this] {
        pending_ = false;
        owner_.Update(AskWindows());
      });
    }
    return false;
  }

 private:
  QtContrast& owner_;
  QObject context_;
  bool pending_ = false;
};

#elif defined(NOVEMO_HAVE_DBUS)

namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kContrast = QStringLiteral("contrast");
const QString kGnome = QStringLiteral("org.gnome.desktop.a11y.interface");
const QString kGnomeKey = QStringLiteral("high-contrast");

// Settings come as variants, GNOME's through Read as a variant in a variant.
QVariant Unwrapped(QVariant value) {
  while (value.metaType() == QMetaType::fromType<QDBusVariant>())
    value = value.value<QDBusVariant>().variant();
  return value;
}

}  // namespace

// Portals of version 2 have the desktop-neutral `contrast` (1 is high);
// older ones, such as Debian 12's, only GNOME's own key, read through Read.
class QtContrast::Listener final : public QObject {
  Q_OBJECT

 public:
  explicit Listener(QtContrast& owner) : owner_(owner) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    // A slot taking the message itself: Qt 6.4 finds none taking a QDBusVariant.
    bus.connect(QString(), kPath, kSettings, QStringLiteral("SettingChanged"), this,
                SLOT(Changed(QDBusMessage)));
    QDBusMessage version = QDBusMessage::createMethodCall(
        kPortal, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    version << kSettings << QStringLiteral("version");
    Ask(version, [this](const QDBusMessage& reply) {
      if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
          Unwrapped(reply.arguments().constFirst()).toUInt() >= 2) {
        ReadContrast();
      } else {
        ReadGnome();
      }
    });
  }

 public slots:
  void Changed(const QDBusMessage& message) {
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() != 3) return;
    const QString space = arguments[0].toString();
    const QString key = arguments[1].toString();
    const QVariant value = Unwrapped(arguments[2]);
    if (space == kAppearance && key == kContrast) {
      neutral_ = true;
      owner_.Update({value.toUInt() == 1, {}});
    } else if (space == kGnome && key == kGnomeKey && !neutral_) {
      owner_.Update({value.toBool(), {}});
    }
  }

 private:
  void Ask(const QDBusMessage& message, std::function<void(const QDBusMessage&)> answer) {
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [watcher, answer = std::move(answer)] {
              watcher->deleteLater();
              answer(watcher->reply());
            });
  }
  QDBusMessage Read(const QString& method, const QString& space, const QString& key) {
    QDBusMessage message = QDBusMessage::createMethodCall(kPortal, kPath, kSettings, method);
    message << space << key;
    return message;
  }
  void ReadContrast() {
    Ask(Read(QStringLiteral("ReadOne"), kAppearance, kContrast), [this](const QDBusMessage& reply) {
      if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        ReadGnome();  // a backend without it
        return;
      }
      neutral_ = true;
      owner_.Update({Unwrapped(reply.arguments().constFirst()).toUInt() == 1, {}});
    });
  }
  void ReadGnome() {
    Ask(Read(QStringLiteral("Read"), kGnome, kGnomeKey), [this](const QDBusMessage& reply) {
      if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() && !neutral_)
        owner_.Update({Unwrapped(reply.arguments().constFirst()).toBool(), {}});
    });
  }

  QtContrast& owner_;
  bool neutral_ = false;  // the portal has `contrast`: GNOME's key no longer counts
};

#else

// Elsewhere the board keeps the game's own colours.
class QtContrast::Listener {
 public:
  explicit Listener(QtContrast&) {}
};

#endif

QtContrast::QtContrast() : listener_(std::make_unique<Listener>(*this)) {}

QtContrast::~QtContrast() = default;

void QtContrast::Update(const ContrastRequest& request) {
  if (request == current_) return;
  current_ = request;
  if (changed_) changed_();
}

void FollowContrast(ContrastSetting& setting, BoardView& board) {
  board.SetPalette(PaletteFor(setting.Current()));
  setting.Watch([&setting, &board] { board.SetPalette(PaletteFor(setting.Current())); });
}

}  // namespace novemo

#if defined(NOVEMO_HAVE_DBUS) && !defined(Q_OS_WIN)
#include "QtContrast.moc"
#endif
