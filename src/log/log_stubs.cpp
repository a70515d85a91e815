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

// log_estimate.cpp
void frmMainLog::cmdDefaultSingle_Click() {}
void frmMainLog::CheckStratumSize() {}

// log_stratified.cpp
void frmMainLog::cmdDefaultStratified_Click() {}

// log_sample_size.cpp
void frmMainLog::SampleSize(float) {}

} // namespace vernalt
