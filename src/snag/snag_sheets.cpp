// The five data sheets of the snag window: their queries and grids, and the
// records of sheet 0 ("Single/Combined").
#include "snag/frmMainSnag.h"

#include "data/sheet_queries.h"
#include "platform/errors.h"
#include "platform/progress.h"
#include "platform/prompts.h"

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// Points sheets `from` to 4 at their queries and empties them, one row per
// record under their titles.
void connectSheets(frmMainSnag& w, std::size_t from, const std::array<int, 5>& counts) {
    const QString format = data::snagSheetFormat(w.WidthTexts);
    for (std::size_t k = from; k < 5; ++k) {
        w.datDataSet[k].RecordSource = data::snagSheetQuery(w.isMetric(), int(k));
        GridModel& g = *w.grdStratum[k]->grid();
        g.setFixedCols(0);
        g.clear();
        const int rows = counts[k] + 1;
        g.setRows(rows);
        if (rows > 1)
            g.setFixedRows(1);
        g.setFormatString(format);
    }
}

} // namespace

bool frmMainSnag::ConnectDataSet() {
    return trapped(prompts(), snagProcedure(u"ConnectDataSet"_s), [this] {
        Sheet0Records.forget();
        connectSheets(*this, 0, data::snagSheetCounts());
    });
}

void frmMainSnag::ConnectStratumSheets(const std::array<int, 5>& counts) {
    trapped(prompts(), snagProcedure(u"ConnectDataSet"_s),
            [&] { connectSheets(*this, 1, counts); });
}

void frmMainSnag::FillSingleTab() {
    trapped(prompts(), snagProcedure(u"FillSingleTab"_s), [this] {
        ConnectDataSet();
        if (datDataSet[0].RecordSource.isEmpty())
            return;
        skipOn({err::Overflow, err::DivisionByZero}, [this] {
            // The records of datDataSet(0)'s query, in its order.
            Progress progress(sbStatusPanel);
            data::fillSnagSheet(*grdStratum[0]->grid(), isMetric(), 0, &progress, &Sheet0Records);
        });
    });
}

} // namespace vernalt
