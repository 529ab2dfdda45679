#pragma once

#include "store/Error.h"

namespace calendrix {

// Why a report could not be produced, in words for the clerk: which file and,
// for a layout, which line. It has no number: the file and line say more.
class ReportError : public Error
{
public:
    // Told without a number, whichever error it passes on.
    explicit ReportError(Notice notice) : Error(withoutNumber(std::move(notice))) {}

private:
    static Notice withoutNumber(Notice notice)
    {
        notice.number = 0;
        return notice;
    }
};

} // namespace calendrix
