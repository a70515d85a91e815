// What screen readers are told beyond what Qt tells them by itself: the role of
// a window that is a plain widget, and the names of input boxes whose caption
// alone does not say which box they are.
#pragma once

#include <QAccessible>
#include <QString>

class QLabel;
class QWidget;

namespace vernalt {

// Makes a widget report `role` where Qt's own is wrong for it: a window built on
// a plain QWidget reports a "filler" and should be a QAccessible::Window or
// QAccessible::Dialog; a graph drawn on a QFrame reports a "frame", which
// screen readers take for a window. Call it before the widget is shown or
// named: Qt keeps the first interface it makes for a widget.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

// Names a box after the caption beside it (Qt's buddy label): a screen reader
// reads the caption as the box's name and reports it as the box's label. A
// label that shows a figure is named so too: by its caption while it is empty,
// by the figure once it shows one, and labelled by the caption throughout.
void setCaption(QLabel* caption, QWidget* box);

// Names a label that shows a figure in a table of labels after the captions of
// its row and its column, as setCaption does with one caption: "Subsegment, N"
// while it is empty, the figure once it shows one, labelled by both captions.
void setFigureCaptions(QLabel* figure, QLabel* row, QLabel* column);

// Names a box that stands in a column of boxes under a title, in row `row`
// (counted from 1): "<title>, row <row>".
void setColumnTitle(QWidget* box, QLabel* title, int row);

// Gives the boxes of `window` their names again from the captions as they now
// read: a box in a column under a title as setColumnTitle says; a box with a
// caption inside a titled frame "<caption>, <frame title>", which tells the
// four "Subsegment" boxes of a window apart. Call it after captions change.
void nameInputBoxes(QWidget* window);

} // namespace vernalt
