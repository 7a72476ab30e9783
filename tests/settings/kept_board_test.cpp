// The kept board's text reads back as it was written. (What start-up does
// with a file that does not check out is the app's test.)
#include <gtest/gtest.h>

#include "settings/kept_board.h"

namespace gorbix {
namespace {

TEST(KeptBoard, EveryKindOfEntryReadsBackAsWrittenAlsoWithCarriageReturns) {
  const KeptBoard board{7, 2147483647, 80,
                        {{PlayKind::Move, {0, false}}, {PlayKind::Hint, {}}, {PlayKind::Move, {47, true}},
                         {PlayKind::Undo, {}}, {PlayKind::Redo, {}}}};
  const std::string text = KeptBoardText(board);
  EXPECT_EQ(text, "gorbix kept board 1\nlevel 7\nboard 2147483647\nscore 80\nslide 1 1\nhint\nsend 8 6\nundo\nredo\n");
  std::string crlf;
  for (const char c : text) crlf += c == '\n' ? "\r\n" : std::string(1, c);
  for (const std::string& t : {text, crlf}) EXPECT_TRUE(ParseKeptBoard(t).board == board);
}

}  // namespace
}  // namespace gorbix
