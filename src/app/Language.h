#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace calendrix {

// The language the program speaks: its own texts, Qt's own (buttons, file
// and print dialogs) and the way dates and numbers are written.
namespace Language {

// The languages the program is translated into, English (the texts of the
// source) first: "en", "de", "nb".
const QStringList &codes();

// A language's name in that language, as a clerk looks for it in a menu.
QString nativeName(const QString &code);

// The desktop's language as gettext programs find it: LC_ALL, LC_MESSAGES
// and LANG name the locale in that order of precedence; LANGUAGE, a list
// separated by colons, comes before them unless that locale is "C" or
// "POSIX". The first language named that the program speaks wins; none is
// empty. env gives a variable's value.
QString fromEnvironment(const std::function<QString(const char *)> &env);

// The language to speak: the --lang option, else the clerk's remembered
// choice, else the desktop's, else English.
QString choose(const QString &option, const QString &remembered, const QString &desktop);

// Takes "--lang CODE" or "--lang=CODE" out of the arguments, wherever it
// stands. Returns the code (empty when none was given); a value that is
// not one of codes() comes back in *unknown, as does a missing one as "".
QString takeOption(QStringList &arguments, bool *unknown, QString *value);

// The choice the clerk made in the window, kept per user; empty for none.
QString remembered();
// Keeps the choice for the next start; false when it could not be written.
bool remember(const QString &code);

// How dates and numbers are written: as the desktop's locale writes them
// (the language was the desktop's own choice), or as the language installed
// writes them (--lang or the clerk's choice overrode the desktop; a desktop
// locale of that same language is still kept, with its country's ways).
enum class Ways { Desktop, OfLanguage };

// Installs the translations of the program and of Qt for code and sets the
// default locale as ways says. Called before anything speaks; a second call
// puts the first one's translations away.
void install(const QString &code, Ways ways = Ways::OfLanguage);

// The language installed, "en" before install().
QString current();

} // namespace Language
} // namespace calendrix
