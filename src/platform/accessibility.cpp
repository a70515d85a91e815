#include "platform/accessibility.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// Dynamic properties kept on the widgets.
constexpr const char* RoleProperty = "vernaltAccessibleRole";
constexpr const char* TitleProperty = "vernaltColumnTitle";
constexpr const char* RowProperty = "vernaltColumnRow";

// A widget given a role reports it; asked with the name of its own class, so
// that Qt's interface for the class is not consulted first.
QAccessibleInterface* roleFactory(const QString& className, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w || className != QLatin1StringView(object->metaObject()->className()))
        return nullptr;
    const QVariant role = object->property(RoleProperty);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(w, QAccessible::Role(role.toInt()));
}

QString plain(const QString& caption) {
    return caption.simplified();
}

// The label whose buddy the box is, among the box's siblings.
const QLabel* captionOf(const QWidget* box) {
    const QWidget* parent = box->parentWidget();
    if (!parent)
        return nullptr;
    for (const QObject* o : parent->children())
        if (const auto* label = qobject_cast<const QLabel*>(o); label && label->buddy() == box)
            return label;
    return nullptr;
}

void nameBox(QWidget* box) {
    if (const auto* title = qobject_cast<QLabel*>(box->property(TitleProperty).value<QObject*>())) {
        box->setAccessibleName(plain(title->text()) + u", row "_s +
                               QString::number(box->property(RowProperty).toInt()));
        return;
    }
    const QLabel* caption = captionOf(box);
    const auto* frame = qobject_cast<const QGroupBox*>(box->parentWidget());
    if (caption && frame && !frame->title().isEmpty())
        box->setAccessibleName(plain(caption->text()) + u", "_s + plain(frame->title()));
}

} // namespace

void setAccessibleRole(QWidget* widget, QAccessible::Role role) {
    static const bool installed = [] {
        QAccessible::installFactory(roleFactory);
        return true;
    }();
    (void)installed;
    widget->setProperty(RoleProperty, int(role));
}

void setCaption(QLabel* caption, QWidget* box) {
    caption->setBuddy(box);
}

void setColumnTitle(QWidget* box, QLabel* title, int row) {
    box->setProperty(TitleProperty, QVariant::fromValue<QObject*>(title));
    box->setProperty(RowProperty, row);
    nameBox(box);
}

void nameInputBoxes(QWidget* window) {
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        if (!qobject_cast<QComboBox*>(box->parentWidget()))
            nameBox(box);
    for (QComboBox* box : window->findChildren<QComboBox*>())
        nameBox(box);
}

} // namespace vernalt
