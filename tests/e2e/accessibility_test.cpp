// The real gorbix on a private X server, read through the real
// accessibility bus as a screen reader reads it, and played by keys.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <regex>
#include <sstream>

#include "accessibility_bus.h"

namespace gorbix::e2e {
namespace {

using std::chrono::milliseconds;

constexpr milliseconds kRunLimit{60000};

struct CellLine {
  std::string name;
  std::string description;
  bool focused = false;
};

// What the reader script found in one look.
struct Reading {
  std::string table;  // "rows columns"
  std::vector<CellLine> cells;
  std::map<std::string, std::string> values;
  std::map<std::string, std::string> actions;  // of each value box
  std::string list;  // "name lines first line"
  std::vector<std::string> focusedObjects;  // "role name"

  const CellLine* focused() const {
    for (const CellLine& cell : cells)
      if (cell.focused) return &cell;
    return nullptr;
  }
  // The first cell whose description starts with `description` (the
  // start and the goal add that they are).
  int find(const std::string& description) const {
    for (std::size_t i = 0; i < cells.size(); ++i)
      if (cells[i].description.rfind(description, 0) == 0) return static_cast<int>(i);
    return -1;
  }
};

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> parts;
  std::stringstream in(line);
  std::string part;
  while (std::getline(in, part, '\t')) parts.push_back(part);
  return parts;
}

Reading read(const AccessibilityBus& bus) {
  Reading reading;
  const auto out = runCommand({"/usr/bin/python3", GORBIX_READ_ACCESSIBLE}, bus.clientEnv(), milliseconds(20000));
  std::stringstream lines(out.value_or(""));
  std::string line;
  while (std::getline(lines, line)) {
    const std::vector<std::string> f = fields(line);
    if (f.size() == 3 && f[0] == "table") reading.table = f[1] + " " + f[2];
    if (f.size() == 4 && f[0] == "cell") reading.cells.push_back({f[1], f[2], f[3] == "1"});
    if (f.size() >= 3 && f[0] == "value") {
      reading.values[f[1]] = f[2];
      reading.actions[f[1]] = f.size() > 3 ? f[3] : "";
    }
    if (f.size() == 3 && f[0] == "focused") reading.focusedObjects.push_back(f[1] + " " + f[2]);
    if (f.size() == 4 && f[0] == "list") reading.list = f[1] + " " + f[2] + " " + f[3];
  }
  return reading;
}

// Reads until `done` holds, for at most ~30 s; the last reading.
template <typename Done>
Reading readUntil(const AccessibilityBus& bus, Done done) {
  Reading reading;
  for (int i = 0; i < 60; ++i) {
    reading = read(bus);
    if (done(reading)) break;
    std::this_thread::sleep_for(milliseconds(500));
  }
  return reading;
}

// Hears the events a screen reader follows, from construction until
// `seconds` have passed, into a file.
class Listener {
 public:
  Listener(const AccessibilityBus& bus, const fs::path& file, int seconds) : file_(file) {
    const int out = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (out < 0) return;
    pid_ = spawnHelper({"/usr/bin/python3", GORBIX_READ_ACCESSIBLE, "listen", std::to_string(seconds)}, bus.clientEnv(), out);
    ::close(out);
  }
  ~Listener() { endHelper(pid_); }
  Listener(const Listener&) = delete;
  Listener& operator=(const Listener&) = delete;

  bool waitUntilReady() {
    for (int i = 0; i < 300 && pid_ > 0; ++i) {
      if (readFile(file_).find("ready\n") != std::string::npos) return true;
      std::this_thread::sleep_for(milliseconds(100));
    }
    return false;
  }
  // Everything heard, once the listener has ended by itself (or been
  // ended, after a bound that only guards against a hang).
  std::string heard() {
    for (int i = 0; i < 600 && pid_ > 0; ++i) {
      if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
        pid_ = -1;
        break;
      }
      std::this_thread::sleep_for(milliseconds(100));
    }
    endHelper(pid_);
    pid_ = -1;
    return readFile(file_);
  }

 private:
  fs::path file_;
  pid_t pid_ = -1;
};

class ScreenReader : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(x.ready());
    ASSERT_TRUE(bus.ready()) << bus.log();
    program.setEnv("QT_QPA_PLATFORM", "xcb");
    for (const auto& [name, value] : bus.clientEnv()) program.setEnv(name, value);
    program.setEnv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    ASSERT_TRUE(program.start());
    const auto found = x.xdotool({"search", "--sync", "--onlyvisible", "--name", "^Gorbix!$"}, kRunLimit);
    ASSERT_TRUE(found && !found->empty()) << "no window";
    window = found->substr(0, found->find('\n'));
    ASSERT_TRUE(x.xdotool({"windowfocus", "--sync", window}));
  }
  void TearDown() override {
    if (program.running()) {
      program.signal(SIGTERM);
      EXPECT_EQ(program.waitFor(kRunLimit), 0);
    }
  }
  void keys(const std::vector<std::string>& names) {
    std::vector<std::string> args = {"key", "--delay", "50"};
    args.insert(args.end(), names.begin(), names.end());
    ASSERT_TRUE(x.xdotool(args));
  }

  XServer x;
  AccessibilityBus bus{x};
  ProgramRunner program;
  std::string window;
};

TEST_F(ScreenReader, ReadsEveryCellFollowsTheCursorAndHearsTheScore) {
  Reading r = readUntil(bus, [](const Reading& r) { return r.cells.size() == 48; });
  ASSERT_EQ(r.cells.size(), 48u) << bus.log();
  EXPECT_EQ(r.table, "6 8");
  const std::regex described(
      "(hole|blocker|(cross|T-piece open (up|down), (down|left) and (left|right)|straight (up-down|left-right)|"
      "corner (up|down)-(left|right)|bonus (10|15|20|25)), (fresh|visited))(, the Thing is here)?(, the start|, the goal)?");
  for (std::size_t i = 0; i < r.cells.size(); ++i) {
    const int col = static_cast<int>(i) % 8 + 1;
    const int row = static_cast<int>(i) / 8 + 1;
    EXPECT_EQ(r.cells[i].name, "Column " + std::to_string(col) + ", row " + std::to_string(row));
    EXPECT_TRUE(std::regex_match(r.cells[i].description, described)) << r.cells[i].description;
  }
  // The Thing starts on a visited tile in the top-left corner.
  EXPECT_NE(r.cells[0].description.find("visited, the Thing is here, the start"), std::string::npos)
      << r.cells[0].description;
  EXPECT_NE(r.cells[47].description.find(", the goal"), std::string::npos) << r.cells[47].description;
  const int hole = r.find("hole");
  ASSERT_GE(hole, 0);
  EXPECT_EQ(r.values["Level"], "1");
  EXPECT_EQ(r.values["Score"], "100");
  EXPECT_EQ(r.values["Overall Rating"], "Beginner Level 1");
  EXPECT_EQ(r.list, "Best Scores 25 Level  1       0");
  for (const char* box : {"Level", "Score", "Overall Rating"}) {
    EXPECT_EQ(r.actions[box].find("crease"), std::string::npos) << box << ": " << r.actions[box];
  }
  EXPECT_EQ(r.focused(), nullptr) << "no cursor before a key";

  Listener listener(bus, program.folder() / "events.txt", 25);
  ASSERT_TRUE(listener.waitUntilReady()) << readFile(program.folder() / "events.txt");
  // The first arrow shows the cursor on the Thing; the next ones move it.
  keys({"Right"});
  r = readUntil(bus, [](const Reading& r) { return r.focused() != nullptr; });
  ASSERT_NE(r.focused(), nullptr);
  EXPECT_EQ(r.focused()->name, "Column 1, row 1");
  keys({"Right", "Down"});
  r = readUntil(bus, [](const Reading& r) { return r.focused() && r.focused()->name == "Column 2, row 2"; });
  ASSERT_NE(r.focused(), nullptr);
  EXPECT_EQ(r.focused()->name, "Column 2, row 2");

  // To the tile beside the hole in its row, and Space slides it.
  const int holeCol = hole % 8 + 1;
  const int holeRow = hole / 8 + 1;
  const int col = holeCol > 1 ? holeCol - 1 : holeCol + 1;
  std::vector<std::string> path = {"Home"};
  path.insert(path.end(), static_cast<std::size_t>(col - 1), "Right");
  path.insert(path.end(), static_cast<std::size_t>(holeRow - 1), "Down");
  path.push_back("space");
  keys(path);
  const std::string target = "Column " + std::to_string(col) + ", row " + std::to_string(holeRow);
  r = readUntil(bus, [](const Reading& r) { return r.values.count("Score") && r.values.at("Score") == "95"; });
  EXPECT_EQ(r.values["Score"], "95");
  ASSERT_EQ(r.cells.size(), 48u);
  // The start cell adds that it is the start.
  const std::string& moved = r.cells[static_cast<std::size_t>((holeRow - 1) * 8 + col - 1)].description;
  EXPECT_TRUE(moved == "hole" || moved == "hole, the start") << moved;
  EXPECT_NE(r.cells[static_cast<std::size_t>(hole)].description.rfind("hole", 0), 0u);
  ASSERT_NE(r.focused(), nullptr);
  EXPECT_EQ(r.focused()->name, target);
  EXPECT_EQ(r.focusedObjects, std::vector<std::string>{"table cell " + target}) << "one focus at a time";

  // And the reader was told of each step, of the score and of both cells.
  const std::string heard = listener.heard();
  const std::string oldHole = "Column " + std::to_string(holeCol) + ", row " + std::to_string(holeRow);
  const std::vector<std::string> told = {
      "object:state-changed:focused\tColumn 1, row 1\t1",
      "object:state-changed:focused\tColumn 2, row 1\t1",
      "object:state-changed:focused\tColumn 2, row 2\t1",
      "object:state-changed:focused\t" + target + "\t1",
      "object:property-change:accessible-description\tScore\t",
      "object:state-changed:showing\tScore 95\t1\tnotification",
      "object:property-change:accessible-description\t" + target + "\t",
      "object:property-change:accessible-description\t" + oldHole + "\t",
  };
  for (const std::string& event : told) {
    EXPECT_NE(heard.find("event\t" + event), std::string::npos) << event << " in\n" << heard;
  }
}

// Each outcome is told by a notification that shows itself, which a reader
// speaks without the focus moving: the cursor's cell keeps it throughout.
TEST_F(ScreenReader, HearsWhatEachMoveCameToAndTheFocusStaysOnTheBoard) {
  Reading r = readUntil(bus, [](const Reading& r) { return r.cells.size() == 48; });
  ASSERT_EQ(r.cells.size(), 48u) << bus.log();
  const fs::path file = program.folder() / "events.txt";
  Listener listener(bus, file, 120);
  ASSERT_TRUE(listener.waitUntilReady()) << readFile(file);
  // Acts, and waits until a notification holding one of `texts` shows; its text.
  const auto act = [&](const std::vector<std::string>& path, const std::vector<std::string>& texts) {
    const std::size_t from = readFile(file).size();
    keys(path);
    for (int i = 0; i < 300; ++i) {
      std::stringstream lines(readFile(file).substr(from));
      for (std::string line; std::getline(lines, line);) {
        const std::vector<std::string> f = fields(line);
        if (f.size() < 5 || f[1] != "object:state-changed:showing" || f[3] != "1" || f[4] != "notification") continue;
        for (const std::string& text : texts)
          if (f[2].find(text) != std::string::npos) return f[2];
      }
      std::this_thread::sleep_for(milliseconds(100));
    }
    return std::string("nothing heard");
  };
  // A pinned board of level 1 (hole at column 6, row 4), played by number;
  // the field's error first: 0 is no board.
  EXPECT_EQ(act({"ctrl+b", "0", "Return"}, {"Type"}), "Type a number from 1 to 2147483647.") << readFile(file);
  keys({"ctrl+a", "2", "1", "4", "7", "4", "8", "3", "6", "4", "7", "Return"});
  // Without a window manager nobody gives the main window the focus back.
  ASSERT_TRUE(x.xdotool({"windowfocus", "--sync", window}));
  r = readUntil(bus, [](const Reading& r) { return r.cells.size() == 48 && r.cells[29].description == "hole"; });
  ASSERT_EQ(r.cells[29].description, "hole") << "board 2147483647 of level 1";

  // Home is the Thing's cell: (1, 1) until it walks to (2, 1).
  const std::vector<std::pair<std::vector<std::string>, std::string>> moves = {
      {{"Home", "Right", "Down", "space"}, "Cannot slide: not in line with the hole"},
      {{"Home", "Right", "Right", "Right", "Right", "Right", "Down", "Down", "Down", "Return"},
       "The Thing cannot go into the hole"},
      {{"Home", "Return"}, "The Thing is already there"},
      {{"Home", "Right", "Return"}, "The Thing stopped on column 2, row 1. Score 105"},
      {{"Home", "Right", "Right", "Right", "Down", "Down", "Down", "space"}, "Score 100"},
  };
  for (const auto& [path, told] : moves) {
    EXPECT_EQ(act(path, {told}), told) << readFile(file);
    // The told never took the focus: the cursor's cell, alone, has it.
    const std::vector<std::string> focus = read(bus).focusedObjects;
    EXPECT_TRUE(focus.size() == 1 && focus[0].rfind("table cell Column ", 0) == 0) << focus.size();
  }

  // The hints to the goal: each shown and told, each move's outcome told,
  // and the level's end told before its window opens.
  std::string outcome;
  for (int move = 0; move < 60 && outcome.rfind("End of Level", 0) != 0; ++move) {
    const std::string hint = act({"h"}, {"H again: make this move. Best line from here: "});
    ASSERT_NE(hint.find(": column "), std::string::npos) << hint << readFile(file);
    outcome = act({"h"}, {"Score ", "End of Level"});
  }
  EXPECT_EQ(outcome.rfind("End of Level 1. Score ", 0), 0u) << readFile(file);
}

}  // namespace
}  // namespace gorbix::e2e

namespace gorbix::e2e {
namespace {

// The fields of the record's last line that says `what` (finished or left).
std::vector<std::string> recorded(const fs::path& history, const std::string& what) {
  std::vector<std::string> last;
  std::stringstream lines(readFile(history));
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> f;
    std::stringstream words(line);
    for (std::string word; words >> word;) f.push_back(word);
    if (f.size() == 11 && f[4] == what) last = f;
  }
  return last;
}

TEST_F(ScreenReader, AFinishedLevelIsReadInTheStatisticsTable) {
  const fs::path history = program.folder() / "data" / "gorbix" / "history";
  // Hints alone play the level to its end: H shows a move, H again makes it.
  for (int press = 0; press < 400; ++press) {
    const auto end = x.xdotool({"search", "--onlyvisible", "--name", "^End of Level"});
    if (end && !end->empty()) break;
    keys({"h"});
    std::this_thread::sleep_for(milliseconds(350));
  }
  keys({"alt+n"});  // Next Level
  std::vector<std::string> line;
  for (int i = 0; i < 100 && line.empty(); ++i) {
    std::this_thread::sleep_for(milliseconds(200));
    line = recorded(history, "finished");
  }
  ASSERT_EQ(line.size(), 11u) << readFile(history);
  EXPECT_EQ(line[1], "1");
  EXPECT_NE(line[10], "-") << "the board's best line was searched while the level's end was on show";

  ASSERT_TRUE(x.xdotool({"windowfocus", "--sync", window}));
  keys({"ctrl+t"});
  std::vector<std::vector<std::string>> rows;
  std::string chart;
  for (int i = 0; i < 60 && rows.size() < 2; ++i) {
    rows.clear();
    const auto out = runCommand({"/usr/bin/python3", GORBIX_READ_ACCESSIBLE, "rows", "Statistics"}, bus.clientEnv(),
                                milliseconds(20000));
    std::stringstream text(out.value_or(""));
    for (std::string l; std::getline(text, l);) {
      const std::vector<std::string> f = fields(l);
      if (!f.empty() && f[0] == "row") rows.emplace_back(f.begin() + 1, f.end());
      if (f.size() == 2 && f[0] == "chart") chart = f[1];
    }
    if (rows.size() < 2) std::this_thread::sleep_for(milliseconds(500));
  }
  ASSERT_EQ(rows.size(), 2u) << "level 1 and the total";
  // Level, played, finished, best, mean, % of best line, hints, undos, time.
  const std::vector<std::string> expected = {"1", "1", "1", line[3], line[3], "", line[7], "0"};
  ASSERT_GE(rows[0].size(), expected.size());
  for (std::size_t c = 0; c < expected.size(); ++c) {
    if (c != 5) {
      EXPECT_EQ(rows[0][c], expected[c]) << "column " << c;
    }
  }
  EXPECT_EQ(rows[1][0], "Total");
  EXPECT_EQ(chart.rfind("Level 1: best " + line[3] + ", mean " + line[3] + ", best line " + line[10], 0), 0u) << chart;

  program.signal(SIGTERM);
  EXPECT_EQ(program.waitFor(kRunLimit), 0);
  const std::vector<std::string> left = recorded(history, "left");
  ASSERT_EQ(left.size(), 11u) << "the level in play at the end is recorded as left\n" << readFile(history);
  EXPECT_EQ(left[1], "2");
}

}  // namespace
}  // namespace gorbix::e2e
