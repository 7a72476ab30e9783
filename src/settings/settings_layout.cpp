#include "settings/settings_layout.h"

#include <unistd.h>

#include <algorithm>
#include <vector>

#include "support/text.h"
#include "support/translatable.h"

namespace gorbix {

std::string ScoreKey(int level) { return "L" + std::to_string(level); }

GameSettings LoadGameSettings(Settings& ini, const std::string& IniFile) {
  GameSettings loaded;
  for (int level = 1; level <= kLevelCount; ++level) {
    loaded.bestScores[static_cast<std::size_t>(level - 1)] =
        ini.GetIniInt(kScoresSection, ScoreKey(level), 0, IniFile, false);
  }
  loaded.sounds = ini.GetIniBool(kGeneralSection, kSoundsKey, true, IniFile, false);
  const std::int16_t level = ini.GetIniInt(kGeneralSection, kLastLevelKey, 1, IniFile, false);
  loaded.lastLevel = (level >= 1 && level <= kLevelCount) ? level : std::int16_t{1};
  return loaded;
}

void SaveSounds(Settings& ini, const std::string& IniFile, bool on) {
  ini.PutIniBool(kGeneralSection, kSoundsKey, on, IniFile);
}

namespace {

std::int16_t storedLevel(std::int16_t level) { return (level >= 1 && level <= kLevelCount) ? level : std::int16_t{1}; }

std::string joined(const std::vector<std::string>& parts) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i == 0) {
      text = parts[i];
    } else if (i + 1 == parts.size()) {
      text = GORBIX_TR("Settings", "%1 and %2").arg(text).arg(parts[i]).str();
    } else {
      text = GORBIX_TR("Settings", "%1, %2").arg(text).arg(parts[i]).str();
    }
  }
  return text;
}

}  // namespace

GameStore::GameStore(Settings& ini, std::string IniFile) : ini_(ini), IniFile_(std::move(IniFile)) {}

GameSettings GameStore::load() {
  readPlacement_ = ini_.GetIniStr(kPosnSizeSection, kMainWindowName, "", IniFile_, false);
  const GameSettings loaded = LoadGameSettings(ini_, IniFile_);
  readLevel_ = loaded.lastLevel;
  scoreChanged_.fill(false);
  return loaded;
}

void GameStore::bestScoreChanged(int level) {
  if (level >= 1 && level <= kLevelCount) scoreChanged_[static_cast<std::size_t>(level - 1)] = true;
}

void GameStore::allScoresReset() { scoreChanged_.fill(true); }

std::string GameStore::notStored(std::int16_t lastLevel, bool placementChanged) const {
  std::vector<std::string> parts;
  if (placementChanged) parts.push_back(GORBIX_TR("Settings", "the window's place").str());
  if (lastLevel != readLevel_) parts.push_back(GORBIX_TR("Settings", "the level played (%1)").arg(IntStr(lastLevel)).str());
  std::vector<std::string> levels;
  for (int level = 1; level <= kLevelCount; ++level) {
    if (scoreChanged_[static_cast<std::size_t>(level - 1)]) levels.push_back(IntStr(static_cast<std::int16_t>(level)));
  }
  if (levels.size() == static_cast<std::size_t>(kLevelCount)) {
    parts.push_back(GORBIX_TR("Settings", "the best scores of all levels").str());
  } else if (levels.size() == 1) {
    parts.push_back(GORBIX_TR("Settings", "the best score of level %1").arg(levels.front()).str());
  } else if (!levels.empty()) {
    parts.push_back(GORBIX_TR("Settings", "the best scores of levels %1").arg(joined(levels)).str());
  }
  if (parts.empty()) return {};
  return GORBIX_TR("Settings", "Not stored: %1.").arg(joined(parts)).str();
}

bool GameStore::save(std::int16_t lastLevel, const BestScores& best, const std::optional<std::string>& placement) {
  const bool placementChanged = placement && *placement != readPlacement_;
  const std::string lost = notStored(lastLevel, placementChanged);
  const bool saved = ini_.Update(
      IniFile_,
      [&](ProfileDocument& doc) {
        if (placementChanged && !doc.Set(kPosnSizeSection, kMainWindowName, *placement)) return false;
        const std::int16_t level =
            lastLevel != readLevel_ ? lastLevel : storedLevel(IniInt(doc, kGeneralSection, kLastLevelKey, 1));
        doc.Set(kGeneralSection, kLastLevelKey, IntStr(level));
        for (int n = 1; n <= kLevelCount; ++n) {
          const auto i = static_cast<std::size_t>(n - 1);
          const std::int16_t score = scoreChanged_[i] ? best[i] : IniInt(doc, kScoresSection, ScoreKey(n), 0);
          doc.Set(kScoresSection, ScoreKey(n), IntStr(score));
        }
        return true;
      },
      lost, !lost.empty());
  if (!saved) return false;
  // What is stored now is this run's starting point for its next save.
  readLevel_ = lastLevel;
  if (placementChanged) readPlacement_ = *placement;
  scoreChanged_.fill(false);
  return true;
}

IniFileChoice IniFileLocation(std::string_view AppFolder, bool appFolderWritable, std::string_view userConfigFolder) {
  const std::string besideProgram = std::string(AppFolder) + std::string(kIniFileName);
  if (!AppFolder.empty() && appFolderWritable) return {besideProgram, {}};
  std::string folder(userConfigFolder);
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return {folder + std::string(kIniFileName), AppFolder.empty() ? std::string() : besideProgram};
}

IniFileChoice FindIniFile(std::string_view AppFolder, std::string_view userConfigFolder) {
  const std::string folder(AppFolder);
  return IniFileLocation(AppFolder, !folder.empty() && ::access(folder.c_str(), W_OK) == 0, userConfigFolder);
}

namespace {

int storedZoom(int percent) {
  return std::find(kZoomPercents.begin(), kZoomPercents.end(), percent) != kZoomPercents.end() ? percent : 100;
}

}  // namespace

ViewSettings LoadViewSettings(Settings& ini, const std::string& IniFile) {
  ViewSettings view;
  view.colourSafe = ini.GetIniBool(kViewSection, kColourSafeKey, false, IniFile, false);
  // Compared as text: "150abc" or "0150" would read as 150 as a number.
  const std::string zoom = ini.GetIniStr(kViewSection, kZoomKey, "100", IniFile, false);
  for (const int percent : kZoomPercents) {
    if (zoom == std::to_string(percent)) view.zoom = percent;
  }
  return view;
}

void SaveColourSafe(Settings& ini, const std::string& IniFile, bool on) {
  ini.PutIniBool(kViewSection, kColourSafeKey, on, IniFile);
}

void SaveZoom(Settings& ini, const std::string& IniFile, int percent) {
  ini.PutIniInt(kViewSection, kZoomKey, static_cast<std::int16_t>(storedZoom(percent)), IniFile);
}

bool LoadKeepBoard(Settings& ini, const std::string& IniFile) {
  return ini.GetIniBool(kPlaySection, kKeepBoardKey, false, IniFile, false);
}

void SaveKeepBoard(Settings& ini, const std::string& IniFile, bool on) {
  ini.PutIniBool(kPlaySection, kKeepBoardKey, on, IniFile);
}

}  // namespace gorbix
