// A termination signal while a message box waits for an answer: the box
// closes and no other opens, so a logout never waits on a dialog.
#include "app/message_box_sink.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <csignal>

#include <gtest/gtest.h>

#include "app/signal_exit.h"

namespace gorbix {
namespace {

// Closes whatever modal box is open, counting it; a box must not open.
int closeAnyBox() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr) return 0;
  modal->close();
  return 1;
}

TEST(MessageBoxSink, ASignalClosesTheOpenBoxAndKeepsLaterOnesShut) {
  ASSERT_TRUE(SignalExit::catchSignals());
  MessageBoxSink sink;
  int endings = 0;
  SignalExit onSignal([&] {
    sink.endQuietly();
    ++endings;
  });
  bool boxWasUp = false;
  QTimer::singleShot(0, [&] {
    boxWasUp = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr;
    ::raise(SIGTERM);
  });
  // A stray box left open would hang the test; this closes it, and counts.
  int strayBoxes = 0;
  QTimer sweeper;
  QObject::connect(&sweeper, &QTimer::timeout, [&] { strayBoxes += closeAnyBox(); });
  sweeper.start(2000);

  sink.showMessage("Gorbix", "Error updating file /x/gorbix.ini\nNo space left on device");
  EXPECT_TRUE(boxWasUp);
  EXPECT_EQ(endings, 1);
  EXPECT_EQ(strayBoxes, 0) << "the signal, not the sweeper, closed the box";

  QTimer::singleShot(0, [&] { strayBoxes += closeAnyBox(); });
  sink.showMessage("Gorbix", "Error updating file /x/gorbix.ini");
  QApplication::processEvents();
  EXPECT_EQ(strayBoxes, 0) << "no box opens once the program is being ended";
}

}  // namespace
}  // namespace gorbix
