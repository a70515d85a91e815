#include "snag/compute_rules.h"

#include "shell/cleaning.h"

namespace vernalt {

bool asksNumberOfStrata(int sheet, const QString& numStrata) {
    return sheet == 0 || CleanRoundOrZero(numStrata).toDouble() < sheet;
}

StratifiedGate stratifiedGate(const QString& numStrata,
                              const std::array<bool, 4>& rowHasDimension) {
    StratifiedGate gate;
    if (numStrata.isEmpty()) {
        gate.strataMissing = true;
        return gate;
    }
    // Compared as text: "2.0", " 2" and "5" leave the button disabled.
    static const QString counts[] = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                     QStringLiteral("4")};
    for (int n = 1; n <= 4; ++n) {
        if (numStrata != counts[n - 1])
            continue;
        gate.enabled = true;
        for (int row = 0; row < n; ++row)
            gate.enabled = gate.enabled && rowHasDimension[std::size_t(row)];
    }
    return gate;
}

MainTabAction mainTabAction(int mainPage, int formulaPage) {
    constexpr int Densities = 1, SampleSizePage = 2, StratifiedPage = 1;
    if (mainPage == Densities && formulaPage == StratifiedPage)
        return MainTabAction::StratifiedGate;
    if (mainPage == SampleSizePage)
        return MainTabAction::SampleSize;
    return MainTabAction::Nothing;
}

} // namespace vernalt
