#include "scores/ScoreTable.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "scores/TimeText.h"

namespace novemo {
namespace {

constexpr std::string_view kSection = "Scores";

std::string Key(std::string_view name, int slot) {
  return std::string(name) + std::to_string(slot);
}

// Width of a code point in columns: wide East Asian forms take two, combining
// marks none.
int Columns(char32_t c) {
  static constexpr std::pair<char32_t, char32_t> kCombining[] = {
      {0x0300, 0x036F}, {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF}, {0x20D0, 0x20FF}, {0xFE20, 0xFE2F}};
  static constexpr std::pair<char32_t, char32_t> kWide[] = {
      {0x1100, 0x115F},   {0x2E80, 0xA4CF},  {0xAC00, 0xD7A3}, {0xF900, 0xFAFF},
      {0xFE30, 0xFE4F},   {0xFF00, 0xFF60},  {0xFFE0, 0xFFE6}, {0x1F300, 0x1F64F},
      {0x1F900, 0x1F9FF}, {0x20000, 0x3FFFD}};
  const auto in = [c](const auto& ranges) {
    return std::any_of(std::begin(ranges), std::end(ranges),
                       [c](const auto& range) { return c >= range.first && c <= range.second; });
  };
  return in(kCombining) ? 0 : in(kWide) ? 2 : 1;
}

// The next code point of UTF-8 text and its length in bytes; a byte that
// starts no valid sequence stands for itself.
std::pair<char32_t, std::size_t> NextCodePoint(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  if (lead < 0xC2 || lead > 0xF4 || text.size() < length) return {lead, 1};  // ASCII or invalid
  char32_t c = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return {lead, 1};
    c = (c << 6) | (next & 0x3F);
  }
  return {c, length};
}

}  // namespace

Place ParsePlace(std::string name, std::string_view timeText) {
  const auto time = timeText.empty() ? std::optional<double>(0.0) : ParseTimeOfDay(timeText);
  if (!time) return Place{};
  return Place{name.empty() ? "Name" : std::move(name), *time};
}

int RankTime(const LevelPlaces& places, double time) {
  const std::int64_t seconds = WholeSeconds(time);
  for (int place = 1; place <= 3; ++place) {
    if (seconds < WholeSeconds(places[static_cast<std::size_t>(place - 1)].time)) return place;
  }
  for (int place = 1; place <= 3; ++place) {
    if (WholeSeconds(places[static_cast<std::size_t>(place - 1)].time) == 0) return place;
  }
  return 0;
}

void InsertPlace(LevelPlaces& places, int place, Place won) {
  for (int i = 2; i >= place; --i)
    places[static_cast<std::size_t>(i)] = places[static_cast<std::size_t>(i - 1)];
  places[static_cast<std::size_t>(place - 1)] = std::move(won);
}

LevelPlaces MergeWins(LevelPlaces places, const std::vector<Place>& wins) {
  for (const Place& won : wins) {
    const bool there = std::any_of(places.begin(), places.end(), [&](const Place& p) {
      return p.name == won.name && WholeSeconds(p.time) == WholeSeconds(won.time);
    });
    const int place = there ? 0 : RankTime(places, won.time);
    if (place != 0) InsertPlace(places, place, won);
  }
  return places;
}

std::string DisplayName(std::string_view name) {
  constexpr int kMaxColumns = 32;
  std::string shown;
  int columns = 0;
  std::size_t cut = std::string::npos;  // where the ellipsis goes if the name is too wide
  while (!name.empty()) {
    const auto [c, length] = NextCodePoint(name);
    const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
    // Direction controls of the name's own could undo its isolation.
    const bool direction = (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
    if (!direction) {
      const int width = control ? 1 : Columns(c);
      if (columns + width > kMaxColumns - 1 && cut == std::string::npos) cut = shown.size();
      columns += width;
      if (columns > kMaxColumns) {
        shown.resize(cut);
        shown += "\u2026";
        break;
      }
      shown += control ? std::string_view(" ") : name.substr(0, length);
    }
    name.remove_prefix(length);
  }
  return "\u2068" + shown + "\u2069";
}

std::string TableText(const Translator& text, const LevelPlaces& difficult,
                      const LevelPlaces& easy) {
  //: One place of the table: %1 the place (1 to 3), %2 the player's name, %3 the time.
  const std::string row = text.Tr("Scores", "  %1.  %2 - %3");
  // The store keeps an empty place's name in English, for every copy of the game.
  const std::string none = text.Tr("Scores", "None");
  std::string table = text.Tr("Scores", "Top 3 Scores") + "\r\r";
  const std::pair<std::string, const LevelPlaces*> levels[] = {
      {text.Tr("Scores", "Difficult"), &difficult}, {text.Tr("Scores", "Easy"), &easy}};
  for (const auto& [title, places] : levels) {
    if (places == &easy) table += "\r";
    table += title + "\r";
    for (int place = 1; place <= 3; ++place) {
      const Place& p = (*places)[static_cast<std::size_t>(place - 1)];
      const bool empty = p.name == kNoName && WholeSeconds(p.time) == 0;
      table += Args(row, {std::to_string(place), DisplayName(empty ? none : p.name),
                          ClockText(p.time)}) +
               "\r";
    }
  }
  return table;
}

LevelPlaces ReadPlaces(SettingsStore& store, int offset) {
  LevelPlaces places;
  for (int place = 1; place <= 3; ++place) {
    const int slot = offset + place;
    places[static_cast<std::size_t>(place - 1)] =
        ParsePlace(store.Read(kStoreApp, kSection, Key("Player", slot), kNoName),
                   store.Read(kStoreApp, kSection, Key("Time", slot), ""));
  }
  return places;
}

void WritePlaces(SettingsStore& store, int offset, const LevelPlaces& places) {
  for (int place = 1; place <= 3; ++place) {
    const int slot = offset + place;
    const Place& row = places[static_cast<std::size_t>(place - 1)];
    store.Write(kStoreApp, kSection, Key("Player", slot), row.name);
    store.Write(kStoreApp, kSection, Key("Time", slot), TimeOfDayText(row.time));
  }
}

bool ReadLevel(SettingsStore& store) {
  return ParseTruth(store.Read(kStoreApp, kSection, "Level", "False")).value_or(false);
}

void WriteLevel(SettingsStore& store, bool difficult) {
  store.Write(kStoreApp, kSection, "Level", TruthText(difficult));
}

}  // namespace novemo
