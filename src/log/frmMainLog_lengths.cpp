// The lengths of the sampling units (table LogLengths) in the log window.
#include "log/frmMainLog.h"

#include "platform/database.h"
#include "platform/errors.h"
#include "platform/value.h"

#include <QAction>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace vernalt {

// For each row of the checked unit system in Index order: LevelLengths(Index) =
// PlotSize. A level without a row keeps its length; an Index outside 0 to 3
// stops with error 9, a null PlotSize with error 94, the rows before it read.
void frmMainLog::SetLengths() {
    const QString index = db::quoted(u"Index"_s);
    const QString measurement = mnuMetric->isChecked() ? u"Metric"_s : u"English"_s;
    datDataSet2.DatabaseName = db::path();
    datDataSet2.RecordSource = u"SELECT "_s + index +
                               u", PlotSize FROM LogLengths WHERE Measurement = ? ORDER BY "_s +
                               index;
    QSqlQuery rows = db::select(datDataSet2.RecordSource, {measurement});
    while (rows.next()) {
        const int level = toInt16(Value::fromVariant(rows.value(0)).toDouble());
        if (level < 0 || level >= int(LevelLengths.size()))
            vernalt::raise(err::SubscriptRange);
        LevelLengths[std::size_t(level)] =
            static_cast<float>(Value::fromVariant(rows.value(1)).toDouble());
    }
}

void frmMainLog::SetTransectLengths() {
    SetLengths();
    for (std::size_t k = 0; k < LevelNames.size(); ++k)
        LevelNames[k] = QString::fromUtf16(kLevelNames[k]);
    for (std::size_t p = 0; p < lblTransectLength.size(); p += 4) {
        for (std::size_t k = 0; k < 4; ++k)
            lblTransectLength[p + k]->setText(singleText(LevelLengths[k]));
        for (std::size_t k = 0; k < 4; ++k)
            lblTransectLength2[p + k]->setText(singleText(LevelLengths[k]));
    }
}

} // namespace vernalt
