// The unfinished board kept between runs: a small text file in the
// player's data folder, written whole through the locked atomic update,
// and never trusted when read.
//
//   gorbix kept board 1
//   level 7
//   board 1234567
//   score 80
//   slide 3 2      a left click on column 3, row 2
//   send 8 4       a right click there
//   hint           a hint paid for
//   undo
//   redo
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "game/move_history.h"
#include "settings/file_system.h"

namespace gorbix {

inline constexpr std::string_view kKeptBoardFormat = "gorbix kept board";
inline constexpr int kKeptBoardVersion = 1;
inline constexpr std::string_view kKeptBoardName = "board";
inline constexpr std::string_view kSetAsideName = "board.bad";
// Some 30,000 entries: more than a level is ever played for.
inline constexpr std::size_t kMaxKeptBoardBytes = 256 * 1024;

struct KeptBoard {
  std::int16_t level = 1;
  std::int32_t boardNumber = 1;
  std::int16_t score = 0;
  std::vector<PlayEvent> events;
  friend bool operator==(const KeptBoard&, const KeptBoard&) = default;
};

std::string KeptBoardText(const KeptBoard& board);

// The board, or why the text holds none.
struct KeptBoardRead {
  std::optional<KeptBoard> board;
  std::string fault;
};
KeptBoardRead ParseKeptBoard(std::string_view text);

// The file `path` (its folder is created on the first save).
class KeptBoardFile {
 public:
  explicit KeptBoardFile(std::string path);
  const std::string& path() const { return path_; }

  // No file: neither a board nor a fault. A file that cannot be read or
  // parsed has its fault; setAside() is then the caller's to call.
  KeptBoardRead load();
  std::error_code save(const KeptBoard& board);
  // Removes the file; a missing one is no error.
  std::error_code discard();
  // Renames the file to kSetAsideName beside it, replacing an earlier one.
  std::error_code setAside();

 private:
  std::string path_;
  PosixFileSystem files_;
};

}  // namespace gorbix
