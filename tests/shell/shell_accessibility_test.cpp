// The shell's windows by keyboard and screen reader: Enter on the switchboard
// presses the button that has the focus, as Space does; the data-set grid has
// a name.
#include "platform/grid.h"
#include "shell/app_windows.h"
#include "shell/frmDataSet.h"
#include "shell/frmSwitchboard.h"
#include "support/accessible_names.h"
#include "support/flush_deletes.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace vernalt::test {
namespace {

TEST(SwitchboardKeys, EnterPressesTheFocusedButton) {
    // Stand-ins for the analysis windows the buttons open.
    registerAnalysisWindows([] { return new QWidget; }, [] { return new QWidget; });
    const struct {
        const char* name;
        QPushButton* frmSwitchboard::*button;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QPointer<QWidget>* opened; // null: the switchboard closes
    } cases[] = {
        {"Return on Logs", &frmSwitchboard::cmdLogs, Qt::Key_Return, Qt::NoModifier, &gLogForm},
        {"Enter of the keypad on Snags or Trees", &frmSwitchboard::cmdTrees, Qt::Key_Enter,
         Qt::KeypadModifier, &gSnagForm},
        {"Return on Exit", &frmSwitchboard::cmdExit, Qt::Key_Return, Qt::NoModifier, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Main();
        gSwitchboard->activateWindow();
        QApplication::processEvents();
        QPushButton* button = gSwitchboard.data()->*c.button;
        button->setFocus();
        QTest::keyClick(button, c.key, c.modifiers);
        flushDeletes();
        if (c.opened) {
            EXPECT_FALSE(c.opened->isNull());
            EXPECT_FALSE(gSwitchboard->isVisible());
            delete c.opened->data();
            gSwitchboard->close();
            flushDeletes();
        }
        EXPECT_TRUE(gSwitchboard.isNull());
    }
}

TEST(DataSetWindowAccessibility, ItsGridIsNamedAfterTheWindow) {
    frmDataSet window;
    EXPECT_EQ(nameOf(window.grdDataSet), QStringLiteral("Data Set"));
}

} // namespace
} // namespace vernalt::test
