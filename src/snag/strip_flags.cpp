#include "snag/strip_flags.h"

#include "platform/database.h"
#include "platform/errors.h"
#include "shell/cleaning.h"

#include <bit>
#include <cstdint>
#include <exception>
#include <sqlite3.h>
#include <string_view>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt {

std::array<double, 4> halfWidths(bool metric) {
    if (metric)
        return {5, 10, 15, 20};
    return {16.5, 33, 49.5, 66};
}

std::optional<double> criterionValue(const Value& v) {
    switch (v.kind()) {
    case Value::Kind::Null:
    case Value::Kind::Empty:
        return 0.0;
    case Value::Kind::Number:
        return displayRound(v.number());
    case Value::Kind::Text:
        break;
    }
    const QString text = v.text();
    if (text.isEmpty())
        return 0.0;
    const QString cleaned = cleanText(text);
    if (!isNumeric(cleaned))
        return std::nullopt;
    return displayRound(toDouble(cleaned));
}

QString speciesKey(const Value& v) {
    return NzZero(v).text();
}

StripRecord stripRecord(const Value& distance, const Value& decayClass, const Value& dbh,
                        const Value& height, const Value& species) {
    return {criterionValue(distance), criterionValue(decayClass), criterionValue(dbh),
            criterionValue(height), speciesKey(species)};
}

bool meetsCriteria(const StripRecord& r, const StripCriteria& c) {
    if (!r.decayClass || !r.dbh || !r.height)
        return false;
    const bool sameSpecies = r.species == c.species;
    const bool speciesOk = c.rule == SpeciesRule::Only ? sameSpecies : !sameSpecies;
    return *r.decayClass <= c.maxClass && *r.dbh >= c.minDbh && *r.height >= c.minHeight &&
           speciesOk;
}

int stripMark(const StripRecord& r, const StripCriteria& c, double halfWidth) {
    return r.distance && *r.distance <= halfWidth && meetsCriteria(r, c) ? 1 : 0;
}

std::array<int, 4> stripMarks(const StripRecord& r, const StripCriteria& c,
                              const std::array<double, 4>& halfWidth) {
    std::array<int, 4> marks{};
    if (!r.distance || !meetsCriteria(r, c))
        return marks;
    for (std::size_t k = 0; k < marks.size(); ++k)
        marks[k] = *r.distance <= halfWidth[k] ? 1 : 0;
    return marks;
}

// ---- Marking table Snags -------------------------------------------------------------------

namespace {

// The state of one marking UPDATE, which its SQL functions reach: the criteria,
// the marks of the record last asked for, and what record values read as,
// remembered, since a survey's values recur (a few hundred distances and sizes,
// a few species).
class TableMarking {
  public:
    TableMarking(const StripCriteria& c, const std::array<double, 4>& halfWidth,
                 const std::function<void(qint64)>& progress, const MarkedRecord& marked)
        : criteria_(c), halfWidth_(halfWidth), progress_(progress), marked_(marked),
          numbers_(4096) {}

    // STRIPMARK(rowid, level, distance, class, dbh, height, species): the mark
    // of that level.
    static void mark(sqlite3_context* context, int, sqlite3_value** argv) {
        auto* m = static_cast<TableMarking*>(sqlite3_user_data(context));
        m->trap(context, [&] {
            const std::array<int, 4>& marks = m->marksOf(argv);
            sqlite3_result_int(context, marks[std::size_t(sqlite3_value_int(argv[1]) & 3)]);
        });
    }

    // STRIPCHANGED(rowid, distance, class, dbh, height, species, level, field,
    // level, field...): 1 when a field does not hold the mark of its level (no
    // number, or another one), else 0.
    static void changed(sqlite3_context* context, int argc, sqlite3_value** argv) {
        auto* m = static_cast<TableMarking*>(sqlite3_user_data(context));
        m->trap(context, [&] {
            sqlite3_value* const record[] = {argv[0], nullptr, argv[1], argv[2],
                                             argv[3], argv[4], argv[5]};
            const std::array<int, 4>& marks = m->marksOf(record);
            if (m->marked_) // the condition is read once for every record
                m->marked_(sqlite3_value_int64(argv[0]), marks);
            bool differs = false;
            for (int i = 6; i + 1 < argc; i += 2) {
                sqlite3_value* stored = argv[i + 1];
                const int type = sqlite3_value_type(stored);
                differs = differs || (type != SQLITE_INTEGER && type != SQLITE_FLOAT) ||
                          sqlite3_value_double(stored) !=
                              marks[std::size_t(sqlite3_value_int(argv[i]) & 3)];
            }
            sqlite3_result_int(context, differs ? 1 : 0);
        });
    }

    // A failure in the function, raised again as it was.
    void rethrow() const {
        if (failure_)
            std::rethrow_exception(failure_);
    }

  private:
    // The marks of the record of argv[0] (its rowid), from its values in
    // argv[2] to argv[6]; worked out once for the calls on one record.
    const std::array<int, 4>& marksOf(sqlite3_value* const* argv) {
        const sqlite3_int64 rowid = sqlite3_value_int64(argv[0]);
        if (any_ && rowid == rowid_)
            return marks_;
        any_ = true;
        rowid_ = rowid;
        StripRecord r;
        r.distance = criterion(argv[2]);
        r.decayClass = criterion(argv[3]);
        r.dbh = criterion(argv[4]);
        r.height = criterion(argv[5]);
        r.species = species(argv[6]);
        marks_ = stripMarks(r, criteria_, halfWidth_);
        if (progress_)
            progress_(++records_);
        return marks_;
    }

    // Runs `f`; a failure ends the statement and is kept to be raised again.
    template <class F> void trap(sqlite3_context* context, F&& f) {
        try {
            f();
        } catch (...) {
            failure_ = std::current_exception();
            sqlite3_result_error(context, "The marks could not be worked out.", -1);
        }
    }

    std::optional<double> criterion(sqlite3_value* v) {
        if (sqlite3_value_type(v) != SQLITE_FLOAT && sqlite3_value_type(v) != SQLITE_INTEGER)
            return criterionValue(db::argumentValue(v));
        const double x = sqlite3_value_double(v);
        const auto bits = std::bit_cast<std::uint64_t>(x);
        Number& n = numbers_[std::size_t((bits * 0x9E3779B97F4A7C15ull) >> 52)];
        if (!n.known || n.bits != bits)
            n = {bits, criterionValue(Value(x)), true};
        return n.value;
    }

    QString species(sqlite3_value* v) {
        if (sqlite3_value_type(v) != SQLITE_TEXT)
            return speciesKey(db::argumentValue(v));
        const std::string_view text(reinterpret_cast<const char*>(sqlite3_value_text(v)),
                                    std::size_t(sqlite3_value_bytes(v)));
        for (const Species& s : species_)
            if (s.text == text)
                return s.key;
        QString key = speciesKey(db::argumentValue(v));
        if (species_.size() < 64)
            species_.push_back({std::string(text), key});
        return key;
    }

    struct Number {
        std::uint64_t bits = 0;
        std::optional<double> value;
        bool known = false;
    };
    struct Species {
        std::string text;
        QString key;
    };

    const StripCriteria& criteria_;
    const std::array<double, 4>& halfWidth_;
    const std::function<void(qint64)>& progress_;
    const MarkedRecord& marked_;
    std::vector<Number> numbers_; // by a hash of the number's bits
    std::vector<Species> species_;
    bool any_ = false;
    sqlite3_int64 rowid_ = 0;
    std::array<int, 4> marks_{};
    qint64 records_ = 0;
    std::exception_ptr failure_;
};

} // namespace

int markTable(const StripCriteria& c, const std::array<double, 4>& halfWidth,
              const std::array<QString, 4>& widthFields, const std::array<QString, 5>& recordFields,
              const std::function<void(qint64)>& progress, const MarkedRecord& marked) {
    QString values, set, stored;
    for (const QString& f : recordFields)
        values += u", "_s + f;
    for (std::size_t k = 0; k < widthFields.size(); ++k) {
        if (widthFields[k].isEmpty())
            continue;
        const QString level = QString::number(k), field = db::quoted(widthFields[k]);
        set += (set.isEmpty() ? u""_s : u", "_s) + field + u" = STRIPMARK(rowid, "_s + level +
               values + u')';
        stored += u", "_s + level + u", "_s + field;
    }
    if (set.isEmpty())
        return 0;
    TableMarking marking(c, halfWidth, progress, marked);
    const db::ScopedFunction mark("STRIPMARK", 7, &TableMarking::mark, &marking);
    const db::ScopedFunction changed("STRIPCHANGED", -1, &TableMarking::changed, &marking);
    db::BulkStatement update(u"UPDATE Snags SET "_s + set + u" WHERE STRIPCHANGED(rowid"_s +
                             values + stored + u')');
    try {
        return update.run();
    } catch (const RuntimeError&) {
        marking.rethrow();
        throw;
    }
}

} // namespace vernalt
