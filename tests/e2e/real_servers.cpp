#include "real_servers.h"

#include <cmath>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace gorbix::e2e {

namespace {

bool answers(const fs::path& socketPath) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  socketPath.native().copy(address.sun_path, sizeof address.sun_path - 1);
  const bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return connected;
}

// Samples louder than this (of 32,767) are sound; the null sink's silence is 0.
constexpr double kLoudRms = 300;
constexpr std::size_t kWindow = SinkRecorder::kRate / 100;  // 10 ms

}  // namespace

PulseServer::PulseServer() {
  char pattern[] = "/tmp/gorbix-pulse-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) return;
  folder_ = pattern;
  socket_ = folder_ / "native";
  // Its own runtime, state and home folders, no session bus and no
  // autospawn: nothing of a desktop's own server is touched. As root it
  // runs as an ordinary per-user daemon, with only a warning.
  const Env env = {{"XDG_RUNTIME_DIR", folder_.string()},
                   {"PULSE_RUNTIME_PATH", (folder_ / "runtime").string()},
                   {"PULSE_STATE_PATH", (folder_ / "state").string()},
                   {"HOME", folder_.string()},
                   {"DISPLAY", ""},
                   {"PULSE_SERVER", ""},
                   {"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + (folder_ / "no-bus").string()}};
  pid_ = spawnHelper({"pulseaudio", "--daemonize=no", "--system=no", "-n", "--exit-idle-time=-1",
                      "--use-pid-file=no", "--disallow-exit", "--no-cpu-limit", "--log-target=file:" + (folder_ / "log").string(),
                      std::string("--load=module-null-sink sink_name=") + kSink,
                      "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket_.string()},
                     env);
  for (int i = 0; i < 1000 && pid_ > 0 && !ready_; ++i) {
    ready_ = answers(socket_);
    if (!ready_) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

PulseServer::~PulseServer() {
  endHelper(pid_);
  if (!folder_.empty()) fs::remove_all(folder_);
}

SinkRecorder::SinkRecorder(const PulseServer& server) {
  int out[2];
  if (::pipe2(out, O_CLOEXEC) != 0) return;
  pid_ = spawnHelper({"parec", "--server=" + server.address(), std::string("--device=") + PulseServer::kSink + ".monitor",
                      "--format=s16le", "--channels=1", "--rate=" + std::to_string(kRate), "--raw",
                      "--latency-msec=10"},
                     {}, out[1]);
  ::close(out[1]);
  pipe_ = out[0];
  reader_ = std::thread([this] { read(); });
}

SinkRecorder::~SinkRecorder() {
  endHelper(pid_);
  if (reader_.joinable()) reader_.join();
  if (pipe_ >= 0) ::close(pipe_);
}

void SinkRecorder::read() {
  std::vector<std::int16_t> buffer(kRate / 10);
  std::string partial;
  for (;;) {
    char bytes[4096];
    const ssize_t got = ::read(pipe_, bytes, sizeof bytes);
    if (got <= 0) return;
    const Clock::time_point now = Clock::now();
    partial.append(bytes, static_cast<std::size_t>(got));
    Block block{now, {}};
    const std::size_t whole = partial.size() / 2;
    for (std::size_t i = 0; i < whole; ++i) {
      const auto lo = static_cast<unsigned char>(partial[2 * i]);
      const auto hi = static_cast<unsigned char>(partial[2 * i + 1]);
      block.samples.push_back(static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8U))));
    }
    partial.erase(0, whole * 2);
    const std::lock_guard<std::mutex> lock(mutex_);
    blocks_.push_back(std::move(block));
  }
}

bool SinkRecorder::waitUntilRecording(std::chrono::milliseconds timeout) {
  const Clock::time_point deadline = Clock::now() + timeout;
  while (Clock::now() < deadline) {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      if (!blocks_.empty()) return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

std::optional<std::chrono::milliseconds> SinkRecorder::firstSoundAfter(Clock::time_point since,
                                                                       std::chrono::milliseconds within) {
  std::this_thread::sleep_until(since + within + std::chrono::milliseconds(200));
  const std::lock_guard<std::mutex> lock(mutex_);
  // Each sample is dated back from its block's arrival: the last one of a
  // block was played just before the block arrived.
  std::vector<std::pair<Clock::time_point, std::int16_t>> played;
  for (const Block& block : blocks_) {
    const std::size_t n = block.samples.size();
    for (std::size_t i = 0; i < n; ++i) {
      const auto back = std::chrono::microseconds((n - 1 - i) * 1'000'000 / kRate);
      const Clock::time_point at = block.arrived - back;
      if (at >= since && at <= since + within) played.emplace_back(at, block.samples[i]);
    }
  }
  for (std::size_t start = 0; start + kWindow <= played.size(); start += kWindow) {
    double sum = 0;
    for (std::size_t i = start; i < start + kWindow; ++i) sum += double(played[i].second) * played[i].second;
    if (std::sqrt(sum / kWindow) > kLoudRms) {
      return std::chrono::duration_cast<std::chrono::milliseconds>(played[start].first - since);
    }
  }
  return std::nullopt;
}

XServer::XServer() {
  int out[2];
  if (::pipe2(out, O_CLOEXEC) != 0) return;
  // -displayfd: the server picks a free display and writes its number once
  // it takes clients.
  pid_ = spawnHelper({"Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"}, {},
                     out[1], "/dev/null");
  ::close(out[1]);
  std::string number;
  for (;;) {
    pollfd wait{out[0], POLLIN, 0};
    if (pid_ <= 0 || ::poll(&wait, 1, 20000) <= 0) break;
    char c = 0;
    if (::read(out[0], &c, 1) != 1 || c == '\n') break;
    number += c;
  }
  ::close(out[0]);
  if (!number.empty()) display_ = ":" + number;
}

XServer::~XServer() { endHelper(pid_); }

std::optional<std::string> XServer::xdotool(const std::vector<std::string>& args,
                                            std::chrono::milliseconds timeout) const {
  std::vector<std::string> argv = {"xdotool"};
  argv.insert(argv.end(), args.begin(), args.end());
  return runCommand(argv, {{"DISPLAY", display_}}, timeout);
}

}  // namespace gorbix::e2e
