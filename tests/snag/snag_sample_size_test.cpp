// The Sample Size page on the window: computed from the stratified sheet after
// "Calculate Stratified Values", rows of strata no longer in use emptied.
#include "snag_window_fixture.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using SnagSampleSize = SnagWindowTest;

void fillRow(frmMainSnag& w, int h, std::array<const char*, 6> texts) {
    const auto i = std::size_t(h);
    std::array<QLineEdit*, 6> boxes = {
        w.txtStratifiedStratum[i],        w.txtStratifiedStratumSize[i],
        w.txtStratifiedPlotDimensions[i], w.txtStratifiedAvgDensity[i],
        w.txtStratifiedStdDev[i],         w.txtStratifiedSampleSize[i]};
    for (std::size_t k = 0; k < boxes.size(); ++k)
        boxes[k]->setText(QString::fromLatin1(texts[k]));
}

QStringList rowOf(const Grid* g, int r) {
    QStringList out;
    for (int c = 0; c < g->cols(); ++c)
        out << g->text(r, c);
    return out;
}

QStringList texts(std::initializer_list<const char*> list) {
    QStringList out;
    for (const char* t : list)
        out << QString::fromLatin1(t);
    return out;
}

TEST_F(SnagSampleSize, ThreeStrataThenTwo) {
    frmMainSnag* w = open();
    w->txtOptimalTvalue->setText(u"2"_s);
    fillRow(*w, 0, {"1", "1,500", "Segment10", "2", "1.5", "40"});
    fillRow(*w, 1, {"2", "900", "Section20", "3", "2", "25"});
    fillRow(*w, 2, {"3", "600", "Section10", "1", "0.8", "20"});
    w->txtNumStrata->setText(u"3"_s);
    w->cmdCalcStratified_Click();
    w->SampleSize();

    EXPECT_EQ(rowOf(w->grdSampleSize[0], 3),
              texts({"3", "600", "0.2", "Section10", "500", "0.05", "1"}));
    EXPECT_EQ(rowOf(w->grdSampleSize[1], 1), texts({"1.5", "80", "60", "3600", "40.3", "", ""}));
    EXPECT_EQ(rowOf(w->grdSampleSize[1], 3), texts({"0.8", "20", "16", "256", "", "37.5", "70.2"}));
    EXPECT_EQ(rowOf(w->grdOptimalAllocation, 1), texts({"37.5", "1", "28.7", "0.718"}));
    EXPECT_EQ(rowOf(w->grdOptimalAllocation, 3), texts({"", "3", "3.06", "0.153"}));
    EXPECT_EQ(rowOf(w->grdProportionalAllocation, 1), texts({"70.2", "1", "35.1", "0.878"}));
    EXPECT_EQ(rowOf(w->grdProportionalAllocation, 3), texts({"", "3", "14", "0.7"}));
    EXPECT_EQ(rowOf(w->grdOptimalAllocation, 4), texts({"", "", "", ""}));

    // Two strata now; stratum 3's boxes still hold their texts.
    fillRow(*w, 0, {"1", "600", "Segment10", "2", "1.5", "40"});
    fillRow(*w, 1, {"2", "400", "Section20", "3", "2", "25"});
    w->txtNumStrata->setText(u"2"_s);
    w->cmdCalcStratified_Click();
    w->SampleSize();
    EXPECT_EQ(rowOf(w->grdSampleSize[0], 1),
              texts({"1", "600", "0.6", "Segment10", "250", "0.025", "2"}));
    EXPECT_EQ(rowOf(w->grdSampleSize[1], 2), texts({"2", "30", "20", "400", "", "35.9", "64.4"}));
    EXPECT_EQ(rowOf(w->grdOptimalAllocation, 2), texts({"", "2", "6.53", "0.653"}));
    EXPECT_EQ(rowOf(w->grdProportionalAllocation, 2), texts({"", "2", "25.8", "2.58"}));
    for (Grid* g : {w->grdSampleSize[0], w->grdSampleSize[1]})
        EXPECT_EQ(rowOf(g, 3), texts({"", "", "", "", "", "", ""}));
    for (Grid* g : {w->grdOptimalAllocation, w->grdProportionalAllocation})
        EXPECT_EQ(rowOf(g, 3), texts({"", "", "", ""}));
}

TEST_F(SnagSampleSize, TitlesStayAndRepeatingGivesTheSameTexts) {
    frmMainSnag* w = open();
    fillRow(*w, 0, {"1", "600", "Segment10", "2", "1.5", "40"});
    fillRow(*w, 1, {"2", "400", "Section20", "3", "2", "25"});
    w->txtNumStrata->setText(u"2"_s);
    w->cmdCalcStratified_Click();
    w->SampleSize();
    const QStringList first = rowOf(w->grdOptimalAllocation, 1);
    w->SampleSize();
    EXPECT_EQ(rowOf(w->grdOptimalAllocation, 1), first);
    EXPECT_EQ(w->grdSampleSize[1]->text(0, 4), u"Desired Absolute Variance"_s);
    EXPECT_EQ(w->grdOptimalAllocation->text(0, 1), u"Stratum Number"_s);
}

} // namespace
} // namespace vernalt::test
