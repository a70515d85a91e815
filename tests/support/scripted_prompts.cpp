#include "support/scripted_prompts.h"

#include "support/pointer.h"

#include <gtest/gtest.h>

namespace vernalt::test {

std::string ScriptedPrompts::describe(const Step& s) {
    static const char* const KindNames[] = {"input", "message", "open file", "printer"};
    static const char* const IconNames[] = {"", "Critical ", "Question ", "Exclamation ",
                                            "Information "};
    return IconNames[int(s.icon)] + std::string(KindNames[s.kind]) + " \"" + s.title.toStdString() +
           "\": \"" + s.text.toStdString() + "\"";
}

ScriptedPrompts::~ScriptedPrompts() {
    setPrompts(nullptr);
    if (!script_.empty())
        ADD_FAILURE() << script_.size() << " scripted prompt(s) never asked; the first: "
                      << describe(script_.front());
}

// Takes the next step when it is the prompt asked (kind, icon, text and title;
// the file and printer dialogs by kind alone); otherwise fails the test, drops
// the step and answers Cancel.
ScriptedPrompts::Step ScriptedPrompts::next(Step::Kind kind, const QString& text,
                                            const QString& title, MsgIcon icon) {
    pointers.push_back(pointer());
    const Step cancel{kind, text, title, {}, icon, MsgResult::Cancel, false};
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected " << describe(cancel) << " (no scripted prompt left)";
        return cancel;
    }
    Step s = std::move(script_.front());
    script_.pop_front(); // on a mismatch the step was meant for this prompt: one failure, not two
    const bool byText = kind == Step::Input || kind == Step::Message;
    if (s.kind != kind || s.icon != icon || (byText && (s.text != text || s.title != title))) {
        ADD_FAILURE() << "unexpected " << describe(cancel) << "; expected " << describe(s);
        return cancel;
    }
    return s;
}

bool ScriptedPrompts::printerDialog(QPrinter& printer) {
    const Step s = next(Step::Printer, {}, {});
    if (s.accept && s.setup)
        s.setup(printer);
    return s.accept;
}

} // namespace vernalt::test
