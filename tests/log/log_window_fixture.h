// A log window opened from the switchboard, offscreen, with its own database,
// scripted prompts, no "LogSettings" and no data file opened before.
#pragma once

#include "data/csv_import.h"
#include "log/frmMainLog.h"
#include "shell/app_windows.h"
#include "shell/frmSwitchboard.h"
#include "support/flush_deletes.h"
#include "support/scripted_prompts.h"
#include "support/temp_database.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QSettings>
#include <gtest/gtest.h>

namespace vernalt::test {

inline void clearLogSettings() {
    QSettings store(QStringLiteral("Vernalt"), QStringLiteral("Vernalt"));
    store.remove(QStringLiteral("LogSettings"));
    store.sync();
}

class LogWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        clearLogSettings();
        DataFilePath.clear();
        FormulaReloadPending = false;
        MethodReloadPending = false;
        registerAnalysisWindows([] { return new frmMainLog; },
                                [] { return static_cast<QWidget*>(nullptr); });
        Main();
    }
    void TearDown() override {
        if (gLogForm)
            gLogForm->close();
        if (gSwitchboard)
            gSwitchboard->close();
        flushDeletes();
        clearLogSettings();
        DataFilePath.clear();
    }
    frmMainLog* open() {
        gSwitchboard->cmdLogs->click();
        return qobject_cast<frmMainLog*>(gLogForm.data());
    }
    static frmMainLog* live() { return qobject_cast<frmMainLog*>(gLogForm.data()); }
    TempDatabase db_;
    ScriptedPrompts prompts_;
};

} // namespace vernalt::test
