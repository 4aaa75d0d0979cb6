#include "bigpointergraphicswidget.h"

#include <QPainter>
#include <QPainterPathStroker>

namespace {

const QColor kGreen(0, 128, 0);
const QLineF kShaft(-4, 2, -60, 2);
const QPolygonF kHead({QPointF(0, 2), QPointF(-25, -23), QPointF(-25, 27)});

} // namespace

BigPointerGraphicsWidget::BigPointerGraphicsWidget(QGraphicsItem *parent)
    : QGraphicsWidget(parent)
{
    m_hideTimer.setSingleShot(true);
    m_hideTimer.setInterval(kShowMs);
    connect(&m_hideTimer, &QTimer::timeout, this, &BigPointerGraphicsWidget::goInvisible);
}

void BigPointerGraphicsWidget::showAt(QGraphicsObject *target)
{
    if (!target)
        return;
    setPos(target->mapToScene(0, 0));
    show();
    m_hideTimer.start();
    update();
}

void BigPointerGraphicsWidget::goInvisible()
{
    hide();
}

QPainterPath BigPointerGraphicsWidget::shape() const
{
    QPainterPath shaft;
    shaft.addRect(-61, 0, 63, 5);
    QPainterPathStroker stroker;
    stroker.setWidth(3);
    QPainterPath path = stroker.createStroke(shaft);
    path.addPolygon(kHead);
    path.closeSubpath();
    return path;
}

QRectF BigPointerGraphicsWidget::boundingRect() const
{
    return shape().boundingRect();
}

void BigPointerGraphicsWidget::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->setPen(QPen(kGreen, 3, Qt::SolidLine));
    painter->drawLine(kShaft);
    painter->setPen(QPen(kGreen, 0.1));
    painter->setBrush(kGreen);
    painter->drawPolygon(kHead);
}
