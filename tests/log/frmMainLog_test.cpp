// The log window's life cycle offscreen: its settings, the method it opens in,
// its pages at the minimum size, and the sampling-unit lengths it reads from
// table LogLengths.
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

namespace vernalt::test {
namespace {

using LogWindow = LogWindowTest;

const QString Section = u"LogSettings"_s;

// The stored settings from `first` on as flags: 1 True, 0 False, - none; of
// MetricMeasurement, EnglishMeasurement, LIMmethod, SPMmethod, ComboMethod,
// or from MainLeft with the place first.
QString stored(int first = 0) {
    static const QStringList keys = {
        u"MainLeft"_s,  u"MainTop"_s,   u"MetricMeasurement"_s, u"EnglishMeasurement"_s,
        u"LIMmethod"_s, u"SPMmethod"_s, u"ComboMethod"_s};
    QString flags;
    for (const QString& key : keys.mid(first)) {
        const QString v = getSetting(Section, key, u"-"_s);
        flags += v == u"True"_s ? u'1' : v == u"False"_s ? u'0' : u'-';
    }
    return flags;
}

TEST_F(LogWindow, EveryPageIsWalkedByKeyboardAndSeenWholeAtTheMinimumSize) {
    frmMainLog* w = open();
    for (QPushButton* b : w->findChildren<QPushButton*>())
        b->setEnabled(true); // the ones an import enables count too
    expectEveryPageWalkable(w->ssTabMain);
    // Every caption of ssTabMain is whole and every control lies inside its page.
    w->resize(w->minimumSize());
    for (int p = 0; p < w->ssTabMain->count(); ++p) {
        const QAbstractButton* tab = w->ssTabMain->tabButton(p);
        EXPECT_GE(tab->width(), tab->fontMetrics().horizontalAdvance(tab->text())) << p;
        w->ssTabMain->setCurrentIndex(p);
        QWidget* page = w->ssTabMain->page(p);
        for (QWidget* c : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_LE(c->geometry().bottom(), page->height())
                << "page " << p << ": " << c->metaObject()->className();
    }
}

// Of the saved methods the first checked wins, in caption, layout and what the
// window saves again.
TEST_F(LogWindow, TheFirstCheckedMethodWinsAndIsSavedAlone) {
    const struct {
        const char *saved, *after, *caption; // flags LIM, SPM, Combination
    } cases[] = {{"011", "010", "SPM"}, {"111", "100", "LIM"}, {"000", "000", "LIM"}};
    for (const auto& c : cases) {
        for (int k = 0; k < 3; ++k)
            saveSettingBool(Section, u"LIMmethod|SPMmethod|ComboMethod"_s.split(u'|')[k],
                            c.saved[k] == '1');
        frmMainLog* w = open();
        EXPECT_EQ(w->windowTitle(), u"Vernalt - Log Analysis with "_s + QLatin1String(c.caption));
        closeWindow(w);
        EXPECT_EQ(stored(4), QLatin1String(c.after));
    }
}

// Nothing is written when the window closes minimised or the settings cannot
// be written; the switchboard comes back.
TEST_F(LogWindow, SettingsRoundTripAndAreNotWrittenWhenMinimisedOrUnwritable) {
    frmMainLog* w = open();
    w->mnuSPM->setChecked(true);
    w->setWindowState(Qt::WindowMinimized);
    closeWindow(w);
    EXPECT_TRUE(gSwitchboard->isVisible());
    EXPECT_EQ(stored(), u"-------"_s);

    w = open();
    w->mnuEnglish->setChecked(true);
    w->mnuMetric->setChecked(false);
    w->mnuLIM->setChecked(false);
    w->mnuCombo->setChecked(true);
    w->move(twipsToPixelsX(1500), twipsToPixelsY(3000));
    const QPoint at = w->pos();
    closeWindow(w);
    EXPECT_EQ(stored(2), u"01001"_s);
    w = open();
    EXPECT_EQ(w->pos(), at);
    EXPECT_TRUE(w->mnuEnglish->isChecked() && !w->mnuMetric->isChecked());
    EXPECT_FALSE(w->ssTabCombo->isHidden());

    clearLogSettings();
    // A folder where the settings file should be: nothing can be written.
    const QString file = QSettings(u"Vernalt"_s, u"Vernalt"_s).fileName();
    QFile::remove(file);
    ASSERT_TRUE(QDir().mkpath(file));
    closeWindow(w);
    QDir(file).removeRecursively();
    EXPECT_TRUE(gSwitchboard->isVisible());
    EXPECT_EQ(stored(), u"-------"_s);
}

TEST_F(LogWindow, UnreadableSettingsTakeTheirDefaultsAndTheLoadGoesOn) {
    saveSetting(Section, u"MetricMeasurement"_s, u"maybe"_s);
    saveSetting(Section, u"EnglishMeasurement"_s, u"True"_s);
    saveSetting(Section, u"LIMmethod"_s, u"sometimes"_s);
    saveSetting(Section, u"SPMmethod"_s, u"True"_s);
    frmMainLog* w = open();
    EXPECT_TRUE(w->mnuMetric->isChecked() && w->mnuEnglish->isChecked()); // default, then read
    EXPECT_EQ(w->windowTitle(), u"Vernalt - Log Analysis with LIM"_s);    // LIM default True
    // The lengths window has no owner: it stays loaded after the log window.
    w->mnuLogLengths->trigger();
    closeWindow(w);
    ASSERT_NE(frmLogLengths::instance(), nullptr);
    unloadWindow(frmLogLengths::instance());
    flushDeletes();
}

void lengthRow(const QString& statement, const QVariantList& values = {}) {
    db::exec(statement.arg(db::quoted(u"Index"_s)), values);
}
const QString SetLength =
    u"UPDATE LogLengths SET PlotSize = ? WHERE Measurement = 'Metric' AND %1 = ?"_s;

// A level without a row keeps its length; a bad row stops the reading with its
// error: the rows before it were read, the labels not reached.
TEST_F(LogWindow, SetTransectLengthsReadsTheTableAndRelabelsEveryPage) {
    frmMainLog* w = open();
    lengthRow(SetLength, {1.5, 0});
    lengthRow(SetLength, {6.25, 2});
    lengthRow(u"DELETE FROM LogLengths WHERE Measurement = 'Metric' AND %1 = 3"_s);
    w->SetTransectLengths();
    EXPECT_EQ(w->LevelLengths, (std::array<float, 4>{1.5f, 25, 6.25f, 100}));
    QString shown;
    for (int i = 0; i < 20; ++i)
        shown += joinedTexts(w->lblTransectLength[i], w->lblTransectLength2[i]) + u'|';
    EXPECT_EQ(shown, u"1.5|1.5|25|25|6.25|6.25|100|100|"_s.repeated(5));

    lengthRow(SetLength, {2, 0});
    lengthRow(u"INSERT INTO LogLengths (Measurement, %1, PlotSize) VALUES ('Metric', 4, 9)"_s);
    EXPECT_EQ(errorOf([w] { w->SetTransectLengths(); }), err::SubscriptRange);
    lengthRow(u"DELETE FROM LogLengths WHERE %1 = 4"_s);
    lengthRow(u"UPDATE LogLengths SET PlotSize = NULL WHERE Measurement = 'Metric' AND %1 = 2"_s);
    EXPECT_EQ(errorOf([w] { w->SetTransectLengths(); }), err::InvalidNull);
    EXPECT_EQ(QString::number(w->LevelLengths[0]) + u'|' + w->lblTransectLength[0]->text(),
              u"2|1.5"_s);

    w->mnuMetric->setChecked(false);
    w->mnuEnglish->setChecked(true);
    w->SetTransectLengths();
    EXPECT_EQ(w->LevelLengths, (std::array<float, 4>{50, 100, 200, 400}));
}

} // namespace
} // namespace vernalt::test
