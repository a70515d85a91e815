// The program-wide references to the switchboard and the two analysis windows,
// and what other windows may ask of an analysis window. The shell knows the
// analysis windows only through these interfaces; the concrete windows are
// created by factories registered at start-up.
#pragma once

#include <QPointer>
#include <QSize>
#include <QWidget>
#include <functional>

namespace vernalt {

class frmSwitchboard;

// What the settings windows and the print preview ask of the log window.
class LogWindowApi {
  public:
    virtual ~LogWindowApi() = default;
    // Re-reads the lengths of the sampling units from table LogLengths.
    virtual void SetTransectLengths() = 0;
};

// What the settings windows, the guidelines window and the print preview ask of
// the snag window.
class SnagWindowApi {
  public:
    virtual ~SnagWindowApi() = default;
    // Re-reads the plot sizes and widths from table PlotSizes and relabels.
    virtual void UpdateDimensionLabels() = 0;
    // True when the window shows metric units (mnuMetric checked).
    virtual bool isMetric() const = 0;
};

// References stay null until set and become null when their window is gone.
extern QPointer<frmSwitchboard> gSwitchboard;
extern QPointer<QWidget> gLogForm;
extern QPointer<QWidget> gSnagForm;

LogWindowApi* logWindow();   // gLogForm as a LogWindowApi, or nullptr
SnagWindowApi* snagWindow(); // gSnagForm as a SnagWindowApi, or nullptr

// Factories for the analysis windows, registered by main() (and the test main).
using WindowFactory = std::function<QWidget*()>;
void registerAnalysisWindows(WindowFactory createLog, WindowFactory createSnag);
QWidget* createLogWindow();
QWidget* createSnagWindow();

// The program's list of loaded windows, in load order (the switchboard first).
// Every top-level window of the program calls trackWindow() when it is created;
// it leaves the list by itself when destroyed.
void trackWindow(QWidget* w);
QList<QWidget*> loadedWindows();
// Unloads a loaded window: it leaves the list, runs its own unload (closeEvent)
// and is deleted; a window that is not in the list is left alone.
void unloadWindow(QWidget* w);

} // namespace vernalt
