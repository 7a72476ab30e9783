#include "settings/profile_document.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "test_support.h"

namespace gorbix {
namespace {

std::optional<std::string> find(std::string_view text, std::string_view section, std::string_view key) {
  return ProfileDocument::Parse(text).Find(section, key);
}

std::string set(std::string_view text, std::string_view section, std::string_view key, std::string_view value) {
  ProfileDocument doc = ProfileDocument::Parse(text);
  EXPECT_TRUE(doc.Set(section, key, value));
  return doc.Text();
}

TEST(ProfileDocumentRead, NamesMatchWithoutCaseAndBlanks) {
  const std::string text = "[general]\n  lastlevel =  12  \n[SCORES]\nl3=7\n";
  EXPECT_EQ(find(text, "General", "LastLevel"), "12");
  EXPECT_EQ(find(text, "GENERAL", "LASTLEVEL"), "12");
  EXPECT_EQ(find(text, "Scores", "L3"), "7");
  EXPECT_EQ(find(text, " Scores ", " L3 "), "7");
  EXPECT_EQ(find(text, "Scores", "LastLevel"), std::nullopt);
  EXPECT_EQ(find(text, "Other", "L3"), std::nullopt);
}

TEST(ProfileDocumentRead, EmptyValueIsPresentAndEmpty) {
  EXPECT_EQ(find("[General]\nSounds=\n", "General", "Sounds"), "");
  EXPECT_EQ(find("[General]\nSounds=  \n", "General", "Sounds"), "");
}

TEST(ProfileDocumentRead, ValueKeepsInnerBlanksAndEqualsSigns) {
  EXPECT_EQ(find("[PosnSize]\nfrmMain=100  200 = x\n", "PosnSize", "frmMain"), "100  200 = x");
}

TEST(ProfileDocumentRead, FirstOfDuplicateSectionsAndKeysCounts) {
  const std::string text = "[General]\nLastLevel=3\nlastlevel=4\n[Scores]\nL1=5\n[GENERAL]\nLastLevel=9\nSounds=N\n";
  EXPECT_EQ(find(text, "General", "LastLevel"), "3");
  // Only the first section of a name is looked at.
  EXPECT_EQ(find(text, "General", "Sounds"), std::nullopt);
}

TEST(ProfileDocumentRead, LinesThatAreNoEntriesAreIgnored) {
  const std::string text = "LastLevel=99\n[General]\n; LastLevel=7\njunk line\n=5\nLastLevel=2\n";
  EXPECT_EQ(find(text, "General", "LastLevel"), "2");
  EXPECT_EQ(find(text, "General", "junk line"), std::nullopt);
  EXPECT_EQ(find(text, "General", ";LastLevel"), std::nullopt);
}

TEST(ProfileDocumentRead, HeaderWithoutClosingBracketStartsItsSection) {
  const std::string text = "[General]\nLastLevel=4\n[Scores\nL1=60\nLastLevel=9\n";
  EXPECT_EQ(find(text, "Scores", "L1"), "60");
  EXPECT_EQ(find(text, "General", "LastLevel"), "4");
  EXPECT_EQ(find(text, "General", "L1"), std::nullopt);
  EXPECT_EQ(find("[", "", "x"), std::nullopt);
  EXPECT_EQ(find("[General] ; note\nA=1\n", "General", "A"), "1");
}

TEST(ProfileDocumentRead, CrLfAndByteOrderMark) {
  const std::string text = "\xEF\xBB\xBF[General]\r\nLastLevel=12\r\nSounds=Y\r\n";
  EXPECT_EQ(find(text, "General", "LastLevel"), "12");
  EXPECT_EQ(find(text, "General", "Sounds"), "Y");
}

TEST(ProfileDocumentRead, CorruptInputGivesSensibleAnswers) {
  EXPECT_EQ(find("", "General", "LastLevel"), std::nullopt);
  EXPECT_EQ(find("\n\n\r\n", "General", "LastLevel"), std::nullopt);
  const std::string withNul = testing::Bytes("[General]\nA=1\0 2\nB=3\n");
  EXPECT_EQ(find(withNul, "General", "A"), std::string("1\0 2", 4));
  EXPECT_EQ(find(withNul, "General", "B"), "3");
  std::string junk;
  for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919) % 256);
  EXPECT_EQ(find(junk + "\n[General]\nA=1\n", "General", "A"), "1");
  const std::string longValue(100000, 'x');
  EXPECT_EQ(find("[General]\nA=" + longValue + "\nB=2\n", "General", "A"), longValue);
  EXPECT_EQ(find("[General]\nA=" + longValue + "\nB=2\n", "General", "B"), "2");
}

TEST(ProfileDocumentWrite, ReplacesOnlyTheValueLine) {
  const std::string before = "; my settings\n[Mine]\nkeep=this\n\n[General]\n  lastlevel = 3 \nSounds=Y\n[Other]\nx\n";
  EXPECT_EQ(set(before, "GENERAL", "LastLevel", "12"),
            "; my settings\n[Mine]\nkeep=this\n\n[General]\nlastlevel=12\nSounds=Y\n[Other]\nx\n");
}

TEST(ProfileDocumentWrite, AddsKeyAfterLastLineOfItsSection) {
  EXPECT_EQ(set("[General]\nLastLevel=3\n\n[Scores]\nL1=5\n", "General", "Sounds", "N"),
            "[General]\nLastLevel=3\nSounds=N\n\n[Scores]\nL1=5\n");
  EXPECT_EQ(set("[General]\n[Scores]\n", "General", "Sounds", "N"), "[General]\nSounds=N\n[Scores]\n");
}

TEST(ProfileDocumentWrite, CreatesFileAndSection) {
  EXPECT_EQ(set("", "General", "LastLevel", "1"), "[General]\nLastLevel=1\n");
  EXPECT_EQ(set("[General]\nA=1", "Scores", "L1", "0"), "[General]\nA=1\n[Scores]\nL1=0\n");
  EXPECT_EQ(set("[General]\nA=1", "General", "B", "2"), "[General]\nA=1\nB=2\n");
}

TEST(ProfileDocumentWrite, UpdatesFirstOfDuplicates) {
  EXPECT_EQ(set("[General]\nA=1\nA=2\n[general]\nA=3\n", "General", "A", "9"), "[General]\nA=9\nA=2\n[general]\nA=3\n");
}

TEST(ProfileDocumentWrite, KeepsTheFilesLineEndingsAndMark) {
  EXPECT_EQ(set("[General]\r\nA=1\r\n[Scores]\r\nL1=5\r\n", "General", "B", "2"),
            "[General]\r\nA=1\r\nB=2\r\n[Scores]\r\nL1=5\r\n");
  EXPECT_EQ(set("[General]\r\nA=1\r\n", "General", "A", "7"), "[General]\r\nA=7\r\n");
  EXPECT_EQ(set("[General]\r\nA=1", "Scores", "L1", "0"), "[General]\r\nA=1\r\n[Scores]\r\nL1=0\r\n");
  EXPECT_EQ(set("\xEF\xBB\xBF[General]\nA=1\n", "General", "A", "2"), "\xEF\xBB\xBF[General]\nA=2\n");
}

TEST(ProfileDocumentWrite, RefusesWhatWouldNotReadBack) {
  const std::string before = "[General]\nA=1\n";
  for (const auto& [section, key, value] : std::vector<std::array<std::string, 3>>{
           {"", "A", "1"}, {"General", " ", "1"}, {"General", "A", "1\n[Evil]"}, {"General", "A", "1\r"},
           {"General", "A=B", "1"}, {"General", "[A", "1"}, {"General", ";A", "1"}, {"Gen]eral", "A", "1"},
           {"General", "A", testing::Bytes("1\0")}}) {
    ProfileDocument doc = ProfileDocument::Parse(before);
    EXPECT_FALSE(doc.Set(section, key, value)) << section << "/" << key << "/" << value;
    EXPECT_EQ(doc.Text(), before);
  }
}

TEST(ProfileDocumentWrite, UntouchedTextComesBackByteForByte) {
  for (const std::string& text : std::vector<std::string>{"", "\n", "x", "[General]\r\nA=1\nB=2\r\n\r\n", testing::Bytes("\0\r\n\xFF[")}) {
    EXPECT_EQ(ProfileDocument::Parse(text).Text(), text);
  }
}

}  // namespace
}  // namespace gorbix
