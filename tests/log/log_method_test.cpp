// Switching the method and the metric of the log window: in place, or by
// rebuilding the window after the user's Yes.
#include "log/log_window_fixture.h"

#include "platform/settings.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

class LogMethod : public LogWindowTest {
  protected:
    // Chooses the item, answering its question, and returns the window afterwards.
    frmMainLog* answer(QAction* item, MsgResult reply, bool method = true) {
        if (method)
            prompts_.message(u"Do you want to clear this analysis and change methods?"_s,
                             u"Change method"_s, MsgIcon::None, reply);
        else
            prompts_.message(
                u"Do you want to clear this analysis and reload the current dataset?"_s,
                u"Change formula"_s, MsgIcon::None, reply);
        item->trigger();
        return live();
    }
    static QString formulaPage(frmMainLog* w) {
        return w->ssTabMain->tabText(frmMainLog::PageFormula);
    }
};

TEST_F(LogMethod, WithoutADataFileOrOnNoInPlaceOnYesInANewWindow) {
    frmMainLog* w = open();
    w->mnuSPM->trigger(); // no data file: no question
    EXPECT_FALSE(w->mnuTally->isEnabled());
    w->mnuCombo->trigger();
    EXPECT_FALSE(w->ssTabCombo->isHidden());
    w->mnuLIM->trigger();
    EXPECT_TRUE(w->mnuTally->isEnabled() && w->ssTabCombo->isHidden());
    EXPECT_EQ(live(), w);

    DataFilePath = u"/somewhere/logs.csv"_s;
    MethodReloadPending = true;
    w->mnuLIM->trigger(); // the checked method again does nothing, not even reset the flag
    EXPECT_TRUE(MethodReloadPending);
    MethodReloadPending = false;
    w->grdOptimal[0]->setText(1, 0, u"4.2"_s);
    EXPECT_EQ(answer(w->mnuSPM, MsgResult::No), w);
    EXPECT_TRUE(w->mnuSPM->isChecked());
    EXPECT_EQ(w->grdOptimal[0]->text(1, 0), u"4.2"_s);

    w->mnuLIM->setChecked(true);
    w->mnuSPM->setChecked(false);
    w->setStatusText(u"Status: Data file read"_s);
    frmMainLog* rebuilt = answer(w->mnuSPM, MsgResult::Yes);
    ASSERT_TRUE(rebuilt && rebuilt != w);
    EXPECT_TRUE(rebuilt->mnuSPM->isChecked() && !rebuilt->mnuLIM->isChecked());
    EXPECT_EQ(rebuilt->statusText(), u"Status: No data read"_s);
    EXPECT_FALSE(MethodReloadPending || gSwitchboard->isVisible());
    closeWindow(rebuilt); // the old window saved LIM, the new one SPM
    EXPECT_EQ(getSetting(u"LogSettings"_s, u"SPMmethod"_s) +
                  getSetting(u"LogSettings"_s, u"LIMmethod"_s),
              u"TrueFalse"_s);
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
    EXPECT_EQ(answer(w->mnuWeight, MsgResult::No, false), w);
    EXPECT_EQ(formulaPage(w), u"Percent Cover"_s);
    EXPECT_FALSE(w->mnuWeight->isChecked() || FormulaReloadPending);

    w->resize(w->width() + 90, w->height() + 60);
    const QSize size = w->size();
    w->txtTvalue->setText(u"2.5"_s);
    w->txtPrecisionLevel->setText(u".1"_s);
    frmMainLog* rebuilt = answer(w->mnuWeight, MsgResult::Yes, false);
    ASSERT_TRUE(rebuilt && rebuilt != w);
    EXPECT_EQ(rebuilt->size(), size);
    EXPECT_EQ(formulaPage(rebuilt), u"Weight"_s);
    // The optimal inputs start as after File, Open.
    EXPECT_EQ(joinedTexts(rebuilt->txtTvalue, rebuilt->txtPrecisionLevel), u"1.67|.2"_s);
    EXPECT_FALSE(FormulaReloadPending);
}

TEST_F(LogMethod, DensityUnderLineIntersectNeedsLogLengths) {
    const struct {
        QString header, lengths, message, title; // no message: density is applied
    } cases[] = {
        {u"Diameter"_s, u"5"_s, u"The length column was not found"_s, u"Column not found"_s},
        {u"Length"_s, u"0||-2"_s, u"Log Density using LIM is not possible without log lengths"_s,
         u"ERROR"_s},
        {u"Length"_s, u"0|3.5"_s, {}, {}},
        {u"LENGTH"_s, u"0|n/a"_s, {}, {}}, // a text counts as a length
    };
    for (const auto& c : cases) {
        frmMainLog* w = open();
        const QStringList lengths = c.lengths.split(u'|');
        Grid* g = w->grdStratum[0];
        g->setFormatString(u"^Stratum|^"_s + c.header);
        g->setRows(int(lengths.size()) + 1);
        g->setFixedRows(1);
        for (int r = 0; r < lengths.size(); ++r)
            g->setText(r + 1, 1, lengths[r]);
        if (!c.message.isEmpty())
            prompts_.message(c.message, c.title, MsgIcon::None);
        w->mnuDensity->trigger();
        EXPECT_EQ(formulaPage(w), c.message.isEmpty() ? u"Density"_s : u"Formula"_s)
            << c.lengths.toStdString();
        EXPECT_EQ(w->mnuDensity->isChecked(), c.message.isEmpty()) << c.lengths.toStdString();
        closeWindow(w);
    }
    frmMainLog* w = open(); // strip plots skip the check
    w->mnuSPM->trigger();
    w->mnuDensity->trigger();
    EXPECT_TRUE(w->mnuDensity->isChecked());
}

} // namespace
} // namespace vernalt::test
