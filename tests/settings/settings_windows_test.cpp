// The plot-sizes, log-lengths and guidelines windows offscreen, on a database of
// their own, with stand-ins for the analysis windows they tell about a change.
#include "platform/database.h"
#include "platform/grid.h"
#include "settings/frmGuidelines.h"
#include "settings/frmLogLengths.h"
#include "settings/frmPlotSizes.h"
#include "settings/reference_rows.h"
#include "shell/app_windows.h"
#include "support/flush_deletes.h"
#include "support/scripted_prompts.h"
#include "support/temp_database.h"

#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// Relabels as the snag window does, from the first metric width in PlotSizes
// ("Subsegment" + width): it sees only what OK wrote before telling it.
struct FakeSnagWindow : QWidget, SnagWindowApi {
    void UpdateDimensionLabels() override {
        ++updates;
        QSqlQuery q = db::select(
            u"SELECT Width FROM PlotSizes WHERE Measurement = 'Metric' AND \"Index\" = 0"_s);
        firstDimensionName = q.next() ? u"Subsegment"_s + fieldText(q.value(0)) : QString();
    }
    bool isMetric() const override { return metric; }
    bool metric = false;
    int updates = 0;
    QString firstDimensionName;
};

struct FakeLogWindow : QWidget, LogWindowApi {
    void SetTransectLengths() override { ++reloads; }
    int reloads = 0;
};

// The rows of PlotSizes ("Metric 0 125 10": measurement, index, area, width) or
// of LogLengths ("Metric 0 12.5") in order, joined by ", ".
QString tableText(const QString& table, const QString& where = u"1"_s) {
    const QString width = table == u"PlotSizes" ? u" || ' ' || printf('%g', Width)"_s : QString();
    QSqlQuery q = db::select(u"SELECT group_concat(Measurement || ' ' || \"Index\" || ' ' || "
                             u"printf('%g', PlotSize)"_s +
                             width + u", ', ') FROM (SELECT * FROM "_s + table + u" WHERE "_s +
                             where + u" ORDER BY Measurement, \"Index\")"_s);
    return q.next() ? q.value(0).toString() : QString();
}

QString boxTexts(std::initializer_list<const QLineEdit*> boxes) {
    QStringList texts;
    for (const QLineEdit* box : boxes)
        texts << box->text();
    return texts.join(u'|');
}

void pressEsc(QWidget* focus) {
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(focus, &esc);
}

class SettingsWindows : public ::testing::Test {
  protected:
    SettingsWindows() {
        gSnagForm = &snag;
        gLogForm = &log;
    }
    ~SettingsWindows() override {
        for (QWidget* w : std::initializer_list<QWidget*>{
                 frmPlotSizes::instance(), frmLogLengths::instance(), frmGuidelines::instance()})
            if (w)
                w->close();
        flushDeletes();
    }
    TempDatabase database;
    ScriptedPrompts script; // any prompt not scripted fails the test
    FakeSnagWindow snag;
    FakeLogWindow log;
};

QWidget* openPlotSizes() {
    frmPlotSizes* w = frmPlotSizes::showWindow();
    w->cmdDefaults_Click(); // unlike the table
    return w;
}

QWidget* openLogLengths() {
    frmLogLengths* w = frmLogLengths::showWindow();
    w->txtMetric[0]->setText(u"20"_s); // unlike the table
    return w;
}

// OK refused (a box, an area too large, a row the database refuses), Esc or
// Cancel: nothing is written, the analysis window is not told, and only Esc and
// Cancel close.
// Every box is checked before anything is written: the boxes before the
// refused one hold new values.
TEST_F(SettingsWindows, RefusedOKEscAndCancelWriteNothing) {
    db::exec(u"UPDATE PlotSizes SET PlotSize = 1, Width = 2"_s);
    // The last row each window writes is refused: the rows before it roll back.
    db::exec(u"CREATE TRIGGER refusePlot BEFORE UPDATE ON PlotSizes WHEN NEW.Measurement = "
             "'English' AND NEW.\"Index\" = 15 BEGIN SELECT RAISE(ABORT, 'refused'); END"_s);
    db::exec(u"CREATE TRIGGER refuseLog BEFORE UPDATE ON LogLengths WHEN NEW.Measurement = "
             "'English' AND NEW.\"Index\" = 3 BEGIN SELECT RAISE(ABORT, 'refused'); END"_s);
    const struct {
        QWidget* (*open)();
        std::vector<std::pair<const char*, const char*>> boxes; // box name, text typed
        const char* message; // "title: text" of the message OK shows, or "Esc" or "Cancel"
    } cases[] = {
        // clang-format off
        {openPlotSizes, {{"Transect, Width - English", "0"}},
         "Plot Sizes: Transect (Width - English) must be a positive number."},
        {openPlotSizes, {{"Subsegment, Width - Metric", "1e300"}, {"Subsegment, Length - Metric", "1e10"}},
         "Plot Sizes: Subsegment10 (Metric Plot Area) is too large."},
        {openPlotSizes, {}, "Error: 3146 : refused - Plot Sizes Procedure 'cmdOK_Click'"},
        {openPlotSizes, {}, "Esc"},
        {openPlotSizes, {{"Section, Length - Metric", "70"}}, "Cancel"},
        {openLogLengths, {{"Section, English", "two hundred"}},
         "Log Lengths: Section (English) must be a positive number."},
        {openLogLengths, {}, "Error: 3146 : refused - Log Lengths Procedure 'cmdOK_Click'"},
        {openLogLengths, {}, "Esc"},
        {openLogLengths, {{"Segment, Metric", "30"}}, "Cancel"},
        // clang-format on
    };
    const QString before = tableText(u"PlotSizes"_s) + tableText(u"LogLengths"_s);
    for (const auto& c : cases) {
        const QPointer<QWidget> w = c.open();
        SCOPED_TRACE(c.message);
        const QString how = QString::fromLatin1(c.message);
        const bool closes = how == u"Esc" || how == u"Cancel";
        for (QLineEdit* box : w->findChildren<QLineEdit*>())
            for (const auto& [name, text] : c.boxes)
                if (box->accessibleName() == QLatin1StringView(name))
                    box->setText(QString::fromLatin1(text));
        if (how == u"Esc") {
            pressEsc(w->findChild<QLineEdit*>());
        } else if (how == u"Cancel") {
            for (QPushButton* b : w->findChildren<QPushButton*>())
                if (b->text() == u"Cancel")
                    b->click();
        } else {
            const qsizetype colon = how.indexOf(u": "_s);
            script.message(how.mid(colon + 2), how.left(colon), MsgIcon::Exclamation);
            QMetaObject::invokeMethod(w, "cmdOK_Click");
        }
        EXPECT_TRUE(script.done());
        flushDeletes();
        EXPECT_EQ(w.isNull(), closes) << "only Esc and Cancel close";
        EXPECT_EQ(tableText(u"PlotSizes"_s) + tableText(u"LogLengths"_s), before);
        EXPECT_EQ(snag.updates + log.reloads, 0);
        if (w)
            w->close();
        flushDeletes();
    }
}

// Another program reads (OK's COMMIT fails) or writes (its BEGIN fails): the
// message says nothing was saved, the tables are unchanged, the analysis window
// is not told, and the window stays open with what was typed; once the other
// program is gone, OK again saves it.
TEST_F(SettingsWindows, OKUnderAnotherProgramsLockSavesNothingUntilTriedAgain) {
    db::exec(u"PRAGMA busy_timeout = 0"_s); // another program's lock fails at once
    for (const Holding holding : {Holding::Reading, Holding::Writing}) {
        SCOPED_TRACE(int(holding));
        for (QWidget* (*open)() : {openPlotSizes, openLogLengths}) {
            db::exec(u"UPDATE PlotSizes SET PlotSize = 1, Width = 2"_s); // unlike what is typed
            db::exec(u"UPDATE LogLengths SET PlotSize = 1"_s);
            const QString before = tableText(u"PlotSizes"_s) + tableText(u"LogLengths"_s);
            const QPointer<QWidget> w = open();
            {
                OtherProgram other(database.file());
                ASSERT_TRUE(other.hold(holding));
                script.message(notSavedMessage(database.file()), u"Database in use"_s,
                               MsgIcon::Critical);
                QMetaObject::invokeMethod(w, "cmdOK_Click");
                EXPECT_TRUE(script.done());
            }
            flushDeletes();
            ASSERT_FALSE(w.isNull()) << "the window stays open";
            EXPECT_EQ(tableText(u"PlotSizes"_s) + tableText(u"LogLengths"_s), before);
            EXPECT_EQ(snag.updates + log.reloads, 0);
            QMetaObject::invokeMethod(w, "cmdOK_Click");
            flushDeletes();
            EXPECT_TRUE(w.isNull());
            EXPECT_NE(tableText(u"PlotSizes"_s) + tableText(u"LogLengths"_s), before);
            EXPECT_EQ(snag.updates + log.reloads, 1);
            snag.updates = log.reloads = 0;
        }
    }
}

// Restore Defaults and OK write the rows of a new file (checked by hand in the
// database tests), a missing row included, before the snag window relabels.
TEST_F(SettingsWindows, PlotSizesOKWritesAreasAndWidthsThenTheSnagWindowRelabels) {
    const QString newFile = tableText(u"PlotSizes"_s);
    db::exec(u"UPDATE PlotSizes SET PlotSize = 1, Width = 2"_s);
    db::exec(
        u"UPDATE PlotSizes SET Width = NULL WHERE Measurement = 'English' AND \"Index\" = 0"_s);
    db::exec(u"DELETE FROM PlotSizes WHERE Measurement = 'English' AND \"Index\" = 7"_s);
    const auto lengths = [](frmPlotSizes* w) {
        return boxTexts({w->txtSubsegmentMetricLength, w->txtSegmentMetricLength,
                         w->txtSectionMetricLength, w->txtTransectMetricLength,
                         w->txtSubsegmentEnglishLength, w->txtSegmentEnglishLength,
                         w->txtSectionEnglishLength, w->txtTransectEnglishLength});
    };
    // Length: the area of the level's first-width plot over the first width,
    // 1 / 2; none without a first width.
    frmPlotSizes* w = frmPlotSizes::showWindow();
    EXPECT_EQ(lengths(w), u"0.5|0.5|0.5|0.5||||"_s);
    w->cmdDefaults_Click();
    w->cmdOK_Click();
    flushDeletes();
    EXPECT_EQ(frmPlotSizes::instance(), nullptr);
    EXPECT_EQ(tableText(u"PlotSizes"_s), newFile);
    EXPECT_EQ(snag.updates, 1);
    EXPECT_EQ(snag.firstDimensionName, u"Subsegment10"_s);

    w = frmPlotSizes::showWindow();
    EXPECT_EQ(lengths(w), u"12.5|25|50|100|50|100|200|400"_s);
    // Areas 15 x 12.5 and 15 x 100; with the snag window closed nobody is told.
    w->txtSubsegmentMetricWidth->setText(u"15"_s);
    gSnagForm = nullptr;
    w->cmdOK_Click();
    EXPECT_EQ(tableText(u"PlotSizes"_s, u"Measurement = 'Metric' AND \"Index\" IN (0, 12)"_s),
              u"Metric 0 187.5 15, Metric 12 1500 15"_s);
    EXPECT_EQ(snag.updates, 1);
}

// A missing row leaves its box empty and OK asks for it; then OK writes the
// eight rows, the missing one inserted, and the log window reloads.
TEST_F(SettingsWindows, LogLengthsOKWritesTheEightRowsThenTheLogWindowReloads) {
    db::exec(u"DELETE FROM LogLengths WHERE Measurement = 'English' AND \"Index\" = 1"_s);
    db::exec(u"INSERT INTO LogLengths (Measurement, \"Index\", PlotSize) VALUES "
             "('English', 7, 999)"_s); // outside the four levels: not shown
    frmLogLengths* w = frmLogLengths::showWindow();
    EXPECT_EQ(boxTexts({w->txtMetric[0], w->txtMetric[1], w->txtMetric[2], w->txtMetric[3],
                        w->txtEnglish[0], w->txtEnglish[1], w->txtEnglish[2], w->txtEnglish[3]}),
              u"12.5|25|50|100|50||200|400"_s);
    script.message(u"Segment (English) must be a positive number."_s, u"Log Lengths"_s,
                   MsgIcon::Exclamation);
    w->cmdOK_Click();
    EXPECT_TRUE(script.done());
    w->txtEnglish[1]->setText(u"100"_s);
    w->txtMetric[1]->setText(u"30"_s);
    w->cmdOK_Click();
    flushDeletes();
    EXPECT_EQ(frmLogLengths::instance(), nullptr);
    EXPECT_EQ(tableText(u"LogLengths"_s),
              u"English 0 50, English 1 100, English 2 200, English 3 400, English 7 999, "
              u"Metric 0 12.5, Metric 1 30, Metric 2 50, Metric 3 100"_s);
    EXPECT_EQ(log.reloads, 1);
    gLogForm = nullptr; // with the log window closed OK still writes
    w = frmLogLengths::showWindow();
    w->txtMetric[1]->setText(u"31"_s);
    w->cmdOK_Click();
    EXPECT_EQ(tableText(u"LogLengths"_s, u"Measurement = 'Metric' AND \"Index\" = 1"_s),
              u"Metric 1 31"_s);
    EXPECT_EQ(log.reloads, 1);
}

// What the windows cannot read leaves their boxes empty: a database that cannot
// be written is said as such, another failure by its error report. Rows whose
// index is no whole number from 0 to 3 are not shown; an index stored as text
// counts when it is a number.
TEST_F(SettingsWindows, WhatCannotBeReadIsSaidAndLeavesItsBoxesEmpty) {
    // A table made elsewhere, its Index a text column.
    db::exec(u"DROP TABLE LogLengths"_s);
    db::exec(u"CREATE TABLE LogLengths (Measurement TEXT, \"Index\" TEXT, PlotSize REAL)"_s);
    db::exec(u"INSERT INTO LogLengths VALUES ('Metric', '0', 12.5), ('Metric', ' 1 ', 25), "
             u"('Metric', 'two', 50), ('Metric', '2.5', 100), ('English', '-1', 50), "
             u"('English', '1', 100)"_s);
    frmLogLengths* lengths = frmLogLengths::showWindow();
    EXPECT_EQ(boxTexts({lengths->txtMetric[0], lengths->txtMetric[1], lengths->txtMetric[2],
                        lengths->txtMetric[3], lengths->txtEnglish[0], lengths->txtEnglish[1]}),
              u"12.5|25||||100"_s);
    lengths->close();
    flushDeletes();

    db::exec(u"DROP TABLE LogLengths"_s);
    script.message(u"3146 : no such table: LogLengths - Log Lengths Procedure 'Form_Load'"_s,
                   u"Error"_s, MsgIcon::Exclamation);
    lengths = frmLogLengths::showWindow();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(lengths->txtMetric[0]->text(), QString());
    lengths->close();
    flushDeletes();

    db::close();
    QFile::setPermissions(database.file(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    script.message(u"Cannot open the database for updating.  It may be set as read-only."_s,
                   u"Open database error"_s, MsgIcon::Critical);
    frmPlotSizes* sizes = frmPlotSizes::showWindow();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(boxTexts({sizes->txtSubsegmentMetricWidth, sizes->txtSubsegmentMetricLength}),
              u"|"_s);
    QFile::setPermissions(database.file(), QFile::ReadOwner | QFile::WriteOwner);
}

// The guidelines show the cost table in the units the snag window had when the
// window loaded; English without a snag window.
TEST_F(SettingsWindows, GuidelinesKeepTheUnitsTheyLoadedWithUntilReopened) {
    snag.metric = true;
    frmGuidelines* w = frmGuidelines::showWindow();
    snag.metric = false;
    showGuidelines(); // the open window comes forward as it is, not loaded again
    EXPECT_EQ(frmGuidelines::instance()->grdGuidelines->grid()->text(2, 0), u"Subsegment10"_s);
    w->close();
    flushDeletes();
    gSnagForm = nullptr;
    EXPECT_EQ(frmGuidelines::showWindow()->grdGuidelines->grid()->text(2, 0), u"Subsegment33"_s);
}

} // namespace
} // namespace vernalt::test
