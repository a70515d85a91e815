// Builders for the controls of the log window's pages.
#include "log/log_widgets.h"

#include "platform/accessibility.h"
#include "platform/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vernalt::logui {

QLabel* label(QWidget* parent, const QString& caption, double left, double top, double width,
              double height) {
    auto* l = new QLabel(caption, parent);
    placeTwips(l, left, top, width, height);
    return l;
}

QLabel* title(QWidget* parent, const QString& caption, double left, double top, double width,
              double height) {
    QLabel* l = label(parent, caption, left, top, width, height);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    return l;
}

QLabel* result(QWidget* parent, double left, double top, double width, double height) {
    QLabel* l = label(parent, QString(), left, top, width, height);
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QLineEdit* textBox(QWidget* parent, double left, double top, double width, QLabel* caption) {
    auto* t = new QLineEdit(parent);
    placeTwips(t, left, top, width, 285);
    if (caption)
        setCaption(caption, t);
    return t;
}

QPushButton* button(QWidget* parent, const QString& caption, double left, double top, double width,
                    double height) {
    auto* b = new QPushButton(caption, parent);
    placeTwips(b, left, top, width, height);
    return b;
}

QGroupBox* frame(QWidget* parent, const QString& caption, double left, double top, double width,
                 double height) {
    auto* f = new QGroupBox(caption, parent);
    placeTwips(f, left, top, width, height);
    return f;
}

QRadioButton* option(QWidget* parent, const QString& caption, double left, double top, double width,
                     double height) {
    auto* o = new QRadioButton(caption, parent);
    placeTwips(o, left, top, width, height);
    return o;
}

Grid* grid(QWidget* parent, int rows, int cols, int fixedRows, double left, double top,
           double width, double height) {
    auto* g = new Grid(parent);
    g->setFixedCols(0);
    g->setRows(rows);
    g->setCols(cols);
    g->setFixedRows(fixedRows);
    placeTwips(g, left, top, width, height);
    return g;
}

} // namespace vernalt::logui
