// The unfinished board kept across a logout: the real game on a private X
// server, sound server and accessibility bus, played by keys and read as a
// screen reader reads it.
#include <gtest/gtest.h>

#include <csignal>
#include <sstream>
#include <thread>

#include "accessibility_bus.h"

namespace gorbix::e2e {
namespace {

using std::chrono::milliseconds;

constexpr milliseconds kRunLimit{60000};

// Each cell's name and description in order, and the score, once a whole
// board shows `score` (or after ~30 s).
struct Seen {
  std::vector<std::string> cells;
  std::string score;
};
Seen lookFor(const AccessibilityBus& bus, const std::string& score) {
  Seen seen;
  for (int i = 0; i < 60 && !(seen.cells.size() == 48 && seen.score == score); ++i) {
    std::this_thread::sleep_for(milliseconds(i > 0 ? 500 : 0));
    seen = {};
    std::istringstream lines(
        runCommand({"/usr/bin/python3", GORBIX_READ_ACCESSIBLE}, bus.clientEnv(), milliseconds(20000)).value_or(""));
    for (std::string line; std::getline(lines, line);) {
      // Whether the keyboard cursor is on a cell is no part of the board.
      if (line.starts_with("cell\t")) seen.cells.push_back(line.substr(5, line.rfind('\t') - 5));
      if (line.starts_with("value\tScore\t")) seen.score = line.substr(12, line.find('\t', 12) - 12);
    }
  }
  return seen;
}

TEST(KeepBoard, ThreeMovesOutliveSigtermAndCtrlZThenTakesBackTheThird) {
  XServer x;
  ASSERT_TRUE(x.ready());
  PulseServer pulse;
  ASSERT_TRUE(pulse.ready()) << pulse.log();
  AccessibilityBus bus(x);
  ASSERT_TRUE(bus.ready()) << bus.log();
  ProgramRunner game;
  game.writeIni("[Play]\nKeepBoard=Y\n");
  game.setEnv("QT_QPA_PLATFORM", "xcb");
  game.setEnv("PULSE_SERVER", pulse.address());
  game.setEnv("XDG_DATA_HOME", (game.folder() / "data").string());
  for (const auto& [name, value] : bus.clientEnv()) game.setEnv(name, value);
  game.setEnv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
  const auto keys = [&](std::vector<std::string> names) {
    const auto found = x.xdotool({"search", "--sync", "--onlyvisible", "--name", "^Gorbix!$"}, kRunLimit);
    ASSERT_TRUE(found && x.xdotool({"windowfocus", "--sync", found->substr(0, found->find('\n'))})) << "no window";
    names.insert(names.begin(), {"key", "--delay", "50"});
    ASSERT_TRUE(x.xdotool(names));
  };

  ASSERT_TRUE(game.start());
  const Seen dealt = lookFor(bus, "100");
  ASSERT_EQ(dealt.cells.size(), 48u) << bus.log();
  int hole = 0;
  // The goal's cell adds that it is the goal.
  while (hole < 48 && dealt.cells[static_cast<std::size_t>(hole)].find("\thole") == std::string::npos) ++hole;
  ASSERT_LT(hole, 48);
  // The tile beside the hole in its row slides there, and back, and there again.
  const int col = hole % 8 > 0 ? hole % 8 : 2;
  const std::string towardsHole = col <= hole % 8 ? "Right" : "Left";
  const std::string away = towardsHole == "Right" ? "Left" : "Right";
  std::vector<std::string> path = {"Right", "Home"};  // the first arrow shows the cursor
  path.insert(path.end(), static_cast<std::size_t>(col - 1), "Right");
  path.insert(path.end(), static_cast<std::size_t>(hole / 8), "Down");
  path.push_back("space");
  keys(path);
  keys({towardsHole, "space"});
  const Seen second = lookFor(bus, "90");
  keys({away, "space"});
  const Seen third = lookFor(bus, "85");
  ASSERT_EQ(third.score, "85") << "three slides";
  ASSERT_NE(third.cells, second.cells);
  game.signal(SIGTERM);
  ASSERT_EQ(game.waitFor(kRunLimit), 0);

  const fs::path kept = game.folder() / "data" / "gorbix" / "board";
  EXPECT_NE(readFile(kept).find("score 85\nslide "), std::string::npos) << readFile(kept);
  EXPECT_FALSE(fs::exists(game.folder() / "data" / "gorbix" / "history")) << "a kept board is not left";
  ASSERT_TRUE(game.start());
  EXPECT_EQ(lookFor(bus, "85").cells, third.cells) << "the same board, Thing and score";
  keys({"ctrl+z"});
  const Seen undone = lookFor(bus, "80");
  EXPECT_EQ(undone.score, "80") << "90, less the 10 an undo costs";
  EXPECT_EQ(undone.cells, second.cells);
  EXPECT_TRUE(readFile(kept).ends_with("undo\n")) << readFile(kept);
  EXPECT_FALSE(fs::exists(game.folder() / "data" / "gorbix" / "board.bad"));
}

}  // namespace
}  // namespace gorbix::e2e
