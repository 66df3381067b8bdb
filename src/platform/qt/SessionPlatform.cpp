#include "platform/qt/SessionPlatform.h"

#include <cstdlib>

namespace novemo {
namespace {

bool Set(const char* value) {
  return value != nullptr && *value != '\0';
}

bool ListHas(std::string_view list, std::string_view wanted) {
  while (true) {
    const std::size_t colon = list.find(':');
    if (list.substr(0, colon) == wanted) return true;
    if (colon == std::string_view::npos) return false;
    list.remove_prefix(colon + 1);
  }
}

}  // namespace

SessionEnvironment ThisSession() {
  return {std::getenv("QT_QPA_PLATFORM"), std::getenv("XDG_SESSION_TYPE"),
          std::getenv("XDG_CURRENT_DESKTOP"), std::getenv("DISPLAY")};
}

std::string_view QtPlatformFor(const SessionEnvironment& session) {
  const bool gnomeOnWayland =
      Set(session.sessionType) && std::string_view(session.sessionType) == "wayland" &&
      Set(session.currentDesktop) && ListHas(session.currentDesktop, "GNOME");
  if (Set(session.qtPlatform) || !gnomeOnWayland || !Set(session.display)) return {};
  return "xcb;wayland";
}

}  // namespace novemo
