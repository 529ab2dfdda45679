#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

namespace calendrix {

// Every error the program reports to a person: a number and a readable text
// that names the file involved. Number 0 means the error has no number of
// its own (a report layout's faults are told by file and line instead).
class Error : public std::exception
{
public:
    Error(int number, QString text) : m_number(number), m_text(std::move(text)), m_what(m_text.toUtf8()) {}

    int number() const { return m_number; }
    const QString &text() const { return m_text; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    int m_number;
    QString m_text;
    QByteArray m_what;
};

} // namespace calendrix
