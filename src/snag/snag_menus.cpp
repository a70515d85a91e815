// The snag window's menu items and the text boxes that keep other controls in
// step: the optimal-selection overrides, the strip-width switches, the
// hand-overs to other windows, leaving the window, and the mirrored labels of
// the Optimal page's inputs. None of them runs an analysis: the next Compute
// picks up what they set.
#include "snag/frmMainSnag.h"

#include "platform/errors.h"
#include "platform/prompts.h"
#include "print/frmPrintPreview.h"
#include "settings/frmPlotSizes.h"
#include "shell/frmAbout.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// Checks item `index` of a selection array and clears the other sixteen, then
// says that the choice overrides the automatic one. The message comes on every
// click, the already checked item and "Automatic" included.
void selectPlotDimension(std::array<QAction*, 17>& items, int index) {
    if (index < 0 || index >= int(items.size()))
        return;
    for (QAction* item : items)
        item->setChecked(false);
    items[std::size_t(index)]->setChecked(true);
    prompts().messageBox(
        u"The Optimal plot selection has been overridden. You may need to return to the Optimal "
        u"page, highlight the appropriate stratum circle, and click Compute to view new results."_s,
        u"Optimal plot selection overridden"_s, MsgIcon::None, MsgButtons::Ok, 0);
}

void toggle(QAction* item) {
    item->setChecked(!item->isChecked());
}

// Copies a box's text, unchanged, into its two mirror labels (index 0 on the
// Densities page, 1 on the Sample Size page).
void mirror(const QLineEdit* box, const std::array<QLabel*, 2>& labels) {
    for (QLabel* l : labels)
        l->setText(box->text());
}

} // namespace

// ---- Optimal selection -------------------------------------------------------------

void frmMainSnag::mnuSingle_Click(int index) {
    selectPlotDimension(mnuSingle, index);
}

void frmMainSnag::mnuStratum1_Click(int index) {
    selectPlotDimension(mnuStratum1, index);
}

void frmMainSnag::mnuStratum2_Click(int index) {
    selectPlotDimension(mnuStratum2, index);
}

void frmMainSnag::mnuStratum3_Click(int index) {
    selectPlotDimension(mnuStratum3, index);
}

void frmMainSnag::mnuStratum4_Click(int index) {
    selectPlotDimension(mnuStratum4, index);
}

// ---- Strip widths: a checked width takes part in the next Compute's statistics.
// Nothing keeps at least one checked.

void frmMainSnag::mnuWidth10_Click() {
    toggle(mnuWidth10);
}

void frmMainSnag::mnuWidth20_Click() {
    toggle(mnuWidth20);
}

void frmMainSnag::mnuWidth30_Click() {
    toggle(mnuWidth30);
}

void frmMainSnag::mnuWidth40_Click() {
    toggle(mnuWidth40);
}

// Checks all four widths; "All Widths" itself never shows a check mark.
void frmMainSnag::mnuAllWidths_Click() {
    for (QAction* item : widthItems())
        item->setChecked(true);
    mnuAllWidths->setChecked(false);
}

// ---- Other windows -----------------------------------------------------------------

// The plot-sizes window, modeless; its OK makes this window relabel.
void frmMainSnag::mnuSizeSettings_Click() {
    frmPlotSizes::showWindow();
}

// A picture of this window's client area in the print preview, shown modeless.
void frmMainSnag::mnuPrint_Click() {
    trapped(prompts(), snagProcedure(u"mnuPrint_Click"_s),
            [this] { showPrintPreview(this, PreviewFromSnagWindow); });
}

// The About box, modal over this window.
void frmMainSnag::mnuHelpAbout_Click() {
    frmAbout::showFor(this);
}

// Unloads the window; its unload saves the settings and shows the switchboard.
void frmMainSnag::mnuFileExit_Click() {
    unloadWindow(this);
}

// ---- Text boxes ----------------------------------------------------------------------

// A new number of strata decides again whether "Calculate Stratified Values" is
// enabled.
void frmMainSnag::txtNumStrata_Change() {
    ssTabFormula_Click(0);
}

void frmMainSnag::txtOptimalPrecisionLevel_Change() {
    mirror(txtOptimalPrecisionLevel, lblPrecisionLevel);
}

void frmMainSnag::txtOptimalTvalue_Change() {
    mirror(txtOptimalTvalue, lblTValue);
}

void frmMainSnag::txtStratum_Change() {
    mirror(txtStratum, lblStratum);
}

} // namespace vernalt
