// SetLabels: a few captions, headers, names and sizes of each kind in both unit
// systems.
#include "snag_window_fixture.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using SnagLabels = SnagWindowTest;

struct HeaderCase {
    const char* what;
    Grid* frmMainSnag::*single; // a single grid, or
    std::array<Grid*, 3> frmMainSnag::*optimal;
    std::array<Grid*, 2> frmMainSnag::*pair;
    int index, col;
    const char* metric;
    const char* english;
};

Grid* gridOf(frmMainSnag& w, const HeaderCase& c) {
    if (c.single)
        return w.*c.single;
    if (c.optimal)
        return (w.*c.optimal)[std::size_t(c.index)];
    return (w.*c.pair)[std::size_t(c.index)];
}

const HeaderCase Headers[] = {
    {"optimal 1, plot size", nullptr, &frmMainSnag::grdOptimal, nullptr, 0, 1,
     "Plot Size (meters^2)", "Plot Size (feet^2)"},
    {"optimal 1, variance", nullptr, &frmMainSnag::grdOptimal, nullptr, 0, 5,
     "Variance (#/hectare)", "Variance (#/acre)"},
    {"optimal 2, spelled Mininum", nullptr, &frmMainSnag::grdOptimal, nullptr, 1, 4,
     "Mininum Sample Size Required", "Mininum Sample Size Required"},
    {"optimal 3, total cost", nullptr, &frmMainSnag::grdOptimal, nullptr, 2, 6, "Total Cost",
     "Total Cost"},
    {"sample size 1, stratum size", nullptr, nullptr, &frmMainSnag::grdSampleSize, 0, 1,
     "Stratum Size(ha)", "Stratum Size(acres)"},
    {"sample size 1, weight", nullptr, nullptr, &frmMainSnag::grdSampleSize, 0, 2, "Stratum Weight",
     "Stratum Weight (Wi)"},
    {"sample size 2, variance", nullptr, nullptr, &frmMainSnag::grdSampleSize, 1, 3,
     "Variance (#/ha)", "Variance (#/acre)"},
    {"optimal allocation", &frmMainSnag::grdOptimalAllocation, nullptr, nullptr, 0, 3,
     "Sample Size (ha)", "Sample Size (acres)"},
    {"proportional allocation", &frmMainSnag::grdProportionalAllocation, nullptr, nullptr, 0, 0,
     "Total Number of Samples Required", "Total Number of Samples Required"},
    {"subtotals 1", nullptr, nullptr, &frmMainSnag::grdSubtotal, 0, 5, "Segment Width20",
     "Segment Width66"},
    {"subtotals 2", nullptr, nullptr, &frmMainSnag::grdSubtotal, 1, 3, "Section Width40",
     "Section Width132"},
    {"statistics", nullptr, nullptr, &frmMainSnag::grdStats, 1, 2, "Std. Dev.", "Std. Dev."},
};

TEST_F(SnagLabels, GridHeadersInBothUnitSystems) {
    frmMainSnag* w = open();
    for (const HeaderCase& c : Headers)
        EXPECT_EQ(gridOf(*w, c)->text(0, c.col), QString::fromLatin1(c.metric)) << c.what;
    w->mnuEnglish_Click();
    for (const HeaderCase& c : Headers)
        EXPECT_EQ(gridOf(*w, c)->text(0, c.col), QString::fromLatin1(c.english)) << c.what;
}

TEST_F(SnagLabels, SheetCaptionsBarAndAxisTitle) {
    frmMainSnag* w = open();
    EXPECT_EQ(w->lblSimpleLandscapeArea->text(), u"Landscape Area (hectares)"_s);
    EXPECT_EQ(w->lblSimpleXTitle->text(), u"X (hectares)"_s);
    EXPECT_EQ(w->lblStatY->text(), u"Stems per hectare"_s);
    EXPECT_EQ(w->linDensitiesX->X1(), 100);
    w->mnuEnglish_Click();
    EXPECT_EQ(w->lblSimplePlotSize->text(), u"Plot Size (feet^2)"_s);
    EXPECT_EQ(w->lblStratifiedAvgAcresTitle->text(), u"Average (#/acre)"_s);
    EXPECT_EQ(w->lblStatY->text(), u"Stems per acre"_s);
    EXPECT_EQ(w->linDensitiesX->X1(), 210);
    EXPECT_EQ(w->linDensitiesX->X2(), 330);
}

TEST_F(SnagLabels, ClearedGridsGetTheirHeadersBackAndTwiceIsOnce) {
    frmMainSnag* w = open();
    for (Grid* g : w->grdOptimal)
        g->clear();
    for (Grid* g : w->grdSubtotal)
        g->clear();
    for (Grid* g : w->grdStats)
        g->clear();
    w->SetLabels();
    w->SetLabels();
    EXPECT_EQ(w->grdOptimal[0]->text(0, 0), u"Plot Dimensions"_s);
    EXPECT_EQ(w->grdOptimal[0]->text(7, 1), u"750"_s);
    EXPECT_EQ(w->grdSubtotal[0]->cols(), 8);
    EXPECT_EQ(w->grdSubtotal[0]->text(0, 0), u"Subsegment Width10"_s);
    EXPECT_EQ(w->grdSubtotal[1]->text(0, 7), u"Transect Width40"_s);
    EXPECT_EQ(w->grdStats[1]->text(3, 0), u"Section30"_s);
}

TEST_F(SnagLabels, EmptyWidthTextsGiveBareNames) {
    frmMainSnag* w = open();
    w->WidthTexts = {};
    w->SetLabels();
    EXPECT_EQ(w->grdOptimal[0]->text(6, 0), u"Segment"_s);
    EXPECT_EQ(w->grdSubtotal[1]->text(0, 4), u"Transect Width"_s);
    EXPECT_EQ(w->grdStats[0]->text(5, 0), u"Segment"_s);
}

} // namespace
} // namespace vernalt::test
