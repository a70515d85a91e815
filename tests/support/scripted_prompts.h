// A prompter for tests: each expected prompt is checked (text, title, icon) and
// answered from the script in order; any prompt the script did not expect
// fails the test. Installs itself as the program's prompter while it lives.
#pragma once

#include "platform/prompts.h"

#include <QCursor>
#include <QString>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace vernalt::test {

class ScriptedPrompts : public Prompts {
    struct Step {
        enum Kind { Input, Message, OpenFile, Printer } kind;
        QString text, title, answer;
        MsgIcon icon = MsgIcon::None;
        MsgResult result = MsgResult::Ok;
        bool accept = true;
        std::function<void(QPrinter&)> setup = {};
    };

  public:
    ScriptedPrompts() { setPrompts(this); }
    ~ScriptedPrompts() override; // fails the test if expected prompts were not asked

    // An input box with this prompt and title; answers `answer` ("" = Cancel).
    ScriptedPrompts& input(const QString& prompt, const QString& title, const QString& answer) {
        return add({Step::Input, prompt, title, answer});
    }
    // A message box with this text, title and icon; answers `answer`.
    ScriptedPrompts& message(const QString& text, const QString& title, MsgIcon icon,
                             MsgResult answer = MsgResult::Ok) {
        return add({Step::Message, text, title, {}, icon, answer});
    }
    // The file-open dialog; answers `path` ("" = Cancel).
    ScriptedPrompts& openFile(const QString& path) { return add({Step::OpenFile, {}, {}, path}); }
    // The printer dialog; `accept` false is Cancel. `setup` may configure the
    // printer (for instance a PDF output file) before the program prints.
    ScriptedPrompts& printer(bool accept, std::function<void(QPrinter&)> setup = {}) {
        return add({Step::Printer, {}, {}, {}, MsgIcon::None, MsgResult::Ok, accept, setup});
    }
    bool done() const { return script_.empty(); }
    // The pointer shown at each prompt asked, in order.
    std::vector<Qt::CursorShape> pointers;

    QString inputBox(const QString& prompt, const QString& title, const QString&) override {
        return next(Step::Input, prompt, title).answer;
    }
    MsgResult messageBox(const QString& text, const QString& title, MsgIcon icon, MsgButtons,
                         int) override {
        return next(Step::Message, text, title, icon).result;
    }
    QString openFile(const QString& title, const QString&) override {
        return next(Step::OpenFile, {}, title).answer;
    }
    bool printerDialog(QPrinter& printer) override;

  private:
    ScriptedPrompts& add(Step s) {
        script_.push_back(std::move(s));
        return *this;
    }
    Step next(Step::Kind kind, const QString& text, const QString& title,
              MsgIcon icon = MsgIcon::None);
    // "Exclamation message "Title": "Text"" (no icon name for None).
    static std::string describe(const Step& s);
    std::deque<Step> script_;
};

} // namespace vernalt::test
