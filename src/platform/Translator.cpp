#include <algorithm>

#include "platform/Platform.h"

namespace novemo {

std::string Translator::Tr(std::string_view context, std::string_view source) const {
  std::string text = Translate(context, source);
  std::replace(text.begin(), text.end(), '\n', '\r');
  return text;
}

std::string Args(std::string_view text, std::initializer_list<std::string_view> args) {
  std::string filled;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t n = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : 9;
    if (text[i] == '%' && n < args.size()) {
      filled += args.begin()[n];
      ++i;
    } else {
      filled += text[i];
    }
  }
  return filled;
}

}  // namespace novemo
