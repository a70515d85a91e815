#include "snag/habitat_use.h"

#include "platform/grid.h"
#include "platform/value.h"
#include "shell/cleaning.h"

using namespace Qt::StringLiterals;

namespace vernalt {

HabitatColumns findHabitatColumns(const QStringList& headers, const QString& codeHeader) {
    HabitatColumns cols;
    const QString code = codeHeader.toLower();
    for (int j = 0; j < int(headers.size()); ++j) {
        const QString title = headers[j].toLower();
        if (title == u"class"_s)
            cols.decayClass = j;
        else if (title == u"dbh"_s)
            cols.dbh = j;
        else if (title == u"height"_s)
            cols.height = j;
        else if (title == u"species"_s)
            cols.species = j;
        else if (title == code)
            cols.code = j;
        if (title == u"qualifying"_s) {
            cols.qualifying = j;
            cols.qualifyingFound = true;
        }
    }
    return cols;
}

std::optional<double> cellNumber(const QString& cell) {
    const QString cleaned = cleanText(cell);
    if (!isNumeric(cleaned))
        return std::nullopt;
    return displayRound(toDouble(cleaned));
}

std::optional<double> cellNumber(const GridModel& grid, int row, int col) {
    double x = 0;
    if (grid.numberAt(row, col, x))
        return displayRound(x);
    return cellNumber(grid.text(row, col));
}

HabitatRow habitatRow(const GridModel& grid, int row, const HabitatColumns& cols) {
    HabitatRow r;
    r.decayClass = cellNumber(grid, row, cols.decayClass);
    r.dbh = cellNumber(grid, row, cols.dbh);
    r.height = cellNumber(grid, row, cols.height);
    r.code = cellNumber(grid, row, cols.code);
    double species = 0;
    if (grid.numberAt(row, cols.species, species))
        r.species = numberText(displayRound(species));
    else
        r.species = cleanRoundText(grid.text(row, cols.species));
    double code = 0;
    r.hasCode = grid.numberAt(row, cols.code, code) || !grid.text(row, cols.code).isEmpty();
    return r;
}

bool habitatQualifies(const HabitatRow& r, const HabitatCriteria& c) {
    if (!r.decayClass || !r.dbh || !r.height || !r.code)
        return false;
    return *r.decayClass <= c.maxClass && *r.dbh >= c.minDbh && *r.height >= c.minHeight &&
           r.species != c.species && *r.code == c.code;
}

double percentUse(std::int32_t signs, std::int32_t total) {
    if (total == 0)
        return 0;
    // signs / total * 100, shown as its display rounding
    return displayRound(double(signs) / double(total) * 100);
}

} // namespace vernalt
