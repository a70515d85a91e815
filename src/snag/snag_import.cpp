// File, Open of the snag window: the data file into table Snags, then the reset
// of the window and the first data sheet.
#include "snag/frmMainSnag.h"

#include "data/csv_import.h"
#include "data/import_prompts.h"
#include "data/sheet_queries.h"
#include "platform/database.h"
#include "platform/errors.h"
#include "platform/hourglass.h"
#include "platform/progress.h"
#include "platform/prompts.h"
#include "shell/frmDataSet.h"

#include <QApplication>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace vernalt {

namespace {

// The columns of Snags that hold descriptions and codes rather than numbers.
const QStringList SnagTextColumns = {u"LOCATION"_s, u"FOREST"_s, u"DISTRICT"_s, u"SUBWATERSHED"_s,
                                     u"OBSERVER"_s, u"DATE"_s,   u"SPECIES"_s};

// The message of a failed import; the table, the sheets, the status and the
// buttons stay as they were.
void reportImportError(const RuntimeError& e) {
    data::reportImportError(e, u"An invalid column header was found in the data file."_s,
                            snagProcedure(u"mnuFileOpen_Click"_s));
}

} // namespace

void frmMainSnag::mnuFileOpen_Click() {
    const QString file = data::askDataFile();
    if (file.isEmpty())
        return; // cancelled: nothing changes

    Hourglass hourglass;
    ImportedRowCount = 0;
    const std::optional<data::CsvImportResult> imported = data::importOrReport(
        hourglass,
        [&] {
            static const QString importing = u"Importing"_s;
            Progress progress(sbStatusPanel); // ends before any message
            data::CsvImportOptions options;
            options.table = u"Snags"_s;
            options.textColumns = SnagTextColumns;
            options.progress = [&](qint64 done, qint64 total) {
                progress.step(importing, done, total);
            };
            return data::importCsv(file, options);
        },
        reportImportError);
    if (!imported)
        return;          // refused: the table and DataFilePath keep the previous file
    DataFilePath = file; // the file whose records the table now holds
    ImportedRowCount = imported->rows;
    DataFileHeader = imported->header;

    // The table holds the new rows: the window follows them.
    try {
        ClearAll();
        if (imported->nonNumeric) {
            data::reportNonNumeric();
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
