// A level taken up again from its record of play: replayed out of sight
// first, and taken over only when every entry replays as it was made.
#include <string>

#include "game/board_number.h"
#include "game/game.h"
#include "game/silent_view.h"

namespace gorbix {

namespace {

std::string entryText(std::size_t i, const PlayEvent& event) {
  static constexpr const char* kKinds[] = {"move", "hint", "undo", "redo"};
  return "entry " + std::to_string(i + 1) + " (" + kKinds[static_cast<int>(event.kind)] + ")";
}

}  // namespace

std::string Game::resume(std::int16_t level, std::int32_t boardNumber, std::span<const PlayEvent> events,
                         std::int16_t score) {
  if (level < 1 || level > kLevels) return "level " + std::to_string(level) + " does not exist";
  if (!IsBoardNumber(boardNumber)) return "board number " + std::to_string(boardNumber) + " does not exist";
  SilentView view;
  CountingHost host;
  CountingTrap trap;
  SeededRandom unused(0);
  Game played(view, host, unused, trap);
  played.startLevelOn(level, boardNumber);
  for (std::size_t i = 0; i < events.size(); ++i) {
    const PlayEvent& event = events[i];
    const std::size_t recorded = played.history_.events().size();
    switch (event.kind) {
      case PlayKind::Move: played.makeMove(event.move, false); break;
      case PlayKind::Hint: played.payHint(); break;
      case PlayKind::Undo: played.undo(); break;
      case PlayKind::Redo: played.redo(); break;
    }
    for (int ticks = 0; played.timerEnabled_ && ticks < 4 * kCells; ++ticks) played.tmrMoveThing_Timer();
    if (host.ends > 0) return entryText(i, event) + " ends the level";
    const std::vector<PlayEvent>& made = played.history_.events();
    if (played.timerEnabled_ || trap.reports > 0 || host.refusals > 0 || made.size() != recorded + 1 ||
        made.back() != event) {
      return entryText(i, event) + " does not replay";
    }
  }
  if (played.Score_ != score) {
    return "the moves make a score of " + std::to_string(played.Score_) + ", not " + std::to_string(score);
  }
  startLevelOn(level, boardNumber);
  adopt(played);
  return {};
}

void Game::adopt(const Game& played) {
  for (int i = 0; i < kCells; ++i) {
    const Cell cell = IndexToCell(i);
    if (Board_.atIndex(i) != played.Board_.atIndex(i)) SetCell(played.Board_.atIndex(i), cell.col, cell.row);
  }
  showThingAt({played.ThingCol_, played.ThingRow_});
  AddScore(played.Score_ - Score_);
  TargetCol_ = played.TargetCol_;
  TargetRow_ = played.TargetRow_;
  history_ = played.history_;
}

}  // namespace gorbix
