// Texts in tests: a QString shows as text in a failure message, and a grid
// reads as the texts of its cells.
#pragma once

#include "platform/grid.h"

#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace vernalt::test {

// The texts of every cell of a grid, row by row, the cells of a row joined by "|".
inline QStringList gridTexts(const Grid* g) {
    QStringList rows;
    for (int r = 0; r < g->rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < g->cols(); ++c)
            cells << g->text(r, c);
        rows << cells.join(u'|');
    }
    return rows;
}

} // namespace vernalt::test
