#pragma once

#include "network/wifistatsdatalog.h"
#include "platform/kivclocktimer.h"
#include "statemachine/tarnstatemachine.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class ConfigurationManager;
class NetworkHost;

// Watches the Wi-Fi link while Wi-Fi is enabled and logs one statistics row
// per association check. Two regions run side by side: the association
// check every wpaCheckPeriodSecs, and the networking steps that follow an
// association (address, then gateway pings). The tools run through
// ToolRunner, the time marks and timers on KivClock.
class WifiMonitor : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(QString essid READ get_essid WRITE set_essid NOTIFY essidChanged)
    Q_PROPERTY(QString accessPoint READ get_accessPoint WRITE set_accessPoint NOTIFY accessPointChanged)
    Q_PROPERTY(double linkQuality READ get_linkQuality WRITE set_linkQuality NOTIFY linkQualityChanged)
    Q_PROPERTY(double signalLevel READ get_signalLevel WRITE set_signalLevel NOTIFY signalLevelChanged)
    Q_PROPERTY(double signalLevelDecibel READ get_signalLevelDecibel WRITE set_signalLevelDecibel NOTIFY signalLevelDecibelChanged)
    Q_PROPERTY(QString frequency READ get_frequency WRITE set_frequency NOTIFY frequencyChanged)
    Q_PROPERTY(QString inet READ get_inet WRITE set_inet NOTIFY inetChanged)
    Q_PROPERTY(QString netmask READ get_netmask WRITE set_netmask NOTIFY netmaskChanged)
    Q_PROPERTY(QString broadcast READ get_broadcast WRITE set_broadcast NOTIFY broadcastChanged)
    Q_PROPERTY(int wpaCheckPeriodSecs READ get_wpaCheckPeriodSecs WRITE set_wpaCheckPeriodSecs NOTIFY wpaCheckPeriodSecsChanged)
    Q_PROPERTY(QString wifiGateway READ get_wifiGateway WRITE set_wifiGateway NOTIFY wifiGatewayChanged)

public:
    static constexpr int IpCheckRetryMs = 10000;
    static constexpr int PingPeriodMs = 10000;
    static constexpr int RestartStepRetryMs = 3000;
    static constexpr qint64 NotAssociatedErrorSecs = 61;
    static constexpr qint64 IpNotAcquiredErrorMs = 60000;
    static constexpr qint64 PingErrorMs = 40000;
    static constexpr qint64 RestartStepErrorMs = 30000;
    static constexpr int LogsKept = 48;

    // What one output of the wireless-status tool says; a field it lacks
    // stays empty.
    struct LinkReading
    {
        std::optional<QString> essid;
        std::optional<QString> accessPoint;
        std::optional<double> linkQuality;
        std::optional<double> signalLevel;
        std::optional<double> signalLevelDecibel;
        std::optional<QString> frequency;
    };
    static LinkReading parseLinkStatus(const QString &output);

    // The interface's addresses as the interface tool prints them.
    struct AddressReading
    {
        std::optional<QString> inet;
        std::optional<QString> netmask;
        std::optional<QString> broadcast;
    };
    static AddressReading parseAddresses(const QString &output);

    // Without a host there is no cabinet network to tell and no backup to
    // wait for.
    WifiMonitor(ConfigurationManager *config, QObject *parent, std::unique_ptr<NetworkHost> host = nullptr);
    ~WifiMonitor() override;

    QString get_essid() const { return m_essid; }
    QString get_accessPoint() const { return m_accessPoint; }
    double get_linkQuality() const { return m_linkQuality; }
    double get_signalLevel() const { return m_signalLevel; }
    double get_signalLevelDecibel() const { return m_signalLevelDecibel; }
    QString get_frequency() const { return m_frequency; }
    QString get_inet() const { return m_inet; }
    QString get_netmask() const { return m_netmask; }
    QString get_broadcast() const { return m_broadcast; }
    int get_wpaCheckPeriodSecs() const { return m_wpaCheckPeriodSecs; }
    QString get_wifiGateway() const { return m_wifiGateway; }
    WifiStatsDataLog *get_wifiStatsDataLog() { return &m_wifiStatsDataLog; }
    ConfigurationManager *configManager() const { return m_config; }

signals:
    void essidChanged(QString value);
    void accessPointChanged(QString value);
    void linkQualityChanged(double value);
    void signalLevelChanged(double value);
    void signalLevelDecibelChanged(double value);
    void frequencyChanged(QString value);
    void inetChanged(QString value);
    void netmaskChanged(QString value);
    void broadcastChanged(QString value);
    void wpaCheckPeriodSecsChanged(int value);
    void wifiGatewayChanged(QString value);

    void wifiEnabled();
    void wifiDisabled();
    void wpaConnected();
    void wpaDisconnected();
    void wpaDisconnectedError();
    void ipAcquired();
    void ipNotAcquiredError();
    void pingWifiGwError();
    void pingWifiGwOk();
    void wlan0IfupOK();
    void wlan0IfupErr();
    void wlan0IfdownOK();
    void wlan0IfdownErr();
    void wpaReconfigureOK();
    void wpaReconfigureErr();
    void newWifiStats();

public slots:
    void set_essid(const QString &value);
    void set_accessPoint(const QString &value);
    void set_linkQuality(double value);
    void set_signalLevel(double value);
    void set_signalLevelDecibel(double value);
    void set_frequency(const QString &value);
    void set_inet(const QString &value);
    void set_netmask(const QString &value);
    void set_broadcast(const QString &value);
    void set_wpaCheckPeriodSecs(int value);
    void set_wifiGateway(const QString &value);

    void wifiEnabledChangedRelay(bool value);

    void wpaConnectionCheck();
    void wifiIpCheck();
    void pingWifiGw();
    void wlan0Ifdown();
    void wpaReconfigure();
    void wlan0Ifup();
    void evalWpaNotConnectedError();
    void processWrapUp_wpaConnectionCheck(int exitCode, QProcess::ExitStatus exitStatus);
    void processWrapUp_wifiIpCheck(int exitCode, QProcess::ExitStatus exitStatus);
    void processWrapUp_pingWifiGw(int exitCode, QProcess::ExitStatus exitStatus);
    void processWrapUp_wlan0Ifdown(int exitCode, QProcess::ExitStatus exitStatus);
    void processWrapUp_wpaReconfigure(int exitCode, QProcess::ExitStatus exitStatus);
    void processWrapUp_wlan0Ifup(int exitCode, QProcess::ExitStatus exitStatus);

    // The statistics log's files.
    void saveWifiStats();
    void wifiStatsLogClear();
    QStringList wifiLogsList();
    void limitNumberOfWifiLogs(int numOfLogsLimit = LogsKept);
    void exportWifiLogs();

    void wifiNotEnabledState_onEntry();
    void wifiNotEnabledState_onExit();
    void wifiEnabledState_onEntry();
    void wifiEnabledState_onExit();
    void wifiNetworkingState_onEntry();
    void wifiNetworkingState_onExit();
    void netWpaNotConnectedState_onEntry();
    void netWpaNotConnectedState_onExit();
    void ipNotAcquiredState_onEntry();
    void ipNotAcquiredState_onExit();
    void ipAcquiredState_onEntry();
    void ipAcquiredState_onExit();
    void restartWifiState_onEntry();
    void restartWifiState_onExit();
    void wlan0ifdownState_onEntry();
    void wlan0ifdownState_onExit();
    void wpaReconfigureState_onEntry();
    void wpaReconfigureState_onExit();
    void wlan0ifupState_onEntry();
    void wlan0ifupState_onExit();
    void wifiWpaConnectionCheckState_onEntry();
    void wifiWpaConnectionCheckState_onExit();
    void wifiWpaNotConnected_onEntry();
    void wifiWpaNotConnected_onExit();
    void wifiWpaConnected_onEntry();
    void wifiWpaConnected_onExit();

private:
    void buildMachine();
    void buildNetworkingRegion(QState *wifiEnabledState);
    void buildRestartSequence(QState *wifiNetworkingState, QState *netWpaNotConnectedState);
    void buildAssociationRegion(QState *wifiEnabledState);

    // Starts a tool unless its previous run is still going.
    void startTool(QProcess *&process, const QString &program, const QStringList &arguments,
                   void (WifiMonitor::*wrapUp)(int, QProcess::ExitStatus));
    // The finished process of a wrap-up, released; its output read whole.
    QByteArray finishTool(QProcess *&process);
    void setApConnected(bool value);
    void restartStepFinished(QProcess::ExitStatus exitStatus, void (WifiMonitor::*ok)(), void (WifiMonitor::*err)());

    WifiStatsDataLog m_wifiStatsDataLog;

    QString m_essid;
    QString m_accessPoint;
    double m_linkQuality = 0;
    double m_signalLevel = 0;
    double m_signalLevelDecibel = 0;
    QString m_frequency;
    QString m_inet;
    QString m_netmask;
    QString m_broadcast;
    int m_wpaCheckPeriodSecs = 10;
    QString m_wifiGateway;

    QProcess *m_wpaCheckProcess = nullptr;
    QProcess *m_ipCheckProcess = nullptr;
    QProcess *m_pingProcess = nullptr;
    QProcess *m_ifdownProcess = nullptr;
    QProcess *m_wpaReconfigureProcess = nullptr;
    QProcess *m_ifupProcess = nullptr;

    ConfigurationManager *m_config;
    std::unique_ptr<NetworkHost> m_host;

    KivClockTimer netWpaConnectionCheckTimer;
    KivClockTimer wifiIpCheckTimer;
    KivClockTimer pingWifiGwTimer;
    KivClockTimer restartWifiStepTimer;

    qint64 m_ipNotAcquiredSinceMs = 0;
    qint64 m_ipAcquiredSinceMs = 0;
    qint64 m_restartStepSinceMs = 0;
    qint64 m_notAssociatedSinceSecs = 0;
};
