// A snag window on a database of its own, for the tests of its data-sheet
// buttons: records go straight into table Snags, and the window connects its
// sheets to them.
#pragma once

#include "platform/database.h"
#include "platform/value.h"
#include "snag_window_fixture.h"

namespace vernalt::test {

// One record of table Snags; an invalid QVariant is a null field.
struct SnagRecord {
    int id = 0;
    QVariant stratum, transect, segment, subsegment, distance, species, decayClass, dbh, height,
        cavity, forage;
};

class SnagSheetTest : public SnagWindowTest {
  protected:
    void SetUp() override { w = open(); }

    void insert(const SnagRecord& r) {
        db::exec(QStringLiteral("INSERT INTO Snags (id, STRATUM, LOCATION, Transect, Segment, "
                                "Subsegment, DISTANCE, SPECIES, CLASS, DBH, HEIGHT, CAVITY, "
                                "FORAGE, FOREST) VALUES (?, ?, 'Ridge', ?, ?, ?, ?, ?, ?, ?, ?, "
                                "?, ?, 'North')"),
                 {r.id, r.stratum, r.transect, r.segment, r.subsegment, r.distance, r.species,
                  r.decayClass, r.dbh, r.height, r.cavity, r.forage});
    }

    // The data sheets connected to the records, and the fill buttons usable, as
    // after an import.
    void connectSheets() {
        w->ConnectDataSet();
        for (int k = 0; k < 5; ++k) {
            w->cmdFormMulti[std::size_t(k)]->setEnabled(true);
            w->cmdFormSingle[std::size_t(k)]->setEnabled(true);
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

    ScriptedPrompts& prompts_ = script;
    frmMainSnag* w = nullptr;
};

} // namespace vernalt::test
