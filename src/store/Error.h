#pragma once

#include "store/Notice.h"

#include <QByteArray>
#include <QString>

#include <exception>

namespace calendrix {

// Every error the program reports to a person: what happened as a notice (a
// code, the values that go with it and the number the clerk has always been
// told). The words are made where the error is shown (NoticeText), never
// here. Number 0 means the error has no number of its own (a report
// layout's faults are told by file and line instead).
class Error : public std::exception
{
public:
    explicit Error(Notice notice);

    int number() const { return m_notice.number; }
    const Notice &notice() const { return m_notice; }
    // Code and values for a log or a debugger; a person is shown NoticeText's
    // sentence instead.
    const char *what() const noexcept override { return m_what.constData(); }

private:
    Notice m_notice;
    QByteArray m_what;
};

} // namespace calendrix
