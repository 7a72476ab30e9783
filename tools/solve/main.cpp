// gorbix-solve: reads positions, one a line, and prints the best line found
// for each. Bad lines get an "error: " line in their place. A failed read or
// write ends it at once: answers that never arrived must not pass for a
// success.
#include <charconv>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "line_reader.h"
#include "solver/position_text.h"
#include "solver/solver.h"

namespace {

using gorbix::solve::LineReader;
using gorbix::solve::writeAll;

static_assert(LineReader::kLongestLine == 4096, "the usage text names the bound");
constexpr std::string_view kUsage =
    "usage: gorbix-solve [--ms N | --nodes N]\n"
    "Reads positions from standard input, one a line: CELLS [COL ROW [SCORE]]\n"
    "  CELLS   48 tile codes in image-index order (A to `, exactly one X)\n"
    "  COL ROW the Thing's cell (default 1 1)\n"
    "  SCORE   the score now, 0 to 32767 (default 100)\n"
    "Prints for each the final score and the clicks (L or R and the image index).\n"
    "A line of over 4096 characters (a run of blanks counts as one) is too long.\n"
    "  --ms N     time budget per position in milliseconds, 1 to 86,400,000\n"
    "             (default 1000)\n"
    "  --nodes N  a node budget instead, 1 to 10^12: the same answer on every machine\n"
    "  --help     this text\n"
    "Exit status: 0, or 2 when a line or an option was bad or a read or write failed.\n";

struct Range {
  long long high;
  std::string_view text;
};
constexpr Range kMsRange{86'400'000LL, "1 to 86,400,000"};
constexpr Range kNodesRange{1'000'000'000'000LL, "1 to 10^12"};

bool readCount(std::string_view text, long long high, long long& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= 1 && value <= high;
}

int usageError(const std::string& what) {
  writeAll(2, "gorbix-solve: " + what + "\n" + std::string(kUsage));
  return 2;
}

[[noreturn]] void failed(std::string_view what) {
  writeAll(2, "gorbix-solve: " + std::string(what) + ": " + std::strerror(errno) + "\n");
  std::exit(2);
}

void put(const std::string& text) {
  if (!writeAll(1, text)) failed("cannot write standard output");
}

}  // namespace

int main(int argc, char** argv) {
  long long ms = 1000;
  long long nodes = 0;
  bool timeGiven = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help") {
      put(std::string(kUsage));
      return 0;
    }
    const bool isMs = arg == "--ms";
    if (!isMs && arg != "--nodes") return usageError("unknown option " + std::string(arg));
    if (i + 1 >= argc) return usageError(std::string(arg) + " needs a number");
    const Range range = isMs ? kMsRange : kNodesRange;
    long long value = 0;
    if (!readCount(argv[++i], range.high, value)) {
      return usageError(std::string(arg) + ": expected a whole number from " + std::string(range.text) + ", got \"" +
                        argv[i] + "\"");
    }
    (isMs ? ms : nodes) = value;
    timeGiven = timeGiven || isMs;
  }
  if (timeGiven && nodes > 0) return usageError("give either --ms or --nodes, not both");

  bool anyBad = false;
  LineReader reader(0);
  std::string text;
  for (;;) {
    const LineReader::Got got = reader.next(text);
    if (got == LineReader::Got::End) break;
    if (got == LineReader::Got::Failed) failed("cannot read standard input");
    if (got == LineReader::Got::TooLong) {
      anyBad = true;
      put("error: line too long\n");
      continue;
    }
    const gorbix::solver::ParsedPosition parsed = gorbix::solver::parsePosition(text);
    if (!parsed.ok) {
      anyBad = true;
      put("error: " + parsed.error + "\n");
      continue;
    }
    const gorbix::solver::Budget budget = nodes > 0 ? gorbix::solver::Budget::ofNodes(nodes)
                                                    : gorbix::solver::Budget::ofTime(std::chrono::milliseconds(ms));
    put(gorbix::solver::lineText(gorbix::solver::solve(parsed.position, budget)) + "\n");
  }
  return anyBad ? 2 : 0;
}
