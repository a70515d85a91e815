// The commands of the log window that write the database, while another program
// holds the file (a read or a write transaction) or a record is refused
// half-way: the message, the table left as it was, every sheet showing what the
// table holds, and the next command reading the stored values.
#include "log_window_fixture.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>

namespace vernalt::test {
namespace {

// Four strip-plot logs, in the sheets' order: class 5 of 4 (estimate 8, 3
// stored), class 5 of 6 (12, none stored), class 2 of 3 (3 / 0.2 = 15, 7.5
// stored), and in stratum 2 one without a class 2 long (2, none stored).
const QByteArray FourLogs = "Stratum,Location,Transect,Segment,Subsegment,LED,Endpoint,Large,Small,"
                            "Length,Condition,Species,%Length,EstimLength\n"
                            "1,A,1,1,1,20,1,20,10,4,1,DF,5,3\n"
                            "1,A,1,1,2,20,1,20,10,6,1,DF,5,\n"
                            "1,A,1,1,3,20,1,20,10,3,1,DF,2,7.5\n"
                            "2,B,1,1,1,20,1,20,10,2,1,DF,,\n";
const char* const Stored = "3||7.5|";
const char* const Estimated = "8|12|15|2";

// How the write is kept from being saved: another program holds the file, or
// (none) the third record is refused, so the UPDATE fails half-way.
using Hold = std::optional<Holding>;

const QString Refused = u"3146 : refused - Log Procedure 'CalcMeanLength'"_s;

QString notSaved() {
    return notSavedMessage(QDir::toNativeSeparators(db::path()));
}

// EstimLength of the records of one stratum (0: all) in the sheets' order, as
// a sheet shows them: a null empty.
QString stored(int stratum = 0) {
    QSqlQuery q = db::select(u"SELECT EstimLength FROM SPM"_s +
                             (stratum ? u" WHERE Stratum = %1"_s.arg(stratum) : QString()) +
                             u" ORDER BY Stratum, Transect, Subsegment, id"_s);
    QStringList values;
    while (q.next())
        values << (q.isNull(0) ? QString() : numberText(q.value(0).toDouble()));
    return values.join(u'|');
}

int records() {
    QSqlQuery q = db::select(u"SELECT count(*) FROM SPM"_s);
    return q.next() ? q.value(0).toInt() : -1;
}

// The cells of a sheet's column named `name` below its header.
QString column(const Grid* g, const QString& name) {
    for (int c = 0; c < g->cols(); ++c)
        if (g->text(0, c) == name)
            return columnOf(*g, c, 1, g->rows() - 1).join(u'|');
    return u"no column "_s + name;
}

QString checkedMetrics(const frmMainLog* w) {
    QString checked;
    for (const QAction* a : w->formulaItems())
        checked += a->isChecked() ? u'1' : u'0';
    return checked;
}

class LogDatabaseInUse : public LogWindowTest {
  protected:
    // A strip-plot window with the file's records imported.
    frmMainLog* openSpm(const QByteArray& contents = FourLogs) {
        frmMainLog* w = open();
        checkDesign(w, "SPM");
        importFile(w, file(contents));
        db::exec(u"PRAGMA busy_timeout = 0"_s); // a lock fails at once
        return w;
    }
    // A strip-plot window whose metric was chosen on one record, then the four
    // logs imported: the metric stays chosen.
    frmMainLog* openChosen(QAction* frmMainLog::*metric) {
        frmMainLog* w = openSpm("Stratum,Location,Transect,Segment,Subsegment,Length\n"
                                "1,A,1,1,1,1\n");
        (w->*metric)->trigger();
        importFile(w, file(FourLogs));
        return w;
    }
    // File, Open of `path`; its message, if any, is expected.
    void importFile(frmMainLog* w, const QString& path, const QString& text = {},
                    const QString& title = {}, MsgIcon icon = MsgIcon::None) {
        prompts_.openFile(path);
        if (!text.isEmpty())
            prompts_.message(text, title, icon);
        w->mnuFileOpen->trigger();
        EXPECT_TRUE(prompts_.done());
    }
    // Keeps the estimates from being saved until release().
    void hold(Hold h) {
        if (h)
            ASSERT_TRUE(other_.hold(*h));
        else
            db::exec(u"CREATE TRIGGER refuse BEFORE UPDATE ON SPM WHEN NEW.id = 3 "
                     u"BEGIN SELECT RAISE(ABORT, 'refused'); END"_s);
    }
    void release(Hold h) {
        if (h)
            ASSERT_TRUE(other_.release());
        else
            db::exec(u"DROP TRIGGER refuse"_s);
    }
    // The message of a write that was not saved.
    void expectNotSaved(Hold h) {
        if (h)
            prompts_.message(notSaved(), u"Database in use"_s, MsgIcon::Critical);
        else
            prompts_.message(Refused, u"Error"_s, MsgIcon::Exclamation);
    }

    OtherProgram other_{db_.file()};
};

const struct {
    const char* name;
    Hold hold;
} Holds[] = {
    {"another program reading", Holding::Reading},
    {"another program writing", Holding::Writing},
    {"a record refused half-way", std::nullopt},
};

// A strip-plot metric whose estimates cannot be saved is not applied: the sheet
// shows the stored lengths, no metric is checked and "Set Criteria" asks for
// one. Once the file is free the same item estimates, saves and shows.
TEST_F(LogDatabaseInUse, AMetricWhoseEstimatesAreNotSavedIsNotApplied) {
    for (const auto& c : Holds) {
        SCOPED_TRACE(c.name);
        frmMainLog* w = openSpm();
        const QString statY = w->lblStatY->text();
        hold(c.hold);
        expectNotSaved(c.hold);
        w->mnuDensity->trigger();
        EXPECT_TRUE(prompts_.done());
        EXPECT_EQ(stored(), QLatin1String(Stored));
        EXPECT_EQ(column(w->grdStratum[0], u"EstimLength"_s), QLatin1String(Stored));
        EXPECT_EQ(QString(checkedMetrics(w) + w->ssTabMain->tabText(frmMainLog::PageFormula) +
                          w->lblStatY->text()),
                  u"000000Formula"_s + statY);
        prompts_.message(u"Please select a formula from the drop-down menu above."_s, u"Error"_s,
                         MsgIcon::None);
        w->cmdFormulaApply->click();

        release(c.hold);
        w->mnuDensity->trigger();
        EXPECT_EQ(stored(), QLatin1String(Estimated));
        EXPECT_EQ(column(w->grdStratum[0], u"EstimLength"_s), QLatin1String(Estimated));
        EXPECT_EQ(QString(checkedMetrics(w) + w->ssTabMain->tabText(frmMainLog::PageFormula)),
                  u"100000Density"_s);
        closeWindow(w);
    }
}

// A metric chosen again on new records keeps its check mark when their
// estimates cannot be saved: "Set Criteria" then counts the logs by the stored
// lengths (a minimum of 5: only the 7.5), as the sheet shows them.
TEST_F(LogDatabaseInUse, SetCriteriaReadsTheStoredLengths) {
    for (const auto& c : Holds) {
        SCOPED_TRACE(c.name);
        frmMainLog* w = openChosen(&frmMainLog::mnuDensity);
        hold(c.hold);
        expectNotSaved(c.hold);
        w->mnuDensity->trigger();
        EXPECT_EQ(column(w->grdStratum[0], u"EstimLength"_s), QLatin1String(Stored));
        EXPECT_EQ(checkedMetrics(w), u"100000"_s);
        criteria(w, "0|5|0|9999");
        w->cmdFormulaApply->click();
        EXPECT_TRUE(prompts_.done());
        EXPECT_EQ(column(w->grdStratum[0], u"Qualify"_s), u"0|0|1|0"_s);
        EXPECT_EQ(column(w->grdStratum[0], u"EstimLength"_s), QLatin1String(Stored));
        release(c.hold);
        closeWindow(w);
    }
}

// "Calculate Mean Length" of a stratum sheet whose estimates cannot be saved
// reports them not saved and no mean; both sheets show what the table holds.
// Once the file is free: stratum 1 estimates 8, 12 and 15, mean 11.67 shown
// 11.7, median 12.
TEST_F(LogDatabaseInUse, CalculateMeanLength) {
    for (const auto& c : Holds) {
        SCOPED_TRACE(c.name);
        frmMainLog* w = openChosen(&frmMainLog::mnuLength);
        criteria(w, "0|0|0|9999");
        w->cmdSort1->click(); // the stratum sheets
        ASSERT_EQ(column(w->grdStratum[1], u"EstimLength"_s), u"3||7.5"_s);
        hold(c.hold);
        expectNotSaved(c.hold);
        w->cmdDisplayMean[1]->click();
        EXPECT_TRUE(prompts_.done());
        EXPECT_EQ(stored(), QLatin1String(Stored));
        EXPECT_EQ(column(w->grdStratum[1], u"EstimLength"_s), stored(1));
        EXPECT_EQ(column(w->grdStratum[0], u"EstimLength"_s), stored());

        release(c.hold);
        prompts_.message(u"Mean = 11.7 m\r\nMedian = 12 m"_s, u"Mean Length"_s, MsgIcon::None);
        w->cmdDisplayMean[1]->click();
        EXPECT_EQ(column(w->grdStratum[1], u"EstimLength"_s), u"8|12|15"_s);
        EXPECT_EQ(stored(1), u"8|12|15"_s);
        closeWindow(w);
    }
}

// File, Open refused keeps the records, the sheet and the data file in use: a
// later metric change that reloads the current data set reloads the old file.
TEST_F(LogDatabaseInUse, ARefusedImportKeepsTheDataFileInUse) {
    const QString locked = u"The database cannot be opened.  Is some other application using it?"_s;
    const struct {
        const char* name;
        std::optional<Holding> holding; // none: the file itself is refused
        QByteArray contents;
        QString text, title;
        MsgIcon icon;
    } cases[] = {
        {"another program reading", Holding::Reading, FourLogs, locked, u"Error"_s, MsgIcon::None},
        {"another program writing", Holding::Writing, FourLogs, locked, u"Error"_s, MsgIcon::None},
        {"a missing header", std::nullopt, "1,A,1,1,1\n",
         u"A header row was not found as the first row in the data file.  This header is needed "
         u"to identify what each value represents."_s,
         u"Missing header row"_s, MsgIcon::Critical},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        frmMainLog* w = openSpm("Stratum,Location,Transect,Segment,Subsegment,Length\n"
                                "1,A,1,1,1,1\n1,A,1,1,2,2\n");
        const QString inUse = DataFilePath;
        w->mnuDensity->trigger();
        if (c.holding)
            hold(c.holding);
        importFile(w, file(c.contents), c.text, c.title, c.icon);
        if (c.holding)
            release(c.holding);
        EXPECT_EQ(DataFilePath, inUse);
        EXPECT_EQ(records(), 2);
        EXPECT_EQ(column(w->grdStratum[0], u"Length"_s), u"1|2"_s);

        prompts_.message(u"Do you want to clear this analysis and reload the current dataset?"_s,
                         u"Change formula"_s, MsgIcon::None, MsgResult::Yes);
        w->mnuLength->trigger();
        w = live();
        EXPECT_EQ(records(), 2);
        EXPECT_EQ(column(w->grdStratum[0], u"Length"_s), u"1|2"_s);
        EXPECT_EQ(w->ssTabMain->tabText(frmMainLog::PageFormula), u"Length"_s);
        closeWindow(w);
    }
}

// A row refused half-way through File, Open (a full disk, a constraint): the
// rows before it go too, and the window keeps the records and the data file.
TEST_F(LogDatabaseInUse, AnImportRefusedHalfWayChangesNothing) {
    frmMainLog* w = openSpm("Stratum,Location,Transect,Segment,Subsegment,Length\n"
                            "1,A,1,1,1,1\n1,A,1,1,2,2\n");
    const QString inUse = DataFilePath;
    db::exec(u"CREATE TRIGGER refuse BEFORE INSERT ON SPM WHEN NEW.id = 3 "
             u"BEGIN SELECT RAISE(ABORT, 'disk full'); END"_s);
    importFile(w, file(FourLogs), u"3146 : disk full - Log Procedure 'OpenFile'"_s, u"Error"_s,
               MsgIcon::Exclamation);
    EXPECT_EQ(DataFilePath, inUse);
    EXPECT_EQ(records(), 2);
    EXPECT_EQ(column(w->grdStratum[0], u"Length"_s), u"1|2"_s);
}

// The metric change whose re-import is refused leaves the new window without
// records, as a new window is, and without the metric: one message only.
TEST_F(LogDatabaseInUse, ARefusedReimportAppliesNoMetric) {
    frmMainLog* w = openSpm(FourLogs);
    w->mnuDensity->trigger();
    const QString inUse = DataFilePath;
    hold(Holding::Writing);
    prompts_.message(u"Do you want to clear this analysis and reload the current dataset?"_s,
                     u"Change formula"_s, MsgIcon::None, MsgResult::Yes);
    prompts_.message(u"The database cannot be opened.  Is some other application using it?"_s,
                     u"Error"_s, MsgIcon::None);
    w->mnuLength->trigger();
    EXPECT_TRUE(prompts_.done());
    w = live();
    EXPECT_EQ(QString(checkedMetrics(w) + w->ssTabMain->tabText(frmMainLog::PageFormula)),
              u"000000Formula"_s);
    EXPECT_LE(w->grdStratum[0]->rows(), 1);
    EXPECT_EQ(DataFilePath, inUse);
    EXPECT_EQ(records(), 4);
    release(Holding::Writing);
}

} // namespace
} // namespace vernalt::test
