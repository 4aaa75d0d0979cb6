#include "wiring.h"

#include <QDebug>
#include <QObject>

namespace Wiring {

bool link(const QObject *sender, const char *signal, const QObject *receiver, const char *method,
          Qt::ConnectionType type)
{
    return check(bool(QObject::connect(sender, signal, receiver, method, type)), describe(sender),
                 signatureOf(signal), receiver, signatureOf(method));
}

bool check(bool made, const QString &from, const QString &signal, const QObject *receiver, const QString &method)
{
    if (!made)
        qWarning().noquote() << QStringLiteral("Wiring: no connection from %1 %2 to %3 %4")
                                    .arg(from, signal, describe(receiver), method);
    return made;
}

QString describe(const QObject *object)
{
    if (!object)
        return QStringLiteral("(no object)");
    return QStringLiteral("%1 \"%2\"").arg(QLatin1String(object->metaObject()->className()), object->objectName());
}

QString signatureOf(const char *method)
{
    return method && *method ? QString::fromLatin1(method + 1) : QStringLiteral("(none)");
}

} // namespace Wiring
