#include "data/sheet_queries.h"

#include "platform/database.h"
#include "platform/errors.h"
#include "platform/grid.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

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

int fillGridFromQuery(GridModel& grid, const QString& sql) {
    QSqlQuery q = db::select(sql);
    const int fields = std::min(q.record().count(), grid.cols());
    int written = 0;
    const int first = grid.fixedRows();
    grid.fillRows(grid.rows(), [&](int r) {
        if (r != first + written || !q.next())
            return;
        for (int c = 0; c < fields; ++c) {
            const QVariant v = q.value(c);
            if (v.isNull())
                continue;
            switch (v.typeId()) {
            case QMetaType::Double:
            case QMetaType::Int:
            case QMetaType::LongLong:
                grid.setNumber(r, c, v.toDouble());
                break;
            default:
                grid.setText(r, c, v.toString());
                break;
            }
        }
        ++written;
    });
    if (q.next())
        raise(err::SubscriptRange, u"The sheet has more records than rows."_s);
    return written;
}

} // namespace vernalt::data
