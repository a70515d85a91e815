// Texts in tests: a QString shows as text in a failure message; the helpers
// gather the texts of labels, boxes, grid rows, grid columns and whole grids;
// expectShown compares texts with a line of words, so that a worked case fits on
// one line: "_" stands for an empty text, "*" for any text, "|" only separates
// groups, and texts past the last word are not checked.
#pragma once

#include "platform/grid.h"

#include <QStringList>
#include <gtest/gtest.h>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace vernalt::test {

inline void expectShown(const QStringList& shown, const char* words) {
    QStringList want = QString::fromLatin1(words).split(u' ', Qt::SkipEmptyParts);
    want.removeAll(QStringLiteral("|"));
    ASSERT_LE(want.size(), shown.size()) << words;
    for (qsizetype i = 0; i < want.size(); ++i)
        EXPECT_TRUE(want[i] == u'*' || shown[i] == (want[i] == u'_' ? QString() : want[i]))
            << words << ", word " << i << " shows \"" << shown[i].toStdString() << '"';
}

// The texts of labels or boxes.
template <class... W> QStringList textsOf(const W*... widgets) {
    return {widgets->text()...};
}
// The texts of an array of texts.
template <class A> QStringList listOf(const A& texts) {
    return QStringList(texts.begin(), texts.end());
}
// Row r of a grid, columns `from` to `to`.
template <class G> QStringList rowOf(const G& grid, int r, int from, int to) {
    QStringList out;
    for (int c = from; c <= to; ++c)
        out << grid.text(r, c);
    return out;
}
// Column c of a grid, rows `from` to `to`.
template <class G> QStringList columnOf(const G& grid, int c, int from, int to) {
    QStringList out;
    for (int r = from; r <= to; ++r)
        out << grid.text(r, c);
    return out;
}
// Every row of a grid, the cells of a row joined by "|".
inline QStringList gridTexts(const Grid* g) {
    QStringList rows;
    for (int r = 0; r < g->rows(); ++r)
        rows << rowOf(*g, r, 0, g->cols() - 1).join(u'|');
    return rows;
}

} // namespace vernalt::test
