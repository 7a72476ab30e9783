#include "ui/windows/board_accessible.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QAccessibleWidget>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QWindow>

#include <array>
#include <vector>

#include "ui/windows/board_surface.h"
#include "ui/windows/hint_marks.h"
#include "ui/windows/main_layout.h"
#include "ui/windows/refusal_mark.h"
#include "support/translatable.h"

namespace gorbix::accessibility {

namespace {

const char* const kValueBoxProperty = "gorbixValueBox";
const char* const kHidesPicturesProperty = "gorbixHidesPictures";
const char* const kScoreListProperty = "gorbixScoreList";

QString qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

std::string cellName(int col, int row) {
  return GORBIX_TR("Board", "Column %1, row %2").arg(std::to_string(col)).arg(std::to_string(row)).str();
}

std::string tileWords(char code) {
  if (code == kHole) return GORBIX_TR("Board", "hole").str();
  if (code == kBlocker) return GORBIX_TR("Board", "blocker").str();
  if (IsBonus(code)) return GORBIX_TR("Board", "bonus %1").arg(std::to_string(TilePoints(code))).str();
  // Each shape is one whole text: word order and the words for sides differ by language.
  const std::string_view sides = TileOpenings(code);
  if (sides == "udlr") return GORBIX_TR("Board", "cross").str();
  if (sides == "udr") return GORBIX_TR("Board", "T-piece open up, down and right").str();
  if (sides == "udl") return GORBIX_TR("Board", "T-piece open up, down and left").str();
  if (sides == "ulr") return GORBIX_TR("Board", "T-piece open up, left and right").str();
  if (sides == "dlr") return GORBIX_TR("Board", "T-piece open down, left and right").str();
  if (sides == "ud") return GORBIX_TR("Board", "straight up-down").str();
  if (sides == "lr") return GORBIX_TR("Board", "straight left-right").str();
  if (sides == "ur") return GORBIX_TR("Board", "corner up-right").str();
  if (sides == "ul") return GORBIX_TR("Board", "corner up-left").str();
  if (sides == "dr") return GORBIX_TR("Board", "corner down-right").str();
  if (sides == "dl") return GORBIX_TR("Board", "corner down-left").str();
  return GORBIX_TR("Board", "no tile").str();
}

std::string cellDescription(char code, bool thingHere, Cell cell) {
  std::string words = tileWords(code);
  // Neither the hole nor a blocker can ever be stood on.
  if (IsTileCode(code) && code != kHole && code != kBlocker) {
    words = (IsFresh(code) ? GORBIX_TR("Board", "%1, fresh") : GORBIX_TR("Board", "%1, visited")).arg(words).str();
  }
  if (thingHere) words = GORBIX_TR("Board", "%1, the Thing is here").arg(words).str();
  if (cell == kStartCell) words = GORBIX_TR("Board", "%1, the start").arg(words).str();
  if (cell == kGoalCell) words = GORBIX_TR("Board", "%1, the goal").arg(words).str();
  return words;
}

namespace {

class BoardAccessible;

// One cell of the board; it belongs to the board's interface.
class CellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  CellAccessible(BoardSurface* board, int index) : board_(board), cell_(IndexToCell(index)) {}

  bool isValid() const override { return board() != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    const QWidget* top = board() ? board()->window() : nullptr;
    return top ? top->windowHandle() : nullptr;
  }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return board() ? QAccessible::queryAccessibleInterface(board_.data()) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }

  QString text(QAccessible::Text t) const override {
    const BoardSurface* b = board();
    if (!b) return {};
    if (t == QAccessible::Name) return qs(cellName(cell_.col, cell_.row));
    if (t == QAccessible::Description) {
      return qs(cellDescription(b->code(index()), b->thingCell() == cell_, cell_));
    }
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}

  QRect rect() const override {
    const BoardSurface* b = board();
    if (!b) return {};
    const QRect local = b->cellRect(cell_.col, cell_.row);
    return {b->mapToGlobal(local.topLeft()), local.size()};
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State s;
    const BoardSurface* b = board();
    if (!b) return s;
    s.focusable = true;
    s.invisible = !b->isVisible();
    const BoardCursor& cursor = b->cursor();
    s.focused = b->hasFocus() && cursor.visible() && cursor.cell() == cell_;
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return cell_.col - 1; }
  int rowIndex() const override { return cell_.row - 1; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  int index() const { return CellToIndex(cell_.col, cell_.row); }
  // Null once the board is being destroyed: from then on it is only a
  // QWidget, and a reader asking meanwhile finds the cell gone.
  const BoardSurface* board() const { return qobject_cast<const BoardSurface*>(board_.data()); }

  QPointer<QObject> board_;
  Cell cell_;
};

// The board: a table of 6 rows and 8 columns, with no other children.
class BoardAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit BoardAccessible(BoardSurface* board) : QAccessibleWidget(board, QAccessible::Table) { cells_.fill(0); }
  ~BoardAccessible() override {
    for (const QAccessible::Id id : cells_) {
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
  }

  // Null once the board is being destroyed (see CellAccessible::board).
  BoardSurface* board() const { return qobject_cast<BoardSurface*>(object()); }

  int childCount() const override { return kCells; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= kCells) return nullptr;
    QAccessible::Id& id = cells_[static_cast<std::size_t>(index)];
    if (id == 0) {
      if (!board()) return nullptr;
      id = QAccessible::registerAccessibleInterface(new CellAccessible(board(), index));
    }
    return QAccessible::accessibleInterface(id);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (const auto* cell = child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr) {
      if (child->parent() == this) return cell->rowIndex() * kCols + cell->columnIndex();
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    if (!board()) return nullptr;
    const QPoint local = board()->mapFromGlobal(QPoint(x, y));
    for (int index = 0; index < kCells; ++index) {
      const Cell cell = IndexToCell(index);
      if (board()->cellRect(cell.col, cell.row).contains(local)) return child(index);
    }
    return nullptr;
  }
  // While a cell has the focus, the cell alone says so.
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (focusChild() != nullptr) s.focused = false;
    return s;
  }
  QAccessibleInterface* focusChild() const override {
    if (!board()) return nullptr;
    const BoardCursor& cursor = board()->cursor();
    return board()->hasFocus() && cursor.visible() ? child(cursor.index()) : nullptr;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    return OnBoard(column + 1, row + 1) ? child(row * kCols + column) : nullptr;
  }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int column) const override {
    return QCoreApplication::translate("Board", "Column %1").arg(column + 1);
  }
  QString rowDescription(int row) const override { return QCoreApplication::translate("Board", "Row %1").arg(row + 1); }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return kCols; }
  int rowCount() const override { return kRows; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  mutable std::array<QAccessible::Id, kCells> cells_{};
};

// A value box: the caption is the name, the text the description. Not a
// value, which Qt would offer to increase and decrease.
class ValueBoxAccessible final : public QAccessibleWidget {
 public:
  explicit ValueBoxAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Description) return static_cast<QLabel*>(widget())->text();
    return QAccessibleWidget::text(t);
  }
};

bool isPicture(const QObject* object) {
  return qobject_cast<const ClickImage*>(object) != nullptr || qobject_cast<const HintTileMark*>(object) != nullptr ||
         qobject_cast<const RefusalMark*>(object) != nullptr;
}

// The client area without its picture controls; the hint's text is there
// while it is on show.
class ClientAccessible final : public QAccessibleWidget {
 public:
  explicit ClientAccessible(QWidget* client) : QAccessibleWidget(client, QAccessible::Client) {}

  int childCount() const override { return static_cast<int>(shown().size()); }
  QAccessibleInterface* child(int index) const override {
    const std::vector<QWidget*> children = shown();
    if (index < 0 || index >= static_cast<int>(children.size())) return nullptr;
    return QAccessible::queryAccessibleInterface(children[static_cast<std::size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const std::vector<QWidget*> children = shown();
    for (std::size_t i = 0; i < children.size(); ++i) {
      if (child && child->object() == children[i]) return static_cast<int>(i);
    }
    return -1;
  }

 private:
  std::vector<QWidget*> shown() const {
    std::vector<QWidget*> children;
    for (QObject* object : widget()->children()) {
      auto* child = qobject_cast<QWidget*>(object);
      if (child && !child->isWindow() && !child->isHidden() && !isPicture(child)) children.push_back(child);
    }
    return children;
  }
};

// One line of the score list.
class ScoreLineAccessible final : public QAccessibleInterface {
 public:
  ScoreLineAccessible(QListWidget* list, int row) : list_(list), row_(row) {}

  bool isValid() const override { return item() != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(list_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && item() ? item()->text() : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!item()) return {};
    const QRect local = list_->visualItemRect(item());
    return {list_->viewport()->mapToGlobal(local.topLeft()), local.size()};
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  // Qt's own lines say the current one has the focus whether the list
  // has it or not; this one only while it has.
  QAccessible::State state() const override {
    QAccessible::State s;
    const QListWidgetItem* line = item();
    if (!line) return s;
    s.selectable = true;
    s.focusable = true;
    s.selected = line->isSelected();
    s.focused = list_->hasFocus() && list_->currentItem() == line;
    s.invisible = !list_->viewport()->rect().intersects(list_->visualItemRect(line));
    return s;
  }

 private:
  QListWidgetItem* item() const { return list_ ? list_->item(row_) : nullptr; }

  QPointer<QListWidget> list_;
  int row_;
};

// The score list: its lines, and the focus where it really is.
class ScoreListAccessible final : public QAccessibleWidget {
 public:
  explicit ScoreListAccessible(QListWidget* list) : QAccessibleWidget(list, QAccessible::List) {}
  ~ScoreListAccessible() override {
    for (const QAccessible::Id id : lines_) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return list()->count(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    while (static_cast<int>(lines_.size()) <= index) {
      lines_.push_back(QAccessible::registerAccessibleInterface(new ScoreLineAccessible(list(), static_cast<int>(lines_.size()))));
    }
    return QAccessible::accessibleInterface(lines_[static_cast<std::size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      if (QAccessible::accessibleInterface(lines_[i]) == child) return static_cast<int>(i);
    }
    return -1;
  }
  QAccessibleInterface* focusChild() const override {
    return list()->hasFocus() && list()->currentRow() >= 0 ? child(list()->currentRow()) : nullptr;
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (focusChild() != nullptr) s.focused = false;
    return s;
  }

 private:
  QListWidget* list() const { return static_cast<QListWidget*>(widget()); }

  mutable std::vector<QAccessible::Id> lines_;
};

QAccessibleInterface* factory(const QString& /*key*/, QObject* object) {
  if (auto* board = qobject_cast<BoardSurface*>(object)) return new BoardAccessible(board);
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget) return nullptr;
  if (auto* label = qobject_cast<QLabel*>(widget); label && label->property(kValueBoxProperty).isValid()) {
    return new ValueBoxAccessible(label);
  }
  if (widget->property(kHidesPicturesProperty).toBool()) return new ClientAccessible(widget);
  if (auto* list = qobject_cast<QListWidget*>(widget); list && list->property(kScoreListProperty).toBool()) {
    return new ScoreListAccessible(list);
  }
  return nullptr;
}

}  // namespace

void install() {
  static const bool installed = [] {
    QAccessible::installFactory(factory);
    return true;
  }();
  (void)installed;
}

namespace {

// Qt may have made an interface for the widget while it was being built,
// before the factory could know it; the next question makes a new one.
void forgetInterface(QObject* object) {
  if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(object)) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  }
}

void markValueBox(QLabel* label, const QString& caption) {
  label->setProperty(kValueBoxProperty, true);
  forgetInterface(label);
  label->setAccessibleName(caption);
}

}  // namespace

void describe(MainControls& controls) {
  install();
  controls.client->setProperty(kHidesPicturesProperty, true);
  forgetInterface(controls.client);
  // The captions the background picture shows beside each box.
  markValueBox(controls.lblDifficulty, QCoreApplication::translate("Captions", "Level"));
  markValueBox(controls.lblScore, QCoreApplication::translate("Captions", "Score"));
  markValueBox(controls.lblRating, QCoreApplication::translate("Captions", "Overall Rating"));
  controls.lstScores->setProperty(kScoreListProperty, true);
  forgetInterface(controls.lstScores);
  controls.lstScores->setAccessibleName(QCoreApplication::translate("Captions", "Best Scores"));
}

void cursorMoved(BoardSurface* board, int index) {
  QAccessibleEvent event(board, QAccessible::Focus);
  event.setChild(index);
  QAccessible::updateAccessibility(&event);
}

void cellChanged(BoardSurface* board, int index) {
  QAccessibleEvent event(board, QAccessible::DescriptionChanged);
  event.setChild(index);
  QAccessible::updateAccessibility(&event);
}

void valueChanged(QLabel* label) {
  QAccessibleEvent event(label, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&event);
}

}  // namespace gorbix::accessibility
