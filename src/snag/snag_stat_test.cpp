// The "Statistical Test" page of the snag window: the estimate, bound and target
// boxes keep the limits and the graph in step.
#include "snag/frmMainSnag.h"

#include "shell/stat_test_graph.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace vernalt {

// A new bound or estimate moves the limits; each of the three boxes redraws.
void frmMainSnag::txtBound_Change() {
    const StatTestLimits l = limits();
    {
        // The limit boxes are results: writing them is no edit of the user's.
        const QSignalBlocker upper(txtUpperLimit);
        const QSignalBlocker lower(txtLowerLimit);
        txtUpperLimit->setText(l.upper);
        txtLowerLimit->setText(l.lower);
    }
    GraphStatTest();
}

void frmMainSnag::txtEstimatedValue_Change() {
    txtBound_Change();
}

void frmMainSnag::txtTargetValue_Change() {
    txtBound_Change();
}

void frmMainSnag::GraphStatTest() {
    vernalt::GraphStatTest(StatTestWindow::Snag,
                           {txtTargetValue->text(), txtEstimatedValue->text(),
                            txtUpperLimit->text(), txtLowerLimit->text()},
                           *this, [this](const QString& text) { setStatus(text); });
}

} // namespace vernalt
