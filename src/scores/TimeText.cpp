#include "scores/TimeText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace novemo {
namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
    text.remove_prefix(1);
  }
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
    text.remove_suffix(1);
  }
  return text;
}

std::optional<std::int64_t> Whole(std::string_view text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) return std::nullopt;
  std::int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;  // no sign, not even on a zero
    value = value * 10 + (c - '0');
  }
  return value;
}

bool SameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::int64_t WholeSeconds(double days) {
  if (!(days > 0)) return 0;
  const double seconds = std::round(days * 86400.0);
  return seconds > 9e15 ? static_cast<std::int64_t>(9e15) : static_cast<std::int64_t>(seconds);
}

std::string TimeOfDayText(double days) {
  const std::int64_t seconds = WholeSeconds(days);
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
  return text;
}

std::string ClockText(double days) {
  const std::string full = TimeOfDayText(days);
  return full.substr(full.size() - 5);
}

std::optional<double> ParseTimeOfDay(std::string_view text) {
  text = Trim(text);
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t colon = text.find(':', start);
    fields.push_back(text.substr(start, colon == std::string_view::npos ? colon : colon - start));
    if (colon == std::string_view::npos) break;
    start = colon + 1;
  }
  if (fields.size() < 2 || fields.size() > 3) return std::nullopt;
  const auto hours = Whole(fields[0], 6);
  const auto minutes = Whole(fields[1], 2);
  const auto seconds = fields.size() == 3 ? Whole(fields[2], 2) : std::optional<std::int64_t>(0);
  if (!hours || !minutes || !seconds || *minutes > 59 || *seconds > 59) return std::nullopt;
  return static_cast<double>(*hours * 3600 + *minutes * 60 + *seconds) / 86400.0;
}

std::string TruthText(bool value) {
  return value ? "True" : "False";
}

std::optional<bool> ParseTruth(std::string_view text) {
  text = Trim(text);
  if (SameLetters(text, "True")) return true;
  if (SameLetters(text, "False")) return false;
  std::int64_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (!text.empty() && error == std::errc() && end == text.data() + text.size()) {
    return number != 0;
  }
  return std::nullopt;
}

}  // namespace novemo
