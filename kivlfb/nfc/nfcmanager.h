#pragma once

#include "nfctagitem.h"
#include "nfctagitem2.h"
#include "pantaghost.h"
#include "tagbinmodel.h"

#include <QAbstractSocket>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariant>
#include <QVector>

#include <memory>

class ConfigurationManager;
class DayPartManager;
class MenuManager;
class NfcTagItemRequest;
class QNetworkSession;
class QTcpServer;
class QTcpSocket;
class QUdpSocket;
class ZoneManager;

// The cabinet's knowledge of tagged pans: which tag belongs to which hold,
// which tag sits in which bin, and which pans the other cabinets of the site
// hold. It starts and stops bin timers only through its signals, keeps its
// registry in "SavedHash2.dat", and on the primary display exchanges
// holding lists (and, first generation, single tags) with other cabinets on
// port 55555.
class NFCmanager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString broadcastAddr READ get_broadcastAddr WRITE set_broadcastAddr NOTIFY broadcastAddrChanged)
    Q_PROPERTY(QString ipAddrToUse READ get_ipAddrToUse WRITE set_ipAddrToUse NOTIFY ipAddrToUseChanged)
    Q_PROPERTY(QString tagsNotFoundInBins READ get_tagsNotFoundInBins NOTIFY tagsNotFoundInBinsChanged)
    Q_PROPERTY(TagBinModel *tagBinModel READ get_tagBinModel NOTIFY tagBinModelChanged)

public:
    static constexpr quint16 Port = 55555;
    static constexpr int BinCount = 20;
    static constexpr quint32 TransferAccepted = 0x00000FED;
    static constexpr quint32 TransferRefused = 0x00000BAD;
    static constexpr int BroadcastIntervalMs = 200;
    static constexpr int BroadcastRetries = 15;
    static constexpr int TransferTimeoutMs = 2000;
    static constexpr int UniversalProductCode = 101;
    // Cabinets of a site keep their clocks within seconds of each other; a
    // holding list whose sender is further off than this is ignored.
    static constexpr qint64 MaxClockShiftMs = 24 * 3600 * 1000LL;
    // A site has tens of cabinets: the lists of this many are kept, the one
    // heard from longest ago making way for a new sender. A list not renewed
    // for OthersListLifetimeMs is forgotten.
    static constexpr int MaxOtherCabinets = 64;
    static constexpr qint64 OthersListLifetimeMs = 24 * 3600 * 1000LL;

    // The cabinet core's constructor; the composition root then hands the
    // registry its cabinet with setHost().
    NFCmanager(DayPartManager *dayParts, QList<ZoneManager *> *zones, MenuManager *menus, QObject *parent);
    // Serves the given cabinet (not owned; none for a standalone registry).
    explicit NFCmanager(PanTagHost *host, QObject *parent = nullptr);
    ~NFCmanager() override;

    // Gives a registry that was built without one its cabinet (not owned);
    // on the primary display it then opens the pan-tag network. Only the
    // first call counts.
    void setHost(PanTagHost *host);

    void set_configManager(ConfigurationManager *config);
    ConfigurationManager *get_configManager() const { return m_config; }

    QString get_broadcastAddr() const { return m_broadcastAddr; }
    QString get_ipAddrToUse() const { return m_ipAddrToUse; }
    QString get_tagsNotFoundInBins() const { return m_tagsNotFoundInBins; }
    TagBinModel *get_tagBinModel() { return &m_tagBinModel; }

    // The registry and the holding lists of other cabinets, for the IoT
    // handlers and the tag analysis. Records stay owned by their tables.
    QList<quint64> registeredUids() const { return m_tags.keys(); }
    QStringList othersListKeys() const { return m_othersLists.keys(); }
    QList<const NfcTagItem2 *> othersList(const QString &key) const;
    // Replaces the list kept under key, taking ownership of the records;
    // forgets lists past their lifetime and, to make room for a new key, the
    // one renewed longest ago.
    void replaceOthersList(const QString &key, const QList<NfcTagItem2 *> &records);

    // The pan now lies in bin, and in its partner bin (bin xor 1) when it
    // covers two: the bins carry its UID and no other cabinet's list keeps it.
    void claimBins(quint8 bin, quint64 uid, bool twoBins);

    // What the tag analysis saw a pan do, told to the IoT side with the
    // pass's time "now" (ms since the epoch) and the seconds left on the
    // hold: a pan of this registry left its bin (no time left for an ended
    // hold; a pan without a record here is not told), came back to its bin,
    // or came over from another bin or cabinet.
    void reportPanRemoved(quint8 bin, quint64 uid, qint64 now);
    void reportPanReturned(quint8 bin, quint64 uid, qint64 now, int remainingSecs);
    void reportPanTransfered(quint8 bin, quint64 uid, qint64 now, int remainingSecs);

    // First-generation table.
    NfcTagItem *viewTagInfo(quint64 uid) const { return m_tagHash.value(uid); }
    bool doWeOwnThisTag(quint64 uid) const { return m_tagHash.contains(uid); }
    bool inQueueContainsTag(quint64 uid, NfcTagItem **item) const;
    int inQueueSize() const { return m_queueIn.size(); }
    int outQueueSize() const { return m_queueOut.size(); }

signals:
    void broadcastAddrChanged(QString value);
    void ipAddrToUseChanged(QString value);
    void tagsNotFoundInBinsChanged(QString value);
    void tagBinModelChanged(TagBinModel *value);

    void startBinTimer(quint8 bin, qint32 remainingTime, quint64 uid);
    void stopBinTimer(quint8 bin);
    void registerTagAtTimerUsingBin(quint64 uid, int bin);
    void logErrorSignal(int mainCode, int subCode1, int subCode2, int subCode3);
    void requestingTagInfo(int bin);
    // A holding list arrived from the cabinet with this MAC address.
    void notifyHoldListUpdateReceived(QString macAddress);
    void event_transferFrom(QString timeStamp, QString productType, QString panID, int zone, QString method,
                            int timeRemaining, QString destinationName, QString destinationZone);
    void event_transferTo(QString timeStamp, QString productType, QString panID, int zone, QString method,
                          int timeRemaining, QString originName, QString originZone);
    void panRemoved(qint64 timeStamp, int bin, quint64 panId, int timeRemaining);
    void panReturned(qint64 timeStamp, int bin, quint64 panId, int timeRemaining);
    void panTransfered(qint64 timeStamp, int bin, quint64 panId, int timeRemaining);

public slots:
    void set_broadcastAddr(QString address);
    void set_ipAddrToUse(QString address);

    void startBinTimerSignalEmiter(quint8 bin, qint32 seconds, quint64 uid) { emit startBinTimer(bin, seconds, uid); }
    void stopBinTimerSignalEmiter(quint8 bin) { emit stopBinTimer(bin); }

    // Registry.
    void registerTag2(NfcTagItem2 *item);
    NfcTagItem2 *viewTagInfo2(quint64 uid) const { return m_tags.value(uid); }
    bool doWeOwnThisTag2(quint64 uid) const { return m_tags.contains(uid); }
    void setTagSeenInCabinet(quint64 uid);
    void clearAllSeenInCabinet();
    bool deregisterTag2(quint64 uid);
    void removeTag2(quint64 uid);
    void removeTagAndStopTimer(quint64 uid);
    void removeHiddenTag(QVariant tagnum);
    void stopBinTimerIfEmpty(quint8 bin, quint64 uid);
    quint64 getUidInBin(quint8 bin) const { return bin < BinCount ? m_binUids.at(bin) : 0; }
    quint64 getBinTagUid(int binIndex) const;
    void setUidInBin(quint8 bin, quint64 uid);
    int getProductID(quint8 bin) const;
    int getProductHoldTimeSec(quint8 bin) const;
    NfcTagItem2 *getTagFromOthers(quint64 uid) const;
    void removeTagFromOthers(quint64 uid);
    void adjustTagExpirations(qint64 offsetMs);
    void setAllTagExpirationsToInvalid();
    void binTimerStartedByUser(quint8 bin);
    void userRequestsManualTimerStart(quint8 bin);
    void rebuildTagsNotFoundInBins();
    void resetNFC2();
    void saveNFC2();
    void restoreNFC2();

    // Tag ownership between cabinets.
    void broadcastHoldingList();
    void processUdpDatagrams();
    void processDatagram(const QByteArray &datagram, const QHostAddress &sender, quint16 senderPort);
    void broadcastWhoOwnsThisTag();
    void broadcastTimeout();
    void addTagToQueueIn(NfcTagItem *item);
    void addTagToQueueOut(NfcTagItemRequest *request);
    void connectToRequestor();
    void transferTagToRequestor();
    void verifyTransferConfirmation();
    void transferTimeout();
    void acceptIncomingConnection();
    void acceptTagFromPriorOwner();
    void networkErrorHandler(QAbstractSocket::SocketError error);
    void logNetworkRcvdMsg(QString message);

    // First-generation table.
    void addTagToHash(NfcTagItem *item);
    void registerTag(quint8 bin, NfcTagItem *item);
    void removeTag(quint64 uid);
    void deregisterTag(quint64 uid);
    void findAndRemoveTagFromHash(quint8 bin);
    void findAndRemoveTagFromHash2(quint8 bin);
    void saveNFC();
    void restoreNFC();
    void resetNFC();

private:
    void init();
    void setUpNetwork();
    void openRequestorConnection();
    void logNetworkCapabilities();
    bool broadcastsHoldingList() const;
    void processHoldingList(const QByteArray &datagram, const QHostAddress &sender);
    void processWhoOwnsThisTag(const QByteArray &datagram, const QHostAddress &sender, quint16 senderPort);
    void deleteOthersList(const QString &key);
    void endHoldTakenElsewhere(const NfcTagItem2 &local, const QHostAddress &sender, qint8 orientationId, qint64 now);
    void clearBinUid(quint8 bin, quint64 uid);
    bool writeSafely(const QString &name, const QByteArray &content);
    void insertFirstGenerationTag(NfcTagItem *item);

    PanTagHost m_standaloneHost;
    PanTagHost *m_host = nullptr;
    DayPartManager *m_dayParts = nullptr;
    QList<ZoneManager *> *m_zones = nullptr;
    MenuManager *m_menus = nullptr;
    ConfigurationManager *m_config = nullptr;

    QString m_broadcastAddr = QStringLiteral("255.255.255.255");
    QString m_ipAddrToUse;
    QString m_tagsNotFoundInBins;
    TagBinModel m_tagBinModel;

    QHash<quint64, NfcTagItem2 *> m_tags;
    QVector<quint64> m_binUids = QVector<quint64>(BinCount, 0);
    QHash<QString, QList<NfcTagItem2 *>> m_othersLists;
    QHash<QString, qint64> m_othersListRenewedMs;

    // First generation.
    QHash<quint64, NfcTagItem *> m_tagHash;
    QList<NfcTagItem *> m_queueIn;
    QList<NfcTagItemRequest *> m_queueOut;
    quint8 m_retryCount = 0;
    bool m_waitingForAnswer = false;
    bool m_transferInProgress = false;

    QUdpSocket *m_udpSend = nullptr;
    QUdpSocket *m_udpReceive = nullptr;
    QTcpSocket *m_tcpOut = nullptr;
    QTcpServer *m_tcpServer = nullptr;
    QTcpSocket *m_tcpIn = nullptr;
    QTimer m_broadcastTimer;
    QTimer m_transferTimer;
    QNetworkSession *m_session = nullptr;
};
