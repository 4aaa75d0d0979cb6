#pragma once

#include <QGraphicsView>

// A graphics view that zooms with two fingers: the spread of the two touch
// points against where they started scales the view, and the scale is kept
// when a finger lifts, so the next pinch carries on from there.
class GraphicsView : public QGraphicsView
{
    Q_OBJECT

public:
    explicit GraphicsView(QWidget *parent = nullptr);

    qreal totalScaleFactor() const { return m_totalScaleFactor; }

protected:
    bool viewportEvent(QEvent *event) override;

private:
    qreal m_totalScaleFactor = 1.0;
};
