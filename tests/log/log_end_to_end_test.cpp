// Whole log analyses as the user runs them, offscreen: File, Open; Density from
// the Formula menu; Set Criteria; Calculate Statistics; the single-stratum
// estimate; Print Preview. Once by line intersect, once by strip plots.
//
// The surveys (data/log_survey_lim.csv, data/log_survey_spm.csv): one stratum
// of two transects. The expected figures were worked out by hand from the
// formulas, each step from the rounded figures the step before shows, in
// metric units (unit lengths 12.5, 25, 50 and 100 m):
//   per log      LIM 1 / length (3 decimals); SPM 1 when the end point is in the strip
//   units        sums per subsegment, segment (subsegments halved, rounded up),
//                section (segments halved, rounded up) and transect
//   per level    mean and sample standard deviation, display-rounded; per area
//                m x F with F = 15708 / L (LIM) or 10000 / (4 L) (SPM);
//                variance (s x F)^2; logs/ac = logs/ha x 0.405;
//                units needed (t s)^2 / (E m)^2 with t = 1.67, E = 0.2, times L;
//                missing max(distance, 1000) - N x L
//   estimate     SE = sqrt(var / n); B = t SE (LIM), t SE sqrt(1 - n a / A) (SPM)
#include "log/log_window_fixture.h"
#include "print/frmPrintPreview.h"

#include <QRadioButton>

namespace vernalt::test {
namespace {

// The texts of a column from row 1 down to the first empty cell, joined by blanks.
QString column(const Grid* g, int col) {
    QStringList out;
    for (int r = 1; r < g->rows() && !g->text(r, col).isEmpty(); ++r)
        out.append(g->text(r, col));
    return out.join(u' ');
}

// What each level shows, joined by "/": "count|mean|deviation", the five cells
// of grdOptimal (mean|sd|per area|variance|units needed) and the five of
// grdOptimal2 (distance|minimum|count|missing|other unit system).
QString levels(const frmMainLog* w) {
    QStringList out;
    for (std::size_t k = 0; k < 4; ++k)
        out << joinedTexts(w->lblNum[k], w->lblAvg[k], w->lblStdDev[k]) + u' ' +
                   rowText(w->grdOptimal[0], int(k) + 1) + u' ' +
                   rowText(w->grdOptimal2[0], int(k) + 1);
    return out.join(u'/');
}

// What one run shows at each step.
struct Analysis {
    const char* file;
    const char* led;   // the minimum LED answered
    const char* logs;  // the Qualify column after Set Criteria
    const char* sums;  // the four subtotal columns, joined by "|"
    const char* stats; // levels()
    const char* area;  // the answer to the landscape area's prompt (strip plots only)
    const char* row;   // the single estimate's equation row, by segments
    const char* shown; // area, metric, English, SE, bound, limits, precision
};

class LogEndToEnd : public LogWindowTest {
  protected:
    // File, Open; Density; Set Criteria; Calculate Statistics; Single by
    // segments; Print Preview.
    void run(frmMainLog* w, const Analysis& r) {
        prompts_.openFile(QStringLiteral(VERNALT_TEST_DATA) + u"/log/data/"_s +
                          QLatin1String(r.file));
        EXPECT_FALSE(w->mnuFormula->menuAction()->isEnabled());
        w->mnuFileOpen->trigger();
        EXPECT_TRUE(w->mnuFormula->menuAction()->isEnabled());
        w->mnuDensity->trigger();
        criteria(w, (r.led + std::string("|0|5|9999")).c_str());
        w->cmdFormulaApply->click();
        EXPECT_EQ(column(w->grdStratum[0], w->mnuLIM->isChecked() ? 11 : 12),
                  QLatin1String(r.logs));

        w->optDataFound[0]->setChecked(true);
        w->cmdSummaryStatistics->click();
        QStringList sums;
        for (int k = 0; k < 4; ++k)
            sums << column(w->grdSubtotals, k);
        EXPECT_EQ(sums.join(u'|'), QLatin1String(r.sums));
        EXPECT_EQ(levels(w), QLatin1String(r.stats));

        w->mnuSingle_Click(2);
        if (*r.area) // asked again until the answer is a number
            prompts_.input(u"Please enter the Stratum Size"_s, u"Stratum Size"_s, u"many"_s)
                .input(u"Please enter the Stratum Size"_s, u"Stratum Size"_s,
                       QLatin1String(r.area));
        w->cmdDefaultSingle->click();
        EXPECT_EQ(rowText(w->grdFormulaSimple), QLatin1String(r.row));
        EXPECT_EQ(joinedTexts(w->txtLandscapeArea[0], w->lblSimpleMetricFormula,
                              w->lblSimpleEnglishFormula, w->lblSimpleStdErr, w->lblSimpleBound,
                              w->lblSimpleUpperLimit, w->lblSimpleLowerLimit,
                              w->lblSimplePrecision),
                  QLatin1String(r.shown));

        w->mnuPrint->trigger();
        auto* preview = qobject_cast<frmPrintPreview*>(loadedWindows().last());
        EXPECT_TRUE(preview && preview->lblFormToPrint->text() == u"Main"_s &&
                    !preview->picPrintPreview->picture().isNull());
        unloadWindow(preview);
        flushDeletes();
    }
};

TEST_F(LogEndToEnd, LineIntersectDensity) {
    frmMainLog* w = open();
    ASSERT_TRUE(w->mnuLIM->isChecked() && w->mnuMetric->isChecked());
    run(w, {"log_survey_lim.csv",
            // LED at least 10 leaves out the log of LED 8 (row 6):
            // 1/2, 1/2, 1/5, 1/1, 1/5, excluded, 1/1.
            "10", "0.5 0.5 0.2 1 0.2 0 1",
            // Subsegments T1: 1, 2, 3; T2: 1, 2, 4. Segments T1: 1, 2; T2: 1, 2.
            "1 0.2 1 0.2 0 1|1.2 1 0.2 1|2.2 1.2|2.2 1.2",
            // Subsegments: mean 3.4 / 6 = 0.567, s = sqrt(1.15333 / 5) = 0.48;
            // F = 15708 / 12.5 = 1256.64: 0.567 F = 712.5 -> 713, (0.48 F)^2 = 363835,
            // 712.5 x 0.405 = 289; n = (1.67 x 0.48)^2 / (0.2 x 0.567)^2 = 49.97 -> 50,
            // 49.97 x 12.5 = 625 m; 1000 - 6 x 12.5 = 925.
            // Segments: mean 0.85, s = sqrt(0.59 / 3) = 0.443; F = 628.32: 534.1 -> 534,
            // (278.35)^2 = 77476, 216; n = 18.94 -> 18.9, 473 m; 1000 - 4 x 25 = 900.
            // Sections: mean 1.7, s = 0.707; F = 314.16: 534, 49333, 216; n = 12.06 -> 12.1,
            // 603 m; 900. Transects: F = 157.08: 267, 12333, 108; 1206 m; 1206 - 200 = 1006.
            "6|0.567|0.48 0.567|0.48|713|363835|50 625|1000|6|925|289/"
            "4|0.85|0.443 0.85|0.443|534|77476|18.9 473|1000|4|900|216/"
            "2|1.7|0.707 1.7|0.707|534|49333|12.1 603|1000|2|900|216/"
            "2|1.7|0.707 1.7|0.707|267|12333|12.1 1206|1000|2|1006|108",
            // By segments: SE = sqrt(77476 / 4) = 139.2 -> 139; B = 1.67 x 139.2 = 232;
            // 534 +- 232; 232 / 534 = 43.4 %; 534 x 0.405 = 216.
            "", "Segment|25|0.85|0.443|534|77476|4", "|534|216|139|232|766|302|43.4"});
}

TEST_F(LogEndToEnd, StripPlotDensity) {
    frmMainLog* w = open();
    w->mnuSPM_Click();
    run(w, {"log_survey_spm.csv", "0",
            // One per log whose end point lies in the strip; row 9 has its end outside.
            "1 1 1 1 1 1 1 1 0 1 1 1 1", "2 1 1 3 1 0 2 2|3 4 1 4|7 5|7 5",
            // Subsegments: mean 12 / 8 = 1.5, s = sqrt(6 / 7) = 0.926; F = 10000 / 50 = 200:
            // 300, (185.2)^2 = 34299, 300 x 0.405 = 121.5 -> 122 (half to even);
            // n = (1.67 x 0.926)^2 / 0.3^2 = 26.57 -> 26.6, 332 m; 1000 - 100 = 900.
            // Segments: mean 3, s = sqrt(2) = 1.41; F = 100: 300, 19881, 122; n = 15.4, 385 m.
            // Sections: mean 6, s = 1.41; F = 50: 300, 70.5^2 = 4970.25 -> 4970; n = 3.85,
            // 192.5 -> 193 m. Transects: F = 25: 150, 1242.56 -> 1243, 60.75 -> 60.8; 385 m, 800.
            "8|1.5|0.926 1.5|0.926|300|34299|26.6 332|1000|8|900|122/"
            "4|3|1.41 3|1.41|300|19881|15.4 385|1000|4|900|122/"
            "2|6|1.41 6|1.41|300|4970|3.85 193|1000|2|900|122/"
            "2|6|1.41 6|1.41|150|1243|3.85 385|1000|2|800|60.8",
            // By segments in a landscape of 100 ha ("$100" read as 100): plots of 25 x 4 m = 0.01
            // ha; SE = sqrt(19881 / 4) = 70.5; B = 1.67 x 70.5 x sqrt(1 - 4 x 0.01 / 100) = 117.7
            // -> 118; 300 +- 118; 118 / 300 = 39.3 %; 300 x 0.405 = 121.5 -> 122.
            "$100", "Segment|100|0.01|3|1.41|300|19881|4", "100|300|122|70.5|118|418|182|39.3"});
}

} // namespace
} // namespace vernalt::test
