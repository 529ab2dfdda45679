#include "session/UnitSession.h"

#include "report/CsvExport.h"
#include "report/ExportBatch.h"
#include "report/ReportError.h"
#include "report/SpreadsheetExport.h"
#include "store/RecordSources.h"

#include <QFileInfo>

// Writing the soldiers out, apart from the rest of the session: a workbook
// needs libxlsxwriter, which the commands that only read and write the
// unit's databases are linked without.

namespace calendrix {

std::optional<StoreError> UnitSession::exportSoldiers(const QString &target) const
{
    try {
        const QList<QStringList> rows = PersonnelImport::soldierRows(
            Database::openReadOnly(m_folder.personnelPath(), FileKind::Personnel));
        ExportBatch batch(1);
        if (QFileInfo(target).suffix().compare(QStringLiteral("xlsx"), Qt::CaseInsensitive) == 0)
            SpreadsheetExport::writeTable(target, QStringLiteral("Soldiers"), rows, batch);
        else
            batch.add(target, CsvExport::table(rows));
        batch.commit();
    } catch (const StoreError &e) {
        return e;
    } catch (const ReportError &e) {
        return StoreError(StoreErrorCode::IoError, e.notice(), target);
    }
    return std::nullopt;
}

} // namespace calendrix
