// The log window's life cycle offscreen: its settings, the method it opens in,
// and the sampling-unit lengths it reads from table LogLengths.
#include "log/log_window_fixture.h"
#include "platform/database.h"
#include "platform/errors.h"
#include "platform/settings.h"
#include "platform/twips.h"
#include "settings/frmLogLengths.h"
#include "support/error_of.h"
#include "support/keyboard.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

using LogWindow = LogWindowTest;

const QString Section = u"LogSettings"_s;
const QStringList kSavedKeys = {u"MainLeft"_s,           u"MainTop"_s,   u"MetricMeasurement"_s,
                                u"EnglishMeasurement"_s, u"LIMmethod"_s, u"SPMmethod"_s,
                                u"ComboMethod"_s};

// The stored values of the saved settings from `first` on, or fallback for those not stored.
QString stored(int first, const QString& fallback = QString()) {
    QStringList values;
    for (const QString& key : kSavedKeys.mid(first))
        values << getSetting(Section, key, fallback);
    return values.join(u'|');
}

TEST_F(LogWindow, EveryPageIsWalkedByKeyboard) {
    frmMainLog* w = open();
    for (QPushButton* b : w->findChildren<QPushButton*>())
        b->setEnabled(true); // the ones an import enables count too
    expectEveryPageWalkable(w->ssTabMain);
}

// Of the saved methods the first checked wins, in caption, menus, layout and
// what the window saves again.
TEST_F(LogWindow, TheFirstCheckedMethodWinsAndIsSavedAlone) {
    const struct {
        const char *saved, *after, *caption; // flags LIM, SPM, Combination
    } cases[] = {{"001", "001", "LIM and SPM"},
                 {"011", "010", "SPM"},
                 {"111", "100", "LIM"},
                 {"000", "000", "LIM"}}; // none: the design caption
    for (const auto& c : cases) {
        for (int k = 0; k < 3; ++k)
            saveSettingBool(Section, kSavedKeys[4 + k], c.saved[k] == '1');
        frmMainLog* w = open();
        const bool combo = c.after[2] == '1';
        EXPECT_EQ(w->windowTitle(), u"Vernalt - Log Analysis with "_s + QLatin1String(c.caption));
        EXPECT_EQ(w->ssTabCombo->isHidden(), !combo) << c.saved;
        EXPECT_EQ(w->mnuTally->isEnabled(), c.after[1] == '0' && !combo) << c.saved;
        closeWindow(w);
        QString flags;
        for (const QString& v : stored(4).split(u'|'))
            flags += v == u"True"_s ? u'1' : u'0';
        EXPECT_EQ(flags, QLatin1String(c.after));
    }
}

TEST_F(LogWindow, SettingsRoundTripAndAreNotWrittenWhenMinimisedOrUnwritable) {
    frmMainLog* w = open();
    w->mnuMetric->setChecked(false);
    w->mnuEnglish->setChecked(true);
    w->mnuSPM->setChecked(true);
    w->mnuLIM->setChecked(false);
    w->setWindowState(Qt::WindowMinimized);
    closeWindow(w);
    EXPECT_TRUE(gSwitchboard->isVisible());
    EXPECT_EQ(stored(0, u"-"_s), u"-|-|-|-|-|-|-"_s);

    w = open();
    w->mnuMetric->setChecked(false);
    w->mnuEnglish->setChecked(true);
    w->mnuLIM->setChecked(false);
    w->mnuCombo->setChecked(true);
    w->move(twipsToPixelsX(1500), twipsToPixelsY(3000));
    const QPoint at = w->pos();
    closeWindow(w);
    EXPECT_EQ(stored(2), u"False|True|False|False|True"_s); // the place: savePosition
    w = open();
    EXPECT_EQ(w->pos(), at);
    EXPECT_TRUE(w->mnuEnglish->isChecked() && !w->mnuMetric->isChecked());
    EXPECT_EQ(w->windowTitle(), u"Vernalt - Log Analysis with LIM and SPM"_s);

    clearLogSettings();
    // A folder where the settings file should be: nothing can be written.
    const QString file = QSettings(u"Vernalt"_s, u"Vernalt"_s).fileName();
    QFile::remove(file);
    ASSERT_TRUE(QDir().mkpath(file));
    closeWindow(w);
    QDir(file).removeRecursively();
    EXPECT_TRUE(gSwitchboard->isVisible());
    EXPECT_EQ(stored(0, u"-"_s), u"-|-|-|-|-|-|-"_s);
}

TEST_F(LogWindow, UnreadableSettingsTakeTheirDefaultsAndTheLoadGoesOn) {
    saveSetting(Section, u"MetricMeasurement"_s, u"maybe"_s);
    saveSetting(Section, u"EnglishMeasurement"_s, u"True"_s);
    saveSetting(Section, u"LIMmethod"_s, u"sometimes"_s);
    saveSetting(Section, u"SPMmethod"_s, u"True"_s);
    frmMainLog* w = open();
    EXPECT_TRUE(w->mnuMetric->isChecked() && w->mnuEnglish->isChecked()); // default, then read
    EXPECT_EQ(w->windowTitle(), u"Vernalt - Log Analysis with LIM"_s);    // LIM default True
    EXPECT_EQ(w->statusText(), u"Status: No data read"_s);
}

// The lengths window opens without an owner, relabels the log window on OK and
// stays loaded after it; Exit unloads it.
TEST_F(LogWindow, TheLengthsWindowRelabelsTheLogWindowAndOutlivesIt) {
    frmMainLog* w = open();
    w->mnuLogLengths->trigger();
    frmLogLengths* lengths = frmLogLengths::instance();
    ASSERT_NE(lengths, nullptr);
    EXPECT_TRUE(lengths->isVisible() && !lengths->parentWidget() && !lengths->isModal());
    lengths->txtMetric[1]->setText(u"30"_s);
    lengths->cmdOK->click();
    flushDeletes();
    EXPECT_EQ(w->LevelLengths[1], 30.0f);
    EXPECT_EQ(joinedTexts(w->lblTransectLength[5], w->lblTransectLength2[1]), u"30|30"_s);
    w->mnuLogLengths->trigger();
    closeWindow(w);
    ASSERT_NE(frmLogLengths::instance(), nullptr);
    gSwitchboard->cmdExit->click();
    flushDeletes();
    EXPECT_EQ(frmLogLengths::instance(), nullptr);
    EXPECT_TRUE(loadedWindows().isEmpty());
}

void setMetricLength(int index, const QVariant& plotSize, bool insert = false) {
    const QString Index = db::quoted(u"Index"_s);
    if (insert)
        db::exec(u"INSERT INTO LogLengths (Measurement, "_s + Index +
                     u", PlotSize) VALUES ('Metric', ?, ?)"_s,
                 {index, plotSize});
    else
        db::exec(u"UPDATE LogLengths SET PlotSize = ? WHERE Measurement = 'Metric' AND "_s + Index +
                     u" = ?"_s,
                 {plotSize, index});
}

TEST_F(LogWindow, SetTransectLengthsReadsTheTableAndRelabelsEveryPage) {
    frmMainLog* w = open();
    setMetricLength(0, 1.5);
    setMetricLength(1, 3);
    setMetricLength(2, 6.25);
    db::exec(u"DELETE FROM LogLengths WHERE Measurement = 'Metric' AND "_s +
             db::quoted(u"Index"_s) + u" = 3"_s);
    w->SetTransectLengths(); // a level without a row keeps its length
    EXPECT_EQ(w->LevelLengths, (std::array<float, 4>{1.5f, 3, 6.25f, 100}));
    QString shown;
    for (int i = 0; i < 20; ++i)
        shown += joinedTexts(w->lblTransectLength[i], w->lblTransectLength2[i]) + u'|';
    EXPECT_EQ(shown, u"1.5|1.5|3|3|6.25|6.25|100|100|"_s.repeated(5));
    EXPECT_EQ(w->LevelNames[1] + w->LevelNames[3], u"SegmentTransect"_s);
    w->mnuMetric->setChecked(false);
    w->mnuEnglish->setChecked(true);
    w->SetTransectLengths();
    EXPECT_EQ(w->LevelLengths, (std::array<float, 4>{50, 100, 200, 400}));
}

// A bad row stops the reading with its error: the rows before it were read,
// the labels not reached.
TEST_F(LogWindow, BadLengthRowsStopTheReadingWithTheirErrors) {
    const struct {
        int index;
        QVariant plotSize;
        int error;
    } cases[] = {{4, 9.0, err::SubscriptRange},
                 {-1, 9.0, err::SubscriptRange},
                 {2, QVariant(), err::InvalidNull}};
    for (const auto& c : cases) {
        frmMainLog* w = open();
        setMetricLength(0, 2);
        setMetricLength(c.index, c.plotSize, !c.plotSize.isNull());
        EXPECT_EQ(errorOf([w] { w->SetTransectLengths(); }), c.error) << c.index;
        EXPECT_EQ(w->LevelLengths[0], 2.0f) << c.index;
        EXPECT_EQ(w->lblTransectLength[0]->text(), u"12.5 m"_s);
        closeWindow(w);
        db::exec(u"DELETE FROM LogLengths WHERE "_s + db::quoted(u"Index"_s) +
                 u" NOT BETWEEN 0 AND 3"_s);
        setMetricLength(2, 50);
    }
}

} // namespace
} // namespace vernalt::test
