// ComputeOptimal on an open window: the statistics grids filled as the
// statistics step leaves them, the cost category answered by script.
#include "snag_window_fixture.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const QString CostPrompt = u"Enter the numeric code for the General Cost per Sample category "
                           u"(found under the View menu) you would like to use for this stratum."_s;
const QString CostTitle = u"General Cost Per Sample"_s;

class SnagOptimal : public SnagWindowTest {
  protected:
    // Subsegment10 with mean 2, sd 1.5 and 64 plots, as the statistics step writes them.
    frmMainSnag* openWithStatistics() {
        frmMainSnag* w = open();
        w->grdOptimal[0]->setText(1, 2, u"2"_s);
        w->grdOptimal[0]->setText(1, 3, u"1.5"_s);
        w->grdStats[0]->setText(1, 1, u"2"_s);
        w->grdStats[0]->setText(1, 2, u"1.5"_s);
        w->grdStats[0]->setText(1, 3, u"64"_s);
        return w;
    }
    void refused(const QString& answer) {
        script.input(CostPrompt, CostTitle, answer);
        script.message(u"Please enter a value 1-6"_s, u"Error"_s, MsgIcon::None);
    }
};

TEST_F(SnagOptimal, TheWorkedSubsegment10Row) {
    frmMainSnag* w = openWithStatistics();
    script.input(CostPrompt, CostTitle, u"1"_s);
    QString result;
    w->ComputeOptimal(result);
    EXPECT_EQ(result, u""_s);
    // The figures are worked out by a function tested on its own; one of each grid.
    EXPECT_EQ(w->grdOptimal[0]->text(1, 5), u"14400"_s);
    EXPECT_EQ(w->grdOptimal[1]->text(1, 2), u"39.2"_s);
    EXPECT_EQ(w->grdOptimal[2]->text(1, 6), u"$24.00"_s);
    EXPECT_EQ(w->lblLowestVariance->text(), u"14400"_s);
    EXPECT_EQ(w->lblLowestTotalCost->text(), u"0.375"_s);
    // Names and plot sizes stay as the relabelling wrote them.
    EXPECT_EQ(w->grdOptimal[2]->text(1, 0), u"Subsegment10"_s);
    EXPECT_EQ(w->grdOptimal[2]->text(16, 1), u"4000"_s);
    // A width the statistics left out: no count, no snags.
    EXPECT_EQ(w->grdOptimal[1]->text(9, 4), u""_s);
    EXPECT_EQ(w->grdOptimal[2]->text(9, 6), u"$0.00"_s);
}

TEST_F(SnagOptimal, RefusedCategoriesAreAskedAgain) {
    frmMainSnag* w = openWithStatistics();
    refused(u"2.5"_s); // which answers pass is tested on its own
    refused(u"six"_s);
    script.input(CostPrompt, CostTitle, u"  6 "_s);
    QString result;
    w->ComputeOptimal(result);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(result, u""_s);
    // Metric category 6: Transect40 costs 15.64; 2.12 + 15.6 shows 17.7.
    EXPECT_EQ(w->grdOptimal[2]->text(16, 2), u"15.64"_s);
    EXPECT_EQ(w->grdOptimal[2]->text(16, 3), u"17.7"_s);
    EXPECT_EQ(w->grdOptimal[2]->text(1, 2), u"0.43"_s);
}

TEST_F(SnagOptimal, EnglishCostsFollowTheUnitSystem) {
    frmMainSnag* w = open();
    w->mnuEnglish_Click();
    script.input(CostPrompt, CostTitle, u"6"_s);
    QString result;
    w->ComputeOptimal(result);
    EXPECT_EQ(w->grdOptimal[2]->text(16, 2), u"19.07"_s);
    EXPECT_EQ(w->grdOptimal[2]->text(16, 3), u"21.2"_s); // 2.12 + 19.1
    EXPECT_EQ(w->lblLowestVariance->text(), u"-1"_s);    // no variance at all
}

TEST_F(SnagOptimal, CancelStopsTheRunBeforeAnythingIsWritten) {
    frmMainSnag* w = openWithStatistics();
    script.input(CostPrompt, CostTitle, u"1"_s);
    QString result;
    w->ComputeOptimal(result);
    refused(u"9"_s);
    script.input(CostPrompt, CostTitle, u"   "_s);
    result = u"go"_s;
    w->ComputeOptimal(result);
    EXPECT_EQ(result, u"cancel"_s);
    // The results of the first run stay as they were.
    EXPECT_EQ(w->lblLowestVariance->text(), u"14400"_s);
    EXPECT_EQ(w->lblLowestTotalCost->text(), u"0.375"_s);
    EXPECT_EQ(w->grdOptimal[0]->text(1, 5), u"14400"_s);
    EXPECT_EQ(w->grdOptimal[2]->text(1, 6), u"$24.00"_s);
}

TEST_F(SnagOptimal, AGridTooSmallIsReportedWithTheProcedureTag) {
    frmMainSnag* w = openWithStatistics();
    w->grdStats[1]->setRows(5);
    script.input(CostPrompt, CostTitle, u"1"_s);
    script.message(u"9 : Subscript out of range - Snag Procedure 'ComputeOptimal'"_s, u"Error"_s,
                   MsgIcon::Exclamation);
    QString result = u"go"_s;
    w->ComputeOptimal(result);
    EXPECT_EQ(result, u"go"_s);
}

} // namespace
} // namespace vernalt::test
