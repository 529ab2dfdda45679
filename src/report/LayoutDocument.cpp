#include "report/LayoutDocument.h"

#include <QUrl>

namespace calendrix {

QVariant LayoutDocument::loadResource(int type, const QUrl &name)
{
    return m_resources.load(type, name.toString());
}

} // namespace calendrix
