#include "game/route.h"

#include <cassert>

#include "support/error_trap.h"
#include "support/text.h"

namespace gorbix {

SideText::SideText(std::string_view text) {
  assert(!text.empty() && text.size() <= chars_.size());
  size_ = static_cast<int>(text.size() < chars_.size() ? text.size() : chars_.size());
  for (int i = 0; i < size_; ++i) chars_[static_cast<std::size_t>(i)] = text[static_cast<std::size_t>(i)];
}

int SideText::find(char c) const {
  for (int i = 0; i < size_; ++i) {
    if (chars_[static_cast<std::size_t>(i)] == c) return i;
  }
  return -1;
}

void SideText::erase(int i) {
  for (int j = i; j + 1 < size_; ++j) chars_[static_cast<std::size_t>(j)] = chars_[static_cast<std::size_t>(j + 1)];
  --size_;
  if (size_ == 0) setX();
}

void SideText::upperAt(int i) {
  char& c = chars_[static_cast<std::size_t>(i)];
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
}

void SideText::toLower() {
  // Only letters are ever held, so setting the case bit lowers them all.
  for (char& c : chars_) c = static_cast<char>(c | 0x20);
}

namespace {

// The open sides of every code from "A" to the grave accent, built once.
const std::array<SideText, 32>& sidesByCode() {
  static const std::array<SideText, 32> table = [] {
    std::array<SideText, 32> sides;
    for (int i = 0; i < 32; ++i) sides[static_cast<std::size_t>(i)] = SideText(TileOpenings(static_cast<char>('A' + i)));
    return sides;
  }();
  return table;
}

}  // namespace

void ComputeOpenings(const BoardGrid& board, OpeningsGrid& openings, ErrorTrap& trap) {
  const std::array<SideText, 32>& table = sidesByCode();
  for (int col = 1; col <= kCols; ++col) {
    for (int row = 1; row <= kRows; ++row) {
      const char code = board(col, row);
      if (!IsTileCode(code)) {
        trap.TrapError("STP", std::string(1, code), true);
        continue;
      }
      openings(col, row) = table[static_cast<std::size_t>(code - 'A')];
    }
  }
}

namespace {

struct Step {
  int dCol;
  int dRow;
  char opposite;
};

Step stepOf(char direction) {
  switch (direction) {
    case 'u': return {0, -1, 'd'};
    case 'd': return {0, 1, 'u'};
    case 'l': return {-1, 0, 'r'};
    default: return {1, 0, 'l'};
  }
}

void reportForeignSide(ErrorTrap& trap, int n, int position, char c, const SideText& text) {
  std::string where = "RP-";
  where += std::to_string(n);
  where += '-';
  where += std::to_string(position);
  std::string detail = "[";
  detail += c;
  detail += "] ";
  detail += text.view();
  trap.TrapError(where, detail, true);
}

}  // namespace

void PruneCell(OpeningsGrid& openings, int col, int row, ErrorTrap& trap) {
  SideText& text = openings(col, row);
  if (text.isX()) return;
  int n = text.size();
  int i = 0;
  do {
    const char c = text[i];
    bool blocked = false;
    switch (c) {
      case 'u': blocked = row == 1 || !openings(col, row - 1).contains('d'); break;
      case 'd': blocked = row == kRows || !openings(col, row + 1).contains('u'); break;
      case 'l': blocked = col == 1 || !openings(col - 1, row).contains('r'); break;
      case 'r': blocked = col == kCols || !openings(col + 1, row).contains('l'); break;
      default:
        reportForeignSide(trap, n, i + 1, c, text);
        return;
    }
    if (blocked) {
      text.erase(i);  // becomes "x" once the last side is gone
      --n;
    } else {
      ++i;
    }
  } while (i < n);
}

void PruneOpenings(OpeningsGrid& openings, ErrorTrap& trap) {
  for (int col = 1; col <= kCols; ++col) {
    for (int row = 1; row <= kRows; ++row) PruneCell(openings, col, row, trap);
  }
}

namespace {

// The way out of a cell: towards the target horizontally, then vertically,
// then the first of u, d, l, r; only sides not yet used (lower case) count.
int chooseWayOut(const SideText& text, int col, int row, Cell target) {
  int found = -1;
  if (target.col > col) found = text.find('r');
  else if (target.col < col) found = text.find('l');
  if (found < 0) {
    if (target.row > row) found = text.find('d');
    else if (target.row < row) found = text.find('u');
  }
  for (const char c : {'u', 'd', 'l', 'r'}) {
    if (found >= 0) break;
    found = text.find(c);
  }
  return found;
}

}  // namespace

bool FindRoute(OpeningsGrid& openings, Cell from, Cell target, std::string& path) {
  for (;;) {
    path.clear();
    int col = from.col;
    int row = from.row;
    if (openings(col, row).isX()) return false;

    for (;;) {
      const SideText stepCopy = openings(col, row);
      const int leftCol = col;
      const int leftRow = row;
      const int found = chooseWayOut(stepCopy, col, row, target);
      char way = 0;

      if (found < 0) {
        openings(col, row).setX();
      } else {
        way = stepCopy[found];
        const Step step = stepOf(way);
        if (!OnBoard(col + step.dCol, row + step.dRow)) {
          // Only an unpruned grid has a side facing the edge: drop it and
          // start again, as for a dead end.
          openings(col, row).erase(found);
          for (SideText& text : openings) text.toLower();
          break;
        }
        path.push_back(way);
        openings(col, row).upperAt(found);
        col += step.dCol;
        row += step.dRow;
        SideText& entered = openings(col, row);
        const int back = entered.find(step.opposite);
        if (back >= 0) entered.upperAt(back);
      }

      if (col == target.col && row == target.row) return true;
      if (openings(col, row).size() == 1) {
        openings(col, row).setX();
        if (way != 0) {
          SideText restored = stepCopy;
          restored.erase(found);
          openings(leftCol, leftRow) = restored;
        }
        for (SideText& text : openings) text.toLower();
        break;  // start again from the Thing's cell
      }
    }
  }
}

}  // namespace gorbix
