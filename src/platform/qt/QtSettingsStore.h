#pragma once

// The per-user settings store on Qt: an INI file per application,
// <folder>/<app>/<app>.conf, shared safely by several copies of the game.

#include <QString>
#include <map>
#include <memory>
#include <string>

#include "platform/Platform.h"

namespace novemo {

class QtSettingsStore final : public SettingsStore {
 public:
  // The user's configuration folder: $XDG_CONFIG_HOME or ~/.config on Linux.
  static QString DefaultFolder();

  explicit QtSettingsStore(QString folder = DefaultFolder());
  ~QtSettingsStore() override;

  Report Open(std::string_view app) override;
  void Refresh(std::string_view app) override;
  void Lock(std::string_view app) override;
  std::string Read(std::string_view app, std::string_view section, std::string_view key,
                   std::string_view fallback) override;
  void Write(std::string_view app, std::string_view section, std::string_view key,
             std::string_view value) override;
  Report Commit() override;

 private:
  struct Store;
  Store& For(std::string_view app);

  QString folder_;
  std::map<std::string, std::unique_ptr<Store>, std::less<>> stores_;
};

}  // namespace novemo
