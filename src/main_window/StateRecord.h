#pragma once

#include <cstdint>
#include <string>

#include "platform/OneBased.h"

namespace novemo {

// The main window's module-level state: zero, empty or false when the window
// is created. Times are days as doubles; one second is 1/86400.
struct StateRecord {
  // Entry (s - 1) x 9 + d: the cell position of digit d in square s.
  OneBased<std::int16_t, 81> DigitPos{};
  std::int16_t ActiveTray = 0;
  std::int16_t ActiveCell = 0;
  // Slots 1 to 3: places 1 to 3 of Difficult; 4 to 6: of Easy. Time 0 is an empty place.
  OneBased<std::string, 6> ScoreNames{};
  OneBased<double, 6> ScoreTimes{};
  bool LevelDifficult = false;
  double ElapsedTime = 0;
  std::int32_t PosPool = 0;   // free positions of the square being built
  std::int32_t CandPool = 0;  // positions still worth trying for the digit being placed
};

}  // namespace novemo
