// The snag window's data sheets after an import: the titles, the records of
// sheet 0 in order with their derived columns, and the stratum sheets.
#include "snag_window_fixture.h"

#include <QAction>

using namespace Qt::StringLiterals;

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace vernalt::test {
namespace {

class SnagSheets : public SnagWindowTest {
  protected:
    void importFile(frmMainSnag* w, const char* name) {
        script.openFile(QStringLiteral(VERNALT_TEST_DATA) + u"/snag/data/"_s +
                        QString::fromLatin1(name));
        w->mnuFileOpen->trigger();
    }
    static QString row(const Grid* g, int r) {
        QStringList cells;
        for (int c = 0; c < g->cols(); ++c)
            cells << g->text(r, c);
        return cells.join(u'|');
    }
};

TEST_F(SnagSheets, SheetZeroInTransectSubsegmentAndFileOrder) {
    frmMainSnag* w = open();
    importFile(w, "quotes_and_dates.csv");
    const Grid* g = w->grdStratum[0];
    ASSERT_EQ(g->rows(), 5);
    ASSERT_EQ(g->cols(), 23);
    EXPECT_EQ(g->grid()->fixedRows(), 1);
    EXPECT_EQ(g->grid()->fixedCols(), 0);
    EXPECT_EQ(row(g, 0), u"Stratum|Location|Transect|Section|Segment|Subsegment|Width10|Width20|"
                         u"Width30|Width40|Distance|Species|Class|DBH|Height|Cavity|Forage|"
                         u"Qualifying|Forest|District|Subwatershed|Observer|Date"_s);
    // File lines 2, 4 and 3 lie on transect 1 (subsegments 2, 2, 4), line 1 on transect 2.
    // Section = segment / 2 rounded up, Segment = subsegment / 2 rounded up.
    EXPECT_EQ(row(g, 1), u"1|A7|1|1|1|2|0|1|1|1|12|ABGR|3|28|15|0|1|||||JD|6/5/2024"_s);
    EXPECT_EQ(row(g, 2), u"1|A7|1|1|1|2|1|1|1|1|3|THPL|2|44|25|1|1|||||O'Neil|"_s);
    EXPECT_EQ(row(g, 3), u"2|B2|1|1|2|4|0|0|1|1|22.5|12|1|51|31|0|0|||||JD|6/6/2024"_s);
    EXPECT_EQ(row(g, 4), u"1|A7|2|2|3|5|1|1|1|1|4.5|PSME|2|35.5|20|1|0|||||O'Neil|6/5/2024"_s);
}

TEST_F(SnagSheets, StratumSheetsHaveTheirRowsAndTitlesOnly) {
    frmMainSnag* w = open();
    importFile(w, "quotes_and_dates.csv");
    const int rows[] = {5, 4, 2, 1, 1};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(w->grdStratum[k]->rows(), rows[k]) << k;
        EXPECT_EQ(w->grdStratum[k]->text(0, 22), u"Date"_s) << k;
        EXPECT_EQ(w->datDataSet[k].DatabaseName, db::path());
    }
    EXPECT_EQ(w->grdStratum[1]->text(1, 0), QString()) << "filled only by Multiple";
    EXPECT_TRUE(w->datDataSet[3].RecordSource.endsWith(
        u"FROM Snags WHERE stratum=3 ORDER BY transect, subsegment, id;"_s));
}

TEST_F(SnagSheets, EnglishUnitsShowTheEnglishWidths) {
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
