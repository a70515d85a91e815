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
const QString CavityPrompt =
    u"Enter the numeric code for the CAVITY category you would like to consider for this "
    u"analysis."_s;
const QString ForagePrompt =
    u"Enter the numeric code for the FORAGE category you would like to consider for this "
    u"analysis."_s;

// Columns of a data sheet.
constexpr int ColSpecies = 11, ColClass = 12, ColDbh = 13, ColHeight = 14, ColCavity = 15,
              ColForage = 16, ColQualifying = 17;

struct SheetRow {
    QString species, decayClass, dbh, height, cavity, forage;
};

class SnagHabitat : public SnagSheetTest {
  protected:
    // Writes rows into data sheet k as a fill leaves them.
    void fillSheet(int k, std::initializer_list<SheetRow> rows) {
        connectSheets();
        GridModel& g = sheet(k);
        g.setRows(int(rows.size()) + 1);
        int r = 1;
        for (const SheetRow& row : rows) {
            g.setText(r, ColSpecies, row.species);
            g.setText(r, ColClass, row.decayClass);
            g.setText(r, ColDbh, row.dbh);
            g.setText(r, ColHeight, row.height);
            g.setText(r, ColCavity, row.cavity);
            g.setText(r, ColForage, row.forage);
            ++r;
        }
    }
    void answer(const QString& codePrompt, const QString& codeTitle, const QString& dbh,
                const QString& height, const QString& cls, const QString& species,
                const QString& code) {
        prompts_.input(DbhPrompt, u"DBH"_s, dbh)
            .input(HeightPrompt, u"Height"_s, height)
            .input(ClassPrompt, u"Decay Class"_s, cls)
            .input(SpeciesPrompt, u"Species"_s, species)
            .input(codePrompt, codeTitle, code);
    }
    void answerCavity(const QString& code) {
        answer(CavityPrompt, u"Cavity Code"_s, u"25"_s, u"5"_s, u"3"_s, u"9999"_s, code);
    }
    void answerForage(const QString& code) {
        answer(ForagePrompt, u"Forage Code"_s, u"25"_s, u"5"_s, u"3"_s, u"9999"_s, code);
    }
    QStringList qualifying(int k) {
        QStringList out;
        for (int r = 1; r < sheet(k).rows(); ++r)
            out.append(sheet(k).text(r, ColQualifying));
        return out;
    }
    QStringList cavityLabels(int k) {
        const auto i = std::size_t(k);
        return {w->lblCavityTotal[i]->text(), w->lblCavityCavSigns[i]->text(),
                w->lblCavityPercentUse[i]->text()};
    }
    QStringList forageLabels(int k) {
        const auto i = std::size_t(k);
        return {w->lblForageTotal[i]->text(), w->lblForageSigns[i]->text(),
                w->lblForagePercentUse[i]->text()};
    }
};

TEST_F(SnagHabitat, CavityOneSignOfThree) {
    fillSheet(0, {
                     {u"12"_s, u"3"_s, u"25"_s, u"5"_s, u"2"_s, u""_s}, // qualifies
                     {u"12"_s, u"3"_s, u"25"_s, u"5"_s, u"1"_s, u""_s}, // other code
                     {u"12"_s, u"4"_s, u"25"_s, u"5"_s, u"2"_s, u""_s}, // class 4
                     {u"12"_s, u"3"_s, u"25"_s, u"5"_s, u""_s, u"2"_s}, // no cavity code
                 });
    answerCavity(u"2"_s);
    w->cmdCavity_Click(0);
    EXPECT_EQ(qualifying(0), (QStringList{u"1"_s, u"0"_s, u"0"_s, u"0"_s}));
    EXPECT_EQ(cavityLabels(0), (QStringList{u"3"_s, u"1"_s, u"33.3"_s}));
    EXPECT_EQ(forageLabels(0), (QStringList{u""_s, u""_s, u""_s}));
}

TEST_F(SnagHabitat, ForageTwoSignsOfThreeOnAStratumSheet) {
    fillSheet(2, {
                     {u"12"_s, u"3"_s, u"24.96"_s, u"5"_s, u""_s, u"1"_s}, // DBH reads as 25
                     {u"9999"_s, u"1"_s, u"30"_s, u"9"_s, u""_s, u"1"_s},  // species 9999 left out
                     {u"7"_s, u"2"_s, u"40"_s, u"5"_s, u""_s, u"1"_s},     // qualifies
                     {u"7"_s, u"2"_s, u"40"_s, u"5"_s, u""_s, u""_s},      // no forage code
                 });
    answerForage(u"1"_s);
    w->cmdForage_Click(2);
    EXPECT_EQ(qualifying(2), (QStringList{u"1"_s, u"0"_s, u"1"_s, u"0"_s}));
    EXPECT_EQ(forageLabels(2), (QStringList{u"3"_s, u"2"_s, u"66.7"_s}));
    EXPECT_EQ(forageLabels(0), (QStringList{u""_s, u""_s, u""_s}));
}

TEST_F(SnagHabitat, NoCodeAnywhereShowsZeroWithoutAnError) {
    fillSheet(0, {
                     {u"12"_s, u"3"_s, u"25"_s, u"5"_s, u""_s, u""_s},
                     {u"12"_s, u"3"_s, u"25"_s, u"5"_s, u""_s, u""_s},
                 });
    w->lblCavityPercentUse[0]->setText(u"50"_s); // from an earlier run
    answerCavity(u"2"_s);
    w->cmdCavity_Click(0);
    EXPECT_EQ(qualifying(0), (QStringList{u"0"_s, u"0"_s}));
    EXPECT_EQ(cavityLabels(0), (QStringList{u"0"_s, u"0"_s, u"0"_s}));
}

TEST_F(SnagHabitat, CellsThatAreNotNumbersDoNotQualify) {
    fillSheet(0, {
                     {u"12"_s, u"n/a"_s, u"25"_s, u"5"_s, u"2"_s, u""_s},
                     {u"12"_s, u"3"_s, u""_s, u"5"_s, u"2"_s, u""_s},
                     {u"12"_s, u"3"_s, u"25"_s, u"tall"_s, u"2"_s, u""_s},
                     {u"12"_s, u"3"_s, u"25"_s, u"5"_s, u"two"_s, u""_s},
                     {u"12"_s, u"3"_s, u"25"_s, u"5"_s, u"2"_s, u""_s},
                 });
    answerCavity(u"2"_s);
    w->cmdCavity_Click(0);
    EXPECT_EQ(qualifying(0), (QStringList{u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"1"_s}));
    EXPECT_EQ(cavityLabels(0), (QStringList{u"5"_s, u"1"_s, u"20"_s}));
}

TEST_F(SnagHabitat, ASecondRunOverwritesEveryMark) {
    fillSheet(0, {
                     {u"12"_s, u"3"_s, u"25"_s, u"5"_s, u"2"_s, u""_s},
                     {u"12"_s, u"3"_s, u"25"_s, u"5"_s, u"1"_s, u""_s},
                 });
    answerCavity(u"2"_s);
    answerCavity(u"1"_s);
    w->cmdCavity_Click(0);
    w->cmdCavity_Click(0);
    EXPECT_EQ(qualifying(0), (QStringList{u"0"_s, u"1"_s}));
    EXPECT_EQ(cavityLabels(0), (QStringList{u"2"_s, u"1"_s, u"50"_s}));
}

TEST_F(SnagHabitat, MissingColumnsAreReportedBeforeAnyPrompt) {
    fillSheet(0, {{u"12"_s, u"3"_s, u"25"_s, u"5"_s, u"2"_s, u"1"_s}});
    sheet(0).setText(0, ColForage, u"Use"_s);
    prompts_.message(u"One or more of the following columns were not found: Decay, DBH, "
                     u"Height, Species, Forage."_s,
                     u"Column not found"_s, MsgIcon::None);
    w->cmdForage_Click(0);
    sheet(0).setText(0, ColCavity, u"Cav"_s);
    prompts_.message(u"One or more of the following columns were not found: Decay, DBH, "
                     u"Height, Species, Cavity."_s,
                     u"Column not found"_s, MsgIcon::None);
    w->cmdCavity_Click(0);

    sheet(0).setText(0, ColCavity, u"Cavity"_s);
    sheet(0).setText(0, ColQualifying, u"Qualified"_s);
    prompts_.message(u"The qualifying column was not found"_s, u"Column not found"_s,
                     MsgIcon::None);
    w->cmdCavity_Click(0);
    EXPECT_EQ(qualifying(0), QStringList{u""_s});
    EXPECT_EQ(cavityLabels(0), (QStringList{u""_s, u""_s, u""_s}));
}

TEST_F(SnagHabitat, CancelAtEachPromptChangesNothing) {
    fillSheet(0, {{u"12"_s, u"3"_s, u"25"_s, u"5"_s, u"2"_s, u"1"_s}});
    const QString prompts[] = {DbhPrompt, HeightPrompt, ClassPrompt, SpeciesPrompt, CavityPrompt};
    const QString titles[] = {u"DBH"_s, u"Height"_s, u"Decay Class"_s, u"Species"_s,
                              u"Cavity Code"_s};
    const QString answers[] = {u"25"_s, u"5"_s, u"3"_s, u"9999"_s};
    struct Case {
        int answered;
        QString cancel;
    } cases[] = {{0, u""_s}, {1, u""_s},   {2, u""_s}, {2, u"-1"_s},
                 {3, u""_s}, {3, u"-1"_s}, {4, u""_s}, {4, u"-1"_s}};
    for (const Case& c : cases) {
        for (int i = 0; i < c.answered; ++i)
            prompts_.input(prompts[i], titles[i], answers[i]);
        prompts_.input(prompts[c.answered], titles[c.answered], c.cancel);
        w->cmdCavity_Click(0);
        EXPECT_TRUE(prompts_.done()) << c.answered;
        EXPECT_EQ(qualifying(0), QStringList{u""_s}) << c.answered;
        EXPECT_EQ(cavityLabels(0), (QStringList{u""_s, u""_s, u""_s})) << c.answered;
    }
}

TEST_F(SnagHabitat, ACodeOutsideSixteenBitsEndsThroughTheErrorReport) {
    fillSheet(0, {{u"12"_s, u"3"_s, u"25"_s, u"5"_s, u"2"_s, u"1"_s}});
    answerForage(u"40000"_s);
    prompts_.message(u"6 : Overflow - Snag Procedure 'cmdForage'"_s, u"Error"_s,
                     MsgIcon::Exclamation);
    w->cmdForage_Click(0);
    EXPECT_EQ(qualifying(0), QStringList{u""_s});
}

TEST_F(SnagHabitat, AfterMultipleOnTheMarkedSheet) {
    insert({1, 1, 1, 1, 1, 5, u"12"_s, 3, 25, 5, 2, {}});
    insert({2, 1, 1, 1, 2, 5, u"12"_s, 3, 25, 5, 1, {}});
    insert({3, 2, 1, 1, 3, 5, u"12"_s, 3, 25, 5, 2, {}});
    connectSheets();
    prompts_
        .input(u"Please enter the minimum DBH of a tree or snag you want to consider for this "
               u"analysis."_s,
               u"DBH"_s, u"0"_s)
        .input(HeightPrompt, u"Height"_s, u"0"_s)
        .input(ClassPrompt, u"Decay Class"_s, u"9"_s)
        .input(SpeciesPrompt, u"Species"_s, u"9999"_s);
    w->cmdFormMulti[0]->click();
    ASSERT_TRUE(w->cmdCavity[1]->isEnabled());
    answerCavity(u"2"_s);
    w->cmdCavity[1]->click();
    EXPECT_EQ(qualifying(1), (QStringList{u"1"_s, u"0"_s}));
    EXPECT_EQ(cavityLabels(1), (QStringList{u"2"_s, u"1"_s, u"50"_s}));
}

} // namespace
} // namespace vernalt::test
