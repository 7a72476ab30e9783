#include "app/frm_main.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>

#include "app/board_number_command.h"
#include "i18n/translations.h"
#include "support/app_folder.h"
#include "support/error_trap.h"
#include "support/text.h"
#include "ui/help/frm_about.h"
#include "ui/help/frm_tutorial.h"
#include "ui/help/picture_file.h"
#include "ui/windows/board_accessible.h"
#include "ui/windows/board_surface.h"
#include "ui/windows/core_text.h"
#include "ui/windows/frm_eogame.h"
#include "ui/windows/frm_jump.h"
#include "ui/windows/window_zoom.h"

namespace gorbix {

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

MouseButton toMouseButton(Qt::MouseButton button) {
  if (button == Qt::LeftButton) return MouseButton::Left;
  if (button == Qt::RightButton) return MouseButton::Right;
  return MouseButton::Other;
}

std::unique_ptr<RandomSource> orSeeded(std::unique_ptr<RandomSource> random) {
  return random ? std::move(random) : std::make_unique<SeededRandom>();
}

}  // namespace

frmMain::frmMain(ErrorTrap& trap, std::unique_ptr<RandomSource> random, SoundBackendFactory sounds,
                 QWidget* parent)
    : QMainWindow(parent),
      random_(orSeeded(std::move(random))),
      game_(*this, *this, *random_, trap),
      ui_(buildMainControls(this)),
      menus_(buildMainMenus(menuBar(), kZoomPercents)),
      sndFX_(sounds ? std::move(sounds) : qtSoundBackends()),
      hintMarks_(ui_.client),
      hint_(game_, *this, hintMarks_, zoom_, [this](solver::Click click) {
        const Qt::MouseButton button = click.right ? Qt::RightButton : Qt::LeftButton;
        // On the Thing's cell the mouse meets the Thing's picture.
        if (click.index == CellToIndex(game_.ThingCol(), game_.ThingRow())) {
          imgThing_MouseUp(button);
        } else {
          imgTile_MouseUp(click.index, button);
        }
      }),
      undo_(game_, menus_, [this] { hint_.hide(); }),
      narrator_(game_, ui_.client, zoom_, hint_, sndFX_) {
  setWindowTitle(tr("Gorbix!"));
  setWindowIcon(art::windowIcon());
  setCentralWidget(ui_.client);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  layout()->activate();
  redrawPictures();

  // A click puts the keyboard cursor out of sight and the keys on the
  // board; they act through the very handlers the clicks use.
  for (int index = 0; index < kCells; ++index) {
    connect(ui_.imgTile[static_cast<std::size_t>(index)], &ClickImage::released, this,
            [this, index](Qt::MouseButton button) {
              ui_.board->mouseClicked();
              imgTile_MouseUp(index, button);
            });
  }
  connect(ui_.imgThing, &ClickImage::released, this, [this](Qt::MouseButton button) {
    ui_.board->mouseClicked();
    imgThing_MouseUp(button);
  });
  connect(ui_.board, &BoardSurface::tileReleased, this, &frmMain::imgTile_MouseUp);
  connect(ui_.board, &BoardSurface::thingReleased, this, &frmMain::imgThing_MouseUp);
  ui_.board->setFocus();
  connect(ui_.lstScores, &QListWidget::itemDoubleClicked, this, &frmMain::lstScores_DblClick);
  connect(&tmrMoveThing_, &QTimer::timeout, this, [this] { game_.tmrMoveThing_Timer(); narrator_.stepped(); });

  connect(menus_.mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
  connect(menus_.mnuRestartLevel, &QAction::triggered, this, &frmMain::mnuRestartLevel_Click);
  connect(menus_.mnuJump, &QAction::triggered, this, &frmMain::mnuJump_Click);
  connect(menus_.mnuSndFX, &QAction::triggered, this, &frmMain::mnuSndFX_Click);
  connect(menus_.mnuResetScores, &QAction::triggered, this, &frmMain::mnuResetScores_Click);
  connect(&undo_, &UndoCommands::undone, this, [this] { narrator_.tookBack(false); });
  connect(&undo_, &UndoCommands::redone, this, [this] { narrator_.tookBack(true); });
  connect(menus_.boardNumberItem, &QAction::triggered, this, &frmMain::showBoardNumber);
  connect(menus_.statisticsItem, &QAction::triggered, this, &frmMain::showStatistics);
  connect(menus_.colourSafeItem, &QAction::triggered, this, &frmMain::toggleColourSafe);
  for (std::size_t i = 0; i < menus_.zoomItems.size() && i < kZoomPercents.size(); ++i) {
    const int percent = kZoomPercents[i];
    connect(menus_.zoomItems[i], &QAction::triggered, this, [this, percent] { zoomTo(percent); });
  }
  connect(menus_.zoomInItem, &QAction::triggered, this, &frmMain::zoomIn);
  connect(menus_.zoomOutItem, &QAction::triggered, this, &frmMain::zoomOut);
  // The screen may have changed since: the choices are checked when seen.
  connect(menus_.viewMenu, &QMenu::aboutToShow, this, &frmMain::updateZoomChoices);
  connect(menus_.zoomMenu, &QMenu::aboutToShow, this, &frmMain::updateZoomChoices);
  connect(menus_.mnuTutorial, &QAction::triggered, this, &frmMain::mnuTutorial_Click);
  connect(menus_.mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
  bestLines_.giveWayTo(hint_, *menus_.hintItem);  // first: it steps back before the hint's search starts
  connect(menus_.hintItem, &QAction::triggered, &hint_, &HintController::press);
  // Every other command takes the hint away, the ones in submenus too.
  connect(menuBar(), &QMenuBar::triggered, this, [this](QAction* item) {
    if (item != menus_.hintItem) hint_.hide();
  });
  // The keys then act on the hinted tile, and a screen reader reads it out.
  connect(&hint_, &HintController::hintShown, ui_.board, [this](int index, bool) { ui_.board->takeHint(index); });
}

frmMain::~frmMain() { tmrMoveThing_.stop(); }

void frmMain::Form_Load() {
  const QStringList arguments = QCoreApplication::arguments();
  const std::string argv0 = arguments.isEmpty() ? std::string() : QFile::encodeName(arguments.constFirst()).toStdString();
  AppFolder_ = FindAppFolder(RunningProgramPath(argv0), CurrentFolder(), '/');
  if (settings_) {
    settings_->open(AppFolder_);
    stored_ = settings_->loadGame();
  }
  const ViewSettings view = loadView();
  look_ = view.colourSafe ? art::TileLook::ColourSafe : art::TileLook::Designed;
  menus_.colourSafeItem->setChecked(view.colourSafe);
  // A size stored on a larger screen gives way to the largest that fits.
  setZoom(offeredZoom(view.zoom + 1, -1));
  loadPlacement();
  loadBackground();
  showBestScores(loadBestScores());
  const bool soundsOn = loadSoundSwitch();
  sndFX_.setSoundsOn(soundsOn);
  menus_.mnuSndFX->setChecked(soundsOn);
  sndFX_.openAll(AppFolder_);
  std::int16_t level = loadLastLevel();
  // A damaged stored level must not stop the game from starting.
  if (level < 1 || level > kLevels) level = 1;
  if (!undo_.resume(settings_, level)) {
    game_.StartLevel(level);
  } else {
    // The record goes on counting the board taken up; only its seconds start again.
    for (const PlayEvent& event : game_.history().events()) recorder_.played(event);
  }
}

void frmMain::Form_Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  tmrMoveThing_.stop();
  hint_.hide();
  // Saved before anything the platform may take its time over, so a sound
  // system that never lets go cannot cost the player the run.
  saveGame(game_.CurrentLevel(), game_.BestScore());
  undo_.shutDown();
  // A board kept for the next run is not left: its level goes on there.
  if (!undo_.keeping()) recorder_.leave();
  recorder_.flush();
  bestLines_.cancel();
  sndFX_.closeAll();
}

void frmMain::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();
}

void frmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (QWindow* window = windowHandle()) {
    connect(window, &QWindow::screenChanged, this, &frmMain::redrawPictures, Qt::UniqueConnection);
  }
  redrawPictures();
}

void frmMain::loadPlacement() {
  if (settings_) {
    settings_->LoadFormPosn(*this, kMainWindowName);
    return;
  }
  if (const QScreen* s = screen()) {
    const QRect area = s->availableGeometry();
    const QSize size = sizeHint();
    move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
  }
}

// Looked for in the current folder first, then beside the program; without
// it the client area shows the button-face colour. Only a regular file is
// read: a named pipe in its place would stall the start for ever.
void frmMain::loadBackground() {
  const QString name = QStringLiteral("BG_256.BMP");
  QPixmap picture;
  // In each folder the picture in the player's language, its captions translated, first.
  for (const QString& folder : {QDir::currentPath(), QCoreApplication::applicationDirPath()}) {
    for (const QString& file : {i18n::localName(name), name}) {
      if (picture.isNull()) picture = help::loadPictureFile(QDir(folder).filePath(file));
    }
  }
  ui_.client->setPicture(picture);
}

BestScores frmMain::loadBestScores() { return stored_.bestScores; }

bool frmMain::loadSoundSwitch() { return stored_.sounds; }

std::int16_t frmMain::loadLastLevel() { return stored_.lastLevel; }

void frmMain::saveGame(std::int16_t lastLevel, const BestScores& best) {
  if (settings_) settings_->saveGame(lastLevel, best, *this);
}

void frmMain::newBestScore(std::int16_t level) {
  if (settings_) settings_->newBestScore(level);
  saveGame(game_.CurrentLevel(), game_.BestScore());
}

void frmMain::allScoresReset() {
  if (settings_) settings_->allScoresReset();
  saveGame(game_.CurrentLevel(), game_.BestScore());
}

void frmMain::boardDealt(std::int16_t level, std::int32_t boardNumber) {
  recorder_.dealt(level, boardNumber);
  undo_.boardDealt();
}

void frmMain::soundSwitchChanged(bool on) {
  if (settings_) settings_->saveSounds(on);
}

ViewSettings frmMain::loadView() { return settings_ ? settings_->loadView() : ViewSettings{}; }

void frmMain::colourSafeChanged(bool on) {
  if (settings_) settings_->saveColourSafe(on);
}

void frmMain::zoomChanged(int percent) {
  if (settings_) settings_->saveZoom(percent);
}

QRect frmMain::screenArea() const {
  const QScreen* s = screen();
  return s ? s->availableGeometry() : QRect();
}

void frmMain::showBestScores(const BestScores& best) {
  game_.setBestScores(best);
  ui_.lstScores->clear();
  for (int level = 1; level <= kLevels; ++level) {
    ui_.lstScores->addItem(coreText::scoreLine(static_cast<std::int16_t>(level), best[static_cast<std::size_t>(level - 1)]));
  }
  ui_.lblRating->setText(coreText::rating(OverallRating(best)));
}

void frmMain::imgTile_MouseUp(int index, Qt::MouseButton button) {
  hint_.hide();
  narrator_.play(index, toMouseButton(button), [&] { game_.imgTile_MouseUp(index, toMouseButton(button)); });
}

void frmMain::imgThing_MouseUp(Qt::MouseButton button) {
  hint_.hide();
  const int index = CellToIndex(game_.ThingCol(), game_.ThingRow());
  narrator_.play(index, toMouseButton(button), [&] { game_.imgThing_MouseUp(toMouseButton(button)); });
}

void frmMain::cellChanged(int col, int row, char code) {
  if (!OnBoard(col, row)) return;
  ClickImage& image = *ui_.imgTile[static_cast<std::size_t>(CellToIndex(col, row))];
  image.setPixmap(tilePicture(code, image.size()));
  ui_.board->setCell(col, row, code);
}

void frmMain::thingHidden() {
  ui_.imgThing->hide();
  ui_.board->setThingShown(false);
}

void frmMain::thingMoved(int col, int row) {
  ui_.imgThing->move(thingRect(col, row, zoom_).topLeft());
  ui_.board->setThingCell(col, row);
}

void frmMain::thingShown() {
  ui_.imgThing->show();
  ui_.board->setThingShown(true);
}

void frmMain::moveCursorTo(int index) { ui_.board->moveCursorTo(index); }

void frmMain::scoreChanged(std::int16_t score) {
  ui_.lblScore->setText(qs(IntStr(score)));
  recorder_.scoreShown(score);
  accessibility::valueChanged(ui_.lblScore);
}

void frmMain::levelChanged(std::int16_t level) {
  hint_.hide();
  recorder_.leave();  // the level before is left: its score is still the last one shown
  ui_.lblDifficulty->setText(qs(IntStr(level)));
  accessibility::valueChanged(ui_.lblDifficulty);
}

void frmMain::scoreLineChanged(int line, const std::string& text) {
  QListWidget& list = *ui_.lstScores;
  if (line >= 0 && line < list.count()) {
    list.item(line)->setText(qs(text));
  } else if (line == list.count()) {
    list.addItem(qs(text));
  }
}

void frmMain::scoreLineSelected(int line) {
  QListWidget& list = *ui_.lstScores;
  if (line < 0 || line >= list.count()) return;
  list.setCurrentRow(line);
  list.scrollToItem(list.item(line));
}

void frmMain::overallRatingChanged(std::string_view rating) {
  ui_.lblRating->setText(coreText::rating(rating));
  accessibility::valueChanged(ui_.lblRating);
}

void frmMain::PlaySound(SoundIndex n) {
  sndFX_.PlaySound(n);
  if (n == SoundIndex::Error) narrator_.refused();
}

void frmMain::walkTimerChanged(bool enabled, int intervalMs) {
  tmrMoveThing_.setInterval(intervalMs);
  if (enabled) {
    tmrMoveThing_.start();
  } else {
    tmrMoveThing_.stop();
  }
  undo_.walkChanged();
}

void frmMain::runModal(QDialog& dialog) { dialog.exec(); }

void frmMain::endProgram() { QCoreApplication::exit(0); }

EndChoice frmMain::showEndOfLevel(const EndOfLevelSummary& summary) {
  narrator_.levelEnded(summary);
  recorder_.ended();
  frmEOGame dialog(summary, this);
  runModal(dialog);
  return dialog.choice();
}

std::int16_t frmMain::showJumpWindow(std::int16_t currentLevel) {
  frmJump dialog(currentLevel, this);
  runModal(dialog);
  return dialog.JumpLevel();
}

void frmMain::quitGame() {
  Form_Unload();
  endProgram();
}

void frmMain::mnuExit_Click() { quitGame(); }

void frmMain::mnuRestartLevel_Click() { game_.StartLevel(game_.CurrentLevel()); }

void frmMain::mnuJump_Click() { game_.RunJumpCommand(); }

void frmMain::mnuSndFX_Click() {
  const bool on = !sndFX_.SoundsOn();
  sndFX_.setSoundsOn(on);
  menus_.mnuSndFX->setChecked(on);
  soundSwitchChanged(on);
}

void frmMain::mnuResetScores_Click() {
  const QString text = tr("Are you sure you want to reset all of the\nscores, for all 25 levels, back to zero?");
  QMessageBox box(QMessageBox::Warning, qs(kProgramTitle), text, QMessageBox::Yes | QMessageBox::No, this);
  box.setDefaultButton(QMessageBox::No);
  look::zoomWindow(box, zoom_);
  runModal(box);
  if (box.clickedButton() == box.button(QMessageBox::Yes)) game_.ResetAllScores();
}

// Modeless and without an owner: the game goes on while it is open.
void frmMain::mnuTutorial_Click() {
  help::TutorialPlacement placement;
  if (StoredSettings* settings = settings_) {
    placement.load = [settings](QWidget& window) { settings->LoadFormPosn(window, kTutorialWindowName); };
    placement.save = [settings](const QWidget& window) { settings->SaveFormPosn(window, kTutorialWindowName); };
  }
  help::frmTutorial::showTutorial(std::move(placement), zoom_);
}

void frmMain::mnuAbout_Click() {
  help::frmAbout about(this);
  runModal(about);
}

void frmMain::lstScores_DblClick() {
  const QList<QListWidgetItem*> selected = ui_.lstScores->selectedItems();
  if (selected.isEmpty()) return;
  game_.StartLevel(static_cast<std::int16_t>(ui_.lstScores->row(selected.front()) + 1));
}

void frmMain::showBoardNumber() {
  runBoardNumberCommand(game_, bestLines_, this, [this](QDialog& dialog) { runModal(dialog); });
}

}  // namespace gorbix
