#include "data/sheet_queries.h"

#include "platform/database.h"
#include "platform/errors.h"
#include "platform/grid.h"
#include "platform/progress.h"

#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <cstdint>
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

// The records of snag sheet k: every one, or those of stratum k.
QString sheetCondition(int sheet) {
    return sheet == 0 ? QString() : u"WHERE stratum="_s + QString::number(sheet);
}

} // namespace

QString snagSheetQuery(bool metric, int sheet) {
    return (metric ? MetricColumns : EnglishColumns) + u"FROM Snags "_s + sheetCondition(sheet) +
           u" ORDER BY transect, subsegment, id;"_s;
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
    RecordWriter(Rows& rows, GridModel& grid)
        : rows_(rows), grid_(grid), fields_(std::max(0, std::min(rows.columnCount(), grid.cols()))),
          lastBytes_(std::size_t(fields_)), lastText_(std::size_t(fields_)) {}
    void write(int r) {
        for (int c = 0; c < fields_; ++c) {
            switch (rows_.kind(c)) {
            case Kind::Null:
                grid_.setText(r, c, QString());
                break;
            case Kind::Number:
                grid_.setNumber(r, c, rows_.number(c));
                break;
            case Kind::Text: {
                const QByteArrayView text = rows_.utf8(c);
                const auto i = std::size_t(c);
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
    Rows& rows_;
    GridModel& grid_;
    int fields_;
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

// The grid row offset (from the first data row) of each record of `from`
// ("FROM table WHERE ..."), in the table's order: their places in the order of
// the `keyCount` comma-separated `keys`, where equal keys keep the table's order.
std::vector<std::uint32_t> sortedPositions(const QString& from, const QString& keys, int keyCount,
                                           Progress* progress, qint64 total) {
    const auto width = std::size_t(keyCount);
    // The sort keys, keyCount per record in the table's own order: a number is
    // itself, a text its index into `texts`; the rank says which.
    std::vector<double> values;
    std::vector<std::uint8_t> ranks; // 0 null, 1 number, 2 text (a blob counts as a text)
    std::vector<QByteArray> texts;
    {
        static const QString sorting = u"Sorting"_s;
        Rows k(u"SELECT "_s + keys + u' ' + from + u" ORDER BY rowid"_s);
        qint64 read = 0;
        while (k.next()) {
            for (int c = 0; c < keyCount; ++c) {
                switch (k.kind(c)) {
                case Kind::Null:
                    values.push_back(0);
                    ranks.push_back(0);
                    break;
                case Kind::Number:
                    values.push_back(k.number(c));
                    ranks.push_back(1);
                    break;
                case Kind::Text:
                    values.push_back(double(texts.size()));
                    ranks.push_back(2);
                    texts.push_back(k.utf8(c).toByteArray());
                    break;
                }
            }
            if (progress)
                progress->step(sorting, ++read, total);
        }
    }
    // Ordered as SQLite orders values: nulls first, then numbers by value, then
    // texts byte by byte.
    const auto less = [&](std::size_t a, std::size_t b) {
        if (ranks[a] != ranks[b])
            return ranks[a] < ranks[b];
        if (ranks[a] == 1)
            return values[a] < values[b];
        if (ranks[a] == 2)
            return texts[std::size_t(values[a])] < texts[std::size_t(values[b])];
        return false;
    };
    std::vector<std::uint32_t> order(ranks.size() / width);
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = std::uint32_t(i);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        for (std::size_t c = 0; c < width; ++c) {
            if (less(width * a + c, width * b + c))
                return true;
            if (less(width * b + c, width * a + c))
                return false;
        }
        return false;
    });
    std::vector<std::uint32_t> position(order.size());
    for (std::size_t p = 0; p < order.size(); ++p)
        position[order[p]] = std::uint32_t(p);
    return position;
}

} // namespace

int fillSortedSheet(GridModel& grid, const QString& columns, const QString& from,
                    const QString& keys, int keyCount, Progress* progress,
                    std::vector<std::uint32_t>* rows) {
    const int first = grid.fixedRows();
    const qint64 total = grid.rows() - first;
    std::vector<std::uint32_t> position = sortedPositions(from, keys, keyCount, progress, total);

    // The records, again in the table's order, each into the row of its position.
    if (qint64(position.size()) > total)
        moreRecordsThanRows();
    Rows records(columns + from + u" ORDER BY rowid"_s);
    RecordWriter writer(records, grid);
    std::size_t written = 0;
    grid.fillRows(grid.rows(), [&](int r) {
        if (r != first) // every record is written at the first call
            return;
        while (written < position.size() && records.next()) {
            writer.write(first + int(position[written++]));
            if (progress)
                progress->step(filling(), qint64(written), total);
        }
    });
    if (rows && written == position.size()) {
        for (std::uint32_t& p : position)
            p += std::uint32_t(first);
        *rows = std::move(position);
    }
    return int(written);
}

int fillSnagSheet(GridModel& grid, bool metric, int sheet, Progress* progress,
                  SheetRecords* placed) {
    if (placed)
        placed->forget();
    std::vector<std::uint32_t> rows;
    const int written = fillSortedSheet(grid, metric ? MetricColumns : EnglishColumns,
                                        u"FROM Snags "_s + sheetCondition(sheet),
                                        u"transect, subsegment, id"_s, 3, progress, &rows);
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
    std::size_t record = 0;
    bool fits = true;
    grid.fillRows(grid.rows(), [&](int r) {
        if (r != grid.fixedRows()) // every record is written at the first call
            return;
        while (rows.next()) {
            if (record == placed.rows.size()) {
                fits = false;
                return;
            }
            const int row = int(placed.rows[record++]);
            for (std::size_t i = 0; i < n; ++i) {
                const int c = columns[i];
                switch (rows.kind(int(i))) {
                case Kind::Null:
                    grid.setText(row, c, QString());
                    break;
                case Kind::Number:
                    grid.setNumber(row, c, rows.number(int(i)));
                    break;
                case Kind::Text:
                    grid.setText(row, c, QString::fromUtf8(rows.utf8(int(i))));
                    break;
                }
            }
            if (progress)
                progress->step(filling(), qint64(record), qint64(placed.rows.size()));
        }
    });
    return fits && record == placed.rows.size();
}

} // namespace vernalt::data
