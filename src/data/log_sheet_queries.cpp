#include "data/log_sheet_queries.h"

#include "data/sheet_queries.h"
#include "platform/database.h"

#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace vernalt::data {

namespace {

// Intersect is a word of SQL: the column is named in brackets.
const QString LimColumns =
    u"SELECT LIM.Stratum, LIM.Location, LIM.Transect, ROUND(([segment]+0.999)/2,0) AS Section, "
    u"ROUND(([subsegment]+0.999)/2,0) AS Segment, LIM.Subsegment, LIM.Species, "
    u"LIM.[Intersect], LIM.LED, LIM.Condition, LIM.Length, LIM.Qualify, LIM.[Tally 1], "
    u"LIM.[Tally 2], LIM.[Tally 3], LIM.[Tally 4] "_s;
// The sort keys of the sheets (ORDER BY): records with equal keys keep the
// file's order.
const QString LimKeys = u"LIM.stratum, LIM.transect, LIM.subsegment, LIM.id"_s;

const QString SpmColumns =
    u"SELECT Stratum, Location, Transect, ROUND(([segment]+0.999)/2,0) AS Section, "
    u"ROUND(([subsegment]+0.999)/2,0) AS Segment, Subsegment, LED, Endpoint, Large, Small, "
    u"Length, Condition, Qualify, Use, Species, PercentLength, EstimLength "_s;
const QString SpmKeys = u"stratum, transect, subsegment, id"_s;

} // namespace

QString logTable(bool lim) {
    return lim ? u"LIM"_s : u"SPM"_s;
}

namespace {

// The FROM clause of log sheet k.
QString logSheetSource(bool lim, int sheet) {
    if (lim)
        return sheet == 0 ? u"From LIM"_s
                          : u"FROM LIM WHERE LIM.stratum = "_s + QString::number(sheet);
    return sheet == 0 ? u"FROM SPM"_s : u"FROM SPM WHERE stratum = "_s + QString::number(sheet);
}

} // namespace

QString logSheetQuery(bool lim, int sheet) {
    return (lim ? LimColumns : SpmColumns) + logSheetSource(lim, sheet) + u" ORDER BY "_s +
           (lim ? LimKeys : SpmKeys) + u';';
}

int fillLogSheet(GridModel& grid, bool lim, int sheet, Progress* progress) {
    return fillSortedSheet(grid, lim ? LimColumns : SpmColumns, logSheetSource(lim, sheet),
                           lim ? LimKeys : SpmKeys, progress);
}

const QStringList& logSheetFields(bool lim) {
    static const QStringList limFields = {
        u"Stratum"_s, u"Location"_s,  u"Transect"_s, u"Section"_s,   u"Segment"_s, u"Subsegment"_s,
        u"Species"_s, u"Intersect"_s, u"LED"_s,      u"Condition"_s, u"Length"_s,  u"Qualify"_s,
        u"Tally 1"_s, u"Tally 2"_s,   u"Tally 3"_s,  u"Tally 4"_s};
    static const QStringList spmFields = {
        u"Stratum"_s,       u"Location"_s,   u"Transect"_s, u"Section"_s, u"Segment"_s,
        u"Subsegment"_s,    u"LED"_s,        u"Endpoint"_s, u"Large"_s,   u"Small"_s,
        u"Length"_s,        u"Condition"_s,  u"Qualify"_s,  u"Use"_s,     u"Species"_s,
        u"PercentLength"_s, u"EstimLength"_s};
    return lim ? limFields : spmFields;
}

std::array<int, 5> logSheetCounts(bool lim) {
    // The same conditions as the sheets' queries, counted in one pass.
    QSqlQuery q = db::select(u"SELECT COUNT(*), TOTAL(stratum=1), TOTAL(stratum=2), "
                             u"TOTAL(stratum=3), TOTAL(stratum=4) FROM "_s +
                             logTable(lim));
    std::array<int, 5> counts{};
    if (q.next())
        for (int k = 0; k < 5; ++k)
            counts[std::size_t(k)] = int(q.value(k).toDouble());
    return counts;
}

bool strataGap(const std::array<bool, 4>& empty) {
    // The checks in the order the user is told of them; each stops at the first
    // empty stratum that has a later one with records.
    if (empty[0] && !(empty[1] && empty[2] && empty[3]))
        return true;
    if (empty[1] && !(empty[2] && empty[3]))
        return true;
    return empty[2] && !empty[3];
}

} // namespace vernalt::data
