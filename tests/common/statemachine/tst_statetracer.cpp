#include "statemachine/statechartgraph.h"
#include "statemachine/statetracer.h"
#include "statemachine/statetreeitem.h"
#include "statemachine/tarnstatemachine.h"

#include "canbus/canbusmanager.h"
#include "canbus/canthread.h"
#include "platform/kivclock.h"

#include "messagecatcher.h"
#include "temproot.h"

#include <QFinalState>
#include <QSignalTransition>
#include <QSplitter>
#include <QThread>
#include <QTreeWidget>
#include <QtTest>

// A traced machine in miniature, with properties of every kind the
// property list tells apart:
//
//   m
//   ├ "enabled"   (initial "idle")          t_finish -> "done"
//   │ ├ "idle"    t_go -> "busy", t_ping (no target)
//   │ └ "busy"    t_back -> "idle"
//   └ "done"      (final)
class Traced : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(int level MEMBER m_level NOTIFY levelChanged)
    Q_PROPERTY(uint total MEMBER m_total NOTIFY totalChanged)
    Q_PROPERTY(bool ready MEMBER m_ready NOTIFY readyChanged)
    Q_PROPERTY(QString label MEMBER m_label NOTIFY labelChanged)
    Q_PROPERTY(QTime stamp MEMBER m_stamp NOTIFY stampChanged)
    Q_PROPERTY(double ratio MEMBER m_ratio NOTIFY ratioChanged)
    Q_PROPERTY(int odd MEMBER m_odd NOTIFY oddUpdated)
    Q_PROPERTY(int bare MEMBER m_bare NOTIFY bareChanged)

public:
    explicit Traced(QObject *parent = nullptr)
        : TarnStateMachine(parent)
    {
        setObjectName(QStringLiteral("m"));
        enabled = state(this, "enabled");
        idle = state(enabled, "idle");
        busy = state(enabled, "busy");
        auto *done = new QFinalState(this);
        done->setObjectName(QStringLiteral("\"done\""));
        setInitialState(enabled);
        enabled->setInitialState(idle);
        transition(idle, busy, "t_go", SIGNAL(poke()));
        transition(idle, nullptr, "t_ping", SIGNAL(ping()));
        transition(busy, idle, "t_back", SIGNAL(poke()));
        transition(enabled, done, "t_finish", SIGNAL(finish()));
    }

    QState *enabled, *idle, *busy;
    int m_level = 3;
    uint m_total = 7;
    bool m_ready = true;
    QString m_label = QStringLiteral("hi");
    QTime m_stamp = QTime(1, 2, 3, 4);
    double m_ratio = 0.5;
    int m_odd = 1;
    int m_bare = 2;

signals:
    void poke();
    void ping();
    void finish();
    void levelChanged(int);
    void totalChanged(uint);
    void readyChanged(bool);
    void labelChanged(QString);
    void stampChanged(QTime);
    void ratioChanged(double);
    void oddUpdated(int);
    void bareChanged();

private:
    static QState *state(QState *parent, const char *name)
    {
        auto *s = new QState(parent);
        s->setObjectName(QLatin1Char('"') + QLatin1String(name) + QLatin1Char('"'));
        return s;
    }
    void transition(QState *from, QAbstractState *to, const char *name, const char *signal)
    {
        auto *t = new QSignalTransition(this, signal);
        t->setTargetState(to);
        from->addTransition(t);
        t->setObjectName(QLatin1String(name));
    }
};

namespace {

// Noon and a bit, local time: every trace line carries "12:04:05:017".
const QString kTime = QStringLiteral("12:04:05:017");

void freezeTheClock()
{
    KivClock::freezeAt(QDateTime(QDate(2024, 5, 6), QTime(12, 4, 5, 17)).toMSecsSinceEpoch());
}

// The tracer's lines among everything logged, as the log shows them.
QStringList traceLines(const MessageCatcher &log)
{
    QStringList lines;
    static const QRegularExpression line(QStringLiteral("^\"\\d\\d:\\d\\d:\\d\\d:\\d\\d\\d - "));
    for (const QString &message : log.messages())
        if (line.match(message).hasMatch())
            lines << message;
    return lines;
}

QStringList quoted(const QStringList &lines)
{
    QStringList out;
    for (const QString &l : lines)
        out << QLatin1Char('"') + kTime + QLatin1String(" - ") + l + QLatin1Char('"');
    return out;
}

// Starts the machine and walks it: idle -> busy, a ping that changes
// nothing, then out of "enabled" into the final state.
void runTheMachine(Traced &m)
{
    m.start();
    QTRY_VERIFY(m.isRunning());
    emit m.poke();
    QTRY_VERIFY(m.configuration().contains(m.busy));
    emit m.finish();
    QTRY_VERIFY(!m.isRunning());
}

StateTreeItem *row(QTreeWidgetItem *item)
{
    return dynamic_cast<StateTreeItem *>(item);
}

// The first state-tree row with that name, depth first.
StateTreeItem *findRow(QTreeWidget *tree, const QString &name)
{
    const QList<QTreeWidgetItem *> found = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : row(found.first());
}

// The controller's bus manager on a virtual bus of its own, named "cbm"
// under an owner without a name.
struct BusManager
{
    BusManager()
    {
        qputenv("KIV_CAN", "virtual");
        qputenv("KIV_VCAN_DIR", QFile::encodeName(root.filePath("/run/vcan/can0")));
        cbm = new CanbusManager(&thread, 1, &unnamedOwner);
        cbm->setObjectName(QStringLiteral("cbm"));
    }
    ~BusManager()
    {
        qunsetenv("KIV_CAN");
        qunsetenv("KIV_VCAN_DIR");
    }
    TempRoot root;
    CanThread thread;
    QObject unnamedOwner;
    CanbusManager *cbm;
};

} // namespace

class TestStateTracer : public QObject
{
    Q_OBJECT

private slots:
    void init() { freezeTheClock(); }
    void cleanup() { KivClock::useSystemClock(); }

    // One line per entry, exit and transition, in the framework's order,
    // each one debug message that the log shows in double quotes.
    void logLines_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<bool>("ancestry");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("controller, with ancestry")
            << int(StateTracer::Form::Controller) << true
            << quoted({"Entered   : .m.enabled", "Entered   : .m.enabled.idle",
                       "Exited    : .m.enabled.idle", "Triggered : .m.enabled.idle.t_go",
                       "Entered   : .m.enabled.busy", "Exited    : .m.enabled.busy",
                       "Exited    : .m.enabled", "Triggered : .m.enabled.t_finish"});
        QTest::newRow("controller, bare names")
            << int(StateTracer::Form::Controller) << false
            << quoted({"Entered   : enabled", "Entered   : idle", "Exited    : idle",
                       "Triggered : t_go", "Entered   : busy", "Exited    : busy",
                       "Exited    : enabled", "Triggered : t_finish"});
        QTest::newRow("update utility: entries and transitions")
            << int(StateTracer::Form::UpdateUtility) << true
            << quoted({"Entered : .m.enabled", "Entered : .m.enabled.idle",
                       "Triggered : .m.enabled.idle.t_go", "Entered : .m.enabled.busy",
                       "Triggered : .m.enabled.t_finish"});
    }
    void logLines()
    {
        QFETCH(int, form);
        QFETCH(bool, ancestry);
        QFETCH(QStringList, expected);
        QObject unnamedOwner;
        auto *m = new Traced(&unnamedOwner);
        StateTracer tracer(nullptr, StateTracer::Form(form));
        tracer.registerObject(m);
        tracer.setNameAncestry(ancestry);
        tracer.startTrace();
        MessageCatcher log;
        runTheMachine(*m);
        // The final state and the targetless ping leave no line.
        QCOMPARE(traceLines(log), expected);
    }

    // The example of the bus manager as the controller runs it.
    void busManagerTrace()
    {
        BusManager bus;
        CanbusManager *cbm = bus.cbm;
        std::unique_ptr<StateTracer> tracer(StateTracer::traceMachine(cbm, StateTracer::Form::Controller));
        MessageCatcher log;
        cbm->start();
        QTRY_VERIFY(cbm->isRunning());
        emit cbm->canRequestEnqueued();
        QTRY_VERIFY(traceLines(log).size() >= 5);
        const QStringList lines = traceLines(log).mid(0, 4);
        QCOMPARE(lines, quoted({"Entered   : .cbm.enabled", "Entered   : .cbm.enabled.idle",
                                "Exited    : .cbm.enabled.idle",
                                "Triggered : .cbm.enabled.idle.t_msgEnqueued"}));
        // The tree row counts every entry.
        StateTreeItem *idle = findRow(tracer->stateTree(), "\"idle\"");
        QVERIFY(idle);
        QCOMPARE(idle->text(StateTreeItem::TypeColumn), QStringLiteral("State"));
        QTRY_COMPARE(idle->count(), traceLines(log).count(quoted({"Entered   : .cbm.enabled.idle"}).first()));
        QVERIFY(idle->count() >= 1);
    }

    // Registering twice logs every event twice; deregistering removes all
    // of it; a stopped trace logs nothing while the rows keep counting.
    void registrationAndTheTraceSwitch()
    {
        QObject owner;
        auto *m = new Traced(&owner);
        StateTracer tracer;
        tracer.viewObject(m);
        tracer.registerObject(m);
        tracer.registerObject(m);
        tracer.registerObject(nullptr);
        tracer.startTrace();
        {
            MessageCatcher log;
            m->start();
            QTRY_VERIFY(m->isRunning());
            QCOMPARE(traceLines(log), quoted({"Entered   : .m.enabled", "Entered   : .m.enabled",
                                              "Entered   : .m.enabled.idle",
                                              "Entered   : .m.enabled.idle"}));
        }
        {
            MessageCatcher log;
            tracer.deregisterObject(m);
            emit m->poke();
            QTRY_VERIFY(m->configuration().contains(m->busy));
            QVERIFY(traceLines(log).isEmpty());
        }
        {
            MessageCatcher log;
            tracer.registerObject(m);
            tracer.stopTrace();
            emit m->poke();
            QTRY_VERIFY(m->configuration().contains(m->idle));
            QVERIFY(traceLines(log).isEmpty());
            QCOMPARE(findRow(tracer.stateTree(), "\"idle\"")->count(), 2);
            tracer.startTrace();
            emit m->poke();
            QTRY_COMPARE(traceLines(log), quoted({"Exited    : .m.enabled.idle",
                                                  "Triggered : .m.enabled.idle.t_go",
                                                  "Entered   : .m.enabled.busy"}));
        }
    }

    // The logging slots for hand-made connections take only their kind of
    // sender.
    void loggingSlotsCheckTheirSender()
    {
        Traced m;
        StateTracer tracer;
        tracer.setNameAncestry(false);
        tracer.startTrace();
        QObject::connect(m.idle, &QState::entered, &tracer, &StateTracer::logTransitionTrigger);
        QObject::connect(m.idle, &QState::entered, &tracer, &StateTracer::logStateEntered);
        QObject::connect(m.idle, &QState::exited, &tracer, &StateTracer::logTrace);
        QObject::connect(m.findChild<QSignalTransition *>("t_go"), &QSignalTransition::triggered,
                         &tracer, &StateTracer::logStateExited);
        MessageCatcher log;
        m.start();
        QTRY_VERIFY(m.isRunning());
        emit m.poke();
        QTRY_VERIFY(m.configuration().contains(m.busy));
        tracer.logStateEntered(); // no sender at all
        QCOMPARE(traceLines(log), quoted({"Entered   : idle", "Entered : idle"}));
    }

    // A machine in a worker thread logs from that thread; its rows are
    // updated in the tracer's thread.
    void machineInAWorkerThread()
    {
        auto *m = new Traced;
        StateTracer *tracer = StateTracer::traceMachine(m, StateTracer::Form::Controller);
        QThread worker;
        m->moveToThread(&worker);
        worker.start();
        MessageCatcher log;
        QMetaObject::invokeMethod(m, "start", Qt::QueuedConnection);
        // Running is set before the initial states are entered, and a poke
        // sent before idle is entered is lost: wait for idle's entry line.
        QTRY_COMPARE(traceLines(log).size(), 2);
        emit m->poke();
        QTRY_COMPARE(traceLines(log).size(), 5);
        QCOMPARE(traceLines(log).last(), quoted({"Entered   : m.enabled.busy"}).first());
        QTRY_COMPARE(findRow(tracer->stateTree(), "\"busy\"")->count(), 1);
        QMetaObject::invokeMethod(m, "stop", Qt::BlockingQueuedConnection);
        worker.quit();
        QVERIFY(worker.wait(5000));
        delete tracer;
        delete m;
    }

    // The tree: one row per state and transition, nested as in the
    // machine; rows turn red and count as they fire.
    void stateTree()
    {
        Traced m;
        std::unique_ptr<StateTracer> tracer(StateTracer::traceMachine(&m, StateTracer::Form::Controller));
        QTreeWidget *tree = tracer->stateTree();
        const QStringList header{"Name", "Type", "Target", "Last time", "Count"};
        for (int c = 0; c < header.size(); ++c)
            QCOMPARE(tree->headerItem()->text(c), header.at(c));

        auto shape = [](QTreeWidgetItem *item, auto &&self) -> QString {
            QString text = item->text(0) + '/' + item->text(1) + '/' + item->text(2);
            QStringList children;
            for (int i = 0; i < item->childCount(); ++i)
                children << self(item->child(i), self);
            return children.isEmpty() ? text : text + " {" + children.join(", ") + '}';
        };
        QCOMPARE(tree->topLevelItemCount(), 1);
        QCOMPARE(shape(tree->topLevelItem(0), shape),
                 QStringLiteral("m/State/ {\"enabled\"/State/ {\"idle\"/State/ {t_go/Transition/\"busy\", "
                                "t_ping/Transition/}, \"busy\"/State/ {t_back/Transition/\"idle\"}, "
                                "t_finish/Transition/\"done\"}, \"done\"/State/}"));
        QVERIFY(tree->topLevelItem(0)->isExpanded());
        QVERIFY(findRow(tree, "\"enabled\"")->isExpanded());

        StateTreeItem *idle = findRow(tree, "\"idle\"");
        StateTreeItem *busy = findRow(tree, "\"busy\"");
        StateTreeItem *go = findRow(tree, "t_go");
        m.start();
        QTRY_COMPARE(idle->count(), 1);
        QCOMPARE(idle->foreground(0).color(), QColor(Qt::red));
        QCOMPARE(idle->text(StateTreeItem::LastTimeColumn), kTime);
        QCOMPARE(idle->text(StateTreeItem::CountColumn), QStringLiteral("1"));
        QCOMPARE(busy->count(), 0);
        QCOMPARE(busy->text(StateTreeItem::CountColumn), QString());

        emit m.poke();
        QTRY_COMPARE(busy->count(), 1);
        QCOMPARE(idle->foreground(0).color(), QColor(Qt::black));
        QCOMPARE(go->count(), 1);
        QCOMPARE(go->foreground(0).color(), QColor(Qt::red));
        QTRY_COMPARE(go->foreground(0).color(), QColor(Qt::black));
        // A state's row goes back to black when its time is up, even while
        // the state stays active.
        QTRY_COMPARE(busy->foreground(0).color(), QColor(Qt::black));
        QVERIFY(m.configuration().contains(m.busy));

        emit m.poke();
        QTRY_COMPARE(idle->count(), 2);
        QCOMPARE(idle->text(StateTreeItem::CountColumn), QStringLiteral("2"));
    }

    // The property list: a row for each property with a "<name>Changed(<type>)"
    // signal, live values for the five types a row shows.
    void propertyList()
    {
        Traced m;
        MessageCatcher log;
        StateTracer tracer;
        tracer.viewObject(&m);
        QTreeWidget *list = tracer.propertyList();
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("Property"));
        QCOMPARE(list->headerItem()->text(1), QStringLiteral("Type"));
        QCOMPARE(list->headerItem()->text(2), QStringLiteral("Value"));

        // The machine's own rows come first, inherited properties first;
        // the framework's properties whose signals carry no value are left out.
        QStringList rows;
        for (int i = 0; i < 10; ++i) {
            QTreeWidgetItem *item = list->topLevelItem(i);
            rows << item->text(0) + '|' + item->text(1) + '|' + item->text(2);
        }
        QCOMPARE(rows, (QStringList{"objectName|QString|m", "active|bool|false", "running|bool|false",
                                    "isRunning|bool|false", "level|int|3", "total|uint|7",
                                    "ready|bool|true", "label|QString|hi",
                                    "stamp|QTime|01:02:03:004", "ratio|double|"}));
        QVERIFY(list->findItems("odd", Qt::MatchExactly).isEmpty());
        QVERIFY(list->findItems("bare", Qt::MatchExactly).isEmpty());
        QVERIFY(log.messages().contains("int\tm::level,levelChanged(int)"));

        // Then each state's and transition's own.
        QCOMPARE(list->topLevelItem(10)->text(0), QStringLiteral("objectName"));
        QCOMPARE(list->topLevelItem(10)->text(2), QStringLiteral("\"enabled\""));
        QCOMPARE(list->topLevelItem(11)->text(0), QStringLiteral("active"));

        // Values follow; a property row is never highlighted.
        m.setProperty("level", 5);
        emit m.stampChanged(QTime(23, 59, 59, 999));
        m.start();
        QTRY_COMPARE(list->topLevelItem(3)->text(2), QStringLiteral("true"));
        QCOMPARE(list->topLevelItem(11)->text(2), QStringLiteral("true")); // "enabled" active
        QCOMPARE(list->topLevelItem(4)->text(2), QStringLiteral("5"));
        QCOMPARE(list->topLevelItem(8)->text(2), QStringLiteral("23:59:59:999"));
        QCOMPARE(row(list->topLevelItem(4))->count(), 0);
        QCOMPARE(list->topLevelItem(4)->foreground(0), QBrush());
    }

    // The composition roots' part: machines found by name, in the order of
    // the names, and one hidden, started tracer for each.
    void tracersForNamedMachines()
    {
        QObject root;
        auto *cbm = new Traced(&root);
        cbm->setObjectName("cbm");
        QObject holder(&root);
        auto *tray = new Traced(&holder);
        tray->setObjectName("tbsc3");
        auto *other = new Traced(&root);
        other->setObjectName("tbsc4");
        auto *secondTray = new Traced(other);
        secondTray->setObjectName("tbsc3");

        QCOMPARE(StateTracer::findMachines(&root, {"tbsc3", "cbm", "nosuch"}),
                 (QList<QStateMachine *>{tray, secondTray, cbm}));
        QVERIFY(StateTracer::findMachines(&root, {"nosuch"}).isEmpty());
        QVERIFY(StateTracer::findMachines(nullptr, {"cbm"}).isEmpty());

        for (StateTracer::Form form : {StateTracer::Form::Controller, StateTracer::Form::UpdateUtility}) {
            std::unique_ptr<StateTracer> tracer(StateTracer::traceMachine(tray, form));
            QVERIFY(tracer->isTracing());
            QVERIFY(!tracer->window()->isVisible());
            QCOMPARE(tracer->window()->windowTitle(), QStringLiteral("tbsc3"));
            QCOMPARE(tracer->stateTree()->topLevelItem(0)->text(0), QStringLiteral("tbsc3"));
            QVERIFY(tracer->chart()->nodes().isEmpty()); // the chart is drawn on request only
            QCOMPARE(tracer->form(), form);
        }
    }

    // The window: property list above the tree, chart to the right;
    // toggling shows it with the trace on and hides it with the trace off.
    void windowAndToggle()
    {
        Traced m;
        StateTracer tracer;
        auto *window = qobject_cast<QSplitter *>(tracer.window());
        QVERIFY(window);
        QCOMPARE(window->orientation(), Qt::Horizontal);
        auto *trees = qobject_cast<QSplitter *>(window->widget(0));
        QVERIFY(trees);
        QCOMPARE(trees->orientation(), Qt::Vertical);
        QCOMPARE(trees->widget(0), tracer.propertyList());
        QCOMPARE(trees->widget(1), tracer.stateTree());
        QCOMPARE(window->widget(1), tracer.chart());
        for (QTreeWidget *tree : {tracer.propertyList(), tracer.stateTree()}) {
            QVERIFY(tree->alternatingRowColors());
            QVERIFY(tree->isAnimated());
            QCOMPARE(tree->minimumHeight(), 100);
        }

        tracer.toggleTraceView();
        QVERIFY(window->isVisible());
        QVERIFY(tracer.isTracing());
        tracer.toggleTraceView();
        QVERIFY(!window->isVisible());
        QVERIFY(!tracer.isTracing());

        tracer.viewGraph(&m);
        QCOMPARE(tracer.chart()->nodes().size(), 5); // m, enabled, idle, busy, done
        QCOMPARE(tracer.chart()->transitions().size(), 4);
        QVERIFY(!tracer.chart()->isHidden());
    }

    // The window with the bus manager drawn, for people to look at.
    void screenshots()
    {
        BusManager bus;
        CanbusManager *cbm = bus.cbm;
        std::unique_ptr<StateTracer> tracer(StateTracer::traceMachine(cbm, StateTracer::Form::Controller));
        tracer->viewGraph(cbm);
        cbm->start();
        QTRY_VERIFY(cbm->isRunning());
        tracer->showView();
        QDir().mkpath(QStringLiteral(KIV_SCREENSHOT_DIR));
        for (const QSize &size : {QSize(1280, 800), QSize(800, 1280)}) {
            tracer->window()->resize(size);
            QVERIFY(QTest::qWaitForWindowExposed(tracer->window()));
            QCoreApplication::processEvents();
            const QPixmap shot = tracer->window()->grab();
            QCOMPARE(shot.size(), size);
            const QString name = size.width() > size.height() ? "tracer-landscape" : "tracer-portrait";
            QVERIFY(shot.save(QStringLiteral(KIV_SCREENSHOT_DIR "/") + name + ".png"));
        }
    }
};

QTEST_MAIN(TestStateTracer)
#include "tst_statetracer.moc"
