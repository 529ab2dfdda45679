#pragma once

#include <QDate>
#include <QString>

namespace calendrix {

// Fills a new unit folder with a believable example unit: soldiers, duties,
// schedule periods over the coming weeks, absences and holidays. The same
// seed, scale and start date always give the same unit.
class DemoUnit
{
public:
    enum class Scale { Company, Battalion, Brigade, Division };

    struct Options {
        Scale scale = Scale::Company;
        quint64 seed = 1;
        QDate from; // first scheduled day
    };

    struct Summary {
        int soldiers = 0;
        int duties = 0;
        int periods = 0;
        int absences = 0;
        int holidays = 0;
    };

    // Creates the unit in dir, which must not hold a unit yet. Throws StoreError.
    static Summary create(const QString &dir, const Options &options);

    static bool parseScale(const QString &text, Scale *scale);

    // The last first day from which every duty's periods, 36 of the longest
    // kind, end by 9999-12-31, the last day a date field can hold.
    static QDate latestStart();
};

} // namespace calendrix
