#include "main/ErrorDisplay.h"

#include "main/UserDialogs.h"
#include "store/Error.h"

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

QString ErrorDisplay::message(const Error &error, const QString &action)
{
    QString text = action.isEmpty() ? error.text() : action + u'\n' + error.text();
    if (error.number() != 0)
        text += u"\n(error %1)"_s.arg(error.number());
    return text;
}

void ErrorDisplay::show(QWidget *parent, const Error &error, const QString &action)
{
    UserDialogs::instance().inform(parent, Messenger::Kind::Error, message(error, action));
}

bool ErrorDisplay::guard(QWidget *parent, const QString &action, const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const Error &e) {
        show(parent, e, action);
        return false;
    }
}

} // namespace calendrix
