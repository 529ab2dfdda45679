#include "app/NoticeText.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// The one place a sentence is chosen by how many things it tells of; a
// translation will give each language its own plural forms here.
[[maybe_unused]] QString plural(int count, const QString &one, const QString &many)
{
    return count == 1 ? one : many;
}

// The sentence of a code, with placeholders %1, %2... in the order of the
// notice's values and %n for its count.
QString sentence(NoticeCode code, int count)
{
    Q_UNUSED(count);
    switch (code) {
    case NoticeCode::SettleFailed:
        return u"An earlier roster run or undo that did not finish could not be settled; nothing was changed.\n%1"_s;
    case NoticeCode::SettledText:
    case NoticeCode::UnitLocked:
    case NoticeCode::RunCommitReported:
        return u"%1"_s;
    case NoticeCode::RunNoTarget:
        return u"No name was given for the roster datafile."_s;
    case NoticeCode::RunOwnFile:
        return u"'%1' is one of the unit's own files; choose another name for the roster."_s;
    case NoticeCode::RunReplaceQuestion:
        return u"File already exists.  Do you want to replace %1?"_s;
    case NoticeCode::RunReplaceDeclined:
        return u"Sorry you have encountered error number %1"_s;
    case NoticeCode::RunSettleFailed:
        return u"An earlier roster run that did not finish could not be settled.\n%1"_s;
    case NoticeCode::RunFailed:
        return u"The roster could not be made; nothing was changed.\n%1"_s;
    case NoticeCode::RunNoCandidate:
        return u"No qualified soldier is available for %1 on %2"_s;
    case NoticeCode::RunNoCounterRow:
        return u"SoldierName='%1' could not add points for %2"_s;
    case NoticeCode::RunColumnLimit:
        return u"%1 is greater than the 36 columns"_s;
    case NoticeCode::RunHolidayLimit:
        return u"Number of Holidays exceeds 99 maximum"_s;
    case NoticeCode::RunNotInDatafile:
        return u"Could not locate %1 in output datafile"_s;
    case NoticeCode::RunFinished:
        return u"Finished"_s;
    case NoticeCode::RecordKeptAside:
        return u"'%1' names the files of a roster run or undo that did not finish and cannot be settled "
               "without the working database; it is kept as '%2'."_s;
    case NoticeCode::InitNeedsRepair:
        return u"%1 Run '%2': it sets it aside and makes the folder anew."_s;
    }
    return {};
}

// Values that are paths are shown the way the clerk's system writes them.
QString shown(const QString &value)
{
    return value.startsWith(u'/') ? QDir::toNativeSeparators(value) : value;
}

} // namespace

QString NoticeText::text(const Notice &notice)
{
    // One pass, so that a value that itself holds "%2" stays as it is.
    const QString pattern = sentence(notice.code, notice.count);
    QString text;
    text.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'%' && i + 1 < pattern.size()) {
            if (pattern[i + 1] == u'n' && notice.count >= 0) {
                text += QString::number(notice.count);
                ++i;
                continue;
            }
            qsizetype end = i + 1;
            int index = 0;
            while (end < pattern.size() && end < i + 3 && pattern[end].isDigit())
                index = index * 10 + pattern[end++].digitValue();
            if (index >= 1 && index <= notice.values.size()) {
                text += shown(notice.values[index - 1]);
                i = end - 1;
                continue;
            }
        }
        text += pattern[i];
    }
    return text;
}

QString NoticeText::title(Notice::Kind kind)
{
    switch (kind) {
    case Notice::Kind::Information:
        return u"INFORMATION"_s;
    case Notice::Kind::Warning:
        return u"WARNING"_s;
    case Notice::Kind::Error:
        return u"ERROR"_s;
    case Notice::Kind::Plain:
        break;
    }
    return {};
}

} // namespace calendrix
