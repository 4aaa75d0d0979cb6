#pragma once

#include "iot/iotservices.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// Back-end for the cloud service: cabinet events become JSON events sent
// through the D-Bus adaptor, and inbound JSON commands act on the cabinet.
// It keeps no copy of cabinet state; everything it reports is read through
// its services at the moment the event is built.
class KivRiot : public QObject
{
    Q_OBJECT

public:
    explicit KivRiot(QObject *parent = nullptr);

    // Not owned. Without services the back-end sends nothing and ignores
    // commands.
    void setServices(IotServices *services) { m_services = services; }
    IotServices *services() const { return m_services; }

    // The cloud service's wire form of one event: indented JSON, keys sorted.
    static QString serialise(const QJsonObject &event);

signals:
    void sendRiotInfo(QString riotJsonString);
    void riotSdkErrorInfo(int mainCode, int subCode1, int subCode2, int subCode3);
    void sendEcoModeSettings();
    void iotProvisioningState(QString value);
    void iotCertificateState(QString value);

public slots:
    void handle_event_powerOn();
    void handle_event_ecoModeSettings();
    void handle_event_preheatStart(QString timeStamp);
    void handle_event_zonePreheatStart(QString timeStamp, int binIndex);
    void handle_event_preheatComplete(QString timeStamp, int binIndex, int heatTime);
    void handle_event_daypartChange(QString timeStamp, int zoneIndex, int newDaypart, int prevDaypart);
    void handle_event_languageChange(int languageId);
    void handle_event_passcodeChange(QString newPasscode);
    void handle_event_passcodeEntered(QString screen, int userLevel, bool authenticated);
    void handle_event_programModeExit(QString screen, int userLevel);
    void handle_event_binMisMatchAlert(QString timeStamp, QString productType, QString panID, int binIndex, QString binProductType);
    void handle_event_binMisMatchClear(QString timeStamp, QString productType, QString panID, int binIndex, QString binProductType);
    void handle_event_error(QString timeStamp, QString errorCode, QString errorDesc, QString value);
    void handle_event_restaurantNumberUpdated(QString restaurantNumber, QString oldValue);
    void handle_event_menuUpdated(QString timestamp, int method, bool success);
    void handle_event_firmwareUpdated(QString timestamp, QString newVersion, QString prevVersion, int method, bool success);
    void handle_event_performanceDataInterval(int value);
    void handle_event_performanceData();
    void handle_event_holdingListChange(QString timeStamp);
    void handle_event_holdStart(QString timeStamp, QString productType, QString panID, int zone, QString method);
    void handle_event_panRemoved(qlonglong timeStamp, int whichBin, qulonglong panID, int timeRemaining);
    void handle_event_panReturned(qlonglong timeStamp, int whichBin, qulonglong panID, int timeRemaining);
    void handle_event_transfer(qlonglong timeStamp, int whichBin, qulonglong panID, int timeRemaining);
    void handle_event_holdStop(QString timeStamp, QString productType, QString panID, int zone, QString method, int timeRemaining);
    void handle_event_holdExpired(QString timeStamp, QString productType, QString panID, int bin);
    void handle_event_commandError(QString command, qint64 cmdTimeStamp, QString batchId, QString description);
    void handle_event_iotSettings(QString iotType);
    void handle_event_resetHoldCycle(QJsonObject message);
    bool handle_event_resetDezHoldCycle(QString eventUuid, bool restart);
    void handle_event_holdingListReceived(QJsonObject message);
    void handle_event_sdkErrorReceived(QJsonObject message);
    void handle_event_wifiSettingsReceived(QJsonObject message);
    void handle_event_pingResponse(QJsonObject message);
    void handle_event_firmwareUpdateInfo(QJsonObject message);
    void handle_event_menuUpdateInfo(QJsonObject message);
    void writeTempModelNumber(QString modelNumber);
    void writeTempSerialNumber(QString serialNumber);
    void checkModelSerialUpdates();
    void handleReceivedRiotInfo(QString riotJsonString);
    // The menu as the cloud sees it: each day part's product per bin, every
    // product, every product group.
    QJsonArray getHoldingLayout();
    QJsonArray getProducts();
    QJsonArray getGroups();
    void checkMenuUpdateDone();

private:
    // Product, day-part and menu names are cut to this many characters.
    static constexpr int NameLength = 32;

    bool riotLayout() const;
    void addIdentity(QJsonObject *event) const;
    void send(const QJsonObject &event);
    // Sends, or keeps the text until the power-on report has gone out.
    void sendAfterPowerOn(const QJsonObject &event);
    QString currentDayPartName() const;
    // A menu item's names under the rules of the customer and the layout.
    void addNames(QJsonObject *item, const QString &prefix, const QString &namesKey,
                  const std::function<QString(int)> &nameIn) const;
    // The members a bin's preheat event reads from the bin list; false for a
    // bin the list does not have.
    bool binTemperatures(int bin, int *actual, int *target, const char *event) const;
    enum class PanMove { Removed, Returned, Transferred };
    void sendPanEvent(PanMove move, qlonglong timeStamp, int whichBin, qulonglong panID, int timeRemaining);
    void sendMismatchEvent(bool alert, const QString &timeStamp, int binIndex);

    // The identity, version and menu members of the power-on and ping
    // reports in the cloud service's own layout.
    QJsonObject riotSoftwareVersion() const;
    QJsonObject riotMenuVersion() const;
    // The imported menu's file name without its extension.
    static QString menuName(const QString &imported);

    // Ends the hold cycle of a registered pan whose batch id matched, and
    // marks it for a new cycle when one is asked for.
    void resetPanHoldCycle(const IotServices::PanTag &tag, bool newCycle);
    // Parks an update offer for the update machinery and the later report.
    void recordUpdateOffer(const QJsonObject &message, const QString &kind);
    // Sends the report that pairs a parked offer with its outcome.
    void sendUpdateStatus(const QHash<QString, QString> &offer, const QString &type, const QString &status,
                          const QString &detail);

    void handleCommand(const QJsonObject &message);
    void handleProvisioningState(const QString &state);
    void handleCertificateState(const QString &state);

    // One holding event's members common to both layouts, with the bin as
    // the event reports it (a double-size pan under its even bin).
    QJsonObject holdEventBase(const QString &event, const QString &timeStamp, const QString &productType,
                              const QString &panId, int *bin) const;

    IotServices *m_services = nullptr;
    bool m_certificateRequestTimedOut = false;
    // Set by the first power-on report of the run; until then the preheat,
    // day-part and error events wait in pendingEvents, oldest first.
    bool m_powerOnReported = false;
    QStringList m_pendingEvents;
};
