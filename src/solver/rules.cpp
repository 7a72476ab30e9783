#include "solver/rules.h"

#include <algorithm>
#include <bit>

namespace gorbix::solver {

namespace {

constexpr std::uint64_t kFirstColumn = 0x0101010101010101ULL & ((1ULL << kCells) - 1);
constexpr std::uint64_t kLastColumn = kFirstColumn << (kCols - 1);

// The open sides of "A".."P"; a visited form has its fresh tile's, and the
// hole ("H" + 16) has none.
constexpr std::array<std::uint8_t, 32> kSidesByCode = [] {
  constexpr std::uint8_t fresh[16] = {
      kUp | kDown | kLeft | kRight, kUp | kDown | kRight, kUp | kDown | kLeft, kUp | kLeft | kRight,  // A..D
      kDown | kLeft | kRight,       kUp | kDown,          kLeft | kRight,       0,                     // E..H
      kUp | kRight,                 kUp | kLeft,          kDown | kRight,       kDown | kLeft,         // I..L
      kLeft | kRight,               kLeft | kRight,       kLeft | kRight,       kLeft | kRight,        // M..P
  };
  std::array<std::uint8_t, 32> table{};
  for (int i = 0; i < 16; ++i) {
    table[static_cast<std::size_t>(i)] = fresh[i];
    table[static_cast<std::size_t>(i + kVisitedOffset)] = fresh[i];
  }
  table[static_cast<std::size_t>(kHole - 'A')] = 0;
  return table;
}();

// Sides in a cell, by its four bits (a table: no popcount instruction is assumed).
constexpr std::array<std::uint8_t, 16> kSideCount = {0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4};

constexpr int stepOf(std::uint8_t side) {
  switch (side) {
    case kUp: return -kCols;
    case kDown: return kCols;
    case kLeft: return -1;
    default: return 1;
  }
}

constexpr std::uint8_t oppositeOf(std::uint8_t side) {
  switch (side) {
    case kUp: return kDown;
    case kDown: return kUp;
    case kLeft: return kRight;
    default: return kLeft;
  }
}

// Towards the target horizontally, then vertically, then the first of u, d, l, r.
std::uint8_t chooseWayOut(std::uint8_t free, int index, int target) {
  const int col = index % kCols;
  const int row = index / kCols;
  const int targetCol = target % kCols;
  const int targetRow = target / kCols;
  std::uint8_t found = 0;
  if (targetCol > col) found = free & kRight;
  else if (targetCol < col) found = free & kLeft;
  if (found == 0) {
    if (targetRow > row) found = free & kDown;
    else if (targetRow < row) found = free & kUp;
  }
  if (found == 0) found = static_cast<std::uint8_t>(free & -free);
  return found;
}

void addScore(Position& p, int amount) { p.score = static_cast<std::int16_t>(std::clamp(p.score + amount, 0, kMaxScore)); }

}  // namespace

Openings::Openings(const std::array<char, kCells>& cells) {
  // Eight cells at a time: the side bits of their codes, one byte a cell,
  // gathered into a byte of each direction's mask by one multiplication.
  std::uint64_t up = 0;
  std::uint64_t down = 0;
  std::uint64_t left = 0;
  std::uint64_t right = 0;
  constexpr std::uint64_t kLowBits = 0x0101010101010101ULL;
  constexpr std::uint64_t kGather = 0x0102040810204080ULL;
  for (int row = 0; row < kRows; ++row) {
    std::uint64_t bytes = 0;
    for (int col = 0; col < kCols; ++col) {
      const auto code = static_cast<unsigned>(cells[static_cast<std::size_t>(row * kCols + col)] - 'A');
      const std::uint64_t s = code < kSidesByCode.size() ? kSidesByCode[code] : 0;
      bytes |= s << (8 * col);
    }
    const int shift = row * kCols;
    up |= ((((bytes >> 0) & kLowBits) * kGather) >> 56) << shift;
    down |= ((((bytes >> 1) & kLowBits) * kGather) >> 56) << shift;
    left |= ((((bytes >> 2) & kLowBits) * kGather) >> 56) << shift;
    right |= ((((bytes >> 3) & kLowBits) * kGather) >> 56) << shift;
  }
  // A side stays when the neighbour it faces has the partner side. The
  // game's one sweep in place comes to the same: a side is only removed when
  // its partner was missing from the start.
  up_ = up & (down << kCols);
  down_ = down & (up >> kCols);
  left_ = left & (right << 1) & ~kFirstColumn;
  right_ = right & (left >> 1) & ~kLastColumn;
}

std::array<std::uint8_t, kCells> Openings::sideGrid() const {
  std::array<std::uint8_t, kCells> grid;
  for (int i = 0; i < kCells; ++i) {
    grid[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(((up_ >> i) & 1) | (((down_ >> i) & 1) << 1) |
                                                                  (((left_ >> i) & 1) << 2) | (((right_ >> i) & 1) << 3));
  }
  return grid;
}

std::uint64_t Openings::component(int from) const {
  if (from == componentOf_) return component_;
  std::uint64_t reached = 1ULL << from;
  for (;;) {
    const std::uint64_t next = reached | ((reached & up_) >> kCols) | ((reached & down_) << kCols) |
                               ((reached & left_) >> 1) | ((reached & right_) << 1);
    if (next == reached) break;
    reached = next;
  }
  componentOf_ = from;
  component_ = reached;
  return reached;
}

bool Openings::findRoute(int from, int target, Route& route) const {
  route.length = 0;
  // The walk only ever crosses pruned sides, so a target off the Thing's
  // track is refused after however many restarts: answer at once.
  if (((component(from) >> target) & 1) == 0) return false;
  // Low nibble: the sides left; high nibble: the sides this attempt used
  // (the game's upper-case letters).
  if (!gridBuilt_) {
    grid_ = sideGrid();
    gridBuilt_ = true;
  }
  std::array<std::uint8_t, kCells> grid = grid_;
  for (;;) {
    route.length = 0;
    int here = from;
    if (grid[static_cast<std::size_t>(from)] == 0) return false;
    for (;;) {
      const std::uint8_t stepCopy = grid[static_cast<std::size_t>(here)];
      const int left = here;
      const std::uint8_t way = chooseWayOut(static_cast<std::uint8_t>(stepCopy & 0x0F & ~(stepCopy >> 4)), here, target);
      if (way == 0) {
        grid[static_cast<std::size_t>(here)] = 0;
      } else {
        route.steps[static_cast<std::size_t>(route.length++)] = way;
        grid[static_cast<std::size_t>(here)] |= static_cast<std::uint8_t>(way << 4);
        here += stepOf(way);
        std::uint8_t& entered = grid[static_cast<std::size_t>(here)];
        const std::uint8_t back = oppositeOf(way);
        if (entered & back) entered |= static_cast<std::uint8_t>(back << 4);
      }
      if (here == target) return true;
      if (kSideCount[grid[static_cast<std::size_t>(here)] & 0x0F] <= 1) {
        // A dead end: close it, take from the cell left the side that led
        // in, forget this attempt's marks and start again.
        grid[static_cast<std::size_t>(here)] = 0;
        if (way != 0) grid[static_cast<std::size_t>(left)] = static_cast<std::uint8_t>(stepCopy & 0x0F & ~way);
        for (std::uint8_t& cell : grid) cell &= 0x0F;
        break;
      }
    }
  }
}

void placeThing(Position& p, int index) {
  p.thing = static_cast<std::int8_t>(index);
  char& c = p.cells[static_cast<std::size_t>(index)];
  if (c >= 'A' && c <= 'L' && c != kBlocker) {
    const int points = TilePoints(c);
    c = static_cast<char>(c + kVisitedOffset);
    addScore(p, points);
  } else if (IsBonus(c)) {
    addScore(p, TilePoints(c));
    c = kTakenBonus;
  }
}

Outcome slide(Position& p, int index) {
  const int hole = p.hole;
  int step = 0;
  if (index != hole && index / kCols == hole / kCols) step = index > hole ? 1 : -1;
  else if (index != hole && index % kCols == hole % kCols) step = index > hole ? kCols : -kCols;
  if (step == 0) return Outcome::Refused;

  addScore(p, -5);
  bool carried = false;
  for (int at = hole; at != index;) {
    const int next = at + step;
    p.cells[static_cast<std::size_t>(at)] = p.cells[static_cast<std::size_t>(next)];
    p.cells[static_cast<std::size_t>(next)] = kHole;
    p.hole = static_cast<std::int8_t>(next);
    if (!carried && p.thing == next) {
      placeThing(p, at);
      carried = true;
    }
    // The goal is checked after every single shift, even when the Thing
    // stood on it before the slide.
    if (p.thing == kGoalIndex) return Outcome::Ended;
    at = next;
  }
  return Outcome::Moved;
}

Outcome walk(Position& p, const Route& route) {
  int here = p.thing;
  for (int i = 0; i < route.length; ++i) {
    here += stepOf(route.steps[static_cast<std::size_t>(i)]);
    placeThing(p, here);
    if (here == kGoalIndex) return Outcome::Ended;
  }
  return Outcome::Moved;
}

Outcome send(Position& p, const Openings& openings, int index) {
  if (p.cells[static_cast<std::size_t>(index)] == kHole) return Outcome::Refused;
  Route route;
  if (!openings.findRoute(p.thing, index, route)) return Outcome::Refused;
  return walk(p, route);
}

Outcome send(Position& p, int index) { return send(p, Openings(p.cells), index); }

Outcome play(Position& p, Click click) { return click.right ? send(p, click.index) : slide(p, click.index); }

}  // namespace gorbix::solver
