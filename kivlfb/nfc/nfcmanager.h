#pragma once

#include <QList>
#include <QObject>
#include <QString>

class ConfigurationManager;
class DayPartManager;
class MenuManager;
class ZoneManager;

// Tracks the NFC pan tags of the cabinet and turns tag readings and touches
// into bin timer starts and stops.
class NFCmanager : public QObject
{
    Q_OBJECT

public:
    NFCmanager(DayPartManager *dayParts, QList<ZoneManager *> *zones, MenuManager *menus,
               QObject *parent);

    void set_configManager(ConfigurationManager *config) { m_config = config; }
    ConfigurationManager *get_configManager() const { return m_config; }

signals:
    void requestingTagInfo(int bin);
    void startBinTimer(quint8 bin, qint32 remainingTime, quint64 uid);
    void stopBinTimer(quint8 bin);
    void registerTagAtTimerUsingBin(quint64 uid, int bin);
    void logErrorSignal(int mainCode, int subCode1, int subCode2, int subCode3);
    void notifyHoldListUpdateReceived(QString macAddress);
    void panRemoved(qint64 timeStamp, int bin, quint64 panId, int timeRemaining);
    void panReturned(qint64 timeStamp, int bin, quint64 panId, int timeRemaining);
    void panTransfered(qint64 timeStamp, int bin, quint64 panId, int timeRemaining);

public slots:
    // Tag tracking; bodies come with the pan-tag work.
    void deregisterTag2(quint64 uid);
    void userRequestsManualTimerStart(quint8 bin);
    void adjustTagExpirations(qint64 offsetMs);
    void restoreNFC2();
    void resetNFC2();
    void setAllTagExpirationsToInvalid();
    void set_broadcastAddr(QString address);
    void set_ipAddrToUse(QString address);

private:
    DayPartManager *m_dayParts;
    QList<ZoneManager *> *m_zones;
    MenuManager *m_menus;
    ConfigurationManager *m_config = nullptr;
};
