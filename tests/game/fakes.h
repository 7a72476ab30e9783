// Test doubles for the core's interfaces, and a board written from text.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "game/game.h"
#include "support/error_trap.h"

namespace gorbix::testing {

// Records every view event as a short text, in order.
class RecordingView : public GameView {
 public:
  std::vector<std::string> events;
  std::vector<std::string> scoreLines = std::vector<std::string>(kLevels);
  std::string rating;
  int selectedLine = -1;
  bool recordCells = true;

  void cellChanged(int col, int row, char code) override {
    if (recordCells) events.push_back("cell " + std::to_string(col) + "," + std::to_string(row) + "=" + code);
  }
  void thingHidden() override { events.push_back("hide"); }
  void thingMoved(int col, int row) override {
    events.push_back("move " + std::to_string(col) + "," + std::to_string(row));
  }
  void thingShown() override { events.push_back("show"); }
  void scoreChanged(std::int16_t score) override { events.push_back("score " + std::to_string(score)); }
  void levelChanged(std::int16_t level) override { events.push_back("level " + std::to_string(level)); }
  void scoreLineChanged(int line, const std::string& text) override {
    scoreLines.at(static_cast<std::size_t>(line)) = text;
    events.push_back("line " + std::to_string(line));
  }
  void scoreLineSelected(int line) override {
    selectedLine = line;
    events.push_back("select " + std::to_string(line));
  }
  void overallRatingChanged(std::string_view text) override {
    rating = std::string(text);
    events.push_back("rating " + rating);
  }
};

// Plays back scripted end-of-level and jump choices; records the rest.
class ScriptedHost : public GameHost {
 public:
  std::vector<SoundIndex> sounds;
  std::vector<std::pair<bool, int>> timerChanges;
  std::vector<EndOfLevelSummary> summaries;
  std::deque<EndChoice> endChoices;
  std::deque<std::int16_t> jumpChoices;
  std::vector<std::int16_t> jumpWindowLevels;
  int quits = 0;
  // "best N" for each new best score of level N, "reset" for each reset.
  std::vector<std::string> stores;
  // Runs while the end-of-level dialog is "open", to check what holds then.
  std::function<void()> whileDialogOpen;

  void PlaySound(SoundIndex n) override { sounds.push_back(n); }
  void walkTimerChanged(bool enabled, int intervalMs) override { timerChanges.emplace_back(enabled, intervalMs); }
  EndChoice showEndOfLevel(const EndOfLevelSummary& summary) override {
    summaries.push_back(summary);
    if (whileDialogOpen) whileDialogOpen();
    if (endChoices.empty()) return EndChoice::None;
    const EndChoice choice = endChoices.front();
    endChoices.pop_front();
    return choice;
  }
  std::int16_t showJumpWindow(std::int16_t currentLevel) override {
    jumpWindowLevels.push_back(currentLevel);
    if (jumpChoices.empty()) return 0;
    const std::int16_t level = jumpChoices.front();
    jumpChoices.pop_front();
    return level;
  }
  void quitGame() override { ++quits; }
  void newBestScore(std::int16_t level) override { stores.push_back("best " + std::to_string(level)); }
  void allScoresReset() override { stores.emplace_back("reset"); }
  std::vector<PlayEvent> played;
  void playRecorded(const PlayEvent& event) override { played.push_back(event); }

  int count(SoundIndex n) const {
    int c = 0;
    for (SoundIndex s : sounds) c += s == n;
    return c;
  }
};

// Hands out the given draws in order, then `fallback` forever.
class ScriptedRandom : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<float> draws = {}, float fallback = 0.0f)
      : draws_(draws.begin(), draws.end()), fallback_(fallback) {}
  void push(float u) { draws_.push_back(u); }
  float next() override {
    ++drawn;
    if (draws_.empty()) return fallback_;
    const float u = draws_.front();
    draws_.pop_front();
    return u;
  }
  int drawn = 0;

 private:
  std::deque<float> draws_;
  float fallback_;
};

class RecordingTrap : public ErrorTrap {
 public:
  struct Report {
    std::string where;
    std::string detail;
    bool endProgram;
  };
  std::vector<Report> reports;
  void TrapError(std::string_view where, std::string_view detail, bool endProgram) override {
    reports.push_back({std::string(where), std::string(detail), endProgram});
  }
};

// A game wired to fakes.
struct Rig {
  RecordingView view;
  ScriptedHost host;
  ScriptedRandom random;
  RecordingTrap trap;
  Game game{view, host, random, trap};

  // rows[r] holds the codes of row r + 1, left to right.
  void setBoard(const std::vector<std::string>& rows) {
    for (int row = 1; row <= kRows; ++row) {
      for (int col = 1; col <= kCols; ++col) {
        game.SetCell(rows.at(static_cast<std::size_t>(row - 1)).at(static_cast<std::size_t>(col - 1)), col, row);
      }
    }
  }
  std::string boardRow(int row) const {
    std::string text;
    for (int col = 1; col <= kCols; ++col) text.push_back(game.Board(col, row));
    return text;
  }
  // Puts the Thing on a cell without scoring: the cell is given its visited form first.
  void putThing(int col, int row) {
    const char c = game.Board(col, row);
    if (IsFresh(c) && c != kBlocker) game.SetCell(static_cast<char>(c + kVisitedOffset), col, row);
    game.PlaceThing(col, row);
  }
  // A level in play on the given board, the Thing on `thing`, records cleared.
  Rig& prepared(const std::vector<std::string>& rows, Cell thing = kStartCell) {
    game.StartLevel(1);
    setBoard(rows);
    putThing(thing.col, thing.row);
    clearRecords();
    return *this;
  }
  // Runs the walk's ticks until the timer stops, at most `limit` of them.
  int runWalk(int limit = 1000) {
    int ticks = 0;
    while (game.walkTimerEnabled() && ticks < limit) {
      game.tmrMoveThing_Timer();
      ++ticks;
    }
    return ticks;
  }
  void clearRecords() {
    view.events.clear();
    host.sounds.clear();
    host.timerChanges.clear();
  }
};

}  // namespace gorbix::testing
