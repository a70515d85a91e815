// "Calculate Stratified Values" on the window: the stratum rows filled as
// Compute fills them, the labels of the stratified page read back.
#include "snag_window_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using SnagStratified = SnagWindowTest;

struct Row {
    const char *stratum, *size, *plotDimension, *avgDensity, *stdDev, *sampleSize;
};

void fillRow(frmMainSnag& w, int h, const Row& r) {
    const auto i = std::size_t(h);
    w.txtStratifiedStratum[i]->setText(QString::fromLatin1(r.stratum));
    w.txtStratifiedStratumSize[i]->setText(QString::fromLatin1(r.size));
    w.txtStratifiedPlotDimensions[i]->setText(QString::fromLatin1(r.plotDimension));
    w.txtStratifiedAvgDensity[i]->setText(QString::fromLatin1(r.avgDensity));
    w.txtStratifiedStdDev[i]->setText(QString::fromLatin1(r.stdDev));
    w.txtStratifiedSampleSize[i]->setText(QString::fromLatin1(r.sampleSize));
}

// Three strata of 1500, 900 and 600 ha (worked by hand in the estimate's tests).
void fillThreeStrata(frmMainSnag& w) {
    fillRow(w, 0, {"1", "1,500", "Segment10", "2", "1.5", "40"});
    fillRow(w, 1, {"2", "900", "Section20", "3", "2", "25"});
    fillRow(w, 2, {"3", "600", "Section10", "1", "0.8", "20"});
    w.txtNumStrata->setText(u"3"_s);
}

// Two strata of 600 and 400 ha.
void fillTwoStrata(frmMainSnag& w) {
    fillRow(w, 0, {"1", "600", "Segment10", "2", "1.5", "40"});
    fillRow(w, 1, {"2", "400", "Section20", "3", "2", "25"});
    w.txtNumStrata->setText(u"2"_s);
}

QStringList rowTexts(const frmMainSnag& w, int h) {
    const auto i = std::size_t(h);
    return {w.lblStratifiedPlotSize[i]->text(), w.lblStratifiedPlotArea[i]->text(),
            w.lblStratifiedAvgAcres[i]->text(), w.lblStratifiedVarianceHectares[i]->text(),
            w.lblStratifiedStratumWeight[i]->text()};
}

QStringList resultTexts(const frmMainSnag& w) {
    return {w.lblStratifiedX->text(),          w.lblStratifiedVar->text(),
            w.lblStratifiedS->text(),          w.lblStratifiedBound->text(),
            w.lblStratifiedUpperLimit->text(), w.lblStratifiedLowerLimit->text(),
            w.lblStratifiedPrecision->text()};
}

const QStringList EmptyRow = {u""_s, u""_s, u""_s, u""_s, u""_s};

TEST_F(SnagStratified, FewerStrataEmptyTheRowsNoLongerInUse) {
    frmMainSnag* w = open();
    fillThreeStrata(*w);
    w->cmdCalcStratified_Click();
    w->SampleSize();
    ASSERT_EQ(w->grdOptimalAllocation->text(3, 1), u"3"_s);
    // A new two-strata analysis: stratum 3's boxes keep their texts, box 4 has a
    // size from earlier still.
    fillTwoStrata(*w);
    w->txtStratifiedStratumSize[3]->setText(u"2500"_s);
    w->cmdCalcStratified_Click();
    EXPECT_EQ(rowTexts(*w, 0), (QStringList{u"250"_s, u"0.025"_s, u"80"_s, u"3600"_s, u"0.6"_s}));
    EXPECT_EQ(rowTexts(*w, 1), (QStringList{u"1000"_s, u"0.1"_s, u"30"_s, u"400"_s, u"0.4"_s}));
    EXPECT_EQ(rowTexts(*w, 2), EmptyRow);
    EXPECT_EQ(w->lblStratifiedMeanEquations[1]->text(), u"60"_s);
    EXPECT_EQ(w->lblStratifiedMeanEquations[2]->text(), u""_s);
    EXPECT_EQ(w->lblStratifiedVarianceEquations[2]->text(), u""_s);
    EXPECT_EQ(resultTexts(*w), (QStringList{u"60"_s, u"34.9"_s, u"5.91"_s, u"9.87"_s, u"69.9"_s,
                                            u"50.1"_s, u"16.4"_s}));
    // The sample size page keeps no row of stratum 3 either.
    w->SampleSize();
    EXPECT_EQ(w->grdSampleSize[0]->text(1, 2), u"0.6"_s);
    for (Grid* g : {w->grdSampleSize[0], w->grdSampleSize[1], w->grdOptimalAllocation,
                    w->grdProportionalAllocation})
        for (int c = 0; c < g->cols(); ++c)
            EXPECT_EQ(g->text(3, c), QString()) << c;
}

TEST_F(SnagStratified, AnErrorIsReportedAndTheLabelsBeforeItStay) {
    frmMainSnag* w = open();
    fillThreeStrata(*w);
    w->cmdCalcStratified_Click();
    w->txtStratifiedSampleSize[1]->clear();
    script.message(u"13 : Type mismatch - Snag Procedure 'CalcStratifiedSheet'"_s, u"Error"_s,
                   MsgIcon::Exclamation);
    w->cmdCalcStratified_Click();
    EXPECT_EQ(w->lblStratifiedMeanEquations[1]->text(), u"49"_s);
    EXPECT_EQ(w->lblStratifiedVarianceEquations[1]->text(), u""_s);
    EXPECT_EQ(rowTexts(*w, 2), EmptyRow); // not reached
    EXPECT_EQ(w->lblStratifiedX->text(), u""_s);
    EXPECT_EQ(w->lblStratifiedPrecision->text(), u""_s);
}

TEST_F(SnagStratified, EnglishUnitsDivideByTheAcre) {
    frmMainSnag* w = open();
    w->mnuEnglish_Click();
    // Segment33 is 3300 ft^2: 3300 / 43560 = 0.07576 acres, shown 0.076.
    fillRow(*w, 0, {"1", "60", "Segment33", "2", "1", "10"});
    fillRow(*w, 1, {"2", "40", "Segment33", "4", "1", "10"});
    w->txtNumStrata->setText(u"2"_s);
    w->cmdCalcStratified_Click();
    // 2 / 0.076 = 26.32; (1 / 0.076)^2 = 173.1
    EXPECT_EQ(rowTexts(*w, 0), (QStringList{u"3300"_s, u"0.076"_s, u"26.3"_s, u"173"_s, u"0.6"_s}));
    // 4 / 0.076 = 52.63; (60 x 26.3 + 40 x 52.6) / 100 = 36.82
    EXPECT_EQ(w->lblStratifiedAvgAcres[1]->text(), u"52.6"_s);
    EXPECT_EQ(w->lblStratifiedMeanEquations[1]->text(), u"36.8"_s);
}

// ---- The gate of "Calculate Stratified Values" -----------------------------------

struct GateCase {
    const char* what;
    const char* numStrata;
    int filledRows; // plot-dimension boxes filled from row 0
    bool enabled;
};

const GateCase Gates[] = {
    {"two strata, two rows", "2", 2, true},
    {"three strata, two rows", "3", 2, false},
    {"2.0 is not 2", "2.0", 4, false},
};

TEST_F(SnagStratified, TheButtonIsEnabledOnlyWhenEveryRowInUseIsFilled) {
    frmMainSnag* w = open();
    w->ssTabFormula->setCurrentIndex(1);
    for (const GateCase& c : Gates) {
        for (int h = 0; h < 4; ++h)
            w->txtStratifiedPlotDimensions[std::size_t(h)]->setText(
                h < c.filledRows ? u"Segment10"_s : QString());
        w->txtNumStrata->setText(QString::fromLatin1(c.numStrata));
        w->ssTabFormula_Click(0);
        EXPECT_FALSE(w->cmdCalcStratified->isHidden()) << c.what;
        EXPECT_EQ(w->cmdCalcStratified->isEnabled(), c.enabled) << c.what;
    }
    w->ssTabFormula->setCurrentIndex(0);
    EXPECT_TRUE(w->cmdCalcStratified->isHidden()) << "the simple page hides it";
    EXPECT_EQ(w->status(), u"WARNING: The number of strata has not been set"_s);
}

TEST_F(SnagStratified, TheEnabledButtonComputesTheSheetAndTheSampleSizePageFollows) {
    frmMainSnag* w = open();
    w->txtOptimalTvalue->setText(u"2"_s);
    fillTwoStrata(*w);
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageDensities);
    w->ssTabFormula->setCurrentIndex(1);
    w->ssTabFormula_Click(0);
    ASSERT_TRUE(w->cmdCalcStratified->isEnabled());
    w->cmdCalcStratified->click();
    EXPECT_EQ(w->lblStratifiedX->text(), u"60"_s);
    EXPECT_EQ(w->lblStratifiedPrecision->text(), u"16.4"_s);

    w->ssTabMain->setCurrentIndex(frmMainSnag::PageSampleSize);
    w->ssTabMain_Click(frmMainSnag::PageDensities);
    EXPECT_EQ(w->grdSampleSize[1]->text(2, 5), u"35.9"_s);
    EXPECT_EQ(w->grdProportionalAllocation->text(1, 0), u"64.4"_s);
}

} // namespace
} // namespace vernalt::test
