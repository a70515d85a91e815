// The selection-criteria prompts of the log window: one input box per value,
// asked again after "Please enter a positive numeric value" while the answer
// is not acceptable; an empty answer (or Cancel) gives -1 ("-1" for the species).
#include "log/log_criteria.h"

#include "log/frmMainLog.h"
#include "platform/prompts.h"

#include <QAction>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

constexpr double kCancelled = -1;

// Shows the input box until `accept` takes the answer; -1 for an empty answer.
template <class Accept>
double askNumber(const QString& prompt, const QString& title, Accept accept) {
    for (;;) {
        const QString answer = prompts().inputBox(prompt, title, QString());
        if (answer.isEmpty())
            return kCancelled;
        if (const auto v = accept(answer))
            return double(*v);
        prompts().message(u"Please enter a positive numeric value"_s, u"Error"_s, MsgIcon::None);
    }
}

} // namespace

double frmMainLog::GetLED() {
    return askNumber(u"Please enter the minimum LED you want to consider for this analysis."_s,
                     u"LED"_s, logLedAnswer);
}

double frmMainLog::GetLength() {
    const QString name = mnuSPM->isChecked() ? u"EstimLength"_s : u"Length"_s;
    return askNumber(u"Now please enter the minimum "_s + name +
                         u" you want considered.  Enter '0' if all log lengths will be "
                         u"considered or log lengths were not measured."_s,
                     name, logLengthAnswer);
}

double frmMainLog::GetCondition() {
    return askNumber(u"Please enter the maximum value for condition (or decay class) you want "
                     u"to consider for this analysis.  Enter '0' if condition was not recorded."_s,
                     u"Condition"_s, logConditionAnswer);
}

QString frmMainLog::GetSpecies() {
    const QString prompt =
        mnuMultipleSpecies->isChecked()
            ? u"Please enter the code of the species you want EXCLUDED from this analysis.  "
              u"Enter '9999' if you want all species included. NOTE: Species code is case "
              u"sensitive."_s
            : u"Please enter the code of the species you want INCLUDED from this analysis. "
              u"NOTE: Species code is case sensitive."_s;
    const QString answer = prompts().inputBox(prompt, u"Species"_s, QString());
    if (answer.isEmpty())
        return u"-1"_s;
    return logSpeciesAnswer(answer);
}

std::optional<LogCriteria> askLogCriteria(frmMainLog& w, bool withCondition) {
    LogCriteria c;
    c.minLed = w.GetLED();
    if (c.minLed == kCancelled)
        return std::nullopt;
    c.minLength = w.GetLength();
    if (c.minLength == kCancelled)
        return std::nullopt;
    if (withCondition) {
        const double maxCondition = w.GetCondition();
        if (maxCondition == kCancelled)
            return std::nullopt;
        c.maxCondition = std::int32_t(maxCondition);
    } else {
        c.maxCondition.reset();
    }
    c.species = w.GetSpecies();
    if (c.species == u"-1"_s)
        return std::nullopt;
    c.rule = w.mnuMultipleSpecies->isChecked() ? LogSpeciesRule::Exclude : LogSpeciesRule::Only;
    return c;
}

} // namespace vernalt
