#include "data/import_prompts.h"

#include "platform/database.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/value.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace vernalt::data {

QString askDataFile() {
    return prompts().openFile(u"Open"_s,
                              u"Comma-Separated Files (*.csv)|*.csv|All Files (*.*)|*.*"_s);
}

namespace {

QString numberOf(qsizetype n) {
    return numberText(double(n));
}

// A header name as the message shows it: a tab or another unseen character
// written out, so that "Length<tab>" shows why the name was not recognised.
QString visibleName(const QString& name) {
    QString out;
    for (const QChar c : name) {
        if (c == u'\t')
            out += u"<tab>"_s;
        else if (c != u' ' && (c.isSpace() || !c.isPrint()))
            out += u"<U+"_s + QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0') +
                   u'>';
        else
            out += c;
    }
    return out;
}

const QString NothingImported = u"Nothing was imported."_s;

void reportRefusal(const Refusal& r, const QString& unknownColumnMessage) {
    switch (r.why) {
    case Refusal::Why::TooManyValues:
        prompts().message(u"Line "_s + numberOf(r.line) + u" of the data file has "_s +
                              numberOf(r.values) + u" values, but the header row names only "_s +
                              numberOf(r.names) + u" columns. "_s + NothingImported +
                              u"\n\nA decimal comma splits a number in two: write 1.5, not 1,5."_s,
                          u"Too many values"_s, MsgIcon::Critical);
        return;
    case Refusal::Why::UnknownName:
        prompts().message(unknownColumnMessage + u"\n\nThe column name \""_s + visibleName(r.text) +
                              u"\" in the header row was not recognised. "_s + NothingImported,
                          u"Error"_s, MsgIcon::None);
        return;
    case Refusal::Why::MissingColumn:
        prompts().message(
            u"The database has no column "_s + r.text + u" in its table "_s + r.table +
                u", so the data file cannot be imported; the file itself is fine. "_s +
                NothingImported + u"\n\nThe database file\n"_s +
                QDir::toNativeSeparators(db::path()) +
                u"\nis out of date or was changed. Move it to another folder or rename it, then "
                u"import again: a new database with every column will be made in its place."_s,
            u"Database missing a column"_s, MsgIcon::Critical);
        return;
    case Refusal::Why::Unreadable:
        prompts().message(u"The data file\n"_s + QDir::toNativeSeparators(r.text) +
                              u"\ncannot be read. It may have been moved or deleted, or you may "
                              u"not have permission to open it. "_s +
                              NothingImported,
                          u"Cannot read the file"_s, MsgIcon::Critical);
        return;
    }
}

} // namespace

void reportImportError(const RuntimeError& e, const QString& unknownColumnMessage,
                       const QString& procedureTag) {
    if (const auto* refused = dynamic_cast<const ImportRefused*>(&e)) {
        reportRefusal(refused->refusal(), unknownColumnMessage);
        return;
    }
    switch (e.number()) {
    case err::DbUnknownField:
        prompts().message(unknownColumnMessage, u"Error"_s, MsgIcon::None);
        break;
    case err::DbLocked:
        prompts().message(u"The database cannot be opened.  Is some other application using it?"_s,
                          u"Error"_s, MsgIcon::None);
        break;
    default:
        errorReport(prompts(), e, procedureTag);
        break;
    }
}

void reportMissingHeader(qsizetype indentedLine) {
    QString text = u"A header row was not found as the first row in the data file.  This "
                   u"header is needed to identify what each value represents."_s;
    if (indentedLine > 0)
        text += u"\n\nLine "_s + numberOf(indentedLine) +
                u" begins with a space or tab before \"Stratum\": the header row must begin "
                u"with the word Stratum."_s;
    prompts().message(text, u"Missing header row"_s, MsgIcon::Critical);
}

void reportNonNumeric() {
    prompts().message(u"A non-numeric value was found in the data file."_s, u"Error in data file"_s,
                      MsgIcon::Critical);
}

} // namespace vernalt::data
