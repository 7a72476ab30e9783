// The about window: the game's name, version and copyright.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace gorbix::help {

class frmAbout : public QDialog {
  Q_OBJECT

 public:
  // Centred on the screen, frame included; the owner runs it modally.
  explicit frmAbout(QWidget* owner = nullptr);

  QFrame* Frame1() const { return frame1_; }
  QLabel* Label1() const { return label1_; }
  QLabel* lblVersion() const { return lblVersion_; }
  QLabel* Label3() const { return label3_; }
  QLabel* lblNotice() const { return lblNotice_; }
  QPushButton* Command1() const { return command1_; }

 private:
  QFrame* frame1_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* lblVersion_ = nullptr;
  QLabel* label3_ = nullptr;
  QLabel* lblNotice_ = nullptr;
  QPushButton* command1_ = nullptr;
};

}  // namespace gorbix::help
