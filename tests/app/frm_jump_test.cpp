#include "ui/windows/frm_jump.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "dialog_place.h"

#include <functional>
#include <utility>

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

TEST(FrmJump, TabRunsThroughTheLevelButtonsInOrderThenToCancel) {
  frmJump dialog(1, nullptr);
  EXPECT_EQ(dialog.windowTitle(), "Jump to New Level");
  EXPECT_EQ(dialog.Command1->text(), "Cancel");
  EXPECT_EQ(dialog.Label2->text(), "Pick a Level");
  EXPECT_EQ(dialog.btnNewLevel[24]->text(), "25");
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

TEST(FrmJump, ALevelButtonGivesItsLevelTheCurrentOneToo) {
  for (const auto& [current, index] : {std::pair{3, 16}, std::pair{12, 11}}) {
    frmJump dialog(static_cast<std::int16_t>(current), nullptr);
    dialog.show();
    QTest::mouseClick(dialog.btnNewLevel[static_cast<std::size_t>(index)], Qt::LeftButton);
    EXPECT_EQ(dialog.JumpLevel(), index + 1);
    EXPECT_FALSE(dialog.isVisible());
  }
}

TEST(FrmJump, CancelEscAndCloseGiveNoLevel) {
  const std::function<void(frmJump&)> ways[] = {[](frmJump& d) { QTest::mouseClick(d.Command1, Qt::LeftButton); },
                                                [](frmJump& d) { QTest::keyClick(&d, Qt::Key_Escape); },
                                                [](frmJump& d) { d.close(); }};
  for (const auto& cancel : ways) {
    frmJump dialog(5, nullptr);
    dialog.show();
    cancel(dialog);
    EXPECT_EQ(dialog.JumpLevel(), 0);
    EXPECT_FALSE(dialog.isVisible());
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

TEST(FrmJump, OpensCentredOnTheScreenFrameIncluded) {
  QWidget owner;
  owner.show();
  frmJump dialog(5, &owner);
  testing::expectCentredWithItsFrame(dialog, testing::frameWhileOpen(dialog));
}

}  // namespace
}  // namespace gorbix
