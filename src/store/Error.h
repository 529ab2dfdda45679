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
    // For code that still words its own errors: the text is shown as it is.
    Error(int number, const QString &text);

    int number() const { return m_notice.number; }
    const Notice &notice() const { return m_notice; }
    // The words of an error raised by code that still words its own errors;
    // empty for one told as a code. Only for store code not converted yet,
    // which cannot reach NoticeText.
    QString readyText() const
    {
        return m_notice.code == NoticeCode::ReadyText ? m_notice.values.value(0) : QString();
    }
    // Code and values for a log or a debugger; a person is shown NoticeText's
    // sentence instead.
    const char *what() const noexcept override { return m_what.constData(); }

private:
    Notice m_notice;
    QByteArray m_what;
};

} // namespace calendrix
