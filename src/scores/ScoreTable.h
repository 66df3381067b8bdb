#pragma once

// The top-three table of a level as plain values: its rules, how it reads
// and shows, and where it lives in the settings store.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

namespace novemo {

// An empty place's name, as the store keeps it.
inline constexpr const char* kNoName = "None";

struct Place {
  std::string name = kNoName;
  double time = 0;  // days, as the clock counts; 0 is an empty place
  friend bool operator==(const Place&, const Place&) = default;
};
using LevelPlaces = std::array<Place, 3>;  // places 1 to 3

// Levels by their slot offset: Difficult's places are slots 1 to 3, Easy's 4 to 6.
inline constexpr int kDifficultOffset = 0;
inline constexpr int kEasyOffset = 3;

// A place as its stored texts read: a missing time (empty text) is 0; a time
// that does not read is an empty place, never a better time; an empty name
// reads as "Name".
Place ParsePlace(std::string name, std::string_view timeText);

// The place (1 to 3) that the time earns, or 0. Times compare in whole
// seconds, as they are stored, so an equal time goes below.
int RankTime(const LevelPlaces& places, double time);

// Puts the win at the place, moving the places below down; the last drops off.
void InsertPlace(LevelPlaces& places, int place, Place won);

// The places with each win ranked in, unless it is there already.
LevelPlaces MergeWins(LevelPlaces places, const std::vector<Place>& wins);

// A name as the table shows it: on one line, cut with an ellipsis when wide,
// and isolated for direction so that every row reads "1. name - time".
std::string DisplayName(std::string_view name);

// The text of the score table box.
std::string TableText(const Translator& text, const LevelPlaces& difficult,
                      const LevelPlaces& easy);

// The store layout: application "Novemo", section "Scores", keys Player1 to
// Player6, Time1 to Time6 and Level.
inline constexpr std::string_view kStoreApp = "Novemo";
LevelPlaces ReadPlaces(SettingsStore& store, int offset);
void WritePlaces(SettingsStore& store, int offset, const LevelPlaces& places);
bool ReadLevel(SettingsStore& store);  // true for Difficult; Easy when it does not read
void WriteLevel(SettingsStore& store, bool difficult);

}  // namespace novemo
