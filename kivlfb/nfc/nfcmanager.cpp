#include "nfcmanager.h"

#include "property/assignifchanged.h"

#include "nfctagitemrequest.h"
#include "pantagcodec.h"
#include "pantaghost.h"

#include "platform/boundedfile.h"
#include "platform/kivclock.h"
#include "platform/kivroot.h"
#include "platform/toolrunner.h"

#include <QDebug>
#include <QFile>
#include <QNetworkConfigurationManager>
#include <QNetworkDatagram>
#include <QNetworkSession>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QtEndian>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <new>
#include <unistd.h>

namespace {

const char kSavedHash2[] = "SavedHash2";
const char kSavedHash[] = "SavedHash";
const QString kDezOraAws = QStringLiteral("DEZ_ORAAWS");
const QString kNotApplicable = QStringLiteral("N.A.");

QString hexUid(quint64 uid)
{
    return QString::number(uid, 16);
}

// Hold states of a registry record.
constexpr quint8 kHoldEnded = 4;

// No cabinet writes a time past the end of the year 9999, or as far before
// 1970; bounding times there keeps every difference taken from them in
// range.
constexpr qint64 kLatestTimeMs = 253402300799999LL;

bool plausibleTime(qint64 ms)
{
    return ms >= -kLatestTimeMs && ms <= kLatestTimeMs;
}

// Whether a pan activated at `there` was activated more than 500 ms after
// `here`, whatever the two values.
bool activatedLater(qint64 there, qint64 here)
{
    return there > here && quint64(there) - quint64(here) > 500;
}

// Whole seconds from now to an expiry, to the nearest second.
int remainingSeconds(qint64 expiryMs, qint64 nowMs)
{
    const qint64 expiry = qBound(-kLatestTimeMs, expiryMs, kLatestTimeMs);
    return int(qBound<qint64>(INT_MIN, (expiry - nowMs + 500) / 1000, INT_MAX));
}

// The ".dat" file, or the ".bak" left by a save that did not get to its
// rename; empty when neither can be read.
QByteArray readSavedFile(const char *base, QString *readFrom)
{
    for (const char *suffix : {".dat", ".bak"}) {
        const QString path = KivRoot::appFile(QLatin1String(base) + QLatin1String(suffix));
        // A runaway file is refused like an unreadable one: the backup may
        // still be whole.
        QByteArray bytes;
        if (BoundedFile::read(path, BoundedFile::LargeFileLimit, &bytes) == BoundedFile::Read) {
            *readFrom = path;
            return bytes;
        }
    }
    return QByteArray();
}

} // namespace

NFCmanager::NFCmanager(DayPartManager *dayParts, QList<ZoneManager *> *zones, MenuManager *menus, QObject *parent)
    : QObject(parent)
    , m_dayParts(dayParts)
    , m_zones(zones)
    , m_menus(menus)
{
    init();
}

NFCmanager::NFCmanager(PanTagHost *host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    init();
}

NFCmanager::~NFCmanager()
{
    qDeleteAll(m_tags);
    for (const QList<NfcTagItem2 *> &list : qAsConst(m_othersLists))
        qDeleteAll(list);
    qDeleteAll(m_tagHash);
    qDeleteAll(m_queueIn);
    qDeleteAll(m_queueOut);
}

void NFCmanager::init()
{
    if (!m_host)
        m_host = &m_standaloneHost;
    m_broadcastTimer.setSingleShot(true);
    m_broadcastTimer.setTimerType(Qt::PreciseTimer);
    m_broadcastTimer.setInterval(BroadcastIntervalMs);
    connect(&m_broadcastTimer, &QTimer::timeout, this, &NFCmanager::broadcastTimeout);
    m_transferTimer.setSingleShot(true);
    m_transferTimer.setTimerType(Qt::PreciseTimer);
    m_transferTimer.setInterval(TransferTimeoutMs);
    connect(&m_transferTimer, &QTimer::timeout, this, &NFCmanager::transferTimeout);
    // Only the primary display speaks for the cabinet on the network.
    if (m_host->isPrimary())
        setUpNetwork();
}

void NFCmanager::setHost(PanTagHost *host)
{
    if (!host || m_host != &m_standaloneHost)
        return;
    m_host = host;
    if (m_host->isPrimary())
        setUpNetwork();
}

void NFCmanager::setUpNetwork()
{
    logNetworkCapabilities();

    m_udpSend = new QUdpSocket(this);
    m_udpSend->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_udpSend->setSocketOption(QAbstractSocket::TypeOfServiceOption, 32);
    connect(m_udpSend, &QAbstractSocket::errorOccurred, this, &NFCmanager::networkErrorHandler);

    m_udpReceive = new QUdpSocket(this);
    connect(m_udpReceive, &QAbstractSocket::errorOccurred, this, &NFCmanager::networkErrorHandler);
    connect(m_udpReceive, &QUdpSocket::readyRead, this, &NFCmanager::processUdpDatagrams);
    if (!m_udpReceive->bind(QHostAddress::AnyIPv4, Port, QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint))
        qWarning().noquote() << QStringLiteral("NFCmanager: cannot bind UDP port %1: %2").arg(Port).arg(m_udpReceive->errorString());

    m_tcpOut = new QTcpSocket(this);
    connect(m_tcpOut, &QAbstractSocket::connected, this, &NFCmanager::transferTagToRequestor);
    connect(m_tcpOut, &QIODevice::readyRead, this, &NFCmanager::verifyTransferConfirmation);
    connect(m_tcpOut, &QAbstractSocket::errorOccurred, this, &NFCmanager::networkErrorHandler);

    m_tcpServer = new QTcpServer(this);
    connect(m_tcpServer, &QTcpServer::newConnection, this, &NFCmanager::acceptIncomingConnection);
    connect(m_tcpServer, &QTcpServer::acceptError, this, &NFCmanager::networkErrorHandler);
    if (!m_tcpServer->listen(QHostAddress::Any, Port))
        qWarning().noquote() << QStringLiteral("NFCmanager: cannot listen on TCP port %1: %2").arg(Port).arg(m_tcpServer->errorString());
}

void NFCmanager::logNetworkCapabilities()
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QNetworkConfigurationManager manager;
    const auto capabilities = manager.capabilities();
    qDebug().noquote() << "NfcManager... check capabilities! " << QString::number(int(capabilities), 16);
    if (!(capabilities & QNetworkConfigurationManager::NetworkSessionRequired))
        return;
    qDebug().noquote() << "Network session required!" << QString(40, QLatin1Char('#'));
    QSettings settings(QSettings::UserScope, QStringLiteral("KivProject"));
    settings.beginGroup(QStringLiteral("DadAzodaru"));
    const QString id = settings.value(QStringLiteral("DefaultNetworkConfiguration")).toString();
    settings.endGroup();
    QNetworkConfiguration config = manager.configurationFromIdentifier(id);
    if ((config.state() & QNetworkConfiguration::Discovered) != QNetworkConfiguration::Discovered) {
        config = manager.defaultConfiguration();
        qDebug().noquote() << "manager.defaultConfiguration()   !" << QString(40, QLatin1Char('#'));
    }
    m_session = new QNetworkSession(config, this);
    m_session->open();
    QT_WARNING_POP
}

void NFCmanager::set_configManager(ConfigurationManager *config)
{
    m_config = config;
}

void NFCmanager::set_broadcastAddr(QString address)
{
    if (assignIfChanged(m_broadcastAddr, address))
        emit broadcastAddrChanged(m_broadcastAddr);
}

void NFCmanager::set_ipAddrToUse(QString address)
{
    if (assignIfChanged(m_ipAddrToUse, address))
        emit ipAddrToUseChanged(m_ipAddrToUse);
}

// ---- registry ----

void NFCmanager::registerTag2(NfcTagItem2 *item)
{
    if (!item)
        return;
    NfcTagItem2 *previous = m_tags.value(item->getUid());
    if (previous != item)
        delete previous;
    m_tags.insert(item->getUid(), item);
    emit registerTagAtTimerUsingBin(item->getUid(), item->getPosition());
}

void NFCmanager::setTagSeenInCabinet(quint64 uid)
{
    if (NfcTagItem2 *item = m_tags.value(uid)) {
        item->setSeenInCabinet(true);
        item->setLastSeenTimeStamp(KivClock::secsSinceEpoch());
    }
}

void NFCmanager::clearAllSeenInCabinet()
{
    for (NfcTagItem2 *item : qAsConst(m_tags))
        item->setSeenInCabinet(false);
}

void NFCmanager::clearBinUid(quint8 bin, quint64 uid)
{
    if (bin < BinCount && m_binUids.at(bin) == uid)
        m_binUids[bin] = 0;
}

bool NFCmanager::deregisterTag2(quint64 uid)
{
    NfcTagItem2 *item = m_tags.value(uid);
    if (!item)
        return false;
    // The record stays as an ended hold, so other cabinets learn that the
    // pan is free.
    item->setHoldStatus(NfcTagItem2::HoldEnded);
    item->setActivationTimeStamp(KivClock::msecsSinceEpoch());
    clearBinUid(item->getPosition(), uid);
    saveNFC2();
    if (broadcastsHoldingList())
        broadcastHoldingList();
    return true;
}

void NFCmanager::removeTag2(quint64 uid)
{
    NfcTagItem2 *item = m_tags.take(uid);
    if (!item)
        return;
    clearBinUid(item->getPosition(), uid);
    delete item;
}

void NFCmanager::removeTagAndStopTimer(quint64 uid)
{
    const NfcTagItem2 *item = m_tags.value(uid);
    if (!item)
        return;
    const quint8 position = item->getPosition();
    // A bin that now holds another pan keeps its timer.
    if (position < BinCount && (m_binUids.at(position) == 0 || m_binUids.at(position) == uid))
        emit stopBinTimer(position);
    removeTag2(uid);
    saveNFC2();
}

void NFCmanager::removeHiddenTag(QVariant tagnum)
{
    QString text = tagnum.toString().trimmed();
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        text = text.mid(2);
    bool ok = false;
    const quint64 uid = text.toULongLong(&ok, 16);
    if (!ok) {
        qWarning().noquote() << "NFCmanager: not a tag number:" << tagnum.toString();
        return;
    }
    removeTagAndStopTimer(uid);
}

void NFCmanager::stopBinTimerIfEmpty(quint8 bin, quint64 uid)
{
    if (bin >= BinCount)
        return;
    const quint64 inBin = m_binUids.at(bin);
    if (!m_host->trayAlertStatus(bin) && inBin != 0 && inBin != uid)
        return;
    emit stopBinTimer(bin);
}

quint64 NFCmanager::getBinTagUid(int binIndex) const
{
    return binIndex >= 0 && binIndex < BinCount ? m_binUids.at(binIndex) : 0;
}

void NFCmanager::setUidInBin(quint8 bin, quint64 uid)
{
    if (bin >= BinCount)
        return;
    m_binUids[bin] = uid;
    saveNFC2();
}

int NFCmanager::getProductID(quint8 bin) const
{
    return bin < BinCount ? m_host->productIdAtBin(bin) : 0;
}

int NFCmanager::getProductHoldTimeSec(quint8 bin) const
{
    const int productId = getProductID(bin);
    return productId < 1 ? 0 : m_host->productHoldTimeSec(productId);
}

void NFCmanager::claimBins(quint8 bin, quint64 uid, bool twoBins)
{
    if (twoBins)
        setUidInBin(bin ^ 1, uid);
    setUidInBin(bin, uid);
    removeTagFromOthers(uid);
}

void NFCmanager::reportPanRemoved(quint8 bin, quint64 uid, qint64 now)
{
    const NfcTagItem2 *item = m_tags.value(uid);
    if (!item)
        return;
    const int remaining = item->getHoldStatus() == NfcTagItem2::HoldEnded ? 0 : item->remainingSecs(now);
    emit panRemoved(now, bin, uid, remaining);
}

void NFCmanager::reportPanReturned(quint8 bin, quint64 uid, qint64 now, int remainingSecs)
{
    emit panReturned(now, bin, uid, remainingSecs);
}

void NFCmanager::reportPanTransfered(quint8 bin, quint64 uid, qint64 now, int remainingSecs)
{
    emit panTransfered(now, bin, uid, remainingSecs);
}

NfcTagItem2 *NFCmanager::getTagFromOthers(quint64 uid) const
{
    NfcTagItem2 *latest = nullptr;
    for (const QList<NfcTagItem2 *> &list : m_othersLists)
        for (NfcTagItem2 *item : list)
            if (item->getUid() == uid && (!latest || item->getActivationTimeStamp() > latest->getActivationTimeStamp()))
                latest = item;
    return latest;
}

void NFCmanager::removeTagFromOthers(quint64 uid)
{
    for (QList<NfcTagItem2 *> &list : m_othersLists) {
        for (auto it = list.begin(); it != list.end();) {
            if ((*it)->getUid() == uid) {
                delete *it;
                it = list.erase(it);
            } else {
                ++it;
            }
        }
    }
}

QList<const NfcTagItem2 *> NFCmanager::othersList(const QString &key) const
{
    QList<const NfcTagItem2 *> list;
    for (const NfcTagItem2 *item : m_othersLists.value(key))
        list.append(item);
    return list;
}

void NFCmanager::deleteOthersList(const QString &key)
{
    qDeleteAll(m_othersLists.take(key));
    m_othersListRenewedMs.remove(key);
}

void NFCmanager::replaceOthersList(const QString &key, const QList<NfcTagItem2 *> &records)
{
    deleteOthersList(key);
    const qint64 now = KivClock::msecsSinceEpoch();
    QStringList expired;
    QString oldest;
    qint64 oldestMs = 0;
    for (auto it = m_othersListRenewedMs.cbegin(); it != m_othersListRenewedMs.cend(); ++it) {
        if (now - it.value() >= OthersListLifetimeMs) {
            expired.append(it.key());
        } else if (oldest.isEmpty() || it.value() < oldestMs) {
            oldest = it.key();
            oldestMs = it.value();
        }
    }
    for (const QString &other : qAsConst(expired))
        deleteOthersList(other);
    if (m_othersLists.size() >= MaxOtherCabinets)
        deleteOthersList(oldest);
    m_othersLists.insert(key, records);
    m_othersListRenewedMs.insert(key, now);
}

void NFCmanager::adjustTagExpirations(qint64 offsetMs)
{
    if (offsetMs == 0)
        return;
    for (NfcTagItem2 *item : qAsConst(m_tags))
        item->setExpTime(item->getExpTime() + offsetMs);
}

void NFCmanager::setAllTagExpirationsToInvalid()
{
    const qint64 dayAgo = KivClock::msecsSinceEpoch() - 86400000;
    for (NfcTagItem2 *item : qAsConst(m_tags))
        item->setExpTime(dayAgo);
    saveNFC2();
}

void NFCmanager::binTimerStartedByUser(quint8 bin)
{
    const int productId = getProductID(bin);
    if (bin >= m_host->traysPerCabinet() || getUidInBin(bin) == 0)
        return;
    const quint64 uid = getUidInBin(bin);
    NfcTagItem2 *item = m_tags.value(uid);
    const bool isNew = !item;
    if (isNew) {
        item = new NfcTagItem2;
        item->setUid(uid);
    }
    const qint64 now = KivClock::msecsSinceEpoch();
    item->setPosition(bin);
    item->setHoldStatus(NfcTagItem2::HoldStarted);
    item->setActivationTimeStamp(now);
    item->setExpTime(now + qint64(m_host->productHoldTimeSec(productId)) * 1000);
    item->setCrc32(m_host->productCrc32(productId));
    item->setProductId(quint8(productId));
    if (isNew)
        registerTag2(item);
    // A restart must find the new hold, also when the pan was known before.
    saveNFC2();
    if (broadcastsHoldingList())
        broadcastHoldingList();
}

void NFCmanager::userRequestsManualTimerStart(quint8 bin)
{
    quint64 uid = 0;
    int productId = 0;
    if (bin < m_host->traysPerCabinet()) {
        uid = m_host->tagUidAtBin(bin);
        productId = quint8(getProductID(bin));
        // A large pan covers two bins and may be read in the second.
        if (uid == 0 && m_host->productPanSizeAtBin(bin) > 1)
            uid = m_host->tagUidAtBin(quint8(bin + 1));
        int tagProduct = int((uid >> 40) & 0xFF);
        if (tagProduct == UniversalProductCode)
            tagProduct = productId;
        if (m_host->nfcEnabled() && uid != 0) {
            if (tagProduct != productId) {
                m_host->showProductMismatch(bin, true, 1, false);
                return;
            }
            setUidInBin(bin, uid);
            binTimerStartedByUser(bin);
        }
    }
    const int holdTime = m_host->timerDecrementEnabled() ? m_host->trayHoldTimePreSet(bin)
                                                          : m_host->productHoldTimeSec(productId);
    m_host->startBinTimer(bin, holdTime, uid);
    m_host->sendHoldStartedEvent(bin, uid, QStringLiteral("manual"));
}

void NFCmanager::rebuildTagsNotFoundInBins()
{
    m_tagBinModel.clear();
    QList<quint64> hidden = m_tags.keys();
    for (quint8 bin = 0; bin < BinCount; ++bin) {
        const quint64 inBin = m_host->tagUidAtBin(bin);
        if (inBin)
            hidden.removeAll(inBin);
    }
    std::sort(hidden.begin(), hidden.end());
    QString summary;
    for (quint64 uid : qAsConst(hidden)) {
        const NfcTagItem2 *item = m_tags.value(uid);
        const int position = item->getPosition();
        const QString name = m_host->productName(m_host->productIdAtBin(quint8(position)));
        summary += QStringLiteral("%1 @ %2 : %3<br>").arg(hexUid(uid)).arg(position).arg(name);
        m_tagBinModel.appendTag(uid, position, name);
    }
    m_tagsNotFoundInBins = summary;
    emit tagsNotFoundInBinsChanged(m_tagsNotFoundInBins);
}

void NFCmanager::resetNFC2()
{
    qDeleteAll(m_tags);
    m_tags.clear();
    for (quint8 bin = 0; bin < BinCount; ++bin) {
        m_host->showProductMismatch(bin, false, 0, false);
        m_binUids[bin] = 0;
    }
    saveNFC2();
}

// ---- saved files ----

bool NFCmanager::writeSafely(const QString &base, const QByteArray &content)
{
    if (m_host->systemBackupInProgress())
        return false;
    const QString bakName = KivRoot::appFile(base + QLatin1String(".bak"));
    const QString datName = KivRoot::appFile(base + QLatin1String(".dat"));
    QFile::remove(bakName);
    QFile bak(bakName);
    if (!bak.open(QIODevice::ReadWrite)) {
        qWarning().noquote() << QStringLiteral("NFCmanager: cannot open %1: %2").arg(bakName, bak.errorString());
        return false;
    }
    const bool written = bak.write(content) == content.size() && bak.flush() && ::fsync(bak.handle()) == 0;
    bak.close();
    if (!written) {
        // The previous file stays the valid one.
        qWarning().noquote() << QStringLiteral("NFCmanager: cannot write %1: %2").arg(bakName, bak.errorString());
        QFile::remove(bakName);
        return false;
    }
    // rename() replaces the old file in one step: the ".dat" name never
    // points at a partial file.
    if (std::rename(QFile::encodeName(bakName).constData(), QFile::encodeName(datName).constData()) != 0) {
        qWarning().noquote() << QStringLiteral("NFCmanager: cannot rename %1 to %2").arg(bakName, datName);
        return false;
    }
    // Nobody waits for the sync.
    const QString sync = ToolRunner::resolve(QStringLiteral("/bin/sync"));
    if (!sync.isEmpty())
        QProcess::startDetached(sync, {});
    return true;
}

void NFCmanager::saveNFC2()
{
    QList<const NfcTagItem2 *> records;
    for (const NfcTagItem2 *item : qAsConst(m_tags))
        records.append(item);
    writeSafely(QLatin1String(kSavedHash2), PanTagCodec::encodeSavedRegistry(records, m_binUids));
}

void NFCmanager::restoreNFC2()
{
    QString fileName;
    const QByteArray bytes = readSavedFile(kSavedHash2, &fileName);
    if (fileName.isEmpty())
        return;
    const PanTagCodec::SavedRegistry saved = PanTagCodec::decodeSavedRegistry(bytes);
    if (!saved.countValid) {
        qWarning().noquote() << QStringLiteral("NFCmanager: %1 is unreadable; no tags restored").arg(fileName);
        return;
    }
    for (const NfcTagItem2 &record : saved.records) {
        auto *item = new NfcTagItem2(record);
        NfcTagItem2 *previous = m_tags.value(item->getUid());
        if (previous != item)
            delete previous;
        m_tags.insert(item->getUid(), item);
    }
    if (saved.records.size() < saved.announced || saved.binsRead < BinCount)
        qWarning().noquote() << QStringLiteral("NFCmanager: %1 ends early: %2 of %3 tag records and %4 of %5 bins restored")
                                    .arg(fileName).arg(saved.records.size()).arg(saved.announced)
                                    .arg(saved.binsRead).arg(BinCount);
    for (quint8 bin = 0; bin < BinCount; ++bin) {
        const quint64 uid = saved.binUids.at(bin);
        m_binUids[bin] = uid;
        if (uid == 0)
            continue;
        const quint8 timerBin = m_host->productPanSizeAtBin(bin) == 2 ? quint8(bin & ~1) : bin;
        m_host->setTagUidAtTrayTimer(timerBin, uid);
    }
}

// ---- first-generation table ----

void NFCmanager::insertFirstGenerationTag(NfcTagItem *item)
{
    NfcTagItem *previous = m_tagHash.value(item->getUid());
    if (previous != item)
        delete previous;
    m_tagHash.insert(item->getUid(), item);
}

void NFCmanager::addTagToHash(NfcTagItem *item)
{
    if (!item)
        return;
    insertFirstGenerationTag(item);
    saveNFC();
}

void NFCmanager::registerTag(quint8 bin, NfcTagItem *item)
{
    // The table takes the record; one it cannot take is dropped.
    const int productId = bin < BinCount ? m_host->productIdAtBin(bin) : 0;
    if (!item || productId < 1) {
        delete item;
        return;
    }
    item->setProductID(quint16(productId));
    item->setPosition(bin);
    item->setTagHoldTime(quint64(m_host->productHoldTimeSec(productId)) * 1000);
    const quint64 uid = item->getUid();
    addTagToHash(item);
    emit registerTagAtTimerUsingBin(uid, bin);
}

void NFCmanager::removeTag(quint64 uid)
{
    delete m_tagHash.take(uid);
    saveNFC();
}

void NFCmanager::deregisterTag(quint64 uid)
{
    removeTag(uid);
}

void NFCmanager::findAndRemoveTagFromHash(quint8 bin)
{
    const quint64 uid = getUidInBin(bin);
    if (uid && m_tagHash.contains(uid))
        removeTag(uid);
}

void NFCmanager::findAndRemoveTagFromHash2(quint8 bin)
{
    findAndRemoveTagFromHash(bin);
}

bool NFCmanager::inQueueContainsTag(quint64 uid, NfcTagItem **item) const
{
    for (NfcTagItem *queued : m_queueIn) {
        if (queued->getUid() == uid) {
            if (item)
                *item = queued;
            return true;
        }
    }
    return false;
}

void NFCmanager::saveNFC()
{
    QList<const NfcTagItem *> records;
    for (const NfcTagItem *item : qAsConst(m_tagHash))
        records.append(item);
    writeSafely(QLatin1String(kSavedHash), PanTagCodec::encodeSavedHash(records));
}

void NFCmanager::restoreNFC()
{
    QString fileName;
    const QByteArray bytes = readSavedFile(kSavedHash, &fileName);
    if (fileName.isEmpty())
        return;
    const PanTagCodec::SavedHash saved = PanTagCodec::decodeSavedHash(bytes);
    if (quint32(saved.records.size()) < saved.announced)
        qWarning().noquote() << QStringLiteral("NFCmanager: %1 ends after %2 of %3 tag records")
                                    .arg(fileName).arg(saved.records.size()).arg(saved.announced);
    for (const NfcTagItem &record : saved.records) {
        if (record.getPosition() >= BinCount)
            continue;
        auto *item = new (std::nothrow) NfcTagItem(record);
        if (!item) {
            qWarning().noquote() << "Failed to allocate tag: " << __FILE__ << __LINE__;
            continue;
        }
        m_binUids[record.getPosition()] = record.getUid();
        insertFirstGenerationTag(item);
    }
}

void NFCmanager::resetNFC()
{
    qDeleteAll(m_tagHash);
    m_tagHash.clear();
    for (quint8 bin = 0; bin < BinCount; ++bin) {
        m_host->showProductMismatch(bin, false, 0, false);
        m_binUids[bin] = 0;
    }
    saveNFC();
}

// ---- holding lists ----

bool NFCmanager::broadcastsHoldingList() const
{
    return m_host->iotType() == kDezOraAws;
}

void NFCmanager::broadcastHoldingList()
{
    // Only a real subnet broadcast address reaches the other cabinets.
    if (m_broadcastAddr.isEmpty() || m_broadcastAddr == QLatin1String("255.255.255.255") || !m_udpSend)
        return;
    QList<const NfcTagItem2 *> records;
    for (const NfcTagItem2 *item : qAsConst(m_tags))
        records.append(item);
    if (records.size() > PanTagCodec::MaxHoldingListRecords)
        qDebug().noquote() << QStringLiteral("NFCmanager: holding list carries %1 of %2 tags")
                                  .arg(PanTagCodec::MaxHoldingListRecords).arg(records.size());
    const QByteArray datagram = PanTagCodec::encodeHoldingList(m_host->macAddress(), m_host->orientationId(),
                                                               KivClock::msecsSinceEpoch(), records);
    m_udpSend->writeDatagram(datagram, QHostAddress(m_broadcastAddr), Port);
}

void NFCmanager::processUdpDatagrams()
{
    while (m_udpReceive && m_udpReceive->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_udpReceive->receiveDatagram();
        processDatagram(datagram.data(), datagram.senderAddress(), quint16(datagram.senderPort()));
    }
}

void NFCmanager::processDatagram(const QByteArray &datagram, const QHostAddress &sender, quint16 senderPort)
{
    const quint32 magic = datagram.size() >= 4 ? qFromBigEndian<quint32>(datagram.constData()) : 0;
    if (magic == quint32(PanTagCodec::HoldingListMagic))
        processHoldingList(datagram, sender);
    else if (datagram.startsWith(QByteArray::fromHex("cefaadde")))
        processWhoOwnsThisTag(datagram, sender, senderPort);
    else
        logNetworkRcvdMsg(QStringLiteral("NFCmanager: unknown msg:") + QString::fromLatin1(datagram.toHex()));
}

void NFCmanager::processHoldingList(const QByteArray &datagram, const QHostAddress &sender)
{
    const PanTagCodec::HoldingList list = PanTagCodec::decodeHoldingList(datagram);
    if (!list.headerComplete) {
        qWarning().noquote() << QStringLiteral("NFCmanager: unreadable holding list from %1 dropped").arg(sender.toString());
        return;
    }
    const qint64 now = KivClock::msecsSinceEpoch();
    if (list.macAddress == m_host->macAddress() && list.orientationId == qint8(m_host->orientationId()))
        return; // our own broadcast
    // Moving a list onto this clock moves every pan's times by the clocks'
    // difference: a sender days off would end every hold here.
    if (list.senderTime < now - MaxClockShiftMs || list.senderTime > now + MaxClockShiftMs) {
        qWarning().noquote() << QStringLiteral("NFCmanager: holding list from %1 (%2) ignored: its time %3 is more "
                                               "than a day from this cabinet's %4")
                                    .arg(sender.toString(), list.macAddress)
                                    .arg(list.senderTime)
                                    .arg(now);
        return;
    }

    // The sender's times move onto this cabinet's clock.
    const qint64 shift = now - list.senderTime;
    QList<NfcTagItem2 *> records;
    for (const NfcTagItem2 &record : list.records) {
        if (!plausibleTime(record.getActivationTimeStamp()) || !plausibleTime(record.getExpTime())) {
            qWarning().noquote() << QStringLiteral("NFCmanager: holding list from %1 (%2) refused: pan %3 carries "
                                                   "times out of range")
                                        .arg(sender.toString(), list.macAddress, hexUid(record.getUid()));
            qDeleteAll(records);
            return;
        }
        auto *item = new NfcTagItem2(record);
        item->setActivationTimeStamp(item->getActivationTimeStamp() + shift);
        item->setExpTime(item->getExpTime() + shift);
        records.append(item);
    }
    emit notifyHoldListUpdateReceived(list.macAddress);
    if (list.records.size() < list.announced)
        qWarning().noquote() << QStringLiteral("NFCmanager: holding list from %1 ends after %2 of %3 records")
                                    .arg(sender.toString()).arg(list.records.size()).arg(list.announced);
    const QString key = QStringLiteral("%1.%2").arg(sender.toString()).arg(list.orientationId);
    replaceOthersList(key, records);

    // A pan activated later in the other cabinet has been taken over there.
    QList<quint64> takenOver;
    for (const NfcTagItem2 *item : qAsConst(records)) {
        const NfcTagItem2 *local = m_tags.value(item->getUid());
        if (local && activatedLater(item->getActivationTimeStamp(), local->getActivationTimeStamp()))
            takenOver.append(item->getUid());
    }
    for (quint64 uid : qAsConst(takenOver)) {
        const NfcTagItem2 *local = m_tags.value(uid);
        if (!local)
            continue;
        endHoldTakenElsewhere(*local, sender, list.orientationId, now);
        m_host->handleHaccpTimerNfcTransfer(local->getPosition());
        removeTagAndStopTimer(uid);
    }
}

// The hold of a pan now held by another cabinet ends here as a hand-over
// does: logged, its HACCP record closed by the transfer event and its end
// reported. A record whose hold had ended, or whose bin has another pan's
// timer by now, has nothing left to end.
void NFCmanager::endHoldTakenElsewhere(const NfcTagItem2 &local, const QHostAddress &sender, qint8 orientationId,
                                       qint64 now)
{
    const quint8 bin = local.getPosition();
    const quint64 uid = local.getUid();
    if (local.getHoldStatus() >= kHoldEnded || bin >= BinCount || (m_binUids.at(bin) != 0 && m_binUids.at(bin) != uid))
        return;
    const int remaining = remainingSeconds(local.getExpTime(), now);
    qWarning().noquote() << QStringLiteral("NFCmanager: pan %1 in bin %2 taken over by cabinet %3.%4; its hold ends "
                                           "here with %5 s left")
                                .arg(hexUid(uid)).arg(bin).arg(sender.toString()).arg(orientationId).arg(remaining);
    emit event_transferFrom(QString::number(now / 1000), m_host->productName(local.getProductId()), hexUid(uid), bin,
                            QStringLiteral("auto"), remaining, sender.toString(), QString::number(orientationId));
    m_host->sendHoldStoppedEvent(bin, uid, QStringLiteral("auto"), remaining);
}

// ---- first-generation hand-over ----

void NFCmanager::processWhoOwnsThisTag(const QByteArray &datagram, const QHostAddress &sender, quint16 senderPort)
{
    NfcTagItem query;
    if (!query.fromBytes(datagram) || query.getClassId() != NfcTagItem::ClassId) {
        logNetworkRcvdMsg(QStringLiteral("NFCmanager: unknown msg:") + QString::fromLatin1(datagram.toHex()));
        return;
    }
    if (!m_queueIn.isEmpty() && m_queueIn.first()->getUid() == query.getUid()) {
        // Our own query, or one for the same pan.
        m_waitingForAnswer = false;
        return;
    }
    const NfcTagItem *owned = m_tagHash.value(query.getUid());
    const bool alreadyQueued = std::any_of(m_queueOut.cbegin(), m_queueOut.cend(), [&](const NfcTagItemRequest *r) {
        return r->getTagItem() && r->getTagItem()->getUid() == query.getUid();
    });
    if (owned && !alreadyQueued)
        addTagToQueueOut(new NfcTagItemRequest(owned, sender, senderPort));
    m_waitingForAnswer = false;
}

void NFCmanager::addTagToQueueIn(NfcTagItem *item)
{
    if (!item)
        return;
    m_queueIn.append(item);
    if (!m_waitingForAnswer) {
        m_retryCount = 0;
        broadcastWhoOwnsThisTag();
    }
}

void NFCmanager::broadcastWhoOwnsThisTag()
{
    if (m_queueIn.isEmpty())
        return;
    const NfcTagItem *first = m_queueIn.first();
    if (m_udpSend)
        m_udpSend->writeDatagram(first->toBytes(), QHostAddress(m_broadcastAddr), Port);
    emit requestingTagInfo(first->getPosition());
    m_broadcastTimer.start();
    m_waitingForAnswer = true;
}

void NFCmanager::broadcastTimeout()
{
    ++m_retryCount;
    if (m_retryCount > BroadcastRetries) {
        if (!m_queueIn.isEmpty()) {
            // Nobody owns the pan: its hold starts here, in full.
            NfcTagItem *item = m_queueIn.takeFirst();
            const quint8 position = item->getPosition();
            const quint64 uid = item->getUid();
            const int hold = getProductHoldTimeSec(position);
            item->setTagHoldTime(quint64(hold) * 1000);
            item->setExpTime(KivClock::msecsSinceEpoch() + qint64(hold) * 1000);
            registerTag(position, item);
            emit startBinTimer(position, hold, uid);
            m_retryCount = 0;
            m_host->sendHoldStartedEvent(position, uid, QStringLiteral("auto"));
        } else {
            m_waitingForAnswer = false;
            m_broadcastTimer.stop();
        }
    }
    m_waitingForAnswer = false;
    if (!m_queueIn.isEmpty())
        broadcastWhoOwnsThisTag();
}

void NFCmanager::acceptIncomingConnection()
{
    QTcpSocket *socket = m_tcpServer ? m_tcpServer->nextPendingConnection() : nullptr;
    if (!socket)
        return;
    if (m_tcpIn) {
        m_tcpIn->disconnect(this);
        m_tcpIn->abort();
        m_tcpIn->deleteLater();
    }
    m_tcpIn = socket;
    connect(socket, &QIODevice::readyRead, this, &NFCmanager::acceptTagFromPriorOwner);
    connect(socket, &QAbstractSocket::errorOccurred, this, &NFCmanager::networkErrorHandler);
    if (socket->bytesAvailable() > 0)
        acceptTagFromPriorOwner();
}

void NFCmanager::acceptTagFromPriorOwner()
{
    QTcpSocket *socket = m_tcpIn;
    if (!socket)
        return;
    if (m_queueIn.isEmpty()) {
        socket->close();
        broadcastWhoOwnsThisTag();
        return;
    }
    // The record may arrive in pieces, or with more behind it.
    if (socket->bytesAvailable() < NfcTagItem::RecordSize)
        return;
    auto *received = new NfcTagItem;
    received->fromBytes(socket->read(NfcTagItem::RecordSize));
    const NfcTagItem *first = m_queueIn.first();
    if (received->getClassId() != NfcTagItem::ClassId || received->getUid() != first->getUid()) {
        delete received;
        return;
    }

    const qint64 now = KivClock::msecsSinceEpoch();
    const quint8 position = first->getPosition();
    quint32 confirmation = TransferRefused;
    if (received->getMenuMD5() == m_host->productMd5(received->getProductID())) {
        m_broadcastTimer.stop();
        m_retryCount = 0;
        const qint64 localHold = qint64(getProductHoldTimeSec(position)) * 1000;
        const qint64 elapsed = received->getSysTime() - received->getExpTime() + qint64(received->getTagHoldTime());
        const qint64 remaining = localHold - elapsed;
        received->setTagHoldTime(quint64(localHold));
        received->setExpTime(now + remaining);
        received->setPosition(position);
        const quint64 uid = received->getUid();
        const int seconds = int((remaining + 500) / 1000);
        const QString product = m_host->productName(received->getProductID());
        emit startBinTimer(position, seconds, uid);
        addTagToHash(received);
        emit event_transferTo(QString::number(now / 1000), product, hexUid(uid), position, QStringLiteral("auto"),
                              seconds, kNotApplicable, kNotApplicable);
        confirmation = TransferAccepted;
    } else {
        m_host->showProductMismatch(position, true, 2, false);
        delete received;
    }
    delete m_queueIn.takeFirst();
    QByteArray answer(4, '\0');
    qToLittleEndian<quint32>(confirmation, answer.data());
    socket->write(answer);
    socket->close();
    broadcastWhoOwnsThisTag();
}

void NFCmanager::addTagToQueueOut(NfcTagItemRequest *request)
{
    if (!request)
        return;
    m_queueOut.append(request);
    if (!m_transferInProgress)
        connectToRequestor();
}

void NFCmanager::connectToRequestor()
{
    if (m_queueOut.isEmpty() || !m_tcpOut)
        return;
    // A requester that never answers must not hold the queue up.
    m_transferTimer.start(TransferTimeoutMs);
    openRequestorConnection();
}

void NFCmanager::openRequestorConnection()
{
    if (m_queueOut.isEmpty() || !m_tcpOut)
        return;
    m_tcpOut->abort();
    m_tcpOut->connectToHost(m_queueOut.first()->getHostAddress(), Port);
    m_transferInProgress = true;
}

void NFCmanager::transferTagToRequestor()
{
    if (m_queueOut.isEmpty())
        return;
    NfcTagItem *item = m_queueOut.first()->getTagItem();
    if (!item)
        return;
    item->setSysTime(KivClock::msecsSinceEpoch());
    item->setMenuMD5(m_host->productMd5(item->getProductID()));
    m_tcpOut->write(item->toBytes());
    m_transferTimer.start(TransferTimeoutMs);
}

void NFCmanager::verifyTransferConfirmation()
{
    if (m_queueOut.isEmpty() || m_tcpOut->bytesAvailable() < 4)
        return;
    std::unique_ptr<NfcTagItemRequest> request(m_queueOut.takeFirst());
    m_transferTimer.stop();
    const QByteArray answer = m_tcpOut->read(4);
    const quint32 value = qFromLittleEndian<quint32>(answer.constData());
    const NfcTagItem *item = request->getTagItem();
    if ((value & 0xFFFF) == (TransferAccepted & 0xFFFF) && item) {
        const qint64 now = KivClock::msecsSinceEpoch();
        emit event_transferFrom(QString::number(now / 1000), m_host->productName(item->getProductID()),
                                hexUid(item->getUid()), item->getPosition(), QStringLiteral("auto"),
                                int((item->getExpTime() - now) / 1000), kNotApplicable, kNotApplicable);
        stopBinTimerIfEmpty(item->getPosition(), item->getUid());
        removeTag(item->getUid());
    }
    m_transferInProgress = false;
    connectToRequestor();
}

void NFCmanager::transferTimeout()
{
    if (!m_queueOut.isEmpty())
        delete m_queueOut.takeFirst();
    m_transferInProgress = false;
    connectToRequestor();
}

void NFCmanager::networkErrorHandler(QAbstractSocket::SocketError error)
{
    QObject *source = sender();
    if (error == QAbstractSocket::SocketTimeoutError) {
        if (source == m_tcpOut) {
            m_tcpOut->abort();
            if (!m_queueOut.isEmpty())
                delete m_queueOut.takeFirst();
        } else if (source && source == m_tcpIn) {
            m_tcpIn->abort();
        }
    }
    if (error != QAbstractSocket::RemoteHostClosedError && error != QAbstractSocket::NetworkError)
        emit logErrorSignal(6, int(error), 0, 0);
    if (source == m_tcpOut && m_transferInProgress) {
        // Try again shortly rather than at once: an unreachable requester
        // would otherwise spin the event loop until the transfer timer
        // drops its request.
        m_transferInProgress = false;
        QTimer::singleShot(BroadcastIntervalMs, this, [this] {
            if (m_transferInProgress || m_queueOut.isEmpty())
                return;
            if (m_transferTimer.isActive())
                openRequestorConnection(); // same request, same deadline
            else
                connectToRequestor();
        });
    }
}

void NFCmanager::logNetworkRcvdMsg(QString message)
{
    qDebug().noquote() << message;
}
