// The program: the main window's start-up, then its events until it ends.
#include <QApplication>

#include "app/frm_main.h"
#include "app/message_box_sink.h"
#include "app/signal_exit.h"
#include "app/stored_settings.h"
#include "i18n/translations.h"
#include "support/memory_return.h"
#include "support/standard_descriptors.h"
#include "ui/art/tile_art.h"

namespace {

// Runs before any library's start-up code, which takes long enough (tens of
// milliseconds) for a logout's SIGTERM to arrive in it and end the game
// unsaved; caught here, it waits for the orderly end. The descriptors come
// first: a closed standard error would hand its number to the signal socket,
// and the first warning would end the game.
void prepareProcess() {
  gorbix::returnFreedMemoryEagerly();
  gorbix::openClosedStandardDescriptors();
  gorbix::SignalExit::catchSignals();
}

[[gnu::used, gnu::section(".preinit_array")]] void (*const kPrepareProcess)() = prepareProcess;

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  gorbix::i18n::installTranslations();
  QApplication::setWindowIcon(gorbix::art::windowIcon());

  gorbix::MessageBoxSink messages;
  gorbix::ErrorTrapper trap(messages);
  gorbix::StoredSettings settings(trap, messages);
  gorbix::frmMain window(trap);
  window.useSettings(&settings);
  window.recorder().setPath(gorbix::playerDataFolder() + "history");
  messages.setOwner(&window);
  window.Form_Load();
  window.show();
  // Nobody is there to answer a message box during a logout.
  gorbix::SignalExit endOnSignal([&] {
    messages.endQuietly();
    window.mnuExit_Click();
  });
  return QApplication::exec();
}
