#include "game/move_history.h"

#include <cassert>
#include <utility>

namespace gorbix {

MoveRecord RecordMove(Move move, const PlayState& before, const PlayState& after) {
  MoveRecord record;
  record.move = move;
  for (int i = 0; i < kCells; ++i) {
    if (before.board.atIndex(i) != after.board.atIndex(i)) {
      record.cells.push_back({static_cast<std::int8_t>(i), before.board.atIndex(i), after.board.atIndex(i)});
    }
  }
  record.thingBefore = before.thing;
  record.thingAfter = after.thing;
  record.scoreBefore = before.score;
  record.scoreAfter = after.score;
  return record;
}

void MoveHistory::made(MoveRecord record) {
  events_.push_back({PlayKind::Move, record.move});
  moves_.push_back(std::move(record));
  undone_.clear();
}

void MoveHistory::redone(MoveRecord record) {
  events_.push_back({PlayKind::Redo, {}});
  moves_.push_back(std::move(record));
}

MoveRecord MoveHistory::takeBack() {
  assert(canUndo());
  MoveRecord record = std::move(moves_.back());
  moves_.pop_back();
  undone_.push_back(record.move);
  events_.push_back({PlayKind::Undo, {}});
  return record;
}

std::optional<Move> MoveHistory::takeRedo() {
  if (undone_.empty()) return std::nullopt;
  const Move move = undone_.back();
  undone_.pop_back();
  return move;
}

}  // namespace gorbix
