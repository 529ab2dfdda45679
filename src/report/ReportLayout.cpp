#include "report/ReportLayout.h"

#include "report/ReportError.h"
#include "report/ReportFont.h"
#include "report/ReportLimits.h"
#include "report/TemplateValues.h"
#include "store/SmallFile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cmath>
#include <cstring>
#include <string>

using namespace Qt::Literals::StringLiterals;
namespace mustache = kainjow::mustache;

namespace calendrix {

namespace {

// The texts of the shipped layouts (data/Roster.rpt and data/Remarks.rpt)
// that the defaults below do not already hold, for the translators: a unit
// that keeps them gets them in the language the program speaks.
[[maybe_unused]] constexpr const char *kShippedTexts[] = {
    //: The {{tags}} are filled in when printing: keep them as they are.
    QT_TRANSLATE_NOOP("ReportLayout",
                      "{{organization}} \u00b7 {{dateRange}} \u00b7 {{soldierCount}} soldiers \u00b7 "
                      "{{columnCount}} periods"),
    //: The marks /. A D R S are those of the datafile: keep them as they are.
    QT_TRANSLATE_NOOP(
        "ReportLayout",
        "/. on duty \u00b7 A absent \u00b7 D on another duty at the same time \u00b7 numbers: free, "
        "waiting in line, the highest is next \u00b7 shaded: holiday \u00b7 R replaced \u00b7 S "
        "swapped"),
    QT_TRANSLATE_NOOP("ReportLayout",
                      "Changed after the run in {{changedPeriods}} of its periods; see the remarks list."),
    QT_TRANSLATE_NOOP("ReportLayout",
                      "{{organization}} \u00b7 remarks and days on duty \u00b7 {{dateRange}}"),
    QT_TRANSLATE_NOOP("ReportLayout", "{{file}} \u00b7 remarks \u00b7 printed {{printed}}"),
};

// Every key a layout may set, by section. A key not listed is a typing error
// that would otherwise be ignored without a word.
const QHash<QString, QStringList> &knownKeys()
{
    static const QHash<QString, QStringList> keys{
        {u"layout"_s, {u"report"_s, u"datafile"_s}},
        {u"page"_s, {u"paper"_s, u"orientation"_s, u"margins"_s}},
        {u"fonts"_s, {u"family"_s, u"title"_s, u"subtitle"_s, u"header"_s, u"body"_s, u"footer"_s}},
        {u"texts"_s,
         {u"title"_s, u"subtitle"_s, u"footer-left"_s, u"footer-right"_s, u"legend"_s, u"no-soldiers"_s,
          u"no-duties"_s, u"changed"_s, u"changes"_s, u"change"_s}},
        {u"columns"_s, {u"show"_s, u"rank"_s, u"name"_s, u"remarks"_s, u"periods"_s, u"dates"_s, u"count"_s}},
        {u"marks"_s, {u"assigned"_s, u"absent"_s, u"busy"_s, u"standing"_s, u"replaced"_s, u"swapped"_s}},
        {u"shading"_s, {u"holiday"_s, u"header"_s, u"lines"_s}},
    };
    return keys;
}

const QStringList kSectionOrder{u"layout"_s,  u"page"_s,  u"fonts"_s,  u"texts"_s,
                                u"columns"_s, u"marks"_s, u"shading"_s};

// The columns each kind of report can show.
QStringList columnsOf(ReportLayout::Kind kind)
{
    return kind == ReportLayout::Kind::Roster
               ? QStringList{u"rank"_s, u"name"_s, u"remarks"_s, u"periods"_s, u"count"_s}
               : QStringList{u"rank"_s, u"name"_s, u"remarks"_s, u"dates"_s, u"count"_s};
}

struct Entry {
    QString value;
    int line = 0;
};

// The layout as read: section.key -> value and line.
using Entries = QHash<QString, Entry>;

class LayoutReader
{
public:
    LayoutReader(QString path) : m_path(std::move(path)) {}

    ReportError lineError(int line, NoticeCode fault, const QStringList &values = {}) const
    {
        return ReportError(
            Notice{Notice::Kind::Error, fault, QStringList{m_path, QString::number(line)} + values});
    }

    Entries read(const QString &text) const
    {
        Entries entries;
        QString section;
        const QStringList lines = text.split(u'\n');
        for (int i = 0; i < lines.size(); ++i) {
            const int line = i + 1;
            const QString l = lines[i].trimmed();
            if (l.isEmpty() || l.startsWith(u'#') || l.startsWith(u';'))
                continue;
            if (l.startsWith(u'<'))
                throw oldForm(line);
            if (l.startsWith(u'[')) {
                if (!l.endsWith(u']'))
                    throw lineError(line, NoticeCode::LayoutSectionBrackets);
                section = l.mid(1, l.size() - 2).trimmed().toLower();
                if (!knownKeys().contains(section))
                    throw lineError(line, NoticeCode::LayoutNoSuchSection,
                                    {section, u"["_s + kSectionOrder.join(u"], ["_s) + u"]"_s});
                continue;
            }
            const qsizetype eq = l.indexOf(u'=');
            if (eq < 0)
                throw lineError(line, NoticeCode::LayoutNotKeyValue, {l.left(40)});
            if (section.isEmpty())
                throw lineError(line, NoticeCode::LayoutKeyOutsideSection);
            const QString key = l.left(eq).trimmed().toLower();
            if (!knownKeys().value(section).contains(key))
                throw lineError(line, NoticeCode::LayoutNoSuchKey,
                                {section, key, knownKeys().value(section).join(u", "_s)});
            const QString full = section + u'.' + key;
            if (const auto earlier = entries.constFind(full); earlier != entries.constEnd())
                throw lineError(line, NoticeCode::LayoutKeySetTwice, {key, QString::number(earlier->line)});
            entries.insert(full, {l.mid(eq + 1).trimmed(), line});
        }
        return entries;
    }

    // A layout of an earlier version was a web page. It is told apart at its
    // first tag so that the clerk learns how to get a new one, not what
    // this parser thinks of HTML.
    ReportError oldForm(int line) const
    {
        return lineError(line, NoticeCode::LayoutOldForm, {QFileInfo(m_path).absolutePath()});
    }

private:
    QString m_path;
};

// "7", "6.5 bold", "13 bold italic".
std::optional<QFont> parseFont(const QString &family, const QString &value)
{
    const QStringList words = value.simplified().split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double size = words[0].toDouble(&ok);
    // "nan" reads as a number, and every comparison with it is false: a
    // bounds check alone lets it through.
    if (!ok || !std::isfinite(size) || size < 3 || size > 72)
        return std::nullopt;
    QFont font = reportFont(size, family);
    for (const QString &w : words.mid(1)) {
        if (w.compare(u"bold"_s, Qt::CaseInsensitive) == 0)
            font.setBold(true);
        else if (w.compare(u"italic"_s, Qt::CaseInsensitive) == 0)
            font.setItalic(true);
        else
            return std::nullopt;
    }
    // Any letter spacing keeps the shaper from joining "ff" or "fi" into one
    // glyph, so that names stay searchable and copyable in a saved PDF.
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
    return font;
}

// "#606060", "grey", or "none".
std::optional<QColor> parseColor(const QString &value)
{
    if (value.compare(u"none"_s, Qt::CaseInsensitive) == 0)
        return QColor();
    QColor c = QColor::fromString(value);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

// "bold, tint #e4e4e4", "#606060", "italic, color grey".
std::optional<ReportLayout::Style> parseStyle(const QString &value)
{
    ReportLayout::Style style;
    for (const QString &part : value.split(u',', Qt::SkipEmptyParts)) {
        const QStringList words = part.simplified().split(u' ');
        const QString first = words[0].toLower();
        if (words.size() == 1 && first == u"bold")
            style.bold = true;
        else if (words.size() == 1 && first == u"italic")
            style.italic = true;
        else if (words.size() == 2 && first == u"tint") {
            const auto c = parseColor(words[1]);
            if (!c)
                return std::nullopt;
            style.tint = *c;
        } else if (words.size() <= 2 && (words.size() == 1 || first == u"color")) {
            const auto c = parseColor(words.constLast());
            if (!c || !c->isValid())
                return std::nullopt;
            style.color = *c;
        } else {
            return std::nullopt;
        }
    }
    return style;
}

// Where the Mustache sections of a text first nest deeper than limit.
bool nestsTooDeep(const QString &text, int limit)
{
    int depth = 0;
    for (qsizetype at = text.indexOf(u"{{"); at >= 0; at = text.indexOf(u"{{", at + 2)) {
        const QString rest = text.mid(at + 2, 8).trimmed();
        const QChar c = rest.isEmpty() ? QChar() : rest.at(0);
        if ((c == u'#' || c == u'^') && ++depth > limit)
            return true;
        if (c == u'/')
            depth = std::max(0, depth - 1);
    }
    return false;
}

} // namespace

struct ReportLayout::Texts {
    QHash<QString, std::shared_ptr<mustache::mustache>> compiled;
};

ReportLayout ReportLayout::load(const QString &path)
{
    // A device or a pipe would be read without end, or block.
    const SmallFile file = SmallFile::read(path, ReportLimits::kMaxLayoutBytes + 1);
    const auto refused = [&](NoticeCode why, const QStringList &values = {}) {
        return ReportError(Notice{Notice::Kind::Error, why, QStringList{path} + values});
    };
    if (file.state == SmallFile::State::Missing ||
        (file.state == SmallFile::State::NotAFile && file.mode == 0))
        throw refused(NoticeCode::LayoutMissing);
    if (file.state == SmallFile::State::NotAFile)
        throw refused(NoticeCode::LayoutNotAFile);
    if (file.state == SmallFile::State::Failed)
        throw refused(NoticeCode::LayoutUnreadable, {QString::fromLocal8Bit(strerror(file.error))});
    const QByteArray &bytes = file.bytes;
    if (bytes.size() > ReportLimits::kMaxLayoutBytes)
        throw refused(NoticeCode::LayoutTooLarge, {QString::number(ReportLimits::kMaxLayoutBytes >> 20)});
    QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter) || bytes.contains('\0'))
        throw refused(NoticeCode::LayoutNotText);
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);
    // It would print blank pages and say nothing.
    if (text.trimmed().isEmpty())
        throw refused(NoticeCode::LayoutEmpty);

    const LayoutReader reader(path);
    const Entries entries = reader.read(text);
    const auto value = [&](const QString &key, const QString &fallback = {}) {
        return entries.value(key, {fallback, 0}).value;
    };
    const auto fault = [&](const QString &key, NoticeCode what, const QStringList &values = {}) {
        return reader.lineError(entries.value(key).line, what, values);
    };

    ReportLayout layout;
    layout.m_path = path;

    const QString kind = value(u"layout.report"_s).toLower();
    if (!entries.contains(u"layout.report"_s))
        throw refused(NoticeCode::LayoutSaysNoReport);
    if (kind == u"roster")
        layout.m_kind = Kind::Roster;
    else if (kind == u"remarks")
        layout.m_kind = Kind::Remarks;
    else
        throw fault(u"layout.report"_s, NoticeCode::LayoutBadReport, {kind});

    if (entries.contains(u"layout.datafile"_s)) {
        bool ok = false;
        layout.m_dataFile = value(u"layout.datafile"_s).toInt(&ok);
        if (!ok || layout.m_dataFile < 0)
            throw fault(u"layout.datafile"_s, NoticeCode::LayoutBadDataFile);
    }

    const QString orientation = value(u"page.orientation"_s, u"portrait"_s).toLower();
    if (orientation == u"landscape")
        layout.m_orientation = QPageLayout::Landscape;
    else if (orientation == u"portrait")
        layout.m_orientation = QPageLayout::Portrait;
    else
        throw fault(u"page.orientation"_s, NoticeCode::LayoutBadOrientation, {orientation});

    const QString paper = value(u"page.paper"_s, u"default"_s).toLower();
    static const QHash<QString, QPageSize::PageSizeId> papers{{u"a3"_s, QPageSize::A3},
                                                              {u"a4"_s, QPageSize::A4},
                                                              {u"a5"_s, QPageSize::A5},
                                                              {u"letter"_s, QPageSize::Letter},
                                                              {u"legal"_s, QPageSize::Legal}};
    if (papers.contains(paper))
        layout.m_paper = QPageSize(papers.value(paper));
    else if (paper != u"default")
        throw fault(u"page.paper"_s, NoticeCode::LayoutBadPaper, {paper});

    if (entries.contains(u"page.margins"_s)) {
        QList<double> mm;
        for (const QString &m : value(u"page.margins"_s).split(u',')) {
            bool ok = false;
            const double v = m.trimmed().toDouble(&ok);
            if (!ok || !std::isfinite(v) || v < 0 || v > 50)
                throw fault(u"page.margins"_s, NoticeCode::LayoutBadMargin);
            mm.append(v);
        }
        if (mm.size() == 1)
            layout.m_margins = QMarginsF(mm[0], mm[0], mm[0], mm[0]);
        else if (mm.size() == 4)
            layout.m_margins = QMarginsF(mm[0], mm[1], mm[2], mm[3]);
        else
            throw fault(u"page.margins"_s, NoticeCode::LayoutMarginCount);
    }

    const QString family = value(u"fonts.family"_s);
    const QHash<QString, QString> fontDefaults{{u"title"_s, u"13 bold"_s},
                                               {u"subtitle"_s, u"9"_s},
                                               {u"header"_s, u"6.5"_s},
                                               {u"body"_s, u"7"_s},
                                               {u"footer"_s, u"6.5"_s}};
    for (auto it = fontDefaults.constBegin(); it != fontDefaults.constEnd(); ++it) {
        const QString key = u"fonts."_s + it.key();
        const auto font = parseFont(family, value(key, it.value()));
        if (!font)
            throw fault(key, NoticeCode::LayoutBadFont, {value(key)});
        layout.m_fonts.insert(it.key(), *font);
    }

    const QStringList possible = columnsOf(layout.m_kind);
    const QString shown = value(u"columns.show"_s, possible.join(u", "_s));
    // A layout that names no heading or text of its own gets the program's,
    // in the language it speaks; what the layout says is printed as it stands.
    const auto translated = [](const char *text) {
        return QCoreApplication::translate("ReportLayout", text);
    };
    const QHash<QString, QString> headings{
        {u"rank"_s, translated(QT_TRANSLATE_NOOP("ReportLayout", "Rank"))},
        {u"name"_s, translated(QT_TRANSLATE_NOOP("ReportLayout", "Name"))},
        {u"remarks"_s, translated(QT_TRANSLATE_NOOP("ReportLayout", "Remarks"))},
        {u"periods"_s, {}},
        {u"dates"_s, translated(QT_TRANSLATE_NOOP("ReportLayout", "On duty"))},
        {u"count"_s, translated(QT_TRANSLATE_NOOP("ReportLayout", "Days"))}};
    for (const QString &c : shown.split(u',', Qt::SkipEmptyParts)) {
        const QString key = c.trimmed().toLower();
        if (!possible.contains(key))
            throw fault(u"columns.show"_s,
                        layout.m_kind == Kind::Roster ? NoticeCode::LayoutNoSuchRosterColumn
                                                      : NoticeCode::LayoutNoSuchRemarksColumn,
                        {key, possible.join(u", "_s)});
        if (layout.shows(key))
            throw fault(u"columns.show"_s, NoticeCode::LayoutColumnTwice, {key});
        layout.m_columns.append(key);
    }
    if (layout.m_columns.isEmpty())
        throw fault(u"columns.show"_s, NoticeCode::LayoutNoColumn);

    const QHash<QString, QString> markDefaults{{u"assigned"_s, u"bold, tint #e4e4e4"_s},
                                               {u"absent"_s, u"#606060"_s},
                                               {u"busy"_s, u"#606060"_s},
                                               {u"standing"_s, u"black"_s},
                                               {u"replaced"_s, u"italic, #606060"_s},
                                               {u"swapped"_s, u"italic, #606060"_s}};
    for (auto it = markDefaults.constBegin(); it != markDefaults.constEnd(); ++it) {
        const QString key = u"marks."_s + it.key();
        const auto style = parseStyle(value(key, it.value()));
        if (!style)
            throw fault(key, NoticeCode::LayoutBadMark, {value(key)});
        layout.m_marks.insert(it.key(), *style);
    }

    const QHash<QString, QString> shadeDefaults{
        {u"holiday"_s, u"#d9d9d9"_s}, {u"header"_s, u"#eeeeee"_s}, {u"lines"_s, u"#909090"_s}};
    for (auto it = shadeDefaults.constBegin(); it != shadeDefaults.constEnd(); ++it) {
        const QString key = u"shading."_s + it.key();
        const auto color = parseColor(value(key, it.value()));
        if (!color)
            throw fault(key, NoticeCode::LayoutBadShade, {value(key)});
        layout.m_shades.insert(it.key(), *color);
    }

    // The texts, the headings included, are Mustache; each is checked here so
    // that its fault is told with its line before anything is printed.
    layout.m_texts = std::make_shared<Texts>();
    const QHash<QString, QString> textDefaults{
        {u"texts.title"_s, u"{{duty}}"_s},
        {u"texts.subtitle"_s, u"{{organization}}"_s},
        //: The {{tags}} are filled in when printing: keep them as they are.
        {u"texts.footer-left"_s,
         translated(QT_TRANSLATE_NOOP("ReportLayout", "{{file}} \u00b7 printed {{printed}}"))},
        {u"texts.footer-right"_s,
         translated(QT_TRANSLATE_NOOP("ReportLayout", "{{duty}} \u00b7 page {{page}} of {{pages}}"))},
        {u"texts.no-soldiers"_s,
         translated(QT_TRANSLATE_NOOP("ReportLayout", "No soldier is qualified for this duty."))},
        {u"texts.no-duties"_s,
         translated(QT_TRANSLATE_NOOP("ReportLayout", "This datafile holds no duties."))},
        // A layout older than changes after the run has no word for their
        // marks in its legend: this line explains them.
        {u"texts.changed"_s,
         translated(QT_TRANSLATE_NOOP(
             "ReportLayout", "Changed after the run in {{changedPeriods}} of its periods (R replaced, S "
                             "swapped); see the remarks list."))},
        {u"texts.changes"_s, translated(QT_TRANSLATE_NOOP("ReportLayout", "Changed after the run"))},
        {u"texts.change"_s,
         translated(QT_TRANSLATE_NOOP(
             "ReportLayout",
             "{{period}}: {{on}} instead of {{off}} ({{#replace}}replaced{{/replace}}"
             "{{#swap}}swapped{{/swap}} on {{made}}){{#reason}} \u2014 {{reason}}{{/reason}}"))},
    };
    QStringList textKeys = knownKeys().value(u"texts"_s);
    for (QString &k : textKeys)
        k.prepend(u"texts."_s);
    for (const QString &c : columnsOf(Kind::Roster) + QStringList{u"dates"_s})
        textKeys.append(u"columns."_s + c);
    for (const QString &key : textKeys) {
        const QString fallback =
            key.startsWith(u"columns.") ? headings.value(key.section(u'.', 1)) : textDefaults.value(key);
        // The texts of the layouts the program ships follow the language
        // while the unit keeps them as shipped; any other is its own.
        const QString written = value(key, fallback);
        const QString source =
            written == fallback ? written
                                : QCoreApplication::translate("ReportLayout", written.toUtf8().constData());
        if (nestsTooDeep(source, ReportLimits::kMaxSectionDepth))
            throw fault(key, NoticeCode::LayoutNestedTooDeep,
                        {QString::number(ReportLimits::kMaxSectionDepth)});
        auto compiled = std::make_shared<mustache::mustache>(source.toStdString());
        if (!compiled->is_valid())
            throw fault(key, NoticeCode::LayoutBadTag, {QString::fromStdString(compiled->error_message())});
        layout.m_texts->compiled.insert(key, compiled);
    }
    return layout;
}

QFont ReportLayout::font(const QString &role) const
{
    return m_fonts.value(role);
}

bool ReportLayout::shows(const QString &column) const
{
    return m_columns.contains(column);
}

ReportLayout::Style ReportLayout::markStyle(const QString &mark) const
{
    return m_marks.value(mark);
}

QColor ReportLayout::shade(const QString &what) const
{
    return m_shades.value(what);
}

namespace {

QString render(mustache::mustache &tmpl, const TemplateValues &values, const QString &path)
{
    std::string out;
    tmpl.render(values.values, [&](const std::string &piece) {
        if (qint64(out.size() + piece.size()) > ReportLimits::kMaxFilledInBytes)
            throw ReportError(Notice{Notice::Kind::Error,
                                     NoticeCode::LayoutTextTooLarge,
                                     {path, QString::number(ReportLimits::kMaxFilledInBytes >> 20)}});
        out += piece;
    });
    // The library reports faults found while filling in (an unknown partial,
    // for one) through its error message rather than by throwing.
    if (!tmpl.error_message().empty())
        throw ReportError(Notice{Notice::Kind::Error,
                                 NoticeCode::LayoutCannotFillIn,
                                 {path, QString::fromStdString(tmpl.error_message())}});
    // Texts are printed as plain lines; the library escapes for HTML.
    QString text = QString::fromStdString(out);
    text.replace(u"&lt;"_s, u"<"_s)
        .replace(u"&gt;"_s, u">"_s)
        .replace(u"&quot;"_s, u"\""_s)
        .replace(u"&#39;"_s, u"'"_s)
        .replace(u"&amp;"_s, u"&"_s);
    return text.simplified();
}

} // namespace

QString ReportLayout::text(const QString &name, const TemplateValues &values) const
{
    const auto found = m_texts->compiled.constFind(u"texts."_s + name);
    return found == m_texts->compiled.constEnd() ? QString() : render(**found, values, m_path);
}

QString ReportLayout::heading(const QString &column, const TemplateValues &values) const
{
    const auto found = m_texts->compiled.constFind(u"columns."_s + column);
    return found == m_texts->compiled.constEnd() ? QString() : render(**found, values, m_path);
}

} // namespace calendrix
