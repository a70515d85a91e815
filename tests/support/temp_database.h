// A database file of its own in a temporary folder for one test.
#pragma once

#include "platform/database.h"

#include <QTemporaryDir>

namespace vernalt::test {

class TempDatabase {
public:
    TempDatabase() { db::setPath(dir_.filePath(QStringLiteral("dataset.db"))); }
    ~TempDatabase() { db::close(); }
    QString folder() const { return dir_.path(); }
    QString file() const { return dir_.filePath(QStringLiteral("dataset.db")); }

private:
    QTemporaryDir dir_;
};

} // namespace vernalt::test
