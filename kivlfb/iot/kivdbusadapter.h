#pragma once

#include "core/trayinfo.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QPointer>
#include <QString>

class QApplication;

// The controller's one interface on the system bus, attached to the
// application object. The IoT process hears the cabinet's events through
// it, reads and writes the cabinet's named objects' properties, and speaks
// back by emitting its own signals under the same interface name and path.
class KivDbusAdapter : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.corvantis.DBus.KivApplication")
    Q_PROPERTY(QString model READ get_model WRITE set_model NOTIFY modelChanged)
    Q_PROPERTY(QString retaurantNumber READ get_retaurantNumber WRITE set_retaurantNumber NOTIFY retaurantNumberChanged)
    Q_PROPERTY(QString serialNumber READ get_serialNumber WRITE set_serialNumber NOTIFY serialNumberChanged)
    Q_PROPERTY(QString modelNumber READ get_modelNumber WRITE set_modelNumber NOTIFY modelNumberChanged)
    Q_PROPERTY(QString machineID READ get_machineID WRITE set_machineID NOTIFY machineIDChanged)
    Q_PROPERTY(QString firmwareVersion READ get_firmwareVersion WRITE set_firmwareVersion NOTIFY firmwareVersionChanged)
    Q_PROPERTY(QString menuVersion READ get_menuVersion WRITE set_menuVersion NOTIFY menuVersionChanged)
    Q_PROPERTY(int iotEventType READ get_iotEventType WRITE set_iotEventType NOTIFY iotEventTypeChanged)

public:
    // Selects the form of the hold signals.
    enum iotEventType_enum {
        IOTEVENTTYPE_DEZ1 = 0,
        IOTEVENTTYPE_DEZ2 = 1,
        IOTEVENTTYPE_DEZ3 = 2,
        IOTEVENTTYPE_PANACIM = 3,
    };
    Q_ENUM(iotEventType_enum)

    // The adaptor's parent is the application object it extends; cabinet is
    // the cabinet core whose named objects the property calls reach.
    KivDbusAdapter(QApplication *app, QObject *cabinet);

    QObject *cabinet() const { return m_cabinet; }
    // The adaptor lives as long as the application object; a cabinet core
    // built later in the same process takes it over.
    void setCabinet(QObject *cabinet) { m_cabinet = cabinet; }
    // The connection that error replies go out on: the one the application
    // object is registered on (the system bus unless a test says otherwise).
    void setConnectionName(const QString &name) { m_connectionName = name; }

signals:
    void modelChanged(QString value);
    void retaurantNumberChanged(QString value);
    void serialNumberChanged(QString value);
    void modelNumberChanged(QString value);
    void machineIDChanged(QString value);
    void firmwareVersionChanged(QString value);
    void menuVersionChanged(QString value);
    void iotEventTypeChanged(int value);

    void event_nameChange(QString timeStamp, QString newName);
    void event_powerOn(QString timeStamp);
    void event_preheatStart(QString timeStamp);
    void event_zonePreheatStart(QString timeStamp, int zone);
    void event_preheatComplete(QString timeStamp, int zone);
    void event_holdStart(QString productType, QString panID, int zone, QString method);
    void event_holdStop(QString productType, QString panID, int zone, QString method, int timeRemaining);
    void event_holdStart(QString timeStamp, QString productType, QString panID, int zone, QString method);
    void event_holdStarted(QString timeStamp, QString productType, QString panID, int zone, QString method);
    void event_holdStop(QString timeStamp, QString productType, QString panID, int zone, QString method, int timeRemaining);
    void event_holdStopped(QString timeStamp, QString productType, QString panID, int zone, QString method, int timeRemaining);
    void event_transferFrom(QString timeStamp, QString productType, QString panID, int zone, QString method,
                            int timeRemaining, QString destinationName, QString destinationZone);
    void event_transferTo(QString timeStamp, QString productType, QString panID, int zone, QString method,
                          int timeRemaining, QString originName, QString originZone);
    void event_binMismatchAlert(QString timeStamp, QString productType, QString panID, int binID, QString binProductType);
    void event_binMismatchClear(QString timeStamp, QString productType, QString panID, int binID, QString binProductType);
    void event_dayPartChange(QString timeStamp, QString prevDaypart, QString newDaypart);
    void event_menuUpdated(QString timeStamp, int method, bool result);
    void event_firmwareUpdated(QString timeStamp);
    void event_error(QString timeStamp, QString errorCode, QString errorDesc, QString value);
    void event_performanceData(QString timeStamp, int zone, int setPoint, int temperature, QString operatingMode);
    void event_trayIotInfo(QString timeStamp, int trayNum, QString productName, int holdTemp, int holdTime,
                           int remainingTime, bool useFlag);
    // Every outbound cloud event, as JSON text.
    void riotEvent(QString riotJsonString);
    // Inbound only: the IoT process emits these under this interface.
    void riotCmd(QString riotJsonString);
    void iotAgentEvent(QString jsonString);
    void iotCmd(QString riotJsonString);
    void firmwareUpdateStarted();
    void trayInformation(QString trayInfo);
    void activelyHolding(bool value);
    void holdingStartedSignal(int binNum, int prodId, int remainingTime);
    void holdingStoppedSignal(int binNum, int prodId);
    void objectPropertyChange(QString objName, QString propName, QString value);
    void canSend2Dbus(int nodeid, uint id, QByteArray data);
    void screenShotRequested();

public slots:
    QString get_model() const { return m_model; }
    void set_model(const QString &value);
    QString get_retaurantNumber() const { return m_retaurantNumber; }
    void set_retaurantNumber(const QString &value);
    QString get_serialNumber() const { return m_serialNumber; }
    void set_serialNumber(const QString &value);
    QString get_modelNumber() const { return m_modelNumber; }
    void set_modelNumber(const QString &value);
    QString get_machineID() const { return m_machineID; }
    void set_machineID(const QString &value);
    QString get_firmwareVersion() const { return m_firmwareVersion; }
    void set_firmwareVersion(const QString &value);
    QString get_menuVersion() const { return m_menuVersion; }
    void set_menuVersion(const QString &value);
    int get_iotEventType() const { return m_iotEventType; }
    void set_iotEventType(int value);

    void notifyTrayInfo();
    void processActivelyHolding(bool value);
    void processHoldingStartedSignal(trayInfo ti);
    void processHoldingStoppedSignal(trayInfo ti);
    void processZoneEnterPreheatSignal();
    void processZoneExitPreheatSignal();
    // call is the bus message when the bus calls it (the bus fills it in;
    // it is not part of the method's bus signature), else an empty message.
    QDBusVariant getObjectPropertyValue(QString objName, QString propName, const QDBusMessage &call);
    void setObjectPropertyValue(QString objName, QString propName, QDBusVariant propVal);
    void flashDriveMounted();
    void flashDriveNotMounted();
    QDBusVariant rollCal();
    void performanceDataModeEnable(int period_secs);
    void handle_event_holdStart(QString timeStamp, QString productType, QString panID, int zone, QString method);
    void handle_event_holdStop(QString timeStamp, QString productType, QString panID, int zone, QString method,
                               int timeRemaining);
    void takeScreenShot();
    QString iotCmdCall(QString riotJsonString);

private:
    QObject *findTarget(const QString &objName) const;
    // The bin of the tray or zone whose signal invoked a slot; -1 when the
    // slot was called over the bus, where there is no such object.
    int invokingBin() const;
    bool shortHoldForm() const;

    QString m_model = QStringLiteral("unknown");
    QString m_retaurantNumber;
    QString m_serialNumber;
    QString m_modelNumber;
    QString m_machineID;
    QString m_firmwareVersion;
    QString m_menuVersion;
    int m_iotEventType = IOTEVENTTYPE_DEZ2;
    QPointer<QObject> m_cabinet;
    QString m_connectionName;
};
