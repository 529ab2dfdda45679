#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

namespace calendrix {

// The rank codes and the abbreviations the main window shows for them, from
// the civilian "?" up to "W". "MAJ  " keeps its two blanks.
inline QList<QPair<QString, QString>> mainRankList()
{
    static const char *const shown[] = {"CIV", "PV1", "PV2", "PFC", "SPC", "CPL",   "SGT", "SSG",
                                        "SFC", "MSG", "1SG", "SGM", "CSM", "WO1",   "CW2", "CW3",
                                        "CW4", "CW5", "2LT", "1LT", "CPT", "MAJ  ", "LTC", "COL"};
    QList<QPair<QString, QString>> list;
    for (int i = 0; i < 24; ++i)
        list.append(
            {i == 0 ? QStringLiteral("?") : QString(QChar(u'A' + i - 1)), QString::fromLatin1(shown[i])});
    return list;
}

// The abbreviation every output shows for a rank code ("PV2" for "B"), so that
// a soldier carries the same label on the screen, on paper and in every
// exported file; an unknown code is shown as it is. Only the counters dialog
// keeps labels of its own.
inline QString rankAbbreviation(const QString &code)
{
    static const QHash<QString, QString> abbreviations = [] {
        QHash<QString, QString> n;
        for (const auto &[c, shown] : mainRankList())
            n.insert(c, shown.trimmed());
        return n;
    }();
    return abbreviations.value(code, code);
}

} // namespace calendrix
