// What a platform's audio layer must offer one wave player.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace gorbix {

class SoundBackend {
 public:
  virtual ~SoundBackend() = default;

  // Starts loading the file and returns at once; the outcome arrives
  // through loaded, later or from within the call.
  virtual void load(const std::string& path) = 0;
  // Plays from the current position; returns at once.
  virtual void play() = 0;
  virtual void stop() = 0;
  // Back to the start of the sound.
  virtual void rewind() = 0;
  virtual void unload() = 0;
  virtual bool isPlaying() const = 0;
  // How long the sound to be loaded plays, when the caller knows it.
  virtual void setLength(std::chrono::milliseconds /*length*/) {}

  std::function<void(bool ok)> loaded;
  // Playback reached the end of the sound by itself.
  std::function<void()> finished;
};

using SoundBackendFactory = std::function<std::unique_ptr<SoundBackend>()>;

// Players that hand a file to the players made by inner only when it is a
// regular file that passes the wave check; any other file fails to load
// without reaching them.
SoundBackendFactory checkedSoundBackends(SoundBackendFactory inner);

// Players built on Qt Multimedia's sound effects, behind the check.
SoundBackendFactory qtSoundBackends();

}  // namespace gorbix
