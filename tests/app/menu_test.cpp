// The menu commands from the keyboard, and the Help menu's windows.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "ui/help/frm_about.h"
#include "ui/help/frm_tutorial.h"

namespace gorbix {
namespace {

using testing::FakeSounds;
using testing::TestMain;

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.Form_Load();
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  void TearDown() override {
    if (help::frmTutorial* tutorial = help::frmTutorial::instance()) delete tutorial;
  }

  void press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(&window, static_cast<Qt::Key>(key), modifiers);
  }

  testing::CountingTrap trap;
  FakeSounds sounds;
  TestMain window{trap, sounds};
};

TEST_F(MenuTest, CtrlRRestartsTheLevel) {
  window.game().AddScore(-35);
  press(Qt::Key_R);
  EXPECT_EQ(window.game().Score(), 100);
  EXPECT_EQ(window.controls().lblScore->text(), "100");
}

TEST_F(MenuTest, CtrlJOpensTheJumpWindow) {
  press(Qt::Key_J);
  ASSERT_EQ(window.dialogTitles.size(), 1u);
  EXPECT_EQ(window.dialogTitles[0], "Jump to New Level");
}

TEST_F(MenuTest, CtrlSSwitchesTheSounds) {
  press(Qt::Key_S);
  EXPECT_FALSE(window.SoundsOn());
  press(Qt::Key_S);
  EXPECT_TRUE(window.SoundsOn());
  EXPECT_EQ(window.soundSwitchWrites, std::vector<bool>({false, true}));
}

TEST_F(MenuTest, F1OpensOneTutorialAndKeepsItsPage) {
  press(Qt::Key_F1, Qt::NoModifier);
  help::frmTutorial* tutorial = help::frmTutorial::instance();
  ASSERT_NE(tutorial, nullptr);
  EXPECT_TRUE(tutorial->isVisible());
  EXPECT_EQ(tutorial->windowTitle(), "Gorbix Tutorial");
  tutorial->ShowPage(4);
  window.menus().mnuTutorial->trigger();
  EXPECT_EQ(help::frmTutorial::instance(), tutorial) << "opening it again shows the same window";
  EXPECT_EQ(tutorial->CurrentPage(), 4);
  EXPECT_TRUE(window.isEnabled()) << "the game goes on while it is open";
}

TEST_F(MenuTest, CtrlXExitsEvenWithTheTutorialOpen) {
  press(Qt::Key_F1, Qt::NoModifier);
  ASSERT_NE(help::frmTutorial::instance(), nullptr);
  press(Qt::Key_X);
  EXPECT_EQ(window.programEnds, 1);
  for (const auto& log : sounds.logs) EXPECT_EQ(log.back(), "unload") << "the shut-down ran";
}

TEST_F(MenuTest, AboutShowsTitleVersionAndCopyright) {
  QString title;
  QString name;
  QString version;
  QString copyright;
  window.answer = [&](QDialog& dialog) {
    auto& about = dynamic_cast<help::frmAbout&>(dialog);
    title = about.windowTitle();
    name = about.Label1()->text();
    version = about.lblVersion()->text();
    copyright = about.Label3()->text();
  };
  window.menus().mnuAbout->trigger();
  EXPECT_EQ(name, "GORBIX!");
  EXPECT_EQ(version, "Version 1.03A");
  EXPECT_TRUE(copyright.contains("Gorbix developers"));
  EXPECT_FALSE(title.isEmpty());
}

}  // namespace
}  // namespace gorbix
