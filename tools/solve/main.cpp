// gorbix-solve: reads positions, one a line, and prints the best line found
// for each. Bad lines get an "error: " line in their place.
#include <charconv>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "solver/position_text.h"
#include "solver/solver.h"

namespace {

constexpr std::string_view kUsage =
    "usage: gorbix-solve [--ms N | --nodes N]\n"
    "Reads positions from standard input, one a line: CELLS [COL ROW [SCORE]]\n"
    "  CELLS   48 tile codes in image-index order (A to `, exactly one X)\n"
    "  COL ROW the Thing's cell (default 1 1)\n"
    "  SCORE   the score now, 0 to 32767 (default 100)\n"
    "Prints for each the final score and the clicks (L or R and the image index).\n"
    "  --ms N     time budget per position in milliseconds (default 1000)\n"
    "  --nodes N  a node budget instead: the same answer on every machine\n"
    "  --help     this text\n"
    "Exit status: 0, or 2 when a line or an option was bad.\n";

bool readCount(std::string_view text, long long high, long long& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= 1 && value <= high;
}

int usageError(std::string_view what) {
  std::cerr << "gorbix-solve: " << what << "\n" << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  long long ms = 1000;
  long long nodes = 0;
  bool timeGiven = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help") {
      std::cout << kUsage;
      return 0;
    }
    const bool isMs = arg == "--ms";
    if (!isMs && arg != "--nodes") return usageError("unknown option " + std::string(arg));
    if (i + 1 >= argc) return usageError(std::string(arg) + " needs a number");
    long long value = 0;
    if (!readCount(argv[++i], isMs ? 86'400'000LL : 1'000'000'000'000LL, value)) {
      return usageError(std::string(arg) + ": expected a whole number from 1 up, got \"" + argv[i] + "\"");
    }
    (isMs ? ms : nodes) = value;
    timeGiven = timeGiven || isMs;
  }
  if (timeGiven && nodes > 0) return usageError("give either --ms or --nodes, not both");

  bool anyBad = false;
  std::string text;
  while (std::getline(std::cin, text)) {
    const gorbix::solver::ParsedPosition parsed = gorbix::solver::parsePosition(text);
    if (!parsed.ok) {
      anyBad = true;
      std::cout << "error: " << parsed.error << std::endl;
      continue;
    }
    const gorbix::solver::Budget budget = nodes > 0 ? gorbix::solver::Budget::ofNodes(nodes)
                                                    : gorbix::solver::Budget::ofTime(std::chrono::milliseconds(ms));
    std::cout << gorbix::solver::lineText(gorbix::solver::solve(parsed.position, budget)) << std::endl;
  }
  return anyBad ? 2 : 0;
}
