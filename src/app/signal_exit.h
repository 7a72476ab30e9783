// Ends the game in good order on SIGTERM, SIGINT or SIGHUP, as "Exit" does,
// so that logging out or stopping the program from a terminal keeps the
// scores of the run.
#pragma once

#include <functional>

#include <QObject>

class QSocketNotifier;

namespace gorbix {

class SignalExit final : public QObject {
 public:
  // Catches the signals from here on; call before any other start-up code
  // runs. A signal that comes before the SignalExit is made waits for it.
  static bool catchSignals();

  // Runs onSignal from the event loop when one of the signals has come.
  explicit SignalExit(std::function<void()> onSignal);
  ~SignalExit() override;

 private:
  std::function<void()> onSignal_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace gorbix
