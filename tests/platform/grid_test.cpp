#include "platform/grid.h"

#include "platform/twips.h"
#include "platform/value.h"
#include "support/error_of.h"

#include <QAccessible>
#include <QApplication>
#include <QBrush>
#include <QHeaderView>
#include <QImage>
#include <QPalette>
#include <QPersistentModelIndex>
#include <QScrollBar>
#include <algorithm>
#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// The texts of a row, or of a column, joined by "|".
QString rowTexts(const GridModel& m, int row) {
    QStringList texts;
    for (int col = 0; col < m.cols(); ++col)
        texts << m.text(row, col);
    return texts.join(u'|');
}

QString colTexts(const GridModel& m, int col) {
    QStringList texts;
    for (int row = 0; row < m.rows(); ++row)
        texts << m.text(row, col);
    return texts.join(u'|');
}

// The alignment of each cell of a row: l, c or r.
QString rowAlignment(const GridModel& m, int row) {
    QString align;
    for (int col = 0; col < m.cols(); ++col) {
        const Qt::Alignment a =
            Qt::Alignment(m.data(m.index(row, col), Qt::TextAlignmentRole).toInt()) &
            Qt::AlignHorizontal_Mask;
        align += a == Qt::AlignLeft ? u'l' : a == Qt::AlignHCenter ? u'c' : u'r';
    }
    return align;
}

// --- format strings ---------------------------------------------------------------

TEST(GridFormatString, TitlesAndAlignment) {
    // The titles of row 0 joined by "|", and their alignment: l, c or r.
    const struct {
        const char *name, *format, *titles, *align;
    } cases[] = {
        {"centred titles", "^Plot Dimensions|^Average|^Std. Dev.|^N",
         "Plot Dimensions|Average|Std. Dev.|N", "cccc"},
        {"left, right and centre marks", "<Name|>Count|^Mean", "Name|Count|Mean", "lrc"},
        {"a mark inside a title is text", "^Plot Size (meters^2)|^Variance (#/acre)",
         "Plot Size (meters^2)|Variance (#/acre)", "cc"},
        {"empty titles count as columns", "^|^B||", "|B||", "ccll"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        GridModel m;
        m.setFormatString(QString::fromLatin1(k.format));
        EXPECT_EQ(rowTexts(m, 0), QString::fromLatin1(k.titles));
        EXPECT_EQ(rowAlignment(m, 0), QString::fromLatin1(k.align));
    }
}

TEST(GridFormatString, ColumnMarkAlignsItsDataCellsButNotTheFixedRow) {
    GridModel m;
    m.setFormatString(u"^A|>B|C|^D"_s);
    m.setRows(3);
    for (int c = 0; c < 4; ++c)
        m.setText(2, c, u"x"_s);
    m.setText(1, 2, u"12"_s);
    m.setColAlignment(3, Qt::AlignRight);
    // No mark: texts to the left, numbers to the right.
    EXPECT_EQ(rowAlignment(m, 2), u"crlr"_s);
    EXPECT_EQ(rowAlignment(m, 1).mid(2), u"rr"_s);
    // A realigned column keeps the format's alignment in its fixed row.
    EXPECT_EQ(rowAlignment(m, 0).back(), u'c');
}

TEST(GridFormatString, RowTitlesGoIntoColumnZeroAndGrowRows) {
    GridModel m; // 2 x 2
    m.setFormatString(u"^|^Mean|^N;Subsegment|Segment|Section"_s);
    EXPECT_EQ(rowTexts(m, 0), u"|Mean|N"_s);
    EXPECT_EQ(colTexts(m, 0), u"|Subsegment|Segment|Section"_s);
}

TEST(GridFormatString, KeepsRowsAndCellsResetsWidthsAndLowersFixedColumns) {
    GridModel m;
    m.setRows(17);
    m.setCols(4);
    m.setFixedCols(3);
    m.setText(16, 1, u"kept"_s);
    m.setColWidth(0, 2000);
    m.setFormatString(u"^A|^B"_s);
    EXPECT_EQ(m.rows(), 17);
    EXPECT_EQ(m.text(16, 1), u"kept"_s);
    EXPECT_EQ(m.cols(), 2);
    EXPECT_EQ(m.fixedCols(), 2);
    EXPECT_EQ(m.colWidth(0), -1) << "widths go back to the default so titles fit";
}

// --- dimensions -------------------------------------------------------------------

TEST(GridDimensions, GrowingAndShrinkingKeepCells) {
    GridModel m;
    m.setRows(3);
    m.setCols(3);
    m.setText(1, 1, u"a"_s);
    m.setNumber(2, 2, 7.25);
    m.setText(2, 0, u"b"_s);

    m.setCols(5); // more columns: cells move to their new row layout
    EXPECT_EQ(rowTexts(m, 1) + u'/' + rowTexts(m, 2), u"|a|||/b||7.25||"_s);
    m.setRows(6);
    EXPECT_EQ(colTexts(m, 2) + u'/' + rowTexts(m, 5), u"||7.25|||/||||"_s);
    m.setCols(2); // drops column 2 and its number
    EXPECT_EQ(rowTexts(m, 1) + u'/' + rowTexts(m, 2), u"|a/b|"_s);
    m.setCols(3);
    EXPECT_EQ(m.text(2, 2), u""_s) << "a dropped cell comes back empty";

    m.setCellBackColor(5, 1, Qt::red);
    m.setRowHeight(5, 500);
    m.setRows(2); // drops rows 2 to 5 with their texts, colours and heights
    m.setRows(6);
    EXPECT_EQ(m.text(2, 0), u""_s);
    EXPECT_EQ(m.text(1, 1), u"a"_s);
    EXPECT_FALSE(m.cellBackColor(5, 1).isValid());
    EXPECT_EQ(m.rowHeight(5), -1);
}

TEST(GridErrors, InvalidCallsAndCellsOutsideTheGridRaise) {
    GridModel m; // 2 x 2, 1 fixed each
    double x;
    const struct {
        const char* name;
        std::function<void()> statement;
        int error;
    } cases[] = {
        {"fewer rows than fixed", [&] { m.setRows(0); }, err::InvalidCall},
        {"fewer cols than fixed", [&] { m.setCols(0); }, err::InvalidCall},
        {"negative rows", [&] { m.setRows(-1); }, err::InvalidCall},
        {"more fixed rows than rows", [&] { m.setFixedRows(3); }, err::InvalidCall},
        {"negative fixed cols", [&] { m.setFixedCols(-1); }, err::InvalidCall},
        {"negative width", [&] { m.setColWidth(0, -2); }, err::InvalidCall},
        {"text row -1", [&] { m.text(-1, 0); }, err::SubscriptRange},
        {"text row = rows", [&] { m.text(2, 0); }, err::SubscriptRange},
        {"text col = cols", [&] { m.text(0, 2); }, err::SubscriptRange},
        {"setText col -1", [&] { m.setText(0, -1, u"x"_s); }, err::SubscriptRange},
        {"setNumber row = rows", [&] { m.setNumber(2, 1, 1.0); }, err::SubscriptRange},
        {"numberAt col = cols", [&] { m.numberAt(1, 2, x); }, err::SubscriptRange},
        {"cellKey row = rows", [&] { m.cellKey(2, 0); }, err::SubscriptRange},
        {"setCellBackColor", [&] { m.setCellBackColor(5, 0, Qt::red); }, err::SubscriptRange},
        {"cellBackColor", [&] { m.cellBackColor(0, 5); }, err::SubscriptRange},
        {"colWidth", [&] { m.colWidth(2); }, err::SubscriptRange},
        {"setColWidth", [&] { m.setColWidth(2, 100); }, err::SubscriptRange},
        {"rowHeight", [&] { m.rowHeight(2); }, err::SubscriptRange},
        {"setRowHeight", [&] { m.setRowHeight(2, 100); }, err::SubscriptRange},
        {"setColAlignment", [&] { m.setColAlignment(2, Qt::AlignLeft); }, err::SubscriptRange},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf(c.statement), c.error) << c.name;
    EXPECT_EQ(m.rows(), 2);
    EXPECT_EQ(m.cols(), 2);
    m.setRows(1); // just the fixed row is allowed, and no row at all once none is fixed
    EXPECT_EQ(m.rows(), 1);
    m.setFixedRows(0);
    m.setRows(0);
    EXPECT_EQ(m.rowCount(), 0);
}

// --- cell texts and numbers -------------------------------------------------------

TEST(GridCells, ATextIsHeldAsANumberOnlyWhenItIsThatNumbersOwnText) {
    GridModel m;
    double x = -99;
    for (const auto& [number, text] : {std::pair{1.0, u"1"_s},
                                       {0.5, u"0.5"_s},
                                       {1234.5, u"1234.5"_s},
                                       {-3.0, u"-3"_s},
                                       {0.0, u"0"_s}}) {
        m.setNumber(1, 1, number);
        m.setText(1, 0, text);
        EXPECT_EQ(m.text(1, 1), text);
        EXPECT_TRUE(m.numberAt(1, 1, x) && x == number) << text.toStdString();
        EXPECT_TRUE(m.numberAt(1, 0, x) && x == number) << text.toStdString();
    }
    for (const QString& t :
         {u"1.0"_s, u" 5"_s, u"5 "_s, u"-0"_s, u"+1"_s, u"01"_s, u"1e5"_s, u".5"_s, u"1,5"_s,
          u"12 ft"_s, u"abc"_s, u"0.50"_s, u"nan"_s, u"inf"_s, u"1E400"_s, QString()}) {
        m.setText(1, 1, t);
        EXPECT_EQ(m.text(1, 1), t);
        EXPECT_FALSE(m.numberAt(1, 1, x)) << t.toStdString();
    }
    EXPECT_FALSE(m.data(m.index(1, 1), Qt::DisplayRole).isValid()) << "an emptied cell";
}

TEST(GridCells, CellKeysAreEqualExactlyWhenTheTextsAre) {
    GridModel m;
    m.setRows(2);
    m.setCols(9);
    m.setNumber(1, 0, 3);
    m.setText(1, 1, u"3"_s);   // stored as the number 3
    m.setText(1, 2, u"3.0"_s); // a text of its own
    m.setText(1, 3, u"PSME"_s);
    m.setText(1, 4, u"PSME"_s);
    m.setNumber(1, 5, -0.0); // shown as "0"
    m.setNumber(1, 6, 0);
    m.setText(1, 7, u" 3"_s);
    EXPECT_EQ(m.cellKey(1, 0), m.cellKey(1, 1));
    EXPECT_NE(m.cellKey(1, 0), m.cellKey(1, 2));
    EXPECT_NE(m.cellKey(1, 0), m.cellKey(1, 7));
    EXPECT_EQ(m.cellKey(1, 3), m.cellKey(1, 4));
    EXPECT_NE(m.cellKey(1, 3), m.cellKey(1, 0));
    EXPECT_EQ(m.cellKey(1, 5), m.cellKey(1, 6));
    EXPECT_EQ(m.cellKey(1, 8), 0u) << "an empty cell";
    EXPECT_NE(m.cellKey(1, 6), 0u) << "the number 0 is not an empty cell";
}

TEST(GridCells, SharedTextsSurviveOverwritingOtherCells) {
    GridModel m;
    m.setRows(4);
    m.setCols(4);
    m.setText(1, 1, u"PSME"_s);
    m.setText(2, 2, u"PSME"_s);
    m.setText(3, 3, u"ABGR"_s);
    m.setText(1, 1, u"ABGR"_s); // one use of "PSME" left
    m.setText(2, 2, u"PSME"_s); // the cell set to the text it holds
    m.setText(3, 3, u"THPL"_s); // "ABGR" used once, by (1, 1)
    m.setText(1, 2, u"TSHE"_s); // may reuse a freed slot
    EXPECT_EQ(m.text(1, 1), u"ABGR"_s);
    EXPECT_EQ(m.text(2, 2), u"PSME"_s);
    EXPECT_EQ(m.text(3, 3), u"THPL"_s);
    EXPECT_EQ(m.text(1, 2), u"TSHE"_s);
    m.setNumber(2, 2, 4); // the last "PSME" goes
    m.setText(3, 0, u"PSME"_s);
    EXPECT_EQ(m.text(3, 0), u"PSME"_s);
}

// A column of many rows and many distinct values (its cells held as codes of
// every width in turn) reads back every kind of value as it was stored.
TEST(GridCells, EveryKindOfValueReadsBackFromALargeColumn) {
    const double nanWithTagBits = std::bit_cast<double>(0xFFFC000000000001ull);
    const double tiny = std::numeric_limits<double>::denorm_min();
    const double huge = std::numeric_limits<double>::max();
    // Row r: what is stored and what is shown; a number reads back as itself.
    const auto expected = [&](int r) -> std::pair<QString, std::optional<double>> {
        switch (r % 8) {
        case 0:
            return {numberText(r * 0.5), r * 0.5}; // 70,000 distinct numbers
        case 1:
            return {u"0"_s, -0.0}; // -0 is shown as 0
        case 2:
            return {u"NaN"_s, std::nullopt}; // a NaN is a number, never an empty cell or a text
        case 3:
            return {numberText(huge), huge};
        case 4:
            return {numberText(tiny), tiny};
        case 5:
            return {u"t"_s + QString::number(r % 3000), std::nullopt};
        case 6:
            return {u"1.0"_s, std::nullopt}; // looks like a number, stays a text
        default:
            return {QString(), std::nullopt};
        }
    };
    GridModel m;
    m.setCols(2);
    m.setFixedRows(0);
    const int rows = 140'000;
    m.fillRows(rows, [&](int r) {
        switch (r % 8) {
        case 0:
            m.setNumber(r, 1, r * 0.5);
            break;
        case 1:
            m.setNumber(r, 1, -0.0);
            break;
        case 2:
            m.setNumber(r, 1, nanWithTagBits);
            break;
        case 3:
            m.setNumber(r, 1, huge);
            break;
        case 4:
            m.setNumber(r, 1, tiny);
            break;
        case 5:
        case 6:
            m.setText(r, 1, expected(r).first);
            break;
        default:
            m.setText(r, 1, QString());
            break;
        }
    });
    int wrong = 0;
    for (int r = 0; r < rows; ++r) {
        const auto [text, number] = expected(r);
        double x = 0;
        const bool isNumber = m.numberAt(r, 1, x);
        wrong += m.text(r, 1) != text;
        if (r % 8 == 2)
            wrong += !isNumber || !std::isnan(x);
        else
            wrong += isNumber != number.has_value() || (number && x != *number);
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(m.cellKey(1, 1), m.cellKey(0, 1)) << "-0 is the number 0 of row 0";
    EXPECT_EQ(m.cellKey(5, 1), m.cellKey(3005, 1)) << "texts shared over the column";
    EXPECT_EQ(m.cellKey(7, 1), 0u);

    // Shrink, grow, overwrite: the kept cells stay, the new ones are empty.
    m.setRows(16);
    m.setRows(20);
    m.setText(8, 1, u"PSME"_s);
    EXPECT_EQ(colTexts(m, 1), u"0|0|NaN|"_s + numberText(huge) + u'|' + numberText(tiny) +
                                  u"|t5|1.0||PSME|0|NaN|"_s + numberText(huge) + u'|' +
                                  numberText(tiny) + u"|t13|1.0|||||"_s);
}

TEST(GridCells, TextsStillShownSurviveTheThinningOfTheTextTable) {
    GridModel m;
    m.setRows(3);
    m.setCols(3);
    m.setText(1, 1, u"PSME"_s);
    m.setText(2, 2, u"ABGR"_s);
    // A cell that takes ten thousand texts in turn: the table of texts is looked
    // through and thinned more than once on the way.
    for (int i = 0; i < 10'000; ++i)
        m.setText(1, 2, u"text "_s + QString::number(i));
    m.setText(2, 1, u"PSME"_s);
    EXPECT_EQ(m.text(1, 1), u"PSME"_s);
    EXPECT_EQ(m.text(2, 2), u"ABGR"_s);
    EXPECT_EQ(m.text(1, 2), u"text 9999"_s);
    EXPECT_EQ(m.cellKey(1, 1), m.cellKey(2, 1));
}

TEST(GridCells, CopiedRowsShowTheSourceRowsTexts) {
    GridModel from, to;
    from.setCols(3);
    from.setRows(5);
    to.setCols(2); // the columns both have
    to.setText(1, 0, u"kept"_s);
    const QString texts[] = {u"PSME"_s, u"ABGR"_s, u"1.0"_s, QString()};
    for (int r = 1; r < 5; ++r) {
        from.setText(r, 0, texts[r - 1]);
        from.setNumber(r, 1, r * 1.5);
        from.setText(r, 2, u"x"_s);
    }
    to.setRows(4);
    to.copyRows(from, {4, 2, 3}, 1);
    EXPECT_EQ(colTexts(to, 0) + u'/' + colTexts(to, 1), u"||ABGR|1.0/|6|3|4.5"_s);
    EXPECT_EQ(to.cellKey(1, 0), 0u) << "the empty cell of source row 4 empties the kept text";
    to.setText(3, 1, u"ABGR"_s);
    EXPECT_EQ(to.cellKey(2, 0), to.cellKey(3, 1)) << "a copied text is this grid's own";
    EXPECT_EQ(errorOf([&] { to.copyRows(from, {1, 2}, 3); }), err::SubscriptRange);
    EXPECT_EQ(errorOf([&] { to.copyRows(from, {5}, 1); }), err::SubscriptRange);
}

TEST(GridCells, ReorderedRowsCarryTheirCells) {
    GridModel m;
    m.setRows(5);
    m.setCols(3);
    m.setCellBackColor(1, 1, Qt::red);
    for (int r = 1; r < 5; ++r) {
        m.setText(r, 0, u"r"_s + QString::number(r));
        m.setNumber(r, 1, r * 100000.5); // distinct numbers
    }
    m.setText(3, 2, u"only 3"_s);
    m.reorderRows(1, {2, 0, 3, 1}); // rows 1..4 take rows 3, 1, 4, 2
    EXPECT_EQ(colTexts(m, 0) + u'/' + colTexts(m, 2), u"|r3|r1|r4|r2/|only 3|||"_s);
    EXPECT_EQ(m.text(1, 1), u"300001.5"_s);
    EXPECT_EQ(m.cellBackColor(1, 1), QColor(Qt::red)) << "colours stay with the row";
    EXPECT_EQ(errorOf([&] { m.reorderRows(1, {0, 0, 1, 2}); }), err::InvalidCall);
    EXPECT_EQ(errorOf([&] { m.reorderRows(1, {0, 1, 2, 4}); }), err::InvalidCall);
    EXPECT_EQ(errorOf([&] { m.reorderRows(2, {0, 1, 2, 3}); }), err::SubscriptRange);
    EXPECT_EQ(colTexts(m, 0), u"|r3|r1|r4|r2"_s) << "a refused order changes nothing";
}

TEST(GridCells, ClearEmptiesTextsAndKeepsTheRest) {
    GridModel m;
    m.setFormatString(u"^A|^B|>C"_s);
    m.setRows(5);
    m.setFixedCols(0);
    m.setText(4, 2, u"x"_s);
    m.setNumber(3, 1, 2.5);
    m.setColWidth(1, 1180);
    m.setCellBackColor(2, 2, Qt::yellow);
    m.clear();
    EXPECT_EQ(m.rows(), 5);
    EXPECT_EQ(m.fixedCols(), 0);
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(rowTexts(m, r), u"||"_s) << r;
    EXPECT_EQ(m.colWidth(1), 1180);
    EXPECT_EQ(m.colAlignment(2), Qt::AlignRight);
    EXPECT_EQ(m.cellBackColor(2, 2), QColor(Qt::yellow));
    m.setText(1, 1, u"x"_s); // the text table starts afresh
    EXPECT_EQ(m.text(1, 1), u"x"_s);
}

// --- sizes ------------------------------------------------------------------------

TEST(GridSizes, MinusOneSetsEveryRowOrColumnAndNewRowsFollow) {
    GridModel m;
    m.setRows(6);
    m.setCols(3);
    m.setRowHeight(0, 420);
    m.setColWidth(2, 1030);
    EXPECT_EQ(m.rowHeight(1), -1);
    m.setRowHeight(-1, 300); // every row, the earlier one included
    m.setColWidth(-1, 944);
    EXPECT_EQ(m.rowHeight(0), 300);
    EXPECT_EQ(m.rowHeight(5), 300);
    EXPECT_EQ(m.colWidth(0), 944);
    EXPECT_EQ(m.colWidth(2), 944);
    m.setRows(8);
    EXPECT_EQ(m.rowHeight(7), 300) << "new rows take the height of every row";
}

// --- model roles and signals ------------------------------------------------------

TEST(GridModelRoles, FixedCellsAreGreyReadOnlyAndNotSelectableAndSetColoursWin) {
    GridModel m;
    m.setRows(3);
    m.setCols(3);
    const QColor face = QGuiApplication::palette().color(QPalette::Button);
    auto background = [&](int r, int c) {
        return m.data(m.index(r, c), Qt::BackgroundRole).value<QBrush>().color();
    };
    EXPECT_EQ(background(0, 2), face);
    EXPECT_EQ(background(2, 0), face);
    EXPECT_FALSE(m.data(m.index(2, 2), Qt::BackgroundRole).isValid());
    m.setCellBackColor(2, 2, QColor(255, 0, 0));
    m.setCellBackColor(0, 1, QColor(0, 0, 255));
    EXPECT_EQ(background(2, 2), QColor(255, 0, 0));
    EXPECT_EQ(background(0, 1), QColor(0, 0, 255));
    m.setCellBackColor(2, 2, QColor()); // back to the default
    EXPECT_FALSE(m.data(m.index(2, 2), Qt::BackgroundRole).isValid());
    EXPECT_EQ(m.flags(m.index(0, 1)), Qt::ItemIsEnabled);
    EXPECT_EQ(m.flags(m.index(1, 1)), Qt::ItemIsEnabled | Qt::ItemIsSelectable);
}

struct SignalCounts {
    int changed = 0, resets = 0, moved = 0;
    QModelIndex first, last;
    explicit SignalCounts(GridModel& m) {
        QObject::connect(&m, &QAbstractItemModel::dataChanged, &m,
                         [this](const QModelIndex& a, const QModelIndex& b) {
                             ++changed;
                             first = a;
                             last = b;
                         });
        QObject::connect(&m, &QAbstractItemModel::modelReset, &m, [this] { ++resets; });
        for (auto signal :
             {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved,
              &QAbstractItemModel::columnsInserted, &QAbstractItemModel::columnsRemoved})
            QObject::connect(&m, signal, &m, [this] { ++moved; });
    }
};

TEST(GridModelSignals, CellChangesResizesAndBulkFillsEvenFailedOnes) {
    GridModel m;
    SignalCounts s(m);
    m.setText(1, 1, u"a"_s);
    m.setNumber(1, 0, 1);
    EXPECT_EQ(s.changed, 2);
    EXPECT_EQ(s.first, m.index(1, 0));
    EXPECT_EQ(s.last, m.index(1, 0));
    m.setRows(10);
    m.setCols(4);
    m.setRows(3);
    EXPECT_EQ(s.resets, 3) << "every change of dimensions is a reset";
    EXPECT_EQ(s.moved, 0) << "never rows or columns inserted or removed";
    m.setText(0, 1, u"T"_s);
    m.fillRows(1000, [&](int r) { m.setNumber(r, 1, r); });
    EXPECT_EQ(m.text(0, 1), u"T"_s) << "the fill starts below the fixed row";
    EXPECT_EQ(s.resets, 4) << "a bulk fill is one reset";
    EXPECT_EQ(m.text(999, 1), u"999"_s);
    EXPECT_EQ(s.changed, 3) << "the title only, none from the fill";
    // A fill that fails still ends its reset.
    EXPECT_EQ(errorOf([&] { m.fillRows(5, [&](int r) { m.setText(r, 9, u"x"_s); }); }),
              err::SubscriptRange);
    EXPECT_EQ(s.resets, 5);
    m.setText(1, 1, u"after"_s);
    EXPECT_EQ(s.changed, 4) << "single-cell changes are reported again";
}

// A screen reader holds a persistent index for every cell it has listed.
// Emptying the sheet for a new survey must drop them all at once (a reset)
// rather than move them row by row, which took minutes for a few thousand rows.
TEST(GridModelSignals, ASheetEmptiedAndRefilledDropsTheIndexesHeldOnItsCells) {
    GridModel m;
    m.setFormatString(u"A|B|C|D"_s);
    m.fillRows(3001, [&](int r) { m.setNumber(r, 1, r); });
    std::vector<QPersistentModelIndex> held;
    for (int r = 0; r < m.rows(); ++r)
        for (int c = 0; c < m.cols(); ++c)
            held.emplace_back(m.index(r, c));
    m.clear();
    m.setRows(1); // emptied to its header row, as an import does before it refills
    EXPECT_EQ(std::count_if(held.begin(), held.end(),
                            [](const QPersistentModelIndex& i) { return i.isValid(); }),
              0)
        << "the header row's indexes too: one reset, not rows removed";
    m.fillRows(3001, [&](int r) { m.setNumber(r, 1, 2 * r); });
    EXPECT_EQ(m.text(3000, 1), u"6000"_s);
}

// --- view -------------------------------------------------------------------------

// Shows columns A and B with a 630-twip fixed row and rows 1 to `rows` - 1
// numbered in column 1, in a 300 x 200 window.
void showNumbered(Grid& g, int rows) {
    g.setFormatString(u"^A|^B"_s);
    g.setRowHeight(0, 630);
    g.grid()->fillRows(rows, [&](int r) { g.grid()->setNumber(r, 1, r); });
    g.resize(300, 200);
    g.show();
    QApplication::processEvents();
}

TEST(GridView, ShowsTheModelWithFixedCellsGreyAndSizesFromTwips) {
    Grid g;
    g.setFormatString(u"^Plot Dimensions|^Average|^Std. Dev.|^N"_s);
    g.setRows(9);
    g.grid()->setFixedCols(0);
    g.setRowHeight(0, 420);
    g.setColWidth(0, 1225);
    g.setColWidth(3, 1000);
    g.grid()->setCellBackColor(2, 2, QColor(0, 255, 0));
    g.resize(600, 300);
    g.show();
    QApplication::processEvents();

    EXPECT_FALSE(g.horizontalHeader()->isVisible());
    EXPECT_FALSE(g.verticalHeader()->isVisible());
    EXPECT_EQ(g.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(g.columnWidth(0), twipsToPixelsX(1225));
    EXPECT_EQ(g.columnWidth(3), twipsToPixelsX(1000));
    EXPECT_EQ(g.rowHeight(0), twipsToPixelsY(420));
    EXPECT_EQ(g.rowHeight(1), g.verticalHeader()->defaultSectionSize());

    const QImage shot = g.viewport()->grab().toImage();
    auto pixelIn = [&](int r, int c) {
        const QRect cell = g.visualRect(g.grid()->index(r, c));
        return shot.pixelColor(cell.left() + 3, cell.center().y());
    };
    EXPECT_EQ(pixelIn(0, 3), QGuiApplication::palette().color(QPalette::Button));
    EXPECT_EQ(pixelIn(2, 2), QColor(0, 255, 0));
}

TEST(GridView, FollowsLaterChangesOfTheModel) {
    Grid g;
    g.setCols(3);
    g.setColWidth(2, 2000);
    EXPECT_EQ(g.columnWidth(2), twipsToPixelsX(2000));
    const QString title = u"Estimated Total Survey Distance Required"_s;
    g.setFormatString(u"^"_s + title + u"|^B|^C|^D"_s); // widths back to the default
    EXPECT_GT(g.columnWidth(0), g.fontMetrics().horizontalAdvance(title)) << "a long title widens";
    EXPECT_EQ(g.columnWidth(2), twipsToPixelsX(GridModel::DefaultColWidth));
    g.setRowHeight(1, 600);
    g.setRowHeight(1, -1);
    EXPECT_EQ(g.rowHeight(1), g.verticalHeader()->defaultSectionSize());
    g.setRowHeight(-1, 480);
    EXPECT_EQ(g.rowHeight(1), twipsToPixelsY(480));
    // Title padding widens the column and leaves the title bare.
    const int bare = g.columnWidth(0);
    g.grid()->setTitlePadding(4);
    EXPECT_EQ(g.text(0, 0), title);
    EXPECT_EQ(g.columnWidth(0) - bare, g.fontMetrics().horizontalAdvance(QString(8, u' ')));
    EXPECT_EQ(g.columnWidth(1), twipsToPixelsX(GridModel::DefaultColWidth)) << "a short title";
    g.setColWidth(0, 500);
    EXPECT_EQ(g.columnWidth(0), twipsToPixelsX(500)) << "a width set wins";
}

TEST(GridView, AScreenReaderSeesTheDataCellsHeadedByTheFixedOnes) {
    Grid g;
    g.setFormatString(u"^Plot|^Location|^  DBH  "_s); // column 0 is a fixed column
    g.grid()->fillRows(301, [&](int r) {              // 300 records
        g.grid()->setNumber(r, 0, r);
        g.grid()->setText(r, 1, u"Ridge"_s);
    });
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(&g);
    const QAccessibleTableInterface* table = grid->tableInterface();
    EXPECT_EQ(table->rowCount(), 300);
    EXPECT_EQ(table->columnCount(), 2);
    EXPECT_EQ(table->columnDescription(1), u"DBH"_s);
    EXPECT_EQ(table->rowDescription(299), u"300"_s);
    const QAccessibleTableCellInterface* cell = table->cellAt(0, 0)->tableCellInterface();
    EXPECT_EQ(cell->columnHeaderCells().value(0)->text(QAccessible::Name), u"Location"_s);
    EXPECT_EQ(cell->rowHeaderCells().value(0)->text(QAccessible::Name), u"1"_s);
    // The view names the current cell by its place in the model: row 5, column 2.
    g.setCurrentIndex(g.grid()->index(5, 2));
    EXPECT_EQ(grid->focusChild(), grid->child(5 * 3 + 2));
    EXPECT_EQ(grid->focusChild()->tableCellInterface()->rowIndex(), 4);
    EXPECT_EQ(grid->child(1)->role(), QAccessible::ColumnHeader);
    g.setRows(11);
    EXPECT_EQ(table->rowCount(), 10);
}

TEST(GridView, ManyUniformRowsKeepTheirSizesAfterABulkFill) {
    Grid g;
    showNumbered(g, 200001);
    g.scrollToBottom();
    QApplication::processEvents();
    EXPECT_EQ(g.rowHeight(0), twipsToPixelsY(630));
    EXPECT_EQ(g.rowHeight(200000), g.verticalHeader()->defaultSectionSize());
    EXPECT_EQ(g.verticalScrollBar()->value(), g.verticalScrollBar()->maximum());
}

TEST(GridView, FixedRowsStayInPlaceWhileTheCellsScroll) {
    Grid g;
    showNumbered(g, 1001);
    const QModelIndex target = g.grid()->index(500, 1);
    g.scrollTo(target, QAbstractItemView::PositionAtTop);
    QApplication::processEvents();

    const int headerPx = twipsToPixelsY(630);
    EXPECT_GT(g.verticalScrollBar()->value(), 400);
    EXPECT_GE(g.visualRect(target).top(), headerPx) << "not hidden under the fixed row";
    const QImage shot = g.grab().toImage();
    // Column 1: column 0 is a fixed column, grey all the way down.
    const QPoint inHeader =
        g.viewport()->geometry().topLeft() + QPoint(g.columnViewportPosition(1) + 4, headerPx / 2);
    EXPECT_EQ(shot.pixelColor(inHeader), QGuiApplication::palette().color(QPalette::Button));

    g.setFixedRows(0); // nothing stays in place any more
    QApplication::processEvents();
    EXPECT_NE(g.grab().toImage().pixelColor(inHeader),
              QGuiApplication::palette().color(QPalette::Button));
}

} // namespace
} // namespace vernalt::test
