// The wave check in front of a sound layer: a file is read whole, only if
// it is a regular file, and handed on only if it can load to its end.
#include <optional>
#include <string>

#include "app/sound_backend.h"
#include "support/regular_file.h"
#include "support/wave_check.h"

namespace gorbix {

namespace {

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

  void load(const std::string& path) override {
    const std::optional<std::string> bytes = readRegularFile(path, kMaxAssetBytes);
    if (bytes && checkWave(*bytes) == WaveProblem::None) {
      inner_->load(path);
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
