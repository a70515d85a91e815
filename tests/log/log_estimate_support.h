// Helpers of the estimate tests: a log window set to a method, unit system and
// metric, with statistics written into the Optimal grids as the statistics
// step leaves them.
#pragma once

#include "log/frmMainLog.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

namespace vernalt::test {

enum class Method { LIM, SPM };

// Chooses the method, units and metric (its caption on the Formula page and its
// menu item) and relabels the window as a metric procedure does.
inline void setMode(frmMainLog& w, Method method, bool metric, const QString& formula,
                    QAction* item) {
    if (method == Method::SPM)
        w.mnuSPM_Click();
    if (metric)
        w.mnuMetric_Click();
    else
        w.mnuEnglish_Click();
    for (QAction* a : w.formulaItems())
        a->setChecked(a == item);
    w.ssTabMain->setTabText(frmMainLog::PageFormula, formula);
    if (metric)
        w.SetMetricLabels();
    else
        w.SetEnglishLabels();
    w.LevelNames = {QStringLiteral("Subsegment"), QStringLiteral("Segment"),
                    QStringLiteral("Section"), QStringLiteral("Transect")};
}

// The statistics of one level of a sheet: average, standard deviation and
// variance per unit, the per-area means, the units counted and the survey
// distance needed.
struct LevelStats {
    QString average, deviation, variance, count, meanMetric, meanEnglish, distance;
};

inline void setStats(frmMainLog& w, int sheet, int level, const LevelStats& s) {
    Grid* g = w.grdOptimal[std::size_t(sheet)];
    Grid* g2 = w.grdOptimal2[std::size_t(sheet)];
    g->setText(level, 0, s.average);
    g->setText(level, 1, s.deviation);
    g->setText(level, 3, s.variance);
    g2->setText(level, 0, s.distance);
    g2->setText(level, 2, s.count);
    w.LevelMeanMetric[std::size_t(sheet)][std::size_t(level)] = s.meanMetric;
    w.LevelMeanEnglish[std::size_t(sheet)][std::size_t(level)] = s.meanEnglish;
}

} // namespace vernalt::test
