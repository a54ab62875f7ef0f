#include "GridTitleHeader.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

namespace qh {

TTitleHeader::TTitleHeader(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Interactive);
}

QColor TTitleHeader::TitleColor()
{
    return QColor(0xA6, 0xCA, 0xF0); // sky blue
}

void TTitleHeader::mouseReleaseEvent(QMouseEvent* event)
{
    FClickModifiers = event->modifiers();
    QHeaderView::mouseReleaseEvent(event);
}

void TTitleHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    painter->save();
    painter->fillRect(rect, TitleColor());

    // A raised, three-dimensional title.
    painter->setPen(Qt::white);
    painter->drawLine(rect.topLeft(), rect.topRight());
    painter->drawLine(rect.topLeft(), rect.bottomLeft());
    painter->setPen(QColor(0x80, 0x80, 0x80));
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->drawLine(rect.topRight(), rect.bottomRight());

    const TColumnEh* column = FColumns && logicalIndex < FColumns->size() ? &(*FColumns)[logicalIndex] : nullptr;
    QRect textRect = rect.adjusted(3, 1, -3, -1);
    if (column && column->SortMarker != TSortMarker::None) {
        const int size = 7;
        const int x = rect.right() - size - 4;
        const int y = rect.center().y();
        QPolygon marker;
        if (column->SortMarker == TSortMarker::Up)
            marker << QPoint(x, y + 2) << QPoint(x + size, y + 2) << QPoint(x + size / 2, y - 3);
        else
            marker << QPoint(x, y - 2) << QPoint(x + size, y - 2) << QPoint(x + size / 2, y + 3);
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(0x40, 0x40, 0x40));
        painter->setRenderHint(QPainter::Antialiasing);
        painter->drawPolygon(marker);
        textRect.setRight(x - 2);
    }
    if (column) {
        painter->setPen(Qt::black);
        painter->setFont(font());
        painter->drawText(textRect, int(column->TitleAlignment | Qt::AlignVCenter), column->Title);
    }
    painter->restore();
}

} // namespace qh
