// DefaultSingle, DefaultStratified and CalcSimpleSheet on an open window, with
// the optimal grids filled as ComputeOptimal leaves them.
#include "snag_window_fixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

class SnagEstimates : public SnagWindowTest {
  protected:
    // Total costs of two rows (Section30 dearer than Segment30), the rest without
    // cost; statistics and counts of those two rows.
    frmMainSnag* openWithRatings() {
        frmMainSnag* w = open();
        for (int i = 1; i <= 16; ++i)
            w->grdOptimal[2]->setText(i, 6, u"$0.00"_s);
        w->grdOptimal[2]->setText(11, 6, u"$10.00"_s);
        w->grdOptimal[2]->setText(7, 6, u"$9.50"_s);
        w->grdOptimal[0]->setText(7, 2, u"1.25"_s);
        w->grdOptimal[0]->setText(7, 3, u"0.8"_s);
        w->PlotCounts[7] = 32;
        w->grdOptimal[0]->setText(6, 2, u"0.5"_s);
        w->grdOptimal[0]->setText(6, 3, u"1"_s);
        w->PlotCounts[6] = 16;
        return w;
    }
    static void imposed(std::array<QAction*, 17>& items, int k) {
        for (QAction* a : items)
            a->setChecked(false);
        items[std::size_t(k)]->setChecked(true);
    }
    static QString labels(const frmMainSnag* w) {
        QStringList t;
        for (const QLabel* l : {w->lblPlotSize, w->lblPlotArea, w->lblAvgAcres, w->lblVarianceAcres,
                                w->lblSimpleX, w->lblSimpleBound, w->lblSimpleUpperLimit,
                                w->lblSimpleLowerLimit, w->lblSimplePrecision})
            t << l->text();
        return t.join(u'|');
    }
    void fillSimpleSheet(frmMainSnag* w, const char16_t* name, const char16_t* mean,
                         const char16_t* sd, const char16_t* n, const char16_t* area,
                         const char16_t* t) {
        w->txtPlotDimensions->setText(QString::fromUtf16(name));
        w->txtAverageDensity->setText(QString::fromUtf16(mean));
        w->txtStdDev->setText(QString::fromUtf16(sd));
        w->txtSampleSize->setText(QString::fromUtf16(n));
        w->txtSimpleLandscapeArea->setText(QString::fromUtf16(area));
        w->txtSimpleTvalue->setText(QString::fromUtf16(t));
    }
};

// ---- DefaultSingle ---------------------------------------------------------------------

TEST_F(SnagEstimates, SingleTakesTheCheapestRowOrTheOneTheMenuImposes) {
    struct Case {
        const char* what;
        int imposed; // 0: Automatic
        const char16_t *name, *mean, *sd, *n;
    } cases[] = {
        {"automatic: the cheapest non-zero total cost", 0, u"Segment30", u"1.25", u"0.8", u"32"},
        {"Segment20 imposed", 6, u"Segment20", u"0.5", u"1", u"16"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        frmMainSnag* w = openWithRatings();
        imposed(w->mnuSingle, c.imposed);
        w->txtSimpleLandscapeArea->setText(u"500"_s);
        w->DefaultSingle();
        EXPECT_EQ(w->txtPlotDimensions->text(), QString::fromUtf16(c.name));
        EXPECT_EQ(w->txtAverageDensity->text(), QString::fromUtf16(c.mean));
        EXPECT_EQ(w->txtStdDev->text(), QString::fromUtf16(c.sd));
        EXPECT_EQ(w->txtSampleSize->text(), QString::fromUtf16(c.n)); // the plots in the data
        EXPECT_EQ(w->txtSimpleLandscapeArea->text(), u"500"_s);
    }
}

TEST_F(SnagEstimates, SingleAsksTheLandscapeAreaUntilItIsANumberOrCancelled) {
    const QString prompt = u"Please enter the Stratum Size"_s, title = u"Stratum Size"_s;
    frmMainSnag* w = openWithRatings();
    script.input(prompt, title, u"big"_s).input(prompt, title, u"2,500"_s);
    w->DefaultSingle();
    EXPECT_EQ(w->txtSimpleLandscapeArea->text(), u"2500"_s);

    w->txtSimpleLandscapeArea->clear();
    script.input(prompt, title, u""_s);
    w->DefaultSingle();
    EXPECT_EQ(w->txtSimpleLandscapeArea->text(), u""_s);
    EXPECT_EQ(w->txtPlotDimensions->text(), u"Segment30"_s);
}

// ---- DefaultStratified -------------------------------------------------------------------

TEST_F(SnagEstimates, StratifiedFillsItsRowAndAsksEveryEmptySize) {
    frmMainSnag* w = openWithRatings();
    imposed(w->mnuStratum2, 7);
    w->txtNumStrata->setText(u"3"_s);
    const QString title = u"Stratum Size"_s;
    script.input(u"Please enter the Stratum 1 Size"_s, title, u"100"_s);
    script.input(u"Please enter the Stratum 2 Size"_s, title, u""_s);
    script.input(u"Please enter the Stratum 3 Size"_s, title, u"x"_s);
    script.input(u"Please enter the Stratum 3 Size"_s, title, u"40.25"_s);
    std::int16_t stratum = 2;
    w->DefaultStratified(stratum);
    EXPECT_TRUE(script.done());
    const auto i = std::size_t(1);
    EXPECT_EQ(
        (QStringList{w->txtStratifiedStratum[i]->text(), w->txtStratifiedPlotDimensions[i]->text(),
                     w->txtStratifiedAvgDensity[i]->text(), w->txtStratifiedStdDev[i]->text(),
                     w->txtStratifiedSampleSize[i]->text()}),
        (QStringList{u"2"_s, u"Segment30"_s, u"1.25"_s, u"0.8"_s, u"32"_s}));
    QStringList sizes; // stratum 3's 40.25 goes half to even
    for (const QLineEdit* box : w->txtStratifiedStratumSize)
        sizes << box->text();
    EXPECT_EQ(sizes, (QStringList{u"100"_s, u""_s, u"40.2"_s, u""_s}));
    EXPECT_EQ(w->txtStratifiedStratum[0]->text(), u""_s); // other rows untouched
}

TEST_F(SnagEstimates, StratifiedAutomaticAndFilledSizesNotAskedAgain) {
    frmMainSnag* w = openWithRatings();
    imposed(w->mnuStratum1, 6); // another stratum's choice does not count
    w->txtNumStrata->setText(u"2"_s);
    w->txtStratifiedStratumSize[0]->setText(u"80"_s);
    w->txtStratifiedStratumSize[1]->setText(u"120"_s);
    std::int16_t stratum = 2;
    w->DefaultStratified(stratum);
    EXPECT_EQ(w->txtStratifiedPlotDimensions[1]->text(), u"Segment30"_s);
    EXPECT_EQ(w->txtStratifiedStratumSize[1]->text(), u"120"_s);
}

TEST_F(SnagEstimates, StratifiedWithoutANumberOfStrataIsReported) {
    frmMainSnag* w = openWithRatings();
    w->txtNumStrata->setText(u"abc"_s);
    script.message(u"13 : Type mismatch - Snag Procedure 'DefaultStratified'"_s, u"Error"_s,
                   MsgIcon::Exclamation);
    std::int16_t stratum = 1;
    w->DefaultStratified(stratum);
    EXPECT_EQ(w->txtStratifiedPlotDimensions[0]->text(), u"Segment30"_s); // written before
}

// ---- CalcSimpleSheet ----------------------------------------------------------------------

TEST_F(SnagEstimates, SimpleSheetPerAcre) {
    frmMainSnag* w = open();
    w->mnuEnglish_Click();
    fillSimpleSheet(w, u"Subsegment132", u"3", u"2", u"25", u"500", u"2");
    w->CalcSimpleSheet();
    // The formulas are tested on their own; this is where the page finds them.
    EXPECT_EQ(labels(w), u"6600|0.152|19.7|174|19.7|5.26|25|14.4|26.7"_s);
    EXPECT_EQ(w->lblSimpleAvgAcres->text(), u"Average (#/acre)"_s);
}

TEST_F(SnagEstimates, SimpleSheetShowsNothingOldWhereAStepFails) {
    frmMainSnag* w = open();
    fillSimpleSheet(w, u"Segment10", u"2", u"1.5", u"64", u"1000", u"1.67");
    w->CalcSimpleSheet();
    w->txtSampleSize->setText(u""_s);
    w->CalcSimpleSheet();
    EXPECT_EQ(labels(w), u"250|0.025|80|3600|80||80|80|0"_s);
}

TEST_F(SnagEstimates, SimpleSheetLandscapeSmallerThanThePlots) {
    frmMainSnag* w = open();
    fillSimpleSheet(w, u"Segment10", u"2", u"1.5", u"64", u"1", u"1.67");
    script.message(u"5 : Invalid procedure call or argument - Snag Procedure 'CalcSimpleSheet'"_s,
                   u"Error"_s, MsgIcon::Exclamation);
    w->CalcSimpleSheet();
    EXPECT_EQ(labels(w), u"250|0.025|80|3600|80||||"_s);
}

// ---- The three in a row, as Compute runs them ---------------------------------------------

TEST_F(SnagEstimates, FromTheRatingToTheSimpleSheet) {
    frmMainSnag* w = open();
    w->grdOptimal[0]->setText(1, 2, u"2"_s);
    w->grdOptimal[0]->setText(1, 3, u"1.5"_s);
    w->grdStats[0]->setText(1, 3, u"64"_s);
    w->PlotCounts[1] = 64;
    script.input(u"Enter the numeric code for the General Cost per Sample category (found under "
                 u"the View menu) you would like to use for this stratum."_s,
                 u"General Cost Per Sample"_s, u"1"_s);
    script.input(u"Please enter the Stratum Size"_s, u"Stratum Size"_s, u"1000"_s);
    QString result;
    w->ComputeOptimal(result);
    w->DefaultSingle();
    w->CalcSimpleSheet();
    EXPECT_EQ(w->txtPlotDimensions->text(), u"Subsegment10"_s); // the only row with a cost
    EXPECT_EQ(w->txtSampleSize->text(), u"64"_s);
    // The shown plot area 0.012 (0.0125 half to even) divides the mean: 2 / 0.012 = 166.7;
    // bound 1.67 x sqrt(14400 / 64) x sqrt(1 - 64 x 0.012 / 1000) = 25.04.
    EXPECT_EQ(labels(w), u"125|0.012|167|14400|167|25|192|142|15"_s);
}

} // namespace
} // namespace vernalt::test
