#include "StoreError.h"

namespace calendrix {

StoreError::StoreError(StoreErrorCode code, QString text, QString file)
    : m_code(code), m_text(std::move(text)), m_file(std::move(file)), m_what(m_text.toUtf8())
{}

} // namespace calendrix
