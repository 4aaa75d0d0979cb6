#pragma once

#include "platform/kivclocktimer.h"
#include "platform/safefilewriter.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QStringList>

class CabinetManager;
class ConfigurationManager;
class DayPartManager;
class IotServices;
class MenuManager;
class ShadowServices;
class Translator;
struct trayInfo;

// Device-shadow back-end: every value it reports is a typed property record,
// status reports are wrapped as the shadow's reported state, and each message
// carries the cabinet's device id, a fresh transaction id and a time stamp.
// It sends compact JSON through sendIotInfo and takes JSON commands through
// handleReceivedIoTInfo. Reports wait until the first power-on report has
// gone out; mode replies, mode data and hold events go at once.
//
// It also keeps two pieces of bookkeeping that outlive a restart: the uptime
// of this boot and over all runs ("/root/systemUpTimeInfo.txt"), and the
// codes of the active errors ("/root/activeErrorsList.txt"), of which those
// an earlier run left active and that do not come back within two minutes
// are purged.
//
// It reads the cabinet through the cloud services, built over the managers
// its setters are given (or handed in whole by setServices). An operation
// whose components are missing does nothing.
class KivOraIot : public QObject
{
    Q_OBJECT

public:
    explicit KivOraIot(QObject *parent = nullptr);

    // Not owned; each setter rebuilds the services over the managers given.
    void set_cabinetManager(CabinetManager *cabinetManager);
    void set_configManager(ConfigurationManager *configManager);
    void set_dayPartManager(DayPartManager *dayPartManager);
    void set_menuManager(MenuManager *menuManager);
    void set_translator(Translator *translator);

    // Reads the cabinet through these instead (not owned): a host with its
    // own view of the cabinet, or a test's fake.
    void setServices(IotServices *services, ShadowServices *shadowServices);

    QString getDeviceUuid() const;
    static QString getNewTransactionId();
    static QJsonObject buildJsonProperty(const QString &name, const QString &value, const QString &schema,
                                         const QString &unit);
    static QJsonObject buildJsonProperty(const QString &name, int value, const QString &schema,
                                         const QString &unit);
    static QJsonObject buildJsonProperty(const QString &name, long long value, const QString &schema,
                                         const QString &unit);
    static QJsonObject buildJsonProperty(const QString &name, bool value, const QString &schema,
                                         const QString &unit);
    static QJsonObject buildJsonProperty(const QString &name, float value, const QString &schema,
                                         const QString &unit);
    float getFloatPanSize(const QString &panSize) const;

    void saveAtciveErrorsList();
    void loadAtciveErrorsList();

    // State, for hosts and tests to look at.
    QString diagnosticMode() const { return m_diagnosticMode; }
    QString liveViewMode() const { return m_liveViewMode; }
    // Milliseconds left in the mode, -1 when it is not active.
    int diagnosticModeRemaining() const { return m_diagnosticModeTimer.remainingTime(); }
    int liveViewModeRemaining() const { return m_liveViewModeTimer.remainingTime(); }
    QStringList activeErrors() const { return m_activeErrors; }
    QStringList previousErrors() const { return m_previousErrors; }
    QDateTime systemStartTime() const { return m_systemStartTime; }
    QDateTime prevStartTime() const { return m_prevStartTime; }
    qint64 currentUpTime() const { return m_currentUpTime; }
    qint64 prevUpTime() const { return m_prevUpTime; }
    qint64 totalSystemUpTime() const { return m_totalSystemUpTime; }
    bool powerOnReported() const { return m_powerOnReported; }
    QStringList pendingEvents() const { return m_pendingEvents; }

signals:
    void sendIotInfo(QString iotJson);
    void oldErrorClearInfo(int mainCode, int subCode1, int subCode2, int subCode3);

public slots:
    void readStartTimeProcessWrapUp(int exitCode, QProcess::ExitStatus status);
    void systemUpTimeUpdate();
    void loadPrevSystemUpTime();
    void sendPowerOn();
    void sendDeviceIdentifier();
    void sendVersionInfo();
    void sendMenuInfo();
    void sendStoreNumberUpdated(QString newValue);
    void sendMenuUpdated(QString timeStamp, int method, bool result);
    void sendFirmwareUpdated(QString timeStamp, QString newVersion, QString prevVersion, int method, bool result);
    void sendHoldStart(QString timeStamp, QString productType, QString panID, int zone, QString method);
    void sendHoldStop(QString timeStamp, QString productType, QString panID, int zone, QString method,
                      int timeRemaining);
    void sendHoldExpired(QString timeStamp, QString productType, QString panID, int zone);
    void sendErrorInfo(QString timeStamp, QString errorCode, QString errorDesc, QString value);
    void sendErrorClearInfo(QString timeStamp, QString errorCode, QString errorDesc, QString value);
    void handleReceivedIoTInfo(QString iotJsonInfo);
    void handleDataModeCommand(QJsonObject iotObj);
    void diagModeTimeOut();
    void sendDataModeFailed(QString requestedMode, QString failureDesc, QString status = QString());
    void sendDataModeStatus(QString status, QString requestStatus, QString requestedMode);
    void sendDiagnosticsModeData();
    void handleLiveViewCommand(QJsonObject iotObj);
    void liveViewModeTimeOut();
    void sendLiveViewModeFailed(QString requestedMode, QString failureDesc, QString status = QString());
    void sendLiveViewModeStatus(QString status, QString requestStatus, QString requestedMode);
    void sendLiveViewModeData();
    void sendLogData();
    void clearOldErrors();

private slots:
    void diagnosticDataTick();
    void liveViewDataTick();
    void uptimeTick();
    void uptimeSaveFinished(SafeFileWriter::Result result);
    void errorsSaveFinished(SafeFileWriter::Result result);

private:
    enum class Delivery {
        AtOnce,
        HeldUntilPowerOn,
    };
    enum class Stamp {
        Truncated,     // milliseconds / 1000
        NearestSecond, // (milliseconds + 500) / 1000
    };

    void rebuildServices();
    bool has(int sources) const;
    static qint64 timeStamp(Stamp stamp);
    QJsonObject eventMessage(const QString &eventType, qint64 stamp, const QString &arrayKey,
                             const QJsonArray &records) const;
    QJsonObject shadowMessage(const QString &section, const QJsonArray &records) const;
    void send(const QJsonObject &message, Delivery delivery);

    // A product's pan size as the menu gives it ("1/2").
    QString panSizeText(int productId) const;
    // Bin records of the diagnostic and log snapshots.
    QJsonArray binRecords(qint64 stamp) const;
    // Product, pan size and process id of a bin's hold, as the hold events report them.
    struct HoldFacts;
    HoldFacts holdFacts(int bin) const;
    static QJsonArray holdRecords(const QString &event, int bin, const HoldFacts &facts, const QString &productType);
    void sendHoldEvent(const QJsonArray &records);
    QJsonObject errorMessage(const QString &errorCode, const QString &state) const;

    enum class ModeKind {
        DiagnosticData,
        LiveView,
    };
    KivClockTimer &dataTimer(ModeKind kind);
    KivClockTimer &modeTimer(ModeKind kind);
    QString &modeOf(ModeKind kind);
    // What the mode falls back to when it ends.
    QString restingMode(ModeKind kind) const;
    void runModeCommand(const QJsonObject &iotObj, ModeKind kind);
    void modeTimedOut(ModeKind kind);
    void sendModeReply(ModeKind kind, const QJsonArray &records);
    void sendModeFailed(ModeKind kind, const QString &requestedMode, const QString &failureDesc,
                        const QString &status);
    void sendModeStatus(ModeKind kind, const QString &status, const QString &requestStatus,
                        const QString &requestedMode);

    QPointer<CabinetManager> m_cabinetManager;
    QPointer<ConfigurationManager> m_configManager;
    QPointer<DayPartManager> m_dayPartManager;
    QPointer<MenuManager> m_menuManager;
    QPointer<Translator> m_translator;
    QObject *m_ownServices = nullptr;
    IotServices *m_services = nullptr;
    ShadowServices *m_shadowServices = nullptr;

    KivClockTimer m_diagnosticDataTimer;
    KivClockTimer m_diagnosticModeTimer;
    QString m_diagnosticMode;
    KivClockTimer m_liveViewDataTimer;
    KivClockTimer m_liveViewModeTimer;
    QString m_liveViewMode;

    QStringList m_activeErrors;
    QStringList m_previousErrors;
    KivClockTimer m_purgeTimer;
    SafeFileWriter m_errorsWriter;

    KivClockTimer m_uptimeTimer;
    SafeFileWriter m_uptimeWriter;
    bool m_uptimeSaveRefused = false;
    QDateTime m_systemStartTime;
    qint64 m_currentUpTime = 0;
    QDateTime m_prevStartTime;
    qint64 m_prevUpTime = 0;
    qint64 m_totalSystemUpTime = 0;

    bool m_powerOnReported = false;
    QStringList m_pendingEvents;
};
