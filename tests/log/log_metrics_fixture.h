// A log window opened offscreen on a database of its own, with records put
// straight into table LIM or SPM and the data sheets connected to them as the
// window's sheet queries do; a scripted prompter answers the criteria.
#pragma once

#include "log/frmMainLog.h"
#include "platform/database.h"
#include "support/scripted_prompts.h"
#include "support/temp_database.h"

#include <QAction>
#include <QCoreApplication>
#include <QSettings>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <gtest/gtest.h>
#include <optional>

namespace vernalt::test {

// One LIM record; a null QVariant is an empty field.
struct LimLog {
    QVariant stratum = 1, location = QStringLiteral("A"), transect = 1, segment = 1, subsegment = 1,
             species = QStringLiteral("1"), intersect = 10, led = 10, condition = 1, length = 5,
             qualify = 0, tally1 = QVariant(), tally2 = QVariant();
};

// One SPM record.
struct SpmLog {
    QVariant stratum = 1, location = QStringLiteral("A"), transect = 1, segment = 1, subsegment = 1,
             led = 10, endpoint = 1, large = 12, small = 8, length = 10, condition = 1, qualify = 0,
             use = QVariant(), species = QStringLiteral("1"), estimLength = 10;
};

class LogMetricsTest : public ::testing::Test {
  protected:
    static inline const QString kLimQuery = QStringLiteral(
        "SELECT LIM.Stratum, LIM.Location, LIM.Transect, ROUND(([segment]+0.999)/2,0) AS "
        "Section, ROUND(([subsegment]+0.999)/2,0) AS Segment, LIM.Subsegment, LIM.Species, "
        "LIM.[Intersect], LIM.LED, LIM.Condition, LIM.Length, LIM.Qualify, LIM.[Tally 1], "
        "LIM.[Tally 2], LIM.[Tally 3], LIM.[Tally 4] From LIM%1 ORDER BY LIM.stratum, "
        "LIM.transect, LIM.subsegment;");
    static inline const QString kSpmQuery = QStringLiteral(
        "SELECT Stratum, Location, Transect, ROUND(([segment]+0.999)/2,0) AS Section, "
        "ROUND(([subsegment]+0.999)/2,0) AS Segment, Subsegment, LED, Endpoint, Large, Small, "
        "Length, Condition, Qualify, Use, Species, PercentLength, EstimLength FROM SPM%1 ORDER "
        "BY stratum, transect, subsegment;");
    // Grid columns of the sheets.
    static constexpr int kLimQualify = 11, kLimTally1 = 12, kLimLocation = 1, kLimLength = 10;
    static constexpr int kSpmQualify = 12, kSpmUse = 13;

    LogMetricsTest() {
        QSettings s(QStringLiteral("Vernalt"), QStringLiteral("Vernalt"));
        s.remove(QStringLiteral("LogSettings"));
        s.sync();
        w = new frmMainLog;
        w->show();
    }
    ~LogMetricsTest() override {
        delete w;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void useSpm() {
        w->mnuLIM->setChecked(false);
        w->mnuSPM->setChecked(true);
        w->mnuCombo->setChecked(false);
    }
    void useEnglish() {
        w->mnuMetric->setChecked(false);
        w->mnuEnglish->setChecked(true);
    }
    void useSingleSpecies() {
        w->mnuMultipleSpecies->setChecked(false);
        w->mnuSingleSpecies->setChecked(true);
    }

    void add(const LimLog& l) {
        db::exec(
            QStringLiteral("INSERT INTO LIM (Stratum, Location, Transect, Segment, Subsegment, "
                           "Species, [Intersect], LED, Condition, Length, Qualify, [Tally 1], "
                           "[Tally 2]) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)"),
            {l.stratum, l.location, l.transect, l.segment, l.subsegment, l.species, l.intersect,
             l.led, l.condition, l.length, l.qualify, l.tally1, l.tally2});
    }
    void add(const SpmLog& l) {
        db::exec(QStringLiteral("INSERT INTO SPM (Stratum, Location, Transect, Segment, "
                                "Subsegment, LED, Endpoint, Large, Small, Length, Condition, "
                                "Qualify, Use, Species, EstimLength) VALUES "
                                "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                 {l.stratum, l.location, l.transect, l.segment, l.subsegment, l.led, l.endpoint,
                  l.large, l.small, l.length, l.condition, l.qualify, l.use, l.species,
                  l.estimLength});
    }

    // Points sheet k at its query (sheet 0 every record, 1 to 4 one stratum)
    // and gives its grid one row per record below the header row.
    void connectSheet(int k) {
        const bool lim = w->mnuLIM->isChecked();
        const QString table = lim ? QStringLiteral("LIM") : QStringLiteral("SPM");
        const QString where =
            k == 0 ? QString() : QStringLiteral(" WHERE %1.Stratum = %2").arg(table).arg(k);
        frmMainLog::DataControl& d = w->datDataSet[std::size_t(k)];
        d.RecordSource = (lim ? kLimQuery : kSpmQuery).arg(where);
        QSqlQuery q = db::select(d.RecordSource);
        d.Fields.clear();
        for (int i = 0; i < q.record().count(); ++i)
            d.Fields << q.record().fieldName(i);
        int n = 0;
        while (q.next())
            ++n;
        Grid& g = *w->grdStratum[std::size_t(k)];
        g.clear();
        g.setFixedCols(0);
        g.setCols(int(d.Fields.size()));
        g.setRows(n + 1);
        g.setFixedRows(1);
    }
    void connectStrata() {
        for (int k = 1; k <= 4; ++k)
            connectSheet(k);
    }

    QString cell(int k, int row, int col) const {
        return w->grdStratum[std::size_t(k)]->text(row, col);
    }
    QString qualify(int row, int k = 0) const {
        return cell(k, row, w->mnuLIM->isChecked() ? kLimQualify : kSpmQualify);
    }

    // The four criteria prompts, answered.
    void criteria(const QString& led, const QString& length, std::optional<QString> condition,
                  const QString& species) {
        script.input(kLedPrompt, QStringLiteral("LED"), led);
        if (w->mnuSPM->isChecked())
            script.input(kEstimLengthPrompt, QStringLiteral("EstimLength"), length);
        else
            script.input(kLengthPrompt, QStringLiteral("Length"), length);
        if (condition)
            script.input(kConditionPrompt, QStringLiteral("Condition"), *condition);
        script.input(w->mnuMultipleSpecies->isChecked() ? kExcludePrompt : kIncludePrompt,
                     QStringLiteral("Species"), species);
    }
    // Every log counts but species 9999 and LEDs of 9999 and more.
    void everyLog(bool condition = true) {
        criteria(QStringLiteral("0"), QStringLiteral("0"),
                 condition ? std::optional<QString>(QStringLiteral("0")) : std::nullopt,
                 QStringLiteral("9999"));
    }
    void errorBox(const QString& text) {
        script.message(text, QStringLiteral("Error"), MsgIcon::Exclamation);
    }
    void retry() {
        script.message(QStringLiteral("Please enter a positive numeric value"),
                       QStringLiteral("Error"), MsgIcon::None);
    }

    static inline const QString kLedPrompt =
        QStringLiteral("Please enter the minimum LED you want to consider for this analysis.");
    static inline const QString kLengthPrompt = QStringLiteral(
        "Now please enter the minimum Length you want considered.  Enter '0' if all log lengths "
        "will be considered or log lengths were not measured.");
    static inline const QString kEstimLengthPrompt = QStringLiteral(
        "Now please enter the minimum EstimLength you want considered.  Enter '0' if all log "
        "lengths will be considered or log lengths were not measured.");
    static inline const QString kConditionPrompt = QStringLiteral(
        "Please enter the maximum value for condition (or decay class) you want to consider for "
        "this analysis.  Enter '0' if condition was not recorded.");
    static inline const QString kExcludePrompt = QStringLiteral(
        "Please enter the code of the species you want EXCLUDED from this analysis.  Enter "
        "'9999' if you want all species included. NOTE: Species code is case sensitive.");
    static inline const QString kIncludePrompt =
        QStringLiteral("Please enter the code of the species you want INCLUDED from this "
                       "analysis. NOTE: Species code is case sensitive.");

    TempDatabase database;
    ScriptedPrompts script;
    frmMainLog* w = nullptr;
};

} // namespace vernalt::test
