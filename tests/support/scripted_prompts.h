// A prompter for tests: each expected prompt is checked (text, title, icon) and
// answered from the script in order; any prompt the script did not expect
// fails the test. Installs itself as the program's prompter while it lives.
#pragma once

#include "platform/prompts.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

namespace vernalt::test {

class ScriptedPrompts : public Prompts {
  public:
    ScriptedPrompts();
    ~ScriptedPrompts() override; // fails the test if expected prompts were not asked

    // An input box with this prompt and title; answers `answer` ("" = Cancel).
    ScriptedPrompts& input(const QString& prompt, const QString& title, const QString& answer);
    // A message box with this text, title and icon; answers `answer`.
    ScriptedPrompts& message(const QString& text, const QString& title, MsgIcon icon,
                             MsgResult answer = MsgResult::Ok);
    // The file-open dialog; answers `path` ("" = Cancel).
    ScriptedPrompts& openFile(const QString& path);
    // The printer dialog; `accept` false is Cancel. `setup` may configure the
    // printer (for instance a PDF output file) before the program prints.
    ScriptedPrompts& printer(bool accept, std::function<void(QPrinter&)> setup = {});

    // Every prompt asked so far, as "kind: title: text" lines.
    const QStringList& seen() const { return seen_; }
    bool done() const { return script_.empty(); }

    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    MsgResult messageBox(const QString& text, const QString& title, MsgIcon icon,
                         MsgButtons buttons, int defaultButton) override;
    QString openFile(const QString& title, const QString& filter) override;
    bool printerDialog(QPrinter& printer) override;

  private:
    struct Step {
        enum Kind { Input, Message, OpenFile, Printer } kind;
        QString text, title, answer;
        MsgIcon icon = MsgIcon::None;
        MsgResult result = MsgResult::Ok;
        bool accept = true;
        std::function<void(QPrinter&)> setup = {};
    };
    Step next(Step::Kind kind, const QString& text, const QString& title,
              MsgIcon icon = MsgIcon::None);
    std::deque<Step> script_;
    QStringList seen_;
};

} // namespace vernalt::test
