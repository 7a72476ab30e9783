// The menu commands from the keyboard, and the Help menu's windows.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include "dialog_place.h"
#include "main_window_fixture.h"
#include "ui/help/frm_tutorial.h"

namespace gorbix {
namespace {

// The fixture's window, shown and active so that its shortcuts reach it.
class MenuTest : public testing::MainWindowTest {
 protected:
  void SetUp() override {
    testing::MainWindowTest::SetUp();
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  void TearDown() override { delete help::frmTutorial::instance(); }

  void press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(&window, static_cast<Qt::Key>(key), modifiers);
  }
};

TEST_F(MenuTest, CtrlRDealsTheSameLevelAgainFromScore100) {
  game().StartLevel(4);
  slideOnce();
  ASSERT_EQ(ui().lblScore->text(), "95");
  press(Qt::Key_R);
  EXPECT_EQ(game().Score(), 100);
  EXPECT_EQ(ui().lblScore->text(), "100");
  EXPECT_EQ(ui().lblDifficulty->text(), "4");
}

TEST_F(MenuTest, CtrlJOpensTheJumpWindow) {
  press(Qt::Key_J);
  ASSERT_EQ(window.dialogTitles.size(), 1u);
  EXPECT_EQ(window.dialogTitles[0], "Jump to New Level");
}

TEST_F(MenuTest, CtrlSTogglesTheCheckMarkGatesPlayAndWritesEachChange) {
  press(Qt::Key_S);
  EXPECT_FALSE(window.SoundsOn());
  EXPECT_FALSE(window.menus().mnuSndFX->isChecked());
  QTest::mouseClick(ui().imgThing, Qt::RightButton);
  EXPECT_TRUE(soundLog(SoundIndex::Error).empty());

  press(Qt::Key_S);
  EXPECT_TRUE(window.SoundsOn());
  EXPECT_TRUE(window.menus().mnuSndFX->isChecked());
  QTest::mouseClick(ui().imgThing, Qt::RightButton);
  EXPECT_EQ(soundLog(SoundIndex::Error), std::vector<std::string>({"play"}));
  EXPECT_EQ(window.soundSwitchWrites, std::vector<bool>({false, true}));
}

TEST_F(MenuTest, F1OpensTheTutorialAndTheGameGoesOn) {
  press(Qt::Key_F1, Qt::NoModifier);
  help::frmTutorial* tutorial = help::frmTutorial::instance();
  ASSERT_NE(tutorial, nullptr);
  EXPECT_TRUE(tutorial->isVisible());
  EXPECT_EQ(tutorial->windowTitle(), "Gorbix Tutorial");
  EXPECT_TRUE(window.isEnabled()) << "the game goes on while it is open";
}

TEST_F(MenuTest, CtrlXExitsEvenWithTheTutorialOpen) {
  press(Qt::Key_F1, Qt::NoModifier);
  ASSERT_NE(help::frmTutorial::instance(), nullptr);
  press(Qt::Key_X);
  EXPECT_EQ(window.programEnds, 1);
  for (const auto& log : sounds.logs) EXPECT_EQ(log.back(), "unload") << "the shut-down ran";
}

// The window icon the main window carries must not reach it either.
TEST_F(MenuTest, AboutOpensTheAboutWindowCentredOnTheScreenAndWithoutAnIcon) {
  ASSERT_FALSE(window.windowIcon().isNull());
  bool checked = false;
  window.answer = [&](QDialog& dialog) {
    dialog.show();
    testing::expectCentredWithItsFrame(dialog, dialog.frameGeometry());
    EXPECT_TRUE(dialog.windowIcon().isNull());
    dialog.close();
    checked = true;
  };
  window.menus().mnuAbout->trigger();
  EXPECT_EQ(window.dialogTitles, std::vector<QString>{"About Gorbix!"});
  EXPECT_TRUE(checked);
}

}  // namespace
}  // namespace gorbix
