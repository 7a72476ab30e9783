// The record of levels played: one line of text a level, added to a file in
// the player's data folder, and read back line by line, skipping every line
// that does not check out.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "settings/file_system.h"

namespace gorbix {

struct LevelRecord {
  std::int64_t time = 0;  // when the level ended or was left, in seconds since 1970 (UTC)
  std::int16_t level = 1;
  std::int32_t board = 1;
  std::int16_t score = 0;  // the final score, or the score when the level was left
  bool finished = false;
  std::int32_t moves = 0;  // slides and sends
  std::int32_t slides = 0;
  std::int32_t hints = 0;
  std::int32_t undos = 0;
  std::int32_t seconds = 0;
  std::optional<std::int16_t> bestLine;  // the best line's score for the board, when known

  friend bool operator==(const LevelRecord&, const LevelRecord&) = default;
};

// The file's first line: the format and its version, and the fields of a line.
inline constexpr std::string_view kRecordHeader =
    "gorbix record 1: time level board score finished|left moves slides hints undos seconds best-line\n";

// One line, ending in a line break.
std::string formatRecord(const LevelRecord& record);
// A line without its line break; nothing when any field is missing, extra
// or out of range.
std::optional<LevelRecord> parseRecord(std::string_view line);

struct RecordScan {
  std::size_t read = 0;     // good lines handed on
  std::size_t skipped = 0;  // lines that did not parse, a line cut short by a kill among them
  bool failed = false;      // the file is there but cannot be read (or is no regular file)
};

// Reads the record at path, handing each good line to `each` in the order
// they were written. A missing file is an empty record. No line is held
// whole past a few hundred bytes, so a file of any size or any content
// reads in bounded memory. cancel, when set, stops the reading early.
RecordScan scanRecordFile(const std::string& path, const std::function<void(const LevelRecord&)>& each,
                          const std::atomic<bool>* cancel = nullptr);

// Adds one line under the folder's lock, creating the folder and the file.
std::error_code appendRecord(PosixFileSystem& files, const std::string& path, const LevelRecord& record);
// Empties the record under the same lock; the file keeps its first line.
std::error_code clearRecord(PosixFileSystem& files, const std::string& path);

}  // namespace gorbix
