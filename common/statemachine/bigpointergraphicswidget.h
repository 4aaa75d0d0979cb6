#pragma once

#include <QGraphicsWidget>
#include <QTimer>

class QGraphicsObject;

// A large green arrow that points for a moment at a box of the chart, so
// the eye finds the target of a transition after the view jumps there. Its
// tip is at the item's origin.
class BigPointerGraphicsWidget : public QGraphicsWidget
{
    Q_OBJECT

public:
    static constexpr int kShowMs = 1800;

    explicit BigPointerGraphicsWidget(QGraphicsItem *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget) override;
    QRectF boundingRect() const override;
    QPainterPath shape() const override;

public slots:
    void showAt(QGraphicsObject *target);
    void goInvisible();

private:
    QTimer m_hideTimer;
};
