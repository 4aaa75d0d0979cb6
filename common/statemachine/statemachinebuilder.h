#pragma once

#include <QHistoryState>
#include <QSignalTransition>
#include <QState>
#include <QString>

// Builds a manager's states and transitions the one way the tracer and the
// chart view expect:
//  - a state's object name is its name in double quotes, and its entered()
//    and exited() go (direct) to the manager's <name>_onEntry/_onExit slots;
//  - a transition carries "trigSignal" ("<sender>::<signature>") and, when it
//    has actions, "action" (one "<receiver>-><slot>()\n" line per action);
//  - a guarded transition calls a bool method of the manager by name.
// The builder holds no state of its own beyond the manager pointer.
class StateMachineBuilder
{
public:
    explicit StateMachineBuilder(QObject *manager);

    QState *state(QState *parent, const char *name,
                  QState::ChildMode mode = QState::ExclusiveStates) const;
    // History states carry no name and no entry or exit slots.
    QHistoryState *history(QState *parent, QAbstractState *defaultState,
                           QHistoryState::HistoryType type = QHistoryState::ShallowHistory) const;

    // signal is in SIGNAL() form. senderName is how the manager names the
    // sender: "this", a member name, or "&member" for a timer held by value.
    // With a guard name (a string literal), the transition is guarded by that
    // bool method of the manager.
    QSignalTransition *transition(QState *source, QAbstractState *target, const char *name,
                                  const QString &senderName, const QObject *sender,
                                  const char *signal, const char *guard = nullptr) const;

    // Connects triggered() directly to the receiver's slot (a bare name, no
    // parentheses) and appends the action's line to "action".
    void action(QAbstractTransition *transition, const char *slot) const;
    void action(QAbstractTransition *transition, QObject *receiver, const QString &receiverName,
                const char *slot) const;

    static QString quotedName(const char *name);
    static QString trigSignalText(const QString &senderName, const char *signal);

private:
    QObject *m_manager;
};
