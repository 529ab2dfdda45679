#include "main/ErrorDisplay.h"

#include "app/NoticeText.h"
#include "main/UserDialogs.h"
#include "store/Error.h"

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

QString ErrorDisplay::message(const Error &error, const QString &action)
{
    const QString why = NoticeText::text(error);
    QString text = action.isEmpty() ? why : action + u'\n' + why;
    if (error.number() != 0)
        text += u'\n' + tr("(error %1)").arg(error.number());
    return text;
}

void ErrorDisplay::show(QWidget *parent, const Error &error, const QString &action)
{
    show(parent, message(error, action));
}

void ErrorDisplay::show(QWidget *parent, const QString &text)
{
    UserDialogs::instance().inform(parent, Messenger::Kind::Error, text);
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
