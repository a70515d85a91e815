// The Compute button's chain and the gates of "Calculate Stratified Values".
#include "data_sheet.h"
#include "snag_window_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const QString StrataPrompt = u"Please enter the number of strata"_s;
const QString StrataTitle = u"Number of Strata"_s;
const QString CostTitle = u"General Cost Per Sample"_s;
const QString CostPrompt = u"Enter the numeric code for the General Cost per Sample category "
                           u"(found under the View menu) you would like to use for this stratum."_s;

const std::vector<SheetRecord> TwoTransects = {
    {"1", "1", "1", "1", "1", "1", "1", "1", "1"}, {"1", "1", "1", "1", "1", "0", "1", "1", "1"},
    {"1", "1", "1", "1", "2", "0", "0", "1", "1"}, {"1", "1", "1", "2", "3", "0", "1", "0", "1"},
    {"1", "2", "1", "2", "3", "1", "1", "1", "1"}, {"1", "2", "1", "2", "4", "0", "0", "0", "1"},
    {"1", "2", "2", "3", "5", "0", "0", "1", "1"},
};

class SnagCompute : public SnagWindowTest {
  protected:
    frmMainSnag* w = open();

    void select(int sheet) { w->optStratum[std::size_t(sheet)]->setChecked(true); }
    void noData(const char* sheet) {
        script.message(u"No data found on '"_s + QString::fromLatin1(sheet) + u"'"_s, u"No data"_s,
                       MsgIcon::None);
    }
    // Writes texts where results go, so a test can see that they are emptied.
    void stale() {
        for (Grid* g : {w->grdStats[0], w->grdStats[1], w->grdSubtotal[0], w->grdSubtotal[1],
                        w->grdOptimal[0], w->grdOptimal[1], w->grdOptimal[2]})
            for (int c = 0; c < g->cols(); ++c)
                g->setText(0, c, u"old"_s), g->setText(1, c, u"old"_s);
        w->lblLowestVariance->setText(u"old"_s);
    }
    bool hasStats() const { return !w->grdStats[0]->text(1, 1).isEmpty(); }
};

// ---- The number-of-strata prompt -------------------------------------------------

TEST_F(SnagCompute, TheNumberOfStrataIsAskedWhenTheSheetNeedsIt) {
    // When to ask is decided by a rule tested on its own; these are its wiring.
    struct Case {
        const char* what;
        int sheet;
        const char* entered;
        std::vector<const char*> answers; // none: no prompt
        const char* kept;
        const char* title;
    } cases[] = {
        {"Single asks with 3 entered", 0, "3", {"2"}, "2", "Subtotals from Single"},
        {"stratum 2 within 3 asks nothing", 2, "3", {}, "3", "Subtotals from Stratum 2"},
        {"stratum 2 beyond 1 asks", 2, "1", {"2"}, "2", "Subtotals from Stratum 2"},
        {"a word is asked again without a message",
         1,
         "",
         {"abc", "1"},
         "1",
         "Subtotals from Stratum 1"},
    };
    const char* names[] = {"Single", "Stratum 1", "Stratum 2"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        w->txtNumStrata->setText(QString::fromLatin1(c.entered));
        select(c.sheet);
        for (const char* a : c.answers)
            script.input(StrataPrompt, StrataTitle, QString::fromLatin1(a));
        noData(names[c.sheet]);
        w->cmdSubtotals_Click();
        EXPECT_TRUE(script.done());
        EXPECT_EQ(w->txtNumStrata->text(), QString::fromLatin1(c.kept));
        EXPECT_EQ(w->lblSubtotals->text(), QString::fromLatin1(c.title));
    }
}

TEST_F(SnagCompute, EmptyAnswerStopsWithTheGridsClearedAndRetitled) {
    fillSheet(*w, 0, TwoTransects);
    stale();
    w->lblSubtotals->setText(u"Subtotals"_s);
    script.input(StrataPrompt, StrataTitle, u""_s);
    w->cmdSubtotals_Click(); // no subtotals: no status, no "No data"
    EXPECT_EQ(w->lblSubtotals->text(), u"Subtotals from Single"_s);
    EXPECT_EQ(w->txtNumStrata->text(), u""_s);
    // Emptied, then headers, names and plot sizes written again.
    const struct {
        Grid* g;
        int row, col;
        const char16_t* text;
    } cells[] = {{w->grdStats[0], 0, 1, u"Average"},
                 {w->grdStats[0], 1, 1, u""},
                 {w->grdSubtotal[1], 0, 0, u"Section Width10"},
                 {w->grdSubtotal[1], 1, 0, u""},
                 {w->grdOptimal[2], 1, 1, u"125"},
                 {w->grdOptimal[2], 1, 2, u""}};
    for (const auto& c : cells)
        EXPECT_EQ(c.g->text(c.row, c.col), QString::fromUtf16(c.text)) << c.row << " " << c.col;
    EXPECT_EQ(w->lblLowestVariance->text(), u""_s) << "belongs to the emptied optimal grids";
    EXPECT_NE(w->status(), u"Status: Subtotals calculated"_s);
}

TEST_F(SnagCompute, TwoPointFiftyIsShownRoundedAndKeepsTheButtonDisabled) {
    w->txtStratifiedPlotDimensions[0]->setText(u"Segment20"_s);
    w->txtStratifiedPlotDimensions[1]->setText(u"Section10"_s);
    w->ssTabFormula->setCurrentIndex(1);
    select(1);
    script.input(StrataPrompt, StrataTitle, u"2.50"_s);
    noData("Stratum 1");
    w->cmdSubtotals_Click();
    EXPECT_EQ(w->txtNumStrata->text(), u"2.5"_s);
    EXPECT_FALSE(w->cmdCalcStratified->isHidden());
    EXPECT_FALSE(w->cmdCalcStratified->isEnabled());
    // The same rows with "2" typed: the change of the box runs the gate.
    w->txtNumStrata->setText(u"2"_s);
    EXPECT_TRUE(w->cmdCalcStratified->isEnabled());
}

// ---- The chain -----------------------------------------------------------------------

TEST_F(SnagCompute, ComputeRunsSubtotalsAndStatisticsThenAFailureLeavesNoneOfThem) {
    fillSheet(*w, 0, TwoTransects);
    script.input(StrataPrompt, StrataTitle, u"2"_s);
    script.input(CostPrompt, CostTitle, u""_s); // ends the run after the statistics
    w->cmdSubtotals_Click();
    EXPECT_EQ(w->grdStats[1]->text(8, 3), u"2"_s); // the figures: the statistics tests
    EXPECT_EQ(w->grdOptimal[0]->text(16, 2), u"3.5"_s);

    select(2); // an empty sheet: no statistics, and no cost prompt after the failure
    noData("Stratum 2");
    w->cmdSubtotals_Click();
    EXPECT_FALSE(hasStats());
    EXPECT_EQ(w->grdOptimal[0]->text(1, 2), u""_s);
    EXPECT_EQ(w->grdSubtotal[0]->text(1, 0), u""_s);
}

// ---- Gates -----------------------------------------------------------------------------

TEST_F(SnagCompute, ThreeStrataWaitForTheThirdRow) {
    w->txtNumStrata->setText(u"3"_s);
    w->txtStratifiedPlotDimensions[0]->setText(u"Segment20"_s);
    w->txtStratifiedPlotDimensions[1]->setText(u"Section10"_s);
    w->ssTabFormula->setCurrentIndex(1);
    EXPECT_FALSE(w->cmdCalcStratified->isEnabled());
    w->txtStratifiedPlotDimensions[2]->setText(u"Transect40"_s);
    EXPECT_FALSE(w->cmdCalcStratified->isEnabled()) << "until the page is opened again";
    w->ssTabFormula_Click(0);
    EXPECT_TRUE(w->cmdCalcStratified->isEnabled());
    w->ssTabFormula->setCurrentIndex(0);
    EXPECT_TRUE(w->cmdCalcStratified->isHidden()) << "the simple page hides it";
}

TEST_F(SnagCompute, EmptyNumberOfStrataWarnsOnTheStratifiedPageOnly) {
    w->ssTabFormula->setCurrentIndex(1);
    EXPECT_EQ(w->status(), u"WARNING: The number of strata has not been set"_s);
    EXPECT_FALSE(w->cmdCalcStratified->isEnabled());

    // Opening "Densities" repeats the gate without the warning.
    w->setStatus(u"Status: Data file read"_s);
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageDensities);
    EXPECT_EQ(w->status(), u"Status: Data file read"_s);
    EXPECT_FALSE(w->cmdCalcStratified->isHidden());
    EXPECT_FALSE(w->cmdCalcStratified->isEnabled());
}

TEST_F(SnagCompute, DensitiesPageGatesWithTheStratifiedPageShown) {
    w->ssTabFormula->setCurrentIndex(1);
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageOptimal);
    {
        const QSignalBlocker block(w->txtNumStrata);
        w->txtNumStrata->setText(u"1"_s);
    }
    w->txtStratifiedPlotDimensions[0]->setText(u"Segment20"_s);
    EXPECT_FALSE(w->cmdCalcStratified->isEnabled());
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageDensities);
    EXPECT_TRUE(w->cmdCalcStratified->isEnabled());
}

} // namespace
} // namespace vernalt::test
