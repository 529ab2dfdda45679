#include "store/RecordSource.h"

#include "store/StoreError.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

QString unquoteIdentifier(const QString &s)
{
    if (s.size() >= 2 && ((s.front() == u'[' && s.back() == u']') || (s.front() == u'"' && s.back() == u'"')))
        return s.mid(1, s.size() - 2);
    return s;
}

StoreError badSource(const QString &text)
{
    return StoreError(StoreErrorCode::BadRecordSource, NoticeCode::BadRecordSource, {text});
}

} // namespace

RecordSource RecordSource::parse(const QString &text)
{
    static const QString identifier = u"([A-Za-z_][A-Za-z0-9_]*|\\[[A-Za-z_][A-Za-z0-9_]*\\]|"
                                      "\"[A-Za-z_][A-Za-z0-9_]*\")"_s;
    static const QRegularExpression bare(u"^\\s*"_s + identifier + u"\\s*$"_s);
    static const QRegularExpression query(u"^\\s*SELECT\\s+\\*\\s+FROM\\s+"_s + identifier +
                                              u"\\s+ORDER\\s+BY\\s+(.+?)\\s*;?\\s*$"_s,
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression orderItem(u"^\\s*"_s + identifier + u"\\s+(ASC|DESC)\\s*$"_s,
                                              QRegularExpression::CaseInsensitiveOption);

    RecordSource source;
    if (const auto m = bare.match(text); m.hasMatch()) {
        source.table = unquoteIdentifier(m.captured(1));
        return source;
    }
    const auto m = query.match(text);
    if (!m.hasMatch())
        throw badSource(text);
    source.table = unquoteIdentifier(m.captured(1));
    const QStringList items = m.captured(2).split(u',');
    for (const QString &item : items) {
        const auto o = orderItem.match(item);
        if (!o.hasMatch())
            throw badSource(text);
        source.order.append(
            {unquoteIdentifier(o.captured(1)), o.captured(2).compare(u"DESC"_s, Qt::CaseInsensitive) == 0});
    }
    return source;
}

} // namespace calendrix
