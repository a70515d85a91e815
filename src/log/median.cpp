#include "log/median.h"

#include "platform/database.h"
#include "platform/value.h"

#include <QSqlQuery>
#include <QVariantList>

using namespace Qt::StringLiterals;

namespace vernalt {

std::optional<double> columnMedian(const QString& table, const QString& column, int stratum) {
    const QString field = db::quoted(column);
    QString where = u" WHERE "_s + field + u" IS NOT NULL"_s;
    QVariantList params;
    if (stratum != 0) {
        where += u" AND Stratum = ?"_s;
        params.append(stratum);
    }
    const QString from = u" FROM "_s + db::quoted(table) + where;

    QSqlQuery count = db::select(u"SELECT COUNT(*)"_s + from, params);
    const qint64 n = count.next() ? count.value(0).toLongLong() : 0;
    if (n == 0)
        return std::nullopt;

    // The middle value (odd n) or the two middle ones (even n), in ascending order.
    const qint64 first = n % 2 == 1 ? (n - 1) / 2 : n / 2 - 1;
    const int take = n % 2 == 1 ? 1 : 2;
    QVariantList window = params;
    window << take << first;
    QSqlQuery q = db::select(
        u"SELECT "_s + field + from + u" ORDER BY "_s + field + u" LIMIT ? OFFSET ?"_s, window);
    double values[2] = {0, 0};
    for (int i = 0; i < take; ++i) {
        q.next();
        values[i] = Value::fromVariant(q.value(0)).toDouble();
    }
    if (take == 1)
        return values[0];
    return (values[0] + values[1]) / 2;
}

} // namespace vernalt
