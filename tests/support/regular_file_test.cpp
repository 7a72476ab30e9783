#include "support/regular_file.h"

#include <atomic>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include <gtest/gtest.h>

namespace gorbix {
namespace {

namespace fs = std::filesystem;

class RegularFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/gorbix-file-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    folder = pattern;
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string write(const std::string& name, const std::string& bytes) {
    const fs::path path = folder / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }

  fs::path folder;
};

TEST_F(RegularFile, ReadsWholeFilesUpToTheLimit) {
  const std::string bytes("BM\0\x01 picture", 12);
  EXPECT_EQ(readRegularFile(write("BG_256.BMP", bytes), 12), bytes);
  EXPECT_EQ(readRegularFile(write("empty", ""), 12), std::string());
  EXPECT_EQ(readRegularFile(write("big", std::string(13, 'x')), 12), std::nullopt);
  // Through a symbolic link, as long as it ends at a regular file.
  fs::create_symlink(folder / "BG_256.BMP", folder / "link");
  EXPECT_EQ(readRegularFile((folder / "link").string(), 100), bytes);
}

TEST_F(RegularFile, AnythingButARegularFileGivesNothing) {
  ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
  fs::create_directory(folder / "dir");
  fs::create_symlink(folder / "gone", folder / "dangling");
  const std::string unreadable = write("unreadable", "x");
  fs::permissions(unreadable, fs::perms::none);
  struct Case {
    const char* name;
    std::string path;
  };
  for (const Case& c : {Case{"named pipe", (folder / "fifo").string()}, Case{"folder", (folder / "dir").string()},
                        Case{"missing", (folder / "none").string()}, Case{"dangling link", (folder / "dangling").string()},
                        Case{"character device", "/dev/zero"}, Case{"empty path", ""}}) {
    EXPECT_EQ(readRegularFile(c.path, kMaxAssetBytes), std::nullopt) << c.name;
  }
  // Root reads files whatever their mode says.
  if (::geteuid() != 0) {
    EXPECT_EQ(readRegularFile(unreadable, 10), std::nullopt);
  }
}

// A named pipe with no writer would hold an ordinary open for ever; the
// unblocker only runs if the read is still waiting after five seconds.
TEST_F(RegularFile, ANamedPipeNeverBlocks) {
  const fs::path fifo = folder / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::atomic<bool> done{false};
  std::atomic<bool> unblocked{false};
  std::thread unblocker([&] {
    for (int i = 0; i < 500 && !done; ++i) ::usleep(10000);
    if (done) return;
    unblocked = true;
    const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) ::close(fd);
  });
  EXPECT_EQ(readRegularFile(fifo.string(), 100), std::nullopt);
  done = true;
  unblocker.join();
  EXPECT_FALSE(unblocked);
}

}  // namespace
}  // namespace gorbix
