#include "ui/windows/main_layout.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QtConcurrent/QtConcurrentRun>
#include <QFutureWatcher>

#include <algorithm>
#include <cmath>

#include "ui/art/background_art.h"
#include "ui/windows/board_accessible.h"
#include "ui/windows/board_surface.h"
#include "ui/windows/window_look.h"

namespace gorbix {

namespace {

constexpr QSize kTileDesigned{45, 45};
constexpr int kThingDesigned = 29;
constexpr QRect kDifficultyRect{385, 38, 156, 15};
constexpr QRect kScoreRect{385, 91, 156, 15};
constexpr QRect kScoresListRect{385, 150, 155, 145};
constexpr QRect kRatingRect{378, 336, 170, 15};

}  // namespace

int Zoom::at(int designed) const {
  return static_cast<int>(std::floor((static_cast<double>(designed) * percent_ + 50.0) / 100.0));
}

QRect Zoom::at(const QRect& designed) const {
  return {at(designed.topLeft()), at(designed.topLeft() + QPoint(designed.width(), designed.height())) - QPoint(1, 1)};
}

QRect tileRect(int col, int row, const Zoom& zoom) { return zoom.at(QRect(tileTopLeft(col, row), kTileDesigned)); }

QRect thingRect(int col, int row, const Zoom& zoom) {
  return {zoom.at(thingTopLeft(col, row)), zoom.at(QSize(kThingDesigned, kThingDesigned))};
}

int nextZoom(std::span<const int> percents, int current, int direction, const std::function<bool(int)>& offered) {
  auto wanted = [&](int percent) { return (direction > 0 ? percent > current : percent < current) && offered(percent); };
  if (direction > 0) {
    const auto found = std::find_if(percents.begin(), percents.end(), wanted);
    return found != percents.end() ? *found : current;
  }
  const auto found = std::find_if(percents.rbegin(), percents.rend(), wanted);
  return found != percents.rend() ? *found : current;
}

QPoint keepOnScreen(QPoint corner, QSize size, const QRect& area) {
  if (area.isEmpty()) return corner;
  // Right and bottom first, so a window too big for the area ends up with
  // its top-left corner, and the title bar, on the screen.
  const int x = std::max(std::min(corner.x(), area.x() + area.width() - size.width()), area.x());
  const int y = std::max(std::min(corner.y(), area.y() + area.height() - size.height()), area.y());
  return {x, y};
}

ClickImage::ClickImage(QWidget* parent) : QLabel(parent) { setContextMenuPolicy(Qt::PreventContextMenu); }

void ClickImage::mousePressEvent(QMouseEvent* event) { event->accept(); }

void ClickImage::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  emit released(event->button());
}

Backdrop::Backdrop(QWidget* parent) : QWidget(parent) {}

void Backdrop::setPicture(const QPixmap& picture) {
  picture_ = picture;
  scaled_ = QPixmap();
  making_ = QSize();
  update();
}

void Backdrop::setZoom(const Zoom& zoom) {
  zoom_ = zoom;
  scaled_ = QPixmap();
  making_ = QSize();
  setFixedSize(zoom.at(QSize(kClientWidth, kClientHeight)));
  update();
}

void Backdrop::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Button));
  if (picture_.isNull()) return;
  if (zoom_ == Zoom()) {
    painter.drawPixmap(0, 0, picture_);
    return;
  }
  // Made once per zoom and density, for the device pixels it will cover.
  const qreal ratio = devicePixelRatioF();
  const QSize size = zoom_.at(picture_.deviceIndependentSize().toSize());
  if (!scaled_.isNull() && scaled_.devicePixelRatio() == ratio) {
    painter.drawPixmap(0, 0, scaled_);
    return;
  }
  makeZoomed(size * ratio, ratio);
  painter.drawPixmap(QRect(QPoint(), size), picture_);
}

void Backdrop::makeZoomed(QSize deviceSize, qreal ratio) {
  if (making_ == deviceSize) return;
  making_ = deviceSize;
  // A copy of the picture goes with the work; the result comes back here
  // on the UI thread and is dropped if the zoom changed meanwhile.
  auto* made = new QFutureWatcher<QImage>(this);
  connect(made, &QFutureWatcher<QImage>::finished, this, [this, made, deviceSize, ratio] {
    made->deleteLater();
    if (making_ != deviceSize) return;
    QImage image = made->result();
    image.setDevicePixelRatio(ratio);
    scaled_ = QPixmap::fromImage(image);
    update();
  });
  made->setFuture(QtConcurrent::run([picture = picture_.toImage(), deviceSize] { return art::zoomedBackground(picture, deviceSize); }));
}

namespace {

QLabel* valueLabel(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignCenter);
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, QColor(192, 255, 255));
  label->setPalette(palette);
  return label;
}

}  // namespace

MainControls buildMainControls(QWidget* owner) {
  MainControls c;
  c.client = new Backdrop(owner);
  for (auto& tile : c.imgTile) tile = new ClickImage(c.client);
  // Made after the tiles, so it is drawn above them and takes their clicks.
  c.imgThing = new ClickImage(c.client);
  c.board = new BoardSurface(c.client);
  c.lblDifficulty = valueLabel(c.client, QStringLiteral("0"));
  c.lblScore = valueLabel(c.client, QStringLiteral("0"));
  c.lstScores = new QListWidget(c.client);
  c.lstScores->setSelectionMode(QAbstractItemView::SingleSelection);
  c.lstScores->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  c.lblRating = valueLabel(c.client, QCoreApplication::translate("Rating", "Universal Overlord!"));
  applyZoom(c, Zoom(), kStartCell.col, kStartCell.row);
  accessibility::describe(c);
  return c;
}

void applyZoom(MainControls& c, const Zoom& zoom, int thingCol, int thingRow) {
  c.client->setZoom(zoom);
  for (int index = 0; index < kCells; ++index) {
    c.imgTile[static_cast<std::size_t>(index)]->setGeometry(tileRect(index % kCols + 1, index / kCols + 1, zoom));
  }
  c.imgThing->setGeometry(thingRect(thingCol, thingRow, zoom));
  c.board->setZoom(zoom);
  const QFont bold = look::fixedFont(true, zoom.factor());
  for (const auto& [label, designed] : {std::pair{c.lblDifficulty, kDifficultyRect}, std::pair{c.lblScore, kScoreRect},
                                        std::pair{c.lblRating, kRatingRect}}) {
    label->setGeometry(zoom.at(designed));
    label->setFont(bold);
  }
  c.lstScores->setGeometry(zoom.at(kScoresListRect));
  c.lstScores->setFont(look::fixedFont(false, zoom.factor()));
}

namespace {

QAction* addItem(QMenu* menu, const QString& caption, const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(caption);
  action->setShortcut(shortcut);
  return action;
}

// Captions marked with QT_TRANSLATE_NOOP in the context below.
QString menuText(const char* caption) { return QCoreApplication::translate("MainMenus", caption); }

QAction* addItem(QMenu* menu, const char* caption, const QKeySequence& shortcut = {}) {
  return addItem(menu, menuText(caption), shortcut);
}

}  // namespace

MainMenus buildMainMenus(QMenuBar* bar, std::span<const int> zoomPercents) {
  MainMenus m;
  m.mnuFile = bar->addMenu(menuText(QT_TRANSLATE_NOOP("MainMenus", "&File")));
  m.mnuExit = addItem(m.mnuFile, QT_TRANSLATE_NOOP("MainMenus", "E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X));

  m.mnuGame = bar->addMenu(menuText(QT_TRANSLATE_NOOP("MainMenus", "&Game")));
  m.mnuRestartLevel = addItem(m.mnuGame, QT_TRANSLATE_NOOP("MainMenus", "&Restart This Level"), QKeySequence(Qt::CTRL | Qt::Key_R));
  //: The Game menu item that opens the window to pick any level.
  m.mnuJump = addItem(m.mnuGame, QT_TRANSLATE_NOOP("MainMenus", "&Jump to Level"), QKeySequence(Qt::CTRL | Qt::Key_J));
  m.mnuSndFX = addItem(m.mnuGame, QT_TRANSLATE_NOOP("MainMenus", "&Sound Effects"), QKeySequence(Qt::CTRL | Qt::Key_S));
  m.mnuSndFX->setCheckable(true);
  m.mnuSndFX->setChecked(true);
  m.mnuResetScores = addItem(m.mnuGame, QT_TRANSLATE_NOOP("MainMenus", "Reset All Scores"));
  m.separatorBeforeHint = m.mnuGame->addSeparator();
  m.boardNumberItem = addItem(m.mnuGame, QT_TRANSLATE_NOOP("MainMenus", "&Board Number…"), QKeySequence(Qt::CTRL | Qt::Key_B));
  m.hintItem = addItem(m.mnuGame, QT_TRANSLATE_NOOP("MainMenus", "&Hint"), QKeySequence(Qt::Key_H));
  m.statisticsItem = addItem(m.mnuGame, QT_TRANSLATE_NOOP("MainMenus", "S&tatistics…"), QKeySequence(Qt::CTRL | Qt::Key_T));
  m.separatorBeforeUndo = m.mnuGame->addSeparator();
  m.undoItem = addItem(m.mnuGame, QT_TRANSLATE_NOOP("MainMenus", "&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
  m.redoItem = addItem(m.mnuGame, QT_TRANSLATE_NOOP("MainMenus", "Re&do"));
  m.redoItem->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  // Nothing to take back until a move is made.
  m.undoItem->setEnabled(false);
  m.redoItem->setEnabled(false);
  m.mnuGame->addSeparator();
  m.keepBoardItem = addItem(m.mnuGame, QT_TRANSLATE_NOOP("MainMenus", "&Keep Unfinished Board"));
  m.keepBoardItem->setCheckable(true);

  m.viewMenu = bar->addMenu(menuText(QT_TRANSLATE_NOOP("MainMenus", "&View")));
  m.colourSafeItem = addItem(m.viewMenu, QT_TRANSLATE_NOOP("MainMenus", "&Colour-Safe Tiles"));
  m.colourSafeItem->setCheckable(true);
  m.zoomMenu = m.viewMenu->addMenu(menuText(QT_TRANSLATE_NOOP("MainMenus", "&Zoom")));
  auto* sizes = new QActionGroup(m.zoomMenu);
  QString accessKeys;
  for (const int percent : zoomPercents) {
    // Each item's access key is the first of its digits no earlier item took.
    //: A size in the Zoom menu, %1 the percent (100, 150, ...).
    QString caption = QCoreApplication::translate("MainMenus", "%1 %").arg(percent);
    const auto key = std::find_if(caption.begin(), caption.end(), [&](QChar c) { return c.isDigit() && !accessKeys.contains(c); });
    if (key != caption.end()) {
      accessKeys += *key;
      caption.insert(key - caption.begin(), QLatin1Char('&'));
    }
    QAction* item = addItem(m.zoomMenu, caption,
                            m.zoomItems.empty() ? QKeySequence(Qt::CTRL | Qt::Key_0) : QKeySequence());
    item->setCheckable(true);
    sizes->addAction(item);
    m.zoomItems.push_back(item);
  }
  if (!m.zoomItems.empty()) m.zoomItems.front()->setChecked(true);
  m.zoomMenu->addSeparator();
  m.zoomInItem = addItem(m.zoomMenu, QT_TRANSLATE_NOOP("MainMenus", "Zoom &In"));
  m.zoomInItem->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  m.zoomOutItem = addItem(m.zoomMenu, QT_TRANSLATE_NOOP("MainMenus", "Zoom &Out"), QKeySequence(Qt::CTRL | Qt::Key_Minus));

  m.mnuHelp = bar->addMenu(menuText(QT_TRANSLATE_NOOP("MainMenus", "&Help")));
  m.mnuTutorial = addItem(m.mnuHelp, QT_TRANSLATE_NOOP("MainMenus", "&Tutorial"), QKeySequence(Qt::Key_F1));
  m.mnuLine1 = m.mnuHelp->addSeparator();
  m.mnuAbout = addItem(m.mnuHelp, QT_TRANSLATE_NOOP("MainMenus", "&About"));
  return m;
}

}  // namespace gorbix
