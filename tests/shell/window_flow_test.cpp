// The start-up and window flow offscreen: the switchboard, the log window it
// opens, the About box and the data-set window.
#include "log/frmMainLog.h"
#include "platform/grid.h"
#include "platform/settings.h"
#include "platform/twips.h"
#include "shell/app_windows.h"
#include "shell/frmAbout.h"
#include "shell/frmDataSet.h"
#include "shell/frmSwitchboard.h"
#include "snag/frmMainSnag.h"
#include "support/scripted_prompts.h"
#include "support/temp_database.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QList<QWidget*> visibleWindows() {
    QList<QWidget*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            out.append(w);
    return out;
}

// A window centred on `screen`, give or take a pixel.
void expectCentred(const QWidget* w, const QRect& screen) {
    const QRect at = w->frameGeometry();
    EXPECT_NEAR(at.left() - screen.left(), screen.right() - at.right(), 1);
    EXPECT_NEAR(at.top() - screen.top(), screen.bottom() - at.bottom(), 1);
}

// Every test starts the program as main() does and ends it with nothing left.
class WindowFlow : public ::testing::Test {
  protected:
    void SetUp() override {
        registerAnalysisWindows([] { return new frmMainLog; }, [] { return new frmMainSnag; });
        Main();
    }
    void TearDown() override {
        if (gSwitchboard)
            gSwitchboard->close();
        const QList<QWidget*> left = loadedWindows();
        for (QWidget* w : left)
            unloadWindow(w);
        flushDeletes();
        EXPECT_TRUE(loadedWindows().isEmpty());
    }
    frmMainLog* openLogs() {
        gSwitchboard->cmdLogs->click();
        return qobject_cast<frmMainLog*>(gLogForm.data());
    }
    TempDatabase db_;
    ScriptedPrompts prompts_;
};

TEST_F(WindowFlow, StartShowsOnlyTheCentredSwitchboardWithoutTouchingTheDatabase) {
    ASSERT_TRUE(gSwitchboard);
    EXPECT_EQ(visibleWindows(), QList<QWidget*>{gSwitchboard.data()});
    EXPECT_EQ(loadedWindows(), QList<QWidget*>{gSwitchboard.data()});
    EXPECT_FALSE(QFile::exists(db_.file()));
    EXPECT_EQ(gSwitchboard->windowTitle(), u"Vernalt"_s);
    EXPECT_EQ(gSwitchboard->size(), twipsSize(3975, 2820));
    expectCentred(gSwitchboard, QGuiApplication::primaryScreen()->availableGeometry());
    EXPECT_EQ(gSwitchboard->Frame1->title(), u"Habitat component?"_s);
    EXPECT_EQ(gSwitchboard->Frame1->geometry(), twipsRect(120, 120, 3735, 2535));
    const std::tuple<QPushButton*, QString, QRect> buttons[] = {
        {gSwitchboard->cmdLogs, u"Logs"_s, twipsRect(600, 360, 2655, 495)},
        {gSwitchboard->cmdTrees, u"Snags or Trees"_s, twipsRect(600, 1080, 2655, 495)},
        {gSwitchboard->cmdExit, u"Exit"_s, twipsRect(1200, 1920, 1455, 375)},
    };
    for (const auto& [button, caption, place] : buttons)
        EXPECT_EQ(std::pair(button->text(), button->geometry()), std::pair(caption, place));
    EXPECT_EQ(gSwitchboard->cmdLogs->nextInFocusChain(), gSwitchboard->cmdTrees);
    EXPECT_EQ(gSwitchboard->cmdTrees->nextInFocusChain(), gSwitchboard->cmdExit);
}

TEST_F(WindowFlow, LogsShowsAFreshLogWindowInPlaceOfTheSwitchboardEachTime) {
    frmMainLog* first = openLogs();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(visibleWindows(), QList<QWidget*>{first});
    EXPECT_EQ(logWindow(), static_cast<LogWindowApi*>(first));
    EXPECT_EQ(first->statusText(), u"Status: No data read"_s);
    // It cannot be made smaller than the analysis minimum.
    first->resize(100, 100);
    EXPECT_EQ(first->size(), analysisMinimumSize());
    const QSize larger = analysisMinimumSize() + QSize(300, 200);
    first->resize(larger);
    EXPECT_EQ(first->size(), larger);
    first->mnuLIM->setChecked(true);
    first->close();
    flushDeletes();
    EXPECT_TRUE(gSwitchboard->isVisible());
    EXPECT_EQ(logWindow(), nullptr);
    EXPECT_EQ(loadedWindows(), QList<QWidget*>{gSwitchboard.data()});
    // Changed between the two windows: only a fresh load sees it.
    saveSettingBool(u"LogSettings"_s, u"LIMmethod"_s, false);
    saveSettingBool(u"LogSettings"_s, u"SPMmethod"_s, true);
    frmMainLog* second = openLogs();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->windowTitle(), u"Vernalt - Log Analysis with SPM"_s);
    EXPECT_TRUE(second->mnuSPM->isChecked());
    EXPECT_FALSE(gSwitchboard->isVisible());
    second->mnuLIM->setChecked(true); // leave LIM for the tests after this one
    second->mnuSPM->setChecked(false);
}

TEST_F(WindowFlow, ExitLeavesNoWindowLoadedHiddenOnesIncluded) {
    frmMainLog* log = openLogs();
    ASSERT_NE(log, nullptr);
    frmDataSet* dataSet = frmDataSet::load(db_.file());
    EXPECT_FALSE(dataSet->isVisible());
    log->close();
    flushDeletes();
    ASSERT_EQ(loadedWindows().size(), 2); // the switchboard and the hidden data set
    gSwitchboard->cmdExit->click();
    flushDeletes();
    EXPECT_TRUE(loadedWindows().isEmpty());
    EXPECT_TRUE(gSwitchboard.isNull());
    EXPECT_EQ(frmDataSet::instance(), nullptr);
    EXPECT_TRUE(visibleWindows().isEmpty());
}

TEST_F(WindowFlow, SnagsOrTreesShowsTheSnagWindowAndClosingItComesBack) {
    gSwitchboard->cmdTrees->click();
    ASSERT_TRUE(gSnagForm);
    EXPECT_EQ(gSnagForm->windowTitle(), u"Vernalt - Snag and Tree Analysis"_s);
    EXPECT_EQ(visibleWindows(), QList<QWidget*>{gSnagForm.data()});
    EXPECT_NE(snagWindow(), nullptr);
    gSnagForm->close();
    flushDeletes();
    EXPECT_TRUE(gSwitchboard->isVisible());
    EXPECT_TRUE(gSnagForm.isNull());
}

// Records the order in which it is unloaded.
class RecordingWindow : public QWidget {
  public:
    RecordingWindow(QString name, QStringList& log) : name_(std::move(name)), log_(log) {
        setAttribute(Qt::WA_DeleteOnClose);
        trackWindow(this);
    }

  protected:
    void closeEvent(QCloseEvent* e) override {
        log_.append(name_);
        e->accept();
    }

  private:
    QString name_;
    QStringList& log_;
};

TEST_F(WindowFlow, CloseBoxUnloadsTheOthersMostRecentFirst) {
    QStringList unloaded;
    new RecordingWindow(u"first"_s, unloaded);
    auto* second = new RecordingWindow(u"second"_s, unloaded);
    new RecordingWindow(u"third"_s, unloaded);
    second->show(); // visible or hidden, every one is unloaded
    gSwitchboard->close();
    flushDeletes();
    EXPECT_EQ(unloaded, (QStringList{u"third"_s, u"second"_s, u"first"_s}));
    EXPECT_TRUE(loadedWindows().isEmpty());
}

// About box --------------------------------------------------------------------

TEST(AboutBox, ShowsItsTextsExactly) {
    frmAbout about;
    EXPECT_EQ(about.windowTitle(), u"Vernalt"_s);
    EXPECT_EQ(about.lblTitle->text(), u"Vernalt"_s);
    EXPECT_EQ(about.lblVersion->text(), u"Version 1.0  10/24/2007"_s);
    EXPECT_EQ(about.lblDescription->text(),
              u"This program was developed to analyze snag, large tree and log data."_s);
    EXPECT_EQ(about.cmdOK->text(), u"OK"_s);
    EXPECT_TRUE(about.cmdOK->isDefault());
    EXPECT_EQ(about.size(), twipsSize(5865, 2610));
    about.close();
    flushDeletes();
}

// Opens the About box over `owner`, sends `key` to it once it is up and reports
// how it ended; the box must block its owner while it is open.
struct AboutRun {
    bool wasModal = false;
    bool okClicked = false;
    int result = -1;
};

AboutRun runAbout(QWidget* owner, int key) {
    AboutRun run;
    QTimer::singleShot(0, owner, [&run, owner, key] {
        auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        if (!about)
            about = owner->findChild<frmAbout*>();
        if (!about)
            return;
        run.wasModal = about->isModal() && QApplication::activeModalWidget() == about;
        QObject::connect(about->cmdOK, &QPushButton::clicked, owner,
                         [&run] { run.okClicked = true; });
        QObject::connect(about, &QDialog::finished, owner, [&run](int r) { run.result = r; });
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(about, &press);
        if (about->isVisible())
            about->done(QDialog::Rejected); // never hang the test
    });
    frmAbout::showFor(owner);
    flushDeletes();
    return run;
}

TEST(AboutBox, EnterAndEscCloseItAsOkDoes) {
    for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
        QWidget owner;
        owner.show();
        const AboutRun run = runAbout(&owner, key);
        EXPECT_TRUE(run.wasModal) << key;
        if (key == Qt::Key_Return) {
            EXPECT_TRUE(run.okClicked);
        }
        EXPECT_EQ(run.result, QDialog::Accepted) << key;
        EXPECT_EQ(owner.findChild<frmAbout*>(), nullptr) << key;
    }
}

// Data-set window --------------------------------------------------------------

TEST(DataSetGrid, FollowsTheWindowLessItsMargins) {
    struct Case {
        const char* name;
        QSize window, grid;
    } cases[] = {
        {"design size", {8895, 5055}, {8535, 4410}},
        {"larger", {12000, 9000}, {11640, 8355}},
        {"exactly the margins", {360, 645}, {0, 0}},
        {"smaller than the margins stays empty", {200, 300}, {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dataSetGridTwips(c.window), c.grid) << c.name;
}

TEST(DataSetWindow, LoadsHiddenCentredAndSizesItsGrid) {
    frmDataSet* w = frmDataSet::load(u"/data/dataset.db"_s);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(frmDataSet::load(u"/other/dataset.db"_s), w); // one instance
    EXPECT_EQ(w->databaseName(), u"/other/dataset.db"_s);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(loadedWindows().contains(w));
    EXPECT_EQ(w->windowTitle(), u"Vernalt - Data Set"_s);
    EXPECT_EQ(w->size(), twipsSize(8895, 5055));
    expectCentred(w, QGuiApplication::primaryScreen()->geometry());

    // 6000 x 4050 twips: the grid gets 5640 x 3405. (Shown here only to get the
    // resize event; the program never shows it.)
    // The margins are taken from the outer size, frame included.
    w->show();
    w->resize(twipsSize(6000, 4050));
    QCoreApplication::processEvents();
    const QSize outer = w->frameGeometry().size();
    const int frameX = qRound(pixelsToTwipsX(outer.width() - w->width()));
    const int frameY = qRound(pixelsToTwipsY(outer.height() - w->height()));
    EXPECT_EQ(w->grdDataSet->size(), twipsSize(6000 + frameX - 360, 4050 + frameY - 645));
    unloadWindow(w);
    flushDeletes();
    EXPECT_EQ(frmDataSet::instance(), nullptr);
}

} // namespace
} // namespace vernalt::test
