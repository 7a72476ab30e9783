#include "game/tiles.h"

#include <cassert>

namespace gorbix {

namespace {

// Open sides of "A".."P"; the visited forms share them, and the hole has none.
constexpr std::array<std::string_view, 16> kFreshOpenings = {
    "udlr", "udr", "udl", "ulr", "dlr", "ud", "lr", "x",  // A..H
    "ur",   "ul",  "dr",  "dl",  "lr",  "lr", "lr", "lr",  // I..P
};

}  // namespace

int CellToIndex(int col, int row) { return (row - 1) * kCols + col - 1; }

Cell IndexToCell(int index) {
  const int row = index / kCols + 1;
  const int col = index - kCols * (row - 1) + 1;
  return {static_cast<std::int16_t>(col), static_cast<std::int16_t>(row)};
}

StripCell LetterToStripCell(char code) {
  const int a = static_cast<unsigned char>(code);
  // Floor division: a code below "A" must not round towards row 1.
  const int offset = a - 65;
  const int stripRow = (offset >= 0 ? offset / 8 : (offset - 7) / 8) + 1;
  const int stripCol = a - 64 - 8 * (stripRow - 1);
  return {stripCol, stripRow};
}

bool IsTileCode(char code) { return code >= 'A' && code <= '`'; }

std::string_view TileOpenings(char code) {
  if (!IsTileCode(code)) return {};
  if (code == kHole) return "x";
  const int fresh = code <= 'P' ? code - 'A' : code - 'A' - kVisitedOffset;
  return kFreshOpenings[static_cast<std::size_t>(fresh)];
}

int TilePoints(char code) {
  if (code >= 'A' && code <= 'L' && code != kBlocker) return 5;
  switch (code) {
    case 'M': return 10;
    case 'N': return 15;
    case 'O': return 20;
    case 'P': return 25;
    default: return 0;
  }
}

}  // namespace gorbix
