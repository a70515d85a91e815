#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

namespace vernalt::test {

namespace {

template <class Step>
Step makeStep(typename Step::Kind kind, const QString& text, const QString& title,
              const QString& answer) {
    Step s{};
    s.kind = kind;
    s.text = text;
    s.title = title;
    s.answer = answer;
    return s;
}

const char* kindName(int kind) {
    switch (kind) {
    case 0:
        return "input";
    case 1:
        return "message";
    case 2:
        return "open file";
    default:
        return "printer";
    }
}

const char* iconName(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical:
        return "Critical";
    case MsgIcon::Question:
        return "Question";
    case MsgIcon::Exclamation:
        return "Exclamation";
    case MsgIcon::Information:
        return "Information";
    case MsgIcon::None:
        break;
    }
    return "None";
}

} // namespace

ScriptedPrompts::ScriptedPrompts() {
    setPrompts(this);
}

ScriptedPrompts::~ScriptedPrompts() {
    setPrompts(nullptr);
    if (!script_.empty()) {
        const Step& s = script_.front();
        ADD_FAILURE() << script_.size()
                      << " scripted prompt(s) never asked; the first: " << kindName(s.kind) << " \""
                      << s.title.toStdString() << "\": \"" << s.text.toStdString() << "\"";
    }
}

ScriptedPrompts& ScriptedPrompts::input(const QString& prompt, const QString& title,
                                        const QString& answer) {
    Step s = makeStep<Step>(Step::Input, prompt, title, answer);
    script_.push_back(std::move(s));
    return *this;
}

ScriptedPrompts& ScriptedPrompts::message(const QString& text, const QString& title, MsgIcon icon,
                                          MsgResult answer) {
    Step s = makeStep<Step>(Step::Message, text, title, QString());
    s.icon = icon;
    s.result = answer;
    script_.push_back(std::move(s));
    return *this;
}

ScriptedPrompts& ScriptedPrompts::openFile(const QString& path) {
    Step s = makeStep<Step>(Step::OpenFile, QString(), QString(), path);
    script_.push_back(std::move(s));
    return *this;
}

ScriptedPrompts& ScriptedPrompts::printer(bool accept, std::function<void(QPrinter&)> setup) {
    Step s = makeStep<Step>(Step::Printer, QString(), QString(), QString());
    s.accept = accept;
    s.setup = std::move(setup);
    script_.push_back(std::move(s));
    return *this;
}

// Takes the next step when it is the prompt asked (kind, text and title; the
// file and printer dialogs by kind alone); otherwise fails the test, drops the
// step and answers Cancel.
ScriptedPrompts::Step ScriptedPrompts::next(Step::Kind kind, const QString& text,
                                            const QString& title) {
    seen_ << QStringLiteral("%1: %2: %3").arg(QString::fromLatin1(kindName(kind)), title, text);
    Step cancel = makeStep<Step>(kind, text, title, QString());
    cancel.result = MsgResult::Cancel;
    cancel.accept = false;
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected " << kindName(kind) << " prompt \"" << title.toStdString()
                      << "\": \"" << text.toStdString() << "\" (no scripted prompt left)";
        return cancel;
    }
    const Step& s = script_.front();
    const bool byText = kind == Step::Input || kind == Step::Message;
    if (s.kind != kind || (byText && (s.text != text || s.title != title))) {
        ADD_FAILURE() << "unexpected " << kindName(kind) << " prompt \"" << title.toStdString()
                      << "\": \"" << text.toStdString() << "\"; expected " << kindName(s.kind)
                      << " \"" << s.title.toStdString() << "\": \"" << s.text.toStdString() << "\"";
        script_.pop_front(); // the step was meant for this prompt: one failure, not two
        return cancel;
    }
    Step taken = std::move(script_.front());
    script_.pop_front();
    return taken;
}

QString ScriptedPrompts::inputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText) {
    Q_UNUSED(defaultText);
    return next(Step::Input, prompt, title).answer;
}

MsgResult ScriptedPrompts::messageBox(const QString& text, const QString& title, MsgIcon icon,
                                      MsgButtons buttons, int defaultButton) {
    Q_UNUSED(buttons);
    Q_UNUSED(defaultButton);
    if (!script_.empty() && script_.front().kind == Step::Message && script_.front().text == text &&
        script_.front().title == title && script_.front().icon != icon) {
        ADD_FAILURE() << "message \"" << title.toStdString() << "\": \"" << text.toStdString()
                      << "\" shown with icon " << iconName(icon) << ", expected "
                      << iconName(script_.front().icon);
        script_.pop_front();
        seen_ << QStringLiteral("message: %1: %2").arg(title, text);
        return MsgResult::Cancel;
    }
    return next(Step::Message, text, title).result;
}

QString ScriptedPrompts::openFile(const QString& title, const QString& filter) {
    Q_UNUSED(filter);
    return next(Step::OpenFile, QString(), title).answer;
}

bool ScriptedPrompts::printerDialog(QPrinter& printer) {
    const Step s = next(Step::Printer, QString(), QString());
    if (s.accept && s.setup)
        s.setup(printer);
    return s.accept;
}

} // namespace vernalt::test
