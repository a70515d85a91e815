// The grid control: rows and columns of texts with fixed (header) rows and
// columns, a format string of "|"-separated titles, column widths and row
// heights in twips and cell colours. The cells live in GridModel, usable
// without any view (that is how analyses are tested); Grid shows a model in a
// QTableView, so a sheet of a million records costs no widget per cell.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <QTableView>
#include <cstdint>
#include <vector>

namespace vernalt {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject* parent = nullptr);

    // Dimensions. Growing keeps the cells that were there; new cells are empty.
    // Rows and cols include the fixed ones. Setting fewer rows than fixed rows
    // raises error 5 (invalid call); a negative count too.
    int rows() const { return rows_; }
    int cols() const { return cols_; }
    void setRows(int rows);
    void setCols(int cols);
    int fixedRows() const { return fixedRows_; }
    int fixedCols() const { return fixedCols_; }
    void setFixedRows(int n); // default 1
    void setFixedCols(int n); // default 1

    // The text of a cell; a row or column outside the grid raises error 9.
    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);
    // Stores a number; its text is numberText(x). Cheaper than setText for bulk fills.
    void setNumber(int row, int col, double x);
    // The number a cell holds when its text is exactly the numberText of a number
    // (what setNumber stored); false otherwise. Lets analyses skip text parsing.
    bool numberAt(int row, int col, double& out) const;

    // "|"-separated column titles written into row 0; a leading "^" centres the
    // column, "<" aligns left, ">" right. Sets the number of columns to the number
    // of titles. A part after ";" holds "|"-separated row titles written into
    // column 0 from row 1 on (growing the rows to fit).
    void setFormatString(const QString& format);
    QString formatString() const { return format_; }

    // Widths and heights in twips; -1 means the default.
    void setColWidth(int col, int twips);
    int colWidth(int col) const;
    void setRowHeight(int row, int twips); // row -1 sets every row
    int rowHeight(int row) const;
    void setColAlignment(int col, Qt::Alignment a);
    Qt::Alignment colAlignment(int col) const;

    void setCellBackColor(int row, int col, const QColor& c);
    QColor cellBackColor(int row, int col) const; // invalid colour = default

    // Empties every cell's text (fixed ones included), keeps dimensions, widths,
    // alignments and the format string.
    void clear();

    // Fast bulk fill: resize to `rows` and fill row by row through `fill(row)`,
    // which calls setText/setNumber; emits one model reset.
    template <class F>
    void fillRows(int rows, F&& fill) {
        beginResetModel();
        bulk_ = true;
        setRows(rows);
        for (int r = fixedRows_; r < rows; ++r) fill(r);
        bulk_ = false;
        endResetModel();
    }

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    void geometryChanged(); // widths or heights changed

private:
    // Implementation detail: compact cell storage, 8 bytes per cell (numbers
    // stored as doubles, texts as indices into a string table).
    void checkCell(int row, int col) const;
    std::size_t at(int row, int col) const { return std::size_t(row) * std::size_t(cols_) + col; }

    int rows_ = 2, cols_ = 2, fixedRows_ = 1, fixedCols_ = 1;
    std::vector<std::uint64_t> cells_;
    std::vector<QString> strings_;
    std::vector<int> colWidths_, rowHeights_;
    std::vector<Qt::Alignment> colAlign_;
    std::vector<std::pair<std::uint64_t, QColor>> backColors_; // sparse, by cell position
    QString format_;
    bool bulk_ = false;
};

// A view of a GridModel: fixed rows and columns drawn grey like headers, widths
// and heights from the twips settings, read-only cells.
class Grid : public QTableView {
    Q_OBJECT
public:
    explicit Grid(QWidget* parent = nullptr);
    GridModel* grid() const { return model_; }

    // Shortcuts to the model.
    int rows() const { return model_->rows(); }
    int cols() const { return model_->cols(); }
    void setRows(int n) { model_->setRows(n); }
    void setCols(int n) { model_->setCols(n); }
    QString text(int r, int c) const { return model_->text(r, c); }
    void setText(int r, int c, const QString& t) { model_->setText(r, c, t); }
    void setFormatString(const QString& f) { model_->setFormatString(f); }
    void setColWidth(int c, int twips) { model_->setColWidth(c, twips); }
    void setRowHeight(int r, int twips) { model_->setRowHeight(r, twips); }
    void clear() { model_->clear(); }

private:
    void applyGeometry();
    GridModel* model_;
};

} // namespace vernalt
