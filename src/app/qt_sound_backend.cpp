// Wave players on QSoundEffect. It loads in the background and plays
// asynchronously; nothing here ever waits for it.
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMetaObject>
#include <QSoundEffect>
#include <QUrl>

#include "app/sound_backend.h"

namespace gorbix {

namespace {

class QtSoundBackend final : public QObject, public SoundBackend {
 public:
  void load(const std::string& path) override {
    const QString file = QString::fromStdString(path);
    // No file or no audio output: the player stays silent, without a message.
    if (!QFileInfo(file).isFile() || QMediaDevices::defaultAudioOutput().isNull()) {
      report(false);
      return;
    }
    effect_ = std::make_unique<QSoundEffect>();
    QObject::connect(effect_.get(), &QSoundEffect::statusChanged, this, [this] {
      if (effect_->status() == QSoundEffect::Ready) report(true);
      if (effect_->status() == QSoundEffect::Error) report(false);
    });
    QObject::connect(effect_.get(), &QSoundEffect::playingChanged, this, [this] {
      if (!effect_->isPlaying() && !commanding_ && finished) finished();
    });
    effect_->setSource(QUrl::fromLocalFile(file));
  }

  void play() override { command([this] { effect_->play(); }); }
  void stop() override { command([this] { effect_->stop(); }); }
  // A sound effect always starts from its beginning: nothing to wind back.
  void rewind() override {}
  void unload() override { effect_.reset(); }
  bool isPlaying() const override { return effect_ && effect_->isPlaying(); }

 private:
  // The effect's own play and stop announce a change of playing too; only
  // a sound running out by itself counts as finished.
  template <class F>
  void command(F&& f) {
    if (!effect_) return;
    commanding_ = true;
    f();
    commanding_ = false;
  }

  void report(bool ok) {
    if (reported_) return;
    reported_ = true;
    QMetaObject::invokeMethod(
        this,
        [this, ok] {
          if (loaded) loaded(ok);
        },
        Qt::QueuedConnection);
  }

  std::unique_ptr<QSoundEffect> effect_;
  bool commanding_ = false;
  bool reported_ = false;
};

}  // namespace

SoundBackendFactory qtSoundBackends() {
  return [] { return std::make_unique<QtSoundBackend>(); };
}

}  // namespace gorbix
