#include "settings/sizes_dialog.h"

#include "platform/accessibility.h"
#include "platform/database.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/twips.h"
#include "settings/reference_rows.h"
#include "settings/size_boxes.h"

#include <QFont>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace vernalt {

using namespace Qt::StringLiterals;

SizesDialog::SizesDialog(const QString& title, int widthTwips, int heightTwips)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    QFont f = font(); // the program's dialog font
    f.setPointSizeF(8);
    setFont(f);
    setWindowTitle(title);
    setAccessibleRole(this, QAccessible::Dialog);
    setFixedSize(twipsSize(widthTwips, heightTwips));
}

void SizesDialog::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else if (enter && modifiers == Qt::NoModifier && default_ && default_->isEnabled())
        default_->click();
    else
        QWidget::keyPressEvent(event);
}

void SizesDialog::setDefaultButton(QPushButton* ok) {
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(true);
    ok->setDefault(true);
    default_ = ok;
}

QString SizesDialog::tag(const QString& procedure) const {
    return u" - "_s + windowTitle() + u" Procedure '"_s + procedure + u"'"_s;
}

bool SizesDialog::checkBoxes(const std::vector<NamedBox>& boxes) {
    for (const NamedBox& b : boxes) {
        if (isPositiveNumber(b.box->text()))
            continue;
        prompts().message(b.name + u" must be a positive number."_s, windowTitle(),
                          MsgIcon::Exclamation);
        b.box->setFocus();
        b.box->selectAll();
        return false;
    }
    return true;
}

bool SizesDialog::writeAll(const std::function<void()>& write) {
    try {
        db::Transaction transaction;
        write();
        transaction.commit();
        return true;
    } catch (const RuntimeError& e) {
        // Rolled back; the window stays open with what was typed, to try again.
        reportDatabaseError(e, tag(u"cmdOK_Click"_s), db::Access::Saving);
        return false;
    }
}

} // namespace vernalt
