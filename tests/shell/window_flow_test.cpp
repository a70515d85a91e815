// The start-up and window flow offscreen: the switchboard, the analysis windows
// it opens, the unloading of every window, and the data-set window.
#include "log/frmMainLog.h"
#include "platform/grid.h"
#include "platform/twips.h"
#include "shell/app_windows.h"
#include "shell/frmDataSet.h"
#include "shell/frmSwitchboard.h"
#include "snag/frmMainSnag.h"
#include "support/flush_deletes.h"
#include "support/scripted_prompts.h"
#include "support/temp_database.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
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
    gSwitchboard->cmdLogs->click();
    ASSERT_NE(logWindow(), nullptr);
    EXPECT_EQ(visibleWindows(), QList<QWidget*>{gLogForm.data()});
    gLogForm->close();
    flushDeletes();
    EXPECT_TRUE(gSwitchboard->isVisible());
    EXPECT_EQ(logWindow(), nullptr);

    gSwitchboard->cmdTrees->click();
    ASSERT_NE(snagWindow(), nullptr);
    EXPECT_EQ(visibleWindows(), QList<QWidget*>{gSnagForm.data()});
    gSnagForm->close();
    flushDeletes();
    EXPECT_TRUE(gSwitchboard->isVisible());
    EXPECT_EQ(snagWindow(), nullptr);
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

TEST_F(WindowFlow, ExitUnloadsEveryOtherWindowMostRecentFirstHiddenOnesIncluded) {
    QStringList unloaded;
    new RecordingWindow(u"first"_s, unloaded);
    auto* second = new RecordingWindow(u"second"_s, unloaded);
    new RecordingWindow(u"third"_s, unloaded);
    second->show();
    EXPECT_FALSE(frmDataSet::load(db_.file())->isVisible());
    gSwitchboard->cmdExit->click();
    flushDeletes();
    EXPECT_EQ(unloaded, (QStringList{u"third"_s, u"second"_s, u"first"_s}));
    EXPECT_TRUE(loadedWindows().isEmpty());
    EXPECT_EQ(frmDataSet::instance(), nullptr);
    EXPECT_TRUE(visibleWindows().isEmpty());
}

TEST(DataSetWindow, LoadsHiddenCentredOnceAndItsGridFollowsItsSize) {
    frmDataSet* w = frmDataSet::load(u"/data/dataset.db"_s);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(frmDataSet::load(u"/other/dataset.db"_s), w); // one instance
    EXPECT_EQ(w->databaseName(), u"/other/dataset.db"_s);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(loadedWindows().contains(w));
    expectCentred(w, QGuiApplication::primaryScreen()->geometry());
    // The grid keeps 360 x 645 twips of the outer size, frame included, free;
    // a window smaller than that leaves it empty. (Shown here only to get the
    // resize event; the program never shows it.)
    EXPECT_EQ(dataSetGridTwips({200, 300}), QSize(0, 0));
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
