// The log analysis window: imports line-intersect (LIM) or strip-plot (SPM) log
// data and analyses it. frmMainLog.cpp holds the life cycle, layout, menus and
// settings; frmMainLog_lengths.cpp the sampling-unit lengths.
#pragma once

#include "shell/app_windows.h"

#include <QMainWindow>
#include <array>

class QAction;
class QLabel;
class QMenu;
class QTabWidget;
class QTimer;

namespace vernalt {

class frmMainLog : public QMainWindow, public LogWindowApi {
    Q_OBJECT
  public:
    explicit frmMainLog(QWidget* parent = nullptr);
    ~frmMainLog() override;

    // Re-reads LevelLengths from table LogLengths, sets LevelNames and rewrites
    // the length labels of the Optimal page. Raises what the database raises.
    void SetTransectLengths() override;

    // The text of the first status-bar panel ("Status: ...").
    QString statusText() const;
    void setStatusText(const QString& text);

    // Menus. The mode state lives in the check marks.
    QMenu* mnuFile = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuMeasurement = nullptr;
    QAction* mnuMetric = nullptr;
    QAction* mnuEnglish = nullptr;
    QMenu* mnuMethod = nullptr;
    QAction* mnuLIM = nullptr;
    QAction* mnuSPM = nullptr;
    QAction* mnuCombo = nullptr;
    QMenu* mnuSettings = nullptr;
    QAction* mnuLogLengths = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpAbout = nullptr;

    // Pages: ssTabMain with its ten pages; the Optimal page (1) holds one
    // sub-page per data sheet with the sampling-unit length labels, index 4p + k
    // for data sheet p and sampling level k.
    QTabWidget* ssTabMain = nullptr;
    QTabWidget* ssTabOptimal = nullptr;
    std::array<QLabel*, 20> lblTransectName{};
    std::array<QLabel*, 20> lblTransectLength{};
    std::array<QLabel*, 20> lblTransectName2{};
    std::array<QLabel*, 20> lblTransectLength2{};

    // Status bar panels: 0 status text, 1 date, 2 time.
    std::array<QLabel*, 3> sbStatusBar{};

    // The names of the sampling levels, index = level.
    static constexpr const char16_t* kLevelNames[4] = {u"Subsegment", u"Segment", u"Section",
                                                       u"Transect"};

    // Form fields.
    std::array<float, 4> LevelLengths{}; // length per sampling level, current unit system
    std::array<QString, 4> LevelNames;   // empty until SetTransectLengths

  public slots:
    void mnuFileExit_Click();
    void mnuHelpAbout_Click();
    void mnuLogLengths_Click();

  protected:
    // The window loads (Form_Load) the first time it is shown, before it appears.
    void setVisible(bool visible) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    void buildPages();
    void buildStatusBar();
    void refreshClock();

    void Form_Load();
    void Form_Unload();
    void readSettings();
    void applyMethod();
    void saveSettings();

    // Loads LevelLengths for the checked unit system (Index -> PlotSize).
    void SetLengths();

    bool loaded_ = false;
    QTimer* clock_ = nullptr;
};

} // namespace vernalt
