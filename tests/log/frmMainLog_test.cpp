// The log window's life cycle offscreen: its settings, caption by method, and
// the sampling-unit lengths it reads from table LogLengths.
#include "log/log_window_fixture.h"
#include "platform/database.h"
#include "platform/errors.h"
#include "platform/settings.h"
#include "platform/twips.h"
#include "platform/value.h"
#include "settings/frmLogLengths.h"
#include "shell/frmAbout.h"
#include "support/keyboard.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const QString SettingsSection = u"LogSettings"_s;

using LogWindow = LogWindowTest;

TEST_F(LogWindow, EveryPageIsWalkedByKeyboard) {
    frmMainLog* w = open();
    for (QPushButton* b : w->findChildren<QPushButton*>())
        b->setEnabled(true); // the ones an import enables count too
    expectEveryPageWalkable(w->ssTabMain);
}

// Settings ---------------------------------------------------------------------

// The checked method items of a window as flags: LIM, SPM, Combination.
QString checkedMethods(const frmMainLog* w) {
    QString flags;
    for (const QAction* a : {w->mnuLIM, w->mnuSPM, w->mnuCombo})
        flags += a->isChecked() ? u'1' : u'0';
    return flags;
}

// The stored values of the given settings, or fallback for those not stored.
QStringList stored(const QStringList& keys, const QString& fallback = QString()) {
    QStringList values;
    for (const QString& key : keys)
        values << getSetting(SettingsSection, key, fallback);
    return values;
}

const QStringList kSavedKeys = {u"MainLeft"_s,           u"MainTop"_s,   u"MetricMeasurement"_s,
                                u"EnglishMeasurement"_s, u"LIMmethod"_s, u"SPMmethod"_s,
                                u"ComboMethod"_s};

TEST_F(LogWindow, CaptionFollowsTheFirstCheckedMethod) {
    struct Case {
        const char* name;
        const char* saved; // LIM, SPM, Combination
        QString caption;
        QString after;
    } cases[] = {
        {"LIM", "100", u"Vernalt - Log Analysis with LIM"_s, u"100"_s},
        {"SPM", "010", u"Vernalt - Log Analysis with SPM"_s, u"010"_s},
        {"Combination", "001", u"Vernalt - Log Analysis with LIM and SPM"_s, u"001"_s},
        {"SPM wins over Combination", "011", u"Vernalt - Log Analysis with SPM"_s, u"010"_s},
        {"LIM wins over both", "111", u"Vernalt - Log Analysis with LIM"_s, u"100"_s},
        {"none keeps the design caption", "000", u"Vernalt - Log Analysis with LIM"_s, u"000"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        saveSettingBool(SettingsSection, u"LIMmethod"_s, c.saved[0] == '1');
        saveSettingBool(SettingsSection, u"SPMmethod"_s, c.saved[1] == '1');
        saveSettingBool(SettingsSection, u"ComboMethod"_s, c.saved[2] == '1');
        frmMainLog* w = open();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), c.caption);
        EXPECT_EQ(checkedMethods(w), c.after);
        // Only a combination opens in the combination layout; strip plots count no tallies.
        const bool combo = c.after[2] == u'1';
        EXPECT_EQ(w->ssTabCombo->isHidden(), !combo);
        EXPECT_EQ(w->mnuComboFormula->menuAction()->isVisible(), combo);
        EXPECT_EQ(w->mnuTally->isEnabled(), c.after[1] == u'0' && !combo);
        w->close();
        flushDeletes();
    }
}

TEST_F(LogWindow, SettingsRoundTripThroughUnloadAndLoad) {
    frmMainLog* w = open();
    w->mnuMetric->setChecked(false);
    w->mnuEnglish->setChecked(true);
    w->mnuLIM->setChecked(false);
    w->mnuCombo->setChecked(true);
    w->move(twipsToPixelsX(1500), twipsToPixelsY(3000));
    const QPoint at = w->pos();
    w->close();
    flushDeletes();

    // The place is written by savePosition, tested on its own.
    EXPECT_EQ(stored(kSavedKeys).mid(2),
              (QStringList{u"False"_s, u"True"_s, u"False"_s, u"False"_s, u"True"_s}));

    w = open();
    EXPECT_EQ(w->pos(), at);
    EXPECT_TRUE(w->mnuEnglish->isChecked());
    EXPECT_FALSE(w->mnuMetric->isChecked());
    EXPECT_EQ(w->windowTitle(), u"Vernalt - Log Analysis with LIM and SPM"_s);
}

TEST_F(LogWindow, ClosedWhileMinimisedWritesNothing) {
    frmMainLog* w = open();
    w->mnuSPM->setChecked(true);
    w->mnuLIM->setChecked(false);
    w->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(w->isMinimized());
    w->close();
    flushDeletes();
    EXPECT_TRUE(gSwitchboard->isVisible());
    EXPECT_EQ(stored(kSavedKeys, u"<none>"_s), QStringList(kSavedKeys.size(), u"<none>"_s));
}

TEST_F(LogWindow, UnreadableSettingsTakeTheirDefaultsAndTheLoadGoesOn) {
    saveSetting(SettingsSection, u"MetricMeasurement"_s, u"maybe"_s);
    saveSetting(SettingsSection, u"EnglishMeasurement"_s, u"True"_s);
    saveSetting(SettingsSection, u"LIMmethod"_s, u"sometimes"_s);
    saveSetting(SettingsSection, u"SPMmethod"_s, u"True"_s);
    frmMainLog* w = open();
    EXPECT_TRUE(w->mnuMetric->isChecked());                            // default
    EXPECT_TRUE(w->mnuEnglish->isChecked());                           // read after the bad one
    EXPECT_EQ(w->windowTitle(), u"Vernalt - Log Analysis with LIM"_s); // LIM default True
    EXPECT_EQ(w->statusText(), u"Status: No data read"_s);
}

TEST_F(LogWindow, ClosingShowsTheSwitchboardEvenWhenTheSettingsCannotBeSaved) {
    frmMainLog* w = open();
    // A folder where the settings file should be: nothing can be written.
    const QString file = QSettings(u"Vernalt"_s, u"Vernalt"_s).fileName();
    QFile::remove(file);
    ASSERT_TRUE(QDir().mkpath(file));
    w->close();
    flushDeletes();
    QDir(file).removeRecursively();
    EXPECT_TRUE(gSwitchboard->isVisible());
    EXPECT_EQ(getSetting(SettingsSection, u"MainLeft"_s, u"<none>"_s), u"<none>"_s);
}

TEST_F(LogWindow, HelpAboutShowsTheAboutBoxOverTheWindow) {
    frmMainLog* w = open();
    EXPECT_EQ(w->mnuHelpAbout->text(), u"&About "_s);
    QWidget* seenParent = nullptr;
    QTimer::singleShot(0, w, [&seenParent, w] {
        auto* about = w->findChild<frmAbout*>();
        if (!about)
            return;
        seenParent = about->parentWidget();
        about->cmdOK->click();
    });
    w->mnuHelpAbout->trigger();
    EXPECT_EQ(seenParent, w);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(LogWindow, TransectLengthsOpensTheLengthsWindowWithoutAnOwner) {
    frmMainLog* w = open();
    EXPECT_EQ(w->mnuLogLengths->text(), u"Transect Lengths"_s);
    w->mnuLogLengths->trigger();
    frmLogLengths* lengths = frmLogLengths::instance();
    ASSERT_NE(lengths, nullptr);
    EXPECT_TRUE(lengths->isVisible());
    EXPECT_EQ(lengths->parentWidget(), nullptr);
    EXPECT_FALSE(lengths->isModal());
    EXPECT_TRUE(w->isVisible());
    // It stays loaded after the log window closes; Exit unloads it.
    w->close();
    flushDeletes();
    ASSERT_NE(frmLogLengths::instance(), nullptr);
    gSwitchboard->cmdExit->click();
    flushDeletes();
    EXPECT_EQ(frmLogLengths::instance(), nullptr);
    EXPECT_TRUE(loadedWindows().isEmpty());
}

// A new length written to the table reaches the open log window through the
// lengths window's OK.
TEST_F(LogWindow, LengthsWindowOkRelabelsTheLogWindow) {
    frmMainLog* w = open();
    w->mnuLogLengths->trigger();
    frmLogLengths* lengths = frmLogLengths::instance();
    ASSERT_NE(lengths, nullptr);
    lengths->txtMetric[1]->setText(u"30"_s);
    lengths->cmdOK->click();
    EXPECT_EQ(w->LevelLengths[1], 30.0f);
    EXPECT_EQ(w->lblTransectLength[5]->text(), u"30"_s);
    EXPECT_EQ(w->lblTransectLength2[1]->text(), u"30"_s);
}

// Sampling-unit lengths --------------------------------------------------------

void setMetricLength(int index, const QVariant& plotSize) {
    db::exec(u"UPDATE LogLengths SET PlotSize = ? WHERE Measurement = 'Metric' AND "_s +
                 db::quoted(u"Index"_s) + u" = ?"_s,
             {plotSize, index});
}

TEST_F(LogWindow, LoadReadsTheLengthsButKeepsTheDesignLabels) {
    frmMainLog* w = open();
    EXPECT_EQ(w->LevelLengths, (std::array<float, 4>{12.5f, 25, 50, 100}));
    EXPECT_EQ(w->lblTransectLength[0]->text(), u"12.5 m"_s);
    EXPECT_EQ(w->lblTransectLength2[19]->text(), u"100 m"_s);
    EXPECT_TRUE(w->LevelNames[0].isEmpty());
}

TEST_F(LogWindow, SetTransectLengthsRelabelsEveryPageFromTheTable) {
    frmMainLog* w = open();
    const double lengths[] = {1.5, 3, 6.25, 0};
    for (int k = 0; k < 4; ++k)
        setMetricLength(k, lengths[k]);
    logWindow()->SetTransectLengths();
    EXPECT_EQ(w->LevelLengths, (std::array<float, 4>{1.5f, 3, 6.25f, 0}));
    const QString texts[] = {u"1.5"_s, u"3"_s, u"6.25"_s, u"0"_s};
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(w->lblTransectLength[i]->text(), texts[i % 4]) << i;
        EXPECT_EQ(w->lblTransectLength2[i]->text(), texts[i % 4]) << i;
        EXPECT_EQ(w->lblTransectName[i]->text(),
                  QString::fromUtf16(frmMainLog::kLevelNames[i % 4]));
    }
    EXPECT_EQ(w->LevelNames,
              (std::array<QString, 4>{u"Subsegment"_s, u"Segment"_s, u"Section"_s, u"Transect"_s}));
}

TEST_F(LogWindow, EnglishReadsTheEnglishRows) {
    frmMainLog* w = open();
    w->mnuMetric->setChecked(false);
    w->mnuEnglish->setChecked(true);
    w->SetTransectLengths();
    EXPECT_EQ(w->LevelLengths, (std::array<float, 4>{50, 100, 200, 400}));
    EXPECT_EQ(w->lblTransectLength[7]->text(), u"400"_s);
}

TEST_F(LogWindow, ALevelWithoutARowKeepsItsLength) {
    frmMainLog* w = open();
    db::exec(u"DELETE FROM LogLengths WHERE Measurement = 'Metric' AND "_s +
             db::quoted(u"Index"_s) + u" = 3"_s);
    setMetricLength(0, 7);
    w->SetTransectLengths();
    EXPECT_EQ(w->LevelLengths, (std::array<float, 4>{7, 25, 50, 100}));
}

TEST_F(LogWindow, BadRowsStopTheReadingWithTheirErrors) {
    struct Case {
        const char* name;
        int index;
        QVariant plotSize;
        int error;
    } cases[] = {
        {"an Index beyond 3", 4, 9.0, err::SubscriptRange},
        {"a negative Index", -1, 9.0, err::SubscriptRange},
        {"a null PlotSize", 2, QVariant(), err::InvalidNull},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frmMainLog* w = open();
        setMetricLength(0, 2);
        if (c.plotSize.isNull()) {
            setMetricLength(c.index, c.plotSize);
        } else {
            db::exec(u"INSERT INTO LogLengths (Measurement, "_s + db::quoted(u"Index"_s) +
                         u", PlotSize) VALUES ('Metric', ?, ?)"_s,
                     {c.index, c.plotSize});
        }
        try {
            w->SetTransectLengths();
            ADD_FAILURE() << "no error";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), c.error);
        }
        // Rows before the bad one were read; the labels were not reached.
        if (c.index > 0) {
            EXPECT_EQ(w->LevelLengths[0], 2.0f);
        }
        EXPECT_EQ(w->lblTransectLength[0]->text(), u"12.5 m"_s);
        w->close();
        flushDeletes();
        db::exec(u"DELETE FROM LogLengths WHERE Measurement = 'Metric' AND ("_s +
                 db::quoted(u"Index"_s) + u" < 0 OR "_s + db::quoted(u"Index"_s) + u" > 3)"_s);
        setMetricLength(2, 50);
    }
}

} // namespace
} // namespace vernalt::test
