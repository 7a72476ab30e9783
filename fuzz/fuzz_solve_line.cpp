// Feeds arbitrary bytes to gorbix-solve's line reader. A line it takes must
// print back to itself and solve to a winning line; a line it refuses must
// say which field was wrong.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "solver/position_text.h"
#include "solver/rules.h"
#include "solver/solver.h"

namespace {

void check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

bool namesAField(std::string_view error) {
  for (const std::string_view start : {"CELLS: ", "COL: ", "ROW: ", "SCORE: ", "COL ROW: ", "empty line: ", "too many fields: "}) {
    if (error.starts_with(start)) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace gorbix::solver;
  const std::string_view line(reinterpret_cast<const char*>(bytes), size);
  const ParsedPosition parsed = parsePosition(line);
  if (!parsed.ok) {
    check(namesAField(parsed.error), "a refusal names the field");
    check(parsed.error.find('\n') == std::string::npos, "a refusal is one line");
    return 0;
  }
  check(parsed.error.empty(), "no error text for a good line");
  const ParsedPosition again = parsePosition(positionText(parsed.position));
  check(again.ok && again.position == parsed.position, "a position prints back to itself");

  // A few nodes are enough to reach the ferry and the first beam steps.
  const Line solved = solve(parsed.position, Budget::ofNodes(40));
  Position p = parsed.position;
  Outcome outcome = p.thing == kGoalIndex ? Outcome::Ended : Outcome::Moved;
  for (const Click c : solved.clicks) {
    check(outcome != Outcome::Ended, "no click after the end");
    check(!(c.right && c.index == p.thing), "no right click on the Thing");
    outcome = play(p, c);
    check(outcome != Outcome::Refused, "no refused click");
  }
  check(outcome == Outcome::Ended && p.score == solved.score, "the line ends the level with its score");
  return 0;
}
