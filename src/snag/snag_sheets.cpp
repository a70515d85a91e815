// The five data sheets of the snag window: their queries and grids, and the
// records of sheet 0 ("Single/Combined").
#include "snag/frmMainSnag.h"

#include "data/sheet_queries.h"
#include "platform/errors.h"
#include "platform/prompts.h"

using namespace Qt::StringLiterals;

namespace vernalt {

void frmMainSnag::ConnectDataSet() {
    trapped(prompts(), snagProcedure(u"ConnectDataSet"_s), [this] {
        const std::array<int, 5> counts = data::snagSheetCounts();
        const QString format = data::snagSheetFormat(WidthTexts);
        for (std::size_t k = 0; k < 5; ++k) {
            datDataSet[k].RecordSource = data::snagSheetQuery(isMetric(), int(k));
            GridModel& g = *grdStratum[k]->grid();
            g.setFixedCols(0);
            g.clear();
            const int rows = counts[k] + 1;
            g.setRows(rows);
            if (rows > 1)
                g.setFixedRows(1);
            g.setFormatString(format);
        }
    });
}

void frmMainSnag::FillSingleTab() {
    trapped(prompts(), snagProcedure(u"FillSingleTab"_s), [this] {
        ConnectDataSet();
        if (datDataSet[0].RecordSource.isEmpty())
            return;
        skipOn({err::Overflow, err::DivisionByZero}, [this] {
            // The records of datDataSet(0)'s query, in its order.
            data::fillSnagSheet(*grdStratum[0]->grid(), isMetric(), 0);
        });
    });
}

} // namespace vernalt
