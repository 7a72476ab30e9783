// The program: the main window's start-up, then its events until it ends.
#include <QApplication>

#include "app/frm_main.h"
#include "app/message_box_sink.h"
#include "app/signal_exit.h"
#include "app/stored_settings.h"
#include "ui/art/tile_art.h"

int main(int argc, char* argv[]) {
  gorbix::SignalExit::catchSignals();
  QApplication app(argc, argv);
  QApplication::setWindowIcon(gorbix::art::windowIcon());

  gorbix::MessageBoxSink messages;
  gorbix::ErrorTrapper trap(messages);
  gorbix::StoredSettings settings(trap, messages);
  gorbix::frmMain window(trap);
  window.useSettings(&settings);
  messages.setOwner(&window);
  window.Form_Load();
  window.show();
  gorbix::SignalExit endOnSignal([&window] { window.mnuExit_Click(); });
  return QApplication::exec();
}
