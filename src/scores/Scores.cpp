// The score table: loaded at start, offered after a win, saved at once, shown.
// The settings store is the table's truth: other copies of the game may write
// to it at any time, so every look at the table reads it afresh.

#include <string>

#include "main_window/frmMain.h"
#include "scores/ScoreTable.h"
#include "scores/TimeText.h"

namespace novemo {

// The store's warnings carry the game's name as their title.
void frmMain::Warn(const std::string& text) {
  platform_.messages.Show(text, "Novemo", MsgIcon::Warning, MsgButtons::Ok);
}

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
    //: %1 and %3 are file paths; %2 says what is wrong with the file.
    Warn(Args(platform_.text.Tr("Scores",
                                "Novemo could not read its settings file\n%1\n(%2).\n\nIt was kept "
                                "as\n%3\nand the game starts with an empty score table."),
              {report.location, report.reason, report.keptCopy}));
  } else if (!report.ok) {
    storeProblemReported_ = true;
    //: %1 is a file path; %2 says what is wrong with the file.
    Warn(Args(platform_.text.Tr("Scores",
                                "Novemo cannot use its settings file\n%1\n(%2).\n\nPlaces won now "
                                "are kept only while the game runs."),
              {report.location, report.reason}));
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
  //: %1 is a file path; %2 says why it could not be written.
  const std::string both = platform_.text.Tr(
      "Scores",
      "Novemo could not save the places won in this session and the level to\n%1\n(%2).\n\nThey "
      "are lost as the game closes.");
  const std::string wins = platform_.text.Tr(
      "Scores",
      "Novemo could not save the places won in this session to\n%1\n(%2).\n\nThey are lost as "
      "the game closes.");
  const std::string level = platform_.text.Tr(
      "Scores",
      "Novemo could not save the level you chose to\n%1\n(%2).\n\nThey are lost as the game "
      "closes.");
  Warn(Args(winsLost && levelLost ? both
            : winsLost            ? wins
                                  : level,
            {result.location, result.reason}));
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
    //: %1 is a file path; %2 says why it could not be written.
    Warn(Args(platform_.text.Tr("Scores",
                                "Novemo could not save your place to\n%1\n(%2).\n\nThe game keeps "
                                "it while it runs and tries again when you quit."),
              {result.location, result.reason}));
  }
}

void frmMain::RecordScore(std::int16_t offset) {
  const double E = state_.ElapsedTime;
  platform_.store.Refresh(kStoreApp);
  ReadPlaces();
  if (RankTime(Places(offset), E) != 0) {
    naming_ = offset;
    const std::string name = platform_.input.Ask(
        platform_.text.Tr("Scores", "You have reached the top 3 Scores\nPlease enter your name."),
        platform_.text.Tr("Scores", "Name"));
    naming_ = -1;
    if (unloaded_) return;  // the place went to the store as the game was unloaded
    if (!name.empty()) SavePlace(offset, Place{name, E});
  }
  mnScore_Click();
}

void frmMain::mnScore_Click() {
  platform_.store.Refresh(kStoreApp);
  ReadPlaces();
  platform_.messages.Show(TableText(platform_.text, Places(kDifficultOffset), Places(kEasyOffset)),
                          "", MsgIcon::None, MsgButtons::Ok);
}

}  // namespace novemo
