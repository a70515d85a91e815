// A snag window opened offscreen on a database of its own, with no settings
// stored and a scripted prompter (no prompt expected unless a test scripts one).
#pragma once

#include "snag/frmMainSnag.h"
#include "support/flush_deletes.h"
#include "support/scripted_prompts.h"
#include "support/temp_database.h"

#include <QPointer>
#include <QSettings>
#include <gtest/gtest.h>
#include <memory>

namespace vernalt::test {

class SnagWindowTest : public ::testing::Test {
  protected:
    SnagWindowTest() {
        clearSettings();
        // Windows an earlier test left loaded (the data-set window of an import,
        // say) would otherwise take part in this test's unloads.
        for (QWidget* w : loadedWindows())
            unloadWindow(w);
        flushDeletes();
    }
    ~SnagWindowTest() override {
        for (const QPointer<frmMainSnag>& w : windows_)
            delete w.data();
        flushDeletes();
    }

    static void clearSettings() {
        QSettings s(QStringLiteral("Vernalt"), QStringLiteral("Vernalt"));
        s.remove(QStringLiteral("SnagSettings"));
        s.remove(QStringLiteral("Settings"));
        s.sync();
    }
    static QString stored(const char* section, const char* key) {
        QSettings s(QStringLiteral("Vernalt"), QStringLiteral("Vernalt"));
        return s.value(QString::fromLatin1(section) + u'/' + QString::fromLatin1(key)).toString();
    }
    static void store(const char* section, const char* key, const QString& value) {
        QSettings s(QStringLiteral("Vernalt"), QStringLiteral("Vernalt"));
        s.setValue(QString::fromLatin1(section) + u'/' + QString::fromLatin1(key), value);
        s.sync();
    }

    frmMainSnag* open() {
        auto* w = new frmMainSnag;
        windows_.append(w);
        return w;
    }
    // Closes the window as the user does; it is gone afterwards.
    static void unload(frmMainSnag* w) {
        w->close();
        flushDeletes();
    }

    TempDatabase database;
    ScriptedPrompts script;

  private:
    QList<QPointer<frmMainSnag>> windows_;
};

} // namespace vernalt::test
