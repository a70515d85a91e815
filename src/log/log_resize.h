// Where the log window's growing controls go when the window is resized: every
// size follows the window's outer width W and height H (twips) at a fixed margin.
#pragma once

namespace vernalt {

struct LogResizeLayout {
    float tabWidth, tabHeight; // ssTabMain: W - 375, H - 1215
    float sheetButtonsTop;     // buttons under the data sheets: H - 1710 (from the tab's top)
    float formulaGridWidth;    // grdFormulaSimple, grdFormulaStratified: W - 1020
    float formulaTabWidth;     // ssTabFormula: W - 765
    float subtotalsHeight;     // grdSubtotals: H - 1935
    float stratumWidth, stratumHeight; // grdStratum(0..4): W - 765, H - 2415
};

LogResizeLayout logResizeLayout(float W, float H);

} // namespace vernalt
