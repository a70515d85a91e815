// "Cavity" and "Forage" of the data sheets, offscreen with scripted prompts.
// Which rows qualify is decided by a rule tested on its own; here, the sheet
// chosen, its marks and labels, and what cancels.
#include "snag_window_support.h"
#include "support/texts.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const QString Prompts[] = {
    u"Please enter the minimum DBH you want to consider for this analysis."_s,
    u"Now please enter the minimum Height you want considered."_s,
    u"Enter the maximum Decay or Structural Class value you want considered for this analysis."_s,
    u"Please enter the number of the species you want EXCLUDED from this analysis.  Enter '9999' "
    u"if you want all species included."_s,
    u"Enter the numeric code for the %1 category you would like to consider for this analysis."_s};
const QString Titles[] = {u"DBH"_s, u"Height"_s, u"Decay Class"_s, u"Species"_s};
// DBH 25, height 5, class 3, no species left out.
const QString Answers[] = {u"25"_s, u"5"_s, u"3"_s, u"9999"_s};

// Columns of a data sheet: species (then class, DBH, height, cavity, forage) and
// qualifying.
constexpr int ColSpecies = 11, ColQualifying = 17;

class SnagHabitat : public SnagSheetTest {
  protected:
    // Writes rows of species, class, DBH, height, cavity and forage into data sheet k.
    void fill(int k, const std::vector<std::array<const char*, 6>>& rows) {
        connectSheets();
        sheet(k).setRows(int(rows.size()) + 1);
        for (int r = 1; r <= int(rows.size()); ++r)
            for (int c = 0; c < 6; ++c)
                sheet(k).setText(r, ColSpecies + c,
                                 QString::fromLatin1(rows[std::size_t(r - 1)][std::size_t(c)]));
    }
    // The first `answered` prompts answered, the next one given `last`.
    void answer(bool forage, int answered, const QString& last) {
        for (int i = 0; i <= answered; ++i)
            prompts_.input(i < 4 ? Prompts[i] : Prompts[4].arg(forage ? u"FORAGE"_s : u"CAVITY"_s),
                           i < 4    ? Titles[i]
                           : forage ? u"Forage Code"_s
                                    : u"Cavity Code"_s,
                           i < answered ? Answers[i] : last);
    }
    void run(int k, bool forage) { forage ? w->cmdForage_Click(k) : w->cmdCavity_Click(k); }
    QStringList shown(std::size_t k) {
        return columnOf(sheet(int(k)), ColQualifying, 1, sheet(int(k)).rows() - 1) +
               textsOf(w->lblCavityTotal[k], w->lblCavityCavSigns[k], w->lblCavityPercentUse[k],
                       w->lblForageTotal[k], w->lblForageSigns[k], w->lblForagePercentUse[k]);
    }
};

TEST_F(SnagHabitat, MarksTheQualifyingRowsAndShowsTheUse) {
    // Forage code 1 on a stratum sheet: DBH 24.96 reads as 25, species 9999 is
    // left out, a row without code is not counted; two of three; cavity untouched.
    fill(2, {{"12", "3", "24.96", "5", "", "1"},
             {"9999", "1", "30", "9", "", "1"},
             {"7", "2", "40", "5", "", "1"},
             {"7", "2", "40", "5", "", ""}});
    answer(true, 4, u"1"_s);
    run(2, true);
    expectShown(shown(2), "1 0 1 0 | _ _ _ 3 2 66.7");
    // A second run with another code overwrites every mark.
    answer(true, 4, u"2"_s);
    run(2, true);
    expectShown(shown(2), "0 0 0 0 | _ _ _ 3 0 0");
}

TEST_F(SnagHabitat, MissingColumnsAreReportedBeforeAnyPrompt) {
    fill(0, {{"12", "3", "25", "5", "2", "1"}});
    const QString missing = u"One or more of the following columns were not found: Decay, DBH, "
                            u"Height, Species, %1."_s;
    sheet(0).setText(0, 16, u"Use"_s);
    prompts_.message(missing.arg(u"Forage"_s), u"Column not found"_s, MsgIcon::None);
    w->cmdForage_Click(0);
    sheet(0).setText(0, 15, u"Cav"_s);
    prompts_.message(missing.arg(u"Cavity"_s), u"Column not found"_s, MsgIcon::None);
    w->cmdCavity_Click(0);
    sheet(0).setText(0, 15, u"Cavity"_s);
    sheet(0).setText(0, ColQualifying, u"Qualified"_s);
    prompts_.message(u"The qualifying column was not found"_s, u"Column not found"_s,
                     MsgIcon::None);
    w->cmdCavity_Click(0);
    expectShown(shown(0), "_ | _ _ _ _ _ _");
}

TEST_F(SnagHabitat, CancelAtEachPromptOrAnOverflowChangesNothing) {
    fill(0, {{"12", "3", "25", "5", "2", "1"}});
    // Prompts answered before the one that cancels, and its answer.
    const std::pair<int, QString> cases[] = {{0, u""_s},   {1, u""_s},   {2, u""_s},
                                             {2, u"-1"_s}, {3, u""_s},   {3, u"-1"_s},
                                             {4, u""_s},   {4, u"-1"_s}, {4, u"40000"_s}};
    for (const auto& [answered, last] : cases) {
        SCOPED_TRACE(answered);
        answer(false, answered, last);
        if (last == u"40000")
            prompts_.message(u"6 : Overflow - Snag Procedure 'cmdCavity_Click'"_s, u"Error"_s,
                             MsgIcon::Exclamation);
        run(0, false);
        EXPECT_TRUE(prompts_.done());
        expectShown(shown(0), "_ | _ _ _ _ _ _");
    }
    answer(true, 4, u"40000"_s);
    prompts_.message(u"6 : Overflow - Snag Procedure 'cmdForage'"_s, u"Error"_s,
                     MsgIcon::Exclamation);
    run(0, true);
    expectShown(shown(0), "_ | _ _ _ _ _ _");
}

} // namespace
} // namespace vernalt::test
