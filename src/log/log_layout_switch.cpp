// The two layouts of the log window (single method and Combination) and the
// clearing of the Combination pages.
#include "log/frmMainLog.h"

#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/twips.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// What each layout shows: ssTabCombo and its title, ssTabMain, and the menus
// of a single-method analysis against the combined Formula menu.
struct LayoutState {
    bool combo;
};

} // namespace

static void applyLayout(frmMainLog& w, LayoutState s) {
    w.ssTabCombo->setVisible(s.combo);
    w.ssTabMain->move(w.ssTabMain->x(), twipsToPixelsY(120));
    w.ssTabMain->setVisible(!s.combo);
    w.lblComboTitle->setVisible(s.combo);
    w.mnuFormula->menuAction()->setVisible(!s.combo);
    w.mnuComboFormula->menuAction()->setVisible(s.combo);
    w.mnuLengthAnalysis->menuAction()->setVisible(!s.combo);
    w.mnuSpecies->menuAction()->setVisible(!s.combo);
    w.mnuSettings->menuAction()->setVisible(!s.combo);
}

void frmMainLog::HideCombo() {
    applyLayout(*this, {false});
}

void frmMainLog::ShowCombo() {
    applyLayout(*this, {true});
}

// Empties the controls directly inside the three frames of the Combination
// pages (text boxes, check boxes, level lists, grids; labels and buttons stay),
// then puts the t-value back. Each emptied box raises its change event.
void frmMainLog::ClearAll() {
    trapped(prompts(), logProcedure(u"ClearAll"_s), [this] {
        for (QGroupBox* frame :
             {frmParameterEstimates, frmOptimalAllocation, frmProportionalAllocation}) {
            for (QObject* child : frame->children()) {
                if (auto* box = qobject_cast<QLineEdit*>(child))
                    box->setText(QString());
                else if (auto* check = qobject_cast<QCheckBox*>(child))
                    check->setChecked(false);
                else if (auto* list = qobject_cast<QComboBox*>(child))
                    list->setCurrentIndex(-1);
                else if (auto* g = qobject_cast<Grid*>(child))
                    g->clear();
            }
        }
        txtComboTvalue->setText(u"1.67"_s);
    });
}

} // namespace vernalt
