#include "settings/frmGuidelines.h"

#include "platform/accessibility.h"
#include "platform/grid.h"
#include "platform/grid_accessibility.h"
#include "platform/twips.h"
#include "settings/cost_table.h"
#include "shell/app_windows.h"

#include <QFont>
#include <QItemSelectionModel>
#include <QLabel>
#include <QShortcut>
#include <algorithm>

namespace vernalt {

using namespace Qt::StringLiterals;

void showGuidelines() {
    frmGuidelines::showWindow();
}

frmGuidelines::frmGuidelines()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    QFont f = font(); // the program's dialog font
    f.setPointSizeF(8);
    setFont(f);
    setWindowTitle(u"Vernalt - General Cost Per Sample Guidelines"_s);
    setAccessibleRole(this, QAccessible::Window);
    // Esc closes the window, as its title bar's close button does.
    auto* escape = new QShortcut(QKeySequence::Cancel, this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    // Fixed on the screen: the client area's top left corner at (2760, 3750).
    setGeometry(twipsRect(2760, 3750, 7695, 5295));
    setFixedSize(twipsSize(7695, 5295));

    grdGuidelines = new Grid(this);
    grdGuidelines->setAccessibleName(u"General Cost Per Sample Guidelines"_s);
    placeTwips(grdGuidelines, 120, 120, 7520, 4815);
    grdGuidelines->setWordWrap(true);
    // The titles break over the three lines of their row at the columns' widths:
    // a narrower face of the dialog font keeps "Density (4)" on one line.
    QFont narrow = grdGuidelines->font();
    narrow.setStretch(QFont::Condensed);
    grdGuidelines->setFont(narrow);
    grdGuidelines->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdGuidelines->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    Label1 = new QLabel(u"Costs calculated @ $10/(hour*person)"_s, this);
    // 2895 wide, or as wide as its text where the font needs more.
    placeTwips(Label1, 120, 5040, 2895, 255);
    Label1->resize(std::max(Label1->width(), Label1->sizeHint().width()), Label1->height());

    trackWindow(this);
    Form_Load();
}

void frmGuidelines::Form_Load() {
    GridModel* g = grdGuidelines->grid();
    placeTwips(grdGuidelines, 120, 120, 7520, 4815);

    // Seven centred columns with their titles in row 0; no fixed column.
    QString format = u"^Plot Dimensions"_s;
    for (int category = 1; category <= CostCategories; ++category)
        format += u"|^"_s + costCategoryTitle(category);
    g->setFixedCols(0);
    g->setFormatString(format);
    g->setRows(CostPlotDimensions + 2);
    g->setFixedRows(1);
    setHeaderRows(grdGuidelines, 2); // the density texts title the columns too

    g->setRowHeight(0, 630);
    g->setColWidth(0, 1400);
    for (int col = 1; col <= CostCategories; ++col)
        g->setColWidth(col, 1000);

    // The unit system the snag window shows now; English without a snag window.
    const SnagWindowApi* snag = snagWindow();
    const bool metric = snag && snag->isMetric();

    // Row 1: the density texts on light grey.
    for (int col = 0; col <= CostCategories; ++col) {
        grdGuidelines->selectionModel()->setCurrentIndex(g->index(1, col),
                                                         QItemSelectionModel::NoUpdate);
        g->setCellBackColor(1, col, QColor(215, 215, 215));
    }
    g->setText(1, 0, QString());
    for (int category = 1; category <= CostCategories; ++category)
        g->setText(1, category, costDensityText(metric, category));

    // Rows 2 to 17: plot dimension p in row p + 2.
    for (int p = 0; p < CostPlotDimensions; ++p) {
        g->setText(p + 2, 0, costRowName(metric, p));
        for (int category = 1; category <= CostCategories; ++category)
            g->setText(p + 2, category, costPerSampleText(metric, category, p));
    }
}

} // namespace vernalt
