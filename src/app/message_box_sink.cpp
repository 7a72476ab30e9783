#include "app/message_box_sink.h"

#include <QMessageBox>

#include <cstdio>

#include "ui/windows/window_zoom.h"

namespace gorbix {

void MessageBoxSink::showMessage(std::string_view caption, std::string_view text) {
  if (ending_) {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
                 static_cast<int>(text.size()), text.data());
    return;
  }
  QMessageBox box(QMessageBox::NoIcon,
                  QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok, owner_);
  look::zoomWindow(box, look::ownerZoom(owner_));
  open_.push_back(&box);
  box.exec();
  open_.pop_back();
}

void MessageBoxSink::endQuietly() {
  ending_ = true;
  for (QMessageBox* box : open_) box->reject();
}

}  // namespace gorbix
