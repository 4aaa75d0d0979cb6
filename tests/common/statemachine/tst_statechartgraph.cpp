#include "statemachine/bigpointergraphicswidget.h"
#include "statemachine/graphicsview.h"
#include "statemachine/guardedsignaltransition.h"
#include "statemachine/statechartgraph.h"
#include "statemachine/statenodegraphicsitem.h"
#include "statemachine/transitiongraphicswidget.h"

#include "coarsetimer.h"
#include "messagecatcher.h"

#include <QApplication>
#include <QFinalState>
#include <QGraphicsSceneMouseEvent>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStateMachine>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

// The machine the chart tests draw:
//
//   m            (initial a)
//   ├ "a"        t_down -> "b", t_stub (no target)
//   └ "b"        (initial c)
//     ├ "c"
//     └ "d"      t_up -> "a" (a state above its source)
class ChartMachine : public QStateMachine
{
    Q_OBJECT
public:
    ChartMachine()
    {
        setObjectName(QStringLiteral("m"));
        a = state(this, "a");
        b = state(this, "b");
        c = state(b, "c");
        d = state(b, "d");
        setInitialState(a);
        b->setInitialState(c);
        down = transition(a, b, "t_down");
        down->setProperty("trigSignal", QStringLiteral("this::poke()"));
        down->setProperty("action", QStringLiteral("this->a()\nthis->b()\n"));
        stub = transition(a, nullptr, "t_stub");
        up = transition(d, a, "t_up");
    }

    static QState *state(QState *parent, const char *name)
    {
        auto *s = new QState(parent);
        s->setObjectName(QLatin1Char('"') + QLatin1String(name) + QLatin1Char('"'));
        return s;
    }
    QSignalTransition *transition(QState *from, QAbstractState *to, const char *name)
    {
        auto *t = new QSignalTransition(this, SIGNAL(poke()));
        t->setTargetState(to);
        from->addTransition(t);
        t->setObjectName(QLatin1String(name));
        return t;
    }

    QState *a, *b, *c, *d;
    QSignalTransition *down, *stub, *up;

signals:
    void poke();
};

namespace {

void drawMachine(StateChartGraph &chart, QObject *machine)
{
    chart.viewGraph(machine);
    chart.addTransitionsToGraph(machine);
    chart.relayoutTransitions();
}

TransitionGraphicsWidget *lineNamed(const StateChartGraph &chart, const QString &name)
{
    for (TransitionGraphicsWidget *t : chart.transitions())
        if (t->get_tname() == name)
            return t;
    return nullptr;
}

QRectF sceneBox(const StateNodeGraphicsItem *box)
{
    return QRectF(box->scenePos(), QSizeF(box->width(), box->height()));
}

} // namespace

class TestStateChartGraph : public QObject
{
    Q_OBJECT

private slots:
    // Each box sized around its substates and ports, placed in its parent.
    void boxesStackTheirSubstates_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRectF>("box");
        // A leaf with two outgoing transitions: 25 + 15 per port + 15.
        QTest::newRow("leaf, two transitions") << "\"a\"" << QRectF(20, 25, 200, 70);
        QTest::newRow("leaf, no transition") << "\"c\"" << QRectF(40, 135, 200, 40);
        QTest::newRow("leaf, one transition") << "\"d\"" << QRectF(40, 190, 200, 55);
        QTest::newRow("compound") << "\"b\"" << QRectF(20, 110, 240, 165);
        QTest::newRow("machine") << "m" << QRectF(0, 0, 280, 305);
    }
    void boxesStackTheirSubstates()
    {
        QFETCH(QString, name);
        QFETCH(QRectF, box);
        ChartMachine machine;
        StateChartGraph chart;
        drawMachine(chart, &machine);
        QCOMPARE(chart.nodes().size(), 5);
        QCOMPARE(sceneBox(chart.nodeNamed(name)), box);
    }

    void initialSubstateIsMarked()
    {
        ChartMachine machine;
        StateChartGraph chart;
        drawMachine(chart, &machine);
        QCOMPARE(chart.nodeNamed("m")->initialChild(), chart.nodeNamed("\"a\""));
        QCOMPARE(chart.nodeNamed("\"b\"")->initialChild(), chart.nodeNamed("\"c\""));
        QCOMPARE(chart.nodeNamed("\"a\"")->initialChild(), nullptr);
    }

    // Ports on the source's left edge, 15 apart, and on the target's right
    // edge, or its left edge when the target lies above.
    void transitionsAttachToPorts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPointF>("start");
        QTest::addColumn<QPointF>("end");
        QTest::addColumn<int>("sourceOrder");
        QTest::addColumn<int>("targetOrder");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QRectF>("lineBounds");
        QTest::newRow("to a box below: right edge")
            << "t_down" << QPointF(20, 60) << QPointF(260, 128) << 1 << 1 << "\"b\""
            << QRectF(19, 57, 251, 74); // out to x = end + 10, back into the right edge
        QTest::newRow("to a box above: left edges")
            << "t_up" << QPointF(40, 225) << QPointF(21, 43) << 1 << 1 << "\"a\""
            << QRectF(11, 40, 30, 186); // up along x = end - 10
        QTest::newRow("no target: stub inside the source")
            << "t_stub" << QPointF(20, 75) << QPointF(152, 75) << 2 << -1 << QString()
            << QRectF(19, 73, 135, 4);
    }
    void transitionsAttachToPorts()
    {
        QFETCH(QString, name);
        QFETCH(QPointF, start);
        QFETCH(QPointF, end);
        QFETCH(int, sourceOrder);
        QFETCH(int, targetOrder);
        QFETCH(QString, target);
        QFETCH(QRectF, lineBounds);
        ChartMachine machine;
        StateChartGraph chart;
        drawMachine(chart, &machine);
        TransitionGraphicsWidget *line = lineNamed(chart, name);
        QVERIFY(line);
        QCOMPARE(line->scene(), chart.scene());
        QCOMPARE(line->startPoint(), start);
        QCOMPARE(line->endPoint(), end);
        QCOMPARE(line->get_sourceOrder(), sourceOrder);
        QCOMPARE(line->get_targetOrder(), targetOrder);
        QCOMPARE(line->targetBox(), target.isEmpty() ? nullptr : chart.nodeNamed(target));
        const QRectF bounds = line->linePath().boundingRect();
        QVERIFY2(qAbs(bounds.left() - lineBounds.left()) < 0.5 && qAbs(bounds.top() - lineBounds.top()) < 0.5
                     && qAbs(bounds.width() - lineBounds.width()) < 0.5
                     && qAbs(bounds.height() - lineBounds.height()) < 0.5,
                 qPrintable(QStringLiteral("%1,%2 %3x%4").arg(bounds.left()).arg(bounds.top())
                                .arg(bounds.width()).arg(bounds.height())));
    }

    // The end marks: an arrowhead whose base lies on the side the line
    // comes from, and a 4-wide square inside the source for a stub.
    void endMarks()
    {
        ChartMachine machine;
        StateChartGraph chart;
        drawMachine(chart, &machine);
        QCOMPARE(lineNamed(chart, "t_down")->marker(),
                 QPolygonF({QPointF(260, 128), QPointF(265, 125), QPointF(265, 131)}));
        QCOMPARE(lineNamed(chart, "t_up")->marker(),
                 QPolygonF({QPointF(21, 43), QPointF(16, 40), QPointF(16, 46)}));
        const QRectF square = lineNamed(chart, "t_stub")->marker().boundingRect();
        QCOMPARE(square, QRectF(150, 73, 4, 4));
        QVERIFY(sceneBox(chart.nodeNamed("\"a\"")).contains(square));
        QCOMPARE(chart.nodeNamed("\"a\"")->get_sourceCount(), 2);
        QCOMPARE(chart.nodeNamed("\"a\"")->get_destinationCount(), 1);
    }

    void toolTipNamesTriggerGuardTargetAndActions()
    {
        QStateMachine machine;
        machine.setObjectName("m");
        QState *s = ChartMachine::state(&machine, "s");
        QState *t = ChartMachine::state(&machine, "t");
        machine.setInitialState(s);
        auto *guarded = new GuardedSignalTransition(&machine, SIGNAL(started()), &machine, "isOk");
        guarded->setTargetState(t);
        s->addTransition(guarded);
        guarded->setObjectName("t_guarded");
        guarded->setProperty("trigSignal", "this::started()");
        guarded->setProperty("action", "this->a()\n");
        auto *unguarded = new GuardedSignalTransition(&machine, SIGNAL(started()), nullptr, "isOk");
        t->addTransition(unguarded);
        unguarded->setObjectName("t_bare");

        StateChartGraph chart;
        drawMachine(chart, &machine);
        QCOMPARE(lineNamed(chart, "t_guarded")->toolTip(),
                 QStringLiteral("name: t_guarded\ntrigger: this::started()\nguard: m->isOk()\n"
                                "target: \"t\"\naction: this->a()\n"));
        QCOMPARE(lineNamed(chart, "t_bare")->get_guardString(), QStringLiteral("->isOk()"));
        QCOMPARE(lineNamed(chart, "t_bare")->toolTip(),
                 QStringLiteral("name: t_bare\nguard: ->isOk()"));
    }

    // Two states of one name: every transition uses the first box.
    void duplicateNamesAttachToTheFirstBox()
    {
        QStateMachine machine;
        machine.setObjectName("m");
        QState *first = ChartMachine::state(&machine, "x");
        QState *second = ChartMachine::state(&machine, "x");
        QState *other = ChartMachine::state(&machine, "o");
        machine.setInitialState(first);
        other->addTransition(&machine, SIGNAL(started()), second)->setObjectName("t_toSecond");
        second->addTransition(&machine, SIGNAL(started()), other)->setObjectName("t_fromSecond");

        StateChartGraph chart;
        drawMachine(chart, &machine);
        StateNodeGraphicsItem *firstBox = chart.nodes().at(1);
        StateNodeGraphicsItem *secondBox = chart.nodes().at(2);
        QCOMPARE(firstBox->getName(), QStringLiteral("\"x\""));
        QCOMPARE(secondBox->getName(), QStringLiteral("\"x\""));
        QCOMPARE(lineNamed(chart, "t_toSecond")->targetBox(), firstBox);
        QCOMPARE(lineNamed(chart, "t_fromSecond")->startPoint(), firstBox->mapToScene(0, 35));
        QCOMPARE(firstBox->get_sourceCount(), 1);
        QCOMPARE(firstBox->get_destinationCount(), 1);
        QCOMPARE(secondBox->get_sourceCount(), 0);
        QCOMPARE(secondBox->get_destinationCount(), 0);
        // Both boxes still light up with their own state.
        machine.start();
        QTRY_VERIFY(firstBox->get_active());
        QVERIFY(!secondBox->get_active());
    }

    // A box is red while its state is active; a line for 333 ms after it
    // fires.
    void boxesAndLinesLightUpWhileTheMachineRuns()
    {
        ChartMachine machine;
        StateChartGraph chart;
        drawMachine(chart, &machine);
        StateNodeGraphicsItem *a = chart.nodeNamed("\"a\"");
        QSignalSpy follow(a, &StateNodeGraphicsItem::followMe);
        machine.start();
        QTRY_VERIFY(a->get_active());
        QCOMPARE(follow.count(), 1);
        QCOMPARE(follow.at(0).at(0).value<StateNodeGraphicsItem *>(), a);

        TransitionGraphicsWidget *down = lineNamed(chart, "t_down");
        QVERIFY(!down->isHighlighted());
        QElapsedTimer clock;
        clock.start();
        emit machine.poke();
        QTRY_VERIFY(chart.nodeNamed("\"c\"")->get_active());
        QVERIFY(!a->get_active());
        QVERIFY(chart.nodeNamed("\"b\"")->get_active());
        QVERIFY(down->isHighlighted());
        QTRY_VERIFY(!down->isHighlighted());
        QVERIFY2(clock.elapsed() >= coarseTimerFloor(TransitionGraphicsWidget::kHighlightMs),
                 qPrintable(QString::number(clock.elapsed())));
    }

    // Box setters report every call; transition setters only a change.
    void setterSignals()
    {
        StateNodeGraphicsItem box;
        QSignalSpy active(&box, &StateNodeGraphicsItem::activeChanged);
        QSignalSpy ports(&box, &StateNodeGraphicsItem::sourceCountChanged);
        box.set_active(false);
        box.set_active(false);
        box.set_sourceCount(0);
        QCOMPARE(active.count(), 2);
        QCOMPARE(ports.count(), 1);

        TransitionGraphicsWidget line;
        QSignalSpy name(&line, &TransitionGraphicsWidget::tnameChanged);
        QSignalSpy order(&line, &TransitionGraphicsWidget::sourceOrderChanged);
        line.set_tname("t");
        line.set_tname("t");
        line.set_sourceOrder(-1);
        QCOMPARE(name.count(), 1);
        QCOMPARE(order.count(), 0);
    }

    // Ctrl+click recentres on the target and points at it for a while; a
    // plain click outlines the line until the button is released.
    void clickingALine()
    {
        ChartMachine machine;
        StateChartGraph chart;
        chart.resize(300, 200);
        drawMachine(chart, &machine);
        chart.setSceneRect(-1000, -1000, 3000, 3000); // room to centre anything
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        TransitionGraphicsWidget *up = lineNamed(chart, "t_up");
        StateNodeGraphicsItem *a = chart.nodeNamed("\"a\"");
        QSignalSpy goTo(up, &TransitionGraphicsWidget::goToTarget);

        auto press = [&](Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
            QGraphicsSceneMouseEvent event(QEvent::GraphicsSceneMousePress);
            event.setButton(button);
            event.setModifiers(modifiers);
            chart.scene()->sendEvent(up, &event);
        };
        press(Qt::LeftButton, Qt::NoModifier);
        QVERIFY(up->get_outlined());
        QGraphicsSceneMouseEvent release(QEvent::GraphicsSceneMouseRelease);
        chart.scene()->sendEvent(up, &release);
        QVERIFY(!up->get_outlined());
        QCOMPARE(goTo.count(), 0);

        QElapsedTimer clock;
        clock.start();
        press(Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(goTo.count(), 1);
        QCOMPARE(goTo.at(0).at(0).value<QGraphicsObject *>(), a);
        QVERIFY(up->isHighlighted());
        BigPointerGraphicsWidget *pointer = chart.pointer();
        QVERIFY(pointer->isVisible());
        QCOMPARE(pointer->scenePos(), a->scenePos());
        QCOMPARE(pointer->zValue(), 1000.0);
        const QPointF centre = chart.mapToScene(chart.viewport()->rect().center());
        QVERIFY2(QLineF(centre, a->scenePos()).length() < 2,
                 qPrintable(QStringLiteral("%1,%2").arg(centre.x()).arg(centre.y())));
        QTRY_VERIFY_WITH_TIMEOUT(!pointer->isVisible(), 5000);
        QVERIFY2(clock.elapsed() >= coarseTimerFloor(BigPointerGraphicsWidget::kShowMs),
                 qPrintable(QString::number(clock.elapsed())));

        // A stub has no target: the view and the pointer stay put.
        pointer->showAt(nullptr);
        chart.recenterAt(nullptr);
        QVERIFY(!pointer->isVisible());
    }

    // Keys and Ctrl+wheel zoom, within unit-square widths of 0.07 to 100.
    void zoom_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<double>("scale");
        QTest::newRow("+") << "+" << 1.2;
        QTest::newRow("=") << "=" << 1.2;
        QTest::newRow("-") << "-" << 1 / 1.2;
        QTest::newRow("1 resets") << "++-+1" << 1.0;
        QTest::newRow("ctrl wheel up") << "w120" << std::pow(2.0, 120 / 500.0);
        QTest::newRow("ctrl wheel down") << "w-250" << std::pow(2.0, -0.5);
        QTest::newRow("wheel past the top is refused") << "w5000" << 1.0;
        QTest::newRow("wheel past the bottom is refused") << "w-2000" << 1.0;
        // 1.2^25 = 95.4 is the last step below 100; 1.2^-14 = 0.078 above 0.07.
        QTest::newRow("keys stop below 100") << QString(40, '+') << std::pow(1.2, 25);
        QTest::newRow("keys stop above 0.07") << QString(40, '-') << std::pow(1.2, -14);
    }
    void zoom()
    {
        QFETCH(QString, input);
        QFETCH(double, scale);
        StateChartGraph chart;
        chart.resize(200, 200);
        if (input.startsWith('w')) {
            const int delta = input.mid(1).toInt();
            QWheelEvent wheel(QPointF(50, 50), chart.mapToGlobal(QPoint(50, 50)), QPoint(),
                              QPoint(0, delta), Qt::NoButton, Qt::ControlModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(chart.viewport(), &wheel);
        } else {
            for (QChar key : input)
                QTest::keyClick(&chart, key.toLatin1());
        }
        QVERIFY2(qAbs(chart.transform().m11() - scale) < 1e-6,
                 qPrintable(QString::number(chart.transform().m11())));
        QCOMPARE(chart.transform().m22(), chart.transform().m11());
    }

    void wheelScrollsAndEscapeFits()
    {
        ChartMachine machine;
        StateChartGraph chart;
        chart.resize(120, 120);
        drawMachine(chart, &machine);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        QScrollBar *v = chart.verticalScrollBar();
        QScrollBar *h = chart.horizontalScrollBar();
        v->setValue(v->minimum());
        h->setValue(h->minimum());
        auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
            QWheelEvent e(QPointF(50, 50), chart.mapToGlobal(QPoint(50, 50)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(chart.viewport(), &e);
        };
        wheel(-120, Qt::NoModifier);
        QCOMPARE(v->value(), v->minimum() + v->singleStep());
        wheel(120, Qt::NoModifier);
        QCOMPARE(v->value(), v->minimum());
        wheel(-120, Qt::ShiftModifier);
        QCOMPARE(h->value(), h->minimum() + h->singleStep());
        QCOMPARE(v->value(), v->minimum());
        QCOMPARE(chart.transform().m11(), 1.0);

        // Escape shows the chart's usual area whole, as large as it fits.
        QTest::keyClick(&chart, Qt::Key_Escape);
        const QRectF area = chart.mapFromScene(QRectF(-70, -45, 580, 395)).boundingRect();
        const QRect port = chart.viewport()->rect();
        QVERIFY(area.width() <= port.width() + 1 && area.height() <= port.height() + 1);
        QVERIFY(area.width() >= port.width() - 6);
    }

    // The update utility prints the chart (Ctrl+P); the controller does not.
    void printing()
    {
        ChartMachine machine;
        StateChartGraph chart;
        drawMachine(chart, &machine);
        QTemporaryDir dir;
        MessageCatcher log;

        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("chart.pdf"));
        QVERIFY(chart.printTo(&printer));
        QVERIFY(QFileInfo(dir.filePath("chart.pdf")).size() > 0);
        QVERIFY(log.messages().contains("printing  \"" + dir.filePath("chart.pdf") + "\""));

        QPrinter unwritable;
        unwritable.setOutputFormat(QPrinter::PdfFormat);
        unwritable.setOutputFileName(dir.filePath("missing/chart.pdf"));
        QVERIFY(!chart.printTo(&unwritable));
        QVERIFY(log.warnings().contains("failed to open file, is it writable?"));

        // Ctrl+P opens the dialog only where printing is on; a cancelled
        // dialog prints and logs nothing.
        auto printLines = [&] {
            int n = 0;
            for (const QString &line : log.messages())
                n += line.startsWith("printing") || line.startsWith("failed to open");
            return n;
        };
        const int linesBefore = printLines();
        int dialogs = 0;
        QTimer cancel;
        QObject::connect(&cancel, &QTimer::timeout, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                ++dialogs;
                QMetaObject::invokeMethod(modal, "reject");
            }
        });
        cancel.start(20);
        QTest::keyClick(&chart, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(dialogs, 0);
        chart.setPrintingEnabled(true);
        QTest::keyClick(&chart, Qt::Key_P, Qt::NoModifier);
        QCOMPARE(dialogs, 0);
        QTest::keyClick(&chart, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(dialogs, 1);
        QCOMPARE(printLines(), linesBefore);
    }

    // Two fingers zoom by their spread; the scale carries over to the next
    // pinch. Other touches do not zoom.
    void pinchZoom()
    {
        GraphicsView view;
        view.setScene(new QGraphicsScene(&view));
        view.scene()->addRect(0, 0, 1000, 1000);
        view.resize(400, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTouchDevice *device = QTest::createTouchDevice();
        QWidget *port = view.viewport();

        QTest::touchEvent(port, device).press(0, QPoint(100, 200), port).press(1, QPoint(200, 200), port);
        QCOMPARE(view.transform().m11(), 1.0);
        QTest::touchEvent(port, device).move(0, QPoint(50, 200), port).move(1, QPoint(250, 200), port);
        QCOMPARE(view.transform().m11(), 2.0);
        QCOMPARE(view.totalScaleFactor(), 1.0);
        QTest::touchEvent(port, device).release(0, QPoint(50, 200), port).release(1, QPoint(250, 200), port);
        QCOMPARE(view.totalScaleFactor(), 2.0);
        QCOMPARE(view.transform().m11(), 2.0);

        QTest::touchEvent(port, device).press(0, QPoint(100, 100), port).press(1, QPoint(300, 100), port);
        QTest::touchEvent(port, device).move(0, QPoint(150, 100), port).move(1, QPoint(250, 100), port);
        QCOMPARE(view.transform().m11(), 1.0); // 2 x half the spread
        QTest::touchEvent(port, device).release(0, QPoint(150, 100), port).release(1, QPoint(250, 100), port);
        QCOMPARE(view.totalScaleFactor(), 1.0);

        // One finger, or two that came down on one spot, leave the scale.
        QTest::touchEvent(port, device).press(0, QPoint(100, 100), port);
        QTest::touchEvent(port, device).move(0, QPoint(200, 300), port);
        QTest::touchEvent(port, device).release(0, QPoint(200, 300), port);
        QTest::touchEvent(port, device).press(0, QPoint(100, 100), port).press(1, QPoint(100, 100), port);
        QTest::touchEvent(port, device).move(0, QPoint(50, 100), port).move(1, QPoint(150, 100), port);
        QTest::touchEvent(port, device).release(0, QPoint(50, 100), port).release(1, QPoint(150, 100), port);
        QCOMPARE(view.transform().m11(), 1.0);
        QCOMPARE(view.totalScaleFactor(), 1.0);
    }
};

QTEST_MAIN(TestStateChartGraph)
#include "tst_statechartgraph.moc"
