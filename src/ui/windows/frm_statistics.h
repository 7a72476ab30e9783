// The Statistics window: a row a level played, with a total, above a chart
// of the same; modeless, so the game goes on beside it.
#pragma once

#include <QDialog>

#include "settings/record_statistics.h"
#include "ui/windows/main_layout.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace gorbix {

class StatisticsChart;

class StatisticsWindow : public QDialog {
  Q_OBJECT

 public:
  explicit StatisticsWindow(QWidget* owner = nullptr);

  // The record is being read: nothing to show yet.
  void showReading();
  void setStatistics(const RecordStatistics& statistics);
  // A level has been recorded while the window is open.
  void add(const LevelRecord& record);
  const RecordStatistics& statistics() const { return statistics_; }
  // The window's size and fonts follow the main window's zoom; the chart's
  // colours its tiles'.
  void setLook(const Zoom& zoom, bool colourSafe);

  // The level whose boards the chart draws: the table's current row, 0 for the total.
  int chosenLevel() const;

  QTableWidget* table;
  StatisticsChart* chart;
  QLabel* noteLabel;
  QPushButton* resetButton;
  QPushButton* closeButton;

 signals:
  void resetClicked();

 private:
  void fill();
  void showChart();

  RecordStatistics statistics_;
};

// Seconds played as the table shows them: "m:ss", or "h:mm:ss" from an hour on.
QString playedTime(std::int64_t seconds);

}  // namespace gorbix
