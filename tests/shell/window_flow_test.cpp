// The start-up and window flow offscreen: the switchboard, the analysis windows
// it opens, the About box over them, the unloading of every window, the
// data-set window, and the place an analysis window keeps between runs.
#include "log/frmMainLog.h"
#include "platform/grid.h"
#include "platform/settings.h"
#include "platform/twips.h"
#include "platform/value.h"
#include "shell/analysis_window.h"
#include "shell/app_windows.h"
#include "shell/frmAbout.h"
#include "shell/frmDataSet.h"
#include "shell/frmSwitchboard.h"
#include "snag/frmMainSnag.h"
#include "support/flush_deletes.h"
#include "support/scripted_prompts.h"
#include "support/temp_database.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

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
        for (QWidget* w : loadedWindows())
            unloadWindow(w);
        flushDeletes();
        EXPECT_TRUE(loadedWindows().isEmpty());
    }
    TempDatabase db_;
    ScriptedPrompts prompts_;
};

TEST_F(WindowFlow, StartShowsOnlyTheCentredSwitchboardWithoutTouchingTheDatabase) {
    ASSERT_TRUE(gSwitchboard);
    EXPECT_EQ(visibleWindows(), QList<QWidget*>{gSwitchboard.data()});
    EXPECT_EQ(loadedWindows(), QList<QWidget*>{gSwitchboard.data()});
    EXPECT_FALSE(QFile::exists(db_.file()));
    expectCentred(gSwitchboard, QGuiApplication::primaryScreen()->availableGeometry());
}

TEST_F(WindowFlow, EachButtonShowsItsWindowInPlaceOfTheSwitchboardUntilItCloses) {
    for (auto [button, form] : {std::pair(gSwitchboard->cmdLogs, &gLogForm),
                                std::pair(gSwitchboard->cmdTrees, &gSnagForm)}) {
        button->click();
        ASSERT_FALSE(form->isNull());
        EXPECT_EQ(visibleWindows(), QList<QWidget*>{form->data()});
        // Never smaller than 9420 x 8070 twips, 628 x 538 pixels at 15 twips a
        // pixel; larger as the user likes.
        (*form)->resize(100, 100);
        EXPECT_EQ((*form)->size(), QSize(628, 538));
        (*form)->resize(928, 738);
        EXPECT_EQ((*form)->size(), QSize(928, 738));
        (*form)->close();
        flushDeletes();
        EXPECT_TRUE(gSwitchboard->isVisible());
        EXPECT_TRUE(form->isNull());
    }
}

// Records its unload; like an analysis window, it may unload every other window
// but the first (the switchboard) in its own unload.
struct RecordingWindow : QWidget {
    RecordingWindow(QString name, QStringList& log, bool unloadsOthers = false)
        : name(std::move(name)), log(log), unloadsOthers(unloadsOthers) {
        trackWindow(this);
    }
    void closeEvent(QCloseEvent*) override {
        log << name;
        if (unloadsOthers)
            for (QWidget* w : loadedWindows().mid(1))
                unloadWindow(w);
    }
    QString name;
    QStringList& log;
    bool unloadsOthers;
};

// The second window unloads the first while Exit is going through the list: no
// window is unloaded twice.
TEST_F(WindowFlow, ExitUnloadsEveryOtherWindowOnceMostRecentFirstHiddenOnesIncluded) {
    QStringList unloaded;
    new RecordingWindow(u"first"_s, unloaded);
    (new RecordingWindow(u"second"_s, unloaded, true))->show();
    new RecordingWindow(u"third"_s, unloaded);
    EXPECT_FALSE(frmDataSet::load(db_.file())->isVisible());
    gSwitchboard->cmdExit->click();
    flushDeletes();
    EXPECT_EQ(unloaded, (QStringList{u"third"_s, u"second"_s, u"first"_s}));
    EXPECT_TRUE(loadedWindows().isEmpty());
    EXPECT_EQ(frmDataSet::instance(), nullptr);
    EXPECT_TRUE(visibleWindows().isEmpty());
}

// Opens the About box through `item` of `owner`; once it is up, checks that it
// blocks its owner and stands centred on it, then presses `key` (0: clicks "OK").
// Returns the result the box ended with, -1 if it never came up.
int runAbout(QWidget* owner, QAction* item, int key) {
    int result = -1;
    QTimer::singleShot(0, owner, [&result, owner, key] {
        auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        if (!about) {
            ADD_FAILURE() << "no modal About box";
            for (frmAbout* left : owner->findChildren<frmAbout*>())
                left->done(QDialog::Rejected); // never hang the test
            return;
        }
        EXPECT_EQ(about->parentWidget(), owner);
        EXPECT_NEAR(about->frameGeometry().center().x(), owner->frameGeometry().center().x(), 1);
        EXPECT_NEAR(about->frameGeometry().center().y(), owner->frameGeometry().center().y(), 1);
        QObject::connect(about, &QDialog::finished, owner, [&result](int r) { result = r; });
        if (key == 0) {
            about->cmdOK->click();
        } else {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(about, &press);
        }
        if (about->isVisible()) {
            ADD_FAILURE() << "the About box stays open after key " << key;
            about->done(QDialog::Rejected);
        }
    });
    item->trigger();
    flushDeletes();
    return result;
}

// Help, About of each analysis window: "OK", Enter and Esc each close the box,
// which is then gone.
TEST_F(WindowFlow, HelpAboutBlocksTheWindowUntilOkEnterOrEsc) {
    gSwitchboard->cmdLogs->click();
    auto* log = qobject_cast<frmMainLog*>(gLogForm.data());
    ASSERT_NE(log, nullptr);
    for (int key : {0, int(Qt::Key_Return), int(Qt::Key_Escape)}) {
        EXPECT_EQ(runAbout(log, log->mnuHelpAbout, key), QDialog::Accepted) << key;
        EXPECT_EQ(log->findChild<frmAbout*>(), nullptr) << key;
    }
    log->close();
    flushDeletes();
    gSwitchboard->cmdTrees->click();
    auto* snag = qobject_cast<frmMainSnag*>(gSnagForm.data());
    ASSERT_NE(snag, nullptr);
    EXPECT_EQ(runAbout(snag, snag->mnuHelpAbout, Qt::Key_Escape), QDialog::Accepted);
    EXPECT_EQ(snag->findChild<frmAbout*>(), nullptr);
}

// Without a window to open the buttons leave the switchboard as it is.
TEST_F(WindowFlow, AButtonWithoutItsWindowLeavesTheSwitchboardShown) {
    registerAnalysisWindows({}, {});
    gSwitchboard->cmdLogs->click();
    gSwitchboard->cmdTrees->click();
    EXPECT_TRUE(gLogForm.isNull());
    EXPECT_TRUE(gSnagForm.isNull());
    EXPECT_EQ(visibleWindows(), QList<QWidget*>{gSwitchboard.data()});
}

// A window is listed once however often it is tracked; unloading a window that
// is not listed leaves it alone.
TEST_F(WindowFlow, TheListOfLoadedWindowsHoldsEachWindowOnce) {
    auto* window = new QWidget;
    trackWindow(window);
    trackWindow(window);
    trackWindow(nullptr);
    EXPECT_EQ(loadedWindows(), (QList<QWidget*>{gSwitchboard.data(), window}));
    QWidget other;
    other.show();
    unloadWindow(&other);
    unloadWindow(nullptr);
    EXPECT_TRUE(other.isVisible());
    const QPointer<QWidget> unloaded(window);
    unloadWindow(window);
    flushDeletes();
    EXPECT_TRUE(unloaded.isNull());
    EXPECT_EQ(loadedWindows(), QList<QWidget*>{gSwitchboard.data()});
}

TEST(DataSetWindow, LoadsHiddenCentredOnceAndItsGridKeepsTheMargins) {
    frmDataSet* w = frmDataSet::load(u"/data/dataset.db"_s);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(frmDataSet::load(u"/other/dataset.db"_s), w); // one instance
    EXPECT_EQ(w->databaseName(), u"/other/dataset.db"_s);
    EXPECT_FALSE(w->isVisible());
    expectCentred(w, QGuiApplication::primaryScreen()->geometry());
    // The grid keeps 360 x 645 twips of the outer size free; a window smaller than
    // that leaves it empty.
    EXPECT_EQ(dataSetGridTwips({6000, 4050}), QSize(5640, 3405));
    EXPECT_EQ(dataSetGridTwips({200, 300}), QSize(0, 0));
    // Resized to 6000 x 4050 twips (shown only to get the resize; the program
    // never shows it), the grid follows the outer size, frame included.
    w->show();
    w->resize(twipsSize(6000, 4050));
    QCoreApplication::processEvents();
    const QSize frame = w->frameGeometry().size() - w->size();
    EXPECT_EQ(w->grdDataSet->size(), twipsSize(6000 + pixelsToTwipsX(frame.width()) - 360,
                                               4050 + pixelsToTwipsY(frame.height()) - 645));
    unloadWindow(w);
    flushDeletes();
    EXPECT_EQ(frmDataSet::instance(), nullptr);
}

// A missing or unreadable setting gives the default place.
TEST(WindowPosition, KeptInTwipsAndReadBackWithTheDefaultForAnythingElse) {
    const QString section = u"PositionTest"_s;
    EXPECT_EQ(savedPosition(section), defaultPosition()) << "nothing saved";
    const QPoint at(twipsToPixelsX(1500), twipsToPixelsY(3000));
    savePosition(section, at);
    EXPECT_DOUBLE_EQ(toDouble(getSetting(section, u"MainLeft"_s)), pixelsToTwipsX(at.x()));
    EXPECT_EQ(savedPosition(section), at);
    saveSetting(section, u"MainLeft"_s, u"left"_s);
    saveSetting(section, u"MainTop"_s, u"1e999x"_s);
    EXPECT_EQ(savedPosition(section), defaultPosition());
    EXPECT_EQ(defaultPosition(), QPoint(twipsToPixelsX(100), twipsToPixelsY(100)));
}

} // namespace
} // namespace vernalt::test
