// The accessible table of a Grid. Qt's own table would count the fixed rows as
// data (a sheet of 300 records read as 301 rows) and head its columns "1", "2",
// "3"; here the fixed rows and columns are the headers and carry their texts,
// and so do the title rows a grid marks as headers beyond its fixed ones.
//
// The children are every cell of the model, fixed ones included, row by row
// (index = row x columns + column): the numbering the view uses when it tells a
// screen reader which cell became current or selected. The table interface
// counts the data cells only.
#include "platform/grid_accessibility.h"

#include "platform/grid.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPointer>
#include <unordered_map>

namespace vernalt {

namespace {

// Dynamic properties kept on the grids.
constexpr const char* HeaderRowsProperty = "vernaltHeaderRows";
constexpr const char* RecordSheetProperty = "vernaltRecordSheet";

// Rows read as column headers: the fixed ones, or more where the grid says so.
int titleRows(const Grid* view) {
    const GridModel& m = *view->grid();
    return std::min(m.rows(), std::max(m.fixedRows(), view->property(HeaderRowsProperty).toInt()));
}

// Rows read as data, under the title rows. The blank row of an empty sheet is
// none.
int recordRows(const Grid* view) {
    const GridModel& m = *view->grid();
    const int titles = titleRows(view);
    const int rows = m.rows() - titles;
    if (rows != 1 || !view->property(RecordSheetProperty).toBool())
        return rows;
    for (int c = 0; c < m.cols(); ++c)
        if (!m.text(titles, c).trimmed().isEmpty())
            return 1;
    return 0;
}

class GridTable;

// One cell of the grid, by its row and column in the model.
class GridCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    GridCell(Grid* view, int row, int col) : view_(view), row_(row), col_(col) {}

    bool isValid() const override {
        return view_ && row_ < view_->grid()->rows() && col_ < view_->grid()->cols();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid())
            return {};
        return view_->grid()->text(row_, col_).trimmed();
    }
    void setText(QAccessible::Text, const QString&) override {} // read-only
    QRect rect() const override;
    QAccessible::Role role() const override {
        if (isValid() && row_ < titleRows(view_))
            return QAccessible::ColumnHeader;
        if (isValid() && col_ < view_->grid()->fixedCols())
            return QAccessible::RowHeader;
        return QAccessible::Cell;
    }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    // Header cells have no index in the direction they head: -1.
    int rowIndex() const override {
        return isValid() && row_ >= titleRows(view_) ? row_ - titleRows(view_) : -1;
    }
    int columnIndex() const override {
        return isValid() && col_ >= fixedCols() ? col_ - fixedCols() : -1;
    }
    int rowExtent() const override { return 1; }
    int columnExtent() const override { return 1; }
    bool isSelected() const override {
        return isValid() && view_->selectionModel() &&
               view_->selectionModel()->isSelected(view_->grid()->index(row_, col_));
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    QAccessibleInterface* table() const override { return parent(); }

    const Grid* view() const { return view_.data(); }
    int row() const { return row_; }
    int col() const { return col_; }

  private:
    int fixedRows() const { return view_->grid()->fixedRows(); }
    int fixedCols() const { return view_->grid()->fixedCols(); }
    GridTable* gridTable() const;

    QPointer<Grid> view_;
    int row_, col_;
};

class GridTable : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit GridTable(Grid* view) : QAccessibleWidget(view, QAccessible::Table) {}
    ~GridTable() override { forgetCells(); }

    Grid* view() const { return static_cast<Grid*>(widget()); }
    const GridModel& model() const { return *view()->grid(); }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    int childCount() const override { return model().rows() * model().cols(); }
    QAccessibleInterface* child(int index) const override {
        const int cols = model().cols();
        if (index < 0 || index >= childCount())
            return nullptr;
        return cell(index / cols, index % cols);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* c = dynamic_cast<const GridCell*>(child);
        if (!c || c->view() != view() || !c->isValid())
            return -1;
        return c->row() * model().cols() + c->col();
    }
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override {
        const QModelIndex current = view()->currentIndex();
        return current.isValid() ? cell(current.row(), current.column()) : nullptr;
    }

    // The data cells, without the title rows and the fixed columns.
    int rowCount() const override { return recordRows(view()); }
    int columnCount() const override { return std::max(0, model().cols() - model().fixedCols()); }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return cell(row + titleRows(view()), column + model().fixedCols());
    }
    // The texts of the title cells heading a column or of the fixed cells
    // heading a row.
    QString columnDescription(int column) const override {
        QStringList parts;
        const int col = column + model().fixedCols();
        for (int r = 0; column >= 0 && col < model().cols() && r < titleRows(view()); ++r)
            parts << model().text(r, col).trimmed();
        parts.removeAll(QString());
        return parts.join(u' ');
    }
    QString rowDescription(int row) const override {
        QStringList parts;
        const int r = row + titleRows(view());
        for (int c = 0; row >= 0 && r < model().rows() && c < model().fixedCols(); ++c)
            parts << model().text(r, c).trimmed();
        parts.removeAll(QString());
        return parts.join(u' ');
    }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }

    // One cell at a time is selected; whole rows and columns never are.
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        if (const QItemSelectionModel* s = view()->selectionModel())
            for (const QModelIndex& i : s->selectedIndexes())
                if (i.row() >= titleRows(view()) && i.column() >= model().fixedCols())
                    cells << cell(i.row(), i.column());
        return cells;
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }

    // Rows or columns came or went: the cells handed out so far may stand for
    // other cells now.
    void modelChange(QAccessibleTableModelChangeEvent*) override { forgetCells(); }

    QAccessibleInterface* cell(int row, int col) const {
        const auto key = (quint64(quint32(row)) << 32) | quint32(col);
        if (const auto it = cells_.find(key); it != cells_.end())
            if (QAccessibleInterface* known = QAccessible::accessibleInterface(it->second))
                return known;
        auto* c = new GridCell(view(), row, col);
        cells_[key] = QAccessible::registerAccessibleInterface(c);
        return c;
    }

  private:
    void forgetCells() {
        for (const auto& [key, id] : cells_)
            QAccessible::deleteAccessibleInterface(id);
        cells_.clear();
    }

    mutable std::unordered_map<quint64, QAccessible::Id> cells_;
};

// Top edge of a fixed row in the viewport: the fixed rows are drawn in place,
// on top of the cells that scroll under them.
int fixedRowTop(const Grid* view, int row) {
    return view->verticalHeader()->sectionPosition(row);
}

QRect GridCell::rect() const {
    if (!isValid())
        return {};
    const QModelIndex index = view_->grid()->index(row_, col_);
    QRect r = view_->visualRect(index);
    if (row_ < fixedRows())
        r.moveTop(fixedRowTop(view_, row_));
    return QRect(view_->viewport()->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::State GridCell::state() const {
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    const QWidget* port = view_->viewport();
    const QRect area(port->mapToGlobal(QPoint(0, 0)), port->size());
    if (!view_->isVisible() || !area.intersects(rect()))
        s.invisible = true;
    s.readOnly = true;
    if (row_ >= titleRows(view_) && col_ >= fixedCols()) {
        const QModelIndex index = view_->grid()->index(row_, col_);
        s.selectable = true;
        s.selected = isSelected();
        s.focusable = true;
        s.focused = view_->hasFocus() && view_->currentIndex() == index;
    }
    return s;
}

GridTable* GridCell::gridTable() const {
    return dynamic_cast<GridTable*>(parent());
}

QList<QAccessibleInterface*> GridCell::columnHeaderCells() const {
    QList<QAccessibleInterface*> headers;
    if (GridTable* t = isValid() ? gridTable() : nullptr)
        for (int r = 0; r < titleRows(view_) && r < row_; ++r)
            headers << t->cell(r, col_);
    return headers;
}

QList<QAccessibleInterface*> GridCell::rowHeaderCells() const {
    QList<QAccessibleInterface*> headers;
    if (GridTable* t = isValid() ? gridTable() : nullptr)
        for (int c = 0; c < fixedCols() && c < col_; ++c)
            headers << t->cell(row_, c);
    return headers;
}

QAccessibleInterface* GridTable::childAt(int x, int y) const {
    const QWidget* port = view()->viewport();
    const QPoint p = port->mapFromGlobal(QPoint(x, y));
    if (!port->rect().contains(p))
        return nullptr;
    const int col = view()->columnAt(p.x());
    int row = view()->rowAt(p.y());
    for (int r = 0; r < model().fixedRows(); ++r) {
        const int top = fixedRowTop(view(), r);
        if (p.y() >= top && p.y() < top + view()->verticalHeader()->sectionSize(r))
            row = r;
    }
    return row < 0 || col < 0 ? nullptr : cell(row, col);
}

QAccessibleInterface* gridFactory(const QString& className, QObject* object) {
    if (className == QLatin1StringView(Grid::staticMetaObject.className()))
        if (auto* grid = qobject_cast<Grid*>(object))
            return new GridTable(grid);
    return nullptr;
}

} // namespace

void installGridAccessibility() {
    QAccessible::installFactory(gridFactory); // Qt keeps one of each
}

void setHeaderRows(Grid* grid, int rows) {
    grid->setProperty(HeaderRowsProperty, rows);
}

void setRecordSheet(Grid* grid) {
    setHeaderRows(grid, 1);
    grid->setProperty(RecordSheetProperty, true);
}

} // namespace vernalt
