// The stratified estimate of the Formula page: "Stratified" checks the stratum
// sizes, shows the estimate (log_stratified_estimate.h) and ends with the
// sample size (SampleSize).
#include "log/frmMainLog.h"
#include "log/log_stratified_estimate.h"

#include "platform/prompts.h"
#include "platform/value.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// The level of a stratum: the automatic choice or the one its menu imposes; 0 = none.
int stratumLevel(frmMainLog& w, int k) {
    const std::array<QAction*, 5>& items = w.selectionItems(k);
    if (items[0]->isChecked()) {
        std::array<bool, 4> used{};
        std::array<QString, 4> distances;
        for (int r = 1; r <= 4; ++r) {
            used[std::size_t(r - 1)] = w.mnuUseLength[std::size_t(r - 1)]->isChecked();
            distances[std::size_t(r - 1)] = w.grdOptimal2[std::size_t(k)]->text(r, 0);
        }
        return logest::automaticLevel(used, distances);
    }
    int level = 0;
    for (int r = 1; r <= 4; ++r)
        if (items[std::size_t(r)]->isChecked())
            level = r;
    return level;
}

// A sheet has statistics when any level has an average: a level left out of
// the statistics (Subsegment unchecked, say) leaves its row empty.
bool hasStatistics(const Grid& stats) {
    for (int r = 1; r <= 4; ++r)
        if (!stats.text(r, 0).isEmpty())
            return true;
    return false;
}

// At least one size, every size a number, and statistics for every stratum
// with a size. False (after its message) when a check fails.
bool sizesReady(frmMainLog& w, const logest::StratumSizes& sizes) {
    bool anySize = false;
    for (const std::optional<double>& size : sizes.values)
        anySize = anySize || size.has_value();
    if (!anySize) {
        prompts().message(u"Please enter a value into the Stratum Size."_s,
                          u"Error - Stratum Size"_s);
        w.ssTabFormula->setCurrentIndex(1);
        w.txtLandscapeArea[1]->setFocus();
        return false;
    }
    for (std::size_t k = 0; k < 4; ++k) {
        if (sizes.texts[k].isEmpty())
            continue;
        if (!sizes.values[k]) {
            prompts().message(
                u"Please enter the stratum size for each stratum to calculate with"_s);
            return false;
        }
        if (!hasStatistics(*w.grdOptimal[k + 1])) {
            prompts().message(u"Please calculate subtotals for Stratum "_s +
                              numberText(int(k) + 1));
            return false;
        }
    }
    return true;
}

} // namespace

void frmMainLog::cmdDefaultStratified_Click() {
    trapped(prompts(), logProcedure(u"cmdDefaultStratified_Click"_s), [this] {
        const logest::StratumSizes sizes =
            logest::readStratumSizes({txtLandscapeArea[1]->text(), txtLandscapeArea[2]->text(),
                                      txtLandscapeArea[3]->text(), txtLandscapeArea[4]->text()});
        if (!sizesReady(*this, sizes))
            return;

        logest::StratifiedInputs in;
        in.lim = mnuLIM->isChecked();
        in.metric = mnuMetric->isChecked();
        in.formula = logcap::formulaOfCaption(ssTabMain->tabText(PageFormula));
        in.percentCoverItem = mnuPercentCover->isChecked();
        in.sizes = sizes;
        in.tValue = txtTvalue->text();
        for (std::size_t k = 1; k <= 4; ++k) {
            logest::StratumInputs& s = in.strata[k - 1];
            s.level = stratumLevel(*this, int(k));
            if (s.level == 0)
                continue;
            const auto r = std::size_t(s.level);
            s.levelName = LevelNames[r - 1];
            s.length = LevelLengths[r - 1];
            s.average = grdOptimal[k]->text(int(r), 0);
            s.deviation = grdOptimal[k]->text(int(r), 1);
            s.variance = grdOptimal[k]->text(int(r), 3);
            s.count = grdOptimal2[k]->text(int(r), 2);
            s.meanMetric = LevelMeanMetric[k][r];
            s.meanEnglish = LevelMeanEnglish[k][r];
        }
        // A total that overflows ends the run before the sheet is emptied.
        const float total = logest::stratifiedTotal(in);

        // The results of an earlier run go first.
        Grid* sheet = grdFormulaStratified;
        const std::array<QLabel*, 8> figures = {
            lblStratifiedMetricFormula, lblStratifiedEnglishFormula,
            lblStratifiedVar,           lblStratifiedS,
            lblStratifiedBound,         lblStratifiedUpperLimit,
            lblStratifiedLowerLimit,    lblStratifiedPrecision};
        for (int i = 1; i <= 4; ++i)
            for (int c = 0; c < sheet->cols(); ++c)
                sheet->setText(i, c, QString());
        for (QLabel* l : figures)
            l->clear();

        const logest::StratifiedEstimate e = logest::stratifiedEstimate(in);
        for (int i = 1; i <= 4; ++i)
            for (int c = 0; c < sheet->cols() && c < 12; ++c)
                sheet->setText(i, c, e.rows[std::size_t(i - 1)][std::size_t(c)]);
        const std::array<const QString*, 8> texts = {
            &e.metricFigure, &e.englishFigure, &e.variance,   &e.standardError,
            &e.bound,        &e.upperLimit,    &e.lowerLimit, &e.precision};
        for (std::size_t i = 0; i < figures.size(); ++i)
            figures[i]->setText(*texts[i]);
        if (e.englishShown) {
            lblStratifiedEnglishTitle->setVisible(*e.englishShown);
            lblStratifiedEnglishFormula->setVisible(*e.englishShown);
        }
        if (e.englishTitle)
            lblStratifiedEnglishTitle->setText(*e.englishTitle);
        if (e.metricTitle)
            lblStratifiedMetricTitle->setText(*e.metricTitle);
        if (e.error)
            throw *e.error;
        if (e.tooFewStrata)
            prompts().message(u"Please use a non-stratified equation"_s);
        // The sample size follows from what is shown.
        SampleSize(sizes, total);
        setStatusText(u"Status: Estimates Calculated"_s);
    });
}

} // namespace vernalt
