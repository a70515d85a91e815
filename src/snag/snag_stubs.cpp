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

// snag_stratified.cpp
void frmMainSnag::cmdCalcStratified_Click() {}
void frmMainSnag::CalcStratifiedSheet() {}

// snag_sample_size.cpp
void frmMainSnag::SampleSize() {}

// snag_menus.cpp
void frmMainSnag::mnuSingle_Click(int) {}
void frmMainSnag::mnuStratum1_Click(int) {}
void frmMainSnag::mnuStratum2_Click(int) {}
void frmMainSnag::mnuStratum3_Click(int) {}
void frmMainSnag::mnuStratum4_Click(int) {}
void frmMainSnag::mnuWidth10_Click() {}
void frmMainSnag::mnuWidth20_Click() {}
void frmMainSnag::mnuWidth30_Click() {}
void frmMainSnag::mnuWidth40_Click() {}
void frmMainSnag::mnuAllWidths_Click() {}
void frmMainSnag::mnuSizeSettings_Click() {}
void frmMainSnag::mnuPrint_Click() {}
void frmMainSnag::mnuHelpAbout_Click() {}
void frmMainSnag::mnuFileExit_Click() {}
void frmMainSnag::txtNumStrata_Change() {}
void frmMainSnag::txtOptimalPrecisionLevel_Change() {}
void frmMainSnag::txtOptimalTvalue_Change() {}
void frmMainSnag::txtStratum_Change() {}

} // namespace vernalt
