#include "app/message_box_sink.h"

#include <QMessageBox>

namespace gorbix {

void MessageBoxSink::showMessage(std::string_view caption, std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon,
                  QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok, owner_);
  box.exec();
}

}  // namespace gorbix
