// File, Open of the snag window: the data file into table Snags, then the reset
// of the window and the first data sheet.
#include "snag/frmMainSnag.h"

#include "data/csv_import.h"
#include "data/sheet_queries.h"
#include "platform/database.h"
#include "platform/errors.h"
#include "platform/prompts.h"
#include "shell/frmDataSet.h"

#include <QApplication>
#include <QCursor>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

const QString DataFileFilter = u"Comma-Separated Files (*.csv)|*.csv|All Files (*.*)|*.*"_s;

// The columns of Snags that hold descriptions and codes rather than numbers.
const QStringList SnagTextColumns = {u"LOCATION"_s, u"FOREST"_s, u"DISTRICT"_s, u"SUBWATERSHED"_s,
                                     u"OBSERVER"_s, u"DATE"_s,   u"SPECIES"_s};

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
        prompts().message(u"An invalid column header was found in the data file."_s, u"Error"_s,
                          MsgIcon::None);
        break;
    case err::DbLocked:
        prompts().message(u"The database cannot be opened.  Is some other application using it?"_s,
                          u"Error"_s, MsgIcon::None);
        break;
    default:
        errorReport(prompts(), e, snagProcedure(u"mnuFileOpen_Click"_s));
        break;
    }
}

} // namespace

void frmMainSnag::mnuFileOpen_Click() {
    const QString file = prompts().openFile(u"Open"_s, DataFileFilter);
    if (file.isEmpty())
        return; // cancelled: nothing changes
    DataFilePath = file;

    Hourglass hourglass;
    data::CsvImportResult imported;
    try {
        data::CsvImportOptions options;
        options.table = u"Snags"_s;
        options.textColumns = SnagTextColumns;
        // Keeps the window painted during a long import; no input is handled.
        options.progress = [] { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
        ImportedRowCount = 0;
        imported = data::importCsv(file, options);
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

    // The table holds the new rows: the window follows them.
    try {
        ClearAll();
        if (imported.nonNumeric) {
            hourglass.without([] {
                prompts().message(u"A non-numeric value was found in the data file."_s,
                                  u"Error in data file"_s, MsgIcon::Critical);
            });
            setStatus(u"Status: Data file error!"_s);
            DataFileError = -1;
        } else {
            setStatus(u"Status: Data file read"_s);
            frmDataSet::load(db::path()); // loaded, not shown
            ssTabMain->setEnabled(true);
            for (int k = 0; k < 5; ++k)
                for (QPushButton* b :
                     {cmdFormMulti[k], cmdFormSingle[k], cmdCavity[k], cmdForage[k]})
                    b->setEnabled(true);
            DataFileError = 0;
        }
        FillSingleTab();
        const QString format = data::snagSheetFormat(WidthTexts);
        for (Grid* g : grdStratum)
            g->setFormatString(format);
    } catch (const RuntimeError& e) {
        ImportedRowCount = 0;
        hourglass.end();
        reportImportError(e);
    }
}

} // namespace vernalt
