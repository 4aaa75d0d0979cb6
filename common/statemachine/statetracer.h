#pragma once

#include <QHash>
#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QVector>

#include <atomic>
#include <memory>

class QSplitter;
class QStateMachine;
class QTreeWidget;
class StateChartGraph;
class StateTreeItem;

// The diagnostic companion of the state machines. A registered machine
// writes one log line per state entry, state exit and transition taken,
// with the time of day and the dotted path of the state or transition:
//
//     "12:04:05:017 - Entered   : .cbm.enabled.idle"
//     "12:04:05:020 - Triggered : .cbm.enabled.idle.t_msgEnqueued"
//
// Its window (built hidden) holds the machine's properties with their live
// values, the tree of its states and transitions, whose rows turn red and
// count as they fire, and the chart view, filled on request.
//
// Tracers exist only for the machines named on the command line: a
// machine nobody traces carries no connection to any tracer and pays
// nothing for this class.
class StateTracer : public QObject
{
    Q_OBJECT

public:
    // The update utility logs entries and transitions only, with its own
    // spacing, and its chart can be printed.
    enum class Form { Controller, UpdateUtility };

    explicit StateTracer(QObject *parent = nullptr, Form form = Form::Controller);
    ~StateTracer() override;

    Form form() const { return m_form; }

    // Connects (or disconnects) logging for the object and everything below
    // it. Registering twice logs every event twice.
    void registerObject(QObject *object);
    void deregisterObject(QObject *object);
    void setNameAncestry(bool on) { m_nameAncestry = on; }
    void setWindowTitle(const QString &title);

    // Lists the object's properties and adds its rows (and those of its
    // children) under parentRow, or at the top of the state tree.
    void viewObject(QObject *object, StateTreeItem *parentRow = nullptr);
    // Fills the chart view with the machine and shows it.
    void viewGraph(QObject *machine);

    QWidget *window() const;
    QTreeWidget *stateTree() const { return m_stateTree; }
    QTreeWidget *propertyList() const { return m_propertyList; }
    StateChartGraph *chart() const { return m_chart; }
    bool isTracing() const { return m_tracing; }

    // The state machines below root with one of the names, name by name.
    static QList<QStateMachine *> findMachines(QObject *root, const QStringList &names);
    // A started tracer for the machine with its tree filled and its window
    // hidden, titled after the machine. The caller owns it.
    static StateTracer *traceMachine(QStateMachine *machine, Form form);

public slots:
    void startTrace() { m_tracing = true; }
    void stopTrace() { m_tracing = false; }
    void showView();
    void closeView();
    void toggleTraceView();

    // For connections made by hand; each logs the object that sent the
    // signal. registerObject() connects its own.
    void logTransitionTrigger();
    void logStateEntered();
    void logStateExited();
    void logTrace();

private:
    enum class Event { Triggered, Entered, Exited, EnteredShort };

    void connectLogging(QObject *object);
    void log(QObject *object, Event event) const;
    void listProperties(QObject *object);

    Form m_form;
    bool m_viewed = false;
    std::atomic<bool> m_tracing{false}; // read by machines in worker threads
    bool m_nameAncestry = true;
    std::unique_ptr<QSplitter> m_window;
    QTreeWidget *m_propertyList;
    QTreeWidget *m_stateTree;
    StateChartGraph *m_chart;
    QHash<QObject *, QVector<QMetaObject::Connection>> m_connections;
};
