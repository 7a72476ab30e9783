#include "support/error_trap.h"

#include <cstdlib>

#include "support/translatable.h"

namespace gorbix {

std::string TrapErrorText(std::string_view where, std::string_view detail, bool endProgram) {
  std::string text = GORBIX_TR("ErrorTrap", "An unexpected program error has been trapped.").str();
  if (!where.empty()) text.append(LineBreak).append(where);
  if (!detail.empty()) text.append(LineBreak).append(detail);
  if (endProgram) text.append(LineBreak).append(GORBIX_TR("ErrorTrap", "The program must be terminated.").str());
  return text;
}

namespace {
[[noreturn]] void endNow() { std::_Exit(EXIT_FAILURE); }
}  // namespace

ErrorTrapper::ErrorTrapper(MessageSink& messages, Terminate terminate)
    : messages_(messages), terminate_(terminate ? terminate : &endNow) {}

void ErrorTrapper::TrapError(std::string_view where, std::string_view detail, bool endProgram) {
  messages_.showMessage(kProgramTitle, TrapErrorText(where, detail, endProgram));
  if (endProgram) terminate_();
}

}  // namespace gorbix
