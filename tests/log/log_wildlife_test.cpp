// Wildlife use: the use-code answer, the used mark and the percentage, then
// "Wildlife Use" of the log window: the marks per log in grdSubtotals and the
// counts in the Wildlife frame.
#include "log/wildlife_use.h"

#include "log_window_fixture.h"
#include "support/error_of.h"

#include <QRadioButton>

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
         {std::tuple{false, u"3"_s, 3}, {true, u"03"_s, 3}, {true, u"3.0"_s, 3}, {true, u""_s, 0}})
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

// The option chosen names the sheet: an empty stratum sheet is said, another
// is counted. A cancel at the criteria or at the code changes nothing; a code
// that is no number of 0 or more is asked again.
TEST_F(LogWildlife, TheChosenSheetCancelsAndRefusedCodes) {
    frmMainLog* w = open();
    w->mnuSPM->trigger();
    for (const char* log : {"Stratum=1;Use=5", "Stratum=2;Use=5", "Stratum=2;Use=4"})
        addLog(w, QLatin1String(log));
    w->mnuDensity->setChecked(true);
    criteria(w, "0|0|0|9999");
    w->cmdSort2_Click(); // the stratum sheets, with their density
    const QString ask = u"Please enter the numeric code for the wildlife use category you would "
                        u"like to consider for this analysis."_s;
    const auto shown = [w]() -> QString {
        return joinedTexts(w->lblDataSheet, w->lblAvailable, w->lblUsed, w->lblPercentUse,
                           w->sbStatusBar[0]);
    };
    w->optDataFound[3]->setChecked(true);
    criteria(w, "0|0|0|9999");
    prompts_.input(ask, u"Wildlife use code"_s, u"5"_s)
        .message(u"No data found on 'Stratum 3'"_s, u"No data"_s, MsgIcon::None);
    w->cmdWildLife->click();
    EXPECT_EQ(shown(), u"Stratum 3||||Status: Data sorted"_s);

    w->optDataFound[2]->setChecked(true);
    criteria(w, "");
    w->cmdWildLife->click();
    criteria(w, "0|0|0|9999");
    prompts_.input(ask, u"Wildlife use code"_s, QString());
    w->cmdWildLife->click();
    EXPECT_EQ(shown(), u"Stratum 3||||Status: Data sorted"_s);

    criteria(w, "0|0|0|9999");
    for (const char* code : {"abc", "-1"})
        prompts_.input(ask, u"Wildlife use code"_s, QLatin1String(code))
            .message(u"Please enter a positive numeric value"_s, u"Error"_s, MsgIcon::None);
    prompts_.input(ask, u"Wildlife use code"_s, u"5"_s);
    w->cmdWildLife->click();
    EXPECT_EQ(shown(), u"Stratum 2|2|1|50|Status: WildLife Use Calculated"_s);
}

} // namespace
} // namespace vernalt::test
