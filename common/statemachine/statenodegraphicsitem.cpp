#include "statenodegraphicsitem.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kActiveFill(255, 255, 127, 128);
constexpr int kNamePixelSize = 12;
constexpr int kPenWidth = 2;

} // namespace

StateNodeGraphicsItem::StateNodeGraphicsItem(QGraphicsItem *parent)
    : QGraphicsObject(parent)
{
}

void StateNodeGraphicsItem::setWidth(int width)
{
    if (width == m_width)
        return;
    prepareGeometryChange();
    m_width = width;
}

void StateNodeGraphicsItem::setHeight(int height)
{
    if (height == m_height)
        return;
    prepareGeometryChange();
    m_height = height;
}

void StateNodeGraphicsItem::setInitialChild(StateNodeGraphicsItem *child)
{
    m_initialChild = child;
    update();
}

void StateNodeGraphicsItem::reLayoutChildren()
{
    int y = kChildTop;
    bool hasChildren = false;
    for (QGraphicsItem *item : childItems()) {
        auto *child = qobject_cast<StateNodeGraphicsItem *>(item->toGraphicsObject());
        if (!child)
            continue;
        child->reLayoutChildren();
        child->setPos(kChildLeft, y);
        y += child->height() + kSpacing;
        hasChildren = true;
    }
    if (hasChildren) // each child counts with the margin painted around it
        setWidth(int(childrenBoundingRect().width() + kChildLeft));
    setHeight(y + kSpacing * (m_tranNum + 1));
}

void StateNodeGraphicsItem::set_active(bool active)
{
    m_active = active;
    update();
    emit activeChanged(active);
    if (active)
        emit followMe(this);
}

void StateNodeGraphicsItem::set_sourceCount(int count)
{
    m_sourceCount = count;
    emit sourceCountChanged(count);
}

void StateNodeGraphicsItem::set_destinationCount(int count)
{
    m_destinationCount = count;
    emit destinationCountChanged(count);
}

void StateNodeGraphicsItem::set_tranNum(int count)
{
    m_tranNum = count;
    emit tranNumChanged(count);
}

QRectF StateNodeGraphicsItem::boundingRect() const
{
    return QRectF(-kMargin, -kMargin, m_width + 2 * kMargin, m_height + 2 * kMargin);
}

QPainterPath StateNodeGraphicsItem::shape() const
{
    QPainterPath path;
    path.addRoundedRect(boundingRect(), kCornerRadius, kCornerRadius);
    return path;
}

void StateNodeGraphicsItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QColor ink = m_active ? Qt::red : Qt::black;
    painter->setPen(QPen(ink, kPenWidth, Qt::SolidLine));
    painter->setBrush(m_active ? kActiveFill : QColor(Qt::transparent));
    painter->drawRoundedRect(QRectF(0, 0, m_width, m_height), kCornerRadius, kCornerRadius);

    QFont font(QStringLiteral("Helvetica"));
    font.setPixelSize(kNamePixelSize);
    painter->setFont(font);
    painter->drawText(QRectF(0, 0, m_width - 1, kTitleHeight - 1), Qt::AlignCenter, objectName());
    painter->drawLine(0, kTitleHeight, m_width, kTitleHeight);

    if (!m_initialChild)
        return;
    // A dot in the corner with a line into the initial substate's left edge.
    const QPointF p = m_initialChild->pos();
    const qreal arrowY = p.y() + 12;
    painter->setBrush(ink);
    painter->drawEllipse(QRectF(7, 20, 6, 6));
    painter->drawLine(QPointF(10, 23), QPointF(10, arrowY));
    painter->drawLine(QPointF(10, arrowY), QPointF(p.x() - 3, arrowY));
    const QPointF head[] = {{p.x(), arrowY}, {p.x() - 5, arrowY - 3}, {p.x() - 5, arrowY + 3}};
    painter->drawPolygon(head, 3);
}

QVariant StateNodeGraphicsItem::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemSelectedHasChanged)
        update();
    return QGraphicsObject::itemChange(change, value);
}

void StateNodeGraphicsItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    update();
    QGraphicsObject::mousePressEvent(event);
}

void StateNodeGraphicsItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    update();
    QGraphicsObject::mouseReleaseEvent(event);
}
