// A whole snag analysis as the user runs it, offscreen, in both unit systems:
// File, Open; "Multiple"; "Cavity" and "Forage"; Compute on each stratum and on
// the single sheet; Correlation; the stratified sheet; the sample size; the
// statistical test; Print Preview; the guidelines; the other unit system; File,
// Open again. Along the way, answers refused and cancelled.
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

#include "platform/twips.h"
#include "print/frmPrintPreview.h"
#include "settings/frmGuidelines.h"
#include "shell/app_windows.h"
#include "shell/correlation.h"
#include "shell/stat_test_graph.h"

#include <QFontMetrics>
#include <QImage>
#include <QStyle>

namespace vernalt::test {
namespace {

// What one Compute run shows: grdOptimal(0) means and deviations, grdOptimal(2)
// total costs (rows 1 to 16), the lowest variance and total cost per plot unit.
using RunFigures = std::array<const char*, 4>;

// Figures of several boxes or cells are compared as one line of words.
struct UnitFigures {
    bool metric;
    const char* widths; // as the correlation's width prompt lists them
    // Stratum 1, stratum 2, single.
    std::array<RunFigures, 3> runs;
    // Per stratum: stratum, size, plot dimension, mean, deviation, n (stratum 2's
    // plot dimension chosen in the menu; "Automatic" would take Transect30 or Section66).
    const char* rows;
    // Single-stratum sheet: inputs, then the nine results.
    const char* simple;
    // Stratified sheet: per stratum plot size, area, mean, variance, weight; then the
    // equations and results.
    const char* stratified;
    // Sample size per stratum: sheet 0 (7 columns), sheet 1 (4 columns), i and the
    // allocations (n_i, area); then V and the optimal and proportional equations, as
    // on sheet 1 and then on the allocation grids.
    const char* sampleSize;
    // Statistical test with the stratified estimate and bound typed in: upper, lower.
    const char* limits;
    // Correlation of adjacent segments of the single sheet, first width.
    const char *correlationWidth, *correlation;
    // Transect40 or Transect132 under cost category 6, in dollars per sample.
    const char* categorySix;
};

// clang-format off
const UnitFigures Metric{
    true, "10, 20, 30 or 40",
    {{{"0.062 0.312 0.375 0.5 0.125 0.625 0.75 1 0.25 1.25 1.5 2 0.5 2.5 3 4",
       "0.25 0.479 0.5 0.516 0.354 0.744 0.886 0.756 0.5 0.957 1.29 1.41 0.707 2.12 2.83 2.83",
       "$425.25 $64.78 $51.46 $32.32 $419.25 $78.05 $80.76 $34.63 "
       "$415.71 $64.21 $85.66 $60.38 $414.22 $157.31 $205.84 $121.45", "49.7 0.375"},
      {"0.312 0.438 0.562 0.75 0.625 0.875 1.12 1.5 1.25 1.75 2.25 3 2.5 3.5 4.5 6",
       "0.479 0.512 0.629 0.577 0.518 0.641 0.641 0.926 0.957 1.26 0.957 0.816 0.707 2.12 0.707 0",
       "$61.50 $37.64 $36.23 $17.97 $35.92 $29.55 $18.92 $23.14 "
       "$60.94 $56.68 $20.92 $8.98 $16.63 $80.38 $6.64 $0.00", "5.55 0.375"},
      {"0.188 0.375 0.469 0.625 0.375 0.75 0.938 1.25 0.75 1.5 1.88 2.5 1.5 3 3.75 5",
       "0.397 0.492 0.567 0.554 0.5 0.683 0.772 0.856 0.886 1.07 1.13 1.2 1.29 1.83 1.89 2",
       "$116.62 $47.40 $42.33 $23.84 $93.00 $45.66 $39.18 $28.45 "
       "$144.98 $55.74 $41.83 $28.01 $153.77 $81.33 $58.76 $38.98", "25 0.375"}}},
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
    {{{"0.438 0.562 0.562 0.625 0.875 1.12 1.12 1.25 1.75 2.25 2.25 2.5 3.5 4.5 4.5 5",
       "0.512 0.629 0.629 0.619 0.835 0.835 0.835 0.707 1.5 1.71 1.71 1.29 3.54 3.54 3.54 2.83",
       "$37.64 $37.10 $38.85 $32.49 $50.16 $32.59 $34.92 $20.96 "
       "$80.90 $67.70 $72.14 $35.15 $226.02 $144.82 $154.30 $84.29", "4.53 0.395"},
      {"0.625 0.875 0.875 0.938 1.25 1.75 1.75 1.88 2.5 3.5 3.5 3.75 5 7 7 7.5",
       "0.619 0.619 0.619 0.68 0.886 0.886 0.886 0.835 1.29 0.577 0.577 0.957 0 0 0 0.707",
       "$27.02 $14.83 $15.53 $17.38 $27.65 $15.04 $16.11 $12.97 "
       "$29.39 $6.72 $7.16 $8.58 $0.00 $0.00 $0.00 $7.56", "0.34 0.395"},
      {"0.531 0.719 0.719 0.781 1.06 1.44 1.44 1.56 2.12 2.88 2.88 3.12 4.25 5.75 5.75 6.25",
       "0.567 0.634 0.634 0.659 0.854 0.892 0.892 0.814 1.36 1.36 1.36 1.25 2.22 2.5 2.5 2.22",
       "$31.40 $23.04 $24.12 $23.56 $35.79 $22.51 $24.12 $17.86 "
       "$45.35 $26.04 $27.74 $21.17 $60.23 $44.35 $47.26 $33.26", "3.35 0.395"}}},
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
    // Compute with sheet `sheet` selected, its prompts scripted before.
    void compute(int sheet) {
        w->optStratum[std::size_t(sheet)]->setChecked(true);
        w->cmdSubtotals->click();
    }
    // The six boxes of stratum row h: stratum, size, plot dimension, mean, deviation, n.
    std::array<QLineEdit*, 6> stratumBoxes(std::size_t h) {
        return {w->txtStratifiedStratum[h],        w->txtStratifiedStratumSize[h],
                w->txtStratifiedPlotDimensions[h], w->txtStratifiedAvgDensity[h],
                w->txtStratifiedStdDev[h],         w->txtStratifiedSampleSize[h]};
    }
    void expectRun(const RunFigures& f) {
        const Grid &g0 = *w->grdOptimal[0], &g2 = *w->grdOptimal[2];
        expectShown(columnOf(g0, 2, 1, 16) + columnOf(g0, 3, 1, 16) + columnOf(g2, 6, 1, 16) +
                        textsOf(w->lblLowestVariance, w->lblLowestTotalCost),
                    (std::string(f[0]) + ' ' + f[1] + ' ' + f[2] + ' ' + f[3]).c_str());
    }
    // Every result of each kind, empty or not: the optimal, subtotal, statistics and
    // sample size grids' row 1, and the labels of the pages.
    QStringList results() {
        QStringList out;
        for (Grid* g : {w->grdOptimal[0], w->grdOptimal[2], w->grdStats[0], w->grdSubtotal[0],
                        w->grdSampleSize[1], w->grdOptimalAllocation})
            out << g->text(1, 2);
        return out + textsOf(w->lblSimpleX, w->lblAvgAcres, w->lblLowestVariance,
                             w->lblLowestTotalCost, w->lblStratifiedX, w->lblCavityPercentUse[0],
                             w->lblStratifiedMeanEquations[1]);
    }
};

// Rows of an image in which at least `minimum` pixels are `colour`.
int rowsOf(const QImage& image, const QColor& colour, int minimum) {
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        int n = 0;
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
        rows += n >= minimum;
    }
    return rows;
}

TEST_P(SnagEndToEnd, AWholeAnalysisFromTheMenus) {
    const UnitFigures& f = GetParam();
    gSnagForm = w;
    w->show();
    if (!f.metric)
        w->mnuEnglish->trigger();

    openSurvey();
    ASSERT_EQ(w->status(), u"Status: Data file read"_s);
    ASSERT_EQ(w->grdStratum[0]->rows(), 67) << "66 stems and the title row";

    // "Multiple" on the single/combined sheet marks all five sheets.
    const QStringList criteria = {u"10"_s, u"2"_s, u"5"_s, u"3"_s};
    askCriteria(true, criteria);
    w->cmdFormMulti[0]->click();
    ASSERT_EQ(w->status(), u"Status: Widths Filled"_s);
    EXPECT_EQ(w->grdStratum[1]->rows() + w->grdStratum[2]->rows(), 28 + 40);

    // Cavity use of code 2 and forage use of code 1 on the sheets that hold
    // stems; every stem carries both codes.
    const char* uses[] = {"66 8 12.1 66 15 22.7", "27 4 14.8 27 7 25.9", "39 4 10.3 39 8 20.5"};
    for (std::size_t k = 0; k < 3; ++k) {
        for (bool forage : {false, true}) {
            askCriteria(false, criteria);
            askCode(forage, forage ? u"1"_s : u"2"_s);
            (forage ? w->cmdForage : w->cmdCavity)[k]->click();
        }
        expectShown(textsOf(w->lblCavityTotal[k], w->lblCavityCavSigns[k],
                            w->lblCavityPercentUse[k], w->lblForageTotal[k], w->lblForageSigns[k],
                            w->lblForagePercentUse[k]),
                    uses[k]);
    }
    // On the first sheet, a second run with a code no stem carries rewrites every
    // mark (column 17, "Qualifying"); a missing column, a cancel at any prompt or an
    // overflowing code then changes nothing.
    GridModel& sheet = *w->grdStratum[0]->grid();
    askCriteria(false, criteria);
    askCode(false, u"7"_s);
    w->cmdCavity[0]->click();
    const QString forage = sheet.text(0, 16), qualifying = sheet.text(0, 17);
    sheet.setText(0, 16, u"Use"_s);
    message(u"One or more of the following columns were not found: Decay, DBH, Height, Species, "
            u"Forage.",
            u"Column not found");
    w->cmdForage[0]->click();
    sheet.setText(0, 16, forage);
    sheet.setText(0, 17, u"Qualified"_s);
    message(u"The qualifying column was not found", u"Column not found");
    w->cmdCavity[0]->click();
    sheet.setText(0, 17, qualifying);
    // Prompts answered before the one that cancels, and its answer.
    const std::pair<int, QString> cancels[] = {{0, u""_s},   {1, u""_s},   {2, u""_s},
                                               {2, u"-1"_s}, {3, u""_s},   {3, u"-1"_s},
                                               {4, u""_s},   {4, u"-1"_s}, {4, u"40000"_s}};
    for (bool forage : {false, true})
        for (const auto& [answered, last] : cancels) {
            askCriteria(false, criteria.mid(0, answered) << last);
            if (answered == 4)
                askCode(forage, last);
            if (last == u"40000")
                errorReport(forage ? u"6 : Overflow - Snag Procedure 'cmdForage'"
                                   : u"6 : Overflow - Snag Procedure 'cmdCavity_Click'");
            (forage ? w->cmdForage : w->cmdCavity)[0]->click();
        }
    EXPECT_FALSE(columnOf(sheet, 17, 1, 66).contains(u"1"_s));
    expectShown(textsOf(w->lblCavityTotal[0], w->lblCavityCavSigns[0], w->lblCavityPercentUse[0],
                        w->lblForageTotal[0], w->lblForageSigns[0], w->lblForagePercentUse[0]),
                "66 0 0 66 15 22.7");

    // Compute on stratum 1, the first of all: the number of strata (2), the cost
    // category (1) and both sizes are asked, the refused answers again.
    askStrata("abc");
    askStrata("2");
    askCost("1");
    askSize(1, "600");
    askSize(2, "x");
    askSize(2, "400");
    compute(1);
    EXPECT_EQ(w->lblSubtotals->text(), u"Subtotals from Stratum 1"_s);
    expectRun(f.runs[0]);

    // Stratum 2 with its plot dimension chosen in the menu (row 12, the largest
    // section plot) instead of the automatic choice; it shows at this Compute,
    // which asks only the cost.
    overridden();
    w->mnuStratum2[12]->trigger();
    EXPECT_EQ(w->txtStratifiedPlotDimensions[1]->text(), u""_s) << "nothing recomputed";
    askCost("1");
    compute(2);
    expectRun(f.runs[1]);
    QStringList rows;
    for (std::size_t h = 0; h < 2; ++h)
        for (QLineEdit* box : stratumBoxes(h))
            rows << box->text();
    expectShown(rows, f.rows);

    // Compute on the single sheet: the number of strata is asked every time.
    askStrata("2");
    askCost("1");
    askSize(0, "1000");
    compute(0);
    expectRun(f.runs[2]);
    expectShown(textsOf(w->txtPlotDimensions, w->txtAverageDensity, w->txtStdDev, w->txtSampleSize,
                        w->txtSimpleLandscapeArea, w->lblPlotSize, w->lblPlotArea, w->lblAvgAcres,
                        w->lblVarianceAcres, w->lblSimpleX, w->lblSimpleBound,
                        w->lblSimpleUpperLimit, w->lblSimpleLowerLimit, w->lblSimplePrecision),
                f.simple);

    // Plots covering more than a landscape of 1 end the estimate: no old bound,
    // limits or precision stay.
    w->txtSimpleLandscapeArea->setText(u"1"_s);
    errorReport(u"5 : Invalid procedure call or argument - Snag Procedure 'CalcSimpleSheet'");
    w->CalcSimpleSheet();
    expectShown(textsOf(w->lblSimpleBound, w->lblSimpleUpperLimit, w->lblSimpleLowerLimit,
                        w->lblSimplePrecision),
                "_ _ _ _");

    // Category 6, asked again after a refusal; then a cancelled category keeps
    // what the run before showed.
    QString result;
    for (const char* answer : {"six", " 6 ", "9", "  "}) {
        askCost(answer);
        if (answer[0] == 's' || answer[0] == '9')
            message(u"Please enter a value 1-6", u"Error");
    }
    w->ComputeOptimal(result);
    w->ComputeOptimal(result);
    EXPECT_EQ(result, u"cancel"_s);
    EXPECT_EQ(w->grdOptimal[2]->text(16, 2), QString::fromLatin1(f.categorySix));

    // Correlation of adjacent segments along each transect of the single sheet;
    // a cancel at either question ends it.
    askLevel("Segment");
    askWidth(f.widths, f.correlationWidth);
    script.message(QString::fromLatin1(f.correlation), QString(), MsgIcon::None);
    w->cmdCorrelation->click();
    const int pairs = CorrelationPairs.rows();
    askLevel("");
    w->cmdCorrelation->click();
    askLevel("Segment");
    askWidth(f.widths, "");
    w->cmdCorrelation->click();
    EXPECT_EQ(CorrelationPairs.rows(), pairs);
    EXPECT_TRUE(script.done());

    // The stratified sheet: its page enables "Calculate Stratified Values". A third
    // and fourth stratum left from an earlier analysis take no part and show nothing,
    // here nor on the Sample Size page, not even what they showed before.
    const QStringList third = u"3 600 Section10 1 0.8 20"_s.split(u' ');
    for (int i = 0; i < 6; ++i)
        stratumBoxes(2)[std::size_t(i)]->setText(third[i]);
    w->txtStratifiedStratumSize[3]->setText(u"2500"_s);
    for (QLabel* l : {w->lblStratifiedPlotSize[2], w->lblStratifiedMeanEquations[2]})
        l->setText(u"3"_s);
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
                                     w->lblStratifiedPrecision, w->lblStratifiedPlotSize[2],
                                     w->lblStratifiedMeanEquations[2]),
                (f.stratified + std::string(" _ _")).c_str());

    // The sample size, computed as its page opens; no third stratum on sheet 1.
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageSampleSize);
    const GridModel& s1 = *w->grdSampleSize[1]->grid();
    const GridModel& opt = *w->grdOptimalAllocation->grid();
    const GridModel& prop = *w->grdProportionalAllocation->grid();
    QStringList sampleSize;
    for (int i = 1; i <= 2; ++i)
        sampleSize << rowOf(*w->grdSampleSize[0], i, 0, 6) + rowOf(s1, i, 0, 3) +
                          rowOf(opt, i, 1, 3) + rowOf(prop, i, 2, 3);
    expectShown(sampleSize +
                    QStringList{s1.text(1, 4), s1.text(2, 5), s1.text(2, 6), opt.text(1, 0),
                                prop.text(1, 0), s1.text(3, 5), w->lblTValue[1]->text()} +
                    rowOf(*w->grdSampleSize[0], 3, 0, 6) + rowOf(opt, 3, 1, 2) +
                    rowOf(opt, 4, 1, 2),
                (f.sampleSize + std::string(" | _ _ _ _ _ _ _ | 3 _ 4 _")).c_str());

    // The statistical test of the stratified estimate against a target of 10.
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageStatisticalTest);
    w->txtTargetValue->setText(u"10"_s);
    w->txtEstimatedValue->setText(w->lblStratifiedX->text());
    w->txtBound->setText(w->lblStratifiedBound->text());
    expectShown(textsOf(w->txtUpperLimit, w->txtLowerLimit), f.limits);

    // A stratified sheet that fails part way is reported; what it wrote before stays.
    const QString mean = w->lblStratifiedMeanEquations[1]->text();
    w->txtStratifiedSampleSize[1]->clear();
    errorReport(u"13 : Type mismatch - Snag Procedure 'CalcStratifiedSheet'");
    w->cmdCalcStratified->click();
    expectShown(textsOf(w->lblStratifiedMeanEquations[1], w->lblStratifiedVarianceEquations[1],
                        w->lblStratifiedX, w->lblStratifiedPrecision),
                (mean + u" _ _ _"_s).toLatin1().constData());

    // Print Preview of the finished window, its graph drawn: the blue estimate
    // line runs across most of the picture.
    w->mnuPrint->trigger();
    auto* preview = qobject_cast<frmPrintPreview*>(loadedWindows().last());
    ASSERT_TRUE(preview && preview->isVisible());
    EXPECT_GE(rowsOf(preview->picPrintPreview->picture(), EstimateColour,
                     w->picStatTest->width() * 3 / 4),
              1);

    // Nothing of the finished window is cut off: the longest plot-dimension names
    // fit their grid columns, within the cells' margins and grid line, and the
    // scale labels hold their values.
    for (const auto& [g, col] : {std::pair{w->grdStats[0], 0},
                                 {w->grdStats[1], 0},
                                 {w->grdOptimal[0], 0},
                                 {w->grdOptimal[2], 0},
                                 {w->grdSampleSize[0], 3}}) {
        const int margin = g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g) + 1;
        const int room = twipsToPixelsX(g->grid()->colWidth(col)) - 1 - 2 * margin;
        for (int r = 1; r < g->rows(); ++r)
            EXPECT_LE(QFontMetrics(g->font()).horizontalAdvance(g->text(r, col)), room)
                << g->text(r, col).toStdString();
    }
    for (QLabel* l : {w->lblStat100, w->lblStat75, w->lblStatMinus25}) {
        EXPECT_LE(l->fontMetrics().horizontalAdvance(u"-0.0625"_s), l->width());
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width());
    }

    // The cost guidelines, in the window's unit system.
    w->mnuGuidelines->trigger();
    ASSERT_TRUE(frmGuidelines::instance() && frmGuidelines::instance()->isVisible());
    EXPECT_EQ(frmGuidelines::instance()->grdGuidelines->text(17, 6),
              QString::fromLatin1(f.categorySix));

    // The other unit system empties every result, none of them in its units; the
    // data, the boxes and the check marks stay.
    w->mnuWidth30->setChecked(false);
    (f.metric ? w->mnuEnglish : w->mnuMetric)->trigger();
    expectShown(results(), "_ _ _ _ _ _ | _ _ _ _ _ _ _");
    expectShown({w->grdOptimal[0]->text(1, 0), w->grdStratum[0]->text(1, 5),
                 w->txtSimpleLandscapeArea->text()},
                f.metric ? "Subsegment33 1 1" : "Subsegment10 1 1");
    EXPECT_TRUE(w->mnuMetric->isChecked() != f.metric && !w->mnuWidth30->isChecked());

    // Opening the file again starts the analysis afresh: results, data and inputs
    // are gone, the defaults are back and mirrored, the menu choices stay.
    w->txtOptimalTvalue->setText(u"2.66"_s);
    w->txtOptimalPrecisionLevel->setText(u".1"_s);
    w->optStratum[3]->setChecked(true);
    openSurvey();
    EXPECT_EQ(w->status(), u"Status: Data file read"_s);
    expectShown(textsOf(w->lblStratifiedMeanEquations[1], w->lblCavityTotal[0], w->txtNumStrata,
                        w->txtStratifiedPlotDimensions[0], w->txtSimpleLandscapeArea,
                        w->lblTValue[0], w->lblTValue[1], w->lblPrecisionLevel[0]),
                "_ _ _ _ _ 1.67 1.67 .2");
    EXPECT_EQ(w->grdStratum[1]->text(1, 6), u""_s);
    EXPECT_TRUE(w->optStratum[0]->isChecked() && w->mnuStratum2[12]->isChecked());
    EXPECT_EQ(w->ssTabMain->currentIndex(), frmMainSnag::PageSingleCombined);
}

INSTANTIATE_TEST_SUITE_P(BothUnitSystems, SnagEndToEnd, ::testing::Values(Metric, English),
                         [](const ::testing::TestParamInfo<UnitFigures>& info) {
                             return std::string(info.param.metric ? "Metric" : "English");
                         });

} // namespace
} // namespace vernalt::test
