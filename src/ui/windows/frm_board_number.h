// The Board Number window: the board in play, the best line found for it,
// and a field to play any board of the level by its number.
#pragma once

#include <cstdint>
#include <optional>

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace gorbix {

class Announcer;

class BoardNumberWindow : public QDialog {
  Q_OBJECT

 public:
  // bestLine: the points of the best line found from the board's start, if known yet.
  BoardNumberWindow(std::int16_t level, std::int32_t boardNumber, std::optional<int> bestLine, QWidget* owner);

  // The search has finished while the window is open.
  void setBestLine(std::optional<int> points);

  // The board to play, once "Play" has closed the window with a good number.
  std::optional<std::int32_t> chosenBoard() const { return chosen_; }

  QLabel* boardLabel;
  QLabel* bestLineLabel;
  QLabel* numberLabel;
  QLineEdit* numberField;
  QLabel* messageLabel;  // told to a screen reader too, the focus staying in the field
  Announcer* announcer;
  QPushButton* playButton;
  QPushButton* closeButton;

 private:
  void play();

  std::optional<std::int32_t> chosen_;
};

}  // namespace gorbix
