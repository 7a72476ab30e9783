#include "settings/form_posn.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace gorbix {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

TEST(ParseFormPosn, TakesLeftAndTopOnly) {
  EXPECT_EQ(ParseFormPosn("1200 900 9000 6600").left, 1200);
  EXPECT_EQ(ParseFormPosn("1200 900 9000 6600").top, 900);
  EXPECT_EQ(ParseFormPosn("100").left, 100);
  EXPECT_EQ(ParseFormPosn("100").top, 0);
  // The field between two blanks is empty.
  EXPECT_EQ(ParseFormPosn("100  200").left, 100);
  EXPECT_EQ(ParseFormPosn("100  200").top, 0);
  EXPECT_EQ(ParseFormPosn("-450 abc").left, -450);
  EXPECT_EQ(ParseFormPosn("-450 abc").top, 0);
  EXPECT_EQ(ParseFormPosn("12.5 13.5").left, 12);
  EXPECT_EQ(ParseFormPosn("12.5 13.5").top, 14);
  // Beyond 16 bits: read as 0 rather than wrapped.
  EXPECT_EQ(ParseFormPosn("40000 -40000").left, 0);
  EXPECT_EQ(ParseFormPosn("40000 -40000").top, 0);
}

class FormPosnTest : public testing::SettingsFixture {
 protected:
  // A primary screen with a task bar at the top, and a second one to its right.
  std::vector<ScreenRect> screens{{0, 40, 1600, 860}, {1600, 0, 1200, 1000}};
  FormGeometry window{"frmMain", 300, 200, 400, 300};

  void store(const std::string& entry) { WriteBytes(file, "[PosnSize]\nfrmMain=" + entry + "\n"); }
  FormPosition load() { return LoadFormPosn(ini, file, window, screens); }
};

TEST_F(FormPosnTest, NoEntryCentresOnThePrimaryScreen) {
  const FormPosition at = load();
  EXPECT_EQ(at.left, 600);
  EXPECT_EQ(at.top, 40 + 280);
  store("");
  EXPECT_EQ(load().left, 600);
  EXPECT_FALSE(testing::Exists(dir.file("other.ini")));
}

TEST_F(FormPosnTest, CentringKeepsATallWindowsTitleBarOnScreen) {
  window.height = 1200;
  window.width = 2000;
  const FormPosition at = load();
  EXPECT_EQ(at.top, 40);
  EXPECT_EQ(at.left, -200);
}

TEST_F(FormPosnTest, StoredPositionIsApplied) {
  store("1200 900 9000 6600");
  const FormPosition at = load();
  EXPECT_EQ(at.left, 80);
  EXPECT_EQ(at.top, 60);
  store("30000 1500 1 1");  // 2000 px: on the second screen
  EXPECT_EQ(load().left, 2000);
  EXPECT_EQ(load().top, 100);
}

TEST_F(FormPosnTest, PartlyOffScreenIsKept) {
  store("-4500 1500 6000 4500");
  const FormPosition at = load();
  EXPECT_EQ(at.left, -300);
  EXPECT_EQ(at.top, 100);
}

TEST_F(FormPosnTest, UnreachableTitleBarIsCentred) {
  for (const std::string entry : {"-7500 1500", "32000 32000", "1500 -1500", "0 -600"}) {
    store(entry);
    const FormPosition at = load();
    EXPECT_EQ(at.left, 600) << entry;
    EXPECT_EQ(at.top, 320) << entry;
  }
  // The body on the screen is not enough when the title bar is above it...
  store("1500 150");
  EXPECT_EQ(load().top, 320);
  // ...but one pixel row of the title bar on the screen is.
  store("1500 165");
  EXPECT_EQ(load().top, 11);
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

TEST_F(FormPosnTest, SaveAndLoadGiveTheSamePlace) {
  window.left = -37;
  window.top = 412;
  SaveFormPosn(ini, file, window);
  const FormPosition at = load();
  EXPECT_EQ(at.left, -37);
  EXPECT_EQ(at.top, 412);
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
