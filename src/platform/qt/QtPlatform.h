#pragma once

// The platform interfaces on Qt: message and input boxes, the beep and the
// per-user settings store (QSettings).

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

#include "platform/Platform.h"

class QSettings;

namespace novemo {

// Modal boxes share one parent window and one hook that brings the window up
// to date before a box opens, so the player sees what the game has set.
struct ModalHost {
  QPointer<QWidget> parent;
  std::function<void()> beforeModal;
  void Prepare() const {
    if (beforeModal) beforeModal();
  }
};

class QtMessages final : public MessageDialog {
 public:
  explicit QtMessages(ModalHost& host) : host_(host) {}
  MsgAnswer Show(std::string_view text, std::string_view title, MsgIcon icon,
                 MsgButtons buttons) override;

 private:
  ModalHost& host_;
};

class QtInput final : public InputDialog {
 public:
  explicit QtInput(ModalHost& host) : host_(host) {}
  std::string Ask(std::string_view prompt, std::string_view title) override;

 private:
  ModalHost& host_;
};

class QtBeeper final : public Beeper {
 public:
  void Beep() override;
};

// One QSettings per application name in the native per-user store; on Linux
// $XDG_CONFIG_HOME/<app>/<app>.conf.
class QtSettingsStore final : public SettingsStore {
 public:
  QtSettingsStore();
  ~QtSettingsStore() override;
  std::string Read(std::string_view app, std::string_view section, std::string_view key,
                   std::string_view fallback) override;
  void Write(std::string_view app, std::string_view section, std::string_view key,
             std::string_view value) override;
  CommitResult Commit() override;

 private:
  QSettings& For(std::string_view app);
  std::map<std::string, std::unique_ptr<QSettings>, std::less<>> settings_;
};

// Lines of the logic's texts are separated by a carriage return alone.
QString DisplayText(std::string_view text);

}  // namespace novemo
