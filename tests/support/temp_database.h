// A database file of its own in a temporary folder for one test, and another
// program's connection to a database file.
#pragma once

#include "platform/database.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace vernalt::test {

struct TempDatabase {
    TempDatabase() { db::setPath(file()); }
    ~TempDatabase() { db::close(); }
    QString folder() const { return dir.path(); }
    QString file() const { return dir.filePath(QStringLiteral("dataset.db")); }
    QTemporaryDir dir;
};

// How another program holds the database file inside a transaction.
enum class Holding {
    Reading, // it has read: this program's BEGIN works and its COMMIT fails
    Writing, // it has begun to write: this program's BEGIN fails
    Owning,  // it holds the file: this program cannot even read it
};

// Another program using the database file `file` while the program has it open:
// it holds the file or changes it. Whatever it began is rolled back when it goes.
class OtherProgram {
  public:
    explicit OtherProgram(const QString& file)
        : name_(QStringLiteral("other-program-%1").arg(++count())) {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        d.setDatabaseName(file);
        d.open();
    }
    ~OtherProgram() {
        {
            QSqlDatabase d = QSqlDatabase::database(name_, false);
            if (d.isOpen()) {
                QSqlQuery(d).exec(QStringLiteral("ROLLBACK"));
                d.close();
            }
        }
        QSqlDatabase::removeDatabase(name_);
    }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    // Runs one statement; false, with the reason in error(), when it fails or
    // the file could not be opened.
    bool exec(const QString& sql) {
        QSqlQuery q(QSqlDatabase::database(name_, false));
        const bool ok = q.exec(sql);
        error_ = ok ? QString() : q.lastError().text();
        return ok;
    }
    const QString& error() const { return error_; }

    // Begins a transaction that holds the file as `how` says; false when it fails.
    bool hold(Holding how) {
        switch (how) {
        case Holding::Reading:
            return exec(QStringLiteral("BEGIN")) &&
                   exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master"));
        case Holding::Writing:
            return exec(QStringLiteral("BEGIN IMMEDIATE"));
        case Holding::Owning:
            return exec(QStringLiteral("BEGIN EXCLUSIVE"));
        }
        return false;
    }
    bool release() { return exec(QStringLiteral("ROLLBACK")); }

  private:
    static int& count() {
        static int n = 0;
        return n;
    }
    QString name_, error_;
};

// What a command that saves its results says when another program holds the
// database file `file`.
inline QString notSavedMessage(const QString& file) {
    return QStringLiteral("The database file\n") + file +
           QStringLiteral("\nis in use by another program, so the results of this command were "
                          "not saved: the database is unchanged.\n\nClose the other program (or "
                          "the other copy of Vernalt), then run the command again.");
}

} // namespace vernalt::test
