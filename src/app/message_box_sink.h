// Internal-error messages shown in a message box: the program's title as
// caption, OK only, no icon.
#pragma once

#include "support/error_trap.h"

class QWidget;

namespace gorbix {

class MessageBoxSink final : public MessageSink {
 public:
  void showMessage(std::string_view caption, std::string_view text) override;
  void setOwner(QWidget* owner) { owner_ = owner; }

 private:
  QWidget* owner_ = nullptr;
};

}  // namespace gorbix
