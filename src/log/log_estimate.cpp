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

// What the estimate reads, but for the landscape area: the window's mode and
// the chosen level's statistics on the Single/Combined sheet.
logest::SingleInputs singleInputs(const frmMainLog& w) {
    logest::SingleInputs in;
    in.lim = w.mnuLIM->isChecked();
    in.metric = w.mnuMetric->isChecked();
    in.formula = logcap::formulaOfCaption(w.ssTabMain->tabText(frmMainLog::PageFormula));
    const auto level = std::size_t(singleLevel(w));
    in.levelName = w.LevelNames[level - 1];
    in.length = w.LevelLengths[level - 1];
    in.average = w.grdOptimal[0]->text(int(level), 0);
    in.deviation = w.grdOptimal[0]->text(int(level), 1);
    in.variance = w.grdOptimal[0]->text(int(level), 3);
    in.count = w.grdOptimal2[0]->text(int(level), 2);
    in.meanMetric = w.LevelMeanMetric[0][level];
    in.meanEnglish = w.LevelMeanEnglish[0][level];
    in.tValue = w.txtTvalue->text();
    return in;
}

// The equation row and the figures; an empty result empties its cell or label.
void showSingle(frmMainLog& w, const logest::SingleEstimate& e) {
    Grid* row = w.grdFormulaSimple;
    for (int c = 0; c < row->cols(); ++c)
        row->setText(1, c, c < int(e.row.size()) ? e.row[std::size_t(c)] : QString());
    const std::array<QLabel*, 7> figures = {
        w.lblSimpleMetricFormula, w.lblSimpleEnglishFormula, w.lblSimpleStdErr,   w.lblSimpleBound,
        w.lblSimpleUpperLimit,    w.lblSimpleLowerLimit,     w.lblSimplePrecision};
    const std::array<const QString*, 7> texts = {
        &e.metricFigure, &e.englishFigure, &e.standardError, &e.bound,
        &e.upperLimit,   &e.lowerLimit,    &e.precision};
    for (std::size_t i = 0; i < figures.size(); ++i)
        figures[i]->setText(*texts[i]);
}

} // namespace

void frmMainLog::cmdDefaultSingle_Click() {
    trapped(prompts(), logProcedure(u"cmdDefaultSingle_Click"_s), [this] {
        logest::SingleInputs in = singleInputs(*this);
        showSingle(*this, logest::SingleEstimate{}); // an earlier run's results go first
        if (logest::needsLandscapeArea(in))
            CheckStratumSize();
        in.landscapeArea = txtLandscapeArea[0]->text();

        const logest::SingleEstimate e = logest::singleEstimate(in);
        showSingle(*this, e);
        lblSimpleEnglishTitle->setVisible(e.englishShown);
        lblSimpleEnglishFormula->setVisible(e.englishShown);
        if (e.englishTitle)
            lblSimpleEnglishTitle->setText(*e.englishTitle);
        if (e.metricTitle)
            lblSimpleMetricTitle->setText(*e.metricTitle);
        if (e.error)
            throw *e.error;
        setStatus(u"Status: Estimates Calculated"_s);
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
