// File, Open of the log window and "Apply and Sort": what a clean import, an
// import with a non-numeric value and each refused file do to tables LIM and
// SPM, the data sheets, the status and the buttons. Each case writes its own
// small data file into a temporary folder.
#include "log_window_fixture.h"

#include "data/log_sheet_queries.h"
#include "shell/frmDataSet.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QSqlQuery>

namespace vernalt::test {
namespace {

const QByteArray LimHeader =
    "Stratum,Location,Transect,Segment,Subsegment,Species,Intersect,LED,Condition,Length,"
    "Tally 1\n";
const QString MissingHeader =
    u"A header row was not found as the first row in the data file.  This header is needed to "
    u"identify what each value represents."_s;

// A LIM file of one record per "stratum:location" word.
QByteArray strataFile(const char* words) {
    QByteArray out = LimHeader;
    for (const QByteArray& w : QByteArray(words).split(' '))
        out += w.left(1) + ',' + w.mid(2) + ",1,1,1,DF,4,30,2,12,1\n";
    return out;
}

// Every row of a table, the chosen columns as SQLite quotes them, by id.
QStringList tableRows(const QString& table, const QString& columns) {
    QSqlQuery q = db::select(u"SELECT quote("_s + columns.split(u',').join(u")||'|'||quote("_s) +
                             u") FROM "_s + table + u" ORDER BY id"_s);
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
    // Opens `path` through File, Open; the message box the import shows, if any,
    // has this text and title, and an error icon unless the title is "Error".
    void importFile(frmMainLog* w, const QString& path, const QString& text = {},
                    const QString& title = u"Error"_s) {
        prompts_.openFile(path);
        if (!text.isEmpty())
            prompts_.message(text, title, title == u"Error"_s ? MsgIcon::None : MsgIcon::Critical);
        prompts_.pointers.clear();
        w->mnuFileOpen->trigger();
        EXPECT_TRUE(prompts_.done()) << path.toStdString();
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the hourglass ends with the import";
        for (Qt::CursorShape p : prompts_.pointers)
            EXPECT_EQ(p, Qt::ArrowCursor) << "every prompt of the import shows the normal pointer";
    }
};

// A field of blanks is a value, and not a number: the import is reported and its
// rows kept; only a clean import then enables the sheet buttons.
TEST_F(LogImport, ANonNumericThenACleanImport) {
    frmMainLog* w = open();
    importFile(w, file(LimHeader + "1,A,1,1,1,DF,4,  ,2,12,1\n1,B,1,1,2,WH,3,25,1,8,1\n"),
               u"A non-numeric value was found in the data file."_s, u"Error in data file"_s);
    EXPECT_EQ(w->status() + QString::number(w->DataFileError), u"Status: Data file error!-1"_s);
    EXPECT_FALSE(sheetButtonsEnabled(w));
    EXPECT_TRUE(w->mnuFormula->menuAction()->isEnabled());
    EXPECT_EQ(tableRows(u"LIM"_s, u"id,LED"_s), (QStringList{u"1|''"_s, u"2|25.0"_s}));
    EXPECT_EQ(w->grdStratum[0]->rows(), 3) << "the sheet is filled all the same";

    w->txtTvalue->setText(u"2"_s);
    const QString path = file("\"Stratum\"" + LimHeader.mid(7) +
                              "2, Flat ,1,3,5,,2,20,1,6,1\n"
                              "1,O'Brien Creek,1,1,2,wh,3,25,,8,0\n"
                              "1,Ridge,1,1,1,DF,4.5,30,2,12,1\n");
    importFile(w, path);
    EXPECT_EQ(
        joinedTexts(w->sbStatusBar[0], w->txtTvalue, w->txtPrecisionLevel, w->txtQualifyingLogs),
        u"Status: Data file read|1.67|.2|"_s);
    EXPECT_TRUE(w->DataFileError == 0 && w->ImportedRowCount == 3 && DataFilePath == path &&
                sheetButtonsEnabled(w));
    EXPECT_TRUE(frmDataSet::instance() && !frmDataSet::instance()->isVisible())
        << "the data-set window is loaded, not shown";
    // Letters in the text columns, the apostrophe kept, an empty field null, Qualify 0.
    EXPECT_EQ(
        tableRows(u"LIM"_s, u"id,Stratum,Location,Species,Condition,Qualify"_s),
        (QStringList{u"1|2.0|'Flat'|NULL|1.0|0.0"_s, u"2|1.0|'O''Brien Creek'|'wh'|NULL|0.0"_s,
                     u"3|1.0|'Ridge'|'DF'|2.0|0.0"_s}));
    // Sorted, Section and Segment the halves rounded up, nulls empty, headers bare.
    EXPECT_EQ(gridTexts(w->grdStratum[0]).mid(1),
              (QStringList{u"1|Ridge|1|1|1|1|DF|4.5|30|2|12|0|1|||"_s,
                           u"1|O'Brien Creek|1|1|1|2|wh|3|25||8|0|0|||"_s,
                           u"2|Flat|1|2|3|5||2|20|1|6|0|1|||"_s}));
    for (const Grid* g : w->grdStratum)
        EXPECT_EQ(rowText(g, 0), data::logSheetFields(true).join(u'|'));
}

TEST_F(LogImport, ACancelOrARefusedFileChangesNothing) {
    const QString absent = dir_.filePath(u"absent.csv"_s);
    const struct {
        QByteArray contents; // none: the file `absent`
        QString text, title = u"Error"_s;
        const char* dropColumn = nullptr; // the database lacks this column of LIM
    } cases[] = {
        {"\n" + LimHeader, MissingHeader, u"Missing header row"_s},
        {" Stratum,Location\n1,A\n",
         MissingHeader + u"\n\nLine 1 begins with a space or tab before \"Stratum\": the header "
                         u"row must begin with the word Stratum."_s,
         u"Missing header row"_s},
        {"Stratum,Location\t,Length\n1,A,3\n",
         u"An invalid column header was found.  Did you select the correct analysis method?\n\n"
         u"The column name \"Location<tab>\" in the header row was not recognised. Nothing was "
         u"imported."_s},
        {{},
         u"The data file\n"_s + absent +
             u"\ncannot be read. It may have been moved or deleted, or you may not have "
             u"permission to open it. Nothing was imported."_s,
         u"Cannot read the file"_s},
        // Every record written, then the Qualify column found missing: all rolled back.
        {LimHeader + "2,B,1,1,1,DF,4,30,2,12,1\n",
         u"The database has no column Qualify in its table LIM, so the data file cannot be "
         u"imported; the file itself is fine. Nothing was imported.\n\nThe database file\n"_s +
             db_.file() +
             u"\nis out of date or was changed. Move it to another folder or rename it, then "
             u"import again: a new database with every column will be made in its place."_s,
         u"Database missing a column"_s, "Qualify"},
    };
    frmMainLog* w = open();
    const QString good = file(strataFile("1:Good 2:Better"));
    importFile(w, good);
    w->txtTvalue->setText(u"2"_s);
    const auto snapshot = [w] {
        return tableRows(u"LIM"_s, u"id,Stratum,Location"_s) + gridTexts(w->grdStratum[0]) +
               QStringList{w->status(), QString::number(sheetButtonsEnabled(w)),
                           QString::number(w->DataFileError)};
    };
    const QStringList before = snapshot();
    ASSERT_EQ(before.first(), u"1|1.0|'Good'"_s);

    importFile(w, QString()); // cancelled
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(DataFilePath + w->txtTvalue->text(), good + u'2');
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        if (c.dropColumn)
            db::exec(u"ALTER TABLE LIM DROP COLUMN "_s + db::quoted(QLatin1String(c.dropColumn)));
        importFile(w, c.contents.isNull() ? absent : file(c.contents), c.text, c.title);
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(w->ImportedRowCount, 0);
    }
}

// "Apply and Sort" of any stratum sheet requeries the four stratum sheets, then
// refuses strata not numbered 1, 2, ... without a gap; numbered so, it goes on
// (here without a metric, which it asks for) and enables the statistics.
TEST_F(LogImport, ApplyAndSortRefusesStrataNotNumberedFromOne) {
    const struct {
        const char* strata; // "stratum:location" per record
        int sheet;          // the sheet whose button is clicked
        const char* shown;  // each stratum sheet's first location, the sheet, the status
    } cases[] = {
        {"2:b 3:c", 4, "|b|c|/4/Status: Data file read"},
        {"1:a 2:b 4:d", 2, "a|b||d/2/Status: Data file read"},
        {"1:a 3:c", 1, "a||c|/1/Status: Data file read"},
        {"1:a 2:b 3:c", 2, "a|b|c|/2/Status: Data sorted"},
    };
    frmMainLog* w = open();
    QPushButton* const buttons[] = {w->cmdSort1, w->cmdSort2, w->cmdSort3, w->cmdSort4};
    for (const auto& c : cases) {
        importFile(w, file(strataFile(c.strata)));
        const bool refused = !QByteArray(c.shown).endsWith("sorted");
        if (refused)
            prompts_.message(u"Strata need to be numbered consecutively starting at 1"_s,
                             u"Error Sorting"_s, MsgIcon::None);
        else
            prompts_.message(u"Please select a formula from the drop-down menu above."_s,
                             u"Error"_s, MsgIcon::None);
        buttons[c.sheet - 1]->click();
        QStringList sheets;
        for (std::size_t k = 1; k <= 4; ++k)
            sheets << w->grdStratum[k]->text(1, 1);
        EXPECT_EQ(sheets.join(u'|') + u'/' + QString::number(w->DataSheetIndex) + u'/' +
                      w->status(),
                  QLatin1String(c.shown));
        EXPECT_EQ(w->cmdSummaryStatistics->isEnabled(), !refused) << c.strata;
    }
}

// "Apply and Sort" fills the four stratum sheets and runs the checked metric on
// them; an import after it empties them and points them at the new method's table.
TEST_F(LogImport, ApplyAndSortAndTheImportAfterIt) {
    frmMainLog* w = open();

    importFile(w, file(strataFile("2:b2 1:a 3:c 2:b1")));
    w->mnuDensity->setChecked(true); // Apply and Sort runs it on the four stratum sheets
    criteria(w, "0|0|0|9999");
    w->cmdSort3->click();
    EXPECT_EQ(w->DataSheetIndex, 3);
    // Rows, locations and Qualify column (1 / 12 = 0.083) of each sheet; sheet 0 is
    // left alone, an empty stratum has one empty row.
    QStringList sheets;
    for (const Grid* g : w->grdStratum)
        sheets << QString::number(g->rows()) + u':' + columnOf(*g, 1, 1, g->rows() - 1).join(u' ') +
                      u':' + columnOf(*g, 11, 1, g->rows() - 1).join(u' ');
    EXPECT_EQ(sheets.join(u'/'),
              u"5:a b2 b1 c:0 0 0 0/2:a:0.083/3:b2 b1:0.083 0.083/2:c:0.083/2::"_s);
    EXPECT_TRUE(w->cmdSummaryStatistics->isEnabled());
    EXPECT_EQ(w->status(), u"Status: Data sorted"_s);

    // The method switched in place after a sort under LIM.
    prompts_.message(u"Do you want to clear this analysis and change methods?"_s,
                     u"Change method"_s, MsgIcon::None, MsgResult::No);
    w->mnuSPM_Click();
    importFile(w, file("Stratum,Location,Transect,Segment,Subsegment,EstimLength\n1,A,1,1,1,7\n"));
    EXPECT_EQ(rowText(w->grdStratum[0], 1), u"1|A|1|1|1|1|||||||0||||7"_s);
    EXPECT_EQ(w->grdStratum[2]->rows(), 1) << "no records of the old file";
    EXPECT_EQ(w->datDataSet[2].RecordSource, data::logSheetQuery(false, 2));

    // Combination reads strip-plot files too; the line-intersect table keeps its rows.
    prompts_.message(u"Do you want to clear this analysis and change methods?"_s,
                     u"Change method"_s, MsgIcon::None, MsgResult::No);
    w->mnuCombo_Click();
    importFile(w, file("Stratum,Location,Transect,Segment,Subsegment,EstimLength\n1,B,1,1,1,8\n"));
    EXPECT_EQ(rowText(w->grdStratum[0], 1), u"1|B|1|1|1|1|||||||0||||8"_s);
    EXPECT_EQ(tableRows(u"SPM"_s, u"Location"_s) + tableRows(u"LIM"_s, u"Location"_s),
              (QStringList{u"'B'"_s, u"'b2'"_s, u"'a'"_s, u"'c'"_s, u"'b1'"_s}));
}

} // namespace
} // namespace vernalt::test
