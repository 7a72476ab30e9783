// The main window: the board, the Thing, the value labels, the score list,
// the menus, the walk timer and the sound players. It forwards clicks and
// ticks to the game and draws what the game reports.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include <QMainWindow>
#include <QTimer>

#include "app/best_lines.h"
#include "app/hint.h"
#include "app/level_recorder.h"
#include "app/play_narrator.h"
#include "app/sound_fx.h"
#include "app/statistics_command.h"
#include "app/stored_settings.h"
#include "app/undo_command.h"
#include "game/game.h"
#include "ui/art/tile_art.h"
#include "ui/windows/main_layout.h"

class QDialog;

namespace gorbix {

class frmMain : public QMainWindow, public GameView, public GameHost {
  Q_OBJECT

 public:
  // random: null for one seeded from the device; sounds: empty for Qt's players.
  explicit frmMain(ErrorTrap& trap, std::unique_ptr<RandomSource> random = nullptr,
                   SoundBackendFactory sounds = {}, QWidget* parent = nullptr);
  ~frmMain() override;

  // The settings file start-up reads and shut-down writes; without one the
  // game starts as on a first run and stores nothing.
  void useSettings(StoredSettings* settings) { settings_ = settings; }

  // Start-up: brings the window into its playing state. Call once, before show().
  void Form_Load();
  // Shut-down: stores what the next run needs, then closes the players.
  // Runs once, whether the window is closed or the game is quit.
  void Form_Unload();

  Game& game() { return game_; }
  const MainControls& controls() const { return ui_; }
  const MainMenus& menus() const { return menus_; }
  // The Hint command; hintShown tells where a hint has appeared.
  HintController& hint() { return hint_; }
  // Undo, Redo and the kept board; undone() and redone() tell of each.
  UndoCommands& undoCommands() { return undo_; }
  const HintMarks& hintMarks() const { return hintMarks_; }
  // What a screen reader is told of each move, and the refusal seen.
  const PlayNarrator& narrator() const { return narrator_; }
  QTimer& tmrMoveThing() { return tmrMoveThing_; }
  SoundEffects& sounds() { return sndFX_; }
  bool SoundsOn() const { return sndFX_.SoundsOn(); }
  bool ColourSafe() const { return look_ == art::TileLook::ColourSafe; }
  const Zoom& zoom() const { return zoom_; }
  // Whether the window at percent of its designed size fits the screen's
  // available area; the designed size is always offered.
  bool zoomFits(int percent) const;
  const std::string& AppFolder() const { return AppFolder_; }

  // GameView.
  void cellChanged(int col, int row, char code) override;
  void thingHidden() override;
  void thingMoved(int col, int row) override;
  void thingShown() override;
  void scoreChanged(std::int16_t score) override;
  void levelChanged(std::int16_t level) override;
  void scoreLineChanged(int line, const std::string& text) override;
  void scoreLineSelected(int line) override;
  void overallRatingChanged(std::string_view rating) override;

  // GameHost.
  void PlaySound(SoundIndex n) override;
  void walkTimerChanged(bool enabled, int intervalMs) override;
  EndChoice showEndOfLevel(const EndOfLevelSummary& summary) override;
  std::int16_t showJumpWindow(std::int16_t currentLevel) override;
  void quitGame() override;
  void newBestScore(std::int16_t level) override;
  void allScoresReset() override;
  void boardDealt(std::int16_t level, std::int32_t boardNumber) override;
  void playRecorded(const PlayEvent& event) override {
    recorder_.played(event);
    undo_.played(event);
  }

  // Menu commands and the score list.
  void mnuExit_Click();
  void mnuRestartLevel_Click();
  void mnuJump_Click();
  void mnuSndFX_Click();
  void mnuResetScores_Click();
  void mnuTutorial_Click();
  void mnuAbout_Click();
  void lstScores_DblClick();
  void showBoardNumber();
  BestLines& bestLines() { return bestLines_; }
  // The record of levels played, and the window that shows it.
  LevelRecorder& recorder() { return recorder_; }
  StatisticsCommand& statistics() { return statistics_; }
  void showStatistics() {
    statistics_.setLook(zoom_, ColourSafe());
    statistics_.show(settings_);
  }

  // Puts the keyboard cursor on a tile image's cell (0..47) and shows it,
  // so that Space and Enter act there: the way to point the player at a tile.
  void moveCursorTo(int index);

  // The View menu's commands; a size that does not fit is refused.
  void toggleColourSafe();
  void zoomTo(int percent);
  void zoomIn();
  void zoomOut();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

  // Shows a dialog owned by this window and returns when it has closed.
  virtual void runModal(QDialog& dialog);
  // Ends the process's event loop at once; other windows get no unload.
  virtual void endProgram();

  // Start-up steps that read stored values; each gives the first-run value.
  virtual void loadPlacement();
  virtual BestScores loadBestScores();
  virtual bool loadSoundSwitch();
  virtual std::int16_t loadLastLevel();
  // Stores the window's placement, the level and the best scores in one
  // go: at shut-down, and whenever a best score changes.
  virtual void saveGame(std::int16_t lastLevel, const BestScores& best);
  // The sound switch was toggled; the place to store it at once.
  virtual void soundSwitchChanged(bool on);
  // The View menu's settings: read at start-up, each stored when changed.
  virtual ViewSettings loadView();
  virtual void colourSafeChanged(bool on);
  virtual void zoomChanged(int percent);
  // The area the window must fit in at every zoom.
  virtual QRect screenArea() const;
  // What the search of each board's best line may spend.
  virtual solver::Budget bestLineBudget() const { return BestLines::oneSecond(); }

 private:
  void loadBackground();
  void showBestScores(const BestScores& best);
  void imgTile_MouseUp(int index, Qt::MouseButton button);
  void imgThing_MouseUp(Qt::MouseButton button);
  const QPixmap& tilePicture(char code, QSize size);
  // Draws the board and the Thing again when the display's pixel density,
  // the zoom or the tiles' look has changed.
  void redrawPictures();
  // Resizes the window and everything on it; a shown window keeps its
  // top-left corner unless that would leave part of it off the screen.
  void setZoom(int percent);
  // Ticks the current size and disables the sizes that would not fit.
  void updateZoomChoices();
  // The nearest size above (direction > 0) or below `from` that fits.
  int offeredZoom(int from, int direction) const;

  StoredSettings* settings_ = nullptr;
  GameSettings stored_;
  std::unique_ptr<RandomSource> random_;
  Game game_;
  MainControls ui_;
  MainMenus menus_;
  QTimer tmrMoveThing_;
  SoundEffects sndFX_;
  BestLines bestLines_{[this] { return bestLineBudget(); }};
  LevelRecorder recorder_{bestLines_};
  StatisticsCommand statistics_{recorder_, *this, [this](QDialog& dialog) { runModal(dialog); }};
  std::string AppFolder_;
  art::TileLook look_ = art::TileLook::Designed;
  Zoom zoom_;
  std::map<std::tuple<char, int, int>, QPixmap> tilePictures_;  // code, width, height
  // What the pictures on show were drawn for.
  qreal pictureRatio_ = 0;
  art::TileLook pictureLook_ = art::TileLook::Designed;
  Zoom pictureZoom_;
  bool unloaded_ = false;
  HintMarks hintMarks_;
  HintController hint_;
  UndoCommands undo_;
  PlayNarrator narrator_;
};

}  // namespace gorbix
