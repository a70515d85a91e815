// A log window opened from the switchboard, offscreen, with its own database,
// scripted prompts, no "LogSettings" and no data file opened before; and the
// helpers of the window tests: statistics as the statistics step leaves them,
// hand-made data sheets, rows and labels read as one text.
#pragma once

#include "data/csv_import.h"
#include "log/frmMainLog.h"
#include "shell/app_windows.h"
#include "shell/frmSwitchboard.h"
#include "support/flush_deletes.h"
#include "support/scripted_prompts.h"
#include "support/temp_database.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace vernalt::test {

inline void clearLogSettings() {
    QSettings store(QStringLiteral("Vernalt"), QStringLiteral("Vernalt"));
    store.remove(QStringLiteral("LogSettings"));
    store.sync();
}

class LogWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        clearLogSettings();
        DataFilePath.clear();
        FormulaReloadPending = false;
        MethodReloadPending = false;
        registerAnalysisWindows([] { return new frmMainLog; },
                                [] { return static_cast<QWidget*>(nullptr); });
        Main();
    }
    void TearDown() override {
        if (gLogForm)
            gLogForm->close();
        if (gSwitchboard)
            gSwitchboard->close();
        flushDeletes();
        clearLogSettings();
        DataFilePath.clear();
    }
    frmMainLog* open() {
        gSwitchboard->cmdLogs->click();
        return qobject_cast<frmMainLog*>(gLogForm.data());
    }
    static void closeWindow(QWidget* w) {
        w->close();
        flushDeletes();
    }
    static frmMainLog* live() { return qobject_cast<frmMainLog*>(gLogForm.data()); }
    TempDatabase db_;
    ScriptedPrompts prompts_;
};

// The statistics of one level of a sheet, "average|deviation|variance|units
// counted|mean metric|mean English|survey distance", as the Optimal grids and
// the per-area means hold them.
inline void setStats(frmMainLog& w, int sheet, int level, const QString& stats) {
    const QStringList s = stats.split(u'|');
    const auto k = std::size_t(sheet);
    for (int c : {0, 1, 3})
        w.grdOptimal[k]->setText(level, c, s[c == 3 ? 2 : c]);
    w.grdOptimal2[k]->setText(level, 2, s[3]);
    w.LevelMeanMetric[k][std::size_t(level)] = s[4];
    w.LevelMeanEnglish[k][std::size_t(level)] = s[5];
    w.grdOptimal2[k]->setText(level, 0, s[6]);
}

// Density of two line-intersect strata of sizes 60 and 40 measured at the
// Transect level (1000 m), the Subsegment level left out of the statistics:
// stratum 1 averages 2 logs per unit (deviation 1), mean 80 logs/ha, variance
// 6400, 4 units; stratum 2 averages 3 (deviation 2), mean 50, variance 2500,
// 5 units; t = 2.
inline frmMainLog* twoLineStrata(frmMainLog* w) {
    w->mnuDensity->setChecked(true);
    w->ssTabMain->setTabText(frmMainLog::PageFormula, QStringLiteral("Density"));
    w->LevelNames = {QStringLiteral("Subsegment"), QStringLiteral("Segment"),
                     QStringLiteral("Section"), QStringLiteral("Transect")};
    w->mnuUseLength[0]->trigger(); // no Subsegment statistics: row 1 stays empty
    w->LevelLengths = {50, 100, 500, 1000};
    w->mnuStratum1_Click(4);
    w->mnuStratum2_Click(4);
    setStats(*w, 1, 4, QStringLiteral("2|1|6400|4|80|32.4|900"));
    setStats(*w, 2, 4, QStringLiteral("3|2|2500|5|50|20.3|900"));
    w->txtTvalue->setText(QStringLiteral("2"));
    w->txtLandscapeArea[1]->setText(QStringLiteral("60"));
    w->txtLandscapeArea[2]->setText(QStringLiteral("40"));
    return w;
}

// The cells of one row of a grid (its first `n` cells, or all), joined by "|".
inline QString rowOf(const Grid* g, int r = 1, int n = -1) {
    QStringList cells;
    for (int c = 0; c < (n < 0 ? g->cols() : n); ++c)
        cells << g->text(r, c);
    return cells.join(u'|');
}

// The texts of some labels or boxes, joined by "|".
template <class... W> QString joinedTexts(const W*... widgets) {
    return QStringList{widgets->text()...}.join(u'|');
}

// A data sheet as the sheet queries lay it out, from records written
// "stratum|transect|section|segment|subsegment|value".
inline void fillSheet(GridModel& g, const QStringList& records) {
    g.clear();
    g.setFixedCols(0);
    g.setRows(int(records.size()) + 1);
    g.setCols(6);
    const QStringList headers =
        QStringLiteral("Stratum|Transect|Section|Segment|Subsegment|Qualify").split(u'|');
    for (int r = 0; r <= records.size(); ++r)
        for (int c = 0; c < 6; ++c)
            g.setText(r, c, (r == 0 ? headers : records[r - 1].split(u'|'))[c]);
}

// Two transects of four subsegments in stratum 1, values 1 to 8 by subsegment
// (two records in subsegment 1 of transect 1: 0.5 and 0.5). Segments of two
// subsegments hold 3, 7, 11 and 15.
inline QStringList twoTransects() {
    return QStringLiteral("1|1|1|1|1|0.5/1|1|1|1|1|0.5/1|1|1|1|2|2/1|1|1|2|3|3/1|1|1|2|4|4/"
                          "1|2|1|1|1|5/1|2|1|1|2|6/1|2|1|2|3|7/1|2|1|2|4|8")
        .split(u'/');
}

} // namespace vernalt::test
