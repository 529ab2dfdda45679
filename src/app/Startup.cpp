#include "app/Startup.h"

#include "app/Language.h"

#include <QCoreApplication>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace calendrix::Startup {

QStringList arguments(int argc, char **argv)
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list.append(QString::fromLocal8Bit(argv[i]));
    return list;
}

LanguageOption takeLanguageOption(QStringList &arguments)
{
    LanguageOption option;
    option.code = Language::takeOption(arguments, &option.unknown, &option.value);
    return option;
}

int speak(const LanguageOption &option)
{
    const QString remembered = Language::remembered();
    const bool overridden = Language::codes().contains(option.code) || Language::codes().contains(remembered);
    Language::install(
        Language::choose(option.code, remembered, Language::fromEnvironment([](const char *name) {
                             return qEnvironmentVariable(name);
                         })),
        overridden ? Language::Ways::OfLanguage : Language::Ways::Desktop);
    if (!option.unknown)
        return -1;
    const QString message =
        u"calendrix: "_s +
        QCoreApplication::translate("Language", "--lang must be de, nb or en, not '%1'").arg(option.value) +
        u'\n';
    std::fputs(message.toLocal8Bit().constData(), stderr);
    return 2;
}

} // namespace calendrix::Startup
