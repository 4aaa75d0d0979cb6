#include "statetracer.h"

#include "statechartgraph.h"
#include "statetreeitem.h"

#include <QAbstractTransition>
#include <QDebug>
#include <QMetaProperty>
#include <QSplitter>
#include <QState>
#include <QStateMachine>
#include <QTreeWidget>

namespace {

constexpr int kTreeMinimumHeight = 100;
// Big enough to read a tree and a small chart side by side.
constexpr int kWindowWidth = 1000;
constexpr int kWindowHeight = 700;
constexpr int kColumnPadding = 16;

QTreeWidget *makeTree(const QStringList &columns)
{
    auto *tree = new QTreeWidget;
    tree->setHeaderLabels(columns);
    tree->setAlternatingRowColors(true);
    tree->setAnimated(true);
    tree->setUniformRowHeights(true);
    tree->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    tree->setMinimumHeight(kTreeMinimumHeight);
    return tree;
}

QString unquoted(QString text)
{
    return text.remove(QLatin1Char('"'));
}

} // namespace

StateTracer::StateTracer(QObject *parent, Form form)
    : QObject(parent)
    , m_form(form)
    , m_window(new QSplitter(Qt::Horizontal))
    , m_propertyList(makeTree({QStringLiteral("Property"), QStringLiteral("Type"),
                               QStringLiteral("Value")}))
    , m_stateTree(makeTree({QStringLiteral("Name"), QStringLiteral("Type"), QStringLiteral("Target"),
                            QStringLiteral("Last time"), QStringLiteral("Count")}))
    , m_chart(new StateChartGraph)
{
    auto *trees = new QSplitter(Qt::Vertical);
    trees->addWidget(m_propertyList);
    trees->addWidget(m_stateTree);
    m_window->addWidget(trees);
    m_window->addWidget(m_chart);
    m_window->resize(kWindowWidth, kWindowHeight);
    // Trees and chart share the width half and half, whatever the window's.
    m_window->setSizes({kWindowWidth / 2, kWindowWidth / 2});
    m_window->setStretchFactor(0, 1);
    m_window->setStretchFactor(1, 1);
    const int timeWidth = m_stateTree->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00:000"));
    m_stateTree->setColumnWidth(StateTreeItem::LastTimeColumn, timeWidth + kColumnPadding);
    m_chart->setPrintingEnabled(form == Form::UpdateUtility);
}

StateTracer::~StateTracer() = default;

QWidget *StateTracer::window() const
{
    return m_window.get();
}

void StateTracer::setWindowTitle(const QString &title)
{
    m_window->setWindowTitle(title);
}

void StateTracer::showView()
{
    m_window->show();
}

void StateTracer::closeView()
{
    m_window->hide();
}

void StateTracer::toggleTraceView()
{
    if (m_tracing) {
        closeView();
        stopTrace();
    } else {
        showView();
        startTrace();
    }
}

// ---- Registration -------------------------------------------------------

void StateTracer::registerObject(QObject *object)
{
    if (!object)
        return;
    if (qobject_cast<QAbstractTransition *>(object)) {
        connectLogging(object);
    } else if (qobject_cast<QState *>(object)) {
        connectLogging(object);
        for (QObject *child : object->children())
            registerObject(child);
    }
    // Final and history states, and anything else, log nothing.
}

void StateTracer::deregisterObject(QObject *object)
{
    if (!object)
        return;
    for (const QMetaObject::Connection &c : m_connections.take(object))
        disconnect(c);
    if (qobject_cast<QState *>(object))
        for (QObject *child : object->children())
            deregisterObject(child);
}

// The connections carry the object itself rather than relying on sender(),
// which is not valid in a slot called directly from another thread (a
// machine in a worker thread logs from that thread).
void StateTracer::connectLogging(QObject *object)
{
    QVector<QMetaObject::Connection> &made = m_connections[object];
    const bool controller = m_form == Form::Controller;
    const Qt::ConnectionType type = controller ? Qt::DirectConnection : Qt::AutoConnection;
    if (auto *transition = qobject_cast<QAbstractTransition *>(object)) {
        made << connect(transition, &QAbstractTransition::triggered, this,
                        [this, transition] { log(transition, Event::Triggered); }, type);
        return;
    }
    auto *state = static_cast<QAbstractState *>(object);
    const Event entered = controller ? Event::Entered : Event::EnteredShort;
    made << connect(state, &QAbstractState::entered, this,
                    [this, state, entered] { log(state, entered); }, type);
    if (controller)
        made << connect(state, &QAbstractState::exited, this,
                        [this, state] { log(state, Event::Exited); }, type);
}

// ---- Log lines ----------------------------------------------------------

void StateTracer::logTransitionTrigger()
{
    if (auto *transition = qobject_cast<QAbstractTransition *>(sender()))
        log(transition, Event::Triggered);
}

void StateTracer::logStateEntered()
{
    if (auto *state = qobject_cast<QAbstractState *>(sender()))
        log(state, Event::Entered);
}

void StateTracer::logStateExited()
{
    if (auto *state = qobject_cast<QAbstractState *>(sender()))
        log(state, Event::Exited);
}

void StateTracer::logTrace()
{
    QObject *from = sender();
    if (qobject_cast<QAbstractState *>(from))
        log(from, Event::EnteredShort);
    else if (qobject_cast<QAbstractTransition *>(from))
        log(from, Event::Triggered);
}

void StateTracer::log(QObject *object, Event event) const
{
    if (!m_tracing)
        return;
    // Every ancestor up to the top of the object tree, the machine's own
    // owners included.
    QString prefix;
    if (m_nameAncestry)
        for (const QObject *p = object->parent(); p; p = p->parent())
            prefix.prepend(p->objectName() + QLatin1Char('.'));

    const char *format = nullptr;
    switch (event) {
    case Event::Triggered: format = "%1 - Triggered : %2%3"; break;
    case Event::Entered: format = "%1 - Entered   : %2%3"; break;
    case Event::Exited: format = "%1 - Exited    : %2%3"; break;
    case Event::EnteredShort: format = "%1 - Entered : %2%3"; break;
    }
    const QString name = event == Event::Triggered ? object->objectName()
                                                   : unquoted(object->objectName());
    qDebug() << QString::fromLatin1(format).arg(StateTreeItem::now(), unquoted(prefix), name);
}

// ---- Views --------------------------------------------------------------

void StateTracer::viewObject(QObject *object, StateTreeItem *parentRow)
{
    if (!object)
        return;
    if (!m_viewed) {
        setWindowTitle(object->objectName());
        m_viewed = true;
    }
    listProperties(object);

    auto *transition = qobject_cast<QAbstractTransition *>(object);
    auto *state = qobject_cast<QAbstractState *>(object);
    if (!transition && !state)
        return;
    auto *row = parentRow ? new StateTreeItem(parentRow) : new StateTreeItem(m_stateTree);
    row->setText(StateTreeItem::NameColumn, object->objectName());
    if (transition) {
        row->setText(StateTreeItem::TypeColumn, QStringLiteral("Transition"));
        if (QAbstractState *target = transition->targetState())
            row->setText(StateTreeItem::TargetColumn, target->objectName());
        connect(transition, &QAbstractTransition::triggered, row, &StateTreeItem::highlight);
        return;
    }
    row->setText(StateTreeItem::TypeColumn, QStringLiteral("State"));
    connect(state, &QAbstractState::entered, row, &StateTreeItem::highlight);
    connect(state, &QAbstractState::exited, row, &StateTreeItem::deHighlight);
    const QObjectList children = state->children();
    if (!children.isEmpty())
        row->setExpanded(true);
    for (QObject *child : children)
        viewObject(child, row);

    if (!parentRow) {
        // Whole names, however deep the state: they are what one reads.
        m_stateTree->resizeColumnToContents(StateTreeItem::NameColumn);
        m_propertyList->resizeColumnToContents(StateTreeItem::NameColumn);
    }
}

// A property is listed when its class has the signal "<name>Changed(<type>)";
// the value follows it live for the five types a row can show.
void StateTracer::listProperties(QObject *object)
{
    static const QStringList liveTypes{QStringLiteral("int"), QStringLiteral("uint"),
                                       QStringLiteral("bool"), QStringLiteral("QString"),
                                       QStringLiteral("QTime")};
    const QMetaObject *meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QString type = QString::fromLatin1(property.typeName());
        const QString signature = QLatin1String(property.name()) + QLatin1String("Changed(")
            + type + QLatin1Char(')');
        const int signalIndex = meta->indexOfSignal(signature.toLatin1().constData());
        if (signalIndex < 0)
            continue;
        qDebug().noquote().nospace() << type << '\t' << object->objectName() << "::"
                                     << property.name() << ',' << signature;

        auto *row = new StateTreeItem(m_propertyList);
        row->setText(StateTreeItem::NameColumn, QLatin1String(property.name()));
        row->setText(StateTreeItem::TypeColumn, type);
        if (!liveTypes.contains(type))
            continue;
        const QByteArray slot = "setValue(" + type.toLatin1() + ')';
        connect(object, meta->method(signalIndex), row,
                row->metaObject()->method(row->metaObject()->indexOfSlot(slot.constData())));
        const QVariant value = property.read(object);
        switch (value.userType()) {
        case QMetaType::Int: row->setValue(value.toInt()); break;
        case QMetaType::UInt: row->setValue(value.toUInt()); break;
        case QMetaType::Bool: row->setValue(value.toBool()); break;
        case QMetaType::QTime: row->setValue(value.toTime()); break;
        default: row->setValue(value.toString()); break;
        }
    }
}

void StateTracer::viewGraph(QObject *machine)
{
    m_chart->viewGraph(machine, nullptr);
    m_chart->addTransitionsToGraph(machine);
    m_chart->relayoutTransitions();
    m_chart->show();
}

// ---- Start-up -----------------------------------------------------------

QList<QStateMachine *> StateTracer::findMachines(QObject *root, const QStringList &names)
{
    QList<QStateMachine *> found;
    if (!root)
        return found;
    const QList<QStateMachine *> machines = root->findChildren<QStateMachine *>();
    for (const QString &name : names)
        for (QStateMachine *machine : machines)
            if (machine->objectName() == name)
                found << machine;
    return found;
}

StateTracer *StateTracer::traceMachine(QStateMachine *machine, Form form)
{
    auto *tracer = new StateTracer(nullptr, form);
    tracer->registerObject(machine);
    tracer->setNameAncestry(true);
    tracer->viewObject(machine);
    tracer->startTrace();
    tracer->setWindowTitle(machine->objectName());
    return tracer;
}
