// A view that shows nothing, for games played without a window: replays
// of the solver's lines and the benchmarks.
#pragma once

#include <string>
#include <string_view>

#include "game/game.h"

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

}  // namespace gorbix
