// The summary chain on an imported file: File, Open, Set Criteria for density,
// then Calculate Statistics, read from the grids and labels of the window.
#include "log_window_fixture.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

// One transect of four subsegments in two segments, one log in each: lengths
// 2, 4, 5 and 10 give densities 0.5, 0.25, 0.2 and 0.1.
const QByteArray LimFile =
    "Stratum,Location,Transect,Segment,Subsegment,Species,Intersect,LED,Condition,Length,"
    "Tally 1\n"
    "1,A,1,1,1,PSME,10,10,1,2,1\n"
    "1,A,1,1,2,PSME,10,10,1,4,1\n"
    "1,A,1,2,3,PSME,10,10,1,5,1\n"
    "1,A,1,2,4,PSME,10,10,1,10,1\n";

class LogSummaryFlow : public LogWindowTest {};

TEST_F(LogSummaryFlow, ImportCriteriaAndStatistics) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"logs.csv"_s);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(LimFile);
    }
    frmMainLog* w = open();
    prompts_.openFile(path);
    w->mnuFileOpen->trigger();
    ASSERT_TRUE(prompts_.done());

    w->mnuDensity->setChecked(true);
    prompts_.input(u"Please enter the minimum LED you want to consider for this analysis."_s,
                   u"LED"_s, u"0"_s);
    prompts_.input(u"Now please enter the minimum Length you want considered.  Enter '0' if all "
                   u"log lengths will be considered or log lengths were not measured."_s,
                   u"Length"_s, u"0"_s);
    prompts_.input(u"Please enter the maximum value for condition (or decay class) you want to "
                   u"consider for this analysis.  Enter '0' if condition was not recorded."_s,
                   u"Condition"_s, u"0"_s);
    prompts_.input(u"Please enter the code of the species you want EXCLUDED from this analysis.  "
                   u"Enter '9999' if you want all species included. NOTE: Species code is case "
                   u"sensitive."_s,
                   u"Species"_s, u"9999"_s);
    w->cmdFormulaApply->click();
    ASSERT_TRUE(prompts_.done());

    w->cmdSummaryStatistics->click();
    EXPECT_EQ(w->lblDataSheet->text(), u"Single/Combined (Density)"_s);
    const Grid& g = *w->grdSubtotals;
    const char16_t* expected[4][4] = {{u"0.5", u"0.75", u"1.05", u"1.05"},
                                      {u"0.25", u"0.3", u"", u""},
                                      {u"0.2", u"", u"", u""},
                                      {u"0.1", u"", u"", u""}};
    ASSERT_EQ(g.rows(), 5);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(g.text(r + 1, c), QString::fromUtf16(expected[r][c])) << r << c;
    // Segments 0.75 and 0.3: mean 0.525, s = 0.45 / sqrt(2) = 0.318.
    EXPECT_EQ(w->lblNum[1]->text(), u"2"_s);
    EXPECT_EQ(w->lblAvg[1]->text(), u"0.525"_s);
    EXPECT_EQ(w->lblStdDev[1]->text(), u"0.318"_s);
    EXPECT_EQ(w->grdOptimal2[0]->text(2, 2), u"2"_s);
    EXPECT_EQ(w->statusText(), u"Status: Stats calculated for Single/Combined (Density)"_s);
}

} // namespace
} // namespace vernalt::test
