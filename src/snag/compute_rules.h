// The decisions of the Compute button and the two tab gates of the snag window,
// as plain functions of what the window's controls hold.
#pragma once

#include <QString>
#include <array>

namespace vernalt {

// Whether Compute asks for the number of strata: always for the single sheet
// (0), and for stratum k (1 to 4) while the number entered is below k (an empty
// or non-numeric number counts as 0).
bool asksNumberOfStrata(int sheet, const QString& numStrata);

// The state of "Calculate Stratified Values" on the stratified page: enabled when
// the number of strata is exactly the text "1", "2", "3" or "4" and each of the
// first that many stratum rows has a plot dimension. `strataMissing` is set for
// an empty number, which the page warns about.
struct StratifiedGate {
    bool enabled = false;
    bool strataMissing = false;
};
StratifiedGate stratifiedGate(const QString& numStrata, const std::array<bool, 4>& rowHasDimension);

// What opening a page of the main tab control does.
enum class MainTabAction {
    Nothing,
    StratifiedGate, // "Densities" with the stratified page shown: the gate again, no warning
    SampleSize,     // "Sample Size": the sample size is computed again
};
MainTabAction mainTabAction(int mainPage, int formulaPage);

} // namespace vernalt
