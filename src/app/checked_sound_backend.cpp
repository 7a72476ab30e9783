// The wave check in front of a sound layer. A file is read whole, only if it
// is a regular file, and the layer gets the very bytes that passed, sealed in
// memory: a file swapped on disk after the check can never reach it.
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <optional>
#include <string>

#include "app/sound_backend.h"
#include "support/regular_file.h"
#include "support/wave_check.h"

namespace gorbix {

namespace {

// A read-only in-memory file holding bytes; -1 if it cannot be made.
int sealedCopy(const std::string& bytes) {
  const int fd = ::memfd_create("gorbix-sound", MFD_CLOEXEC | MFD_ALLOW_SEALING);
  if (fd < 0) return -1;
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n <= 0) {
      ::close(fd);
      return -1;
    }
    written += static_cast<std::size_t>(n);
  }
  ::fcntl(fd, F_ADD_SEALS, F_SEAL_WRITE | F_SEAL_GROW | F_SEAL_SHRINK | F_SEAL_SEAL);
  return fd;
}

class CheckedSoundBackend final : public SoundBackend {
 public:
  explicit CheckedSoundBackend(std::unique_ptr<SoundBackend> inner) : inner_(std::move(inner)) {
    inner_->loaded = [this](bool ok) {
      if (loaded) loaded(ok);
    };
    inner_->finished = [this] {
      if (finished) finished();
    };
  }
  // The copy is never closed: a load still in progress may open it at any
  // time, and a closed number could by then name another file. Each player
  // opens its file once per run.
  void load(const std::string& path) override {
    const std::optional<std::string> bytes = readRegularFile(path, kMaxAssetBytes);
    const int copy = bytes && checkWave(*bytes) == WaveProblem::None ? sealedCopy(*bytes) : -1;
    if (copy >= 0) {
      inner_->setLength(waveLength(*bytes));
      inner_->load("/proc/self/fd/" + std::to_string(copy));
    } else if (loaded) {
      loaded(false);
    }
  }
  void play() override { inner_->play(); }
  void stop() override { inner_->stop(); }
  void rewind() override { inner_->rewind(); }
  void unload() override { inner_->unload(); }
  bool isPlaying() const override { return inner_->isPlaying(); }

 private:
  std::unique_ptr<SoundBackend> inner_;
};

}  // namespace

SoundBackendFactory checkedSoundBackends(SoundBackendFactory inner) {
  return [inner = std::move(inner)] { return std::make_unique<CheckedSoundBackend>(inner()); };
}

}  // namespace gorbix
