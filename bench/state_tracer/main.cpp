// What the state tracer costs a machine's step. The same two-state ping-pong
// runs on four machines, in turns, in one process:
//   untraced      - no tracer anywhere near it (the floor);
//   beside tracer - untraced, while another machine is traced: what every
//                   machine of a traced run pays for the tracing of others;
//   trace stopped - registered with a tracer whose trace is off;
//   tracing       - registered and logging (to a message handler that drops
//                   the line, so the figure is the tracer's, not the disk's).
// Prints the median time per step of each and its ratio to the floor.
//
//   bench_state_tracer [steps] [rounds]   (defaults 20000 and 15)
#include "statemachine/statetracer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalTransition>
#include <QState>
#include <QStateMachine>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

class PingPong : public QStateMachine
{
    Q_OBJECT
public:
    explicit PingPong(QObject *parent)
        : QStateMachine(parent)
    {
        setObjectName(QStringLiteral("m"));
        auto *enabled = new QState(this);
        enabled->setObjectName(QStringLiteral("\"enabled\""));
        auto *idle = new QState(enabled);
        idle->setObjectName(QStringLiteral("\"idle\""));
        auto *busy = new QState(enabled);
        busy->setObjectName(QStringLiteral("\"busy\""));
        setInitialState(enabled);
        enabled->setInitialState(idle);
        idle->addTransition(this, SIGNAL(poke()), busy)->setObjectName(QStringLiteral("t_go"));
        busy->addTransition(this, SIGNAL(poke()), idle)->setObjectName(QStringLiteral("t_back"));
    }
signals:
    void poke();
};

void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

// Nanoseconds per step over `steps` steps.
double run(PingPong &machine, int steps)
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < steps; ++i) {
        emit machine.poke();
        QCoreApplication::processEvents();
    }
    return double(t.nsecsElapsed()) / steps;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int steps = args.size() > 1 ? args[1].toInt() : 20000;
    const int rounds = args.size() > 2 ? args[2].toInt() : 15;
    if (steps <= 0 || rounds <= 0) {
        std::fprintf(stderr, "usage: bench_state_tracer [steps > 0] [rounds > 0]\n");
        return 2;
    }
    qInstallMessageHandler(dropMessage);

    QObject owner;
    struct Case
    {
        const char *name;
        PingPong *machine;
        std::vector<double> ns;
    };
    std::vector<Case> cases;
    for (const char *name : {"untraced", "beside tracer", "trace stopped", "tracing"})
        cases.push_back({name, new PingPong(&owner), {}});

    PingPong other(&owner);
    std::unique_ptr<StateTracer> otherTracer(StateTracer::traceMachine(&other, StateTracer::Form::Controller));
    StateTracer stopped;
    stopped.registerObject(cases[2].machine);
    std::unique_ptr<StateTracer> tracing(StateTracer::traceMachine(cases[3].machine, StateTracer::Form::Controller));

    other.start();
    for (Case &c : cases)
        c.machine->start();
    QCoreApplication::processEvents();
    for (Case &c : cases) // warm up
        run(*c.machine, steps / 10 + 1);

    for (int r = 0; r < rounds; ++r)
        for (Case &c : cases)
            c.ns.push_back(run(*c.machine, steps));

    const double floor = median(cases[0].ns);
    std::printf("state tracer: %d steps x %d rounds, median per step\n", steps, rounds);
    for (const Case &c : cases)
        std::printf("  %-14s %8.0f ns  x%.3f\n", c.name, median(c.ns), median(c.ns) / floor);
    return 0;
}

#include "main.moc"
