// The Qt dialogs behind the program's prompts, answered offscreen: each test
// schedules the answer, which runs once the dialog is up and modal.
#include "platform/prompts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// Runs `answer` on the modal dialog of type D once it is up; a dialog that is
// not there fails the test, and one the answer leaves open is closed, so that
// no test hangs.
template <class D> void whenUp(std::function<void(D*)> answer) {
    QTimer::singleShot(0, qApp, [answer] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<D*>(modal);
        if (dialog)
            answer(dialog);
        else
            ADD_FAILURE() << "no dialog of the expected kind is up";
        if (modal && modal->isVisible()) {
            if (dialog)
                ADD_FAILURE() << "the answer left the dialog open";
            if (auto* d = qobject_cast<QDialog*>(modal))
                d->done(QDialog::Rejected);
        }
    });
}

void pressKey(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
}

TEST(QtPromptsInputBox, GivesTheTextTypedOrNothingOnCancel) {
    QtPrompts qt;
    for (const bool ok : {true, false}) {
        whenUp<QInputDialog>([ok](QInputDialog* d) {
            EXPECT_EQ(d->windowTitle(), u"Stratum Size"_s);
            EXPECT_EQ(d->labelText(), u"Please enter the Stratum Size"_s);
            EXPECT_EQ(d->textValue(), u"100"_s) << "the default answer stands in the box";
            d->findChild<QLineEdit*>()->setText(u"250"_s);
            if (ok)
                d->accept();
            else
                d->reject();
        });
        EXPECT_EQ(qt.inputBox(u"Please enter the Stratum Size"_s, u"Stratum Size"_s, u"100"_s),
                  ok ? u"250"_s : QString())
            << ok;
    }
    // A box without a title shows the program's name.
    whenUp<QInputDialog>([](QInputDialog* d) {
        EXPECT_EQ(d->windowTitle(), u"Vernalt"_s);
        d->accept();
    });
    EXPECT_EQ(qt.inputBox(u"Name?"_s, QString(), QString()), QString());
}

// Each set of buttons with its icon and default; the answer is a click on a
// button, or Esc (key 0 stands for the click).
TEST(QtPromptsMessageBox, ShowsItsButtonsAndGivesTheOneChosen) {
    using B = QMessageBox::StandardButton;
    const struct {
        const char* name;
        MsgButtons buttons;
        MsgIcon icon;
        int defaultButton;
        QList<B> shown;
        QMessageBox::Icon qtIcon;
        B byDefault;
        B clicked;
        bool escape;
        MsgResult result;
    } cases[] = {
        {"OK alone: Esc is OK",
         MsgButtons::Ok,
         MsgIcon::Information,
         0,
         {B::Ok},
         QMessageBox::Information,
         B::Ok,
         B::NoButton,
         true,
         MsgResult::Ok},
        {"OK and Cancel: Esc is Cancel",
         MsgButtons::OkCancel,
         MsgIcon::Critical,
         1,
         {B::Ok, B::Cancel},
         QMessageBox::Critical,
         B::Cancel,
         B::NoButton,
         true,
         MsgResult::Cancel},
        {"OK and Cancel: OK clicked",
         MsgButtons::OkCancel,
         MsgIcon::None,
         0,
         {B::Ok, B::Cancel},
         QMessageBox::NoIcon,
         B::Ok,
         B::Ok,
         false,
         MsgResult::Ok},
        {"Yes and No: No clicked",
         MsgButtons::YesNo,
         MsgIcon::Question,
         1,
         {B::Yes, B::No},
         QMessageBox::Question,
         B::No,
         B::No,
         false,
         MsgResult::No},
        {"Yes and No: Esc is No",
         MsgButtons::YesNo,
         MsgIcon::Question,
         0,
         {B::Yes, B::No},
         QMessageBox::Question,
         B::Yes,
         B::NoButton,
         true,
         MsgResult::No},
        {"Yes, No and Cancel: Yes clicked",
         MsgButtons::YesNoCancel,
         MsgIcon::Exclamation,
         2,
         {B::Yes, B::No, B::Cancel},
         QMessageBox::Warning,
         B::Cancel,
         B::Yes,
         false,
         MsgResult::Yes},
        {"Yes, No and Cancel: Esc is Cancel",
         MsgButtons::YesNoCancel,
         MsgIcon::Exclamation,
         0,
         {B::Yes, B::No, B::Cancel},
         QMessageBox::Warning,
         B::Yes,
         B::NoButton,
         true,
         MsgResult::Cancel},
        {"Retry and Cancel: a default past the last is the first",
         MsgButtons::RetryCancel,
         MsgIcon::Exclamation,
         2,
         {B::Retry, B::Cancel},
         QMessageBox::Warning,
         B::Retry,
         B::Retry,
         false,
         MsgResult::Retry},
    };
    QtPrompts qt;
    for (const auto& c : cases) {
        whenUp<QMessageBox>([&c](QMessageBox* box) {
            EXPECT_EQ(box->text(), u"Save the sheet?"_s) << c.name;
            EXPECT_EQ(box->windowTitle(), u"Snag"_s) << c.name;
            EXPECT_EQ(box->icon(), c.qtIcon) << c.name;
            QList<B> shown;
            for (QAbstractButton* b : box->buttons())
                shown << box->standardButton(b);
            std::sort(shown.begin(), shown.end());
            QList<B> expected = c.shown;
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(shown, expected) << c.name;
            EXPECT_EQ(box->standardButton(box->defaultButton()), c.byDefault) << c.name;
            if (c.escape)
                pressKey(box, Qt::Key_Escape);
            else
                box->button(c.clicked)->click();
        });
        EXPECT_EQ(
            qt.messageBox(u"Save the sheet?"_s, u"Snag"_s, c.icon, c.buttons, c.defaultButton),
            c.result)
            << c.name;
    }
}

TEST(QtPromptsMessageBox, ABoxWithoutTitleShowsTheProgramsNameOverTheActiveWindow) {
    QWidget window;
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &window);
    QtPrompts qt;
    whenUp<QMessageBox>([&window](QMessageBox* box) {
        EXPECT_EQ(box->windowTitle(), u"Vernalt"_s);
        EXPECT_EQ(box->parentWidget(), &window);
        box->button(QMessageBox::Ok)->click();
    });
    qt.message(u"Data read"_s);
    // A box closed without a button (the window closing under it) answers Cancel.
    whenUp<QMessageBox>([](QMessageBox* box) { box->done(0); });
    EXPECT_EQ(qt.messageBox(u"Go on?"_s, u"Snag"_s, MsgIcon::Question, MsgButtons::YesNo, 0),
              MsgResult::Cancel);
}

TEST(QtPromptsOpenFile, GivesThePathChosenOrNothingOnCancel) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"snags.csv"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QtPrompts qt;
    for (const bool ok : {true, false}) {
        whenUp<QFileDialog>([&, ok](QFileDialog* d) {
            EXPECT_EQ(d->windowTitle(), u"Open Data File"_s);
            EXPECT_EQ(d->nameFilters(),
                      (QStringList{u"Comma-Separated Files (*.csv)"_s, u"All Files (*)"_s}));
            d->setDirectory(dir.path());
            d->selectFile(path);
            if (ok)
                static_cast<QDialog*>(d)->accept(); // what "Open" does
            else
                d->reject();
        });
        EXPECT_EQ(qt.openFile(u"Open Data File"_s,
                              u"Comma-Separated Files (*.csv)|*.csv|All Files (*.*)|*.*"_s),
                  ok ? path : QString())
            << ok;
    }
}

TEST(QtPromptsPrinter, TrueWhenThePrinterDialogIsAccepted) {
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(u"sheet.pdf"_s));
    QtPrompts qt;
    for (const bool ok : {true, false}) {
        whenUp<QPrintDialog>([ok](QPrintDialog* d) {
            if (ok)
                d->accept();
            else
                d->reject();
        });
        EXPECT_EQ(qt.printerDialog(printer), ok);
    }
}

// The program's "Name|pattern|Name|pattern" filters as the Qt dialog reads them.
TEST(QtFileFilter, NamesWithTheirPatterns) {
    const std::pair<const char*, const char*> cases[] = {
        {"Comma-Separated Files (*.csv)|*.csv|All Files (*.*)|*.*",
         "Comma-Separated Files (*.csv);;All Files (*)"},
        {"Text Files|*.txt;*.csv", "Text Files (*.txt *.csv)"},  // several patterns
        {"Text Files|*.txt;*.csv;", "Text Files (*.txt *.csv)"}, // and a trailing ";"
        {"Data (old|*.dat", "Data (old (*.dat)"},                // an unclosed bracket stays
        {"Logs|*.csv|All Files", "Logs (*.csv);;All Files"},     // a name without patterns
        {"Logs|*.csv|", "Logs (*.csv)"},
        {"", ""},
    };
    for (const auto& [filter, qt] : cases)
        EXPECT_EQ(qtFileFilter(QString::fromLatin1(filter)), QString::fromLatin1(qt)) << filter;
}

} // namespace
} // namespace vernalt::test
