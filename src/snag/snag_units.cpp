// The snag window's unit system: the two unit menus, the plot sizes and widths
// read from table PlotSizes, and the captions that carry them.
#include "snag/frmMainSnag.h"

#include "platform/database.h"
#include "platform/prompts.h"
#include "snag/plot_dimensions.h"
#include "snag/snag_errors.h"

#include <QAction>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// Sets the unit system's check marks and area factor, reads the plot sizes and
// relabels the menus and the whole window. A change of system empties every
// result: none of them would be in the units its heading now names. (The area
// factor tells the system in use: a checkable item has already toggled its own
// check mark when its handler runs.)
void applyUnits(frmMainSnag& w, bool metric) {
    if (w.AreaFactor != areaFactor(metric))
        w.ClearResults();
    w.mnuMetric->setChecked(metric);
    w.mnuEnglish->setChecked(!metric);
    w.AreaFactor = areaFactor(metric);
    w.SetDimensions();

    const std::array<QAction*, 4> widths = w.widthItems();
    for (int i = 0; i < WidthCount; ++i)
        widths[std::size_t(i)]->setText(w.WidthTexts[std::size_t(i)]);

    // Item n of every selection array names PlotDimension n - 1; item 0 keeps
    // "Automatic" and no check mark changes.
    for (int n = 1; n <= PlotDimensionCount; ++n) {
        const QString name = plotDimensionName(n - 1, w.WidthTexts);
        for (int sheet = 0; sheet < 5; ++sheet)
            w.selectionItems(sheet)[std::size_t(n)]->setText(name);
    }
    w.SetLabels();
}

} // namespace

void frmMainSnag::SetDimensions() {
    const bool metric = isMetric();
    trappedOpenDatabase(prompts(), u"SetDimensions"_s, [&] {
        datDataSet3.DatabaseName = db::path();
        datDataSet3.RecordSource = u"SELECT Index, PlotSize, Width FROM PlotSizes WHERE "
                                   u"Measurement = '"_s +
                                   (metric ? u"Metric"_s : u"English"_s) + u"' ORDER BY index"_s;
        readPlotSizes(metric, DimensionSizes, WidthTexts);
    });
}

void frmMainSnag::mnuMetric_Click() {
    applyUnits(*this, true);
}

void frmMainSnag::mnuEnglish_Click() {
    applyUnits(*this, false);
}

void frmMainSnag::UpdateDimensionLabels() {
    SetDimensions();
    if (isMetric())
        mnuMetric_Click();
    else
        mnuEnglish_Click();
}

} // namespace vernalt
