// Memory and processor time of the real game after play, beside a bare Qt
// window with five sound players: each on a private X server and sound
// server. The game plays 25 levels by hints alone (H shows the next move,
// H again makes it), then idles.
//   memory_probe              the build's own game, 25 levels
//   memory_probe N            the first N levels only
//   GORBIX_E2E_PROGRAM_DIR=DIR memory_probe    another build's runnable folder
#include <unistd.h>

#include <csignal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <thread>

#include "program_runner.h"
#include "real_servers.h"

namespace gorbix::e2e {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

struct Memory {
  long rssKb = 0;
  long peakKb = 0;
};

long statusField(const std::string& status, const std::string& name) {
  const std::size_t at = status.find(name + ":");
  return at == std::string::npos ? 0 : std::stol(status.substr(at + name.size() + 1));
}

Memory memoryOf(pid_t pid) {
  const std::string status = readFile("/proc/" + std::to_string(pid) + "/status");
  return {statusField(status, "VmRSS"), statusField(status, "VmHWM")};
}

// User and system time of every thread, in milliseconds.
long cpuMs(pid_t pid) {
  const std::string stat = readFile("/proc/" + std::to_string(pid) + "/stat");
  std::istringstream fields(stat.substr(stat.rfind(')') + 2));
  std::string field;
  long ticks = 0;
  // After the name: state is field 3, utime 14 and stime 15.
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i >= 14) ticks += std::stol(field);
  }
  return ticks * 1000 / ::sysconf(_SC_CLK_TCK);
}

double mb(long kb) { return static_cast<double>(kb) / 1024.0; }

Env desktop(const XServer& x, const PulseServer& pulse) {
  return {{"DISPLAY", x.display()}, {"QT_QPA_PLATFORM", "xcb"}, {"PULSE_SERVER", pulse.address()}};
}

Memory bareWindow(const XServer& x, const PulseServer& pulse) {
  Env env = desktop(x, pulse);
  const pid_t pid = spawnHelper({BARE_WINDOW, programDir().string()}, env);
  x.xdotool({"search", "--sync", "--onlyvisible", "--name", "^Bare$"}, seconds(60));
  std::this_thread::sleep_for(seconds(5));
  const Memory memory = memoryOf(pid);
  endHelper(pid);
  return memory;
}

bool endOfLevelShown(const XServer& x) {
  const auto found = x.xdotool({"search", "--onlyvisible", "--name", "^End of Level"});
  return found && !found->empty();
}

int run(int levels) {
  XServer x;
  PulseServer pulse;
  if (!x.ready() || !pulse.ready()) {
    std::fprintf(stderr, "no X server or sound server\n");
    return 1;
  }
  const Memory bare = bareWindow(x, pulse);

  ProgramRunner program;
  for (const auto& [name, value] : desktop(x, pulse)) program.setEnv(name, value);
  if (!program.start()) return 1;
  const auto found = x.xdotool({"search", "--sync", "--onlyvisible", "--name", "^Gorbix!$"}, seconds(60));
  if (!found || found->empty()) return 1;
  const std::string window = found->substr(0, found->find('\n'));
  program.waitUntilIdle(seconds(30));
  std::this_thread::sleep_for(seconds(3));
  const Memory started = memoryOf(program.pid());

  int presses = 0;
  for (int level = 1; level <= levels; ++level) {
    // With no window manager the focus is given by hand.
    x.xdotool({"windowfocus", "--sync", window});
    for (int press = 0; press < 600 && !endOfLevelShown(x); ++press) {
      x.xdotool({"key", "h"});
      ++presses;
      // A hint's search takes 300 ms; a walk 100 ms a step.
      std::this_thread::sleep_for(milliseconds(400));
    }
    if (!endOfLevelShown(x)) {
      std::fprintf(stderr, "level %d did not end\n", level);
      return 1;
    }
    // Next Level; level 25 has none, so it is tried again.
    x.xdotool({"key", level < 25 ? "alt+n" : "alt+a"});
    std::this_thread::sleep_for(milliseconds(500));
    std::fprintf(stderr, "level %d done, %d presses, rss %.1f MB\n", level, presses, mb(memoryOf(program.pid()).rssKb));
  }
  // Boards whose best line the hints kept waiting are searched now, one a
  // second at most; the game is idle once its processor time stands still.
  int settling = 0;
  for (long last = cpuMs(program.pid()); settling < 300; settling += 2) {
    std::this_thread::sleep_for(seconds(2));
    const long now = cpuMs(program.pid());
    if (now == last) break;
    last = now;
  }
  const Memory played = memoryOf(program.pid());
  const long before = cpuMs(program.pid());
  std::this_thread::sleep_for(seconds(10));
  const long idle = cpuMs(program.pid()) - before;
  program.signal(SIGTERM);
  program.waitFor(seconds(60));

  std::printf("%-52s %10s %10s\n", "", "rss MB", "peak MB");
  std::printf("%-52s %10.1f %10.1f\n", "bare Qt window, five QSoundEffect", mb(bare.rssKb), mb(bare.peakKb));
  std::printf("%-52s %10.1f %10.1f\n", "gorbix, started and idle", mb(started.rssKb), mb(started.peakKb));
  std::printf("%-52s %10.1f %10.1f\n", ("gorbix, idle after " + std::to_string(levels) + " levels by hints").c_str(), mb(played.rssKb), mb(played.peakKb));
  std::printf("limits: rss %.1f MB (1.25 x bare), peak %.1f MB (that + 32 MB)\n", 1.25 * mb(bare.rssKb),
              1.25 * mb(bare.rssKb) + 32);
  std::printf("H presses: %d; searches went on for %d s after the last level\n", presses, settling);
  std::printf("processor time of the idle game over the next 10 s: %ld ms\n", idle);
  return 0;
}

}  // namespace
}  // namespace gorbix::e2e

int main(int argc, char* argv[]) { return gorbix::e2e::run(argc > 1 ? std::clamp(std::atoi(argv[1]), 1, 25) : 25); }
