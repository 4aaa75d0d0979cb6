#include "kivdbusadapter.h"

#include "platform/kivclock.h"

#include <QApplication>
#include <QDBusMetaType>
#include <QDebug>
#include <QTimer>

#include <climits>

KivDbusAdapter::KivDbusAdapter(QApplication *app, QObject *cabinet)
    : QDBusAbstractAdaptor(app)
    , m_cabinet(cabinet)
{
    setObjectName(QStringLiteral("kivdbus"));
}

#define KIV_ADAPTOR_SETTER(name, Type)                \
    void KivDbusAdapter::set_##name(Type value)      \
    {                                                 \
        if (m_##name == value)                        \
            return;                                   \
        m_##name = value;                             \
        emit name##Changed(m_##name);                 \
    }

KIV_ADAPTOR_SETTER(model, const QString &)
KIV_ADAPTOR_SETTER(retaurantNumber, const QString &)
KIV_ADAPTOR_SETTER(serialNumber, const QString &)
KIV_ADAPTOR_SETTER(modelNumber, const QString &)
KIV_ADAPTOR_SETTER(machineID, const QString &)
KIV_ADAPTOR_SETTER(firmwareVersion, const QString &)
KIV_ADAPTOR_SETTER(menuVersion, const QString &)
KIV_ADAPTOR_SETTER(iotEventType, int)

#undef KIV_ADAPTOR_SETTER

int KivDbusAdapter::invokingBin() const
{
    const QObject *source = sender();
    const QVariant bin = source ? source->property("binNumber") : QVariant();
    return bin.isValid() ? bin.toInt() : -1;
}

void KivDbusAdapter::notifyTrayInfo()
{
    const int bin = invokingBin();
    if (bin < 0)
        return;
    const QString text = QStringLiteral("Tray %1 started.").arg(bin);
    emit trayInformation(text);
    set_model(QString::number(bin));
    qDebug().noquote() << "\n\n dbus trying to send: " + text;
}

void KivDbusAdapter::processActivelyHolding(bool value)
{
    qDebug().noquote() << QStringLiteral("\n\n dbus processing actively holding: ") + (value ? "true" : "false");
    emit activelyHolding(value);
}

void KivDbusAdapter::processHoldingStartedSignal(trayInfo ti)
{
    emit holdingStartedSignal(ti.binNumber, int(ti.groupId), ti.remainingTime);
}

void KivDbusAdapter::processHoldingStoppedSignal(trayInfo ti)
{
    emit holdingStoppedSignal(ti.binNumber, int(ti.groupId));
}

void KivDbusAdapter::processZoneEnterPreheatSignal()
{
    const int bin = invokingBin();
    if (bin >= 0)
        emit event_zonePreheatStart(QString::number(KivClock::secsSinceEpoch()), bin);
}

void KivDbusAdapter::processZoneExitPreheatSignal()
{
    const int bin = invokingBin();
    if (bin >= 0)
        emit event_preheatComplete(QString::number(KivClock::secsSinceEpoch()), bin);
}

// Direct children are looked at before any child's own subtree, so a name
// used at two depths finds the shallower object.
QObject *KivDbusAdapter::findTarget(const QString &objName) const
{
    if (!m_cabinet)
        return nullptr;
    if (QObject *found = m_cabinet->findChild<QObject *>(objName))
        return found;
    return m_cabinet->objectName() == objName ? m_cabinet.data() : nullptr;
}

QDBusVariant KivDbusAdapter::getObjectPropertyValue(QString objName, QString propName, const QDBusMessage &call)
{
    QObject *target = findTarget(objName);
    const QVariant value = target ? target->property(propName.toLatin1().constData()) : QVariant();
    // An empty or foreign value cannot travel in a reply: without an error
    // the caller on the bus would wait for an answer that never comes.
    if (call.type() == QDBusMessage::MethodCallMessage
        && (!value.isValid() || !QDBusMetaType::typeToSignature(value.userType()))) {
        call.setDelayedReply(true);
        const QDBusConnection bus = m_connectionName.isEmpty() ? QDBusConnection::systemBus()
                                                               : QDBusConnection(m_connectionName);
        bus.send(call.createErrorReply(QDBusError::InvalidArgs,
                                       QStringLiteral("No readable value at %1.%2").arg(objName, propName)));
    }
    return QDBusVariant(value);
}

void KivDbusAdapter::setObjectPropertyValue(QString objName, QString propName, QDBusVariant propVal)
{
    qDebug().noquote() << QStringLiteral("DBus set object property value: %1.%2 = %3")
                    .arg(objName, propName, propVal.variant().toString());
    if (QObject *target = findTarget(objName))
        target->setProperty(propName.toLatin1().constData(), propVal.variant());
}

void KivDbusAdapter::flashDriveMounted()
{
    if (m_cabinet)
        m_cabinet->setProperty("flashDriveMounted", true);
}

void KivDbusAdapter::flashDriveNotMounted()
{
    if (m_cabinet)
        m_cabinet->setProperty("flashDriveMounted", false);
}

QDBusVariant KivDbusAdapter::rollCal()
{
    qDebug() << "ROLLCALL!!!!!!!!!!!!!!!!!!!!!";
    return QDBusVariant(true);
}

void KivDbusAdapter::performanceDataModeEnable(int period_secs)
{
    QTimer *timer = m_cabinet ? m_cabinet->findChild<QTimer *>(QStringLiteral("performanceDataTimer")) : nullptr;
    if (!timer)
        return;
    timer->stop();
    if (period_secs < 1)
        return;
    // A long period in milliseconds does not fit an int: the longest timer
    // the framework takes is what it gets.
    timer->setInterval(int(qMin<qint64>(qint64(period_secs) * 1000, INT_MAX)));
    timer->start();
}

bool KivDbusAdapter::shortHoldForm() const
{
    return m_iotEventType == IOTEVENTTYPE_DEZ1 || m_iotEventType == IOTEVENTTYPE_PANACIM;
}

void KivDbusAdapter::handle_event_holdStart(QString timeStamp, QString productType, QString panID, int zone,
                                            QString method)
{
    if (shortHoldForm())
        emit event_holdStart(productType, panID, zone, method);
    else
        emit event_holdStart(timeStamp, productType, panID, zone, method);
}

void KivDbusAdapter::handle_event_holdStop(QString timeStamp, QString productType, QString panID, int zone,
                                           QString method, int timeRemaining)
{
    if (shortHoldForm())
        emit event_holdStop(productType, panID, zone, method, timeRemaining);
    else
        emit event_holdStop(timeStamp, productType, panID, zone, method, timeRemaining);
}

void KivDbusAdapter::takeScreenShot()
{
    emit screenShotRequested();
}

QString KivDbusAdapter::iotCmdCall(QString riotJsonString)
{
    qDebug().noquote() << riotJsonString;
    return QStringLiteral("Test Call Reply!");
}
