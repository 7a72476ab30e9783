// Runs the real gorbix as a player would: a copy of the runnable folder in
// a temporary folder of its own, started with a chosen environment, ended
// by a signal, and killed by its process id if it does not end in time.
#pragma once

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace gorbix::e2e {

namespace fs = std::filesystem;

// The runnable folder the tests copy; GORBIX_E2E_PROGRAM_DIR overrides the
// build's own, to run the same tests against another build.
fs::path programDir();

using Env = std::map<std::string, std::string>;

// Writes text to a file, replacing it.
void writeFile(const fs::path& path, const std::string& text);
std::string readFile(const fs::path& path);

class ProgramRunner {
 public:
  ProgramRunner();
  ~ProgramRunner();
  ProgramRunner(const ProgramRunner&) = delete;
  ProgramRunner& operator=(const ProgramRunner&) = delete;

  // The copy of the runnable folder; the program runs with it as its
  // current folder.
  const fs::path& folder() const { return folder_; }

  void writeIni(const std::string& text) const { writeFile(folder_ / "gorbix.ini", text); }
  std::string readIni() const { return readFile(folder_ / "gorbix.ini"); }
  bool iniExists() const { return fs::exists(folder_ / "gorbix.ini"); }

  // Set (or, with nullopt, remove) a variable of the program's environment.
  // It starts as the test's own with offscreen windows, HOME and the config
  // and data folders inside the temporary folder, no sound server or session
  // bus, and English (LANG=C.UTF-8, no LANGUAGE, LC_ALL or LC_MESSAGES).
  void setEnv(const std::string& name, std::optional<std::string> value);

  struct Options {
    // Held blocked until the program unblocks them itself.
    bool blockTerminationSignals = false;
    bool closeStandardError = false;
    // Where its standard error goes, when not closed; empty: the test's own.
    fs::path standardError = {};
  };
  // False if the program could not be started.
  bool start(const Options& options);
  bool start() { return start(Options{}); }

  pid_t pid() const { return pid_; }
  bool running() const { return pid_ > 0; }
  void signal(int signal) const;

  // The exit status (128 + n for a death by signal n), or nothing when the
  // program had not ended by then: it is then killed and reaped, and the
  // test fails.
  std::optional<int> waitFor(std::chrono::milliseconds timeout);
  // True once the program catches the signal (it has a handler for it),
  // false if it did not within the timeout or has ended.
  bool waitUntilCatching(int signal, std::chrono::milliseconds timeout);
  // True once the program has finished starting and waits for events (its
  // main thread has slept in poll for a while), false if it did not within
  // the timeout or has ended.
  bool waitUntilIdle(std::chrono::milliseconds timeout);
  // True if the program is still running after the time; else it has ended.
  bool runsFor(std::chrono::milliseconds time);

 private:
  fs::path folder_;
  Env env_;
  pid_t pid_ = -1;
  int lastStatus_ = -1;
};

// Spawns a helper program (a server, a recorder, a command) with env on top
// of the test's own environment (an empty value removes a variable). Its
// standard output goes to stdoutFd when one is given, its standard error to
// stderrFile when one is named.
pid_t spawnHelper(const std::vector<std::string>& argv, const Env& env, int stdoutFd = -1,
                  const fs::path& stderrFile = {});
// Ends a helper by its process id: SIGTERM, then SIGKILL if it lingers.
void endHelper(pid_t pid);

// Runs a short command to its end; its standard output, or nothing if it
// failed or had not ended within the timeout (it is then killed).
std::optional<std::string> runCommand(const std::vector<std::string>& argv, const Env& env,
                                      std::chrono::milliseconds timeout);

}  // namespace gorbix::e2e
