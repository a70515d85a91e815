// Log lengths: the mean-and-median length report and the median of a column.
#include "log/frmMainLog.h"

#include "log/log_length_estimates.h"
#include "log/log_mean_length.h"
#include "log/log_subtotals.h"
#include "log/median.h"
#include "platform/database.h"
#include "platform/errors.h"
#include "platform/grid.h"
#include "platform/prompts.h"
#include "shell/cleaning.h"

#include <QAction>
#include <QSqlQuery>
#include <QVariantList>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace vernalt {

// The median of the non-null values of a column over every record (stratum 0)
// or over one stratum. A selection without values raises 3021 (no current
// record); a median beyond single precision raises 6.
float frmMainLog::Median(const QString& tName, const QString& fldName, std::int16_t intStratum) {
    const std::optional<double> m = columnMedian(tName, fldName, intStratum);
    if (!m)
        vernalt::raise(3021, u"No current record."_s);
    if (!std::isfinite(*m) || std::abs(*m) > double(std::numeric_limits<float>::max()))
        vernalt::raise(err::Overflow);
    return float(*m);
}

// The mean and median log length of every record (Stratum 0) or of one
// stratum. Under the strip-plot method each log's whole length is estimated
// first, written into table SPM (one transaction), then shown in data sheet
// Stratum; the mean and median are then those of the estimates. An estimate
// that cannot be saved is reported as not saved (the table and the sheets keep
// what they held) and ends the run. False when the run ended before the
// lengths were ready: at an error, at a sheet without the estimate column, or
// at estimates not saved.
bool frmMainLog::CalcMeanLength(bool ShowMessage, std::int16_t Stratum) {
    const QString tag = logProcedure(u"CalcMeanLength"_s);
    bool lengthsReady = false;
    trapped(prompts(), tag, [&] {
        if (Stratum < 0 || Stratum >= std::int16_t(grdStratum.size()))
            vernalt::raise(err::SubscriptRange);
        const bool spm = mnuSPM->isChecked();
        const QString table = spm ? u"SPM"_s : u"LIM"_s;
        const QString field = spm ? u"EstimLength"_s : u"Length"_s;
        QString where;
        QVariantList params;
        if (Stratum != 0) {
            where = u" WHERE Stratum = ?"_s;
            params.append(int(Stratum));
        }

        if (spm) {
            GridModel& sheet = *grdStratum[std::size_t(Stratum)]->grid();
            const int estimate = sheetColumn(sheet, u"estimlength"_s, true);
            // The silent run of the metric menus still estimates the table's
            // lengths, which the minimum-length criterion reads.
            if (estimate < 0 && ShowMessage) {
                prompts().message(u"The EstimLength column was not found"_s, u"Column not found"_s);
                return;
            }
            if (!trappedSave(prompts(), tag,
                             [&] { estimateLengths(sheet, estimate, Stratum, sbStatusBar[0]); }))
                return;
        }
        lengthsReady = true;
        if (!ShowMessage) // nothing is shown, so nothing more is needed
            return;

        QSqlQuery count =
            db::select(u"SELECT COUNT("_s + field + u") FROM "_s + table + where, params);
        if (!count.next() || count.value(0).toLongLong() == 0) {
            // Strip plots without any estimate are a survey without lengths,
            // not a fault: nothing is shown.
            if (!spm)
                prompts().message(u"No Length values were found in the current dataset"_s,
                                  u"ERROR: No length values"_s);
            return;
        }
        const double median = CleanRound(Value(double(Median(table, field, Stratum)))).toDouble();
        datQuery.RecordSource =
            u"SELECT Avg("_s + field + u") AS AvgLength From "_s + table +
            (Stratum != 0 ? u" WHERE Stratum = "_s + numberText(Stratum) : u";"_s);
        QSqlQuery average =
            db::select(u"SELECT Avg("_s + field + u") FROM "_s + table + where, params);
        double mean = 0;
        if (average.next())
            mean = CleanRound(Value::fromVariant(average.value(0))).toDouble();
        prompts().message(meanLengthText(mean, median, mnuMetric->isChecked()), u"Mean Length"_s);
    });
    return lengthsReady;
}

} // namespace vernalt
