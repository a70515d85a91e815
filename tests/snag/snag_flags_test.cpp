// "Multiple" and "Single" of the data sheets, offscreen with scripted prompts.
#include "snag_window_support.h"

#include "platform/progress.h"
#include "platform/value.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const QString DbhPromptMulti =
    u"Please enter the minimum DBH of a tree or snag you want to consider for this analysis."_s;
const QString DbhPromptOther =
    u"Please enter the minimum DBH you want to consider for this analysis."_s;
const QString HeightPromptMulti = u"Now please enter the minimum Height you want considered."_s;
const QString HeightPromptSingle =
    u"Now please enter the minimum Height of a snag you want considered."_s;
const QString ClassPrompt =
    u"Enter the maximum Decay or Structural Class value you want considered for this analysis."_s;
const QString SpeciesPromptMulti =
    u"Please enter the number of the species you want EXCLUDED from this analysis.  Enter '9999' "
    u"if you want all species included."_s;
const QString SpeciesPromptSingle =
    u"Please enter the number of the ONLY snag or tree species you want to consider for this "
    u"analysis."_s;
const QString PositiveValue = u"Please enter a positive numeric value"_s;

const QStringList All = {u"1"_s, u"1"_s, u"1"_s, u"1"_s};
const QStringList None = {u"0"_s, u"0"_s, u"0"_s, u"0"_s};

class SnagFlags : public SnagSheetTest {
  protected:
    // Six records over three strata and a fifth one that no sheet but the first shows.
    // With minimum DBH 25, minimum height 5, maximum class 3 and species 9999 left out:
    //   id 1  distance 5      at every limit                      -> 1111
    //   id 2  distance 10.04  reads as 10                         -> 0111
    //   id 3  species 9999                                        -> 0000
    //   id 4  class 4                                             -> 0000
    //   id 5  distance 20, DBH 25.4                               -> 0001
    //   id 6  nothing but its place: DBH 0                        -> 0000
    // Sheet 0 lists them by transect and subsegment: 1, 2, 4, 5, 3, 6.
    void insertSample() {
        insert({1, 1, 1, 1, 1, 5, u"12"_s, 3, 25, 5, 1, 2});
        insert({2, 2, 1, 1, 2, 10.04, u"13"_s, 2, 30, 8, 2, 2});
        insert({3, 1, 2, 1, 1, {}, u"9999"_s, 1, 40, 10, {}, {}});
        insert({4, 1, 1, 2, 3, 20, u"12"_s, 4, 30, 10, 1, {}});
        insert({5, 3, 1, 2, 4, 20, u"7"_s, 3, 25.4, 6, {}, 1});
        insert({6, 5, 2, 1, 2, {}, {}, {}, {}, {}, {}, {}});
        connectSheets();
    }
    void answerMultiple(const QString& dbh, const QString& height, const QString& cls,
                        const QString& species) {
        prompts_.input(DbhPromptMulti, u"DBH"_s, dbh)
            .input(HeightPromptMulti, u"Height"_s, height)
            .input(ClassPrompt, u"Decay Class"_s, cls)
            .input(SpeciesPromptMulti, u"Species"_s, species);
    }
    void answerSingle(const QString& dbh, const QString& height, const QString& cls,
                      const QString& species) {
        prompts_.input(DbhPromptOther, u"DBH"_s, dbh)
            .input(HeightPromptSingle, u"Height"_s, height)
            .input(ClassPrompt, u"Decay Class"_s, cls)
            .input(SpeciesPromptSingle, u"Species"_s, species);
    }
    // A trigger refuses every change to record `id`, and the report of the
    // failed Multiple is the next prompt.
    static void refuseChanges(int id) {
        const QString n = QString::number(id);
        db::exec(u"CREATE TRIGGER refuse BEFORE UPDATE ON Snags WHEN NEW.id = "_s + n +
                 u" BEGIN SELECT RAISE(ABORT, 'record "_s + n + u" is locked'); END"_s);
    }
    void expectRefusalReport(int id) {
        prompts_.message(u"3146 : record "_s + QString::number(id) +
                             u" is locked - Snag Procedure 'cmdFormMulti_Click'"_s,
                         u"Error"_s, MsgIcon::Exclamation);
    }
    // The marks as "1101"-like codes, "-" for an empty cell, rows or records by blanks.
    static QString code(const QStringList& four) {
        QString out;
        for (const QString& m : four)
            out += m.isEmpty() ? u"-"_s : m;
        return out;
    }
    QString sheetCodes(int k) {
        QStringList rows;
        for (int r = 1; r < sheet(k).rows(); ++r)
            rows << code(marks(k, r));
        return rows.join(u' ');
    }
    QString tableCodes(int records, bool metric = true) {
        QStringList out;
        for (int id = 1; id <= records; ++id)
            out << code(tableMarks(id, metric));
        return out.join(u' ');
    }
    bool habitatButtonsEnabled() {
        for (int k = 0; k < 5; ++k)
            if (!w->cmdCavity[std::size_t(k)]->isEnabled() ||
                !w->cmdForage[std::size_t(k)]->isEnabled())
                return false;
        return true;
    }
    // Nothing was marked: no status, no buttons, no marks in the table or sheet 0.
    void expectUntouched() {
        EXPECT_EQ(w->status(), u"Status: No data read"_s);
        EXPECT_FALSE(w->cmdCavity[0]->isEnabled());
        EXPECT_EQ(tableCodes(6), u"---- ---- ---- ---- ---- ----"_s);
        EXPECT_EQ(sheetCodes(0), u"---- ---- ---- ---- ---- ----"_s);
    }
};

TEST_F(SnagFlags, MultipleMarksEverySheetAndTheTable) {
    insertSample();
    answerMultiple(u"25"_s, u"5"_s, u"3"_s, u"9999"_s);
    w->cmdFormMulti[3]->click();
    EXPECT_EQ(sheetCodes(0), u"1111 0111 0000 0001 0000 0000"_s);
    EXPECT_EQ(sheetCodes(1), u"1111 0000 0000"_s); // ids 1, 4, 3
    EXPECT_EQ(sheetCodes(2), u"0111"_s);
    EXPECT_EQ(sheetCodes(3), u"0001"_s);
    EXPECT_EQ(sheetCodes(4), u""_s);
    EXPECT_EQ(tableCodes(6), u"1111 0111 0000 0000 0001 0000"_s);
    EXPECT_EQ(tableCodes(6, false), u"---- ---- ---- ---- ---- ----"_s) << "English left alone";
    EXPECT_EQ(w->status(), u"Status: Widths Filled"_s);
    EXPECT_TRUE(habitatButtonsEnabled());
}

TEST_F(SnagFlags, ALongRunShowsItsProgressThenTheFinalStatus) {
    // Progress shown from the first record on, with no wait between showings.
    const ProgressPace usual = progressPace();
    progressPace() = {0, 1, 0};
    insertSample();
    answerMultiple(u"25"_s, u"5"_s, u"3"_s, u"9999"_s);
    QStringList seen; // the status when the window is first painted during the run
    QMetaObject::invokeMethod(
        w, [&] { seen << w->status(); }, Qt::QueuedConnection);
    w->cmdFormMulti[0]->click();
    progressPace() = usual;
    EXPECT_EQ(seen, QStringList{u"Status: Marking 1 of 6 records"_s});
    EXPECT_EQ(w->status(), u"Status: Widths Filled"_s);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SnagFlags, ASecondMultipleRewritesTheMarksThatChange) {
    insertSample();
    answerMultiple(u"25"_s, u"5"_s, u"3"_s, u"9999"_s);
    answerMultiple(u"25"_s, u"5"_s, u"3"_s, u"12"_s);
    w->cmdFormMulti[0]->click();
    connectSheets();
    w->cmdFormMulti[0]->click();
    // Species 12 is left out now and 9999 is not: record 1 loses its marks,
    // record 3 (distance 0) gains all four, the others keep theirs.
    EXPECT_EQ(tableCodes(6), u"0000 0111 1111 0000 0001 0000"_s);
    EXPECT_EQ(marks(0, 1), None);
    EXPECT_EQ(marks(1, 1), None);
}

TEST_F(SnagFlags, RecordsSharingTheirKeysGetTheirOwnMarks) {
    // The same transect, subsegment and id twice: each record keeps its own marks.
    insert({7, 1, 1, 1, 1, 30, u"12"_s, 3, 25, 5, {}, {}});
    insert({7, 1, 1, 1, 1, 5, u"12"_s, 3, 25, 5, {}, {}});
    insert({7, 1, 1, 1, 1, 12, u"12"_s, 3, 25, 5, {}, {}});
    connectSheets();
    answerMultiple(u"25"_s, u"5"_s, u"3"_s, u"9999"_s);
    w->cmdFormMulti[0]->click();
    QSqlQuery q = db::select(u"SELECT DISTANCE, WIDTH10, WIDTH20, WIDTH30, WIDTH40 FROM Snags "
                             u"ORDER BY rowid"_s);
    const QString expected[] = {u"30:0000"_s, u"5:1111"_s, u"12:0011"_s};
    for (const QString& e : expected) {
        ASSERT_TRUE(q.next());
        QString got = numberText(q.value(0).toDouble()) + u':';
        for (int c = 1; c <= 4; ++c)
            got += numberText(q.value(c).toDouble());
        EXPECT_EQ(got, e);
    }
    EXPECT_EQ(marks(0, 2), All); // the sheet keeps the file order of equal keys
}

TEST_F(SnagFlags, MultipleInEnglishUnitsWritesTheEnglishColumns) {
    w->mnuEnglish_Click();
    // Half-widths 16.5 to 66 feet: 16.5 lies in every strip, 66 only in the widest.
    insert({1, 1, 1, 1, 1, 16.5, u"12"_s, 3, 25, 5, {}, {}});
    insert({2, 1, 1, 1, 2, 66, u"12"_s, 3, 25, 5, {}, {}});
    connectSheets();
    answerMultiple(u"25"_s, u"5"_s, u"3"_s, u"9999"_s);
    w->cmdFormMulti[0]->click();
    EXPECT_EQ(sheetCodes(0), u"1111 0001"_s);
    EXPECT_EQ(tableCodes(2, false), u"1111 0001"_s);
    EXPECT_EQ(tableCodes(2, true), u"---- ----"_s);
}

TEST_F(SnagFlags, SingleMarksOneSpeciesOnTheFirstSheetOnly) {
    insertSample();
    answerSingle(u"25"_s, u"5"_s, u"3"_s, u"012"_s);
    w->cmdFormSingle[2]->click();

    // Only records of species 12 can count: id 1 does, id 4 fails the class.
    EXPECT_EQ(sheetCodes(0), u"1111 0000 0000 0000 0000 0000"_s);
    EXPECT_EQ(sheetCodes(1) + u' ' + sheetCodes(2) + u' ' + sheetCodes(3),
              u"---- ---- ---- ---- ----"_s);
    EXPECT_EQ(tableCodes(6), u"---- ---- ---- ---- ---- ----"_s);
    EXPECT_EQ(w->status(), u"Status: Widths Filled"_s);
    EXPECT_TRUE(habitatButtonsEnabled());
}

TEST_F(SnagFlags, DoublePrecisionMinimumDbh) {
    insert({1, 1, 1, 1, 1, 0, u"1"_s, 1, 10.1, 1, {}, {}});
    insert({2, 1, 1, 1, 2, 0, u"1"_s, 1, 10.04, 1, {}, {}});
    connectSheets();
    answerMultiple(u"10.1"_s, u"0"_s, u"5"_s, u"9999"_s);
    w->cmdFormMulti[0]->click();
    EXPECT_EQ(tableCodes(2), u"1111 0000"_s);
}

TEST_F(SnagFlags, NonNumericAnswersAreAskedAgain) {
    insertSample();
    prompts_.input(DbhPromptMulti, u"DBH"_s, u"abc"_s)
        .message(PositiveValue, u"Error"_s, MsgIcon::None)
        .input(DbhPromptMulti, u"DBH"_s, u"-3"_s)
        .message(PositiveValue, u"Error"_s, MsgIcon::None)
        .input(DbhPromptMulti, u"DBH"_s, u"$25"_s)
        .input(HeightPromptMulti, u"Height"_s, u"x"_s)
        .message(PositiveValue, u"Error"_s, MsgIcon::None)
        .input(HeightPromptMulti, u"Height"_s, u"5"_s)
        .input(ClassPrompt, u"Decay Class"_s, u"three"_s)
        .message(PositiveValue, u"Error"_s, MsgIcon::None)
        .input(ClassPrompt, u"Decay Class"_s, u"3"_s)
        .input(SpeciesPromptMulti, u"Species"_s, u"009999"_s);
    w->cmdFormMulti[0]->click();
    EXPECT_EQ(tableMarks(1), All);
    EXPECT_EQ(tableMarks(3), None); // species 009999 is 9999
}

TEST_F(SnagFlags, CancelAtEachPromptOrAnOverflowChangesNothing) {
    struct Case {
        int answered; // prompts answered before the cancelling one
        QString cancel;
        const char* what;
        bool single = false;
        const char16_t* error = nullptr; // the error report that ends the run
    } cases[] = {
        {0, u""_s, "empty DBH"},
        {1, u""_s, "empty height"},
        {2, u""_s, "empty class"},
        {2, u"-1"_s, "class -1"},
        {3, u""_s, "empty species"},
        {3, u"-1"_s, "species -1"},
        {2, u"-1.0"_s, "class -1.0"},
        {3, u""_s, "Single: empty species", true},
        {2, u"40000"_s, "a class beyond 16 bits", false,
         u"6 : Overflow - Snag Procedure 'cmdFormMulti_Click'"},
        {2, u"-40000"_s, "Single: a class below 16 bits", true,
         u"6 : Overflow - Snag Procedure 'cmdFormSingle'"},
    };
    insertSample();
    const QString answers[] = {u"25"_s, u"5"_s, u"3"_s};
    const QString multi[] = {DbhPromptMulti, HeightPromptMulti, ClassPrompt, SpeciesPromptMulti};
    const QString single[] = {DbhPromptOther, HeightPromptSingle, ClassPrompt, SpeciesPromptSingle};
    const QString titles[] = {u"DBH"_s, u"Height"_s, u"Decay Class"_s, u"Species"_s};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString* prompts = c.single ? single : multi;
        for (int i = 0; i < c.answered; ++i)
            prompts_.input(prompts[i], titles[i], answers[i]);
        prompts_.input(prompts[c.answered], titles[c.answered], c.cancel);
        if (c.error)
            prompts_.message(QString::fromUtf16(c.error), u"Error"_s, MsgIcon::Exclamation);
        (c.single ? w->cmdFormSingle : w->cmdFormMulti)[0]->click();
        EXPECT_TRUE(prompts_.done());
        expectUntouched();
    }
}

TEST_F(SnagFlags, AFailurePartWayLeavesTheTableAsItWas) {
    insertSample();
    // Record 5 comes fourth on sheet 0, after three records were written.
    refuseChanges(5);
    answerMultiple(u"25"_s, u"5"_s, u"3"_s, u"9999"_s);
    expectRefusalReport(5);
    w->cmdFormMulti[0]->click();
    EXPECT_EQ(tableCodes(6), u"---- ---- ---- ---- ---- ----"_s);
    EXPECT_EQ(w->status(), u"Status: No data read"_s);
    EXPECT_FALSE(w->cmdCavity[0]->isEnabled());
}

// After File, Open sheet 0 shows every record; Multiple keeps its rows and
// rewrites only the marks, from the table.
TEST_F(SnagFlags, AfterASheetFillMultipleShowsTheStoredMarksAndAgainTheNewOnes) {
    insertSample();
    w->FillSingleTab();
    answerMultiple(u"25"_s, u"5"_s, u"3"_s, u"9999"_s);
    answerMultiple(u"25"_s, u"5"_s, u"3"_s, u"12"_s);
    w->cmdFormMulti[0]->click();
    EXPECT_EQ(sheetCodes(0), u"1111 0111 0000 0001 0000 0000"_s);
    EXPECT_EQ(sheetCodes(1), u"1111 0000 0000"_s);
    EXPECT_EQ(sheetCodes(2), u"0111"_s);
    EXPECT_EQ(sheetCodes(3), u"0001"_s);
    // Species 12 left out: record 1 (row 1) loses its marks, record 3 (row 5,
    // distance 0) gains them.
    w->cmdFormMulti[0]->click();
    EXPECT_EQ(tableCodes(6), u"0000 0111 1111 0000 0001 0000"_s);
    EXPECT_EQ(sheetCodes(0), u"0000 0111 0000 0001 1111 0000"_s);
    EXPECT_EQ(sheetCodes(1), u"0000 0000 1111"_s);
    EXPECT_EQ(sheet(0).text(1, 13), u"25"_s) << "the other columns stay";
    EXPECT_EQ(w->status(), u"Status: Widths Filled"_s);
}

TEST_F(SnagFlags, AFailedMultipleAfterASheetFillShowsTheStoredMarksOnEverySheet) {
    insertSample();
    w->FillSingleTab();
    answerMultiple(u"25"_s, u"5"_s, u"3"_s, u"9999"_s);
    w->cmdFormMulti[0]->click();
    // Single marks sheet 0 alone, for species 13 (record 2, row 2) only.
    answerSingle(u"25"_s, u"5"_s, u"3"_s, u"13"_s);
    w->cmdFormSingle[0]->click();
    ASSERT_EQ(sheetCodes(0), u"0000 0111 0000 0000 0000 0000"_s);
    // Record 3 would gain its marks, after record 1 lost its own.
    refuseChanges(3);
    answerMultiple(u"25"_s, u"5"_s, u"3"_s, u"12"_s);
    expectRefusalReport(3);
    w->cmdFormMulti[0]->click();
    EXPECT_TRUE(prompts_.done());
    EXPECT_EQ(tableCodes(6), u"1111 0111 0000 0000 0001 0000"_s);
    EXPECT_EQ(sheetCodes(0), u"1111 0111 0000 0001 0000 0000"_s);
    EXPECT_EQ(sheetCodes(1), u"1111 0000 0000"_s); // ids 1, 4, 3
    EXPECT_EQ(sheetCodes(2), u"0111"_s);
    EXPECT_EQ(sheetCodes(3), u"0001"_s);
}

// Another program changed a record after the sheet was filled: Multiple shows
// the records as they are now, not only their new marks.
TEST_F(SnagFlags, MultipleAfterAnotherProgramsChangeFillsTheSheetAgain) {
    insertSample();
    w->FillSingleTab();
    ASSERT_TRUE(OtherProgram(db::path())
                    .exec(u"UPDATE Snags SET DBH = 30, HEIGHT = 6, CLASS = 1, "
                          u"SPECIES = '7', DISTANCE = 0 WHERE id = 6"_s));
    answerMultiple(u"25"_s, u"5"_s, u"3"_s, u"9999"_s);
    w->cmdFormMulti[0]->click();
    EXPECT_EQ(sheetCodes(0), u"1111 0111 0000 0001 0000 1111"_s);
    EXPECT_EQ(sheet(0).text(6, 13), u"30"_s);
}

// This program's own change of the table's records (not an import) leaves
// the sheet's rows out of step: Multiple finds it and fills the sheet again.
TEST_F(SnagFlags, MultipleAfterARecordWentFromUnderTheSheetFillsItAgain) {
    insertSample();
    w->FillSingleTab();
    db::exec(u"DELETE FROM Snags WHERE id = 4"_s);
    answerMultiple(u"25"_s, u"5"_s, u"3"_s, u"9999"_s);
    w->cmdFormMulti[0]->click();
    EXPECT_EQ(sheetCodes(0), u"1111 0111 0001 0000 0000"_s);
    EXPECT_EQ(sheetCodes(1), u"1111 0000"_s); // ids 1, 3
}

TEST_F(SnagFlags, MoreRecordsThanSixteenBitsCount) {
    const int n = 40000;
    {
        db::Transaction t;
        db::BulkStatement add(u"INSERT INTO Snags (id, STRATUM, Transect, Segment, Subsegment, "
                              u"DISTANCE, SPECIES, CLASS, DBH, HEIGHT) "
                              u"VALUES (?, 1, 1, 1, ?, ?, '12', 1, 30, 10)"_s);
        for (int id = 1; id <= n; ++id) {
            add.bind(0, id);
            add.bind(1, id);
            add.bind(2, double(id % 25)); // 0 to 24 m
            add.run();
        }
        t.commit();
    }
    connectSheets();
    answerMultiple(u"25"_s, u"5"_s, u"3"_s, u"9999"_s);
    w->cmdFormMulti[0]->click();
    // Record n stands at distance 40000 mod 25 = 0; record n - 1 at 24.
    EXPECT_EQ(marks(0, n), All);
    EXPECT_EQ(marks(0, n - 1), None);
    EXPECT_EQ(marks(1, n), All);
    // Distances 0 to 20 lie in the widest strip: 21 of every 25 records.
    QSqlQuery q = db::select(u"SELECT SUM(WIDTH40), SUM(WIDTH10) FROM Snags"_s);
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), n / 25 * 21);
    EXPECT_EQ(q.value(1).toInt(), n / 25 * 6); // distances 0 to 5
}

} // namespace
} // namespace vernalt::test
