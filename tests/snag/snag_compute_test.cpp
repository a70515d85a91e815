// Compute and Correlation where the user stops them, and the gate of
// "Calculate Stratified Values" as the Densities page and its stratified sheet
// open.
#include "snag_window_support.h"
#include "support/texts.h"

#include "shell/correlation.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

class SnagCompute : public SnagSheetTest {
  protected:
    // Texts where results go, as an earlier run leaves them.
    void stale() {
        for (Grid* g : {w->grdStats[0], w->grdSubtotal[1], w->grdOptimal[2]})
            g->setText(1, 2, u"old"_s);
        w->lblLowestVariance->setText(u"old"_s);
    }
    QStringList results() {
        return QStringList{w->grdStats[0]->text(1, 2), w->grdSubtotal[1]->text(1, 2),
                           w->grdOptimal[2]->text(1, 2), w->grdOptimal[2]->text(1, 1)}
               << textsOf(w->lblLowestVariance, w->txtNumStrata, w->txtPlotDimensions);
    }
};

TEST_F(SnagCompute, CancelAtTheStrataOrCostPromptStopsTheRun) {
    insertPlaced(ThreeUnits);
    // Cancel at the number of strata: every result emptied, the headers and plot
    // sizes written again, nothing computed.
    stale();
    askStrata("");
    w->cmdSubtotals_Click();
    EXPECT_TRUE(script.done());
    expectShown(results(), "_ _ _ 125 _ _ _");
    EXPECT_EQ(w->lblSubtotals->text(), u"Subtotals from Single"_s);
    EXPECT_EQ(w->grdStats[0]->text(0, 1), u"Average"_s);
    EXPECT_EQ(w->status(), u"Status: No data read"_s);

    // Cancel at the cost: the statistics stay, the estimate sheet is not filled.
    // The number of strata shows as it is rounded for display.
    askStrata("2.50");
    askCost("");
    w->cmdSubtotals_Click();
    EXPECT_TRUE(script.done());
    expectShown(rowOf(*w->grdStats[0], 1, 1, 3) + results(),
                "0.333 0.577 3 | 0.577 3 _ 125 _ 2.5 _");

    // A stratum sheet: its own title; within the number of strata it asks none.
    w->optStratum[1]->setChecked(true);
    script.message(u"No data found on 'Stratum 1'"_s, u"No data"_s, MsgIcon::None);
    w->cmdSubtotals_Click();
    EXPECT_EQ(w->lblSubtotals->text(), u"Subtotals from Stratum 1"_s);
}

// Cancel at either question, or a sheet that cannot be summed, makes no pairs
// and shows no coefficient.
TEST_F(SnagCompute, ACorrelationStoppedMakesNoPairs) {
    const struct {
        const char* what;
        const char *level, *width; // nullptr: not asked
        bool summable;
    } cases[] = {
        {"Cancel at the length", "", nullptr, true},
        {"Cancel at the width", "Segment", "", true},
        {"a sheet without marks", nullptr, nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        insertPlaced(c.summable ? ThreeUnits : std::vector<Placed>{{1, 1, 1, {"", "", "", ""}}});
        CorrelationPairs.redim(1, 2);
        if (c.level)
            askLevel(c.level);
        if (c.width)
            askWidth("10, 20, 30 or 40", c.width);
        if (!c.summable)
            script.message(u"13 : Type mismatch - Snag Procedure 'CalculateSubtotals'"_s,
                           u"Error"_s, MsgIcon::Exclamation);
        w->cmdCorrelation->click();
        EXPECT_TRUE(script.done());
        EXPECT_EQ(CorrelationPairs.rows(), 1);
    }
}

// "Calculate Stratified Values" is enabled when the number of strata is 1 to 4
// and as many stratum rows name a plot dimension. Opening the stratified sheet
// warns of a missing number; opening the Densities page with that sheet shown
// decides again without a warning.
TEST_F(SnagCompute, TheStratifiedButtonIsDecidedAsItsPagesOpen) {
    w->show();
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageDensities);
    w->ssTabFormula->setCurrentIndex(1);
    EXPECT_EQ(w->status(), u"WARNING: The number of strata has not been set"_s);
    EXPECT_TRUE(w->cmdCalcStratified->isVisible() && !w->cmdCalcStratified->isEnabled());

    w->setStatus(u"Status: Data file read"_s);
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageOptimal);
    {
        const QSignalBlocker quiet(w->txtNumStrata);
        w->txtNumStrata->setText(u"1"_s);
    }
    w->txtStratifiedPlotDimensions[0]->setText(u"Segment20"_s);
    EXPECT_FALSE(w->cmdCalcStratified->isEnabled());
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageDensities);
    EXPECT_TRUE(w->cmdCalcStratified->isEnabled());
    // A number typed decides at once: two strata want two rows, 2.0 is no number
    // of strata.
    for (const auto& [typed, enabled] : {std::pair{"2", false}, {"1", true}, {"1.0", false}}) {
        w->txtNumStrata->setText(QString::fromLatin1(typed));
        EXPECT_EQ(w->cmdCalcStratified->isEnabled(), enabled) << typed;
    }
    {
        const QSignalBlocker quiet(w->txtNumStrata);
        w->txtNumStrata->clear();
    }
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageOptimal);
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageDensities);
    EXPECT_FALSE(w->cmdCalcStratified->isEnabled());
    EXPECT_EQ(w->status(), u"Status: Data file read"_s);

    // The simple sheet hides it.
    w->ssTabFormula->setCurrentIndex(0);
    EXPECT_FALSE(w->cmdCalcStratified->isVisible());
}

} // namespace
} // namespace vernalt::test
