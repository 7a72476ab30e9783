#include "settings/file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "settings/settings.h"
#include "test_support.h"

namespace gorbix {
namespace {

using testing::Exists;
using testing::ReadBytes;
using testing::WriteBytes;

const std::string kOld = "; keep me\r\n[General]\r\nLastLevel=3\r\n[Scores]\r\nL1=50\r\n";

// A write that breaks down at one step, as a full disk or a crash would.
class FailedWriteTest : public testing::SettingsFixture, public ::testing::WithParamInterface<WriteStep> {
 protected:
  std::vector<std::string> namesSeenAtFault;
  PosixFileSystem files{[this](WriteStep step) {
    if (step != GetParam()) return true;
    namesSeenAtFault = dir.names();
    return false;
  }};
  Settings faulty{trap, sink, files};
};

TEST_P(FailedWriteTest, LeavesTheOldFileByteForByteOrNoFileAndNoTemporaryFile) {
  EXPECT_FALSE(faulty.PutIniInt("General", "LastLevel", 12, file));
  EXPECT_TRUE(dir.names().empty());

  WriteBytes(file, kOld);
  EXPECT_FALSE(faulty.PutIniInt("General", "LastLevel", 12, file));
  // The temporary file did exist beside the old one when the write broke off.
  EXPECT_EQ(namesSeenAtFault.size(), 2u);
  EXPECT_EQ(ReadBytes(file), kOld);
  EXPECT_EQ(dir.names(), std::vector<std::string>{"gorbix.ini"});
  ASSERT_EQ(sink.messages.size(), 2u);
  EXPECT_EQ(sink.messages[1].text, "Error updating file " + file);
}

INSTANTIATE_TEST_SUITE_P(AtEachStep, FailedWriteTest,
                         ::testing::Values(WriteStep::kTempCreated, WriteStep::kDataWritten, WriteStep::kSynced),
                         [](const ::testing::TestParamInfo<WriteStep>& info) {
                           switch (info.param) {
                             case WriteStep::kTempCreated: return "TempCreated";
                             case WriteStep::kDataWritten: return "DataWritten";
                             case WriteStep::kSynced: return "Synced";
                           }
                           return "Unknown";
                         });

using ProfileFileTest = testing::SettingsFixture;

TEST_F(ProfileFileTest, ReplaceKeepsPermissionsAndCreatesMissingFolders) {
  WriteBytes(file, "[General]\nA=1\n");
  ::chmod(file.c_str(), 0640);
  EXPECT_TRUE(ini.PutIniInt("General", "A", 2, file));
  struct stat info {};
  ASSERT_EQ(::stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);

  const std::string nested = dir.file("config/gorbix/gorbix.ini");
  EXPECT_TRUE(ini.PutIniInt("General", "LastLevel", 4, nested));
  EXPECT_EQ(ReadBytes(nested), "[General]\nLastLevel=4\n");
}

TEST_F(ProfileFileTest, WriteThroughSymbolicLinkKeepsTheLink) {
  const std::string real = dir.file("real.ini");
  WriteBytes(real, "[General]\nA=1\n");
  std::filesystem::create_symlink(real, file);
  EXPECT_TRUE(ini.PutIniInt("General", "A", 2, file));
  EXPECT_TRUE(std::filesystem::is_symlink(file));
  EXPECT_EQ(ReadBytes(real), "[General]\nA=2\n");
}

TEST_F(ProfileFileTest, DamagedFilesReadAsDefaultsAndKeepTheirBytesThroughAWrite) {
  WriteBytes(file, "");
  EXPECT_EQ(ini.GetIniInt("General", "LastLevel", 1, file), 1);
  WriteBytes(file, testing::Bytes("[General]\n\0\0\0=1\nLastLevel=\0 9\nSounds=N\n") + "Long=" +
                       std::string(100000, 'q') + "\nL=4\n");
  EXPECT_EQ(ini.GetIniInt("General", "LastLevel", 1, file), 0);
  EXPECT_FALSE(ini.GetIniBool("General", "Sounds", true, file));
  EXPECT_EQ(ini.GetIniStr("General", "Long", "", file), std::string(4095, 'q'));
  EXPECT_EQ(ini.GetIniInt("General", "L", 1, file), 4);

  std::string junk;
  for (int i = 0; i < 100000; ++i) junk += static_cast<char>((i * 2654435761u) >> 24);
  WriteBytes(file, junk);
  EXPECT_EQ(ini.GetIniInt("General", "LastLevel", 1, file), 1);
  EXPECT_EQ(ini.GetIniStr("PosnSize", "frmMain", "", file), "");
  // Junk is kept: a write only adds its own lines.
  EXPECT_TRUE(ini.PutIniInt("General", "LastLevel", 6, file));
  EXPECT_EQ(ini.GetIniInt("General", "LastLevel", 1, file), 6);
  EXPECT_TRUE(ReadBytes(file).starts_with(junk));
}

// A file far larger than any settings file: its head is read; it is never
// rewritten, since a rewrite from the head alone would cut off its rest.
TEST_F(ProfileFileTest, HugeFileReadsItsHeadAndRefusesWrites) {
  std::string big = "[General]\nLastLevel=7\n[Filler]\n";
  const std::string line = "x=" + std::string(98, 'y') + "\n";
  while (big.size() < 10 * 1024 * 1024) big += line;
  big += "[Scores]\nL1=80\n";
  WriteBytes(file, big);
  EXPECT_EQ(ini.GetIniInt("General", "LastLevel", 1, file), 7);
  EXPECT_EQ(ini.GetIniInt("Scores", "L1", 0, file), 0);
  EXPECT_FALSE(ini.PutIniInt("General", "LastLevel", 8, file));
  EXPECT_EQ(ReadBytes(file), big);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].text, "Error updating file " + file);
}

TEST_F(ProfileFileTest, ValueCutAtTheReadCapIsNotRead) {
  std::string text = "[General]\nA=" + std::string(kMaxProfileBytes - 20, 'a') + "\nB=" + std::string(100, '9');
  WriteBytes(file, text);
  EXPECT_EQ(ini.GetIniInt("General", "B", 1, file), 1);
}

TEST_F(ProfileFileTest, NonRegularFilesReadAsMissingAndAreNotReplaced) {
  std::filesystem::create_directory(file);
  EXPECT_EQ(ini.GetIniInt("General", "LastLevel", 2, file), 2);
  EXPECT_FALSE(ini.PutIniInt("General", "LastLevel", 2, file));
  EXPECT_TRUE(std::filesystem::is_directory(file));
  std::filesystem::remove(file);

  // A FIFO must not hang the reader.
  ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
  EXPECT_EQ(ini.GetIniInt("General", "LastLevel", 2, file), 2);
  EXPECT_FALSE(ini.PutIniInt("General", "LastLevel", 2, file));
  EXPECT_EQ(sink.messages.size(), 2u);
}

TEST_F(ProfileFileTest, UnchangedValueDoesNotRewriteTheFile) {
  WriteBytes(file, "[General]\nLastLevel=5\n");
  PosixFileSystem failing([](WriteStep) { return false; });
  Settings strict(trap, sink, failing);
  EXPECT_TRUE(strict.PutIniInt("General", "LastLevel", 5, file));
  EXPECT_FALSE(strict.PutIniInt("General", "LastLevel", 6, file));
  EXPECT_EQ(ReadBytes(file), "[General]\nLastLevel=5\n");
  EXPECT_EQ(sink.messages.size(), 1u);
}

}  // namespace
}  // namespace gorbix
