// The estimate sheets as Compute fills them from the optimal grids: the areas
// asked until they are numbers or cancelled, and the faults that stop a sheet
// part way, reported with what was written before them.
#include "snag_window_fixture.h"
#include "support/texts.h"

namespace vernalt::test {
namespace {

class SnagEstimates : public SnagWindowTest {
  protected:
    // The optimal grids as a Compute leaves them: Segment30 (row 7) the cheapest
    // row with a total cost, its mean 1.25, deviation 0.8 and 32 plots.
    void SetUp() override {
        w = open();
        for (int i = 1; i <= 16; ++i)
            w->grdOptimal[2]->setText(i, 6, u"$0.00"_s);
        w->grdOptimal[2]->setText(11, 6, u"$10.00"_s);
        w->grdOptimal[2]->setText(7, 6, u"$9.50"_s);
        w->grdOptimal[0]->setText(7, 2, u"1.25"_s);
        w->grdOptimal[0]->setText(7, 3, u"0.8"_s);
        w->PlotCounts[7] = 32;
    }
    QStringList stratumRow(int k) {
        const auto i = std::size_t(k);
        return textsOf(w->txtStratifiedStratum[i], w->txtStratifiedPlotDimensions[i],
                       w->txtStratifiedAvgDensity[i], w->txtStratifiedStdDev[i],
                       w->txtStratifiedSampleSize[i]);
    }
    QStringList boxes() {
        QStringList out;
        for (const QLineEdit* box : w->txtStratifiedStratumSize)
            out << box->text();
        return out;
    }
    frmMainSnag* w = nullptr;
};

// The landscape area is asked while empty, again after an answer that is no
// number; commas go, and Cancel leaves it empty.
TEST_F(SnagEstimates, TheLandscapeAreaIsAskedUntilItIsANumberOrCancelled) {
    askSize(0, "big");
    askSize(0, "2,500");
    w->DefaultSingle();
    expectShown(textsOf(w->txtPlotDimensions, w->txtAverageDensity, w->txtStdDev, w->txtSampleSize,
                        w->txtSimpleLandscapeArea),
                "Segment30 1.25 0.8 32 2500");
    w->DefaultSingle(); // not asked again
    w->txtSimpleLandscapeArea->clear();
    askSize(0, "");
    w->DefaultSingle();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(w->txtSimpleLandscapeArea->text(), QString());
}

// A stratum's row, then every empty size of strata 1 to the number of strata:
// Cancel leaves one empty, a word is asked again, 40.25 shows as 40.2 (half to
// even). A number of strata that is no number, or more strata than the sheet
// has rows, is reported after the row was written.
TEST_F(SnagEstimates, AStratumRowThenEveryEmptySize) {
    w->txtNumStrata->setText(u"3"_s);
    askSize(1, "100");
    askSize(2, "");
    askSize(3, "x");
    askSize(3, "40.25");
    std::int16_t stratum = 2;
    w->DefaultStratified(stratum);
    EXPECT_TRUE(script.done());
    expectShown(stratumRow(1) + boxes(), "2 Segment30 1.25 0.8 32 | 100 _ 40.2 _");
    expectShown(stratumRow(0), "_ _ _ _ _");

    const struct {
        const char* strata;
        const char* message;
    } faults[] = {
        {"abc", "13 : Type mismatch - Snag Procedure 'DefaultStratified'"},
        {"5", "9 : Subscript out of range - Snag Procedure 'DefaultStratified'"},
    };
    for (const auto& f : faults) {
        SCOPED_TRACE(f.strata);
        for (QLineEdit* box : w->txtStratifiedStratumSize)
            box->setText(u"50"_s);
        for (QLineEdit* box : w->txtStratifiedPlotDimensions)
            box->clear();
        w->txtNumStrata->setText(QString::fromLatin1(f.strata));
        script.message(QString::fromLatin1(f.message), u"Error"_s, MsgIcon::Exclamation);
        stratum = 4;
        w->DefaultStratified(stratum);
        EXPECT_TRUE(script.done());
        EXPECT_EQ(w->txtStratifiedPlotDimensions[3]->text(), u"Segment30"_s);
    }
}

// A landscape smaller than the plots sampled (64 x 0.025 ha in 1 ha) leaves no
// finite-population factor: the labels up to the estimate stay, the bound and
// what follows from it are empty, and the failure is reported.
TEST_F(SnagEstimates, ALandscapeSmallerThanThePlotsStopsAtTheBound) {
    for (const auto& [box, text] : {std::pair{w->txtPlotDimensions, "Segment10"},
                                    {w->txtAverageDensity, "2"},
                                    {w->txtStdDev, "1.5"},
                                    {w->txtSampleSize, "64"},
                                    {w->txtSimpleLandscapeArea, "1"},
                                    {w->txtSimpleTvalue, "1.67"}})
        box->setText(QString::fromLatin1(text));
    w->lblSimpleBound->setText(u"old"_s);
    script.message(u"5 : Invalid procedure call or argument - Snag Procedure 'CalcSimpleSheet'"_s,
                   u"Error"_s, MsgIcon::Exclamation);
    w->CalcSimpleSheet();
    EXPECT_TRUE(script.done());
    // Plot 250 m2 = 0.025 ha; 2 / 0.025 = 80 per ha; (1.5 / 0.025)^2 = 3600.
    expectShown(textsOf(w->lblPlotSize, w->lblPlotArea, w->lblAvgAcres, w->lblVarianceAcres,
                        w->lblSimpleX, w->lblSimpleBound, w->lblSimpleUpperLimit,
                        w->lblSimpleLowerLimit, w->lblSimplePrecision),
                "250 0.025 80 3600 80 _ _ _ _");
}

} // namespace
} // namespace vernalt::test
