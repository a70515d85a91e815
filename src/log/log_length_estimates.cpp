#include "log/log_length_estimates.h"

#include "log/log_mean_length.h"
#include "log/log_records.h"
#include "platform/database.h"
#include "platform/errors.h"
#include "platform/grid.h"
#include "platform/progress.h"
#include "platform/value.h"
#include "shell/cleaning.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <sqlite3.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// The bits of h spread over all of the result (the usual 64-bit finaliser).
std::uint64_t mixed(std::uint64_t h) {
    h = (h ^ (h >> 33)) * 0xFF51AFD7ED558CCDull;
    h = (h ^ (h >> 33)) * 0xC4CEB9FE1A85EC53ull;
    return h ^ (h >> 33);
}

// estimatedLength of the records met, remembered by their two values when both
// are numbers or nothing: a survey's classes and lengths recur.
class LengthEstimates {
  public:
    double of(const Value& percentLength, const Value& length) {
        if (!plain(percentLength) || !plain(length))
            return estimatedLength(percentLength, length);
        const std::uint64_t a = bits(percentLength), b = bits(length);
        Estimate& e = estimates_[slot(a * 0x9E3779B97F4A7C15ull ^ b)];
        if (!e.known || e.a != a || e.b != b)
            e = {a, b, estimatedLength(percentLength, length), true};
        return e.length;
    }

  private:
    static std::size_t slot(std::uint64_t h) { return std::size_t(mixed(h) >> 48); }
    static bool plain(const Value& v) { return v.isNull() || v.isNumber(); }
    static std::uint64_t bits(const Value& v) {
        return v.isNull() ? 0x7FF8DEAD00000000ull : std::bit_cast<std::uint64_t>(v.number());
    }
    struct Estimate {
        std::uint64_t a = 0, b = 0;
        double length = 0;
        bool known = false;
    };
    std::vector<Estimate> estimates_ = std::vector<Estimate>(65536); // by a hash of both values
};

// The logs read, one entry each: its record, its estimate (0 for none), whether
// the table must be written, and what went wrong with its estimate, if anything.
struct Logs {
    std::vector<qint64> rowids;
    std::vector<double> lengths;
    std::vector<bool> changed;
    std::map<std::size_t, RuntimeError> failures; // by entry

    void add(qint64 rowid, const Value& percentLength, const Value& length, const Value& stored,
             LengthEstimates& estimates) {
        double estimate = 0;
        try {
            estimate = estimates.of(percentLength, length);
        } catch (const RuntimeError& e) {
            failures.emplace(lengths.size(), e);
        }
        rowids.push_back(rowid);
        lengths.push_back(estimate);
        changed.push_back(estimate != 0 && !(stored.isNumber() && stored.number() == estimate));
    }
    std::size_t size() const { return lengths.size(); }
    void clear() { *this = Logs(); }
};

// A field of the sheets' order as a whole number that sorts as SQL sorts the
// field: 0 for a null, n + 1 for a whole number n from 0 up; none for anything
// else (a fraction, a negative number, a text).
std::optional<std::uint32_t> keyCode(sqlite3_value* v) {
    double x = 0;
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL:
        return 0;
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        x = sqlite3_value_double(v);
        break;
    default:
        return std::nullopt;
    }
    if (!(x >= 0 && x < 4294967295.0) || x != std::trunc(x))
        return std::nullopt;
    return std::uint32_t(x) + 1;
}

// Reads the logs in the table's own order with the fields of the sheets' order,
// then sorts them here, which takes a fraction of the time SQL takes to sort
// the records. Logs alike in every field of the order keep the table's order,
// as they do in SQL. LENGTHREAD(rowid, PercentLength, Length, EstimLength,
// Stratum, Transect, Subsegment, id) in SQL adds a log.
class KeyedReading {
  public:
    KeyedReading(Logs& logs, LengthEstimates& estimates, const std::function<void()>& step)
        : logs_(logs), estimates_(estimates), step_(step) {}

    // The entries in the sheets' order; nothing, with nothing read, when a field
    // of the order has no code: SQL alone then says the order.
    std::optional<std::vector<std::uint32_t>> read(const QString& where) {
        {
            const db::ScopedFunction function("LENGTHREAD", 8, &KeyedReading::function, this);
            db::select(u"SELECT count(LENGTHREAD(rowid, PercentLength, Length, EstimLength, "
                       u"Stratum, Transect, Subsegment, id)) FROM SPM"_s +
                       where);
        }
        if (!coded_) {
            logs_.clear();
            return std::nullopt;
        }
        std::sort(keyed_.begin(), keyed_.end());
        std::vector<std::uint32_t> order(keyed_.size());
        for (std::size_t n = 0; n < keyed_.size(); ++n)
            order[n] = keyed_[n][kEntry];
        return order;
    }

  private:
    // The codes of the four fields of the order, then the entry.
    using Keyed = std::array<std::uint32_t, 5>;
    static constexpr std::size_t kEntry = 4;

    static void function(sqlite3_context* context, int, sqlite3_value** argv) {
        auto* reading = static_cast<KeyedReading*>(sqlite3_user_data(context));
        try {
            reading->add(argv);
            sqlite3_result_int(context, 1);
        } catch (const std::exception& e) {
            sqlite3_result_error(context, e.what(), -1);
        }
    }

    void add(sqlite3_value** argv) {
        if (!coded_)
            return;
        step_();
        Keyed k;
        for (std::size_t i = 0; i < kEntry; ++i) {
            const std::optional<std::uint32_t> code = keyCode(argv[4 + i]);
            if (!code) {
                coded_ = false;
                return;
            }
            k[i] = *code;
        }
        k[kEntry] = std::uint32_t(logs_.size());
        keyed_.push_back(k);
        logs_.add(sqlite3_value_int64(argv[0]), db::argumentValue(argv[1]),
                  db::argumentValue(argv[2]), db::argumentValue(argv[3]), estimates_);
    }

    Logs& logs_;
    LengthEstimates& estimates_;
    const std::function<void()>& step_;
    std::vector<Keyed> keyed_;
    bool coded_ = true;
};

// Reads the logs in the sheets' order, sorted by SQL.
void readInOrder(const QString& where, Logs& logs, LengthEstimates& estimates,
                 const std::function<void()>& step) {
    LogRecords r(u"SELECT rowid, PercentLength, Length, EstimLength FROM SPM"_s + where +
                 u" ORDER BY Stratum, Transect, Subsegment, id"_s);
    while (r.next()) {
        step();
        logs.add(qint64(r.raw(0).number()), r.raw(1), r.raw(2), r.raw(3), estimates);
    }
}

// The entry of the first log, in the sheets' order, whose estimate failed
// (entry order[n], or n when there is no order); none when none failed.
std::optional<std::size_t> firstFailure(const Logs& logs, const std::vector<std::uint32_t>& order) {
    if (logs.failures.empty())
        return std::nullopt;
    if (order.empty())
        return logs.failures.begin()->first;
    for (const std::uint32_t e : order)
        if (logs.failures.contains(e))
            return e;
    return std::nullopt;
}

// Shows each estimate in the sheet, the logs taken in the sheets' order (entry
// order[n], or n when there is no order); a log without an estimate (0) keeps
// its cell.
void show(GridModel& sheet, int column, const Logs& logs, const std::vector<std::uint32_t>& order) {
    if (column < 0)
        return;
    std::size_t n = 0; // the logs shown
    sheet.fillRows(sheet.rows(), [&](int row) {
        if (row < 1 || n >= logs.size())
            return;
        const std::size_t e = order.empty() ? n : std::size_t(order[n]);
        ++n;
        const double length = logs.lengths[e];
        if (length != 0)
            sheet.setNumber(row, column, displayRound(length));
    });
}

// The estimates to write, by record: NEWESTIMLENGTH(rowid) in SQL gives the
// estimate of that record, or null when it is not to be written.
class Changes {
  public:
    // The changed logs; their records and marks are let go, their lengths kept
    // for the sheet.
    explicit Changes(Logs& logs) {
        for (std::size_t e = 0; e < logs.size(); ++e)
            if (logs.changed[e])
                changes_.push_back({logs.rowids[e], logs.lengths[e]});
        logs.rowids = {};
        logs.changed = {};
        if (!std::is_sorted(changes_.begin(), changes_.end(), byRecord))
            std::sort(changes_.begin(), changes_.end(), byRecord);
    }
    bool empty() const { return changes_.empty(); }

    static void function(sqlite3_context* context, int, sqlite3_value** argv) {
        auto* changes = static_cast<Changes*>(sqlite3_user_data(context));
        if (const Change* c = changes->of(sqlite3_value_int64(argv[0])))
            sqlite3_result_double(context, c->length);
        else
            sqlite3_result_null(context);
    }

  private:
    struct Change {
        qint64 rowid;
        double length;
    };
    static bool byRecord(const Change& a, const Change& b) { return a.rowid < b.rowid; }

    // The statement asks in the order of the records, each record twice when it
    // is written: the search goes on from where the last one stopped.
    const Change* of(qint64 rowid) {
        if (next_ > 0 && changes_[next_ - 1].rowid >= rowid)
            next_ = std::size_t(
                std::lower_bound(changes_.begin(), changes_.end(), Change{rowid, 0}, byRecord) -
                changes_.begin());
        while (next_ < changes_.size() && changes_[next_].rowid < rowid)
            ++next_;
        return next_ < changes_.size() && changes_[next_].rowid == rowid ? &changes_[next_]
                                                                         : nullptr;
    }

    std::vector<Change> changes_;
    std::size_t next_ = 0;
};

} // namespace

void estimateLengths(GridModel& sheet, int column, std::int16_t stratum, QLabel* status) {
    const QString where = stratum == 0 ? QString() : u" WHERE Stratum = "_s + numberText(stratum);
    LengthEstimates estimates;
    Logs logs;
    std::optional<std::vector<std::uint32_t>> order;
    {
        static const QString estimating = u"Estimating"_s;
        Progress progress(status);
        const qint64 total = std::max(0, sheet.rows() - 1);
        qint64 n = 0;
        const std::function<void()> step = [&] {
            ++n;
            progress.step(estimating, n, std::max(total, n));
        };
        order = KeyedReading(logs, estimates, step).read(where);
        if (!order) {
            n = 0;
            readInOrder(where, logs, estimates, step);
            order.emplace();
        }
    }
    if (const std::optional<std::size_t> failed = firstFailure(logs, *order))
        throw logs.failures.at(*failed);
    // The sheet shows the estimates once the table holds them: a write that
    // fails leaves both as they were.
    Changes changes(logs);
    if (!changes.empty()) {
        const db::ScopedFunction function("NEWESTIMLENGTH", 1, &Changes::function, &changes);
        db::Transaction transaction;
        db::exec(u"UPDATE SPM SET EstimLength = NEWESTIMLENGTH(rowid) "
                 u"WHERE NEWESTIMLENGTH(rowid) IS NOT NULL"_s);
        transaction.commit();
    }
    show(sheet, column, logs, *order);
}

} // namespace vernalt
