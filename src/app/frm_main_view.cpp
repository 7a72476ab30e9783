// The main window's pictures and its View menu: the tiles' look and the zoom.
#include "app/frm_main.h"

#include <QLayout>

#include "ui/art/tile_art.h"
#include "ui/help/frm_tutorial.h"
#include "ui/windows/window_zoom.h"

namespace gorbix {

namespace {

// Room for a window manager's frame that cannot be measured.
constexpr int kUnmeasuredFrame = 40;

}  // namespace

const QPixmap& frmMain::tilePicture(char code, QSize size) {
  const auto key = std::tuple(code, size.width(), size.height());
  auto it = tilePictures_.find(key);
  if (it == tilePictures_.end()) it = tilePictures_.emplace(key, art::tilePixmap(code, size, pictureRatio_, look_)).first;
  return it->second;
}

void frmMain::redrawPictures() {
  const qreal ratio = devicePixelRatioF();
  if (ratio == pictureRatio_ && zoom_ == pictureZoom_ && look_ == pictureLook_) return;
  ui_.imgThing->setPixmap(QPixmap::fromImage(art::drawThing(ui_.imgThing->size(), ratio)));
  // Before the first level is dealt the tiles have no pictures to redraw.
  const bool dealt = !ui_.imgTile.front()->pixmap().isNull();
  tilePictures_.clear();
  pictureRatio_ = ratio;
  pictureZoom_ = zoom_;
  pictureLook_ = look_;
  if (!dealt) return;
  for (int index = 0; index < kCells; ++index) {
    const Cell cell = IndexToCell(index);
    cellChanged(cell.col, cell.row, game_.Board(cell.col, cell.row));
  }
}

bool frmMain::zoomFits(int percent) const {
  const QRect area = screenArea();
  if (percent == kZoomPercents.front() || area.isEmpty()) return true;
  // The title bar, frame and menu bar stay as they are; the client grows.
  // A frame the window manager has not drawn yet, or that no window manager
  // draws, cannot be measured: room is kept for one all the same.
  QSize around = frameGeometry().size() - ui_.client->size();
  if (frameGeometry() == geometry()) around += QSize(kUnmeasuredFrame, kUnmeasuredFrame);
  const QSize needed = Zoom(percent).at(QSize(kClientWidth, kClientHeight)) + around;
  return needed.width() <= area.width() && needed.height() <= area.height();
}

void frmMain::setZoom(int percent) {
  if (Zoom(percent) == zoom_) return;
  const QPoint corner = pos();
  zoom_ = Zoom(percent);
  applyZoom(ui_, zoom_, game_.ThingCol(), game_.ThingRow());
  layout()->activate();
  look::setOwnerZoom(*this, zoom_);
  if (help::frmTutorial* tutorial = help::frmTutorial::instance()) tutorial->setZoom(zoom_);
  redrawPictures();
  if (isVisible()) move(keepOnScreen(corner, frameGeometry().size(), screenArea()));
  updateZoomChoices();
  statistics_.setLook(zoom_, ColourSafe());
}

void frmMain::updateZoomChoices() {
  for (std::size_t i = 0; i < menus_.zoomItems.size() && i < kZoomPercents.size(); ++i) {
    menus_.zoomItems[i]->setEnabled(zoomFits(kZoomPercents[i]));
    menus_.zoomItems[i]->setChecked(kZoomPercents[i] == zoom_.percent());
  }
}

void frmMain::toggleColourSafe() {
  const bool on = !ColourSafe();
  look_ = on ? art::TileLook::ColourSafe : art::TileLook::Designed;
  menus_.colourSafeItem->setChecked(on);
  redrawPictures();
  statistics_.setLook(zoom_, ColourSafe());
  colourSafeChanged(on);
}

void frmMain::zoomTo(int percent) {
  if (percent == zoom_.percent() || !zoomFits(percent)) {
    updateZoomChoices();
    return;
  }
  setZoom(percent);
  zoomChanged(percent);
}

void frmMain::zoomIn() { zoomTo(offeredZoom(zoom_.percent(), +1)); }

void frmMain::zoomOut() { zoomTo(offeredZoom(zoom_.percent(), -1)); }

int frmMain::offeredZoom(int from, int direction) const {
  return nextZoom(kZoomPercents, from, direction, [this](int percent) { return zoomFits(percent); });
}

}  // namespace gorbix
