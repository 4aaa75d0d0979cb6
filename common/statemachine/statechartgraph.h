#pragma once

#include <QGraphicsView>
#include <QList>

class BigPointerGraphicsWidget;
class QGraphicsObject;
class QPrinter;
class StateNodeGraphicsItem;
class TransitionGraphicsWidget;

// Draws one state machine as nested boxes, one per state, with its
// transitions as lines between ports on the boxes' edges. Boxes light up
// while their states are active and lines when their transitions fire.
// Built in three steps, once per machine: viewGraph() makes the boxes,
// addTransitionsToGraph() the lines, relayoutTransitions() places them.
//
// Keys: "+"/"=" and "-" zoom, "1" resets, Escape fits the chart's usual
// area, Ctrl+P prints where printing is enabled. Ctrl with the wheel zooms,
// Shift with the wheel scrolls sideways.
class StateChartGraph : public QGraphicsView
{
    Q_OBJECT

public:
    static constexpr qreal kZoomStep = 1.2;
    static constexpr qreal kMinUnitWidth = 0.07;
    static constexpr qreal kMaxUnitWidth = 100;

    explicit StateChartGraph(QWidget *parent = nullptr);
    ~StateChartGraph() override;

    // Boxes for the object and, depth first, every state below it; the
    // object's box goes inside parentBox, or at the top of the scene.
    void viewGraph(QObject *object, QGraphicsItem *parentBox = nullptr);
    // One line per transition at or below the object.
    void addTransitionsToGraph(QObject *object);
    // Places every line on its source's and target's ports.
    void relayoutTransitions();

    // Zooms by factor unless the unit square would leave the allowed widths.
    void scaleView(qreal factor);

    // Ctrl+P opens a print dialog only where this is on (the update
    // utility); elsewhere it does nothing.
    void setPrintingEnabled(bool enabled) { m_printingEnabled = enabled; }
    void printGraph();
    // Renders the whole view onto the printer's page; false when the
    // printer cannot be painted on.
    bool printTo(QPrinter *printer);

    QList<StateNodeGraphicsItem *> nodes() const { return m_nodes; }
    QList<TransitionGraphicsWidget *> transitions() const { return m_transitions; }
    BigPointerGraphicsWidget *pointer() const { return m_pointer; }
    // The first box of that name; transitions attach to it.
    StateNodeGraphicsItem *nodeNamed(const QString &name) const;

public slots:
    void recenterAt(QGraphicsObject *object);
    void followActiveState(StateNodeGraphicsItem *box);

protected:
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QList<TransitionGraphicsWidget *> m_transitions;
    QList<StateNodeGraphicsItem *> m_nodes;
    BigPointerGraphicsWidget *m_pointer;
    bool m_printingEnabled = false;
};
