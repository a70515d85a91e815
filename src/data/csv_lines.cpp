#include "data/csv_lines.h"

#include "platform/value.h"

#include <QStringDecoder>
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
