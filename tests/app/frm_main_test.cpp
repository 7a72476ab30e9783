#include "app/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "ui/windows/frm_eogame.h"
#include "ui/windows/frm_jump.h"

namespace gorbix {
namespace {

using testing::FakeSounds;
using testing::TestMain;

class MainWindowTest : public testing::MainWindowTest {
 protected:
  // Walks the Thing one cell right onto the goal, which holds goalCode; the
  // end-of-level dialog is answered by `answer`.
  void winFromNextToGoal(std::function<void(frmEOGame&)> answer, char goalCode = 'G') {
    window.answer = [answer](QDialog& dialog) { answer(dynamic_cast<frmEOGame&>(dialog)); };
    layTrack(7, 8, 6);
    game().SetCell(goalCode, 8, 6);
    QTest::mouseClick(tile(8, 6), Qt::RightButton);
    tick();
  }
};

TEST_F(MainWindowTest, StartUpShowsLevelOneWithItsScoreListAndRating) {
  EXPECT_EQ(window.windowTitle(), "Gorbix!");
  EXPECT_EQ(ui().lblDifficulty->text(), "1");
  EXPECT_EQ(ui().lblScore->text(), "100");
  ASSERT_EQ(ui().lstScores->count(), 25);
  EXPECT_EQ(ui().lstScores->item(0)->text(), "Level  1       0");
  EXPECT_EQ(ui().lstScores->item(24)->text(), "Level 25       0");
  EXPECT_EQ(ui().lstScores->currentRow(), 0);
  EXPECT_EQ(ui().lblRating->text(), "Beginner Level 1");
  EXPECT_EQ(ui().imgThing->pos(), QPoint(13, 98));
  EXPECT_FALSE(ui().imgThing->isHidden());
  for (const ClickImage* image : ui().imgTile) EXPECT_FALSE(image->pixmap().isNull());
  EXPECT_TRUE(window.menus().mnuSndFX->isChecked());
  EXPECT_TRUE(window.SoundsOn());
  EXPECT_FALSE(window.tmrMoveThing().isActive());
  EXPECT_TRUE(trap.traps.empty());
  // The sound files are looked for in the program's own folder.
  EXPECT_EQ(window.AppFolder(), QDir(QCoreApplication::applicationDirPath()).path().toStdString() + "/");
  ASSERT_EQ(sounds.made.size(), 5U);
}

TEST_F(MainWindowTest, MenuBarHasTheCommandsCaptionsAndShortcuts) {
  const MainMenus& m = window.menus();
  EXPECT_EQ(m.mnuFile->title(), "&File");
  EXPECT_EQ(m.mnuGame->title(), "&Game");
  EXPECT_EQ(m.mnuHelp->title(), "&Help");
  struct Item {
    QAction* action;
    const char* caption;
    QKeySequence shortcut;
  };
  for (const Item& item : {Item{m.mnuExit, "E&xit", QKeySequence("Ctrl+X")},
                           Item{m.mnuRestartLevel, "&Restart This Level", QKeySequence("Ctrl+R")},
                           Item{m.mnuJump, "&Jump to Level", QKeySequence("Ctrl+J")},
                           Item{m.mnuSndFX, "&Sound Effects", QKeySequence("Ctrl+S")},
                           Item{m.mnuResetScores, "Reset All Scores", QKeySequence()},
                           Item{m.mnuTutorial, "&Tutorial", QKeySequence("F1")},
                           Item{m.mnuAbout, "&About", QKeySequence()}}) {
    EXPECT_EQ(item.action->text(), item.caption);
    EXPECT_EQ(item.action->shortcut(), item.shortcut) << item.caption;
  }
}

TEST_F(MainWindowTest, ALeftClickInTheHolesRowSlidesTheTile) {
  const Cell h = hole();
  const int col = besideHole(h);
  const QImage clickedBefore = picture(col, h.row);
  const QImage holeBefore = picture(h.col, h.row);
  ASSERT_NE(clickedBefore, holeBefore);
  QTest::mouseClick(tile(col, h.row), Qt::LeftButton);
  EXPECT_EQ(picture(col, h.row), holeBefore);
  EXPECT_EQ(picture(h.col, h.row), clickedBefore);
  EXPECT_EQ(ui().lblScore->text(), "95");
  EXPECT_EQ(soundLog(SoundIndex::MoveTile), std::vector<std::string>({"play"}));
  // The tile images stay where they are; only their pictures change.
  EXPECT_EQ(tile(col, h.row)->pos(), tileTopLeft(col, h.row));
}

TEST_F(MainWindowTest, AClickWithNoHoleInLineChangesNothing) {
  const Cell h = hole();
  const int col = besideHole(h);
  const int row = h.row > 1 ? h.row - 1 : h.row + 1;
  std::vector<QImage> before;
  for (const ClickImage* image : ui().imgTile) before.push_back(image->pixmap().toImage());
  QTest::mouseClick(tile(col, row), Qt::LeftButton);
  for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(ui().imgTile[i]->pixmap().toImage(), before[i]) << i;
  EXPECT_EQ(ui().lblScore->text(), "100");
  EXPECT_EQ(soundLog(SoundIndex::Error), std::vector<std::string>({"play"}));
  EXPECT_TRUE(soundLog(SoundIndex::MoveTile).empty());
}

TEST_F(MainWindowTest, ARightClickStartsTheWalkAndEachTickMovesTheThingOneCell) {
  layTrack(1, 3, 1);
  const QImage freshPicture = picture(2, 1);
  QTest::mouseClick(tile(3, 1), Qt::RightButton);
  EXPECT_TRUE(window.tmrMoveThing().isActive());
  EXPECT_EQ(window.tmrMoveThing().interval(), kFirstStepMs);
  EXPECT_EQ(ui().imgThing->pos(), QPoint(13, 98));

  tick();
  EXPECT_EQ(ui().imgThing->pos(), thingTopLeft(2, 1));
  EXPECT_EQ(ui().imgThing->pos(), QPoint(58, 98));
  EXPECT_EQ(window.tmrMoveThing().interval(), kStepMs);
  EXPECT_EQ(ui().lblScore->text(), "105");
  EXPECT_NE(picture(2, 1), freshPicture);
  EXPECT_EQ(soundLog(SoundIndex::MoveThing), std::vector<std::string>({"play"}));

  tick();
  EXPECT_EQ(ui().imgThing->pos(), QPoint(103, 98));
  EXPECT_FALSE(window.tmrMoveThing().isActive());
  EXPECT_EQ(ui().lblScore->text(), "110");
}

TEST_F(MainWindowTest, TileClicksAreRefusedWhileTheThingWalks) {
  layTrack(1, 3, 1);
  QTest::mouseClick(tile(3, 1), Qt::RightButton);
  const Cell h = hole();
  const int col = besideHole(h);
  const QImage before = picture(col, h.row);
  QTest::mouseClick(tile(col, h.row), Qt::LeftButton);
  QTest::mouseClick(ui().imgThing, Qt::LeftButton);
  EXPECT_EQ(picture(col, h.row), before);
  EXPECT_EQ(ui().lblScore->text(), "100");
}

TEST_F(MainWindowTest, ClicksOnTheThingReachTheThingNotTheTileBelow) {
  EXPECT_EQ(ui().client->childAt(QPoint(13 + 14, 98 + 14)), ui().imgThing);
  EXPECT_EQ(ui().client->childAt(QPoint(13 - 3, 98 - 3)), tile(1, 1));
  QTest::mouseClick(ui().imgThing, Qt::RightButton);
  EXPECT_EQ(soundLog(SoundIndex::Error), std::vector<std::string>({"play"}));
  EXPECT_FALSE(window.tmrMoveThing().isActive());

  // A left click on the Thing slides the tile under it.
  const Cell h = hole();
  game().SetCell('A', h.col, h.row);
  game().SetCell(kHole, 2, 1);
  QTest::mouseClick(ui().imgThing, Qt::LeftButton);
  EXPECT_EQ(ui().imgThing->pos(), thingTopLeft(2, 1));
  EXPECT_EQ(ui().lblScore->text(), "95");
}

TEST_F(MainWindowTest, ReachingTheGoalStoresTheBestAndTryAgainRestarts) {
  QString score;
  winFromNextToGoal([&](frmEOGame& d) {
    score = d.lblScoreThisLevel->text();
    EXPECT_EQ(d.parentWidget(), &window);
    QTest::mouseClick(d.cmdTryAgain, Qt::LeftButton);
  });
  EXPECT_EQ(window.dialogTitles, std::vector<QString>{"End of Level 1"});
  EXPECT_EQ(score, "105");
  EXPECT_EQ(ui().lstScores->item(0)->text(), "Level  1     105");
  EXPECT_EQ(soundLog(SoundIndex::EndOfLevel), std::vector<std::string>({"play"}));
  EXPECT_TRUE(soundLog(SoundIndex::MoveThing).empty());
  // Try again: the same level from its start.
  EXPECT_EQ(ui().lblScore->text(), "100");
  EXPECT_EQ(ui().lblDifficulty->text(), "1");
  EXPECT_EQ(ui().imgThing->pos(), QPoint(13, 98));
}

TEST_F(MainWindowTest, ASecondWinWithALowerScoreDoesNotBeatTheBest) {
  winFromNextToGoal([](frmEOGame& d) { QTest::mouseClick(d.cmdTryAgain, Qt::LeftButton); });
  QString comment;
  slideOnce();
  winFromNextToGoal(
      [&](frmEOGame& d) {
        comment = d.lblComment->text();
        QTest::mouseClick(d.cmdNextLevel, Qt::LeftButton);
      },
      kTakenBonus);
  EXPECT_EQ(comment, "You did not beat your previous score for this level (105)");
  EXPECT_EQ(ui().lstScores->item(0)->text(), "Level  1     105");
  EXPECT_EQ(ui().lblDifficulty->text(), "2");
  EXPECT_EQ(ui().lstScores->currentRow(), 1);
}

TEST_F(MainWindowTest, OnLevel25NextIsDisabledAndQuitRunsTheShutDown) {
  game().StartLevel(25);
  bool nextEnabled = true;
  winFromNextToGoal([&](frmEOGame& d) {
    nextEnabled = d.cmdNextLevel->isEnabled();
    QTest::mouseClick(d.cmdNextLevel, Qt::LeftButton);
    EXPECT_EQ(d.choice(), EndChoice::None);
    QTest::mouseClick(d.cmdQuit, Qt::LeftButton);
  });
  EXPECT_EQ(window.dialogTitles.back(), "End of Level 25");
  EXPECT_FALSE(nextEnabled);
  EXPECT_EQ(window.programEnds, 1);
  for (const auto& log : sounds.logs) EXPECT_EQ(log.back(), "unload");
  // The window's own close later does not run the shut-down again.
  const std::size_t entries = soundLog(SoundIndex::Error).size();
  window.close();
  EXPECT_EQ(soundLog(SoundIndex::Error).size(), entries);
}

TEST_F(MainWindowTest, ClosingTheDialogWithoutAChoiceLeavesTheWonLevel) {
  winFromNextToGoal([](frmEOGame& d) { d.close(); });
  EXPECT_EQ(ui().lblScore->text(), "105");
  EXPECT_EQ(ui().imgThing->pos(), QPoint(328, 323)) << "8 px inside the goal's tile";
  EXPECT_EQ(window.programEnds, 0);
}

TEST_F(MainWindowTest, JumpFromTheDialogOpensTheJumpWindow) {
  window.answer = [](QDialog& dialog) {
    if (auto* end = dynamic_cast<frmEOGame*>(&dialog)) QTest::mouseClick(end->cmdJump, Qt::LeftButton);
    if (auto* jump = dynamic_cast<frmJump*>(&dialog)) {
      EXPECT_TRUE(jump->btnNewLevel[0]->isDefault());
      QTest::mouseClick(jump->btnNewLevel[9], Qt::LeftButton);
    }
  };
  layTrack(7, 8, 6);
  QTest::mouseClick(tile(8, 6), Qt::RightButton);
  tick();
  ASSERT_EQ(window.dialogTitles.size(), 2U);
  EXPECT_EQ(window.dialogTitles[1], "Jump to New Level");
  EXPECT_EQ(ui().lblDifficulty->text(), "10");
}

TEST_F(MainWindowTest, JumpCommandStartsTheChosenLevelOrNothingOnCancel) {
  window.answer = [](QDialog& dialog) {
    QTest::mouseClick(dynamic_cast<frmJump&>(dialog).btnNewLevel[6], Qt::LeftButton);
  };
  window.menus().mnuJump->trigger();
  EXPECT_EQ(ui().lblDifficulty->text(), "7");
  EXPECT_EQ(ui().lstScores->currentRow(), 6);

  slideOnce();
  ASSERT_EQ(ui().lblScore->text(), "95");
  window.answer = [](QDialog& dialog) { QTest::mouseClick(dynamic_cast<frmJump&>(dialog).Command1, Qt::LeftButton); };
  window.menus().mnuJump->trigger();
  EXPECT_EQ(ui().lblDifficulty->text(), "7");
  EXPECT_EQ(ui().lblScore->text(), "95");
}

TEST_F(MainWindowTest, ResetAllScoresAsksFirstAndNoKeepsEveryScore) {
  testing::CountingTrap otherTrap;
  FakeSounds otherSounds;
  TestMain other(otherTrap, otherSounds);
  other.storedBest.fill(150);
  other.Form_Load();
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool noIsDefault = false;
  other.answer = [&](QDialog& dialog) {
    auto& box = dynamic_cast<QMessageBox&>(dialog);
    text = box.text();
    icon = box.icon();
    noIsDefault = box.defaultButton() == box.button(QMessageBox::No);
    box.button(QMessageBox::No)->click();
  };
  other.menus().mnuResetScores->trigger();
  EXPECT_EQ(other.dialogTitles.back(), "Gorbix");
  EXPECT_EQ(text, "Are you sure you want to reset all of the\nscores, for all 25 levels, back to zero?");
  EXPECT_EQ(icon, QMessageBox::Warning);
  EXPECT_TRUE(noIsDefault);
  EXPECT_EQ(other.controls().lstScores->item(24)->text(), "Level 25     150");
  EXPECT_EQ(other.controls().lblRating->text(), "Excellent");

  other.answer = [](QDialog& dialog) {
    auto& box = dynamic_cast<QMessageBox&>(dialog);
    box.button(QMessageBox::Yes)->click();
  };
  other.menus().mnuResetScores->trigger();
  ASSERT_EQ(other.controls().lstScores->count(), 25);
  for (int line = 0; line < 25; ++line) {
    EXPECT_TRUE(other.controls().lstScores->item(line)->text().endsWith("       0")) << line;
  }
  EXPECT_EQ(other.controls().lblRating->text(), "Beginner Level 1");
  EXPECT_EQ(other.controls().lblScore->text(), "100");
}

TEST_F(MainWindowTest, DoubleClickOnAScoreLineStartsThatLevel) {
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QListWidget& list = *ui().lstScores;
  const QRect line = list.visualItemRect(list.item(2));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, line.center());
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, line.center());
  EXPECT_EQ(ui().lblDifficulty->text(), "3");
  EXPECT_EQ(list.currentRow(), 2);

  list.setCurrentRow(24);
  window.lstScores_DblClick();
  EXPECT_EQ(ui().lblDifficulty->text(), "25");

  list.clearSelection();
  window.lstScores_DblClick();
  EXPECT_EQ(ui().lblDifficulty->text(), "25");
}

TEST_F(MainWindowTest, ExitRunsTheShutDownOnceAndEndsTheProgram) {
  window.menus().mnuExit->trigger();
  EXPECT_EQ(window.programEnds, 1);
  for (const auto& log : sounds.logs) EXPECT_EQ(log, std::vector<std::string>({"stop", "unload"}));
  window.close();
  for (const auto& log : sounds.logs) EXPECT_EQ(log.size(), 2U);
}

class BackgroundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
  }
  void TearDown() override { QDir::setCurrent(previous); }

  QTemporaryDir folder;
  QString previous;
};

TEST_F(BackgroundTest, ThePictureInTheCurrentFolderIsDrawnUnscaledOnTheButtonFace) {
  QImage picture(20, 10, QImage::Format_RGB32);
  picture.fill(QColor(200, 0, 0));
  ASSERT_TRUE(picture.save(QDir(folder.path()).filePath("BG_256.BMP"), "BMP"));
  testing::CountingTrap trap;
  FakeSounds sounds;
  TestMain window(trap, sounds);
  window.Form_Load();
  EXPECT_EQ(window.controls().client->picture().size(), QSize(20, 10));
  const QImage shown = window.controls().client->grab().toImage();
  EXPECT_EQ(shown.pixelColor(5, 5), QColor(200, 0, 0));
  EXPECT_EQ(shown.pixelColor(100, 5), window.controls().client->palette().color(QPalette::Button));
}

TEST_F(BackgroundTest, ADamagedPictureDoesNotStopTheGame) {
  QFile damaged(QDir(folder.path()).filePath("BG_256.BMP"));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write("BM not really a bitmap");
  damaged.close();
  testing::CountingTrap trap;
  FakeSounds sounds;
  TestMain window(trap, sounds);
  window.Form_Load();
  EXPECT_NE(window.controls().client->picture().size(), QSize(20, 10));
  EXPECT_EQ(window.controls().lblScore->text(), "100");
  EXPECT_FALSE(window.controls().client->grab().isNull());
}

}  // namespace
}  // namespace gorbix
