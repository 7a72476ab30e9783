#include "settings/settings_layout.h"

#include <unistd.h>

namespace gorbix {

std::string ScoreKey(int level) { return "L" + std::to_string(level); }

GameSettings LoadGameSettings(Settings& ini, const std::string& IniFile) {
  GameSettings loaded;
  for (int level = 1; level <= kLevelCount; ++level) {
    const std::int16_t score = ini.GetIniInt(kScoresSection, ScoreKey(level), 0, IniFile, false);
    loaded.bestScores[static_cast<std::size_t>(level - 1)] = score < 0 ? std::int16_t{0} : score;
  }
  loaded.sounds = ini.GetIniBool(kGeneralSection, kSoundsKey, true, IniFile, false);
  const std::int16_t level = ini.GetIniInt(kGeneralSection, kLastLevelKey, 1, IniFile, false);
  loaded.lastLevel = (level >= 1 && level <= kLevelCount) ? level : std::int16_t{1};
  return loaded;
}

void SaveSounds(Settings& ini, const std::string& IniFile, bool on) {
  ini.PutIniBool(kGeneralSection, kSoundsKey, on, IniFile);
}

void SaveGameSettings(Settings& ini, const std::string& IniFile, std::int16_t lastLevel, const BestScores& bestScores) {
  ini.PutIniInt(kGeneralSection, kLastLevelKey, lastLevel, IniFile);
  for (int level = 1; level <= kLevelCount; ++level) {
    ini.PutIniInt(kScoresSection, ScoreKey(level), bestScores[static_cast<std::size_t>(level - 1)], IniFile);
  }
}

std::string IniFileLocation(std::string_view AppFolder, bool appFolderWritable, bool iniBesideProgramWritable,
                            std::string_view userConfigFolder) {
  if (appFolderWritable || iniBesideProgramWritable) return std::string(AppFolder) + std::string(kIniFileName);
  std::string folder(userConfigFolder);
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder + std::string(kIniFileName);
}

std::string FindIniFile(std::string_view AppFolder, std::string_view userConfigFolder) {
  const std::string folder(AppFolder);
  const std::string besideProgram = folder + std::string(kIniFileName);
  return IniFileLocation(AppFolder, ::access(folder.c_str(), W_OK) == 0, ::access(besideProgram.c_str(), W_OK) == 0,
                         userConfigFolder);
}

}  // namespace gorbix
