// The one description of gorbix.ini: where it lives, its sections and keys,
// their defaults, and what start-up, the sound switch and shut-down read
// and write.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace gorbix {

inline constexpr std::string_view kIniFileName = "gorbix.ini";
inline constexpr std::string_view kGeneralSection = "General";
inline constexpr std::string_view kLastLevelKey = "LastLevel";
inline constexpr std::string_view kSoundsKey = "Sounds";
inline constexpr std::string_view kScoresSection = "Scores";
inline constexpr std::string_view kMainWindowName = "frmMain";
inline constexpr std::string_view kTutorialWindowName = "frmTutorial";

inline constexpr int kLevelCount = 25;
using BestScores = std::array<std::int16_t, kLevelCount>;

// Everything start-up takes from the file besides the window placement.
struct GameSettings {
  BestScores bestScores{};  // 0: no score yet
  bool sounds = true;
  std::int16_t lastLevel = 1;
};

// "L1" .. "L25".
std::string ScoreKey(int level);

// Reads "L1".."L25", then "Sounds", then "LastLevel", and never writes.
// A missing score is 0 and so is a negative one, since a level's score
// never falls below 0. A "LastLevel" outside 1..25 gives level 1.
GameSettings LoadGameSettings(Settings& ini, const std::string& IniFile);

// The sound switch, written each time it is toggled.
void SaveSounds(Settings& ini, const std::string& IniFile, bool on);

// Shut-down: "LastLevel", then "L1".."L25" in order, each its own write, so
// one that fails does not keep the others from being tried.
void SaveGameSettings(Settings& ini, const std::string& IniFile, std::int16_t lastLevel, const BestScores& bestScores);

// The settings file's path. Beside the program (AppFolder ends in a
// separator) when that folder is writable or holds a writable gorbix.ini, as
// in a portable install; otherwise in userConfigFolder (the per-user folder
// of this program, created on the first write).
std::string IniFileLocation(std::string_view AppFolder, bool appFolderWritable, bool iniBesideProgramWritable,
                            std::string_view userConfigFolder);

// IniFileLocation with both questions asked of the file system.
std::string FindIniFile(std::string_view AppFolder, std::string_view userConfigFolder);

}  // namespace gorbix
