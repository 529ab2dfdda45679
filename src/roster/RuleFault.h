#pragma once

#include "store/Error.h"

namespace calendrix {

// A record of the unit that breaks a rule of the roster run (a counter out of
// range, a period without dates): the clerk corrects the record and runs
// again. It is no fault of the files, so it is no StoreError; it keeps the
// number 3000 the clerk has always been told with it.
class RuleFault : public Error
{
public:
    RuleFault(NoticeCode code, QStringList values)
        : Error(Notice{Notice::Kind::Error, code, std::move(values), -1, kNumber})
    {}

    static constexpr int kNumber = 3000;
};

} // namespace calendrix
