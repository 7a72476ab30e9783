#include "game/game.h"

#include <algorithm>
#include <cassert>
#include <limits>

#include "game/board_number.h"
#include "support/error_trap.h"
#include "support/text.h"
#include "support/translatable.h"

namespace gorbix {

namespace {

// The list's line in the player's language, as the shell shows the others.
std::string shownScoreLine(std::int16_t level, std::int16_t score) {
  return ScoreLine(level, score, LocalText("ScoreList", kScoreLineWord).str());
}

}  // namespace

Game::Game(GameView& view, GameHost& host, RandomSource& random, ErrorTrap& trap)
    : view_(view), host_(host), random_(random), trap_(trap) {
  Board_.fill(kHole);
}

void Game::SetCell(char code, int col, int row) {
  Board_(col, row) = code;
  view_.cellChanged(col, row, code);
}

void Game::AddScore(int amount) {
  const int score = std::clamp(Score_ + amount, 0, int{std::numeric_limits<std::int16_t>::max()});
  Score_ = static_cast<std::int16_t>(score);
  view_.scoreChanged(Score_);
}

void Game::PlaceThing(int col, int row) {
  assert(OnBoard(col, row));
  view_.thingHidden();
  ThingCol_ = static_cast<std::int16_t>(col);
  ThingRow_ = static_cast<std::int16_t>(row);
  const char c = Board_(col, row);
  // A blocker is never stood on; were it, its "visited form" would be a second hole.
  if (c >= 'A' && c <= 'L' && c != kBlocker) {
    SetCell(static_cast<char>(c + kVisitedOffset), col, row);
    AddScore(TilePoints(c));
  } else if (IsBonus(c)) {
    AddScore(TilePoints(c));
    SetCell(kTakenBonus, col, row);
    BonusCollected_ = true;
  }
  view_.thingMoved(col, row);
  view_.thingShown();
}

void Game::ComputeOpenings() { gorbix::ComputeOpenings(Board_, Openings_, trap_); }

void Game::setWalkTimer(bool enabled, int intervalMs) {
  if (enabled == timerEnabled_ && intervalMs == timerInterval_) return;
  timerEnabled_ = enabled;
  timerInterval_ = intervalMs;
  host_.walkTimerChanged(enabled, intervalMs);
}

void Game::stopWalk() {
  setWalkTimer(false, timerInterval_);
  ThingPath_.clear();
}

void Game::StartLevel(std::int16_t level) {
  assert(level >= 1 && level <= kLevels);
  if (level < 1 || level > kLevels) level = 1;
  startLevelOn(level, DrawBoardNumber(random_));
}

bool Game::playBoard(std::int32_t boardNumber) {
  if (!IsBoardNumber(boardNumber)) return false;
  startLevelOn(CurrentLevel_, boardNumber);
  return true;
}

void Game::startLevelOn(std::int16_t level, std::int32_t boardNumber) {
  stopWalk();
  pending_.reset();
  history_ = {};
  levelEnded_ = false;
  CurrentLevel_ = level;
  boardNumber_ = boardNumber;
  Score_ = kStartScore;
  view_.levelChanged(CurrentLevel_);
  view_.scoreChanged(Score_);
  view_.scoreLineSelected(CurrentLevel_ - 1);
  BoardRandom deal(boardNumber_);
  MakeLevel(CurrentLevel_, deal);
  PlaceThing(kStartCell.col, kStartCell.row);
  host_.boardDealt(CurrentLevel_, boardNumber_);
}

void Game::imgTile_MouseUp(int index, MouseButton button) {
  if (timerEnabled_ || index < 0 || index >= kCells || button == MouseButton::Other) return;
  makeMove({static_cast<std::int8_t>(index), button == MouseButton::Right}, false);
}

void Game::imgThing_MouseUp(MouseButton button) {
  if (timerEnabled_) return;
  if (button == MouseButton::Left) makeMove({static_cast<std::int8_t>(CellToIndex(ThingCol_, ThingRow_)), false}, false);
  else if (button == MouseButton::Right) host_.PlaySound(SoundIndex::Error);
}

void Game::makeMove(Move move, bool redo) {
  // Once the level has ended its record is closed; the end starts no new one.
  if (!levelEnded_) pending_ = PendingMove{move, playState(), redo};
  if (move.send) {
    SendThing(move.index);
  } else {
    SlideTile(move.index);
  }
  if (!timerEnabled_) finishMove();
}

void Game::finishMove() {
  if (!pending_) return;
  const PendingMove pending = std::move(*pending_);
  pending_.reset();
  MoveRecord record = RecordMove(pending.move, pending.before, playState());
  if (record.changedNothing()) return;  // refused: not a move
  if (pending.redo) {
    history_.redone(std::move(record));
  } else {
    history_.made(std::move(record));
  }
  host_.playRecorded(history_.events().back());
}

bool Game::undo() {
  if (!canUndo()) return false;
  const MoveRecord record = history_.takeBack();
  for (const CellChange& change : record.cells) {
    const Cell cell = IndexToCell(change.index);
    SetCell(change.before, cell.col, cell.row);
  }
  showThingAt(record.thingBefore);
  // What the move scored is given back, not the hints paid since.
  AddScore(record.scoreBefore - record.scoreAfter - kUndoCost);
  host_.playRecorded(history_.events().back());
  return true;
}

bool Game::redo() {
  if (!canRedo()) return false;
  if (const std::optional<Move> move = history_.takeRedo()) makeMove(*move, true);
  return true;
}

void Game::payHint() {
  AddScore(-kHintCost);
  if (levelEnded_) return;
  history_.hintPaid();
  host_.playRecorded(history_.events().back());
}

void Game::showThingAt(Cell cell) {
  if (cell == Cell{ThingCol_, ThingRow_}) return;
  view_.thingHidden();
  ThingCol_ = cell.col;
  ThingRow_ = cell.row;
  view_.thingMoved(cell.col, cell.row);
  view_.thingShown();
}

void Game::CheckForHole(const BoardGrid& board, int col, int row, int& holeCol, int& holeRow) {
  if (holeCol != 0) return;
  if (OnBoard(col, row) && board(col, row) == kHole) {
    holeCol = col;
    holeRow = row;
  }
}

void Game::SlideTile(int index) {
  const Cell clicked = IndexToCell(index);
  const int col = clicked.col;
  const int row = clicked.row;
  int holeCol = 0;
  int holeRow = 0;
  for (int i = 1; i <= 7 && holeCol == 0; ++i) CheckForHole(Board_, col + i, row, holeCol, holeRow);
  for (int i = 1; i <= 7 && holeCol == 0; ++i) CheckForHole(Board_, col - i, row, holeCol, holeRow);
  for (int i = 1; i <= 5 && holeCol == 0; ++i) CheckForHole(Board_, col, row + i, holeCol, holeRow);
  for (int i = 1; i <= 5 && holeCol == 0; ++i) CheckForHole(Board_, col, row - i, holeCol, holeRow);
  if (holeCol == 0) {
    host_.PlaySound(SoundIndex::Error);
    return;
  }

  AddScore(-5);

  // Each step swaps a pair of neighbours, one of them the hole, working from
  // the hole towards the clicked cell.
  const bool inRow = holeCol != col;
  const int from = inRow ? holeCol : holeRow;
  const int to = inRow ? col : row;
  const int direction = from > to ? -1 : 1;
  const int first = from > to ? from - 1 : from;
  const int last = from > to ? to : to - 1;
  bool carried = false;
  for (int i = first;; i += direction) {
    const Cell a = inRow ? Cell{static_cast<std::int16_t>(i), static_cast<std::int16_t>(row)}
                         : Cell{static_cast<std::int16_t>(col), static_cast<std::int16_t>(i)};
    const Cell b = inRow ? Cell{static_cast<std::int16_t>(i + 1), static_cast<std::int16_t>(row)}
                         : Cell{static_cast<std::int16_t>(col), static_cast<std::int16_t>(i + 1)};
    const char remembered = Board_(a.col, a.row);
    SetCell(Board_(b.col, b.row), a.col, a.row);
    SetCell(remembered, b.col, b.row);

    const Cell thing{ThingCol_, ThingRow_};
    if (!carried && thing == a) {
      PlaceThing(b.col, b.row);
      carried = true;
    } else if (!carried && thing == b) {
      PlaceThing(a.col, a.row);
      carried = true;
    }

    if (CheckLevelEnd()) return;  // the board may already be a new level's
    host_.PlaySound(SoundIndex::MoveTile);
    if (i == last) break;
  }
}

void Game::SendThing(int index) {
  const Cell target = IndexToCell(index);
  TargetCol_ = target.col;
  TargetRow_ = target.row;
  if (Board_(TargetCol_, TargetRow_) == kHole) {
    host_.PlaySound(SoundIndex::Error);
    return;
  }
  ComputeOpenings();
  PruneOpenings(Openings_, trap_);
  if (FindRoute(Openings_, {ThingCol_, ThingRow_}, target, ThingPath_)) {
    StartThingTimer();
  } else {
    host_.PlaySound(SoundIndex::Error);
  }
}

void Game::StartThingTimer() { setWalkTimer(true, kFirstStepMs); }

void Game::tmrMoveThing_Timer() {
  stepThing();
  if (!timerEnabled_) finishMove();
}

void Game::stepThing() {
  if (!timerEnabled_ || ThingPath_.empty()) {  // a stale tick after the walk ended
    stopWalk();
    return;
  }
  setWalkTimer(true, kStepMs);
  const char step = ThingPath_.front();
  ThingPath_ = DeleteChars(ThingPath_, 1, 1);
  if (ThingPath_.empty()) setWalkTimer(false, kStepMs);

  int col = ThingCol_;
  int row = ThingRow_;
  switch (step) {
    case 'u': --row; break;
    case 'd': ++row; break;
    case 'l': --col; break;
    default: ++col; break;
  }
  if (!OnBoard(col, row)) {  // cannot happen with a route of this board
    stopWalk();
    return;
  }
  PlaceThing(col, row);

  if (ThingCol_ == kGoalCell.col && ThingRow_ == kGoalCell.row) stopWalk();
  if (CheckLevelEnd()) return;
  if (BonusCollected_) {
    host_.PlaySound(SoundIndex::Bonus);
    BonusCollected_ = false;
  } else {
    host_.PlaySound(SoundIndex::MoveThing);
  }
}

bool Game::CheckLevelEnd() {
  if (ThingCol_ != kGoalCell.col || ThingRow_ != kGoalCell.row) return false;
  // The move that got here is the level's last: its record is complete.
  if (!levelEnded_) {
    levelEnded_ = true;
    finishMove();
  }
  // The end-of-level sound stands in for the step's; a bonus taken on the
  // goal must not make the next level's first step sound like a bonus.
  BonusCollected_ = false;
  host_.PlaySound(SoundIndex::EndOfLevel);
  EndChoice_ = EndChoice::None;

  const EndOfLevelSummary summary = LoadEndOfLevel(CurrentLevel_, Score_, BestScore_);
  if (summary.newBest) {
    view_.scoreLineChanged(CurrentLevel_ - 1, shownScoreLine(CurrentLevel_, Score_));
  }
  view_.overallRatingChanged(summary.overallRating);
  if (summary.newBest) host_.newBestScore(CurrentLevel_);

  EndChoice_ = host_.showEndOfLevel(summary);
  switch (EndChoice_) {
    case EndChoice::Quit: host_.quitGame(); break;
    case EndChoice::Next:
      // Level 25 offers no next level; should one be asked for, replay it.
      StartLevel(static_cast<std::int16_t>(std::min<int>(CurrentLevel_ + 1, kLevels)));
      break;
    case EndChoice::Again: StartLevel(CurrentLevel_); break;
    case EndChoice::Jump: RunJumpCommand(); break;
    case EndChoice::None: break;
  }
  return true;
}

void Game::RunJumpCommand() {
  JumpLevel_ = host_.showJumpWindow(CurrentLevel_);
  if (JumpLevel_ >= 1 && JumpLevel_ <= kLevels) StartLevel(JumpLevel_);
}

void Game::ResetAllScores() {
  for (int level = 1; level <= kLevels; ++level) {
    BestScore_[static_cast<std::size_t>(level - 1)] = 0;
    view_.scoreLineChanged(level - 1, shownScoreLine(static_cast<std::int16_t>(level), 0));
  }
  view_.overallRatingChanged(OverallRating(BestScore_));
  host_.allScoresReset();
}

}  // namespace gorbix
