#include "data/import_prompts.h"

#include "platform/errors.h"
#include "platform/prompts.h"

#include <QApplication>

using namespace Qt::StringLiterals;

namespace vernalt::data {

QString askDataFile() {
    return prompts().openFile(u"Open"_s,
                              u"Comma-Separated Files (*.csv)|*.csv|All Files (*.*)|*.*"_s);
}

void reportImportError(const RuntimeError& e, const QString& unknownColumnMessage,
                       const QString& procedureTag) {
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

void reportMissingHeader() {
    prompts().message(u"A header row was not found as the first row in the data file.  This "
                      u"header is needed to identify what each value represents."_s,
                      u"Missing header row"_s, MsgIcon::Critical);
}

void reportNonNumeric() {
    prompts().message(u"A non-numeric value was found in the data file."_s, u"Error in data file"_s,
                      MsgIcon::Critical);
}

void keepPainted() {
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace vernalt::data
