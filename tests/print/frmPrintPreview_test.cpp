#include "print/frmPrintPreview.h"

#include "pdf_check.h"
#include "shell/app_windows.h"
#include "support/scripted_prompts.h"

#include <QAction>
#include <QDateTime>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRgb White = qRgb(255, 255, 255);
const QRect RedSquare(10, 10, 40, 20); // in the client area of the source windows

// A stand-in for an analysis window: a menu bar over a button-face surface
// that holds one red square.
QMainWindow* makeSource(const QSize& size) {
    auto* window = new QMainWindow;
    window->menuBar()->addAction(u"File"_s);
    auto* client = new QWidget(window);
    client->setAutoFillBackground(true);
    auto* square = new QWidget(client);
    QPalette red = square->palette();
    red.setColor(QPalette::Window, QColor(Red));
    square->setPalette(red);
    square->setAutoFillBackground(true);
    square->setGeometry(RedSquare);
    window->setCentralWidget(client);
    window->resize(size);
    window->show();
    return window;
}

bool waitDrawn(frmPrintPreview* preview) {
    QEventLoop loop;
    bool drawn = false;
    QObject::connect(preview, &frmPrintPreview::previewDrawn, &loop, [&] {
        drawn = true;
        loop.quit();
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    return drawn;
}

// The printer dialog answered with OK, printing to the PDF file `path`.
std::function<void(QPrinter&)> toPdf(const QString& path, QPrinter** used = nullptr) {
    return [path, used](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        if (used != nullptr)
            *used = &printer;
    };
}

class PrintPreview : public ::testing::Test {
  protected:
    void SetUp() override {
        log_ = makeSource(QSize(400, 300));
        snag_ = makeSource(QSize(500, 350));
        gLogForm = log_.data();
        gSnagForm = snag_.data();
    }
    void TearDown() override {
        delete preview_.data();
        delete log_.data();
        delete snag_.data();
    }
    frmPrintPreview* open(QWidget* source, const QString& formName) {
        preview_ = showPrintPreview(source, formName);
        EXPECT_TRUE(waitDrawn(preview_)) << "the preview was never drawn";
        return preview_;
    }
    QString pdf(const QString& name) const { return dir_.filePath(name); }

    QPointer<QMainWindow> log_;
    QPointer<QMainWindow> snag_;
    QPointer<frmPrintPreview> preview_;
    QTemporaryDir dir_;
};

// ---- Source window --------------------------------------------------------

TEST_F(PrintPreview, OnlyExactlyMainNamesTheLogWindowWhoseSizeItTakes) {
    EXPECT_EQ(previewSourceWindow(u"Main"_s), log_.data());
    for (const QString& name : {u"Main2"_s, u"main"_s, u"MAIN"_s, u" Main"_s, QString()})
        EXPECT_EQ(previewSourceWindow(name), snag_.data()) << name.toStdString();
    frmPrintPreview* preview = open(log_, u"Main"_s);
    EXPECT_EQ(preview->lblFormToPrint->text(), u"Main"_s);
    EXPECT_EQ(preview->size(), QSize(400, 300));
    // the same window named in other letters counts as the snag window
    EXPECT_EQ(open(log_, u"main"_s)->size(), QSize(500, 350));
}

// ---- Drawing --------------------------------------------------------------

TEST_F(PrintPreview, ButtonFaceTurnsWhiteOtherColoursStay) {
    frmPrintPreview* preview = open(snag_, u"Main2"_s);
    const QImage shown = preview->shownPicture();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.pixel(RedSquare.topLeft()), Red);
    EXPECT_EQ(shown.pixel(RedSquare.bottomRight()), Red);
    EXPECT_EQ(shown.pixel(5, 5), White);
    EXPECT_EQ(shown.pixel(300, 200), White);
    EXPECT_FALSE(preview->picPrintPreview->isVisible());
}

TEST_F(PrintPreview, WaitsForTheNextSecondWithEventsGoingOnAndMenusOff) {
    frmPrintPreview* preview = open(snag_, u"Main2"_s);
    bool ran = false;
    bool menusOff = false;
    bool busyCursor = false;
    QTimer::singleShot(0, preview, [&] {
        ran = true;
        menusOff = !preview->mnuPrint->isEnabled() && !preview->mnuPrintLandscape->isEnabled();
        busyCursor = preview->cursor().shape() == Qt::WaitCursor;
    });
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    preview->Form_Activate();
    const qint64 after = QDateTime::currentMSecsSinceEpoch();

    EXPECT_TRUE(ran) << "the event loop was blocked during the wait";
    EXPECT_TRUE(menusOff);
    EXPECT_TRUE(busyCursor);
    EXPECT_GT(after / 1000, before / 1000); // the clock has passed to its next second
    EXPECT_TRUE(preview->mnuPrint->isEnabled());
    EXPECT_TRUE(preview->mnuPrintLandscape->isEnabled());
    EXPECT_NE(preview->cursor().shape(), Qt::WaitCursor);
}

TEST_F(PrintPreview, ClosedSourceKeepsPictureAndSizeUntilALaterHandOver) {
    frmPrintPreview* preview = open(log_, u"Main"_s);
    delete log_.data();
    ASSERT_TRUE(gLogForm.isNull());
    preview->Form_Activate();
    EXPECT_EQ(preview->size(), QSize(400, 300));
    EXPECT_EQ(preview->shownPicture().pixel(RedSquare.topLeft()), Red);
    auto* blank = new QWidget(snag_->centralWidget());
    blank->setGeometry(RedSquare);
    blank->setAutoFillBackground(true);
    blank->show();
    EXPECT_EQ(open(snag_, u"Main2"_s), preview); // one preview in the program
    EXPECT_EQ(preview->size(), QSize(500, 350));
    EXPECT_EQ(preview->shownPicture().pixel(RedSquare.topLeft()), White);
}

TEST_F(PrintPreview, KeepsToTheScreenWhenItsSourceStandsOutOfIt) {
    const QRect screen = snag_->screen()->availableGeometry();
    snag_->setGeometry(screen.right() - 100, screen.bottom() - 100, screen.width() + 50,
                       screen.height() + 50);
    EXPECT_TRUE(screen.contains(open(snag_, u"Main2"_s)->frameGeometry()));
}

// ---- Printing -------------------------------------------------------------

TEST_F(PrintPreview, PortraitPrintsOnePagePortraitHoldingThePicture) {
    frmPrintPreview* preview = open(snag_, u"Main2"_s);
    const QString file = pdf(u"portrait.pdf"_s);
    QPrinter* used = nullptr;
    ScriptedPrompts script;
    script.printer(true, toPdf(file, &used));
    preview->mnuPrint->trigger();

    const PdfFacts facts = readPdf(file);
    EXPECT_EQ(facts.pages, 1);
    EXPECT_LT(facts.firstPage.width(), facts.firstPage.height());
    EXPECT_EQ(facts.images, 1);
    // the picture is the preview's client area, below its menu bar
    EXPECT_EQ(facts.firstImage.toSize(), preview->centralWidget()->size());

    // Rendered at the screen's 96 dpi, the square keeps its size in pixels and
    // sits at its place from the top left of the printable area.
    const QImage page = renderFirstPage(file, 96);
    ASSERT_FALSE(page.isNull()) << "pdftoppm (poppler-utils) could not render the page";
    ASSERT_NE(used, nullptr);
    const QPoint origin = used->pageLayout().paintRectPixels(96).topLeft();
    const QRect ink = inkBounds(page);
    EXPECT_NEAR(ink.left(), origin.x() + RedSquare.left(), 1);
    EXPECT_NEAR(ink.top(), origin.y() + RedSquare.top(), 1);
    EXPECT_NEAR(ink.width(), RedSquare.width(), 2);
    EXPECT_NEAR(ink.height(), RedSquare.height(), 2);
    // drawn without lossy compression: the colour comes back exactly
    EXPECT_EQ(page.pixel(origin + RedSquare.center()), Red);
}

TEST_F(PrintPreview, LandscapePrintsOneLandscapePageAndPortraitAfterItIsPortrait) {
    frmPrintPreview* preview = open(snag_, u"Main2"_s);
    ScriptedPrompts script;
    script.printer(true, toPdf(pdf(u"first.pdf"_s)));
    script.printer(true, toPdf(pdf(u"second.pdf"_s)));
    preview->mnuPrintLandscape->trigger();
    preview->mnuPrint->trigger();
    const PdfFacts first = readPdf(pdf(u"first.pdf"_s));
    const PdfFacts second = readPdf(pdf(u"second.pdf"_s));
    EXPECT_EQ(first.pages, 1);
    EXPECT_EQ(first.images, 1);
    EXPECT_GT(first.firstPage.width(), first.firstPage.height());
    EXPECT_LT(second.firstPage.width(), second.firstPage.height());
}

TEST_F(PrintPreview, CancelPrintsNothingAndAFailureShowsThePrintingError) {
    frmPrintPreview* preview = open(snag_, u"Main2"_s);
    const QString file = pdf(u"cancelled.pdf"_s);
    ScriptedPrompts script;
    script.printer(false, toPdf(file));
    script.printer(true, toPdf(pdf(u"no such folder/out.pdf"_s)));
    script.message(u"An error occurred during printing"_s, u"Printing Error"_s, MsgIcon::Critical);
    preview->mnuPrint->trigger();
    EXPECT_FALSE(QFile::exists(file));
    preview->mnuPrintLandscape->trigger();
    EXPECT_TRUE(preview->mnuPrint->isEnabled()); // the preview stays as it was
    EXPECT_EQ(preview->shownPicture().pixel(RedSquare.topLeft()), Red);
}

} // namespace
} // namespace vernalt::test
