#include "app/undo_command.h"

#include <cstdio>

#include <QAction>

#include "app/stored_settings.h"
#include "game/game.h"
#include "support/error_trap.h"

namespace gorbix {

UndoCommands::UndoCommands(Game& game, const MainMenus& menus, std::function<void()> beforeCommand, QObject* parent)
    : QObject(parent),
      game_(game),
      undoItem_(menus.undoItem),
      redoItem_(menus.redoItem),
      keepBoardItem_(menus.keepBoardItem),
      beforeCommand_(std::move(beforeCommand)) {
  connect(undoItem_, &QAction::triggered, this, &UndoCommands::undo);
  connect(redoItem_, &QAction::triggered, this, &UndoCommands::redo);
  connect(keepBoardItem_, &QAction::triggered, this, &UndoCommands::toggleKeepBoard);
}

bool UndoCommands::resume(StoredSettings* settings, std::int16_t lastLevel) {
  settings_ = settings;
  if (!settings_) return false;
  const bool on = settings_->loadKeepBoard();
  keepBoardItem_->setChecked(on);
  file_.emplace(settings_->keptBoardPath());
  if (!on) return false;
  const KeptBoardRead read = file_->load();
  std::string fault = read.fault;
  if (read.board && read.board->level != lastLevel) {
    fault = "it is of level " + std::to_string(read.board->level) + ", not of level " + std::to_string(lastLevel) +
            " played last";
  } else if (read.board) {
    resuming_ = true;
    fault = game_.resume(read.board->level, read.board->boardNumber, read.board->events, read.board->score);
    resuming_ = false;
  }
  if (!read.board && fault.empty()) return false;  // none kept
  refresh();
  if (fault.empty()) return true;
  const std::error_code error = file_->setAside();
  const std::string done =
      error ? "could not be set aside (" + error.message() + ")" : "was set aside as " + std::string(kSetAsideName);
  report("The unfinished board in " + file_->path() + " " + done + ": " + fault);
  return false;
}

bool UndoCommands::keeping() const {
  return file_ && keepBoardItem_->isChecked() && !game_.levelEnded();
}

void UndoCommands::played(const PlayEvent& event) {
  if (event.kind == PlayKind::Undo) emit undone();
  if (event.kind == PlayKind::Redo) emit redone();
  store();
  refresh();
}

void UndoCommands::boardDealt() {
  store();
  refresh();
}

void UndoCommands::undo() {
  beforeCommand_();
  game_.undo();
}

void UndoCommands::redo() {
  beforeCommand_();
  game_.redo();
}

void UndoCommands::toggleKeepBoard() {
  const bool on = keepBoardItem_->isChecked();
  if (!settings_) return;
  settings_->saveKeepBoard(on);
  // A board left from an earlier run is not this one's to keep.
  if (file_) file_->discard();
  store();
}

void UndoCommands::refresh() {
  undoItem_->setEnabled(game_.canUndo());
  redoItem_->setEnabled(game_.canRedo());
}

void UndoCommands::store() {
  // A walk under way has not made its move yet: the file holds what came before it.
  if (!file_ || !keepBoardItem_->isChecked() || resuming_ || game_.walkTimerEnabled()) return;
  const std::error_code error =
      game_.levelEnded()
          ? file_->discard()
          : file_->save({game_.CurrentLevel(), game_.boardNumber(), game_.Score(), game_.history().events()});
  if (error && !failedWrite_) {
    failedWrite_ = true;
    report("The unfinished board could not be kept in " + file_->path() + ": " + error.message());
  }
}

// Standard error, not a message box: a box after every move would stop
// the game, and the board in play is not lost.
void UndoCommands::report(const std::string& what) {
  std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(kProgramTitle.size()), kProgramTitle.data(), what.c_str());
}

}  // namespace gorbix
