// The record as the game keeps it, and the Statistics window that shows it.
#include <QAction>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "solver/replay.h"
#include "ui/windows/frm_eogame.h"
#include "ui/windows/statistics_chart.h"

namespace gorbix {
namespace {

class StatisticsTest : public testing::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    window.recorder().setPath(path);
  }
  std::vector<LevelRecord> lines() const {
    std::vector<LevelRecord> read;
    scanRecordFile(path, [&read](const LevelRecord& r) { read.push_back(r); });
    return read;
  }
  StatisticsWindow* openStatistics() {
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
    StatisticsWindow* w = window.statistics().window();
    if (w != nullptr) {
      EXPECT_TRUE(QTest::qWaitFor([w] { return w->chart->description() != "Reading the record\u2026"; }));
    }
    return w;
  }
  QString cell(int row, int column) {
    const QTableWidgetItem* item = window.statistics().window()->table->item(row, column);
    return item ? item->text() : QString();
  }

  QTemporaryDir dir;
  const std::string path = dir.filePath("data/history").toStdString();
};

TEST_F(StatisticsTest, EveryLevelLeftOrFinishedIsOneLineWithWhatWasDoneThere) {
  const std::int32_t first = game().boardNumber();
  slideOnce();
  const Cell h = hole();
  QTest::mouseClick(tile(h.col, h.row), Qt::LeftButton);  // refused: no move
  window.menus().mnuRestartLevel->trigger();
  const std::int32_t second = game().boardNumber();
  QSignalSpy appended(&window.recorder(), &LevelRecorder::appended);
  window.answer = [](QDialog& dialog) {
    QTest::mouseClick(dynamic_cast<frmEOGame&>(dialog).cmdTryAgain, Qt::LeftButton);
  };
  layTrack(7, 8, 6);
  QTest::mouseClick(tile(8, 6), Qt::RightButton);
  tick();
  EXPECT_EQ(lines().size(), 1u) << "the finished level waits for its board's best line";
  ASSERT_TRUE(appended.wait(20'000));
  window.Form_Unload();

  const std::vector<LevelRecord> r = lines();
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(std::tuple(r[0].board, r[0].score, r[0].finished, r[0].moves, r[0].slides, r[0].bestLine),
            std::tuple(first, 95, false, 1, 1, std::nullopt));
  const int best = solver::solve(solver::dealtPosition(1, second), solver::Budget::ofNodes(window.searchNodes)).score;
  EXPECT_EQ(std::tuple(r[1].board, r[1].score, r[1].finished, r[1].moves, r[1].slides, r[1].bestLine),
            std::tuple(second, 105, true, 1, 0, std::optional<std::int16_t>(best)));
  EXPECT_EQ(std::tuple(r[2].level, r[2].score, r[2].finished, r[2].moves), std::tuple(1, 100, false, 0));
}

// Counted from what the game records: a hint shown again for nothing is
// not a second hint, and an undo is counted beside the move it took back.
TEST_F(StatisticsTest, AHintIsCountedOnceWhenPaidAndAnUndoOnceWhenMade) {
  window.hint().setBudget([] { return solver::Budget::ofNodes(2000); });
  slideOnce();
  for (int shown = 0; shown < 2; ++shown) {
    QSignalSpy spy(&window.hint(), &HintController::hintShown);
    window.menus().hintItem->trigger();
    if (spy.isEmpty()) {
      ASSERT_TRUE(spy.wait(20'000));
    }
    window.hint().hide();
  }
  window.menus().undoItem->trigger();
  window.menus().mnuRestartLevel->trigger();
  const std::vector<LevelRecord> r = lines();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(std::tuple(r[0].score, r[0].moves, r[0].slides, r[0].hints, r[0].undos), std::tuple(80, 1, 1, 1, 1));
}

TEST_F(StatisticsTest, TheWindowShowsTheRecordAsRowsAndWordsAndFollowsTheZoom) {
  QDir().mkpath(dir.filePath("data"));
  std::ofstream(path) << kRecordHeader << "2023-11-14T22:13:20Z 3 42 310 finished 12 7 2 1 95 330\n"
                      << "damaged\n2023-11-14T22:13:20Z 3 43 250 finished 30 20 0 0 3600 300\n"
                      << "2023-11-14T22:13:20Z 5 44 80 left 3 3 0 0 5 -\n";
  StatisticsWindow* w = openStatistics();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->windowTitle(), "Statistics");
  ASSERT_EQ(w->table->rowCount(), 3);
  const QStringList level3{"3", "2", "2", "310", "280", "89", "2", "1", "1:01:35"};
  const QStringList total{"Total", "3", "2", "310", "280", "89", "2", "1", "1:01:40"};
  for (int c = 0; c < w->table->columnCount(); ++c) {
    EXPECT_EQ(cell(0, c), level3[c]) << c;
    EXPECT_EQ(cell(2, c), total[c]) << c;
  }
  EXPECT_EQ(cell(1, 3), "") << "level 5 has no board finished";
  EXPECT_EQ(w->noteLabel->text(), "1 damaged line of the record skipped");
  EXPECT_TRUE(w->chart->description().startsWith("Level 3: best 310, mean 280, best line 315. Level 5: none finished."))
      << w->chart->description().toStdString();
  EXPECT_EQ(w->chart->accessibleDescription(), w->chart->description());

  // A level recorded while the window is open joins at once.
  game().StartLevel(3);
  ASSERT_EQ(w->table->rowCount(), 4) << "level 1, left, comes first";
  EXPECT_EQ(cell(0, 0), "1");
  EXPECT_EQ(cell(3, 1), "4");
  // Tab goes round every control.
  w->table->setFocus();
  for (QWidget* next : std::initializer_list<QWidget*>{w->chart, w->resetButton, w->closeButton, w->table}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next);
  }
  const QSize designed = w->size();
  window.zoomTo(200);
  EXPECT_EQ(w->size(), designed * 2);
}

TEST_F(StatisticsTest, ResetAsksFirstAndThenEmptiesTheRecord) {
  slideOnce();
  window.menus().mnuRestartLevel->trigger();
  StatisticsWindow* w = openStatistics();
  ASSERT_NE(w, nullptr);
  ASSERT_EQ(w->table->rowCount(), 2);
  for (const bool yes : {false, true}) {
    window.answer = [yes](QDialog& dialog) {
      auto& box = dynamic_cast<QMessageBox&>(dialog);
      EXPECT_EQ(box.text(), "Clear every record of levels played? Best scores stay.");
      EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::No));
      box.button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
    };
    QTest::mouseClick(w->resetButton, Qt::LeftButton);
    EXPECT_EQ(lines().size(), yes ? 0u : 1u);
    EXPECT_EQ(w->table->rowCount(), yes ? 0 : 2);
  }
  EXPECT_EQ(w->chart->description(), StatisticsChart::emptyText());
  EXPECT_EQ(ui().lstScores->item(0)->text(), "Level  1       0") << "best scores stay";
}

}  // namespace
}  // namespace gorbix
