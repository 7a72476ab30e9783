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

TEST_F(FormPosnTest, LoadPlacesTheWindowOrCentresItWhenItsTitleBarWouldBeLost) {
  struct Case {
    const char* entry;  // nullptr: no entry at all
    int left;
    int top;
  };
  const Case cases[] = {
      {nullptr, 600, 40 + 280}, {"", 600, 320},
      {"1200 900 9000 6600", 80, 60}, {"30000 1500 1 1", 2000, 100},  // 2000 px: on the second screen
      {"-4500 1500 6000 4500", -300, 100},                              // partly off the left edge: kept
      {"-7500 1500", 600, 320}, {"32000 32000", 600, 320}, {"1500 -1500", 600, 320}, {"0 -600", 600, 320},
      // The body on the screen is not enough when the title bar is above it,
      // but one pixel row of the title bar on the screen is.
      {"1500 150", 600, 320}, {"1500 165", 100, 11},
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
