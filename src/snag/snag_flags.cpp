// Strip-width marks of the snag window: "Multiple" and "Single" of the data
// sheets, and the prompts that ask for the criteria (also used by the cavity and
// forage analyses).
#include "snag/frmMainSnag.h"

#include "platform/database.h"
#include "platform/errors.h"
#include "platform/grid.h"
#include "platform/prompts.h"
#include "platform/value.h"
#include "shell/cleaning.h"
#include "snag/strip_flags.h"

#include <QHash>
#include <QPushButton>
#include <QSqlRecord>
#include <memory>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// ---- Criteria prompts ------------------------------------------------------------

void positiveValueMessage() {
    prompts().message(u"Please enter a positive numeric value"_s, u"Error"_s, MsgIcon::None);
}

// A minimum: asked again while the answer is not a number or is below 0; -1 for
// an empty answer.
double askMinimum(const QString& prompt, const QString& title) {
    for (;;) {
        const QString answer = prompts().inputBox(prompt, title, QString());
        if (answer.isEmpty())
            return -1;
        const Value v = CleanRound(answer);
        if (v.isNumber() && v.number() >= 0)
            return v.number();
        positiveValueMessage();
    }
}

// A whole-number code: asked again while the answer is not a number; -1 for an
// empty answer. A number outside 16 bits raises error 6.
std::int16_t askCode(const QString& prompt, const QString& title) {
    for (;;) {
        const QString answer = prompts().inputBox(prompt, title, QString());
        if (answer.isEmpty())
            return -1;
        const Value v = CleanRound(answer);
        if (v.isNumber())
            return toInt16(v.number());
        positiveValueMessage();
    }
}

bool isKind(const QString& kind, std::initializer_list<QString> names) {
    const QString lower = kind.toLower();
    for (const QString& name : names)
        if (lower == name)
            return true;
    return false;
}

// ---- Marking the records -----------------------------------------------------------

bool isConnected(const DataControl& d) {
    return d.RecordSource.startsWith(u"SELECT "_s, Qt::CaseInsensitive);
}

// How the first sheet's record set maps onto its grid and the test.
struct SheetFields {
    int offset = 0;         // the record-set field of grid column j is j + offset
    int columns = 0;        // grid columns that have a field
    std::vector<int> level; // per grid column: its WidthLevel, or -1
    int stratum = -1, distance = -1, decayClass = -1, dbh = -1, height = -1,
        species = -1; // query positions
    bool anyWidth = false;
};

SheetFields sheetFields(const QSqlRecord& rec, int offset, int gridCols,
                        const std::array<QString, 4>& widthTexts) {
    SheetFields f;
    f.offset = offset;
    f.columns = std::max(0, std::min(gridCols, int(rec.count()) - offset));
    f.level.assign(std::size_t(f.columns), -1);
    for (int j = 0; j < f.columns; ++j) {
        const QString name = rec.fieldName(j + offset).toLower();
        for (int k = 0; k < 4; ++k) {
            if (name == u"width"_s + widthTexts[std::size_t(k)].toLower()) {
                f.level[std::size_t(j)] = k;
                f.anyWidth = true;
                break;
            }
        }
    }
    for (int j = offset; j < rec.count(); ++j) {
        const QString name = rec.fieldName(j).toLower();
        if (name == u"stratum"_s)
            f.stratum = j;
        else if (name == u"distance"_s)
            f.distance = j;
        else if (name == u"class"_s)
            f.decayClass = j;
        else if (name == u"dbh"_s)
            f.dbh = j;
        else if (name == u"height"_s)
            f.height = j;
        else if (name == u"species"_s)
            f.species = j;
    }
    return f;
}

Value fieldValue(const QSqlQuery& q, int position) {
    return position < 0 ? Value::null() : Value::fromVariant(q.value(position));
}

// Writes a record field into a grid cell: a number as a number, a text as it is;
// a null leaves the cell as it is.
void setCell(GridModel& g, int row, int col, const Value& v) {
    if (v.isNumber())
        g.setNumber(row, col, v.number());
    else if (v.isText())
        g.setText(row, col, v.text());
}

// The stratum sheet (1 to 4) that shows a record, 0 for none: the one whose
// number its STRATUM holds, as the sheets' queries select them.
int stratumSheet(const QVariant& stratum) {
    const Value v = Value::fromVariant(stratum);
    if (!v.isNumber())
        return 0;
    for (int k = 1; k <= 4; ++k)
        if (v.number() == k)
            return k;
    return 0;
}

// Copies rows of one grid into the data rows of another, row rows[n - 1] of
// `from` into row n of `to`, in one fill.
void copyRows(const GridModel& from, const std::vector<int>& rows, GridModel& to) {
    const int cols = std::min(from.cols(), to.cols());
    to.fillRows(std::max(to.rows(), int(rows.size()) + 1), [&](int row) {
        if (row < 1 || row > int(rows.size()))
            return;
        const int source = rows[std::size_t(row - 1)];
        for (int c = 0; c < cols; ++c) {
            double x = 0;
            if (from.numberAt(source, c, x))
                to.setNumber(row, c, x);
            else if (const QString t = from.text(source, c); !t.isEmpty())
                to.setText(row, c, t);
        }
    });
}

// Walks the record set of the first data sheet (every record) into its grid,
// record n into row n, marking the width columns. With `allSheets`, each
// stratum sheet then gets the rows of its records in the same order, which is
// the order of its own query, and the marks are written into the records of
// table Snags, one prepared statement by row key.
void markSheets(frmMainSnag& w, const StripCriteria& criteria,
                const std::array<double, 4>& halfWidth, bool allSheets) {
    if (!isConnected(w.datDataSet[0]))
        return;
    // The record's row key comes first, so that its marks can be written back to
    // it: the table has no index on id, and a search by id would read the whole
    // table for every record.
    QSqlQuery q = db::select(u"SELECT Snags.rowid, "_s + w.datDataSet[0].RecordSource.mid(7));
    GridModel& g = *w.grdStratum[0]->grid();
    const SheetFields f = sheetFields(q.record(), 1, g.cols(), w.WidthTexts);

    std::unique_ptr<db::BulkStatement> write;
    if (allSheets && f.anyWidth) {
        QString sql = u"UPDATE Snags SET "_s;
        bool first = true;
        for (int j = 0; j < f.columns; ++j) {
            if (f.level[std::size_t(j)] < 0)
                continue;
            if (!first)
                sql += u", "_s;
            sql += db::quoted(q.record().fieldName(j + f.offset)) + u" = ?"_s;
            first = false;
        }
        write = std::make_unique<db::BulkStatement>(sql + u" WHERE rowid = ?"_s);
    }

    std::array<std::vector<int>, 5> strataRows; // rows of sheet 0 by stratum sheet
    QHash<QString, QString> speciesKeys;        // few species, many records
    const auto writeRecord = [&](int row) {
        std::array<int, 4> marks{};
        if (f.anyWidth) {
            StripRecord r;
            r.distance = criterionValue(fieldValue(q, f.distance));
            r.decayClass = criterionValue(fieldValue(q, f.decayClass));
            r.dbh = criterionValue(fieldValue(q, f.dbh));
            r.height = criterionValue(fieldValue(q, f.height));
            const Value species = fieldValue(q, f.species);
            if (species.isText()) {
                const QString text = species.text();
                auto it = speciesKeys.constFind(text);
                if (it == speciesKeys.constEnd())
                    it = speciesKeys.insert(text, speciesKey(species));
                r.species = *it;
            } else {
                r.species = speciesKey(species);
            }
            marks = stripMarks(r, criteria, halfWidth);
        }
        int bound = 0;
        bool changed = false; // a record that holds its marks already is not written
        for (int j = 0; j < f.columns; ++j) {
            const int level = f.level[std::size_t(j)];
            if (level >= 0) {
                const int mark = marks[std::size_t(level)];
                g.setNumber(row, j, mark);
                if (write) {
                    write->bind(bound++, mark);
                    const QVariant stored = q.value(j + f.offset);
                    changed = changed || stored.isNull() || stored.toDouble() != mark ||
                              stored.typeId() == QMetaType::QString;
                }
            } else {
                setCell(g, row, j, Value::fromVariant(q.value(j + f.offset)));
            }
        }
        if (write && changed) { // (the next record binds every position anew)
            write->bind(bound, q.value(0).toLongLong());
            write->run();
        }
        if (allSheets && f.stratum >= 0)
            if (const int k = stratumSheet(q.value(f.stratum)))
                strataRows[std::size_t(k)].push_back(row);
    };

    // The sheet was prepared with one row per record; the grid is filled in one go.
    bool more = true;
    g.fillRows(g.rows(), [&](int row) {
        if (row < 1 || !more)
            return;
        more = q.next();
        if (more)
            writeRecord(row);
    });
    // Records beyond the rows prepared (the table grew since): a row each.
    while (more && q.next()) {
        const int row = std::max(1, g.rows());
        g.setRows(row + 1);
        writeRecord(row);
    }

    if (!allSheets)
        return;
    for (std::size_t k = 1; k < 5; ++k)
        if (isConnected(w.datDataSet[k]))
            copyRows(g, strataRows[k], *w.grdStratum[k]->grid());
}

// "Multiple" (every species but one, all five sheets and table Snags) or
// "Single" (one species, sheet 0 only, the table untouched).
void fillWidths(frmMainSnag& w, bool multiple) {
    const QString kind = multiple ? u"Multi"_s : u"Single"_s;
    StripCriteria criteria;
    criteria.minDbh = w.GetMinDBH(kind);
    if (criteria.minDbh == -1)
        return;
    criteria.minHeight = w.GetMinHeight(kind);
    if (criteria.minHeight == -1)
        return;
    const std::int16_t maxClass = w.GetMaxClass(kind);
    if (maxClass == -1)
        return;
    criteria.maxClass = maxClass;
    criteria.species = w.GetSpecies(kind);
    if (criteria.species == u"-1"_s)
        return;
    criteria.rule = multiple ? SpeciesRule::Exclude : SpeciesRule::Only;

    w.ConnectDataSet();
    w.ssTabMain->setTabText(frmMainSnag::PageDensities, u"Densities"_s);
    const std::array<double, 4> halfWidth = halfWidths(w.isMetric());

    if (multiple) {
        // All the marks reach the table or none does.
        db::Transaction transaction;
        markSheets(w, criteria, halfWidth, true);
        transaction.commit();
    } else {
        markSheets(w, criteria, halfWidth, false);
    }

    for (int k = 0; k < 5; ++k) {
        w.cmdCavity[std::size_t(k)]->setEnabled(true);
        w.cmdForage[std::size_t(k)]->setEnabled(true);
    }
    w.setStatus(u"Status: Widths Filled"_s);
}

} // namespace

// ---- Prompts ---------------------------------------------------------------------------

double frmMainSnag::GetMinDBH(const QString& Kind) {
    const QString prompt =
        isKind(Kind, {u"multi"_s})
            ? u"Please enter the minimum DBH of a tree or snag you want to consider for this "
              u"analysis."_s
            : u"Please enter the minimum DBH you want to consider for this analysis."_s;
    return askMinimum(prompt, u"DBH"_s);
}

double frmMainSnag::GetMinHeight(const QString& Kind) {
    const QString prompt = isKind(Kind, {u"multi"_s, u"cavity"_s, u"forage"_s})
                               ? u"Now please enter the minimum Height you want considered."_s
                               : u"Now please enter the minimum Height of a snag you want "
                                 u"considered."_s;
    return askMinimum(prompt, u"Height"_s);
}

std::int16_t frmMainSnag::GetMaxClass(const QString&) {
    return askCode(u"Enter the maximum Decay or Structural Class value you want considered for "
                   u"this analysis."_s,
                   u"Decay Class"_s);
}

QString frmMainSnag::GetSpecies(const QString& Kind) {
    const QString prompt =
        isKind(Kind, {u"multi"_s, u"cavity"_s, u"forage"_s})
            ? u"Please enter the number of the species you want EXCLUDED from this analysis.  "
              u"Enter '9999' if you want all species included."_s
            : u"Please enter the number of the ONLY snag or tree species you want to consider "
              u"for this analysis."_s;
    const QString answer = prompts().inputBox(prompt, u"Species"_s, QString());
    if (answer.isEmpty())
        return u"-1"_s;
    const Value v = CleanRound(answer);
    return v.isNumber() ? v.text() : answer;
}

std::int16_t frmMainSnag::GetCavity(const QString&) {
    return askCode(u"Enter the numeric code for the CAVITY category you would like to consider "
                   u"for this analysis."_s,
                   u"Cavity Code"_s);
}

std::int16_t frmMainSnag::GetForage(const QString&) {
    return askCode(u"Enter the numeric code for the FORAGE category you would like to consider "
                   u"for this analysis."_s,
                   u"Forage Code"_s);
}

// ---- Buttons ---------------------------------------------------------------------------

void frmMainSnag::cmdFormMulti_Click(int) {
    trapped(prompts(), snagProcedure(u"cmdFormMulti_Click"_s), [this] { fillWidths(*this, true); });
}

void frmMainSnag::cmdFormSingle_Click(int) {
    trapped(prompts(), snagProcedure(u"cmdFormSingle"_s), [this] { fillWidths(*this, false); });
}

} // namespace vernalt
