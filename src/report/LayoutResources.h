#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace calendrix {

// The files a layout may draw on (images and style sheets): only regular
// files inside the unit folder, the layout's own folder, named by a path
// relative to it or by an absolute path inside it, and none larger than
// ReportLimits::kMaxResourceBytes. No device, pipe, link leading out of the
// folder, remote address or data: URL; the page never reads anything else.
class LayoutResources
{
public:
    explicit LayoutResources(QString folder);

    // Why a file named in a layout cannot be used, in words for the clerk
    // ("is not a file in the unit folder"); empty when it can. A file that
    // does not exist may be named: it prints as nothing.
    QString refusal(const QString &name) const;

    // The contents for a text document's resource of type (an image as a
    // QImage, a style sheet as text), or a stand-in that shows nothing when
    // refused, so that the document never goes looking for it by itself.
    QVariant load(int type, const QString &name) const;

    // The images and style sheets named in an HTML page as written.
    struct Reference {
        QString name;
        QString kind; // "image" or "style sheet"
        qsizetype offset;
    };
    static QList<Reference> references(const QString &html);

private:
    // The file's canonical path, or empty with why set.
    QString resolve(const QString &name, QString *why) const;

    QString m_folder; // canonical
};

} // namespace calendrix
