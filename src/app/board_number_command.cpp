#include "app/board_number_command.h"

#include "app/best_lines.h"
#include "game/game.h"
#include "ui/windows/frm_board_number.h"

namespace gorbix {

void runBoardNumberCommand(Game& game, BestLines& bestLines, QWidget* owner,
                           const std::function<void(QDialog&)>& runModal) {
  const std::int16_t level = game.CurrentLevel();
  const std::int32_t board = game.boardNumber();
  bestLines.want(level, board);
  BoardNumberWindow window(level, board, bestLines.points(level, board), owner);
  const QMetaObject::Connection live = QObject::connect(
      &bestLines, &BestLines::found, &window, [&window, level, board](std::int16_t l, std::int32_t b, int points) {
        if (l == level && b == board) window.setBestLine(points);
      });
  runModal(window);
  QObject::disconnect(live);
  if (const auto chosen = window.chosenBoard()) game.playBoard(*chosen);
}

}  // namespace gorbix
