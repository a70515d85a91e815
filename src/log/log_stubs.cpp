// Procedures of the log window that are not written yet. Each moves to the file
// named in frmMainLog.h when it is implemented.
#include "log/frmMainLog.h"

namespace vernalt {

// log_subtotals.cpp
void frmMainLog::CalculateSummaryStatistics(bool&) {}

// log_stats.cpp
void frmMainLog::CalculateStats(bool&) {}

// log_length.cpp
void frmMainLog::CalcMeanLength(bool, std::int16_t) {}

// log_correlation.cpp
void frmMainLog::cmdCorrelation_Click() {}

} // namespace vernalt
