#include "settings/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "test_support.h"

namespace gorbix {
namespace {

using testing::Exists;
using testing::ReadBytes;
using testing::WriteBytes;

using SettingsTest = testing::SettingsFixture;

TEST_F(SettingsTest, MissingFileSectionOrKeyGivesDefaultAndWritesNothing) {
  EXPECT_EQ(ini.GetIniStr("General", "Name", "dflt", file), "dflt");
  EXPECT_EQ(ini.GetIniInt("General", "LastLevel", 7, file), 7);
  EXPECT_TRUE(ini.GetIniBool("General", "Sounds", true, file));
  EXPECT_FALSE(Exists(file));
  WriteBytes(file, "[General]\nOther=1\n");
  EXPECT_EQ(ini.GetIniStr("General", "Name", "dflt", file), "dflt");
  EXPECT_EQ(ini.GetIniInt("Scores", "L1", 0, file), 0);
  EXPECT_EQ(ReadBytes(file), "[General]\nOther=1\n");
  EXPECT_TRUE(trap.calls.empty());
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(SettingsTest, StoredMissingMarksReadAsMissing) {
  WriteBytes(file, "[General]\nA=-32766\nB=<=GetIniStr=>\nC=-32765\n");
  EXPECT_EQ(ini.GetIniInt("General", "A", 5, file), 5);
  EXPECT_EQ(ini.GetIniStr("General", "B", "dflt", file), "dflt");
  EXPECT_EQ(ini.GetIniInt("General", "C", 5, file), -32765);
}

TEST_F(SettingsTest, IntegersReadFromTheLeadingNumber) {
  WriteBytes(file, "[N]\na=12abc\nb=abc\nc=  -7 \nd=+5\ne=40000\nf=-40000\ng=\nh=99999999999999999999\n"
                   "i=32767\nj=-32768\nk=12.9\n");
  // Beyond 16 bits a number would wrap into nonsense; it reads as missing.
  const std::vector<std::pair<std::string, int>> cases{{"a", 12}, {"b", 0},  {"c", -7},     {"d", 5},       {"e", 3}, {"f", 3},
                                                       {"g", 3},  {"h", 3}, {"i", 32767}, {"j", -32768}, {"k", 12}};
  for (const auto& [key, value] : cases) EXPECT_EQ(ini.GetIniInt("N", key, 3, file), value) << key;
}

TEST_F(SettingsTest, TextIsCutToTheBuffer) {
  WriteBytes(file, "[General]\nLong=" + std::string(5000, 'a') + "b\nExact=" + std::string(4095, 'c') + "\n");
  EXPECT_EQ(ini.GetIniStr("General", "Long", "", file), std::string(4095, 'a'));
  EXPECT_EQ(ini.GetIniStr("General", "Exact", "", file), std::string(4095, 'c'));
}

TEST_F(SettingsTest, YesNoReadsTheFirstCharacterOnly) {
  WriteBytes(file, "[General]\na=yes\nb=Y\nc=No\nd=1\ne=\nf=nY\n");
  for (const char* key : {"a", "b"}) EXPECT_TRUE(ini.GetIniBool("General", key, false, file)) << key;
  // An empty value is present: it reads as no even when the default is yes.
  for (const char* key : {"c", "d", "e", "f"}) EXPECT_FALSE(ini.GetIniBool("General", key, true, file)) << key;
  EXPECT_TRUE(ini.GetIniBool("General", "missing", true, file));
  EXPECT_FALSE(ini.GetIniBool("General", "missing", false, file));
}

TEST_F(SettingsTest, EmptyNamesAreTrappedAndNothingIsReadOrWritten) {
  WriteBytes(file, "[General]\n=x\n");
  EXPECT_EQ(ini.GetIniStr("General", "", "dflt", file), "");
  EXPECT_FALSE(ini.GetIniBool("", "Sounds", true, file));
  EXPECT_FALSE(ini.PutIniStr("", "Key", "v", file));
  EXPECT_FALSE(ini.PutIniInt("General", "", 3, file));
  const std::vector<std::pair<std::string, std::string>> expected{
      {"UINI-GIS", "<General><>"}, {"UINI-GIS", "<><Sounds>"}, {"UINI-PISTR", "<><Key>"}, {"UINI-PISTR", "<General><>"}};
  ASSERT_EQ(trap.calls.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(trap.calls[i].where, expected[i].first) << i;
    EXPECT_EQ(trap.calls[i].detail, expected[i].second) << i;
    EXPECT_FALSE(trap.calls[i].endProgram) << i;
  }
  EXPECT_EQ(ReadBytes(file), "[General]\n=x\n");
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(SettingsTest, WritesCreateFileSectionAndKeyInIntStrForm) {
  EXPECT_TRUE(ini.PutIniInt("Scores", "L1", 85, file));
  EXPECT_TRUE(ini.PutIniInt("Scores", "L2", -3, file));
  EXPECT_TRUE(ini.PutIniBool("General", "Sounds", false, file));
  EXPECT_TRUE(ini.PutIniStr("Scores", "l1", "90", file));
  EXPECT_EQ(ReadBytes(file), "[Scores]\nL1=90\nL2=-3\n[General]\nSounds=N\n");
  EXPECT_EQ(ini.GetIniInt("scores", "L2", 0, file), -3);
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(SettingsTest, AddIfMissingWritesTheDefault) {
  EXPECT_EQ(ini.GetIniInt("General", "LastLevel", 4, file, true), 4);
  EXPECT_EQ(ini.GetIniStr("General", "Name", "x y", file, true), "x y");
  EXPECT_FALSE(ini.GetIniBool("General", "Sounds", false, file, true));
  EXPECT_EQ(ReadBytes(file), "[General]\nLastLevel=4\nName=x y\nSounds=N\n");
}

TEST_F(SettingsTest, UnknownLinesSurviveWritesInOrder) {
  const std::string before = "; written by hand\r\n[Mine]\r\nkeep=me\r\n\r\n[General]\r\nLastLevel=3\r\nnote\r\n";
  WriteBytes(file, before);
  EXPECT_TRUE(ini.PutIniInt("General", "LastLevel", 12, file));
  EXPECT_TRUE(ini.PutIniInt("Scores", "L1", 40, file));
  EXPECT_EQ(ReadBytes(file), "; written by hand\r\n[Mine]\r\nkeep=me\r\n\r\n[General]\r\nLastLevel=12\r\nnote\r\n"
                             "[Scores]\r\nL1=40\r\n");
}

TEST_F(SettingsTest, EmptyFileNameReadsDefaultsAndFailsEachWrite) {
  EXPECT_EQ(ini.GetIniInt("General", "LastLevel", 3, ""), 3);
  EXPECT_EQ(ini.GetIniStr("General", "Name", "d", ""), "d");
  EXPECT_FALSE(ini.PutIniInt("General", "LastLevel", 3, ""));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].caption, "Gorbix");
  EXPECT_EQ(testing::Lines(sink.messages[0].text),
            std::vector<std::string>({"Error updating file WIN.INI", "Invalid argument", "Not stored: [General] LastLevel=3"}));
}

// A folder in which a new file cannot be made. chmod does not stop root, so
// as root the file's "folder" is a regular file instead.
std::string UnwritableIniPath(const testing::TempDir& dir) {
  if (::geteuid() != 0) {
    const auto folder = dir.path() / "locked";
    std::filesystem::create_directory(folder);
    ::chmod(folder.c_str(), 0555);
    return (folder / "gorbix.ini").string();
  }
  WriteBytes(dir.file("locked"), "a file, not a folder");
  return dir.file("locked") + "/gorbix.ini";
}

TEST_F(SettingsTest, EachFailedWriteShowsOneMessageAndTheRestGoOn) {
  const std::string path = UnwritableIniPath(dir);
  EXPECT_FALSE(ini.PutIniInt("General", "LastLevel", 5, path));
  EXPECT_FALSE(ini.PutIniBool("General", "Sounds", true, path));
  ASSERT_EQ(sink.messages.size(), 2u);
  const std::string reason = ::geteuid() == 0 ? "Not a directory" : "Permission denied";
  EXPECT_EQ(testing::Lines(sink.messages[0].text),
            std::vector<std::string>({"Error updating file " + path, reason, "Not stored: [General] LastLevel=5"}));
  EXPECT_EQ(testing::Lines(sink.messages[1].text),
            std::vector<std::string>({"Error updating file " + path, reason, "Not stored: [General] Sounds=Y"}));
  for (const auto& m : sink.messages) EXPECT_EQ(m.caption, "Gorbix");
  EXPECT_EQ(ini.GetIniInt("General", "LastLevel", 1, path), 1);
  EXPECT_TRUE(ini.PutIniInt("General", "LastLevel", 5, file));
  EXPECT_EQ(sink.messages.size(), 2u);
  EXPECT_TRUE(trap.calls.empty());
}

}  // namespace
}  // namespace gorbix
