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
constexpr const char* CaptionsProperty = "vernaltFigureCaptions";

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

// A label showing a figure, named after the captions of its row and column.
class FigureAccessible : public QAccessibleWidget {
  public:
    explicit FigureAccessible(QLabel* figure)
        : QAccessibleWidget(figure, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        if (const QString shown = plain(figure()->text()); !shown.isEmpty())
            return shown;
        QStringList names;
        for (const QLabel* caption : captions())
            names << plain(caption->text());
        return names.join(u", "_s);
    }
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto related = QAccessibleWidget::relations(match);
        if (match & QAccessible::Label)
            for (QLabel* caption : captions())
                related.append(
                    {QAccessible::queryAccessibleInterface(caption), QAccessible::Label});
        return related;
    }

  private:
    QLabel* figure() const { return static_cast<QLabel*>(widget()); }
    QList<QLabel*> captions() const {
        QList<QLabel*> labels;
        for (const QVariant& v : widget()->property(CaptionsProperty).toList())
            if (auto* caption = qobject_cast<QLabel*>(v.value<QObject*>()))
                labels << caption;
        return labels;
    }
};

QAccessibleInterface* figureFactory(const QString&, QObject* object) {
    auto* figure = qobject_cast<QLabel*>(object);
    if (!figure || !figure->property(CaptionsProperty).isValid())
        return nullptr;
    return new FigureAccessible(figure);
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
    QAccessible::installFactory(roleFactory); // Qt keeps one of each
    widget->setProperty(RoleProperty, int(role));
}

void setCaption(QLabel* caption, QWidget* box) {
    caption->setBuddy(box);
}

void setFigureCaptions(QLabel* figure, QLabel* row, QLabel* column) {
    QAccessible::installFactory(figureFactory); // Qt keeps one of each
    figure->setProperty(CaptionsProperty, QVariantList{QVariant::fromValue<QObject*>(row),
                                                       QVariant::fromValue<QObject*>(column)});
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
