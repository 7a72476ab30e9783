#include "settings/file_system.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <thread>

#include "settings/settings.h"
#include "test_support.h"

namespace gorbix {
namespace {

using testing::Exists;
using testing::Lines;
using testing::ReadBytes;
using testing::WriteBytes;

const std::string kOld = "; keep me\r\n[General]\r\nLastLevel=3\r\n[Scores]\r\nL1=50\r\n";

std::error_code noSpace() { return std::make_error_code(std::errc::no_space_on_device); }

// An update that breaks down at one step, as a full disk or a crash would.
class FailedWriteTest : public testing::SettingsFixture, public ::testing::WithParamInterface<WriteStep> {
 protected:
  PosixFileSystem files{[this](WriteStep step) { return step == GetParam() ? noSpace() : std::error_code(); }};
  Settings faulty{trap, sink, files};
};

TEST_P(FailedWriteTest, LeavesTheOldFileByteForByteNoTemporaryFileAndOneMessageWithTheReason) {
  EXPECT_FALSE(faulty.PutIniInt("General", "LastLevel", 12, file));
  EXPECT_TRUE(dir.names().empty());

  WriteBytes(file, kOld);
  EXPECT_FALSE(faulty.PutIniInt("General", "LastLevel", 12, file));
  EXPECT_EQ(ReadBytes(file), kOld);
  EXPECT_EQ(dir.names(), std::vector<std::string>{"gorbix.ini"});
  ASSERT_EQ(sink.messages.size(), 2u);
  EXPECT_EQ(Lines(sink.messages[1].text), std::vector<std::string>({"Error updating file " + file,
                                                                    "No space left on device",
                                                                    "Not stored: [General] LastLevel=12"}));
}

INSTANTIATE_TEST_SUITE_P(AtEachStep, FailedWriteTest,
                         ::testing::Values(WriteStep::kLocked, WriteStep::kTempCreated, WriteStep::kDataWritten,
                                           WriteStep::kSynced, WriteStep::kNamed),
                         [](const ::testing::TestParamInfo<WriteStep>& info) {
                           switch (info.param) {
                             case WriteStep::kLocked: return "Locked";
                             case WriteStep::kTempCreated: return "TempCreated";
                             case WriteStep::kDataWritten: return "DataWritten";
                             case WriteStep::kSynced: return "Synced";
                             case WriteStep::kNamed: return "Named";
                           }
                           return "Unknown";
                         });

// A save killed at any step, as a crash or a logout that cannot wait would:
// the old file stays whole, and whatever the dead save left beside it is
// gone after the next one.
TEST(KilledSave, LeavesTheOldFileAndTheNextSaveSweepsUp) {
  for (const WriteStep step : {WriteStep::kTempCreated, WriteStep::kDataWritten, WriteStep::kSynced, WriteStep::kNamed}) {
    testing::TempDir dir;
    const std::string file = dir.file("gorbix.ini");
    WriteBytes(file, kOld);
    WriteBytes(dir.file(".gorbix.ini.bak"), "not ours");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      PosixFileSystem dying([step](WriteStep now) {
        if (now == step) ::raise(SIGKILL);
        return std::error_code();
      });
      dying.update(file, [](const FileRead&) { return std::optional<std::string>("[General]\nLastLevel=9\n"); });
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(ReadBytes(file), kOld) << static_cast<int>(step);

    PosixFileSystem files;
    EXPECT_FALSE(files.update(file, [](const FileRead& now) { return std::optional<std::string>(now.bytes + "x=1\n"); }));
    std::vector<std::string> names = dir.names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, std::vector<std::string>({".gorbix.ini.bak", "gorbix.ini"})) << static_cast<int>(step);
    EXPECT_EQ(ReadBytes(file), kOld + "x=1\n");
  }
}

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

// After a run as root in a player's folder the file must still be the
// player's, or every later save by the player fails.
TEST_F(ProfileFileTest, RootKeepsTheOwnerOfTheFileAndGivesNewFilesTheFoldersOwner) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can hand a file to another user";
  const uid_t player = 4321;
  const gid_t group = 8765;
  WriteBytes(file, "[General]\nA=1\n");
  ASSERT_EQ(::chown(file.c_str(), player, group), 0);
  ::chmod(file.c_str(), 0604);
  EXPECT_TRUE(ini.PutIniInt("General", "A", 2, file));
  struct stat info {};
  ASSERT_EQ(::stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, player);
  EXPECT_EQ(info.st_gid, group);
  EXPECT_EQ(info.st_mode & 07777, 0604u);

  const auto folder = dir.path() / "player";
  std::filesystem::create_directory(folder);
  ASSERT_EQ(::chown(folder.c_str(), player, group), 0);
  const std::string fresh = (folder / "gorbix.ini").string();
  EXPECT_TRUE(ini.PutIniInt("General", "A", 2, fresh));
  ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, player);
  EXPECT_EQ(info.st_gid, group);
}

TEST_F(ProfileFileTest, WritesGoThroughSymbolicLinksToTheirTargetsAndKeepTheLinks) {
  struct Case {
    std::string name;
    std::string linkTo;  // as stored in the link
    std::string target;  // the file that must hold the value, relative to the folder
  };
  std::filesystem::create_directory(dir.path() / "real");
  WriteBytes(dir.file("real/existing.ini"), "[General]\nA=1\n");
  std::filesystem::create_symlink("real/existing.ini", dir.path() / "hop.ini");
  const std::vector<Case> cases{
      {"existing", dir.file("real/existing.ini"), "real/existing.ini"},
      {"relative", "real/existing.ini", "real/existing.ini"},
      {"chain", "hop.ini", "real/existing.ini"},
      {"dangling", "real/missing.ini", "real/missing.ini"},
      {"dangling into a missing folder", dir.file("new/folder/gorbix.ini"), "new/folder/gorbix.ini"},
  };
  int value = 2;
  for (const Case& c : cases) {
    std::filesystem::remove(file);
    std::filesystem::create_symlink(c.linkTo, file);
    EXPECT_TRUE(ini.PutIniInt("General", "A", static_cast<std::int16_t>(value), file)) << c.name;
    EXPECT_TRUE(std::filesystem::is_symlink(file)) << c.name;
    EXPECT_EQ(ini.GetIniInt("General", "A", 0, dir.file(c.target)), value) << c.name;
    ++value;
  }
  EXPECT_TRUE(sink.messages.empty());

  // Links that lead round in a circle name no file: nothing is written.
  std::filesystem::remove(file);
  std::filesystem::create_symlink("loop.ini", file);
  std::filesystem::create_symlink("gorbix.ini", dir.path() / "loop.ini");
  EXPECT_FALSE(ini.PutIniInt("General", "A", 1, file));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(Lines(sink.messages[0].text).at(1), "Too many levels of symbolic links");
  EXPECT_TRUE(std::filesystem::is_symlink(file));
}

// Two copies of the game saving at once: the second waits for the first,
// then builds on what the first wrote instead of on what it read before.
TEST_F(ProfileFileTest, ConcurrentUpdatesTakeTurnsAndLoseNothing) {
  int toSecond[2];
  ASSERT_EQ(::pipe(toSecond), 0);
  PosixFileSystem first([&](WriteStep step) {
    if (step == WriteStep::kTempCreated) {
      const char go = 1;
      EXPECT_EQ(::write(toSecond[1], &go, 1), 1);
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    return std::error_code();
  });
  Settings firstCopy(trap, sink, first);
  std::thread second([&] {
    char go = 0;
    EXPECT_EQ(::read(toSecond[0], &go, 1), 1);
    PosixFileSystem files;
    Settings secondCopy(trap, sink, files);
    EXPECT_TRUE(secondCopy.PutIniInt("Scores", "L2", 20, file));
  });
  EXPECT_TRUE(firstCopy.PutIniInt("Scores", "L1", 10, file));
  second.join();
  ::close(toSecond[0]);
  ::close(toSecond[1]);
  EXPECT_EQ(ReadBytes(file), "[Scores]\nL1=10\nL2=20\n");
}

// A copy that holds the lock and never lets go (stopped in a debugger, say)
// delays a save a little; it never hangs it.
TEST_F(ProfileFileTest, AStuckLockHolderDoesNotHangASave) {
  const int folder = ::open(dir.path().c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(folder, 0);
  ASSERT_EQ(::flock(folder, LOCK_EX), 0);
  EXPECT_TRUE(ini.PutIniInt("General", "A", 1, file));
  ::close(folder);
  EXPECT_EQ(ReadBytes(file), "[General]\nA=1\n");
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
// rewritten, since a rewrite from the head alone would cut off its rest. A
// value it already holds needs no write, and so no message.
TEST_F(ProfileFileTest, HugeFileReadsItsHeadAndRefusesWritesThatWouldChangeIt) {
  std::string big = "[General]\nLastLevel=7\n[Filler]\n";
  const std::string line = "x=" + std::string(98, 'y') + "\n";
  while (big.size() < 10 * 1024 * 1024) big += line;
  big += "[Scores]\nL1=80\n";
  WriteBytes(file, big);
  EXPECT_EQ(ini.GetIniInt("General", "LastLevel", 1, file), 7);
  EXPECT_EQ(ini.GetIniInt("Scores", "L1", 0, file), 0);
  EXPECT_TRUE(ini.PutIniInt("General", "LastLevel", 7, file));
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_FALSE(ini.PutIniInt("General", "LastLevel", 8, file));
  EXPECT_EQ(ReadBytes(file), big);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(Lines(sink.messages[0].text),
            std::vector<std::string>({"Error updating file " + file, "File too large", "Not stored: [General] LastLevel=8"}));
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
  ASSERT_EQ(sink.messages.size(), 2u);
  EXPECT_EQ(Lines(sink.messages[0].text).at(1), "Is a directory");
}

TEST_F(ProfileFileTest, UnchangedValueDoesNotRewriteTheFile) {
  WriteBytes(file, "[General]\nLastLevel=5\n");
  PosixFileSystem failing([](WriteStep step) { return step == WriteStep::kLocked ? std::error_code() : noSpace(); });
  Settings strict(trap, sink, failing);
  EXPECT_TRUE(strict.PutIniInt("General", "LastLevel", 5, file));
  EXPECT_FALSE(strict.PutIniInt("General", "LastLevel", 6, file));
  EXPECT_EQ(ReadBytes(file), "[General]\nLastLevel=5\n");
  EXPECT_EQ(sink.messages.size(), 1u);
}

}  // namespace
}  // namespace gorbix
