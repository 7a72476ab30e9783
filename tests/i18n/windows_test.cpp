// Every window in English, each embedded language and a pseudo-language 40 %
// longer, at 100 % and 300 %: every text whole, none over another, and no
// access letter twice in a menu or window.
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTranslator>

#include <gtest/gtest.h>

#include <map>

#include "i18n/translations.h"
#include "main_window_fixture.h"
#include "ui/art/background_art.h"
#include "ui/help/frm_about.h"
#include "ui/help/frm_tutorial.h"
#include "ui/windows/core_text.h"
#include "ui/windows/frm_board_number.h"
#include "ui/windows/frm_eogame.h"
#include "ui/windows/frm_jump.h"
#include "ui/windows/frm_statistics.h"
#include "ui/windows/window_zoom.h"

namespace gorbix {
namespace {

// Each line bracketed and lengthened by 40 % with its own letters; & and
// placeholders kept. Qt's texts stay Qt's; a rating (21 letters at most) is
// only bracketed and the score list's word (6) left alone: their budgets.
class PseudoTranslator final : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    const QString where = QString::fromUtf8(context);
    if (where.startsWith(u'Q') || where == u"ScoreList") return {};
    QStringList lines = QString::fromUtf8(source).split(u'\n');
    for (QString& line : lines) {
      QString letters = line;
      letters.remove(QRegularExpression(QStringLiteral("[^\\p{L}]"))).append(u'x');
      QString pad;
      while (where != u"Rating" && pad.size() * 10 < line.size() * 4) pad += letters.at(pad.size() % letters.size());
      line = u'[' + line + pad + u']';
    }
    return lines.join(u'\n');
  }
};

// Each language's translator by name; none for English.
std::vector<std::pair<std::string, std::shared_ptr<QTranslator>>> languages() {
  std::vector<std::pair<std::string, std::shared_ptr<QTranslator>>> all{{"en", nullptr},
                                                                       {"pseudo", std::make_shared<PseudoTranslator>()}};
  for (const char* name : {"de", "fr", "es", "it", "pt_BR", "nl", "pl"}) {
    all.emplace_back(name, std::make_shared<QTranslator>());
    EXPECT_TRUE(all.back().second->load(QStringLiteral(":/i18n/gorbix_%1.qm").arg(name))) << name;
  }
  return all;
}

QString drawn(QString text) { return text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1")); }

struct Check {
  std::string where;

  void fits(const QString& text, QSize needed, QSize room) const {
    EXPECT_TRUE(needed.width() <= room.width() && needed.height() <= room.height())
        << '"' << text.toStdString() << "\" needs " << needed.width() << " x " << needed.height() << " px, has "
        << room.width() << " x " << room.height() << where;
  }
  // Where the label's text lies in the window, after checking it fits.
  QRect label(const QLabel& label) const {
    const QString text = label.buddy() ? drawn(label.text()) : label.text();
    const QRect room = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(), -label.margin());
    const int flags = static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    QSize needed = label.fontMetrics().boundingRect(QRect(0, 0, room.width(), 99999), flags, text).size();
    // A line may stand a pixel into its label's edge, as designed; only lines
    // that wrap or break must fit the height, or a line goes missing.
    const bool lines = label.wordWrap() || text.contains(u'\n');
    fits(text, {needed.width(), lines ? needed.height() - 1 : 0}, room.size());
    const QRect at = QStyle::alignedRect(Qt::LeftToRight, label.alignment(), needed.boundedTo(room.size()), room);
    return at.translated(label.mapTo(label.window(), QPoint()));
  }
  void window(const QWidget& window) const {
    std::vector<std::pair<QString, QRect>> texts;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
      if (!control->isVisibleTo(&window) || control->window() != &window) continue;
      if (const auto* l = qobject_cast<const QLabel*>(control); l && !l->text().isEmpty() && l->pixmap().isNull()) {
        texts.emplace_back(l->text(), label(*l));
      } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        fits(button->text(), {button->fontMetrics().horizontalAdvance(drawn(button->text())), 0}, room.size());
        texts.emplace_back(button->text(), QRect(button->mapTo(&window, QPoint()), button->size()));
      }
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
      for (std::size_t j = i + 1; j < texts.size(); ++j) {
        EXPECT_FALSE(texts[i].second.intersects(texts[j].second)) << '"' << texts[i].first.toStdString()
                                                                   << "\" overlaps \"" << texts[j].first.toStdString() << '"' << where;
      }
    }
  }
  void ratings(QLabel& box) const {
    for (int score = -1; score <= 400; score += 5) {
      box.setText(coreText::rating(RatingName(static_cast<std::int16_t>(score))));
      label(box);
    }
  }
};

// Alt and a letter reach one thing: no letter twice among these captions.
void expectOwnLetters(const std::string& group, const QStringList& captions, const std::string& language) {
  std::map<QChar, QString> taken;
  for (const QString& caption : captions) {
    const QRegularExpressionMatch letter = QRegularExpression(QStringLiteral("&([^&])")).match(caption);
    if (!letter.hasMatch()) continue;
    const auto [was, fresh] = taken.emplace(letter.captured(1).at(0).toLower(), caption);
    EXPECT_TRUE(fresh) << group << ": letter " << letter.captured(1).toStdString() << " of \"" << caption.toStdString()
                       << "\" and \"" << was->second.toStdString() << "\" in " << language;
  }
}

QStringList captions(const QWidget& window) {
  QStringList all;
  for (const QAction* action : window.actions()) all << action->text();
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) all << button->text();
  for (const QLabel* label : window.findChildren<QLabel*>()) all << (label->buddy() ? label->text() : QString());
  return all;
}

class EveryLanguage : public ::testing::TestWithParam<int> {};

TEST_P(EveryLanguage, EveryWindowShowsEveryTextWholeAndEachAccessLetterOnce) {
  const int percent = GetParam();
  i18n::translateCoreTexts();
  for (const auto& [name, translator] : languages()) {
    if (translator) QCoreApplication::installTranslator(translator.get());
    const auto in = [&](const std::string& window) {
      return Check{" in the " + window + ", " + name + " at " + std::to_string(percent) + " %"};
    };
    testing::CountingTrap trap;
    testing::FakeSounds sounds;
    testing::TestMain main(trap, sounds);
    main.Form_Load();
    main.zoomTo(percent);
    main.show();
    const MainControls& ui = main.controls();
    HintMarks hint(ui.client);
    for (const bool send : {true, false}) {
      hint.show(1, 1, HintMark::Send, hintText(send, 330), main.zoom());
      in("main window").window(main);
    }
    in("main window").ratings(*ui.lblRating);
    // As the level's end tells it, too.
    main.overallRatingChanged(RatingName(0));
    EXPECT_EQ(ui.lblRating->text(), QCoreApplication::translate("Rating", RatingName(0).data())) << name;
    for (QAction* heading : main.menuBar()->actions()) {
      EXPECT_TRUE(main.menuBar()->rect().contains(main.menuBar()->actionGeometry(heading)))
          << "menu \"" << heading->text().toStdString() << "\" cut off in " << name;
    }
    main.game().ResetAllScores();  // the lines as the game writes them
    EXPECT_EQ(ui.lstScores->item(24)->text(), coreText::scoreLine(25, 0)) << name;
    const int listRoom = ui.lstScores->viewport()->width() - ui.lstScores->verticalScrollBar()->sizeHint().width();
    for (int line = 0; line < ui.lstScores->count(); ++line) {
      const QString text = ui.lstScores->item(line)->text();
      in("score list").fits(text, {ui.lstScores->fontMetrics().horizontalAdvance(text), 0}, {listRoom, 0});
    }
    for (const art::Caption& caption : art::backgroundCaptions()) {
      const int needed = QFontMetrics(art::captionFont()).horizontalAdvance(caption.text);
      in("background").fits(caption.text, {needed, 0}, {caption.control.width(), 0});
    }

    BestScores best{};
    best[0] = -32768;
    frmEOGame eog(LoadEndOfLevel(1, 0, best), &main);
    frmJump jump(25, &main);
    BoardNumberWindow number(25, 2147483647, 330, &main);
    help::frmAbout about(&main);
    help::frmTutorial tutorial;
    tutorial.setZoom(main.zoom());
    StatisticsWindow statistics(&main);
    RecordStatistics damaged;
    damaged.skipped = 2;
    statistics.setStatistics(damaged);
    statistics.setLook(main.zoom(), false);
    for (QWidget* window : std::initializer_list<QWidget*>{&eog, &jump, &number, &about, &tutorial, &statistics}) {
      window->show();
      in(window->windowTitle().toStdString()).window(*window);
      if (percent == 100) expectOwnLetters(window->windowTitle().toStdString(), captions(*window), name);
    }
    in("End of Level").ratings(*eog.lblRatingForAll);
    number.numberField->setText(QStringLiteral("0"));
    number.playButton->click();  // the refusal, two lines
    in("Board Number").window(number);
    const QHeaderView& header = *statistics.table->horizontalHeader();
    in("Statistics").fits(QStringLiteral("the table"), {header.length(), 0}, {statistics.table->viewport()->width(), 0});

    for (const QString& text :
         {QCoreApplication::translate("gorbix::frmMain",
                                      "Are you sure you want to reset all of the\nscores, for all 25 levels, back to zero?"),
          QCoreApplication::translate("gorbix::StatisticsCommand", "Clear every record of levels played? Best scores stay."),
          QString::fromStdString(TrapErrorText("UINI-PISTR", "<Scores><L3>", true))}) {
      QMessageBox box(QMessageBox::Warning, QStringLiteral("Gorbix"), text, QMessageBox::Yes | QMessageBox::No, &main);
      look::zoomWindow(box, main.zoom());
      box.show();
      in("message box").window(box);
    }
    for (const QMenu* menu : main.menuBar()->findChildren<QMenu*>()) {
      if (percent == 100) expectOwnLetters("menu " + drawn(menu->title()).toStdString(), captions(*menu), name);
    }
    if (percent == 100) expectOwnLetters("menu bar", captions(*main.menuBar()), name);
    QCoreApplication::removeTranslator(translator.get());
  }
}

INSTANTIATE_TEST_SUITE_P(AtBothEndsOfTheZoom, EveryLanguage, ::testing::Values(100, 300));

}  // namespace
}  // namespace gorbix
