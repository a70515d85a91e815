// Run-time errors: an exception carrying the error number and description the
// user sees, checked arithmetic that raises them, the skip-on-error helper and
// the common error report.
#pragma once

#include <QString>
#include <initializer_list>
#include <stdexcept>
#include <utility>

namespace vernalt {

class Prompts;

// Error numbers the program reacts to.
namespace err {
inline constexpr int InvalidCall = 5;         // "Invalid procedure call or argument"
inline constexpr int Overflow = 6;            // "Overflow"
inline constexpr int SubscriptRange = 9;      // "Subscript out of range"
inline constexpr int DivisionByZero = 11;     // "Division by zero"
inline constexpr int TypeMismatch = 13;       // "Type mismatch"
inline constexpr int InvalidNull = 94;        // "Invalid use of Null"
inline constexpr int ObjectNotSet = 91;       // "Object variable or With block variable not set"
inline constexpr int DbReadOnly = 3051;       // the database cannot be opened for updating
inline constexpr int DbUnknownField = 3127;   // a field name that the table lacks
inline constexpr int DbLocked = 3261;         // the database is in use elsewhere
inline constexpr int DbCannotOpen = 3044;     // the database file cannot be opened at all
inline constexpr int DbGeneral = 3146;        // any other database failure
inline constexpr int DialogCancelled = 32755; // the user cancelled a common dialog
} // namespace err

// The standard description of an error number ("Overflow" for 6); "Application-defined
// or object-defined error" for numbers it does not know.
QString errorDescription(int number);

class RuntimeError : public std::runtime_error {
  public:
    explicit RuntimeError(int number);
    RuntimeError(int number, const QString& description);
    int number() const { return number_; }
    const QString& description() const { return description_; }

  private:
    int number_;
    QString description_;
};

[[noreturn]] void raise(int number);
[[noreturn]] void raise(int number, const QString& description);

// Arithmetic that raises where IEEE arithmetic would silently give inf or NaN:
// x/0 raises 11, 0/0 and every infinite or NaN result raise 6, the square root
// of a negative raises 5.
namespace checked {
double add(double a, double b);
double sub(double a, double b);
double mul(double a, double b);
double div(double a, double b);
double sqrt(double x);
double pow(double x, double y);
double result(double x); // raises 6 if x is inf or NaN, else returns x
} // namespace checked

// Runs one statement; a RuntimeError whose number is in `skip` is swallowed (the
// statement is skipped, returns false); any other error propagates. Returns true
// when the statement ran to its end.
template <class F> bool skipOn(std::initializer_list<int> skip, F&& statement) {
    try {
        statement();
        return true;
    } catch (const RuntimeError& e) {
        for (int n : skip)
            if (n == e.number())
                return false;
        throw;
    }
}

// The tags the error reports end with.
QString snagProcedure(const QString& name); // " - Snag Procedure '<name>'"
QString logProcedure(const QString& name);  // " - Log Procedure '<name>'"
QString snagFunction(const QString& name);  // " - Snag Function '<name>'"
QString logFunction(const QString& name);   // " - Log Function '<name>'"

// The common error report: message "<number> : <description><tag>", title
// "Error", exclamation icon, OK button. A database file that cannot be used
// (3044, 3261) is reported instead as db::fileProblem() says, critical icon.
void errorReport(Prompts& prompts, const RuntimeError& e, const QString& tag);
// The same for a command that saves its results in the database: a file held by
// another program (3261) is reported as results not saved.
void saveErrorReport(Prompts& prompts, const RuntimeError& e, const QString& tag);
using ErrorReport = void (*)(Prompts&, const RuntimeError&, const QString&);
// Runs a procedure body under a trap: a RuntimeError is shown by `report`
// (errorReport unless given) with the tag and gives false; a clean run gives true.
template <class F>
bool trapped(Prompts& prompts, const QString& tag, F&& body, ErrorReport report = &errorReport) {
    try {
        body();
        return true;
    } catch (const RuntimeError& e) {
        report(prompts, e, tag);
        return false;
    }
}
// trapped() for a command that saves its results: reports with saveErrorReport.
template <class F> bool trappedSave(Prompts& prompts, const QString& tag, F&& body) {
    return trapped(prompts, tag, std::forward<F>(body), &saveErrorReport);
}

} // namespace vernalt
