// The five data sheets of the log window: sheet 0 "Single/Combined" with every
// record of table LIM or SPM, sheets 1 to 4 with the records of one stratum
// each; their queries, grids and headers, and "Apply and Sort".
#include "log/frmMainLog.h"

#include "data/log_sheet_queries.h"
#include "platform/errors.h"
#include "platform/hourglass.h"
#include "platform/progress.h"
#include "platform/prompts.h"

#include <QAction>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

constexpr int OptimalColWidth = 1343; // twips, columns 0 to 4 of the Optimal-page grids
constexpr int SheetTitlePadding =
    2; // blanks either side of a field name: they only widen the column

// Heads a sheet grid: one centred column per field, the header cells holding the
// bare field names (what every lookup of a column by its header reads).
void setSheetHeader(GridModel& g, const QStringList& fields) {
    QString format;
    for (const QString& name : fields)
        format += u"^"_s + name + u"|"_s;
    format.chop(1);
    g.setTitlePadding(SheetTitlePadding);
    g.setFormatString(format);
    if (g.fixedRows() < 1)
        g.setFixedRows(1);
}

// Points sheet 0 at the query of the window's method and prepares its grid: no
// fixed column, emptied, one row per record under one fixed row. Returns the
// number of records.
int connectSheet0(frmMainLog& w) {
    const bool lim = w.mnuLIM->isChecked();
    frmMainLog::DataControl& d = w.datDataSet[0];
    d.RecordSource = data::logSheetQuery(lim, 0);
    d.Fields = data::logSheetFields(lim);
    GridModel& g = *w.grdStratum[0]->grid();
    g.setCols(int(d.Fields.size()));
    g.setFixedCols(0);
    const int records = data::logSheetCounts(lim)[0];
    g.clear();
    g.setRows(records + 1);
    g.setFixedRows(1);
    return records;
}

} // namespace

void frmMainLog::ConnectDataSet() {
    if (DataSheetIndex != 0)
        return;
    trapped(prompts(), logProcedure(u"ConnectDataSet"_s), [this] { connectSheet0(*this); });
}

// Fills sheet 0 after an import. Sheet 0 is always queried afresh here, whatever
// sheet is in use: the table has just been refilled, and a sheet showing the
// records of the previous file would be wrong.
void frmMainLog::FillSingleTab() {
    int records = 0;
    if (!trapped(prompts(), logProcedure(u"ConnectDataSet"_s),
                 [&] { records = connectSheet0(*this); }))
        return;
    trapped(prompts(), logProcedure(u"FillSingleTab"_s), [&] {
        if (records > 0)
            skipOn({err::Overflow, err::DivisionByZero}, [this] { SetGridHeaders(); });
        skipOn({err::Overflow, err::DivisionByZero}, [this] {
            Progress progress(sbStatusBar[0]);
            data::fillLogSheet(*grdStratum[0]->grid(), mnuLIM->isChecked(), 0, &progress);
        });
    });
}

// The headers of the sheet in use on all five sheet grids, and the widths of
// columns 0 to 4 of the ten Optimal-page grids.
void frmMainLog::SetGridHeaders() {
    QStringList fields = datDataSet[std::size_t(DataSheetIndex)].Fields;
    if (fields.isEmpty()) // a stratum sheet not sorted yet: its fields are sheet 0's
        fields = datDataSet[0].Fields;
    if (fields.isEmpty())
        vernalt::raise(err::SubscriptRange);
    headDataSheets(fields);
}

void frmMainLog::headDataSheets(const QStringList& fields) {
    if (grdStratum[0]->rows() == 1) {
        grdStratum[0]->setCols(grdStratum[1]->cols());
        grdStratum[0]->setRows(2);
        grdStratum[0]->setFixedRows(1);
    }
    for (Grid* g : grdStratum)
        setSheetHeader(*g->grid(), fields);
    for (std::size_t k = 0; k < 5; ++k)
        for (int c = 0; c < 5; ++c) {
            grdOptimal[k]->setColWidth(c, OptimalColWidth);
            grdOptimal2[k]->setColWidth(c, OptimalColWidth);
        }
}

// Requeries the four stratum sheets, checks that the strata present are
// numbered 1 to m, relabels the window and runs the checked metric on them.
void frmMainLog::SortDefault() {
    const Hourglass busy;
    trapped(prompts(), logProcedure(u"SortDefault"_s), [this] {
        const bool lim = mnuLIM->isChecked();
        const std::array<int, 5> counts = data::logSheetCounts(lim);
        std::array<bool, 4> empty{};
        Progress progress(sbStatusBar[0]); // ends before any message
        for (int k = 1; k <= 4; ++k) {
            const auto i = std::size_t(k);
            GridModel& g = *grdStratum[i]->grid();
            g.clear();
            g.setRows(2);
            g.setFixedRows(1);
            datDataSet[i].RecordSource = data::logSheetQuery(lim, k);
            datDataSet[i].Fields = data::logSheetFields(lim);
            g.setFixedCols(0);
            // The requeried sheet shows its records under a header of field names.
            setSheetHeader(g, datDataSet[i].Fields);
            g.setRows(std::max(2, counts[i] + 1));
            data::fillLogSheet(g, lim, k, &progress);
            empty[i - 1] = counts[i] == 0;
        }
        progress.end();
        if (data::strataGap(empty)) {
            prompts().message(u"Strata need to be numbered consecutively starting at 1"_s,
                              u"Error Sorting"_s, MsgIcon::None);
            return;
        }
        if (mnuMetric->isChecked())
            SetMetricLabels();
        else
            SetEnglishLabels();
        using Formula = void (frmMainLog::*)();
        const std::array<Formula, 6> formulas = {&frmMainLog::FormulaDen, &frmMainLog::FormulaLeng,
                                                 &frmMainLog::FormulaPC,  &frmMainLog::FormulaTally,
                                                 &frmMainLog::FormulaVol, &frmMainLog::FormulaWt};
        const std::array<QAction*, 6> items = formulaItems();
        bool ran = false;
        for (std::size_t f = 0; f < 6 && !ran; ++f) {
            if (items[f]->isChecked()) {
                (this->*formulas[f])();
                ran = true;
            }
        }
        if (!ran)
            prompts().message(u"Please select a formula from the drop-down menu above."_s,
                              u"Error"_s, MsgIcon::None);
        cmdSummaryStatistics->setEnabled(true);
        setStatus(u"Status: Data sorted"_s);
    });
}

void frmMainLog::cmdSort1_Click() {
    DataSheetIndex = 1;
    SortDefault();
}
void frmMainLog::cmdSort2_Click() {
    DataSheetIndex = 2;
    SortDefault();
}
void frmMainLog::cmdSort3_Click() {
    DataSheetIndex = 3;
    SortDefault();
}
void frmMainLog::cmdSort4_Click() {
    DataSheetIndex = 4;
    SortDefault();
}

} // namespace vernalt
