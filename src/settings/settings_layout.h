// The one description of gorbix.ini: where it lives, its sections and keys,
// their defaults, and what start-up, the sound switch and shut-down read
// and write.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
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
// A missing or unreadable score is 0; a negative one is kept as it stands
// (it rates and averages as it is). A "LastLevel" outside 1..25 gives level 1.
GameSettings LoadGameSettings(Settings& ini, const std::string& IniFile);

// The sound switch, written each time it is toggled.
void SaveSounds(Settings& ini, const std::string& IniFile, bool on);

inline constexpr std::string_view kPosnSizeSection = "PosnSize";

// The game's part of the file as this run sees it: what it read at start-up
// and what it has changed since. A save reads the file as it is now and
// writes only this run's changes over it, so a second copy of the game
// running beside this one never has its new best scores or its reset
// undone; a value this run did not change keeps what the file holds now, in
// the form start-up would read it ("L3=abc" goes back as "L3=0").
class GameStore {
 public:
  GameStore(Settings& ini, std::string IniFile);

  // Start-up: LoadGameSettings, and the main window's stored placement.
  GameSettings load();

  // This run set a level's best score, or all of them.
  void bestScoreChanged(int level);
  void allScoresReset();

  // One replacement of the file: the main window's placement (nothing when
  // minimised or maximised), "LastLevel", then "L1".."L25". A failure is
  // shown once, naming what of this run was not stored, and the changes are
  // kept for the next save. Returns whether the file holds them.
  bool save(std::int16_t lastLevel, const BestScores& best, const std::optional<std::string>& placement);

 private:
  std::string notStored(std::int16_t lastLevel, bool placementChanged) const;

  Settings& ini_;
  std::string IniFile_;
  std::int16_t readLevel_ = 1;
  std::string readPlacement_;
  std::array<bool, kLevelCount> scoreChanged_{};
};

// Where gorbix.ini lives. Beside the program (AppFolder ends in a separator)
// when that folder can be written, as in a portable copy: a save replaces
// the file, and that needs the folder. Otherwise, and when the program's
// folder is not known (AppFolder empty), in userConfigFolder, the per-user
// folder of this program, created on the first write; it then starts from
// the gorbix.ini beside the program, if there is one (seed).
struct IniFileChoice {
  std::string IniFile;
  std::string seed;
};
IniFileChoice IniFileLocation(std::string_view AppFolder, bool appFolderWritable, std::string_view userConfigFolder);

// IniFileLocation with the question asked of the file system.
IniFileChoice FindIniFile(std::string_view AppFolder, std::string_view userConfigFolder);

// How the main window looks: each switch is written when the player
// changes it, and read at start-up.
inline constexpr std::string_view kViewSection = "View";
inline constexpr std::string_view kColourSafeKey = "ColourSafe";
inline constexpr std::string_view kZoomKey = "Zoom";
// The sizes of the main window, in percent of the designed size.
inline constexpr std::array<int, 4> kZoomPercents{100, 150, 200, 300};

struct ViewSettings {
  bool colourSafe = false;
  int zoom = 100;
};

// "ColourSafe" reads like "Sounds" but is off when missing; "Zoom" must be
// one of kZoomPercents to the character, anything else is 100. Never writes.
ViewSettings LoadViewSettings(Settings& ini, const std::string& IniFile);
void SaveColourSafe(Settings& ini, const std::string& IniFile, bool on);
// A percent outside kZoomPercents is stored as 100.
void SaveZoom(Settings& ini, const std::string& IniFile, int percent);

// How the game is played beyond the rules: "KeepBoard" keeps the board
// being played between runs. It reads like "Sounds" but is off when
// missing, and is written when the player switches it.
inline constexpr std::string_view kPlaySection = "Play";
inline constexpr std::string_view kKeepBoardKey = "KeepBoard";
bool LoadKeepBoard(Settings& ini, const std::string& IniFile);
void SaveKeepBoard(Settings& ini, const std::string& IniFile, bool on);

// The Statistics window's place, in a section of its own beside the View's.
inline constexpr std::string_view kStatisticsSection = "Statistics";
inline constexpr std::string_view kStatisticsWindowName = "frmStatistics";

}  // namespace gorbix
