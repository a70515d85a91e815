// Small builders for the controls of the log window's pages: each creates one
// control on a parent and places it at a rectangle given in twips.
#pragma once

#include "platform/grid.h"

#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace vernalt::logui {

QLabel* label(QWidget* parent, const QString& caption, double left, double top, double width,
              double height = 255);
// A label that wraps its caption over several lines, centred.
QLabel* title(QWidget* parent, const QString& caption, double left, double top, double width,
              double height);
// A label drawn as a sunken result box.
QLabel* result(QWidget* parent, double left, double top, double width, double height = 285);
// An input box; its caption, when given, names it for screen readers.
QLineEdit* textBox(QWidget* parent, double left, double top, double width,
                   QLabel* caption = nullptr);
QPushButton* button(QWidget* parent, const QString& caption, double left, double top, double width,
                    double height = 375);
QGroupBox* frame(QWidget* parent, const QString& caption, double left, double top, double width,
                 double height);
QRadioButton* option(QWidget* parent, const QString& caption, double left, double top, double width,
                     double height = 255);
// A grid of rows x cols with `fixedRows` header rows and no fixed column.
Grid* grid(QWidget* parent, int rows, int cols, int fixedRows, double left, double top,
           double width, double height);

} // namespace vernalt::logui
