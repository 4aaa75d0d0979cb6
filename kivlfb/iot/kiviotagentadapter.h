#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class CabinetIotServices;
class CabinetManager;
class ConfigurationManager;
class DayPartManager;
class IotServices;
class MenuManager;
class Translator;

// Back-end for the outside IoT-agent process: every cabinet event it reports
// is one JSON text sent as the "iotproxy" signal on the system bus, and every
// command it is given is one JSON text handed to handleReceivedIoTInfo. It
// keeps no copy of cabinet state: it reads everything through its services
// at the moment it builds an event. It also carries the three backup
// properties that the main screen's backup overlay reads.
class KivIotAgentAdapter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool systemBackupActive READ get_systemBackupActive WRITE set_systemBackupActive
                   NOTIFY systemBackupActiveChanged)
    Q_PROPERTY(int systemBackupProgress READ get_systemBackupProgress WRITE set_systemBackupProgress
                   NOTIFY systemBackupProgressChanged)
    Q_PROPERTY(bool forcedPackageActive READ get_forcedPackageActive WRITE set_forcedPackageActive
                   NOTIFY forcedPackageActiveChanged)

public:
    // The signal every event goes out as.
    static const char kPath[];
    static const char kInterface[];
    static const char kMember[];

    explicit KivIotAgentAdapter(QObject *parent = nullptr);

    // Not owned. Each setter rebuilds the cabinet's services over the
    // pointers given so far.
    void set_cabinetManager(CabinetManager *cabinetManager);
    void set_menuManager(MenuManager *menuManager);
    void set_configManager(ConfigurationManager *configManager);
    void set_dayPartManager(DayPartManager *dayPartManager);
    void set_translator(Translator *translator);

    // Replaces the cabinet's services by others (not owned), as tests do;
    // the pointer checks then only ask for the services themselves.
    void setServices(IotServices *services);

    // Where writeDbusMessage delivers instead of the system bus, when set.
    using Sender = std::function<void(const QString &path, const QString &interface, const QString &member,
                                      const QString &json)>;
    void setSender(Sender sender) { m_sender = std::move(sender); }

    void writeDbusMessage(QString path, QString interface, QString member, QString &json);

    QJsonArray dayPartsInfoToJsonArray();
    QJsonArray productsInfoToJsonArray();
    QJsonArray productGroupsInfoToJsonArray();

signals:
    void systemBackupActiveChanged(bool value);
    void systemBackupProgressChanged(int value);
    void forcedPackageActiveChanged(bool value);
    // Declared for the agent's own link; nothing sends through it.
    void sendIoTAgentInfo(QString info);
    void iotSdkErrorInfo(int mainCode, int subCode1, int subCode2, int subCode3);

public slots:
    bool get_systemBackupActive() const { return m_systemBackupActive; }
    void set_systemBackupActive(bool value);
    int get_systemBackupProgress() const { return m_systemBackupProgress; }
    void set_systemBackupProgress(int value);
    bool get_forcedPackageActive() const { return m_forcedPackageActive; }
    void set_forcedPackageActive(bool value);

    void sendNetworkSettings();
    void sendPowerOn();
    void sendPreheatStarted(QString ts);
    void sendPreheatCompleted(QString ts, int bin, int heatTime);
    void sendDaypartChanged(QString timeStamp, int zoneIndex, int newDaypart, int prevDaypart);
    void sendLanguageChanged(int languageId);
    void sendPasscodeChanged(QString newPasscode);
    void sendPasscodeEntered(QString screen, int userLevel, bool authenticated);
    void sendBinMismatchAlert(QString timeStamp, QString productType, QString panID, int binIndex,
                              QString binProductType);
    void sendBinMismatchClear(QString timeStamp, QString productType, QString panID, int binIndex,
                              QString binProductType);
    void sendError(QString timeStamp, QString errorCode, QString errorDesc, QString value);
    void sendErrorClear(QString timeStamp, QString errorCode, QString errorDesc, QString value);
    void sendRestaurantNumberUpdated(QString restaurantNumber, QString oldValue);
    void sendMenuUpdated(QString timeStamp, int method, bool result);
    void sendSystemUpdated(QString timeStamp, bool result);
    void sendFirmwareUpdated(QString timeStamp, QString newVersion, QString prevVersion, int method, bool result);
    void sendPerformanceDataInterval(int value);
    void sendPerformanceData();
    void sendHoldingList(QString timeStamp);
    void sendHoldStart(QString timeStamp, QString productType, QString panID, int zone, QString method);
    void sendPanRemoved(qlonglong timeStamp, int whichBin, qulonglong panID, int timeRemaining);
    void sendPanReturned(qlonglong timeStamp, int whichBin, qulonglong panID, int timeRemaining);
    void sendTransfer(qlonglong timeStamp, int whichBin, qulonglong panID, int timeRemaining);
    void sendHoldStop(QString timeStamp, QString productType, QString panID, int zone, QString method,
                      int timeRemaining);
    void sendHoldExpired(QString timeStamp, QString productType, QString panID, int bin);
    void sendCommandError(QString command, qlonglong cmdTimeStamp, QString batchId, QString description);

    void handleReceivedIoTInfo(QString iotJsonInfo);
    void handleUnkownIoTCommand(QJsonObject iotJsonObj);
    void handleResetHoldCycleCommand(QJsonObject iotJsonObj);
    void handleSdkErrorReceivedCommand(QJsonObject iotJsonObj);
    void handleNetworkSettingsCommand(QJsonObject iotJsonObj);
    void handleHoldingListCommand(QJsonObject iotJsonObj);
    void handleMenuUpdateCommand(QJsonObject iotJsonObj);

    void packageCheckResult(bool packageName, QString packageState);
    void forcedPackageChecked(QString packageName, bool packageState);
    void newPackageAvailable(QString packageName, QString packageState);
    void packageUpdateState(QString packageName, QString packageState);

private:
    // What an operation reads; a missing one stops it with a log line.
    enum Need {
        NeedCabinet = 0x01,
        NeedMenu = 0x02,
        NeedConfig = 0x04,
        NeedDayParts = 0x08,
        NeedTranslator = 0x10,
    };
    bool ready(int needs, const char *operation) const;
    void rebuildServices();

    void addIdentity(QJsonObject *event, bool withLocation = true) const;
    void send(const QJsonObject &event);
    QJsonObject mismatchEvent(const QString &event, const QString &timeStamp, int binIndex,
                              const QString &binProductType) const;
    QJsonObject errorEvent(const QString &timeStamp, const QString &errorCode, const QString &errorDesc,
                           const QString &value, int status) const;
    // The events of one pan share one layout; bin is already adjusted.
    QJsonObject panEvent(const QString &event, const QString &timeStamp, const QString &panId, int productId,
                         const QString &productName, int bin, bool inCabinet) const;
    void sendPanEvent(const QString &event, qlonglong timeStamp, int whichBin, quint64 panID,
                      bool adjustAlways, bool productFromPan, bool activeByStatus);
    int adjustedBin(int bin, bool adjust) const;
    QJsonObject languageNames(const std::function<QString(int)> &nameIn) const;

    QPointer<CabinetManager> m_cabinetManager;
    QPointer<MenuManager> m_menuManager;
    QPointer<ConfigurationManager> m_configManager;
    QPointer<DayPartManager> m_dayPartManager;
    QPointer<Translator> m_translator;
    bool m_systemBackupActive = false;
    int m_systemBackupProgress = 0;
    bool m_forcedPackageActive = false;

    CabinetIotServices *m_cabinetServices = nullptr; // owned, a child
    IotServices *m_services = nullptr;
    bool m_servicesGiven = false;
    Sender m_sender;
};
