// Names and roles as a screen reader reads them, through the accessibility
// interfaces only.
#include "platform/accessibility.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

QString nameOf(QObject* o) {
    return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
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

TEST(Accessibility, BoxesAreNamedByTheirCaptionsFramesAndColumns) {
    QWidget window;
    auto* metric = new QGroupBox(u"Metric"_s, &window);
    auto* caption = new QLabel(u"Subsegment"_s, metric);
    auto* framed = new QLineEdit(metric);
    setCaption(caption, framed);
    auto* title = new QLabel(u"Stratum\nSize"_s, &window);
    auto* inColumn = new QLineEdit(&window);
    setColumnTitle(inColumn, title, 3);
    auto* untitled = new QGroupBox(&window);
    auto* plain = new QLineEdit(untitled);
    setCaption(new QLabel(u"Bound"_s, untitled), plain);
    nameInputBoxes(&window);
    EXPECT_EQ(nameOf(framed), u"Subsegment, Metric"_s);
    EXPECT_EQ(nameOf(plain), u"Bound"_s) << "a frame without a title adds nothing";
    EXPECT_EQ(nameOf(inColumn), u"Stratum Size, row 3"_s);
    title->setText(u"Stratum Size (acres)"_s);
    caption->setText(u"Segment"_s);
    nameInputBoxes(&window);
    EXPECT_EQ(nameOf(inColumn), u"Stratum Size (acres), row 3"_s);
    EXPECT_EQ(nameOf(framed), u"Segment, Metric"_s);
}

TEST(Accessibility, APlainWidgetReportsTheRoleItIsGiven) {
    QWidget window;
    setAccessibleRole(&window, QAccessible::Dialog);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Dialog);
    QWidget plain;
    EXPECT_NE(QAccessible::queryAccessibleInterface(&plain)->role(), QAccessible::Dialog);
}

} // namespace
} // namespace vernalt::test
