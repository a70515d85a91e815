#include "data/sheet_queries.h"

#include "platform/database.h"
#include "platform/errors.h"
#include "platform/grid.h"
#include "platform/progress.h"

#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt::data {

namespace {

const QString MetricColumns =
    u"SELECT STRATUM,LOCATION,Transect, ROUND(([segment]+0.999)/2,0) AS Section, "
    u"ROUND(([subsegment]+0.999)/2,0) AS Segment, Subsegment,WIDTH10,WIDTH20,WIDTH30,WIDTH40,"
    u"DISTANCE,SPECIES,CLASS,DBH,HEIGHT,CAVITY,FORAGE,QUALIFYING,FOREST,DISTRICT,SUBWATERSHED,"
    u"OBSERVER,DATE "_s;
const QString EnglishColumns =
    u"SELECT STRATUM,LOCATION,Transect, ROUND(([segment]+0.999)/2,0) AS Section, "
    u"ROUND(([subsegment]+0.999)/2,0) AS Segment, Subsegment,WIDTH33,WIDTH66,WIDTH99,WIDTH132,"
    u"DISTANCE,SPECIES,CLASS,DBH,HEIGHT,CAVITY,FORAGE,QUALIFYING,FOREST,DISTRICT,SUBWATERSHED,"
    u"OBSERVER,DATE "_s;

// The sort keys of the snag sheets: records with equal keys keep the file's order.
const QString SnagKeys = u"transect, subsegment, id"_s;

// The records of snag sheet k: every one, or those of stratum k.
QString sheetCondition(int sheet) {
    return sheet == 0 ? QString() : u"WHERE stratum="_s + QString::number(sheet);
}

} // namespace

QString snagSheetQuery(bool metric, int sheet) {
    return (metric ? MetricColumns : EnglishColumns) + u"FROM Snags "_s + sheetCondition(sheet) +
           u" ORDER BY "_s + SnagKeys + u';';
}

QString snagSheetFormat(const std::array<QString, 4>& widthTexts) {
    return u"^Stratum|^Location|^Transect|^Section|^Segment|^Subsegment|^Width"_s + widthTexts[0] +
           u"|^Width"_s + widthTexts[1] + u"|^Width"_s + widthTexts[2] + u"|^Width"_s +
           widthTexts[3] +
           u"|^Distance|^Species|^Class|^DBH|^Height|^Cavity|^Forage|^Qualifying|^Forest"
           u"|^District|^Subwatershed|^Observer|^Date"_s;
}

std::array<int, 5> snagSheetCounts() {
    // The same conditions as the sheets' queries, counted in one pass.
    QSqlQuery q = db::select(u"SELECT COUNT(*), TOTAL(stratum=1), TOTAL(stratum=2), "
                             u"TOTAL(stratum=3), TOTAL(stratum=4) FROM Snags"_s);
    std::array<int, 5> counts{};
    if (q.next())
        for (int k = 0; k < 5; ++k)
            counts[std::size_t(k)] = int(q.value(k).toDouble());
    return counts;
}

using Rows = db::ReadCursor;
using Kind = db::ReadCursor::Kind;

namespace {

// Writes the current record of `rows` into row `r` of a grid: a number as a
// number, a text as it is, a null as nothing. Keeps the last text of each column
// and its string, so a value repeated record after record is converted once.
class RecordWriter {
  public:
    // Field i of each record goes into grid column columns[i].
    RecordWriter(Rows& rows, GridModel& grid, std::vector<int> columns)
        : rows_(rows), grid_(grid), columns_(std::move(columns)), lastBytes_(columns_.size()),
          lastText_(columns_.size()) {}
    // The first `fields` fields of each record (all when -1) go into the
    // grid's columns from 0, as many as it has.
    RecordWriter(Rows& rows, GridModel& grid, int fields = -1)
        : RecordWriter(
              rows, grid,
              firstColumns(std::min(fields < 0 ? rows.columnCount() : fields, grid.cols()))) {}
    void write(int r) {
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            const int field = int(i), c = columns_[i];
            switch (rows_.kind(field)) {
            case Kind::Null:
                grid_.setText(r, c, QString());
                break;
            case Kind::Number:
                grid_.setNumber(r, c, rows_.number(field));
                break;
            case Kind::Text: {
                const QByteArrayView text = rows_.utf8(field);
                if (lastText_[i].isNull() || lastBytes_[i] != text) {
                    lastBytes_[i] = text.toByteArray();
                    lastText_[i] = QString::fromUtf8(text);
                }
                grid_.setText(r, c, lastText_[i]);
                break;
            }
            }
        }
    }

  private:
    static std::vector<int> firstColumns(int count) {
        std::vector<int> columns(std::size_t(std::max(0, count)));
        std::iota(columns.begin(), columns.end(), 0);
        return columns;
    }

    Rows& rows_;
    GridModel& grid_;
    std::vector<int> columns_; // by field
    std::vector<QByteArray> lastBytes_;
    std::vector<QString> lastText_;
};

const QString& filling() {
    static const QString word = u"Filling"_s;
    return word;
}

[[noreturn]] void moreRecordsThanRows() {
    raise(err::SubscriptRange, u"The sheet has more records than rows."_s);
}

} // namespace

bool SheetRecords::hold(const QString& sheetQuery) const {
    return !query.isEmpty() && query == sheetQuery && dataVersion == db::dataVersion();
}

int fillGridFromQuery(GridModel& grid, const QString& sql, Progress* progress) {
    Rows rows(sql);
    RecordWriter writer(rows, grid);
    const qint64 total = grid.rows() - grid.fixedRows();
    int written = 0;
    bool more = true;
    grid.fillRows(grid.rows(), [&](int r) {
        if (!more || !(more = rows.next()))
            return;
        writer.write(r);
        ++written;
        if (progress)
            progress->step(filling(), written, total);
    });
    if (more && rows.next())
        moreRecordsThanRows();
    return written;
}

namespace {

// The sort keys of records, `count` fields each, and the order they give:
// the order SQLite gives values (nulls first, then numbers by value, then texts
// byte by byte), equal keys in the order the records came.
class SortKeys {
  public:
    explicit SortKeys(int count) : width_(std::size_t(count)) {}

    // The key of the current record of `rows`: its fields from `column` on.
    void add(const Rows& rows, int column) {
        for (std::size_t c = 0; c < width_; ++c) {
            const int field = column + int(c);
            switch (rows.kind(field)) {
            case Kind::Null:
                values_.push_back(0);
                ranks_.push_back(0);
                break;
            case Kind::Number:
                values_.push_back(rows.number(field));
                ranks_.push_back(1);
                break;
            case Kind::Text: // a blob counts as a text
                values_.push_back(double(texts_.size()));
                ranks_.push_back(2);
                texts_.push_back(rows.utf8(field).toByteArray());
                break;
            }
        }
    }

    // The records in key order: order[p] is the record (counted from 0 as they
    // were added) that comes p-th.
    std::vector<std::uint32_t> order() const {
        std::vector<std::uint32_t> order(ranks_.size() / width_);
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = std::uint32_t(i);
        std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            for (std::size_t c = 0; c < width_; ++c) {
                if (less(width_ * a + c, width_ * b + c))
                    return true;
                if (less(width_ * b + c, width_ * a + c))
                    return false;
            }
            return false;
        });
        return order;
    }

  private:
    bool less(std::size_t a, std::size_t b) const {
        if (ranks_[a] != ranks_[b])
            return ranks_[a] < ranks_[b];
        if (ranks_[a] == 1)
            return values_[a] < values_[b];
        if (ranks_[a] == 2)
            return texts_[std::size_t(values_[a])] < texts_[std::size_t(values_[b])];
        return false;
    }

    std::size_t width_;
    std::vector<double> values_;      // a number, or the index of a text
    std::vector<std::uint8_t> ranks_; // 0 null, 1 number, 2 text
    std::vector<QByteArray> texts_;
};

} // namespace

int fillSortedSheet(GridModel& grid, const QString& columns, const QString& from,
                    const QString& keys, Progress* progress, std::vector<std::uint32_t>* rows) {
    const int keyCount = int(keys.count(u',')) + 1;
    const int first = grid.fixedRows();
    const qint64 total = grid.rows() - first;
    // One pass over the table in its own order: each record into the next row,
    // its key (the last fields) kept; then the rows go into the keys' order.
    Rows records(columns.trimmed() + u", "_s + keys + u' ' + from + u" ORDER BY rowid"_s);
    const int fields = records.columnCount() - keyCount;
    RecordWriter writer(records, grid, fields);
    SortKeys sortKeys(keyCount);
    qint64 written = 0;
    std::vector<std::uint32_t> order;
    grid.changeMany([&] {
        while (records.next()) {
            if (written == total)
                moreRecordsThanRows();
            writer.write(first + int(written));
            sortKeys.add(records, fields);
            ++written;
            if (progress)
                progress->step(filling(), written, total);
        }
        order = sortKeys.order();
        grid.reorderRows(first, order);
    });
    if (rows) {
        rows->assign(order.size(), 0);
        for (std::size_t p = 0; p < order.size(); ++p)
            (*rows)[order[p]] = std::uint32_t(first) + std::uint32_t(p);
    }
    return int(written);
}

int fillSnagSheet(GridModel& grid, bool metric, int sheet, Progress* progress,
                  SheetRecords* placed) {
    if (placed)
        placed->forget();
    std::vector<std::uint32_t> rows;
    const int written =
        fillSortedSheet(grid, metric ? MetricColumns : EnglishColumns,
                        u"FROM Snags "_s + sheetCondition(sheet), SnagKeys, progress, &rows);
    if (placed && !rows.empty()) {
        placed->rows = std::move(rows);
        placed->query = snagSheetQuery(metric, sheet);
        placed->sheet = sheet;
        placed->dataVersion = db::dataVersion();
    }
    return written;
}

bool refreshSnagColumns(GridModel& grid, const SheetRecords& placed, const QStringList& fields,
                        const std::vector<int>& columns, Progress* progress) {
    QStringList quoted;
    for (const QString& f : fields)
        quoted << db::quoted(f);
    if (quoted.isEmpty())
        quoted << u"rowid"_s; // no field: the records are counted all the same
    Rows rows(u"SELECT "_s + quoted.join(u',') + u" FROM Snags "_s + sheetCondition(placed.sheet) +
              u" ORDER BY rowid"_s);
    const std::size_t n = std::min<std::size_t>(
        {columns.size(), std::size_t(fields.size()), std::size_t(rows.columnCount())});
    RecordWriter writer(rows, grid,
                        std::vector<int>(columns.begin(), columns.begin() + std::ptrdiff_t(n)));
    std::size_t record = 0;
    bool fits = true;
    grid.changeMany([&] {
        while (rows.next()) {
            if (record == placed.rows.size()) {
                fits = false;
                return;
            }
            writer.write(int(placed.rows[record++]));
            if (progress)
                progress->step(filling(), qint64(record), qint64(placed.rows.size()));
        }
    });
    return fits && record == placed.rows.size();
}

} // namespace vernalt::data
