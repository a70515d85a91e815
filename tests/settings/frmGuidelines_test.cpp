// The guidelines window shows the cost table in the unit system the snag window
// had when the window loaded. (Its one-window behaviour is that of every
// settings window, tested with the plot-sizes window.)
#include "settings/frmGuidelines.h"

#include "fake_windows.h"
#include "platform/grid.h"
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

namespace vernalt::test {
namespace {

using namespace Qt::StringLiterals;

TEST(GuidelinesWindow, KeepsTheUnitsItLoadedWithUntilReopened) {
    ScriptedPrompts script; // any prompt fails the test
    FakeSnagWindow snag;
    gSnagForm = &snag;
    snag.metric = true;
    frmGuidelines* w = frmGuidelines::showWindow();
    snag.metric = false;
    showGuidelines(); // the open window comes forward as it is
    EXPECT_EQ(w->grdGuidelines->grid()->text(2, 0), u"Subsegment10"_s);
    w->close();
    flushDeletes();
    gSnagForm = nullptr; // without a snag window: English
    w = frmGuidelines::showWindow();
    EXPECT_EQ(w->grdGuidelines->grid()->text(2, 0), u"Subsegment33"_s);
    w->close();
    flushDeletes();
}

} // namespace
} // namespace vernalt::test
