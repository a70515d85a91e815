#include "print/frmPrintPreview.h"

#include "platform/accessibility.h"
#include "platform/prompts.h"
#include "platform/twips.h"
#include "print/print_picture.h"
#include "print/window_capture.h"
#include "shell/app_windows.h"

#include <QAction>
#include <QDateTime>
#include <QEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// The one preview of the program; null until the first hand-over and again
// once the user has closed it.
QPointer<frmPrintPreview>& thePreview() {
    static QPointer<frmPrintPreview> preview;
    return preview;
}

// Design sizes and places of the picture boxes, in twips.
constexpr double PictureWidth = 9350;
constexpr double PictureHeight = 7425;
constexpr double SecondPictureLeft = 9840;

// Keeps a window, its frame included, on the available area of its screen (a
// 1024 x 768 screen less its panels): moved in where it stands out, and made
// smaller only where it is larger than that area.
void fitToScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QSize border = frame.size() - window->size(); // title bar and edges
    const QSize size = window->size().boundedTo(area.size() - border);
    if (size != window->size())
        window->resize(size);
    const QSize outer = size + border;
    const QPoint topLeft(std::clamp(frame.left(), area.left(),
                                    std::max(area.left(), area.right() + 1 - outer.width())),
                         std::clamp(frame.top(), area.top(),
                                    std::max(area.top(), area.bottom() + 1 - outer.height())));
    if (topLeft != frame.topLeft())
        window->move(topLeft); // a window's position is its frame's
}

} // namespace

QWidget* previewSourceWindow(const QString& formName) {
    if (formName == PreviewFromLogWindow) // case-sensitive: "main" is the snag window
        return gLogForm.data();
    return gSnagForm.data();
}

frmPrintPreview* showPrintPreview(QWidget* source, const QString& formName) {
    QPointer<frmPrintPreview>& preview = thePreview();
    if (preview.isNull()) {
        preview = new frmPrintPreview;
        preview->setAttribute(Qt::WA_DeleteOnClose);
        trackWindow(preview);
        if (source) // opens over the window it shows, on the same screen
            preview->move(source->pos());
    }
    preview->lblFormToPrint->setText(formName);
    preview->picPrintPreview->setPicture(CaptureFormClient(source));
    const bool wasActive = preview->isVisible() && preview->isActiveWindow();
    preview->show();
    preview->raise();
    preview->activateWindow();
    // Already the active window, so no activation will come to redraw it.
    if (wasActive)
        QMetaObject::invokeMethod(preview, &frmPrintPreview::Form_Activate, Qt::QueuedConnection);
    return preview;
}

// ---- PictureBox ----------------------------------------------------------

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!picture_.isNull())
        painter.drawImage(QPointF(0, 0), picture_);
}

// ---- Life cycle and layout ------------------------------------------------

frmPrintPreview::frmPrintPreview(QWidget* parent) : QMainWindow(parent) {
    buildLayout();
}

frmPrintPreview::~frmPrintPreview() = default;

void frmPrintPreview::buildLayout() {
    setWindowTitle(u"Vernalt - Print Preview"_s);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    mnuPrint = menuBar()->addAction(u"Print Portrait"_s);
    mnuPrintLandscape = menuBar()->addAction(u"Print Landscape"_s);
    connect(mnuPrint, &QAction::triggered, this, &frmPrintPreview::mnuPrint_Click);
    connect(mnuPrintLandscape, &QAction::triggered, this,
            &frmPrintPreview::mnuPrintLandscape_Click);
    menuBar()->installEventFilter(this); // the keys of the commands
    // Esc closes the preview, as its title bar's close button does.
    auto* escape = new QShortcut(QKeySequence::Cancel, this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    surface_ = new PictureBox(this);
    setAccessibleRole(surface_, QAccessible::Graphic); // a picture, not a "filler"
    surface_->setAccessibleName(u"Preview of the window to print"_s);
    setCentralWidget(surface_);

    picPrintPreview = new PictureBox(surface_);
    placeTwips(picPrintPreview, 0, 0, PictureWidth, PictureHeight);
    picPrintPreview->hide();
    picPrintPreview2 = new PictureBox(surface_);
    placeTwips(picPrintPreview2, SecondPictureLeft, 0, PictureWidth, PictureHeight);
    picPrintPreview2->hide();
    lblFormToPrint = new QLabel(surface_);
    lblFormToPrint->hide();

    resize(twipsSize(PictureWidth, PictureHeight));
}

const QImage& frmPrintPreview::shownPicture() const {
    return surface_->picture();
}

bool frmPrintPreview::event(QEvent* event) {
    // Drawing waits for the clock and lets events through meanwhile, so it runs
    // after the activation has been delivered rather than inside it.
    if (event->type() == QEvent::WindowActivate)
        QMetaObject::invokeMethod(this, &frmPrintPreview::Form_Activate, Qt::QueuedConnection);
    return QMainWindow::event(event);
}

// ---- Activation and drawing -----------------------------------------------

void frmPrintPreview::Form_Activate() {
    if (drawing_) // activated again during the wait: the running activation draws
        return;
    drawing_ = true;
    const QPointer<frmPrintPreview> self(this);
    // The command that has the focus, which it keeps: the commands are off
    // while the picture is drawn, and the menu bar forgets it meanwhile.
    QAction* const focused = menuBar()->hasFocus() ? menuBar()->activeAction() : nullptr;

    setCursor(Qt::WaitCursor);
    surface_->setPicture(QImage());
    mnuPrint->setEnabled(false);
    mnuPrintLandscape->setEnabled(false);
    picPrintPreview->hide();

    // Take the source window's size; once that window is closed, keep our own.
    if (const QWidget* source = previewSourceWindow(lblFormToPrint->text()))
        resize(source->size());
    fitToScreen(this);
    layout()->activate();
    picPrintPreview->resize(size());
    picPrintPreview2->resize(size());

    waitForNextSecond();
    if (self.isNull()) // closed during the wait
        return;

    DrawPreview();
    mnuPrint->setEnabled(true);
    mnuPrintLandscape->setEnabled(true);
    unsetCursor();
    drawing_ = false;
    focusCommand(focused ? focused : mnuPrint);
    emit previewDrawn();
}

// ---- Keyboard ---------------------------------------------------------------

void frmPrintPreview::focusCommand(QAction* command) {
    menuBar()->setActiveAction(command);
    menuBar()->setFocus(Qt::MenuBarFocusReason);
}

// The menu bar holds the commands and has the focus; it moves along them by
// itself (Tab, Shift+Tab and the arrow keys). Enter and Space run the one that
// has the focus, and Esc closes the preview rather than only leaving the menu bar.
bool frmPrintPreview::eventFilter(QObject* menuBar, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(menuBar, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (QAction* command = this->menuBar()->activeAction())
            command->trigger();
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return QMainWindow::eventFilter(menuBar, event);
    }
}

void frmPrintPreview::waitForNextSecond() {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 nextSecond = (now / 1000 + 1) * 1000;
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(nextSecond - now), Qt::PreciseTimer, &loop,
                       &QEventLoop::quit);
    loop.exec();
}

void frmPrintPreview::DrawPreview() {
    const QImage& picture = picPrintPreview->picture();
    const qreal ratio = picture.isNull() ? devicePixelRatioF() : picture.devicePixelRatio();
    QImage surface(surface_->size() * ratio, QImage::Format_ARGB32);
    surface.setDevicePixelRatio(ratio);
    surface.fill(Qt::white);

    const ColorParts face = SplitColor(SystemButtonFace).value_or(ColorParts{});
    const QRgb transparent = qRgb(face.red, face.green, face.blue);
    TransparentCopy(surface, surface, picture, QRect(0, 0, surface.width(), surface.height()), 0, 0,
                    transparent);
    surface_->setPicture(surface);
}

// ---- Printing -------------------------------------------------------------

QPrinter& frmPrintPreview::printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void frmPrintPreview::mnuPrint_Click() {
    printPreview(false);
}

void frmPrintPreview::mnuPrintLandscape_Click() {
    printPreview(true);
}

void frmPrintPreview::printPreview(bool landscape) {
    picPrintPreview2->setPicture(CaptureFormClient(this));
    QPrinter& device = printer();
    if (!prompts().printerDialog(device))
        return; // Cancel prints nothing
    const QSizeF screenDpi(logicalDpiX(), logicalDpiY());
    const auto orientation = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (!printPicture(device, picPrintPreview2->picture(), orientation, screenDpi))
        prompts().messageBox(u"An error occurred during printing"_s, u"Printing Error"_s,
                             MsgIcon::Critical, MsgButtons::Ok, 0);
}

} // namespace vernalt
