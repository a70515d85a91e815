// The snag window's error traps: the common error report with the window's tag,
// and the message of a database that cannot be opened for updating.
#pragma once

#include "platform/errors.h"
#include "platform/prompts.h"

#include <QString>
#include <utility>

namespace vernalt {

// "Cannot open the database for updating.  It may be set as read-only.", titled
// "Open database error", critical icon.
void reportReadOnlyDatabase(Prompts& prompts);

// Runs a procedure body under the trap of a procedure that opens the database:
// error 3051 shows reportReadOnlyDatabase, any other run-time error the common
// error report tagged " - Snag Procedure '<procedure>'". True on a clean run.
template <class F> bool trappedOpenDatabase(Prompts& prompts, const QString& procedure, F&& body) {
    try {
        std::forward<F>(body)();
        return true;
    } catch (const RuntimeError& e) {
        if (e.number() == err::DbReadOnly)
            reportReadOnlyDatabase(prompts);
        else
            errorReport(prompts, e, snagProcedure(procedure));
        return false;
    }
}

} // namespace vernalt
