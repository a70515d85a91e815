// The Formula page's handler "Stratified" and the sample size that ends it, and
// the Combination pages, on the window's own boxes and prompts ("Single" runs in
// the end-to-end tests). The figures are worked out in log_estimate_formulas_test
// and combined_estimate_test; here one run of each, and the window's own checks:
// typing into the Combination boxes recalculates both pages; the errors each
// page reports; "Clear All Values".
#include "log/log_window_fixture.h"
#include "platform/settings.h"

#include <QComboBox>
#include <QFocusEvent>

namespace vernalt::test {
namespace {

using LogEstimates = LogWindowTest;

// The sizes and statistics are checked before anything is computed: a check
// that fails says why and leaves every figure of an earlier run, and the
// status, as they were; no size at all opens the Stratified page.
TEST_F(LogEstimates, StratifiedChecksTheSizesAndStatisticsFirst) {
    const struct {
        const char *sizes, *message, *title;
        bool noStatistics2; // stratum 2 without statistics
    } cases[] = {
        {"|", "Please enter a value into the Stratum Size.", "Error - Stratum Size", false},
        {"60|forty", "Please enter the stratum size for each stratum to calculate with", "", false},
        {"60|40", "Please calculate subtotals for Stratum 2", "", true},
    };
    frmMainLog* w = twoLineStrata(open());
    const std::array<Grid*, 4> grids = {w->grdFormulaStratified, w->grdSampleSize[1],
                                        w->grdOptimalAllocation, w->grdProportionalAllocation};
    for (Grid* g : grids)
        g->setText(1, 1, u"earlier"_s);
    w->lblStratifiedMetricFormula->setText(u"earlier"_s);
    w->setStatus(u"Status: before"_s);
    for (const auto& c : cases) {
        const QStringList sizes = QString::fromLatin1(c.sizes).split(u'|');
        w->txtLandscapeArea[1]->setText(sizes[0]);
        w->txtLandscapeArea[2]->setText(sizes[1]);
        if (c.noStatistics2)
            w->grdOptimal[2]->clear(); // no level of stratum 2 has statistics
        w->ssTabFormula->setCurrentIndex(0);
        prompts_.message(QLatin1String(c.message), QLatin1String(c.title), MsgIcon::None);
        w->cmdDefaultStratified->click();
        QString left = w->lblStratifiedMetricFormula->text() + u'|' + w->status();
        for (const Grid* g : grids)
            left += u'|' + g->text(1, 1);
        EXPECT_EQ(left, u"earlier|Status: before|earlier|earlier|earlier|earlier"_s) << c.sizes;
        EXPECT_EQ(w->ssTabFormula->currentIndex(), *c.sizes == '|' ? 1 : 0) << c.sizes;
    }
}

// The strata of twoLineStrata have no Subsegment statistics: a stratum is
// ready when any of its levels has some.
TEST_F(LogEstimates, StratifiedFillsTheSheetAndTheSampleSize) {
    frmMainLog* w = twoLineStrata(open());
    w->grdFormulaStratified->setText(3, 9, u"999"_s); // an earlier run's
    w->cmdDefaultStratified->click();
    EXPECT_TRUE(w->grdFormulaStratified->text(3, 9).isEmpty());
    // One run through estimate, sample size and allocation (worked in
    // log_estimate_formulas_test: 68 logs/ha, 9 and 12 units); every row of the
    // allocation grids keeps its stratum number.
    EXPECT_EQ(rowText(w->grdOptimalAllocation, 1) + u'/' + rowText(w->grdOptimalAllocation, 4) +
                  u'/' + rowText(w->grdProportionalAllocation, 3) + u'/' +
                  w->lblPropTotalTransectLength->text() + u'/' + w->status(),
              u"9|1|4|4000/|4||/|3||/13000/Status: Estimates Calculated"_s);

    // Auto: each stratum takes the first shortest survey distance of its own sheet.
    w->mnuStratum1_Click(0);
    w->mnuStratum2_Click(0);
    setStats(*w, 1, 3, u"1|1|1|4|1|1|650"_s);
    setStats(*w, 2, 2, u"1|1|1|4|1|1|800"_s);
    w->cmdDefaultStratified->click();
    EXPECT_EQ(w->grdFormulaStratified->text(1, 1) + w->grdFormulaStratified->text(2, 1),
              u"SectionSegment"_s);
}

// Strata 3 and 4 take the level their Optimal Selection item checks, each
// from its own statistics: (60 x 80 + 40 x 50 + 50 x 20 + 50 x 40) / 200 = 49.
TEST_F(LogEstimates, StrataThreeAndFourTakeTheLevelTheirMenuChecks) {
    frmMainLog* w = twoLineStrata(open());
    w->mnuStratum3[3]->trigger(); // Section
    w->mnuStratum3[3]->trigger(); // a second click keeps it
    w->mnuStratum4[2]->trigger(); // Segment
    QString checked;
    for (const QAction* a : w->mnuStratum3)
        checked += a->isChecked() ? u'1' : u'0';
    EXPECT_EQ(checked, u"00010"_s);
    setStats(*w, 3, 3, u"1|1|100|4|20|8.1|900"_s);
    setStats(*w, 4, 2, u"2|1|100|4|40|16.2|900"_s);
    w->txtLandscapeArea[3]->setText(u"50"_s);
    w->txtLandscapeArea[4]->setText(u"50"_s);
    w->cmdDefaultStratified->click();
    EXPECT_EQ(columnOf(*w->grdFormulaStratified, 1, 1, 4).join(u' ') + u'|' +
                  columnOf(*w->grdFormulaStratified, 5, 1, 4).join(u' ') + u'|' +
                  w->lblStratifiedMetricFormula->text(),
              u"Transect Transect Section Segment|80 50 20 40|49"_s);
}

// One stratum is no stratified design: said by the estimate and by the sample
// size, whose figures stay empty. A t-value of 0 ends the sample size with its
// error after the rows it could write; the estimate stands.
TEST_F(LogEstimates, StratifiedWithOneStratumOrAZeroTValue) {
    frmMainLog* w = twoLineStrata(open());
    w->txtLandscapeArea[2]->clear();
    for (int k = 0; k < 2; ++k)
        prompts_.message(u"Please use a non-stratified equation"_s, QString(), MsgIcon::None);
    w->cmdDefaultStratified->click();
    EXPECT_EQ(QString(rowText(w->grdFormulaStratified, 1, 9) + u'|' +
                      w->lblStratifiedMetricFormula->text() + u'|' +
                      w->grdOptimalAllocation->text(1, 0) + u'|' + w->status()),
              u"1|Transect|1000|2|1|80|6400|1|4|||Status: Estimates Calculated"_s);

    w->txtLandscapeArea[2]->setText(u"40"_s);
    w->txtTvalue->setText(u"0"_s);
    prompts_.message(u"11 : Division by zero - Log Procedure 'SampleSize'"_s, u"Error"_s,
                     MsgIcon::Exclamation);
    w->cmdDefaultStratified->click();
    EXPECT_EQ(QString(w->lblStratifiedMetricFormula->text() + u'|' +
                      rowText(w->grdSampleSize[1], 2, 5) + u'|' +
                      w->grdOptimalAllocation->text(1, 0) + u'|' + w->status()),
              u"68|2|47.1|31.4|986|||Status: Estimates Calculated"_s);
}

// "Single" takes the automatic level, the first of the shortest survey
// distances of the levels in use (Segment), or Subsegment when no level is in
// use. Strip plots ask the landscape area: cancelled, the bound and limits stay
// empty; too small for the plots, the square root of a negative is reported
// and the status stays. The figures themselves are worked in
// log_estimate_formulas_test: plots of 50 m x 4 = 0.02 ha, SE = sqrt(400 / 16).
TEST_F(LogEstimates, SingleTakesTheAutomaticLevelAndAsksTheLandscapeArea) {
    frmMainLog* w = open();
    w->mnuSPM->trigger();
    w->mnuDensity->trigger();
    w->SetTransectLengths();
    w->SetMetricLabels(); // the strip-plot columns, as the metric's run heads them
    w->LevelLengths = {25, 50, 100, 200};
    const char* distances[] = {"1200", "950", "950", "1100"};
    for (int level = 1; level <= 4; ++level)
        setStats(*w, 0, level, u"5|3|400|16|100|40.5|"_s + QLatin1String(distances[level - 1]));
    w->txtTvalue->setText(u"2"_s);
    w->lblSimpleBound->setText(u"77"_s); // an earlier run's
    prompts_.input(u"Please enter the Stratum Size"_s, u"Stratum Size"_s, QString());
    w->cmdDefaultSingle->click();
    const auto shown = [w]() -> QString {
        return rowText(w->grdFormulaSimple) + u' ' +
               joinedTexts(w->txtLandscapeArea[0], w->lblSimpleMetricFormula,
                           w->lblSimpleEnglishFormula, w->lblSimpleStdErr, w->lblSimpleBound,
                           w->lblSimpleUpperLimit, w->lblSimpleLowerLimit, w->lblSimplePrecision,
                           w->sbStatusBar[0]);
    };
    EXPECT_EQ(shown(), u"Segment|200|0.02|5|3|100|400|16 |100|40.5|5||||"
                       u"|Status: Estimates Calculated"_s);

    w->txtLandscapeArea[0]->setText(u"0.3"_s); // 16 x 0.02 ha > 0.3 ha
    w->setStatus(u"Status: before"_s);
    prompts_.message(u"5 : Invalid procedure call or argument - Log Procedure "
                     u"'cmdDefaultSingle_Click'"_s,
                     u"Error"_s, MsgIcon::Exclamation);
    w->cmdDefaultSingle->click();
    EXPECT_EQ(shown(), u"Segment|200|0.02|5|3|100|400|16 0.3|100||5|||||Status: before"_s);

    for (QAction* a : w->mnuUseLength)
        a->setChecked(false);
    w->txtLandscapeArea[0]->setText(u"1000"_s);
    w->cmdDefaultSingle->click();
    EXPECT_EQ(w->grdFormulaSimple->text(1, 0), u"Subsegment"_s);
}

// Two strata typed into the Combination pages: sizes 100 and 300, estimates 8
// and 24, variances 16 and 36, sample sizes 4 and 9, levels Segment and
// Section; on the Sample Sizes page the same variances and t = 2.
TEST_F(LogEstimates, TypingIntoTheCombinationPagesFillsBoth) {
    saveSettingBool(u"LogSettings"_s, u"ComboMethod"_s, true);
    frmMainLog* w = open();
    w->LevelLengths = {12.5f, 25.0f, 50.0f, 100.0f};
    w->txtSSTvalue->setText(u"2"_s);
    for (std::size_t h = 0; h < 2; ++h) {
        const QStringList r = (h ? u"South|300|24|36|9"_s : u"North|100|8|16|4"_s).split(u'|');
        w->txtSSVariableVariance[h]->setText(r[3]);
        int i = 0;
        for (QLineEdit* box : {w->txtStratum[h], w->txtStratumSize[h], w->txtEstimates[h],
                               w->txtVariance[h], w->txtSampleSize[h]})
            box->setText(r[i++]);
        w->cboTransectName[h]->setCurrentIndex(int(h) + 2); // Segment, Section
        emit w->cboTransectName[h]->activated(int(h) + 2);
    }
    // The figures themselves are worked in the page tests; here one of each step.
    // (100 x 8 + 300 x 24) / 400 = 20; 0.25^2 x 16 / 4 + 0.75^2 x 36 / 9 = 2.5;
    // B = 1.67 x 1.58 = 2.6386.
    EXPECT_EQ(joinedTexts(w->txtTransectLength[1], w->txtStratumWeight[1], w->txtComboFormula,
                          w->txtComboBound, w->txtSSPlotDimensions[1], w->txtSSOptimalEquations[1],
                          w->lblComboSSOptTotalTransectLength),
              u"50|0.75|20|2.64|Section|7.42|350"_s);

    // A new t-value counts from the next entry into its box: 2 x 1.58.
    w->txtComboTvalue->setText(u"2"_s);
    EXPECT_EQ(w->txtComboBound->text(), u"2.64"_s);
    w->activateWindow();
    w->txtComboTvalue->setFocus();
    QFocusEvent in(QEvent::FocusIn);
    QCoreApplication::sendEvent(w->txtComboTvalue, &in);
    EXPECT_EQ(w->txtComboBound->text() + u'|' + w->status(),
              u"3.16|Confidence Level : t-value of 1.67 = 90%, 2.00 = 95% or 2.66 = 99%"_s);

    // An average typed on the Sample Sizes page reruns that page: a level chosen
    // without its event shows then.
    w->cboTransectName[1]->setCurrentIndex(4);
    EXPECT_EQ(w->txtSSPlotDimensions[1]->text(), u"Section"_s);
    w->txtSSVariableAverage[0]->setText(u"99"_s);
    EXPECT_EQ(w->txtSSPlotDimensions[1]->text(), u"Transect"_s);
    // The empty level empties the row's length and its sample lengths: 2 x 25 left.
    w->cboTransectName[1]->setCurrentIndex(0);
    emit w->cboTransectName[1]->activated(0);
    EXPECT_EQ(joinedTexts(w->txtTransectLength[1], w->txtSSPlotLength[1],
                          w->lblComboSSOptTotalTransectLength),
              u"||50"_s);
    w->cboTransectName[1]->setCurrentIndex(3);
    emit w->cboTransectName[1]->activated(3);

    // A negative variance is reported and stops its page: 0.25^2 x -200 / 4 + 2.25
    // = -0.875, and the Sample Sizes page is not run again.
    const auto error = [&](const QString& procedure) {
        prompts_.message(u"5 : Invalid procedure call or argument - Log Procedure '"_s + procedure +
                             u'\'',
                         u"Error"_s, MsgIcon::Exclamation);
    };
    w->txtSSOptimalEquations[1]->setText(u"old"_s);
    error(u"CalculateCombo"_s);
    w->txtVariance[0]->setText(u"-200"_s);
    EXPECT_EQ(w->txtComboVar->text() + w->txtComboS->text(), u"-0.875"_s);
    EXPECT_EQ(w->txtSSOptimalEquations[1]->text(), u"old"_s);
    error(u"ComboSampleSize"_s);
    w->txtSSVariableVariance[1]->setText(u"-36"_s);
    EXPECT_EQ(w->txtSSVariableStdDev[1]->text() + w->txtSSOptimalEquations[1]->text(), QString());

    // "Clear All Values" empties the three frames and puts the t-value back; the
    // boxes outside the frames stay.
    w->txtSSVariableVariance[1]->setText(u"36"_s);
    w->txtVariance[0]->setText(u"16"_s);
    const auto clear = [&](MsgResult answer) {
        prompts_.message(u"Do you want to clear these pages for a new analysis?"_s,
                         u"Clear for new analysis?"_s, MsgIcon::None, answer);
        w->cmdClearCombo->click();
    };
    clear(MsgResult::No);
    EXPECT_EQ(w->txtStratum[1]->text(), u"South"_s);
    clear(MsgResult::Yes);
    EXPECT_EQ(joinedTexts(w->txtStratum[1], w->txtSSstratum[1], w->txtComboFormula,
                          w->txtComboTvalue, w->txtSSTvalue, w->txtSSVariableVariance[0]) +
                  QString::number(w->cboTransectName[1]->currentIndex()),
              u"|||1.67|2|16-1"_s);
}

// Each combined metric item checks itself alone and titles the combined
// result in the unit system checked, and again after a switch.
TEST_F(LogEstimates, EachCombinedMetricTitlesTheCombinedResult) {
    saveSettingBool(u"LogSettings"_s, u"ComboMethod"_s, true);
    saveSettingBool(u"LogSettings"_s, u"LIMmethod"_s, false);
    frmMainLog* w = open();
    const struct {
        QAction* frmMainLog::*item;
        const char* titles; // metric, English
    } items[] = {
        {&frmMainLog::mnuComboLength, "Total Length (m/ha)|Total Length (ft/ac)"},
        {&frmMainLog::mnuComboPercentCover, "Percent Cover (st)|Percent Cover (st)"},
        {&frmMainLog::mnuComboVolume, "Volume (m^3/ha)|Volume (ft^3/ac)"},
        {&frmMainLog::mnuComboWeight, "Weight (metric tons/ha)|Weight (tons/ac)"},
        {&frmMainLog::mnuComboDensity, "Density (logs/ha)|Density (logs/ac)"},
    };
    for (const auto& c : items) {
        (w->*c.item)->trigger();
        QString checked;
        for (const QAction* a : w->comboFormulaItems())
            checked += a->isChecked() ? u'1' : u'0';
        const QString metric = w->lblComboFormula->text();
        w->mnuEnglish->trigger();
        const QString english = w->lblComboFormula->text();
        w->mnuMetric->trigger();
        EXPECT_EQ(metric + u'|' + english, QLatin1String(c.titles));
        EXPECT_EQ(checked.count(u'1'), 1);
        EXPECT_TRUE((w->*c.item)->isChecked()) << c.titles;
    }
}

} // namespace
} // namespace vernalt::test
