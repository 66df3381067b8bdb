#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace novemo {

// A fixed array indexed from 1, as the game's control arrays and state arrays are.
template <class T, std::size_t N>
class OneBased {
 public:
  static constexpr std::size_t Size = N;

  constexpr T& operator[](std::ptrdiff_t index) {
    assert(index >= 1 && index <= static_cast<std::ptrdiff_t>(N));
    return items_[static_cast<std::size_t>(index - 1)];
  }
  constexpr const T& operator[](std::ptrdiff_t index) const {
    assert(index >= 1 && index <= static_cast<std::ptrdiff_t>(N));
    return items_[static_cast<std::size_t>(index - 1)];
  }
  static constexpr bool InRange(std::ptrdiff_t index) {
    return index >= 1 && index <= static_cast<std::ptrdiff_t>(N);
  }

  constexpr auto begin() { return items_.begin(); }
  constexpr auto end() { return items_.end(); }
  constexpr auto begin() const { return items_.begin(); }
  constexpr auto end() const { return items_.end(); }

  friend constexpr bool operator==(const OneBased&, const OneBased&) = default;

 private:
  std::array<T, N> items_{};
};

}  // namespace novemo
