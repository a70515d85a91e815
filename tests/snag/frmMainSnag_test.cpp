// The snag window where the whole analysis does not go: a database it cannot
// use at load, the refused files and a non-numeric value of File, Open, and the
// correlation of a sheet whose transects differ in length. The messages of the
// refusals are shared with the log window and tested there in full.
#include "snag_window_fixture.h"
#include "support/keyboard.h"
#include "support/texts.h"

#include "data/csv_import.h"
#include "platform/database.h"
#include "platform/settings.h"
#include "platform/twips.h"
#include "shell/analysis_window.h"
#include "shell/correlation.h"

#include <QFile>
#include <QGroupBox>
#include <QSqlQuery>
#include <QSqlRecord>

namespace vernalt::test {
namespace {

class SnagWindow : public SnagWindowTest {
  protected:
    // Opens a file of data/ through File, Open, with the message box the import shows.
    void importFile(const char* name, const char* message = "", const char* title = "",
                    MsgIcon icon = MsgIcon::Critical) {
        script.openFile(QStringLiteral(VERNALT_TEST_DATA "/snag/data/") + QLatin1String(name));
        if (*message)
            script.message(QString::fromUtf8(message), QString::fromUtf8(title), icon);
        w->mnuFileOpen->trigger();
        EXPECT_TRUE(script.done()) << name;
    }
    // What a refused import leaves as it was: every value of Snags, the first two
    // sheets, the status and whether the sheets' buttons are enabled.
    QStringList snapshot() {
        QSqlQuery q = db::select(u"SELECT * FROM Snags ORDER BY id"_s);
        QStringList out;
        while (q.next())
            for (int c = 0; c < q.record().count(); ++c)
                out << q.value(c).toString();
        bool enabled = true;
        for (int k = 0; k < 5; ++k)
            for (const QPushButton* b :
                 {w->cmdFormMulti[k], w->cmdFormSingle[k], w->cmdCavity[k], w->cmdForage[k]})
                enabled = enabled && b->isEnabled();
        return out + gridTexts(w->grdStratum[0]) + gridTexts(w->grdStratum[1])
               << w->status() << (enabled ? u"enabled"_s : u"disabled"_s);
    }
    frmMainSnag* w = nullptr;
};

TEST_F(SnagWindow, EveryPageIsWalkedByKeyboard) {
    w = open();
    w->show();
    for (QPushButton* b : w->findChildren<QPushButton*>())
        b->setEnabled(true); // the ones an import enables count too
    expectEveryPageWalkable(w->ssTabMain);
}

// The place and the unit system come back at the next load, for this window and,
// the place, for the next analysis window; a window closed minimised writes
// nothing, and a place from which no title bar can be reached gives the default.
TEST_F(SnagWindow, ItsPlaceAndUnitsComeBackUnlessClosedMinimised) {
    const QString section = u"SnagSettings"_s;
    const QPoint at(twipsToPixelsX(1500), twipsToPixelsY(1200));
    w = open();
    w->move(at);
    w->mnuEnglish->trigger();
    unloadWindow(w);
    flushDeletes();
    EXPECT_EQ(savedPosition(u"Settings"_s), at);
    w = open();
    EXPECT_EQ(std::tuple(w->pos(), w->mnuEnglish->isChecked(), w->mnuMetric->isChecked()),
              std::tuple(at, true, false));

    w->mnuMetric->trigger();
    w->move(twipsToPixelsX(2000), twipsToPixelsY(2000));
    w->setWindowState(Qt::WindowMinimized);
    unloadWindow(w);
    flushDeletes();
    EXPECT_EQ(savedPosition(section), at);
    EXPECT_EQ(getSetting(section, u"EnglishMeasurement"_s), u"True"_s);

    saveSetting(section, u"MainLeft"_s, u"-300000"_s);
    EXPECT_EQ(open()->pos(), defaultPosition());
}

// Made 2000 twips wider and 1000 higher, the window's tab control and data
// sheets grow by as much, the two subtotal grids share the height, and the
// buttons under the sheets move down with the bottom edge.
TEST_F(SnagWindow, TheControlsFollowTheWindowsSize) {
    w = open();
    w->show();
    const auto measure = [this] {
        return std::array<int, 7>{w->ssTabMain->width(),
                                  w->ssTabMain->height(),
                                  w->grdStratum[3]->width(),
                                  w->grdStratum[0]->height(),
                                  w->grdSubtotal[1]->height(),
                                  w->cmdCavity[2]->y(),
                                  w->frmProportionalAllocation->y()};
    };
    const std::array<int, 7> before = measure();
    w->resize(w->size() + QSize(twipsToPixelsX(2000), twipsToPixelsY(1000)));
    const std::array<int, 7> after = measure();
    const int dx = twipsToPixelsX(2000), dy = twipsToPixelsY(1000), half = twipsToPixelsY(500);
    const std::array<int, 7> grown = {dx, dy, dx, dy, half, dy, dy};
    for (std::size_t i = 0; i < grown.size(); ++i)
        EXPECT_NEAR(after[i] - before[i], grown[i], 1) << i;
}

TEST_F(SnagWindow, AReadOnlyDatabaseIsSaidAtEveryReadOfThePlotSizes) {
    db::connection(); // creates the file with its tables
    db::close();
    QFile::setPermissions(database.file(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    for (int reads = 0; reads < 2; ++reads)
        script.message(u"Cannot open the database for updating.  It may be set as read-only."_s,
                       u"Open database error"_s, MsgIcon::Critical);
    w = open();
    // Labelled from what the fields held: bare level names, no areas read.
    expectShown({w->grdOptimal[0]->text(5, 0), w->grdOptimal[0]->text(5, 1)}, "Segment 0");
    // The window goes on in English units.
    w->mnuEnglish->trigger();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(w->lblStatY->text(), u"Stems per acre"_s);
    QFile::setPermissions(database.file(), QFile::ReadOwner | QFile::WriteOwner);
}

// A row of PlotSizes beyond the sixteen plot dimensions is reported when the
// sizes are read; the rows before it are read, the rest keep their sizes.
TEST_F(SnagWindow, APlotSizeRowBeyondTheSixteenIsReported) {
    w = open();
    db::exec(u"UPDATE PlotSizes SET \"Index\" = 16 WHERE Measurement = 'English' AND "
             u"\"Index\" = 15"_s);
    script.message(u"9 : Subscript out of range - Snag Procedure 'SetDimensions'"_s, u"Error"_s,
                   MsgIcon::Exclamation);
    w->mnuEnglish->trigger();
    EXPECT_TRUE(script.done());
    // Transect99 is 39600 ft^2; Transect132 keeps the metric 4000.
    expectShown(columnOf(*w->grdOptimal[0], 1, 15, 16), "39600 4000");
}

TEST_F(SnagWindow, ADamagedOrLockedDatabaseSaysWhatToDo) {
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
    open();
    // Moved aside, a new database is made; another program then holds it.
    ASSERT_TRUE(QFile::rename(database.file(), database.file() + u".damaged"_s));
    db::connection();
    db::close();
    {
        OtherProgram other(database.file());
        ASSERT_TRUE(other.exec(u"BEGIN EXCLUSIVE"_s));
        script.message(u"The database file\n"_s + database.file() +
                           u"\nis in use by another program, so it cannot be opened.\n\nClose "
                           u"the other program (or the other copy of Vernalt), then try again."_s,
                       u"Database in use"_s, MsgIcon::Critical);
        EXPECT_EQ(open()->status(), u"Status: No data read"_s);
        EXPECT_TRUE(script.done());
    }
}

TEST_F(SnagWindow, ANonNumericValueIsReportedAndItsRowKept) {
    const char* nonNumeric = "A non-numeric value was found in the data file.";
    w = open();
    importFile("non_numeric.csv", nonNumeric, "Error in data file");
    // The sheet filled all the same; the buttons only a clean import enables.
    EXPECT_EQ(QStringList({w->grdStratum[0]->text(2, 13), w->status(), snapshot().last()}),
              QStringList({u"abc"_s, u"Status: Data file error!"_s, u"disabled"_s}));
    // After a clean import they stay enabled, whatever comes next.
    importFile("quotes_and_dates.csv");
    importFile("non_numeric.csv", nonNumeric, "Error in data file");
    EXPECT_EQ(snapshot().last(), u"enabled"_s);
}

TEST_F(SnagWindow, ACancelOrARefusedFileChangesNothing) {
    const std::tuple<const char*, const char*, const char*, MsgIcon> cases[] = {
        {"cover_header.csv",
         "An invalid column header was found in the data file.\n\nThe column name \"%Cover(1)\" "
         "in the header row was not recognised. Nothing was imported.",
         "Error", MsgIcon::None},
        {"missing_header.csv",
         "A header row was not found as the first row in the data file.  This header is needed "
         "to identify what each value represents.",
         "Missing header row", MsgIcon::Critical},
        {"beyond_header.csv",
         "Line 3 of the data file has 3 values, but the header row names only 2 columns. Nothing "
         "was imported.\n\nA decimal comma splits a number in two: write 1.5, not 1,5.",
         "Too many values", MsgIcon::Critical},
    };
    w = open();
    // The sheet in transect, subsegment and file order; texts, an apostrophe and
    // an empty date kept as they are.
    importFile("quotes_and_dates.csv");
    EXPECT_EQ(rowOf(*w->grdStratum[0], 2, 0, 22).join(u'|'),
              u"1|A7|1|1|1|2|1|1|1|1|3|THPL|2|44|25|1|1|||||O'Neil|"_s);
    const QStringList before = snapshot();
    const QString path = DataFilePath;
    script.openFile(QString()); // Cancel
    w->mnuFileOpen->trigger();
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(std::pair(w->ImportedRowCount, DataFilePath), std::pair(4, path));
    for (const auto& [file, message, title, icon] : cases) {
        importFile(file, message, title, icon);
        EXPECT_EQ(snapshot(), before) << file;
        EXPECT_EQ(std::pair(w->ImportedRowCount, DataFilePath), std::pair(0, path)) << file;
    }
}

// A new data file starts the analysis afresh: every box, result, option and
// page back to how the window loads, the unit system kept.
TEST_F(SnagWindow, AnImportStartsTheAnalysisAfresh) {
    w = open();
    w->mnuEnglish->trigger();
    w->txtSimpleTvalue->setText(u"2.66"_s);
    w->txtOptimalPrecisionLevel->setText(u".1"_s);
    w->txtStratifiedStdDev[2]->setText(u"4.5"_s);
    w->optStratum[3]->setChecked(true);
    w->ssTabFormula->setCurrentIndex(1);
    w->ssTabMain->setCurrentIndex(frmMainSnag::PageSampleSize);
    for (QLabel* l : {w->lblSimpleX, w->lblAvgAcres, w->lblStratifiedMeanEquations[2],
                      w->lblForagePercentUse[4]})
        l->setText(u"80"_s);
    importFile("quotes_and_dates.csv");
    expectShown(textsOf(w->txtSimpleTvalue, w->txtOptimalTvalue, w->txtOptimalPrecisionLevel,
                        w->txtStratifiedStdDev[2], w->lblSimpleX, w->lblAvgAcres,
                        w->lblStratifiedMeanEquations[2], w->lblForagePercentUse[4]),
                "1.67 1.67 .2 _ _ _ _ _");
    EXPECT_TRUE(w->optStratum[0]->isChecked());
    EXPECT_EQ(std::pair(w->ssTabFormula->currentIndex(), w->ssTabMain->currentIndex()),
              std::pair(0, int(frmMainSnag::PageSingleCombined)));
    EXPECT_TRUE(w->mnuEnglish->isChecked());
}

// Another program reads (the import's COMMIT fails), writes (its BEGIN fails)
// or holds the file (nothing can be read): the window, the table and the file
// named as the current data set stay those of the last import.
TEST_F(SnagWindow, AnImportIntoADatabaseInUseChangesNothing) {
    w = open();
    importFile("quotes_and_dates.csv");
    const QStringList before = snapshot();
    const QString path = DataFilePath;
    db::exec(u"PRAGMA busy_timeout = 0"_s); // another program's lock fails at once
    for (const Holding holding : {Holding::Reading, Holding::Writing, Holding::Owning}) {
        {
            OtherProgram other(database.file());
            ASSERT_TRUE(other.hold(holding));
            importFile("snag_survey.csv",
                       "The database cannot be opened.  Is some other application using it?",
                       "Error", MsgIcon::None);
        }
        EXPECT_EQ(snapshot(), before) << int(holding);
        EXPECT_EQ(DataFilePath, path) << int(holding);
    }
}

// A row the database refuses half-way through the file (a full disk, a
// constraint): the rows before it go too, and the window keeps the last import.
TEST_F(SnagWindow, AnImportRefusedHalfWayChangesNothing) {
    w = open();
    importFile("quotes_and_dates.csv");
    const QStringList before = snapshot();
    const QString path = DataFilePath;
    db::exec(u"CREATE TRIGGER refuse BEFORE INSERT ON Snags WHEN NEW.id = 30 "
             u"BEGIN SELECT RAISE(ABORT, 'disk full'); END"_s);
    importFile("snag_survey.csv", "3146 : disk full - Snag Procedure 'mnuFileOpen_Click'", "Error",
               MsgIcon::Exclamation);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(std::pair(w->ImportedRowCount, DataFilePath), std::pair(0, path));
}

TEST_F(SnagWindow, CorrelationPairsUnitsWithinTheTransectsOfTheSubtotalsJustComputed) {
    // data/short_transect.csv: two transects of two records per subsegment, the
    // first only seven subsegments long. Width 10 flags by subsegment:
    //   transect 1: 10 00 | 10 10 | 11 10 | 11 --
    //   transect 2: 11 00 | 00 11 | 01 00 | 00 00
    // so the subsegment subtotals are 1 0 1 1 2 1 2 and 2 0 0 2 1 0 0 0. The other
    // widths are 0.
    w = open();
    importFile("short_transect.csv");
    // What an earlier Compute on another sheet left is neither read nor recomputed.
    w->grdStats[0]->setText(1, 3, u"40"_s);
    // 6 pairs in transect 1, 7 in transect 2, none from the last unit of transect 1
    // (2) to the first of transect 2 (2):
    // x 1 0 1 1 2 1 2 0 0 2 1 0 0, y 0 1 1 2 1 2 0 0 2 1 0 0 0: Sx 11, Sy 10, Sxx 17,
    // Syy 16, Sxy 9; r = (9 - 110/13) / sqrt((17 - 121/13)(16 - 100/13))
    // = 7 / sqrt(100 x 108) = 0.0674, r^2 = 0.0045. An answer refused is asked again.
    askLevel("transect");
    askLevel("Subsegment");
    askWidth("10, 20, 30 or 40", "25");
    askWidth("10, 20, 30 or 40", "10");
    script.message(u"r=0.07\r\nr^2=0"_s, QString(), MsgIcon::None);
    w->cmdCorrelation_Click();
    EXPECT_EQ(CorrelationPairs.rows(), 13);
    EXPECT_EQ(w->status(), u"Status: Subtotals calculated"_s);
    EXPECT_EQ(w->grdStats[0]->text(1, 3), u"40"_s);
}

} // namespace
} // namespace vernalt::test
