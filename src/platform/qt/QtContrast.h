#pragma once

// The desktop's contrast setting on Qt. Linux: the desktop portal's Settings
// over the session bus, asked without waiting, so a missing bus or portal
// never holds up the start (the board stays in the game's own colours until an
// answer comes, and without one). Windows: the high-contrast system parameter
// and the theme's colours, read again when Windows says they changed.

#include <functional>
#include <memory>

#include "platform/Contrast.h"

namespace novemo {

class BoardView;

class QtContrast final : public ContrastSetting {
 public:
  QtContrast();  // needs the application object
  ~QtContrast() override;
  QtContrast(const QtContrast&) = delete;
  QtContrast& operator=(const QtContrast&) = delete;

  ContrastRequest Current() const override { return current_; }
  void Watch(std::function<void()> changed) override { changed_ = std::move(changed); }

 private:
  void Update(const ContrastRequest& request);

  class Listener;
  ContrastRequest current_;
  std::function<void()> changed_;
  std::unique_ptr<Listener> listener_;
};

// The board is drawn for what the setting asks now, and again at once at
// each change.
void FollowContrast(ContrastSetting& setting, BoardView& board);

}  // namespace novemo
