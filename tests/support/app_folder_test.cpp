#include "support/app_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace gorbix {
namespace {

TEST(FindAppFolder, FolderOfTheProgram) {
  EXPECT_EQ(FindAppFolder("C:\\GAMES\\PUZ\\PUZ.EXE", "D:\\WORK", '\\'), "C:\\GAMES\\PUZ\\");
  EXPECT_EQ(FindAppFolder("/usr/lib/gorbix/gorbix", "/home/ann", '/'), "/usr/lib/gorbix/");
}

TEST(FindAppFolder, DevelopmentEnvironmentGivesTheCurrentFolder) {
  EXPECT_EQ(FindAppFolder("C:\\VB\\VB5.EXE", "C:\\PROJ", '\\'), "C:\\PROJ\\");
  EXPECT_EQ(FindAppFolder("C:\\VB\\VB.EXE", "C:\\PROJ", '\\'), "C:\\PROJ\\");
  EXPECT_EQ(FindAppFolder("C:\\VB\\VB32.EXE", "C:\\PROJ", '\\'), "C:\\PROJ\\");
  // At the root the current folder already ends in its separator.
  EXPECT_EQ(FindAppFolder("C:\\VB\\VB5.EXE", "C:\\", '\\'), "C:\\");
}

TEST(FindAppFolder, LowerCaseNamesAreOrdinaryPrograms) {
  EXPECT_EQ(FindAppFolder("C:\\TOOLS\\vb5.exe", "C:\\PROJ", '\\'), "C:\\TOOLS\\");
  EXPECT_EQ(FindAppFolder("/opt/vb/Vb.Exe", "/tmp", '/'), "/opt/vb/");
}

TEST(FindAppFolder, NoPathOrNoFolderGivesTheCurrentFolder) {
  EXPECT_EQ(FindAppFolder("", "/home/ann", '/'), "/home/ann/");
  EXPECT_EQ(FindAppFolder("gorbix", "/home/ann/", '/'), "/home/ann/");
  EXPECT_EQ(FindAppFolder("./gorbix", "", '/'), "./");
  EXPECT_EQ(FindAppFolder("", ".", '/'), "./");
}

// Neither the program nor the current folder named: unknown, never the root,
// where root's settings would land in "/gorbix.ini".
TEST(FindAppFolder, NothingKnownGivesNoFolder) {
  EXPECT_EQ(FindAppFolder("", "", '/'), "");
  EXPECT_EQ(FindAppFolder("gorbix", "", '/'), "");
  EXPECT_EQ(FindAppFolder("C:\\VB\\VB5.EXE", "", '\\'), "");
}

TEST(RunningProgramPath, IsThisTestProgramAndNeverATrustedLie) {
  char self[4096] = {};
  ASSERT_GT(::readlink("/proc/self/exe", self, sizeof self - 1), 0);
  for (const char* argv0 : {"", "x", "/bin/sh", "/no/such/program"}) EXPECT_EQ(RunningProgramPath(argv0), self) << argv0;
}

TEST(CurrentFolder, NamesTheFolderOrDotWhenItIsTooLongToName) {
  const std::string start = CurrentFolder();
  ASSERT_EQ(start, std::filesystem::current_path().string());
  std::string base = (std::filesystem::temp_directory_path() / "gorbix-deep-XXXXXX").string();
  ASSERT_NE(::mkdtemp(base.data()), nullptr);
  ASSERT_EQ(::chdir(base.c_str()), 0);
  // Deeper than a path the system hands back, built one step at a time.
  const std::string step(200, 'd');
  int depth = 0;
  for (; depth < 25 && ::mkdir(step.c_str(), 0700) == 0 && ::chdir(step.c_str()) == 0; ++depth) {
  }
  EXPECT_EQ(depth, 25);
  EXPECT_EQ(CurrentFolder(), ".");
  for (; depth > 0; --depth) {
    EXPECT_EQ(::chdir(".."), 0);
    EXPECT_EQ(::rmdir(step.c_str()), 0);
  }
  EXPECT_EQ(CurrentFolder(), base);
  ASSERT_EQ(::chdir(start.c_str()), 0);
  EXPECT_EQ(::rmdir(base.c_str()), 0);
}

}  // namespace
}  // namespace gorbix
