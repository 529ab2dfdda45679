#include "report/LayoutResources.h"

#include "report/ReportLimits.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QTextDocument>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// Shows nothing, and being an image keeps the text document from loading
// the name itself, as it does when its resource comes back empty.
QImage nothing()
{
    QImage image(1, 1, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QString attribute(const QString &element, const QString &name)
{
    const QRegularExpression value(u"\\b"_s + name + uR"re(\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+)))re"_s,
                                   QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = value.match(element);
    if (!m.hasMatch())
        return {};
    for (int i = 1; i <= 3; ++i)
        if (m.capturedStart(i) >= 0)
            return m.captured(i);
    return {};
}

} // namespace

LayoutResources::LayoutResources(QString folder) : m_folder(QFileInfo(folder).canonicalFilePath()) {}

QString LayoutResources::resolve(const QString &name, QString *why) const
{
    const QString outside = u"is not a file in the unit folder"_s;
    QString path = name.trimmed();
    if (path.isEmpty())
        return {};
    // Anything with a scheme (http:, data:, qrc:...) but a local file: a
    // drive letter is not a scheme here, the folder is never on one.
    static const QRegularExpression scheme(u"^[A-Za-z][A-Za-z0-9+.-]+:"_s);
    if (scheme.match(path).hasMatch()) {
        const QUrl url(path);
        if (!url.isLocalFile()) {
            *why = outside;
            return {};
        }
        path = url.toLocalFile();
    }
    const QFileInfo info(QDir(m_folder).absoluteFilePath(path));
    if (!info.exists() && !info.isSymLink())
        return {}; // prints as nothing
    const QString canonical = info.canonicalFilePath();
    if (m_folder.isEmpty() || canonical.isEmpty() || !canonical.startsWith(m_folder + u'/') ||
        !QFileInfo(canonical).isFile()) {
        *why = outside;
        return {};
    }
    if (QFileInfo(canonical).size() > ReportLimits::kMaxResourceBytes) {
        *why = u"is larger than %1 MB"_s.arg(ReportLimits::kMaxResourceBytes >> 20);
        return {};
    }
    return canonical;
}

QString LayoutResources::refusal(const QString &name) const
{
    QString why;
    resolve(name, &why);
    return why;
}

QVariant LayoutResources::load(int type, const QString &name) const
{
    const bool image = type == QTextDocument::ImageResource;
    const QVariant none = image ? QVariant(nothing()) : QVariant(QString());
    if (type != QTextDocument::ImageResource && type != QTextDocument::StyleSheetResource)
        return none;
    QString why;
    const QString path = resolve(name, &why);
    if (path.isEmpty())
        return none;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return none;
    // Read no further than the limit, whatever the file turned into since.
    const QByteArray bytes = file.read(ReportLimits::kMaxResourceBytes + 1);
    if (bytes.size() > ReportLimits::kMaxResourceBytes)
        return none;
    if (!image)
        return QString::fromUtf8(bytes);
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > ReportLimits::kMaxImagePixels)
        return none;
    const QImage decoded = reader.read();
    return decoded.isNull() ? none : QVariant(decoded);
}

QList<LayoutResources::Reference> LayoutResources::references(const QString &html)
{
    QList<Reference> found;
    static const QRegularExpression element(u"<(img|link|[a-z][a-z0-9]*)\\b[^>]*>"_s,
                                            QRegularExpression::CaseInsensitiveOption);
    for (auto it = element.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString tag = m.captured(1).toLower();
        const QString text = m.captured();
        if (tag == u"img")
            found.append({attribute(text, u"src"_s), u"image"_s, m.capturedStart()});
        else if (tag == u"link")
            found.append({attribute(text, u"href"_s), u"style sheet"_s, m.capturedStart()});
        const QString background = attribute(text, u"background"_s);
        if (!background.isEmpty())
            found.append({background, u"image"_s, m.capturedStart()});
    }
    // Images named in style sheets and style attributes.
    static const QRegularExpression url(uR"re(url\(\s*(?:"([^"]*)"|'([^']*)'|([^)\s]*))\s*\))re"_s,
                                        QRegularExpression::CaseInsensitiveOption);
    for (auto it = url.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString name;
        for (int i = 1; i <= 3 && name.isEmpty(); ++i)
            name = m.captured(i);
        found.append({name, u"image"_s, m.capturedStart()});
    }
    found.removeIf([](const Reference &r) { return r.name.trimmed().isEmpty(); });
    std::sort(found.begin(), found.end(),
              [](const Reference &a, const Reference &b) { return a.offset < b.offset; });
    return found;
}

} // namespace calendrix
