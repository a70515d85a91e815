#include "data/sheet_queries.h"

#include "platform/database.h"
#include "platform/errors.h"
#include "platform/grid.h"

#include <QSqlDriver>
#include <QSqlQuery>
#include <QVariant>

#include <sqlite3.h>
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

namespace {

// A SELECT run straight on SQLite, for reading many records without a QVariant
// per field: the connection's own SQLite handle, from the Qt driver.
class Rows {
  public:
    explicit Rows(const QString& sql) {
        const QVariant h = db::connection().driver()->handle();
        if (qstrcmp(h.typeName(), "sqlite3*") == 0)
            handle_ = *static_cast<sqlite3* const*>(h.constData());
        if (!handle_)
            raise(err::DbGeneral, u"The database driver gives no access to SQLite."_s);
        const QByteArray text = sql.toUtf8();
        check(
            sqlite3_prepare_v2(handle_, text.constData(), int(text.size()), &statement_, nullptr));
    }
    ~Rows() { sqlite3_finalize(statement_); }
    Rows(const Rows&) = delete;
    Rows& operator=(const Rows&) = delete;

    int columns() const { return sqlite3_column_count(statement_); }
    bool next() {
        const int rc = sqlite3_step(statement_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            check(rc);
        return false;
    }
    int type(int c) const { return sqlite3_column_type(statement_, c); }
    double number(int c) const { return sqlite3_column_double(statement_, c); }
    QByteArrayView utf8(int c) const {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, c));
        return QByteArrayView(text, sqlite3_column_bytes(statement_, c));
    }

  private:
    void check(int rc) {
        if (rc == SQLITE_OK)
            return;
        const QString message = QString::fromUtf8(sqlite3_errmsg(handle_));
        const int primary = rc & 0xff;
        raise(primary == SQLITE_BUSY || primary == SQLITE_LOCKED ? err::DbLocked : err::DbGeneral,
              message);
    }
    sqlite3* handle_ = nullptr;
    sqlite3_stmt* statement_ = nullptr;
};

} // namespace

int fillGridFromQuery(GridModel& grid, const QString& sql) {
    Rows rows(sql);
    const int fields = std::min(rows.columns(), grid.cols());
    // The last text of each column and its string: a value repeated record
    // after record (a forest, a date) is converted once.
    std::vector<QByteArray> lastBytes(std::size_t(std::max(fields, 0)));
    std::vector<QString> lastText(lastBytes.size());
    int written = 0;
    bool more = true;
    grid.fillRows(grid.rows(), [&](int r) {
        if (!more || !(more = rows.next()))
            return;
        for (int c = 0; c < fields; ++c) {
            switch (rows.type(c)) {
            case SQLITE_NULL:
                break;
            case SQLITE_INTEGER:
            case SQLITE_FLOAT:
                grid.setNumber(r, c, rows.number(c));
                break;
            default: {
                const QByteArrayView text = rows.utf8(c);
                const auto i = std::size_t(c);
                if (lastText[i].isNull() || lastBytes[i] != text) {
                    lastBytes[i] = text.toByteArray();
                    lastText[i] = QString::fromUtf8(text);
                }
                grid.setText(r, c, lastText[i]);
                break;
            }
            }
        }
        ++written;
    });
    if (more && rows.next())
        raise(err::SubscriptRange, u"The sheet has more records than rows."_s);
    return written;
}

} // namespace vernalt::data
