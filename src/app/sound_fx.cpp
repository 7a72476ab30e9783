#include "app/sound_fx.h"

#include <QMetaObject>

namespace gorbix {

WavePlayer::WavePlayer(int index, std::unique_ptr<SoundBackend> backend, QObject* parent)
    : QObject(parent), index_(index), backend_(std::move(backend)) {
  backend_->loaded = [this](bool ok) { loadFinished(ok); };
  backend_->finished = [this] { playFinished(); };
}

WavePlayer::~WavePlayer() {
  backend_->loaded = nullptr;
  backend_->finished = nullptr;
}

void WavePlayer::post(int notifyCode) {
  // Notices are window events of their own, never nested in a command.
  QMetaObject::invokeMethod(
      this,
      [this, notifyCode] {
        if (Done) Done(index_, notifyCode);
      },
      Qt::QueuedConnection);
}

void WavePlayer::Command(std::string_view command) {
  if (command == "Open") {
    if (open_) return;
    open_ = true;
    failed_ = false;
    openPending_ = Notify;
    backend_->load(FileName);
  } else if (command == "Play") {
    if (!open_ || failed_) return;
    if (playPending_) post(kNotifySuperseded);
    playPending_ = Notify;
    backend_->play();
  } else if (command == "Stop") {
    if (!open_) return;
    backend_->stop();
    if (playPending_) post(kNotifyAborted);
    playPending_ = false;
  } else if (command == "Prev") {
    if (open_ && !failed_) backend_->rewind();
  } else if (command == "Close") {
    if (!open_) return;
    backend_->stop();
    backend_->unload();
    open_ = false;
    openPending_ = false;
    playPending_ = false;
  }
}

int WavePlayer::Mode() const {
  if (!open_ || failed_) return kModeNotReady;
  return backend_->isPlaying() ? kModePlaying : kModeStopped;
}

void WavePlayer::loadFinished(bool ok) {
  if (!open_) return;
  failed_ = !ok;
  if (openPending_) post(ok ? kNotifySuccessful : kNotifyFailure);
  openPending_ = false;
}

void WavePlayer::playFinished() {
  if (!playPending_) return;
  playPending_ = false;
  post(kNotifySuccessful);
}

SoundEffects::SoundEffects(SoundBackendFactory factory) {
  for (int i = 0; i < kSoundCount; ++i) {
    auto& player = players_[static_cast<std::size_t>(i)];
    player = std::make_unique<WavePlayer>(i, factory());
    player->Done = [this](int index, int notifyCode) { sndFX_Done(index, notifyCode); };
  }
}

SoundEffects::~SoundEffects() = default;

void SoundEffects::openAll(const std::string& appFolder) {
  for (int i = 0; i < kSoundCount; ++i) {
    WavePlayer& player = sndFX(i);
    player.Notify = true;
    player.Wait = false;
    player.Shareable = false;
    player.DeviceType = "WaveAudio";
    player.FileName = appFolder + std::string(kSoundFiles[static_cast<std::size_t>(i)]);
    player.Command("Open");
  }
}

void SoundEffects::closeAll() {
  for (int i = 0; i < kSoundCount; ++i) sndFX(i).Command("Close");
}

void SoundEffects::PlaySound(SoundIndex n) {
  const int index = static_cast<int>(n);
  if (!SoundsOn_ || index < 0 || index >= kSoundCount) return;
  sndFX(index).Command("Play");
}

void SoundEffects::sndFX_Done(int index, int notifyCode) {
  WavePlayer& player = sndFX(index);
  if (player.Mode() == kModePlaying) {
    player.Command("Stop");
    player.Command("Prev");
  } else if (notifyCode == kNotifySuccessful) {
    player.Command("Prev");
  }
}

}  // namespace gorbix
