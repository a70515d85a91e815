// The program-wide window references, the analysis-window factories and the
// list of loaded windows.
#include "shell/app_windows.h"

#include "shell/frmSwitchboard.h"

#include <QEvent>
#include <QList>

namespace vernalt {

QPointer<frmSwitchboard> gSwitchboard;
QPointer<QWidget> gLogForm;
QPointer<QWidget> gSnagForm;

namespace {

WindowFactory& logFactory() {
    static WindowFactory f;
    return f;
}

WindowFactory& snagFactory() {
    static WindowFactory f;
    return f;
}

// Load order; entries turn null when their window is destroyed.
QList<QPointer<QWidget>>& windowList() {
    static QList<QPointer<QWidget>> list;
    return list;
}

void dropDeadEntries() {
    windowList().removeIf([](const QPointer<QWidget>& p) { return p.isNull(); });
}

} // namespace

LogWindowApi* logWindow() {
    return dynamic_cast<LogWindowApi*>(gLogForm.data());
}

SnagWindowApi* snagWindow() {
    return dynamic_cast<SnagWindowApi*>(gSnagForm.data());
}

void registerAnalysisWindows(WindowFactory createLog, WindowFactory createSnag) {
    logFactory() = std::move(createLog);
    snagFactory() = std::move(createSnag);
}

QWidget* createLogWindow() {
    return logFactory() ? logFactory()() : nullptr;
}

QWidget* createSnagWindow() {
    return snagFactory() ? snagFactory()() : nullptr;
}

void trackWindow(QWidget* w) {
    if (!w)
        return;
    dropDeadEntries();
    for (const auto& p : windowList())
        if (p == w)
            return;
    windowList().append(QPointer<QWidget>(w));
}

QList<QWidget*> loadedWindows() {
    dropDeadEntries();
    QList<QWidget*> out;
    out.reserve(windowList().size());
    for (const auto& p : windowList())
        out.append(p.data());
    return out;
}

void unloadWindow(QWidget* w) {
    if (!w)
        return;
    dropDeadEntries();
    qsizetype at = -1;
    for (qsizetype i = 0; i < windowList().size(); ++i)
        if (windowList()[i].data() == w)
            at = i;
    if (at < 0)
        return; // not loaded (or already being unloaded)
    // Leaves the list first, so an unload that runs while this one is in progress
    // does not unload the window a second time.
    windowList().removeAt(at);
    QPointer<QWidget> guard(w);
    w->close(); // runs the window's own unload (closeEvent)
    if (guard)
        guard->deleteLater();
}

} // namespace vernalt
