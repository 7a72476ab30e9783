// The Statistics command: the one Statistics window, the record read into it
// off the UI thread, kept up to date as levels are recorded, and reset.
#pragma once

#include <atomic>
#include <functional>
#include <memory>

#include <QObject>
#include <QPointer>

#include "ui/windows/frm_statistics.h"

class QDialog;
class QWidget;

namespace gorbix {

class LevelRecorder;
class StoredSettings;

class StatisticsCommand : public QObject {
  Q_OBJECT

 public:
  // runModal shows the reset's question and returns once it is answered.
  StatisticsCommand(LevelRecorder& recorder, QWidget& owner, std::function<void(QDialog&)> runModal);
  ~StatisticsCommand() override;

  // Opens the window, centred on the main window the first time and then
  // where the player left it, or brings it to the front.
  void show(StoredSettings* settings);
  void setLook(const Zoom& zoom, bool colourSafe);
  StatisticsWindow* window() const { return window_; }

 private:
  void read();
  void reset();

  LevelRecorder& recorder_;
  QWidget& owner_;
  std::function<void(QDialog&)> runModal_;
  QPointer<StatisticsWindow> window_;
  Zoom zoom_;
  bool colourSafe_ = false;
  // The reading under way, if any: asked to stop when no longer wanted.
  std::shared_ptr<std::atomic<bool>> reading_;
};

}  // namespace gorbix
