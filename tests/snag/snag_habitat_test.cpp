// "Cavity" and "Forage" of the data sheets, offscreen with scripted prompts.
// Which rows qualify is decided by a rule tested on its own, and the whole
// analysis shows the use; here, what is rewritten, what is missing and what cancels.
#include "snag_window_support.h"
#include "support/texts.h"

namespace vernalt::test {
namespace {

// DBH 25, height 5, class 3, no species left out.
const QStringList Criteria = {u"25"_s, u"5"_s, u"3"_s, u"9999"_s};
constexpr int ColSpecies = 11, ColQualifying = 17;

class SnagHabitat : public SnagSheetTest {
  protected:
    // Rows of species, class, DBH, height, cavity and forage in data sheet k.
    void fill(int k, const std::vector<std::array<const char*, 6>>& rows) {
        connectSheets();
        sheet(k).setRows(int(rows.size()) + 1);
        for (int r = 1; r <= int(rows.size()); ++r)
            for (int c = 0; c < 6; ++c)
                sheet(k).setText(r, ColSpecies + c,
                                 QString::fromLatin1(rows[std::size_t(r - 1)][std::size_t(c)]));
    }
    // The qualifying marks of sheet k, then its six use labels.
    QStringList shown(std::size_t k) {
        return columnOf(sheet(int(k)), ColQualifying, 1, sheet(int(k)).rows() - 1) +
               textsOf(w->lblCavityTotal[k], w->lblCavityCavSigns[k], w->lblCavityPercentUse[k],
                       w->lblForageTotal[k], w->lblForageSigns[k], w->lblForagePercentUse[k]);
    }
};

TEST_F(SnagHabitat, ASecondRunRewritesEveryMark) {
    fill(2, {{"12", "3", "25", "5", "", "1"},
             {"7", "2", "40", "5", "", "1"},
             {"7", "2", "40", "5", "", "2"},
             {"7", "2", "40", "5", "", ""}});
    for (const char* code : {"1", "2"}) {
        askCriteria(false, Criteria);
        askCode(true, QString::fromLatin1(code));
        w->cmdForage_Click(2);
    }
    // Code 2: one of the three rows with a code; cavity untouched.
    expectShown(shown(2), "0 0 1 0 | _ _ _ 3 1 33.3");
}

TEST_F(SnagHabitat, MissingColumnsAreReportedBeforeAnyPrompt) {
    fill(0, {{"12", "3", "25", "5", "2", "1"}});
    const QString missing = u"One or more of the following columns were not found: Decay, DBH, "
                            u"Height, Species, %1."_s;
    sheet(0).setText(0, 16, u"Use"_s);
    script.message(missing.arg(u"Forage"_s), u"Column not found"_s, MsgIcon::None);
    w->cmdForage_Click(0);
    sheet(0).setText(0, 15, u"Cav"_s);
    script.message(missing.arg(u"Cavity"_s), u"Column not found"_s, MsgIcon::None);
    w->cmdCavity_Click(0);
    sheet(0).setText(0, 15, u"Cavity"_s);
    sheet(0).setText(0, ColQualifying, u"Qualified"_s);
    message(u"The qualifying column was not found", u"Column not found");
    w->cmdCavity_Click(0);
    expectShown(shown(0), "_ | _ _ _ _ _ _");
}

TEST_F(SnagHabitat, CancelAtEachPromptOrAnOverflowChangesNothing) {
    fill(0, {{"12", "3", "25", "5", "2", "1"}});
    // Prompts answered before the one that cancels, and its answer.
    const std::pair<int, QString> cases[] = {{0, u""_s},   {1, u""_s},   {2, u""_s},
                                             {2, u"-1"_s}, {3, u""_s},   {3, u"-1"_s},
                                             {4, u""_s},   {4, u"-1"_s}, {4, u"40000"_s}};
    for (bool forage : {false, true})
        for (const auto& [answered, last] : cases) {
            SCOPED_TRACE(answered);
            askCriteria(false, Criteria.mid(0, answered) << last);
            if (answered == 4)
                askCode(forage, last);
            if (last == u"40000")
                errorReport(forage ? u"6 : Overflow - Snag Procedure 'cmdForage'"
                                   : u"6 : Overflow - Snag Procedure 'cmdCavity_Click'");
            forage ? w->cmdForage_Click(0) : w->cmdCavity_Click(0);
            EXPECT_TRUE(script.done());
            expectShown(shown(0), "_ | _ _ _ _ _ _");
        }
}

} // namespace
} // namespace vernalt::test
