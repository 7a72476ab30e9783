// A main window with fake sound players, a seeded deal, and modal dialogs
// answered in place instead of waiting for a user; and a fixture that has
// it loaded, its players opened and their logs emptied.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QDialog>
#include <QTest>

#include <gtest/gtest.h>

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
      // The first board of this seed has its hole off the top row, where tests lay track.
      : frmMain(trap, std::make_unique<SeededRandom>(20240613), sounds.factory()) {}

  // Called where the dialog would run its own event loop.
  std::function<void(QDialog&)> answer;
  std::vector<QString> dialogTitles;
  int programEnds = 0;
  std::vector<bool> soundSwitchWrites;
  BestScores storedBest{};
  std::int16_t storedLevel = 1;
  ViewSettings storedView;
  std::vector<bool> colourSafeWrites;
  std::vector<int> zoomWrites;
  // Room for every size unless a test makes the screen smaller.
  QRect area{0, 0, 3840, 2160};
  // Each board's background search: a node budget gives the same line on every machine.
  std::int64_t searchNodes = 20'000;

 protected:
  void runModal(QDialog& dialog) override {
    dialogTitles.push_back(dialog.windowTitle());
    if (answer) answer(dialog);
  }
  void endProgram() override { ++programEnds; }
  void soundSwitchChanged(bool on) override { soundSwitchWrites.push_back(on); }
  BestScores loadBestScores() override { return storedBest; }
  std::int16_t loadLastLevel() override { return storedLevel; }
  ViewSettings loadView() override { return storedView; }
  void colourSafeChanged(bool on) override { colourSafeWrites.push_back(on); }
  void zoomChanged(int percent) override { zoomWrites.push_back(percent); }
  QRect screenArea() const override { return area; }
  solver::Budget bestLineBudget() const override { return solver::Budget::ofNodes(searchNodes); }
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.Form_Load();
    for (auto* backend : sounds.made) backend->finishLoad(true);
    QCoreApplication::sendPostedEvents();
    for (auto& log : sounds.logs) log.clear();
  }

  Game& game() { return window.game(); }
  const MainControls& ui() { return window.controls(); }
  ClickImage* tile(int col, int row) { return ui().imgTile[static_cast<std::size_t>(CellToIndex(col, row))]; }
  QImage picture(int col, int row) { return tile(col, row)->pixmap().toImage(); }
  std::vector<std::string>& soundLog(SoundIndex n) { return sounds.logs[static_cast<std::size_t>(n)]; }

  Cell hole() {
    for (int row = 1; row <= kRows; ++row) {
      for (int col = 1; col <= kCols; ++col) {
        if (game().Board(col, row) == kHole) return {static_cast<std::int16_t>(col), static_cast<std::int16_t>(row)};
      }
    }
    ADD_FAILURE() << "no hole on the board";
    return {};
  }
  // A tile beside the hole in its row: a left click on it always slides.
  int besideHole(const Cell& h) const { return h.col > 1 ? h.col - 1 : h.col + 1; }

  void tick() {
    ASSERT_TRUE(window.tmrMoveThing().isActive());
    QMetaObject::invokeMethod(&window.tmrMoveThing(), "timeout");
  }

  // Lays a straight left-right track from (fromCol, row) to (toCol, row),
  // the first cell already visited, and stands the Thing on it.
  void layTrack(int fromCol, int toCol, int row) {
    game().SetCell(kTakenBonus, fromCol, row);
    for (int col = fromCol + 1; col <= toCol; ++col) game().SetCell('G', col, row);
    game().PlaceThing(fromCol, row);
  }

  // Slides the tile beside the hole in its row: costs 5.
  void slideOnce() {
    const Cell h = hole();
    QTest::mouseClick(tile(besideHole(h), h.row), Qt::LeftButton);
  }

  CountingTrap trap;
  FakeSounds sounds;
  TestMain window{trap, sounds};
};

}  // namespace gorbix::testing
