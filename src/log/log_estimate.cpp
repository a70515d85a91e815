// The single-stratum estimate of the Formula page: "Single" copies the chosen
// level's statistics of the Single/Combined sheet into the equation row and
// shows the estimate (log_single_estimate.h) in both unit systems.
#include "log/frmMainLog.h"
#include "log/log_single_estimate.h"

#include "platform/prompts.h"
#include "platform/value.h"
#include "shell/cleaning.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// The level of the single sheet (1 to 4): the automatic choice, Subsegment when
// no level is used, or the one the menu imposes.
int singleLevel(const frmMainLog& w) {
    if (w.mnuSingle[0]->isChecked()) {
        std::array<bool, 4> used{};
        std::array<QString, 4> distances;
        for (int k = 0; k < 4; ++k) {
            used[std::size_t(k)] = w.mnuUseLength[std::size_t(k)]->isChecked();
            distances[std::size_t(k)] = w.grdOptimal2[0]->text(k + 1, 0);
        }
        return std::max(1, logest::automaticLevel(used, distances));
    }
    int level = 1;
    for (int j = 1; j <= 4; ++j)
        if (w.mnuSingle[std::size_t(j)]->isChecked())
            level = j;
    return level;
}

} // namespace

void frmMainLog::cmdDefaultSingle_Click() {
    trapped(prompts(), logProcedure(u"cmdDefaultSingle_Click"_s), [this] {
        logest::SingleInputs in;
        in.lim = mnuLIM->isChecked();
        in.metric = mnuMetric->isChecked();
        in.formula = logcap::formulaOfCaption(ssTabMain->tabText(PageFormula));
        const auto level = std::size_t(singleLevel(*this));
        in.levelName = LevelNames[level - 1];
        in.length = LevelLengths[level - 1];
        in.average = grdOptimal[0]->text(int(level), 0);
        in.deviation = grdOptimal[0]->text(int(level), 1);
        in.variance = grdOptimal[0]->text(int(level), 3);
        in.count = grdOptimal2[0]->text(int(level), 2);
        in.meanMetric = LevelMeanMetric[0][level];
        in.meanEnglish = LevelMeanEnglish[0][level];
        in.tValue = txtTvalue->text();

        // The results of an earlier run go first.
        for (int c = 0; c < grdFormulaSimple->cols(); ++c)
            grdFormulaSimple->setText(1, c, QString());
        const std::array<QLabel*, 7> figures = {
            lblSimpleMetricFormula, lblSimpleEnglishFormula, lblSimpleStdErr,   lblSimpleBound,
            lblSimpleUpperLimit,    lblSimpleLowerLimit,     lblSimplePrecision};
        for (QLabel* l : figures)
            l->clear();

        if (logest::needsLandscapeArea(in))
            CheckStratumSize();
        in.landscapeArea = txtLandscapeArea[0]->text();

        const logest::SingleEstimate e = logest::singleEstimate(in);
        for (int c = 0; c < grdFormulaSimple->cols() && c < int(e.row.size()); ++c)
            grdFormulaSimple->setText(1, c, e.row[std::size_t(c)]);
        const std::array<const QString*, 7> texts = {
            &e.metricFigure, &e.englishFigure, &e.standardError, &e.bound,
            &e.upperLimit,   &e.lowerLimit,    &e.precision};
        for (std::size_t i = 0; i < figures.size(); ++i)
            figures[i]->setText(*texts[i]);
        lblSimpleEnglishTitle->setVisible(e.englishShown);
        lblSimpleEnglishFormula->setVisible(e.englishShown);
        if (e.englishTitle)
            lblSimpleEnglishTitle->setText(*e.englishTitle);
        if (e.metricTitle)
            lblSimpleMetricTitle->setText(*e.metricTitle);
        if (e.error)
            throw *e.error;
        setStatusText(u"Status: Estimates Calculated"_s);
    });
}

void frmMainLog::CheckStratumSize() {
    if (!txtLandscapeArea[0]->text().isEmpty())
        return;
    for (;;) {
        const QString answer =
            prompts().inputBox(u"Please enter the Stratum Size"_s, u"Stratum Size"_s);
        if (answer.isEmpty())
            return;
        if (isNumeric(cleanText(answer))) {
            txtLandscapeArea[0]->setText(cleanRoundText(answer));
            return;
        }
    }
}

} // namespace vernalt
