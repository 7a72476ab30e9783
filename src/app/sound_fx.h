// The five wave players, driven by command texts, with a mode query and
// completion notices, and the sound switch that gates them.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include <QObject>

#include "app/sound_backend.h"
#include "game/game.h"

namespace gorbix {

// Modes and notice codes with the values the platform publishes.
inline constexpr int kModeNotReady = 524;
inline constexpr int kModeStopped = 525;
inline constexpr int kModePlaying = 526;
inline constexpr int kNotifySuccessful = 1;
inline constexpr int kNotifySuperseded = 2;
inline constexpr int kNotifyAborted = 4;
inline constexpr int kNotifyFailure = 8;

// One player. "Open" and "Play" take time and, with Notify on, report
// their end through Done, always later, from the event loop, as the
// platform's notices arrive. "Stop", "Prev" and "Close" finish at once and
// report nothing, so a notice handler that sends them cannot start a chain.
class WavePlayer : public QObject {
  Q_OBJECT

 public:
  WavePlayer(int index, std::unique_ptr<SoundBackend> backend, QObject* parent = nullptr);
  ~WavePlayer() override;

  // Settings given before opening.
  bool Notify = true;
  bool Wait = false;
  bool Shareable = false;
  std::string DeviceType;
  std::string FileName;

  // "Open", "Play", "Stop", "Prev" or "Close"; anything else is ignored.
  void Command(std::string_view command);
  int Mode() const;

  std::function<void(int index, int notifyCode)> Done;

 private:
  void post(int notifyCode);
  void loadFinished(bool ok);
  void playFinished();

  int index_;
  std::unique_ptr<SoundBackend> backend_;
  bool open_ = false;
  bool failed_ = false;
  bool openPending_ = false;
  bool playPending_ = false;
};

inline constexpr std::array<std::string_view, kSoundCount> kSoundFiles = {
    "ERROR.WAV", "MVTILE.WAV", "MVTHING.WAV", "EOPUZ.WAV", "BONUS.WAV"};

// The main window's sndFX array and sound switch.
class SoundEffects {
 public:
  explicit SoundEffects(SoundBackendFactory factory);
  ~SoundEffects();

  // Opens every player on its file in appFolder (which ends in a separator).
  void openAll(const std::string& appFolder);
  void closeAll();

  void PlaySound(SoundIndex n);
  void sndFX_Done(int index, int notifyCode);

  bool SoundsOn() const { return SoundsOn_; }
  void setSoundsOn(bool on) { SoundsOn_ = on; }

  WavePlayer& sndFX(int index) { return *players_.at(static_cast<std::size_t>(index)); }

 private:
  std::array<std::unique_ptr<WavePlayer>, kSoundCount> players_;
  bool SoundsOn_ = true;
};

}  // namespace gorbix
