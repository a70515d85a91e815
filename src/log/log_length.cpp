// Log lengths: the mean-and-median length report and the median of a column.
#include "log/frmMainLog.h"

#include "log/log_mean_length.h"
#include "log/log_records.h"
#include "log/log_subtotals.h"
#include "log/median.h"
#include "platform/database.h"
#include "platform/errors.h"
#include "platform/grid.h"
#include "platform/progress.h"
#include "platform/prompts.h"
#include "shell/cleaning.h"

#include <QAction>
#include <QSqlQuery>
#include <QVariantList>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <sqlite3.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// A field as stored: nothing, a number or a text.
Value storedValue(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL:
        return Value::null();
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        return Value(sqlite3_value_double(v));
    default:
        return Value(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)),
                                       sqlite3_value_bytes(v)));
    }
}

// estimatedLength of the records met, remembered by their two values when
// both are numbers or nothing: a survey's percentages and lengths recur.
class LengthEstimates {
  public:
    double of(const Value& percentLength, const Value& length) {
        if (!plain(percentLength) || !plain(length))
            return estimatedLength(percentLength, length);
        const std::uint64_t a = bits(percentLength), b = bits(length);
        Entry& e = table_[std::size_t(mixed(a * 0x9E3779B97F4A7C15ull ^ b) >> 48)];
        if (!e.known || e.a != a || e.b != b)
            e = {a, b, estimatedLength(percentLength, length), true};
        return e.length;
    }

    // ESTIMLENGTH(PercentLength, Length) in SQL; a failure ends the statement
    // (the lengths were worked out once already, so none comes).
    static void function(sqlite3_context* context, int, sqlite3_value** argv) {
        try {
            auto* estimates = static_cast<LengthEstimates*>(sqlite3_user_data(context));
            sqlite3_result_double(context,
                                  estimates->of(storedValue(argv[0]), storedValue(argv[1])));
        } catch (const RuntimeError& e) {
            sqlite3_result_error(context, e.description().toUtf8().constData(), -1);
        }
    }

  private:
    // The bits of h spread over all of the result (the usual 64-bit finaliser).
    static std::uint64_t mixed(std::uint64_t h) {
        h = (h ^ (h >> 33)) * 0xFF51AFD7ED558CCDull;
        h = (h ^ (h >> 33)) * 0xC4CEB9FE1A85EC53ull;
        return h ^ (h >> 33);
    }
    static bool plain(const Value& v) { return v.isNull() || v.isNumber(); }
    static std::uint64_t bits(const Value& v) {
        return v.isNull() ? 0x7FF8DEAD00000000ull : std::bit_cast<std::uint64_t>(v.number());
    }
    struct Entry {
        std::uint64_t a = 0, b = 0;
        double length = 0;
        bool known = false;
    };
    std::vector<Entry> table_ = std::vector<Entry>(65536); // by a hash of both values
};

// Estimates the whole length of each log of one stratum (0 for every log) under
// the strip-plot method. Each estimate is shown in column `estimate` of the
// data sheet (none when -1), record n of the sheet's order in row n, then
// written into table SPM in one statement; a log without an estimate keeps
// what it held, and one that holds its estimate already is not written. A
// failure leaves the table as it was.
void estimateLengths(GridModel& sheet, int estimate, std::int16_t stratum, QLabel* status) {
    const QString where = stratum == 0 ? QString() : u" WHERE Stratum = "_s + numberText(stratum);
    LengthEstimates estimates;
    {
        static const QString estimating = u"Estimating"_s;
        Progress progress(status);
        const qint64 total = std::max(0, sheet.rows() - 1);
        LogRecords records(u"SELECT PercentLength, Length FROM SPM"_s + where +
                           u" ORDER BY Stratum, Transect, Subsegment, id"_s);
        bool more = true;
        qint64 n = 0;
        const auto next = [&] {
            more = more && records.next();
            if (!more)
                return 0.0;
            progress.step(estimating, ++n, std::max(total, n));
            return estimates.of(records.raw(0), records.raw(1));
        };
        sheet.fillRows(sheet.rows(), [&](int row) {
            const double length = row < 1 ? 0 : next();
            if (length != 0 && estimate >= 0)
                sheet.setNumber(row, estimate, displayRound(length));
        });
        while (more) // the records beyond the sheet's rows
            next();
    }
    const db::ScopedFunction function("ESTIMLENGTH", 2, &LengthEstimates::function, &estimates);
    db::Transaction transaction;
    db::exec(u"UPDATE SPM SET EstimLength = ESTIMLENGTH(PercentLength, Length)"_s +
             (where.isEmpty() ? u" WHERE "_s : where + u" AND "_s) +
             u"ESTIMLENGTH(PercentLength, Length) <> 0 AND "_s +
             u"EstimLength IS NOT ESTIMLENGTH(PercentLength, Length)"_s);
    transaction.commit();
}

} // namespace

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
// first, written into table SPM (one transaction) and into data sheet Stratum;
// the mean and median are then those of the estimates.
void frmMainLog::CalcMeanLength(bool ShowMessage, std::int16_t Stratum) {
    trapped(prompts(), logProcedure(u"CalcMeanLength"_s), [&] {
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
            estimateLengths(sheet, estimate, Stratum, sbStatusBar[0]);
        }
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
}

} // namespace vernalt
