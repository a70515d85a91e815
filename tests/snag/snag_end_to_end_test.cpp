// A whole snag analysis as the user runs it, offscreen, in both unit systems:
// File, Open; "Multiple"; "Cavity" and "Forage"; Compute on each stratum and on
// the single sheet; Correlation; the stratified sheet; the sample size; the
// statistical test; Print Preview.
//
// The survey (data/snag_survey.csv): two strata of two transects each, every
// transect of 2 sections, 4 segments and 8 subsegments, 1 to 3 stems per
// subsegment. The expected figures were worked out by hand from the formulas,
// outside the program: marks per stem (DBH at least 10, height at least 2,
// class at most 5, species 3 excluded, distance within half the strip), sums per
// unit, means and sample standard deviations, costs of category 1, then the
// estimates, each step from the rounded figures shown by the step before.
#include "snag_window_fixture.h"

#include "platform/grid.h"
#include "platform/twips.h"
#include "print/frmPrintPreview.h"

#include <QAction>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

QString surveyFile() {
    return QStringLiteral(VERNALT_TEST_DATA) + u"/snag/data/snag_survey.csv"_s;
}

QString latin(const char* s) {
    return QString::fromLatin1(s);
}

// Texts compared as standard strings, so that a failure prints them readably.
std::string str(const QString& s) {
    return s.toStdString();
}

// The texts of rows 1 to 16 of one column of a grid, joined by blanks.
QString column(const Grid* g, int col) {
    QStringList out;
    for (int r = 1; r <= 16; ++r)
        out.append(g->grid()->text(r, col));
    return out.join(u' ');
}

// The texts of row r, columns `from` to `to`, of a grid, joined by blanks.
std::string cells(const GridModel& g, int r, int from, int to) {
    QStringList out;
    for (int c = from; c <= to; ++c)
        out.append(g.text(r, c));
    return str(out.join(u' '));
}

// The texts of some labels or boxes, joined by blanks.
template <typename... W> std::string texts(const W*... ws) {
    return str(QStringList{ws->text()...}.join(u' '));
}

// With VERNALT_SNAPSHOTS naming a folder, every page of the window (and each
// page of its inner tab controls) is saved there as a PNG, for a look at the
// finished window under a real display.
void saveSnapshots(frmMainSnag* w, const QString& prefix) {
    const QString folder = qEnvironmentVariable("VERNALT_SNAPSHOTS");
    for (int p = 0; !folder.isEmpty() && p < w->ssTabMain->count(); ++p) {
        w->ssTabMain->setCurrentIndex(p);
        QTabWidget* inner = p == frmMainSnag::PageOptimal     ? w->ssTabOptimal
                            : p == frmMainSnag::PageDensities ? w->ssTabFormula
                                                              : nullptr;
        for (int k = 0; k < (inner ? inner->count() : 1); ++k) {
            if (inner)
                inner->setCurrentIndex(k);
            QCoreApplication::processEvents();
            w->grab().save(folder + u"/%1-page%2-%3.png"_s.arg(prefix).arg(p).arg(k));
        }
    }
}

// What one Compute run shows in the optimal grids.
struct RunFigures {
    const char* means;  // grdOptimal(0) column 2, rows 1 to 16
    const char* sds;    // grdOptimal(0) column 3
    const char* totals; // grdOptimal(2) column 6
    const char* counts; // grdOptimal(1) column 4 (N)
    const char* lowest; // lowest variance, lowest total cost per plot unit
};

// Figures of several boxes or cells are compared as one text, joined by blanks.
struct UnitFigures {
    const char* name;
    bool metric;
    RunFigures stratum1, stratum2, single;
    const char* stratum2Automatic; // what "Automatic" would have chosen for stratum 2
    // Per stratum: stratum, size, plot dimension, mean, deviation, n.
    std::array<const char*, 2> rows;
    // Single-stratum sheet: inputs, then the nine results.
    const char *simpleInputs, *simple;
    // Stratified sheet: per stratum plot size, area, mean, variance, weight; then the
    // equations and results.
    std::array<const char*, 2> strata;
    const char* stratified;
    // Sample size: sheet 0 (7 columns) and sheet 1 (4 columns) per stratum; V and
    // the optimal and proportional equations, as on sheet 1 and then on the
    // allocation grids; per stratum i and the allocations (n_i, area).
    std::array<const char*, 2> sheet0, sheet1;
    const char* equations;
    std::array<const char*, 2> allocations;
    // Statistical test with the stratified estimate and bound typed in: upper, lower.
    const char* limits;
    // Correlation of adjacent segments of the single sheet, first width.
    const char *correlationWidth, *correlation;
};

// clang-format off
const UnitFigures Metric{
    "metric", true,
    // Stratum 1, stratum 2, single.
    {"0.062 0.312 0.375 0.5 0.125 0.625 0.75 1 0.25 1.25 1.5 2 0.5 2.5 3 4",
     "0.25 0.479 0.5 0.516 0.354 0.744 0.886 0.756 0.5 0.957 1.29 1.41 0.707 2.12 2.83 2.83",
     "$425.25 $64.78 $51.46 $32.32 $419.25 $78.05 $80.76 $34.63 "
     "$415.71 $64.21 $85.66 $60.38 $414.22 $157.31 $205.84 $121.45",
     "16 16 16 16 8 8 8 8 4 4 4 4 2 2 2 2", "49.7 0.375"},
    {"0.312 0.438 0.562 0.75 0.625 0.875 1.12 1.5 1.25 1.75 2.25 3 2.5 3.5 4.5 6",
     "0.479 0.512 0.629 0.577 0.518 0.641 0.641 0.926 0.957 1.26 0.957 0.816 0.707 2.12 0.707 0",
     "$61.50 $37.64 $36.23 $17.97 $35.92 $29.55 $18.92 $23.14 "
     "$60.94 $56.68 $20.92 $8.98 $16.63 $80.38 $6.64 $0.00",
     "16 16 16 16 8 8 8 8 4 4 4 4 2 2 2 2", "5.55 0.375"},
    {"0.188 0.375 0.469 0.625 0.375 0.75 0.938 1.25 0.75 1.5 1.88 2.5 1.5 3 3.75 5",
     "0.397 0.492 0.567 0.554 0.5 0.683 0.772 0.856 0.886 1.07 1.13 1.2 1.29 1.83 1.89 2",
     "$116.62 $47.40 $42.33 $23.84 $93.00 $45.66 $39.18 $28.45 "
     "$144.98 $55.74 $41.83 $28.01 $153.77 $81.33 $58.76 $38.98",
     "32 32 32 32 16 16 16 16 8 8 8 8 4 4 4 4", "25 0.375"},
    "Transect30", {"1 600 Subsegment40 0.5 0.516 16", "2 400 Section40 3 0.816 4"},
    "Subsegment40 0.625 0.554 32 1000", "500 0.05 12.5 123 12.5 3.27 15.8 9.23 26.2",
    {"500 0.05 10 107 0.6", "2000 0.2 15 16.6 0.4"}, "12 3.07 12 3.07 1.75 2.92 14.9 9.08 24.3",
    {"1 600 0.6 Subsegment40 500 0.05 0.5", "2 400 0.4 Section40 2000 0.2 3"},
    {"0.516 10 10.3 106", "0.816 15 4.08 16.6"}, "2.07 28.5 34 28.5 34",
    {"1 22.5 1.12 20.4 1.02", "2 5.95 1.19 13.6 2.72"}, "14.92 9.08", "10", "r=0.29\r\nr^2=0.09",
};

const UnitFigures English{
    "English", false,
    {"0.438 0.562 0.562 0.625 0.875 1.12 1.12 1.25 1.75 2.25 2.25 2.5 3.5 4.5 4.5 5",
     "0.512 0.629 0.629 0.619 0.835 0.835 0.835 0.707 1.5 1.71 1.71 1.29 3.54 3.54 3.54 2.83",
     "$37.64 $37.10 $38.85 $32.49 $50.16 $32.59 $34.92 $20.96 "
     "$80.90 $67.70 $72.14 $35.15 $226.02 $144.82 $154.30 $84.29",
     "16 16 16 16 8 8 8 8 4 4 4 4 2 2 2 2", "4.53 0.395"},
    {"0.625 0.875 0.875 0.938 1.25 1.75 1.75 1.88 2.5 3.5 3.5 3.75 5 7 7 7.5",
     "0.619 0.619 0.619 0.68 0.886 0.886 0.886 0.835 1.29 0.577 0.577 0.957 0 0 0 0.707",
     "$27.02 $14.83 $15.53 $17.38 $27.65 $15.04 $16.11 $12.97 "
     "$29.39 $6.72 $7.16 $8.58 $0.00 $0.00 $0.00 $7.56",
     "16 16 16 16 8 8 8 8 4 4 4 4 2 2 2 2", "0.34 0.395"},
    {"0.531 0.719 0.719 0.781 1.06 1.44 1.44 1.56 2.12 2.88 2.88 3.12 4.25 5.75 5.75 6.25",
     "0.567 0.634 0.634 0.659 0.854 0.892 0.892 0.814 1.36 1.36 1.36 1.25 2.22 2.5 2.5 2.22",
     "$31.40 $23.04 $24.12 $23.56 $35.79 $22.51 $24.12 $17.86 "
     "$45.35 $26.04 $27.74 $21.17 $60.23 $44.35 $47.26 $33.26",
     "32 32 32 32 16 16 16 16 8 8 8 8 4 4 4 4", "3.35 0.395"},
    "Section66", {"1 600 Segment132 1.25 0.707 8", "2 400 Section132 3.75 0.957 4"},
    "Segment132 1.56 0.814 16 1000", "13200 0.303 5.15 7.22 5.15 1.12 6.27 4.03 21.7",
    {"13200 0.303 4.13 5.44 0.6", "26400 0.606 6.19 2.49 0.4"},
    "4.95 0.343 4.95 0.343 0.586 0.979 5.93 3.97 19.8",
    {"1 600 0.6 Segment132 13200 0.303 1.25", "2 400 0.4 Section132 26400 0.606 3.75"},
    {"0.707 4.13 2.33 5.43", "0.957 6.19 1.58 2.5"}, "0.351 11.6 12.1 11.6 12.1",
    {"1 7.99 2.42 7.26 2.2", "2 3.61 2.19 4.84 2.93"}, "5.929 3.971", "33", "r=-0.12\r\nr^2=0.01",
};
// clang-format on

// A snag window working on the survey file.
class SnagSurvey : public SnagWindowTest {
  protected:
    // File, Open of the survey.
    void openSurvey(frmMainSnag* w) {
        script.openFile(surveyFile());
        w->mnuFileOpen->trigger();
    }

    // The criteria of "Multiple", "Cavity" and "Forage": DBH at least 10, height at
    // least 2, class at most 5, species 3 left out.
    void expectCriteria(const QString& dbhPrompt) {
        script.input(dbhPrompt, u"DBH"_s, u"10"_s)
            .input(u"Now please enter the minimum Height you want considered."_s, u"Height"_s,
                   u"2"_s)
            .input(u"Enter the maximum Decay or Structural Class value you want considered for "
                   u"this analysis."_s,
                   u"Decay Class"_s, u"5"_s)
            .input(u"Please enter the number of the species you want EXCLUDED from this "
                   u"analysis.  Enter '9999' if you want all species included."_s,
                   u"Species"_s, u"3"_s);
    }
    void markMultiple(frmMainSnag* w) {
        expectCriteria(u"Please enter the minimum DBH of a tree or snag you want to consider "
                       u"for this analysis."_s);
        w->cmdFormMulti[0]->click();
    }
    // "Cavity" or "Forage" on sheet k: the criteria, then the code.
    void habitatUse(frmMainSnag* w, std::size_t k, bool cavity, const char* code) {
        expectCriteria(u"Please enter the minimum DBH you want to consider for this analysis."_s);
        script.input(u"Enter the numeric code for the "_s + (cavity ? u"CAVITY"_s : u"FORAGE"_s) +
                         u" category you would like to consider for this analysis."_s,
                     cavity ? u"Cavity Code"_s : u"Forage Code"_s, latin(code));
        (cavity ? w->cmdCavity : w->cmdForage)[k]->click();
    }

    void expectNumberOfStrata(const char* answer) {
        script.input(u"Please enter the number of strata"_s, u"Number of Strata"_s, latin(answer));
    }
    void expectCostCategory(const char* answer) {
        script.input(u"Enter the numeric code for the General Cost per Sample category (found "
                     u"under the View menu) you would like to use for this stratum."_s,
                     u"General Cost Per Sample"_s, latin(answer));
    }

    // Compute on stratum 1, the first of all: the number of strata, the cost category
    // and both sizes are asked.
    void computeStratum1(frmMainSnag* w) {
        expectNumberOfStrata("2");
        expectCostCategory("1");
        script.input(u"Please enter the Stratum 1 Size"_s, u"Stratum Size"_s, u"600"_s)
            .input(u"Please enter the Stratum 2 Size"_s, u"Stratum Size"_s, u"400"_s);
        compute(w, 1);
    }
    // Compute with sheet `sheet` selected.
    void compute(frmMainSnag* w, int sheet) {
        w->optStratum[std::size_t(sheet)]->setChecked(true);
        w->cmdSubtotals->click();
    }

    static void expectRun(frmMainSnag* w, const RunFigures& f, const char* what) {
        SCOPED_TRACE(what);
        EXPECT_EQ(str(column(w->grdOptimal[0], 2)), f.means);
        EXPECT_EQ(str(column(w->grdOptimal[0], 3)), f.sds);
        EXPECT_EQ(str(column(w->grdOptimal[1], 4)), f.counts);
        EXPECT_EQ(str(column(w->grdOptimal[2], 6)), f.totals);
        EXPECT_EQ(texts(w->lblLowestVariance, w->lblLowestTotalCost), f.lowest);
    }
};

class SnagEndToEnd : public SnagSurvey, public ::testing::WithParamInterface<UnitFigures> {};

TEST_P(SnagEndToEnd, AWholeAnalysisFromTheMenus) {
    const UnitFigures& f = GetParam();
    frmMainSnag* w = open();
    w->show();
    if (!f.metric)
        w->mnuEnglish->trigger();

    // File, Open.
    openSurvey(w);
    ASSERT_EQ(str(w->status()), "Status: Data file read");
    ASSERT_EQ(w->grdStratum[0]->grid()->rows(), 67) << "66 stems and the title row";
    EXPECT_EQ(str(w->lblTValue[0]->text()), "1.67") << "the cleared boxes are mirrored";
    EXPECT_EQ(str(w->lblPrecisionLevel[1]->text()), ".2");

    // "Multiple" on the single/combined sheet marks all five sheets.
    markMultiple(w);
    ASSERT_EQ(str(w->status()), "Status: Widths Filled");
    EXPECT_EQ(w->grdStratum[1]->grid()->rows(), 28);
    EXPECT_EQ(w->grdStratum[2]->grid()->rows(), 40);

    // Cavity use of code 2 and forage use of code 1 on the sheets that hold stems;
    // every stem carries both codes.
    const std::array<const char*, 3> uses = {"66 8 12.1 66 15 22.7", "27 4 14.8 27 7 25.9",
                                             "39 4 10.3 39 8 20.5"};
    for (std::size_t k = 0; k < uses.size(); ++k) {
        habitatUse(w, k, true, "2");
        habitatUse(w, k, false, "1");
        EXPECT_EQ(texts(w->lblCavityTotal[k], w->lblCavityCavSigns[k], w->lblCavityPercentUse[k],
                        w->lblForageTotal[k], w->lblForageSigns[k], w->lblForagePercentUse[k]),
                  uses[k])
            << k;
    }

    // Compute on stratum 1.
    computeStratum1(w);
    EXPECT_EQ(texts(w->lblSubtotals, w->txtNumStrata), "Subtotals from Stratum 1 2");
    expectRun(w, f.stratum1, "stratum 1");

    // Stratum 2 with its plot dimension chosen in the menu (row 12, the largest
    // section plot) instead of the automatic choice; the choice shows at this Compute.
    script.message(u"The Optimal plot selection has been overridden. You may need to return to "
                   u"the Optimal page, highlight the appropriate stratum circle, and click "
                   u"Compute to view new results."_s,
                   u"Optimal plot selection overridden"_s, MsgIcon::None);
    w->mnuStratum2[12]->trigger();
    EXPECT_EQ(str(w->txtStratifiedPlotDimensions[1]->text()), "") << "nothing recomputed";
    expectCostCategory("1");
    compute(w, 2);
    expectRun(w, f.stratum2, "stratum 2");
    EXPECT_EQ(std::string(f.rows[1]).find(f.stratum2Automatic), std::string::npos);
    for (std::size_t h = 0; h < 2; ++h)
        EXPECT_EQ(texts(w->txtStratifiedStratum[h], w->txtStratifiedStratumSize[h],
                        w->txtStratifiedPlotDimensions[h], w->txtStratifiedAvgDensity[h],
                        w->txtStratifiedStdDev[h], w->txtStratifiedSampleSize[h]),
                  f.rows[h])
            << h;

    // Compute on the single sheet: the number of strata is asked every time.
    expectNumberOfStrata("2");
    expectCostCategory("1");
    script.input(u"Please enter the Stratum Size"_s, u"Stratum Size"_s, u"1000"_s);
    compute(w, 0);
    EXPECT_EQ(str(w->lblSubtotals->text()), "Subtotals from Single");
    expectRun(w, f.single, "single");
    EXPECT_EQ(texts(w->txtPlotDimensions, w->txtAverageDensity, w->txtStdDev, w->txtSampleSize,
                    w->txtSimpleLandscapeArea),
              f.simpleInputs);
    EXPECT_EQ(texts(w->lblPlotSize, w->lblPlotArea, w->lblAvgAcres, w->lblVarianceAcres,
                    w->lblSimpleX, w->lblSimpleBound, w->lblSimpleUpperLimit,
                    w->lblSimpleLowerLimit, w->lblSimplePrecision),
              f.simple);

    // Correlation of adjacent segments along each transect of the single sheet.
    script
        .input(u"For which length would you like to obtain a Pearson correlation coefficient?"
               u"\r\n\r\nPlease enter Section, Segment or Subsegment"_s,
               u"Correlation Length"_s, u"Segment"_s)
        .input(u"For which width would you like to obtain a Pearson correlation coefficient?"
               u"\r\n\r\nPlease enter "_s +
                   w->WidthTexts[0] + u", "_s + w->WidthTexts[1] + u", "_s + w->WidthTexts[2] +
                   u" or "_s + w->WidthTexts[3],
               u"Correlation Width"_s, latin(f.correlationWidth))
        .message(latin(f.correlation), QString(), MsgIcon::None);
    w->cmdCorrelation->click();
    EXPECT_TRUE(script.done());

    // The stratified sheet: its page enables "Calculate Stratified Values".
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageDensities);
    w->ssTabFormula->setCurrentIndex(1);
    ASSERT_TRUE(w->cmdCalcStratified->isVisible() && w->cmdCalcStratified->isEnabled());
    w->cmdCalcStratified->click();
    for (std::size_t h = 0; h < 2; ++h)
        EXPECT_EQ(texts(w->lblStratifiedPlotSize[h], w->lblStratifiedPlotArea[h],
                        w->lblStratifiedAvgAcres[h], w->lblStratifiedVarianceHectares[h],
                        w->lblStratifiedStratumWeight[h]),
                  f.strata[h])
            << h;
    EXPECT_EQ(texts(w->lblStratifiedMeanEquations[1], w->lblStratifiedVarianceEquations[1],
                    w->lblStratifiedX, w->lblStratifiedVar, w->lblStratifiedS,
                    w->lblStratifiedBound, w->lblStratifiedUpperLimit, w->lblStratifiedLowerLimit,
                    w->lblStratifiedPrecision),
              f.stratified);

    // The sample size, computed as its page opens; no third stratum on sheet 1.
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageSampleSize);
    const GridModel& s0 = *w->grdSampleSize[0]->grid();
    const GridModel& s1 = *w->grdSampleSize[1]->grid();
    const GridModel& opt = *w->grdOptimalAllocation->grid();
    const GridModel& prop = *w->grdProportionalAllocation->grid();
    for (int i = 1; i <= 2; ++i) {
        const auto k = std::size_t(i - 1);
        EXPECT_EQ(cells(s0, i, 0, 6), f.sheet0[k]) << i;
        EXPECT_EQ(cells(s1, i, 0, 3), f.sheet1[k]) << i;
        EXPECT_EQ(cells(opt, i, 1, 3) + ' ' + cells(prop, i, 2, 3), f.allocations[k]) << i;
    }
    EXPECT_EQ(str(s1.text(1, 4) + u' ' + s1.text(2, 5) + u' ' + s1.text(2, 6) + u' ' +
                  opt.text(1, 0) + u' ' + prop.text(1, 0)),
              f.equations);
    EXPECT_EQ(str(s1.text(3, 5)), "");
    EXPECT_EQ(str(w->lblTValue[1]->text()), "1.67");

    // The statistical test of the stratified estimate against a target of 10.
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageStatisticalTest);
    w->txtTargetValue->setText(u"10"_s);
    w->txtEstimatedValue->setText(w->lblStratifiedX->text());
    w->txtBound->setText(w->lblStratifiedBound->text());
    EXPECT_EQ(texts(w->txtUpperLimit, w->txtLowerLimit), f.limits);

    // Print Preview of the finished window.
    w->mnuPrint->trigger();
    auto* preview = qobject_cast<frmPrintPreview*>(loadedWindows().last());
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(str(preview->lblFormToPrint->text()), "Main2");
    EXPECT_TRUE(!preview->picPrintPreview->picture().isNull() && preview->isVisible());

    // Nothing of the finished window is cut off: the longest plot-dimension names
    // fit their grid columns, within the cells' margins and grid line, and the
    // scale labels hold their values.
    for (const auto& [g, col] : {std::pair{w->grdStats[0], 0},
                                 {w->grdStats[1], 0},
                                 {w->grdOptimal[0], 0},
                                 {w->grdOptimal[2], 0},
                                 {w->grdSampleSize[0], 3}}) {
        const QFontMetrics fm(g->font());
        const int margin = g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g) + 1;
        const int room = twipsToPixelsX(g->grid()->colWidth(col)) - 1 - 2 * margin;
        for (int r = 1; r < g->grid()->rows(); ++r)
            EXPECT_LE(fm.horizontalAdvance(g->grid()->text(r, col)), room)
                << str(g->grid()->text(r, col));
    }
    for (QLabel* l : {w->lblStat100, w->lblStat75, w->lblStatMinus25}) {
        EXPECT_LE(l->fontMetrics().horizontalAdvance(u"-0.0625"_s), l->width());
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width()) << str(l->text());
    }

    saveSnapshots(w, latin(f.name));

    // Opening the file again starts the analysis afresh: results and inputs are
    // gone, the defaults are back and mirrored, the menu choices stay.
    w->txtOptimalTvalue->setText(u"2.66"_s);
    openSurvey(w);
    EXPECT_EQ(str(w->status()), "Status: Data file read");
    EXPECT_EQ(texts(w->lblSimpleX, w->lblStratifiedX, w->lblLowestTotalCost,
                    w->lblStratifiedMeanEquations[1], w->lblCavityTotal[0], w->txtNumStrata,
                    w->txtStratifiedPlotDimensions[0], w->txtSimpleLandscapeArea),
              "       ");
    EXPECT_EQ(str(w->grdOptimal[2]->grid()->text(4, 6)), "");
    EXPECT_EQ(texts(w->lblTValue[0], w->lblTValue[1]), "1.67 1.67");
    EXPECT_TRUE(w->mnuStratum2[12]->isChecked());
    EXPECT_TRUE(script.done());
}

INSTANTIATE_TEST_SUITE_P(BothUnitSystems, SnagEndToEnd, ::testing::Values(Metric, English),
                         [](const ::testing::TestParamInfo<UnitFigures>& info) {
                             return std::string(info.param.metric ? "Metric" : "English");
                         });

using SnagWidthSwitches = SnagSurvey;

// Width 40 unchecked before a Compute on stratum 1 (metric): its four plot
// dimensions get no statistics, the rating passes them over, and "All Widths"
// brings them back at the next Compute.
TEST_F(SnagWidthSwitches, AnUncheckedWidthIsLeftOutOfTheNextCompute) {
    frmMainSnag* w = open();
    openSurvey(w);
    markMultiple(w);
    w->mnuWidth40->trigger();
    ASSERT_FALSE(w->mnuWidth40->isChecked());

    computeStratum1(w);
    for (const Grid* g : w->grdStats)
        for (int row : {4, 8})
            EXPECT_EQ(cells(*g->grid(), row, 1, 3), "  ") << row;
    EXPECT_EQ(str(w->grdStats[0]->grid()->text(3, 1)), "0.375");
    EXPECT_EQ(str(column(w->grdOptimal[0], 2)),
              "0.062 0.312 0.375  0.125 0.625 0.75  0.25 1.25 1.5  0.5 2.5 3 ");
    EXPECT_EQ(w->PlotCounts[4], 0);
    EXPECT_EQ(w->PlotCounts[3], 16);
    // Subsegment40 ($32.32) had the lowest cost; of those left Subsegment30 ($51.46).
    EXPECT_EQ(str(w->grdOptimal[2]->grid()->text(4, 6)), "$0.00");
    EXPECT_EQ(str(w->txtStratifiedPlotDimensions[0]->text()), "Subsegment30");
    EXPECT_EQ(str(w->txtStratifiedSampleSize[0]->text()), "16");

    w->mnuAllWidths->trigger();
    expectCostCategory("1");
    compute(w, 1);
    EXPECT_EQ(str(column(w->grdOptimal[0], 2)), Metric.stratum1.means);
    EXPECT_EQ(w->PlotCounts[4], 16);
    EXPECT_EQ(str(w->txtStratifiedPlotDimensions[0]->text()), "Subsegment40");
}

} // namespace
} // namespace vernalt::test
