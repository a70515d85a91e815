#include "log/log_records.h"

#include "platform/database.h"
#include "platform/errors.h"
#include "shell/cleaning.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

bool isNoValue(const Value& v) {
    return v.isNull() || v.isEmpty() || (v.isText() && v.text().isEmpty());
}

// The display rounding of a number; a whole number (most fields) is its own.
double roundedNumber(double x) {
    if (x == 0)
        return 0; // never -0
    if (std::abs(x) < 1e15 && std::trunc(x) == x)
        return x;
    return displayRound(x);
}

} // namespace

LogRecords::LogRecords(const QString& sql) : rows_(sql) {
    const int n = rows_.columnCount();
    for (int i = 0; i < n; ++i)
        names_ << rows_.columnName(i);
    raw_.resize(std::size_t(n));
    cleaned_.resize(std::size_t(n));
    lastBytes_.resize(std::size_t(n));
}

int LogRecords::position(const QString& name) const {
    for (int i = 0; i < names_.size(); ++i)
        if (names_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool LogRecords::next() {
    using Kind = db::ReadCursor::Kind;
    if (!rows_.next())
        return false;
    for (std::size_t i = 0; i < raw_.size(); ++i) {
        const int c = int(i);
        switch (rows_.kind(c)) {
        case Kind::Null:
            raw_[i] = cleaned_[i] = Value::null();
            break;
        case Kind::Number: {
            const double x = rows_.number(c);
            raw_[i] = Value(x);
            cleaned_[i] = Value(roundedNumber(x));
            break;
        }
        case Kind::Text: {
            const QByteArrayView text = rows_.utf8(c);
            if (raw_[i].isText() && lastBytes_[i] == text)
                break; // the same text as the record before: raw and cleaned stand
            lastBytes_[i] = text.toByteArray();
            const QString t = QString::fromUtf8(text);
            raw_[i] = Value(t);
            auto it = texts_.constFind(t);
            if (it == texts_.constEnd()) {
                if (texts_.size() > 100000)
                    texts_.clear();
                it = texts_.insert(t, CleanRound(Value(t)));
            }
            cleaned_[i] = *it;
            break;
        }
        }
    }
    return true;
}

const Value& LogRecords::raw(int i) const {
    if (i < 0 || i >= int(raw_.size()))
        vernalt::raise(3265, u"Item not found in this collection."_s);
    return raw_[std::size_t(i)];
}

const Value& LogRecords::cleaned(int i) const {
    raw(i);
    return cleaned_[std::size_t(i)];
}

Value LogRecords::nzZero(int i) const {
    return isNoValue(raw(i)) ? Value(0) : cleaned(i);
}

Value LogRecords::nzMissing(int i) const {
    return isNoValue(raw(i)) ? Value(MissingValue) : cleaned(i);
}

} // namespace vernalt
