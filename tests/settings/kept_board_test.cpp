// The kept board's text and file: what is written reads back, and nothing
// else is taken.
#include <gtest/gtest.h>

#include <filesystem>

#include "settings/kept_board.h"
#include "test_support.h"

namespace gorbix {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

const std::string kHead = "gorbix kept board 1\nlevel 7\nboard 2147483647\nscore 80\n";

TEST(KeptBoard, EveryKindOfEntryReadsBackAsWritten) {
  const KeptBoard board{7, 2147483647, 80,
                        {{PlayKind::Move, {0, false}}, {PlayKind::Hint, {}}, {PlayKind::Move, {47, true}},
                         {PlayKind::Undo, {}}, {PlayKind::Redo, {}}}};
  const std::string text = KeptBoardText(board);
  EXPECT_EQ(text, kHead + "slide 1 1\nhint\nsend 8 6\nundo\nredo\n");
  const KeptBoardRead read = ParseKeptBoard(text);
  EXPECT_EQ(read.fault, "");
  EXPECT_TRUE(read.board == board);
  // As an editor on another system may save it.
  std::string crlf;
  for (const char c : text) crlf += c == '\n' ? "\r\n" : std::string(1, c);
  EXPECT_TRUE(ParseKeptBoard(crlf).board == board);
}

TEST(KeptBoard, AnythingElseIsRefusedWithItsReason) {
  const std::pair<std::string, const char*> cases[] = {
      {"", "not a kept board"},
      {"[General]\nLastLevel=3\n", "not a kept board"},
      {"gorbix kept board 2\nlevel 7\nboard 5\nscore 80\n", "is not version 1"},
      {"gorbix kept board 1\nlevel 7\n", "cut short"},
      {"gorbix kept board 1\nlevel 26\nboard 5\nscore 80\n", "line 2"},
      {"gorbix kept board 1\nlevel 0\nboard 5\nscore 80\n", "line 2"},
      {"gorbix kept board 1\nlevel -7\nboard 5\nscore 80\n", "line 2"},
      {"gorbix kept board 1\nlevel 7\nboard 0\nscore 80\n", "line 3"},
      {"gorbix kept board 1\nlevel 7\nboard 2147483648\nscore 80\n", "line 3"},
      {"gorbix kept board 1\nlevel 7\nboard 99999999999\nscore 80\n", "line 3"},
      {"gorbix kept board 1\nlevel 7\nboard 5\nscore 32768\n", "line 4"},
      {"gorbix kept board 1\nlevel 7\nboard 5\nscores 80\n", "line 4"},
      {kHead + "slide 9 1\n", "line 5"},
      {kHead + "send 1 0\n", "line 5"},
      {kHead + "slide 1\n", "line 5"},
      {kHead + "undo\n\nredo\n", "line 6"},
      {kHead + "hint\nundo 3\n", "line 6"},
      {kHead + std::string("slide 1 1\0\xff", 11), "line 5"},
  };
  for (const auto& [text, fault] : cases) {
    const KeptBoardRead read = ParseKeptBoard(text);
    EXPECT_FALSE(read.board) << text;
    EXPECT_NE(read.fault.find(fault), std::string::npos) << read.fault << " for\n" << text;
  }
}

TEST(KeptBoardFile, SavesLoadsAndSetsAsideReplacingTheEarlierOne) {
  testing::TempDir dir;
  KeptBoardFile file(dir.file("gorbix/board"));
  EXPECT_FALSE(file.load().board);
  EXPECT_EQ(file.load().fault, "") << "no board kept is no fault";
  const KeptBoard board{3, 12, 95, {{PlayKind::Move, {5, false}}}};
  ASSERT_FALSE(file.save(board));
  EXPECT_TRUE(file.load().board == board);

  WriteBytes(dir.file("gorbix/board.bad"), "an earlier one");
  std::filesystem::resize_file(dir.file("gorbix/board"), 100 * 1024 * 1024);
  EXPECT_NE(file.load().fault.find("larger than 256 KiB"), std::string::npos);
  ASSERT_FALSE(file.setAside());
  EXPECT_EQ(std::filesystem::file_size(dir.file("gorbix/board.bad")), 100u * 1024 * 1024);
  EXPECT_FALSE(testing::Exists(dir.file("gorbix/board")));
  EXPECT_FALSE(file.discard()) << "nothing to discard is no error";
}

}  // namespace
}  // namespace gorbix
