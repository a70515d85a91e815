// Procedures of the snag window that are not written yet. Each moves to the file
// named in frmMainSnag.h when it is implemented.
#include "snag/frmMainSnag.h"

namespace vernalt {

// snag_compute.cpp
void frmMainSnag::cmdSubtotals_Click() {}
void frmMainSnag::ssTabFormula_Click(int) {}
void frmMainSnag::ssTabMain_Click(int) {}

// snag_stats.cpp
void frmMainSnag::CalculateSubtotals(QString&) {}
void frmMainSnag::CalculateStats() {}

} // namespace vernalt
