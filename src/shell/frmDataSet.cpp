#include "shell/frmDataSet.h"

#include "platform/grid.h"
#include "platform/twips.h"
#include "shell/app_windows.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {
QPointer<frmDataSet>& theDataSet() {
    static QPointer<frmDataSet> w;
    return w;
}
} // namespace

QSize dataSetGridTwips(QSize window) {
    return {std::max(0, window.width() - 360), std::max(0, window.height() - 645)};
}

frmDataSet* frmDataSet::load(const QString& databaseName) {
    if (!theDataSet())
        theDataSet() = new frmDataSet;
    theDataSet()->setDatabaseName(databaseName);
    return theDataSet();
}

frmDataSet* frmDataSet::instance() {
    return theDataSet();
}

frmDataSet::frmDataSet(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(u"Vernalt - Data Set"_s);
    resize(twipsSize(8895, 5055));
    grdDataSet = new Grid(this);
    grdDataSet->setAccessibleName(u"Data Set"_s);
    grdDataSet->move(twipsToPixelsX(120), twipsToPixelsY(120));
    Form_Load();
    Form_Resize();
    trackWindow(this);
}

frmDataSet::~frmDataSet() = default;

// Centres the window on the screen; its size stays.
void frmDataSet::Form_Load() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = frameGeometry().size();
    move(area.left() + (area.width() - outer.width()) / 2,
         area.top() + (area.height() - outer.height()) / 2);
}

// The grid fills the window but for the margins.
void frmDataSet::Form_Resize() {
    const QSize outer = frameGeometry().size();
    const QSize twips(qRound(pixelsToTwipsX(outer.width())),
                      qRound(pixelsToTwipsY(outer.height())));
    const QSize grid = dataSetGridTwips(twips);
    grdDataSet->resize(twipsToPixelsX(grid.width()), twipsToPixelsY(grid.height()));
}

void frmDataSet::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

} // namespace vernalt
