#include "graphicsview.h"

#include <QLineF>
#include <QTouchEvent>

GraphicsView::GraphicsView(QWidget *parent)
    : QGraphicsView(parent)
{
    viewport()->setAttribute(Qt::WA_AcceptTouchEvents);
    setDragMode(ScrollHandDrag);
}

bool GraphicsView::viewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd: {
        auto *touch = static_cast<QTouchEvent *>(event);
        const QList<QTouchEvent::TouchPoint> points = touch->touchPoints();
        if (points.count() != 2) {
            QGraphicsView::viewportEvent(event);
            return true;
        }
        const qreal started = QLineF(points[0].startPos(), points[1].startPos()).length();
        // Two fingers that came down on one spot give no spread to compare.
        if (qFuzzyIsNull(started))
            return true;
        qreal current = QLineF(points[0].pos(), points[1].pos()).length() / started;
        if (touch->touchPointStates() & Qt::TouchPointReleased) {
            m_totalScaleFactor *= current;
            current = 1;
        }
        const qreal scale = m_totalScaleFactor * current;
        setTransform(QTransform::fromScale(scale, scale));
        return true;
    }
    default:
        return QGraphicsView::viewportEvent(event);
    }
}
