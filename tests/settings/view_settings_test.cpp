// The View section: colour-safe tiles and the zoom, read at start-up and
// each written when the player changes it.
#include <gtest/gtest.h>

#include "settings/settings_layout.h"
#include "test_support.h"

namespace gorbix {
namespace {

using testing::Exists;
using testing::ReadBytes;
using testing::WriteBytes;

class ViewSettingsTest : public testing::SettingsFixture {};

TEST_F(ViewSettingsTest, AMissingFileOrSectionGivesTheDesignedLookAndNeverWrites) {
  ViewSettings view = LoadViewSettings(ini, file);
  EXPECT_FALSE(view.colourSafe);
  EXPECT_EQ(view.zoom, 100);
  EXPECT_FALSE(Exists(file));
  WriteBytes(file, "[General]\nSounds=N\n");
  view = LoadViewSettings(ini, file);
  EXPECT_FALSE(view.colourSafe);
  EXPECT_EQ(view.zoom, 100);
  EXPECT_EQ(ReadBytes(file), "[General]\nSounds=N\n");
}

TEST_F(ViewSettingsTest, OnlyTheFourSizesReadAsThemselvesAnythingElseIs100) {
  const std::pair<const char*, int> cases[] = {
      {"100", 100}, {"150", 150}, {"200", 200}, {"300", 300},
      // Near misses a number reader would take.
      {"150abc", 100}, {"0150", 100}, {"+200", 100}, {"300.0", 100}, {"150 %", 100},
      {"250", 100}, {"50", 100}, {"-150", 100}, {"3000", 100}, {"99999999999", 100},
      {"", 100}, {"abc", 100}, {"Y", 100},
  };
  for (const auto& [stored, expected] : cases) {
    WriteBytes(file, std::string("[view]\nzoom=") + stored + "\n");
    EXPECT_EQ(LoadViewSettings(ini, file).zoom, expected) << '"' << stored << '"';
  }
}

TEST_F(ViewSettingsTest, EachChangeIsWrittenAndReadBackKeepingTheOtherSections) {
  WriteBytes(file, "[General]\nLastLevel=7\n[Scores]\nL1=85\n");
  SaveColourSafe(ini, file, true);
  SaveZoom(ini, file, 200);
  EXPECT_EQ(ReadBytes(file), "[General]\nLastLevel=7\n[Scores]\nL1=85\n[View]\nColourSafe=Y\nZoom=200\n");
  ViewSettings view = LoadViewSettings(ini, file);
  EXPECT_TRUE(view.colourSafe);
  EXPECT_EQ(view.zoom, 200);

  SaveColourSafe(ini, file, false);
  SaveZoom(ini, file, 150);
  EXPECT_EQ(ReadBytes(file), "[General]\nLastLevel=7\n[Scores]\nL1=85\n[View]\nColourSafe=N\nZoom=150\n");
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ViewSettingsTest, ASizeTheMenuNeverOffersIsStoredAs100) {
  for (const int percent : {0, 125, -200, 100000}) {
    SaveZoom(ini, file, percent);
    EXPECT_EQ(ReadBytes(file), "[View]\nZoom=100\n") << percent;
  }
}

}  // namespace
}  // namespace gorbix
