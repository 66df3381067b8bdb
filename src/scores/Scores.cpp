// The score table: loaded at start, offered after a win, saved at once, shown.
// The settings store is the table's truth: other copies of the game may write
// to it at any time, so every look at the table reads it afresh.

#include <string>

#include "main_window/frmMain.h"
#include "scores/ScoreTable.h"
#include "scores/TimeText.h"

namespace novemo {

LevelPlaces frmMain::Places(int offset) const {
  LevelPlaces places;
  for (int place = 1; place <= 3; ++place) {
    places[static_cast<std::size_t>(place - 1)] =
        Place{state_.ScoreNames[offset + place], state_.ScoreTimes[offset + place]};
  }
  return places;
}

void frmMain::ReadPlaces() {
  for (const int offset : {kDifficultOffset, kEasyOffset}) {
    const LevelPlaces places =
        MergeWins(novemo::ReadPlaces(platform_.store, offset), Unsaved(offset));
    for (int place = 1; place <= 3; ++place) {
      state_.ScoreNames[offset + place] = places[static_cast<std::size_t>(place - 1)].name;
      state_.ScoreTimes[offset + place] = places[static_cast<std::size_t>(place - 1)].time;
    }
  }
}

void frmMain::LoadScores() {
  const SettingsStore::Report report = platform_.store.Open(kStoreApp);
  if (!report.keptCopy.empty()) {
    platform_.messages.Show("Novemo could not read its settings file\r" + report.location + "\r(" +
                                report.reason + ").\r\rIt was kept as\r" + report.keptCopy +
                                "\rand the game starts with an empty score table.",
                            "Novemo", MsgIcon::Warning, MsgButtons::Ok);
  } else if (!report.ok) {
    storeProblemReported_ = true;
    platform_.messages.Show("Novemo cannot use its settings file\r" + report.location + "\r(" +
                                report.reason +
                                ").\r\rPlaces won now are kept only while the game runs.",
                            "Novemo", MsgIcon::Warning, MsgButtons::Ok);
  }
  ReadPlaces();
  state_.LevelDifficult = ReadLevel(platform_.store);
  storedLevel_ = state_.LevelDifficult;
  Menu[state_.LevelDifficult ? MenuId::mnDifficult : MenuId::mnEasy].Checked = true;
}

// At unload: the level, and the places won in this session that are not
// stored yet. Places this copy did not win are left to the store.
void frmMain::SaveScores() {
  SettingsStore& store = platform_.store;
  store.Lock(kStoreApp);
  WriteLevel(store, state_.LevelDifficult);
  for (const int offset : {kDifficultOffset, kEasyOffset}) {
    if (!Unsaved(offset).empty())
      WritePlaces(store, offset, MergeWins(novemo::ReadPlaces(store, offset), Unsaved(offset)));
  }
  const SettingsStore::Report result = store.Commit();
  const bool winsLost = !result.ok && (!unsaved_[0].empty() || !unsaved_[1].empty());
  const bool levelLost = !result.ok && state_.LevelDifficult != storedLevel_;
  if (!winsLost && !levelLost) return;
  const std::string what = winsLost && levelLost ? "the places won in this session and the level"
                           : winsLost            ? "the places won in this session"
                                                 : "the level you chose";
  platform_.messages.Show("Novemo could not save " + what + " to\r" + result.location + "\r(" +
                              result.reason + ").\r\rThey are lost as the game closes.",
                          "Novemo", MsgIcon::Warning, MsgButtons::Ok);
}

// Ranked and written under the store's lock, against the places stored now.
void frmMain::SavePlace(int offset, Place won) {
  SettingsStore& store = platform_.store;
  Unsaved(offset).push_back(std::move(won));
  store.Lock(kStoreApp);
  for (const int level : {kDifficultOffset, kEasyOffset}) {
    if (Unsaved(level).empty()) continue;
    const LevelPlaces stored = novemo::ReadPlaces(store, level);
    const LevelPlaces merged = MergeWins(stored, Unsaved(level));
    if (merged != stored) WritePlaces(store, level, merged);
  }
  const SettingsStore::Report result = store.Commit();
  if (result.ok) {
    unsaved_ = {};
  } else if (!storeProblemReported_) {
    storeProblemReported_ = true;
    platform_.messages.Show("Novemo could not save your place to\r" + result.location + "\r(" +
                                result.reason +
                                ").\r\rThe game keeps it while it runs and tries again when you "
                                "quit.",
                            "Novemo", MsgIcon::Warning, MsgButtons::Ok);
  }
}

void frmMain::RecordScore(std::int16_t offset) {
  const double E = state_.ElapsedTime;
  platform_.store.Refresh(kStoreApp);
  ReadPlaces();
  if (RankTime(Places(offset), E) != 0) {
    naming_ = offset;
    const std::string name =
        platform_.input.Ask("You have reached the top 3 Scores\rPlease enter your name.", "Name");
    naming_ = -1;
    if (unloaded_) return;  // the place went to the store as the game was unloaded
    if (!name.empty()) SavePlace(offset, Place{name, E});
  }
  mnScore_Click();
}

void frmMain::mnScore_Click() {
  platform_.store.Refresh(kStoreApp);
  ReadPlaces();
  platform_.messages.Show(TableText(Places(kDifficultOffset), Places(kEasyOffset)), "",
                          MsgIcon::None, MsgButtons::Ok);
}

}  // namespace novemo
