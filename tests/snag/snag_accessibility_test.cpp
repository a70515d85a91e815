// The snag window's grids as a screen reader reads them: a name of their own,
// and an empty data sheet headed by its field names, with no rows.
#include "snag_window_fixture.h"
#include "support/accessible_names.h"

#include <QAccessible>

namespace vernalt::test {
namespace {

using SnagAccessibility = SnagWindowTest;

TEST_F(SnagAccessibility, EveryGridHasANameOfItsOwnOnItsPage) {
    frmMainSnag* w = open();
    expectEveryGridNamedOnItsPage(w, w->ssTabMain);
    // What a sighted user reads beside the grid: its page or tab, and its caption.
    const std::pair<Grid*, const char*> cases[] = {
        {w->grdOptimal[1], "Optimal 2"},
        {w->grdSampleSize[1], "Sample Size 2"},
        {w->grdOptimalAllocation, "Optimal Allocation"},
        {w->grdSubtotal[0], "Subtotals, Subsegment and Segment"},
        {w->grdStats[1], "Summary Statistics, Section and Transect"},
        {w->grdStratum[0], "Single/Combined data sheet"},
        {w->grdStratum[2], "Stratum 2 data sheet"},
    };
    for (const auto& [grid, name] : cases)
        EXPECT_EQ(nameOf(grid), QLatin1StringView(name));
}

TEST_F(SnagAccessibility, AnEmptyDataSheetHasItsFieldNamesAndNoRows) {
    frmMainSnag* w = open();
    w->ConnectDataSet(); // no records in the database
    const QAccessibleTableInterface* sheet =
        QAccessible::queryAccessibleInterface(w->grdStratum[3])->tableInterface();
    EXPECT_EQ(sheet->rowCount(), 0);
    EXPECT_EQ(sheet->columnDescription(0), w->grdStratum[3]->text(0, 0).trimmed());
    EXPECT_FALSE(sheet->columnDescription(0).isEmpty());
}

} // namespace
} // namespace vernalt::test
