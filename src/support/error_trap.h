// The one report of an internal error: a message, then maybe the end.
#pragma once

#include <string>
#include <string_view>

namespace gorbix {

// Caption of every message box the program shows.
inline constexpr std::string_view kProgramTitle = "Gorbix";

// Separates the lines of every multi-line message. Qt's message boxes break
// lines at a line feed, so that is this platform's line break.
inline constexpr std::string_view LineBreak = "\n";

// Shows a modal message with an OK button and waits until it is closed.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void showMessage(std::string_view caption, std::string_view text) = 0;
};

// Reports internal errors; implemented by ErrorTrapper and by test fakes.
class ErrorTrap {
 public:
  virtual ~ErrorTrap() = default;
  virtual void TrapError(std::string_view where, std::string_view detail, bool endProgram) = 0;
};

// The message TrapError shows.
std::string TrapErrorText(std::string_view where, std::string_view detail, bool endProgram);

// Shows the message through a MessageSink and, when asked to, ends the
// process at once: no unload step runs and nothing is saved.
class ErrorTrapper final : public ErrorTrap {
 public:
  using Terminate = void (*)();
  explicit ErrorTrapper(MessageSink& messages, Terminate terminate = nullptr);
  void TrapError(std::string_view where, std::string_view detail, bool endProgram) override;

 private:
  MessageSink& messages_;
  Terminate terminate_;
};

}  // namespace gorbix
