// Life cycle, layout, menus and settings of the log window.
#include "log/frmMainLog.h"

#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/settings.h"
#include "platform/twips.h"
#include "platform/value.h"
#include "settings/frmLogLengths.h"
#include "shell/frmAbout.h"
#include "shell/frmSwitchboard.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

const QString kSection = u"LogSettings"_s;

constexpr const char16_t* kMainPages[] = {
    u"Summary Statistics", u"Optimal",   u"Formula",   u"Sample Size", u"Statistical Test",
    u"Single/Combined",    u"Stratum 1", u"Stratum 2", u"Stratum 3",   u"Stratum 4"};
constexpr int kSingleCombinedPage = 5;

constexpr const char16_t* kDataSheets[] = {u"Single/Combined", u"Stratum 1", u"Stratum 2",
                                           u"Stratum 3", u"Stratum 4"};
constexpr const char16_t* kLengthCaptions[] = {u"12.5 m", u"25 m", u"50 m", u"100 m"};

// The check-mark settings: key, menu item, default.
struct CheckSetting {
    const char16_t* key;
    QAction* frmMainLog::*item;
    bool byDefault;
};
constexpr CheckSetting kCheckSettings[] = {
    {u"MetricMeasurement", &frmMainLog::mnuMetric, true},
    {u"EnglishMeasurement", &frmMainLog::mnuEnglish, false},
    {u"LIMmethod", &frmMainLog::mnuLIM, true},
    {u"SPMmethod", &frmMainLog::mnuSPM, false},
    {u"ComboMethod", &frmMainLog::mnuCombo, false},
};

// The window caption of each method, in the order the load picks the method.
struct MethodCaption {
    QAction* frmMainLog::*item;
    const char16_t* caption;
};
constexpr MethodCaption kMethods[] = {
    {&frmMainLog::mnuLIM, u"Vernalt - Log Analysis with LIM"},
    {&frmMainLog::mnuSPM, u"Vernalt - Log Analysis with SPM"},
    {&frmMainLog::mnuCombo, u"Vernalt - Log Analysis with LIM and SPM"},
};

constexpr double kDefaultPosition = 100; // twips
constexpr double kLoadWidth = 9420, kLoadHeight = 8190;

// A stored window position in twips; missing or not a number gives the default.
double positionSetting(const QString& key) {
    const QString text = getSetting(kSection, key);
    return isNumeric(text) ? static_cast<float>(toDouble(text)) : kDefaultPosition;
}

QAction* addItem(QMenu* menu, const QString& caption, bool checkable = false,
                 bool checked = false) {
    QAction* a = menu->addAction(caption);
    a->setCheckable(checkable);
    a->setChecked(checked);
    return a;
}

} // namespace

frmMainLog::frmMainLog(QWidget* parent) : QMainWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf16(kMethods[0].caption));
    setMinimumSize(analysisMinimumSize());
    buildMenus();
    buildPages();
    buildStatusBar();
    trackWindow(this);
}

frmMainLog::~frmMainLog() = default;

void frmMainLog::buildMenus() {
    QMenuBar* bar = menuBar();
    mnuFile = bar->addMenu(u"&File"_s);
    mnuFileExit = addItem(mnuFile, u"E&xit to Menu"_s);
    connect(mnuFileExit, &QAction::triggered, this, &frmMainLog::mnuFileExit_Click);

    mnuMeasurement = bar->addMenu(u"&Measurement"_s);
    mnuMetric = addItem(mnuMeasurement, u"Metric"_s, true, true);
    mnuEnglish = addItem(mnuMeasurement, u"English"_s, true, false);

    mnuMethod = bar->addMenu(u"&Method"_s);
    mnuLIM = addItem(mnuMethod, u"LIM"_s, true, true);
    mnuSPM = addItem(mnuMethod, u"SPM"_s, true, false);
    mnuCombo = addItem(mnuMethod, u"Combination"_s, true, false);

    mnuSettings = bar->addMenu(u"&Settings"_s);
    mnuLogLengths = addItem(mnuSettings, u"Transect Lengths"_s);
    connect(mnuLogLengths, &QAction::triggered, this, &frmMainLog::mnuLogLengths_Click);

    mnuHelp = bar->addMenu(u"&Help"_s);
    mnuHelpAbout = addItem(mnuHelp, u"&About "_s);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMainLog::mnuHelpAbout_Click);
}

void frmMainLog::buildPages() {
    ssTabMain = new QTabWidget(this);
    for (const char16_t* caption : kMainPages)
        ssTabMain->addTab(new QWidget(ssTabMain), QString::fromUtf16(caption));
    setCentralWidget(ssTabMain);

    // The Optimal page: per data sheet, the level names and unit lengths beside
    // the two optimal-choice grids.
    ssTabOptimal = new QTabWidget(ssTabMain->widget(1));
    placeTwips(ssTabOptimal, 120, 120, 8655, 5655);
    for (int p = 0; p < 5; ++p) {
        auto* page = new QWidget(ssTabOptimal);
        ssTabOptimal->addTab(page, QString::fromUtf16(kDataSheets[p]));
        for (int k = 0; k < 4; ++k) {
            const int i = 4 * p + k;
            const int top = 480 + 360 * k;
            const QString name = QString::fromUtf16(frmMainLog::kLevelNames[k]);
            const QString length = QString::fromUtf16(kLengthCaptions[k]);
            lblTransectName[i] = new QLabel(name, page);
            placeTwips(lblTransectName[i], 120, top, 1215, 255);
            lblTransectLength[i] = new QLabel(length, page);
            placeTwips(lblTransectLength[i], 1380, top, 855, 255);
            lblTransectName2[i] = new QLabel(name, page);
            placeTwips(lblTransectName2[i], 120, 2760 + top, 1215, 255);
            lblTransectLength2[i] = new QLabel(length, page);
            placeTwips(lblTransectLength2[i], 1380, 2760 + top, 855, 255);
        }
    }
}

void frmMainLog::buildStatusBar() {
    for (auto*& panel : sbStatusBar)
        panel = new QLabel(this);
    sbStatusBar[0]->setText(u"Status"_s);
    statusBar()->addWidget(sbStatusBar[0], 1);
    statusBar()->addPermanentWidget(sbStatusBar[1]);
    statusBar()->addPermanentWidget(sbStatusBar[2]);
    clock_ = new QTimer(this);
    connect(clock_, &QTimer::timeout, this, &frmMainLog::refreshClock);
    refreshClock();
}

void frmMainLog::refreshClock() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    sbStatusBar[1]->setText(locale.toString(now.date(), QLocale::ShortFormat));
    sbStatusBar[2]->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

QString frmMainLog::statusText() const {
    return sbStatusBar[0]->text();
}

void frmMainLog::setStatusText(const QString& text) {
    sbStatusBar[0]->setText(text);
}

void frmMainLog::setVisible(bool visible) {
    if (visible && !loaded_) {
        loaded_ = true;
        Form_Load();
    }
    QMainWindow::setVisible(visible);
}

// Settings first (each one missing or unreadable takes its default), then the
// position and size, the status, the unit lengths and the method.
void frmMainLog::Form_Load() {
    readSettings();
    move(twipsToPixelsX(positionSetting(u"MainLeft"_s)),
         twipsToPixelsY(positionSetting(u"MainTop"_s)));
    resize(twipsSize(kLoadWidth, kLoadHeight).expandedTo(analysisMinimumSize()));
    setStatusText(u"Status: No data read"_s);
    ssTabMain->setCurrentIndex(kSingleCombinedPage);
    // A database that cannot be read is reported; the window still takes its
    // method, so its caption and check marks match what it does.
    trapped(prompts(), logProcedure(u"Form_Load"_s), [this] { SetLengths(); });
    applyMethod();
    clock_->start(1000);
}

void frmMainLog::readSettings() {
    for (const CheckSetting& s : kCheckSettings)
        (this->*(s.item))
            ->setChecked(getSettingBool(kSection, QString::fromUtf16(s.key), s.byDefault));
}

// The first checked of LIM, SPM and Combination decides the method and becomes
// the only one checked; with none checked the window stays as designed.
void frmMainLog::applyMethod() {
    for (const MethodCaption& m : kMethods) {
        if (!(this->*(m.item))->isChecked())
            continue;
        setWindowTitle(QString::fromUtf16(m.caption));
        for (const MethodCaption& other : kMethods)
            (this->*(other.item))->setChecked(other.item == m.item);
        return;
    }
}

void frmMainLog::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

// Saves the settings unless minimised, then always shows the switchboard again,
// whether or not the settings could be saved.
void frmMainLog::Form_Unload() {
    clock_->stop();
    if (!isMinimized())
        trapped(prompts(), logProcedure(u"Form_Unload"_s), [this] { saveSettings(); });
    if (gSwitchboard)
        gSwitchboard->show();
}

void frmMainLog::saveSettings() {
    const QPoint at = pos();
    saveSetting(kSection, u"MainLeft"_s, numberText(pixelsToTwipsX(at.x())));
    saveSetting(kSection, u"MainTop"_s, numberText(pixelsToTwipsY(at.y())));
    for (const CheckSetting& s : kCheckSettings)
        saveSettingBool(kSection, QString::fromUtf16(s.key), (this->*(s.item))->isChecked());
}

void frmMainLog::mnuFileExit_Click() {
    close();
}

void frmMainLog::mnuHelpAbout_Click() {
    frmAbout::showFor(this);
}

// The unit-lengths window, modeless and without an owner.
void frmMainLog::mnuLogLengths_Click() {
    frmLogLengths::showWindow();
}

} // namespace vernalt
