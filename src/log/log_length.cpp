// Log lengths: the median of a column for the mean-and-median length report.
#include "log/frmMainLog.h"

#include "log/median.h"
#include "platform/errors.h"

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

} // namespace vernalt
