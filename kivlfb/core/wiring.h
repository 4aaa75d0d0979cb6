#pragma once

#include <QString>
#include <Qt>

class QObject;

// Connections between the controller's components, made by name and
// checked. A connection that cannot be made (a signal or slot missing or
// misspelled, an end that does not exist) would otherwise leave a display
// silently deaf where a signal was meant to arrive: it is logged as one
// warning, "Wiring: no connection from <sender> <signal> to <receiver>
// <method>", with each object as its class and object name.
namespace Wiring {

// QObject::connect with the SIGNAL() and SLOT() texts; true when made.
bool link(const QObject *sender, const char *signal, const QObject *receiver, const char *method,
          Qt::ConnectionType type = Qt::AutoConnection);

// For a connection made another way (a functor, the system bus): logs it
// when made is false, and returns made.
bool check(bool made, const QString &from, const QString &signal, const QObject *receiver, const QString &method);

// An object as the log line names it: class and object name.
QString describe(const QObject *object);

// One end as SIGNAL() or SLOT() spell it, without the leading kind code.
QString signatureOf(const char *method);

} // namespace Wiring
