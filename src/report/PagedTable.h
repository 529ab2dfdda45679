#pragma once

#include <QRectF>

class QPainter;

namespace calendrix {

// The table of one duty, broken into pages of a given height: the roster
// grid or the remarks list. Its header rows stand at the top of every page.
class PagedTable
{
public:
    virtual ~PagedTable() = default;
    virtual int pageCount() const = 0;
    // Paints page (from 0) into area, in the painter's device coordinates.
    virtual void paintPage(QPainter &painter, int page) const = 0;
};

} // namespace calendrix
