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
