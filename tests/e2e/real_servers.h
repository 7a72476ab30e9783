// The real parts of a player's desktop, each a private instance for one
// test and ended by its process id: a PulseAudio server whose only output
// is a null sink, a recorder of what that sink plays, and an X server.
#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "program_runner.h"

namespace gorbix::e2e {

using Clock = std::chrono::steady_clock;

class PulseServer {
 public:
  // Starts the server and waits until it answers.
  PulseServer();
  ~PulseServer();
  PulseServer(const PulseServer&) = delete;
  PulseServer& operator=(const PulseServer&) = delete;

  bool ready() const { return ready_; }
  // The value of PULSE_SERVER for its clients.
  std::string address() const { return "unix:" + socket_.string(); }
  // What went wrong, for a failing test's message.
  std::string log() const { return readFile(folder_ / "log"); }

  static constexpr const char* kSink = "gorbix_test";

 private:
  fs::path folder_;
  fs::path socket_;
  pid_t pid_ = -1;
  bool ready_ = false;
};

// Records the null sink's monitor from construction on, and keeps the
// moment each block of sound arrived.
class SinkRecorder {
 public:
  explicit SinkRecorder(const PulseServer& server);
  ~SinkRecorder();
  SinkRecorder(const SinkRecorder&) = delete;
  SinkRecorder& operator=(const SinkRecorder&) = delete;

  // True once the first block has arrived.
  bool waitUntilRecording(std::chrono::milliseconds timeout);
  // How long after `since` the sink first played sound, judging what it
  // played until `since + within` (this waits until then); nothing if it
  // stayed silent.
  std::optional<std::chrono::milliseconds> firstSoundAfter(Clock::time_point since,
                                                           std::chrono::milliseconds within);

  static constexpr int kRate = 8000;

 private:
  struct Block {
    Clock::time_point arrived;
    std::vector<std::int16_t> samples;
  };
  void read();

  pid_t pid_ = -1;
  int pipe_ = -1;
  std::thread reader_;
  std::mutex mutex_;
  std::vector<Block> blocks_;
};

class XServer {
 public:
  // Starts Xvfb on a free display and waits until it takes clients.
  XServer();
  ~XServer();
  XServer(const XServer&) = delete;
  XServer& operator=(const XServer&) = delete;

  bool ready() const { return !display_.empty(); }
  // The value of DISPLAY for its clients.
  const std::string& display() const { return display_; }

  // xdotool on this display; its output, or nothing if it failed.
  std::optional<std::string> xdotool(const std::vector<std::string>& args,
                                     std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;

 private:
  pid_t pid_ = -1;
  std::string display_;
};

}  // namespace gorbix::e2e
