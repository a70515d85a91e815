#include "print/frmPrintPreview.h"

#include "print/open_preview.h"
#include "shell/app_windows.h"
#include "support/scripted_prompts.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QMainWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRect RedSquare(10, 10, 40, 20); // in the client area of the source windows

// A stand-in for an analysis window: a menu bar over a button-face client area
// with a red square near its top left and a red dot in its bottom right corner.
QMainWindow* makeSource(const QSize& size) {
    auto* window = new QMainWindow;
    window->menuBar()->addAction(u"File"_s);
    window->setCentralWidget(new QWidget);
    window->resize(size);
    window->show();
    QWidget* client = window->centralWidget();
    client->setAutoFillBackground(true);
    for (const QRect& place : {RedSquare, QRect(client->rect().bottomRight(), QSize(1, 1))}) {
        auto* mark = new QFrame(client);
        mark->setStyleSheet(u"background: red"_s);
        mark->setGeometry(place);
        mark->show();
    }
    return window;
}

// The pages of a PDF file rendered at the screen's 96 dpi by pdftoppm (from
// poppler-utils); none when the tool is missing or fails.
QList<QImage> renderPages(const QString& path) {
    QTemporaryDir dir;
    QProcess run;
    run.start(u"pdftoppm"_s, {u"-r"_s, u"96"_s, u"-png"_s, path, dir.filePath(u"page"_s)});
    run.waitForFinished(30000);
    QList<QImage> pages;
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files, QDir::Name))
        pages << QImage(dir.filePath(name));
    return pages;
}

// The smallest rectangle holding every pixel of `image` that is not white.
QRect inkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & RGB_MASK) != 0xFFFFFFu)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

class PrintPreview : public ::testing::Test {
  protected:
    void SetUp() override {
        gLogForm = log_ = makeSource(QSize(400, 300));
        gSnagForm = snag_ = makeSource(QSize(500, 350));
    }
    void TearDown() override {
        delete preview_.data();
        delete log_.data();
        delete snag_.data();
    }
    frmPrintPreview* open(QWidget* source, const QString& formName) {
        preview_ = openPreview(source, formName);
        return preview_;
    }

    QPointer<QMainWindow> log_;
    QPointer<QMainWindow> snag_;
    QPointer<frmPrintPreview> preview_;
    QTemporaryDir dir_;
};

TEST_F(PrintPreview, OnlyExactlyMainNamesTheLogWindow) {
    EXPECT_EQ(previewSourceWindow(u"Main"_s), log_.data());
    for (const QString& name : {u"Main2"_s, u"main"_s, u" Main"_s, QString()})
        EXPECT_EQ(previewSourceWindow(name), snag_.data()) << name.toStdString();
}

TEST_F(PrintPreview, EventsGoOnWithTheMenusOffWhileItWaitsToDraw) {
    frmPrintPreview* preview = open(snag_, u"Main2"_s);
    bool ranWhileWaiting = false;
    QTimer::singleShot(0, preview, [&] {
        ranWhileWaiting = !preview->mnuPrint->isEnabled() &&
                          !preview->mnuPrintLandscape->isEnabled() &&
                          preview->cursor().shape() == Qt::WaitCursor;
    });
    preview->Form_Activate();
    EXPECT_TRUE(ranWhileWaiting) << "events blocked, or menus on, during the wait";
    EXPECT_TRUE(preview->mnuPrint->isEnabled() && preview->mnuPrintLandscape->isEnabled());
    EXPECT_NE(preview->cursor().shape(), Qt::WaitCursor);
}

// Activated again while it waits to draw, the preview draws once, when the
// first activation's wait ends; deleted while it waits, it draws nothing.
TEST_F(PrintPreview, AnActivationOrACloseDuringTheWaitDrawsNoMore) {
    frmPrintPreview* preview = open(snag_, u"Main2"_s);
    int drawn = 0;
    QObject::connect(preview, &frmPrintPreview::previewDrawn, preview, [&] { ++drawn; });
    QTimer::singleShot(0, preview, [&] { preview->Form_Activate(); });
    preview->Form_Activate();
    EXPECT_EQ(drawn, 1);

    QTimer::singleShot(0, snag_, [&] { delete preview_.data(); });
    preview->Form_Activate();
    EXPECT_TRUE(preview_.isNull());
    EXPECT_EQ(drawn, 1);
}

TEST_F(PrintPreview, ClosedSourceKeepsPictureAndSizeUntilALaterHandOver) {
    frmPrintPreview* preview = open(log_, u"Main"_s);
    EXPECT_EQ(preview->size(), QSize(400, 300));
    delete log_.data();
    preview->Form_Activate();
    EXPECT_EQ(preview->size(), QSize(400, 300));
    EXPECT_EQ(preview->shownPicture().pixel(RedSquare.topLeft()), Red);
    auto* cover = new QWidget(snag_->centralWidget()); // button face over the square
    cover->setGeometry(RedSquare);
    cover->setAutoFillBackground(true);
    cover->show();
    EXPECT_EQ(open(snag_, u"Main2"_s), preview); // one preview in the program
    EXPECT_EQ(preview->size(), QSize(500, 350));
    EXPECT_EQ(preview->shownPicture().pixel(RedSquare.topLeft()), qRgb(255, 255, 255));
}

TEST_F(PrintPreview, KeepsToTheScreenWhenItsSourceStandsOutOfIt) {
    const QRect screen = snag_->screen()->availableGeometry();
    snag_->setGeometry(screen.right() - 100, screen.bottom() - 100, screen.width() + 50,
                       screen.height() + 50);
    EXPECT_TRUE(screen.contains(open(snag_, u"Main2"_s)->frameGeometry()));
}

// Each command prints one page in its orientation, holding the preview's client
// area from the top left of the printable area at the size it has on the screen,
// with the button face white: rendered at the screen's 96 dpi, the ink runs from
// the square to the corner dot of the source's client area, where the screen had them.
// Portrait comes after landscape: the preview's printer keeps its settings, and a
// portrait print must not inherit the landscape of the one before.
TEST_F(PrintPreview, EachCommandPrintsOnePageInItsOrientationAtScreenSize) {
    frmPrintPreview* preview = open(snag_, u"Main2"_s);
    const QRect marks(RedSquare.topLeft(), snag_->centralWidget()->rect().bottomRight());
    for (QAction* command : {preview->mnuPrintLandscape, preview->mnuPrint}) {
        const bool landscape = command == preview->mnuPrintLandscape;
        const QString file = dir_.filePath(u"%1.pdf"_s.arg(landscape));
        QPrinter* used = nullptr;
        ScriptedPrompts script; // the printer dialog answers OK, printing to `file`
        script.printer(true, [&](QPrinter& printer) {
            printer.setOutputFileName(file);
            used = &printer;
        });
        command->trigger();

        const QList<QImage> pages = renderPages(file);
        ASSERT_EQ(pages.size(), 1) << "one page, as pdftoppm (poppler-utils) renders it";
        ASSERT_NE(used, nullptr);
        EXPECT_EQ(pages[0].width() > pages[0].height(), landscape);
        const QPoint origin = used->pageLayout().paintRectPixels(96).topLeft();
        const QRect ink = inkBounds(pages[0]).translated(-origin);
        EXPECT_NEAR(ink.left(), marks.left(), 1);
        EXPECT_NEAR(ink.top(), marks.top(), 1);
        EXPECT_NEAR(ink.right(), marks.right(), 1);
        EXPECT_NEAR(ink.bottom(), marks.bottom(), 1);
        // drawn without lossy compression: the colour comes back exactly
        EXPECT_EQ(pages[0].pixel(origin + RedSquare.center()), Red);
    }
}

TEST_F(PrintPreview, CancelPrintsNothingAndAFailureShowsThePrintingError) {
    frmPrintPreview* preview = open(snag_, u"Main2"_s);
    const QString file = dir_.filePath(u"out.pdf"_s);
    ScriptedPrompts script;
    script.printer(true, [&](QPrinter& printer) { printer.setOutputFileName(file); });
    script.printer(false);
    script.printer(true, [&](QPrinter& printer) {
        printer.setOutputFileName(dir_.filePath(u"no such folder/out.pdf"_s));
    });
    script.message(u"An error occurred during printing"_s, u"Printing Error"_s, MsgIcon::Critical);
    preview->mnuPrint->trigger();
    ASSERT_TRUE(QFile::remove(file));
    preview->mnuPrint->trigger(); // Cancel, with the printer still set to print to `file`
    EXPECT_FALSE(QFile::exists(file));
    preview->mnuPrintLandscape->trigger();
    EXPECT_TRUE(preview->mnuPrint->isEnabled()); // the preview stays as it was
    EXPECT_EQ(preview->shownPicture().pixel(RedSquare.topLeft()), Red);
}

} // namespace
} // namespace vernalt::test
