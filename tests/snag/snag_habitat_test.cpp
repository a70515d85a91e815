// "Cavity" and "Forage" of the data sheets, offscreen with scripted prompts.
#include "snag_window_support.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

const QString DbhPrompt = u"Please enter the minimum DBH you want to consider for this analysis."_s;
const QString HeightPrompt = u"Now please enter the minimum Height you want considered."_s;
const QString ClassPrompt =
    u"Enter the maximum Decay or Structural Class value you want considered for this analysis."_s;
const QString SpeciesPrompt =
    u"Please enter the number of the species you want EXCLUDED from this analysis.  Enter '9999' "
    u"if you want all species included."_s;
const QString CodePrompt = u"Enter the numeric code for the %1 category you would like to "
                           u"consider for this analysis."_s;

// Columns of a data sheet: species, class, DBH, height, cavity, forage, qualifying.
constexpr int ColSpecies = 11, ColQualifying = 17;

// Species, class, DBH, height, cavity and forage of a sheet row.
using HabitatRow = std::array<const char*, 6>;

class SnagHabitat : public SnagSheetTest {
  protected:
    // Writes rows into data sheet k as a fill leaves them.
    void fillSheet(int k, const std::vector<HabitatRow>& rows) {
        connectSheets();
        GridModel& g = sheet(k);
        g.setRows(int(rows.size()) + 1);
        for (int r = 1; r <= int(rows.size()); ++r)
            for (int c = 0; c < 6; ++c)
                g.setText(r, ColSpecies + c, QString::fromLatin1(rows[std::size_t(r - 1)][c]));
    }
    // DBH 25, height 5, class 3, no species left out, then the code.
    void answer(bool forage, const QString& code) {
        prompts_.input(DbhPrompt, u"DBH"_s, u"25"_s)
            .input(HeightPrompt, u"Height"_s, u"5"_s)
            .input(ClassPrompt, u"Decay Class"_s, u"3"_s)
            .input(SpeciesPrompt, u"Species"_s, u"9999"_s)
            .input(CodePrompt.arg(forage ? u"FORAGE"_s : u"CAVITY"_s),
                   forage ? u"Forage Code"_s : u"Cavity Code"_s, code);
    }
    QStringList qualifying(int k) {
        QStringList out;
        for (int r = 1; r < sheet(k).rows(); ++r)
            out.append(sheet(k).text(r, ColQualifying));
        return out;
    }
    QStringList labels(int k, bool forage) {
        const auto i = std::size_t(k);
        if (forage)
            return {w->lblForageTotal[i]->text(), w->lblForageSigns[i]->text(),
                    w->lblForagePercentUse[i]->text()};
        return {w->lblCavityTotal[i]->text(), w->lblCavityCavSigns[i]->text(),
                w->lblCavityPercentUse[i]->text()};
    }
    void click(int k, bool forage) { forage ? w->cmdForage_Click(k) : w->cmdCavity_Click(k); }
};

const QStringList NoLabels = {u""_s, u""_s, u""_s};

TEST_F(SnagHabitat, MarksTheQualifyingRowsAndShowsTheUse) {
    // Which rows qualify is decided by a rule tested on its own; here, the sheet
    // chosen, its marks, its labels and a second run's marks over the first.
    struct Case {
        const char* what;
        int sheet;
        bool forage;
        std::vector<HabitatRow> rows;
        std::vector<const char*> codes; // one run each
        QStringList marks, labels;
    } cases[] = {
        {"cavity: one sign of three",
         0,
         false,
         {{"12", "3", "25", "5", "2", ""},  // qualifies
          {"12", "3", "25", "5", "1", ""},  // other code
          {"12", "4", "25", "5", "2", ""},  // class 4
          {"12", "3", "25", "5", "", "2"}}, // no cavity code: not counted
         {"2"},
         {u"1"_s, u"0"_s, u"0"_s, u"0"_s},
         {u"3"_s, u"1"_s, u"33.3"_s}},
        {"forage on a stratum sheet: two signs of three",
         2,
         true,
         {{"12", "3", "24.96", "5", "", "1"}, // DBH reads as 25
          {"9999", "1", "30", "9", "", "1"},  // species 9999 left out
          {"7", "2", "40", "5", "", "1"},
          {"7", "2", "40", "5", "", ""}},
         {"1"},
         {u"1"_s, u"0"_s, u"1"_s, u"0"_s},
         {u"3"_s, u"2"_s, u"66.7"_s}},
        {"no code anywhere shows zeros without an error",
         0,
         false,
         {{"12", "3", "25", "5", "", ""}, {"12", "3", "25", "5", "", ""}},
         {"2"},
         {u"0"_s, u"0"_s},
         {u"0"_s, u"0"_s, u"0"_s}},
        {"a second run overwrites every mark",
         0,
         false,
         {{"12", "3", "25", "5", "2", ""}, {"12", "3", "25", "5", "1", ""}},
         {"2", "1"},
         {u"0"_s, u"1"_s},
         {u"2"_s, u"1"_s, u"50"_s}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fillSheet(c.sheet, c.rows);
        w->lblCavityPercentUse[0]->setText(u"50"_s); // from an earlier run
        for (const char* code : c.codes) {
            answer(c.forage, QString::fromLatin1(code));
            click(c.sheet, c.forage);
        }
        EXPECT_TRUE(prompts_.done());
        EXPECT_EQ(qualifying(c.sheet), c.marks);
        EXPECT_EQ(labels(c.sheet, c.forage), c.labels);
        EXPECT_EQ(labels(c.sheet, !c.forage), NoLabels) << "the other analysis is left alone";
    }
}

TEST_F(SnagHabitat, MissingColumnsAreReportedBeforeAnyPrompt) {
    fillSheet(0, {{"12", "3", "25", "5", "2", "1"}});
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
    EXPECT_EQ(qualifying(0), QStringList{u""_s});
    EXPECT_EQ(labels(0, false), NoLabels);
}

TEST_F(SnagHabitat, CancelAtEachPromptOrAnOverflowChangesNothing) {
    fillSheet(0, {{"12", "3", "25", "5", "2", "1"}});
    const QString prompts[] = {DbhPrompt, HeightPrompt, ClassPrompt, SpeciesPrompt,
                               CodePrompt.arg(u"CAVITY"_s)};
    const QString titles[] = {u"DBH"_s, u"Height"_s, u"Decay Class"_s, u"Species"_s,
                              u"Cavity Code"_s};
    const QString answers[] = {u"25"_s, u"5"_s, u"3"_s, u"9999"_s};
    struct Case {
        int answered;
        QString cancel;
    } cases[] = {{0, u""_s},   {1, u""_s}, {2, u""_s},   {2, u"-1"_s},   {3, u""_s},
                 {3, u"-1"_s}, {4, u""_s}, {4, u"-1"_s}, {4, u"40000"_s}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answered);
        for (int i = 0; i < c.answered; ++i)
            prompts_.input(prompts[i], titles[i], answers[i]);
        prompts_.input(prompts[c.answered], titles[c.answered], c.cancel);
        if (c.cancel == u"40000")
            prompts_.message(u"6 : Overflow - Snag Procedure 'cmdCavity_Click'"_s, u"Error"_s,
                             MsgIcon::Exclamation);
        w->cmdCavity_Click(0);
        EXPECT_TRUE(prompts_.done());
        EXPECT_EQ(qualifying(0), QStringList{u""_s});
        EXPECT_EQ(labels(0, false), NoLabels);
    }
    answer(true, u"40000"_s);
    prompts_.message(u"6 : Overflow - Snag Procedure 'cmdForage'"_s, u"Error"_s,
                     MsgIcon::Exclamation);
    w->cmdForage_Click(0);
    EXPECT_EQ(qualifying(0), QStringList{u""_s});
}

} // namespace
} // namespace vernalt::test
