// The record of the level being played: the moves standing, each with what
// it changed so that it can be taken back exactly, the moves taken back
// that can be made again, and, in order, everything that changed the
// position or the score.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "game/route.h"
#include "game/tiles.h"

namespace gorbix {

// A move as the player makes it: a left click on a tile slides, a right
// click sends the Thing there. A left click on the Thing is a slide of its tile.
struct Move {
  std::int8_t index = 0;  // tile image 0..47
  bool send = false;
  friend bool operator==(Move, Move) = default;
};

struct CellChange {
  std::int8_t index = 0;
  char before = kHole;
  char after = kHole;
  friend bool operator==(CellChange, CellChange) = default;
};

// A move once made: a slide, or a send with its whole walk.
struct MoveRecord {
  Move move;
  std::vector<CellChange> cells;
  Cell thingBefore;
  Cell thingAfter;
  std::int16_t scoreBefore = 0;
  std::int16_t scoreAfter = 0;
  bool changedNothing() const { return cells.empty() && thingBefore == thingAfter && scoreBefore == scoreAfter; }
};

// Where the game stands: what a move may change.
struct PlayState {
  BoardGrid board;
  Cell thing;
  std::int16_t score = 0;
};

MoveRecord RecordMove(Move move, const PlayState& before, const PlayState& after);

// One line of the record of play. A redo names no move: it makes the move
// undone last.
enum class PlayKind : std::uint8_t { Move, Hint, Undo, Redo };
struct PlayEvent {
  PlayKind kind = PlayKind::Move;
  Move move;  // for PlayKind::Move only
  friend bool operator==(PlayEvent, PlayEvent) = default;
};

class MoveHistory {
 public:
  // A move the player made; what was undone can no longer be redone.
  void made(MoveRecord record);
  // The move undone last, made again; the earlier undone ones stay.
  void redone(MoveRecord record);
  // Takes the last move off, to be redone; there must be one.
  MoveRecord takeBack();
  // The move the next redo makes; taken off the list of undone moves.
  std::optional<Move> takeRedo();
  void hintPaid() { events_.push_back({PlayKind::Hint, {}}); }

  bool canUndo() const { return !moves_.empty(); }
  bool canRedo() const { return !undone_.empty(); }
  // The moves standing, oldest first.
  const std::vector<MoveRecord>& moves() const { return moves_; }
  // Everything since the level started, in order.
  const std::vector<PlayEvent>& events() const { return events_; }

 private:
  std::vector<MoveRecord> moves_;
  std::vector<Move> undone_;  // the next to redo last
  std::vector<PlayEvent> events_;
};

}  // namespace gorbix
