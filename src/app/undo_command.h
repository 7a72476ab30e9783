// The Game menu's Undo, Redo and Keep Unfinished Board, and the board kept
// between runs while the last one is ticked.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include <QObject>

#include "settings/kept_board.h"
#include "ui/windows/main_layout.h"

namespace gorbix {

class Game;
class StoredSettings;

class UndoCommands : public QObject {
  Q_OBJECT

 public:
  // beforeCommand runs before each undo and redo: the hint goes.
  UndoCommands(Game& game, const MainMenus& menus, std::function<void()> beforeCommand, QObject* parent = nullptr);

  // Start-up: the switch as stored (off without settings) and, with it on,
  // the kept board when it checks out against the level played last. A
  // board that does not is set aside with a line on standard error. False:
  // no board was taken up, so a level is to be started as usual.
  bool resume(StoredSettings* settings, std::int16_t lastLevel);
  // Shut-down: the board is kept as it stands.
  void shutDown() { store(); }
  // An unfinished board is being kept for the next run.
  bool keeping() const;

  // What the game reports, passed on by the main window.
  void played(const PlayEvent& event);
  void boardDealt();
  void walkChanged() { refresh(); }

  void undo();
  void redo();
  void toggleKeepBoard();

 signals:
  // An undo, or a redo once its walk has ended: the one place to learn of each.
  void undone();
  void redone();

 private:
  // Undo and Redo offered exactly when the game takes them.
  void refresh();
  // The kept board follows the game: the record as it stands, or nothing
  // once the level has ended.
  void store();
  void report(const std::string& what);

  Game& game_;
  QAction* undoItem_;
  QAction* redoItem_;
  QAction* keepBoardItem_;
  std::function<void()> beforeCommand_;
  StoredSettings* settings_ = nullptr;
  std::optional<KeptBoardFile> file_;
  bool resuming_ = false;
  bool failedWrite_ = false;  // told once a run
};

}  // namespace gorbix
