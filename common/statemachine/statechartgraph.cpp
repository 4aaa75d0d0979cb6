#include "statechartgraph.h"

#include "bigpointergraphicswidget.h"
#include "guardedsignaltransition.h"
#include "statenodegraphicsitem.h"
#include "transitiongraphicswidget.h"

#include <QAbstractTransition>
#include <QDebug>
#include <QKeyEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QState>
#include <QWheelEvent>

#include <cmath>

namespace {

constexpr qreal kPointerZ = 1000;
constexpr qreal kWheelDeltaPerDoubling = 500;
constexpr int kFollowMargin = 50;
// What Escape fits into the view: the top of a typical chart.
const QRectF kHomeArea(-70, -45, 580, 395);

// Ports on a box's left edge start below its substates, or under the title
// band when it has none.
constexpr int kPortBaseWithoutChildren = 35;
constexpr int kPortTopY = 18;   // where incoming lines enter a box
constexpr qreal kStubLength = 0.66; // of the source's width
constexpr int kStubTop = 30;

} // namespace

StateChartGraph::StateChartGraph(QWidget *parent)
    : QGraphicsView(parent)
    , m_pointer(new BigPointerGraphicsWidget)
{
    setScene(new QGraphicsScene(this));
    m_pointer->hide();
    m_pointer->setZValue(kPointerZ);
    scene()->addItem(m_pointer);

    setViewportUpdateMode(BoundingRectViewportUpdate);
    setRenderHint(QPainter::Antialiasing);
    setTransformationAnchor(AnchorUnderMouse);
    setResizeAnchor(AnchorViewCenter);
    setDragMode(RubberBandDrag);
}

StateChartGraph::~StateChartGraph()
{
    // Lines made but never placed are not in the scene, which frees the rest.
    for (TransitionGraphicsWidget *t : qAsConst(m_transitions))
        if (!t->scene())
            delete t;
}

StateNodeGraphicsItem *StateChartGraph::nodeNamed(const QString &name) const
{
    for (StateNodeGraphicsItem *box : m_nodes)
        if (box->getName() == name)
            return box;
    return nullptr;
}

void StateChartGraph::viewGraph(QObject *object, QGraphicsItem *parentBox)
{
    auto *state = qobject_cast<QAbstractState *>(object);
    if (!state)
        return;
    auto *box = new StateNodeGraphicsItem;
    box->setName(state->objectName());
    m_nodes.append(box);
    connect(state, &QAbstractState::entered, box, &StateNodeGraphicsItem::activate);
    connect(state, &QAbstractState::exited, box, &StateNodeGraphicsItem::deactivate);
    if (parentBox)
        box->setParentItem(parentBox);
    else
        scene()->addItem(box);

    const QObjectList children = state->children();
    int transitions = 0;
    for (QObject *child : children)
        if (qobject_cast<QAbstractTransition *>(child))
            ++transitions;
    box->set_tranNum(transitions);

    for (QObject *child : children)
        viewGraph(child, box);
    if (!children.isEmpty())
        box->reLayoutChildren();

    auto *compound = qobject_cast<QState *>(state);
    if (QAbstractState *initial = compound ? compound->initialState() : nullptr) {
        StateNodeGraphicsItem *initialBox = nullptr;
        for (QGraphicsItem *item : box->childItems()) {
            auto *child = qobject_cast<StateNodeGraphicsItem *>(item->toGraphicsObject());
            if (child && child->getName() == initial->objectName())
                initialBox = child;
        }
        box->setInitialChild(initialBox);
    }
}

void StateChartGraph::addTransitionsToGraph(QObject *object)
{
    if (qobject_cast<QAbstractState *>(object)) {
        for (QObject *child : object->children())
            addTransitionsToGraph(child);
        return;
    }
    auto *transition = qobject_cast<QAbstractTransition *>(object);
    if (!transition)
        return;

    auto *line = new TransitionGraphicsWidget;
    line->set_tname(transition->objectName());
    line->set_actionString(transition->property("action").toString());
    line->set_fullText(transition->property("trigSignal").toString());
    // GuardedSignalTransition has no meta-object of its own.
    if (auto *guarded = dynamic_cast<GuardedSignalTransition *>(transition)) {
        const QObject *guard = guarded->guardObject();
        line->set_guardString((guard ? guard->objectName() : QString()) + QLatin1String("->")
                              + guarded->guardMethodName() + QLatin1String("()"));
    }
    if (QAbstractState *target = transition->targetState()) {
        line->set_targetNode(target->objectName());
        line->setHasTarget(true);
    }
    if (QState *source = transition->sourceState())
        line->set_sourceNode(source->objectName());

    connect(transition, &QAbstractTransition::triggered, line, &TransitionGraphicsWidget::highlight);
    connect(line, &TransitionGraphicsWidget::goToTarget, this, &StateChartGraph::recenterAt);
    connect(line, &TransitionGraphicsWidget::goToTarget, m_pointer, &BigPointerGraphicsWidget::showAt);
    m_transitions.append(line);
}

void StateChartGraph::relayoutTransitions()
{
    for (TransitionGraphicsWidget *line : qAsConst(m_transitions)) {
        if (line->scene() != scene())
            scene()->addItem(line);

        StateNodeGraphicsItem *source = nodeNamed(line->get_sourceNode());
        if (!source)
            continue; // not part of this chart: nothing to attach it to
        const QRectF inner = source->childrenBoundingRect();
        const int base = inner.height() < 10
            ? kPortBaseWithoutChildren
            : int(inner.top() + inner.height() + StateNodeGraphicsItem::kSpacing);
        const int n = source->get_sourceCount();
        const QPointF start = source->mapToScene(0, base + StateNodeGraphicsItem::kSpacing * n);
        line->setStartPoint(start);
        source->set_sourceCount(n + 1);
        line->set_sourceOrder(n + 1);

        StateNodeGraphicsItem *target = line->hasTarget() ? nodeNamed(line->get_targetNode())
                                                          : nullptr;
        line->setTargetBox(target);
        if (target) {
            // Into the right edge, or the left one when the target is above.
            const int m = target->get_destinationCount();
            QPointF end = target->mapToScene(target->width(), kPortTopY);
            if (end.y() < start.y())
                end = target->mapToScene(1, kPortTopY);
            line->setEndPoint(end);
            target->set_destinationCount(m + 1);
            line->set_targetOrder(m + 1);
        } else {
            const QPointF stubEnd = source->mapToScene(kStubLength * source->width(),
                                                       kStubTop + StateNodeGraphicsItem::kSpacing * n);
            line->setEndPoint(QPointF(stubEnd.x(), start.y()));
        }

        QStringList tip{QLatin1String("name: ") + line->get_tname()};
        if (!line->get_fullText().isEmpty())
            tip << QLatin1String("trigger: ") + line->get_fullText();
        if (!line->get_guardString().isEmpty())
            tip << QLatin1String("guard: ") + line->get_guardString();
        if (target)
            tip << QLatin1String("target: ") + line->get_targetNode();
        if (!line->get_actionString().isEmpty())
            tip << QLatin1String("action: ") + line->get_actionString();
        line->setToolTip(tip.join(QLatin1Char('\n')));

        line->determineShape();
        line->update();
    }
}

void StateChartGraph::scaleView(qreal factor)
{
    const qreal unitWidth = transform().scale(factor, factor).mapRect(QRectF(0, 0, 1, 1)).width();
    if (unitWidth < kMinUnitWidth || unitWidth > kMaxUnitWidth)
        return;
    scale(factor, factor);
}

void StateChartGraph::recenterAt(QGraphicsObject *object)
{
    if (!object)
        return;
    centerOn(object->mapToScene(0, 0));
}

void StateChartGraph::followActiveState(StateNodeGraphicsItem *box)
{
    ensureVisible(box, kFollowMargin, kFollowMargin);
}

void StateChartGraph::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers == Qt::ControlModifier) {
        scaleView(std::pow(2.0, delta / kWheelDeltaPerDoubling));
        return;
    }
    QScrollBar *bar = modifiers == Qt::ShiftModifier ? horizontalScrollBar() : verticalScrollBar();
    bar->triggerAction(delta < 0 ? QAbstractSlider::SliderSingleStepAdd
                                 : QAbstractSlider::SliderSingleStepSub);
}

void StateChartGraph::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        scaleView(kZoomStep);
        return;
    case Qt::Key_Minus:
        scaleView(1 / kZoomStep);
        return;
    case Qt::Key_1:
        resetTransform();
        return;
    case Qt::Key_Escape:
        fitInView(kHomeArea, Qt::KeepAspectRatio);
        return;
    case Qt::Key_Enter: // the keypad's
        return;
    case Qt::Key_P:
        if (event->modifiers() & Qt::ControlModifier)
            printGraph();
        return;
    default:
        QGraphicsView::keyPressEvent(event);
    }
}

void StateChartGraph::printGraph()
{
    if (!m_printingEnabled)
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        printTo(&printer);
}

bool StateChartGraph::printTo(QPrinter *printer)
{
    QPainter painter;
    if (!painter.begin(printer)) {
        qWarning("failed to open file, is it writable?");
        qDebug() << "failed to open file, is it writable? " << printer->outputFileName();
        return false;
    }
    qDebug() << "printing " << printer->outputFileName();
    render(&painter, QRectF(), QRect(), Qt::KeepAspectRatio);
    painter.end();
    return true;
}
