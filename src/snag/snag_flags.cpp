// Strip-width marks of the snag window: "Multiple" and "Single" of the data
// sheets, and the prompts that ask for the criteria (also used by the cavity and
// forage analyses).
#include "snag/frmMainSnag.h"

#include "data/sheet_queries.h"
#include "platform/database.h"
#include "platform/errors.h"
#include "platform/grid.h"
#include "platform/progress.h"
#include "platform/prompts.h"
#include "platform/value.h"
#include "shell/cleaning.h"
#include "snag/strip_flags.h"

#include <QHash>
#include <QPushButton>
#include <QSqlRecord>
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

// Which grid columns of the first sheet are which, by the field names of its
// query (the grid column j shows field j).
struct SheetFields {
    std::vector<int> level; // per grid column: its WidthLevel, or -1
    std::vector<QString> name;
    int stratum = -1, distance = -1, decayClass = -1, dbh = -1, height = -1, species = -1;
    bool anyWidth = false;
};

SheetFields sheetFields(const QSqlRecord& rec, int gridCols,
                        const std::array<QString, 4>& widthTexts) {
    SheetFields f;
    const int columns = std::max(0, std::min(gridCols, int(rec.count())));
    f.level.assign(std::size_t(columns), -1);
    for (int j = 0; j < columns; ++j) {
        const QString name = rec.fieldName(j);
        f.name.push_back(name);
        const QString lower = name.toLower();
        for (int k = 0; k < 4; ++k) {
            if (lower == u"width"_s + widthTexts[std::size_t(k)].toLower()) {
                f.level[std::size_t(j)] = k;
                f.anyWidth = true;
                break;
            }
        }
        if (lower == u"stratum"_s)
            f.stratum = j;
        else if (lower == u"distance"_s)
            f.distance = j;
        else if (lower == u"class"_s)
            f.decayClass = j;
        else if (lower == u"dbh"_s)
            f.dbh = j;
        else if (lower == u"height"_s)
            f.height = j;
        else if (lower == u"species"_s)
            f.species = j;
    }
    return f;
}

// The record field a cell shows: a number, a text, or nothing (an empty cell,
// which is what a field without a value leaves).
Value cellValue(const GridModel& g, int row, int col) {
    if (col < 0)
        return Value::null();
    double x = 0;
    if (g.numberAt(row, col, x))
        return Value(x);
    const QString t = g.text(row, col);
    return t.isEmpty() ? Value::null() : Value(t);
}

// The stratum sheet (1 to 4) that shows a record, 0 for none: the one whose
// number its STRATUM holds, as the sheets' queries select them.
int stratumSheet(const GridModel& g, int row, int col) {
    double x = 0;
    if (col < 0 || !g.numberAt(row, col, x))
        return 0;
    for (int k = 1; k <= 4; ++k)
        if (x == k)
            return k;
    return 0;
}

// The number of records of each stratum sheet ([k] for sheet k, [0] every
// record) as a first sheet showing the records of its query gives them: by its
// first field, the stratum.
std::array<int, 5> strataCounts(const GridModel& g) {
    std::array<int, 5> counts{};
    for (int row = g.fixedRows(); row < g.rows(); ++row) {
        ++counts[0];
        if (const int k = stratumSheet(g, row, 0))
            ++counts[std::size_t(k)];
    }
    return counts;
}

// The marks of a record of the first sheet, by the values its row shows.
std::array<int, 4> rowMarks(const GridModel& g, int row, const SheetFields& f,
                            const StripCriteria& criteria, const std::array<double, 4>& halfWidth,
                            QHash<QString, QString>& speciesKeys) {
    StripRecord r;
    r.distance = criterionValue(cellValue(g, row, f.distance));
    r.decayClass = criterionValue(cellValue(g, row, f.decayClass));
    r.dbh = criterionValue(cellValue(g, row, f.dbh));
    r.height = criterionValue(cellValue(g, row, f.height));
    const Value species = cellValue(g, row, f.species);
    if (species.isText()) { // few species, many records
        auto it = speciesKeys.constFind(species.text());
        if (it == speciesKeys.constEnd())
            it = speciesKeys.insert(species.text(), speciesKey(species));
        r.species = *it;
    } else {
        r.species = speciesKey(species);
    }
    return stripMarks(r, criteria, halfWidth);
}

// Writes the marks of a record into the width columns of its row.
void writeMarks(GridModel& g, int row, const SheetFields& f, const std::array<int, 4>& marks) {
    for (std::size_t j = 0; j < f.level.size(); ++j)
        if (f.level[j] >= 0)
            g.setNumber(row, int(j), marks[std::size_t(f.level[j])]);
}

// Marks the records of table Snags in one statement, by the values of the
// fields the first sheet shows.
void markRecords(const SheetFields& f, const StripCriteria& criteria,
                 const std::array<double, 4>& halfWidth, Progress& progress, qint64 records,
                 const MarkedRecord& marked) {
    std::array<QString, 4> widths;
    for (std::size_t j = 0; j < f.level.size(); ++j)
        if (f.level[j] >= 0)
            widths[std::size_t(f.level[j])] = f.name[j];
    const auto field = [&](int j) {
        return j < 0 ? u"NULL"_s : db::quoted(f.name[std::size_t(j)]);
    };
    static const QString marking = u"Marking"_s;
    markTable(
        criteria, halfWidth, widths,
        {field(f.distance), field(f.decayClass), field(f.dbh), field(f.height), field(f.species)},
        [&](qint64 done) { progress.step(marking, done, records); }, marked);
}

// Writes the marks the marking statement works out into the width columns of
// the first sheet as it reads the records, in the table's order: the n-th
// record into the row `rows[n - 1]`. Holds while every record finds its row.
class SheetMarks {
  public:
    SheetMarks(GridModel& g, const SheetFields& f, const std::vector<std::uint32_t>& rows)
        : g_(g), f_(f), rows_(rows) {}
    void operator()(qint64 rowid, const std::array<int, 4>& marks) {
        if (!placed_)
            return;
        if ((next_ > 0 && rowid <= lastRowid_) || next_ == rows_.size()) {
            placed_ = false; // not the table's order, or more records than rows
            return;
        }
        lastRowid_ = rowid;
        writeMarks(g_, int(rows_[next_++]), f_, marks);
    }
    // True when every record of the sheet got its marks.
    bool complete() const { return placed_ && next_ == rows_.size(); }

  private:
    GridModel& g_;
    const SheetFields& f_;
    const std::vector<std::uint32_t>& rows_;
    std::size_t next_ = 0;
    qint64 lastRowid_ = 0;
    bool placed_ = true;
};

// The first data sheet with the records as stored, the marks they hold
// included (equal keys keep the table's order). A sheet that still shows the
// records of its query gets only its width columns again from the table.
// Returns the number of records.
int fillSheet0(frmMainSnag& w, const SheetFields& f, Progress& progress) {
    GridModel& g = *w.grdStratum[0]->grid();
    const QString source = w.datDataSet[0].RecordSource;
    if (w.Sheet0Records.hold(source)) {
        QStringList fields;
        std::vector<int> columns;
        for (std::size_t j = 0; j < f.level.size(); ++j)
            if (f.level[j] >= 0) {
                fields << f.name[j];
                columns.push_back(int(j));
            }
        if (data::refreshSnagColumns(g, w.Sheet0Records, fields, columns, &progress))
            return int(w.Sheet0Records.rows.size());
        w.ConnectDataSet(); // the table changed under the sheet: all of it again
    }
    if (source == data::snagSheetQuery(w.isMetric(), 0))
        return data::fillSnagSheet(g, w.isMetric(), 0, &progress, &w.Sheet0Records);
    return data::fillGridFromQuery(g, source, &progress);
}

// The fields of the first sheet's query, by its grid columns; none when the
// sheet is not connected to a query.
std::optional<SheetFields> sheet0Fields(frmMainSnag& w) {
    const QString source = w.datDataSet[0].RecordSource;
    const qsizetype order = source.lastIndexOf(u" ORDER BY "_s, -1, Qt::CaseInsensitive);
    if (!isConnected(w.datDataSet[0]) || order < 0)
        return std::nullopt;
    return sheetFields(db::select(source.left(order) + u" LIMIT 0"_s).record(),
                       w.grdStratum[0]->grid()->cols(), w.WidthTexts);
}

// Each connected stratum sheet gets the rows of its records from the first
// sheet's `records` rows, in the same order, which is the order of its own query.
void copyStrata(frmMainSnag& w, const SheetFields& f, int records, Progress& progress) {
    const GridModel& g = *w.grdStratum[0]->grid();
    const int first = g.fixedRows();
    std::array<std::vector<int>, 5> strataRows; // rows of sheet 0 by stratum sheet
    for (int row = first; row < first + records; ++row)
        if (const int k = stratumSheet(g, row, f.stratum))
            strataRows[std::size_t(k)].push_back(row);
    static const QString filling = u"Filling"_s;
    qint64 copied = 0, total = 0;
    for (std::size_t k = 1; k < 5; ++k)
        if (isConnected(w.datDataSet[k]))
            total += qint64(strataRows[k].size());
    for (std::size_t k = 1; k < 5; ++k) {
        if (!isConnected(w.datDataSet[k]))
            continue;
        // Row n of the stratum sheet shows row rows[n - 1] of sheet 0.
        GridModel& to = *w.grdStratum[k]->grid();
        const std::vector<int>& rows = strataRows[k];
        to.changeMany([&] {
            to.setRows(std::max(to.rows(), int(rows.size()) + 1));
            to.copyRows(g, rows, 1);
        });
        copied += qint64(rows.size());
        progress.step(filling, copied, total);
    }
}

// The first data sheet once marked: the fields its columns show and the
// number of its records.
struct MarkedSheet {
    SheetFields fields;
    int records = 0;
};

// Fills the first data sheet with its records (every record, record n in row
// n) and marks its width columns; nothing when the sheet is not connected.
// With `save` the marks are first written into the records of table Snags,
// all in one statement, so that the sheet shows them as stored.
std::optional<MarkedSheet> markSheet0(frmMainSnag& w, const StripCriteria& criteria,
                                      const std::array<double, 4>& halfWidth, bool save,
                                      Progress& progress) {
    std::optional<SheetFields> fields = sheet0Fields(w);
    if (!fields)
        return std::nullopt;
    const SheetFields& f = *fields;
    const QString source = w.datDataSet[0].RecordSource;
    GridModel& g = *w.grdStratum[0]->grid();
    // A sheet that shows the records of its query keeps them: Multiple writes
    // the marks into it as the table gets them, Single marks its cells itself.
    const bool kept = w.Sheet0Records.hold(source);
    int records = kept && !save ? int(w.Sheet0Records.rows.size()) : -1;
    if (save && f.anyWidth) {
        SheetMarks marks(g, f, w.Sheet0Records.rows);
        g.changeMany([&] {
            markRecords(f, criteria, halfWidth, progress, g.rows() - g.fixedRows(),
                        kept ? MarkedRecord(std::ref(marks)) : MarkedRecord());
        });
        if (kept && marks.complete())
            records = int(w.Sheet0Records.rows.size());
    }
    if (records < 0)
        records = fillSheet0(w, f, progress);

    if (!save && f.anyWidth) {
        static const QString marking = u"Marking"_s;
        const int first = g.fixedRows();
        QHash<QString, QString> speciesKeys;
        g.fillRows(g.rows(), [&](int row) {
            if (row < first || row >= first + records)
                return;
            writeMarks(g, row, f, rowMarks(g, row, f, criteria, halfWidth, speciesKeys));
            progress.step(marking, row - first + 1, records);
        });
    }
    return MarkedSheet{std::move(*fields), records};
}

// The stratum sheets connected again, each with the rows of its records as the
// first sheet shows them.
void showStrata(frmMainSnag& w, const MarkedSheet& sheet0, Progress& progress) {
    w.ConnectStratumSheets(strataCounts(*w.grdStratum[0]->grid()));
    copyStrata(w, sheet0.fields, sheet0.records, progress);
}

// After a Multiple that saved nothing, every data sheet shows the records and
// the marks that table Snags holds, so that what Compute reads is what is
// stored. A table that cannot be read leaves the sheets as they are.
void showStored(frmMainSnag& w, Progress& progress) {
    try {
        const std::optional<SheetFields> f = sheet0Fields(w);
        if (f)
            showStrata(w, {*f, fillSheet0(w, *f, progress)}, progress);
    } catch (const RuntimeError&) {
    }
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

    // A first sheet that still shows the records of its query keeps them. The
    // stratum sheets of Multiple are filled again once its marks are saved;
    // Single leaves them empty.
    const QString sheet0 = data::snagSheetQuery(w.isMetric(), 0);
    if (w.datDataSet[0].RecordSource != sheet0 || !w.Sheet0Records.hold(sheet0)) {
        if (!w.ConnectDataSet())
            return; // the table cannot be read; that was said
    } else if (!multiple) {
        w.ConnectStratumSheets(strataCounts(*w.grdStratum[0]->grid()));
    }
    w.ssTabMain->setTabText(frmMainSnag::PageDensities, u"Densities"_s);
    const std::array<double, 4> halfWidth = halfWidths(w.isMetric());

    {
        Progress progress(w.sbStatusPanel);
        if (multiple) {
            // All the marks reach the table or none does, and the sheets show
            // the marks only as they were saved.
            try {
                std::optional<MarkedSheet> marked;
                {
                    db::Transaction transaction;
                    marked = markSheet0(w, criteria, halfWidth, true, progress);
                    transaction.commit();
                }
                if (marked)
                    showStrata(w, *marked, progress);
            } catch (const RuntimeError&) {
                showStored(w, progress); // the transaction has rolled back
                throw;
            }
        } else {
            markSheet0(w, criteria, halfWidth, false, progress);
        }
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
    trappedSave(prompts(), snagProcedure(u"cmdFormMulti_Click"_s),
                [this] { fillWidths(*this, true); });
}

void frmMainSnag::cmdFormSingle_Click(int) {
    trapped(prompts(), snagProcedure(u"cmdFormSingle"_s), [this] { fillWidths(*this, false); });
}

} // namespace vernalt
