// The shape of a comma-separated data file, as both analysis windows read it:
// lines ended by LF, CRLF or CR (a UTF-8 byte-order mark at the start ignored),
// header lines that begin with "stratum" in any case, header names cleaned into
// column names, fields split at every comma (there is no quoting convention),
// trimmed of spaces, and the numeric test of a field. Everything works on the
// file's bytes, read in pieces, so a file of a million lines is read without a
// string per line and without holding the whole file.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace vernalt::data {

// The lines of a file's contents. LF, CRLF and CR each end a line; the end of
// the contents ends the last line (a final line end adds no empty line). A
// UTF-8 byte-order mark at the very start is not part of the first line.
class LineReader {
  public:
    explicit LineReader(QByteArrayView contents);
    // The next line, without its line end; false after the last one.
    bool next(QByteArrayView& line);
    // The number of the line returned last (1 for the first).
    qsizetype lineNumber() const { return number_; }

  private:
    const char* pos_;
    const char* end_;
    qsizetype number_ = 0;
};

// The lines of a file, read in pieces (a file of any size costs one piece of
// memory), with the same line ends and byte-order mark as LineReader. A line
// stays valid until the next call of next(). A file that cannot be read raises
// 53 (file not found) or 75 (path/file access error).
class FileLineReader {
  public:
    explicit FileLineReader(const QString& path, qsizetype pieceSize = 1 << 20);
    ~FileLineReader();
    FileLineReader(const FileLineReader&) = delete;
    FileLineReader& operator=(const FileLineReader&) = delete;
    bool next(QByteArrayView& line);

  private:
    bool fill(); // moves the unread bytes to the front and reads more; false at the end
    struct File;
    std::unique_ptr<File> file_;
    QByteArray buffer_;
    qsizetype pos_ = 0, end_ = 0;
    bool atEnd_ = false;
    bool first_ = true;
};

// A header line: its first seven characters, in any case, are "stratum".
bool isHeaderLine(QByteArrayView line);

// The fields of a line: split at every comma, so "1,,3" gives "1", "", "3" and
// ",,," gives four empty fields. The fields keep their blanks and quotes.
void splitFields(QByteArrayView line, std::vector<QByteArrayView>& fields);
QStringList splitHeader(QByteArrayView line); // the same, as texts

// The field without the spaces at either end.
QByteArrayView trimSpaces(QByteArrayView field);

// The column a header name stands for: spaces at either end removed, every "("
// and ")" removed, every "%" written "Percent". "%Cover(1)" gives "PercentCover1",
// "Length (m)" gives "Length m".
QString cleanColumnName(const QString& name);

// The numeric test and reading of a whole field, the same as isNumeric() and
// toDouble() of the platform (blanks around it, a sign, digits with one decimal
// point, an exponent e, E, d or D with digits): true and the number in `out`
// when the field is numeric, false otherwise (a number too large for a double
// is not numeric).
bool readNumber(QByteArrayView field, double& out);

// The text of a field: UTF-8, or Latin-1 when the bytes are not valid UTF-8.
QString fieldText(QByteArrayView field);

// The same line with every double quote removed.
QByteArray withoutQuotes(QByteArrayView line);

} // namespace vernalt::data
