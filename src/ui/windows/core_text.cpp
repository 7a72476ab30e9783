#include "ui/windows/core_text.h"

#include <QCoreApplication>

#include <string>

namespace gorbix::coreText {

namespace {

QString translated(const char* context, std::string_view english) {
  return QCoreApplication::translate(context, std::string(english).c_str());
}

}  // namespace

QString rating(std::string_view english) { return translated("Rating", english); }

QString scoreLine(std::int16_t level, std::int16_t score) {
  return QString::fromStdString(ScoreLine(level, score, translated("ScoreList", kScoreLineWord).toStdString()));
}

QString endOfLevelCaption(const EndOfLevelSummary& summary) {
  return translated("EndOfLevel", kEndOfLevelCaption).arg(summary.level);
}

QString endOfLevelComment(const EndOfLevelSummary& summary) {
  return translated("EndOfLevel", summary.newBest ? kBeatBestComment : kBestNotBeatenComment).arg(summary.previousBest);
}

}  // namespace gorbix::coreText
