// A refused click seen rather than heard: for about half a second an
// outlined cross lies over the cell that was clicked, then goes by itself.
#pragma once

#include <QTimer>
#include <QWidget>

namespace gorbix {

class RefusalMark : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kShownMs = 500;

  explicit RefusalMark(QWidget* parent);

  // Shows the cross over `tile` (in the parent's coordinates) from now on
  // for kShownMs; a second refusal meanwhile starts the time again.
  void flash(const QRect& tile);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QTimer timer_;
};

}  // namespace gorbix
