#pragma once

#include <QStateMachine>
#include <QStringList>

// The names of the states a machine is in, sorted, quotes stripped.
inline QStringList activeStateNames(const QStateMachine &machine)
{
    QStringList names;
    for (QAbstractState *s : machine.configuration())
        names.append(s->objectName().remove(QLatin1Char('"')));
    names.sort();
    return names;
}

// The state a tray bar shows: its innermost state, without the parents
// "assigned" and "holding" that are active along with it.
inline QString stateOf(const QStateMachine *bar)
{
    QStringList names = activeStateNames(*bar);
    for (const char *parent : {"assigned", "holding"})
        if (names.size() > 1)
            names.removeAll(QLatin1String(parent));
    return names.join(QLatin1Char(','));
}
