#pragma once

#include <QObject>
#include <QString>

// Back-end for the cloud service: cabinet events become JSON events sent
// through the D-Bus adaptor, and inbound JSON commands act on the cabinet.
class KivRiot : public QObject
{
    Q_OBJECT

public:
    explicit KivRiot(QObject *parent = nullptr);

signals:
    void sendRiotInfo(QString riotJsonString);
    void riotSdkErrorInfo(int mainCode, int subCode1, int subCode2, int subCode3);

public slots:
    // Command and event handling; bodies come with the cloud-reporting work.
    void checkModelSerialUpdates();
    void handleReceivedRiotInfo(QString riotJsonString);

    void handle_event_powerOn();
    void handle_event_performanceData();
    void handle_event_holdStart(QString timeStamp, QString productType, QString panID, int zone, QString method);
    void handle_event_holdStop(QString timeStamp, QString productType, QString panID, int zone, QString method, int timeRemaining);
    void handle_event_holdExpired(QString timeStamp, QString productType, QString panID, int bin);
    void handle_event_binMisMatchAlert(QString timeStamp, QString productType, QString panID, int binIndex, QString binProductType);
    void handle_event_binMisMatchClear(QString timeStamp, QString productType, QString panID, int binIndex, QString binProductType);
    void handle_event_holdingListChange(QString timeStamp);
    void handle_event_daypartChange(QString timeStamp, int zoneIndex, int newDaypart, int prevDaypart);
    void handle_event_preheatComplete(QString timeStamp, int binIndex, int heatTime);
    void handle_event_zonePreheatStart(QString timeStamp, int binIndex);
    void handle_event_preheatStart(QString timeStamp);
    void handle_event_passcodeChange(QString newPasscode);
    void handle_event_passcodeEntered(QString screen, int userLevel, bool authenticated);
    void handle_event_programModeExit(QString screen, int userLevel);
    void handle_event_restaurantNumberUpdated(QString restaurantNumber, QString oldValue);
    void handle_event_firmwareUpdated(QString timestamp, QString newVersion, QString prevVersion, int method, bool success);
    void handle_event_performanceDataInterval(int value);
    void handle_event_iotSettings(QString iotType);
    void handle_event_panRemoved(qlonglong timeStamp, int whichBin, qulonglong panID, int timeRemaining);
    void handle_event_panReturned(qlonglong timeStamp, int whichBin, qulonglong panID, int timeRemaining);
    void handle_event_transfer(qlonglong timeStamp, int whichBin, qulonglong panID, int timeRemaining);
    void handle_event_languageChange(int languageId);
    void handle_event_menuUpdated(QString timestamp, int method, bool success);
    void handle_event_error(QString timeStamp, QString errorCode, QString errorDesc, QString value);
};
