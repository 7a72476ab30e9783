#include "ui/windows/main_layout.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>

#include "ui/windows/window_look.h"

namespace gorbix {

ClickImage::ClickImage(QWidget* parent) : QLabel(parent) { setContextMenuPolicy(Qt::PreventContextMenu); }

void ClickImage::mousePressEvent(QMouseEvent* event) { event->accept(); }

void ClickImage::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  emit released(event->button());
}

Backdrop::Backdrop(QWidget* parent) : QWidget(parent) {}

void Backdrop::setPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void Backdrop::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Button));
  if (!picture_.isNull()) painter.drawPixmap(0, 0, picture_);
}

namespace {

QLabel* valueLabel(QWidget* parent, QRect geometry, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  label->setFont(look::fixedFont(true));
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
  c.client->setFixedSize(kClientWidth, kClientHeight);

  for (int index = 0; index < kCells; ++index) {
    auto* tile = new ClickImage(c.client);
    tile->setGeometry(QRect(tileTopLeft(index % kCols + 1, index / kCols + 1), QSize(45, 45)));
    c.imgTile[static_cast<std::size_t>(index)] = tile;
  }
  // Made after the tiles, so it is drawn above them and takes their clicks.
  c.imgThing = new ClickImage(c.client);
  c.imgThing->setGeometry(QRect(thingTopLeft(kStartCell.col, kStartCell.row), QSize(29, 29)));

  c.lblDifficulty = valueLabel(c.client, {385, 38, 156, 15}, QStringLiteral("0"));
  c.lblScore = valueLabel(c.client, {385, 91, 156, 15}, QStringLiteral("0"));
  c.lstScores = new QListWidget(c.client);
  c.lstScores->setGeometry(385, 150, 155, 145);
  c.lstScores->setFont(look::fixedFont(false));
  c.lstScores->setSelectionMode(QAbstractItemView::SingleSelection);
  c.lstScores->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  c.lblRating = valueLabel(c.client, {378, 336, 170, 15}, QStringLiteral("Universal Overlord!"));
  return c;
}

namespace {

QAction* addItem(QMenu* menu, const char* caption, const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setShortcut(shortcut);
  return action;
}

}  // namespace

MainMenus buildMainMenus(QMenuBar* bar) {
  MainMenus m;
  m.mnuFile = bar->addMenu(QStringLiteral("&File"));
  m.mnuExit = addItem(m.mnuFile, "E&xit", QKeySequence(Qt::CTRL | Qt::Key_X));

  m.mnuGame = bar->addMenu(QStringLiteral("&Game"));
  m.mnuRestartLevel = addItem(m.mnuGame, "&Restart This Level", QKeySequence(Qt::CTRL | Qt::Key_R));
  m.mnuJump = addItem(m.mnuGame, "&Jump to Level", QKeySequence(Qt::CTRL | Qt::Key_J));
  m.mnuSndFX = addItem(m.mnuGame, "&Sound Effects", QKeySequence(Qt::CTRL | Qt::Key_S));
  m.mnuSndFX->setCheckable(true);
  m.mnuSndFX->setChecked(true);
  m.mnuResetScores = addItem(m.mnuGame, "Reset All Scores");

  m.mnuHelp = bar->addMenu(QStringLiteral("&Help"));
  m.mnuTutorial = addItem(m.mnuHelp, "&Tutorial", QKeySequence(Qt::Key_F1));
  m.mnuLine1 = m.mnuHelp->addSeparator();
  m.mnuAbout = addItem(m.mnuHelp, "&About");
  return m;
}

}  // namespace gorbix
