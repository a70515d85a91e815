#include "snag/strip_flags.h"

#include "shell/cleaning.h"

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

} // namespace vernalt
