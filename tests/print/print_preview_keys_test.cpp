// The print preview by keyboard and screen reader: its first command has the
// focus once it is drawn, Tab and the arrows go along the commands, Enter runs
// one, Esc closes it; its picture is a named graphic.
#include "print/frmPrintPreview.h"

#include "print/open_preview.h"
#include "shell/app_windows.h"
#include "support/flush_deletes.h"
#include "support/scripted_prompts.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

class PrintPreviewKeys : public ::testing::Test {
  protected:
    PrintPreviewKeys() {
        source_->resize(400, 300);
        source_->show();
        gLogForm = source_.get();
        open();
    }
    ~PrintPreviewKeys() override { delete preview_.data(); }

    void open() { preview_ = openPreview(source_.get(), u"Main"_s); }

    // A key pressed where the focus is, through the shortcut map first.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key, modifiers);
    }
    QAction* highlighted() const { return preview_->menuBar()->activeAction(); }

    std::unique_ptr<QMainWindow> source_ = std::make_unique<QMainWindow>();
    QPointer<frmPrintPreview> preview_;
    ScriptedPrompts script;
};

TEST_F(PrintPreviewKeys, TheCommandsAreReachedByKeyboard) {
    EXPECT_EQ(QApplication::focusWidget(), preview_->menuBar());
    EXPECT_EQ(highlighted(), preview_->mnuPrint) << "the first command has the focus";
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool landscape;
    } steps[] = {
        {"Tab", Qt::Key_Tab, Qt::NoModifier, true},
        {"Tab past the last command", Qt::Key_Tab, Qt::NoModifier, false},
        {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, true},
        {"Left", Qt::Key_Left, Qt::NoModifier, false},
        {"Right", Qt::Key_Right, Qt::NoModifier, true},
    };
    for (const auto& s : steps) {
        press(s.key, s.modifiers);
        EXPECT_EQ(highlighted(), s.landscape ? preview_->mnuPrintLandscape : preview_->mnuPrint)
            << s.name;
    }
    int landscape = 0;
    QObject::connect(preview_->mnuPrintLandscape, &QAction::triggered, preview_,
                     [&landscape] { ++landscape; });
    script.printer(false).printer(false).printer(false); // the printer dialog, cancelled
    press(Qt::Key_Return);
    press(Qt::Key_Enter, Qt::KeypadModifier);
    press(Qt::Key_Space);
    EXPECT_EQ(landscape, 3);
    EXPECT_TRUE(script.done());
    EXPECT_FALSE(preview_.isNull()) << "a command does not close the preview";

    // Drawn again (the preview activated again): the focus stays where it was.
    preview_->Form_Activate();
    EXPECT_EQ(highlighted(), preview_->mnuPrintLandscape);
}

TEST_F(PrintPreviewKeys, EscClosesThePreviewWhereverTheFocusIs) {
    press(Qt::Key_Escape); // on the commands
    flushDeletes();
    EXPECT_TRUE(preview_.isNull());

    open();
    preview_->menuBar()->clearFocus(); // no command has the focus
    QTest::keyClick(preview_, Qt::Key_Escape);
    flushDeletes();
    EXPECT_TRUE(preview_.isNull());
}

TEST_F(PrintPreviewKeys, ThePictureIsANamedGraphic) {
    QAccessibleInterface* picture =
        QAccessible::queryAccessibleInterface(preview_->centralWidget());
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    EXPECT_EQ(picture->text(QAccessible::Name), u"Preview of the window to print"_s);
}

} // namespace
} // namespace vernalt::test
