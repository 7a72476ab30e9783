#include "ui/windows/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace gorbix {

namespace {

class AnnouncerAccessible final : public QAccessibleWidget {
 public:
  explicit AnnouncerAccessible(Announcer* announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return static_cast<const Announcer*>(object())->text();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* factory(const QString& /*key*/, QObject* object) {
  if (auto* announcer = qobject_cast<Announcer*>(object)) return new AnnouncerAccessible(announcer);
  return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  static const bool installed = [] {
    QAccessible::installFactory(factory);
    return true;
  }();
  (void)installed;
  // Qt may have asked for an interface while the widget was a plain QWidget
  // still, before the factory could know it; that one goes.
  if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(this); made && made->role() != QAccessible::Notification) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  }
  // One pixel in the corner, painting nothing and taking no clicks.
  setGeometry(0, 0, 1, 1);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void Announcer::say(const QString& text) {
  hide();
  // A reader keeps the name it read last for an object it knows: each
  // saying is a new object to it, whose name it must ask for.
  if (QAccessibleInterface* said = QAccessible::queryAccessibleInterface(this)) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(said));
  }
  text_ = text;
  show();
}

}  // namespace gorbix
