// The snag-and-tree analysis window: imports a snag data file, shows it as five
// data sheets, marks the strip widths each record counts in, computes subtotals
// and statistics per plot dimension, ranks the sixteen plot dimensions and fills
// the single, stratified and sample-size sheets.
//
// One class, split across files by concern:
//   frmMainSnag.cpp        life cycle: load, resize, unload, ClearAll, ClearResults, status
//   snag_layout.cpp        the ten pages of ssTabMain and the menu bar
//   snag_units.cpp         unit system and plot dimensions (SetDimensions, unit menus)
//   snag_labels.cpp        SetLabels: unit-dependent captions and grid headers
//   snag_import.cpp        File, Open: the data file into table Snags
//   snag_sheets.cpp        ConnectDataSet, FillSingleTab
//   snag_flags.cpp         strip-width marks ("Multiple", "Single") and the criteria prompts
//   snag_habitat.cpp       cavity and forage use
//   snag_compute.cpp       Compute and the tab gates
//   snag_stats.cpp         subtotals and statistics per plot dimension
//   snag_correlation.cpp   serial correlation between adjacent units
//   snag_menus.cpp         menu and text-box handlers
//   snag_stat_test.cpp     Statistical Test page: limits and graph
//   snag_optimal.cpp       ComputeOptimal
//   snag_estimates.cpp     DefaultSingle, DefaultStratified, CalcSimpleSheet
//   snag_stratified.cpp    cmdCalcStratified_Click, CalcStratifiedSheet
//   snag_sample_size.cpp   SampleSize
#pragma once

#include "data/sheet_queries.h"
#include "platform/grid.h"
#include "platform/line_control.h"
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
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;

namespace vernalt {

// What a data control of the window holds: the database file and the query of
// its record set.
struct DataControl {
    QString DatabaseName;
    QString RecordSource;
};

class frmMainSnag : public QMainWindow,
                    public SnagWindowApi,
                    public StatTestPage,
                    public OptimalSelectionMenus<17> {
    Q_OBJECT
  public:
    explicit frmMainSnag(QWidget* parent = nullptr);
    ~frmMainSnag() override;

    // ---- SnagWindowApi and the other public procedures ---------------------
    void UpdateDimensionLabels() override;
    bool isMetric() const override;
    void SetLabels();

    // The text of the first panel of the status bar.
    void setStatus(const QString& text);
    QString status() const;

    // ---- Window fields -------------------------------------------------------
    // Unit system and plot dimensions (snag_units.cpp).
    std::int32_t AreaFactor = 0;                   // 10000 metric, 43560 English
    std::array<std::int32_t, 16> DimensionSizes{}; // plot area of each PlotDimension
    std::array<QString, 4> WidthTexts;             // strip-width texts by WidthLevel
    // Units found per plot dimension by the last statistics run; entry p + 1 for
    // PlotDimension p, entry 0 unused (snag_stats.cpp).
    std::array<int, 17> PlotCounts{};
    // The transect of each unit of each level, by SamplingLevel, as the last
    // subtotals found them (snag_stats.cpp); the correlation pairs units of one
    // transect only.
    std::array<std::vector<int>, 4> UnitTransects;
    // The data sheet in use (0 "Single/Combined", 1 to 4 "Stratum 1" to "Stratum 4").
    int DataSheetIndex = 0;
    // Import (snag_import.cpp).
    std::int16_t DataFileError = 0; // 0 after a clean import, -1 after one with a non-numeric value
    QStringList DataFileHeader;     // the names of the last header line read
    std::int32_t ImportedRowCount = 0;

    // ---- Menus -----------------------------------------------------------------
    QMenu* mnuFile = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuMeasurement = nullptr;
    QAction* mnuMetric = nullptr;
    QAction* mnuEnglish = nullptr;
    QMenu* mnuPlotDimensions = nullptr;
    QMenu* mnuWidths = nullptr;
    QAction* mnuWidth10 = nullptr;
    QAction* mnuWidth20 = nullptr;
    QAction* mnuWidth30 = nullptr;
    QAction* mnuWidth40 = nullptr;
    QAction* mnuAllWidths = nullptr;
    QAction* mnuSizeSettings = nullptr;
    QMenu* mnuSettings = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuGuidelines = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpAbout = nullptr;
    // "Optimal Selection", mnuSingle and mnuStratum1 to 4 come from OptimalSelectionMenus:
    // item 0 "Automatic", items 1 to 16 the plot dimensions.
    // The four width items by WidthLevel.
    std::array<QAction*, 4> widthItems() const {
        return {mnuWidth10, mnuWidth20, mnuWidth30, mnuWidth40};
    }

    // ---- Main tab control and status bar ------------------------------------
    TabControl* ssTabMain = nullptr; // ten pages, see MainPage
    enum MainPage {
        PageOptimal = 0,
        PageDensities = 1,
        PageSampleSize = 2,
        PageStatisticalTest = 3,
        PageSummary = 4,
        PageSingleCombined = 5, // then Stratum 1 to 4 on pages 6 to 9
    };
    QStatusBar* sbStatusBar = nullptr;
    QLabel* sbStatusPanel = nullptr; // first panel: the status texts

    // ---- Data sheets, pages 5 to 9 (index = DataSheetIndex) -----------------
    std::array<Grid*, 5> grdStratum{};
    std::array<DataControl, 5> datDataSet;
    DataControl datDataSet2;                     // only its database name is set
    DataControl datDataSet3;                     // plot sizes
    std::array<QPushButton*, 5> cmdFormMulti{};  // "Multiple"
    std::array<QPushButton*, 5> cmdFormSingle{}; // "Single"
    std::array<QPushButton*, 5> cmdCavity{};     // "Cavity"
    std::array<QPushButton*, 5> cmdForage{};     // "Forage"
    std::array<QGroupBox*, 5> frmSingleCavity{}; // "Cavity/Forage"
    std::array<QLabel*, 5> lblCavityTotal{};
    std::array<QLabel*, 5> lblForageTotal{};
    std::array<QLabel*, 5> lblCavityCavSigns{};
    std::array<QLabel*, 5> lblCavityPercentUse{};
    std::array<QLabel*, 5> lblForageSigns{};
    std::array<QLabel*, 5> lblForagePercentUse{};

    // ---- Optimal page ---------------------------------------------------------
    QGroupBox* fraStratumToProcess = nullptr;  // "Stratum to Process"
    std::array<QRadioButton*, 5> optStratum{}; // "Single", "Stratum 1" to "Stratum 4"
    QPushButton* cmdSubtotals = nullptr;       // "Compute"
    QTabWidget* ssTabOptimal = nullptr;        // "Optimal 1" to "Optimal 3"
    std::array<Grid*, 3> grdOptimal{};
    QLineEdit* txtOptimalTvalue = nullptr;
    QLineEdit* txtOptimalPrecisionLevel = nullptr;
    QLineEdit* txtStratum = nullptr;
    QLabel* lblLowestVariance = nullptr;
    QLabel* lblLowestTotalCost = nullptr;

    // ---- Densities page -------------------------------------------------------
    QTabWidget* ssTabFormula = nullptr; // 0 simple, 1 stratified
    QLineEdit* txtSimpleTvalue = nullptr;
    QLineEdit* txtNumStrata = nullptr;
    QPushButton* cmdCalcStratified = nullptr; // "Calculate Stratified Values"
    // Mirrors of the Optimal page's inputs: index 0 here, index 1 on "Sample Size".
    std::array<QLabel*, 2> lblTValue{};
    std::array<QLabel*, 2> lblPrecisionLevel{};
    std::array<QLabel*, 2> lblStratum{};
    // Simple-random sampling sheet: inputs, titles and results.
    QLineEdit* txtPlotDimensions = nullptr;
    QLineEdit* txtAverageDensity = nullptr;
    QLineEdit* txtStdDev = nullptr;
    QLineEdit* txtSampleSize = nullptr;
    QLineEdit* txtSimpleLandscapeArea = nullptr;
    QLabel* lblSimpleLandscapeArea = nullptr;
    QLabel* lblSimplePlotSize = nullptr;
    QLabel* lblSimplePlotArea = nullptr;
    QLabel* lblSimpleAvgAcres = nullptr;
    QLabel* lblSimpleVarianceAcres = nullptr;
    QLabel* lblSimpleXTitle = nullptr;
    LineControl* linDensitiesX = nullptr;
    QLabel* lblPlotSize = nullptr;
    QLabel* lblPlotArea = nullptr;
    QLabel* lblAvgAcres = nullptr;
    QLabel* lblVarianceAcres = nullptr;
    QLabel* lblSimpleX = nullptr;
    QLabel* lblSimpleBound = nullptr;
    QLabel* lblSimpleUpperLimit = nullptr;
    QLabel* lblSimpleLowerLimit = nullptr;
    QLabel* lblSimplePrecision = nullptr;
    // Stratified-random sampling sheet: one row per stratum (index = stratum - 1).
    std::array<QLineEdit*, 4> txtStratifiedStratum{};
    std::array<QLineEdit*, 4> txtStratifiedStratumSize{};
    std::array<QLineEdit*, 4> txtStratifiedPlotDimensions{};
    std::array<QLineEdit*, 4> txtStratifiedAvgDensity{};
    std::array<QLineEdit*, 4> txtStratifiedStdDev{};
    std::array<QLineEdit*, 4> txtStratifiedSampleSize{};
    QLabel* lblStratifiedPlotSizeTitle = nullptr;
    QLabel* lblStratifiedPlotAreaTitle = nullptr;
    QLabel* lblStratifiedStratumSizeTitle = nullptr;
    QLabel* lblStratifiedAvgAcresTitle = nullptr;
    QLabel* lblStratifiedVarianceHectaresTitle = nullptr;
    QLabel* lblStratifiedXTitle = nullptr;
    std::array<QLabel*, 4> lblStratifiedPlotSize{};
    std::array<QLabel*, 4> lblStratifiedPlotArea{};
    std::array<QLabel*, 4> lblStratifiedAvgAcres{};
    std::array<QLabel*, 4> lblStratifiedVarianceHectares{};
    std::array<QLabel*, 4> lblStratifiedStratumWeight{};
    std::array<QLabel*, 4> lblStratifiedMeanEquations{};     // element 0 unused
    std::array<QLabel*, 4> lblStratifiedVarianceEquations{}; // element 0 unused
    QLabel* lblStratifiedX = nullptr;
    QLabel* lblStratifiedVar = nullptr;
    QLabel* lblStratifiedS = nullptr;
    QLabel* lblStratifiedBound = nullptr;
    QLabel* lblStratifiedUpperLimit = nullptr;
    QLabel* lblStratifiedLowerLimit = nullptr;
    QLabel* lblStratifiedPrecision = nullptr;

    // ---- Sample Size page -----------------------------------------------------
    std::array<Grid*, 2> grdSampleSize{};
    QGroupBox* frmOptimalAllocation = nullptr;
    QGroupBox* frmProportionalAllocation = nullptr;
    Grid* grdOptimalAllocation = nullptr;
    Grid* grdProportionalAllocation = nullptr;

    // ---- Statistical Test page: the graph, its boxes, legend and scale come from
    // StatTestPage; the limits are boxes in this window.
    QLineEdit* txtUpperLimit = nullptr;
    QLineEdit* txtLowerLimit = nullptr;

    // ---- Summary Statistics page ---------------------------------------------
    std::array<Grid*, 2> grdSubtotal{};
    std::array<Grid*, 2> grdStats{};
    QLabel* lblSubtotals = nullptr;
    QPushButton* cmdCorrelation = nullptr; // "Correlation"

  public slots:
    // ---- Life cycle (frmMainSnag.cpp) ------------------------------------------
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void ClearAll();
    // Empties every result grid and result label; the data sheets and the boxes stay.
    void ClearResults();

    // ---- Unit system (snag_units.cpp) -------------------------------------------
    void mnuMetric_Click();
    void mnuEnglish_Click();

    // ---- Import (snag_import.cpp) --------------------------------------------------
    void mnuFileOpen_Click();

    // ---- Strip-width marks (snag_flags.cpp) -----------------------------------------
    void cmdFormMulti_Click(int index);
    void cmdFormSingle_Click(int index);

    // ---- Habitat use (snag_habitat.cpp) ------------------------------------------
    void cmdCavity_Click(int index);
    void cmdForage_Click(int index);

    // ---- Compute and tab gates (snag_compute.cpp) ----------------------------------
    void cmdSubtotals_Click();
    void ssTabFormula_Click(int previousTab);
    void ssTabMain_Click(int previousTab);

    // ---- Serial correlation (snag_correlation.cpp) ---------------------------------
    void cmdCorrelation_Click();

    // ---- Stratified sheet (snag_stratified.cpp) ------------------------------------
    void cmdCalcStratified_Click();

    // ---- Menus and text boxes (snag_menus.cpp) -------------------------------------
    void mnuSingle_Click(int index);
    void mnuStratum1_Click(int index);
    void mnuStratum2_Click(int index);
    void mnuStratum3_Click(int index);
    void mnuStratum4_Click(int index);
    void mnuWidth10_Click();
    void mnuWidth20_Click();
    void mnuWidth30_Click();
    void mnuWidth40_Click();
    void mnuAllWidths_Click();
    void mnuSizeSettings_Click();
    void mnuPrint_Click();
    void mnuGuidelines_Click();
    void mnuHelpAbout_Click();
    void mnuFileExit_Click();
    void txtBound_Change();
    void txtEstimatedValue_Change();
    void txtTargetValue_Change();
    void txtNumStrata_Change();
    void txtOptimalPrecisionLevel_Change();
    void txtOptimalTvalue_Change();
    void txtStratum_Change();

  public:
    // ---- Unit system (snag_units.cpp) ------------------------------------------------
    void SetDimensions();

    // ---- Data sheets (snag_sheets.cpp) ----------------------------------------------
    bool ConnectDataSet(); // false when it failed (and said so)
    // ConnectDataSet for sheets 1 to 4 alone, with the number of records of
    // each (counts[k] for sheet k): sheet 0 keeps what it shows.
    void ConnectStratumSheets(const std::array<int, 5>& counts);
    void FillSingleTab();
    // Where the records of sheet 0 stand while it shows those of its query as
    // FillSingleTab filled it (marking keeps it so, refreshing only the marks).
    data::SheetRecords Sheet0Records;

    // ---- Criteria prompts (snag_flags.cpp); Kind is "Multi", "Single", "Cavity" or
    // "Forage". An empty answer gives -1 ("-1" for the species).
    double GetMinDBH(const QString& Kind);
    double GetMinHeight(const QString& Kind);
    std::int16_t GetMaxClass(const QString& Kind);
    QString GetSpecies(const QString& Kind);
    std::int16_t GetCavity(const QString& Kind);
    std::int16_t GetForage(const QString& Kind);

    // ---- Subtotals and statistics (snag_stats.cpp) -----------------------------------
    void CalculateSubtotals(QString& result); // result becomes "cancel" on an empty sheet
    void CalculateStats();

    // ---- Optimal plot dimension (snag_optimal.cpp) -----------------------------------
    void ComputeOptimal(QString& result); // result becomes "cancel" on a cancelled prompt

    // ---- Estimate sheets (snag_estimates.cpp, snag_stratified.cpp) -------------------
    void DefaultSingle();
    void CalcSimpleSheet();
    void DefaultStratified(std::int16_t& stratum);
    void CalcStratifiedSheet();

    // ---- Sample size (snag_sample_size.cpp) -------------------------------------------
    void SampleSize();

    // ---- Statistical-test graph (snag_stat_test.cpp) ---------------------------------------
    // Draws the target, estimate and limits of the Statistical Test page.
    void GraphStatTest();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Page builders (snag_layout.cpp).
    void buildMenus();
    void buildPages();
    void buildOptimalPage(QWidget* page);
    void buildDensitiesPage(QWidget* page);
    void buildSimpleSheet(QWidget* page);
    void buildStratifiedSheet(QWidget* page);
    void buildSampleSizePage(QWidget* page);
    void buildStatisticalTestPage(QWidget* page);
    void buildSummaryPage(QWidget* page);
    void buildDataSheetPage(QWidget* page, int k);
    void connectControls();

    bool unloaded_ = false;
};

} // namespace vernalt
