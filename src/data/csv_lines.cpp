#include "data/csv_lines.h"

#include "platform/errors.h"
#include "platform/value.h"

#include <QFile>

#include <QStringDecoder>
#include <algorithm>
#include <charconv>
#include <cstring>

using namespace Qt::StringLiterals;

namespace vernalt::data {

LineReader::LineReader(QByteArrayView contents)
    : pos_(contents.data()), end_(contents.data() + contents.size()) {
    if (contents.startsWith("\xEF\xBB\xBF"))
        pos_ += 3;
}

bool LineReader::next(QByteArrayView& line) {
    if (pos_ >= end_)
        return false;
    const char* p = pos_;
    // Most lines end in LF: find it, then look for an earlier CR.
    const auto* lf = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end_ - p)));
    const char* stop = lf ? lf : end_;
    const auto* cr = static_cast<const char*>(std::memchr(p, '\r', std::size_t(stop - p)));
    if (cr) {
        line = QByteArrayView(p, cr - p);
        pos_ = (cr + 1 < end_ && cr[1] == '\n') ? cr + 2 : cr + 1;
    } else {
        line = QByteArrayView(p, stop - p);
        pos_ = lf ? lf + 1 : end_;
    }
    ++number_;
    return true;
}

struct FileLineReader::File {
    QFile file;
};

FileLineReader::FileLineReader(const QString& path, qsizetype pieceSize)
    : file_(std::make_unique<File>()) {
    constexpr int FileNotFound = 53;
    constexpr int FileAccessError = 75;
    file_->file.setFileName(path);
    if (!file_->file.exists())
        raise(FileNotFound, u"File not found: '"_s + path + u"'"_s);
    if (!file_->file.open(QIODevice::ReadOnly))
        raise(FileAccessError, u"Path/File access error: '"_s + path + u"'"_s);
    buffer_.resize(std::max<qsizetype>(pieceSize, 4));
}

FileLineReader::~FileLineReader() = default;

bool FileLineReader::fill() {
    if (atEnd_)
        return false;
    const qsizetype rest = end_ - pos_;
    if (pos_ > 0 && rest > 0)
        std::memmove(buffer_.data(), buffer_.constData() + pos_, std::size_t(rest));
    pos_ = 0;
    end_ = rest;
    if (end_ == buffer_.size()) // a line longer than the piece: a larger piece
        buffer_.resize(buffer_.size() * 2);
    const qint64 n = file_->file.read(buffer_.data() + end_, buffer_.size() - end_);
    if (n < 0)
        raise(75, u"Path/File access error: '"_s + file_->file.fileName() + u"'"_s);
    if (n == 0) {
        atEnd_ = true;
        return false;
    }
    end_ += qsizetype(n);
    if (first_) {
        if (end_ < 3 && fill()) // the mark may be split across reads of a pipe
            return true;
        first_ = false;
        if (QByteArrayView(buffer_.constData(), end_).startsWith("\xEF\xBB\xBF"))
            pos_ = 3;
    }
    return true;
}

bool FileLineReader::next(QByteArrayView& line) {
    for (;;) {
        const char* b = buffer_.constData();
        const char* p = b + pos_;
        const char* end = b + end_;
        // A line is complete at a LF, or at a CR whose next byte is known.
        const auto* lf = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)));
        const char* stop = lf ? lf : end;
        const auto* cr = static_cast<const char*>(std::memchr(p, '\r', std::size_t(stop - p)));
        if (cr && (cr + 1 < end || atEnd_)) {
            line = QByteArrayView(p, cr - p);
            pos_ = (cr + 1 < end && cr[1] == '\n') ? cr + 2 - b : cr + 1 - b;
            return true;
        }
        if (!cr && lf) {
            line = QByteArrayView(p, lf - p);
            pos_ = lf + 1 - b;
            return true;
        }
        if (atEnd_) {
            if (pos_ >= end_)
                return false;
            line = QByteArrayView(p, end - p); // the last line, without a line end
            pos_ = end_;
            return true;
        }
        fill();
    }
}

bool isHeaderLine(QByteArrayView line) {
    static constexpr char word[] = "stratum";
    if (line.size() < 7)
        return false;
    for (int i = 0; i < 7; ++i) {
        char c = line[i];
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        if (c != word[i])
            return false;
    }
    return true;
}

void splitFields(QByteArrayView line, std::vector<QByteArrayView>& fields) {
    fields.clear();
    const char* p = line.data();
    const char* end = p + line.size();
    for (;;) {
        const auto* comma = static_cast<const char*>(std::memchr(p, ',', std::size_t(end - p)));
        if (!comma) {
            fields.emplace_back(p, end - p);
            return;
        }
        fields.emplace_back(p, comma - p);
        p = comma + 1;
    }
}

QStringList splitHeader(QByteArrayView line) {
    std::vector<QByteArrayView> fields;
    splitFields(line, fields);
    QStringList names;
    names.reserve(qsizetype(fields.size()));
    for (QByteArrayView f : fields)
        names << fieldText(f);
    return names;
}

QByteArrayView trimSpaces(QByteArrayView field) {
    qsizetype b = 0, e = field.size();
    while (b < e && field[b] == ' ')
        ++b;
    while (e > b && field[e - 1] == ' ')
        --e;
    return field.sliced(b, e - b);
}

QString cleanColumnName(const QString& name) {
    QString s = name;
    // Only spaces are trimmed, as the program has always done.
    qsizetype b = 0, e = s.size();
    while (b < e && s[b] == u' ')
        ++b;
    while (e > b && s[e - 1] == u' ')
        --e;
    s = s.mid(b, e - b);
    s.remove(u'(');
    s.remove(u')');
    s.replace(u'%', u"Percent"_s);
    return s;
}

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The usual field: blanks, an optional sign, digits with at most one point, blanks;
// nothing else. Returns false (without deciding) for anything it does not handle.
bool readPlainNumber(QByteArrayView field, double& out, bool& decided) {
    decided = false;
    const char* p = field.data();
    const char* end = p + field.size();
    while (p < end && isBlank(*p))
        ++p;
    while (end > p && isBlank(end[-1]))
        --end;
    if (p == end) {
        decided = true; // blanks only: not a number
        return false;
    }
    char buf[48];
    int n = 0;
    if (*p == '+' || *p == '-') {
        if (*p == '-')
            buf[n++] = '-';
        ++p;
    }
    bool digits = false, point = false;
    for (; p < end; ++p) {
        const char c = *p;
        if (isDigit(c)) {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            // An exponent, blanks inside, a second point: the general reading decides.
            if (c == 'e' || c == 'E' || c == 'd' || c == 'D' || isBlank(c))
                return false;
            decided = true;
            return false;
        }
        if (n == int(sizeof buf))
            return false; // a very long number: the general reading
        buf[n++] = c;
    }
    decided = true;
    if (!digits)
        return false;
    const auto [ptr, ec] = std::from_chars(buf, buf + n, out);
    if (ec != std::errc() || ptr != buf + n) {
        decided = false;
        return false;
    }
    if (out == 0)
        out = 0.0; // never -0
    return true;
}

} // namespace

bool readNumber(QByteArrayView field, double& out) {
    bool decided = false;
    if (readPlainNumber(field, out, decided))
        return true;
    if (decided)
        return false;
    const QString text = QString::fromLatin1(field);
    if (!isNumeric(text))
        return false;
    out = toDouble(text);
    return true;
}

QString fieldText(QByteArrayView field) {
    bool ascii = true;
    for (char c : field)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return QString::fromLatin1(field);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(field);
    if (utf8.hasError())
        return QString::fromLatin1(field);
    return text;
}

QByteArray withoutQuotes(QByteArrayView line) {
    QByteArray out;
    out.reserve(line.size());
    for (char c : line)
        if (c != '"')
            out.append(c);
    return out;
}

} // namespace vernalt::data
