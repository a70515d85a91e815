// The log window's data sheets after an import and after "Apply and Sort": the
// records' order, the derived Section and Segment, the headers, the empty
// cells of nulls, the stratum sheets and the check of the strata's numbers.
#include "log_window_fixture.h"

#include "data/log_sheet_queries.h"
#include "platform/database.h"
#include "support/texts.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const QString NoFormula = u"Please select a formula from the drop-down menu above."_s;
const QString StrataGap = u"Strata need to be numbered consecutively starting at 1"_s;

const QByteArray LimHeader =
    "Stratum,Location,Transect,Segment,Subsegment,Species,Intersect,LED,Condition,Length\n";

// The cells of one row of a grid, joined by "|".
QString rowText(const Grid* g, int r) {
    QStringList cells;
    for (int c = 0; c < g->cols(); ++c)
        cells << g->text(r, c);
    return cells.join(u'|');
}

// The Location column (1) of every record row of a grid.
QString locations(const Grid* g) {
    QStringList out;
    for (int r = 1; r < g->rows(); ++r)
        out << g->text(r, 1);
    return out.join(u' ');
}

class LogSheets : public LogWindowTest {
  protected:
    void import(frmMainLog* w, const QByteArray& contents) {
        const QString path = dir_.filePath(u"data.csv"_s);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contents);
        f.close();
        prompts_.openFile(path);
        w->mnuFileOpen->trigger();
        ASSERT_TRUE(prompts_.done());
    }
    // Imports records of the given strata (one each, Location "s<k>").
    void importStrata(frmMainLog* w, std::initializer_list<int> strata) {
        QByteArray contents = LimHeader;
        for (int s : strata)
            contents +=
                QByteArray::number(s) + ",s" + QByteArray::number(s) + ",1,1,1,DF,4,30,2,12\n";
        import(w, contents);
    }
    // "Apply and Sort" under sheet `button`'s stratum with no metric chosen.
    void sortWithoutFormula(QPushButton* button) {
        prompts_.message(NoFormula, u"Error"_s, MsgIcon::None);
        button->click();
    }
    QTemporaryDir dir_;
};

TEST_F(LogSheets, SheetZeroInOrderWithDerivedColumnsAndHeaders) {
    frmMainLog* w = open();
    import(w, LimHeader + "2,e,1,1,1,DF,4,30,2,12\n"
                          "1,c,2,3,5,DF,4,30,2,12\n"
                          "1,b,1,4,2,,4,30,2,12\n"
                          "1,a1,1,1,1,DF,4.25,30,2,12\n"
                          "1,d,2,2,6,DF,4,30,2,12\n"
                          "1,a2,1,2,1,DF,4,30,2,12\n");
    const Grid* g = w->grdStratum[0];
    ASSERT_EQ(g->rows(), 7);
    ASSERT_EQ(g->cols(), 16);
    EXPECT_EQ(g->grid()->fixedRows(), 1);
    EXPECT_EQ(g->grid()->fixedCols(), 0);
    EXPECT_EQ(locations(g), u"a1 a2 b c d e"_s) << "equal keys keep the file's order";
    // Stratum, Location, Transect, Section, Segment, Subsegment, Species, Intersect, LED,
    // Condition, Length, Qualify, Tally 1..4 (never given: empty).
    EXPECT_EQ(rowText(g, 1), u"1|a1|1|1|1|1|DF|4.25|30|2|12|0||||"_s);
    EXPECT_EQ(rowText(g, 3), u"1|b|1|2|1|2||4|30|2|12|0||||"_s) << "a null Species is empty";
    EXPECT_EQ(rowText(g, 4), u"1|c|2|2|3|5|DF|4|30|2|12|0||||"_s);
    EXPECT_EQ(rowText(g, 5), u"1|d|2|1|3|6|DF|4|30|2|12|0||||"_s);

    // Headers: the bare field names on all five sheets; blanks only widen the columns.
    const QStringList& fields = data::logSheetFields(true);
    for (const Grid* s : w->grdStratum) {
        ASSERT_EQ(s->cols(), 16);
        for (int c = 0; c < 16; ++c)
            EXPECT_EQ(s->text(0, c), fields[c]);
        EXPECT_TRUE(s->grid()->formatString().startsWith(u"^Stratum|^Location|"_s));
        EXPECT_TRUE(s->grid()->formatString().endsWith(u"|^Tally 4"_s));
        EXPECT_EQ(s->grid()->titlePadding(), 2);
    }
    EXPECT_EQ(w->grdStratum[1]->rows(), 1) << "no stratum records before Apply and Sort";
    for (std::size_t k = 0; k < 5; ++k)
        for (int c = 0; c < 5; ++c) {
            EXPECT_EQ(w->grdOptimal[k]->grid()->colWidth(c), 1343);
            EXPECT_EQ(w->grdOptimal2[k]->grid()->colWidth(c), 1343);
        }
}

TEST_F(LogSheets, AHeaderOnlyFileShowsNoRecords) {
    frmMainLog* w = open();
    import(w, LimHeader);
    EXPECT_EQ(w->statusText(), u"Status: Data file read"_s);
    EXPECT_EQ(w->grdStratum[0]->rows(), 1);
    EXPECT_EQ(w->grdStratum[0]->text(0, 0), QString()) << "the headers are not rebuilt";
}

TEST_F(LogSheets, SpmSheetsUnderStripPlotsAndCombination) {
    frmMainLog* w = open();
    w->mnuCombo_Click(); // nothing imported yet: no question asked
    ASSERT_TRUE(w->mnuCombo->isChecked());
    import(w, "Stratum,Location,Transect,Segment,Subsegment,Species,%Length\n"
              "1,A,1,3,4,DF,2\n");
    const Grid* g = w->grdStratum[0];
    ASSERT_EQ(g->cols(), 17);
    EXPECT_EQ(g->text(0, 15), u"PercentLength"_s);
    EXPECT_EQ(rowText(g, 1), u"1|A|1|2|2|4|||||||0||DF|2|"_s);
    EXPECT_EQ(w->datDataSet[0].RecordSource, data::logSheetQuery(false, 0));
}

TEST_F(LogSheets, ApplyAndSortFillsEveryStratumSheet) {
    frmMainLog* w = open();
    import(w, LimHeader + "2,b2,1,1,1,DF,4,30,2,12\n"
                          "1,a,1,1,1,DF,4,30,2,12\n"
                          "3,c,1,1,1,DF,4,30,2,12\n"
                          "2,b1,1,1,1,DF,4,30,2,12\n");
    EXPECT_FALSE(w->cmdSummaryStatistics->isEnabled());
    sortWithoutFormula(w->cmdSort3);
    EXPECT_TRUE(prompts_.done());
    EXPECT_EQ(w->DataSheetIndex, 3);
    EXPECT_EQ(locations(w->grdStratum[1]), u"a"_s);
    EXPECT_EQ(locations(w->grdStratum[2]), u"b2 b1"_s);
    EXPECT_EQ(locations(w->grdStratum[3]), u"c"_s);
    EXPECT_EQ(w->grdStratum[4]->rows(), 2) << "an empty stratum: the header and one empty row";
    EXPECT_EQ(rowText(w->grdStratum[4], 1), QString(15, u'|'));
    for (int k = 1; k <= 4; ++k) {
        // The labels rewrite the headers with the bare names.
        EXPECT_EQ(w->grdStratum[std::size_t(k)]->text(0, 7), u"Intersect"_s);
        EXPECT_EQ(w->datDataSet[std::size_t(k)].RecordSource, data::logSheetQuery(true, k));
    }
    EXPECT_TRUE(w->cmdSummaryStatistics->isEnabled());
    EXPECT_EQ(w->statusText(), u"Status: Data sorted"_s);
    EXPECT_EQ(locations(w->grdStratum[0]), u"a b2 b1 c"_s) << "sheet 0 is left alone";
}

TEST_F(LogSheets, StrataNotNumberedFromOneAreRefused) {
    const struct {
        const char* name;
        std::initializer_list<int> strata;
        bool refused;
    } cases[] = {
        {"1, 2, 3", {1, 2, 3}, false}, {"2, 3", {2, 3}, true}, {"1, 3", {1, 3}, true},
        {"1, 2, 4", {1, 2, 4}, true},  {"none", {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        frmMainLog* w = open();
        importStrata(w, c.strata);
        if (c.refused)
            prompts_.message(StrataGap, u"Error Sorting"_s, MsgIcon::None);
        else
            prompts_.message(NoFormula, u"Error"_s, MsgIcon::None);
        w->cmdSort1->click();
        EXPECT_TRUE(prompts_.done());
        EXPECT_EQ(w->cmdSummaryStatistics->isEnabled(), !c.refused);
        EXPECT_EQ(w->statusText(),
                  c.refused ? u"Status: Data file read"_s : u"Status: Data sorted"_s);
        EXPECT_EQ(w->DataSheetIndex, 1);
        // The sheets are requeried whether or not the check passes.
        for (int s : c.strata)
            EXPECT_EQ(w->grdStratum[std::size_t(s)]->text(1, 1), u"s"_s + QString::number(s));
        w->close();
        flushDeletes();
    }
}

TEST_F(LogSheets, AnImportAfterASortShowsOnlyTheNewRecordsUnderTheNewTablesHeaders) {
    frmMainLog* w = open();
    importStrata(w, {1, 2});
    sortWithoutFormula(w->cmdSort2);
    ASSERT_EQ(w->DataSheetIndex, 2);
    ASSERT_EQ(locations(w->grdStratum[2]), u"s2"_s);
    importStrata(w, {1, 1, 1});
    EXPECT_EQ(locations(w->grdStratum[0]), u"s1 s1 s1"_s)
        << "sheet 0 holds the new records although a stratum sheet is in use";
    for (std::size_t k = 1; k < 5; ++k)
        EXPECT_EQ(w->grdStratum[k]->rows(), 1) << "no records of the old file";

    // The method switched in place after a sort under LIM.
    prompts_.message(u"Do you want to clear this analysis and change methods?"_s,
                     u"Change method"_s, MsgIcon::None, MsgResult::No);
    w->mnuSPM_Click();
    ASSERT_TRUE(w->mnuSPM->isChecked());
    import(w, "Stratum,Location,Transect,Segment,Subsegment,EstimLength\n1,A,1,1,1,7\n");
    const Grid* g = w->grdStratum[0];
    ASSERT_EQ(g->cols(), 17) << "the strip-plot fields, although stratum 2 was sorted under LIM";
    EXPECT_EQ(g->text(0, 16), u"EstimLength"_s);
    EXPECT_EQ(g->text(1, 16), u"7"_s);
    for (std::size_t k = 1; k < 5; ++k)
        EXPECT_EQ(w->datDataSet[k].RecordSource, data::logSheetQuery(false, int(k)));
}

TEST_F(LogSheets, ApplyAndSortRunsTheCheckedMetric) {
    frmMainLog* w = open();
    importStrata(w, {1, 2});
    w->mnuVolume->setChecked(true);
    // The metric asks its criteria first: cancelled here, so it computes nothing.
    prompts_.input(u"Please enter the minimum LED you want to consider for this analysis."_s,
                   u"LED"_s, QString());
    w->cmdSort2->click();
    EXPECT_TRUE(prompts_.done());
    EXPECT_EQ(w->DataSheetIndex, 2);
    EXPECT_TRUE(w->cmdSummaryStatistics->isEnabled());
    EXPECT_EQ(w->statusText(), u"Status: Data sorted"_s);
}

} // namespace
} // namespace vernalt::test
