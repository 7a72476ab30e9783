// The settings file as the shell uses it: where it lives, and the values
// start-up, the sound switch, the windows and shut-down read and write.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/settings.h"
#include "settings/settings_layout.h"

class QWidget;

namespace gorbix {

class StoredSettings {
 public:
  // iniFile: a settings file to use wherever the program is (for tests);
  // empty to find it when the program's folder is known.
  StoredSettings(ErrorTrap& trap, MessageSink& messages, std::string iniFile = {});

  // Finds gorbix.ini for a program in AppFolder: beside it when that folder
  // can be written (a portable copy), else in the user's settings folder,
  // which starts from the file beside the program. An empty AppFolder (the
  // program's folder is not known) means the user's settings folder.
  void open(const std::string& AppFolder);
  const std::string& IniFile() const { return IniFile_; }

  // Puts the window where its entry says, or centres it.
  void LoadFormPosn(QWidget& window, std::string_view name);
  // Stores the window's placement unless it is minimised or maximised.
  void SaveFormPosn(const QWidget& window, std::string_view name);
  // The same for a window that keeps its entry in a section of its own;
  // without an entry the window stays where it is, and false says so.
  bool LoadFormPosn(QWidget& window, std::string_view section, std::string_view name);
  void SaveFormPosn(const QWidget& window, std::string_view section, std::string_view name);

  GameSettings loadGame() { return store_->load(); }
  void saveSounds(bool on) { SaveSounds(ini_, IniFile_, on); }
  ViewSettings loadView() { return LoadViewSettings(ini_, IniFile_); }
  void saveColourSafe(bool on) { SaveColourSafe(ini_, IniFile_, on); }
  void saveZoom(int percent) { SaveZoom(ini_, IniFile_, percent); }
  bool loadKeepBoard() { return LoadKeepBoard(ini_, IniFile_); }
  void saveKeepBoard(bool on) { SaveKeepBoard(ini_, IniFile_, on); }
  // Where the unfinished board is kept: in playerDataFolder(), or beside a
  // settings file given for a test.
  std::string keptBoardPath() const;
  void newBestScore(int level) { store_->bestScoreChanged(level); }
  void allScoresReset() { store_->allScoresReset(); }
  // One replacement of the file with the main window's placement, the
  // level played and the best scores this run changed.
  bool saveGame(std::int16_t lastLevel, const BestScores& best, const QWidget& mainWindow);

 private:
  Settings ini_;
  std::string IniFile_;
  bool ownFile_ = false;
  std::optional<GameStore> store_;
};

// The per-user folder for what the game keeps for the player beyond its
// settings ($XDG_DATA_HOME/gorbix/, else ~/.local/share/gorbix/), with a
// trailing slash; created by the first update of a file in it.
std::string playerDataFolder();

}  // namespace gorbix
