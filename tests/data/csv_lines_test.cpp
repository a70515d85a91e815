// The shape of a data file: line ends, header lines, field splitting, column
// names and the numeric test of a field.
#include "data/csv_lines.h"
#include "platform/value.h"
#include "support/error_of.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

std::vector<QByteArray> linesOf(QByteArrayView contents) {
    data::LineReader r(contents);
    std::vector<QByteArray> out;
    QByteArrayView line;
    while (r.next(line))
        out.push_back(line.toByteArray());
    return out;
}

struct LinesCase {
    const char* name;
    QByteArray contents;
    std::vector<QByteArray> lines;
};

std::vector<LinesCase> cases() {
    return {
        {"LF", "a,1\nb,2\n", {"a,1", "b,2"}},
        {"CRLF", "a,1\r\nb,2\r\n", {"a,1", "b,2"}},
        {"CR", "a,1\rb,2\r", {"a,1", "b,2"}},
        {"no end on the last line", "a,1\nb,2", {"a,1", "b,2"}},
        {"mixed ends", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"empty lines stay lines", "a\n\nb\r\n\r\nc\r\rd", {"a", "", "b", "", "c", "", "d"}},
        {"LF then CR is two ends", "a\n\rb", {"a", "", "b"}},
        {"empty contents", "", {}},
        {"a lone line end", "\n", {""}},
        {"byte-order mark skipped", "\xEF\xBB\xBFSTRATUM\n1", {"STRATUM", "1"}},
        {"byte-order mark only", "\xEF\xBB\xBF", {}},
        {"a mark later is data", "a\n\xEF\xBB\xBF", {"a", "\xEF\xBB\xBF"}},
        {"a CR at the end", "ab\r", {"ab"}},
        {"long lines", "STRATUM,TRANSECT,DBH\r\n1,2,3\r\n", {"STRATUM,TRANSECT,DBH", "1,2,3"}},
        {"a line longer than any piece",
         "a\r\n" + QByteArray(1000, 'x') + "\r\nb",
         {"a", QByteArray(1000, 'x'), "b"}},
    };
}

TEST(CsvLines, LineEnds) {
    for (const LinesCase& c : cases())
        EXPECT_EQ(linesOf(c.contents), c.lines) << c.name;
}

// The same lines read from a file in pieces of every small size, so that line
// ends, a CR LF pair and the byte-order mark fall across the pieces' edges.
TEST(CsvLines, FileLinesReadInPieces) {
    QTemporaryDir dir;
    for (const LinesCase& c : cases()) {
        const QString path = dir.filePath(u"lines.csv"_s);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.contents);
        f.close();
        for (qsizetype piece : {4, 5, 6, 7, 64}) {
            data::FileLineReader r(path, piece);
            std::vector<QByteArray> lines;
            QByteArrayView line;
            while (r.next(line))
                lines.push_back(line.toByteArray());
            EXPECT_EQ(lines, c.lines) << c.name << ", pieces of " << piece;
        }
    }
}

TEST(CsvLines, LineNumbersCountEveryLine) {
    EXPECT_EQ(errorOf([] { data::FileLineReader r(u"/nonexistent/none.csv"_s); }), 53)
        << "a file that is not there";
    data::LineReader r("x\r\n\r\ny");
    QByteArrayView line;
    ASSERT_TRUE(r.next(line));
    ASSERT_TRUE(r.next(line));
    ASSERT_TRUE(r.next(line));
    EXPECT_EQ(line, "y");
    EXPECT_EQ(r.lineNumber(), 3);
    EXPECT_FALSE(r.next(line));
}

TEST(CsvLines, HeaderLineBeginsWithStratumInAnyCase) {
    const struct {
        const char* line;
        bool header;
    } cases[] = {
        {"STRATUM,TRANSECT", true}, {"Stratum", true},   {"sTrAtUm,x", true},
        {"stratumless", true},      {"stratu", false},   {" STRATUM", false},
        {"\"STRATUM\"", false},     {"STRATA,1", false}, {"", false},
        {"1,STRATUM", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(data::isHeaderLine(c.line), c.header) << c.line;
}

TEST(CsvLines, FieldsSplitAtEveryComma) {
    const struct {
        const char* line;
        std::vector<QByteArray> fields;
    } cases[] = {
        {"1,,3", {"1", "", "3"}},  {",,,", {"", "", "", ""}},          {"", {""}}, {"abc", {"abc"}},
        {" 1 , 2", {" 1 ", " 2"}}, {"\"a,b\",c", {"\"a", "b\"", "c"}}, // no quoting convention
        {"1,2,", {"1", "2", ""}},
    };
    std::vector<QByteArrayView> fields;
    for (const auto& c : cases) {
        data::splitFields(c.line, fields);
        std::vector<QByteArray> got;
        for (QByteArrayView f : fields)
            got.push_back(f.toByteArray());
        EXPECT_EQ(got, c.fields) << c.line;
    }
    EXPECT_EQ(data::splitHeader("Stratum, Location ,%Cover(1)"),
              QStringList({u"Stratum"_s, u" Location "_s, u"%Cover(1)"_s}));
}

TEST(CsvLines, TrimRemovesSpacesOnly) {
    EXPECT_EQ(data::trimSpaces("  12.5 "), "12.5");
    EXPECT_EQ(data::trimSpaces("   "), "");
    EXPECT_EQ(data::trimSpaces("\t7\t"), "\t7\t");
    EXPECT_EQ(data::trimSpaces("a b"), "a b");
}

TEST(CsvLines, ColumnNamesFromHeaderNames) {
    const struct {
        QString name, column;
    } cases[] = {
        {u"%Cover(1)"_s, u"PercentCover1"_s},
        {u"  DBH "_s, u"DBH"_s},
        {u"Length (m)"_s, u"Length m"_s},
        {u"Percent Length"_s, u"Percent Length"_s},
        {u"%Length"_s, u"PercentLength"_s},
        {u"(%)"_s, u"Percent"_s},
        {u"()"_s, u""_s},
        {u""_s, u""_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(data::cleanColumnName(c.name), c.column) << c.name.toStdString();
}

TEST(CsvLines, NumericFieldsReadAsTheirNumber) {
    const struct {
        const char* field;
        double number;
    } cases[] = {
        {"12.5", 12.5},
        {" 3 ", 3},
        {"+4", 4},
        {"-2.25", -2.25},
        {".5", 0.5},
        {"5.", 5},
        {"007", 7},
        {"1e3", 1000},
        {"1E-2", 0.01},
        {"2d2", 200},
        {"1.5D+1", 15},
        {"\t8", 8},
        {"1e-400", 0},
        {"0.1", 0.1},
        {"123456789012345678901234567890123456789012345678901234567890", 1.2345678901234568e59},
    };
    for (const auto& c : cases) {
        double x = -99;
        EXPECT_TRUE(data::readNumber(c.field, x)) << c.field;
        EXPECT_EQ(x, c.number) << c.field;
    }
    double zero = 1;
    ASSERT_TRUE(data::readNumber("-0", zero));
    EXPECT_FALSE(std::signbit(zero)) << "never -0";
    for (const char* field :
         {"", "   ", "abc", "1.2.3", "1e", "1e+", "+", "-", ".", "1 2", "1,5", "$5", "\"3\"",
          "6/5/2024", "1e400", "--1", "+-1", "12ft", "\xC3\xBC"}) {
        double x = 0;
        EXPECT_FALSE(data::readNumber(field, x)) << field;
    }
}

TEST(CsvLines, NumericTestAgreesWithTheProgramsOwn) {
    for (const char* field : {"12.5", " 3 ", "1e3", "2d2", "1e", "1 2", ".", "-.5", "1e400",
                              "1e-400", "\t8\t", "abc", "", "+.e1", "0x10", "1.5e+07"}) {
        double x = 0;
        const QString text = QString::fromLatin1(field);
        ASSERT_EQ(data::readNumber(field, x), isNumeric(text)) << field;
        if (isNumeric(text)) {
            EXPECT_EQ(x, toDouble(text)) << field;
        }
    }
}

TEST(CsvLines, FieldTextIsUtf8OrLatin1AndQuotesCanBeRemoved) {
    EXPECT_EQ(data::fieldText("O'Neil"), u"O'Neil"_s);
    EXPECT_EQ(data::fieldText("M\xC3\xBCller"), u"M\u00FCller"_s);
    EXPECT_EQ(data::fieldText("M\xFCller"), u"M\u00FCller"_s) << "not UTF-8: read as Latin-1";
    EXPECT_EQ(data::withoutQuotes("\"STRATUM\",\"DBH\""), "STRATUM,DBH");
}

} // namespace
} // namespace vernalt::test
