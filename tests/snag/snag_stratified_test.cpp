// "Calculate Stratified Values" on the window: the stratum rows filled as
// Compute fills them, the labels of the stratified page read back.
#include "snag_window_fixture.h"

#include <QLabel>
#include <QLineEdit>

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
    // The sample size page keeps no figure of stratum 3 either; the allocation
    // grids still number their rows.
    w->SampleSize();
    EXPECT_EQ(w->grdSampleSize[0]->text(1, 2), u"0.6"_s);
    for (Grid* g : {w->grdSampleSize[0], w->grdSampleSize[1], w->grdOptimalAllocation,
                    w->grdProportionalAllocation})
        for (int c = 0; c < g->cols(); ++c)
            EXPECT_EQ(g->text(3, c), g->cols() == 4 && c == 1 ? u"3"_s : QString()) << c;
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

} // namespace
} // namespace vernalt::test
