#pragma once

// Which Qt platform plugin the game starts on, as a plain function of the
// session's environment.

#include <string_view>

namespace novemo {

// The environment variables the choice reads; null when unset.
struct SessionEnvironment {
  const char* qtPlatform = nullptr;      // QT_QPA_PLATFORM: the user's own choice
  const char* sessionType = nullptr;     // XDG_SESSION_TYPE
  const char* currentDesktop = nullptr;  // XDG_CURRENT_DESKTOP, a colon-separated list
  const char* display = nullptr;         // DISPLAY: an X server (XWayland) is there
};
SessionEnvironment ThisSession();

// The platform list to set for Qt, or empty to leave the choice to Qt. GNOME
// draws no title bar for Wayland windows, and the one Qt draws instead shows
// minimise and maximise whatever the window allows; under XWayland GNOME draws
// a close box only. So on GNOME's Wayland session with an X server at hand the
// game starts on X (Wayland still tried when X fails); elsewhere it stays native.
std::string_view QtPlatformFor(const SessionEnvironment& session);

}  // namespace novemo
