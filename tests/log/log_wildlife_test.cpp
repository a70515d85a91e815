// Wildlife use: the use-code answer, the used mark and the percentage, then
// "Wildlife Use" of the log window: the marks per log in grdSubtotals and the
// counts in the Wildlife frame.
#include "log/wildlife_use.h"

#include "log_window_fixture.h"
#include "support/error_of.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

TEST(WildlifeUse, CodeUsedMarkAndPercent) {
    EXPECT_EQ(wildlifeCodeAnswer(u"3"_s), std::int16_t{3});
    EXPECT_EQ(wildlifeCodeAnswer(u"2.5"_s), std::int16_t{2}); // half to even
    EXPECT_EQ(wildlifeCodeAnswer(u"-2"_s), std::nullopt);
    EXPECT_EQ(wildlifeCodeAnswer(u"3 dens"_s), std::nullopt);
    EXPECT_EQ(errorOf([] { wildlifeCodeAnswer(u"40000"_s); }), err::Overflow);
    // Used only when available and the code in plain digits.
    EXPECT_TRUE(wildlifeUsed(true, u"12"_s, 12));
    for (const auto& [available, code, n] :
         {std::tuple{false, u"3"_s, 3}, {true, u"03"_s, 3}, {true, u""_s, 0}})
        EXPECT_FALSE(wildlifeUsed(available, code, std::int16_t(n))) << code.toStdString();
    EXPECT_EQ(wildlifePercentUse(1, 16), 6.2); // 6.25, half to the even 6.2
    EXPECT_EQ(wildlifePercentUse(0, 0), 0.0);  // no log available: none used
}

using LogWildlife = LogWindowTest;

// Strip-plot logs "use|species|LED", every log counted and use code 3: an
// excluded species or LED is not available, so not used.
TEST_F(LogWildlife, AvailableAndUsedLogs) {
    frmMainLog* w = open();
    w->mnuLIM->setChecked(false);
    w->mnuSPM->setChecked(true);
    const auto run = [&](const QString& message = {}) {
        w->FillSingleTab();
        criteria(w, "0|0|0|9999");
        prompts_.input(u"Please enter the numeric code for the wildlife use category you would "
                       u"like to consider for this analysis."_s,
                       u"Wildlife use code"_s, u"3"_s);
        if (!message.isEmpty())
            prompts_.message(message, QString(), MsgIcon::None);
        w->cmdWildLife_Click();
    };
    run(u"Data not found"_s); // no records
    for (const char* log : {"3|1|10", "4|1|10", "null|1|10", "3|9999|10", "3|1|9999"}) {
        const QStringList f = QString::fromLatin1(log).split(u'|');
        addLog(w, u"Use="_s + f[0] + u";Species="_s + f[1] + u";LED="_s + f[2]);
    }
    run();
    QStringList marks; // per log: available, use, used
    for (int r = 1; r < w->grdSubtotals->rows(); ++r)
        marks << rowText(w->grdSubtotals, r, 3);
    EXPECT_EQ(marks.join(u' '), u"1|3|1 1|4|0 1||0 0|3|0 0|3|0"_s);
    EXPECT_EQ(joinedTexts(w->lblAvailable, w->lblUsed, w->lblPercentUse, w->sbStatusBar[0]),
              u"3|1|33.3|Status: WildLife Use Calculated"_s);
}

} // namespace
} // namespace vernalt::test
