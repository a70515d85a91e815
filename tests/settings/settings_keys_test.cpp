// The settings windows by keyboard: Enter presses OK in the size windows, Esc
// closes the guidelines, whose grid a screen reader reads as a table of the
// sixteen plot dimensions under two title rows.
#include "platform/grid.h"
#include "settings/frmGuidelines.h"
#include "settings/frmLogLengths.h"
#include "settings/frmPlotSizes.h"
#include "shell/app_windows.h"
#include "support/accessible_names.h"
#include "support/flush_deletes.h"
#include "support/scripted_prompts.h"
#include "support/temp_database.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

void showActive(QWidget* w) {
    w->show();
    w->activateWindow();
    QApplication::processEvents();
}

QLineEdit* boxNamed(QWidget* w, const char* name) {
    for (QLineEdit* box : w->findChildren<QLineEdit*>())
        if (box->accessibleName() == QLatin1StringView(name))
            return box;
    return nullptr;
}

class SettingsKeys : public ::testing::Test {
  protected:
    ~SettingsKeys() override {
        for (QWidget* w : loadedWindows())
            unloadWindow(w);
        flushDeletes();
    }
    TempDatabase database;
    ScriptedPrompts script; // any prompt not scripted fails the test
};

// Enter in a box presses OK, the default button, as in any dialog; on a button
// that has the focus, it presses that one. OK shows its check of the boxes:
// one refused box, so nothing is written and no analysis window is told.
TEST_F(SettingsKeys, EnterInABoxPressesOK) {
    const struct {
        const char* name;
        QWidget* (*open)();
        const char* refused; // the box left without a positive number
        const char* message;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } cases[] = {
        {"Plot Sizes, Return", [] { return static_cast<QWidget*>(frmPlotSizes::showWindow()); },
         "Transect, Width - English", "Transect (Width - English) must be a positive number.",
         Qt::Key_Return, Qt::NoModifier},
        {"Log Lengths, Enter of the keypad",
         [] { return static_cast<QWidget*>(frmLogLengths::showWindow()); }, "Section, English",
         "Section (English) must be a positive number.", Qt::Key_Enter, Qt::KeypadModifier},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget* w = c.open();
        showActive(w);
        QLineEdit* refused = boxNamed(w, c.refused);
        ASSERT_NE(refused, nullptr);
        refused->setText(u"0"_s);
        QLineEdit* first = w->findChild<QLineEdit*>();
        first->setFocus();
        script.message(QString::fromLatin1(c.message), w->windowTitle(), MsgIcon::Exclamation);
        QTest::keyClick(first, c.key, c.modifiers);
        EXPECT_TRUE(script.done());
        EXPECT_TRUE(refused->hasFocus()) << "the refused box, to mend";
        QTest::keyClick(refused, Qt::Key_Return, Qt::ShiftModifier); // no Enter of its own
        EXPECT_TRUE(script.done());

        const QPointer<QWidget> open = w;
        QPushButton* cancel = nullptr;
        for (QPushButton* b : w->findChildren<QPushButton*>())
            if (b->text() == u"Cancel"_s)
                cancel = b;
        ASSERT_NE(cancel, nullptr);
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Return); // Cancel, not OK: no message
        flushDeletes();
        EXPECT_TRUE(open.isNull());
    }
}

TEST_F(SettingsKeys, GuidelinesReadAsSixteenPlotDimensionsAndCloseOnEsc) {
    frmGuidelines* w = frmGuidelines::showWindow(); // no snag window: English units
    showActive(w);
    const QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(w->grdGuidelines)->tableInterface();
    EXPECT_EQ(nameOf(w->grdGuidelines), u"General Cost Per Sample Guidelines"_s);
    EXPECT_EQ(table->rowCount(), 16);
    EXPECT_EQ(table->cellAt(0, 0)->text(QAccessible::Name), u"Subsegment33"_s);
    EXPECT_EQ(table->cellAt(15, 6)->text(QAccessible::Name), u"19.07"_s);
    EXPECT_EQ(table->columnDescription(6), u"Difficult Higher Density (6) (> 5/ac)"_s);

    const QPointer<QWidget> open = w;
    w->grdGuidelines->setFocus();
    QTest::keyClick(w->grdGuidelines, Qt::Key_Escape);
    flushDeletes();
    EXPECT_TRUE(open.isNull());
}

} // namespace
} // namespace vernalt::test
