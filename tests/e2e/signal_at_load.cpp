// Preloaded into the game (LD_PRELOAD), this library sends the game the
// signal named in GORBIX_SIGNAL_AT_LOAD from its own start-up code: a
// logout's signal that arrives while the libraries start, before main.
#include <csignal>
#include <cstdlib>
#include <string_view>

namespace {

[[gnu::constructor]] void signalAtLoad() {
  const char* name = std::getenv("GORBIX_SIGNAL_AT_LOAD");
  if (name == nullptr) return;
  const std::string_view signal = name;
  if (signal == "TERM") std::raise(SIGTERM);
  if (signal == "INT") std::raise(SIGINT);
  if (signal == "HUP") std::raise(SIGHUP);
}

}  // namespace
