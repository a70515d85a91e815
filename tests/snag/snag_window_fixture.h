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
#include <vector>

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
    // The prompts, each answered ("" is Cancel).
    void ask(const QString& prompt, const QString& title, const char* answer) {
        script.input(prompt, title, QString::fromUtf8(answer));
    }
    void askStrata(const char* answer) {
        ask(u"Please enter the number of strata"_s, u"Number of Strata"_s, answer);
    }
    void askCost(const char* answer) {
        ask(u"Enter the numeric code for the General Cost per Sample category (found under the "
            u"View menu) you would like to use for this stratum."_s,
            u"General Cost Per Sample"_s, answer);
    }
    // "Please enter the Stratum Size" (stratum 0), "Please enter the Stratum 2 Size".
    void askSize(int stratum, const char* answer) {
        const QString n = stratum ? QString::number(stratum) + u' ' : QString();
        ask(u"Please enter the Stratum "_s + n + u"Size"_s, u"Stratum Size"_s, answer);
    }
    void askLevel(const char* answer) {
        ask(u"For which length would you like to obtain a Pearson correlation coefficient?\r\n\r\n"
            u"Please enter Section, Segment or Subsegment"_s,
            u"Correlation Length"_s, answer);
    }
    // `widths` as the prompt lists them: "10, 20, 30 or 40".
    void askWidth(const char* widths, const char* answer) {
        ask(u"For which width would you like to obtain a Pearson correlation coefficient?\r\n\r\n"
            u"Please enter "_s +
                QLatin1String(widths),
            u"Correlation Width"_s, answer);
    }
    // The criteria of "Multiple" (no code), or of "Cavity" or "Forage" and the code
    // asked after them: minimum DBH 10, minimum height 2, maximum class 5, species 3
    // left out.
    void askCriteria(const char* code = nullptr, bool forage = false) {
        for (const Criterion& c : criteria(code, forage))
            ask(c.prompt, c.title, c.answer);
    }
    // The criteria of "Cavity" or "Forage" asked as far as prompt `stop` (0 the DBH,
    // 4 the code), which is answered `last`: a run stopped there.
    void askCriteriaStoppedAt(int stop, const char* last, bool forage) {
        const std::vector<Criterion> all = criteria("", forage);
        for (std::size_t i = 0; i <= std::size_t(stop); ++i)
            ask(all[i].prompt, all[i].title, i < std::size_t(stop) ? all[i].answer : last);
    }

    TempDatabase database;
    ScriptedPrompts script;

  private:
    struct Criterion {
        QString prompt, title;
        const char* answer;
    };
    // The criteria prompts in the order asked, with the answers of askCriteria.
    static std::vector<Criterion> criteria(const char* code, bool forage) {
        std::vector<Criterion> out = {
            {u"Please enter the minimum DBH "_s + (code ? u""_s : u"of a tree or snag "_s) +
                 u"you want to consider for this analysis."_s,
             u"DBH"_s, "10"},
            {u"Now please enter the minimum Height you want considered."_s, u"Height"_s, "2"},
            {u"Enter the maximum Decay or Structural Class value you want considered for this "
             u"analysis."_s,
             u"Decay Class"_s, "5"},
            {u"Please enter the number of the species you want EXCLUDED from this analysis.  "
             u"Enter '9999' if you want all species included."_s,
             u"Species"_s, "3"}};
        if (code)
            out.push_back({u"Enter the numeric code for the "_s +
                               (forage ? u"FORAGE"_s : u"CAVITY"_s) +
                               u" category you would like to consider for this analysis."_s,
                           forage ? u"Forage Code"_s : u"Cavity Code"_s, code});
        return out;
    }

    QList<QPointer<frmMainSnag>> windows_;
};

} // namespace vernalt::test
