// File, Open of the log window: what a clean import, an import with a
// non-numeric value and each refused file do to tables LIM and SPM, the first
// data sheet, the status and the buttons. Each case writes its own small data
// file into a temporary folder.
#include "log_window_fixture.h"

#include "platform/database.h"
#include "shell/frmDataSet.h"
#include "support/texts.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// A message box an import shows.
struct Box {
    QString text, title;
    MsgIcon icon;
};
const Box MissingHeader{
    u"A header row was not found as the first row in the data file.  This header is needed to "
    u"identify what each value represents."_s,
    u"Missing header row"_s, MsgIcon::Critical};
// A header name that is no column: the window's own message, then the name.
Box invalidColumn(const QString& name) {
    return {u"An invalid column header was found.  Did you select the correct analysis method?"
            u"\n\nThe column name \""_s +
                name + u"\" in the header row was not recognised. Nothing was imported."_s,
            u"Error"_s, MsgIcon::None};
}
const Box NonNumeric{u"A non-numeric value was found in the data file."_s, u"Error in data file"_s,
                     MsgIcon::Critical};

const QByteArray LimHeader =
    "Stratum,Location,Transect,Segment,Subsegment,Species,Intersect,LED,Condition,Length,"
    "Tally 1\n";

// Every row of a table, the chosen columns as SQLite quotes them, by id.
QStringList tableRows(const QString& table, const QString& columns) {
    QStringList quoted;
    for (const QString& c : columns.split(u','))
        quoted << u"quote("_s + db::quoted(c) + u')';
    QSqlQuery q = db::select(u"SELECT "_s + quoted.join(u"||'|'||"_s) + u" FROM "_s + table +
                             u" ORDER BY id"_s);
    QStringList rows;
    while (q.next())
        rows << q.value(0).toString();
    return rows;
}

bool sheetButtonsEnabled(const frmMainLog* w) {
    return w->cmdFormulaApply->isEnabled() && w->cmdSort1->isEnabled() &&
           w->cmdSort2->isEnabled() && w->cmdSort3->isEnabled() && w->cmdSort4->isEnabled();
}

class LogImport : public LogWindowTest {
  protected:
    QString file(const char* name, const QByteArray& contents) {
        const QString path = dir_.filePath(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contents);
        return path;
    }
    // Opens `path` through File, Open; `box` scripts the message box the import shows, when it
    // shows one.
    void importFile(frmMainLog* w, const QString& path, std::optional<Box> box = {}) {
        prompts_.openFile(path);
        if (box)
            prompts_.message(box->text, box->title, box->icon);
        w->mnuFileOpen->trigger();
        EXPECT_TRUE(prompts_.done()) << path.toStdString();
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the hourglass ends with the import";
    }
    struct Snapshot {
        QStringList table, sheet0;
        QString status;
        bool buttons;
        bool operator==(const Snapshot&) const = default;
    };
    static Snapshot snapshot(const frmMainLog* w) {
        return {tableRows(u"LIM"_s, u"id,Stratum,Location,Species,Length,Qualify"_s),
                gridTexts(w->grdStratum[0]), w->statusText(), sheetButtonsEnabled(w)};
    }
    QTemporaryDir dir_;
};

TEST_F(LogImport, ACleanLimImport) {
    frmMainLog* w = open();
    EXPECT_FALSE(w->mnuFormula->menuAction()->isEnabled());
    w->txtTvalue->setText(u"2"_s);
    const QString path = file("clean.csv", LimHeader + "1,Ridge,1,1,1,DF,4.5,30,2,12,1\n"
                                                       "1,O'Brien Creek,1,1,2,wh,3,25,,8,0\n"
                                                       "2, Flat ,2,3,5,,2,20,1,6,1\n");
    importFile(w, path);

    EXPECT_EQ(w->statusText(), u"Status: Data file read"_s);
    EXPECT_EQ(w->DataFileError, 0);
    EXPECT_EQ(w->ImportedRowCount, 3);
    EXPECT_EQ(w->DataFileHeader.size(), 11);
    EXPECT_EQ(DataFilePath, path);
    EXPECT_TRUE(sheetButtonsEnabled(w));
    EXPECT_TRUE(w->mnuFormula->menuAction()->isEnabled());
    ASSERT_NE(frmDataSet::instance(), nullptr) << "the data-set window is loaded";
    EXPECT_FALSE(frmDataSet::instance()->isVisible());
    EXPECT_EQ(frmDataSet::instance()->databaseName(), db::path());
    EXPECT_EQ(w->txtTvalue->text(), u"1.67"_s);
    EXPECT_EQ(w->txtPrecisionLevel->text(), u".2"_s);
    EXPECT_EQ(w->txtQualifyingLogs->text(), QString());

    // Values as read, the apostrophe kept, an empty field null, Qualify 0.
    EXPECT_EQ(
        tableRows(u"LIM"_s, u"id,Stratum,Location,Species,Condition,Qualify"_s),
        (QStringList{u"1|1.0|'Ridge'|'DF'|2.0|0.0"_s, u"2|1.0|'O''Brien Creek'|'wh'|NULL|0.0"_s,
                     u"3|2.0|'Flat'|NULL|1.0|0.0"_s}));
    EXPECT_EQ(w->grdStratum[0]->rows(), 4);
    EXPECT_EQ(w->grdStratum[0]->text(2, 1), u"O'Brien Creek"_s);
}

TEST_F(LogImport, StripPlotsAndTheCombinedMethodFillSpmOnly) {
    frmMainLog* w = open();
    importFile(w, file("lim.csv", LimHeader + "1,A,1,1,1,DF,4,30,2,12,1\n"));
    // Switched in place, keeping the data.
    const QString ask = u"Do you want to clear this analysis and change methods?"_s;
    prompts_.message(ask, u"Change method"_s, MsgIcon::None, MsgResult::No);
    w->mnuSPM_Click();
    ASSERT_TRUE(w->mnuSPM->isChecked());
    const QByteArray spm = "Stratum,Location,Transect,Segment,Subsegment,LED,Endpoint,Large,"
                           "Small,Length,Condition,Use,Species,%Length\n"
                           "1,A,1,1,1,30,1,20,10,5,2,1,DF,3\n"
                           "1,B,1,2,3,25,0,15,8,4,1,0,WH,2\n";
    importFile(w, file("spm.csv", spm));
    EXPECT_EQ(tableRows(u"SPM"_s, u"id,Location,PercentLength,Qualify"_s),
              (QStringList{u"1|'A'|3.0|0.0"_s, u"2|'B'|2.0|0.0"_s}));
    EXPECT_EQ(tableRows(u"LIM"_s, u"id,Location"_s), QStringList{u"1|'A'"_s})
        << "the other table keeps its rows";
    EXPECT_EQ(w->grdStratum[0]->cols(), 17);

    db::exec(u"DELETE FROM SPM"_s);
    prompts_.message(ask, u"Change method"_s, MsgIcon::None, MsgResult::No);
    w->mnuCombo_Click();
    ASSERT_TRUE(w->mnuCombo->isChecked());
    importFile(w, file("spm.csv", spm));
    EXPECT_EQ(tableRows(u"SPM"_s, u"id"_s).size(), 2);
}

TEST_F(LogImport, TheFileDialog) {
    struct Recorder : ScriptedPrompts {
        QString title, filter;
        QString openFile(const QString& t, const QString& f) override {
            title = t;
            filter = f;
            return ScriptedPrompts::openFile(t, f);
        }
    };
    frmMainLog* w = open();
    Recorder recorder;
    recorder.ScriptedPrompts::openFile(QString());
    w->mnuFileOpen->trigger();
    EXPECT_EQ(recorder.title, u"Open"_s);
    EXPECT_EQ(recorder.filter, u"Comma-Separated Files (*.csv)|*.csv|All Files (*.*)|*.*"_s);
}

TEST_F(LogImport, ANonNumericValueIsReportedAndItsRowKept) {
    frmMainLog* w = open();
    importFile(w,
               file("bad.csv", LimHeader + "1,A,1,1,1,DF,4,30,2,long,1\n"
                                           "1,B,1,1,2,WH,3,25,1,8,1\n"),
               NonNumeric);
    EXPECT_EQ(w->statusText(), u"Status: Data file error!"_s);
    EXPECT_EQ(w->DataFileError, -1);
    EXPECT_FALSE(sheetButtonsEnabled(w)) << "only a clean import enables them";
    EXPECT_TRUE(w->mnuFormula->menuAction()->isEnabled());
    EXPECT_EQ(tableRows(u"LIM"_s, u"id,Length"_s), (QStringList{u"1|'long'"_s, u"2|8.0"_s}));
    EXPECT_EQ(w->grdStratum[0]->rows(), 3) << "the sheet is filled all the same";
    EXPECT_EQ(w->grdStratum[0]->text(1, 10), u"long"_s);

    // A refused file next keeps that import's error flag.
    importFile(w, file("refused.csv", "1,A\n"), MissingHeader);
    EXPECT_EQ(w->DataFileError, -1);
    EXPECT_EQ(w->statusText(), u"Status: Data file error!"_s);
}

TEST_F(LogImport, WhatMarksAFileErroneous) {
    const struct {
        const char* name;
        QByteArray line;
        bool erroneous;
    } cases[] = {
        {"letters in Species", "1,A,1,1,1,Doug fir,4,30,2,12,1\n", false},
        {"letters in Location", "1,North ridge,1,1,1,DF,4,30,2,12,1\n", false},
        {"signs, decimals and exponents", "+1, A ,1,1,1,DF,-4.5,3e1,.2,1.2E1,1\n", false},
        {"letters in Tally 1", "1,A,1,1,1,DF,4,30,2,12,x\n", true},
        {"a semicolon in a number", "1,A,1,1,1,DF,4;5,30,2,12,1\n", true},
        {"a field of blanks in LED", "1,A,1,1,1,DF,4,  ,2,12,1\n", true},
    };
    frmMainLog* w = open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        importFile(w, file("case.csv", LimHeader + c.line),
                   c.erroneous ? std::optional(NonNumeric) : std::nullopt);
        EXPECT_EQ(w->DataFileError, c.erroneous ? -1 : 0);
        EXPECT_EQ(tableRows(u"LIM"_s, u"id"_s).size(), 1);
    }
    // The field of blanks (the last case) is stored as an empty text.
    EXPECT_EQ(tableRows(u"LIM"_s, u"LED"_s), QStringList{u"''"_s});
}

TEST_F(LogImport, TheShapeOfTheFile) {
    const struct {
        const char* name;
        QByteArray contents;
        const char* rows; // id and Location of every row
    } cases[] = {
        {"a quoted header, quotes kept in the data",
         "\"Stratum\",\"Location\",\"Transect\",\"Segment\",\"Subsegment\"\n1,\"A\",1,1,1\n",
         "1|'\"A\"'"},
        {"CRLF line ends", "Stratum,Location,Transect\r\n1,A,1\r\n1,B,1\r\n", "1|'A';2|'B'"},
        {"CR line ends", "Stratum,Location,Transect\r1,A,1\r1,B,1", "1|'A';2|'B'"},
        {"a byte-order mark", "\xEF\xBB\xBFStratum,Location\n1,A\n", "1|'A'"},
        {"empty lines and lines of commas use no id", "Stratum,Location\n1,A\n\n,,\n,\n1,B\n",
         "1|'A';2|'B'"},
        {"fewer fields than the header", "Stratum,Location,Transect\n1\n2,B\n", "1|NULL;2|'B'"},
        {"a second header names the later lines' columns",
         "Stratum,Location\n1,A\nSTRATUM,Transect,Location\n2,5,B\n", "1|'A';2|'B'"},
        {"a header only", "Stratum,Location\n", ""},
        {"blanks around a header name, a name with an inner blank",
         "Stratum , Tally 1 ,Location\n1,1,A\n", "1|'A'"},
    };
    frmMainLog* w = open();
    for (const auto& c : cases) {
        importFile(w, file("shape.csv", c.contents));
        EXPECT_EQ(w->statusText(), u"Status: Data file read"_s) << c.name;
        const QString rows = tableRows(u"LIM"_s, u"id,Location"_s).join(u';');
        EXPECT_EQ(rows, QString::fromLatin1(c.rows)) << c.name;
    }
}

TEST_F(LogImport, ACancelOrARefusedFileChangesNothing) {
    const auto tooMany = [](const char* line, const char* values, const char* names) {
        return Box{u"Line "_s + QString::fromLatin1(line) + u" of the data file has "_s +
                       QString::fromLatin1(values) + u" values, but the header row names only "_s +
                       QString::fromLatin1(names) +
                       u" columns. Nothing was imported.\n\nA decimal comma splits a number in "
                       u"two: write 1.5, not 1,5."_s,
                   u"Too many values"_s, MsgIcon::Critical};
    };
    Box indented = MissingHeader;
    indented.text += u"\n\nLine 1 begins with a space or tab before \"Stratum\": the header row "
                     u"must begin with the word Stratum."_s;
    const struct {
        const char* name;
        QByteArray contents;
        Box box;
        const char* dropColumn = nullptr; // the database lacks this column of LIM
    } cases[] = {
        {"a data line first", "1,A\n" + LimHeader + "1,A,1,1,1,DF,4,30,2,12,1\n", MissingHeader},
        {"an empty line first", "\n" + LimHeader, MissingHeader},
        {"no header at all", "1,A,1\n", MissingHeader},
        {"an empty file", "", MissingHeader},
        {"a blank before the header", " Stratum,Location\n1,A\n", indented},
        {"a column the table lacks", "Stratum,Location,Width\n1,A,3\n", invalidColumn(u"Width"_s)},
        {"a strip-plot file under line intersect", "Stratum,Large\n1,3\n",
         invalidColumn(u"Large"_s)},
        {"a unit in brackets names Length m", "Stratum,Length (m)\n1,3\n",
         invalidColumn(u"Length (m)"_s)},
        {"a tab after a name", "Stratum,Location\t,Length\n1,A,3\n",
         invalidColumn(u"Location<tab>"_s)},
        {"a column the table lacks in a later header",
         "Stratum,Location\n1,A\nStratum,Diameter\n1,4\n", invalidColumn(u"Diameter"_s)},
        // Trailing empty fields are no values: line 4 has 3.
        {"more fields than the header, late in the file", "Stratum,Location\n1,A\n1,B\n1,C,3,,\n",
         tooMany("4", "3", "2")},
        {"a decimal comma", "Stratum,Location,Length\n1,A,12,5\n", tooMany("2", "4", "3")},
        {"a database without a column the file names", LimHeader + "2,B,1,1,1,DF,4,30,2,12,1\n",
         Box{u"The database has no column Intersect in its table LIM, so the data file cannot be "
             u"imported; the file itself is fine. Nothing was imported.\n\nThe database file\n"_s +
                 db_.file() +
                 u"\nis out of date or was changed. Move it to another folder or rename it, then "
                 u"import again: a new database with every column will be made in its place."_s,
             u"Database missing a column"_s, MsgIcon::Critical},
         "Intersect"},
    };
    // On a fresh window a refused file shows no data, and an import right after works.
    frmMainLog* w = open();
    const auto unreadable = [](const QString& path) {
        return Box{u"The data file\n"_s + path +
                       u"\ncannot be read. It may have been moved or deleted, or you may not have "
                       u"permission to open it. Nothing was imported."_s,
                   u"Cannot read the file"_s, MsgIcon::Critical};
    };
    const QString absent = dir_.filePath(u"absent.csv"_s);
    importFile(w, absent, unreadable(absent));
    EXPECT_EQ(w->statusText(), u"Status: No data read"_s) << "a file that cannot be found";
    importFile(w, file("first.csv", "1,A\n"), MissingHeader);
    EXPECT_EQ(w->statusText(), u"Status: No data read"_s) << "a missing header";
    EXPECT_FALSE(sheetButtonsEnabled(w));
    const QString good = file("good.csv", LimHeader + "1,Good,1,1,1,DF,4,30,2,12,1\n"
                                                      "2,Better,1,1,1,DF,4,30,2,12,1\n");
    importFile(w, good);
    w->txtTvalue->setText(u"2"_s);
    const Snapshot before = snapshot(w);
    ASSERT_EQ(before.table.size(), 2);
    ASSERT_EQ(before.status, u"Status: Data file read"_s);

    importFile(w, QString()); // cancelled
    EXPECT_EQ(snapshot(w), before);
    EXPECT_EQ(DataFilePath, good);
    EXPECT_EQ(w->txtTvalue->text(), u"2"_s);
    importFile(w, dir_.path(), unreadable(dir_.path())); // a folder, not a file
    EXPECT_EQ(snapshot(w), before);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.dropColumn)
            db::exec(u"ALTER TABLE LIM DROP COLUMN "_s +
                     db::quoted(QString::fromLatin1(c.dropColumn)));
        importFile(w, file("refused.csv", c.contents), c.box);
        EXPECT_EQ(snapshot(w), before);
        EXPECT_EQ(w->ImportedRowCount, 0);
    }
    // The database in use elsewhere refuses even a sound file.
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other"_s);
        other.setDatabaseName(db_.file());
        ASSERT_TRUE(other.open());
        QSqlQuery hold(other);
        ASSERT_TRUE(hold.exec(u"BEGIN IMMEDIATE"_s));
        importFile(w, file("next.csv", LimHeader + "2,B,1,1,1,DF,4,30,2,12,1\n"),
                   Box{u"The database cannot be opened.  Is some other application using it?"_s,
                       u"Error"_s, MsgIcon::None});
        hold.exec(u"ROLLBACK"_s);
    }
    QSqlDatabase::removeDatabase(u"other"_s);
    EXPECT_EQ(snapshot(w), before);
}

} // namespace
} // namespace vernalt::test
