#include "program_runner.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace gorbix::e2e {

namespace {

// The test's own environment with overrides; an empty value removes one.
std::vector<std::string> mergedEnv(const Env& overrides) {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    if (!overrides.contains(entry.substr(0, entry.find('=')))) env.push_back(entry);
  }
  for (const auto& [name, value] : overrides) {
    if (!value.empty()) env.push_back(name + "=" + value);
  }
  return env;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
  std::vector<char*> result;
  for (std::string& text : texts) result.push_back(text.data());
  result.push_back(nullptr);
  return result;
}

int statusCode(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status); }

}  // namespace

fs::path programDir() {
  const char* other = std::getenv("GORBIX_E2E_PROGRAM_DIR");
  return other && *other ? fs::path(other) : fs::path(GORBIX_PROGRAM_DIR);
}

void writeFile(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string readFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

ProgramRunner::ProgramRunner() {
  char pattern[] = "/tmp/gorbix-e2e-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) return;
  folder_ = pattern;
  for (const auto& entry : fs::directory_iterator(programDir())) {
    if (entry.path().filename() == "gorbix.ini") continue;  // someone's own game
    fs::copy(entry.path(), folder_ / entry.path().filename());
  }
  env_ = {{"QT_QPA_PLATFORM", "offscreen"},
          {"HOME", folder_.string()},
          {"XDG_CONFIG_HOME", (folder_ / "config").string()},
          {"XDG_DATA_HOME", (folder_ / "data").string()},
          {"XDG_RUNTIME_DIR", ""},
          {"DISPLAY", ""},
          {"WAYLAND_DISPLAY", ""},
          // Nothing answers here: the game runs as on a machine without sound.
          {"PULSE_SERVER", "unix:" + (folder_ / "no-sound-server").string()},
          {"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + (folder_ / "no-bus").string()},
          // English, whatever the developer's desktop speaks.
          {"LANG", "C.UTF-8"},
          {"LANGUAGE", ""},
          {"LC_ALL", ""},
          {"LC_MESSAGES", ""}};
}

ProgramRunner::~ProgramRunner() {
  if (running()) {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }
  if (!folder_.empty()) fs::remove_all(folder_);
}

void ProgramRunner::setEnv(const std::string& name, std::optional<std::string> value) {
  env_[name] = value.value_or("");
}

bool ProgramRunner::start(const Options& options) {
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  if (options.blockTerminationSignals) {
    sigset_t blocked;
    sigemptyset(&blocked);
    for (int s : {SIGTERM, SIGINT, SIGHUP}) sigaddset(&blocked, s);
    posix_spawnattr_setsigmask(&attributes, &blocked);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
  }
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  if (options.closeStandardError) {
    posix_spawn_file_actions_addclose(&files, 2);
  } else if (!options.standardError.empty()) {
    posix_spawn_file_actions_addopen(&files, 2, options.standardError.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
  }

  std::vector<std::string> env = mergedEnv(env_);
  std::vector<char*> envp = pointers(env);
  std::string program = (folder_ / "gorbix").string();
  std::vector<std::string> args = {program};
  std::vector<char*> argv = pointers(args);
  // The program finds its background picture in its current folder.
  posix_spawn_file_actions_addchdir_np(&files, folder_.c_str());
  const int spawned = posix_spawn(&pid_, program.c_str(), &files, &attributes, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&files);
  posix_spawnattr_destroy(&attributes);
  if (spawned != 0) pid_ = -1;
  return spawned == 0;
}

void ProgramRunner::signal(int signal) const {
  if (running()) ::kill(pid_, signal);
}

bool ProgramRunner::waitUntilCatching(int signal, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (running() && std::chrono::steady_clock::now() < deadline) {
    // The kernel lists the caught signals as a hexadecimal mask.
    std::istringstream status(readFile("/proc/" + std::to_string(pid_) + "/status"));
    for (std::string line; std::getline(status, line);) {
      if (!line.starts_with("SigCgt:")) continue;
      const unsigned long long caught = std::stoull(line.substr(7), nullptr, 16);
      if (caught & (1ULL << (signal - 1))) return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return false;
}

bool ProgramRunner::waitUntilIdle(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  const std::string wchan = "/proc/" + std::to_string(pid_) + "/wchan";
  int idleSamples = 0;
  // Start-up reads files and draws without ever sleeping in poll for long;
  // the event loop waiting for input does nothing else.
  while (running() && std::chrono::steady_clock::now() < deadline) {
    idleSamples = readFile(wchan).find("poll") != std::string::npos ? idleSamples + 1 : 0;
    if (idleSamples >= 10) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

bool ProgramRunner::runsFor(std::chrono::milliseconds time) {
  if (!running()) return false;
  const auto deadline = std::chrono::steady_clock::now() + time;
  for (;;) {
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      lastStatus_ = statusCode(status);
      return false;
    }
    if (std::chrono::steady_clock::now() >= deadline) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

std::optional<int> ProgramRunner::waitFor(std::chrono::milliseconds timeout) {
  if (!running()) return std::nullopt;
  if (runsFor(timeout)) {
    ADD_FAILURE() << "gorbix (process " << pid_ << ") had not ended after " << timeout.count() << " ms; killed";
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
    return std::nullopt;
  }
  return lastStatus_;
}

pid_t spawnHelper(const std::vector<std::string>& argv, const Env& env, int stdoutFd, const fs::path& stderrFile) {
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
  if (stdoutFd >= 0) posix_spawn_file_actions_adddup2(&files, stdoutFd, 1);
  if (!stderrFile.empty()) {
    posix_spawn_file_actions_addopen(&files, 2, stderrFile.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
  }
  std::vector<std::string> environment = mergedEnv(env);
  std::vector<char*> envp = pointers(environment);
  std::vector<std::string> args = argv;
  std::vector<char*> argp = pointers(args);
  pid_t pid = -1;
  const int spawned = posix_spawnp(&pid, args.front().c_str(), &files, nullptr, argp.data(), envp.data());
  posix_spawn_file_actions_destroy(&files);
  return spawned == 0 ? pid : -1;
}

void endHelper(pid_t pid) {
  if (pid <= 0) return;
  ::kill(pid, SIGTERM);
  for (int i = 0; i < 200; ++i) {
    if (::waitpid(pid, nullptr, WNOHANG) == pid) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
}

}  // namespace gorbix::e2e

namespace gorbix::e2e {

std::optional<std::string> runCommand(const std::vector<std::string>& argv, const Env& env,
                                      std::chrono::milliseconds timeout) {
  int out[2];
  if (::pipe2(out, O_CLOEXEC) != 0) return std::nullopt;
  const pid_t pid = spawnHelper(argv, env, out[1]);
  ::close(out[1]);
  std::string text;
  bool ended = false;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (pid > 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd wait{out[0], POLLIN, 0};
    if (::poll(&wait, 1, static_cast<int>(left.count())) <= 0) break;
    char buffer[4096];
    const ssize_t got = ::read(out[0], buffer, sizeof buffer);
    if (got <= 0) {
      ended = true;
      break;
    }
    text.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(out[0]);
  if (pid <= 0) return std::nullopt;
  int status = 0;
  if (!ended) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    return std::nullopt;
  }
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return text;
}

}  // namespace gorbix::e2e
