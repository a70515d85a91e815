// A Grid as a screen reader reads it, through the accessibility interfaces only.
#include "platform/grid_accessibility.h"

#include "platform/grid.h"

#include <QAccessible>
#include <QApplication>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

QAccessibleInterface* tableOf(Grid& g) {
    return QAccessible::queryAccessibleInterface(&g);
}

// The column headers of the first data cell of column `column`, joined by "|".
QString headersOf(Grid& g, int column) {
    QStringList texts;
    QAccessibleInterface* cell = tableOf(g)->tableInterface()->cellAt(0, column);
    for (const QAccessibleInterface* h : cell->tableCellInterface()->columnHeaderCells())
        texts << h->text(QAccessible::Name);
    return texts.join(u'|');
}

// The cost table: a fixed title row, a grey row of densities under it, then one
// row per plot size.
TEST(GridAccessibility, ASecondTitleRowHeadsTheColumnsToo) {
    Grid g;
    g.grid()->setFixedCols(0);
    g.setFormatString(u"^Plot Dimensions|^Easy Low Density (1)"_s);
    g.setRows(2 + 16);
    g.setText(1, 1, u"(< 0.8/ha)"_s);
    g.setText(2, 0, u"Subsegment10"_s);
    setHeaderRows(&g, 2);
    const QAccessibleTableInterface* table = tableOf(g)->tableInterface();
    EXPECT_EQ(table->rowCount(), 16);
    EXPECT_EQ(table->columnDescription(1), u"Easy Low Density (1) (< 0.8/ha)"_s);
    EXPECT_EQ(table->columnDescription(0), u"Plot Dimensions"_s) << "a blank title is left out";
    EXPECT_EQ(table->cellAt(0, 0)->text(QAccessible::Name), u"Subsegment10"_s);
    EXPECT_EQ(headersOf(g, 1), u"Easy Low Density (1)|(< 0.8/ha)"_s);
    QAccessibleInterface* density = tableOf(g)->child(1 * 2 + 1);
    EXPECT_EQ(density->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(density->tableCellInterface()->rowIndex(), -1);
    EXPECT_FALSE(density->state().selectable);
    g.setCurrentIndex(g.grid()->index(1, 1)); // a title cell is never a selected data cell
    EXPECT_EQ(table->selectedCellCount(), 0);
    g.setCurrentIndex(g.grid()->index(2, 1));
    EXPECT_EQ(table->selectedCells().value(0), table->cellAt(0, 1));
}

TEST(GridAccessibility, AnEmptySheetOfRecordsHasNoRows) {
    const struct {
        const char* name;
        int rows, fixedRows;
        const char* lastCell; // the text of the last cell of the last row
        bool sheet;
        int expected;
        const char* title; // the description of the last column
    } cases[] = {
        {"no records: the names in a plain row", 1, 0, "Width10", true, 0, "Width10"},
        {"no records: a blank row under the names", 2, 1, "", true, 0, "Width10"},
        {"before any import: one blank cell", 1, 0, "", true, 0, ""},
        {"one record, its last field filled", 2, 1, "1", true, 1, "Width10"},
        {"two records, the last one blank", 3, 1, "", true, 2, "Width10"},
        {"a grid of results: its blank row is a row", 2, 1, "", false, 1, "Width10"},
    };
    for (const auto& c : cases) {
        Grid g;
        g.grid()->setFixedCols(0);
        g.setFormatString(u"^Stratum|^Width10"_s);
        g.setRows(c.rows);
        g.setFixedRows(c.fixedRows);
        g.setText(c.rows - 1, 1, QString::fromLatin1(c.lastCell));
        if (c.sheet)
            setRecordSheet(&g);
        const QAccessibleTableInterface* table = tableOf(g)->tableInterface();
        EXPECT_EQ(table->rowCount(), c.expected) << c.name;
        EXPECT_EQ(table->columnDescription(1), QLatin1StringView(c.title)) << c.name;
    }
}

TEST(GridAccessibility, CellsAreReadByTheirTextsAndPlaces) {
    Grid g; // one fixed row and one fixed column
    g.setFormatString(u"^Plot|^Location|^DBH"_s);
    g.setRows(4);
    g.setText(2, 0, u" 2 "_s);
    g.setText(2, 2, u"  31.5"_s);
    QAccessibleInterface* grid = tableOf(g);
    const QAccessibleTableInterface* table = grid->tableInterface();
    EXPECT_EQ(grid->childCount(), 4 * 3);
    QAccessibleInterface* cell = table->cellAt(1, 1);
    EXPECT_EQ(cell->text(QAccessible::Name), u"31.5"_s);
    EXPECT_EQ(cell->text(QAccessible::Description), QString());
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(cell->tableCellInterface()->rowIndex(), 1);
    EXPECT_EQ(cell->tableCellInterface()->columnIndex(), 1);
    EXPECT_EQ(cell->tableCellInterface()->rowHeaderCells().value(0)->text(QAccessible::Name),
              u"2"_s);
    EXPECT_EQ(cell->tableCellInterface()->table(), grid);
    EXPECT_EQ(cell->parent(), grid);
    EXPECT_EQ(grid->indexOfChild(cell), 2 * 3 + 2);
    EXPECT_EQ(grid->child(2 * 3 + 2), cell) << "the same cell is handed out again";
    EXPECT_EQ(table->rowDescription(1), u"2"_s);
    EXPECT_EQ(table->rowDescription(5), QString());
    EXPECT_EQ(table->columnDescription(-1), QString());
    EXPECT_TRUE(cell->state().readOnly);
    // The corner heads nothing in either direction; a fixed column's cell heads a row.
    EXPECT_EQ(grid->child(0)->tableCellInterface()->columnIndex(), -1);
    EXPECT_EQ(grid->child(3)->role(), QAccessible::RowHeader);
    EXPECT_EQ(grid->child(3)->tableCellInterface()->columnIndex(), -1);
    // What is not there.
    EXPECT_EQ(grid->child(4 * 3), nullptr);
    EXPECT_EQ(grid->child(-1), nullptr);
    EXPECT_EQ(table->cellAt(3, 0), nullptr);
    EXPECT_EQ(table->cellAt(0, 2), nullptr);
    EXPECT_EQ(table->cellAt(-1, 0), nullptr);
    Grid other;
    EXPECT_EQ(grid->indexOfChild(tableOf(other)->child(3)), -1);
    EXPECT_EQ(grid->indexOfChild(grid), -1);
    // A cell is one cell, holds nothing and cannot be edited.
    EXPECT_EQ(cell->tableCellInterface()->rowExtent() * cell->tableCellInterface()->columnExtent(),
              1);
    EXPECT_EQ(cell->childCount(), 0);
    EXPECT_EQ(cell->child(0), nullptr);
    EXPECT_EQ(cell->indexOfChild(grid), -1);
    EXPECT_EQ(cell->childAt(0, 0), nullptr);
    cell->setText(QAccessible::Name, u"0"_s);
    EXPECT_EQ(g.text(2, 2), u"  31.5"_s);
    EXPECT_NE(grid->actionInterface(), nullptr) << "the grid's own actions, as any widget's";
}

TEST(GridAccessibility, WholeRowsAndColumnsAreNeverSelected) {
    Grid g;
    g.setRows(3);
    QAccessibleTableInterface* table = tableOf(g)->tableInterface();
    EXPECT_FALSE(table->selectRow(0));
    EXPECT_FALSE(table->selectColumn(0));
    EXPECT_FALSE(table->unselectRow(0));
    EXPECT_FALSE(table->unselectColumn(0));
    EXPECT_FALSE(table->isRowSelected(0));
    EXPECT_FALSE(table->isColumnSelected(0));
    EXPECT_EQ(table->selectedRowCount() + table->selectedColumnCount(), 0);
    EXPECT_TRUE(table->selectedRows().isEmpty() && table->selectedColumns().isEmpty());
    EXPECT_EQ(table->caption(), nullptr);
    EXPECT_EQ(table->summary(), nullptr);
}

TEST(GridAccessibility, ACellThatIsGoneIsInvalid) {
    Grid g;
    g.setRows(5);
    g.setText(4, 1, u"7"_s);
    QAccessibleInterface* grid = tableOf(g);
    QAccessibleInterface* last = grid->tableInterface()->cellAt(3, 0);
    EXPECT_TRUE(last->isValid());
    g.setRows(3);
    EXPECT_FALSE(last->isValid());
    EXPECT_TRUE(last->state().invalid);
    EXPECT_EQ(last->text(QAccessible::Name), QString());
    EXPECT_EQ(last->rect(), QRect());
    EXPECT_EQ(last->role(), QAccessible::Cell);
    EXPECT_EQ(last->tableCellInterface()->rowIndex(), -1);
    EXPECT_EQ(last->tableCellInterface()->columnIndex(), -1);
    EXPECT_FALSE(last->tableCellInterface()->isSelected());
    EXPECT_TRUE(last->tableCellInterface()->columnHeaderCells().isEmpty());
    EXPECT_TRUE(last->tableCellInterface()->rowHeaderCells().isEmpty());
    EXPECT_EQ(grid->indexOfChild(last), -1);
    QAccessibleInterface* first = grid->tableInterface()->cellAt(0, 0);
    g.setCols(1); // its column is gone
    EXPECT_FALSE(first->isValid());
}

// Rows come or go: the cells a screen reader was handed may stand for other
// cells now, and are let go (Qt tells the table so while a screen reader listens).
TEST(GridAccessibility, ChangedRowsLetGoOfTheCellsHandedOut) {
    Grid g;
    g.setRows(3);
    QAccessibleInterface* grid = tableOf(g);
    const QAccessible::Id id = QAccessible::uniqueId(grid->tableInterface()->cellAt(0, 0));
    QAccessibleTableModelChangeEvent change(&g, QAccessibleTableModelChangeEvent::ModelReset);
    grid->tableInterface()->modelChange(&change);
    EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
    EXPECT_NE(grid->tableInterface()->cellAt(0, 0), nullptr);
}

// A shown sheet of 200 numbered rows under a title row 630 twips high.
struct ShownSheet {
    ShownSheet() {
        g.setFormatString(u"^A|^B"_s);
        g.setRowHeight(0, 630);
        g.grid()->fillRows(201, [&](int r) { g.grid()->setNumber(r, 1, r); });
        g.resize(300, 200);
        g.show();
        QApplication::processEvents();
    }
    QRect globalRect(const QModelIndex& index) {
        const QRect r = g.visualRect(index);
        return QRect(g.viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    Grid g;
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(&g);
};

TEST(GridAccessibility, CellsAreWhereTheyAreDrawnAndTitlesStayOnTop) {
    ShownSheet s;
    QAccessibleInterface* cell = s.grid->tableInterface()->cellAt(2, 0); // row 3 of the model
    EXPECT_EQ(cell->rect(), s.globalRect(s.g.grid()->index(3, 1)));
    EXPECT_FALSE(cell->state().invisible);
    EXPECT_EQ(s.grid->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);

    s.g.scrollToBottom();
    QApplication::processEvents();
    EXPECT_TRUE(cell->state().invisible) << "scrolled out of sight";
    QAccessibleInterface* title = s.grid->child(1);
    const QPoint portTop = s.g.viewport()->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(title->rect().top(), portTop.y()) << "the title row stays in place";
    EXPECT_FALSE(title->state().invisible);
    EXPECT_EQ(s.grid->childAt(title->rect().center().x(), title->rect().center().y()), title);
    EXPECT_EQ(s.grid->childAt(portTop.x() - 5, portTop.y()), nullptr) << "left of the cells";
    s.g.scrollToTop();
    const QPoint below = s.g.viewport()->mapToGlobal(QPoint(5, s.g.viewport()->height() + 2));
    EXPECT_EQ(s.grid->childAt(below.x(), below.y()), nullptr) << "rows under the scroll bar";
    EXPECT_EQ(cell->window(), s.g.window()->windowHandle());
}

TEST(GridAccessibility, TheCurrentCellHasTheFocusAndIsSelected) {
    Grid none;
    none.setCurrentIndex({});
    EXPECT_EQ(tableOf(none)->focusChild(), nullptr);
    ShownSheet s;
    s.g.activateWindow();
    s.g.setFocus();
    QApplication::processEvents();
    s.g.setCurrentIndex(s.g.grid()->index(4, 1));
    QAccessibleInterface* current = s.grid->focusChild();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->tableCellInterface()->rowIndex(), 3);
    EXPECT_TRUE(current->state().focusable);
    EXPECT_TRUE(current->state().selected);
    EXPECT_TRUE(current->tableCellInterface()->isSelected());
    EXPECT_TRUE(current->state().focused);
    EXPECT_FALSE(s.grid->tableInterface()->cellAt(0, 0)->state().selected);
    EXPECT_EQ(s.grid->tableInterface()->selectedCells(), QList<QAccessibleInterface*>{current});
}

} // namespace
} // namespace vernalt::test
