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

    DataFilePath = u"snags.csv"_s; // a data file opened by either window: the metrics are on
    w = open();
    EXPECT_EQ(w->pos(), at);
    EXPECT_TRUE(w->mnuFormula->menuAction()->isEnabled());
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

// The first checked method of the settings opens the window; with none checked
// it opens as designed, by line intersect, with no method checked.
TEST_F(LogWindow, TheFirstCheckedMethodOfTheSettingsOpensTheWindow) {
    const struct {
        const char* saved;  // LIM, SPM, Combination
        const char* opened; // the checked methods, the caption, the Combination pages shown
    } cases[] = {
        {"001", "001|Vernalt - Log Analysis with LIM and SPM|1"},
        {"111", "100|Vernalt - Log Analysis with LIM|0"},
        {"000", "000|Vernalt - Log Analysis with LIM|0"},
    };
    for (const auto& c : cases) {
        int i = 0;
        for (const char* key : {"LIMmethod", "SPMmethod", "ComboMethod"})
            saveSettingBool(Section, QLatin1String(key), c.saved[i++] == '1');
        frmMainLog* w = open();
        QString checked;
        for (const QAction* a : {w->mnuLIM, w->mnuSPM, w->mnuCombo})
            checked += a->isChecked() ? u'1' : u'0';
        EXPECT_EQ(checked + u'|' + w->windowTitle() + u'|' +
                      QString::number(!w->ssTabCombo->isHidden()),
                  QLatin1String(c.opened));
        w->setWindowState(Qt::WindowMinimized); // nothing saved
        closeWindow(w);
    }
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

    // Each bad row in turn, the Subsegment length changed first (a bad Index is
    // deleted before the next case): the lengths as left, the first label.
    const struct {
        const char* statement; // %1 the level column of the metric rows
        int error;
        const char* left;
    } bad[] = {
        {"INSERT INTO LogLengths VALUES ('Metric', 4, 9)", err::SubscriptRange,
         "2 25 6.25 100|1.5"}, // after the four levels: all four read
        {"INSERT INTO LogLengths VALUES ('Metric', -1, 9)", err::SubscriptRange,
         "2 25 6.25 100|1.5"}, // before them: none read
        {"UPDATE LogLengths SET PlotSize = NULL WHERE %1 = 2", err::InvalidNull,
         "4 25 6.25 100|1.5"}, // Subsegment and Segment read
    };
    int subsegment = 2;
    for (const auto& c : bad) {
        metricLengths(u"DELETE FROM LogLengths WHERE %1 NOT BETWEEN 0 AND 3"_s);
        metricLengths(u"UPDATE LogLengths SET PlotSize = "_s + QString::number(subsegment++) +
                      u" WHERE %1 = 0"_s);
        const QString statement = QString::fromLatin1(c.statement);
        if (statement.contains(u"%1"_s))
            metricLengths(statement);
        else
            db::exec(statement);
        EXPECT_EQ(errorOf([w] { w->SetTransectLengths(); }), c.error) << c.statement;
        QStringList left;
        for (float L : w->LevelLengths)
            left << QString::number(L);
        EXPECT_EQ(left.join(u' ') + u'|' + w->lblTransectLength[0]->text(),
                  QString::fromLatin1(c.left))
            << c.statement;
    }

    w->mnuMetric->setChecked(false);
    w->mnuEnglish->setChecked(true);
    w->SetTransectLengths();
    EXPECT_EQ(w->LevelLengths, (std::array<float, 4>{50, 100, 200, 400}));
}

} // namespace
} // namespace vernalt::test
