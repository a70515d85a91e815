#include "data/sheet_queries.h"

#include "platform/database.h"
#include "platform/errors.h"
#include "platform/grid.h"

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
    u"OBSERVER,DATE FROM Snags "_s;
const QString EnglishColumns =
    u"SELECT STRATUM,LOCATION,Transect, ROUND(([segment]+0.999)/2,0) AS Section, "
    u"ROUND(([subsegment]+0.999)/2,0) AS Segment, Subsegment,WIDTH33,WIDTH66,WIDTH99,WIDTH132,"
    u"DISTANCE,SPECIES,CLASS,DBH,HEIGHT,CAVITY,FORAGE,QUALIFYING,FOREST,DISTRICT,SUBWATERSHED,"
    u"OBSERVER,DATE FROM Snags "_s;

} // namespace

QString snagSheetQuery(bool metric, int sheet) {
    const QString condition = sheet == 0 ? QString() : u"WHERE stratum="_s + QString::number(sheet);
    return (metric ? MetricColumns : EnglishColumns) + condition +
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

[[noreturn]] void moreRecordsThanRows() {
    raise(err::SubscriptRange, u"The sheet has more records than rows."_s);
}

// One value of a sort key, ordered as SQLite orders values: nulls first, then
// numbers by value, then texts byte by byte.
struct KeyValue {
    int rank = 0; // 0 null, 1 number, 2 text (a blob counts as a text)
    double number = 0;
    int text = -1; // index into the key texts
};

} // namespace

int fillGridFromQuery(GridModel& grid, const QString& sql) {
    Rows rows(sql);
    RecordWriter writer(rows, grid);
    int written = 0;
    bool more = true;
    grid.fillRows(grid.rows(), [&](int r) {
        if (!more || !(more = rows.next()))
            return;
        writer.write(r);
        ++written;
    });
    if (more && rows.next())
        moreRecordsThanRows();
    return written;
}

int fillSnagSheet(GridModel& grid, bool metric, int sheet) {
    const QString condition = sheet == 0 ? QString() : u"WHERE stratum="_s + QString::number(sheet);

    // The sort keys of the records in the table's own order.
    std::vector<std::array<KeyValue, 3>> keys;
    std::vector<QByteArray> texts;
    {
        Rows k(u"SELECT transect, subsegment, id FROM Snags "_s + condition + u" ORDER BY rowid"_s);
        while (k.next()) {
            std::array<KeyValue, 3> key;
            for (int c = 0; c < 3; ++c) {
                KeyValue& v = key[std::size_t(c)];
                switch (k.kind(c)) {
                case Kind::Null:
                    break;
                case Kind::Number:
                    v.rank = 1;
                    v.number = k.number(c);
                    break;
                case Kind::Text:
                    v.rank = 2;
                    v.text = int(texts.size());
                    texts.push_back(k.utf8(c).toByteArray());
                    break;
                }
            }
            keys.push_back(key);
        }
    }
    const auto less = [&](const KeyValue& a, const KeyValue& b) {
        if (a.rank != b.rank)
            return a.rank < b.rank;
        if (a.rank == 1)
            return a.number < b.number;
        if (a.rank == 2)
            return texts[std::size_t(a.text)] < texts[std::size_t(b.text)];
        return false;
    };
    // The position of each record in the order transect, subsegment, id (equal
    // keys keep the table's order).
    std::vector<std::uint32_t> order(keys.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = std::uint32_t(i);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        for (std::size_t c = 0; c < 3; ++c) {
            if (less(keys[a][c], keys[b][c]))
                return true;
            if (less(keys[b][c], keys[a][c]))
                return false;
        }
        return false;
    });
    std::vector<std::uint32_t> position(order.size());
    for (std::size_t p = 0; p < order.size(); ++p)
        position[order[p]] = std::uint32_t(p);
    std::vector<std::array<KeyValue, 3>>().swap(keys);

    // The records, again in the table's order, each into the row of its position.
    const int first = grid.fixedRows();
    if (int(position.size()) > grid.rows() - first)
        moreRecordsThanRows();
    Rows rows((metric ? MetricColumns : EnglishColumns) + condition + u" ORDER BY rowid"_s);
    RecordWriter writer(rows, grid);
    std::size_t written = 0;
    grid.fillRows(grid.rows(), [&](int r) {
        if (r != first) // every record is written at the first call
            return;
        while (written < position.size() && rows.next())
            writer.write(first + int(position[written++]));
    });
    return int(written);
}

} // namespace vernalt::data
