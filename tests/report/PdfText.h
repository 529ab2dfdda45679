#pragma once

// The words of a PDF with their places on the page, read with pdftotext, so
// that a test can check what is printed where.

#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QTest>

namespace calendrix::test {

struct PdfWord {
    double xMin, yMin, xMax, yMax;
    QString text;
    double xCenter() const { return (xMin + xMax) / 2; }
    double yCenter() const { return (yMin + yMax) / 2; }
};

struct PdfPage {
    double width = 0, height = 0; // points
    QList<PdfWord> words;
    bool landscape() const { return width > height; }
    QString text() const
    {
        QStringList all;
        for (const PdfWord &w : words)
            all.append(w.text);
        return all.join(u' ');
    }
    // Words whose vertical centre lies within tolerance of y, left to right.
    QList<PdfWord> lineAt(double y, double tolerance = 2.0) const
    {
        QList<PdfWord> line;
        for (const PdfWord &w : words)
            if (qAbs(w.yCenter() - y) <= tolerance)
                line.append(w);
        std::sort(line.begin(), line.end(),
                  [](const PdfWord &a, const PdfWord &b) { return a.xMin < b.xMin; });
        return line;
    }
    // The words on the line of the first word that reads first, left to right.
    QString lineOf(const QString &first) const
    {
        for (const PdfWord &w : words)
            if (w.text == first) {
                QStringList line;
                for (const PdfWord &x : lineAt(w.yCenter()))
                    line.append(x.text);
                return line.join(u' ');
            }
        return {};
    }
};

inline QString decodeEntities(QString s)
{
    return s.replace(u"&lt;"_qs, u"<"_qs)
        .replace(u"&gt;"_qs, u">"_qs)
        .replace(u"&quot;"_qs, u"\""_qs)
        .replace(u"&amp;"_qs, u"&"_qs);
}

// Empty when pdftotext cannot read the file.
inline QList<PdfPage> readPdf(const QString &path)
{
    QProcess p;
    p.start(u"pdftotext"_qs, {u"-bbox"_qs, path, u"-"_qs});
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression pageRe(u"<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">(.*?)</page>"_qs,
                                           QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression wordRe(
        u"<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">(.*?)</word>"_qs);
    QList<PdfPage> pages;
    for (auto it = pageRe.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        PdfPage page{m.captured(1).toDouble(), m.captured(2).toDouble(), {}};
        const QString body = m.captured(3);
        for (auto w = wordRe.globalMatch(body); w.hasNext();) {
            const auto wm = w.next();
            page.words.append({wm.captured(1).toDouble(), wm.captured(2).toDouble(),
                               wm.captured(3).toDouble(), wm.captured(4).toDouble(),
                               decodeEntities(wm.captured(5))});
        }
        pages.append(page);
    }
    return pages;
}

inline bool havePdfTools()
{
    return !QStandardPaths::findExecutable(u"pdftotext"_qs).isEmpty();
}

} // namespace calendrix::test
