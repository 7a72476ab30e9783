// Where a dialog stands while the game runs it: built over its shown owner,
// then opened modally, as the main window does.
#pragma once

#include <QDialog>
#include <QRect>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

namespace gorbix::testing {

// The whole window, frame included, as it stood once open.
inline QRect frameWhileOpen(QDialog& dialog) {
  QRect frame;
  QTimer::singleShot(0, &dialog, [&] {
    frame = dialog.frameGeometry();
    dialog.done(QDialog::Rejected);
  });
  dialog.exec();
  return frame;
}

// Centred as a whole: without a frame round the window, the platform could
// not tell this from centring the client area alone.
inline void expectCentredWithItsFrame(const QDialog& dialog, const QRect& frame) {
  ASSERT_NE(frame, dialog.geometry()) << "the platform draws no window frame";
  const QPoint offCentre = frame.center() - dialog.screen()->geometry().center();
  EXPECT_LE(std::abs(offCentre.x()), 1) << offCentre.x();
  EXPECT_LE(std::abs(offCentre.y()), 1) << offCentre.y();
}

}  // namespace gorbix::testing
