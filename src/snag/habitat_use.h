// Cavity and forage use of one data sheet: which rows meet the size, decay-class
// and species criteria and show the chosen use code, how many rows carry a code
// at all, and the percentage of those that show the chosen one.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace vernalt {

class GridModel;

// Positions of the columns an analysis reads, found by the header row's titles
// in lower case; 0 stands for "not found" (the first column never counts).
struct HabitatColumns {
    int decayClass = 0; // "class"
    int dbh = 0;        // "dbh"
    int height = 0;     // "height"
    int species = 0;    // "species"
    int code = 0;       // "cavity" or "forage"
    int qualifying = 0; // the last "qualifying"
    bool qualifyingFound = false;
    // The five test columns were all found.
    bool complete() const { return decayClass && dbh && height && species && code; }
};
// A later title overrides an earlier one of the same name.
HabitatColumns findHabitatColumns(const QStringList& headers, const QString& codeHeader);

// The criteria the user typed; minima and maxima in double precision.
struct HabitatCriteria {
    double minDbh = 0;
    double minHeight = 0;
    double maxClass = 0;
    QString species; // the species left out; 9999 keeps every species
    double code = 0; // the use code looked for
};

// A cell's value for a numeric criterion: the display rounding of a numeric
// text (24.96 reads as 25); nothing for an empty cell or a text that is not a number.
std::optional<double> cellNumber(const QString& cell);
// The same, read straight from a grid (a number the grid holds is not re-parsed).
std::optional<double> cellNumber(const GridModel& grid, int row, int col);

// The cells of one data row that the analysis reads.
struct HabitatRow {
    std::optional<double> decayClass;
    std::optional<double> dbh;
    std::optional<double> height;
    std::optional<double> code;
    QString species;      // the cell's display-rounded text ("012" gives "12")
    bool hasCode = false; // the code cell is not empty
};
HabitatRow habitatRow(const GridModel& grid, int row, const HabitatColumns& cols);

// Class at most the maximum, DBH and height at least their minima, species not
// the one left out, and the code equal to the one looked for. A row with an
// empty or non-numeric class, DBH, height or code cell does not qualify.
bool habitatQualifies(const HabitatRow& r, const HabitatCriteria& c);

// Signs (qualifying rows) and Total (rows carrying a code) of one run.
struct HabitatCounts {
    std::int32_t signs = 0;
    std::int32_t total = 0;
};

// Percent use: signs / total * 100, display-rounded (1 of 3 gives 33.3, 2 of 3
// gives 66.7, 1 of 200 gives 0.5); 0 when no row carries a code.
double percentUse(std::int32_t signs, std::int32_t total);

} // namespace vernalt
