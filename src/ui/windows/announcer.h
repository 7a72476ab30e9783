// What a screen reader should say while the focus stays where it is: a
// notification that shows itself with the text as its name, and draws
// nothing. Qt 6.4 has no announcement event, but a notification's showing
// reaches the accessibility bus as object:state-changed:showing, and that
// is what a reader such as Orca speaks.
#pragma once

#include <QString>
#include <QWidget>

namespace gorbix {

class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* parent);

  // Shows again, now with `text`; a reader in the middle of the last one
  // hears this one instead.
  void say(const QString& text);
  // What was said last.
  const QString& text() const { return text_; }

 private:
  QString text_;
};

}  // namespace gorbix
