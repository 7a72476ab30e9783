#include "app/statistics_command.h"

#include <QFutureWatcher>
#include <QMessageBox>
#include <QScreen>
#include <QtConcurrent/QtConcurrentRun>

#include "app/level_recorder.h"
#include "app/stored_settings.h"
#include "support/error_trap.h"
#include "ui/windows/window_look.h"

namespace gorbix {

StatisticsCommand::StatisticsCommand(LevelRecorder& recorder, QWidget& owner, std::function<void(QDialog&)> runModal)
    : recorder_(recorder), owner_(owner), runModal_(std::move(runModal)) {
  connect(&recorder_, &LevelRecorder::appended, this, [this](const LevelRecord& record) {
    if (!window_) return;
    // The reading may or may not have met the new line: read again.
    if (reading_) {
      read();
    } else {
      window_->add(record);
    }
  });
}

StatisticsCommand::~StatisticsCommand() {
  if (reading_) reading_->store(true);
}

void StatisticsCommand::show(StoredSettings* settings) {
  if (!window_) {
    window_ = new StatisticsWindow(&owner_);
    window_->setAttribute(Qt::WA_DeleteOnClose);
    window_->setLook(zoom_, colourSafe_);
    if (settings == nullptr || !settings->LoadFormPosn(*window_, kStatisticsSection, kStatisticsWindowName)) {
      look::centerOnOwner(*window_);
    }
    connect(window_, &StatisticsWindow::resetClicked, this, &StatisticsCommand::reset);
    connect(window_, &QDialog::finished, this, [this, settings] {
      if (reading_) reading_->store(true);
      reading_.reset();
      const bool normal = !(window_->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
      if (settings != nullptr && normal) settings->SaveFormPosn(*window_, kStatisticsSection, kStatisticsWindowName);
    });
    read();
  }
  if (window_->isMinimized()) window_->showNormal();
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void StatisticsCommand::setLook(const Zoom& zoom, bool colourSafe) {
  zoom_ = zoom;
  colourSafe_ = colourSafe;
  if (!window_) return;
  window_->setLook(zoom, colourSafe);
  if (const QScreen* screen = window_->screen(); screen != nullptr && window_->isVisible()) {
    window_->move(keepOnScreen(window_->pos(), window_->frameGeometry().size(), screen->availableGeometry()));
  }
}

// Off the UI thread: a record of years of play must not hold the window up.
void StatisticsCommand::read() {
  if (reading_) reading_->store(true);
  auto stop = std::make_shared<std::atomic<bool>>(false);
  reading_ = stop;
  window_->showReading();
  auto* watcher = new QFutureWatcher<RecordStatistics>(window_);
  connect(watcher, &QFutureWatcherBase::finished, window_, [this, watcher, stop] {
    watcher->deleteLater();
    if (stop->load()) return;
    reading_.reset();
    window_->setStatistics(watcher->result());
  });
  watcher->setFuture(QtConcurrent::run([path = recorder_.path(), stop] {
    RecordStatistics statistics;
    const RecordScan scan =
        scanRecordFile(path, [&statistics](const LevelRecord& record) { statistics.add(record); }, stop.get());
    statistics.skipped = scan.skipped;
    return statistics;
  }));
}

void StatisticsCommand::reset() {
  QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kProgramTitle.data(), kProgramTitle.size()),
                  tr("Clear every record of levels played? Best scores stay."),
                  QMessageBox::Yes | QMessageBox::No, window_);
  box.setDefaultButton(QMessageBox::No);
  runModal_(box);
  if (box.clickedButton() != box.button(QMessageBox::Yes) || !window_) return;
  if (reading_) reading_->store(true);
  reading_.reset();
  if (const std::error_code error = recorder_.clear()) {
    QMessageBox failed(QMessageBox::Warning, box.windowTitle(),
                       tr("The record cannot be cleared: %1").arg(QString::fromStdString(error.message())),
                       QMessageBox::Ok, window_);
    runModal_(failed);
    if (window_) read();
    return;
  }
  window_->setStatistics(RecordStatistics());
}

}  // namespace gorbix
