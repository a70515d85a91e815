// What screen readers are told beyond Qt's own: roles of plain windows and
// graphs, and the names of boxes whose caption alone does not tell them apart.
#include "platform/accessibility.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

QAccessible::Role roleOf(QObject* o) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    return i ? i->role() : QAccessible::NoRole;
}

TEST(AccessibleRole, APlainWindowOrAGraphReportsTheRoleGivenIt) {
    QWidget window;
    QFrame graph(&window);
    QWidget plain;
    setAccessibleRole(&window, QAccessible::Window);
    setAccessibleRole(&graph, QAccessible::Graphic);
    EXPECT_EQ(roleOf(&window), QAccessible::Window);
    EXPECT_EQ(roleOf(&graph), QAccessible::Graphic);
    EXPECT_EQ(roleOf(&plain), QAccessible::Client) << "a widget without a role keeps Qt's";
}

// Two frames each with a "Subsegment" box, a box in a column under a title, a
// box beside a caption outside any frame, and an editable list with a caption.
TEST(InputBoxNames, TellBoxesApartByTheirFrameOrColumn) {
    QWidget window;
    auto* stratum = new QGroupBox(u"Stratum 1"_s, &window);
    auto* untitled = new QGroupBox(&window);
    auto boxWithCaption = [](QWidget* parent, const QString& caption) {
        auto* box = new QLineEdit(parent);
        setCaption(new QLabel(caption, parent), box);
        return box;
    };
    QLineEdit* inStratum = boxWithCaption(stratum, u"Subsegment"_s);
    QLineEdit* inUntitled = boxWithCaption(untitled, u"Subsegment"_s);
    QLineEdit* alone = boxWithCaption(&window, u"Bound"_s);
    auto* species = new QComboBox(stratum);
    species->setEditable(true);
    setCaption(new QLabel(u"Species"_s, stratum), species);
    auto* title = new QLabel(u"Stratum\n Size"_s, &window);
    auto* inColumn = new QLineEdit(&window);
    setColumnTitle(inColumn, title, 3);
    EXPECT_EQ(inColumn->accessibleName(), u"Stratum Size, row 3"_s);

    nameInputBoxes(&window);
    EXPECT_EQ(inStratum->accessibleName(), u"Subsegment, Stratum 1"_s);
    EXPECT_EQ(species->accessibleName(), u"Species, Stratum 1"_s);
    EXPECT_EQ(species->lineEdit()->accessibleName(), QString()) << "the list's own box is the list";
    EXPECT_EQ(inUntitled->accessibleName(), QString()) << "left to its caption";
    EXPECT_EQ(alone->accessibleName(), QString()) << "left to its caption";

    // Named again from the captions as they read now.
    stratum->setTitle(u"Stratum 2"_s);
    title->setText(u"Plots"_s);
    nameInputBoxes(&window);
    EXPECT_EQ(inStratum->accessibleName(), u"Subsegment, Stratum 2"_s);
    EXPECT_EQ(inColumn->accessibleName(), u"Plots, row 3"_s);
}

} // namespace
} // namespace vernalt::test
