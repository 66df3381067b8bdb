// The top-three table of each level and its place in the settings store.

#include <string>

#include "main_window/frmMain.h"
#include "scores/TimeText.h"

namespace novemo {
namespace {

constexpr std::string_view kApp = "Novemo";
constexpr std::string_view kSection = "Scores";

std::string Key(std::string_view name, int slot) {
  return std::string(name) + std::to_string(slot);
}

}  // namespace

void frmMain::LoadScores() {
  SettingsStore& store = platform_.store;
  for (std::int16_t n = 1; n <= 6; ++n) {
    std::string name = store.Read(kApp, kSection, Key("Player", n), "None");
    const std::string time = store.Read(kApp, kSection, Key("Time", n), "");
    const auto parsed = time.empty() ? std::optional<double>(0.0) : ParseTimeOfDay(time);
    if (!parsed) name = "None";  // an unreadable time is an empty place, never a good one
    state_.ScoreNames[n] = std::move(name);
    state_.ScoreTimes[n] = parsed.value_or(0.0);
    if (state_.ScoreNames[n].empty()) state_.ScoreNames[n] = "Name";
  }
  state_.LevelDifficult = ParseTruth(store.Read(kApp, kSection, "Level", "False")).value_or(false);
  Menu[state_.LevelDifficult ? MenuId::mnDifficult : MenuId::mnEasy].Checked = true;
}

void frmMain::SaveScores() {
  SettingsStore& store = platform_.store;
  for (std::int16_t n = 1; n <= 6; ++n) {
    store.Write(kApp, kSection, Key("Player", n), state_.ScoreNames[n]);
    store.Write(kApp, kSection, Key("Time", n), TimeOfDayText(state_.ScoreTimes[n]));
  }
  store.Write(kApp, kSection, "Level", TruthText(state_.LevelDifficult));
  const SettingsStore::CommitResult result = store.Commit();
  if (!result.ok && !storeFailureReported_) {
    storeFailureReported_ = true;
    platform_.messages.Show("Novemo could not save the score table to\r" + result.location + "\r(" +
                                result.reason +
                                ").\r\rThe game goes on; new places are kept until you quit.",
                            "Novemo", MsgIcon::Warning, MsgButtons::Ok);
  }
}

void frmMain::RecordScore(std::int16_t offset) {
  const double E = state_.ElapsedTime;
  auto& times = state_.ScoreTimes;
  auto& names = state_.ScoreNames;
  const int a = offset + 1;
  const int b = offset + 2;
  const int c = offset + 3;

  int place = 0;
  if (E < times[a]) {
    place = 1;
  } else if (E < times[b]) {
    place = 2;
  } else if (E < times[c]) {
    place = 3;
  } else if (times[a] == 0) {
    place = 1;
  } else if (times[b] == 0) {
    place = 2;
  } else if (times[c] == 0) {
    place = 3;
  }

  if (place != 0) {
    const std::string name =
        platform_.input.Ask("You have reached the top 3 Scores\rPlease enter your name.", "Name");
    if (!name.empty()) {
      // Entries below move down one place; the one past place 3 is lost.
      for (int slot = c; slot > offset + place; --slot) {
        times[slot] = times[slot - 1];
        names[slot] = names[slot - 1];
      }
      times[offset + place] = E;
      names[offset + place] = name;
      // Saved at once, so a crash or a killed game cannot lose the place.
      SaveScores();
    }
  }
  mnScore_Click();
}

void frmMain::mnScore_Click() {
  std::string text = "Top 3 Scores\r\rDifficult\r";
  const auto rows = [&](int first) {
    for (int place = 1; place <= 3; ++place) {
      const int slot = first + place - 1;
      text += "  " + std::to_string(place) + ".  " + state_.ScoreNames[slot] + " - " +
              ClockText(state_.ScoreTimes[slot]) + "\r";
    }
  };
  rows(1);
  text += "\rEasy\r";
  rows(4);
  platform_.messages.Show(text, "", MsgIcon::None, MsgButtons::Ok);
}

}  // namespace novemo
