// The snag window's life cycle: the keyboard walk, its settings, a database it
// cannot use, Exit.
#include "snag_window_fixture.h"
#include "support/keyboard.h"

#include "platform/database.h"
#include "platform/settings.h"
#include "platform/twips.h"
#include "platform/value.h"
#include "shell/frmDataSet.h"
#include "shell/frmSwitchboard.h"

#include <QFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace vernalt::test {
namespace {

using SnagLifeCycle = SnagWindowTest;

// Settings MainLeft, MetricMeasurement and EnglishMeasurement of the window, and
// MainLeft of the place the windows share.
QStringList stored() {
    const QString s = u"SnagSettings"_s;
    return {getSetting(s, u"MainLeft"_s), getSetting(s, u"MetricMeasurement"_s),
            getSetting(s, u"EnglishMeasurement"_s), getSetting(u"Settings"_s, u"MainLeft"_s)};
}

TEST_F(SnagLifeCycle, EveryPageIsWalkedByKeyboardAndTheSheetsScrollAtTheSmallestSize) {
    frmMainSnag* w = open();
    w->show();
    for (QPushButton* b : w->findChildren<QPushButton*>())
        b->setEnabled(true); // the ones an import enables count too
    expectEveryPageWalkable(w->ssTabMain);
    // At the smallest size the stratified sheet no longer fits: it scrolls.
    w->resize(w->minimumSize());
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageDensities);
    w->ssTabFormula->setCurrentIndex(1);
    auto* area = qobject_cast<QScrollArea*>(w->ssTabFormula->currentWidget());
    ASSERT_TRUE(area && area->widget()->isAncestorOf(w->lblStratifiedPrecision));
    EXPECT_GT(area->verticalScrollBar()->maximum(), 0);
}

TEST_F(SnagLifeCycle, SettingsRoundTripUnlessClosedMinimised) {
    frmMainSnag* w = open();
    w->move(twipsToPixelsX(1500), twipsToPixelsY(1200));
    w->mnuEnglish->trigger();
    const QString left = singleText(float(pixelsToTwipsX(w->pos().x())));
    unload(w);
    EXPECT_EQ(stored(), QStringList({left, u"False"_s, u"True"_s, left}));
    w = open();
    EXPECT_TRUE(w->mnuEnglish->isChecked() && !w->mnuMetric->isChecked());
    EXPECT_EQ(w->AreaFactor, 43560);
    EXPECT_EQ(w->pos(), QPoint(twipsToPixelsX(1500), twipsToPixelsY(1200)));
    w->mnuMetric->trigger();
    w->move(twipsToPixelsX(2000), twipsToPixelsY(2000));
    w->setWindowState(Qt::WindowMinimized);
    unload(w);
    EXPECT_EQ(stored(), QStringList({left, u"False"_s, u"True"_s, left}));
}

TEST_F(SnagLifeCycle, UnreadableSettingsTakeTheirDefaults) {
    // Left, top, metric, English: words and overflows; a place off every screen.
    const std::array<const char16_t*, 4> cases[] = {{u"left", u"1e999x", u"Maybe", u"42"},
                                                    {u"-300000", u"-300000", u"False", u"True"}};
    for (const auto& c : cases) {
        const char16_t* keys[] = {u"MainLeft", u"MainTop", u"MetricMeasurement",
                                  u"EnglishMeasurement"};
        for (int i = 0; i < 4; ++i)
            saveSetting(u"SnagSettings"_s, QString::fromUtf16(keys[i]), QString::fromUtf16(c[i]));
        frmMainSnag* w = open();
        EXPECT_EQ(w->mnuMetric->isChecked(), c[2][0] != u'F');
        EXPECT_EQ(w->pos(), QPoint(twipsToPixelsX(100), twipsToPixelsY(100)));
    }
}

TEST_F(SnagLifeCycle, ReadOnlyDatabaseStillOpensTheWindow) {
    db::connection(); // creates the file with its tables
    db::close();
    QFile::setPermissions(database.file(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const auto readOnly = [&] {
        message(u"Cannot open the database for updating.  It may be set as read-only.",
                u"Open database error", MsgIcon::Critical);
    };
    readOnly();
    frmMainSnag* w = open();
    // Labelled from what the fields held: bare level names, no areas read.
    EXPECT_EQ(
        QStringList({w->status(), w->grdOptimal[0]->text(5, 0), w->grdOptimal[0]->text(5, 1)}),
        QStringList({u"Status: No data read"_s, u"Segment"_s, u"0"_s}));
    EXPECT_EQ(w->ssTabMain->currentIndex(), frmMainSnag::PageSingleCombined);
    // Every read of the plot sizes says so again; the window goes on in English units.
    readOnly();
    w->mnuEnglish->trigger();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(w->lblStatY->text(), u"Stems per acre"_s);
    QFile::setPermissions(database.file(), QFile::ReadOwner | QFile::WriteOwner);
}

// A database file that cannot be used at all is named with what to do, once,
// and the window opens all the same.
TEST_F(SnagLifeCycle, ADamagedOrLockedDatabaseSaysWhatToDo) {
    QFile notes(database.file());
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("Plot 4, ridge: two snags, one with a cavity.\n");
    notes.close();
    script.message(u"The database file\n"_s + database.file() +
                       u"\nis damaged or is not a database, so it cannot be opened.\n\nMove it "
                       u"to another folder or rename it, then try again. A new database, with "
                       u"the default plot sizes and unit lengths, will be made in its place; "
                       u"import your data file again."_s,
                   u"Damaged database"_s, MsgIcon::Critical);
    unload(open());
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
        EXPECT_EQ(open()->status(), u"Status: No data read"_s);
        EXPECT_TRUE(script.done());
        lock.exec(u"ROLLBACK"_s);
        other.close();
    }
    QSqlDatabase::removeDatabase(u"other"_s);
}

TEST_F(SnagLifeCycle, ExitUnloadsTheOtherWindowsAndShowsTheSwitchboard) {
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
    w->mnuFileExit->trigger();
    flushDeletes();
    EXPECT_TRUE(dataSet.isNull() && other.isNull() && board->isVisible());
    EXPECT_EQ(loadedWindows(), QList<QWidget*>{board});
    delete board;
}

} // namespace
} // namespace vernalt::test
