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

// A record of stratum 1 placed by transect, segment field and subsegment, with
// its four width marks ("" for none).
struct Placed {
    int transect, segment, subsegment;
    std::array<const char*, 4> marks;
};

// One transect of three subsegments in stratum 1, stored with these marks.
// Width 10 marks only the first: the subsegment subtotals 1 0 0 give a mean of
// 1/3 and a deviation of sqrt((1 - 1/3) / 2) = 0.577.
inline const std::vector<Placed> ThreeUnits = {{1, 1, 1, {"1", "1", "1", "1"}},
                                               {1, 1, 2, {"0", "1", "1", "1"}},
                                               {1, 2, 3, {"0", "0", "1", "1"}}};

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

    // Table Snags holding these records alone (ids from 1, species 12, class 1,
    // DBH 30, height 10), shown on the first data sheet.
    void insertPlaced(const std::vector<Placed>& records) {
        db::exec(QStringLiteral("DELETE FROM Snags"));
        int id = 0;
        for (const Placed& p : records) {
            const QVariant none;
            insert({++id, 1, p.transect, p.segment, p.subsegment, 1, QStringLiteral("12"), 1, 30,
                    10, none, none});
            QVariantList marks;
            for (const char* m : p.marks)
                marks << (*m ? QVariant(QString::fromLatin1(m)) : QVariant());
            db::exec(QStringLiteral("UPDATE Snags SET WIDTH10 = ?, WIDTH20 = ?, WIDTH30 = ?, "
                                    "WIDTH40 = ? WHERE id = ?"),
                     marks << id);
        }
        connectSheets();
        w->FillSingleTab();
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
