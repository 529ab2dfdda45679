#include "app/Language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

namespace calendrix::Language {

namespace {

QString g_current = u"en"_s;
// Not the application's children: the options are read under an application
// of their own that is gone before the window's is made.
QList<QTranslator *> g_installed;

// "de_DE.UTF-8", "nb_NO@euro", "de" -> the code we speak, or empty. Norway
// writes two languages; a Nynorsk desktop ("nn") or the old "no" reads
// Bokmål far better than English.
QString spokenCode(const QString &locale)
{
    QString language = locale.section(u'.', 0, 0).section(u'@', 0, 0).section(u'_', 0, 0).toLower();
    if (language == u"no" || language == u"nn")
        language = u"nb"_s;
    return codes().contains(language) ? language : QString();
}

QSettings userSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, u"Calendrix"_s, u"Calendrix"_s);
}

void installTranslator(const QString &name, const QString &folder)
{
    auto *translator = new QTranslator;
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
        g_installed.append(translator);
    else
        delete translator;
}

} // namespace

const QStringList &codes()
{
    static const QStringList list{u"en"_s, u"de"_s, u"nb"_s};
    return list;
}

QString nativeName(const QString &code)
{
    if (code == u"de")
        return u"Deutsch"_s;
    if (code == u"nb")
        return u"Norsk bokm\u00e5l"_s;
    return u"English"_s;
}

QString fromEnvironment(const std::function<QString(const char *)> &env)
{
    QString locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = env(name);
        if (!locale.isEmpty())
            break;
    }
    const bool plain = locale.isEmpty() || locale == u"C" || locale.startsWith(u"C.") || locale == u"POSIX";
    if (!plain) {
        const QStringList list = env("LANGUAGE").split(u':', Qt::SkipEmptyParts);
        if (!list.isEmpty()) {
            for (const QString &entry : list) {
                if (const QString code = spokenCode(entry); !code.isEmpty())
                    return code;
            }
            return {};
        }
    }
    return spokenCode(locale);
}

QString choose(const QString &option, const QString &remembered, const QString &desktop)
{
    for (const QString &code : {option, remembered, desktop}) {
        if (codes().contains(code))
            return code;
    }
    return u"en"_s;
}

QString takeOption(QStringList &arguments, bool *unknown, QString *value)
{
    *unknown = false;
    QString code;
    for (qsizetype i = 1; i < arguments.size();) {
        const QString &argument = arguments.at(i);
        if (argument == u"--")
            break;
        if (argument == u"--lang") {
            *value = arguments.value(i + 1);
            arguments.remove(i, qMin<qsizetype>(2, arguments.size() - i));
        } else if (argument.startsWith(u"--lang=")) {
            *value = argument.mid(7);
            arguments.remove(i);
        } else {
            ++i;
            continue;
        }
        code = value->trimmed().toLower();
        if (!codes().contains(code)) {
            *unknown = true;
            return {};
        }
    }
    return code;
}

QString remembered()
{
    return userSettings().value(u"language"_s).toString();
}

bool remember(const QString &code)
{
    QSettings settings = userSettings();
    settings.setValue(u"language"_s, code);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

void install(const QString &code, Ways ways)
{
    for (QTranslator *translator : std::as_const(g_installed)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    g_installed.clear();
    g_current = codes().contains(code) ? code : u"en"_s;
    const QLocale system = QLocale::system();
    const bool systemSpeaksIt = g_current == u"en"
                                    ? system.language() == QLocale::English || system.language() == QLocale::C
                                    : QLocale(g_current).language() == system.language();
    // The desktop's own locale keeps its country's ways (de_AT, en_GB), and
    // so does a desktop whose LANGUAGE asks only for other words.
    QLocale::setDefault(systemSpeaksIt || ways == Ways::Desktop ? system : QLocale(g_current));
    if (g_current == u"en")
        return;
    installTranslator(u":/i18n/calendrix_"_s + g_current, {});
    // Debian has no Bokmål translation of Qt's own texts, only Nynorsk; a
    // Bokmål reader reads its buttons far better than English ones.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    QString qtName = u"qtbase_"_s + g_current;
    if (g_current == u"nb" && !QFile::exists(qtFolder + u'/' + qtName + u".qm"_s))
        qtName = u"qtbase_nn"_s;
    installTranslator(qtName, qtFolder);
}

QString current()
{
    return g_current;
}

} // namespace calendrix::Language
