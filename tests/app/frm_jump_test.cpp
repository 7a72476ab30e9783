#include "ui/windows/frm_jump.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace gorbix {
namespace {

TEST(FrmJump, NamesTheCurrentLevelAndMakesItsButtonTheDefault) {
  for (std::int16_t level : {std::int16_t{1}, std::int16_t{7}, std::int16_t{25}}) {
    frmJump dialog(level, nullptr);
    EXPECT_EQ(dialog.lblNow->text(), QString("You are currently on level %1").arg(level));
    for (int i = 0; i < kLevels; ++i) {
      EXPECT_EQ(dialog.btnNewLevel[static_cast<std::size_t>(i)]->isDefault(), i == level - 1) << i;
      EXPECT_TRUE(dialog.btnNewLevel[static_cast<std::size_t>(i)]->isEnabled());
    }
  }
}

TEST(FrmJump, LaysOutTheWindowAndTheFiveByFiveGrid) {
  frmJump dialog(1, nullptr);
  EXPECT_EQ(dialog.windowTitle(), "Jump to New Level");
  EXPECT_EQ(dialog.size(), QSize(373, 240));
  EXPECT_EQ(dialog.Command1->text(), "Cancel");
  EXPECT_EQ(dialog.Command1->geometry(), QRect(301, 7, 57, 29));
  EXPECT_EQ(dialog.Frame1->geometry(), QRect(14, 42, 344, 183));
  EXPECT_EQ(dialog.Label2->text(), "Pick a Level");
  EXPECT_EQ(dialog.btnNewLevel[0]->geometry(), QRect(21, 35, 50, 22));
  EXPECT_EQ(dialog.btnNewLevel[4]->geometry(), QRect(273, 35, 50, 22));
  EXPECT_EQ(dialog.btnNewLevel[24]->geometry(), QRect(273, 147, 50, 22));
  EXPECT_EQ(dialog.btnNewLevel[24]->text(), "25");
  EXPECT_EQ(dialog.btnNewLevel[24]->parentWidget(), dialog.Frame1);
  // Tab runs through the level buttons in order, then to Cancel.
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  dialog.btnNewLevel[0]->setFocus();
  for (int i = 1; i < kLevels; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog.btnNewLevel[static_cast<std::size_t>(i)]) << i;
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), dialog.Command1);
}

TEST(FrmJump, ALevelButtonGivesItsLevel) {
  frmJump dialog(3, nullptr);
  dialog.show();
  QTest::mouseClick(dialog.btnNewLevel[16], Qt::LeftButton);
  EXPECT_EQ(dialog.JumpLevel(), 17);
  EXPECT_FALSE(dialog.isVisible());
}

TEST(FrmJump, TheCurrentLevelCanBeChosenToo) {
  frmJump dialog(12, nullptr);
  dialog.show();
  QTest::mouseClick(dialog.btnNewLevel[11], Qt::LeftButton);
  EXPECT_EQ(dialog.JumpLevel(), 12);
}

TEST(FrmJump, CancelEscAndCloseGiveNoLevel) {
  {
    frmJump dialog(5, nullptr);
    dialog.show();
    QTest::mouseClick(dialog.Command1, Qt::LeftButton);
    EXPECT_EQ(dialog.JumpLevel(), 0);
    EXPECT_FALSE(dialog.isVisible());
  }
  {
    frmJump dialog(5, nullptr);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.JumpLevel(), 0);
    EXPECT_FALSE(dialog.isVisible());
  }
  {
    frmJump dialog(5, nullptr);
    dialog.show();
    dialog.close();
    EXPECT_EQ(dialog.JumpLevel(), 0);
  }
}

TEST(FrmJump, EnterPressesTheCurrentLevelsButton) {
  frmJump dialog(9, nullptr);
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  QTest::keyClick(&dialog, Qt::Key_Return);
  EXPECT_EQ(dialog.JumpLevel(), 9);
}

TEST(FrmJump, ALevelOutsideTheRangeMarksNoButton) {
  frmJump dialog(0, nullptr);
  for (auto* button : dialog.btnNewLevel) EXPECT_FALSE(button->isDefault());
}

}  // namespace
}  // namespace gorbix
