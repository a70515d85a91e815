// A snag window on a database of its own, for the tests of its data-sheet
// buttons: records go straight into table Snags, the sheets are connected as the
// window connects them.
#pragma once

#include "platform/database.h"
#include "platform/grid.h"
#include "platform/value.h"
#include "snag/frmMainSnag.h"
#include "support/scripted_prompts.h"
#include "support/temp_database.h"

#include <QPushButton>
#include <QString>
#include <QVariantList>
#include <gtest/gtest.h>
#include <memory>

namespace vernalt::test {

// One record of table Snags; an invalid QVariant is a null field.
struct SnagRecord {
    int id = 0;
    QVariant stratum, transect, segment, subsegment, distance, species, decayClass, dbh, height,
        cavity, forage;
};

class SnagWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { w = std::make_unique<frmMainSnag>(); }
    void TearDown() override { w.reset(); }

    void insert(const SnagRecord& r) {
        db::exec(QStringLiteral("INSERT INTO Snags (id, STRATUM, LOCATION, Transect, Segment, "
                                "Subsegment, DISTANCE, SPECIES, CLASS, DBH, HEIGHT, CAVITY, "
                                "FORAGE, FOREST) VALUES (?, ?, 'Ridge', ?, ?, ?, ?, ?, ?, ?, ?, "
                                "?, ?, 'North')"),
                 {r.id, r.stratum, r.transect, r.segment, r.subsegment, r.distance, r.species,
                  r.decayClass, r.dbh, r.height, r.cavity, r.forage});
    }

    // The queries and grid shapes of the five data sheets, as the window's
    // connection of its sheets sets them, and the fill buttons made usable.
    void connectSheets() {
        for (int k = 0; k < 5; ++k) {
            w->cmdFormMulti[std::size_t(k)]->setEnabled(true);
            w->cmdFormSingle[std::size_t(k)]->setEnabled(true);
        }
        const QString metric = QStringLiteral("WIDTH10,WIDTH20,WIDTH30,WIDTH40");
        const QString english = QStringLiteral("WIDTH33,WIDTH66,WIDTH99,WIDTH132");
        for (int k = 0; k < 5; ++k) {
            const QString condition =
                k == 0 ? QString() : QStringLiteral("WHERE stratum=") + numberText(k);
            w->datDataSet[std::size_t(k)].RecordSource =
                QStringLiteral("SELECT STRATUM,LOCATION,Transect, ROUND(([segment]+0.999)/2,0) AS "
                               "Section, ROUND(([subsegment]+0.999)/2,0) AS Segment, "
                               "Subsegment,") +
                (w->isMetric() ? metric : english) +
                QStringLiteral(",DISTANCE,SPECIES,CLASS,DBH,HEIGHT,CAVITY,FORAGE,QUALIFYING,"
                               "FOREST,DISTRICT,SUBWATERSHED,OBSERVER,DATE FROM Snags ") +
                condition + QStringLiteral(" ORDER BY transect, subsegment, id;");
            QSqlQuery count = db::select(QStringLiteral("SELECT COUNT(*) FROM Snags ") + condition);
            count.next();
            GridModel& g = sheet(k);
            g.setFixedCols(0);
            g.clear();
            g.setRows(count.value(0).toInt() + 1);
            g.setFormatString(
                QStringLiteral(
                    "^Stratum|^Location|^Transect|^Section|^Segment|^Subsegment|^Width") +
                w->WidthTexts[0] + QStringLiteral("|^Width") + w->WidthTexts[1] +
                QStringLiteral("|^Width") + w->WidthTexts[2] + QStringLiteral("|^Width") +
                w->WidthTexts[3] +
                QStringLiteral("|^Distance|^Species|^Class|^DBH|^Height|^Cavity|^Forage|^"
                               "Qualifying|^Forest|^District|^Subwatershed|^Observer|^Date"));
        }
    }

    GridModel& sheet(int k) { return *w->grdStratum[std::size_t(k)]->grid(); }

    // The four width marks of a grid row ("1", "0" or "" each).
    QStringList marks(int k, int row) {
        QStringList out;
        for (int c = 6; c < 10; ++c)
            out.append(sheet(k).text(row, c));
        return out;
    }

    // The four width fields of a record of table Snags, "" for null.
    QStringList tableMarks(int id, bool metric = true) {
        const QString cols = metric ? QStringLiteral("WIDTH10, WIDTH20, WIDTH30, WIDTH40")
                                    : QStringLiteral("WIDTH33, WIDTH66, WIDTH99, WIDTH132");
        QSqlQuery q = db::select(
            QStringLiteral("SELECT ") + cols + QStringLiteral(" FROM Snags WHERE id = ?"), {id});
        QStringList out;
        if (!q.next())
            return out;
        for (int c = 0; c < 4; ++c)
            out.append(q.isNull(c) ? QString() : numberText(q.value(c).toDouble()));
        return out;
    }

    TempDatabase db_;
    ScriptedPrompts prompts_;
    std::unique_ptr<frmMainSnag> w;
};

} // namespace vernalt::test
