#include "accessibility_bus.h"

#include <csignal>
#include <dirent.h>
#include <fstream>
#include <unistd.h>

namespace gorbix::e2e {

namespace {

using std::chrono::milliseconds;

constexpr milliseconds kCallLimit{5000};

// Runs a command until its output holds `wanted`, for at most ~20 s; the
// last output.
std::string pollCommand(const std::vector<std::string>& argv, const Env& env, const std::string& wanted) {
  std::string last;
  for (int i = 0; i < 200; ++i) {
    last = runCommand(argv, env, kCallLimit).value_or("");
    if (last.find(wanted) != std::string::npos) break;
    std::this_thread::sleep_for(milliseconds(100));
  }
  return last;
}

// Whether `name` has an owner on the bus ("--session" or "--bus=ADDRESS")
// within ~20 s.
bool waitForName(const std::string& bus, const std::string& name, const Env& env) {
  return pollCommand({"dbus-send", bus, "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                      "org.freedesktop.DBus.NameHasOwner", "string:" + name},
                     env, "boolean true")
             .find("boolean true") != std::string::npos;
}

// The processes whose parent is `parent`.
std::vector<pid_t> childrenOf(pid_t parent) {
  std::vector<pid_t> children;
  DIR* proc = ::opendir("/proc");
  if (proc == nullptr) return children;
  while (const dirent* entry = ::readdir(proc)) {
    const pid_t pid = static_cast<pid_t>(std::atoi(entry->d_name));
    if (pid <= 0) continue;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    // pid (name) state ppid: the name may hold spaces, so read after the ')'.
    const auto close = line.rfind(')');
    if (close == std::string::npos) continue;
    char state = 0;
    int ppid = 0;
    if (std::sscanf(line.c_str() + close + 1, " %c %d", &state, &ppid) == 2 && ppid == parent) children.push_back(pid);
  }
  ::closedir(proc);
  return children;
}

}  // namespace

AccessibilityBus::AccessibilityBus(const XServer& x) : display_(x.display()) {
  char pattern[] = "/tmp/gorbix-a11y-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) return;
  folder_ = pattern;
  const std::string socket = (folder_ / "session").string();
  // Its own runtime and home folders: nothing of a desktop's own buses is
  // touched, and the launcher puts its socket in here.
  const Env quiet = {{"XDG_RUNTIME_DIR", folder_.string()}, {"HOME", folder_.string()}, {"DISPLAY", display_},
                     {"DBUS_SESSION_BUS_ADDRESS", ""}, {"AT_SPI_BUS_ADDRESS", ""}};
  // A session bus that starts no services of its own: every process on
  // it is one of ours, with a process id we know.
  writeFile(folder_ / "session.conf",
            "<busconfig><type>session</type><listen>unix:path=" + socket +
                "</listen><auth>EXTERNAL</auth><policy context=\"default\"><allow send_destination=\"*\" "
                "eavesdrop=\"true\"/><allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
  sessionBus_ = spawnHelper({"dbus-daemon", "--config-file=" + (folder_ / "session.conf").string(), "--nofork"}, quiet,
                            -1, folder_ / "session.log");
  sessionAddress_ = "unix:path=" + socket;
  Env session = quiet;
  session["DBUS_SESSION_BUS_ADDRESS"] = sessionAddress_;
  const std::string id = pollCommand({"dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                                      "/org/freedesktop/DBus", "org.freedesktop.DBus.GetId"},
                                     session, "string");
  if (id.empty()) return;

  launcher_ = spawnHelper({"/usr/libexec/at-spi-bus-launcher", "--a11y=1"}, session, -1, folder_ / "launcher.log");
  if (!waitForName("--session", "org.a11y.Bus", session)) return;
  // Asking for the address starts the accessibility bus.
  const std::string reply = pollCommand({"dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                                         "org.a11y.Bus.GetAddress"},
                                        session, "unix:");
  const auto start = reply.find("string \"");
  if (start == std::string::npos) return;
  const auto end = reply.find('"', start + 8);
  if (end == std::string::npos) return;
  const std::string address = reply.substr(start + 8, end - start - 8);

  // Started here rather than by the bus, which would leave it to live on
  // without a parent we know.
  Env registry = session;
  registry["AT_SPI_BUS_ADDRESS"] = address;
  registry_ = spawnHelper({"/usr/libexec/at-spi2-registryd"}, registry, -1, folder_ / "registry.log");
  registryUp_ = waitForName("--bus=" + address, "org.a11y.atspi.Registry", session);
  a11yAddress_ = address;
}

AccessibilityBus::~AccessibilityBus() {
  endHelper(registry_);
  // The launcher's own bus first, so nothing of it outlives the test; the
  // launcher reaps it.
  if (launcher_ > 0) {
    for (const pid_t child : childrenOf(launcher_)) ::kill(child, SIGTERM);
  }
  endHelper(launcher_);
  endHelper(sessionBus_);
  if (!folder_.empty()) fs::remove_all(folder_);
}

std::string AccessibilityBus::log() const {
  std::string text;
  for (const char* name : {"session.log", "launcher.log", "registry.log"}) {
    text += std::string(name) + ":\n" + readFile(folder_ / name) + "\n";
  }
  return text;
}

Env AccessibilityBus::clientEnv() const {
  // The accessibility bus is found through the session bus, as on a
  // desktop: Qt 6.4 never joins a bus named in AT_SPI_BUS_ADDRESS.
  return {{"DISPLAY", display_}, {"DBUS_SESSION_BUS_ADDRESS", sessionAddress_}, {"AT_SPI_BUS_ADDRESS", ""}};
}

}  // namespace gorbix::e2e
