#include "ui/windows/frm_eogame.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "dialog_place.h"

namespace gorbix {
namespace {

EndOfLevelSummary summaryFor(std::int16_t level, std::int16_t score, std::int16_t best) {
  BestScores scores{};
  scores[static_cast<std::size_t>(level - 1)] = best;
  return LoadEndOfLevel(level, score, scores);
}

TEST(FrmEOGame, ShowsTheLevelScoreRatingCommentAndOverallRating) {
  frmEOGame dialog(summaryFor(3, 110, 0), nullptr);
  EXPECT_EQ(dialog.windowTitle(), "End of Level 3");
  EXPECT_EQ(dialog.Label1[0]->text(), "Score for This Level:");
  EXPECT_EQ(dialog.Label1[1]->text(), "Rating for This Level:");
  EXPECT_EQ(dialog.lblScoreThisLevel->text(), "110");
  EXPECT_EQ(dialog.lblRatingForLevel->text(), "Above Average");
  EXPECT_EQ(dialog.lblComment->text(), "You beat your previous score for this level (0)!");
  EXPECT_EQ(dialog.Label3->text(), "Overall Rating for All 25 Levels");
  EXPECT_EQ(dialog.lblRatingForAll->text(), "Beginner Level 1");
  EXPECT_TRUE(dialog.cmdNextLevel->isEnabled());
  EXPECT_TRUE(dialog.cmdNextLevel->isDefault());
  const QPushButton* buttons[] = {dialog.cmdTryAgain, dialog.cmdNextLevel, dialog.cmdJump, dialog.cmdQuit};
  const char* captions[] = {"Try &Again", "&Next Level", "&Jump to Level", "&Quit Game"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(buttons[i]->text(), captions[i]);
}

TEST(FrmEOGame, AScoreThatOnlyEqualsTheBestGetsTheOtherComment) {
  frmEOGame dialog(summaryFor(4, 120, 120), nullptr);
  EXPECT_EQ(dialog.lblComment->text(), "You did not beat your previous score for this level (120)");
  EXPECT_EQ(dialog.lblRatingForLevel->text(), "Well Above Average");
}

TEST(FrmEOGame, OnLevel25NextIsDisabledAndCannotBeChosen) {
  frmEOGame dialog(summaryFor(25, 150, 0), nullptr);
  EXPECT_EQ(dialog.windowTitle(), "End of Level 25");
  EXPECT_FALSE(dialog.cmdNextLevel->isEnabled());
  dialog.show();
  QTest::mouseClick(dialog.cmdNextLevel, Qt::LeftButton);
  QTest::keyClick(&dialog, Qt::Key_N, Qt::AltModifier);
  QTest::keyClick(&dialog, Qt::Key_Return);
  EXPECT_NE(dialog.choice(), EndChoice::Next);
}

TEST(FrmEOGame, EachButtonGivesItsChoiceAndClosesTheDialog) {
  struct Case {
    QPushButton* frmEOGame::*button;
    EndChoice choice;
  };
  for (const Case c : {Case{&frmEOGame::cmdTryAgain, EndChoice::Again}, Case{&frmEOGame::cmdNextLevel, EndChoice::Next},
                       Case{&frmEOGame::cmdJump, EndChoice::Jump}, Case{&frmEOGame::cmdQuit, EndChoice::Quit}}) {
    frmEOGame dialog(summaryFor(2, 90, 0), nullptr);
    dialog.show();
    QTest::mouseClick(dialog.*c.button, Qt::LeftButton);
    EXPECT_EQ(dialog.choice(), c.choice);
    EXPECT_FALSE(dialog.isVisible());
  }
}

TEST(FrmEOGame, EscDoesNothingAndClosingByTheTitleBarMakesNoChoice) {
  frmEOGame dialog(summaryFor(2, 90, 0), nullptr);
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.choice(), EndChoice::None);
  dialog.close();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.choice(), EndChoice::None);
}

TEST(FrmEOGame, OpensCentredOnTheScreenFrameIncluded) {
  QWidget owner;
  owner.show();
  frmEOGame dialog(summaryFor(2, 90, 0), &owner);
  testing::expectCentredWithItsFrame(dialog, testing::frameWhileOpen(dialog));
}

}  // namespace
}  // namespace gorbix
