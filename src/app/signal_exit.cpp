#include "app/signal_exit.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace gorbix {

namespace {

// A signal handler may only write to a descriptor; the event loop reads it.
// Non-blocking: a storm of signals must never stall the handler.
int signalSockets[2] = {-1, -1};

void onSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
}

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

}  // namespace

bool SignalExit::catchSignals() {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalSockets) != 0) return false;
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigset_t caught;
  sigemptyset(&caught);
  for (int signal : kSignals) {
    ::sigaction(signal, &action, nullptr);
    sigaddset(&caught, signal);
  }
  // A launcher may hand the signals over blocked; from now on they are safe.
  ::pthread_sigmask(SIG_UNBLOCK, &caught, nullptr);
  return true;
}

SignalExit::SignalExit(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
  if (signalSockets[1] < 0) return;
  notifier_ = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    char bytes[16];
    [[maybe_unused]] const ssize_t read = ::read(signalSockets[1], bytes, sizeof bytes);
    notifier_->setEnabled(false);  // one orderly end is enough
    onSignal_();
  });
}

SignalExit::~SignalExit() = default;

}  // namespace gorbix
