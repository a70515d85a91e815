// The log window's life cycle offscreen: its settings, the method it opens in,
// and the sampling-unit lengths it reads from table LogLengths.
#include "log/log_window_fixture.h"
#include "platform/settings.h"
#include "platform/twips.h"
#include "support/error_of.h"
#include "support/keyboard.h"

#include <QDir>
#include <QFile>

namespace vernalt::test {
namespace {

using LogWindow = LogWindowTest;

const QString Section = u"LogSettings"_s;

// The stored settings as flags, 1 True, 0 False, # another value, - none: the
// place (MainLeft), MetricMeasurement, EnglishMeasurement, LIMmethod,
// SPMmethod, ComboMethod.
QString stored() {
    QString flags;
    for (const QString& key : u"MainLeft MetricMeasurement EnglishMeasurement LIMmethod SPMmethod "
                              u"ComboMethod"_s.split(u' ')) {
        const QString v = getSetting(Section, key, u"-"_s);
        flags += v == u"True"_s ? u'1' : v == u"False"_s ? u'0' : v == u"-"_s ? u'-' : u'#';
    }
    return flags;
}

TEST_F(LogWindow, EveryPageIsWalkedByKeyboard) {
    frmMainLog* w = open();
    for (QPushButton* b : w->findChildren<QPushButton*>())
        b->setEnabled(true); // the ones an import enables count too
    expectEveryPageWalkable(w->ssTabMain);
}

// An unreadable setting takes its default (MetricMeasurement True); of the
// methods the first checked wins and is saved alone. Nothing is written when the
// window closes minimised or the settings cannot be written; the switchboard
// comes back all the same.
TEST_F(LogWindow, SettingsRoundTripUnlessMinimisedOrUnwritable) {
    saveSetting(Section, u"MetricMeasurement"_s, u"maybe"_s);
    saveSettingBool(Section, u"EnglishMeasurement"_s, true);
    saveSettingBool(Section, u"LIMmethod"_s, false);
    saveSettingBool(Section, u"SPMmethod"_s, true);
    saveSettingBool(Section, u"ComboMethod"_s, true);
    frmMainLog* w = open();
    EXPECT_EQ(w->windowTitle(), u"Vernalt - Log Analysis with SPM"_s);
    EXPECT_TRUE(w->mnuMetric->isChecked() && w->mnuEnglish->isChecked());
    EXPECT_TRUE(w->ssTabCombo->isHidden());
    w->mnuMetric->setChecked(false);
    w->move(twipsToPixelsX(1500), twipsToPixelsY(3000));
    const QPoint at = w->pos();
    closeWindow(w);
    EXPECT_EQ(stored(), u"#01010"_s);

    w = open();
    EXPECT_EQ(w->pos(), at);
    EXPECT_TRUE(w->mnuEnglish->isChecked() && !w->mnuMetric->isChecked());
    w->mnuMetric->setChecked(true);
    w->setWindowState(Qt::WindowMinimized);
    closeWindow(w);
    EXPECT_TRUE(gSwitchboard->isVisible());
    EXPECT_EQ(stored(), u"#01010"_s);

    w = open();
    clearLogSettings();
    // A folder where the settings file should be: nothing can be written.
    const QString file = QSettings(u"Vernalt"_s, u"Vernalt"_s).fileName();
    QFile::remove(file);
    ASSERT_TRUE(QDir().mkpath(file));
    closeWindow(w);
    QDir(file).removeRecursively();
    EXPECT_TRUE(gSwitchboard->isVisible());
    EXPECT_EQ(stored(), u"------"_s);
}

// Runs a statement on the metric rows of table LogLengths, %1 the level column.
void metricLengths(const QString& statement) {
    db::exec(statement.arg(u"Measurement = 'Metric' AND \"Index\""_s));
}

// A level without a row keeps its length; a bad row stops the reading with its
// error: the rows before it were read, the labels not reached.
TEST_F(LogWindow, SetTransectLengthsReadsTheTableAndRelabelsEveryPage) {
    frmMainLog* w = open();
    metricLengths(u"UPDATE LogLengths SET PlotSize = 1.5 WHERE %1 = 0"_s);
    metricLengths(u"UPDATE LogLengths SET PlotSize = 6.25 WHERE %1 = 2"_s);
    metricLengths(u"DELETE FROM LogLengths WHERE %1 = 3"_s);
    w->SetTransectLengths();
    EXPECT_EQ(w->LevelLengths, (std::array<float, 4>{1.5f, 25, 6.25f, 100}));
    QString shown;
    for (int i = 0; i < 20; ++i)
        shown += joinedTexts(w->lblTransectLength[i], w->lblTransectLength2[i]) + u'|';
    EXPECT_EQ(shown, u"1.5|1.5|25|25|6.25|6.25|100|100|"_s.repeated(5));

    metricLengths(u"UPDATE LogLengths SET PlotSize = 2 WHERE %1 = 0"_s);
    db::exec(u"INSERT INTO LogLengths VALUES ('Metric', 4, 9)"_s);
    EXPECT_EQ(errorOf([w] { w->SetTransectLengths(); }), err::SubscriptRange);
    EXPECT_EQ(QString::number(w->LevelLengths[0]) + u'|' + w->lblTransectLength[0]->text(),
              u"2|1.5"_s);

    w->mnuMetric->setChecked(false);
    w->mnuEnglish->setChecked(true);
    w->SetTransectLengths();
    EXPECT_EQ(w->LevelLengths, (std::array<float, 4>{50, 100, 200, 400}));
}

} // namespace
} // namespace vernalt::test
