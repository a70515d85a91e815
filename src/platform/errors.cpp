#include "platform/errors.h"

#include "platform/database.h"
#include "platform/prompts.h"
#include "platform/value.h"

#include <cmath>

namespace vernalt {

namespace {

struct Description {
    int number;
    const char16_t* text;
};

// The descriptions the user sees, by error number.
constexpr Description descriptions[] = {
    {3, u"Return without GoSub"},
    {5, u"Invalid procedure call or argument"},
    {6, u"Overflow"},
    {7, u"Out of memory"},
    {9, u"Subscript out of range"},
    {10, u"This array is fixed or temporarily locked"},
    {11, u"Division by zero"},
    {13, u"Type mismatch"},
    {14, u"Out of string space"},
    {16, u"Expression too complex"},
    {17, u"Can't perform requested operation"},
    {20, u"Resume without error"},
    {28, u"Out of stack space"},
    {51, u"Internal error"},
    {52, u"Bad file name or number"},
    {53, u"File not found"},
    {54, u"Bad file mode"},
    {55, u"File already open"},
    {57, u"Device I/O error"},
    {58, u"File already exists"},
    {61, u"Disk full"},
    {62, u"Input past end of file"},
    {67, u"Too many files"},
    {68, u"Device unavailable"},
    {70, u"Permission denied"},
    {71, u"Disk not ready"},
    {75, u"Path/File access error"},
    {76, u"Path not found"},
    {91, u"Object variable or With block variable not set"},
    {94, u"Invalid use of Null"},
    {380, u"Invalid property value"},
    {381, u"Invalid property array index"},
    {424, u"Object required"},
    {482, u"Printer error"},
    {err::DbCannotOpen, u"The database file cannot be opened"},
    {err::DbReadOnly, u"The database cannot be opened for updating: it is read-only"},
    {err::DbUnknownField, u"The table has no field of that name"},
    {err::DbGeneral, u"Database error"},
    {err::DbLocked, u"The database is in use by another program"},
    {err::DialogCancelled, u"Cancel was selected."},
};

QString procedureTag(const char16_t* kind, const QString& name) {
    return QStringLiteral(" - ") + QString::fromUtf16(kind) + QStringLiteral(" '") + name +
           QStringLiteral("'");
}

} // namespace

QString errorDescription(int number) {
    for (const auto& d : descriptions)
        if (d.number == number)
            return QString::fromUtf16(d.text);
    return QStringLiteral("Application-defined or object-defined error");
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, errorDescription(number)) {}

RuntimeError::RuntimeError(int number, const QString& description)
    : std::runtime_error(
          QString(numberText(number) + QStringLiteral(" : ") + description).toStdString()),
      number_(number), description_(description) {}

void raise(int number) {
    throw RuntimeError(number);
}

void raise(int number, const QString& description) {
    throw RuntimeError(number, description);
}

namespace checked {

double result(double x) {
    if (!std::isfinite(x))
        raise(err::Overflow);
    return x;
}

double add(double a, double b) {
    return result(a + b);
}
double sub(double a, double b) {
    return result(a - b);
}
double mul(double a, double b) {
    return result(a * b);
}

double div(double a, double b) {
    if (b == 0)
        raise(a == 0 || std::isnan(a) ? err::Overflow : err::DivisionByZero);
    return result(a / b);
}

double sqrt(double x) {
    if (x < 0)
        raise(err::InvalidCall);
    return result(std::sqrt(x));
}

double pow(double x, double y) {
    if (std::isnan(x) || std::isnan(y))
        raise(err::Overflow);
    const double r = std::pow(x, y);
    if (std::isnan(r))
        raise(err::InvalidCall); // a negative base with a fractional power
    return result(r);
}

} // namespace checked

QString snagProcedure(const QString& name) {
    return procedureTag(u"Snag Procedure", name);
}
QString logProcedure(const QString& name) {
    return procedureTag(u"Log Procedure", name);
}
QString snagFunction(const QString& name) {
    return procedureTag(u"Snag Function", name);
}
QString logFunction(const QString& name) {
    return procedureTag(u"Log Function", name);
}

namespace {
void report(Prompts& prompts, const RuntimeError& e, const QString& tag, db::Access access) {
    // A database file that cannot be used is no fault of the procedure: the
    // user is told what is wrong with which file and what to do.
    if (const db::FileProblem p = db::fileProblem(e.number(), access); !p.text.isEmpty()) {
        prompts.messageBox(p.text, p.title, MsgIcon::Critical, MsgButtons::Ok, 0);
        return;
    }
    prompts.messageBox(
        QStringLiteral("%1 : %2%3").arg(numberText(e.number()), e.description(), tag),
        QStringLiteral("Error"), MsgIcon::Exclamation, MsgButtons::Ok, 0);
}
} // namespace

void errorReport(Prompts& prompts, const RuntimeError& e, const QString& tag) {
    report(prompts, e, tag, db::Access::Reading);
}

void saveErrorReport(Prompts& prompts, const RuntimeError& e, const QString& tag) {
    report(prompts, e, tag, db::Access::Saving);
}

} // namespace vernalt
