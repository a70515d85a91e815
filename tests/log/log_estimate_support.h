// Helpers of the log window tests: a window set to a method and metric,
// statistics written into the Optimal grids as the statistics step leaves them,
// and hand-made data sheets.
#pragma once

#include "log/frmMainLog.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTabWidget>

#include <array>
#include <vector>

namespace vernalt::test {

// Chooses the method and the metric (its menu item and its caption on the
// Formula page), as the metric procedures leave them, and the level names the
// window reads from its lengths table.
inline void setMode(frmMainLog& w, bool spm, const QString& formula, QAction* item) {
    if (spm)
        w.mnuSPM_Click();
    item->setChecked(true);
    w.ssTabMain->setTabText(frmMainLog::PageFormula, formula);
    w.LevelNames = {QStringLiteral("Subsegment"), QStringLiteral("Segment"),
                    QStringLiteral("Section"), QStringLiteral("Transect")};
}

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

// Two line-intersect strata of sizes 60 and 40 measured at the Transect level
// (1000 m), the Subsegment level left out of the statistics: stratum 1 averages
// 2 logs per unit (deviation 1), mean 80 logs/ha, variance 6400, 4 units;
// stratum 2 averages 3 (deviation 2), mean 50, variance 2500, 5 units; t = 2.
inline frmMainLog* twoLineStrata(frmMainLog* w) {
    setMode(*w, false, QStringLiteral("Density"), w->mnuDensity);
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

// The texts of some labels, joined by "|".
inline QString joinedTexts(std::initializer_list<const QLabel*> labels) {
    QStringList texts;
    for (const QLabel* l : labels)
        texts << l->text();
    return texts.join(u'|');
}

// One record of a data sheet as the sheet queries lay it out: stratum,
// transect, section, segment, subsegment and the log's value.
using SheetRow = std::array<const char16_t*, 6>;

inline void fillSheet(GridModel& g, const std::vector<SheetRow>& rows) {
    g.clear();
    g.setFixedCols(0);
    g.setRows(int(rows.size()) + 1);
    g.setCols(6);
    const SheetRow headers = {u"Stratum", u"Transect",   u"Section",
                              u"Segment", u"Subsegment", u"Qualify"};
    for (std::size_t c = 0; c < 6; ++c)
        g.setText(0, int(c), QString::fromUtf16(headers[c]));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < 6; ++c)
            g.setText(int(r) + 1, int(c), QString::fromUtf16(rows[r][c]));
}

// Two transects of four subsegments in stratum 1, values 1 to 8 by subsegment
// (two records in subsegment 1 of transect 1: 0.5 and 0.5). Segments of two
// subsegments hold 3, 7, 11 and 15.
inline std::vector<SheetRow> twoTransects() {
    return {{u"1", u"1", u"1", u"1", u"1", u"0.5"}, {u"1", u"1", u"1", u"1", u"1", u"0.5"},
            {u"1", u"1", u"1", u"1", u"2", u"2"},   {u"1", u"1", u"1", u"2", u"3", u"3"},
            {u"1", u"1", u"1", u"2", u"4", u"4"},   {u"1", u"2", u"1", u"1", u"1", u"5"},
            {u"1", u"2", u"1", u"1", u"2", u"6"},   {u"1", u"2", u"1", u"2", u"3", u"7"},
            {u"1", u"2", u"1", u"2", u"4", u"8"}};
}

} // namespace vernalt::test
