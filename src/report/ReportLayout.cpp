#include "report/ReportLayout.h"

#include "report/LayoutDocument.h"
#include "report/LayoutResources.h"
#include "report/ReportError.h"
#include "report/ReportLimits.h"
#include "report/TemplateValues.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <string>

using namespace Qt::Literals::StringLiterals;
namespace mustache = kainjow::mustache;

namespace calendrix {

namespace {

const QString kDefaultFooterLeft = u"{{file}} \u00b7 printed {{printed}}"_s;
const QString kDefaultFooterRight = u"Page {{page}} of {{pages}}"_s;

struct MetaTag {
    QString content;
    int line = 0;
};

int lineAt(const QString &text, qsizetype offset)
{
    return int(text.left(offset).count(u'\n')) + 1;
}

// <meta name="calendrix-..." content="..."> in either attribute order.
QHash<QString, MetaTag> metaTags(const QString &text)
{
    static const QRegularExpression tag(u"<meta\\s[^>]*>"_s, QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression name(u"\\bname\\s*=\\s*\"([^\"]*)\""_s,
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression content(u"\\bcontent\\s*=\\s*\"([^\"]*)\""_s,
                                            QRegularExpression::CaseInsensitiveOption);
    QHash<QString, MetaTag> tags;
    for (auto it = tag.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString element = m.captured();
        const QString n = name.match(element).captured(1).trimmed().toLower();
        if (!n.startsWith(u"calendrix-"))
            continue;
        tags.insert(n, {content.match(element).captured(1), lineAt(text, m.capturedStart())});
    }
    return tags;
}

// The Mustache library counts positions in bytes of UTF-8.
int lineOfError(const std::string &source, const std::string &message, int firstLine)
{
    const auto at = message.rfind(" at ");
    if (at == std::string::npos)
        return firstLine;
    size_t offset = 0;
    try {
        offset = std::stoul(message.substr(at + 4));
    } catch (...) {
        return firstLine;
    }
    offset = std::min(offset, source.size());
    return firstLine + int(std::count(source.begin(), source.begin() + std::ptrdiff_t(offset), '\n'));
}

// Where the Mustache sections first nest deeper than limit, or -1. Follows
// the library's reading of tags, delimiter changes included, and leaves any
// fault of syntax to the library.
qsizetype tooDeepSection(const QString &text, int limit)
{
    QString begin = u"{{"_s;
    QString end = u"}}"_s;
    int depth = 0;
    for (qsizetype at = text.indexOf(begin); at >= 0; at = text.indexOf(begin, at)) {
        qsizetype inner = at + begin.size();
        QString close = end;
        if (begin == u"{{" && end == u"}}" && text.mid(inner, 1) == u"{") {
            ++inner;
            close = u"}}}"_s;
        }
        const qsizetype stop = text.indexOf(close, inner);
        if (stop < 0)
            return -1;
        const QString tag = text.mid(inner, stop - inner).trimmed();
        if (tag.size() >= 2 && tag.startsWith(u'=') && tag.endsWith(u'=')) {
            const QStringList pair = tag.mid(1, tag.size() - 2).simplified().split(u' ');
            if (pair.size() != 2)
                return -1;
            begin = pair[0];
            end = pair[1];
        } else if (tag.startsWith(u'#') || tag.startsWith(u'^')) {
            if (++depth > limit)
                return at;
        } else if (tag.startsWith(u'/')) {
            depth = std::max(0, depth - 1);
        }
        at = stop + close.size();
    }
    return -1;
}

// Where tables first nest deeper than limit, or -1.
qsizetype tooDeepTable(const QString &html, int limit)
{
    static const QRegularExpression table(u"<(/?)table\\b"_s, QRegularExpression::CaseInsensitiveOption);
    int depth = 0;
    for (auto it = table.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.capturedLength(1) > 0)
            depth = std::max(0, depth - 1);
        else if (++depth > limit)
            return m.capturedStart();
    }
    return -1;
}

// What a layout is before its tags are read: a text file of bounded size that
// lays out in bounded time and draws only on files of the unit folder.
void checkLimits(const QString &path, const QString &text)
{
    const auto lineError = [&](qsizetype offset, const QString &what) {
        return ReportError(
            u"The layout '%1' has an error in line %2: %3."_s.arg(path).arg(lineAt(text, offset)).arg(what));
    };
    if (const qsizetype at = tooDeepSection(text, ReportLimits::kMaxSectionDepth); at >= 0)
        throw lineError(at, u"sections are nested more than %1 deep"_s.arg(ReportLimits::kMaxSectionDepth));
    if (const qsizetype at = tooDeepTable(text, ReportLimits::kMaxTableDepth); at >= 0)
        throw lineError(at, u"tables are nested more than %1 deep"_s.arg(ReportLimits::kMaxTableDepth));
    const LayoutResources resources(QFileInfo(path).absolutePath());
    for (const LayoutResources::Reference &r : LayoutResources::references(text)) {
        // A name made of tags is only known when filled in; the page then
        // still reads nothing but what LayoutResources allows.
        if (r.name.contains(u"{{"))
            continue;
        if (const QString why = resources.refusal(r.name); !why.isEmpty())
            throw lineError(r.offset, u"the %1 '%2' %3"_s.arg(r.kind, r.name, why));
    }
}

} // namespace

struct ReportLayout::Compiled {
    std::unique_ptr<mustache::mustache> page;
    std::unique_ptr<mustache::mustache> footerLeft;
    std::unique_ptr<mustache::mustache> footerRight;
};

namespace {

std::unique_ptr<mustache::mustache> compile(const QString &path, const QString &source, int firstLine,
                                            const QString &where)
{
    const std::string text = source.toStdString();
    auto compiled = std::make_unique<mustache::mustache>(text);
    if (!compiled->is_valid()) {
        const std::string message = compiled->error_message();
        throw ReportError(u"The layout '%1' has an error in line %2%3: %4."_s.arg(path)
                              .arg(lineOfError(text, message, firstLine))
                              .arg(where, QString::fromStdString(message)));
    }
    return compiled;
}

QString render(mustache::mustache &compiled, const mustache::data &values, const QString &path)
{
    // The library reports faults found while filling in (an unknown partial,
    // for one) through its error message rather than by throwing.
    mustache::mustache &tmpl = compiled;
    std::string out;
    tmpl.render(values, [&](const std::string &piece) {
        if (qint64(out.size() + piece.size()) > ReportLimits::kMaxFilledInBytes)
            throw ReportError(
                u"The layout '%1' cannot be filled in: the page would be larger than %2 MB."_s.arg(path).arg(
                    ReportLimits::kMaxFilledInBytes >> 20));
        out += piece;
    });
    if (!tmpl.error_message().empty())
        throw ReportError(u"The layout '%1' cannot be filled in: %2."_s.arg(
            path, QString::fromStdString(tmpl.error_message())));
    return QString::fromStdString(out);
}

// A footer is written like the page, with entities and escaped values, but
// printed as one line of plain text.
QString plainText(const QString &html, const QString &path)
{
    LayoutDocument doc(QFileInfo(path).absolutePath());
    doc.setHtml(html);
    return doc.toPlainText().simplified();
}

// One footer line for one page: the report's top-level values and the page numbers.
QString renderFooter(mustache::mustache &footer, const TemplateValues &values, int page, int pages,
                     const QString &path)
{
    mustache::data v = values.footer;
    v.set("page", std::to_string(page));
    v.set("pages", std::to_string(pages));
    return plainText(render(footer, v, path), path);
}

} // namespace

ReportLayout ReportLayout::load(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        throw ReportError(u"The layout '%1' does not exist."_s.arg(path));
    // A device or a pipe would be read without end, or block.
    if (!QFileInfo(path).isFile())
        throw ReportError(u"The layout '%1' is not a file."_s.arg(path));
    const QString tooLarge =
        u"The layout '%1' is larger than %2 MB, more than a layout may be."_s.arg(path).arg(
            ReportLimits::kMaxLayoutBytes >> 20);
    if (QFileInfo(path).size() > ReportLimits::kMaxLayoutBytes)
        throw ReportError(tooLarge);
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(u"The layout '%1' cannot be read: %2."_s.arg(path, file.errorString()));
    const QByteArray bytes = file.read(ReportLimits::kMaxLayoutBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw ReportError(u"The layout '%1' cannot be read: %2."_s.arg(path, file.errorString()));
    if (bytes.size() > ReportLimits::kMaxLayoutBytes)
        throw ReportError(tooLarge);
    const QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter) || bytes.contains('\0'))
        throw ReportError(u"The layout '%1' is not a text file (UTF-8)."_s.arg(path));
    // It would print blank pages and say nothing.
    if (text.trimmed().isEmpty())
        throw ReportError(u"The layout '%1' is empty."_s.arg(path));
    checkLimits(path, text);

    ReportLayout layout;
    layout.m_path = path;
    const QHash<QString, MetaTag> tags = metaTags(text);

    const QString orientation = tags.value(u"calendrix-orientation"_s).content.trimmed().toLower();
    if (orientation == u"landscape")
        layout.m_orientation = QPageLayout::Landscape;
    else if (orientation.isEmpty() || orientation == u"portrait")
        layout.m_orientation = QPageLayout::Portrait;
    else
        throw ReportError(u"The layout '%1' has an error in line %2: the orientation must be portrait or "
                          "landscape, not '%3'."_s.arg(path)
                              .arg(tags.value(u"calendrix-orientation"_s).line)
                              .arg(orientation));

    if (tags.contains(u"calendrix-datafile"_s)) {
        bool ok = false;
        layout.m_dataFile = tags.value(u"calendrix-datafile"_s).content.trimmed().toInt(&ok);
        if (!ok || layout.m_dataFile < 0)
            throw ReportError(
                u"The layout '%1' has an error in line %2: the data file must be a number from 0 "
                "upwards."_s.arg(path)
                    .arg(tags.value(u"calendrix-datafile"_s).line));
    }
    if (tags.contains(u"calendrix-margin"_s)) {
        bool ok = false;
        layout.m_margin = tags.value(u"calendrix-margin"_s).content.trimmed().toDouble(&ok);
        if (!ok || layout.m_margin < 0 || layout.m_margin > 50)
            throw ReportError(
                u"The layout '%1' has an error in line %2: the margin must be 0 to 50 millimetres."_s
                    .arg(path)
                    .arg(tags.value(u"calendrix-margin"_s).line));
    }

    const QString sections = tags.value(u"calendrix-sections"_s).content.trimmed().toLower();
    if (sections == u"duty")
        layout.m_sectionPerDuty = true;
    else if (!sections.isEmpty() && sections != u"report")
        throw ReportError(
            u"The layout '%1' has an error in line %2: the sections must be duty or report, not "
            "'%3'."_s.arg(path)
                .arg(tags.value(u"calendrix-sections"_s).line)
                .arg(sections));

    // The footers first: their text also stands in the page, whose own check
    // would otherwise report a footer's fault without saying it is one.
    layout.m_compiled = std::make_shared<Compiled>();
    const auto footer = [&](const QString &name, const QString &fallback) {
        const auto found = tags.constFind(name);
        if (found == tags.constEnd())
            return compile(path, fallback, 1, {});
        return compile(path, found->content, found->line, u" (the footer)"_s);
    };
    layout.m_compiled->footerLeft = footer(u"calendrix-footer-left"_s, kDefaultFooterLeft);
    layout.m_compiled->footerRight = footer(u"calendrix-footer-right"_s, kDefaultFooterRight);
    layout.m_compiled->page = compile(path, text, 1, {});
    return layout;
}

QString ReportLayout::renderPage(const TemplateValues &values) const
{
    QString page = render(*m_compiled->page, values.page, m_path);
    // A table written once may still be repeated inside itself by a list.
    if (tooDeepTable(page, ReportLimits::kMaxTableDepth) >= 0)
        throw ReportError(
            u"The layout '%1' cannot be filled in: tables are nested more than %2 deep."_s.arg(m_path).arg(
                ReportLimits::kMaxTableDepth));
    return page;
}

QString ReportLayout::renderFooterLeft(const TemplateValues &values, int page, int pages) const
{
    return renderFooter(*m_compiled->footerLeft, values, page, pages, m_path);
}

QString ReportLayout::renderFooterRight(const TemplateValues &values, int page, int pages) const
{
    return renderFooter(*m_compiled->footerRight, values, page, pages, m_path);
}

} // namespace calendrix
