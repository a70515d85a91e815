// The grid control: rows and columns of texts with fixed (header) rows and
// columns, a format string of "|"-separated titles, column widths and row
// heights in twips and cell colours. The cells live in GridModel, usable
// without any view (that is how analyses are tested); Grid shows a model in a
// QTableView, so a sheet of a million records costs no widget per cell.
#pragma once

#include "platform/cell_column.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <cstdint>
#include <map>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vernalt {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit GridModel(QObject* parent = nullptr);

    // Dimensions. Growing keeps the cells that were there; new cells are empty.
    // A change of either is one model reset. Rows and cols include the fixed ones. Setting fewer
    // rows than fixed rows raises error 5 (invalid call); a negative count too.
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
    // A key of a cell's text: two cells of this model hold the same text exactly
    // when their keys are equal; an empty cell's key is 0. Valid while the texts
    // of the model do not change. Lets analyses compare cells without texts.
    std::uint64_t cellKey(int row, int col) const;

    // "|"-separated column titles written into row 0; a leading "^" centres the
    // column, "<" aligns left, ">" right. Sets the number of columns to the number
    // of titles. A part after ";" holds "|"-separated row titles written into
    // column 0 from row 1 on (growing the rows to fit).
    void setFormatString(const QString& format);
    QString formatString() const { return format_; }
    // The titles of the last format string, without their alignment marks.
    const QStringList& formatTitles() const { return titles_; }
    const QStringList& formatRowTitles() const { return rowTitles_; }
    // Columns sized to fit their title (width -1) leave room for this many blanks
    // on either side of it; the title cells keep the bare titles. Default 0.
    void setTitlePadding(int blanks);
    int titlePadding() const { return titlePadding_; }

    // Widths and heights in twips; -1 means the default (DefaultColWidth and
    // DefaultRowHeight, or wider when a column's title needs it).
    static constexpr int DefaultColWidth = 1200;
    static constexpr int DefaultRowHeight = 240;
    void setColWidth(int col, int twips); // col -1 sets every column
    int colWidth(int col) const;
    void setRowHeight(int row, int twips); // row -1 sets every row
    int rowHeight(int row) const;
    int defaultRowHeight() const { return defaultRowHeight_; } // set by setRowHeight(-1, ..)
    const std::map<int, int>& rowHeightOverrides() const { return rowHeights_; }
    void setColAlignment(int col, Qt::Alignment a);
    Qt::Alignment colAlignment(int col) const;

    void setCellBackColor(int row, int col, const QColor& c);
    QColor cellBackColor(int row, int col) const; // invalid colour = default

    // Empties every cell's text (fixed ones included), keeps dimensions, widths,
    // alignments and the format string.
    void clear();

    // Rows first, first + 1, ... take the cells of rows `rows` of `from` (every
    // column both have); the rows must exist. Many rows cost little: each
    // distinct value of a column is looked up once.
    void copyRows(const GridModel& from, const std::vector<int>& rows, int first);

    // Rows first, first + 1, ... take the cells that rows first + from[0],
    // first + from[1], ... held, in every column; `from` names each of those
    // rows once (a sort of them). Widths, heights and colours stay with the rows.
    void reorderRows(int first, const std::vector<std::uint32_t>& from);

    // Runs `change`, which may set any cells, and reports what it changed as one
    // model reset.
    template <class F> void changeMany(F&& change) {
        Reset reset(this);
        change();
    }

    // Fast bulk fill: resize to `rows` and fill row by row through `fill(row)`,
    // which calls setText/setNumber; emits one model reset.
    template <class F> void fillRows(int rows, F&& fill) {
        Reset reset(this);
        setRows(rows);
        for (int r = fixedRows_; r < rows; ++r)
            fill(r);
    }

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  signals:
    void geometryChanged(); // widths, heights or the number of fixed rows changed

  private:
    // A model reset for its scope, ended even when a change raises; nested in
    // another one (or in a bulk fill) it does nothing, and inside it single
    // changes are not reported.
    class Reset {
      public:
        explicit Reset(GridModel* m) : m_(m->bulk_ ? nullptr : m) {
            if (m_) {
                m_->beginResetModel();
                m_->bulk_ = true;
            }
        }
        ~Reset() {
            if (m_) {
                m_->bulk_ = false;
                m_->endResetModel();
            }
        }
        Reset(const Reset&) = delete;
        Reset& operator=(const Reset&) = delete;

      private:
        GridModel* m_;
    };

    // A cell is an 8-byte value: a number is its double's bits, a text is a
    // tagged index into a table of distinct texts, the empty cell is a tag of its
    // own. Each column keeps its cells compactly (CellColumn).
    static constexpr std::uint64_t kEmpty = 0xFFFC000000000000ull;
    static constexpr std::uint64_t kTextTag = 0xFFFD000000000000ull;
    static constexpr std::uint64_t kTagMask = 0xFFFF000000000000ull;

    void checkCell(int row, int col) const;
    std::uint64_t raw(int row, int col) const {
        return columns_[std::size_t(col)].get(std::size_t(row));
    }
    void store(int row, int col, std::uint64_t raw) {
        columns_[std::size_t(col)].set(std::size_t(row), raw);
    }
    void storeText(int row, int col, const QString& text);
    std::uint64_t textValue(const QString& text); // the value of a non-empty text
    void collectTexts();                          // frees the texts no column holds
    QString valueText(std::uint64_t raw) const;
    void changed(int row, int col);
    void changedRows(int first, int last); // every column of rows first..last
    static std::uint64_t quiet(double x);

    int rows_ = 2, cols_ = 2, fixedRows_ = 1, fixedCols_ = 1;
    std::vector<CellColumn> columns_;
    // Distinct texts: strings_[i] is the text of slot i; free_ lists slots to
    // reuse. A slot no cell uses is freed when the table has grown enough since
    // it was last looked through (collectTexts).
    std::vector<QString> strings_;
    std::vector<std::uint32_t> free_;
    static constexpr std::size_t kFirstCollect = 4096; // no look below this many texts
    std::size_t collectAt_ = kFirstCollect;            // texts in use when the next look is due
    struct TextHash { // std::hash on the UTF-16 text: cheap on every processor
        std::size_t operator()(const QString& t) const noexcept {
            return std::hash<std::u16string_view>()(std::u16string_view(
                reinterpret_cast<const char16_t*>(t.utf16()), std::size_t(t.size())));
        }
    };
    std::unordered_map<QString, std::uint32_t, TextHash> index_;
    std::vector<int> colWidths_;
    std::map<int, int> rowHeights_; // rows whose height differs from defaultRowHeight_
    int defaultRowHeight_ = -1;
    std::vector<Qt::Alignment> colAlign_;    // empty alignment: numbers right, texts left
    std::vector<Qt::Alignment> headerAlign_; // from the format string, for the fixed rows
    std::unordered_map<std::uint64_t, QColor> backColors_; // key: row << 32 | col
    QString format_;
    QStringList titles_, rowTitles_;
    int titlePadding_ = 0;
    bool bulk_ = false;
};

// A view of a GridModel: fixed rows and columns drawn grey like headers (the
// fixed rows stay in place while the cells scroll), widths and heights from the
// twips settings, read-only cells. It is one stop of the tab order, and screen
// readers see it as a table of its data cells headed by the fixed cells
// (grid_accessibility.h).
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
    void setFixedRows(int n) { model_->setFixedRows(n); }
    void setFixedCols(int n) { model_->setFixedCols(n); }

    // The width in twips a column needs to show `text` whole on one line.
    int textTwips(const QString& text) const;

    // Keeps a scrolled-to cell out from under the fixed rows.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

  protected:
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void updateGeometries() override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void applyGeometry();
    void placeFixedRows();
    int defaultRowPixels() const;
    int standardRowPixels() const;
    int colPixels(int col) const;
    int cellPadding() const; // pixels around a cell's text
    GridModel* model_;
    // The fixed rows drawn again on top, so they stay in place while the cells
    // below them scroll.
    QTableView* fixedRowsView_;
    std::vector<int> sizedRows_; // rows given a height of their own by applyGeometry
};

} // namespace vernalt
