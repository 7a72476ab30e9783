// A view that shows nothing, and a host and an error report that only
// count, for games played without a window: replays of the solver's lines,
// of a kept board's record, and the benchmarks.
#pragma once

#include <string>
#include <string_view>

#include "game/game.h"
#include "support/error_trap.h"

namespace gorbix {

struct SilentView final : GameView {
  void cellChanged(int, int, char) override {}
  void thingHidden() override {}
  void thingMoved(int, int) override {}
  void thingShown() override {}
  void scoreChanged(std::int16_t) override {}
  void levelChanged(std::int16_t) override {}
  void scoreLineChanged(int, const std::string&) override {}
  void scoreLineSelected(int) override {}
  void overallRatingChanged(std::string_view) override {}
};

// Counts refusals and level ends; the end-of-level dialog closes without a choice.
struct CountingHost final : GameHost {
  int refusals = 0;
  int ends = 0;
  void PlaySound(SoundIndex n) override { refusals += n == SoundIndex::Error; }
  void walkTimerChanged(bool, int) override {}
  EndChoice showEndOfLevel(const EndOfLevelSummary&) override {
    ++ends;
    return EndChoice::None;
  }
  std::int16_t showJumpWindow(std::int16_t) override { return 0; }
  void quitGame() override {}
  void newBestScore(std::int16_t) override {}
  void allScoresReset() override {}
};

struct CountingTrap final : ErrorTrap {
  int reports = 0;
  void TrapError(std::string_view, std::string_view, bool) override { ++reports; }
};

}  // namespace gorbix
