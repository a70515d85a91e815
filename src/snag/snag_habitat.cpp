// Cavity and forage use of a data sheet: the rows that meet the criteria and show
// the chosen use code are marked in the sheet's "Qualifying" column and counted.
#include "snag/frmMainSnag.h"

#include "platform/errors.h"
#include "platform/grid.h"
#include "platform/prompts.h"
#include "platform/value.h"
#include "snag/habitat_use.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// What tells the two analyses apart.
struct HabitatAnalysis {
    bool cavity;
    QString kind;       // passed to the prompts
    QString codeHeader; // the code column's title
    QString missingColumns;
    QString procedure; // named in the error report
};

const HabitatAnalysis& cavityAnalysis() {
    static const HabitatAnalysis a{
        true, u"Cavity"_s, u"cavity"_s,
        u"One or more of the following columns were not found: Decay, DBH, Height, Species, "
        u"Cavity."_s,
        u"cmdCavity_Click"_s};
    return a;
}

const HabitatAnalysis& forageAnalysis() {
    static const HabitatAnalysis a{
        false, u"Forage"_s, u"forage"_s,
        u"One or more of the following columns were not found: Decay, DBH, Height, Species, "
        u"Forage."_s,
        u"cmdForage"_s};
    return a;
}

void runHabitatUse(frmMainSnag& w, int index, const HabitatAnalysis& a) {
    trapped(prompts(), snagProcedure(a.procedure), [&] {
        const auto i = std::size_t(index);
        GridModel& g = *w.grdStratum.at(i)->grid();
        QStringList headers;
        for (int j = 0; j < g.cols(); ++j)
            headers.append(g.text(0, j));
        const HabitatColumns cols = findHabitatColumns(headers, a.codeHeader);
        if (!cols.complete()) {
            prompts().message(a.missingColumns, u"Column not found"_s, MsgIcon::None);
            return;
        }
        if (!cols.qualifyingFound) {
            prompts().message(u"The qualifying column was not found"_s, u"Column not found"_s,
                              MsgIcon::None);
            return;
        }

        HabitatCriteria c;
        c.minDbh = w.GetMinDBH(a.kind);
        if (c.minDbh == -1)
            return;
        c.minHeight = w.GetMinHeight(a.kind);
        if (c.minHeight == -1)
            return;
        const std::int16_t maxClass = w.GetMaxClass(a.kind);
        if (maxClass == -1)
            return;
        c.maxClass = maxClass;
        c.species = w.GetSpecies(a.kind);
        if (c.species == u"-1"_s)
            return;
        const std::int16_t code = a.cavity ? w.GetCavity(a.kind) : w.GetForage(a.kind);
        if (code == -1)
            return;
        c.code = code;

        HabitatCounts n;
        g.fillRows(g.rows(), [&](int row) {
            if (row < 1)
                return;
            const HabitatRow r = habitatRow(g, row, cols);
            const bool qualifies = habitatQualifies(r, c);
            g.setNumber(row, cols.qualifying, qualifies ? 1 : 0);
            if (qualifies)
                ++n.signs;
            if (r.hasCode)
                ++n.total;
        });

        QLabel* total = a.cavity ? w.lblCavityTotal.at(i) : w.lblForageTotal.at(i);
        QLabel* signs = a.cavity ? w.lblCavityCavSigns.at(i) : w.lblForageSigns.at(i);
        QLabel* percent = a.cavity ? w.lblCavityPercentUse.at(i) : w.lblForagePercentUse.at(i);
        total->setText(numberText(n.total));
        signs->setText(numberText(n.signs));
        percent->setText(numberText(percentUse(n.signs, n.total)));
    });
}

} // namespace

void frmMainSnag::cmdCavity_Click(int index) {
    runHabitatUse(*this, index, cavityAnalysis());
}

void frmMainSnag::cmdForage_Click(int index) {
    runHabitatUse(*this, index, forageAnalysis());
}

} // namespace vernalt
