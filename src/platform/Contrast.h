#pragma once

// Whether the desktop asks for high contrast, and tells when that changes.
// The game gets the Qt version (the desktop portal on Linux, the system
// parameter on Windows); tests get the in-memory one below.

#include <functional>
#include <optional>
#include <utility>

#include "platform/Controls.h"

namespace novemo {

// A contrast theme's own colours, where the system has them (Windows).
struct SystemColours {
  Rgb window = 0;     // the background of content
  Rgb text = 0;       // text on it
  Rgb highlight = 0;  // what is selected
  Rgb grayText = 0;   // text that is there but not for changing
  friend bool operator==(const SystemColours&, const SystemColours&) = default;
};

struct ContrastRequest {
  bool high = false;
  std::optional<SystemColours> theme;
  friend bool operator==(const ContrastRequest&, const ContrastRequest&) = default;
};

class ContrastSetting {
 public:
  virtual ~ContrastSetting() = default;
  // What the desktop asks for now; off until it has answered.
  virtual ContrastRequest Current() const = 0;
  // `changed` runs on the game's thread each time Current() changes.
  virtual void Watch(std::function<void()> changed) = 0;
};

// The in-memory version: tests set what the desktop asks.
class MemoryContrast final : public ContrastSetting {
 public:
  ContrastRequest Current() const override { return request_; }
  void Watch(std::function<void()> changed) override { changed_ = std::move(changed); }
  void Set(ContrastRequest request) {
    request_ = std::move(request);
    if (changed_) changed_();
  }

 private:
  ContrastRequest request_;
  std::function<void()> changed_;
};

}  // namespace novemo
