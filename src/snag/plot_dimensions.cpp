#include "snag/plot_dimensions.h"

#include "platform/database.h"
#include "platform/errors.h"
#include "platform/value.h"

#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace vernalt {

QString levelName(int level) {
    static const std::array<QString, LevelCount> names = {u"Subsegment"_s, u"Segment"_s,
                                                          u"Section"_s, u"Transect"_s};
    if (level < 0 || level >= LevelCount)
        raise(err::SubscriptRange);
    return names[std::size_t(level)];
}

QString plotDimensionName(int dimension, const WidthTextArray& widthTexts) {
    if (dimension < 0 || dimension >= PlotDimensionCount)
        raise(err::SubscriptRange);
    return levelName(dimension / WidthCount) + widthTexts[std::size_t(dimension % WidthCount)];
}

std::int32_t wholePlotArea(double plotSize) {
    return toInt32(plotSize);
}

void readPlotSizes(bool metric, DimensionSizeArray& sizes, WidthTextArray& widths) {
    const QString sql = u"SELECT "_s + db::quoted(u"Index"_s) +
                        u", PlotSize, Width FROM PlotSizes WHERE Measurement = ? ORDER BY "_s +
                        db::quoted(u"Index"_s);
    QSqlQuery q = db::select(sql, {metric ? u"Metric"_s : u"English"_s});
    while (q.next()) {
        const double indexValue = Value::fromVariant(q.value(0)).toDouble();
        const int index = toInt16(indexValue);
        if (index < 0 || index >= PlotDimensionCount)
            raise(err::SubscriptRange);
        sizes[std::size_t(index)] = wholePlotArea(Value::fromVariant(q.value(1)).toDouble());
        if (index < WidthCount)
            widths[std::size_t(index)] = Value::fromVariant(q.value(2)).text();
    }
}

} // namespace vernalt
