// The records of a data sheet's query as the log analyses read them: straight
// from SQLite, one record at a time, each field kept as stored and as cleaned
// (CleanRound), so that a million records cost no QVariant per field.
#pragma once

#include "platform/database.h"
#include "platform/value.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace vernalt {

class LogRecords {
  public:
    // Runs the query; a failure raises the database error.
    explicit LogRecords(const QString& sql);
    LogRecords(const LogRecords&) = delete;
    LogRecords& operator=(const LogRecords&) = delete;

    int fieldCount() const { return int(names_.size()); }
    const QStringList& fieldNames() const { return names_; }
    // The position of the first field of that name in any case; -1 for none.
    int position(const QString& name) const;

    // Moves to the next record; false after the last.
    bool next();

    // The field as stored (a null for none); -1, a field the query lacks,
    // raises 3265 (item not found).
    const Value& raw(int i) const;
    // CleanRound of the field; a null stays null.
    const Value& cleaned(int i) const;
    // NzZero and NzMissing of the field.
    Value nzZero(int i) const;
    Value nzMissing(int i) const;

  private:
    db::ReadCursor rows_;
    QStringList names_;
    std::vector<Value> raw_, cleaned_;
    std::vector<QByteArray> lastBytes_; // per field: the last text read, as stored
    QHash<QString, Value> texts_;       // cleaned texts: a few species and places recur
};

} // namespace vernalt
