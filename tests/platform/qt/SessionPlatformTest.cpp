#include "platform/qt/SessionPlatform.h"

#include <gtest/gtest.h>

namespace novemo {
namespace {

TEST(SessionPlatform, GnomeOnWaylandStartsOnXUnlessTheUserChoseOrNoXServerIsThere) {
  struct Case {
    SessionEnvironment session;
    std::string_view platform;
  };
  // clang-format off
  const Case cases[] = {
      {{nullptr, "wayland", "GNOME", ":0"}, "xcb;wayland"},
      {{"", "wayland", "ubuntu:GNOME", ":1"}, "xcb;wayland"},  // set but empty: no choice
      {{nullptr, "wayland", "GNOME-Classic:GNOME", ":0"}, "xcb;wayland"},
      {{"wayland", "wayland", "GNOME", ":0"}, ""},  // the user's choice stands
      {{nullptr, "wayland", "GNOME", nullptr}, ""}, {{nullptr, "wayland", "GNOME", ""}, ""},  // no X server
      {{nullptr, "wayland", "KDE", ":0"}, ""}, {{nullptr, "wayland", "sway", ":0"}, ""},
      {{nullptr, "wayland", "GNOMEX:XGNOME", ":0"}, ""}, {{nullptr, "wayland", nullptr, ":0"}, ""},
      {{nullptr, "x11", "GNOME", ":0"}, ""}, {{nullptr, nullptr, "GNOME", ":0"}, ""}, {{}, ""}};
  // clang-format on
  for (const Case& c : cases) {
    const auto shown = [](const char* v) { return v ? v : "(unset)"; };
    EXPECT_EQ(QtPlatformFor(c.session), c.platform)
        << shown(c.session.qtPlatform) << ' ' << shown(c.session.sessionType) << ' '
        << shown(c.session.currentDesktop) << ' ' << shown(c.session.display);
  }
}

}  // namespace
}  // namespace novemo
