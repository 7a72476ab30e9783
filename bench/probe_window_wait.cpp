// How long the window keeps a player waiting while a board search runs, with
// the game and a busy loop sharing one processor (as `taskset -c 0` would put
// them) and without the loop:
//   Ctrl+R, 0.3 s, then Ctrl+R Ctrl+B: ms until the Board Number window is shown
//   Ctrl+R Ctrl+X: ms until the process is gone
// The real game on a private X server, keys from xdotool.
//   build/bench/probe_window_wait [ROUNDS]   (default 5; not run by make bench)
#include <sched.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "program_runner.h"
#include "real_servers.h"

namespace gorbix::e2e {
namespace {

using std::chrono::milliseconds;

constexpr milliseconds kLimit{20'000};

void pinTo(int cpu) {
  cpu_set_t set;
  CPU_ZERO(&set);
  CPU_SET(cpu, &set);
  sched_setaffinity(0, sizeof set, &set);
}

void unpin() {
  cpu_set_t set;
  CPU_ZERO(&set);
  for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) CPU_SET(cpu, &set);
  sched_setaffinity(0, sizeof set, &set);
}

pid_t startBusyLoop() {
  const pid_t pid = ::fork();
  if (pid == 0) {
    pinTo(0);
    volatile unsigned long spin = 0;
    for (;;) spin = spin + 1;
  }
  return pid;
}

std::optional<std::string> visibleWindow(const XServer& x, const std::string& title) {
  const auto found = x.xdotool({"search", "--onlyvisible", "--name", "^" + title + "$"});
  if (!found || found->empty()) return std::nullopt;
  return found->substr(0, found->find('\n'));
}

long long msSince(Clock::time_point start) {
  return std::chrono::duration_cast<milliseconds>(Clock::now() - start).count();
}

struct Round {
  long long boardNumber = -1;  // -1: not measured
  long long exit = -1;
};

// One game: the Board Number window after a deal, then the exit after another.
Round measure(const XServer& x) {
  ProgramRunner program;
  program.setEnv("QT_QPA_PLATFORM", "xcb");
  program.setEnv("DISPLAY", x.display());
  pinTo(0);  // the game inherits it, every thread of it
  const bool started = program.start();
  unpin();
  Round round;
  if (!started || !program.waitUntilIdle(kLimit)) return round;
  const auto window = visibleWindow(x, "Gorbix!");
  if (!window || !x.xdotool({"windowfocus", "--sync", *window})) return round;

  x.xdotool({"key", "ctrl+r"});
  std::this_thread::sleep_for(milliseconds(300));
  Clock::time_point start = Clock::now();
  x.xdotool({"key", "ctrl+r", "ctrl+b"});
  while (!visibleWindow(x, "Board Number") && msSince(start) < kLimit.count()) {
  }
  round.boardNumber = msSince(start);
  x.xdotool({"key", "Escape"});
  while (visibleWindow(x, "Board Number") && msSince(start) < 2 * kLimit.count()) {
  }

  if (!x.xdotool({"windowfocus", "--sync", *window})) return round;
  start = Clock::now();
  x.xdotool({"key", "ctrl+r", "ctrl+x"});
  if (program.waitFor(kLimit)) round.exit = msSince(start);
  return round;
}

std::string figures(std::vector<long long> ms) {
  std::sort(ms.begin(), ms.end());
  std::string text;
  for (const long long m : ms) text += (m < 0 ? std::string("-") : std::to_string(m)) + " ";
  return text;
}

}  // namespace
}  // namespace gorbix::e2e

int main(int argc, char** argv) {
  using namespace gorbix::e2e;
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  XServer x;
  if (!x.ready()) {
    std::fprintf(stderr, "no X server (Xvfb)\n");
    return 1;
  }
  std::printf("%-10s %-40s %s\n", "", "Board Number window, ms (sorted)", "exit, ms (sorted)");
  for (const bool loaded : {false, true}) {
    const pid_t busy = loaded ? startBusyLoop() : -1;
    std::vector<long long> boardNumber;
    std::vector<long long> exit;
    for (int i = 0; i < rounds; ++i) {
      const Round round = measure(x);
      boardNumber.push_back(round.boardNumber);
      exit.push_back(round.exit);
    }
    if (busy > 0) {
      ::kill(busy, SIGKILL);
      ::waitpid(busy, nullptr, 0);
    }
    std::printf("%-10s %-40s %s\n", loaded ? "loaded" : "unloaded", figures(boardNumber).c_str(), figures(exit).c_str());
  }
  return 0;
}
