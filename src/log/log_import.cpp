// File, Open of the log window: the data file into table LIM (line intersect)
// or SPM (strip plot and the combined method), then the first data sheet.
#include "log/frmMainLog.h"

#include "data/csv_import.h"
#include "data/log_sheet_queries.h"
#include "platform/database.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "shell/frmDataSet.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

const QString DataFileFilter = u"Comma-Separated Files (*.csv)|*.csv|All Files (*.*)|*.*"_s;

// The columns of LIM and SPM that hold descriptions and codes rather than
// numbers: text there does not make the import erroneous.
const QStringList LogTextColumns = {u"Species"_s, u"Location"_s};

// The hourglass while the import runs; message boxes are shown with the normal
// pointer.
class Hourglass {
  public:
    Hourglass() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~Hourglass() { end(); }
    void end() {
        if (on_)
            QApplication::restoreOverrideCursor();
        on_ = false;
    }
    // Runs `f` with the normal pointer, then shows the hourglass again.
    template <class F> void without(F&& f) {
        const bool was = on_;
        end();
        f();
        if (was) {
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            on_ = true;
        }
    }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

  private:
    bool on_ = true;
};

// The message of a failed import; the table, the sheets, the status and the
// buttons stay as they were.
void reportImportError(const RuntimeError& e) {
    switch (e.number()) {
    case err::DbUnknownField:
        prompts().message(
            u"An invalid column header was found.  Did you select the correct analysis method?"_s,
            u"Error"_s, MsgIcon::None);
        break;
    case err::DbLocked:
        prompts().message(u"The database cannot be opened.  Is some other application using it?"_s,
                          u"Error"_s, MsgIcon::None);
        break;
    default:
        errorReport(prompts(), e, logProcedure(u"OpenFile"_s));
        break;
    }
}

// Replaces the rows of `table` by the file's records, every Qualify 0, all in
// one transaction: a failure anywhere leaves the table as it was.
data::CsvImportResult importLogFile(const QString& file, const QString& table) {
    data::CsvImportOptions options;
    options.table = table;
    options.textColumns = LogTextColumns;
    options.blankFieldIsEmpty = false;  // a field of blanks is a value, and not numeric
    options.unquoteBeforeHeader = true; // a quoted header row is read
    options.headerFirst = true;         // any line before the header means it is missing
    // Keeps the window painted during a long import; no input is handled.
    options.progress = [] { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
    db::Transaction transaction;
    data::CsvImportResult imported = data::importCsv(file, options);
    if (imported.missingHeader)
        return imported; // nothing was written; the transaction ends unused
    db::exec(u"UPDATE "_s + db::quoted(table) + u" SET Qualify = 0"_s);
    transaction.commit();
    return imported;
}

} // namespace

void frmMainLog::mnuFileOpen_Click() {
    const QString file = prompts().openFile(u"Open"_s, DataFileFilter);
    if (file.isEmpty())
        return; // cancelled: nothing changes
    DataFilePath = file;
    OpenFile(DataFilePath);
    // The optimal page's inputs start afresh, whatever the import's outcome.
    txtQualifyingLogs->setText(QString());
    txtPrecisionLevel->setText(u".2"_s);
    txtTvalue->setText(u"1.67"_s);
}

void frmMainLog::OpenFile(const QString& strFile) {
    Hourglass hourglass;
    DataFilePath = strFile;
    const QString table = data::logTable(mnuLIM->isChecked());
    data::CsvImportResult imported;
    try {
        SetTransectLengths();
        ImportedRowCount = 0;
        imported = importLogFile(strFile, table);
    } catch (const RuntimeError& e) {
        ImportedRowCount = 0;
        hourglass.end();
        reportImportError(e);
        return;
    }
    if (imported.missingHeader) {
        hourglass.end();
        prompts().message(u"A header row was not found as the first row in the data file.  This "
                          u"header is needed to identify what each value represents."_s,
                          u"Missing header row"_s, MsgIcon::Critical);
        return;
    }
    ImportedRowCount = imported.rows;
    DataFileHeader = imported.header;

    // The table holds the new records: the window follows them.
    if (imported.nonNumeric) {
        hourglass.without([] {
            prompts().message(u"A non-numeric value was found in the data file."_s,
                              u"Error in data file"_s, MsgIcon::Critical);
        });
        setStatusText(u"Status: Data file error!"_s);
        DataFileError = -1;
    } else {
        setStatusText(u"Status: Data file read"_s);
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
}

} // namespace vernalt
