// Compares the texts a result shows with a line of words, so that a worked case
// fits on one line: "_" stands for an empty text, "*" for any text, "|" only
// separates groups, and texts past the last word are not checked.
#pragma once

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

} // namespace vernalt::test
