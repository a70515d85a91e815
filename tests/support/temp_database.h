// A database file of its own in a temporary folder for one test.
#pragma once

#include "platform/database.h"

#include <QTemporaryDir>

namespace vernalt::test {

struct TempDatabase {
    TempDatabase() { db::setPath(file()); }
    ~TempDatabase() { db::close(); }
    QString folder() const { return dir.path(); }
    QString file() const { return dir.filePath(QStringLiteral("dataset.db")); }
    QTemporaryDir dir;
};

} // namespace vernalt::test
