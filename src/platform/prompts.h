// Every input box, message box, file dialog and printer dialog of the program
// goes through this interface: Qt dialogs in the program, a script in the tests.
#pragma once

#include <QString>
#include <memory>

class QPrinter;
class QWidget;

namespace vernalt {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgResult { Ok, Cancel, Yes, No, Retry };

class Prompts {
public:
    virtual ~Prompts() = default;

    // An input box: returns the text typed; Cancel and an empty answer are both "".
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText = QString()) = 0;

    // A message box; `defaultButton` is 0 for the first button, 1 for the second...
    virtual MsgResult messageBox(const QString& text, const QString& title, MsgIcon icon,
                                 MsgButtons buttons = MsgButtons::Ok, int defaultButton = 0) = 0;

    // The file-open dialog with a filter in the program's "Name|pattern|Name|pattern"
    // form; returns the chosen path, or "" when the user cancels.
    virtual QString openFile(const QString& title, const QString& filter) = 0;

    // The printer dialog on `printer`; false when the user cancels.
    virtual bool printerDialog(QPrinter& printer) = 0;

    // Shortcuts.
    void message(const QString& text, const QString& title = QString(),
                 MsgIcon icon = MsgIcon::None) {
        messageBox(text, title, icon, MsgButtons::Ok, 0);
    }
    bool askYesNo(const QString& text, const QString& title, MsgIcon icon = MsgIcon::Question) {
        return messageBox(text, title, icon, MsgButtons::YesNo, 0) == MsgResult::Yes;
    }
};

// The Qt dialogs; `parent` is the window the dialogs are centred on (may be null).
class QtPrompts : public Prompts {
public:
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    MsgResult messageBox(const QString& text, const QString& title, MsgIcon icon,
                         MsgButtons buttons, int defaultButton) override;
    QString openFile(const QString& title, const QString& filter) override;
    bool printerDialog(QPrinter& printer) override;
};

// The program-wide prompter. It is a QtPrompts until a test installs its own.
// While the hourglass is on, the prompter given shows each prompt with the
// normal pointer, then the hourglass again.
Prompts& prompts();
// Installs `p` (not owned) as the prompter; nullptr restores the Qt one.
void setPrompts(Prompts* p);

// Converts "Comma-Separated Files (*.csv)|*.csv|All Files (*.*)|*.*" into a
// Qt file-dialog filter "Comma-Separated Files (*.csv);;All Files (*)": each
// name with its patterns in parentheses, "*.*" being every file.
QString qtFileFilter(const QString& filter);

} // namespace vernalt
