// A private desktop session bus with the accessibility bus beside it, as a
// screen reader finds them: a session bus, the accessibility bus launcher
// on it with the bus it starts, and the registry of accessible programs.
// Each is ended by its process id.
#pragma once

#include <string>

#include "real_servers.h"

namespace gorbix::e2e {

class AccessibilityBus {
 public:
  explicit AccessibilityBus(const XServer& x);
  ~AccessibilityBus();
  AccessibilityBus(const AccessibilityBus&) = delete;
  AccessibilityBus& operator=(const AccessibilityBus&) = delete;

  bool ready() const { return !a11yAddress_.empty() && registryUp_; }
  const std::string& sessionAddress() const { return sessionAddress_; }
  // What went wrong, for a failing test's message.
  std::string log() const;

  // The environment of a program that takes part: the game, or a reader.
  Env clientEnv() const;

 private:
  fs::path folder_;
  std::string display_;
  std::string sessionAddress_;
  std::string a11yAddress_;
  pid_t sessionBus_ = -1;
  pid_t launcher_ = -1;
  pid_t registry_ = -1;
  bool registryUp_ = false;
};

}  // namespace gorbix::e2e
