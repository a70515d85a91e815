// Writes records straight into a data sheet of the snag window, laid out as the
// sheet's query shows them (23 columns, width titles from WidthTexts), for tests
// that start after the import and the width marks.
#pragma once

#include "snag/frmMainSnag.h"

#include <QString>
#include <array>
#include <vector>

namespace vernalt::test {

// Stratum, transect, section, segment, subsegment and the four width flags, as
// the cells' texts ("" for an empty cell).
using SheetRecord = std::array<const char*, 9>;

inline QString sheetFormat(const std::array<QString, 4>& widths) {
    return QStringLiteral("^Stratum|^Location|^Transect|^Section|^Segment|^Subsegment|^Width") +
           widths[0] + QStringLiteral("|^Width") + widths[1] + QStringLiteral("|^Width") +
           widths[2] + QStringLiteral("|^Width") + widths[3] +
           QStringLiteral("|^Distance|^Species|^Class|^DBH|^Height|^Cavity|^Forage|^Qualifying|"
                          "^Forest|^District|^Subwatershed|^Observer|^Date");
}

inline void fillSheet(frmMainSnag& w, int sheet, const std::vector<SheetRecord>& records) {
    GridModel& g = *w.grdStratum[std::size_t(sheet)]->grid();
    g.clear();
    g.setFixedCols(0);
    g.setFormatString(sheetFormat(w.WidthTexts));
    g.fillRows(int(records.size()) + 1, [&](int r) {
        const SheetRecord& rec = records[std::size_t(r - 1)];
        const int cols[9] = {0, 2, 3, 4, 5, 6, 7, 8, 9};
        for (int i = 0; i < 9; ++i)
            g.setText(r, cols[i], QString::fromLatin1(rec[std::size_t(i)]));
        g.setText(r, 1, QStringLiteral("Unit A"));
        g.setNumber(r, 13, 30); // DBH
    });
}

} // namespace vernalt::test
