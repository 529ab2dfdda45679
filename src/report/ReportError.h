#pragma once

#include "store/Error.h"

namespace calendrix {

// Why a report could not be produced, in words for the clerk: which file and,
// for a layout, which line. It has no number: the file and line say more.
class ReportError : public Error
{
public:
    explicit ReportError(QString text) : Error(0, std::move(text)) {}
};

} // namespace calendrix
