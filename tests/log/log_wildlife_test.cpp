// Wildlife use: the use-code answer, the used mark and the percentage, then
// "Wildlife Use" of the log window: the marks per log in grdSubtotals and the
// counts in the Wildlife frame.
#include "log/wildlife_use.h"

#include "log_metrics_fixture.h"
#include "support/error_of.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(WildlifeUse, CodeUsedMarkAndPercent) {
    EXPECT_EQ(wildlifeCodeAnswer(u"3"_s), std::int16_t{3});
    EXPECT_EQ(wildlifeCodeAnswer(u"0"_s), std::int16_t{0});
    EXPECT_EQ(wildlifeCodeAnswer(u"2.5"_s), std::int16_t{2}); // half to even
    EXPECT_EQ(wildlifeCodeAnswer(u"3.5"_s), std::int16_t{4});
    EXPECT_EQ(wildlifeCodeAnswer(u"-2"_s), std::nullopt);
    EXPECT_EQ(wildlifeCodeAnswer(u"3 dens"_s), std::nullopt);
    EXPECT_EQ(errorOf([] { wildlifeCodeAnswer(u"40000"_s); }), err::Overflow);
    // Used only when available and the code in plain digits.
    EXPECT_TRUE(wildlifeUsed(true, u"12"_s, 12));
    for (const auto& [available, code, n] :
         {std::tuple{false, u"3"_s, 3}, {true, u"03"_s, 3}, {true, u"3.0"_s, 3}, {true, u""_s, 0}})
        EXPECT_FALSE(wildlifeUsed(available, code, std::int16_t(n))) << code.toStdString();
    EXPECT_EQ(wildlifePercentUse(2, 3), 66.7);
    EXPECT_EQ(wildlifePercentUse(1, 16), 6.2); // 6.25, half to the even 6.2
    EXPECT_EQ(wildlifePercentUse(0, 0), 0.0);  // no log available: none used
}

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
    everyLog();
    code(u"abc"_s);
    retry();
    code(u"-1"_s);
    retry();
    code(u"3"_s);
    w->cmdWildLife_Click();

    // Per log: available, use, used.
    QStringList marks;
    for (int r = 1; r < w->grdSubtotals->rows(); ++r)
        marks << w->grdSubtotals->text(r, 0) + u'|' + w->grdSubtotals->text(r, 1) + u'|' +
                     w->grdSubtotals->text(r, 2);
    EXPECT_EQ(marks.join(u' '), u"1|3|1 1|4|0 1||0 0|3|0 0|3|0"_s);
    EXPECT_EQ(w->lblAvailable->text() + u'|' + w->lblUsed->text() + u'|' +
                  w->lblPercentUse->text() + u'|' + w->statusText(),
              u"3|1|33.3|Status: WildLife Use Calculated"_s);
}

TEST_F(LogWildlife, NoAvailableLogShowsZeroPercentAndACancelledCodeChangesNothing) {
    log(3, u"9999"_s);
    density();
    everyLog();
    code(u""_s);
    w->cmdWildLife_Click();
    EXPECT_EQ(w->lblAvailable->text(), QString());
    EXPECT_EQ(w->statusText(), u"Status: Density Calculated"_s);
    w->lblPercentUse->setText(u"old"_s);
    everyLog();
    code(u"3"_s);
    w->cmdWildLife_Click();
    EXPECT_EQ(w->lblAvailable->text() + w->lblUsed->text() + w->lblPercentUse->text(), u"000"_s);
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
}

} // namespace
} // namespace vernalt::test
