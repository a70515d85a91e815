// Small stand-ins for the analysis windows, registered as gSnagForm or
// gLogForm, and helpers to set and read the reference tables in tests.
#pragma once

#include "platform/database.h"
#include "settings/reference_rows.h"
#include "shell/app_windows.h"
#include "support/flush_deletes.h"

#include <QString>
#include <QWidget>
#include <array>

namespace vernalt::test {

// Reads the first metric width back from PlotSizes when told to relabel, as
// the snag window names its plot dimensions ("Subsegment" + width text).
class FakeSnagWindow : public QWidget, public SnagWindowApi {
  public:
    bool metric = false;
    int updates = 0;
    QString firstDimensionName;

    void UpdateDimensionLabels() override {
        ++updates;
        QSqlQuery q = db::select(QStringLiteral("SELECT Width FROM PlotSizes WHERE Measurement = "
                                                "'Metric' AND \"Index\" = 0"));
        if (q.next())
            firstDimensionName = QStringLiteral("Subsegment") + fieldText(q.value(0));
    }
    bool isMetric() const override { return metric; }
};

class FakeLogWindow : public QWidget, public LogWindowApi {
  public:
    int reloads = 0;
    void SetTransectLengths() override { ++reloads; }
};

// Replaces the rows of PlotSizes: areas and widths per plot dimension.
inline void setPlotSizes(const QString& measurement, const std::array<double, 16>& areas,
                         const std::array<QVariant, 4>& widths) {
    db::exec(QStringLiteral("DELETE FROM PlotSizes WHERE Measurement = ?"), {measurement});
    for (int p = 0; p < 16; ++p)
        db::exec(QStringLiteral("INSERT INTO PlotSizes (Measurement, \"Index\", PlotSize, Width) "
                                "VALUES (?, ?, ?, ?)"),
                 {measurement, p, areas[p], widths[p % 4]});
}

inline void setLogLengths(const QString& measurement, const std::array<double, 4>& lengths) {
    db::exec(QStringLiteral("DELETE FROM LogLengths WHERE Measurement = ?"), {measurement});
    for (int i = 0; i < 4; ++i)
        db::exec(QStringLiteral(
                     "INSERT INTO LogLengths (Measurement, \"Index\", PlotSize) VALUES (?, ?, ?)"),
                 {measurement, i, lengths[i]});
}

// PlotSize (or `column`) of one row; NaN when the row is missing.
inline double storedSize(const QString& table, const QString& measurement, int index,
                         const QString& column = QStringLiteral("PlotSize")) {
    QSqlQuery q = db::select(QStringLiteral("SELECT ") + column + QStringLiteral(" FROM ") +
                                 db::quoted(table) +
                                 QStringLiteral(" WHERE Measurement = ? AND \"Index\" = ?"),
                             {measurement, index});
    return q.next() ? q.value(0).toDouble() : std::numeric_limits<double>::quiet_NaN();
}

inline double storedWidth(const QString& measurement, int index) {
    return storedSize(QStringLiteral("PlotSizes"), measurement, index, QStringLiteral("Width"));
}

} // namespace vernalt::test
