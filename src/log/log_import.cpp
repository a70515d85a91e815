// File, Open of the log window: the data file into table LIM (line intersect)
// or SPM (strip plot and the combined method), then the first data sheet.
#include "log/frmMainLog.h"

#include "data/csv_import.h"
#include "data/import_prompts.h"
#include "data/log_sheet_queries.h"
#include "platform/database.h"
#include "platform/errors.h"
#include "platform/hourglass.h"
#include "platform/progress.h"
#include "platform/prompts.h"
#include "shell/frmDataSet.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// The columns of LIM and SPM that hold descriptions and codes rather than
// numbers: text there does not make the import erroneous.
const QStringList LogTextColumns = {u"Species"_s, u"Location"_s};

// The message of a failed import; the table, the sheets, the status and the
// buttons stay as they were.
void reportImportError(const RuntimeError& e) {
    data::reportImportError(
        e, u"An invalid column header was found.  Did you select the correct analysis method?"_s,
        logProcedure(u"OpenFile"_s));
}

// Replaces the rows of `table` by the file's records, every Qualify 0, all in
// one transaction: a failure anywhere leaves the table as it was. The progress
// goes to `status`.
data::CsvImportResult importLogFile(const QString& file, const QString& table, QLabel* status) {
    static const QString importing = u"Importing"_s;
    Progress progress(status); // ends before any message
    data::CsvImportOptions options;
    options.table = table;
    options.textColumns = LogTextColumns;
    options.blankFieldIsEmpty = false;  // a field of blanks is a value, and not numeric
    options.unquoteBeforeHeader = true; // a quoted header row is read
    options.headerFirst = true;         // any line before the header means it is missing
    options.progress = [&](qint64 done, qint64 total) { progress.step(importing, done, total); };
    db::Transaction transaction;
    data::CsvImportResult imported = data::importCsv(file, options);
    if (imported.missingHeader)
        return imported; // nothing was written; the transaction ends unused
    data::requireColumn(table, u"Qualify"_s);
    db::exec(u"UPDATE "_s + db::quoted(table) + u" SET Qualify = 0"_s);
    transaction.commit();
    return imported;
}

} // namespace

void frmMainLog::mnuFileOpen_Click() {
    const QString file = data::askDataFile();
    if (file.isEmpty())
        return; // cancelled: nothing changes
    OpenFile(file);
    // The optimal page's inputs start afresh, whatever the import's outcome.
    txtQualifyingLogs->setText(QString());
    txtPrecisionLevel->setText(u".2"_s);
    txtTvalue->setText(u"1.67"_s);
}

bool frmMainLog::OpenFile(const QString& strFile) {
    Hourglass hourglass;
    const QString table = data::logTable(mnuLIM->isChecked());
    ImportedRowCount = 0;
    const std::optional<data::CsvImportResult> imported = data::importOrReport(
        hourglass,
        [&] {
            SetTransectLengths();
            return importLogFile(strFile, table, sbStatusBar[0]);
        },
        reportImportError);
    if (!imported)
        return false; // the table holds the records of DataFilePath still
    // The data file in use is the one whose records the table holds: a later
    // reload of the data set reads it again.
    DataFilePath = strFile;
    ImportedRowCount = imported->rows;
    DataFileHeader = imported->header;

    // The table holds the new records: the window follows them.
    if (imported->nonNumeric) {
        data::reportNonNumeric();
        setStatus(u"Status: Data file error!"_s);
        DataFileError = -1;
    } else {
        setStatus(u"Status: Data file read"_s);
        trapped(prompts(), logProcedure(u"OpenFile"_s),
                [] { frmDataSet::load(db::path()); }); // loaded, not shown
        ssTabMain->setEnabled(true);
        for (QPushButton* b : {cmdFormulaApply, cmdSort1, cmdSort2, cmdSort3, cmdSort4})
            b->setEnabled(true);
        DataFileError = 0;
    }
    // The stratum sheets held the previous file's records: they show none until
    // the next "Apply and Sort". A stratum sheet sorted before now reads the
    // table just filled.
    const bool lim = mnuLIM->isChecked();
    for (std::size_t k = 1; k < 5; ++k) {
        grdStratum[k]->setRows(std::min(grdStratum[k]->rows(), 1));
        if (!datDataSet[k].RecordSource.isEmpty()) {
            datDataSet[k].RecordSource = data::logSheetQuery(lim, int(k));
            datDataSet[k].Fields = data::logSheetFields(lim);
        }
    }
    FillSingleTab();
    mnuFormula->menuAction()->setEnabled(true);
    return true;
}

} // namespace vernalt
