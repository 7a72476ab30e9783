#include "settings/form_posn.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace gorbix {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

TEST(ParseFormPosn, TakesLeftAndTopOnly) {
  struct Case {
    const char* entry;
    int left;
    int top;
  };
  // Two blanks leave an empty field between them; beyond 16 bits reads as 0 rather than wrapped.
  for (const Case c : {Case{"1200 900 9000 6600", 1200, 900}, Case{"100", 100, 0}, Case{"100  200", 100, 0},
                       Case{"-450 abc", -450, 0}, Case{"12.5 13.5", 12, 14}, Case{"40000 -40000", 0, 0}}) {
    const StoredPosition at = ParseFormPosn(c.entry);
    EXPECT_EQ(at.left, c.left) << c.entry;
    EXPECT_EQ(at.top, c.top) << c.entry;
  }
}

class FormPosnTest : public testing::SettingsFixture {
 protected:
  // A primary screen with a task bar at the top, and a second one to its right.
  std::vector<ScreenRect> screens{{0, 40, 1600, 860}, {1600, 0, 1200, 1000}};
  FormGeometry window{"frmMain", 300, 200, 400, 300};

  void store(const std::string& entry) { WriteBytes(file, "[PosnSize]\nfrmMain=" + entry + "\n"); }
  FormPosition load() { return LoadFormPosn(ini, file, window, screens); }
};

// Screens: the primary at (0, 40) 1600 x 860 below a task bar, a second at
// (1600, 0) 1200 x 1000. The window is 400 x 300; its title bar strip is 30
// high, and 48 px of its width must be on a screen.
TEST_F(FormPosnTest, LoadKeepsAGrabbableTitleBarAndOtherwiseMovesTheLeastDistance) {
  struct Case {
    const char* entry;  // nullptr: no entry at all
    int left;
    int top;
  };
  const Case cases[] = {
      {nullptr, 600, 40 + 280}, {"", 600, 320},
      {"1200 900 9000 6600", 80, 60}, {"30000 1500 1 1", 2000, 100},  // 2000 px: on the second screen
      {"-4500 1500 6000 4500", -300, 100},                              // partly off the left edge: kept
      {"-5280 1500", -352, 100},                                        // exactly 48 px left on screen
      // Too little of the title bar on any screen: moved just far enough.
      {"-5400 1500", -352, 100},                                        // 40 px on screen
      {"-7500 1500", -352, 100},
      {"30000 15000", 2000, 970},                                       // below the second screen
      {"1500 -1500", 100, 40}, {"0 -600", 0, 40},                        // above the primary's work area
      {"1500 150", 100, 40}, {"1500 165", 100, 40},                      // title bar under the task bar
      {"1500 13200", 100, 870},                                         // the bar's lowest 10 px below the work area
      {"32000 32000", 2133, 970},                                       // far off: the nearest screen
      // A corner 20 px wide is not enough to grab.
      {"-5700 12690", -352, 846},
  };
  for (const Case& c : cases) {
    if (c.entry != nullptr) store(c.entry);
    const FormPosition at = load();
    EXPECT_EQ(at.left, c.left) << (c.entry ? c.entry : "none");
    EXPECT_EQ(at.top, c.top) << (c.entry ? c.entry : "none");
  }
}

TEST_F(FormPosnTest, CentringKeepsATallWindowsTitleBarOnScreen) {
  window.height = 1200;
  window.width = 2000;
  const FormPosition at = load();
  EXPECT_EQ(at.top, 40);
  EXPECT_EQ(at.left, -200);
}

TEST_F(FormPosnTest, SaveStoresTwipsRoundedHalfToEven) {
  window.left = 10.1;   // 151.5 twips
  window.top = 10.3;    // 154.5 twips
  window.width = 400;
  window.height = 300.5;  // 4507.5 twips
  SaveFormPosn(ini, file, window);
  EXPECT_EQ(ReadBytes(file), "[PosnSize]\nfrmMain=152 154 6000 4508\n");
  window.left = -20;
  SaveFormPosn(ini, file, window);
  EXPECT_EQ(ini.GetIniStr("PosnSize", "frmMain", "", file), "-300 154 6000 4508");
}

TEST_F(FormPosnTest, BeyondSixteenBitsIsStoredAsTheNearestEnd) {
  window.left = 2500;  // 37500 twips
  window.top = -3000;
  SaveFormPosn(ini, file, window);
  EXPECT_EQ(ini.GetIniStr("PosnSize", "frmMain", "", file), "32767 -32768 6000 4500");
}

TEST_F(FormPosnTest, MinimisedOrMaximisedLeavesTheEntry) {
  window.minimised = true;
  SaveFormPosn(ini, file, window);
  EXPECT_FALSE(testing::Exists(file));
  store("1 2 3 4");
  SaveFormPosn(ini, file, window);
  window.minimised = false;
  window.maximised = true;
  SaveFormPosn(ini, file, window);
  EXPECT_EQ(ReadBytes(file), "[PosnSize]\nfrmMain=1 2 3 4\n");
}

TEST_F(FormPosnTest, EachWindowHasItsOwnEntry) {
  SaveFormPosn(ini, file, window);
  FormGeometry tutorial{"frmTutorial", 20, 30, 500, 400};
  SaveFormPosn(ini, file, tutorial);
  EXPECT_EQ(ReadBytes(file), "[PosnSize]\nfrmMain=4500 3000 6000 4500\nfrmTutorial=300 450 7500 6000\n");
  EXPECT_EQ(LoadFormPosn(ini, file, tutorial, screens).left, 20);
}

TEST_F(FormPosnTest, WithoutScreensTheStoredOrCurrentPlaceStands) {
  screens.clear();
  EXPECT_EQ(load().left, 300);
  store("-90000 15");
  EXPECT_EQ(load().left, 0);
  EXPECT_EQ(load().top, 1);
}

}  // namespace
}  // namespace gorbix
