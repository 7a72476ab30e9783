#include "solver/position_text.h"

#include <charconv>
#include <vector>

namespace gorbix::solver {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::vector<std::string_view> fieldsOf(std::string_view text) {
  std::vector<std::string_view> fields;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && isBlank(text[i])) ++i;
    const std::size_t start = i;
    while (i < text.size() && !isBlank(text[i])) ++i;
    if (i > start) fields.push_back(text.substr(start, i - start));
  }
  return fields;
}

// Shows a field the way the user typed it, cut short and with controls escaped.
std::string quoted(std::string_view field) {
  constexpr std::size_t kShown = 20;
  std::string text = "\"";
  for (std::size_t i = 0; i < field.size() && i < kShown; ++i) {
    const auto c = static_cast<unsigned char>(field[i]);
    if (c < 0x20 || c >= 0x7F) {
      constexpr char kHex[] = "0123456789abcdef";
      text += "\\x";
      text += kHex[c >> 4];
      text += kHex[c & 15];
    } else {
      text += static_cast<char>(c);
    }
  }
  if (field.size() > kShown) text += "...";
  return text + "\"";
}

bool readNumber(std::string_view field, int low, int high, int& value) {
  int n = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), n);
  if (error != std::errc() || end != field.data() + field.size() || n < low || n > high) return false;
  value = n;
  return true;
}

ParsedPosition failed(std::string error) { return {false, {}, std::move(error)}; }

}  // namespace

ParsedPosition parsePosition(std::string_view text) {
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  const std::vector<std::string_view> fields = fieldsOf(text);
  if (fields.empty()) return failed("empty line: expected CELLS [COL ROW [SCORE]]");
  if (fields.size() == 2) return failed("ROW: missing, expected a row from 1 to 6 after the column");
  if (fields.size() > 4) {
    return failed("too many fields: expected CELLS [COL ROW [SCORE]], got " + std::to_string(fields.size()) + " fields");
  }

  const std::string_view cellsText = fields[0];
  if (cellsText.size() != static_cast<std::size_t>(kCells)) {
    return failed("CELLS: expected 48 tile codes, got " + std::to_string(cellsText.size()) + " characters");
  }
  std::array<char, kCells> cells{};
  int holes = 0;
  for (int i = 0; i < kCells; ++i) {
    const char c = cellsText[static_cast<std::size_t>(i)];
    if (!IsTileCode(c)) {
      return failed("CELLS: code " + std::to_string(i + 1) + " is " + quoted(cellsText.substr(static_cast<std::size_t>(i), 1)) +
                    ", expected a tile code from A to ` (X for the hole)");
    }
    holes += c == kHole;
    cells[static_cast<std::size_t>(i)] = c;
  }
  if (holes != 1) return failed("CELLS: expected exactly one X (the hole), got " + std::to_string(holes));

  int col = kStartCell.col;
  int row = kStartCell.row;
  int score = 100;
  if (fields.size() >= 3) {
    if (!readNumber(fields[1], 1, kCols, col)) return failed("COL: expected a column from 1 to 8, got " + quoted(fields[1]));
    if (!readNumber(fields[2], 1, kRows, row)) return failed("ROW: expected a row from 1 to 6, got " + quoted(fields[2]));
  }
  if (fields.size() == 4 && !readNumber(fields[3], 0, kMaxScore, score)) {
    return failed("SCORE: expected a score from 0 to 32767, got " + quoted(fields[3]));
  }

  ParsedPosition parsed;
  switch (makePosition(cells, CellToIndex(col, row), score, parsed.position)) {
    case PositionFault::None: parsed.ok = true; return parsed;
    case PositionFault::ThingOnHole: return failed("COL ROW: the Thing cannot stand on the hole");
    case PositionFault::ThingOnBlocker: return failed("COL ROW: the Thing cannot stand on a blocker (H)");
    default: return failed("CELLS: not a position of the game");  // every other fault is caught above
  }
}

std::string positionText(const Position& p) {
  const Cell thing = IndexToCell(p.thing);
  return std::string(p.cells.data(), p.cells.size()) + " " + std::to_string(thing.col) + " " +
         std::to_string(thing.row) + " " + std::to_string(p.score);
}

std::string lineText(const Line& line) {
  std::string text = std::to_string(line.score);
  for (const Click c : line.clicks) {
    text += c.right ? " R" : " L";
    text += std::to_string(c.index);
  }
  return text;
}

}  // namespace gorbix::solver
