// The option menus and command buttons of the log window, and switching its
// method and metric: in place, or by rebuilding the window after the user's Yes.
#include "log/log_window_fixture.h"
#include "platform/value.h"
#include "settings/frmLogLengths.h"
#include "shell/frmAbout.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QTimer>
#include <algorithm>

namespace vernalt::test {
namespace {

using LogMenus = LogWindowTest;

// The per-area means go with the level grids: a level fixed through Optimal
// Selection would show an old mean as the estimate. "All Lengths" clears nothing.
TEST_F(LogMenus, ALevelClickTogglesItAndEmptiesTheResultGridsAndMeans) {
    frmMainLog* w = open();
    w->mnuVolume->trigger(); // a metric, which the grid headers name
    w->grdOptimal[2]->setText(1, 1, u"3.3"_s);
    w->grdSampleSize[1]->setText(1, 1, u"9"_s);
    w->LevelMeanMetric[0][3] = u"39.3"_s;
    w->LevelMeanEnglish[2][1] = u"15.9"_s;
    w->mnuUseLength[1]->trigger();
    EXPECT_FALSE(w->mnuUseLength[1]->isChecked());
    EXPECT_EQ(w->grdOptimal[2]->text(1, 1) + w->grdSampleSize[1]->text(1, 1) +
                  w->LevelMeanMetric[0][3] + w->LevelMeanEnglish[2][1],
              QString());
    // The emptied grids get their headers back, in the unit system checked.
    EXPECT_EQ(w->grdOptimal[2]->text(0, 1) + u'|' + w->grdOptimal[2]->text(0, 2),
              u"Standard Deviation|Volume (m^3/ha)"_s);
    w->mnuEnglish->trigger();
    w->mnuUseLength[1]->trigger();
    EXPECT_EQ(w->grdOptimal[2]->text(0, 1) + QString::number(w->mnuUseLength[1]->isChecked()),
              u"Std. Dev.1"_s);
    w->grdOptimal[0]->setText(1, 0, u"1"_s);
    w->mnuAllLengths->trigger(); // clears nothing
    EXPECT_EQ(w->grdOptimal[0]->text(1, 0) + QString::number(w->mnuUseLength[1]->isChecked()),
              u"11"_s);
}

// The results are in the units of their run: a switch empties them all and
// reads the unit lengths of the other system, the data sheets and typed boxes
// stay; the unit system already checked empties nothing.
TEST_F(LogMenus, SwitchingUnitsEmptiesTheResultsAndReadsTheOtherLengths) {
    frmMainLog* w = open();
    QLabel* labels[] = {w->lblAvg[2], w->lblSimpleMetricFormula, w->lblStratifiedUpperLimit,
                        w->lblPropTotalTransectLength, w->lblPercentUse};
    const auto results = [&](const QString& text) {
        w->grdSubtotals->setText(0, 0, text);
        w->grdOptimal[1]->setText(1, 2, text);
        w->LevelMeanMetric[1][1] = text;
        w->grdComboSSOptimalAllocation->setText(1, 3, text);
        for (QLabel* l : labels)
            l->setText(text);
    };
    // The results left, the unit lengths and two of the length labels.
    const auto shown = [&]() -> QString {
        QString left = w->grdSubtotals->text(0, 0) + w->grdOptimal[1]->text(1, 2) +
                       w->LevelMeanMetric[1][1] + w->grdComboSSOptimalAllocation->text(1, 3);
        for (QLabel* l : labels)
            left += l->text();
        QStringList lengths;
        for (float L : w->LevelLengths)
            lengths << numberText(L);
        return left + u' ' + lengths.join(u' ') + u' ' +
               joinedTexts(w->lblTransectLength[4], w->lblTransectLength2[19]);
    };
    w->grdStratum[0]->setText(0, 0, u"Stratum"_s);
    w->txtLandscapeArea[1]->setText(u"60"_s);
    results(u"4"_s);
    w->mnuEnglish->trigger();
    EXPECT_EQ(shown(), u" 50 100 200 400 50|400"_s);
    results(u"4"_s);
    w->mnuEnglish->trigger();
    EXPECT_EQ(shown(), u"444444444 50 100 200 400 50|400"_s);
    w->mnuMetric->trigger();
    EXPECT_EQ(shown(), u" 12.5 25 50 100 12.5|100"_s);
    EXPECT_TRUE(w->mnuMetric->isChecked() && !w->mnuEnglish->isChecked());
    results(u"4"_s);
    w->mnuMetric->trigger();
    EXPECT_EQ(shown().left(9), u"444444444"_s);
    EXPECT_EQ(w->grdStratum[0]->text(0, 0) + w->txtLandscapeArea[1]->text(), u"Stratum60"_s);
}

// The limits are the estimate plus and minus the bound, each read as shown
// (commas gone, rounded for display, no number 0); the graph is drawn from
// the target, the estimate and the two limits the labels show.
TEST_F(LogMenus, TheStatisticalTestLimitsComeFromTheRoundedEstimateAndBound) {
    const struct {
        const char *estimate, *bound;
        const char* shown; // upper and lower limit, the largest value drawn, the lower line drawn
    } cases[] = {
        {"100", "12.5", "112.5|87.5|112|87.5"}, // drawn rounded for display, half to even
        {"100", "wide", "100|100|100|100"},     // a bound that is no number counts 0
        {"1,234", "4", "1238|1230|1238|1230"},  // the thousands comma goes
        {"123.7", "0", "124|124|124|124"},      // the estimate is rounded first
    };
    frmMainLog* w = open();
    for (const auto& c : cases) {
        w->txtBound->setText(QLatin1String(c.bound)); // the second row changes only the bound
        w->txtEstimatedValue->setText(QLatin1String(c.estimate));
        const StatTestGraph& g = w->picStatTest->graph().value();
        EXPECT_EQ(QString(joinedTexts(w->lblStatTestUpperLimit, w->lblStatTestLowerLimit) + u'|' +
                          numberText(g.maximum) + u'|' + numberText(g.valueY[3].value())),
                  QString::fromLatin1(c.shown))
            << c.estimate << " +- " << c.bound;
    }
    w->setStatus(QString());
    // The target takes no part in the limits; it only redraws.
    w->txtTargetValue->setText(u"500"_s);
    EXPECT_EQ(QString(joinedTexts(w->lblStatTestUpperLimit, w->sbStatusBar[0]) + u'|' +
                      numberText(w->picStatTest->graph()->maximum)),
              u"124|Status: Statistics Graphed|500"_s);
}

// What is typed on the Optimal page shows on the Formula and Sample Size pages.
TEST_F(LogMenus, TheOptimalInputsShowOnTheFormulaAndSampleSizePages) {
    frmMainLog* w = open();
    w->txtTvalue->setText(u"2.00"_s);
    w->txtPrecisionLevel->setText(u".1"_s);
    w->txtQualifyingLogs->setText(u"all"_s);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_EQ(joinedTexts(w->lblTValue[i], w->lblPrecisionLevel[i], w->lblQualifyingLogs[i]),
                  u"2.00|.1|all"_s)
            << i;
}

// Without a metric neither button computes: each asks for one; Set Criteria
// has emptied the Single/Combined statistics first.
TEST_F(LogMenus, ButtonsWithoutAMetricAskForOne) {
    frmMainLog* w = open();
    w->grdOptimal[0]->setText(1, 0, u"5"_s);
    w->grdSubtotals->setText(0, 0, u"7"_s);
    for (QPushButton* b : {w->cmdFormulaApply, w->cmdSummaryStatistics}) {
        b->setEnabled(true);
        prompts_.message(u"Please select a formula from the drop-down menu above."_s, u"Error"_s,
                         MsgIcon::None);
        b->click();
    }
    EXPECT_EQ(w->grdOptimal[0]->text(1, 0) + u'|' + w->grdSubtotals->text(0, 0), u"|7"_s);
}

// About shows the About box over this window; Transect Lengths opens the
// unit-lengths window, without an owner, whose OK relabels this window; Exit
// closes the window and brings the switchboard back.
TEST_F(LogMenus, AboutTransectLengthsAndExit) {
    frmMainLog* w = open();
    QWidget* aboutOwner = nullptr;
    QTimer::singleShot(0, w, [&] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* about = qobject_cast<frmAbout*>(top); about && about->isVisible()) {
                aboutOwner = about->parentWidget();
                about->cmdOK->click();
            }
    });
    w->mnuHelpAbout->trigger();
    EXPECT_EQ(aboutOwner, w);

    w->mnuLogLengths->trigger();
    frmLogLengths* lengths = frmLogLengths::instance();
    ASSERT_TRUE(lengths && lengths->isVisible() && !lengths->parentWidget());
    lengths->txtMetric[1]->setText(u"30"_s);
    lengths->cmdOK->click();
    EXPECT_EQ(numberText(w->LevelLengths[1]) + u'|' +
                  joinedTexts(w->lblTransectLength[5], w->lblTransectLength2[1]),
              u"30|30|30"_s);

    w->mnuFileExit->trigger();
    flushDeletes();
    EXPECT_EQ(live(), nullptr);
    EXPECT_TRUE(gSwitchboard->isVisible());
}

class LogMethod : public LogWindowTest {
  protected:
    // Chooses the item, answering its question, and returns the window afterwards.
    frmMainLog* answer(QAction* item, MsgResult reply, bool method = true) {
        prompts_.message(method ? u"Do you want to clear this analysis and change methods?"_s
                                : u"Do you want to clear this analysis and reload the current "
                                  u"dataset?"_s,
                         method ? u"Change method"_s : u"Change formula"_s, MsgIcon::None, reply);
        item->trigger();
        return live();
    }
    static QString formulaPage(frmMainLog* w) {
        return w->ssTabMain->tabText(frmMainLog::PageFormula);
    }
    // A line-intersect data file of one log with a length, as the data file in use.
    void useDataFile() {
        DataFilePath = db_.folder() + u"/logs.csv"_s;
        QFile f(DataFilePath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Stratum,Location,Transect,Segment,Subsegment,Species,Intersect,LED,Condition,"
                "Length\n1,1,1,1,1,DF,1,10,2,5\n");
    }
    // Which layout shows: "combination" (its pages and its Formula menu) or
    // "single" (the main pages and the Formula, Lengths, Species and Settings
    // menus); anything else is a mixture.
    static QString layout(const frmMainLog* w) {
        const bool parts[] = {!w->ssTabCombo->isHidden(),
                              w->ssTabMain->isHidden(),
                              !w->lblComboTitle->isHidden(),
                              !w->mnuFormula->menuAction()->isVisible(),
                              w->mnuComboFormula->menuAction()->isVisible(),
                              !w->mnuLengthAnalysis->menuAction()->isVisible(),
                              !w->mnuSpecies->menuAction()->isVisible(),
                              !w->mnuSettings->menuAction()->isVisible()};
        const auto n = std::count(std::begin(parts), std::end(parts), true);
        return n == 8 ? u"combination"_s : n == 0 ? u"single"_s : u"mixed"_s;
    }
};

// Without a data file a method or the first metric is chosen at once; with one
// the window asks: No switches in place and keeps the results, Yes rebuilds it
// (at the same size, a metric's with t and precision as after File, Open).
TEST_F(LogMethod, WithoutADataFileOrOnNoInPlaceOnYesInANewWindow) {
    frmMainLog* w = open();
    w->mnuSPM->trigger();
    EXPECT_FALSE(w->mnuTally->isEnabled());
    EXPECT_FALSE(w->frmLandscapeArea->isHidden()) << "strip plots need the landscape area";
    w->mnuPercentCover->trigger();
    useDataFile();
    w->grdOptimal[0]->setText(1, 0, u"4.2"_s);
    EXPECT_EQ(answer(w->mnuLIM, MsgResult::No), w);
    EXPECT_TRUE(w->mnuLIM->isChecked() && w->mnuTally->isEnabled());
    EXPECT_EQ(answer(w->mnuWeight, MsgResult::No, false), w);
    EXPECT_EQ(formulaPage(w) + w->grdOptimal[0]->text(1, 0), u"Percent Cover4.2"_s);
    EXPECT_FALSE(w->mnuWeight->isChecked() || FormulaReloadPending);

    w->resize(w->width() + 90, w->height() + 60);
    const QSize size = w->size();
    w->txtTvalue->setText(u"2.5"_s);
    w->txtPrecisionLevel->setText(u".1"_s);
    frmMainLog* rebuilt = answer(w->mnuWeight, MsgResult::Yes, false);
    ASSERT_TRUE(rebuilt && rebuilt != w);
    EXPECT_EQ(rebuilt->size(), size);
    EXPECT_EQ(joinedTexts(rebuilt->txtTvalue, rebuilt->txtPrecisionLevel) + formulaPage(rebuilt),
              u"1.67|.2Weight"_s);
    w = answer(rebuilt->mnuSPM, MsgResult::Yes);
    ASSERT_TRUE(w && w != rebuilt);
    EXPECT_TRUE(w->mnuSPM->isChecked() && !w->mnuLIM->isChecked());
    EXPECT_FALSE(MethodReloadPending || gSwitchboard->isVisible());
}

// Combination switches the layout in place without a data file; with one, Yes
// rebuilds the window in that method, and back again.
TEST_F(LogMethod, CombinationInPlaceOrInANewWindow) {
    frmMainLog* w = open();
    w->mnuCombo->trigger();
    EXPECT_EQ(w->windowTitle() + u'|' + layout(w),
              u"Vernalt - Log Analysis with LIM and SPM|combination"_s);
    EXPECT_TRUE(w->mnuCombo->isChecked() && !w->mnuLIM->isChecked() && !w->mnuTally->isEnabled());
    w->mnuLIM->trigger();
    EXPECT_EQ(w->windowTitle() + u'|' + layout(w), u"Vernalt - Log Analysis with LIM|single"_s);
    EXPECT_TRUE(w->mnuTally->isEnabled());

    useDataFile();
    frmMainLog* rebuilt = answer(w->mnuCombo, MsgResult::Yes);
    ASSERT_TRUE(rebuilt && rebuilt != w);
    EXPECT_EQ(layout(rebuilt), u"combination"_s);
    EXPECT_TRUE(rebuilt->mnuCombo->isChecked() && !rebuilt->mnuLIM->isChecked());
    w = answer(rebuilt->mnuLIM, MsgResult::Yes);
    ASSERT_TRUE(w && w != rebuilt);
    EXPECT_EQ(w->windowTitle() + u'|' + layout(w), u"Vernalt - Log Analysis with LIM|single"_s);
    w->mnuLIM->trigger(); // the method checked: nothing asked, nothing rebuilt
    EXPECT_EQ(live(), w);
}

// Each metric item checks itself alone and captions the Formula page and the
// statistical test's axis: on a window without a metric at once (the same item
// again asks nothing), then, chosen on another metric and answered Yes, in the
// rebuilt window.
TEST_F(LogMethod, EachMetricInPlaceOrInTheRebuiltWindow) {
    const struct {
        QAction* frmMainLog::*item;
        const char* shown; // the page's caption, the axis title
    } metrics[] = {
        {&frmMainLog::mnuDensity, "Density|Logs per hectare"},
        {&frmMainLog::mnuLength, "Length|Total Length (m/ha)"},
        {&frmMainLog::mnuPercentCover, "Percent Cover|Percent Cover"},
        {&frmMainLog::mnuTally, "Tally|Logs per hectare"}, // the axis as it was
        {&frmMainLog::mnuVolume, "Volume|Log volume (m^3/ha)"},
        {&frmMainLog::mnuWeight, "Weight|Weight (metric tons/ha)"},
    };
    // The caption, the axis title and the checked metric items as 0 and 1.
    const auto shown = [](frmMainLog* w) -> QString {
        QString checked;
        for (const QAction* a : w->formulaItems())
            checked += a->isChecked() ? u'1' : u'0';
        return formulaPage(w) + u'|' + w->lblStatY->text() + u'|' + checked;
    };
    useDataFile();
    for (std::size_t i = 0; i < std::size(metrics); ++i) {
        const auto& first = metrics[i];
        const auto& next = metrics[(i + 1) % std::size(metrics)];
        const QString flags = u"000000"_s;
        frmMainLog* w = open();
        prompts_.openFile(DataFilePath); // a sheet with lengths, for density
        w->mnuFileOpen->trigger();
        (w->*first.item)->trigger();
        (w->*first.item)->trigger();
        EXPECT_EQ(shown(w), QString::fromLatin1(first.shown) + u'|' +
                                QString(flags).replace(qsizetype(i), 1, u'1'));
        frmMainLog* rebuilt = answer(w->*next.item, MsgResult::Yes, false);
        ASSERT_TRUE(rebuilt && rebuilt != w);
        EXPECT_EQ(shown(rebuilt),
                  QString::fromLatin1(next.shown) + u'|' +
                      QString(flags).replace(qsizetype((i + 1) % std::size(metrics)), 1, u'1'));
        closeWindow(rebuilt);
    }
    // Density in English units counts per acre.
    DataFilePath.clear();
    frmMainLog* w = open();
    w->mnuSPM->trigger(); // no lengths needed
    w->mnuEnglish->trigger();
    w->mnuDensity->trigger();
    EXPECT_EQ(w->lblStatY->text(), u"Logs per acre"_s);
}

// Density under line intersect needs a Length column (in any case) with a length
// other than 0; a text counts.
TEST_F(LogMethod, DensityUnderLineIntersectNeedsLogLengths) {
    const char* cases[][4] = {
        {"Diameter", "5", "", "The length column was not found|Column not found"},
        {"Length", "0", "-2", "Log Density using LIM is not possible without log lengths|ERROR"},
        {"LENGTH", "0", "n/a", ""}, // no message: density is applied
    };
    frmMainLog* w = open();
    Grid* g = w->grdStratum[0];
    g->setRows(3);
    for (const auto& c : cases) {
        g->setFormatString(u"^Stratum|^"_s + QLatin1String(c[0]));
        g->setText(1, 1, QLatin1String(c[1]));
        g->setText(2, 1, QLatin1String(c[2]));
        if (const QStringList m = QString::fromLatin1(c[3]).split(u'|'); m.size() == 2)
            prompts_.message(m[0], m[1], MsgIcon::None);
        w->mnuDensity->trigger();
        EXPECT_EQ(formulaPage(w), *c[3] ? u"Formula"_s : u"Density"_s) << c[0];
    }
}

} // namespace
} // namespace vernalt::test
