#pragma once

#include "store/Fields.h"

#include <QDate>
#include <QString>

#include <array>

namespace calendrix {

class RecordSet;

// What the main window does each time it becomes active, on the record sets
// alone: it learns the qualification titles and deletes the periods that
// have passed. The window only shows the outcome.
class ActivationHousekeeping
{
public:
    // Reads the titles from the first record of Qualifications; nullptr, or a
    // table that cannot be read, leaves every qualification untitled. An
    // untitled qualification (Null or empty) stays hidden for the rest of the
    // run even when it gets a title later: titles take effect at the next start.
    void readTitles(RecordSet *qualifications);
    // k counts from 1, as the clerk counts qualifications.
    QString title(int k) const { return m_titles[k - 1]; }
    bool isHidden(int k) const { return m_hidden[k - 1]; }

    // Deletes every row whose last day (field toField) lies before today; a
    // period ending today is still current, and one without a last day stays.
    // A row that cannot be deleted stays and the others still go; a record
    // set that cannot be read is left alone. Returns how many rows went.
    static int deletePastPeriods(RecordSet &periods, int toField, const QDate &today);

private:
    std::array<QString, Fields::kQualificationCount> m_titles;
    std::array<bool, Fields::kQualificationCount> m_hidden{};
};

} // namespace calendrix
