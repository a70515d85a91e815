// Wildlife use ("WildLife Use"): on the data sheet chosen under "Analyze Data
// From :", the logs that meet the criteria (available) and, among them, those
// whose use code (the cell right of the sheet's Qualify column) is the code
// asked for (used). The marks per log go into grdSubtotals, the counts into the
// Wildlife frame.
#include "log/frmMainLog.h"

#include "log/log_criteria.h"
#include "log/log_records.h"
#include "log/log_selection.h"
#include "log/wildlife_use.h"
#include "platform/errors.h"
#include "platform/grid.h"
#include "platform/hourglass.h"
#include "platform/prompts.h"
#include "platform/value.h"
#include "shell/cleaning.h"
#include "shell/statistics.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// Asks the use code until it is a number of 0 or more; nothing for an empty answer.
std::optional<std::int16_t> askWildlifeCode() {
    for (;;) {
        const QString answer = prompts().inputBox(
            u"Please enter the numeric code for the wildlife use category you would like to "
            u"consider for this analysis."_s,
            u"Wildlife use code"_s, QString());
        if (answer.isEmpty())
            return std::nullopt;
        if (const auto code = wildlifeCodeAnswer(answer))
            return code;
        prompts().message(u"Please enter a positive numeric value"_s, u"Error"_s, MsgIcon::None);
    }
}

std::optional<double> numberOf(const Value& v) {
    if (!v.isNumber())
        return std::nullopt;
    return v.number();
}

} // namespace

void frmMainLog::cmdWildLife_Click() {
    const Hourglass busy;
    trapped(prompts(), logProcedure(u"cmdWildLife_Click"_s), [this] {
        const std::optional<LogCriteria> criteria = askLogCriteria(*this, true);
        if (!criteria)
            return;
        const std::optional<std::int16_t> code = askWildlifeCode();
        if (!code)
            return;

        const int k = GetOption(optDataFound);
        if (k < 0 || k > 4)
            vernalt::raise(err::SubscriptRange);
        GridModel& sheet = *grdStratum[std::size_t(k)]->grid();
        GridModel& table = *grdSubtotals->grid();
        table.setCols(3);
        if (table.fixedRows() > 1) // the subtotals' layout
            table.setFixedRows(1);
        table.setRows(std::max(sheet.rows(), table.fixedRows()));
        if (table.rows() < 2) {
            prompts().message(u"Data not found"_s);
            return;
        }
        table.setFixedRows(1);
        table.setFormatString(u"^  Qualify  |^     Use     |^  Wildlife  "_s);
        const QString caption = optDataFound[std::size_t(k)]->text();
        lblDataSheet->setText(caption);
        if (sheet.text(1, 0).isEmpty()) {
            prompts().message(u"No data found on '"_s + caption + u"'"_s, u"No data"_s);
            return;
        }
        int q = 0; // the last column headed "qualify"
        for (int c = 0; c < sheet.cols(); ++c)
            if (sheet.text(0, c).toLower() == u"qualify"_s)
                q = c;
        if (sheet.text(0, q).toLower() != u"qualify"_s) {
            prompts().message(u"The qualify column was not found"_s, u"Column not found"_s);
            return;
        }
        if (q + 1 >= sheet.cols()) // no use column right of it
            vernalt::raise(err::SubscriptRange);

        // The records of the sheet, from the first, row n of the sheet being record n.
        const QString& source = datDataSet[std::size_t(k)].RecordSource;
        if (source.trimmed().isEmpty())
            vernalt::raise(err::ObjectNotSet); // the sheet has no record set
        LogRecords records(source);
        const int species = records.position(u"Species"_s);
        const int led = records.position(u"LED"_s);
        const int condition = records.position(u"Condition"_s);
        const int length = records.position(mnuSPM->isChecked() ? u"EstimLength"_s : u"Length"_s);
        for (int i : {species, led, condition, length})
            if (i < 0)
                vernalt::raise(3265, u"Item not found in this collection."_s);

        const QString one = u"1"_s, zero = u"0"_s;
        std::int32_t available = 0, used = 0;
        bool more = true;
        table.fillRows(table.rows(), [&](int row) {
            if (row < 1 || !more)
                return;
            more = records.next();
            if (!more)
                return;
            LogFields f;
            f.species = records.nzZero(species).text();
            f.led = numberOf(records.nzZero(led));
            f.condition = numberOf(records.nzZero(condition));
            f.length = numberOf(records.nzMissing(length));
            const bool isAvailable = logQualifies(f, *criteria);
            const QString use = sheet.text(row, q + 1);
            const bool isUsed = wildlifeUsed(isAvailable, use, *code);
            table.setText(row, 0, isAvailable ? one : zero);
            table.setText(row, 1, use);
            table.setText(row, 2, isUsed ? one : zero);
            available += isAvailable ? 1 : 0;
            used += isUsed ? 1 : 0;
        });
        if (more && records.next()) // more records than the sheet has rows
            vernalt::raise(err::SubscriptRange);

        frmWildlife->setVisible(true);
        lblAvailable->setText(numberText(available));
        lblUsed->setText(numberText(used));
        lblPercentUse->setText(numberText(wildlifePercentUse(used, available)));
        setStatus(u"Status: WildLife Use Calculated"_s);
    });
}

} // namespace vernalt
