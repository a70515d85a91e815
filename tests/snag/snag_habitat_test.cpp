// "Cavity" and "Forage" of a data sheet where the run does not go through: a
// column the sheet lacks, Cancel at any of the five prompts, and a code beyond
// 16 bits. Each leaves the marks and figures of the run before as they were.
#include "snag_window_support.h"
#include "support/texts.h"

using namespace Qt::StringLiterals;

namespace vernalt::test {
namespace {

constexpr int ColQualifying = 17;

class SnagHabitat : public SnagSheetTest {
  protected:
    void SetUp() override {
        SnagSheetTest::SetUp();
        // With DBH 10, height 2, class 5 and species 3 left out, code 2 marks the
        // first record only; both carry a cavity and a forage code.
        insert({1, 1, 1, 1, 1, 5, u"12"_s, 3, 25, 5, 2, 1});
        insert({2, 1, 1, 1, 2, 5, u"12"_s, 3, 25, 5, 1, 2});
        connectSheets();
        w->FillSingleTab();
        w->cmdCavity[0]->setEnabled(true); // as a clean import leaves them
        w->cmdForage[0]->setEnabled(true);
    }
    // The qualifying marks of sheet 0, then the cavity and forage figures.
    QStringList shown() {
        return columnOf(sheet(0), ColQualifying, 1, 2) +
               textsOf(w->lblCavityTotal[0], w->lblCavityCavSigns[0], w->lblCavityPercentUse[0],
                       w->lblForageTotal[0], w->lblForageSigns[0], w->lblForagePercentUse[0]);
    }
};

TEST_F(SnagHabitat, CancelAtEachPromptOrAnOverflowLeavesNoMark) {
    askCriteria("2");
    w->cmdCavity[0]->click();
    const QStringList before = shown();
    expectShown(before, "1 0 2 1 50 _ _ _");

    const struct {
        const char* what;
        bool forage;
        int answered; // prompts answered before the last one
        const char* last;
        const char* error; // the error report that ends the run
    } cases[] = {
        {"Cancel at the DBH", false, 0, "", nullptr},
        {"Cancel at the height", false, 1, "", nullptr},
        {"Cancel at the class", false, 2, "", nullptr},
        {"class -1", false, 2, "-1", nullptr},
        {"Cancel at the species", false, 3, "", nullptr},
        {"species -1", false, 3, "-1", nullptr},
        {"Cancel at the cavity code", false, 4, "", nullptr},
        {"cavity code -1", false, 4, "-1", nullptr},
        {"cavity code 40000", false, 4, "40000", "6 : Overflow - Snag Procedure 'cmdCavity_Click'"},
        {"Cancel at the forage DBH", true, 0, "", nullptr},
        {"Cancel at the forage code", true, 4, "", nullptr},
        {"forage code 40000", true, 4, "40000", "6 : Overflow - Snag Procedure 'cmdForage'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        askCriteriaStoppedAt(c.answered, c.last, c.forage);
        if (c.error)
            script.message(QString::fromLatin1(c.error), u"Error"_s, MsgIcon::Exclamation);
        (c.forage ? w->cmdForage : w->cmdCavity)[0]->click();
        EXPECT_TRUE(script.done());
        EXPECT_EQ(shown(), before);
    }
}

TEST_F(SnagHabitat, AMissingColumnIsSaidBeforeAnyPrompt) {
    const QString missing = u"One or more of the following columns were not found: Decay, DBH, "
                            u"Height, Species, %1."_s;
    const struct {
        int column;
        const char* title;
        bool forage;
        QString message;
    } cases[] = {
        {16, "Use", true, missing.arg(u"Forage"_s)},
        {15, "Cav", false, missing.arg(u"Cavity"_s)},
        {13, "Diameter", true, missing.arg(u"Forage"_s)},
        {ColQualifying, "Qualified", false, u"The qualifying column was not found"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        const QString title = sheet(0).text(0, c.column);
        sheet(0).setText(0, c.column, QString::fromLatin1(c.title));
        script.message(c.message, u"Column not found"_s, MsgIcon::None);
        (c.forage ? w->cmdForage : w->cmdCavity)[0]->click();
        EXPECT_TRUE(script.done());
        expectShown(shown(), "_ _ _ _ _ _ _ _");
        sheet(0).setText(0, c.column, title);
    }
}

} // namespace
} // namespace vernalt::test
