// What screen readers are told beyond Qt's own: roles of plain windows and
// graphs, the names of boxes whose caption alone does not tell them apart, and
// the names of figures, read through the accessibility interfaces.
#include "platform/accessibility.h"

#include "support/accessible_names.h"

#include <QAccessible>
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
    auto* inStratum = new QLineEdit(stratum);
    auto* subsegment = new QLabel(u"Subsegment"_s, stratum);
    setCaption(subsegment, inStratum);
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
    // What a screen reader reads: a frame without a title adds nothing.
    EXPECT_EQ(nameOf(inStratum), u"Subsegment, Stratum 1"_s);
    EXPECT_EQ(nameOf(inUntitled), u"Subsegment"_s);
    EXPECT_EQ(nameOf(inColumn), u"Stratum Size, row 3"_s);

    // Named again from the captions as they read now.
    stratum->setTitle(u"Stratum 2"_s);
    title->setText(u"Plots"_s);
    nameInputBoxes(&window);
    EXPECT_EQ(inStratum->accessibleName(), u"Subsegment, Stratum 2"_s);
    EXPECT_EQ(inColumn->accessibleName(), u"Plots, row 3"_s);
    subsegment->setText(u"Segment"_s);
    nameInputBoxes(&window);
    EXPECT_EQ(nameOf(inStratum), u"Segment, Stratum 2"_s);
}

// The captions a widget is labelled by, joined by "|".
QString labelsOf(QObject* o) {
    QStringList texts;
    for (const auto& [label, relation] :
         QAccessible::queryAccessibleInterface(o)->relations(QAccessible::Label))
        texts << label->text(QAccessible::Name);
    return texts.join(u'|');
}

// A table of figures: a row caption, a column caption, a figure under both.
TEST(Accessibility, AFigureIsNamedByItsRowAndColumnUntilItShowsOne) {
    QWidget page;
    auto* row = new QLabel(u"Subsegment"_s, &page);
    auto* column = new QLabel(u"Std.  Dev."_s, &page);
    auto* figure = new QLabel(&page);
    setFigureCaptions(figure, row, column);
    EXPECT_EQ(nameOf(figure), u"Subsegment, Std. Dev."_s);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(figure)->role(), QAccessible::StaticText);
    EXPECT_EQ(labelsOf(figure), u"Subsegment|Std.  Dev."_s);
    row->setText(u"Segment"_s); // captions renamed with the unit system
    EXPECT_EQ(nameOf(figure), u"Segment, Std. Dev."_s);
    figure->setText(u"4.25"_s);
    EXPECT_EQ(nameOf(figure), u"4.25"_s);
    EXPECT_EQ(labelsOf(figure), u"Segment|Std.  Dev."_s);
    figure->setAccessibleName(u"Deviation"_s); // a name given outright wins
    EXPECT_EQ(nameOf(figure), u"Deviation"_s);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(figure)->text(QAccessible::Description),
              QString());
    EXPECT_EQ(nameOf(new QLabel(u"12"_s, &page)), u"12"_s) << "a plain label is left as it is";
}

// A figure with one caption in a titled frame: the Wildlife values.
TEST(Accessibility, AFigureIsNamedByItsCaptionNotItsFrame) {
    QGroupBox frame(u"Wildlife"_s);
    auto* caption = new QLabel(u"Percent Use"_s, &frame);
    auto* figure = new QLabel(&frame);
    setCaption(caption, figure);
    EXPECT_EQ(nameOf(figure), u"Percent Use"_s);
    figure->setText(u"35"_s);
    EXPECT_EQ(nameOf(figure), u"35"_s);
    EXPECT_EQ(labelsOf(figure), u"Percent Use|Wildlife"_s);
}

} // namespace
} // namespace vernalt::test
