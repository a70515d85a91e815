// The log analysis window: imports line-intersect (LIM) or strip-plot (SPM) log
// data, computes a metric per log, subtotals and statistics per sampling level,
// the single and stratified estimates, the sample size, and the combined
// LIM-and-SPM design (the Combination layout).
//
// One class, split across files by concern:
//   frmMainLog.cpp           life cycle: load, resize, unload, settings, status bar
//   log_layout.cpp           menu bar; Summary, Optimal and Statistical Test pages
//   log_layout_pages.cpp     Formula, Sample Size and data-sheet pages
//   log_layout_combo.cpp     the Combination pages (ssTabCombo)
//   log_labels.cpp           SetMetricLabels, SetEnglishLabels, combined-formula menu
//   log_captions.h/.cpp      the caption and header tables the labels come from
//   log_layout_switch.cpp    HideCombo, ShowCombo (single method or Combination), ClearAll
//   log_method.cpp           method and metric menus, ChangeFormula, ReloadLogForm
//   log_menus.cpp            option menus, command buttons, text events, connectControls
//   frmMainLog_lengths.cpp   SetLengths, SetTransectLengths
//   log_import.cpp           File, Open and OpenFile
//   log_sheets.cpp           ConnectDataSet, FillSingleTab, SetGridHeaders, SortDefault
//   log_criteria.cpp         the selection-criteria prompts
//   log_metrics.cpp          FormulaDen ... FormulaWt, the per-log values
//   log_wildlife.cpp         wildlife use
//   log_subtotals.cpp        CalculateSummaryStatistics
//   log_stats.cpp            CalculateStats
//   log_length.cpp           CalcMeanLength, Median
//   log_correlation.cpp      serial correlation of adjacent units
//   log_estimate.cpp         single-stratum estimate (cmdDefaultSingle_Click)
//   log_stratified.cpp       stratified estimate (cmdDefaultStratified_Click)
//   log_sample_size.cpp      SampleSize
//   log_combined.cpp         CalculateCombo, cboTransectName_Click, cmdClearCombo_Click
//   log_combined_sample_size.cpp  ComboSampleSize
#pragma once

#include "platform/grid.h"
#include "platform/tab_control.h"
#include "shell/analysis_window.h"
#include "shell/app_windows.h"
#include "shell/stat_test_graph.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;

namespace vernalt {

namespace logest {
struct StratumSizes;
}

// ---- Rebuilding the window (log_method.cpp) ---------------------------------------
// True from the moment ChangeFormula has rebuilt the window until the metric
// handler that called it returns: a metric handler then neither asks nor rebuilds.
extern bool FormulaReloadPending;
// True from the moment ReloadLogForm has shown the new window until that
// window's method handler has run: a method handler then does not ask.
extern bool MethodReloadPending;

// Rebuilds the log window for a metric change: "same" (go on in this window),
// "ok" (rebuilt; the new window already runs the metric) or "cancel".
QString ChangeFormula(const QString& key);
// Rebuilds the log window for a method change: "LIM", "SPM", anything else
// for Combination.
void ReloadLogForm(const QString& method);

class frmMainLog : public QMainWindow,
                   public LogWindowApi,
                   public StatTestPage,
                   public OptimalSelectionMenus<5> {
    Q_OBJECT
  public:
    explicit frmMainLog(QWidget* parent = nullptr);
    ~frmMainLog() override;

    // What a data control of the window holds: the database file, the query of
    // its record set and the names of the query's fields.
    struct DataControl {
        QString DatabaseName;
        QString RecordSource;
        QStringList Fields;
    };

    // ---- Public procedures (called through gLogForm) -----------------------------
    // Re-reads LevelLengths from table LogLengths, sets LevelNames and rewrites
    // the length labels of the Optimal page. Raises what the database raises.
    void SetTransectLengths() override;
    // Imports a data file into table LIM or SPM (log_import.cpp); false, after
    // its message, when the table was left as it was.
    bool OpenFile(const QString& strFile);
    // The median of the non-null values of a column (log_length.cpp).
    float Median(const QString& tName, const QString& fldName, std::int16_t intStratum);

    // The text of the first status-bar panel ("Status: ...").
    QString status() const;
    void setStatus(const QString& text);

    // ---- Form fields ---------------------------------------------------------------
    std::int16_t DataFileError = 0; // 0 after a clean import, -1 after one with a non-numeric value
    QStringList DataFileHeader;     // column names of the header row being imported
    std::int32_t ImportedRowCount = 0;
    std::array<float, 4> LevelLengths{}; // length per sampling level, current unit system
    std::array<QString, 4> LevelNames;   // empty until SetTransectLengths
    // The data sheet in use: 0 "Single/Combined", 1 to 4 "Stratum 1" to "Stratum 4".
    std::int16_t DataSheetIndex = 0;
    // Per-area mean per (data sheet, level + 1) in metric and English units; index
    // 0 of the second dimension is not used.
    std::array<std::array<QString, 5>, 5> LevelMeanMetric;
    std::array<std::array<QString, 5>, 5> LevelMeanEnglish;

    // The names of the sampling levels, index = level.
    static constexpr const char16_t* kLevelNames[4] = {u"Subsegment", u"Segment", u"Section",
                                                       u"Transect"};

    // ---- Menus (the mode state lives in their check marks) -------------------------
    QMenu* mnuFile = nullptr;
    QAction* mnuFileOpen = nullptr; // "&Open..."
    QAction* mnuPrint = nullptr;    // "Print Preview"
    QAction* mnuFileExit = nullptr; // "E&xit to Menu"
    QMenu* mnuMeasurement = nullptr;
    QAction* mnuMetric = nullptr;
    QAction* mnuEnglish = nullptr;
    QMenu* mnuMethod = nullptr;
    QAction* mnuLIM = nullptr;
    QAction* mnuSPM = nullptr;
    QAction* mnuCombo = nullptr; // "Combination"
    QMenu* mnuFormula = nullptr; // the single-method metrics
    QAction* mnuDensity = nullptr;
    QAction* mnuLength = nullptr;
    QAction* mnuPercentCover = nullptr;
    QAction* mnuTally = nullptr;
    QAction* mnuVolume = nullptr;
    QAction* mnuWeight = nullptr;
    QMenu* mnuComboFormula = nullptr; // the combined metrics, Combination only
    QAction* mnuComboDensity = nullptr;
    QAction* mnuComboLength = nullptr;
    QAction* mnuComboPercentCover = nullptr; // "% Cover"
    QAction* mnuComboVolume = nullptr;
    QAction* mnuComboWeight = nullptr;
    QMenu* mnuLengthAnalysis = nullptr;     // "&Lengths"
    std::array<QAction*, 4> mnuUseLength{}; // UsedLevels: Subsegment to Transect
    QAction* mnuAllLengths = nullptr;
    QMenu* mnuSpecies = nullptr;
    QAction* mnuMultipleSpecies = nullptr;
    QAction* mnuSingleSpecies = nullptr;
    QMenu* mnuSettings = nullptr;
    QAction* mnuLogLengths = nullptr; // "Transect Lengths"
    // "Optimal Selection", mnuSingle and mnuStratum1 to 4 come from OptimalSelectionMenus:
    // item 0 "Auto", items 1 to 4 Subsegment to Transect.
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpAbout = nullptr;

    // The six metric items in menu order, and the five combined ones.
    std::array<QAction*, 6> formulaItems() const {
        return {mnuDensity, mnuLength, mnuPercentCover, mnuTally, mnuVolume, mnuWeight};
    }
    std::array<QAction*, 5> comboFormulaItems() const {
        return {mnuComboDensity, mnuComboLength, mnuComboPercentCover, mnuComboVolume,
                mnuComboWeight};
    }

    // ---- Main tab control and status bar -------------------------------------------
    // Ten pages in two rows of tabs, see MainPage; tab 2 caption = CurrentFormula.
    TabControl* ssTabMain = nullptr;
    enum MainPage {
        PageSummary = 0,
        PageOptimal = 1,
        PageFormula = 2,
        PageSampleSize = 3,
        PageStatisticalTest = 4,
        PageSingleCombined = 5, // then Stratum 1 to 4 on pages 6 to 9
    };
    std::array<QLabel*, 3> sbStatusBar{}; // 0 status text, 1 date, 2 time
    QLabel* lblComboTitle = nullptr;      // title of the Combination layout

    // ---- Data controls -----------------------------------------------------------------
    std::array<DataControl, 5> datDataSet; // sheet k's records
    DataControl datDataSet2;               // LogLengths
    DataControl datQuery;                  // the length queries and Median

    // ---- Summary Statistics page (0) ------------------------------------------------
    Grid* grdSubtotals = nullptr;
    // The transect of each unit of each level of grdSubtotals, as the last
    // subtotals found them; the correlation pairs units of one transect only.
    std::array<std::vector<int>, 4> UnitTransects;
    QGroupBox* fraDataFound = nullptr;           // "Analyze Data From :"
    std::array<QRadioButton*, 5> optDataFound{}; // "Single/Combined", "Stratum 1".."Stratum 4"
    QPushButton* cmdSummaryStatistics = nullptr; // "Calculate Statistics"
    QPushButton* cmdCorrelation = nullptr;       // "Correlation"
    QGroupBox* frmWildlife = nullptr;            // "Wildlife"
    QPushButton* cmdWildLife = nullptr;          // "WildLife Use"
    QLabel* lblAvailable = nullptr;
    QLabel* lblUsed = nullptr;
    QLabel* lblPercentUse = nullptr;
    QLabel* lblDataSheet = nullptr; // sheet name and metric of the last statistics
    // Per level (index = SamplingLevel): its name, n, mean and standard deviation.
    std::array<QLabel*, 4> lblLevel{};
    std::array<QLabel*, 4> lblNum{};
    std::array<QLabel*, 4> lblAvg{};
    std::array<QLabel*, 4> lblStdDev{};

    // ---- Optimal page (1) ---------------------------------------------------------------
    QLabel* lblOptimal = nullptr;
    QTabWidget* ssTabOptimal = nullptr; // one page per data sheet
    std::array<Grid*, 5> grdOptimal{};
    std::array<Grid*, 5> grdOptimal2{};
    // Index 4p + k for data sheet p and sampling level k.
    std::array<QLabel*, 20> lblTransectName{};
    std::array<QLabel*, 20> lblTransectLength{};
    std::array<QLabel*, 20> lblTransectName2{};
    std::array<QLabel*, 20> lblTransectLength2{};
    QLineEdit* txtTvalue = nullptr;
    QLineEdit* txtPrecisionLevel = nullptr;
    QLineEdit* txtQualifyingLogs = nullptr;
    // Mirrors of the three inputs: index 0 on "Formula", 1 on "Sample Size".
    std::array<QLabel*, 2> lblTValue{};
    std::array<QLabel*, 2> lblPrecisionLevel{};
    std::array<QLabel*, 2> lblQualifyingLogs{};

    // ---- Formula page (2) -----------------------------------------------------------------
    QLabel* lblFormula = nullptr;
    QTabWidget* ssTabFormula = nullptr; // 0 simple, 1 stratified
    Grid* grdFormulaSimple = nullptr;
    Grid* grdFormulaStratified = nullptr;
    QGroupBox* frmLandscapeArea = nullptr;         // holds txtLandscapeArea[0]
    QGroupBox* frmStratifiedStratumSize = nullptr; // holds txtLandscapeArea[1..4]
    std::array<QLineEdit*, 5> txtLandscapeArea{};  // 0 landscape, 1 to 4 stratum sizes
    QGroupBox* frmSimpleStats = nullptr;
    QLabel* lblSimpleMetricTitle = nullptr;
    QLabel* lblSimpleMetricFormula = nullptr;
    QLabel* lblSimpleEnglishTitle = nullptr;
    QLabel* lblSimpleEnglishFormula = nullptr;
    QLabel* lblSimpleStdErr = nullptr;
    QLabel* lblSimpleBound = nullptr;
    QLabel* lblSimpleUpperLimit = nullptr;
    QLabel* lblSimpleLowerLimit = nullptr;
    QLabel* lblSimplePrecision = nullptr;
    QGroupBox* frmStratifiedStats = nullptr;
    QLabel* lblStratifiedMetricTitle = nullptr;
    QLabel* lblStratifiedMetricFormula = nullptr;
    QLabel* lblStratifiedEnglishTitle = nullptr;
    QLabel* lblStratifiedEnglishFormula = nullptr;
    QLabel* lblStratifiedVar = nullptr;
    QLabel* lblStratifiedS = nullptr;
    QLabel* lblStratifiedBound = nullptr;
    QLabel* lblStratifiedUpperLimit = nullptr;
    QLabel* lblStratifiedLowerLimit = nullptr;
    QLabel* lblStratifiedPrecision = nullptr;
    QPushButton* cmdDefaultSingle = nullptr;     // "Single"
    QPushButton* cmdDefaultStratified = nullptr; // "Stratified"

    // ---- Sample Size page (3) ---------------------------------------------------------------
    QLabel* lblSampleSizeHeader = nullptr;
    std::array<Grid*, 2> grdSampleSize{};
    QGroupBox* fraOptimalAllocation = nullptr;      // "Optimal Allocation"
    QGroupBox* fraProportionalAllocation = nullptr; // "Proportional Allocation"
    Grid* grdOptimalAllocation = nullptr;
    Grid* grdProportionalAllocation = nullptr;
    QLabel* lblOptimalAllocation = nullptr; // "Total Transect Length Required (m) ="
    QLabel* lblProportionalAllocation = nullptr;
    QLabel* lblOptTotalTransectLength = nullptr;
    QLabel* lblPropTotalTransectLength = nullptr;

    // ---- Statistical Test page (4): the graph, its boxes, legend and scale come from
    // StatTestPage; the limits are labels in this window.
    QLabel* lblStatTestUpperLimit = nullptr;
    QLabel* lblStatTestLowerLimit = nullptr;

    // ---- Data sheets, pages 5 to 9 (index = DataSheetIndex) -----------------------------------
    std::array<Grid*, 5> grdStratum{};
    QPushButton* cmdFormulaApply = nullptr; // "Set Criteria", page 5
    QPushButton* cmdSort1 = nullptr;        // "Apply and Sort", pages 6 to 9
    QPushButton* cmdSort2 = nullptr;
    QPushButton* cmdSort3 = nullptr;
    QPushButton* cmdSort4 = nullptr;
    std::array<QPushButton*, 5> cmdDisplayMean{}; // "Calculate Mean Length"

    // ---- Combination layout: ssTabCombo ---------------------------------------------------------
    QTabWidget* ssTabCombo = nullptr; // "Parameter Estimates", "Sample Sizes"
    // Parameter Estimates: one row per stratum (index = stratum - 1).
    QGroupBox* frmParameterEstimates = nullptr;
    std::array<QLineEdit*, 4> txtStratum{};
    std::array<QComboBox*, 4> cboTransectName{};
    std::array<QLineEdit*, 4> txtTransectLength{};
    std::array<QLineEdit*, 4> txtStratumSize{};
    std::array<QLineEdit*, 4> txtEstimates{};
    std::array<QLineEdit*, 4> txtVariance{};
    std::array<QLineEdit*, 4> txtStratumWeight{};
    std::array<QLineEdit*, 4> txtSampleSize{};
    std::array<QLineEdit*, 4> txtStratifiedMeans{};
    std::array<QLineEdit*, 4> txtStratifiedVariance{};
    // Column titles: 0 to 9 over the Parameter Estimates rows, 10 to 19 over the
    // Sample Sizes rows.
    std::array<QLabel*, 20> lblCombo{};
    QLabel* lblComboFormula = nullptr;
    QLineEdit* txtComboFormula = nullptr;
    QLineEdit* txtComboVar = nullptr;
    QLineEdit* txtComboS = nullptr;
    QLineEdit* txtComboBound = nullptr;
    QLineEdit* txtComboUpperLimit = nullptr;
    QLineEdit* txtComboLowerLimit = nullptr;
    QLineEdit* txtComboPrecision = nullptr;
    QLineEdit* txtComboTvalue = nullptr;
    QLabel* lblTotalSize = nullptr; // "Total hectares" / "Total acres"
    QLineEdit* txtTotalSize = nullptr;
    QLineEdit* txtTotalSamples = nullptr;
    QPushButton* cmdClearCombo = nullptr;     // "Clear All Values"
    std::array<QLabel*, 10> lblComboResult{}; // titles of the single result boxes
    // Sample Sizes.
    std::array<QLineEdit*, 4> txtSSstratum{};
    std::array<QLineEdit*, 4> txtSSstratumSize{};
    std::array<QLineEdit*, 4> txtSSstratumWeight{};
    std::array<QLineEdit*, 4> txtSSPlotDimensions{};
    std::array<QLineEdit*, 4> txtSSPlotLength{};
    std::array<QLineEdit*, 4> txtSSVariableAverage{};
    std::array<QLineEdit*, 4> txtSSVariableStdDev{};
    std::array<QLineEdit*, 4> txtSSVariableVariance{};
    std::array<QLineEdit*, 4> txtSSOptimalEquations{};
    std::array<QLineEdit*, 4> txtSSProportionalEquations{};
    QLineEdit* txtSSDesiredAbsVariance = nullptr;
    QLineEdit* txtSSTvalue = nullptr;
    std::array<QLabel*, 4> lblSSResult{}; // titles of the two single boxes and the equation rows
    QGroupBox* frmOptimalAllocation = nullptr;
    QGroupBox* frmProportionalAllocation = nullptr;
    Grid* grdComboSSOptimalAllocation = nullptr;
    Grid* grdComboSSProportionalAllocation = nullptr;
    QLabel* lblComboSSOptimalAllocation = nullptr;
    QLabel* lblComboSSProportionalAllocation = nullptr;
    QLabel* lblComboSSOptTotalTransectLength = nullptr;
    QLabel* lblComboSSPropTotalTransectLength = nullptr;

  public slots:
    // ---- Life cycle (frmMainLog.cpp) -----------------------------------------------------
    void Form_Load();
    void Form_Resize();
    void Form_Unload();

    // ---- Method and metric (log_method.cpp) ----------------------------------------------
    void mnuLIM_Click();
    void mnuSPM_Click();
    void mnuCombo_Click();
    void mnuDensity_Click();
    void mnuLength_Click();
    void mnuPercentCover_Click();
    void mnuTally_Click();
    void mnuVolume_Click();
    void mnuWeight_Click();

    // ---- Captions (log_labels.cpp) ---------------------------------------------------------
    void SetMetricLabels();
    void SetEnglishLabels();
    void mnuComboDensity_Click();
    void mnuComboLength_Click();
    void mnuComboPercentCover_Click();
    void mnuComboVolume_Click();
    void mnuComboWeight_Click();

    // ---- Layouts (log_layout_switch.cpp) ----------------------------------------------------
    void HideCombo();
    void ShowCombo();
    void ClearAll();

    // ---- Option menus, buttons, text events (log_menus.cpp) --------------------------------
    void mnuAllLengths_Click();
    void mnuUseLength_Click(int index);
    void mnuEnglish_Click();
    void mnuMetric_Click();
    void mnuMultipleSpecies_Click();
    void mnuSingleSpecies_Click();
    void mnuSingle_Click(int index);
    void mnuStratum1_Click(int index);
    void mnuStratum2_Click(int index);
    void mnuStratum3_Click(int index);
    void mnuStratum4_Click(int index);
    void mnuLogLengths_Click();
    void mnuPrint_Click();
    void mnuHelpAbout_Click();
    void mnuFileExit_Click();
    void cmdFormulaApply_Click();
    void cmdSummaryStatistics_Click();
    void cmdDisplayMean_Click(int index);
    void txtBound_Change();
    void txtEstimatedValue_Change();
    void txtTargetValue_Change();
    void txtPrecisionLevel_Change();
    void txtQualifyingLogs_Change();
    void txtTvalue_Change();
    void txtComboTvalue_GotFocus();
    void txtEstimates_Change(int index);
    void txtSampleSize_Change(int index);
    void txtStratum_Change(int index);
    void txtStratumSize_Change(int index);
    void txtTransectLength_Change(int index);
    void txtVariance_Change(int index);
    void txtSSTvalue_Change();
    void txtSSVariableAverage_Change(int index);
    void txtSSVariableVariance_Change(int index);

    // ---- Import (log_import.cpp) ---------------------------------------------------------------
    void mnuFileOpen_Click();

    // ---- Data sheets (log_sheets.cpp) -----------------------------------------------------------
    void cmdSort1_Click();
    void cmdSort2_Click();
    void cmdSort3_Click();
    void cmdSort4_Click();

    // ---- Wildlife use (log_wildlife.cpp)
    // ---------------------------------------------------------
    void cmdWildLife_Click();

    // ---- Serial correlation (log_correlation.cpp)
    // -------------------------------------------------
    void cmdCorrelation_Click();

    // ---- Estimates (log_estimate.cpp, log_stratified.cpp) ---------------------------------------
    void cmdDefaultSingle_Click();
    void cmdDefaultStratified_Click();

    // ---- Combined design (log_combined.cpp)
    // ---------------------------------------------------------
    void cboTransectName_Click(int index);
    void cmdClearCombo_Click();

  public:
    // ---- Data sheets (log_sheets.cpp) ----------------------------------------------------------
    void ConnectDataSet();
    void FillSingleTab();
    void SetGridHeaders();
    void SortDefault();

    // ---- Selection criteria (log_criteria.cpp); -1 ("-1" for the species) when cancelled ----
    double GetLED();
    double GetLength();
    double GetCondition();
    QString GetSpecies();

    // ---- Per-log values (log_metrics.cpp)
    // ---------------------------------------------------------
    void FormulaDen();
    void FormulaLeng();
    void FormulaPC();
    void FormulaTally();
    void FormulaVol();
    void FormulaWt();

    // ---- Summary chain (log_subtotals.cpp, log_stats.cpp); Cancel set when the sheet is empty ---
    void CalculateSummaryStatistics(bool& Cancel);
    void CalculateStats(bool& Cancel);

    // ---- Mean and median length (log_length.cpp) ------------------------------------------------
    // False when it ended, reported, before the lengths were ready: the
    // strip-plot estimates are then not saved.
    bool CalcMeanLength(bool ShowMessage, std::int16_t Stratum);

    // ---- Estimates and sample size (log_estimate.cpp, log_sample_size.cpp) ----------------------
    void CheckStratumSize();
    // The sample size of the strata the stratified sheet shows, from the sizes
    // the stratified estimate read and the total area of the strata in use.
    void SampleSize(const logest::StratumSizes& sizes, float TotalStratumSize);

    // ---- Combined design (log_combined.cpp, log_combined_sample_size.cpp) -----------------------
    void CalculateCombo();
    void ComboSampleSize();

    // ---- Statistical-test graph (log_menus.cpp)
    // ---------------------------------------------------
    void GraphStatTest();

    // ---- Sampling-unit lengths (frmMainLog_lengths.cpp)
    // --------------------------------------------- Loads LevelLengths for the checked unit system
    // (Index -> PlotSize).
    void SetLengths();

  protected:
    // The window loads (Form_Load) the first time it is shown, before it appears.
    void setVisible(bool visible) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Builders (log_layout*.cpp).
    void buildMenus();
    void buildPages();
    void buildSummaryPage(QWidget* page);
    void buildOptimalPage(QWidget* page);
    void buildFormulaPage(QWidget* page);
    void buildSampleSizePage(QWidget* page);
    void buildStatisticalTestPage(QWidget* page);
    void buildDataSheetPage(QWidget* page, int k);
    void buildComboPages();
    void buildStatusBar();
    void connectControls();
    void refreshClock();

    // Settings (frmMainLog.cpp).
    void readSettings();
    void saveSettings();
    void applyMethod(); // the load's choice of method by the first checked item

    // Labels (log_labels.cpp): both unit systems run the same steps.
    void setLabels(bool metric);
    // Data sheets (log_sheets.cpp): heads the five sheet grids with the bare field
    // names and sets the widths of columns 0 to 4 of the Optimal-page grids.
    void headDataSheets(const QStringList& fields);
    // A metric handler's work after the question (log_method.cpp).
    void applyFormula(int formula);
    // A method handler's work, and its switch in place (log_method.cpp).
    void changeMethod(int method);
    void switchMethod(int method);

    bool loaded_ = false;
    bool unloaded_ = false;
    QTimer* clock_ = nullptr;
};

} // namespace vernalt
