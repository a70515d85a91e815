// The log window as a screen reader reads it: the names of its grids and of the
// figures of its Summary Statistics page, and the rows of its data sheets.
#include "log_window_fixture.h"
#include "support/accessible_names.h"

#include <QAccessible>
#include <QSet>

namespace vernalt::test {
namespace {

using LogAccessibility = LogWindowTest;

int recordsOf(Grid* g) {
    return QAccessible::queryAccessibleInterface(g)->tableInterface()->rowCount();
}

TEST_F(LogAccessibility, EveryGridHasANameOfItsOwnOnItsPage) {
    frmMainLog* w = open();
    expectEveryGridNamedOnItsPage(w, w->ssTabMain); // the combination pages as one more page
    // The name is what a sighted user reads beside the grid: its page or its
    // sheet's tab, and its caption.
    const std::pair<Grid*, const char*> cases[] = {
        {w->grdSubtotals, "Subtotals"},
        {w->grdOptimal2[1], "Optimal 2, Stratum 1"},
        {w->grdFormulaStratified, "Stratified-Random Sampling Equation"},
        {w->grdSampleSize[0], "Sample Size 1"},
        {w->grdProportionalAllocation, "Proportional Allocation"},
        {w->grdStratum[2], "Stratum 2 data sheet"},
        {w->grdStratum[0], "Single/Combined data sheet"},
    };
    for (const auto& [grid, name] : cases)
        EXPECT_EQ(nameOf(grid), QLatin1StringView(name));
}

TEST_F(LogAccessibility, SummaryFiguresAreNamedByTheirRowAndColumn) {
    frmMainLog* w = open();
    EXPECT_EQ(nameOf(w->lblNum[0]), u"Subsegment, N"_s);
    EXPECT_EQ(nameOf(w->lblAvg[2]), u"Section, Average"_s);
    EXPECT_EQ(nameOf(w->lblStdDev[3]), u"Transect, Std. Dev."_s);
    EXPECT_EQ(nameOf(w->lblAvailable), u"Available"_s);
    EXPECT_EQ(nameOf(w->lblUsed), u"Used"_s);
    EXPECT_EQ(nameOf(w->lblPercentUse), u"Percent Use"_s);
    QSet<QString> names;
    for (std::size_t k = 0; k < 4; ++k)
        for (QLabel* figure : {w->lblNum[k], w->lblAvg[k], w->lblStdDev[k]})
            names << nameOf(figure);
    EXPECT_EQ(names.size(), 12) << "each figure a name of its own";

    w->lblStdDev[1]->setText(u"2.5"_s); // once computed: the figure, labelled by its captions
    EXPECT_EQ(nameOf(w->lblStdDev[1]), u"2.5"_s);
    QStringList labels;
    for (const auto& [label, relation] :
         QAccessible::queryAccessibleInterface(w->lblStdDev[1])->relations(QAccessible::Label))
        labels << label->text(QAccessible::Name);
    EXPECT_EQ(labels, (QStringList{u"Segment"_s, u"Std. Dev."_s}));
}

TEST_F(LogAccessibility, AnEmptyDataSheetHasNoRows) {
    frmMainLog* w = open();
    for (Grid* sheet : w->grdStratum)
        EXPECT_EQ(recordsOf(sheet), 0) << "before any import";
    addLog(w, u"Stratum=1"_s);
    addLog(w, u"Stratum=1"_s);
    w->mnuDensity->setChecked(true);
    criteria(w, "0|0|0|9999");
    w->cmdSort1_Click();
    EXPECT_EQ(w->grdStratum[2]->rows(), 2) << "a blank row under the field names";
    EXPECT_EQ(recordsOf(w->grdStratum[2]), 0);
    EXPECT_EQ(recordsOf(w->grdStratum[1]), 2);
}

} // namespace
} // namespace vernalt::test
