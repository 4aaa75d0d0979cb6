#include "statemachine/guardedsignaltransition.h"
#include "statemachine/statemachinebuilder.h"
#include "statemachine/tarnstatemachine.h"

#include <QSignalSpy>
#include <QtTest>

// A manager in miniature: a trigger signal, guards, and the entry, exit and
// action slots that the builder wires by name.
class Machine : public TarnStateMachine
{
    Q_OBJECT
public:
    bool allow = false;
    QStringList calls;

    Machine()
    {
        StateMachineBuilder b(this);
        idle = b.state(this, "idle");
        busy = b.state(this, "busy");
        other = b.state(this, "other");
        setInitialState(idle);
        toBusy = b.transition(idle, busy, "t_allowed", QStringLiteral("this"), this,
                              SIGNAL(poke()), "isAllowed");
        toOther = b.transition(idle, other, "t_refused", QStringLiteral("this"), this,
                               SIGNAL(poke()), "isNotAllowed");
        b.action(toBusy, "a");
        b.action(toBusy, "b");
        back = b.transition(busy, idle, "t_back", QStringLiteral("&timer"), this, SIGNAL(poke()));
        b.transition(other, idle, "t_otherBack", QStringLiteral("this"), this, SIGNAL(poke()));
    }

    QState *idle, *busy, *other;
    QSignalTransition *toBusy, *toOther, *back;

signals:
    void poke();

public slots:
    bool isAllowed() { return allow; }
    bool isNotAllowed() { return !allow; }
    void a() { calls << "a"; }
    void b() { calls << "b"; }
    void idle_onEntry() { calls << "idle+"; }
    void idle_onExit() { calls << "idle-"; }
    void busy_onEntry() { calls << "busy+"; }
    void busy_onExit() { calls << "busy-"; }
    void other_onEntry() { calls << "other+"; }
    void other_onExit() { calls << "other-"; }
};

class Sender : public QObject
{
    Q_OBJECT
signals:
    void fire();
};

class GuardHost : public QObject
{
    Q_OBJECT
public:
    int calls = 0;
public slots:
    bool yes() { ++calls; return true; }
    int notBool() { ++calls; return 1; }
};

namespace {
QStringList g_messages;
void captureMessages(QtMsgType, const QMessageLogContext &, const QString &msg) { g_messages << msg; }
}

class TestStateMachine : public QObject
{
    Q_OBJECT

    // Runs a one-transition machine and reports whether it left its start.
    static bool fires(QSignalTransition *t, Sender &sender)
    {
        TarnStateMachine m;
        auto *from = new QState(&m);
        auto *to = new QState(&m);
        m.setInitialState(from);
        t->setTargetState(to);
        from->addTransition(t);
        m.start();
        QCoreApplication::processEvents();
        emit sender.fire();
        QCoreApplication::processEvents();
        return m.configuration().contains(to);
    }

private slots:
    void runningFlagEmitsOnEveryStartAndStop()
    {
        TarnStateMachine m;
        auto *s = new QState(&m);
        m.setInitialState(s);
        QSignalSpy spy(&m, &TarnStateMachine::isRunningChanged);
        QVERIFY(!m.property("isRunning").toBool());

        m.start();
        QTRY_COMPARE(spy.count(), 1);
        QVERIFY(m.property("isRunning").toBool());
        m.stop();
        QTRY_COMPARE(spy.count(), 2);
        QVERIFY(!m.property("isRunning").toBool());
        m.start();
        QTRY_COMPARE(spy.count(), 3);
        QCOMPARE(spy.at(0).at(0).toBool(), true);
        QCOMPARE(spy.at(1).at(0).toBool(), false);
        QCOMPARE(spy.at(2).at(0).toBool(), true);

        // The slots do not compare with the previous value.
        m.set_isRunningTrue();
        QCOMPARE(spy.count(), 4);
        QCOMPARE(spy.at(3).at(0).toBool(), true);
    }

    void nullGuardObjectActsAsPlainTransition()
    {
        Sender sender;
        auto *t = new GuardedSignalTransition(&sender, SIGNAL(fire()), nullptr, "anything");
        QVERIFY(fires(t, sender));
    }

    void guardIsCalledByName()
    {
        Sender sender;
        GuardHost host;
        auto *t = new GuardedSignalTransition(&sender, SIGNAL(fire()), &host, "yes");
        QCOMPARE(t->guardMethodName(), QStringLiteral("yes"));
        QCOMPARE(t->guardObject(), static_cast<QObject *>(&host));
        QVERIFY(fires(t, sender)); // the transition dies with the machine
        QCOMPARE(host.calls, 1);
    }

    void unknownOrNonBoolGuardNeverFiresAndLogsNothing_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("no such method") << QByteArray("noSuchGuard");
        QTest::newRow("not a bool method") << QByteArray("notBool");
        QTest::newRow("null name") << QByteArray();
    }
    void unknownOrNonBoolGuardNeverFiresAndLogsNothing()
    {
        QFETCH(QByteArray, name);
        Sender sender;
        GuardHost host;
        static QByteArray keep; // the transition keeps only the pointer
        keep = name;
        auto *t = new GuardedSignalTransition(&sender, SIGNAL(fire()), &host,
                                              name.isNull() ? nullptr : keep.constData());
        if (name.isNull())
            QCOMPARE(t->guardMethodName(), QString());
        g_messages.clear();
        QtMessageHandler previous = qInstallMessageHandler(captureMessages);
        const bool fired = fires(t, sender);
        qInstallMessageHandler(previous);
        QVERIFY(!fired);
        QCOMPARE(host.calls, 0);
        QVERIFY2(g_messages.isEmpty(), qPrintable(g_messages.join('\n')));
    }

    void complementaryGuardsSelectExactlyOne_data()
    {
        QTest::addColumn<bool>("allow");
        QTest::addColumn<QString>("target");
        QTest::newRow("guard true") << true << "\"busy\"";
        QTest::newRow("guard false") << false << "\"other\"";
    }
    void complementaryGuardsSelectExactlyOne()
    {
        QFETCH(bool, allow);
        QFETCH(QString, target);
        Machine m;
        m.allow = allow;
        m.start();
        QTRY_VERIFY(m.configuration().contains(m.idle));
        emit m.poke();
        QCoreApplication::processEvents();
        QCOMPARE(m.configuration().size(), 1);
        QCOMPARE((*m.configuration().begin())->objectName(), target);
    }

    void builderFollowsTheConstructionConvention()
    {
        Machine m;
        QCOMPARE(m.idle->objectName(), QStringLiteral("\"idle\""));
        QCOMPARE(m.idle->objectName().size(), 6);
        QCOMPARE(m.toBusy->objectName(), QStringLiteral("t_allowed"));
        QCOMPARE(m.toBusy->property("trigSignal").toString(), QStringLiteral("this::poke()"));
        QCOMPARE(m.back->property("trigSignal").toString(), QStringLiteral("&timer::poke()"));
        QCOMPARE(m.toBusy->property("action").toString(), QStringLiteral("this->a()\nthis->b()\n"));
        QVERIFY(!m.back->property("action").isValid());
        QCOMPARE(m.back->property("action").toString(), QString());
        QVERIFY(dynamic_cast<GuardedSignalTransition *>(m.toBusy));
        QVERIFY(!dynamic_cast<GuardedSignalTransition *>(m.back));
        // No meta-object of its own: the tracer sees the base class.
        QCOMPARE(QString(m.toBusy->metaObject()->className()), QStringLiteral("QSignalTransition"));
        QVERIFY(!m.isRunning()); // the constructor does not start the machine
    }

    // A slot or guard named in a chart that the manager lacks is logged with
    // the machine, the state or transition and the name; a chart whose
    // names all resolve logs nothing.
    void builderNamesWhatDoesNotResolve()
    {
        g_messages.clear();
        QtMessageHandler previous = qInstallMessageHandler(captureMessages);
        {
            Machine fine;
            Machine m;
            m.setObjectName(QStringLiteral("broken"));
            StateMachineBuilder b(&m);
            QState *lost = b.state(&m, "lost");
            QSignalTransition *t = b.transition(m.idle, lost, "t_lost", QStringLiteral("this"), &m,
                                                SIGNAL(poke()), "isAllowd");
            b.action(t, "a");
            b.action(t, "c");
            b.transition(lost, m.idle, "t_count", QStringLiteral("this"), &m, SIGNAL(poke()), "a");
        }
        qInstallMessageHandler(previous);
        const QString prefix = QStringLiteral("StateMachineBuilder: cannot wire Machine \"broken\": ");
        QCOMPARE(g_messages.filter(QStringLiteral("StateMachineBuilder")),
                 (QStringList{prefix + "state \"lost\" has no slot lost_onEntry()",
                              prefix + "state \"lost\" has no slot lost_onExit()",
                              prefix + "transition t_lost has no bool guard isAllowd()",
                              prefix + "transition t_lost has no slot c()",
                              prefix + "transition t_count has no bool guard a()"}));
    }

    void entryExitAndActionsRunInTheFrameworkOrder()
    {
        Machine m;
        m.allow = true;
        m.start();
        QTRY_VERIFY(m.configuration().contains(m.idle));
        m.calls.clear();
        emit m.poke();
        QCoreApplication::processEvents();
        QCOMPARE(m.calls, (QStringList{"idle-", "a", "b", "busy+"}));
    }
};

QTEST_MAIN(TestStateMachine)
#include "tst_statemachine.moc"
