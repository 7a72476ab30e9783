#include "settings/profile_document.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "test_support.h"

namespace gorbix {
namespace {

using testing::Bytes;

std::optional<std::string> lookup(std::string_view text, std::string_view section, std::string_view key) {
  return ProfileDocument::Parse(text).Find(section, key);
}

struct Lookup {
  std::string text;
  std::string section;
  std::string key;
  std::optional<std::string> value;
};

TEST(ProfileDocumentRead, FindsTheValueAHandWrittenFileMeans) {
  const std::string names = "[general]\n  lastlevel =  12  \n[SCORES]\nl3=7\n";
  const std::string dupes = "[General]\nLastLevel=3\nlastlevel=4\n[Scores]\nL1=5\n[GENERAL]\nLastLevel=9\nSounds=N\n";
  const std::string noise = "LastLevel=99\n[General]\n; LastLevel=7\njunk line\n=5\nLastLevel=2\n";
  const std::string unclosed = "[General]\nLastLevel=4\n[Scores\nL1=60\nLastLevel=9\n";
  const std::string nul = Bytes("[General]\nA=1\0 2\nB=3\n");
  std::string junk;
  for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919) % 256);
  const std::string longValue(100000, 'x');
  const std::vector<Lookup> cases{
      // Names match without regard to case or surrounding blanks.
      {names, "General", "LastLevel", "12"},
      {names, "GENERAL", "LASTLEVEL", "12"},
      {names, " Scores ", " L3 ", "7"},
      {names, "Scores", "LastLevel", std::nullopt},
      {names, "Other", "L3", std::nullopt},
      {"[General]\nSounds=  \n", "General", "Sounds", ""},
      {"[PosnSize]\nfrmMain=100  200 = x\n", "PosnSize", "frmMain", "100  200 = x"},
      // Only the first section and the first key of a name count.
      {dupes, "General", "LastLevel", "3"},
      {dupes, "General", "Sounds", std::nullopt},
      // Lines outside a section, comments and lines without "=" are no entries.
      {noise, "General", "LastLevel", "2"},
      {noise, "General", "junk line", std::nullopt},
      {noise, "General", ";LastLevel", std::nullopt},
      // A header that lost its closing bracket still starts its section.
      {unclosed, "Scores", "L1", "60"},
      {unclosed, "General", "L1", std::nullopt},
      {"[", "", "x", std::nullopt},
      {"[General] ; note\nA=1\n", "General", "A", "1"},
      {"\xEF\xBB\xBF[General]\r\nLastLevel=12\r\nSounds=Y\r\n", "General", "Sounds", "Y"},
      {"\xEF\xBB\xBF[General]\r\nLastLevel=12\r\n", "General", "LastLevel", "12"},
      // Damaged input.
      {"", "General", "LastLevel", std::nullopt},
      {"\n\n\r\n", "General", "LastLevel", std::nullopt},
      {nul, "General", "A", std::string("1\0 2", 4)},
      {nul, "General", "B", "3"},
      {junk + "\n[General]\nA=1\n", "General", "A", "1"},
      {"[General]\nA=" + longValue + "\nB=2\n", "General", "A", longValue},
      {"[General]\nA=" + longValue + "\nB=2\n", "General", "B", "2"},
  };
  for (const Lookup& c : cases) {
    EXPECT_EQ(lookup(c.text, c.section, c.key), c.value) << c.text.substr(0, 60) << " / " << c.section << " / " << c.key;
  }
}

struct Change {
  std::string before;
  std::string section;
  std::string key;
  std::string value;
  std::string after;
};

TEST(ProfileDocumentWrite, ChangesOnlyWhatItMustAndKeepsTheFilesOwnForm) {
  const std::vector<Change> cases{
      // Comments, other sections and blank lines are kept; only the value line is rewritten.
      {"; my settings\n[Mine]\nkeep=this\n\n[General]\n  lastlevel = 3 \nSounds=Y\n[Other]\nx\n", "GENERAL", "LastLevel",
       "12", "; my settings\n[Mine]\nkeep=this\n\n[General]\nlastlevel=12\nSounds=Y\n[Other]\nx\n"},
      // A new key goes after the last entry of its section, before blank lines.
      {"[General]\nLastLevel=3\n\n[Scores]\nL1=5\n", "General", "Sounds", "N",
       "[General]\nLastLevel=3\nSounds=N\n\n[Scores]\nL1=5\n"},
      {"[General]\n[Scores]\n", "General", "Sounds", "N", "[General]\nSounds=N\n[Scores]\n"},
      {"", "General", "LastLevel", "1", "[General]\nLastLevel=1\n"},
      {"[General]\nA=1", "Scores", "L1", "0", "[General]\nA=1\n[Scores]\nL1=0\n"},
      {"[General]\nA=1", "General", "B", "2", "[General]\nA=1\nB=2\n"},
      {"[General]\nA=1\nA=2\n[general]\nA=3\n", "General", "A", "9", "[General]\nA=9\nA=2\n[general]\nA=3\n"},
      // The file's line ending and byte order mark are kept.
      {"[General]\r\nA=1\r\n[Scores]\r\nL1=5\r\n", "General", "B", "2", "[General]\r\nA=1\r\nB=2\r\n[Scores]\r\nL1=5\r\n"},
      {"[General]\r\nA=1", "Scores", "L1", "0", "[General]\r\nA=1\r\n[Scores]\r\nL1=0\r\n"},
      {"\xEF\xBB\xBF[General]\nA=1\n", "General", "A", "2", "\xEF\xBB\xBF[General]\nA=2\n"},
  };
  for (const Change& c : cases) {
    ProfileDocument doc = ProfileDocument::Parse(c.before);
    EXPECT_TRUE(doc.Set(c.section, c.key, c.value)) << c.before;
    EXPECT_EQ(doc.Text(), c.after) << c.before;
  }
}

TEST(ProfileDocumentWrite, RefusesWhatWouldNotReadBack) {
  const std::string before = "[General]\nA=1\n";
  for (const auto& [section, key, value] : std::vector<std::array<std::string, 3>>{
           {"", "A", "1"}, {"General", " ", "1"}, {"General", "A", "1\n[Evil]"}, {"General", "A", "1\r"},
           {"General", "A=B", "1"}, {"General", "[A", "1"}, {"General", ";A", "1"}, {"Gen]eral", "A", "1"},
           {"General", "A", Bytes("1\0")}}) {
    ProfileDocument doc = ProfileDocument::Parse(before);
    EXPECT_FALSE(doc.Set(section, key, value)) << section << "/" << key << "/" << value;
    EXPECT_EQ(doc.Text(), before);
  }
}

TEST(ProfileDocumentWrite, UntouchedTextComesBackByteForByte) {
  for (const std::string& text : std::vector<std::string>{"", "\n", "x", "[General]\r\nA=1\nB=2\r\n\r\n", Bytes("\0\r\n\xFF[")}) {
    EXPECT_EQ(ProfileDocument::Parse(text).Text(), text);
  }
}

}  // namespace
}  // namespace gorbix
