// SetMetricLabels and SetEnglishLabels: every caption, grid header, column width
// and label position of the log window that depends on the unit system, the
// method and the metric; and the combined-formula menu, which captions the
// Combination pages. The texts come from log_captions.cpp.
#include "log/frmMainLog.h"
#include "log/log_captions.h"

#include "platform/accessibility.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/twips.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt {

using namespace logcap;

namespace {

// The first checked item of a menu group, -1 when none is.
template <std::size_t N> int firstChecked(const std::array<QAction*, N>& items) {
    for (std::size_t i = 0; i < N; ++i)
        if (items[i]->isChecked())
            return int(i);
    return -1;
}

// Column widths of the formula sheets: line intersect, strip plots.
constexpr int kSimpleFirstWidth[2] = {1195, 1043};
constexpr int kSimpleWidth[2] = {1192, 1042};
constexpr int kStratifiedWidth = 1192;
constexpr int kSampleSizeWidth = 1190;
constexpr int kAllocationWidth = 944;
constexpr int kHeaderHeight = 630;
// The allocation grids' titles, "Total Number of Samples Required" and the
// others, take four lines in their narrow columns, as in the snag window.
constexpr int kAllocationHeaderHeight = 870;

} // namespace

void frmMainLog::SetMetricLabels() {
    trapped(prompts(), logProcedure(u"SetMetricLabels"_s), [this] { setLabels(true); });
}

void frmMainLog::SetEnglishLabels() {
    trapped(prompts(), logProcedure(u"SetEnglishLabels"_s), [this] { setLabels(false); });
}

void frmMainLog::setLabels(bool metric) {
    const bool lim = mnuLIM->isChecked();

    // 1. Header rows.
    for (Grid* g : {grdFormulaSimple, grdFormulaStratified, grdProportionalAllocation,
                    grdOptimalAllocation, grdComboSSProportionalAllocation,
                    grdComboSSOptimalAllocation, grdSampleSize[0], grdSampleSize[1]}) {
        const bool allocation = g == grdProportionalAllocation || g == grdOptimalAllocation ||
                                g == grdComboSSProportionalAllocation ||
                                g == grdComboSSOptimalAllocation;
        g->setRowHeight(0, allocation ? kAllocationHeaderHeight : kHeaderHeight);
    }

    // 2. Area captions.
    const UnitCaptions units = unitCaptions(metric);
    for (QLabel* l : {lblOptimalAllocation, lblProportionalAllocation, lblComboSSOptimalAllocation,
                      lblComboSSProportionalAllocation})
        l->setText(units.totalTransectLength);
    frmStratifiedStratumSize->setTitle(units.stratumSizeFrame);
    frmLandscapeArea->setTitle(units.landscapeAreaFrame);

    // 3. The unit system shown first on the Formula page (percent cover has one only).
    const std::array<LabelPlace, 8> places =
        formulaLabelPlaces(metric || mnuPercentCover->isChecked());
    const std::array<QLabel*, 8> placed = {lblSimpleMetricTitle,      lblSimpleMetricFormula,
                                           lblSimpleEnglishTitle,     lblSimpleEnglishFormula,
                                           lblStratifiedMetricTitle,  lblStratifiedMetricFormula,
                                           lblStratifiedEnglishTitle, lblStratifiedEnglishFormula};
    for (std::size_t i = 0; i < placed.size(); ++i)
        placed[i]->move(twipsToPixelsX(places[i].left), twipsToPixelsY(places[i].top));

    // 4. Optimal grids, by the metric of the Formula page's caption.
    const Formula formula = formulaOfCaption(ssTabMain->tabText(PageFormula));
    for (std::size_t i = 0; i < 5; ++i) {
        grdOptimal[i]->setRowHeight(0, kHeaderHeight);
        grdOptimal2[i]->setRowHeight(0, kHeaderHeight);
        if (formula != NoFormula) {
            grdOptimal[i]->setFormatString(optimalHeader(formula, metric));
            grdOptimal2[i]->setFormatString(optimal2Header(formula, metric));
        }
    }

    // 5. The metric's title and the page headings.
    QString title;
    if (formula != NoFormula) {
        const PageCaptions captions = pageCaptions(formula, metric);
        title = captions.title;
        lblFormula->setText(captions.formula);
        lblOptimal->setText(captions.optimal);
        lblSampleSizeHeader->setText(captions.sampleSizeHeader);
    }

    // 6. Formula sheets.
    grdFormulaSimple->setCols(formulaSimpleCols(lim));
    grdFormulaStratified->setCols(formulaStratifiedCols(lim));
    if (const auto h = formulaSimpleHeader(lim, formula, metric, title))
        grdFormulaSimple->setFormatString(*h);
    if (const auto h = formulaStratifiedHeader(lim, formula, metric, title))
        grdFormulaStratified->setFormatString(*h);

    // 7. Data sheets: the field names of the sheet in use head all five grids.
    const DataControl& source = datDataSet[std::size_t(DataSheetIndex)];
    if (!source.RecordSource.isEmpty()) {
        const int cols = grdStratum[std::size_t(DataSheetIndex)]->cols();
        if (cols > source.Fields.size())
            vernalt::raise(err::SubscriptRange);
        headDataSheets(source.Fields.mid(0, cols));
    }

    // 8. Formula-sheet widths.
    const int m = lim ? 0 : 1;
    for (int c = 0; c < grdFormulaSimple->cols(); ++c)
        grdFormulaSimple->setColWidth(c, c == 0 ? kSimpleFirstWidth[m] : kSimpleWidth[m]);
    grdFormulaStratified->setColWidth(-1, kStratifiedWidth);

    // 9 and 10. Sample-size grids, by the first checked metric of the menu.
    const std::array<QAction*, 6> items = formulaItems();
    if (const auto h = sampleSizeHeaders(lim, Formula(firstChecked(items)), metric)) {
        grdSampleSize[0]->setFormatString(h->first);
        grdSampleSize[1]->setFormatString(h->second);
    }
    for (Grid* g : grdSampleSize)
        for (int c = 0; c < 7 && c < g->cols(); ++c)
            g->setColWidth(c, kSampleSizeWidth);

    // 11. Allocation grids.
    grdOptimalAllocation->setFormatString(allocationHeader(metric));
    grdProportionalAllocation->setFormatString(allocationHeader(metric));
    grdComboSSOptimalAllocation->setFormatString(comboAllocationHeader(metric));
    grdComboSSProportionalAllocation->setFormatString(comboAllocationHeader(metric));
    for (int c = 0; c < 4; ++c)
        for (Grid* g : {grdOptimalAllocation, grdProportionalAllocation,
                        grdComboSSOptimalAllocation, grdComboSSProportionalAllocation})
            g->setColWidth(c, kAllocationWidth);

    // 12. Combined-design captions.
    lblTotalSize->setText(units.totalSize);
    lblCombo[2]->setText(units.combo2);
    lblCombo[3]->setText(units.combo3);
    lblCombo[11]->setText(units.combo11);
    lblCombo[14]->setText(units.combo14);

    // 13. The combined metric's captions follow the unit system.
    using Handler = void (frmMainLog::*)();
    static constexpr Handler comboHandlers[5] = {
        &frmMainLog::mnuComboDensity_Click, &frmMainLog::mnuComboLength_Click,
        &frmMainLog::mnuComboPercentCover_Click, &frmMainLog::mnuComboVolume_Click,
        &frmMainLog::mnuComboWeight_Click};
    if (const int c = firstChecked(comboFormulaItems()); c >= 0)
        (this->*comboHandlers[c])();

    // 14. English strip plots: room for the wider percent-length column.
    if (!metric && mnuSPM->isChecked() && mnuEnglish->isChecked())
        for (Grid* g : grdStratum)
            if (g->cols() > 12)
                g->setColWidth(12, 1600);

    // The boxes named after the captions changed above.
    nameInputBoxes(this);
}

// ---- Combined-formula menu ---------------------------------------------------------------

namespace {
void comboFormulaClicked(frmMainLog& w, int formula) {
    const std::array<QAction*, 5> items = w.comboFormulaItems();
    for (int i = 0; i < 5; ++i)
        items[std::size_t(i)]->setChecked(i == formula);
    const ComboCaptions c = comboCaptions(formula, w.mnuMetric->isChecked());
    w.lblCombo[4]->setText(c.estimates);
    w.lblCombo[5]->setText(c.variance);
    w.lblComboFormula->setText(c.formula);
    nameInputBoxes(&w); // the boxes under the two columns retitled
}
} // namespace

void frmMainLog::mnuComboDensity_Click() {
    comboFormulaClicked(*this, 0);
}
void frmMainLog::mnuComboLength_Click() {
    comboFormulaClicked(*this, 1);
}
void frmMainLog::mnuComboPercentCover_Click() {
    comboFormulaClicked(*this, 2);
}
void frmMainLog::mnuComboVolume_Click() {
    comboFormulaClicked(*this, 3);
}
void frmMainLog::mnuComboWeight_Click() {
    comboFormulaClicked(*this, 4);
}

} // namespace vernalt
