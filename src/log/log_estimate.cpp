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

// The level of the single sheet (1 to 4): the automatic choice, Subsegment when
// no level is used, or the one the menu imposes.
int singleLevel(const frmMainLog& w) {
    if (w.mnuSingle[0]->isChecked()) {
        std::array<bool, 4> used{};
        std::array<QString, 4> distances;
        for (int k = 0; k < 4; ++k) {
            used[std::size_t(k)] = w.mnuUseLength[std::size_t(k)]->isChecked();
            distances[std::size_t(k)] = w.grdOptimal2[0]->text(k + 1, 0);
        }
        return std::max(1, logest::automaticLevel(used, distances));
    }
    int level = 1;
    for (int j = 1; j <= 4; ++j)
        if (w.mnuSingle[std::size_t(j)]->isChecked())
            level = j;
    return level;
}

// One run of the single-stratum estimate over the window's controls.
class SingleRun {
  public:
    explicit SingleRun(frmMainLog& w)
        : w_(w), lim_(w.mnuLIM->isChecked()), metric_(w.mnuMetric->isChecked()),
          formula_(logcap::formulaOfCaption(w.ssTabMain->tabText(frmMainLog::PageFormula))),
          metricFirst_(metric_ || formula_ == logcap::PercentCover),
          factor_(logest::englishFactor(formula_)), col_(lim_ ? kLineColumns : kStripColumns),
          row_(w.grdFormulaSimple), level_(singleLevel(w)),
          length_(w.LevelLengths[std::size_t(level_ - 1)]) {}

    // The results of an earlier run go first.
    void emptyResults() {
        for (int c = 0; c < row_->cols(); ++c)
            row_->setText(1, c, QString());
        for (QLabel* l : {w_.lblSimpleMetricFormula, w_.lblSimpleEnglishFormula, w_.lblSimpleStdErr,
                          w_.lblSimpleBound, w_.lblSimpleUpperLimit, w_.lblSimpleLowerLimit,
                          w_.lblSimplePrecision})
            l->clear();
    }

    void compute() {
        writeRow();
        readBack();
        writeMetricFigure();
        step([&] {
            w_.lblSimpleStdErr->setText(
                metricValue() > 0 ? shown(logest::standardError(variance_, n_)) : u"0"_s);
        });
        w_.lblSimpleEnglishTitle->setVisible(true);
        w_.lblSimpleEnglishFormula->setVisible(true);
        writeBound();
        writeEnglishFigure();
        writeLimits();
    }

  private:
    // The equation row: the level, its length or strip-plot area, and its statistics.
    void writeRow() {
        const Grid* stats = w_.grdOptimal[0];
        row_->setText(1, 0, w_.LevelNames[std::size_t(level_ - 1)]);
        if (lim_) {
            row_->setText(1, col_.length, singleText(length_));
        } else {
            step([&] {
                row_->setText(1, col_.plotArea, singleText(logest::stripArea(length_, metric_)));
            });
            step([&] {
                row_->setText(1, col_.plotAreaUnits,
                              shown(logest::stripAreaUnits(length_, metric_)));
            });
        }
        row_->setText(1, col_.average, cleanRoundText(stats->text(level_, 0)));
        row_->setText(1, col_.deviation, cleanRoundText(stats->text(level_, 1)));
        row_->setText(1, col_.estimate,
                      metricFirst_ ? w_.LevelMeanMetric[0][std::size_t(level_)]
                                   : w_.LevelMeanEnglish[0][std::size_t(level_)]);
        row_->setText(1, col_.variance, cleanRoundText(stats->text(level_, 3)));
        row_->setText(1, col_.count, cleanRoundText(w_.grdOptimal2[0]->text(level_, 2)));
    }

    // The estimate, variance and n as the row shows them: an empty cell is 0, a
    // word leaves the value at 0.
    void readBack() {
        step([&] { estimate_ = float(NzZero(row_->text(1, col_.estimate)).toDouble()); });
        step([&] { variance_ = float(NzZero(row_->text(1, col_.variance)).toDouble()); });
        step([&] { n_ = float(NzZero(row_->text(1, col_.count)).toDouble()); });
    }

    double metricValue() const { return NzZero(w_.lblSimpleMetricFormula->text()).toDouble(); }

    void writeMetricFigure() {
        if (metricFirst_)
            w_.lblSimpleMetricFormula->setText(singleText(estimate_));
        else if (factor_)
            step([&] {
                w_.lblSimpleMetricFormula->setText(shown(logest::toMetric(estimate_, *factor_)));
            });
    }

    // The bound; a strip plot (or the strip of a tally) corrects for the share of
    // the landscape that the sample covers.
    void writeBound() {
        const bool tally = formula_ == logcap::Tally;
        if (tally || !lim_)
            w_.CheckStratumSize();
        step([&] {
            const bool holds = tally ? toDouble(w_.lblSimpleStdErr->text()) > 0 : variance_ > 0;
            if (!holds) {
                w_.lblSimpleBound->setText(u"0"_s);
                return;
            }
            const double t = toDouble(w_.txtTvalue->text());
            if (!tally && lim_) {
                w_.lblSimpleBound->setText(shown(logest::lineBound(t, variance_, n_)));
                return;
            }
            const double A = CleanRound(w_.txtLandscapeArea[0]->text()).toDouble();
            const double a =
                lim_ ? CleanRound(shown(logest::stripAreaUnits(length_, metric_))).toDouble()
                     : toDouble(row_->text(1, col_.plotAreaUnits));
            w_.lblSimpleBound->setText(shown(logest::stripBound(t, variance_, n_, a, A)));
        });
    }

    // The English figure, always from the metric figure as shown, and the titles.
    void writeEnglishFigure() {
        const auto titles = logest::simpleTitles(formula_);
        if (!titles)
            return;
        if (factor_) {
            step([&] {
                const double m = metricValue();
                w_.lblSimpleEnglishFormula->setText(m > 0 ? shown(logest::toEnglish(m, *factor_))
                                                          : u"0"_s);
            });
            w_.lblSimpleEnglishTitle->setText(titles->english);
        } else {
            w_.lblSimpleEnglishFormula->setVisible(false);
            w_.lblSimpleEnglishTitle->setVisible(false);
        }
        w_.lblSimpleMetricTitle->setText(titles->metric);
    }

    // Limits and precision around the figure of the current unit system; a bound
    // that could not be computed leaves them empty.
    void writeLimits() {
        if (w_.lblSimpleBound->text().isEmpty())
            return;
        const QLabel* figure =
            metricFirst_ ? w_.lblSimpleMetricFormula : w_.lblSimpleEnglishFormula;
        const double b = leadingNumber(w_.lblSimpleBound->text());
        const double x = leadingNumber(figure->text());
        step([&] { w_.lblSimpleUpperLimit->setText(shown(checked::add(x, b))); });
        step([&] { w_.lblSimpleLowerLimit->setText(shown(checked::sub(x, b))); });
        step([&] {
            const double value =
                metricFirst_ ? NzZero(figure->text()).toDouble() : toDouble(figure->text());
            w_.lblSimplePrecision->setText(value > 0 ? shown(checked::mul(checked::div(b, x), 100))
                                                     : u"0"_s);
        });
    }

    frmMainLog& w_;
    const bool lim_, metric_;
    const Formula formula_;
    const bool metricFirst_;
    const std::optional<double> factor_; // English = metric x factor
    const SimpleColumns col_;
    Grid* row_;
    const int level_;    // 1 Subsegment to 4 Transect
    const float length_; // the level's length
    float estimate_ = 0, variance_ = 0, n_ = 0;
};

} // namespace

void frmMainLog::cmdDefaultSingle_Click() {
    trapped(prompts(), logProcedure(u"cmdDefaultSingle_Click"_s), [this] {
        SingleRun run(*this);
        run.emptyResults();
        run.compute();
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
