#include "support/standard_descriptors.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace gorbix {
namespace {

bool isDevNull(int fd) {
  struct stat a {}, b {};
  return ::fstat(fd, &a) == 0 && ::stat("/dev/null", &b) == 0 && a.st_rdev == b.st_rdev && S_ISCHR(a.st_mode);
}

// Runs in a child, so the test program's own descriptors are never touched.
// Bit k of the exit code: descriptor k ended up wrong.
int closeThenRepair(const std::vector<int>& closed) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    struct stat before[3] {};
    for (int fd = 0; fd <= 2; ++fd) ::fstat(fd, &before[fd]);
    for (int fd : closed) ::close(fd);
    int wrong = openClosedStandardDescriptors() ? 0 : 8;
    for (int fd = 0; fd <= 2; ++fd) {
      bool wasClosed = false;
      for (int c : closed) wasClosed = wasClosed || c == fd;
      struct stat now {};
      const bool same = ::fstat(fd, &now) == 0 && now.st_ino == before[fd].st_ino && now.st_dev == before[fd].st_dev;
      if (wasClosed ? !isDevNull(fd) : !same) wrong |= 1 << fd;
    }
    // A file opened next must not land on a standard number.
    const int next = ::open("/dev/null", O_RDONLY);
    if (next <= 2) wrong |= 16;
    ::_exit(wrong);
  }
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

TEST(StandardDescriptors, ClosedOnesOpenOnDevNullAndOpenOnesStayAsTheyAre) {
  const std::vector<std::vector<int>> cases = {{}, {2}, {1}, {0}, {0, 2}, {1, 2}, {0, 1, 2}};
  for (const auto& closed : cases) {
    std::string name;
    for (int fd : closed) name += std::to_string(fd) + " ";
    EXPECT_EQ(closeThenRepair(closed), 0) << "closed: " << name;
  }
}

}  // namespace
}  // namespace gorbix
