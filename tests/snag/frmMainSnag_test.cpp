// The snag window's life cycle: load, settings, resize, unload and ClearAll.
#include "snag_window_fixture.h"
#include "support/keyboard.h"

#include "platform/database.h"
#include "platform/twips.h"
#include "platform/value.h"
#include "settings/frmGuidelines.h"
#include "shell/frmDataSet.h"
#include "shell/frmSwitchboard.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using SnagLifeCycle = SnagWindowTest;

TEST_F(SnagLifeCycle, EveryPageIsWalkedByKeyboard) {
    frmMainSnag* w = open();
    w->show();
    for (QPushButton* b : w->findChildren<QPushButton*>())
        b->setEnabled(true); // the ones an import enables count too
    expectEveryPageWalkable(w->ssTabMain);
}

TEST_F(SnagLifeCycle, FirstStartOpensMetricAtTheDefaultPlaceWithTenPages) {
    frmMainSnag* w = open();
    EXPECT_EQ(w->windowTitle(), u"Vernalt - Snag and Tree Analysis"_s);
    EXPECT_TRUE(w->mnuMetric->isChecked());
    EXPECT_FALSE(w->mnuEnglish->isChecked());
    EXPECT_EQ(w->AreaFactor, 10000);
    EXPECT_EQ(w->pos(), QPoint(twipsToPixelsX(100), twipsToPixelsY(100)));
    EXPECT_EQ(w->size(), twipsSize(9420, 9480));
    EXPECT_EQ(w->minimumSize(), analysisMinimumSize());
    EXPECT_EQ(w->status(), u"Status: No data read"_s);
    EXPECT_EQ(w->ssTabMain->currentIndex(), 5);
    EXPECT_TRUE(w->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_TRUE(loadedWindows().contains(w));
    EXPECT_EQ(w->datDataSet2.DatabaseName, db::path());
    const char* pages[] = {
        "Optimal",         "Densities", "Sample Size", "Statistical Test", "Summary Statistics",
        "Single/Combined", "Stratum 1", "Stratum 2",   "Stratum 3",        "Stratum 4"};
    ASSERT_EQ(w->ssTabMain->count(), 10);
    for (int p = 0; p < 10; ++p)
        EXPECT_EQ(w->ssTabMain->tabText(p), QString::fromLatin1(pages[p])) << p;
    // Each data sheet's controls lie on its own page.
    for (int k = 0; k < 5; ++k) {
        EXPECT_TRUE(w->ssTabMain->page(5 + k)->isAncestorOf(w->grdStratum[k])) << k;
        EXPECT_TRUE(w->ssTabMain->page(5 + k)->isAncestorOf(w->cmdForage[k])) << k;
        EXPECT_FALSE(w->cmdFormMulti[k]->isEnabled()) << "disabled until a clean import";
        EXPECT_EQ(w->datDataSet[k].DatabaseName, db::path());
    }
}

TEST_F(SnagLifeCycle, SettingsRoundTrip) {
    frmMainSnag* w = open();
    w->move(twipsToPixelsX(1500), twipsToPixelsY(1200));
    w->mnuEnglish->trigger();
    const QString left = singleText(float(pixelsToTwipsX(w->pos().x())));
    const QString top = singleText(float(pixelsToTwipsY(w->pos().y())));
    unload(w);
    EXPECT_EQ(stored("SnagSettings", "MainLeft"), left);
    EXPECT_EQ(stored("SnagSettings", "MainTop"), top);
    EXPECT_EQ(stored("SnagSettings", "MetricMeasurement"), u"False"_s);
    EXPECT_EQ(stored("SnagSettings", "EnglishMeasurement"), u"True"_s);
    EXPECT_EQ(stored("Settings", "MainLeft"), left);
    EXPECT_EQ(stored("Settings", "MainTop"), top);

    frmMainSnag* again = open();
    EXPECT_FALSE(again->mnuMetric->isChecked());
    EXPECT_TRUE(again->mnuEnglish->isChecked());
    EXPECT_EQ(again->AreaFactor, 43560);
    EXPECT_EQ(again->pos(), QPoint(twipsToPixelsX(1500), twipsToPixelsY(1200)));
}

TEST_F(SnagLifeCycle, ClosedWhileMinimisedWritesNothing) {
    store("SnagSettings", "MainLeft", u"300"_s);
    store("SnagSettings", "MetricMeasurement", u"True"_s);
    frmMainSnag* w = open();
    w->mnuEnglish->trigger();
    w->move(twipsToPixelsX(2000), twipsToPixelsY(2000));
    w->setWindowState(Qt::WindowMinimized);
    unload(w);
    EXPECT_EQ(stored("SnagSettings", "MainLeft"), u"300"_s);
    EXPECT_EQ(stored("SnagSettings", "MetricMeasurement"), u"True"_s);
    EXPECT_EQ(stored("SnagSettings", "EnglishMeasurement"), QString());
    EXPECT_EQ(stored("Settings", "MainLeft"), QString());
}

TEST_F(SnagLifeCycle, UnreadableSettingsTakeTheirDefaults) {
    struct Case {
        const char *what, *left, *top, *metric, *english;
    } cases[] = {
        {"words and overflows", "left", "1e999x", "Maybe", "42"},
        {"a place off every screen", "-300000", "-300000", "False", "True"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        store("SnagSettings", "MainLeft", QString::fromLatin1(c.left));
        store("SnagSettings", "MainTop", QString::fromLatin1(c.top));
        store("SnagSettings", "MetricMeasurement", QString::fromLatin1(c.metric));
        store("SnagSettings", "EnglishMeasurement", QString::fromLatin1(c.english));
        frmMainSnag* w = open();
        EXPECT_EQ(w->mnuMetric->isChecked(), c.metric[0] != 'F');
        EXPECT_EQ(w->pos(), QPoint(twipsToPixelsX(100), twipsToPixelsY(100)));
    }
}

TEST_F(SnagLifeCycle, ReadOnlyDatabaseStillOpensTheWindow) {
    db::connection(); // creates the file with its tables
    db::close();
    QFile::setPermissions(database.file(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    script.message(u"Cannot open the database for updating.  It may be set as read-only."_s,
                   u"Open database error"_s, MsgIcon::Critical);
    frmMainSnag* w = open();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(w->status(), u"Status: No data read"_s);
    EXPECT_EQ(w->ssTabMain->currentIndex(), 5);
    // Labelled from what the fields held: bare level names, no areas read.
    EXPECT_EQ(w->grdOptimal[0]->text(0, 0), u"Plot Dimensions"_s);
    EXPECT_EQ(w->grdOptimal[0]->text(5, 0), u"Segment"_s);
    EXPECT_EQ(w->grdOptimal[0]->text(5, 1), u"0"_s);
    // Every read of the plot sizes says so again; the window goes on in English units.
    script.message(u"Cannot open the database for updating.  It may be set as read-only."_s,
                   u"Open database error"_s, MsgIcon::Critical);
    w->mnuEnglish->trigger();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(w->AreaFactor, 43560);
    EXPECT_EQ(w->lblStatY->text(), u"Stems per acre"_s);
    QFile::setPermissions(database.file(), QFile::ReadOwner | QFile::WriteOwner);
}

// A database file that cannot be used at all is named with what to do, once,
// and the window opens all the same.
TEST_F(SnagLifeCycle, ADamagedOrLockedDatabaseSaysWhatToDo) {
    {
        QFile notes(database.file());
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
        notes.write("Plot 4, ridge: two snags, one with a cavity.\n");
    }
    script.message(u"The database file\n"_s + database.file() +
                       u"\nis damaged or is not a database, so it cannot be opened.\n\nMove it "
                       u"to another folder or rename it, then try again. A new database, with "
                       u"the default plot sizes and unit lengths, will be made in its place; "
                       u"import your data file again."_s,
                   u"Damaged database"_s, MsgIcon::Critical);
    frmMainSnag* w = open();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(w->status(), u"Status: No data read"_s);
    unload(w);

    // Moved aside, a new database is made; another program then holds it.
    ASSERT_TRUE(QFile::rename(database.file(), database.file() + u".damaged"_s));
    db::connection();
    db::close();
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other"_s);
        other.setDatabaseName(database.file());
        ASSERT_TRUE(other.open());
        QSqlQuery lock(other);
        ASSERT_TRUE(lock.exec(u"BEGIN EXCLUSIVE"_s));
        script.message(u"The database file\n"_s + database.file() +
                           u"\nis in use by another program, so it cannot be opened.\n\nClose "
                           u"the other program (or the other copy of Vernalt), then try again."_s,
                       u"Database in use"_s, MsgIcon::Critical);
        open();
        EXPECT_TRUE(script.done());
        lock.exec(u"ROLLBACK"_s);
        other.close();
    }
    QSqlDatabase::removeDatabase(u"other"_s);
}

TEST_F(SnagLifeCycle, UnloadUnloadsTheOtherWindowsAndShowsTheSwitchboard) {
    auto* board = new frmSwitchboard; // the first window loaded
    gSwitchboard = board;
    frmMainSnag* w = open();
    // A hidden window (the data-set window that a clean import loads) and a shown one.
    QPointer<frmDataSet> dataSet = frmDataSet::load(db::path());
    QPointer<QWidget> other = new QWidget;
    trackWindow(other);
    other->show();
    w->show();
    board->hide();
    unload(w);
    EXPECT_TRUE(dataSet.isNull()) << "the hidden data-set window is unloaded too";
    EXPECT_TRUE(other.isNull());
    EXPECT_EQ(frmDataSet::instance(), nullptr);
    EXPECT_EQ(loadedWindows(), QList<QWidget*>{board});
    EXPECT_TRUE(board->isVisible());
    delete board;
}

TEST_F(SnagLifeCycle, ResizeLaysOutTheControls) {
    frmMainSnag* w = open();
    w->show();
    w->resize(twipsSize(12000, 10005));
    const QRect outer = w->frameGeometry();
    const double W = pixelsToTwipsX(outer.width());
    const double H = pixelsToTwipsY(outer.height());
    EXPECT_EQ(w->ssTabMain->width(), twipsToPixelsX(W - 375));
    EXPECT_EQ(w->ssTabMain->height(), twipsToPixelsY(H - 1215));
    EXPECT_EQ(w->grdStratum[3]->width(), twipsToPixelsX(W - 765));
    EXPECT_EQ(w->grdStratum[0]->height(), twipsToPixelsY(H - 3375));
    EXPECT_EQ(w->grdSubtotal[1]->height(), twipsToPixelsY((H - 5265) / 2 - 52));
    // Tops are measured from the tab control's top: the page starts below the tabs.
    const double strip = w->ssTabMain->stripTwips();
    EXPECT_EQ(w->cmdCorrelation->y(), twipsToPixelsY(H - 1920 - strip));
    EXPECT_EQ(w->cmdCavity[2]->y(), twipsToPixelsY(H - 1710 - strip));
    EXPECT_EQ(w->frmProportionalAllocation->y(), twipsToPixelsY(H - 3615 - strip));
}

TEST_F(SnagLifeCycle, TheInnerTabsFollowTheHeightAndTheSheetsScroll) {
    frmMainSnag* w = open();
    w->show();
    // They reach to 120 twips above the bottom of ssTabMain, as designed at the
    // load size (heights 5865 and 6645 for a window 9480 high).
    w->resize(twipsSize(12000, 10005));
    const double H = pixelsToTwipsY(w->frameGeometry().height());
    EXPECT_EQ(w->ssTabOptimal->height(), twipsToPixelsY(H - 1215 - 2280 - 120));
    EXPECT_EQ(w->ssTabFormula->height(), twipsToPixelsY(H - 1215 - 1500 - 120));
    // At the smallest height the stratified sheet no longer fits: it scrolls.
    w->resize(w->minimumSize());
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageDensities);
    w->ssTabFormula->setCurrentIndex(1);
    auto* area = qobject_cast<QScrollArea*>(w->ssTabFormula->currentWidget());
    ASSERT_NE(area, nullptr);
    EXPECT_TRUE(area->widget()->isAncestorOf(w->lblStratifiedPrecision));
    EXPECT_GT(area->verticalScrollBar()->maximum(), 0);
}

TEST_F(SnagLifeCycle, ClearAllRestoresTheDefaults) {
    frmMainSnag* w = open();
    w->txtSimpleTvalue->setText(u"2.66"_s);
    w->txtOptimalPrecisionLevel->setText(u".1"_s);
    w->txtStratifiedStdDev[2]->setText(u"4.5"_s);
    w->optStratum[3]->setChecked(true);
    w->ssTabFormula->setCurrentIndex(1);
    w->ssTabMain->setCurrentIndex(2);
    w->lblSimpleX->setText(u"80"_s);
    w->lblAvgAcres->setText(u"80"_s);
    w->lblStratifiedMeanEquations[2]->setText(u"14"_s);
    w->lblForagePercentUse[4]->setText(u"33.3"_s);
    w->grdStratum[2]->setText(0, 1, u"Location"_s);
    w->setStatus(u"Status: Data file read"_s);

    w->ClearAll();
    EXPECT_EQ(w->txtSimpleTvalue->text(), u"1.67"_s);
    EXPECT_EQ(w->txtOptimalTvalue->text(), u"1.67"_s);
    EXPECT_EQ(w->txtOptimalPrecisionLevel->text(), u".2"_s);
    EXPECT_EQ(w->txtStratifiedStdDev[2]->text(), QString());
    EXPECT_TRUE(w->optStratum[0]->isChecked());
    EXPECT_EQ(w->ssTabFormula->currentIndex(), 0);
    EXPECT_EQ(w->ssTabMain->currentIndex(), 5);
    EXPECT_EQ(w->lblSimpleX->text(), QString());
    EXPECT_EQ(w->lblAvgAcres->text(), QString()) << "the average too";
    EXPECT_EQ(w->lblStratifiedMeanEquations[2]->text(), QString());
    EXPECT_EQ(w->lblForagePercentUse[4]->text(), QString());
    EXPECT_EQ(w->grdStratum[2]->text(0, 1), QString());
    // Headers are gone until the next relabelling; shapes stay.
    EXPECT_EQ(w->grdOptimal[1]->text(0, 0), QString());
    EXPECT_EQ(w->grdOptimal[1]->rows(), 17);
    EXPECT_EQ(w->status(), u"Status: Data file read"_s);
    EXPECT_TRUE(w->mnuMetric->isChecked());
}

TEST_F(SnagLifeCycle, GuidelinesShowTheWindowsUnitSystem) {
    frmMainSnag* w = open();
    gSnagForm = w;
    w->mnuEnglish->trigger();
    w->mnuGuidelines->trigger();
    QPointer<frmGuidelines> shown = frmGuidelines::instance();
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->isVisible());
    // Transect132 under category 6, in dollars per sample.
    EXPECT_EQ(shown->grdGuidelines->text(17, 6), u"19.07"_s);
    shown->close();
    flushDeletes();
    EXPECT_TRUE(shown.isNull());
}

} // namespace
} // namespace vernalt::test
