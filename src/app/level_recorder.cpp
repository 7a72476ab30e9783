#include "app/level_recorder.h"

#include <algorithm>
#include <limits>

#include <QDebug>

#include "app/best_lines.h"

namespace gorbix {

LevelRecorder::LevelRecorder(BestLines& bestLines, QObject* parent) : QObject(parent), bestLines_(bestLines) {
  connect(&bestLines_, &BestLines::found, this, &LevelRecorder::lineFound);
}

void LevelRecorder::dealt(std::int16_t level, std::int32_t board) {
  setTally({.level = level, .board = board, .score = kStartScore});
}

void LevelRecorder::played(const PlayEvent& event) {
  if (tally_.level == 0) return;
  switch (event.kind) {
    case PlayKind::Move:
      ++tally_.moves;
      if (!event.move.send) ++tally_.slides;
      break;
    case PlayKind::Hint:
      ++tally_.hints;
      break;
    case PlayKind::Undo:
      ++tally_.undos;
      break;
    case PlayKind::Redo:
      break;
  }
}

void LevelRecorder::ended() {
  if (tally_.level == 0) return;
  const LevelRecord record = recordOf(tally(), true);
  tally_ = {};
  if (const auto points = bestLines_.points(record.level, record.board)) {
    LevelRecord known = record;
    known.bestLine = static_cast<std::int16_t>(*points);
    write(known);
    return;
  }
  waiting_.push_back(record);
  bestLines_.want(record.level, record.board);
}

void LevelRecorder::leave() {
  if (tally_.level == 0) return;
  LevelRecord record = recordOf(tally(), false);
  if (const auto points = bestLines_.points(record.level, record.board)) {
    record.bestLine = static_cast<std::int16_t>(*points);
  }
  tally_ = {};
  write(record);
}

void LevelRecorder::flush() {
  for (const LevelRecord& record : waiting_) write(record);
  waiting_.clear();
}

void LevelRecorder::lineFound(std::int16_t level, std::int32_t board, int points) {
  // Written in the order the levels ended, as each one's line is known.
  while (!waiting_.empty()) {
    LevelRecord& next = waiting_.front();
    if (next.level == level && next.board == board) next.bestLine = static_cast<std::int16_t>(points);
    if (!next.bestLine) break;
    write(next);
    waiting_.erase(waiting_.begin());
  }
}

LevelTally LevelRecorder::tally() const {
  LevelTally now = tally_;
  if (now.level != 0) {
    const auto played = std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - since_).count();
    now.seconds = static_cast<std::int32_t>(std::min<std::int64_t>(now.seconds + played, std::numeric_limits<std::int32_t>::max()));
  }
  return now;
}

void LevelRecorder::setTally(const LevelTally& tally) {
  tally_ = tally;
  since_ = Clock::now();
}

LevelRecord LevelRecorder::recordOf(const LevelTally& tally, bool finished) const {
  LevelRecord record;
  record.time = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
                    .count();
  record.level = tally.level;
  record.board = tally.board;
  record.score = tally.score;
  record.finished = finished;
  record.moves = tally.moves;
  record.slides = tally.slides;
  record.hints = tally.hints;
  record.undos = tally.undos;
  record.seconds = tally.seconds;
  return record;
}

void LevelRecorder::write(const LevelRecord& record) {
  // A record that cannot be written costs the player no game: no message
  // at every level, only a note for whoever runs the game from a terminal.
  if (!path_.empty()) {
    if (const std::error_code error = appendRecord(files_, path_, record)) {
      qWarning("The record of levels played cannot be written to %s: %s", path_.c_str(), error.message().c_str());
    }
  }
  emit appended(record);
}

std::error_code LevelRecorder::clear() {
  waiting_.clear();
  return path_.empty() ? std::error_code() : clearRecord(files_, path_);
}

}  // namespace gorbix
