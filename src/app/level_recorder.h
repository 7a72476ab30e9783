// The record of levels played, kept as the game goes: a tally of the level
// in play, and one line in the record file when the level ends or is left.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <system_error>
#include <vector>

#include <QObject>

#include "game/game.h"
#include "settings/file_system.h"
#include "settings/level_record.h"

namespace gorbix {

class BestLines;

// The level in play as the record will hold it. Plain data, so that a
// level kept from one run to the next can go on counting.
struct LevelTally {
  std::int16_t level = 0;  // 0: no level in play
  std::int32_t board = 0;
  std::int16_t score = 0;  // as last shown
  std::int32_t moves = 0;  // slides and sends
  std::int32_t slides = 0;
  std::int32_t hints = 0;
  std::int32_t undos = 0;
  std::int32_t seconds = 0;
  friend bool operator==(const LevelTally&, const LevelTally&) = default;
};

class LevelRecorder : public QObject {
  Q_OBJECT

 public:
  using Clock = std::chrono::steady_clock;

  // bestLines: searched for each board finished, so its line can stand beside the score.
  explicit LevelRecorder(BestLines& bestLines, QObject* parent = nullptr);

  // The record file; without one nothing is written (lines are still announced).
  void setPath(std::string path) { path_ = std::move(path); }
  const std::string& path() const { return path_; }

  // A board has been dealt and is now in play. The level before it must
  // have been left first: by the time of the deal its score is gone.
  void dealt(std::int16_t level, std::int32_t board);
  void scoreShown(std::int16_t score) { tally_.score = score; }
  // What the game's record of play gained: a move (a redo is not counted
  // again), a hint paid or an undo. A board taken up from the last run
  // replays its record through here, so its tally goes on.
  void played(const PlayEvent& event);
  // The level in play has been finished: its line waits for the board's
  // best line, whose search starts now.
  void ended();
  // The level in play, if any, is left unfinished at its last score.
  void leave();
  // Writes the lines still waiting for a best line without one: the
  // program is ending and their searches with it.
  void flush();

  // The level in play, its seconds counted up to now.
  LevelTally tally() const;
  // Takes over a level in play; its seconds go on from here.
  void setTally(const LevelTally& tally);

  std::error_code clear();

 signals:
  // A line has gone to the record (or would have, without a file).
  void appended(const gorbix::LevelRecord& record);

 private:
  LevelRecord recordOf(const LevelTally& tally, bool finished) const;
  void write(const LevelRecord& record);
  void lineFound(std::int16_t level, std::int32_t board, int points);

  BestLines& bestLines_;
  std::string path_;
  PosixFileSystem files_;
  LevelTally tally_;
  Clock::time_point since_ = Clock::now();
  std::vector<LevelRecord> waiting_;  // finished, waiting for the board's best line
};

}  // namespace gorbix
