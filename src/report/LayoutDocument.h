#pragma once

#include "report/LayoutResources.h"

#include <QTextDocument>

namespace calendrix {

// A text document that reads images and style sheets only through
// LayoutResources, relative to the unit folder; left to itself it would open
// any path a page names, a device or a pipe included.
class LayoutDocument : public QTextDocument
{
public:
    explicit LayoutDocument(const QString &folder) : m_resources(folder) {}

protected:
    QVariant loadResource(int type, const QUrl &name) override;

private:
    LayoutResources m_resources;
};

} // namespace calendrix
