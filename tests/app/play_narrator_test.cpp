// A refused click: why, in words for a screen reader, and a mark on the cell
// when the refusal cannot be heard. What reaches a reader, and the rest of
// what is told, is heard on the real accessibility bus (tests/e2e).
#include <QTest>

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "ui/windows/announcer.h"
#include "ui/windows/refusal_mark.h"

namespace gorbix {
namespace {

using NarratorTest = testing::MainWindowTest;

TEST_F(NarratorTest, ARefusalIsToldWhyAndMarkedOnItsCellWhenItCannotBeHeard) {
  const Cell h = hole();
  const Cell away{static_cast<std::int16_t>(h.col % kCols + 1), static_cast<std::int16_t>(h.row % kRows + 1)};
  game().SetCell(kBlocker, away.col, away.row);
  // Cell, button, words; the Thing stands on the start cell.
  const std::vector<std::tuple<Cell, Qt::MouseButton, const char*>> refusals = {
      {away, Qt::LeftButton, "Cannot slide: not in line with the hole"},
      {h, Qt::RightButton, "The Thing cannot go into the hole"},
      {kStartCell, Qt::RightButton, "The Thing is already there"},
      {away, Qt::RightButton, "The Thing cannot get there"},
  };
  const RefusalMark& mark = window.narrator().refusalMark();
  // Heard; Sound Effects off; on again, but the refusal's sound never loaded.
  for (const bool heard : {true, false, false}) {
    if (!heard) window.mnuSndFX_Click();
    if (!heard && window.SoundsOn()) sounds.made[static_cast<std::size_t>(SoundIndex::Error)]->finishLoad(false);
    for (const auto& [cell, button, words] : refusals) {
      QWidget* clicked = cell == kStartCell ? static_cast<QWidget*>(ui().imgThing) : tile(cell.col, cell.row);
      QTest::mouseClick(clicked, button);
      EXPECT_EQ(window.narrator().announcer().text(), words);
      EXPECT_EQ(mark.isHidden(), heard) << words;
      if (!heard) {
        EXPECT_EQ(mark.geometry(), tileRect(cell.col, cell.row, window.zoom())) << words;
      }
    }
  }
  QTRY_VERIFY_WITH_TIMEOUT(mark.isHidden(), 4 * RefusalMark::kShownMs);
}

}  // namespace
}  // namespace gorbix
