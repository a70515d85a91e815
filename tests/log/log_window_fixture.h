// A log window opened from the switchboard, offscreen, with its own database,
// scripted prompts, no "LogSettings" and no data file opened before; records put
// straight into table LIM or SPM, the criteria prompts answered, and statistics
// as the statistics step leaves them.
#pragma once

#include "data/csv_import.h"
#include "log/frmMainLog.h"
#include "shell/frmSwitchboard.h"
#include "support/flush_deletes.h"
#include "support/scripted_prompts.h"
#include "support/temp_database.h"
#include "support/texts.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vernalt::test {

using namespace Qt::StringLiterals;

inline void clearLogSettings() {
    QSettings store(u"Vernalt"_s, u"Vernalt"_s);
    store.remove(u"LogSettings"_s);
    store.sync();
}

class LogWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        clearLogSettings();
        DataFilePath.clear();
        FormulaReloadPending = MethodReloadPending = false;
        registerAnalysisWindows([] { return new frmMainLog; },
                                [] { return static_cast<QWidget*>(nullptr); });
        Main();
    }
    void TearDown() override {
        for (QWidget* w : QList<QWidget*>{gLogForm, gSwitchboard})
            if (w)
                w->close();
        flushDeletes();
    }
    frmMainLog* open() {
        gSwitchboard->cmdLogs->click();
        return live();
    }
    static void closeWindow(QWidget* w) {
        w->close();
        flushDeletes();
    }
    static frmMainLog* live() { return qobject_cast<frmMainLog*>(gLogForm.data()); }

    // Checks the method and unit items quietly, without their handlers: "LIM"
    // or "SPM" for line intersect or strip plots, " ft" after it for English
    // units (metric without).
    static void checkDesign(const frmMainLog* w, const char* design) {
        const QLatin1String d(design);
        const bool lim = d.startsWith(u"LIM"_s), metric = !d.endsWith(u" ft"_s);
        w->mnuLIM->setChecked(lim);
        w->mnuSPM->setChecked(!lim);
        w->mnuMetric->setChecked(metric);
        w->mnuEnglish->setChecked(!metric);
    }
    // A record of LIM, or of SPM when line intersect is not checked, each in the
    // next subsegment: "Column=value" pairs separated by ";" over the defaults,
    // "null" for an empty field.
    void addLog(const frmMainLog* w, const QString& fields = {}) {
        const bool lim = w->mnuLIM->isChecked();
        QMap<QString, QVariant> v;
        const QString defaults =
            u"Stratum=1;Transect=1;Segment=1;Species=1;LED=10;Condition=1;Qualify=0;"_s +
            (lim ? u"Intersect=10;Length=5"_s
                 : u"Endpoint=1;Large=12;Small=8;Length=10;EstimLength=10"_s);
        v[u"Subsegment"_s] = ++subsegment_;
        for (const QString& f : QString(defaults + u';' + fields).split(u';', Qt::SkipEmptyParts)) {
            const QString value = f.section(u'=', 1);
            v[f.section(u'=', 0, 0)] = value == u"null"_s ? QVariant() : QVariant(value);
        }
        QStringList names;
        for (const QString& name : v.keys())
            names << db::quoted(name);
        db::exec(u"INSERT INTO "_s + (lim ? u"LIM ("_s : u"SPM ("_s) + names.join(u',') +
                     u") VALUES (?"_s + u",?"_s.repeated(v.size() - 1) + u')',
                 v.values());
    }
    // The criteria prompts answered in order, "LED|length|condition|species"
    // ("-" for the condition the weight does not ask); an empty answer cancels.
    void criteria(const frmMainLog* w, const char* answers) {
        const QString length = w->mnuSPM->isChecked() ? u"EstimLength"_s : u"Length"_s;
        const QString asks[] = {
            u"Please enter the minimum LED you want to consider for this analysis."_s,
            u"Now please enter the minimum "_s + length +
                u" you want considered.  Enter '0' if all log lengths will be considered or log "
                u"lengths were not measured."_s,
            u"Please enter the maximum value for condition (or decay class) you want to consider "
            u"for this analysis.  Enter '0' if condition was not recorded."_s,
            u"Please enter the code of the species you want EXCLUDED from this analysis.  Enter "
            u"'9999' if you want all species included. NOTE: Species code is case sensitive."_s};
        const QString titles[] = {u"LED"_s, length, u"Condition"_s, u"Species"_s};
        const QStringList a = QString::fromLatin1(answers).split(u'|');
        for (std::size_t i = 0; i < std::size_t(a.size()); ++i) {
            if (a[qsizetype(i)] != u"-"_s)
                prompts_.input(asks[i], titles[i], a[qsizetype(i)]);
            if (a[qsizetype(i)].isEmpty())
                return;
        }
    }

    // A data file of these contents, in a folder of the test's own.
    QString file(const QByteArray& contents) {
        const QString path = dir_.filePath(u"data%1.csv"_s.arg(++files_));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contents);
        return path;
    }

    TempDatabase db_;
    ScriptedPrompts prompts_;
    int subsegment_ = 0;
    QTemporaryDir dir_; // the data files
    int files_ = 0;
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
    w->ssTabMain->setTabText(frmMainLog::PageFormula, u"Density"_s);
    w->LevelNames = {u"Subsegment"_s, u"Segment"_s, u"Section"_s, u"Transect"_s};
    w->mnuUseLength[0]->trigger(); // no Subsegment statistics: row 1 stays empty
    w->LevelLengths = {50, 100, 500, 1000};
    w->mnuStratum1_Click(4);
    w->mnuStratum2_Click(4);
    setStats(*w, 1, 4, u"2|1|6400|4|80|32.4|900"_s);
    setStats(*w, 2, 4, u"3|2|2500|5|50|20.3|900"_s);
    w->txtTvalue->setText(u"2"_s);
    w->txtLandscapeArea[1]->setText(u"60"_s);
    w->txtLandscapeArea[2]->setText(u"40"_s);
    return w;
}

// The cells of row r of a grid (its first `n` cells, or all), or some labels'
// texts, joined by "|".
inline QString rowText(const Grid* g, int r = 1, int n = -1) {
    return rowOf(*g, r, 0, (n < 0 ? g->cols() : n) - 1).join(u'|');
}
template <class... W> QString joinedTexts(const W*... widgets) {
    return textsOf(widgets...).join(u'|');
}

} // namespace vernalt::test
