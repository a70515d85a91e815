// The single-stratum estimate of the Formula page: "Single" copies the chosen
// level's statistics of the Single/Combined sheet into the equation row and
// computes the estimate in both unit systems, its standard error, bound,
// limits and precision. Each figure is computed from the texts shown before it.
#include "log/frmMainLog.h"
#include "log/log_estimate_formulas.h"

#include "platform/errors.h"
#include "platform/prompts.h"
#include "platform/value.h"
#include "shell/cleaning.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

using logcap::Formula;

// A step that overflows, divides by zero or reads a word as a number is left
// empty; the run goes on with the next one.
template <class F> void step(F&& statement) {
    skipOn({err::Overflow, err::DivisionByZero, err::TypeMismatch}, std::forward<F>(statement));
}

QString shown(double x) {
    return cleanRoundText(Value(x));
}

// Columns of the equation row: line intersect, strip plots (-1: none).
struct SimpleColumns {
    int length, plotArea, plotAreaUnits, average, deviation, estimate, variance, count;
};
constexpr SimpleColumns kLineColumns{1, -1, -1, 2, 3, 4, 5, 6};
constexpr SimpleColumns kStripColumns{-1, 1, 2, 3, 4, 5, 6, 7};

} // namespace

void frmMainLog::cmdDefaultSingle_Click() {
    trapped(prompts(), logProcedure(u"cmdDefaultSingle_Click"_s), [this] {
        const bool lim = mnuLIM->isChecked();
        const bool metric = mnuMetric->isChecked();
        const Formula formula = logcap::formulaOfCaption(ssTabMain->tabText(PageFormula));
        const bool percentCover = formula == logcap::PercentCover;
        const bool metricFirst = metric || percentCover;
        const SimpleColumns col = lim ? kLineColumns : kStripColumns;
        Grid* row = grdFormulaSimple;

        // The results of an earlier run go first.
        for (int c = 0; c < row->cols(); ++c)
            row->setText(1, c, QString());
        for (QLabel* l :
             {lblSimpleMetricFormula, lblSimpleEnglishFormula, lblSimpleStdErr, lblSimpleBound,
              lblSimpleUpperLimit, lblSimpleLowerLimit, lblSimplePrecision})
            l->clear();

        // 1. The level: the automatic choice or the one the menu imposes.
        int level = 1;
        if (mnuSingle[0]->isChecked()) {
            std::array<bool, 4> used{};
            std::array<QString, 4> distances;
            for (int k = 0; k < 4; ++k) {
                used[std::size_t(k)] = mnuUseLength[std::size_t(k)]->isChecked();
                distances[std::size_t(k)] = grdOptimal2[0]->text(k + 1, 0);
            }
            level = std::max(1, logest::automaticLevel(used, distances));
        } else {
            for (int j = 1; j <= 4; ++j)
                if (mnuSingle[std::size_t(j)]->isChecked())
                    level = j;
        }
        const float length = LevelLengths[std::size_t(level - 1)];
        Grid* stats = grdOptimal[0];
        Grid* stats2 = grdOptimal2[0];

        // 2. The equation row.
        row->setText(1, 0, LevelNames[std::size_t(level - 1)]);
        if (lim) {
            row->setText(1, col.length, singleText(length));
        } else {
            step([&] {
                row->setText(1, col.plotArea, singleText(logest::stripArea(length, metric)));
            });
            step([&] {
                row->setText(1, col.plotAreaUnits, shown(logest::stripAreaUnits(length, metric)));
            });
        }
        row->setText(1, col.average, cleanRoundText(stats->text(level, 0)));
        row->setText(1, col.deviation, cleanRoundText(stats->text(level, 1)));
        row->setText(1, col.estimate,
                     metricFirst ? LevelMeanMetric[0][std::size_t(level)]
                                 : LevelMeanEnglish[0][std::size_t(level)]);
        row->setText(1, col.variance, cleanRoundText(stats->text(level, 3)));
        row->setText(1, col.count, cleanRoundText(stats2->text(level, 2)));

        // 3. Read back: an empty cell is 0, a word leaves the value at 0.
        float estimate = 0, variance = 0, n = 0;
        step([&] { estimate = float(NzZero(row->text(1, col.estimate)).toDouble()); });
        step([&] { variance = float(NzZero(row->text(1, col.variance)).toDouble()); });
        step([&] { n = float(NzZero(row->text(1, col.count)).toDouble()); });

        // 4. The metric figure.
        const std::optional<double> factor = logest::englishFactor(formula);
        if (metricFirst)
            lblSimpleMetricFormula->setText(singleText(estimate));
        else if (factor)
            step([&] {
                lblSimpleMetricFormula->setText(shown(logest::toMetric(estimate, *factor)));
            });
        const auto metricValue = [&] { return NzZero(lblSimpleMetricFormula->text()).toDouble(); };

        // 5. Standard error.
        step([&] {
            lblSimpleStdErr->setText(metricValue() > 0 ? shown(logest::standardError(variance, n))
                                                       : u"0"_s);
        });
        lblSimpleEnglishTitle->setVisible(true);
        lblSimpleEnglishFormula->setVisible(true);

        // 6. Bound; a strip plot (or the strip of a tally) corrects for the share of
        // the landscape that the sample covers.
        const bool tally = formula == logcap::Tally;
        if (tally || !lim)
            CheckStratumSize();
        step([&] {
            const bool holds = tally ? toDouble(lblSimpleStdErr->text()) > 0 : variance > 0;
            if (!holds) {
                lblSimpleBound->setText(u"0"_s);
                return;
            }
            const double t = toDouble(txtTvalue->text());
            if (!tally && lim) {
                lblSimpleBound->setText(shown(logest::lineBound(t, variance, n)));
                return;
            }
            const double A = CleanRound(txtLandscapeArea[0]->text()).toDouble();
            const double a =
                lim ? CleanRound(shown(logest::stripAreaUnits(length, metric))).toDouble()
                    : toDouble(row->text(1, col.plotAreaUnits));
            lblSimpleBound->setText(shown(logest::stripBound(t, variance, n, a, A)));
        });

        // 7. The English figure, always from the metric figure as shown, and the titles.
        if (const auto titles = logest::simpleTitles(formula)) {
            if (factor) {
                step([&] {
                    const double m = metricValue();
                    lblSimpleEnglishFormula->setText(m > 0 ? shown(logest::toEnglish(m, *factor))
                                                           : u"0"_s);
                });
            } else {
                lblSimpleEnglishFormula->setVisible(false);
                lblSimpleEnglishTitle->setVisible(false);
            }
            lblSimpleMetricTitle->setText(titles->metric);
            if (factor)
                lblSimpleEnglishTitle->setText(titles->english);
        }

        // 8. Limits and precision around the figure of the current unit system; a
        // bound that could not be computed leaves them empty.
        QLabel* figure = metricFirst ? lblSimpleMetricFormula : lblSimpleEnglishFormula;
        if (!lblSimpleBound->text().isEmpty()) {
            const double b = leadingNumber(lblSimpleBound->text());
            const double x = leadingNumber(figure->text());
            step([&] { lblSimpleUpperLimit->setText(shown(checked::add(x, b))); });
            step([&] { lblSimpleLowerLimit->setText(shown(checked::sub(x, b))); });
            step([&] {
                const double value =
                    metricFirst ? NzZero(figure->text()).toDouble() : toDouble(figure->text());
                lblSimplePrecision->setText(value > 0 ? shown(checked::mul(checked::div(b, x), 100))
                                                      : u"0"_s);
            });
        }

        setStatusText(u"Status: Estimates Calculated"_s);
    });
}

void frmMainLog::CheckStratumSize() {
    if (!txtLandscapeArea[0]->text().isEmpty())
        return;
    for (;;) {
        const QString answer =
            prompts().inputBox(u"Please enter the Stratum Size"_s, u"Stratum Size"_s);
        if (answer.isEmpty())
            return;
        if (isNumeric(cleanText(answer))) {
            txtLandscapeArea[0]->setText(cleanRoundText(answer));
            return;
        }
    }
}

} // namespace vernalt
