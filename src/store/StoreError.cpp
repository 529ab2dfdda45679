#include "store/StoreError.h"

namespace calendrix {

StoreError::StoreError(StoreErrorCode code, QString text, QString file)
    : Error(static_cast<int>(code), std::move(text)), m_code(code), m_file(std::move(file))
{}

} // namespace calendrix
