#pragma once

#include <QGraphicsObject>

// One state in the chart: a box with curved corners, the state's name on
// top, its substates stacked inside, and a mark that points at the initial
// substate. It turns red with a yellow fill while its state is active.
// Transition lines attach to ports on its edges; the counts say how many
// ports are taken.
//
// Unlike most properties in the system, these setters emit their signal on
// every call: the box's listeners count activations, not changes.
class StateNodeGraphicsItem : public QGraphicsObject
{
    Q_OBJECT
    Q_PROPERTY(bool active READ get_active WRITE set_active NOTIFY activeChanged)
    Q_PROPERTY(int sourceCount READ get_sourceCount WRITE set_sourceCount NOTIFY sourceCountChanged)
    Q_PROPERTY(int destinationCount READ get_destinationCount WRITE set_destinationCount NOTIFY destinationCountChanged)
    Q_PROPERTY(int tranNum READ get_tranNum WRITE set_tranNum NOTIFY tranNumChanged)

public:
    static constexpr int kInitialWidth = 200;
    static constexpr int kInitialHeight = 80;
    static constexpr int kMargin = 10;       // painted around the box
    static constexpr int kCornerRadius = 8;
    static constexpr int kTitleHeight = 17;  // the name band and the line under it
    static constexpr int kChildTop = 25;     // first substate's y
    static constexpr int kChildLeft = 20;
    static constexpr int kSpacing = 15;      // between substates, and per port

    explicit StateNodeGraphicsItem(QGraphicsItem *parent = nullptr);

    void setName(const QString &name) { setObjectName(name); }
    QString getName() const { return objectName(); }

    int width() const { return m_width; }
    int height() const { return m_height; }
    void setWidth(int width);
    void setHeight(int height);

    StateNodeGraphicsItem *initialChild() const { return m_initialChild; }
    void setInitialChild(StateNodeGraphicsItem *child);

    // Stacks the substate boxes top to bottom, each laid out first, and
    // sizes this box around them with room for one port per transition.
    void reLayoutChildren();

    bool get_active() const { return m_active; }
    int get_sourceCount() const { return m_sourceCount; }
    int get_destinationCount() const { return m_destinationCount; }
    int get_tranNum() const { return m_tranNum; }

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget) override;

public slots:
    void set_active(bool active);
    void set_sourceCount(int count);
    void set_destinationCount(int count);
    void set_tranNum(int count);
    void activate() { set_active(true); }
    void deactivate() { set_active(false); }

signals:
    void activeChanged(bool active);
    void sourceCountChanged(int count);
    void destinationCountChanged(int count);
    void tranNumChanged(int count);
    void followMe(StateNodeGraphicsItem *box);

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    int m_width = kInitialWidth;
    int m_height = kInitialHeight;
    StateNodeGraphicsItem *m_initialChild = nullptr;
    bool m_active = false;
    int m_sourceCount = 0;
    int m_destinationCount = 0;
    int m_tranNum = 0;
};
