// Messages shown in a message box: the program's title as caption, OK only,
// no icon.
#pragma once

#include <vector>

#include "support/error_trap.h"

class QMessageBox;
class QWidget;

namespace gorbix {

class MessageBoxSink final : public MessageSink {
 public:
  void showMessage(std::string_view caption, std::string_view text) override;
  void setOwner(QWidget* owner) { owner_ = owner; }

  // The program is being ended from outside (a logout, a kill from a
  // terminal): the boxes that are open close, and what would be shown from
  // now on goes to standard error, since nobody is there to answer it.
  void endQuietly();

 private:
  QWidget* owner_ = nullptr;
  std::vector<QMessageBox*> open_;
  bool ending_ = false;
};

}  // namespace gorbix
