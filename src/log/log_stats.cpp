// "Calculate Statistics", second step: the statistics of each used sampling
// level from the subtotals in grdSubtotals, into the labels of the Summary
// Statistics page, the two grids of the data sheet's Optimal page and the
// per-area means that the estimate pages read.
#include "log/frmMainLog.h"

#include "log/log_captions.h"
#include "log/log_stats.h"
#include "log/log_subtotals.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/value.h"
#include "shell/cleaning.h"
#include "shell/statistics.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt {

void frmMainLog::CalculateStats(bool& Cancel) {
    trapped(prompts(), logProcedure(u"CalculateStats"_s), [&] {
        // The level labels describe grdSubtotals, which the summary step has
        // just rebuilt: they never show figures of an earlier sheet.
        for (int k = 0; k < LogLevelCount; ++k) {
            lblNum[std::size_t(k)]->setText(QString());
            lblAvg[std::size_t(k)]->setText(QString());
            lblStdDev[std::size_t(k)]->setText(QString());
        }
        if (Cancel)
            return;

        int tab = 0;
        if (!lblDataSheet->text().toLower().startsWith(u"single/combined"))
            tab = GetOption(optDataFound);
        if (tab < 0 || tab >= int(grdOptimal.size()))
            vernalt::raise(err::SubscriptRange);
        ssTabOptimal->setCurrentIndex(tab);
        Grid& optimal = *grdOptimal[std::size_t(tab)];
        Grid& optimal2 = *grdOptimal2[std::size_t(tab)];
        auto& meanMetric = LevelMeanMetric[std::size_t(tab)];
        auto& meanEnglish = LevelMeanEnglish[std::size_t(tab)];

        // What this run owns on the page starts empty, so a figure that cannot
        // be computed shows nothing rather than an old number.
        for (Grid* g : {&optimal, &optimal2}) {
            if (g->rows() < LogLevelCount + 1)
                g->setRows(LogLevelCount + 1);
            if (g->cols() < 5)
                g->setCols(5);
            for (int k = 0; k < LogLevelCount; ++k)
                for (int c = 0; c < 5; ++c)
                    g->setText(k + 1, c, QString());
        }
        for (int k = 1; k <= LogLevelCount; ++k) {
            meanMetric[std::size_t(k)].clear();
            meanEnglish[std::size_t(k)].clear();
        }

        LevelStatsInput in;
        in.t = toDouble(txtTvalue->text());
        in.precision = toDouble(txtPrecisionLevel->text());
        in.metric = mnuMetric->isChecked();
        in.lim = mnuLIM->isChecked();
        in.formula = logcap::formulaOfCaption(ssTabMain->tabText(PageFormula));

        const GridModel& subtotals = *grdSubtotals->grid();
        for (int k = 0; k < LogLevelCount; ++k) {
            if (!mnuUseLength[std::size_t(k)]->isChecked())
                continue;
            const std::vector<double> units = levelSubtotals(subtotals, k);
            in.subtotals = units;
            // The length as the user sees it in the headers.
            in.length = toDouble(singleText(LevelLengths[std::size_t(k)]));
            const LevelStatsTexts s = levelStats(in);

            const std::size_t i = std::size_t(k);
            lblNum[i]->setText(s.count);
            lblAvg[i]->setText(s.mean);
            lblStdDev[i]->setText(s.sd);
            const QString row1[5] = {s.mean, s.sd, s.perArea, s.variance, s.unitsNeeded};
            const QString row2[5] = {s.distance, s.minimum, s.count, s.missing, s.other};
            for (int c = 0; c < 5; ++c) {
                optimal.setText(k + 1, c, row1[c]);
                optimal2.setText(k + 1, c, row2[c]);
            }
            meanMetric[i + 1] = s.meanMetric;
            meanEnglish[i + 1] = s.meanEnglish;
        }
        setStatus(u"Status: Stats calculated for "_s + lblDataSheet->text());
    });
}

} // namespace vernalt
