#include "platform/grid.h"

#include "platform/errors.h"
#include "platform/grid_accessibility.h"
#include "platform/twips.h"
#include "platform/value.h"

#include <QBrush>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPalette>
#include <QScrollBar>
#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>

namespace vernalt {

namespace {

// True when `text` is exactly numberText(x) of some number x (the text the grid
// would show for that number), which is then stored as the number. Anything
// else ("1.0", " 5", "-0", "1e5") stays a text.
bool canonicalNumber(const QString& text, double& x) {
    const qsizetype n = text.size();
    if (n == 0 || n > 32)
        return false;
    const QChar first = text.front();
    if (!(first.isDigit() || first == u'-') || !text.back().isDigit())
        return false;
    char buf[32];
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c > 0x7F)
            return false;
        buf[i] = char(c);
    }
    const auto [end, ec] = std::from_chars(buf, buf + n, x, std::chars_format::general);
    if (ec != std::errc() || end != buf + n || !std::isfinite(x))
        return false;
    return numberText(x) == text;
}

std::uint64_t colorKey(int row, int col) {
    return (std::uint64_t(std::uint32_t(row)) << 32) | std::uint32_t(col);
}

Qt::Alignment horizontal(Qt::Alignment a) {
    return a & Qt::AlignHorizontal_Mask;
}

} // namespace

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {
    columns_.assign(std::size_t(cols_), CellColumn(kEmpty));
    for (CellColumn& c : columns_)
        c.resize(std::size_t(rows_));
    colWidths_.assign(std::size_t(cols_), -1);
    colAlign_.assign(std::size_t(cols_), Qt::Alignment());
    headerAlign_.assign(std::size_t(cols_), Qt::Alignment());
}

// --- cell storage ---------------------------------------------------------------

std::uint64_t GridModel::quiet(double x) {
    // Every NaN becomes the one positive quiet NaN, so no number collides with a tag.
    return std::isnan(x) ? 0x7FF8000000000000ull : std::bit_cast<std::uint64_t>(x);
}

void GridModel::checkCell(int row, int col) const {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_)
        raise(err::SubscriptRange);
}

void GridModel::collectTexts() {
    std::vector<std::uint8_t> held(strings_.size(), 0);
    for (const CellColumn& c : columns_)
        c.forEachValue([&](std::uint64_t v) {
            if ((v & kTagMask) == kTextTag)
                held[std::uint32_t(v & ~kTagMask)] = 1;
        });
    std::size_t live = 0;
    free_.clear();
    for (std::size_t slot = 0; slot < strings_.size(); ++slot) {
        if (held[slot]) {
            ++live;
        } else {
            if (!strings_[slot].isNull())
                index_.erase(strings_[slot]);
            strings_[slot] = QString();
            free_.push_back(std::uint32_t(slot));
        }
    }
    collectAt_ = std::max(kFirstCollect, 2 * live);
}

std::uint64_t GridModel::textValue(const QString& text) {
    if (const auto found = index_.find(text); found != index_.end())
        return kTextTag | found->second;
    if (strings_.size() - free_.size() >= collectAt_)
        collectTexts();
    std::uint32_t slot;
    if (!free_.empty()) {
        slot = free_.back();
        free_.pop_back();
        strings_[slot] = text;
    } else {
        slot = std::uint32_t(strings_.size());
        strings_.push_back(text);
    }
    index_.emplace(text, slot);
    return kTextTag | slot;
}

void GridModel::storeText(int row, int col, const QString& text) {
    if (text.isEmpty())
        return store(row, col, kEmpty);
    double x;
    if (canonicalNumber(text, x))
        return store(row, col, quiet(x));
    store(row, col, textValue(text));
}

QString GridModel::valueText(std::uint64_t r) const {
    if (r == kEmpty)
        return QString();
    if ((r & kTagMask) == kTextTag)
        return strings_[std::uint32_t(r & ~kTagMask)];
    return numberText(std::bit_cast<double>(r));
}

void GridModel::changed(int row, int col) {
    if (bulk_)
        return;
    const QModelIndex ix = index(row, col);
    emit dataChanged(ix, ix);
}

void GridModel::changedRows(int first, int last) {
    if (bulk_ || first > last || cols_ == 0)
        return;
    emit dataChanged(index(first, 0), index(last, cols_ - 1));
}

// --- cells ----------------------------------------------------------------------

QString GridModel::text(int row, int col) const {
    checkCell(row, col);
    return valueText(raw(row, col));
}

void GridModel::setText(int row, int col, const QString& text) {
    checkCell(row, col);
    storeText(row, col, text);
    changed(row, col);
}

void GridModel::setNumber(int row, int col, double x) {
    checkCell(row, col);
    store(row, col, quiet(x));
    changed(row, col);
}

bool GridModel::numberAt(int row, int col, double& out) const {
    checkCell(row, col);
    const std::uint64_t r = raw(row, col);
    if (r == kEmpty || (r & kTagMask) == kTextTag)
        return false;
    out = std::bit_cast<double>(r);
    return true;
}

std::uint64_t GridModel::cellKey(int row, int col) const {
    checkCell(row, col);
    // The value is already unique per text (numbers are canonical, texts
    // interned); the empty cell's key is 0, and -0, shown as "0", is folded onto 0.
    const std::uint64_t k = raw(row, col) ^ kEmpty;
    constexpr std::uint64_t minusZero = 0x8000000000000000ull ^ kEmpty;
    return k == minusZero ? kEmpty : k;
}

void GridModel::copyRows(const GridModel& from, const std::vector<int>& rows, int first) {
    if (rows.empty())
        return;
    if (first < 0 || std::size_t(first) + rows.size() > std::size_t(rows_))
        raise(err::SubscriptRange);
    std::vector<std::uint32_t> source(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i] < 0 || rows[i] >= from.rows_)
            raise(err::SubscriptRange);
        source[i] = std::uint32_t(rows[i]);
    }
    const int cols = std::min(cols_, from.cols_);
    for (int c = 0; c < cols; ++c)
        columns_[std::size_t(c)].copyRows(
            from.columns_[std::size_t(c)], source.data(), source.size(), std::size_t(first),
            [&](std::uint64_t v) {
                if ((v & kTagMask) != kTextTag)
                    return v;
                const QString text = from.strings_[std::uint32_t(v & ~kTagMask)]; // a copy:
                return textValue(text); // the table may grow, even when it is this grid's own
            });
    changedRows(first, first + int(rows.size()) - 1);
}

void GridModel::reorderRows(int first, const std::vector<std::uint32_t>& from) {
    if (from.empty())
        return;
    if (first < 0 || std::size_t(first) + from.size() > std::size_t(rows_))
        raise(err::SubscriptRange);
    std::vector<std::uint8_t> named(from.size(), 0);
    for (const std::uint32_t f : from) {
        if (f >= from.size() || named[f])
            raise(err::InvalidCall); // not a reordering of those rows
        named[f] = 1;
    }
    for (CellColumn& c : columns_)
        c.reorder(std::size_t(first), from.data(), from.size());
    changedRows(first, first + int(from.size()) - 1);
}

void GridModel::clear() {
    for (CellColumn& c : columns_)
        c.clear();
    std::vector<QString>().swap(strings_);
    std::vector<std::uint32_t>().swap(free_);
    index_.clear();
    collectAt_ = kFirstCollect;
    changedRows(0, rows_ - 1);
}

// --- dimensions -----------------------------------------------------------------

// A change of the number of rows or columns resets the model rather than
// reporting rows or columns inserted or removed: the rows go when a sheet is
// emptied for new contents, and removing them would move every persistent
// index a view or an accessibility client holds (one per cell it has listed),
// at a cost that grows with the square of the cells. A reset drops them all at
// once.
void GridModel::setRows(int rows) {
    if (rows < fixedRows_ || rows < 0)
        raise(err::InvalidCall);
    if (rows == rows_)
        return;
    Reset reset(this);
    if (rows < rows_) {
        rowHeights_.erase(rowHeights_.lower_bound(rows), rowHeights_.end());
        std::erase_if(backColors_, [rows](const auto& kv) { return int(kv.first >> 32) >= rows; });
    }
    for (CellColumn& c : columns_)
        c.resize(std::size_t(rows));
    rows_ = rows;
}

void GridModel::setCols(int cols) {
    if (cols < fixedCols_ || cols < 0)
        raise(err::InvalidCall);
    if (cols == cols_)
        return;
    const bool grow = cols > cols_;
    Reset reset(this); // see setRows
    const std::size_t newCols = std::size_t(cols);
    columns_.resize(newCols, CellColumn(kEmpty));
    for (std::size_t c = std::size_t(cols_); c < newCols; ++c)
        columns_[c].resize(std::size_t(rows_));
    colWidths_.resize(newCols, -1);
    colAlign_.resize(newCols, Qt::Alignment());
    headerAlign_.resize(newCols, Qt::Alignment());
    if (!grow)
        std::erase_if(backColors_,
                      [cols](const auto& kv) { return int(kv.first & 0xFFFFFFFFu) >= cols; });
    cols_ = cols;
}

void GridModel::setFixedRows(int n) {
    if (n < 0 || n > rows_)
        raise(err::InvalidCall);
    const int old = fixedRows_;
    fixedRows_ = n;
    changedRows(std::min(old, n), std::max(old, n) - 1);
    if (!bulk_ && old != n)
        emit geometryChanged(); // the rows that stay in place
}

void GridModel::setFixedCols(int n) {
    if (n < 0 || n > cols_)
        raise(err::InvalidCall);
    const int old = fixedCols_;
    fixedCols_ = n;
    if (!bulk_ && old != n && rows_ > 0)
        emit dataChanged(index(0, std::min(old, n)), index(rows_ - 1, std::max(old, n) - 1));
}

// --- format string --------------------------------------------------------------

void GridModel::setFormatString(const QString& format) {
    format_ = format;
    const qsizetype semi = format.indexOf(u';');
    const QString colPart = semi < 0 ? format : format.left(semi);
    const QString rowPart = semi < 0 ? QString() : format.mid(semi + 1);

    // A title's first character may be an alignment mark; only the first counts.
    auto title = [](const QString& piece, Qt::Alignment& a) {
        a = Qt::Alignment();
        if (piece.startsWith(u'<'))
            a = Qt::AlignLeft;
        else if (piece.startsWith(u'^'))
            a = Qt::AlignHCenter;
        else if (piece.startsWith(u'>'))
            a = Qt::AlignRight;
        return a ? piece.mid(1) : piece;
    };
    titles_.clear();
    rowTitles_.clear();
    std::vector<Qt::Alignment> aligns;
    Qt::Alignment a;
    if (!colPart.isEmpty())
        for (const QString& piece : colPart.split(u'|')) {
            titles_.append(title(piece, a));
            aligns.push_back(a);
        }
    if (!rowPart.isEmpty())
        for (const QString& piece : rowPart.split(u'|'))
            rowTitles_.append(title(piece, a));

    const int nCols = int(titles_.size());
    if (nCols > 0) {
        if (fixedCols_ > nCols)
            setFixedCols(nCols);
        setCols(nCols);
    } else if (!rowTitles_.isEmpty() && cols_ == 0) {
        setCols(1);
    }
    const int needRows = rowTitles_.isEmpty() ? (nCols > 0 ? 1 : 0) : int(rowTitles_.size()) + 1;
    if (needRows > rows_)
        setRows(needRows);

    for (int c = 0; c < nCols; ++c) {
        storeText(0, c, titles_[c]);
        colAlign_[std::size_t(c)] = headerAlign_[std::size_t(c)] = aligns[std::size_t(c)];
        colWidths_[std::size_t(c)] = -1; // sized to fit the title
    }
    for (int r = 0; r < int(rowTitles_.size()); ++r)
        storeText(r + 1, 0, rowTitles_[r]);
    changedRows(0, rows_ - 1);
    if (!bulk_)
        emit geometryChanged();
}

// --- sizes, alignment and colours -----------------------------------------------

void GridModel::setTitlePadding(int blanks) {
    if (blanks < 0)
        raise(err::InvalidCall);
    if (blanks == titlePadding_)
        return;
    titlePadding_ = blanks;
    if (!bulk_)
        emit geometryChanged();
}

void GridModel::setColWidth(int col, int twips) {
    if (twips < -1)
        raise(err::InvalidCall);
    if (col == -1) {
        std::fill(colWidths_.begin(), colWidths_.end(), twips);
    } else {
        checkCell(0, col); // error 9 for a column outside the grid
        colWidths_[std::size_t(col)] = twips;
    }
    if (!bulk_)
        emit geometryChanged();
}

int GridModel::colWidth(int col) const {
    if (col < 0 || col >= cols_)
        raise(err::SubscriptRange);
    return colWidths_[std::size_t(col)];
}

void GridModel::setRowHeight(int row, int twips) {
    if (twips < -1)
        raise(err::InvalidCall);
    if (row == -1) {
        defaultRowHeight_ = twips;
        rowHeights_.clear();
    } else {
        if (row < 0 || row >= rows_)
            raise(err::SubscriptRange);
        if (twips == defaultRowHeight_)
            rowHeights_.erase(row);
        else
            rowHeights_[row] = twips;
    }
    if (!bulk_)
        emit geometryChanged();
}

int GridModel::rowHeight(int row) const {
    if (row < 0 || row >= rows_)
        raise(err::SubscriptRange);
    const auto it = rowHeights_.find(row);
    return it == rowHeights_.end() ? defaultRowHeight_ : it->second;
}

void GridModel::setColAlignment(int col, Qt::Alignment a) {
    if (col < 0 || col >= cols_)
        raise(err::SubscriptRange);
    colAlign_[std::size_t(col)] = a;
    if (!bulk_ && rows_ > 0)
        emit dataChanged(index(0, col), index(rows_ - 1, col));
}

Qt::Alignment GridModel::colAlignment(int col) const {
    if (col < 0 || col >= cols_)
        raise(err::SubscriptRange);
    return colAlign_[std::size_t(col)];
}

void GridModel::setCellBackColor(int row, int col, const QColor& c) {
    checkCell(row, col);
    if (c.isValid())
        backColors_[colorKey(row, col)] = c;
    else
        backColors_.erase(colorKey(row, col));
    changed(row, col);
}

QColor GridModel::cellBackColor(int row, int col) const {
    checkCell(row, col);
    const auto it = backColors_.find(colorKey(row, col));
    return it == backColors_.end() ? QColor() : it->second;
}

// --- model interface ------------------------------------------------------------

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant GridModel::data(const QModelIndex& ix, int role) const {
    if (!ix.isValid() || ix.row() >= rows_ || ix.column() >= cols_)
        return {};
    const int row = ix.row(), col = ix.column();
    const bool fixed = row < fixedRows_ || col < fixedCols_;
    switch (role) {
    case Qt::DisplayRole: {
        const QString t = valueText(raw(row, col));
        return t.isEmpty() ? QVariant() : QVariant(t);
    }
    case Qt::TextAlignmentRole: {
        Qt::Alignment a = horizontal(colAlign_[std::size_t(col)]);
        if (row < fixedRows_ && horizontal(headerAlign_[std::size_t(col)]))
            a = horizontal(headerAlign_[std::size_t(col)]);
        if (!a) { // general: numbers to the right, texts to the left
            const std::uint64_t r = raw(row, col);
            const bool number = r != kEmpty && ((r & kTagMask) != kTextTag ||
                                                isNumeric(strings_[std::uint32_t(r & ~kTagMask)]));
            a = number ? Qt::AlignRight : Qt::AlignLeft;
        }
        return int((a | Qt::AlignVCenter).toInt());
    }
    case Qt::BackgroundRole: {
        if (!backColors_.empty()) {
            const auto it = backColors_.find(colorKey(row, col));
            if (it != backColors_.end())
                return QBrush(it->second);
        }
        if (fixed)
            return QBrush(QGuiApplication::palette().color(QPalette::Button));
        return {};
    }
    case Qt::ForegroundRole:
        if (fixed)
            return QBrush(QGuiApplication::palette().color(QPalette::ButtonText));
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& ix) const {
    if (!ix.isValid())
        return Qt::NoItemFlags;
    if (ix.row() < fixedRows_ || ix.column() < fixedCols_)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

// --- view -----------------------------------------------------------------------

namespace {

void setUpTable(QTableView* t) {
    // The fixed rows and columns are cells of the model, drawn grey; Qt's own
    // headers stay hidden and only carry the section sizes.
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    for (QHeaderView* h : {t->horizontalHeader(), t->verticalHeader()}) {
        h->setMinimumSectionSize(0);
        h->setSectionResizeMode(QHeaderView::Fixed);
    }
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setShowGrid(true);
    t->setGridStyle(Qt::SolidLine);
    t->setWordWrap(true);
    t->setTextElideMode(Qt::ElideNone);
    t->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    t->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

} // namespace

Grid::Grid(QWidget* parent)
    : QTableView(parent), model_(new GridModel(this)), fixedRowsView_(new QTableView(this)) {
    installGridAccessibility();
    setModel(model_);
    setUpTable(this);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // One stop in the tab order: Tab and Shift+Tab leave the grid, the arrow
    // keys move inside it.
    setTabKeyNavigation(false);

    QTableView* f = fixedRowsView_;
    f->setModel(model_);
    setUpTable(f);
    f->setFocusPolicy(Qt::NoFocus);
    f->setSelectionMode(QAbstractItemView::NoSelection);
    f->setAutoScroll(false);
    f->setFrameShape(QFrame::NoFrame);
    f->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    f->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    f->viewport()->installEventFilter(this); // its wheel scrolls the grid
    viewport()->stackUnder(f);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, f->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(f->verticalScrollBar(), &QScrollBar::valueChanged, f, [f](int v) {
        if (v != 0)
            f->verticalScrollBar()->setValue(0);
    });

    connect(model_, &GridModel::geometryChanged, this, &Grid::applyGeometry);
    connect(model_, &QAbstractItemModel::modelReset, this, &Grid::applyGeometry);
    connect(model_, &QAbstractItemModel::columnsInserted, this, &Grid::applyGeometry);
    connect(model_, &QAbstractItemModel::columnsRemoved, this, &Grid::applyGeometry);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &Grid::placeFixedRows);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &Grid::placeFixedRows);
    applyGeometry();
}

void Grid::changeEvent(QEvent* e) {
    QTableView::changeEvent(e);
    if (e->type() == QEvent::FontChange)
        applyGeometry();
}

void Grid::resizeEvent(QResizeEvent* e) {
    QTableView::resizeEvent(e);
    placeFixedRows();
}

void Grid::updateGeometries() {
    QTableView::updateGeometries();
    placeFixedRows();
}

bool Grid::eventFilter(QObject* watched, QEvent* e) {
    if (watched == fixedRowsView_->viewport() && e->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(viewport(), e);
        return true;
    }
    return QTableView::eventFilter(watched, e);
}

void Grid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    QTableView::scrollTo(index, hint);
    if (!index.isValid() || index.row() < model_->fixedRows() || fixedRowsView_->isHidden())
        return;
    QScrollBar* bar = verticalScrollBar();
    while (visualRect(index).top() < fixedRowsView_->height() && bar->value() > bar->minimum())
        bar->setValue(bar->value() - 1);
}

int Grid::defaultRowPixels() const {
    const int twips = model_->defaultRowHeight();
    return twips >= 0 ? twipsToPixelsY(twips) : standardRowPixels();
}

int Grid::standardRowPixels() const {
    // The standard height, but never so low that a line of text is cut.
    return std::max(twipsToPixelsY(GridModel::DefaultRowHeight), fontMetrics().height() + 2);
}

int Grid::cellPadding() const {
    return 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 6;
}

int Grid::textTwips(const QString& text) const {
    return int(std::ceil(pixelsToTwipsX(fontMetrics().horizontalAdvance(text) + cellPadding())));
}

int Grid::colPixels(int col) const {
    const int twips = model_->colWidth(col);
    if (twips >= 0)
        return twipsToPixelsX(twips);
    // Default width, widened to fit the column's title (and row titles in column 0).
    int px = twipsToPixelsX(GridModel::DefaultColWidth);
    const QFontMetrics fm = fontMetrics();
    const int pad = cellPadding();
    if (col < model_->formatTitles().size()) {
        const QString blanks(model_->titlePadding(), u' ');
        px =
            std::max(px, fm.horizontalAdvance(blanks + model_->formatTitles()[col] + blanks) + pad);
    }
    if (col == 0)
        for (const QString& t : model_->formatRowTitles())
            px = std::max(px, fm.horizontalAdvance(t) + pad);
    return px;
}

void Grid::applyGeometry() {
    QHeaderView* h = horizontalHeader();
    QHeaderView* v = verticalHeader();
    QHeaderView* fh = fixedRowsView_->horizontalHeader();
    QHeaderView* fv = fixedRowsView_->verticalHeader();
    const int colPx = twipsToPixelsX(GridModel::DefaultColWidth);
    h->setDefaultSectionSize(colPx);
    fh->setDefaultSectionSize(colPx);
    for (int c = 0; c < model_->cols(); ++c) {
        const int px = colPixels(c);
        h->resizeSection(c, px);
        fh->resizeSection(c, px);
    }

    // Uniform rows take the header's default size, so a million rows cost no
    // per-row work; only rows with a height of their own are resized.
    const int rowPx = defaultRowPixels();
    if (v->defaultSectionSize() != rowPx)
        v->setDefaultSectionSize(rowPx);
    for (int r : sizedRows_)
        if (r < v->count())
            v->resizeSection(r, rowPx);
    sizedRows_.clear();
    for (const auto& [r, twips] : model_->rowHeightOverrides()) {
        v->resizeSection(r, twips >= 0 ? twipsToPixelsY(twips) : standardRowPixels());
        sizedRows_.push_back(r);
    }
    const int fixedRows = std::min(model_->fixedRows(), fv->count());
    for (int r = 0; r < fixedRows; ++r)
        fv->resizeSection(r, v->sectionSize(r));
    placeFixedRows();
}

void Grid::placeFixedRows() {
    const int n = std::min(model_->fixedRows(), verticalHeader()->count());
    if (n == 0) {
        fixedRowsView_->hide();
        return;
    }
    int height = 0;
    for (int r = 0; r < n; ++r)
        height += verticalHeader()->sectionSize(r);
    const QRect area = viewport()->geometry();
    fixedRowsView_->setGeometry(area.left(), area.top(), area.width(),
                                std::min(height, area.height()));
    fixedRowsView_->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    fixedRowsView_->show();
}

} // namespace vernalt
