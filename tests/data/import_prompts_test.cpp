// The messages of a failed import that both analysis windows show: a header
// name with unseen characters written out, an unknown column, a database in use
// and any other error, each reported once with the window's own texts.
#include "data/import_prompts.h"
#include "support/scripted_prompts.h"
#include "support/texts.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const QString Unknown = u"An invalid column header was found in the data file."_s;
const QString Tag = u" - Snag Procedure 'mnuFileOpen_Click'"_s;

TEST(ReportImportError, EachErrorGetsItsOwnMessage) {
    data::Refusal name;
    name.why = data::Refusal::Why::UnknownName;
    name.text = u"Class\u00A0\u0007 (m)"_s;
    const struct {
        const char* what;
        std::function<void()> raise;
        QString text, title;
        MsgIcon icon;
    } cases[] = {
        {"a header name with a no-break space and a bell in it",
         [&] { throw data::ImportRefused(err::DbUnknownField, name); },
         Unknown + u"\n\nThe column name \"Class<U+00A0><U+0007> (m)\" in the header row was "
                   u"not recognised. Nothing was imported."_s,
         u"Error"_s, MsgIcon::None},
        {"another unknown column: the window's text alone",
         [] { raise(err::DbUnknownField, u"no such column: Colour"_s); }, Unknown, u"Error"_s,
         MsgIcon::None},
        {"a database in use", [] { raise(err::DbLocked, u"database is locked"_s); },
         u"The database cannot be opened.  Is some other application using it?"_s, u"Error"_s,
         MsgIcon::None},
        {"any other error: the error report with the window's procedure",
         [] { raise(err::DivisionByZero); }, u"11 : Division by zero"_s + Tag, u"Error"_s,
         MsgIcon::Exclamation},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedPrompts script;
        script.message(c.text, c.title, c.icon);
        try {
            c.raise();
        } catch (const RuntimeError& e) {
            data::reportImportError(e, Unknown, Tag);
        }
        EXPECT_TRUE(script.done());
    }
}

} // namespace
} // namespace vernalt::test
