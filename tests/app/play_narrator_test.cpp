// A refused click: why, in words for a screen reader, and a mark on the cell
// when the refusal cannot be heard. What reaches a reader, and the rest of
// what is told, is heard on the real accessibility bus (tests/e2e).
#include <functional>

#include <QTest>

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "ui/windows/announcer.h"
#include "ui/windows/refusal_mark.h"

namespace gorbix {
namespace {

class NarratorTest : public testing::MainWindowTest {
 public:
  using MainWindowTest::game;
  using MainWindowTest::hole;
  using MainWindowTest::sounds;
  using MainWindowTest::tile;
  using MainWindowTest::ui;
  using MainWindowTest::window;
};

struct Refusal {
  const char* words;
  // Clicks and gives the cell clicked.
  std::function<Cell(NarratorTest&)> click;
};

struct Hearing {
  const char* name;
  std::function<void(NarratorTest&)> set;
  bool heard;
};

Cell clickAt(NarratorTest& t, Cell cell, Qt::MouseButton button) {
  QTest::mouseClick(t.tile(cell.col, cell.row), button);
  return cell;
}

TEST_F(NarratorTest, ARefusalIsToldWhyAndMarkedOnItsCellWhenItCannotBeHeard) {
  const Cell h = hole();
  const Cell away{static_cast<std::int16_t>(h.col % kCols + 1), static_cast<std::int16_t>(h.row % kRows + 1)};
  const std::vector<Refusal> refusals = {
      {"Cannot slide: not in line with the hole", [away](NarratorTest& t) { return clickAt(t, away, Qt::LeftButton); }},
      {"The Thing cannot go into the hole", [h](NarratorTest& t) { return clickAt(t, h, Qt::RightButton); }},
      {"The Thing is already there",
       [](NarratorTest& t) {
         QTest::mouseClick(t.ui().imgThing, Qt::RightButton);
         return Cell{t.game().ThingCol(), t.game().ThingRow()};
       }},
      {"The Thing cannot get there",
       [away](NarratorTest& t) {
         t.game().SetCell(kBlocker, away.col, away.row);
         return clickAt(t, away, Qt::RightButton);
       }},
  };
  const std::vector<Hearing> hearings = {
      {"sounds on", [](NarratorTest&) {}, true},
      {"Sound Effects off", [](NarratorTest& t) { t.window.mnuSndFX_Click(); }, false},
      {"no refusal sound to play",
       [](NarratorTest& t) {
         t.window.mnuSndFX_Click();
         t.sounds.made[static_cast<std::size_t>(SoundIndex::Error)]->finishLoad(false);
       },
       false},
  };
  const RefusalMark& mark = window.narrator().refusalMark();
  for (const Hearing& hearing : hearings) {
    hearing.set(*this);
    for (const Refusal& refusal : refusals) {
      SCOPED_TRACE(std::string(hearing.name) + ": " + refusal.words);
      const Cell cell = refusal.click(*this);
      EXPECT_EQ(window.narrator().announcer().text(), refusal.words);
      EXPECT_EQ(mark.isHidden(), hearing.heard);
      if (!hearing.heard) {
        EXPECT_EQ(mark.geometry(), tileRect(cell.col, cell.row, window.zoom()));
      }
    }
  }
  // Gone by itself, about half a second after the last refusal.
  QTRY_VERIFY_WITH_TIMEOUT(mark.isHidden(), 4 * RefusalMark::kShownMs);
}

}  // namespace
}  // namespace gorbix
