#include "settings/frmGuidelines.h"

#include "fake_windows.h"
#include "platform/grid.h"
#include "support/scripted_prompts.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace vernalt::test {
namespace {

using namespace Qt::StringLiterals;

class GuidelinesWindow : public ::testing::Test {
  protected:
    void TearDown() override {
        if (frmGuidelines* w = frmGuidelines::instance())
            w->close();
        flushDeletes();
        gSnagForm = nullptr;
    }
    FakeSnagWindow snag;
    ScriptedPrompts script; // any prompt fails the test
};

TEST_F(GuidelinesWindow, ShowsTheTableInTheUnitsOfTheSnagWindow) {
    gSnagForm = &snag;
    const struct {
        bool metric;
        int row, col;
        const char16_t* text;
    } cases[] = {
        // The figures and names themselves are checked in the cost table's tests.
        {false, 0, 0, u"Plot Dimensions"}, {false, 0, 6, u"Difficult Higher Density (6)"},
        {false, 1, 2, u"(> 5/ac)"},        {false, 2, 0, u"Subsegment33"},
        {false, 12, 3, u"1.40"}, // Section99, category 3
        {true, 1, 5, u"(< 0.8/ha)"},       {true, 17, 0, u"Transect40"},
        {true, 17, 6, u"15.64"},
    };
    for (const auto& c : cases) {
        snag.metric = c.metric;
        const GridModel* g = frmGuidelines::showWindow()->grdGuidelines->grid();
        EXPECT_EQ(g->text(c.row, c.col), QString::fromUtf16(c.text)) << c.row << "," << c.col;
        EXPECT_EQ(g->rows(), 18);
        EXPECT_EQ(g->cols(), 7);
        frmGuidelines::instance()->close();
        flushDeletes();
    }
}

TEST_F(GuidelinesWindow, LaysOutTheGridAndTheLabel) {
    frmGuidelines* w = frmGuidelines::showWindow();
    const GridModel* g = w->grdGuidelines->grid();
    EXPECT_EQ(w->windowTitle(), u"Vernalt - General Cost Per Sample Guidelines"_s);
    EXPECT_EQ(w->Label1->text(), u"Costs calculated @ $10/(hour*person)"_s);
    EXPECT_EQ(g->fixedRows(), 1);
    EXPECT_EQ(g->fixedCols(), 0);
    EXPECT_EQ(g->rowHeight(0), 630);
    EXPECT_EQ(g->colWidth(0), 1400);
    EXPECT_EQ(g->colWidth(6), 1000);
    for (int col = 0; col < 7; ++col)
        EXPECT_EQ(g->cellBackColor(1, col), QColor(215, 215, 215));
    EXPECT_EQ(g->text(1, 0), QString());
    EXPECT_FALSE(g->cellBackColor(2, 1).isValid());
}

TEST_F(GuidelinesWindow, KeepsItsUnitsUntilReopened) {
    gSnagForm = &snag;
    snag.metric = true;
    frmGuidelines* w = frmGuidelines::showWindow();
    snag.metric = false;
    EXPECT_EQ(frmGuidelines::showWindow(), w); // one window, not two
    EXPECT_EQ(w->grdGuidelines->grid()->text(2, 0), u"Subsegment10"_s);
    w->close();
    flushDeletes();
    showGuidelines();
    EXPECT_EQ(frmGuidelines::instance()->grdGuidelines->grid()->text(2, 0), u"Subsegment33"_s);
    frmGuidelines::instance()->close();
    flushDeletes();
    gSnagForm = nullptr; // without a snag window: English
    EXPECT_EQ(frmGuidelines::showWindow()->grdGuidelines->grid()->text(2, 0), u"Subsegment33"_s);
}

} // namespace
} // namespace vernalt::test
