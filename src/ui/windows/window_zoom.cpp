#include "ui/windows/window_zoom.h"

#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <utility>
#include <vector>

#include "ui/windows/text_room.h"

namespace gorbix::look {

namespace {

const char* const kZoomProperty = "gorbixZoom";
const char* const kGeometryProperty = "gorbixDesignedGeometry";
const char* const kFontProperty = "gorbixDesignedFont";
const char* const kSizeProperty = "gorbixDesignedSize";
const char* const kSelfZoomProperty = "gorbixZoomsItself";

QFont zoomed(QFont font, const Zoom& zoom) {
  if (font.pointSizeF() > 0) {
    font.setPointSizeF(font.pointSizeF() * zoom.factor());
  } else if (font.pixelSize() > 0) {
    font.setPixelSize(zoom.at(font.pixelSize()));
  }
  return font;
}

// Qt's own parts of a control (a scroll bar, a line edit's button) are
// placed by the control.
bool placedByUs(const QWidget& widget) { return !widget.objectName().startsWith(QLatin1String("qt_")); }

void remember(QWidget& widget, const char* property, const QVariant& value) {
  if (!widget.property(property).isValid()) widget.setProperty(property, value);
}

}  // namespace

void setOwnerZoom(QWidget& owner, const Zoom& zoom) {
  owner.setProperty(kZoomProperty, zoom.percent());
  for (QWidget* child : owner.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isWindow() && child->isVisible() && !child->property(kSelfZoomProperty).toBool()) {
      zoomWindow(*child, zoom);
    }
  }
}

void zoomsItself(QWidget& window) { window.setProperty(kSelfZoomProperty, true); }

Zoom ownerZoom(const QWidget* owner) {
  const QVariant percent = owner ? owner->window()->property(kZoomProperty) : QVariant();
  return percent.isValid() ? Zoom(percent.toInt()) : Zoom();
}

void zoomWindow(QWidget& window, const Zoom& zoom) {
  if (zoom == Zoom() && !window.property(kFontProperty).isValid()) {
    makeRoom(window);
    return;
  }
  std::vector<QWidget*> controls;
  for (QWidget* child : window.findChildren<QWidget*>()) {
    if (!child->isWindow() && child->window() == &window && placedByUs(*child)) controls.push_back(child);
  }
  // Every designed value is read before any is changed: a control's font
  // may come from the window's.
  remember(window, kFontProperty, window.font());
  if (window.minimumSize() == window.maximumSize()) remember(window, kSizeProperty, window.size());
  for (QWidget* control : controls) {
    if (!window.layout()) remember(*control, kGeometryProperty, control->geometry());
    if (control->testAttribute(Qt::WA_SetFont)) remember(*control, kFontProperty, control->font());
  }

  const QPoint corner = window.pos();
  window.setFont(zoomed(window.property(kFontProperty).value<QFont>(), zoom));
  for (QWidget* control : controls) {
    if (const QVariant font = control->property(kFontProperty); font.isValid()) control->setFont(zoomed(font.value<QFont>(), zoom));
    if (const QVariant rect = control->property(kGeometryProperty); rect.isValid()) control->setGeometry(zoom.at(rect.toRect()));
  }
  if (const QVariant size = window.property(kSizeProperty); size.isValid()) window.setFixedSize(zoom.at(size.toSize()));
  makeRoom(window);
  if (window.isVisible() && window.screen() != nullptr) {
    window.move(keepOnScreen(corner, window.frameGeometry().size(), window.screen()->availableGeometry()));
  }
}

}  // namespace gorbix::look
