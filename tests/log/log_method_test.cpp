// Switching the method and the metric of the log window: in place, or by
// rebuilding the window after the user's Yes.
#include "log/log_window_fixture.h"

#include "platform/settings.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const QString kChangeMethod = u"Do you want to clear this analysis and change methods?"_s;
const QString kChangeFormula =
    u"Do you want to clear this analysis and reload the current dataset?"_s;

class LogMethod : public LogWindowTest {
  protected:
    // Chooses the item, answering its question, and returns the window afterwards.
    frmMainLog* answer(QAction* item, const QString& question, MsgResult reply) {
        const bool method = question == kChangeMethod;
        prompts_.message(question, method ? u"Change method"_s : u"Change formula"_s, MsgIcon::None,
                         reply);
        item->trigger();
        return live();
    }
    QString formulaPage(frmMainLog* w) { return w->ssTabMain->tabText(frmMainLog::PageFormula); }
};

TEST_F(LogMethod, WithoutADataFileOrOnNoTheMethodSwitchesInPlace) {
    frmMainLog* w = open();
    w->mnuSPM->trigger(); // no data file: no question
    EXPECT_EQ(live(), w);
    EXPECT_FALSE(w->mnuTally->isEnabled());
    w->mnuCombo->trigger();
    EXPECT_FALSE(w->ssTabCombo->isHidden());
    w->mnuLIM->trigger();
    EXPECT_TRUE(w->mnuTally->isEnabled());
    EXPECT_TRUE(w->ssTabCombo->isHidden());

    DataFilePath = u"/somewhere/logs.csv"_s;
    MethodReloadPending = true;
    w->mnuLIM->trigger(); // the checked method again does nothing, not even reset the flag
    EXPECT_TRUE(MethodReloadPending);
    MethodReloadPending = false;
    w->grdOptimal[0]->setText(1, 0, u"4.2"_s);
    EXPECT_EQ(answer(w->mnuSPM, kChangeMethod, MsgResult::No), w);
    EXPECT_TRUE(w->mnuSPM->isChecked());
    EXPECT_EQ(w->grdOptimal[0]->text(1, 0), u"4.2"_s);
}

TEST_F(LogMethod, YesRebuildsTheWindowInTheNewMethod) {
    frmMainLog* w = open();
    DataFilePath = u"/somewhere/logs.csv"_s;
    w->setStatusText(u"Status: Data file read"_s);
    frmMainLog* rebuilt = answer(w->mnuSPM, kChangeMethod, MsgResult::Yes);
    ASSERT_NE(rebuilt, nullptr);
    EXPECT_NE(rebuilt, w);
    EXPECT_TRUE(rebuilt->mnuSPM->isChecked() && !rebuilt->mnuLIM->isChecked());
    EXPECT_EQ(rebuilt->statusText(), u"Status: No data read"_s);
    EXPECT_FALSE(MethodReloadPending);
    EXPECT_FALSE(gSwitchboard->isVisible());
    // The old window saved LIM; the new one saves SPM when it closes.
    rebuilt->close();
    flushDeletes();
    EXPECT_EQ(getSetting(u"LogSettings"_s, u"SPMmethod"_s), u"True"_s);
    EXPECT_EQ(getSetting(u"LogSettings"_s, u"LIMmethod"_s), u"False"_s);
}

TEST_F(LogMethod, AnotherMetricAsksThenKeepsEverythingOrRebuildsAtTheSameSize) {
    frmMainLog* w = open();
    DataFilePath = db_.folder() + u"/logs.csv"_s;
    QFile f(DataFilePath);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Stratum,Location,Transect,Segment,Subsegment,Species,Intersect,LED,Condition,"
            "Length\n1,1,1,1,1,DF,1,10,2,5\n1,1,1,1,2,DF,1,12,2,6\n");
    f.close();
    w->mnuPercentCover->trigger(); // the first metric needs no question
    w->mnuPercentCover->trigger(); // nor the same again: "Percent Cover" names "PercentCover"
    EXPECT_EQ(answer(w->mnuWeight, kChangeFormula, MsgResult::No), w);
    EXPECT_EQ(formulaPage(w), u"Percent Cover"_s);
    EXPECT_FALSE(w->mnuWeight->isChecked());
    EXPECT_FALSE(FormulaReloadPending);

    w->resize(w->width() + 90, w->height() + 60);
    const QSize size = w->size();
    w->txtTvalue->setText(u"2.5"_s);
    w->txtPrecisionLevel->setText(u".1"_s);
    frmMainLog* rebuilt = answer(w->mnuWeight, kChangeFormula, MsgResult::Yes);
    ASSERT_NE(rebuilt, nullptr);
    EXPECT_NE(rebuilt, w);
    EXPECT_EQ(rebuilt->size(), size);
    EXPECT_EQ(formulaPage(rebuilt), u"Weight"_s);
    // The optimal inputs start as after File, Open.
    EXPECT_EQ(rebuilt->txtTvalue->text(), u"1.67"_s);
    EXPECT_EQ(rebuilt->txtPrecisionLevel->text(), u".2"_s);
    EXPECT_FALSE(FormulaReloadPending);
}

// The Single/Combined sheet with a header row and the given lengths.
void fillLengthSheet(frmMainLog* w, const QStringList& lengths, const QString& name) {
    Grid* g = w->grdStratum[0];
    g->setFormatString(u"^Stratum|^"_s + name);
    g->setRows(int(lengths.size()) + 1);
    g->setFixedRows(1);
    for (int r = 0; r < lengths.size(); ++r)
        g->setText(r + 1, 1, lengths[r]);
}

TEST_F(LogMethod, DensityUnderLineIntersectNeedsLogLengths) {
    struct Case {
        const char* name;
        QString header;
        QStringList lengths;
        QString message, title; // empty: density is applied
    } cases[] = {
        {"no length column",
         u"Diameter"_s,
         {u"5"_s},
         u"The length column was not found"_s,
         u"Column not found"_s},
        {"only zeros and blanks",
         u"Length"_s,
         {u"0"_s, QString(), u"-2"_s},
         u"Log Density using LIM is not possible without log lengths"_s,
         u"ERROR"_s},
        {"one length above 0", u"Length"_s, {u"0"_s, u"3.5"_s}, QString(), QString()},
        {"a text counts as a length", u"LENGTH"_s, {u"0"_s, u"n/a"_s}, QString(), QString()},
    };
    for (const Case& c : cases) {
        frmMainLog* w = open();
        fillLengthSheet(w, c.lengths, c.header);
        if (!c.message.isEmpty())
            prompts_.message(c.message, c.title, MsgIcon::None);
        w->mnuDensity->trigger();
        EXPECT_EQ(w->mnuDensity->isChecked(), c.message.isEmpty()) << c.name;
        EXPECT_EQ(formulaPage(w), c.message.isEmpty() ? u"Density"_s : u"Formula"_s) << c.name;
        w->close();
        flushDeletes();
    }
    frmMainLog* w = open(); // strip plots skip the check
    w->mnuSPM->trigger();
    w->mnuDensity->trigger();
    EXPECT_TRUE(w->mnuDensity->isChecked());
}

} // namespace
} // namespace vernalt::test
