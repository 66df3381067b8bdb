#include "platform/qt/SessionPlatform.h"

#include <gtest/gtest.h>

#include <utility>

namespace novemo {
namespace {

// QT_QPA_PLATFORM, XDG_SESSION_TYPE, XDG_CURRENT_DESKTOP and DISPLAY (null: unset).
TEST(SessionPlatform, GnomeOnWaylandStartsOnXUnlessTheUserChoseOrNoXServerIsThere) {
  // clang-format off
  const std::pair<SessionEnvironment, std::string_view> cases[] = {
      {{nullptr, "wayland", "GNOME", ":0"}, "xcb;wayland"},
      {{"", "wayland", "ubuntu:GNOME", ":1"}, "xcb;wayland"},  // set but empty: no choice
      {{nullptr, "wayland", "GNOME-Classic:GNOME", ":0"}, "xcb;wayland"},
      {{"wayland", "wayland", "GNOME", ":0"}, ""},  // the user's choice stands
      {{nullptr, "wayland", "GNOME", nullptr}, ""}, {{nullptr, "wayland", "GNOME", ""}, ""},  // no X server
      {{nullptr, "wayland", "KDE", ":0"}, ""}, {{nullptr, "wayland", "sway", ":0"}, ""},
      {{nullptr, "wayland", "GNOMEX:XGNOME", ":0"}, ""}, {{nullptr, "wayland", nullptr, ":0"}, ""},
      {{nullptr, "x11", "GNOME", ":0"}, ""}, {{nullptr, nullptr, "GNOME", ":0"}, ""}, {{}, ""}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(QtPlatformFor(c.first), c.second) << "case " << &c - cases;
}

}  // namespace
}  // namespace novemo
