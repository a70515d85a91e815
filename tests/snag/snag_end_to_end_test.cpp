// A whole snag analysis as the user runs it, offscreen, in both unit systems:
// File, Open; "Multiple"; "Cavity" and "Forage"; Compute on each stratum and on
// the single sheet; Correlation; the stratified sheet; the sample size; the
// statistical test; Print Preview; the other unit system; File, Open again; the
// next run.
// Each step is checked as one line of the texts it shows.
//
// The survey (data/snag_survey.csv): two strata of two transects each, every
// transect of 2 sections, 4 segments and 8 subsegments, 1 to 3 stems per
// subsegment. The expected figures were worked out by hand from the formulas,
// outside the program: marks per stem (DBH at least 10, height at least 2,
// class at most 5, species 3 excluded, distance within half the strip), sums per
// unit, means and sample standard deviations, costs of category 1, then the
// estimates, each step from the rounded figures shown by the step before.
#include "snag_window_fixture.h"
#include "support/texts.h"

#include "print/frmPrintPreview.h"
#include "shell/app_windows.h"
#include "shell/correlation.h"
#include "shell/stat_test_graph.h"

#include "platform/twips.h"

#include <QImage>
#include <QStyle>
#include <algorithm>

namespace vernalt::test {
namespace {

// What one Compute run shows: the lowest variance and total cost per plot unit,
// then grdOptimal(0) means and deviations and grdOptimal(2) total costs (rows 1 to
// 16), the stratum runs their means only.
using RunFigures = std::array<const char*, 4>;

// Figures of several boxes or cells are compared as one line of words:
// - runs: stratum 1, stratum 2, single;
// - rows: per stratum: stratum, size, plot dimension, mean, deviation, n (stratum
//   2's plot dimension chosen in the menu; "Automatic" would take Transect30 or
//   Section66);
// - simple: the single-stratum sheet: inputs, then the nine results;
// - stratified: per stratum plot size, area, mean, variance, weight; then the
//   equations and results;
// - sampleSize: per stratum sheet 0 (7 columns), sheet 1 (4 columns), i and the
//   allocations (n_i, area); then V and the optimal and proportional equations, as
//   on sheet 1 and then on the allocation grids;
// - limits: the statistical test with the stratified estimate and bound typed in:
//   upper, lower;
// - correlationWidth, correlation: of adjacent segments of the single sheet;
// - categorySix: Transect40 or Transect132 under cost category 6, in dollars per
//   sample.
struct UnitFigures {
    bool metric;
    const char* widths; // as the correlation's width prompt lists them
    std::array<RunFigures, 3> runs;
    const char *rows, *simple, *stratified, *sampleSize, *limits, *correlationWidth, *correlation,
        *categorySix;
};

// clang-format off
const UnitFigures Metric{
    true, "10, 20, 30 or 40",
    {{{"49.7 0.375", "0.062 0.312 0.375 0.5 0.125 0.625 0.75 1 0.25 1.25 1.5 2 0.5 2.5 3 4"},
      {"5.55 0.375",
       "0.312 0.438 0.562 0.75 0.625 0.875 1.12 1.5 1.25 1.75 2.25 3 2.5 3.5 4.5 6"},
      {"25 0.375",
       "0.188 0.375 0.469 0.625 0.375 0.75 0.938 1.25 0.75 1.5 1.88 2.5 1.5 3 3.75 5",
       "0.397 0.492 0.567 0.554 0.5 0.683 0.772 0.856 0.886 1.07 1.13 1.2 1.29 1.83 1.89 2",
       "$116.62 $47.40 $42.33 $23.84 $93.00 $45.66 $39.18 $28.45 "
       "$144.98 $55.74 $41.83 $28.01 $153.77 $81.33 $58.76 $38.98"}}},
    "1 600 Subsegment40 0.5 0.516 16 | 2 400 Section40 3 0.816 4",
    "Subsegment40 0.625 0.554 32 1000 | 500 0.05 12.5 123 12.5 3.27 15.8 9.23 26.2",
    "500 0.05 10 107 0.6 | 2000 0.2 15 16.6 0.4 | 12 3.07 12 3.07 1.75 2.92 14.9 9.08 24.3",
    "1 600 0.6 Subsegment40 500 0.05 0.5 | 0.516 10 10.3 106 | 1 22.5 1.12 20.4 1.02 | "
    "2 400 0.4 Section40 2000 0.2 3 | 0.816 15 4.08 16.6 | 2 5.95 1.19 13.6 2.72 | "
    "2.07 28.5 34 28.5 34 _ 1.67",
    "14.92 9.08", "10", "r=0.29\r\nr^2=0.09", "15.64",
};

const UnitFigures English{
    false, "33, 66, 99 or 132",
    {{{"4.53 0.395",
       "0.438 0.562 0.562 0.625 0.875 1.12 1.12 1.25 1.75 2.25 2.25 2.5 3.5 4.5 4.5 5"},
      {"0.34 0.395", "0.625 0.875 0.875 0.938 1.25 1.75 1.75 1.88 2.5 3.5 3.5 3.75 5 7 7 7.5"},
      {"3.35 0.395",
       "0.531 0.719 0.719 0.781 1.06 1.44 1.44 1.56 2.12 2.88 2.88 3.12 4.25 5.75 5.75 6.25",
       "0.567 0.634 0.634 0.659 0.854 0.892 0.892 0.814 1.36 1.36 1.36 1.25 2.22 2.5 2.5 2.22",
       "$31.40 $23.04 $24.12 $23.56 $35.79 $22.51 $24.12 $17.86 "
       "$45.35 $26.04 $27.74 $21.17 $60.23 $44.35 $47.26 $33.26"}}},
    "1 600 Segment132 1.25 0.707 8 | 2 400 Section132 3.75 0.957 4",
    "Segment132 1.56 0.814 16 1000 | 13200 0.303 5.15 7.22 5.15 1.12 6.27 4.03 21.7",
    "13200 0.303 4.13 5.44 0.6 | 26400 0.606 6.19 2.49 0.4 | "
    "4.95 0.343 4.95 0.343 0.586 0.979 5.93 3.97 19.8",
    "1 600 0.6 Segment132 13200 0.303 1.25 | 0.707 4.13 2.33 5.43 | 1 7.99 2.42 7.26 2.2 | "
    "2 400 0.4 Section132 26400 0.606 3.75 | 0.957 6.19 1.58 2.5 | 2 3.61 2.19 4.84 2.93 | "
    "0.351 11.6 12.1 11.6 12.1 _ 1.67",
    "5.929 3.971", "33", "r=-0.12\r\nr^2=0.01", "19.07",
};
// clang-format on

class SnagEndToEnd : public SnagWindowTest, public ::testing::WithParamInterface<UnitFigures> {
  protected:
    frmMainSnag* w = open();

    void openSurvey() {
        script.openFile(QStringLiteral(VERNALT_TEST_DATA) + u"/snag/data/snag_survey.csv"_s);
        w->mnuFileOpen->trigger();
    }
    // Compute with sheet `sheet` selected, its prompts scripted before; its figures.
    void compute(int sheet, const RunFigures& f) {
        w->optStratum[std::size_t(sheet)]->setChecked(true);
        w->cmdSubtotals->click();
        const Grid &g0 = *w->grdOptimal[0], &g2 = *w->grdOptimal[2];
        const QStringList shown[] = {textsOf(w->lblLowestVariance, w->lblLowestTotalCost),
                                     columnOf(g0, 2, 1, 16), columnOf(g0, 3, 1, 16),
                                     columnOf(g2, 6, 1, 16)};
        for (std::size_t i = 0; i < 4 && f[i]; ++i)
            expectShown(shown[i], f[i]);
    }
    // What Compute shows (the lowest figures, the subtotals, statistics and optimal
    // grids' first cells), then a result of each other page.
    QStringList results() {
        return (textsOf(w->lblLowestVariance, w->lblLowestTotalCost)
                << w->grdSubtotal[0]->text(1, 0) << w->grdStats[0]->text(1, 1)
                << w->grdOptimal[0]->text(16, 2) << w->grdOptimal[2]->text(1, 6)) +
                   textsOf(w->lblSimpleX, w->lblStratifiedMeanEquations[1],
                           w->lblCavityPercentUse[0])
               << w->grdSampleSize[1]->text(1, 2) << w->grdOptimalAllocation->text(1, 2);
    }
};

TEST_P(SnagEndToEnd, AWholeAnalysisFromTheMenus) {
    const UnitFigures& f = GetParam();
    gSnagForm = w;
    w->show();
    if (!f.metric)
        w->mnuEnglish->trigger();
    openSurvey();
    ASSERT_EQ(w->grdStratum[0]->rows(), 67) << "66 stems and the title row";

    // "Multiple" on the single/combined sheet marks all five sheets.
    askCriteria();
    w->cmdFormMulti[0]->click();

    // Cavity use of code 2 and forage use of code 1 on the sheets that hold
    // stems; every stem carries both codes. A second run with a code no stem
    // carries rewrites every mark (column 17, "Qualifying").
    const char* uses[] = {"66 8 12.1 66 15 22.7", "27 4 14.8 27 7 25.9", "39 4 10.3 39 8 20.5"};
    for (std::size_t k = 0; k < 3; ++k) {
        for (bool forage : {false, true}) {
            askCriteria(forage ? "1" : "2", forage);
            (forage ? w->cmdForage : w->cmdCavity)[k]->click();
        }
        expectShown(textsOf(w->lblCavityTotal[k], w->lblCavityCavSigns[k],
                            w->lblCavityPercentUse[k], w->lblForageTotal[k], w->lblForageSigns[k],
                            w->lblForagePercentUse[k]),
                    uses[k]);
    }
    askCriteria("7");
    w->cmdCavity[0]->click();
    EXPECT_FALSE(columnOf(*w->grdStratum[0], 17, 1, 66).contains(u"1"_s));

    // Compute on stratum 1, the first of all: the number of strata, the cost
    // category and both sizes are asked, refused answers again.
    askStrata("abc");
    askStrata("2");
    askCost("1");
    askSize(1, "600");
    askSize(2, "x");
    askSize(2, "400");
    compute(1, f.runs[0]);
    // Stratum 3 holds no stems: nothing of the run before stays.
    askStrata("2");
    script.message(u"No data found on 'Stratum 3'"_s, u"No data"_s, MsgIcon::None);
    w->optStratum[3]->setChecked(true);
    w->cmdSubtotals->click();
    expectShown(results(), "_ _ _ _ _ _");
    // Stratum 2 with its plot dimension chosen in the menu (row 12, the largest
    // section plot); it shows at this Compute, which asks only the cost.
    script.message(u"The Optimal plot selection has been overridden. You may need to return to "
                   u"the Optimal page, highlight the appropriate stratum circle, and click "
                   u"Compute to view new results."_s,
                   u"Optimal plot selection overridden"_s, MsgIcon::None);
    w->mnuStratum2[12]->trigger();
    askCost("1");
    compute(2, f.runs[1]);
    QStringList rows;
    for (std::size_t h = 0; h < 2; ++h)
        rows << textsOf(w->txtStratifiedStratum[h], w->txtStratifiedStratumSize[h],
                        w->txtStratifiedPlotDimensions[h], w->txtStratifiedAvgDensity[h],
                        w->txtStratifiedStdDev[h], w->txtStratifiedSampleSize[h]);
    expectShown(rows, f.rows);
    // The single sheet: the number of strata is asked every time.
    askStrata("2");
    askCost("1");
    askSize(0, "1000");
    compute(0, f.runs[2]);
    expectShown(textsOf(w->txtPlotDimensions, w->txtAverageDensity, w->txtStdDev, w->txtSampleSize,
                        w->txtSimpleLandscapeArea, w->lblPlotSize, w->lblPlotArea, w->lblAvgAcres,
                        w->lblVarianceAcres, w->lblSimpleX, w->lblSimpleBound,
                        w->lblSimpleUpperLimit, w->lblSimpleLowerLimit, w->lblSimplePrecision),
                f.simple);

    // Category 6, asked again after a refusal; then Cancel at the cost prompt
    // keeps what the run before showed.
    QString result;
    for (const char* answer : {"six", " 6 ", "  "}) {
        askCost(answer);
        if (answer[0] == 's')
            script.message(u"Please enter a value 1-6"_s, u"Error"_s, MsgIcon::None);
    }
    w->ComputeOptimal(result);
    w->ComputeOptimal(result);
    EXPECT_EQ(result, u"cancel"_s);
    EXPECT_EQ(w->grdOptimal[2]->text(16, 2), QString::fromLatin1(f.categorySix));

    // Correlation of adjacent segments along each transect of the single sheet.
    askLevel("Segment");
    askWidth(f.widths, f.correlationWidth);
    script.message(QString::fromLatin1(f.correlation), QString(), MsgIcon::None);
    w->cmdCorrelation->click();
    EXPECT_TRUE(script.done());

    // The stratified sheet: its page enables "Calculate Stratified Values". A
    // third and fourth stratum left from an earlier analysis take no part and show
    // nothing on the Sample Size page, not even what they showed before.
    w->grdSampleSize[0]->setText(3, 3, u"Section10"_s);
    w->grdOptimalAllocation->setText(3, 2, u"3"_s);
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageDensities);
    w->ssTabFormula->setCurrentIndex(1);
    ASSERT_TRUE(w->cmdCalcStratified->isVisible() && w->cmdCalcStratified->isEnabled());
    w->cmdCalcStratified->click();
    QStringList stratified;
    for (std::size_t h = 0; h < 2; ++h)
        stratified << textsOf(w->lblStratifiedPlotSize[h], w->lblStratifiedPlotArea[h],
                              w->lblStratifiedAvgAcres[h], w->lblStratifiedVarianceHectares[h],
                              w->lblStratifiedStratumWeight[h]);
    expectShown(stratified + textsOf(w->lblStratifiedMeanEquations[1],
                                     w->lblStratifiedVarianceEquations[1], w->lblStratifiedX,
                                     w->lblStratifiedVar, w->lblStratifiedS, w->lblStratifiedBound,
                                     w->lblStratifiedUpperLimit, w->lblStratifiedLowerLimit,
                                     w->lblStratifiedPrecision),
                f.stratified);

    // The sample size, computed as its page opens; the allocation grids number
    // all four rows.
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageSampleSize);
    const GridModel &s0 = *w->grdSampleSize[0]->grid(), &s1 = *w->grdSampleSize[1]->grid();
    const GridModel &opt = *w->grdOptimalAllocation->grid(),
                    &prop = *w->grdProportionalAllocation->grid();
    QStringList sampleSize;
    for (int i = 1; i <= 2; ++i)
        sampleSize << rowOf(s0, i, 0, 6) + rowOf(s1, i, 0, 3) + rowOf(opt, i, 1, 3) +
                          rowOf(prop, i, 2, 3);
    expectShown(sampleSize +
                    QStringList{s1.text(1, 4), s1.text(2, 5), s1.text(2, 6), opt.text(1, 0),
                                prop.text(1, 0), s1.text(3, 5), w->lblTValue[1]->text()} +
                    rowOf(s0, 3, 0, 6) + rowOf(opt, 3, 1, 2) + rowOf(opt, 4, 1, 2),
                (f.sampleSize + std::string(" | _ _ _ _ _ _ _ | 3 _ 4 _")).c_str());

    // Nothing is cut off: the longest plot-dimension names fit their columns within
    // the cells' margins and grid line.
    for (const auto& [g, col] : {std::pair{w->grdStats[0], 0}, {w->grdOptimal[0], 0},
                                 {w->grdOptimal[2], 0}, {w->grdSampleSize[0], 3}}) {
        const int margin = g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g) + 1;
        const int room = twipsToPixelsX(g->grid()->colWidth(col)) - 1 - 2 * margin;
        for (int r = 1; r < g->rows(); ++r)
            EXPECT_LE(g->fontMetrics().horizontalAdvance(g->text(r, col)), room)
                << g->text(r, col).toStdString();
    }

    // The statistical test of the stratified estimate against a target of 10.
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageStatisticalTest);
    w->txtTargetValue->setText(u"10"_s);
    w->txtEstimatedValue->setText(w->lblStratifiedX->text());
    w->txtBound->setText(w->lblStratifiedBound->text());
    expectShown(textsOf(w->txtUpperLimit, w->txtLowerLimit), f.limits);
    // A stratified sheet that fails part way is reported; the equations after it go.
    w->txtStratifiedSampleSize[1]->clear();
    script.message(u"13 : Type mismatch - Snag Procedure 'CalcStratifiedSheet'"_s, u"Error"_s,
                   MsgIcon::Exclamation);
    w->cmdCalcStratified->click();
    expectShown(textsOf(w->lblStratifiedVarianceEquations[1], w->lblStratifiedX), "_ _");

    // Print Preview of the finished window, its graph drawn: the blue estimate
    // line runs across most of the picture.
    w->mnuPrint->trigger();
    auto* preview = qobject_cast<frmPrintPreview*>(loadedWindows().last());
    ASSERT_TRUE(preview && preview->isVisible());
    const QImage picture =
        preview->picPrintPreview->picture().convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(picture.constBits());
    EXPECT_GE(std::count(pixels, pixels + picture.width() * picture.height(), EstimateColour.rgb()),
              w->picStatTest->width() * 3 / 4);

    // The other unit system empties every result, none of them in its units; the
    // data, the boxes and the check marks stay.
    w->mnuWidth30->setChecked(false);
    (f.metric ? w->mnuEnglish : w->mnuMetric)->trigger();
    expectShown(results() << w->grdOptimal[0]->text(1, 0) << w->grdStratum[0]->text(1, 5)
                          << w->txtSimpleLandscapeArea->text(),
                f.metric ? "_ _ _ _ _ _ _ _ _ _ _ Subsegment33 1 1000"
                         : "_ _ _ _ _ _ _ _ _ _ _ Subsegment10 1 1000");
    EXPECT_TRUE(w->mnuMetric->isChecked() != f.metric && !w->mnuWidth30->isChecked());

    // Opening the file again starts the analysis afresh: inputs gone, defaults back.
    w->txtOptimalTvalue->setText(u"2.66"_s);
    openSurvey();
    expectShown(textsOf(w->txtNumStrata, w->txtSimpleLandscapeArea, w->lblTValue[0]), "_ _ 1.67");
    // The next run starts in the unit system this one ended in.
    w->close();
    flushDeletes();
    EXPECT_NE(open()->mnuMetric->isChecked(), f.metric);
}

INSTANTIATE_TEST_SUITE_P(BothUnitSystems, SnagEndToEnd, ::testing::Values(Metric, English),
                         [](const ::testing::TestParamInfo<UnitFigures>& info) {
                             return std::string(info.param.metric ? "Metric" : "English");
                         });

} // namespace
} // namespace vernalt::test
