#pragma once

// The menu bar as one table: captions, shortcuts and the states that change
// while the game runs. The toolkit layer builds its menus from it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace novemo {

enum class MenuId : std::uint8_t {
  mnHelpers,
  mntest,
  mnFile,
  mnNew,
  mnGiveup,
  Sep3,
  mnScore,
  Sep,
  mnExit,
  mnLevel,
  mnEasy,
  mnDifficult,
  mnHelp,
  mnHow,
  Sep2,
  mnAbout,
};

inline constexpr std::size_t kMenuCount = 16;

struct MenuItem {
  MenuId id;
  MenuId parent;              // a top-level menu is its own parent
  std::string_view name;      // the item's name in the code
  std::string caption;        // empty for a separator; in the player's language
  std::string_view shortcut;  // "Ctrl+N", "F1"; empty for none
  bool separator = false;
  bool Visible = true;
  bool Enabled = true;
  bool Checked = false;

  bool TopLevel() const { return parent == id; }
};

class MenuBar {
 public:
  // Captions in the player's language.
  explicit MenuBar(const Translator& text);

  MenuItem& operator[](MenuId id) { return items_[static_cast<std::size_t>(id)]; }
  const MenuItem& operator[](MenuId id) const { return items_[static_cast<std::size_t>(id)]; }
  // In menu order: each top-level menu followed by its items.
  const std::array<MenuItem, kMenuCount>& Items() const { return items_; }

 private:
  std::array<MenuItem, kMenuCount> items_;
};

}  // namespace novemo
