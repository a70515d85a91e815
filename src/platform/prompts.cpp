#include "platform/prompts.h"

#include "platform/hourglass.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

namespace vernalt {

namespace {

// Dialogs are centred on the window the user is working in.
QWidget* dialogParent() {
    return QApplication::activeWindow();
}

// A message or input box without a title shows the program's name, as the
// program's own boxes always have.
QString titleOrProgram(const QString& title) {
    return title.isEmpty() ? QStringLiteral("Vernalt") : title;
}

QMessageBox::Icon qtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonSet {
    QMessageBox::StandardButton buttons[3];
    int count;
};

ButtonSet buttonSet(MsgButtons b) {
    switch (b) {
    case MsgButtons::OkCancel:
        return {{QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::NoButton}, 2};
    case MsgButtons::YesNo:
        return {{QMessageBox::Yes, QMessageBox::No, QMessageBox::NoButton}, 2};
    case MsgButtons::YesNoCancel:
        return {{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}, 3};
    case MsgButtons::RetryCancel:
        return {{QMessageBox::Retry, QMessageBox::Cancel, QMessageBox::NoButton}, 2};
    case MsgButtons::Ok:
        break;
    }
    return {{QMessageBox::Ok, QMessageBox::NoButton, QMessageBox::NoButton}, 1};
}

MsgResult fromQt(int button) {
    switch (button) {
    case QMessageBox::Ok:
        return MsgResult::Ok;
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    case QMessageBox::Retry:
        return MsgResult::Retry;
    default:
        return MsgResult::Cancel;
    }
}

Prompts* installed = nullptr;

Prompts& installedOrQt() {
    static QtPrompts qt;
    return installed ? *installed : qt;
}

// The prompter of a long step: each prompt is shown with the normal pointer by
// the installed prompter, and the hourglass comes back after it.
class NormalPointerPrompts : public Prompts {
  public:
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override {
        const NormalPointer normal;
        return installedOrQt().inputBox(prompt, title, defaultText);
    }
    MsgResult messageBox(const QString& text, const QString& title, MsgIcon icon,
                         MsgButtons buttons, int defaultButton) override {
        const NormalPointer normal;
        return installedOrQt().messageBox(text, title, icon, buttons, defaultButton);
    }
    QString openFile(const QString& title, const QString& filter) override {
        const NormalPointer normal;
        return installedOrQt().openFile(title, filter);
    }
    bool printerDialog(QPrinter& printer) override {
        const NormalPointer normal;
        return installedOrQt().printerDialog(printer);
    }
};

} // namespace

QString QtPrompts::inputBox(const QString& prompt, const QString& title,
                            const QString& defaultText) {
    bool ok = false;
    const QString answer = QInputDialog::getText(dialogParent(), titleOrProgram(title), prompt,
                                                 QLineEdit::Normal, defaultText, &ok);
    return ok ? answer : QString();
}

MsgResult QtPrompts::messageBox(const QString& text, const QString& title, MsgIcon icon,
                                MsgButtons buttons, int defaultButton) {
    const ButtonSet set = buttonSet(buttons);
    QMessageBox box(qtIcon(icon), titleOrProgram(title), text, QMessageBox::NoButton,
                    dialogParent());
    for (int i = 0; i < set.count; ++i)
        box.addButton(set.buttons[i]);
    const int d = defaultButton >= 0 && defaultButton < set.count ? defaultButton : 0;
    box.setDefaultButton(set.buttons[d]);
    // Esc answers Cancel where there is one, and OK on a box with OK alone.
    if (buttons == MsgButtons::Ok)
        box.setEscapeButton(QMessageBox::Ok);
    else if (set.buttons[set.count - 1] == QMessageBox::Cancel)
        box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    return clicked ? fromQt(box.standardButton(clicked)) : MsgResult::Cancel;
}

QString QtPrompts::openFile(const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(dialogParent(), title, QString(), qtFileFilter(filter));
}

bool QtPrompts::printerDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, dialogParent());
    return dialog.exec() == QDialog::Accepted;
}

Prompts& prompts() {
    static NormalPointerPrompts underHourglass;
    return QApplication::overrideCursor() ? underHourglass : installedOrQt();
}

void setPrompts(Prompts* p) {
    installed = p;
}

QString qtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        // The patterns go in parentheses after the name, where the dialog reads
        // them; "*.*" matches every file, names without a dot included.
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            p = p.trimmed();
            if (p == u"*.*")
                p = QStringLiteral("*");
        }
        if (name.endsWith(u')')) {
            const qsizetype open = name.lastIndexOf(u'(');
            if (open >= 0)
                name = name.left(open).trimmed();
        }
        out << name + QStringLiteral(" (") + patterns.join(u' ') + QStringLiteral(")");
    }
    if (parts.size() % 2 == 1 && !parts.back().isEmpty())
        out << parts.back().trimmed();
    return out.join(QStringLiteral(";;"));
}

} // namespace vernalt
