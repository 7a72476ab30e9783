// Every window in every language, at the smallest and the largest zoom:
// each text shown whole, and no text over another.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QHeaderView>

#include <gtest/gtest.h>

#include "languages.h"
#include "main_window_fixture.h"
#include "support/error_trap.h"
#include "support/translatable.h"
#include "ui/art/background_art.h"
#include "ui/help/frm_about.h"
#include "ui/windows/core_text.h"
#include "ui/windows/frm_board_number.h"
#include "ui/windows/frm_eogame.h"
#include "ui/windows/frm_jump.h"
#include "ui/windows/frm_statistics.h"
#include "ui/windows/hint_marks.h"
#include "ui/windows/window_zoom.h"

namespace gorbix {
namespace {

std::string str(const QString& text) { return text.toStdString(); }

// What a control draws of its text: an access letter's & is not drawn.
QString drawn(const QString& text) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

struct Shown {
  QString text;
  QRect rect;  // in the window's coordinates
  const QWidget* control;
};

class LayoutCheck {
 public:
  LayoutCheck(std::string window, std::string language, int percent)
      : where_(" in the " + std::move(window) + ", " + std::move(language) + " at " + std::to_string(percent) + " %") {}

  // Every label and button of the window: clipped texts, then overlaps.
  void controls(QWidget& window) {
    std::vector<Shown> shown;
    for (QWidget* control : window.findChildren<QWidget*>()) {
      if (!control->isVisibleTo(&window) || control->window() != &window) continue;
      if (auto* label = qobject_cast<QLabel*>(control)) {
        if (const auto text = this->label(*label)) shown.push_back({label->text(), mapped(*label, *text), label});
      } else if (auto* button = qobject_cast<QPushButton*>(control)) {
        this->button(*button);
        shown.push_back({button->text(), mapped(*button, button->rect()), button});
      }
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
      for (std::size_t j = i + 1; j < shown.size(); ++j) {
        if (shown[i].rect.intersects(shown[j].rect)) {
          ADD_FAILURE() << '"' << str(shown[i].text) << "\" overlaps \"" << str(shown[j].text) << '"' << where_;
        }
      }
    }
  }

  // Where a label's text lies in it, after failing if it is clipped; none
  // for a label that shows no text.
  std::optional<QRect> label(const QLabel& label) {
    if (label.text().isEmpty() || !label.pixmap().isNull() || label.textFormat() == Qt::RichText) return std::nullopt;
    const QString text = label.buddy() ? drawn(label.text()) : label.text();
    const QRect room = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(), -label.margin());
    const int flags = static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = label.fontMetrics().boundingRect(QRect(0, 0, room.width(), 100'000), flags, text);
    // A line of text may stand a pixel or two into a label's edge as designed;
    // a wrapped or multi-line text must fit its height, or lines go missing.
    const bool lines = label.wordWrap() || text.contains(u'\n');
    if (needed.width() > room.width() || (lines && needed.height() > room.height())) {
      ADD_FAILURE() << '"' << str(text) << "\" needs " << needed.width() << " x " << needed.height() << " px, has "
                    << room.width() << " x " << room.height() << where_;
    }
    return QStyle::alignedRect(label.layoutDirection(), label.alignment(), needed.size().boundedTo(room.size()), room);
  }

  void button(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = button.rect();
    option.text = button.text();
    const QRect room = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const int needed = button.fontMetrics().horizontalAdvance(drawn(button.text()));
    if (needed > room.width()) {
      ADD_FAILURE() << "button \"" << str(button.text()) << "\" needs " << needed << " px, has " << room.width() << where_;
    }
  }

  void fits(const QString& text, int needed, int room) {
    if (needed > room) ADD_FAILURE() << '"' << str(text) << "\" needs " << needed << " px, has " << room << where_;
  }

 private:
  static QRect mapped(const QWidget& control, const QRect& rect) {
    return {control.mapTo(control.window(), rect.topLeft()), rect.size()};
  }

  std::string where_;
};

std::vector<QString> ratings() {
  std::vector<QString> names;
  for (int score = -1; score <= 400; score += 5) {
    const QString name = coreText::rating(RatingName(static_cast<std::int16_t>(score)));
    if (names.empty() || names.back() != name) names.push_back(name);
  }
  return names;
}

void checkRatings(LayoutCheck& check, QLabel& label) {
  const QString kept = label.text();
  for (const QString& name : ratings()) {
    label.setText(name);
    check.label(label);
  }
  label.setText(kept);
}

std::unique_ptr<QMessageBox> messageBox(const QString& text, QWidget& owner) {
  auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, QStringLiteral("Gorbix"), text,
                                           QMessageBox::Yes | QMessageBox::No, &owner);
  look::zoomWindow(*box, look::ownerZoom(&owner));
  return box;
}

class LayoutFit : public ::testing::TestWithParam<int> {};

TEST_P(LayoutFit, EveryWindowShowsEveryTextWholeInEveryLanguage) {
  const int percent = GetParam();
  for (const testing::Language& language : testing::allLanguages()) {
    const testing::Speaking speaking(language);
    testing::CountingTrap trap;
    testing::FakeSounds sounds;
    testing::TestMain main(trap, sounds);
    main.Form_Load();
    main.zoomTo(percent);
    main.show();
    const auto check = [&](const std::string& window) { return LayoutCheck(window, language.name, percent); };

    {  // The main window, its menu bar, the value boxes with every rating, the list, the hint.
      LayoutCheck mainCheck = check("main window");
      const MainControls& ui = main.controls();
      HintMarks hint(ui.client);
      for (const bool send : {true, false}) {
        hint.show(1, 1, HintMark::Send, hintText(send, 330), main.zoom());
        mainCheck.controls(main);
      }
      hint.hide();
      checkRatings(mainCheck, *ui.lblRating);
      QMenuBar& bar = *main.menuBar();
      for (QAction* heading : bar.actions()) {
        const QRect at = bar.actionGeometry(heading);
        if (at.isEmpty() || !bar.rect().contains(at)) ADD_FAILURE() << "menu \"" << str(heading->text()) << "\" is cut off in " << language.name;
      }
      const QListWidget& list = *ui.lstScores;
      for (int line = 0; line < list.count(); ++line) {
        const QString text = list.item(line)->text();
        mainCheck.fits(text, list.fontMetrics().horizontalAdvance(text),
                       list.viewport()->width() - list.verticalScrollBar()->sizeHint().width());
      }
      // Drawn on the designed picture, which a zoom draws anew at its size.
      const QFontMetrics captions(art::captionFont());
      for (const art::Caption& caption : art::backgroundCaptions()) {
        mainCheck.fits(caption.text, captions.horizontalAdvance(caption.text), caption.control.width());
      }
    }

    BestScores best{};
    best[0] = -32768;
    frmEOGame eog(LoadEndOfLevel(1, 0, best), &main);
    eog.show();
    LayoutCheck eogCheck = check("End of Level window");
    eogCheck.controls(eog);
    checkRatings(eogCheck, *eog.lblRatingForLevel);
    checkRatings(eogCheck, *eog.lblRatingForAll);

    frmJump jump(25, &main);
    jump.show();
    check("Jump window").controls(jump);

    BoardNumberWindow number(25, 2147483647, 330, &main);
    number.show();
    number.numberField->setText(QStringLiteral("0"));
    number.playButton->click();  // the refusal: the text that wraps
    check("Board Number window").controls(number);
    number.setBestLine(std::nullopt);
    check("Board Number window").controls(number);

    help::frmAbout about(&main);
    about.show();
    check("About window").controls(about);

    StatisticsWindow statistics(&main);
    RecordStatistics damaged;
    damaged.skipped = 2;
    statistics.setStatistics(damaged);
    statistics.setLook(main.zoom(), false);
    statistics.show();
    LayoutCheck statisticsCheck = check("Statistics window");
    statisticsCheck.controls(statistics);
    const QHeaderView& header = *statistics.table->horizontalHeader();
    for (int column = 0; column < header.count(); ++column) {
      const QString text = statistics.table->horizontalHeaderItem(column)->text();
      statisticsCheck.fits(text, header.fontMetrics().horizontalAdvance(text), header.sectionSize(column));
    }
    statisticsCheck.fits(QStringLiteral("every column"), header.length(), statistics.table->viewport()->width());

    const std::vector<std::pair<std::string, QString>> messages = {
        {"Reset All Scores question",
         QCoreApplication::translate("gorbix::frmMain",
                                     "Are you sure you want to reset all of the\nscores, for all 25 levels, back to zero?")},
        {"Reset Statistics question",
         QCoreApplication::translate("gorbix::StatisticsCommand", "Clear every record of levels played? Best scores stay.")},
        {"settings message", QString::fromStdString(GORBIX_TR("Settings", "Error updating file %1")
                                                        .arg("/home/player/.config/gorbix/gorbix.ini")
                                                        .str() +
                                                    "\nPermission denied\n" +
                                                    GORBIX_TR("Settings", "Not stored: %1.")
                                                        .arg(GORBIX_TR("Settings", "the best scores of levels %1")
                                                                 .arg("3, 7 and 12")
                                                                 .str())
                                                        .str())},
        {"error message", QString::fromStdString(TrapErrorText("UINI-PISTR", "<Scores><L3>", true))},
    };
    for (const auto& [name, text] : messages) {
      const auto box = messageBox(text, main);
      box->show();
      check(name).controls(*box);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AtEachEndOfTheZoom, LayoutFit, ::testing::Values(100, 300));

}  // namespace
}  // namespace gorbix
