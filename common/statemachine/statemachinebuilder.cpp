#include "statemachinebuilder.h"

#include "guardedsignaltransition.h"

#include <QDebug>
#include <QMetaMethod>
#include <QMetaObject>

namespace {
// A chart names its slots and guards as text, so a misspelt name compiles
// and would leave a state or transition without its action: say which.
void reportWiringFault(const QObject *manager, const QString &where, const QString &what)
{
    QString machine = QString::fromLatin1(manager->metaObject()->className());
    if (!manager->objectName().isEmpty())
        machine += QStringLiteral(" \"%1\"").arg(manager->objectName());
    qWarning().noquote() << QStringLiteral("StateMachineBuilder: cannot wire %1: %2 has no %3")
                                .arg(machine, where, what);
}
} // namespace

StateMachineBuilder::StateMachineBuilder(QObject *manager)
    : m_manager(manager)
{
}

QString StateMachineBuilder::quotedName(const char *name)
{
    return QLatin1Char('"') + QLatin1String(name) + QLatin1Char('"');
}

QString StateMachineBuilder::trigSignalText(const QString &senderName, const char *signal)
{
    // SIGNAL() texts start with a method-type code; debug builds append the
    // source location after a NUL, which the C string ends before.
    const char *signature = (signal && *signal >= '0' && *signal <= '9') ? signal + 1 : signal;
    return senderName + QLatin1String("::")
        + QString::fromLatin1(QMetaObject::normalizedSignature(signature));
}

QState *StateMachineBuilder::state(QState *parent, const char *name, QState::ChildMode mode) const
{
    auto *s = new QState(mode, parent);
    s->setObjectName(quotedName(name));
    const QByteArray entry = QByteArray("1") + name + "_onEntry()";
    const QByteArray exit = QByteArray("1") + name + "_onExit()";
    if (!QObject::connect(s, SIGNAL(entered()), m_manager, entry.constData(), Qt::DirectConnection))
        reportWiringFault(m_manager, QStringLiteral("state ") + s->objectName(),
                          QStringLiteral("slot ") + QLatin1String(entry.constData() + 1));
    if (!QObject::connect(s, SIGNAL(exited()), m_manager, exit.constData(), Qt::DirectConnection))
        reportWiringFault(m_manager, QStringLiteral("state ") + s->objectName(),
                          QStringLiteral("slot ") + QLatin1String(exit.constData() + 1));
    return s;
}

QHistoryState *StateMachineBuilder::history(QState *parent, QAbstractState *defaultState,
                                            QHistoryState::HistoryType type) const
{
    auto *h = new QHistoryState(type, parent);
    h->setDefaultState(defaultState);
    return h;
}

QSignalTransition *StateMachineBuilder::transition(QState *source, QAbstractState *target,
                                                   const char *name, const QString &senderName,
                                                   const QObject *sender, const char *signal,
                                                   const char *guard) const
{
    QSignalTransition *t = guard
        ? new GuardedSignalTransition(sender, signal, m_manager, guard)
        : new QSignalTransition(sender, signal);
    t->setTargetState(target);
    source->addTransition(t);
    t->setObjectName(QLatin1String(name));
    t->setProperty("trigSignal", trigSignalText(senderName, signal));
    if (guard) {
        // The transition itself stays silent about a guard it cannot call.
        const QByteArray signature = QByteArray(guard) + "()";
        const int index = m_manager->metaObject()->indexOfMethod(signature.constData());
        if (index < 0 || m_manager->metaObject()->method(index).returnType() != QMetaType::Bool)
            reportWiringFault(m_manager, QStringLiteral("transition ") + t->objectName(),
                              QStringLiteral("bool guard ") + QLatin1String(signature));
    }
    return t;
}

void StateMachineBuilder::action(QAbstractTransition *transition, const char *slot) const
{
    action(transition, m_manager, QStringLiteral("this"), slot);
}

void StateMachineBuilder::action(QAbstractTransition *transition, QObject *receiver,
                                 const QString &receiverName, const char *slot) const
{
    const QByteArray method = QByteArray("1") + slot + "()";
    if (!QObject::connect(transition, SIGNAL(triggered()), receiver, method.constData(),
                          Qt::DirectConnection))
        reportWiringFault(receiver, QStringLiteral("transition ") + transition->objectName(),
                          QStringLiteral("slot ") + QLatin1String(method.constData() + 1));
    const QString line = receiverName + QLatin1String("->") + QLatin1String(slot)
        + QLatin1String("()\n");
    transition->setProperty("action", transition->property("action").toString() + line);
}
