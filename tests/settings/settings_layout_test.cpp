#include "settings/settings_layout.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace gorbix {
namespace {

using testing::Exists;
using testing::ReadBytes;
using testing::WriteBytes;

using SettingsLayoutTest = testing::SettingsFixture;

TEST_F(SettingsLayoutTest, DamagedScoreReadsAsZeroAndIsWrittenBackAsZero) {
  WriteBytes(file, "[Scores]\nL1=85\nL3=abc\nL4=-20\nL25=40000\n");
  const GameSettings loaded = LoadGameSettings(ini, file);
  EXPECT_EQ(loaded.bestScores[0], 85);
  EXPECT_EQ(loaded.bestScores[2], 0);
  EXPECT_EQ(loaded.bestScores[3], 0);
  EXPECT_EQ(loaded.bestScores[24], 0);
  SaveGameSettings(ini, file, loaded.lastLevel, loaded.bestScores);
  EXPECT_EQ(ini.GetIniStr("Scores", "L3", "", file), "0");
  EXPECT_EQ(ini.GetIniStr("Scores", "L4", "", file), "0");
}

TEST_F(SettingsLayoutTest, LastLevelOutsideTheLevelsStartsLevelOne) {
  for (const std::string value : {"0", "26", "-3", "40000", "abc", "25", "1"}) {
    WriteBytes(file, "[General]\nLastLevel=" + value + "\n");
    const int expected = (value == "25") ? 25 : 1;
    EXPECT_EQ(LoadGameSettings(ini, file).lastLevel, expected) << value;
  }
}

TEST_F(SettingsLayoutTest, ShutDownWritesLastLevelThenScoresInOrder) {
  BestScores scores{};
  for (int i = 0; i < kLevelCount; ++i) scores[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i * 4);
  SaveGameSettings(ini, file, 7, scores);
  std::string expected = "[General]\nLastLevel=7\n[Scores]\n";
  for (int i = 0; i < kLevelCount; ++i) expected += "L" + std::to_string(i + 1) + "=" + std::to_string(i * 4) + "\n";
  EXPECT_EQ(ReadBytes(file), expected);
  const GameSettings loaded = LoadGameSettings(ini, file);
  EXPECT_EQ(loaded.bestScores, scores);
  EXPECT_EQ(loaded.lastLevel, 7);
}

TEST(IniFileLocation, BesideTheProgramWhenItCanBeWritten) {
  EXPECT_EQ(IniFileLocation("/opt/gorbix/", true, false, "/home/u/.config/gorbix/"), "/opt/gorbix/gorbix.ini");
  EXPECT_EQ(IniFileLocation("/opt/gorbix/", false, true, "/home/u/.config/gorbix/"), "/opt/gorbix/gorbix.ini");
  EXPECT_EQ(IniFileLocation("/opt/gorbix/", false, false, "/home/u/.config/gorbix/"),
            "/home/u/.config/gorbix/gorbix.ini");
  EXPECT_EQ(IniFileLocation("/opt/gorbix/", false, false, "/home/u/.config/gorbix"),
            "/home/u/.config/gorbix/gorbix.ini");
}

TEST(IniFileLocation, FindIniFileAsksTheFileSystem) {
  testing::TempDir dir;
  const std::string app = dir.path().string() + "/";
  EXPECT_EQ(FindIniFile(app, "/nowhere/gorbix/"), app + "gorbix.ini");
  EXPECT_EQ(FindIniFile(app + "missing/", "/nowhere/gorbix/"), "/nowhere/gorbix/gorbix.ini");
}

}  // namespace
}  // namespace gorbix
