#include "main/ActivationHousekeeping.h"

#include "store/RecordSet.h"
#include "store/StoreError.h"

namespace calendrix {

void ActivationHousekeeping::readTitles(RecordSet *qualifications)
{
    std::array<QVariant, Fields::kQualificationCount> read;
    if (qualifications) {
        try {
            qualifications->moveFirst();
            if (!qualifications->eof())
                for (int k = 1; k <= Fields::kQualificationCount; ++k)
                    read[k - 1] = qualifications->value(Fields::Qualifications::qualification(k));
        } catch (const StoreError &) {
            // What could not be read counts as untitled.
        }
    }
    for (int i = 0; i < Fields::kQualificationCount; ++i) {
        m_titles[i] = read[i].toString();
        if (read[i].isNull() || m_titles[i].isEmpty())
            m_hidden[i] = true;
    }
}

int ActivationHousekeeping::deletePastPeriods(RecordSet &periods, int toField, const QDate &today)
{
    int deleted = 0;
    try {
        for (periods.moveFirst(); !periods.eof(); periods.moveNext()) {
            const QVariant to = periods.value(toField);
            if (to.metaType().id() != QMetaType::QDate || to.toDate() >= today)
                continue;
            try {
                periods.deleteCurrent();
                ++deleted;
            } catch (const StoreError &) {
                // A row that cannot be deleted stays; the others still go.
            }
        }
    } catch (const StoreError &) {
    }
    return deleted;
}

} // namespace calendrix
