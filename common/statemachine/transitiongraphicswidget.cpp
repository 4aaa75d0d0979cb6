#include "transitiongraphicswidget.h"

#include "statenodegraphicsitem.h"

#include <QFontMetricsF>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPainterPathStroker>

#include "property/assignifchanged.h"

namespace {

constexpr qreal kRadius = 5;       // of every corner
constexpr qreal kCorner = 2 * kRadius;
constexpr qreal kArrowLength = 5;
constexpr qreal kArrowHalfWidth = 3;
constexpr qreal kStubSquare = 4;
constexpr qreal kOutlineWidth = 5;
const QColor kLineColour(0, 0, 255, 192);
const QColor kOutlineFill(0, 255, 0, 190);

} // namespace

TransitionGraphicsWidget::TransitionGraphicsWidget(QGraphicsItem *parent)
    : QGraphicsWidget(parent)
{
    m_highlightTimer.setSingleShot(true);
    m_highlightTimer.setInterval(kHighlightMs);
    connect(&m_highlightTimer, &QTimer::timeout, this, &TransitionGraphicsWidget::dehighlight);
}

StateNodeGraphicsItem *TransitionGraphicsWidget::targetBox() const
{
    return m_targetBox;
}

void TransitionGraphicsWidget::setTargetBox(StateNodeGraphicsItem *box)
{
    m_targetBox = box;
}

QFont TransitionGraphicsWidget::labelFont() const
{
    QFont font(QStringLiteral("Helvetica"));
    font.setPixelSize(kLabelPixelSize);
    return font;
}

void TransitionGraphicsWidget::determineShape()
{
    prepareGeometryChange();
    const qreal sx = m_start.x(), sy = m_start.y();
    const qreal ex = m_end.x(), ey = m_end.y();
    QPainterPath path;
    m_marker.clear();

    // The start mark; a guarded transition gets a ring around it.
    path.addEllipse(m_start, 1, 1);
    if (!m_guardString.isEmpty())
        path.addEllipse(m_start, 3, 3);

    if (!m_targetBox) {
        path.moveTo(m_start);
        path.lineTo(m_end);
        m_marker = QPolygonF(QRectF(ex - kStubSquare / 2, ey - kStubSquare / 2, kStubSquare, kStubSquare));
        path.addPolygon(m_marker);
    } else if (ey != sy) {
        if (!m_actionString.isEmpty()) {
            // A tick on the first stretch of the line marks a transition
            // with actions.
            const bool leavesRight = ey < sy ? ex > sx + 4 : ex >= sx;
            const qreal tickX = leavesRight ? sx + 4 : sx - 4;
            path.moveTo(tickX, sy - 3);
            path.lineTo(tickX, sy + 3);
        }
        addOrthogonalLine(path);
        const qreal base = ey > sy ? ex + kArrowLength : ex - kArrowLength;
        m_marker << m_end << QPointF(base, ey - kArrowHalfWidth) << QPointF(base, ey + kArrowHalfWidth);
        path.addPolygon(m_marker);
        path.closeSubpath();
    }
    m_linePath = path;

    QPainterPathStroker stroker;
    stroker.setWidth(kOutlineWidth);
    stroker.setJoinStyle(Qt::RoundJoin);
    m_outlinePath = stroker.createStroke(path);
    const QRectF label = QFontMetricsF(labelFont()).boundingRect(m_tname);
    m_outlinePath.addRect(label.translated(sx + 5, sy - 1));
}

// Leaves S horizontally, runs vertically and enters E horizontally, each
// turn a quarter circle (arcTo angles: 0 at three o'clock, positive
// counter-clockwise on screen).
void TransitionGraphicsWidget::addOrthogonalLine(QPainterPath &path) const
{
    const qreal sx = m_start.x(), sy = m_start.y();
    const qreal ex = m_end.x(), ey = m_end.y();
    path.moveTo(m_start);
    if (ey < sy && ex > sx + 4) {
        // Up on the right of the start.
        path.lineTo(sx + kRadius, sy);
        path.arcTo(QRectF(sx, sy - kCorner, kCorner, kCorner), 270, 90);
        path.lineTo(sx + kCorner, ey + kRadius);
        path.arcTo(QRectF(sx + kCorner, ey, kCorner, kCorner), 180, -90);
    } else if (ey < sy) {
        // Up on the left of the target.
        path.lineTo(ex - kRadius, sy);
        path.arcTo(QRectF(ex - kCorner, sy - kCorner, kCorner, kCorner), 270, -90);
        path.lineTo(ex - kCorner, ey + kRadius);
        path.arcTo(QRectF(ex - kCorner, ey, kCorner, kCorner), 180, -90);
    } else if (ex < sx) {
        // Down on the left of the start, across, and into E from its right.
        path.lineTo(sx - kRadius, sy);
        path.arcTo(QRectF(sx - kCorner, sy, kCorner, kCorner), 90, 90);
        path.lineTo(sx - kCorner, ey - kCorner);
        path.arcTo(QRectF(sx - 2 * kCorner, ey - kCorner - kRadius, kCorner, kCorner), 0, -90);
        path.lineTo(ex + kCorner, ey - kRadius);
        path.arcTo(QRectF(ex + kRadius, ey - kRadius, kCorner, kCorner), 90, 90);
    } else {
        // Down on the right of the target, back left into E.
        path.lineTo(ex + kRadius, sy);
        path.arcTo(QRectF(ex, sy, kCorner, kCorner), 90, -90);
        path.lineTo(ex + kCorner, ey - kRadius);
        path.arcTo(QRectF(ex, ey - kCorner, kCorner, kCorner), 0, -90);
    }
    path.lineTo(m_end);
}

void TransitionGraphicsWidget::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    if (m_outlined) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(kOutlineFill);
        painter->drawPath(m_outlinePath);
    }
    const bool lit = isHighlighted();
    painter->setPen(QPen(lit ? QColor(Qt::red) : kLineColour, 1, Qt::SolidLine, Qt::SquareCap,
                         Qt::MiterJoin));
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(m_linePath);
    if (!m_marker.isEmpty()) {
        painter->setPen(lit ? Qt::red : Qt::blue);
        painter->setBrush(lit ? Qt::yellow : Qt::white);
        painter->drawPolygon(m_marker);
    }
    painter->setPen(lit ? QColor(Qt::red) : kLineColour);
    painter->setFont(labelFont());
    painter->drawText(QPoint(int(m_start.x() + 5), int(m_start.y() - 1)), m_tname);
}

QRectF TransitionGraphicsWidget::boundingRect() const
{
    return m_outlinePath.boundingRect();
}

QPainterPath TransitionGraphicsWidget::shape() const
{
    return m_outlinePath;
}

// Ctrl+click points at the target; a plain click outlines the line while
// the button is down.
void TransitionGraphicsWidget::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ControlModifier)) {
        emit goToTarget(m_targetBox);
        highlight();
    } else if (event->button() == Qt::LeftButton) {
        set_outlined(!m_outlined);
    } else if (event->button() == Qt::NoButton) {
        set_outlined(false);
    }
    update();
    QGraphicsWidget::mousePressEvent(event);
}

void TransitionGraphicsWidget::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    set_outlined(false);
    update();
    QGraphicsWidget::mouseReleaseEvent(event);
}

void TransitionGraphicsWidget::highlight()
{
    m_highlightTimer.start();
    update();
}

void TransitionGraphicsWidget::dehighlight()
{
    update();
}

void TransitionGraphicsWidget::set_tname(const QString &value)
{
    if (assignIfChanged(m_tname, value))
        emit tnameChanged(m_tname);
}

void TransitionGraphicsWidget::set_actionString(const QString &value)
{
    if (assignIfChanged(m_actionString, value))
        emit actionStringChanged(m_actionString);
}

void TransitionGraphicsWidget::set_guardString(const QString &value)
{
    if (assignIfChanged(m_guardString, value))
        emit guardStringChanged(m_guardString);
}

void TransitionGraphicsWidget::set_fullText(const QString &value)
{
    if (assignIfChanged(m_fullText, value))
        emit fullTextChanged(m_fullText);
}

void TransitionGraphicsWidget::set_sourceNode(const QString &value)
{
    if (assignIfChanged(m_sourceNode, value))
        emit sourceNodeChanged(m_sourceNode);
}

void TransitionGraphicsWidget::set_targetNode(const QString &value)
{
    if (assignIfChanged(m_targetNode, value))
        emit targetNodeChanged(m_targetNode);
}

void TransitionGraphicsWidget::set_sourceOrder(int value)
{
    if (assignIfChanged(m_sourceOrder, value))
        emit sourceOrderChanged(m_sourceOrder);
}

void TransitionGraphicsWidget::set_targetOrder(int value)
{
    if (assignIfChanged(m_targetOrder, value))
        emit targetOrderChanged(m_targetOrder);
}

void TransitionGraphicsWidget::set_outlined(bool value)
{
    if (assignIfChanged(m_outlined, value))
        emit outlinedChanged(m_outlined);
}
