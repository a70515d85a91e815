#include "shell/frmSwitchboard.h"

#include "platform/accessibility.h"
#include "platform/twips.h"
#include "shell/app_windows.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

struct ButtonPlace {
    const char16_t* caption;
    int left, top, width, height; // twips, inside the frame
};

// In tab order.
constexpr ButtonPlace kButtons[] = {
    {u"Logs", 600, 360, 2655, 495},
    {u"Snags or Trees", 600, 1080, 2655, 495},
    {u"Exit", 1200, 1920, 1455, 375},
};

} // namespace

void Main() {
    gSwitchboard = new frmSwitchboard;
    gSwitchboard->show();
}

frmSwitchboard::frmSwitchboard(QWidget* parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Vernalt"_s);
    setAccessibleRole(this, QAccessible::Window);
    setFixedSize(twipsSize(3975, 2820));

    Frame1 = new QGroupBox(u"Habitat component?"_s, this);
    placeTwips(Frame1, 120, 120, 3735, 2535);

    QPushButton** buttons[] = {&cmdLogs, &cmdTrees, &cmdExit};
    for (std::size_t i = 0; i < std::size(kButtons); ++i) {
        const ButtonPlace& b = kButtons[i];
        auto* button = new QPushButton(QString::fromUtf16(b.caption), Frame1);
        placeTwips(button, b.left, b.top, b.width, b.height);
        button->setAutoDefault(true); // Enter presses the button that has the focus, as Space does
        *buttons[i] = button;
    }
    setTabOrder(cmdLogs, cmdTrees);
    setTabOrder(cmdTrees, cmdExit);
    cmdLogs->setFocus();

    connect(cmdLogs, &QPushButton::clicked, this, &frmSwitchboard::cmdLogs_Click);
    connect(cmdTrees, &QPushButton::clicked, this, &frmSwitchboard::cmdTrees_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmSwitchboard::cmdExit_Click);

    centreOnScreen();
    trackWindow(this);
}

// Centres the window with its frame on the screen's available area.
void frmSwitchboard::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize outer = frameGeometry().size();
    move(area.left() + (area.width() - outer.width()) / 2,
         area.top() + (area.height() - outer.height()) / 2);
}

// The frame is known only once the window is shown: centre again then, once.
void frmSwitchboard::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    centreOnScreen();
}

void frmSwitchboard::openAnalysisWindow(QWidget* (*create)(), QPointer<QWidget>& ref) {
    QWidget* w = create();
    if (!w)
        return;
    // The reference is set before the window loads: its load reaches itself
    // through the reference.
    ref = w;
    w->show();
    hide();
}

void frmSwitchboard::cmdLogs_Click() {
    openAnalysisWindow(&createLogWindow, gLogForm);
}

void frmSwitchboard::cmdTrees_Click() {
    openAnalysisWindow(&createSnagWindow, gSnagForm);
}

void frmSwitchboard::cmdExit_Click() {
    close();
}

void frmSwitchboard::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

// Unloads every other loaded window, the most recently loaded first; hidden
// windows (the data-set window, a settings window) included.
void frmSwitchboard::Form_Unload() {
    const QList<QWidget*> windows = loadedWindows();
    QList<QPointer<QWidget>> others;
    for (QWidget* w : windows)
        if (w != this)
            others.append(QPointer<QWidget>(w));
    for (qsizetype i = others.size() - 1; i >= 0; --i)
        if (others[i])
            unloadWindow(others[i]);
}

} // namespace vernalt
