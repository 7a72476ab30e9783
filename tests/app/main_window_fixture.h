// A main window with fake sound players, a seeded deal, and modal dialogs
// answered in place instead of waiting for a user.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QDialog>

#include "app/frm_main.h"
#include "fake_sounds.h"
#include "support/error_trap.h"

namespace gorbix::testing {

class CountingTrap final : public ErrorTrap {
 public:
  void TrapError(std::string_view where, std::string_view, bool) override { traps.emplace_back(where); }
  std::vector<std::string> traps;
};

class TestMain : public frmMain {
 public:
  TestMain(ErrorTrap& trap, FakeSounds& sounds)
      : frmMain(trap, std::make_unique<SeededRandom>(20240611), sounds.factory()) {}

  // Called where the dialog would run its own event loop.
  std::function<void(QDialog&)> answer;
  std::vector<QString> dialogTitles;
  int programEnds = 0;
  std::vector<bool> soundSwitchWrites;
  BestScores storedBest{};
  std::int16_t storedLevel = 1;

 protected:
  void runModal(QDialog& dialog) override {
    dialogTitles.push_back(dialog.windowTitle());
    if (answer) answer(dialog);
  }
  void endProgram() override { ++programEnds; }
  void soundSwitchChanged(bool on) override { soundSwitchWrites.push_back(on); }
  BestScores loadBestScores() override { return storedBest; }
  std::int16_t loadLastLevel() override { return storedLevel; }
};

}  // namespace gorbix::testing
