// "Multiple" whose marks cannot be saved: another program holds the database,
// or a record refuses its change. The table keeps its marks, and every data
// sheet shows them, so that Compute reads what is stored.
#include "snag_window_support.h"
#include "support/texts.h"

#include <cctype>
#include <optional>
#include <ostream>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// The marks ThreeUnits stores; the criteria of askCriteria() would mark every
// width of every record.
const QString Stored = u"1111 0111 0011"_s;

struct Case {
    const char* name;
    std::optional<Holding> holding; // none: a record refuses its change
    bool sheetFilled; // sheet 0 shows the records before Multiple (as after File, Open)
};

const Case Cases[] = {
    {"another program reads, COMMIT fails", Holding::Reading, true},
    {"another program reads, sheet 0 not yet filled", Holding::Reading, false},
    {"another program writes, BEGIN fails", Holding::Writing, true},
    {"another program writes, sheet 0 not yet filled", Holding::Writing, false},
    {"another program holds the file, nothing can be read", Holding::Owning, true},
    {"a record refuses its change half-way", std::nullopt, true},
    {"a record refuses its change, sheet 0 not yet filled", std::nullopt, false},
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class SnagMultipleUnsaved : public SnagSheetTest, public ::testing::WithParamInterface<Case> {
  protected:
    // The marks of a sheet's rows, or of the table's records in the sheets'
    // order, as "1101"-like codes separated by blanks.
    QString sheetCodes(int k) {
        QStringList rows;
        for (int r = 1; r < sheet(k).rows(); ++r)
            rows << marks(k, r).join(QString());
        return rows.join(u' ');
    }
    static QString tableCodes(const QString& where) {
        QSqlQuery q = db::select(u"SELECT WIDTH10, WIDTH20, WIDTH30, WIDTH40 FROM Snags "_s +
                                 where + u" ORDER BY Transect, Subsegment, id"_s);
        QStringList rows;
        while (q.next()) {
            QString code;
            for (int c = 0; c < 4; ++c)
                code += q.isNull(c) ? u"-"_s : numberText(q.value(c).toDouble());
            rows << code;
        }
        return rows.join(u' ');
    }
};

TEST_P(SnagMultipleUnsaved, EverySheetShowsTheStoredMarksAndComputeReadsThem) {
    insertPlaced(ThreeUnits);
    if (!GetParam().sheetFilled)
        connectSheets();                    // the sheets connected and empty
    db::exec(u"PRAGMA busy_timeout = 0"_s); // another program's lock fails at once
    const QString stratumSheetBefore = sheetCodes(1);
    {
        OtherProgram other(db::path());
        const std::optional<Holding> holding = GetParam().holding;
        if (holding) {
            ASSERT_TRUE(other.hold(*holding));
            askCriteria();
            script.message(notSavedMessage(database.file()), u"Database in use"_s,
                           MsgIcon::Critical);
        } else {
            // Record 2 comes second: record 1 has its new marks when it refuses.
            db::exec(u"CREATE TRIGGER refuse BEFORE UPDATE ON Snags WHEN NEW.id = 2 "
                     u"BEGIN SELECT RAISE(ABORT, 'record 2 is locked'); END"_s);
            askCriteria();
            script.message(u"3146 : record 2 is locked - Snag Procedure 'cmdFormMulti_Click'"_s,
                           u"Error"_s, MsgIcon::Exclamation);
        }
        w->cmdFormMulti[0]->click();
        EXPECT_TRUE(script.done());
    }
    EXPECT_EQ(tableCodes(QString()), Stored);
    EXPECT_EQ(sheetCodes(0), Stored);
    // A file that cannot be read leaves the stratum sheet as it was.
    EXPECT_EQ(sheetCodes(1), GetParam().holding == Holding::Owning
                                 ? stratumSheetBefore
                                 : tableCodes(u"WHERE STRATUM = 1"_s));
    EXPECT_EQ(w->status(), u"Status: No data read"_s) << "nothing was filled";

    // Compute reads the stored marks: width 10 by subsegment 1 0 0 gives a mean
    // of 1/3 and a deviation of sqrt((1 - 1/3) / 2) = 0.577 (the unsaved marks
    // would give 1 and 0).
    askStrata("2.50");
    askCost("");
    w->cmdSubtotals_Click();
    EXPECT_TRUE(script.done());
    expectShown(rowOf(*w->grdStats[0], 1, 1, 3), "0.333 0.577 3");
}

INSTANTIATE_TEST_SUITE_P(Failures, SnagMultipleUnsaved, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 if (std::isalnum(static_cast<unsigned char>(*c)))
                                     name += *c;
                             return name;
                         });

} // namespace
} // namespace vernalt::test
