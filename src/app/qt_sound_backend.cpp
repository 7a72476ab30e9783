// Wave players on QSoundEffect. It loads in the background and plays
// asynchronously; nothing here ever waits for it.
//
// All sound effects share Qt's one loader thread, and destroying an effect
// waits until that thread has finished every load in progress (the sample
// cache's wait in QSoundEffect's destructor). A file that ends early leaves
// its load waiting for bytes for ever, and the destructor with it. Hence the
// two rules: only a file that passes the wave check is handed to Qt (see
// checkedSoundBackends), and an effect is destroyed only while no load is
// in progress; otherwise it is kept, stopped, until the process ends.
//
// An effect played again while it plays may never report its end: it stays
// "playing", and its output wakes the process fifty times a second for the
// rest of the run. So each play is given the sound's length and a margin
// to end in, and is stopped if it has not.
#include <QAudioDevice>
#include <QMediaDevices>
#include <QMetaObject>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <vector>

#include "app/sound_backend.h"

namespace gorbix {

namespace {

// Effects of this program whose load has not ended yet.
int loadsInProgress = 0;

// Counts the effect's load until it ends, whoever holds the effect by then.
void countLoad(QSoundEffect& effect) {
  ++loadsInProgress;
  auto counted = std::make_shared<bool>(true);
  QObject::connect(&effect, &QSoundEffect::statusChanged, &effect, [&effect, counted] {
    const QSoundEffect::Status status = effect.status();
    if (*counted && (status == QSoundEffect::Ready || status == QSoundEffect::Error)) {
      *counted = false;
      --loadsInProgress;
    }
  });
}

void retire(std::unique_ptr<QSoundEffect> effect, const QObject* owner) {
  if (!effect) return;
  QObject::disconnect(effect.get(), nullptr, owner, nullptr);
  effect->stop();
  if (loadsInProgress == 0) return;  // effect is destroyed here, without waiting
  // Still reachable through this list, so leak checkers do not count it.
  static auto* kept = new std::vector<QSoundEffect*>;
  kept->push_back(effect.release());
}

// Room for the sound server's latency on a busy machine.
constexpr std::chrono::milliseconds kEndMargin{1000};

class QtSoundBackend final : public QObject, public SoundBackend {
 public:
  QtSoundBackend() {
    overdue_.setSingleShot(true);
    QObject::connect(&overdue_, &QTimer::timeout, this, [this] {
      // Not a command: the stop announces the end the effect never did.
      if (effect_ && effect_->isPlaying()) effect_->stop();
    });
  }
  ~QtSoundBackend() override { unload(); }

  void load(const std::string& path) override {
    // No audio output: the player stays silent, without a message.
    if (QMediaDevices::defaultAudioOutput().isNull()) {
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
    countLoad(*effect_);
    effect_->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
  }

  void play() override {
    command([this] { effect_->play(); });
    if (effect_ && length_.count() > 0) overdue_.start(length_ + kEndMargin);
  }
  void stop() override {
    overdue_.stop();
    command([this] { effect_->stop(); });
  }
  // A sound effect always starts from its beginning: nothing to wind back.
  void rewind() override {}
  void unload() override {
    overdue_.stop();
    retire(std::move(effect_), this);
  }
  bool isPlaying() const override { return effect_ && effect_->isPlaying(); }
  void setLength(std::chrono::milliseconds length) override { length_ = length; }

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
  std::chrono::milliseconds length_{0};
  QTimer overdue_;
  bool commanding_ = false;
  bool reported_ = false;
};

}  // namespace

SoundBackendFactory qtSoundBackends() {
  return checkedSoundBackends([] { return std::make_unique<QtSoundBackend>(); });
}

}  // namespace gorbix
