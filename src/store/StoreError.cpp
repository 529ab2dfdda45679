#include "store/StoreError.h"

#include <cerrno>

namespace calendrix {

namespace {

Notice errorNotice(int number, NoticeCode code, QStringList values)
{
    Notice notice;
    notice.kind = Notice::Kind::Error;
    notice.code = code;
    notice.values = std::move(values);
    notice.number = number;
    return notice;
}

} // namespace

StoreErrorCode storeErrorCodeOfSystem(int error)
{
    if (error == ENOSPC || error == EDQUOT || error == EFBIG)
        return StoreErrorCode::DiskFull;
    if (error == EROFS || error == EACCES || error == EPERM)
        return StoreErrorCode::ReadOnly;
    return StoreErrorCode::IoError;
}

Error::Error(Notice notice)
    : m_notice(std::move(notice)), m_what(QStringLiteral("error %1 (notice %2): %3")
                                              .arg(m_notice.number)
                                              .arg(int(m_notice.code))
                                              .arg(m_notice.values.join(QStringLiteral(" | ")))
                                              .toUtf8())
{}

StoreError::StoreError(StoreErrorCode code, NoticeCode notice, QStringList values, QString file)
    : Error(errorNotice(static_cast<int>(code), notice, std::move(values))), m_code(code),
      m_file(std::move(file))
{}

StoreError::StoreError(StoreErrorCode code, Notice notice, QString file)
    : Error([&] {
          notice.number = static_cast<int>(code);
          return std::move(notice);
      }()),
      m_code(code), m_file(std::move(file))
{}

} // namespace calendrix
