#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

namespace vernalt::test {

namespace {

const char* const KindNames[] = {"input", "message", "open file", "printer"};
const char* const IconNames[] = {"None", "Critical", "Question", "Exclamation", "Information"};

} // namespace

ScriptedPrompts::ScriptedPrompts() {
    setPrompts(this);
}

ScriptedPrompts::~ScriptedPrompts() {
    setPrompts(nullptr);
    if (!script_.empty()) {
        const Step& s = script_.front();
        ADD_FAILURE() << script_.size()
                      << " scripted prompt(s) never asked; the first: " << KindNames[s.kind]
                      << " \"" << s.title.toStdString() << "\": \"" << s.text.toStdString() << "\"";
    }
}

ScriptedPrompts& ScriptedPrompts::input(const QString& prompt, const QString& title,
                                        const QString& answer) {
    script_.push_back({Step::Input, prompt, title, answer});
    return *this;
}

ScriptedPrompts& ScriptedPrompts::message(const QString& text, const QString& title, MsgIcon icon,
                                          MsgResult answer) {
    script_.push_back({Step::Message, text, title, QString(), icon, answer});
    return *this;
}

ScriptedPrompts& ScriptedPrompts::openFile(const QString& path) {
    script_.push_back({Step::OpenFile, QString(), QString(), path});
    return *this;
}

ScriptedPrompts& ScriptedPrompts::printer(bool accept, std::function<void(QPrinter&)> setup) {
    script_.push_back({Step::Printer, QString(), QString(), QString(), MsgIcon::None, MsgResult::Ok,
                       accept, std::move(setup)});
    return *this;
}

// Takes the next step when it is the prompt asked (kind, text, title and icon;
// the file and printer dialogs by kind alone); otherwise fails the test, drops
// the step and answers Cancel.
ScriptedPrompts::Step ScriptedPrompts::next(Step::Kind kind, const QString& text,
                                            const QString& title, MsgIcon icon) {
    seen_ << QStringLiteral("%1: %2: %3").arg(QString::fromLatin1(KindNames[kind]), title, text);
    const Step cancel{kind, text, title, QString(), icon, MsgResult::Cancel, false, {}};
    const std::string asked = std::string(KindNames[kind]) + " prompt \"" + title.toStdString() +
                              "\": \"" + text.toStdString() + "\"";
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected " << asked << " (no scripted prompt left)";
        return cancel;
    }
    Step s = std::move(script_.front());
    script_.pop_front(); // on a mismatch the step was meant for this prompt: one failure, not two
    const bool byText = kind == Step::Input || kind == Step::Message;
    if (s.kind != kind || (byText && (s.text != text || s.title != title))) {
        ADD_FAILURE() << "unexpected " << asked << "; expected " << KindNames[s.kind] << " \""
                      << s.title.toStdString() << "\": \"" << s.text.toStdString() << "\"";
        return cancel;
    }
    if (s.icon != icon) {
        ADD_FAILURE() << asked << " shown with icon " << IconNames[int(icon)] << ", expected "
                      << IconNames[int(s.icon)];
        return cancel;
    }
    return s;
}

QString ScriptedPrompts::inputBox(const QString& prompt, const QString& title, const QString&) {
    return next(Step::Input, prompt, title).answer;
}

MsgResult ScriptedPrompts::messageBox(const QString& text, const QString& title, MsgIcon icon,
                                      MsgButtons, int) {
    return next(Step::Message, text, title, icon).result;
}

QString ScriptedPrompts::openFile(const QString& title, const QString&) {
    return next(Step::OpenFile, QString(), title).answer;
}

bool ScriptedPrompts::printerDialog(QPrinter& printer) {
    const Step s = next(Step::Printer, QString(), QString());
    if (s.accept && s.setup)
        s.setup(printer);
    return s.accept;
}

} // namespace vernalt::test
