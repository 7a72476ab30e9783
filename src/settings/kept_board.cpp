#include "settings/kept_board.h"

#include <cerrno>
#include <charconv>
#include <cstdio>

#include "game/tiles.h"

namespace gorbix {

namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

// A line as a fault names it: short, and only printable.
std::string shown(std::string_view line) {
  std::string text;
  for (const char c : line.substr(0, 40)) text += c >= ' ' && c <= '~' ? c : '?';
  return "\"" + text + (line.size() > 40 ? "...\"" : "\"");
}

// Decimal digits only, within [low, high].
std::optional<std::int64_t> number(std::string_view text, std::int64_t low, std::int64_t high) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  std::int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < low || value > high) return std::nullopt;
  return value;
}

// "name value" with the value in [low, high].
std::optional<std::int64_t> field(std::string_view line, std::string_view name, std::int64_t low, std::int64_t high) {
  if (!line.starts_with(name) || line.size() <= name.size() || line[name.size()] != ' ') return std::nullopt;
  return number(line.substr(name.size() + 1), low, high);
}

std::optional<PlayEvent> entry(std::string_view line) {
  if (line == "hint") return PlayEvent{PlayKind::Hint, {}};
  if (line == "undo") return PlayEvent{PlayKind::Undo, {}};
  if (line == "redo") return PlayEvent{PlayKind::Redo, {}};
  const bool send = line.starts_with("send ");
  if (!send && !line.starts_with("slide ")) return std::nullopt;
  line.remove_prefix(send ? 5 : 6);
  const std::size_t space = line.find(' ');
  if (space == std::string_view::npos) return std::nullopt;
  const auto col = number(line.substr(0, space), 1, kCols);
  const auto row = number(line.substr(space + 1), 1, kRows);
  if (!col || !row) return std::nullopt;
  const int index = CellToIndex(static_cast<int>(*col), static_cast<int>(*row));
  return PlayEvent{PlayKind::Move, {static_cast<std::int8_t>(index), send}};
}

std::string entryText(const PlayEvent& event) {
  switch (event.kind) {
    case PlayKind::Hint: return "hint";
    case PlayKind::Undo: return "undo";
    case PlayKind::Redo: return "redo";
    case PlayKind::Move: break;
  }
  const Cell cell = IndexToCell(event.move.index);
  return std::string(event.move.send ? "send " : "slide ") + std::to_string(cell.col) + " " + std::to_string(cell.row);
}

}  // namespace

std::string KeptBoardText(const KeptBoard& board) {
  std::string text = std::string(kKeptBoardFormat) + " " + std::to_string(kKeptBoardVersion) + "\n";
  text += "level " + std::to_string(board.level) + "\n";
  text += "board " + std::to_string(board.boardNumber) + "\n";
  text += "score " + std::to_string(board.score) + "\n";
  for (const PlayEvent& event : board.events) text += entryText(event) + "\n";
  return text;
}

KeptBoardRead ParseKeptBoard(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);  // saved again by an editor
    lines.push_back(line);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  const std::string heading = std::string(kKeptBoardFormat) + " ";
  if (lines.empty() || !lines[0].starts_with(heading)) return {std::nullopt, "not a kept board"};
  if (lines[0] != heading + std::to_string(kKeptBoardVersion)) {
    return {std::nullopt, "format " + shown(lines[0]) + " is not version " + std::to_string(kKeptBoardVersion)};
  }
  if (lines.size() < 4) return {std::nullopt, "cut short"};
  KeptBoard board;
  const auto level = field(lines[1], "level", 1, kLevels);
  const auto number = field(lines[2], "board", 1, 2147483647);
  const auto score = field(lines[3], "score", 0, 32767);
  if (!level) return {std::nullopt, "line 2: " + shown(lines[1]) + " is not a level"};
  if (!number) return {std::nullopt, "line 3: " + shown(lines[2]) + " is not a board number"};
  if (!score) return {std::nullopt, "line 4: " + shown(lines[3]) + " is not a score"};
  board.level = static_cast<std::int16_t>(*level);
  board.boardNumber = static_cast<std::int32_t>(*number);
  board.score = static_cast<std::int16_t>(*score);
  for (std::size_t i = 4; i < lines.size(); ++i) {
    const std::optional<PlayEvent> event = entry(lines[i]);
    if (!event) return {std::nullopt, "line " + std::to_string(i + 1) + ": " + shown(lines[i]) + " is not a move"};
    board.events.push_back(*event);
  }
  return {std::move(board), {}};
}

KeptBoardFile::KeptBoardFile(std::string path) : path_(std::move(path)) {}

KeptBoardRead KeptBoardFile::load() {
  const FileRead read = files_.read(path_, kMaxKeptBoardBytes);
  switch (read.status) {
    case FileRead::kMissing: return {};
    case FileRead::kTooLarge: return {std::nullopt, "larger than " + std::to_string(kMaxKeptBoardBytes / 1024) + " KiB"};
    case FileRead::kFailed: return {std::nullopt, "cannot be read: " + read.error.message()};
    case FileRead::kOk: break;
  }
  return ParseKeptBoard(read.bytes);
}

std::error_code KeptBoardFile::save(const KeptBoard& board) {
  const std::string text = KeptBoardText(board);
  return files_.update(path_, [&text](const FileRead&) { return std::optional(text); });
}

std::error_code KeptBoardFile::discard() {
  if (std::remove(path_.c_str()) != 0 && errno != ENOENT) return lastError();
  return {};
}

std::error_code KeptBoardFile::setAside() {
  const std::string aside = path_.substr(0, path_.rfind('/') + 1) + std::string(kSetAsideName);
  if (std::rename(path_.c_str(), aside.c_str()) != 0) return lastError();
  return {};
}

}  // namespace gorbix
