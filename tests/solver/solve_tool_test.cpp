// gorbix-solve as a player runs it: lines in, one answer a line out.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "positions.h"
#include "solver/position_text.h"

namespace gorbix::solver {
namespace {

struct ToolRun {
  int status = -1;
  std::vector<std::string> lines;
  std::string errors;
};

std::string slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class SolveTool : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("gorbix-solve-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  ToolRun run(const std::string& options, const std::string& input) {
    {
      std::ofstream in(dir_ / "in", std::ios::binary);
      in << input;
    }
    const std::string command = std::string("'") + GORBIX_SOLVE_PATH + "' " + options + " < '" + (dir_ / "in").string() +
                                "' > '" + (dir_ / "out").string() + "' 2> '" + (dir_ / "err").string() + "'";
    ToolRun result;
    const int raw = std::system(command.c_str());
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::istringstream out(slurp(dir_ / "out"));
    for (std::string line; std::getline(out, line);) result.lines.push_back(line);
    result.errors = slurp(dir_ / "err");
    return result;
  }

  std::filesystem::path dir_;
};

const std::string kCells = "QGGGGGGLFHHHHHHFFHHHHHHFFHHHHHHFFHHHHHHFIGGGGGGX";

TEST_F(SolveTool, AnswersEveryLineInPlaceAndExits2AfterABadOne) {
  std::mt19937_64 dice(5);
  const Position played = testing::playedPosition(dice, 12);
  const std::string input = positionText(played) + "\n" + "garbage\n" + kCells + " 8 6\n" + "\n" + kCells + "\n";
  const ToolRun r = run("--nodes 2000", input);
  EXPECT_EQ(r.status, 2);
  ASSERT_EQ(r.lines.size(), 5u);
  EXPECT_EQ(r.lines[0], lineText(solve(played, Budget::ofNodes(2000))));
  EXPECT_EQ(r.lines[1], "error: CELLS: expected 48 tile codes, got 7 characters");
  EXPECT_EQ(r.lines[2], "error: COL ROW: the Thing cannot stand on the hole");
  EXPECT_EQ(r.lines[3], "error: empty line: expected CELLS [COL ROW [SCORE]]");
  EXPECT_EQ(r.lines[4], lineText(solve(parsePosition(kCells).position, Budget::ofNodes(2000))));
  EXPECT_TRUE(r.errors.empty()) << r.errors;
}

TEST_F(SolveTool, GoodInputExits0AndAThingAtHomeGivesTheScoreAlone) {
  std::string cells = kCells;
  cells[47] = 'W';
  cells[20] = 'X';
  const ToolRun r = run("--nodes 500", cells + " 8 6 250\n" + kCells + " 1 1 0");  // no final line break
  EXPECT_EQ(r.status, 0);
  ASSERT_EQ(r.lines.size(), 2u);
  EXPECT_EQ(r.lines[0], "250");
  EXPECT_FALSE(r.lines[1].starts_with("error")) << r.lines[1];
}

TEST_F(SolveTool, NodeBudgetGivesTheSameAnswerOnEveryRun) {
  std::mt19937_64 dice(9);
  std::string input;
  for (int n = 0; n < 3; ++n) input += positionText(testing::playedPosition(dice, static_cast<std::int16_t>(5 + 10 * n))) + "\n";
  const ToolRun first = run("--nodes 30000", input);
  const ToolRun second = run("--nodes 30000", input);
  EXPECT_EQ(first.status, 0);
  ASSERT_EQ(first.lines.size(), 3u);
  EXPECT_EQ(first.lines, second.lines);
}

TEST_F(SolveTool, TimeBudgetAnswersWithAWinningLine) {
  const ToolRun r = run("--ms 30", kCells + "\n");
  EXPECT_EQ(r.status, 0);
  ASSERT_EQ(r.lines.size(), 1u);
  EXPECT_FALSE(r.lines[0].starts_with("error"));
}

TEST_F(SolveTool, OptionsTable) {
  struct Case {
    std::string options;
    int status;
    std::string errorStart;  // of standard error; empty for none
  };
  const Case table[] = {
      {"--help", 0, ""},
      {"--nodes", 2, "gorbix-solve: --nodes needs a number"},
      {"--ms 0", 2, "gorbix-solve: --ms: expected a whole number from 1 to 86,400,000, got \"0\""},
      {"--ms -5", 2, "gorbix-solve: --ms: expected a whole number from 1 to 86,400,000, got \"-5\""},
      {"--ms 86400001", 2, "gorbix-solve: --ms: expected a whole number from 1 to 86,400,000, got \"86400001\""},
      {"--nodes 12x", 2, "gorbix-solve: --nodes: expected a whole number from 1 to 10^12, got \"12x\""},
      {"--nodes 1000000000001", 2, "gorbix-solve: --nodes: expected a whole number from 1 to 10^12, got \"1000000000001\""},
      {"--ms 10 --nodes 10", 2, "gorbix-solve: give either --ms or --nodes, not both"},
      {"--fast", 2, "gorbix-solve: unknown option --fast"},
  };
  for (const Case& c : table) {
    const ToolRun r = run(c.options, kCells + "\n");
    EXPECT_EQ(r.status, c.status) << c.options;
    if (c.errorStart.empty()) {
      EXPECT_TRUE(r.errors.empty()) << c.options;
      ASSERT_FALSE(r.lines.empty());
      EXPECT_TRUE(r.lines[0].starts_with("usage: gorbix-solve")) << c.options;
    } else {
      EXPECT_TRUE(r.errors.starts_with(c.errorStart)) << c.options << ": " << r.errors;
      EXPECT_TRUE(r.lines.empty()) << c.options << ": nothing solved after a bad option";
    }
  }
}

TEST_F(SolveTool, BinaryJunkNeitherCrashesNorHangs) {
  std::string junk;
  std::mt19937_64 dice(3);
  for (int i = 0; i < 4000; ++i) junk.push_back(static_cast<char>(dice() % 256));
  junk += "\n" + kCells + std::string(100000, ' ') + "1 1\n";
  const ToolRun r = run("--nodes 200", junk);
  EXPECT_EQ(r.status, 2);
  ASSERT_FALSE(r.lines.empty());
  EXPECT_FALSE(r.lines.back().starts_with("error")) << "the long but good last line";
  for (std::size_t i = 0; i + 1 < r.lines.size(); ++i) EXPECT_TRUE(r.lines[i].starts_with("error: ")) << i;
}

// Input that never ends shows that the tool stops at the failure rather than
// at the end of its input; `timeout` only ends a run that would never stop.
TEST_F(SolveTool, EveryFailedReadOrWriteEndsItAtOnceWithTheSystemsReason) {
  const std::string out = std::string("cannot write standard output: ");
  const std::string in = std::string("cannot read standard input: ");
  const struct {
    std::string command;
    std::string reason;
  } table[] = {
      {"yes \"$CELLS\" | timeout 20 \"$S\" --nodes 1000 > /dev/full", out + std::strerror(ENOSPC)},
      {"\"$S\" --help > /dev/full", out + std::strerror(ENOSPC)},
      {"yes \"$CELLS\" | timeout 20 \"$S\" --nodes 1000 >&-", out + std::strerror(EBADF)},
      {"\"$S\" --nodes 1000 <&-", in + std::strerror(EBADF)},
      {"\"$S\" --nodes 1000 < .", in + std::strerror(EISDIR)},
      {"yes \"$CELLS\" | { trap '' PIPE; timeout 20 \"$S\" --nodes 1000; echo $? > status; } | head -n 1 > /dev/null;"
       " exit $(cat status)",
       out + std::strerror(EPIPE)},
  };
  ::setenv("S", GORBIX_SOLVE_PATH, 1);
  ::setenv("CELLS", kCells.c_str(), 1);
  for (const auto& c : table) {
    const int raw = std::system(("cd '" + dir_.string() + "' && { " + c.command + "; } 2> err").c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 2) << c.command;
    EXPECT_EQ(slurp(dir_ / "err"), "gorbix-solve: " + c.reason + "\n") << c.command;
  }
}

// Fed through a pipe under an address space limit of its own, as it would
// take a line held whole; its peak memory is read once it has answered.
TEST_F(SolveTool, AHundredMegabyteLineIsAnsweredTooLongInBoundedMemoryAndTheNextSolved) {
  int in[2];
  int out[2];
  ASSERT_EQ(::pipe2(in, O_CLOEXEC), 0);
  ASSERT_EQ(::pipe2(out, O_CLOEXEC), 0);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(in[0], 0);
    ::dup2(out[1], 1);
#ifndef __SANITIZE_ADDRESS__  // whose shadow memory takes far more address space
    const rlimit space{1'000'000'000, 1'000'000'000};
    ::setrlimit(RLIMIT_AS, &space);
#endif
    ::execl(GORBIX_SOLVE_PATH, GORBIX_SOLVE_PATH, "--nodes", "1000", nullptr);
    ::_exit(127);
  }
  ::close(in[0]);
  ::close(out[1]);
  const auto oldPipe = std::signal(SIGPIPE, SIG_IGN);  // a tool that died fails the test, not the run
  std::string block;
  while (block.size() < (1u << 20)) block += "A ";
  bool fed = true;
  for (int i = 0; i < 100 && fed; ++i) fed = ::write(in[1], block.data(), block.size()) == ssize_t(block.size());
  const std::string next = "\n" + kCells + "\n";
  fed = fed && ::write(in[1], next.data(), next.size()) == ssize_t(next.size());
  std::string answers;
  char buffer[256];
  for (ssize_t got = 1; got > 0 && std::count(answers.begin(), answers.end(), '\n') < 2;) {
    got = ::read(out[0], buffer, sizeof buffer);
    if (got > 0) answers.append(buffer, static_cast<std::size_t>(got));
  }
  const std::string status = slurp("/proc/" + std::to_string(pid) + "/status");
  ::close(in[1]);
  ::close(out[0]);
  int raw = 0;
  ::waitpid(pid, &raw, 0);
  std::signal(SIGPIPE, oldPipe);
  EXPECT_TRUE(fed);
  EXPECT_EQ(answers, "error: line too long\n" + lineText(solve(parsePosition(kCells).position, Budget::ofNodes(1000))) + "\n");
  EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 2);
  const std::size_t peak = status.find("VmHWM:");
  ASSERT_NE(peak, std::string::npos);
  EXPECT_LT(std::stol(status.substr(peak + 6)), 64 * 1024) << "kB at its peak";
}

}  // namespace
}  // namespace gorbix::solver
