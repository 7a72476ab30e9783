// The real gorbix on a private X server with its sound switched off: a
// refused click is seen on the screen instead of heard.
#include <gtest/gtest.h>

#include "program_runner.h"
#include "real_servers.h"

namespace gorbix::e2e {
namespace {

using std::chrono::milliseconds;

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
  ASSERT_TRUE(x.xdotool({"windowfocus", "--sync", window}));
  // The window's pixels, as xwd dumps them.
  const auto look = [&] { return runCommand({"xwd", "-silent", "-id", window}, {{"DISPLAY", x.display()}}, milliseconds(10000)); };
  // The cursor on the Thing's cell, where Enter, like a right click, is
  // always refused.
  ASSERT_TRUE(x.xdotool({"key", "Home"}));
  std::this_thread::sleep_for(milliseconds(500));
  const auto before = look();
  ASSERT_TRUE(before && !before->empty());
  ASSERT_TRUE(x.xdotool({"key", "Return"}));
  bool marked = false;
  for (int i = 0; i < 30 && !marked; ++i) marked = look() != before;
  EXPECT_TRUE(marked) << "nothing changed";
  bool back = false;
  for (int i = 0; i < 50 && !back; ++i) {
    back = look() == before;
    if (!back) std::this_thread::sleep_for(milliseconds(100));
  }
  EXPECT_TRUE(back) << "the mark stayed";
  program.signal(SIGTERM);
  EXPECT_EQ(program.waitFor(milliseconds(60000)), 0);
}

}  // namespace
}  // namespace gorbix::e2e
