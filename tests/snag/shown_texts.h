// The texts a result shows, compared with a line of words so that a worked case
// fits on one line: "_" stands for an empty text, "*" for any text, "|" only
// separates groups, and texts past the last word are not checked. The helpers
// below gather the texts of labels, boxes, grid rows and grid columns.
#pragma once

#include "support/texts.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace vernalt::test {

inline void expectShown(const QStringList& shown, const char* words) {
    QStringList want = QString::fromLatin1(words).split(u' ', Qt::SkipEmptyParts);
    want.removeAll(QStringLiteral("|"));
    ASSERT_LE(want.size(), shown.size()) << words;
    for (qsizetype i = 0; i < want.size(); ++i) {
        if (want[i] == u'*')
            continue;
        EXPECT_EQ(shown[i].toStdString(), want[i] == u'_' ? std::string() : want[i].toStdString())
            << words << ", word " << i;
    }
}

// The inputs of a worked case, "|" between them, each kept as written.
inline QStringList fields(const char* line) {
    return QString::fromLatin1(line).split(u'|');
}
// The texts of labels or boxes.
template <class... W> QStringList textsOf(const W*... widgets) {
    return {widgets->text()...};
}
// The texts of an array of texts, or of boxes or labels.
template <class A> QStringList listOf(const A& texts) {
    QStringList out;
    for (const auto& t : texts) {
        if constexpr (std::is_pointer_v<std::decay_t<decltype(t)>>)
            out << t->text();
        else
            out << t;
    }
    return out;
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

} // namespace vernalt::test
