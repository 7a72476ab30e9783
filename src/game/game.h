// The game: board, Thing, score, levels. No window, no clock, no files:
// the shell forwards clicks and timer ticks and draws what it is told.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "game/grid.h"
#include "game/move_history.h"
#include "game/random.h"
#include "game/route.h"
#include "game/scoring.h"
#include "game/tiles.h"

namespace gorbix {

class ErrorTrap;

enum class SoundIndex : int { Error = 0, MoveTile = 1, MoveThing = 2, EndOfLevel = 3, Bonus = 4 };
inline constexpr int kSoundCount = 5;

enum class MouseButton { Left, Right, Other };

// The end-of-level button chosen; None when the dialog was closed without one.
enum class EndChoice { None, Again, Next, Jump, Quit };

inline constexpr int kFirstStepMs = 10;
inline constexpr int kStepMs = 100;

// Told of everything the main window shows, in the order it happens.
class GameView {
 public:
  virtual ~GameView() = default;
  virtual void cellChanged(int col, int row, char code) = 0;
  virtual void thingHidden() = 0;
  virtual void thingMoved(int col, int row) = 0;
  virtual void thingShown() = 0;
  virtual void scoreChanged(std::int16_t score) = 0;
  virtual void levelChanged(std::int16_t level) = 0;
  // Line 0..24 of the score list replaced, or selected.
  virtual void scoreLineChanged(int line, const std::string& text) = 0;
  virtual void scoreLineSelected(int line) = 0;
  virtual void overallRatingChanged(std::string_view rating) = 0;
};

// What only the shell can do.
class GameHost {
 public:
  virtual ~GameHost() = default;
  virtual void PlaySound(SoundIndex n) = 0;
  // The walk timer: enabled or not, and its interval in milliseconds.
  virtual void walkTimerChanged(bool enabled, int intervalMs) = 0;
  // Shows the end-of-level dialog modally; returns the button chosen.
  virtual EndChoice showEndOfLevel(const EndOfLevelSummary& summary) = 0;
  // Shows the jump window modally; returns the level chosen, 0 for none.
  virtual std::int16_t showJumpWindow(std::int16_t currentLevel) = 0;
  // Runs the main window's shut-down, then ends the program.
  virtual void quitGame() = 0;
  // A new best score of a level, or the reset of all of them, has been set
  // in BestScore: the moment to store it, before anything else can happen.
  virtual void newBestScore(std::int16_t level) = 0;
  virtual void allScoresReset() = 0;
  // A level has started on board `boardNumber`: the board is dealt and the
  // Thing stands on its start cell.
  virtual void boardDealt(std::int16_t /*level*/, std::int32_t /*boardNumber*/) {}
  // The level's record of play has grown by `event`: a move or a redo once
  // its walk has ended, a hint paid, an undo. Every one of them comes here.
  virtual void playRecorded(const PlayEvent& /*event*/) {}
};

class Game {
 public:
  Game(GameView& view, GameHost& host, RandomSource& random, ErrorTrap& trap);

  // The board and the Thing.
  void SetCell(char code, int col, int row);
  void PlaceThing(int col, int row);
  void AddScore(int amount);
  void ComputeOpenings();

  // Levels.
  // Deals from `deal`; without one, straight from the run's source, so a
  // test can script every draw of the deal.
  void MakeLevel(std::int16_t level, RandomSource& deal);
  void MakeLevel(std::int16_t level) { MakeLevel(level, random_); }
  // level must lie in 1..25 (asserted; level 1 is played in its place in a
  // release build). A walk under way is stopped first: its letters belong
  // to the old board.
  // The run's source picks the board number, and the board is dealt from it.
  void StartLevel(std::int16_t level);
  // Starts the current level afresh on board `boardNumber`, as StartLevel
  // does; a number outside 1..2147483647 changes nothing and gives false.
  bool playBoard(std::int32_t boardNumber);

  // Mouse releases on a tile image (index 0..47) and on the Thing's image.
  void imgTile_MouseUp(int index, MouseButton button);
  void imgThing_MouseUp(MouseButton button);
  void SlideTile(int index);
  static void CheckForHole(const BoardGrid& board, int col, int row, int& holeCol, int& holeRow);

  // The Thing's walk; the shell calls tmrMoveThing_Timer on every tick.
  void SendThing(int index);
  void StartThingTimer();
  void tmrMoveThing_Timer();

  // True when the Thing stands on the goal; then the level's end has run,
  // the player's choice included.
  bool CheckLevelEnd();

  // Taking moves back. Both refuse (false) while the Thing walks, once the
  // level has ended, and when there is nothing to undo or redo.
  bool canUndo() const { return !timerEnabled_ && !levelEnded_ && history_.canUndo(); }
  bool canRedo() const { return !timerEnabled_ && !levelEnded_ && history_.canRedo(); }
  // The board, the Thing and what the move scored become what they were
  // before the last move; then the undo costs kUndoCost.
  bool undo();
  // Makes the move undone last again, as its click did.
  bool redo();
  // Charges a hint's price and keeps it in the record of play.
  void payHint();
  const MoveHistory& history() const { return history_; }
  // The Thing has reached the goal since the level started: the record of
  // play is closed until the next level starts.
  bool levelEnded() const { return levelEnded_; }
  // Starts `level` on board `boardNumber` and makes `events` again, as they
  // were made, so that the record of play and Undo go on where they were.
  // They are first played out of sight: when one does not replay, or they
  // do not end on `score`, nothing changes and the reason is returned.
  std::string resume(std::int16_t level, std::int32_t boardNumber, std::span<const PlayEvent> events,
                     std::int16_t score);

  // The jump command: the jump window, then the level chosen, if any.
  void RunJumpCommand();
  // Sets every best score to 0 and rebuilds the score list's lines.
  void ResetAllScores();
  // Best scores as read at start-up; the shell builds its list from them.
  void setBestScores(const BestScores& best) { BestScore_ = best; }

  // State, read-only: each value has one writer above.
  char Board(int col, int row) const { return Board_(col, row); }
  const BoardGrid& board() const { return Board_; }
  const OpeningsGrid& Openings() const { return Openings_; }
  std::int16_t ThingCol() const { return ThingCol_; }
  std::int16_t ThingRow() const { return ThingRow_; }
  std::int16_t TargetCol() const { return TargetCol_; }
  std::int16_t TargetRow() const { return TargetRow_; }
  const std::string& ThingPath() const { return ThingPath_; }
  std::int16_t Score() const { return Score_; }
  std::int16_t CurrentLevel() const { return CurrentLevel_; }
  // The board number of the level in play; 0 before the first level start.
  std::int32_t boardNumber() const { return boardNumber_; }
  bool BonusCollected() const { return BonusCollected_; }
  const BestScores& BestScore() const { return BestScore_; }
  EndChoice lastEndChoice() const { return EndChoice_; }
  std::int16_t JumpLevel() const { return JumpLevel_; }
  bool walkTimerEnabled() const { return timerEnabled_; }
  int walkTimerInterval() const { return timerInterval_; }

 private:
  void setWalkTimer(bool enabled, int intervalMs);
  void stopWalk();
  void startLevelOn(std::int16_t level, std::int32_t boardNumber);
  void stepThing();
  // A slide or a send, recorded once it has run its course.
  void makeMove(Move move, bool redo);
  void finishMove();
  PlayState playState() const { return {Board_, {ThingCol_, ThingRow_}, Score_}; }
  // Shows the Thing on a cell without the arrival rule.
  void showThingAt(Cell cell);
  // Takes over the board, the Thing, the score and the record of play.
  void adopt(const Game& played);

  GameView& view_;
  GameHost& host_;
  RandomSource& random_;
  ErrorTrap& trap_;

  BoardGrid Board_;
  OpeningsGrid Openings_;
  std::int16_t ThingCol_ = 1;
  std::int16_t ThingRow_ = 1;
  std::int16_t TargetCol_ = 0;
  std::int16_t TargetRow_ = 0;
  std::string ThingPath_;
  std::int16_t Score_ = 0;
  std::int16_t CurrentLevel_ = 1;
  std::int32_t boardNumber_ = 0;
  bool BonusCollected_ = false;
  BestScores BestScore_{};
  EndChoice EndChoice_ = EndChoice::None;
  std::int16_t JumpLevel_ = 0;
  bool timerEnabled_ = false;
  int timerInterval_ = kFirstStepMs;

  struct PendingMove {
    Move move;
    PlayState before;
    bool redo = false;
  };
  std::optional<PendingMove> pending_;  // while its walk runs
  MoveHistory history_;
  bool levelEnded_ = false;
};

}  // namespace gorbix
