// The Statistics window's chart, drawn by the game: every level's best and
// mean score as bars beside the mean of its boards' best lines, and one
// level's scores in order of play beside each board's best line.
#pragma once

#include <QString>
#include <QWidget>

#include "settings/record_statistics.h"
#include "ui/windows/main_layout.h"

namespace gorbix {

class StatisticsChart : public QWidget {
  Q_OBJECT

 public:
  explicit StatisticsChart(QWidget* parent = nullptr);

  // level: the one whose scores are drawn in order of play; 0 for none.
  void show(const RecordStatistics& statistics, int level);
  // While the record is being read.
  void showReading();
  void setLook(const Zoom& zoom, bool colourSafe);

  // What the chart shows, in words; also its accessible description.
  const QString& description() const { return description_; }

  static QString emptyText();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Palette;
  Palette palette() const;
  void describe();

  RecordStatistics statistics_;
  int level_ = 0;
  bool reading_ = false;
  Zoom zoom_;
  bool colourSafe_ = false;
  QString description_;
};

// The chart's sentence for one level, as a screen reader speaks it:
// "Level 3: best 310, mean 262, best line 330".
QString describeLevel(const LevelStatistics& level);

}  // namespace gorbix
