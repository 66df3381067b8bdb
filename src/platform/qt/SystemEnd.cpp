#include "platform/qt/SystemEnd.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace novemo {
namespace {

std::function<void()>& Unload() {
  static std::function<void()> unload;
  return unload;
}

#ifdef Q_OS_UNIX
int signalPipe[2] = {-1, -1};

// All a signal handler may safely do: hand the signal to the event loop.
void OnSignal(int signal) {
  const int saved = errno;
  const auto byte = static_cast<unsigned char>(signal);
  if (write(signalPipe[1], &byte, 1) < 0) {
    // A full pipe already holds a signal to act on.
  }
  errno = saved;
}

void EndOnSignals() {
  if (socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
  for (const int fd : signalPipe)
    fcntl(fd, F_SETFD, FD_CLOEXEC);
  fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
  auto* notifier =
      new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, [notifier] {
    unsigned char signal = 0;
    if (read(signalPipe[0], &signal, 1) != 1) return;
    notifier->setEnabled(false);
    Unload()();
    // Ended by the signal itself, so whoever started the game learns why.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
  });
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
    struct sigaction before = {};
    // A signal ignored by whoever started the game (nohup) stays ignored.
    if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
      sigaction(signal, &action, nullptr);
  }
}
#endif

#ifdef Q_OS_WIN
// Windows ends the process as soon as this message has been answered.
class SessionEnd final : public QAbstractNativeEventFilter {
 public:
  bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override {
    const MSG& msg = *static_cast<const MSG*>(message);
    if (msg.message == WM_ENDSESSION && msg.wParam != FALSE) Unload()();
    return false;
  }
};
#endif

}  // namespace

void UnloadWhenTheSystemEnds(std::function<void()> unload) {
  Unload() = std::move(unload);
#ifdef Q_OS_UNIX
  EndOnSignals();
#endif
#ifdef Q_OS_WIN
  static SessionEnd filter;
  QCoreApplication::instance()->installNativeEventFilter(&filter);
#endif
}

}  // namespace novemo
