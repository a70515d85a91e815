#include "settings/reference_rows.h"

#include "platform/database.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/value.h"

#include <cmath>

namespace vernalt {

using namespace Qt::StringLiterals;

QString fieldText(const QVariant& field) {
    const Value v = Value::fromVariant(field);
    if (v.isNull() || v.isEmpty())
        return {};
    return v.text();
}

std::vector<ReferenceRow> readReferenceRows(const QString& table, const QString& measurement,
                                            int maxIndex, bool withWidth) {
    const QString index = db::quoted(QStringLiteral("Index"));
    QString sql = u"SELECT "_s;
    sql += index + u", PlotSize"_s;
    if (withWidth)
        sql += u", Width"_s;
    sql += u" FROM "_s + db::quoted(table) + u" WHERE Measurement = ? ORDER BY "_s + index;
    QSqlQuery q = db::select(sql, {measurement});
    std::vector<ReferenceRow> rows;
    while (q.next()) {
        const Value i = Value::fromVariant(q.value(0));
        double n = 0;
        if (i.isNumber())
            n = i.number();
        else if (i.isText() && isNumeric(i.text()))
            n = toDouble(i.text());
        else
            continue;
        if (n != std::floor(n) || n < 0 || n > maxIndex)
            continue;
        ReferenceRow row;
        row.index = int(n);
        row.plotSize = fieldText(q.value(1));
        if (withWidth)
            row.width = fieldText(q.value(2));
        rows.push_back(row);
    }
    return rows;
}

void writeReferenceRow(const QString& table, const QString& measurement, int index, double plotSize,
                       std::optional<double> width) {
    const QString t = db::quoted(table);
    const QString idx = db::quoted(QStringLiteral("Index"));
    int changed = 0;
    if (width) {
        changed = db::exec(u"UPDATE "_s + t +
                               u" SET PlotSize = ?, Width = ? WHERE Measurement = ? AND "_s + idx +
                               u" = ?"_s,
                           {plotSize, *width, measurement, index});
        if (changed == 0)
            db::exec(u"INSERT INTO "_s + t + u" (Measurement, "_s + idx +
                         u", PlotSize, Width) VALUES (?, ?, ?, ?)"_s,
                     {measurement, index, plotSize, *width});
    } else {
        changed = db::exec(u"UPDATE "_s + t + u" SET PlotSize = ? WHERE Measurement = ? AND "_s +
                               idx + u" = ?"_s,
                           {plotSize, measurement, index});
        if (changed == 0)
            db::exec(u"INSERT INTO "_s + t + u" (Measurement, "_s + idx +
                         u", PlotSize) VALUES (?, ?, ?)"_s,
                     {measurement, index, plotSize});
    }
}

void reportDatabaseError(const RuntimeError& e, const QString& tag, db::Access access) {
    if (e.number() == err::DbReadOnly) {
        prompts().message(
            QStringLiteral("Cannot open the database for updating.  It may be set as read-only."),
            QStringLiteral("Open database error"), MsgIcon::Critical);
        return;
    }
    if (access == db::Access::Saving)
        saveErrorReport(prompts(), e, tag);
    else
        errorReport(prompts(), e, tag);
}

} // namespace vernalt
