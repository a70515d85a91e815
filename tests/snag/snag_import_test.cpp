// File, Open of the snag window: what a clean import, an import with a
// non-numeric value and each refused file do to the table, the sheets, the
// status, the buttons and the data-set window; the data sheets' rows after it.
#include "snag_window_fixture.h"

#include "data/csv_import.h"
#include "platform/database.h"
#include "shell/frmDataSet.h"
#include "support/texts.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

QString fixture(const char* name) {
    return QStringLiteral(VERNALT_TEST_DATA) + u"/snag/data/"_s + QString::fromLatin1(name);
}

// Every row of Snags, each value as SQLite quotes it.
QStringList tableRows() {
    QStringList quoted;
    for (const QString& c : db::columns(u"Snags"_s))
        quoted << u"quote("_s + db::quoted(c) + u')';
    QSqlQuery q =
        db::select(u"SELECT "_s + quoted.join(u"||'|'||"_s) + u" FROM Snags ORDER BY id"_s);
    QStringList rows;
    while (q.next())
        rows << q.value(0).toString();
    return rows;
}

bool sheetButtonsEnabled(const frmMainSnag* w) {
    bool all = true;
    for (int k = 0; k < 5; ++k)
        for (const QPushButton* b :
             {w->cmdFormMulti[k], w->cmdFormSingle[k], w->cmdCavity[k], w->cmdForage[k]})
            all = all && b->isEnabled();
    return all;
}

class SnagImport : public SnagWindowTest {
  protected:
    // Opens a fixture through File, Open; `message` scripts the message box
    // the import shows, when it shows one.
    void importFile(frmMainSnag* w, const char* name, const QString& message = QString(),
                    const QString& title = QString(), MsgIcon icon = MsgIcon::None) {
        script.openFile(fixture(name));
        if (!message.isEmpty())
            script.message(message, title, icon);
        w->mnuFileOpen->trigger();
        EXPECT_TRUE(script.done()) << name;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the hourglass ends with the import";
    }
    // What a refused import must leave exactly as it was.
    struct Snapshot {
        QStringList table, sheet0, sheet1;
        QString status;
        bool buttons;
        bool operator==(const Snapshot&) const = default;
    };
    static Snapshot snapshot(const frmMainSnag* w) {
        return {tableRows(), gridTexts(w->grdStratum[0]), gridTexts(w->grdStratum[1]), w->status(),
                sheetButtonsEnabled(w)};
    }
};

TEST_F(SnagImport, TheFileDialog) {
    // The title and filter of the dialog, checked by a prompter that records them.
    struct Recorder : ScriptedPrompts {
        using ScriptedPrompts::openFile;
        QString title, filter;
        QString openFile(const QString& t, const QString& f) override {
            title = t;
            filter = f;
            return ScriptedPrompts::openFile(t, f);
        }
    };
    Recorder recorder;
    recorder.openFile(QString());
    frmMainSnag* w = open();
    EXPECT_EQ(w->mnuFileOpen->shortcut(), QKeySequence(u"Ctrl+O"_s));
    w->mnuFileOpen->trigger();
    EXPECT_EQ(recorder.title, u"Open"_s);
    EXPECT_EQ(recorder.filter, u"Comma-Separated Files (*.csv)|*.csv|All Files (*.*)|*.*"_s);
}

TEST_F(SnagImport, ACleanImportFillsTheSheetsInTransectSubsegmentAndFileOrder) {
    frmMainSnag* w = open();
    w->txtNumStrata->setText(u"3"_s);
    importFile(w, "quotes_and_dates.csv");

    EXPECT_EQ(w->status(), u"Status: Data file read"_s);
    EXPECT_EQ(w->DataFileError, 0);
    EXPECT_EQ(w->ImportedRowCount, 4);
    EXPECT_EQ(DataFilePath, fixture("quotes_and_dates.csv"));
    EXPECT_EQ(w->DataFileHeader.size(), 18);
    EXPECT_TRUE(sheetButtonsEnabled(w));
    EXPECT_TRUE(w->ssTabMain->isEnabled());
    ASSERT_NE(frmDataSet::instance(), nullptr) << "the data-set window is loaded";
    EXPECT_FALSE(frmDataSet::instance()->isVisible());
    EXPECT_EQ(frmDataSet::instance()->databaseName(), db::path());
    // The window was reset.
    EXPECT_EQ(w->txtNumStrata->text(), QString());
    EXPECT_EQ(w->txtOptimalTvalue->text(), u"1.67"_s);

    QSqlQuery q = db::select(u"SELECT OBSERVER, DATE FROM Snags WHERE id = 4"_s);
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), u"O'Neil"_s);
    EXPECT_TRUE(q.value(1).isNull());

    const QStringList rows = gridTexts(w->grdStratum[0]);
    ASSERT_EQ(rows.size(), 5);
    EXPECT_EQ(w->grdStratum[0]->grid()->fixedRows(), 1);
    EXPECT_EQ(rows[0], u"Stratum|Location|Transect|Section|Segment|Subsegment|Width10|Width20|"
                       u"Width30|Width40|Distance|Species|Class|DBH|Height|Cavity|Forage|"
                       u"Qualifying|Forest|District|Subwatershed|Observer|Date"_s);
    // File lines 2, 4 and 3 lie on transect 1 (subsegments 2, 2, 4), line 1 on transect 2.
    // Section = segment / 2 rounded up, Segment = subsegment / 2 rounded up.
    EXPECT_EQ(rows[1], u"1|A7|1|1|1|2|0|1|1|1|12|ABGR|3|28|15|0|1|||||JD|6/5/2024"_s);
    EXPECT_EQ(rows[2], u"1|A7|1|1|1|2|1|1|1|1|3|THPL|2|44|25|1|1|||||O'Neil|"_s);
    EXPECT_EQ(rows[3], u"2|B2|1|1|2|4|0|0|1|1|22.5|12|1|51|31|0|0|||||JD|6/6/2024"_s);
    EXPECT_EQ(rows[4], u"1|A7|2|2|3|5|1|1|1|1|4.5|PSME|2|35.5|20|1|0|||||O'Neil|6/5/2024"_s);
    // A screen reader reads a table of the four records headed by the field names.
    const auto* table = QAccessible::queryAccessibleInterface(w->grdStratum[0])->tableInterface();
    EXPECT_EQ(table->rowCount(), 4);
    EXPECT_EQ(table->columnDescription(22), u"Date"_s);
    // The stratum sheets: their rows and the titles only.
    const int sizes[] = {5, 4, 2, 1, 1};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(w->grdStratum[k]->rows(), sizes[k]) << k;
        EXPECT_EQ(w->grdStratum[k]->text(0, 22), u"Date"_s) << k;
        EXPECT_EQ(w->datDataSet[k].DatabaseName, db::path());
    }
    EXPECT_EQ(w->grdStratum[1]->text(1, 0), QString()) << "filled only by Multiple";
    EXPECT_TRUE(w->datDataSet[3].RecordSource.endsWith(
        u"FROM Snags WHERE stratum=3 ORDER BY transect, subsegment, id;"_s));
}

TEST_F(SnagImport, ANonNumericValueIsReportedAndItsRowKept) {
    frmMainSnag* w = open();
    importFile(w, "non_numeric.csv", u"A non-numeric value was found in the data file."_s,
               u"Error in data file"_s, MsgIcon::Critical);
    EXPECT_EQ(w->status(), u"Status: Data file error!"_s);
    EXPECT_EQ(w->DataFileError, -1);
    EXPECT_FALSE(sheetButtonsEnabled(w)) << "only a clean import enables them";
    EXPECT_EQ(tableRows().size(), 2);
    EXPECT_EQ(w->grdStratum[0]->rows(), 3) << "the sheet is filled all the same";
    EXPECT_EQ(w->grdStratum[0]->text(2, 13), u"abc"_s);

    // After a clean import the buttons stay enabled, whatever comes next.
    importFile(w, "quotes_and_dates.csv");
    EXPECT_TRUE(sheetButtonsEnabled(w));
    importFile(w, "non_numeric.csv", u"A non-numeric value was found in the data file."_s,
               u"Error in data file"_s, MsgIcon::Critical);
    EXPECT_TRUE(sheetButtonsEnabled(w));
    EXPECT_EQ(w->status(), u"Status: Data file error!"_s);
}

TEST_F(SnagImport, CancelAndRefusedFilesChangeNothing) {
    const struct {
        const char* file;
        const char* message;
        const char* title;
        MsgIcon icon;
    } cases[] = {
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
        {"empty.csv",
         "A header row was not found as the first row in the data file.  This header is needed "
         "to identify what each value represents.",
         "Missing header row", MsgIcon::Critical},
    };
    frmMainSnag* w = open();
    // On a fresh window there is still no data.
    importFile(w, cases[1].file, QString::fromLatin1(cases[1].message),
               QString::fromLatin1(cases[1].title), cases[1].icon);
    EXPECT_EQ(w->status(), u"Status: No data read"_s);
    EXPECT_FALSE(sheetButtonsEnabled(w));
    EXPECT_TRUE(tableRows().isEmpty());

    importFile(w, "quotes_and_dates.csv");
    const Snapshot before = snapshot(w);
    const QString path = DataFilePath;
    ASSERT_EQ(before.table.size(), 4);
    script.openFile(QString()); // Cancel
    w->mnuFileOpen->trigger();
    EXPECT_EQ(snapshot(w), before);
    EXPECT_EQ(w->ImportedRowCount, 4);
    EXPECT_EQ(DataFilePath, path);
    for (const auto& c : cases) {
        importFile(w, c.file, QString::fromLatin1(c.message), QString::fromLatin1(c.title), c.icon);
        EXPECT_EQ(snapshot(w), before) << c.file;
        EXPECT_EQ(w->ImportedRowCount, 0) << c.file;
    }
}

TEST_F(SnagImport, ALockedDatabase) {
    frmMainSnag* w = open();
    importFile(w, "quotes_and_dates.csv");
    const Snapshot before = snapshot(w);
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other"_s);
        other.setDatabaseName(database.file());
        ASSERT_TRUE(other.open());
        QSqlQuery lock(other);
        ASSERT_TRUE(lock.exec(u"BEGIN EXCLUSIVE"_s));
        importFile(w, "header_only.csv",
                   u"The database cannot be opened.  Is some other application using it?"_s,
                   u"Error"_s, MsgIcon::None);
        lock.exec(u"ROLLBACK"_s);
        other.close();
    }
    QSqlDatabase::removeDatabase(u"other"_s);
    EXPECT_EQ(snapshot(w), before);
}

TEST_F(SnagImport, AHeaderAloneEmptiesTheTable) {
    frmMainSnag* w = open();
    importFile(w, "quotes_and_dates.csv");
    importFile(w, "header_only.csv");
    EXPECT_TRUE(tableRows().isEmpty());
    EXPECT_EQ(w->status(), u"Status: Data file read"_s);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(w->grdStratum[k]->rows(), 1) << k;
        EXPECT_EQ(w->grdStratum[k]->text(0, 0), u"Stratum"_s) << k;
    }
}

TEST_F(SnagImport, EnglishUnitsShowTheEnglishWidths) {
    frmMainSnag* w = open();
    w->mnuEnglish->trigger();
    importFile(w, "quotes_and_dates.csv");
    const Grid* g = w->grdStratum[0];
    EXPECT_EQ(g->text(0, 6), u"Width33"_s);
    EXPECT_EQ(g->text(0, 9), u"Width132"_s);
    EXPECT_EQ(g->text(1, 6), QString()) << "the file has no English widths";
    EXPECT_TRUE(w->datDataSet[0].RecordSource.contains(u"WIDTH33,WIDTH66,WIDTH99,WIDTH132"_s));
}

} // namespace
} // namespace vernalt::test
