// Wave players that play nothing: they log the commands they get, and the
// test says when a load ends or a sound runs out.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/sound_backend.h"

namespace gorbix::testing {

class FakeSoundBackend final : public SoundBackend {
 public:
  explicit FakeSoundBackend(std::vector<std::string>& log) : log_(log) {}

  void load(const std::string& path) override { log_.push_back("load " + path); }
  void play() override {
    log_.push_back("play");
    playing_ = true;
  }
  void stop() override {
    log_.push_back("stop");
    playing_ = false;
  }
  void rewind() override { log_.push_back("rewind"); }
  void unload() override { log_.push_back("unload"); }
  bool isPlaying() const override { return playing_; }

  void finishLoad(bool ok) { loaded(ok); }
  void runOut() {
    playing_ = false;
    finished();
  }

 private:
  std::vector<std::string>& log_;
  bool playing_ = false;
};

// Makes the players in order and keeps a log for each.
class FakeSounds {
 public:
  FakeSounds() : logs(5) {}

  SoundBackendFactory factory() {
    return [this] {
      auto backend = std::make_unique<FakeSoundBackend>(logs.at(made.size()));
      made.push_back(backend.get());
      return backend;
    };
  }

  std::vector<std::vector<std::string>> logs;
  std::vector<FakeSoundBackend*> made;
};

}  // namespace gorbix::testing
