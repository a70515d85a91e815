#include "log/log_records.h"

#include "platform/database.h"
#include "platform/errors.h"
#include "shell/cleaning.h"

#include <QSqlDriver>
#include <QVariant>
#include <cmath>
#include <sqlite3.h>

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

sqlite3_stmt* stmt(void* s) {
    return static_cast<sqlite3_stmt*>(s);
}

} // namespace

LogRecords::LogRecords(const QString& sql) {
    const QVariant h = db::connection().driver()->handle();
    if (qstrcmp(h.typeName(), "sqlite3*") == 0)
        handle_ = *static_cast<sqlite3* const*>(h.constData());
    if (!handle_)
        vernalt::raise(err::DbGeneral, u"The database driver gives no access to SQLite."_s);
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* s = nullptr;
    const int rc = sqlite3_prepare_v2(static_cast<sqlite3*>(handle_), text.constData(),
                                      int(text.size()), &s, nullptr);
    statement_ = s;
    check(rc);
    const int n = sqlite3_column_count(s);
    for (int i = 0; i < n; ++i)
        names_ << QString::fromUtf8(sqlite3_column_name(s, i));
    raw_.resize(std::size_t(n));
    cleaned_.resize(std::size_t(n));
    lastBytes_.resize(std::size_t(n));
}

LogRecords::~LogRecords() {
    sqlite3_finalize(stmt(statement_));
}

void LogRecords::check(int rc) const {
    if (rc == SQLITE_OK)
        return;
    const QString message = QString::fromUtf8(sqlite3_errmsg(static_cast<sqlite3*>(handle_)));
    const int primary = rc & 0xff;
    vernalt::raise(primary == SQLITE_BUSY || primary == SQLITE_LOCKED ? err::DbLocked
                                                                      : err::DbGeneral,
                   message);
}

int LogRecords::position(const QString& name) const {
    for (int i = 0; i < names_.size(); ++i)
        if (names_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool LogRecords::next() {
    sqlite3_stmt* s = stmt(statement_);
    const int rc = sqlite3_step(s);
    if (rc == SQLITE_DONE)
        return false;
    if (rc != SQLITE_ROW)
        check(rc);
    for (std::size_t i = 0; i < raw_.size(); ++i) {
        const int c = int(i);
        switch (sqlite3_column_type(s, c)) {
        case SQLITE_NULL:
            raw_[i] = cleaned_[i] = Value::null();
            break;
        case SQLITE_INTEGER:
        case SQLITE_FLOAT: {
            const double x = sqlite3_column_double(s, c);
            raw_[i] = Value(x);
            cleaned_[i] = Value(roundedNumber(x));
            break;
        }
        default: {
            const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(s, c));
            const QByteArrayView text(bytes, sqlite3_column_bytes(s, c));
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
