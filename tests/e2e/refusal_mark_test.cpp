// The real gorbix on a private X server with its sound switched off: a
// refused click is seen on the screen instead of heard.
#include <gtest/gtest.h>

#include <sstream>

#include "program_runner.h"
#include "real_servers.h"

namespace gorbix::e2e {
namespace {

using std::chrono::milliseconds;

// The bytes of a rectangle of the screen, as xwd dumps it: a big-endian
// header of 25 numbers, the window's name, a colour map, then the rows.
std::string grab(const XServer& x, int left, int top, int width, int height) {
  const std::string dump = runCommand({"xwd", "-root", "-silent"}, {{"DISPLAY", x.display()}}, milliseconds(10000)).value_or("");
  const auto field = [&dump](int i) -> std::size_t {
    std::size_t value = 0;
    for (int b = 0; b < 4; ++b) value = value << 8 | static_cast<unsigned char>(dump[static_cast<std::size_t>(4 * i + b)]);
    return value;
  };
  if (dump.size() < 100) return {};
  const std::size_t start = field(0) + 12 * field(19);
  const std::size_t pixelBytes = field(11) / 8;
  const std::size_t line = field(12);
  std::string pixels;
  for (int y = top; y < top + height; ++y) {
    const std::size_t at = start + static_cast<std::size_t>(y) * line + static_cast<std::size_t>(left) * pixelBytes;
    if (at + static_cast<std::size_t>(width) * pixelBytes > dump.size()) return {};
    pixels.append(dump, at, static_cast<std::size_t>(width) * pixelBytes);
  }
  return pixels;
}

TEST(RefusalSeen, WithTheSoundOffARefusedClickMarksTheCellForAMomentOnly) {
  XServer x;
  ASSERT_TRUE(x.ready());
  ProgramRunner program;
  program.writeIni("[General]\nSounds=N\n");
  program.setEnv("QT_QPA_PLATFORM", "xcb");
  program.setEnv("DISPLAY", x.display());
  ASSERT_TRUE(program.start());
  const auto found = x.xdotool({"search", "--sync", "--onlyvisible", "--name", "^Gorbix!$"}, milliseconds(60000));
  ASSERT_TRUE(found && !found->empty());
  const std::string window = found->substr(0, found->find('\n'));
  std::map<std::string, int> geometry;
  std::stringstream shell(x.xdotool({"getwindowgeometry", "--shell", window}).value_or(""));
  for (std::string line; std::getline(shell, line);) {
    if (const auto eq = line.find('='); eq != std::string::npos) geometry[line.substr(0, eq)] = std::atoi(line.c_str() + eq + 1);
  }
  // The Thing's cell, the top-left one: 5, 90 in the client area, which
  // is the bottom 365 pixels of the window, under the menu bar.
  const int left = geometry["X"] + 5;
  const int top = geometry["Y"] + geometry["HEIGHT"] - 365 + 90;
  const std::string before = grab(x, left, top, 45, 45);
  ASSERT_FALSE(before.empty());
  // A right click on the Thing is always refused.
  ASSERT_TRUE(x.xdotool({"mousemove", std::to_string(left + 22), std::to_string(top + 22), "click", "3"}));
  bool marked = false;
  for (int i = 0; i < 30 && !marked; ++i) marked = grab(x, left, top, 45, 45) != before;
  EXPECT_TRUE(marked) << "the cell never changed";
  bool back = false;
  for (int i = 0; i < 50 && !back; ++i) {
    back = grab(x, left, top, 45, 45) == before;
    if (!back) std::this_thread::sleep_for(milliseconds(100));
  }
  EXPECT_TRUE(back) << "the mark stayed";
  program.signal(SIGTERM);
  EXPECT_EQ(program.waitFor(milliseconds(60000)), 0);
}

}  // namespace
}  // namespace gorbix::e2e
