#include "ui/windows/frm_statistics.h"

#include <algorithm>
#include <cmath>

#include <QSignalBlocker>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/art/tile_art.h"
#include "ui/windows/statistics_chart.h"
#include "ui/windows/window_look.h"
#include "ui/windows/window_zoom.h"

namespace gorbix {

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 480;  // at 200 % it still fits a screen 1024 high
constexpr int kTableHeight = 150;

QStringList columns() {
  static constexpr const char* kNames[] = {
      QT_TRANSLATE_NOOP("gorbix::StatisticsWindow", "Level"),  QT_TRANSLATE_NOOP("gorbix::StatisticsWindow", "Played"),
      QT_TRANSLATE_NOOP("gorbix::StatisticsWindow", "Finished"), QT_TRANSLATE_NOOP("gorbix::StatisticsWindow", "Best"),
      QT_TRANSLATE_NOOP("gorbix::StatisticsWindow", "Mean"),
      QT_TRANSLATE_NOOP("gorbix::StatisticsWindow", "% of best line"),
      QT_TRANSLATE_NOOP("gorbix::StatisticsWindow", "Hints"),  QT_TRANSLATE_NOOP("gorbix::StatisticsWindow", "Undos"),
      QT_TRANSLATE_NOOP("gorbix::StatisticsWindow", "Time played")};
  QStringList names;
  for (const char* name : kNames) names << StatisticsWindow::tr(name);
  return names;
}

QString rounded(std::optional<double> value) { return value ? QString::number(std::lround(*value)) : QString(); }

QStringList rowOf(const LevelStatistics& s) {
  const auto best = s.bestScore();
  return {s.level == 0 ? StatisticsWindow::tr("Total") : QString::number(s.level),
          QString::number(s.played),
          QString::number(s.finished),
          best ? QString::number(*best) : QString(),
          rounded(s.meanScore()),
          rounded(s.meanPercentOfBestLine()),
          QString::number(s.hints),
          QString::number(s.undos),
          playedTime(s.seconds)};
}

}  // namespace

QString playedTime(std::int64_t seconds) {
  const std::int64_t h = seconds / 3600;
  const int m = static_cast<int>(seconds / 60 % 60);
  const int s = static_cast<int>(seconds % 60);
  if (h == 0) return QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QLatin1Char('0'));
  return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0'));
}

StatisticsWindow::StatisticsWindow(QWidget* owner) : QDialog(owner) {
  setWindowTitle(tr("Statistics"));
  setWindowIcon(art::windowIcon());
  look::zoomsItself(*this);
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

  table = new QTableWidget(0, static_cast<int>(columns().size()), this);
  table->setHorizontalHeaderLabels(columns());
  table->setAccessibleName(tr("Levels played"));
  table->verticalHeader()->hide();
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  // Tab leaves the table for the next control instead of walking its cells.
  table->setTabKeyNavigation(false);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->horizontalHeader()->setStretchLastSection(true);
  connect(table, &QTableWidget::currentCellChanged, this, [this] { showChart(); });

  noteLabel = new QLabel(this);
  chart = new StatisticsChart(this);
  resetButton = new QPushButton(tr("&Reset Statistics…"), this);
  resetButton->setAutoDefault(false);
  closeButton = new QPushButton(tr("Close"), this);
  closeButton->setAutoDefault(false);
  connect(resetButton, &QPushButton::clicked, this, &StatisticsWindow::resetClicked);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(noteLabel, 1);
  buttons->addWidget(resetButton);
  buttons->addWidget(closeButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table);
  layout->addWidget(chart, 1);
  layout->addLayout(buttons);

  setTabOrder(table, chart);
  setTabOrder(chart, resetButton);
  setTabOrder(resetButton, closeButton);
  setLook(Zoom(), false);
  showReading();
}

void StatisticsWindow::setLook(const Zoom& zoom, bool colourSafe) {
  setFont(look::dialogFont(8.25 * zoom.factor()));
  const QFont regular = look::dialogFont(8.25 * zoom.factor(), false);
  table->setFont(regular);
  table->horizontalHeader()->setFont(regular);
  table->verticalHeader()->setDefaultSectionSize(QFontMetrics(regular).height() + zoom.at(4));
  noteLabel->setFont(regular);
  chart->setLook(zoom, colourSafe);
  table->setFixedHeight(zoom.at(kTableHeight));
  // Wider than designed only where the headings of a language need it.
  const QHeaderView& header = *table->horizontalHeader();
  int columns = 2 * table->frameWidth();
  for (int column = 0; column < header.count(); ++column) columns += header.sectionSizeHint(column);
  // The last column stretches, but never below the header's default size.
  if (header.count() > 0) columns += std::max(0, header.defaultSectionSize() - header.sectionSizeHint(header.count() - 1));
  const QMargins margins = layout()->contentsMargins();
  setFixedSize(std::max(zoom.at(kWidth), columns + margins.left() + margins.right()), zoom.at(kHeight));
}

void StatisticsWindow::showReading() {
  statistics_ = RecordStatistics();
  table->setRowCount(0);
  noteLabel->clear();
  chart->showReading();
}

void StatisticsWindow::setStatistics(const RecordStatistics& statistics) {
  statistics_ = statistics;
  fill();
}

void StatisticsWindow::add(const LevelRecord& record) {
  statistics_.add(record);
  fill();
}

int StatisticsWindow::chosenLevel() const {
  const QTableWidgetItem* item = table->item(table->currentRow(), 0);
  return item ? item->data(Qt::UserRole).toInt() : 0;
}

void StatisticsWindow::fill() {
  // The level chosen stays chosen; at first, the level played last.
  const int chosen = table->currentRow() >= 0 ? chosenLevel() : statistics_.latestLevel;
  const QSignalBlocker quiet(table);
  const std::vector<const LevelStatistics*> levels = statistics_.levels();
  table->setRowCount(levels.empty() ? 0 : static_cast<int>(levels.size()) + 1);
  int row = 0;
  const auto put = [&](const LevelStatistics& s) {
    const QStringList cells = rowOf(s);
    for (int column = 0; column < cells.size(); ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      item->setData(Qt::UserRole, s.level);
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      QFont font = table->font();
      font.setBold(s.level == 0);
      item->setFont(font);
      table->setItem(row, column, item);
    }
    if (s.level == chosen) table->setCurrentCell(row, 0);
    ++row;
  };
  for (const LevelStatistics* s : levels) put(*s);
  if (!levels.empty()) put(statistics_.total());
  const std::size_t skipped = statistics_.skipped;
  noteLabel->setText(skipped == 0   ? QString()
                     : skipped == 1 ? tr("1 damaged line of the record skipped")
                                    : tr("%n damaged lines of the record skipped", nullptr, skipped));
  showChart();
}

void StatisticsWindow::showChart() { chart->show(statistics_, chosenLevel()); }

}  // namespace gorbix
