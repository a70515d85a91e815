// A snag window opened offscreen on a database of its own, with no settings
// stored and a scripted prompter (no prompt expected unless a test scripts one),
// and the window's prompts scripted by what they ask. Includes what the tests use
// of the window's controls.
#pragma once

#include "snag/frmMainSnag.h"
#include "support/flush_deletes.h"
#include "support/scripted_prompts.h"
#include "support/temp_database.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace vernalt::test {

using namespace Qt::StringLiterals;

class SnagWindowTest : public ::testing::Test {
  protected:
    SnagWindowTest() {
        QSettings s(QStringLiteral("Vernalt"), QStringLiteral("Vernalt"));
        s.remove(QStringLiteral("SnagSettings"));
        s.remove(QStringLiteral("Settings"));
        s.sync();
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

    // The prompts, each answered ("" is Cancel).
    void ask(const char16_t* prompt, const char16_t* title, const char* answer) {
        script.input(QString::fromUtf16(prompt), QString::fromUtf16(title),
                     QString::fromUtf8(answer));
    }
    void askStrata(const char* answer) {
        ask(u"Please enter the number of strata", u"Number of Strata", answer);
    }
    void askCost(const char* answer) {
        ask(u"Enter the numeric code for the General Cost per Sample category (found under the "
            u"View menu) you would like to use for this stratum.",
            u"General Cost Per Sample", answer);
    }
    // "Please enter the Stratum Size" (stratum 0), "Please enter the Stratum 2 Size".
    void askSize(int stratum, const char* answer) {
        script.input(u"Please enter the Stratum "_s +
                         (stratum ? QString::number(stratum) + u' ' : QString()) + u"Size"_s,
                     u"Stratum Size"_s, QString::fromUtf8(answer));
    }
    void askLevel(const char* answer) {
        ask(u"For which length would you like to obtain a Pearson correlation coefficient?\r\n\r\n"
            u"Please enter Section, Segment or Subsegment",
            u"Correlation Length", answer);
    }
    // `widths` as the prompt lists them: "10, 20, 30 or 40".
    void askWidth(const char* widths, const char* answer) {
        script.input(u"For which width would you like to obtain a Pearson correlation "
                     u"coefficient?\r\n\r\nPlease enter "_s +
                         QString::fromUtf8(widths),
                     u"Correlation Width"_s, QString::fromUtf8(answer));
    }
    // The criteria of "Multiple" (multiple) or of "Cavity" and "Forage", as many as
    // answers are given (four at most).
    void askCriteria(bool multiple, const QStringList& answers) {
        const char16_t* prompts[][2] = {
            {multiple ? u"Please enter the minimum DBH of a tree or snag you want to consider "
                        u"for this analysis."
                      : u"Please enter the minimum DBH you want to consider for this analysis.",
             u"DBH"},
            {u"Now please enter the minimum Height you want considered.", u"Height"},
            {u"Enter the maximum Decay or Structural Class value you want considered for this "
             u"analysis.",
             u"Decay Class"},
            {u"Please enter the number of the species you want EXCLUDED from this analysis.  "
             u"Enter '9999' if you want all species included.",
             u"Species"}};
        for (qsizetype i = 0; i < answers.size() && i < 4; ++i)
            script.input(QString::fromUtf16(prompts[i][0]), QString::fromUtf16(prompts[i][1]),
                         answers[i]);
    }
    void askCode(bool forage, const QString& answer) {
        const QString what = forage ? QStringLiteral("FORAGE") : QStringLiteral("CAVITY");
        script.input(QStringLiteral("Enter the numeric code for the ") + what +
                         QStringLiteral(" category you would like to consider for this analysis."),
                     forage ? QStringLiteral("Forage Code") : QStringLiteral("Cavity Code"),
                     answer);
    }
    void message(const char16_t* text, const char16_t* title, MsgIcon icon = MsgIcon::None) {
        script.message(QString::fromUtf16(text), QString::fromUtf16(title), icon);
    }
    // The common error report: "13 : Type mismatch - Snag Procedure '...'".
    void errorReport(const char16_t* text) { message(text, u"Error", MsgIcon::Exclamation); }
    void noData(const char16_t* sheet) {
        script.message(u"No data found on '"_s + QString::fromUtf16(sheet) + u"'"_s, u"No data"_s,
                       MsgIcon::None);
    }
    void overridden() {
        message(u"The Optimal plot selection has been overridden. You may need to return to the "
                u"Optimal page, highlight the appropriate stratum circle, and click Compute to "
                u"view new results.",
                u"Optimal plot selection overridden");
    }

    TempDatabase database;
    ScriptedPrompts script;

  private:
    QList<QPointer<frmMainSnag>> windows_;
};

} // namespace vernalt::test
