// Wildlife use on the log window: the marks per log in grdSubtotals and the
// counts in the Wildlife frame.
#include "log_metrics_fixture.h"
#include "platform/grid.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

class LogWildlife : public LogMetricsTest {
  protected:
    LogWildlife() { useSpm(); }
    void log(const QVariant& use, const QString& species = u"1"_s, const QVariant& led = 10) {
        SpmLog s;
        s.subsegment = ++next_;
        s.use = use;
        s.species = species;
        s.led = led;
        add(s);
    }
    // The sheet as a density run leaves it: records, headers and values.
    void density() {
        connectSheet(0);
        everyLog();
        w->FormulaDen();
    }
    void code(const QString& answer) {
        script.input(u"Please enter the numeric code for the wildlife use category you would "
                     u"like to consider for this analysis."_s,
                     u"Wildlife use code"_s, answer);
    }
    QString mark(int row, int col) const { return w->grdSubtotals->text(row, col); }

  private:
    int next_ = 0;
};

TEST_F(LogWildlife, AvailableAndUsedLogs) {
    log(3);
    log(4);
    log(QVariant());
    log(3, u"9999"_s); // excluded species: not available, so not used
    log(3, u"1"_s, 9999);
    density();
    w->lblPercentUse->setText(u"old"_s);

    everyLog();
    code(u"abc"_s);
    retry();
    code(u"-1"_s);
    retry();
    code(u"3"_s);
    w->cmdWildLife_Click();

    ASSERT_EQ(w->grdSubtotals->rows(), 6);
    ASSERT_EQ(w->grdSubtotals->cols(), 3);
    EXPECT_EQ(w->grdSubtotals->grid()->formatString(),
              u"^  Qualify  |^     Use     |^  Wildlife  "_s);
    const char* expected[][3] = {
        {"1", "3", "1"}, {"1", "4", "0"}, {"1", "", "0"}, {"0", "3", "0"}, {"0", "3", "0"},
    };
    for (int r = 1; r <= 5; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(mark(r, c), QString::fromUtf8(expected[r - 1][c])) << r << ", " << c;
    EXPECT_EQ(w->lblAvailable->text(), u"3"_s);
    EXPECT_EQ(w->lblUsed->text(), u"1"_s);
    EXPECT_EQ(w->lblPercentUse->text(), u"33.3"_s);
    EXPECT_EQ(w->lblDataSheet->text(), u"Single/Combined"_s);
    EXPECT_FALSE(w->frmWildlife->isHidden());
    EXPECT_EQ(w->statusText(), u"Status: WildLife Use Calculated"_s);
}

TEST_F(LogWildlife, NoAvailableLogShowsZeroPercent) {
    log(3, u"9999"_s);
    density();
    w->lblPercentUse->setText(u"old"_s);
    everyLog();
    code(u"3"_s);
    w->cmdWildLife_Click();
    EXPECT_EQ(w->lblAvailable->text(), u"0"_s);
    EXPECT_EQ(w->lblUsed->text(), u"0"_s);
    EXPECT_EQ(w->lblPercentUse->text(), u"0"_s);
    EXPECT_EQ(w->statusText(), u"Status: WildLife Use Calculated"_s);
}

TEST_F(LogWildlife, EmptyLengthsCountOnlyWithNoMinimum) {
    SpmLog s;
    s.estimLength = QVariant();
    s.use = 2;
    add(s);
    density();
    criteria(u"0"_s, u"1"_s, u"0"_s, u"9999"_s);
    code(u"2"_s);
    w->cmdWildLife_Click();
    EXPECT_EQ(w->lblAvailable->text(), u"0"_s);
    everyLog();
    code(u"2"_s);
    w->cmdWildLife_Click();
    EXPECT_EQ(w->lblAvailable->text(), u"1"_s);
    EXPECT_EQ(w->lblPercentUse->text(), u"100"_s);
}

TEST_F(LogWildlife, ACancelledCodeChangesNothing) {
    log(3);
    density();
    everyLog();
    code(u""_s);
    w->cmdWildLife_Click();
    EXPECT_EQ(w->lblAvailable->text(), QString());
    EXPECT_EQ(w->statusText(), u"Status: Density Calculated"_s);
}

TEST_F(LogWildlife, AnEmptySheet) {
    connectSheet(0); // no records: the sheet is its header row
    everyLog();
    code(u"3"_s);
    script.message(u"Data not found"_s, QString(), MsgIcon::None);
    w->cmdWildLife_Click();

    log(3);
    connectSheet(0); // a row, but nothing copied into it yet
    everyLog();
    code(u"3"_s);
    script.message(u"No data found on 'Single/Combined'"_s, u"No data"_s, MsgIcon::None);
    w->cmdWildLife_Click();
    EXPECT_EQ(w->lblDataSheet->text(), u"Single/Combined"_s);
}

TEST_F(LogWildlife, TheChosenStratumSheet) {
    log(3);
    SpmLog s;
    s.stratum = 2;
    s.use = 5;
    add(s);
    add(s);
    connectSheet(0);
    connectStrata();
    w->DataSheetIndex = 2;
    everyLog();
    w->FormulaDen();
    w->optDataFound[2]->setChecked(true);
    everyLog();
    code(u"5"_s);
    w->cmdWildLife_Click();
    EXPECT_EQ(w->grdSubtotals->rows(), 3);
    EXPECT_EQ(w->lblUsed->text(), u"2"_s);
    EXPECT_EQ(w->lblPercentUse->text(), u"100"_s);
    EXPECT_EQ(w->lblDataSheet->text(), u"Stratum 2"_s);
}

} // namespace
} // namespace vernalt::test
