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
    case NoticeCode::RunRecordNotAFile:
        return u"'%1' was %2, not a record of an unfinished roster run; it was set aside as '%3'."_s;
    case NoticeCode::UndoRecordNotAFile:
        return u"'%1' was %2, not a record of an unfinished undo; it was set aside as '%3'."_s;
    case NoticeCode::RunRecordUnreadable:
        return u"A record of an unfinished roster run, '%1', could not be read and was removed."_s;
    case NoticeCode::UndoRecordUnreadable:
        return u"A record of an unfinished undo, '%1', could not be read and was removed."_s;
    case NoticeCode::RunFileRestored:
        return u"The roster run that was replacing '%1' did not finish; the file is as it was before that "
               "run, and so are the counters."_s;
    case NoticeCode::RunFileKeptAside:
        return u"The roster run that was replacing '%1' did not finish; the counters are as they were "
               "before that run. The file it replaced is kept as '%2'."_s;
    case NoticeCode::RunFileRemoved:
        return u"The roster run that was making '%1' did not finish; the file was removed and the counters "
               "are as they were before that run."_s;
    case NoticeCode::UndoCompleted:
        return u"An undo that did not finish has been completed: the counters are as they were before the "
               "roster run it took back."_s;
    case NoticeCode::UndoCompletedWithLeftovers:
        return u"An undo that did not finish has been completed: the counters are as they were before the "
               "roster run it took back.\n%1"_s;
    case NoticeCode::UndoAbandoned:
        return u"An undo that did not finish was abandoned: the counters and the roster datafile are as they "
               "were before it."_s;
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
