#include "support/app_folder.h"

#include <gtest/gtest.h>

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
}

TEST(FindAppFolder, ShortAndLongPathsAreNotCut) {
  // A path under six characters still names a folder, not the program itself.
  EXPECT_EQ(FindAppFolder("/a/b", "/tmp", '/'), "/a/");
  EXPECT_EQ(FindAppFolder("/gorbix", "/tmp", '/'), "/");
  const std::string deep = "/" + std::string(200, 'd') + "/gorbix";
  EXPECT_EQ(FindAppFolder(deep, "/tmp", '/'), "/" + std::string(200, 'd') + "/");
}

}  // namespace
}  // namespace gorbix
