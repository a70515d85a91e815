// Whether a snag or tree counts in a strip plot: it must stand within half the
// strip's width of the transect line and meet the user's size, decay-class and
// species criteria. The data sheets carry one such mark (1 or 0) per strip width.
#pragma once

#include "platform/value.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace vernalt {

// Half of each default strip width, by WidthLevel: 5, 10, 15, 20 m (metric) or
// 16.5, 33, 49.5, 66 ft (English). Customised plot widths do not change them.
std::array<double, 4> halfWidths(bool metric);

// How the species answer is used: "Multiple" leaves one species out (9999, which
// no record carries, keeps them all), "Single" keeps one species only.
enum class SpeciesRule { Exclude, Only };

// The criteria the user typed. Minima and maxima are held in double precision, so
// a DBH of 10.1 meets a minimum DBH of 10.1.
struct StripCriteria {
    double minDbh = 0;
    double minHeight = 0;
    double maxClass = 0;
    QString species;
    SpeciesRule rule = SpeciesRule::Exclude;
};

// A record's value as the criteria read it: no value (null or empty) counts as 0,
// a number is display-rounded (10.04 reads as 10, 5.004 as 5); a text that is not
// a number gives nothing, and a record holding one meets no numeric criterion.
std::optional<double> criterionValue(const Value& v);

// A record's species as it is compared, letters in their case: the text of its
// display-rounded value ("012" gives "12", 5.0 gives "5"), "0" when it has none,
// any other text cleaned of "," and "$".
QString speciesKey(const Value& v);

// The values of one record that the marks depend on.
struct StripRecord {
    std::optional<double> distance;
    std::optional<double> decayClass;
    std::optional<double> dbh;
    std::optional<double> height;
    QString species;
};
StripRecord stripRecord(const Value& distance, const Value& decayClass, const Value& dbh,
                        const Value& height, const Value& species);

// Class at most the maximum, DBH and height at least their minima, and the
// species rule: everything but the distance.
bool meetsCriteria(const StripRecord& r, const StripCriteria& c);

// The mark of a record for a strip of half width `halfWidth`: 1 when it meets the
// criteria and its distance is at most the half width (on the edge is inside), else 0.
int stripMark(const StripRecord& r, const StripCriteria& c, double halfWidth);

// The marks of the four strip widths, by WidthLevel.
std::array<int, 4> stripMarks(const StripRecord& r, const StripCriteria& c,
                              const std::array<double, 4>& halfWidth);

// Marks every record of table Snags in one UPDATE, with the same marks as
// stripMarks gives: widthFields[k] names the field that gets the mark of
// WidthLevel k (none when empty); recordFields name the fields read as the
// record's distance, decay class, DBH, height and species, in that order ("NULL"
// for a value the record lacks). A record that holds its marks already is not
// written. `progress(done)` hears of the records done as the statement goes,
// and `marked(rowid, marks)` of the marks of every record (those it holds
// already too), each record once, in the order the statement reads them.
// Returns the number of records written.
using MarkedRecord = std::function<void(qint64 rowid, const std::array<int, 4>& marks)>;
int markTable(const StripCriteria& c, const std::array<double, 4>& halfWidth,
              const std::array<QString, 4>& widthFields, const std::array<QString, 5>& recordFields,
              const std::function<void(qint64)>& progress = {}, const MarkedRecord& marked = {});

} // namespace vernalt
