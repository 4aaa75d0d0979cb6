#pragma once

#include <QGraphicsWidget>
#include <QPainterPath>
#include <QPointer>
#include <QPolygonF>
#include <QTimer>

class StateNodeGraphicsItem;

// One transition in the chart: an orthogonal line with curved corners from
// a port on its source box to a port on its target box, ending in an
// arrowhead; a transition without target is a short stub ending in a small
// square inside its source box. The line turns red for a moment when the
// transition fires. Lives at the top level of the scene, drawn in scene
// coordinates.
class TransitionGraphicsWidget : public QGraphicsWidget
{
    Q_OBJECT
    Q_PROPERTY(QString tname READ get_tname WRITE set_tname NOTIFY tnameChanged)
    Q_PROPERTY(QString actionString READ get_actionString WRITE set_actionString NOTIFY actionStringChanged)
    Q_PROPERTY(QString guardString READ get_guardString WRITE set_guardString NOTIFY guardStringChanged)
    Q_PROPERTY(QString fullText READ get_fullText WRITE set_fullText NOTIFY fullTextChanged)
    Q_PROPERTY(QString sourceNode READ get_sourceNode WRITE set_sourceNode NOTIFY sourceNodeChanged)
    Q_PROPERTY(QString targetNode READ get_targetNode WRITE set_targetNode NOTIFY targetNodeChanged)
    Q_PROPERTY(int sourceOrder READ get_sourceOrder WRITE set_sourceOrder NOTIFY sourceOrderChanged)
    Q_PROPERTY(int targetOrder READ get_targetOrder WRITE set_targetOrder NOTIFY targetOrderChanged)
    Q_PROPERTY(bool outlined READ get_outlined WRITE set_outlined NOTIFY outlinedChanged)

public:
    static constexpr int kHighlightMs = 333;
    static constexpr int kLabelPixelSize = 9;

    explicit TransitionGraphicsWidget(QGraphicsItem *parent = nullptr);

    QPointF startPoint() const { return m_start; }
    QPointF endPoint() const { return m_end; }
    void setStartPoint(const QPointF &point) { m_start = point; }
    void setEndPoint(const QPointF &point) { m_end = point; }
    // Whether the transition has a target state at all (a history state
    // has no name, so an empty targetNode does not tell).
    bool hasTarget() const { return m_hasTarget; }
    void setHasTarget(bool hasTarget) { m_hasTarget = hasTarget; }
    // The box the line ends on; none for a transition without target.
    StateNodeGraphicsItem *targetBox() const;
    void setTargetBox(StateNodeGraphicsItem *box);

    // Builds the line and the clickable outline from the two end points.
    void determineShape();
    QPainterPath linePath() const { return m_linePath; }
    // The arrowhead, or the square that ends a stub.
    QPolygonF marker() const { return m_marker; }
    bool isHighlighted() const { return m_highlightTimer.isActive(); }

    QString get_tname() const { return m_tname; }
    QString get_actionString() const { return m_actionString; }
    QString get_guardString() const { return m_guardString; }
    QString get_fullText() const { return m_fullText; }
    QString get_sourceNode() const { return m_sourceNode; }
    QString get_targetNode() const { return m_targetNode; }
    int get_sourceOrder() const { return m_sourceOrder; }
    int get_targetOrder() const { return m_targetOrder; }
    bool get_outlined() const { return m_outlined; }

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget) override;
    QRectF boundingRect() const override;
    QPainterPath shape() const override;

public slots:
    void set_tname(const QString &value);
    void set_actionString(const QString &value);
    void set_guardString(const QString &value);
    void set_fullText(const QString &value);
    void set_sourceNode(const QString &value);
    void set_targetNode(const QString &value);
    void set_sourceOrder(int value);
    void set_targetOrder(int value);
    void set_outlined(bool value);
    void highlight();
    void dehighlight();

signals:
    void tnameChanged(const QString &value);
    void actionStringChanged(const QString &value);
    void guardStringChanged(const QString &value);
    void fullTextChanged(const QString &value);
    void sourceNodeChanged(const QString &value);
    void targetNodeChanged(const QString &value);
    void sourceOrderChanged(int value);
    void targetOrderChanged(int value);
    void outlinedChanged(bool value);
    void goToTarget(QGraphicsObject *target);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    QFont labelFont() const;
    void addOrthogonalLine(QPainterPath &path) const;

    QString m_tname;
    QString m_actionString;
    QString m_guardString;
    QString m_fullText;
    QString m_sourceNode;
    QString m_targetNode;
    int m_sourceOrder = -1;
    int m_targetOrder = -1;
    bool m_outlined = false;
    bool m_hasTarget = false;

    QPointF m_start;
    QPointF m_end;
    QPointer<StateNodeGraphicsItem> m_targetBox;
    QTimer m_highlightTimer;
    QPainterPath m_linePath;
    QPainterPath m_outlinePath;
    QPolygonF m_marker;
};
