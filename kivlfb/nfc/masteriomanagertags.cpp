// MasterIoManager, tag analysis: after every reader cycle, compares each
// bin's current UID with the one last accepted there and starts, continues,
// moves or ends the pan's hold through the pan-tag registry and the cabinet;
// keeps the accepted UIDs across restarts.

#include "masteriomanager.h"

#include "core/kivdefs.h"
#include "core/traybarsc.h"
#include "nfc/nfcmanager.h"
#include "nfc/nfctagitem2.h"
#include "nfc/pantaghost.h"
#include "platform/kivclock.h"
#include "platform/kivroot.h"
#include "platform/toolrunner.h"

#include <QDataStream>
#include <QDebug>
#include <QFile>
#include <QProcess>
#include <QVector>

#include <algorithm>

#include <unistd.h>

namespace {
const int kUniversalResetTimeSec = 300;
const char kPreviousUidFile[] = "previousUID.dat";
const char kPreviousUidBackup[] = "previousUID.bak";
const char kIotRiot[] = "DEZ_RIOT";
const char kIotOraAws[] = "DEZ_ORAAWS";

// Reads the 20 previous UIDs; false for a file that is missing or short.
bool readPreviousUids(const QString &name, quint64 *uids, int count)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QDataStream in(&file);
    QVector<quint64> values(count);
    for (int i = 0; i < count; ++i) {
        qint64 value = 0;
        in >> value;
        values[i] = quint64(value);
    }
    if (in.status() != QDataStream::Ok) {
        qWarning().noquote() << name << "is damaged - previous UIDs not taken from it";
        return false;
    }
    std::copy(values.cbegin(), values.cend(), uids);
    return true;
}
} // namespace

// ---------------------------------------------------------------------------
// Tag analysis

int MasterIoManager::panSize(quint8 bin) const
{
    return m_nfcHost->productPanSizeAtBin(bin);
}

void MasterIoManager::analyzeTagInfo2()
{
    if (!m_nfcHost || !m_nfc)
        return;

    // The NFC test screen only wants to hear about bin 0.
    if (m_nfcAccsTestEnabled) {
        const quint64 uid = m_currentUIDs[0];
        if (uid != m_lastTestUid) {
            m_lastTestUid = uid;
            if (uid != 0)
                m_nfcHost->soundNfcChime(isUniversalTag(uid));
        }
        emit nfcAccsTestUpdate();
        return;
    }

    // The first reads after start-up are not trusted to be complete.
    if (m_analysesToSkip > 0) {
        --m_analysesToSkip;
        return;
    }

    const int n = qMin(m_nfcHost->traysPerCabinet(), int(kBinCount));
    if (m_startUpCountdown > 0)
        --m_startUpCountdown;
    const qint64 now = KivClock::msecsSinceEpoch();
    m_saveMark = false;
    bool changed = false;
    m_movedPans.clear();

    for (int b = 0; b < n; ++b) {
        const quint64 c = m_currentUIDs[b];
        const quint64 p = m_previousUIDs[b];
        if (c == p)
            continue;
        if (c == 0) {
            panRemoved(quint8(b), p, now);
        } else if (panPlaced(quint8(b), c, now)) {
            m_saveMark = true;
            m_nfcHost->soundNfcChime(isUniversalTag(c));
        }
        m_previousUIDs[b] = c;
        changed = true;
    }

    m_nfc->clearAllSeenInCabinet();
    for (quint64 uid : m_previousUIDs)
        if (uid != 0)
            m_nfc->setTagSeenInCabinet(uid);

    sweepRegistry(now);
    stopMovedPans();

    if (m_saveMark)
        m_nfc->saveNFC2();
    const QString iotType = m_nfcHost->iotType();
    const bool riot = iotType == QLatin1String(kIotRiot);
    const qint64 nowMs = KivClock::msecsSinceEpoch();
    if (changed)
        savePreviousUIDs();
    if (riot && (changed || nowMs - m_lastHoldingListNoticeMs > kHoldingListNoticeMs)) {
        m_nfcHost->holdingListChanged(QString::number((now + 500) / 1000));
        m_lastHoldingListNoticeMs = nowMs;
    }
    if (iotType == QLatin1String(kIotOraAws))
        m_nfc->broadcastHoldingList();
}

void MasterIoManager::panRemoved(quint8 bin, quint64 previous, qint64 now)
{
    m_nfc->reportPanRemoved(bin, previous, now);

    const bool universal = isUniversalTag(previous);
    if (panSize(bin) != 2) {
        m_nfcHost->showProductMismatch(bin, false, 0, universal);
        return;
    }
    // A two-bin pan's indication belongs to the pair; it stays while the
    // partner holds a pan of another product.
    const quint64 partnerUid = m_previousUIDs[bin ^ 1];
    bool clear = partnerUid == 0;
    if (!clear) {
        int partnerProduct = tagType(partnerUid);
        if (isUniversalTag(partnerUid)) {
            const NfcTagItem2 *own = m_nfc->viewTagInfo2(partnerUid);
            partnerProduct = own ? own->getProductId() : -1;
        }
        clear = partnerProduct < 0 || partnerProduct == (m_nfcHost->productIdAtBin(bin) & 0xFF);
    }
    if (clear)
        m_nfcHost->showProductMismatch(bin & 0xFE, false, 0, universal);
}

bool MasterIoManager::panPlaced(quint8 b, quint64 c, qint64 now)
{
    const bool universal = isUniversalTag(c);
    const int binProduct = m_nfcHost->productIdAtBin(b);
    const int binProduct8 = binProduct & 0xFF;

    int product = tagType(c);
    if (universal) {
        // A universal tag carries no product: it comes from the newest
        // running hold of the pan, here or in another cabinet.
        NfcTagItem2 *own = m_nfc->viewTagInfo2(c);
        if (own && own->getHoldStatus() == NfcTagItem2::HoldOver) {
            if (m_nfcHost->trayState(b) == TrayBarSc::TRAY_STATE_DISCARD)
                m_nfcHost->stopBinTimer(b);
            if (own->getPosition() != b && !m_nfcHost->binsMatch(own->getPosition(), b))
                m_movedPans.insert(own->getPosition(), c);
            own->setHoldStatus(NfcTagItem2::HoldEnded);
            own->setActivationTimeStamp(now);
        }
        NfcTagItem2 *other = m_nfc->getTagFromOthers(c);
        if (other && other->getHoldStatus() == NfcTagItem2::HoldOver)
            other->setHoldStatus(NfcTagItem2::HoldEnded);
        const bool ownCounts = own && own->getHoldStatus() != NfcTagItem2::HoldEnded;
        const bool otherCounts = other && other->getHoldStatus() != NfcTagItem2::HoldEnded;
        if (otherCounts && (!ownCounts || own->getActivationTimeStamp() < other->getActivationTimeStamp()))
            product = other->getProductId();
        else if (ownCounts)
            product = own->getProductId();
        else
            product = binProduct8;
    }

    if (product == 0) {
        m_nfcHost->setMisMatchedPanId(b, c);
        m_nfcHost->showProductMismatch(b, true, 1, false);
        return false;
    }
    if (product != binProduct8) {
        m_nfcHost->setMisMatchedPanId(b, c);
        m_nfcHost->showProductMismatch(b, true, 1, universal);
        return false;
    }
    if (m_startUpCountdown > 0)
        return false;
    const int size = panSize(b);
    const quint64 partnerUid = m_previousUIDs[b ^ 1];
    if (size == 2 && partnerUid != 0 && partnerUid != c) {
        m_nfcHost->setMisMatchedPanId(b, c);
        m_nfcHost->showProductMismatch(b & 0xFE, true, 3, false);
        return false;
    }
    if (m_nfcHost->trayAlertStatus(b))
        m_nfcHost->showProductMismatch(b, false, 0, false);

    const bool dez = m_nfcHost->customerId() == KivDefs::CUSTOMER_ID_DEZ;
    const bool twoBins = size == 2;

    NfcTagItem2 *own = m_nfc->viewTagInfo2(c);
    const NfcTagItem2 *other = m_nfc->getTagFromOthers(c);
    const bool takeOver = own ? (other && own->getActivationTimeStamp() < other->getActivationTimeStamp())
                              : (other && other->getHoldStatus() != NfcTagItem2::HoldEnded);

    if (takeOver) {
        if (m_nfcHost->productCrc32(binProduct) != other->getCrc32()) {
            m_nfcHost->setMisMatchedPanId(b, c);
            m_nfcHost->showProductMismatch(b, true, 2, false);
            return false;
        }
        if (own)
            m_nfc->removeTag2(c);
        const int t = other->remainingSecs(now);
        if (t <= 0 && !dez)
            return newHold(b, c, now);
        auto *record = new NfcTagItem2(c, NfcTagItem2::HoldTakenOver, b, other->getExpTime(), now);
        record->setCrc32(other->getCrc32());
        record->setBatchId(other->getBatchId());
        record->setProductId(other->getProductId());
        m_nfcHost->startBinTimer(b, t, c);
        m_nfc->reportPanTransfered(b, c, now, t);
        m_nfc->claimBins(b, c, twoBins); // drops the other cabinet's record
        m_nfc->registerTag2(record);
        return true;
    }

    if (!own)
        return newHold(b, c, now);
    if (own->getHoldStatus() == NfcTagItem2::HoldEnded) {
        m_nfc->removeTag2(c);
        return newHold(b, c, now);
    }

    const quint8 position = own->getPosition();
    const int t = own->remainingSecs(now);
    if (position == b || m_nfcHost->binsMatch(position, b)) {
        // Back in its bin, or in the other half of its pair.
        own->setActivationTimeStamp(now);
        own->setHoldStatus(NfcTagItem2::HoldContinued);
        if (t <= 0 && !dez) {
            m_nfcHost->stopBinTimer(position);
            own->setHoldStatus(NfcTagItem2::HoldEnded);
            own->setActivationTimeStamp(now);
            m_nfc->removeTag2(c);
            return newHold(b, c, now);
        }
        m_nfcHost->handleHaccpTimerNfcTransfer(position);
        m_nfc->claimBins(b, c, twoBins);
        m_nfcHost->startBinTimer(position, t, c);
        m_nfc->reportPanReturned(b, c, now, t);
        return true;
    }

    // Moved to another bin of this cabinet.
    m_nfcHost->handleHaccpTimerNfcTransfer(position);
    m_movedPans.insert(position, c);
    own->setHoldStatus(NfcTagItem2::HoldContinued);
    own->setActivationTimeStamp(now);
    own->setPosition(b);
    if (t <= 0 && !dez) {
        if (m_nfcHost->trayState(b) == TrayBarSc::TRAY_STATE_DISCARD)
            m_nfcHost->stopBinTimer(b);
        own->setHoldStatus(NfcTagItem2::HoldEnded);
        own->setActivationTimeStamp(now);
        m_nfc->removeTag2(c);
        return newHold(b, c, now);
    }
    m_nfcHost->startBinTimer(b, t, c);
    m_nfc->claimBins(b, c, twoBins);
    m_nfc->reportPanTransfered(b, c, now, t);
    return true;
}

bool MasterIoManager::newHold(quint8 b, quint64 c, qint64 now)
{
    const int q = m_nfcHost->productIdAtBin(b);
    int holdSecs = 0;
    quint32 crc = 0;
    if (q > 0) {
        holdSecs = m_nfcHost->productHoldTimeSec(q);
        crc = m_nfcHost->productCrc32(q);
    }
    auto *record = new NfcTagItem2(c, NfcTagItem2::HoldStarted, b, now + qint64(holdSecs) * 1000, now);
    record->setCrc32(crc);
    record->setProductId(quint8(q));
    m_nfc->registerTag2(record);
    m_nfc->claimBins(b, c, panSize(b) == 2);
    m_nfcHost->startBinTimer(b, holdSecs, c);
    m_nfcHost->sendHoldStartedEvent(b, c, QStringLiteral("auto"));
    return true;
}

void MasterIoManager::sweepRegistry(qint64 now)
{
    const qint64 secs = KivClock::secsSinceEpoch();
    // Deregistering keeps the record as an ended hold, so every UID of the
    // walk still finds its record.
    const QList<quint64> uids = m_nfc->registeredUids();
    for (quint64 u : uids) {
        NfcTagItem2 *record = m_nfc->viewTagInfo2(u);
        if (!record)
            continue;
        const quint8 pos = record->getPosition();
        const bool universal = isUniversalTag(u);
        const int product = universal ? record->getProductId() : tagType(u);
        int resetSecs = m_nfcHost->productResetTimeSec(product);
        if (resetSecs == 0 && universal)
            resetSecs = kUniversalResetTimeSec;

        // Away from the cabinet for longer than the product allows.
        const int status = record->getHoldStatus();
        if (!record->getSeenInCabinet() && status != NfcTagItem2::HoldOver && status != NfcTagItem2::HoldEnded && resetSecs > 0
            && secs - record->getLastSeenTimeStamp() > resetSecs) {
            if (m_nfc->getBinTagUid(pos) == u) {
                record->setHoldStatus(NfcTagItem2::HoldOver);
                record->setHoldExpired(true);
                m_nfcHost->setBinTimerExpired(pos);
                record->setActivationTimeStamp(KivClock::msecsSinceEpoch());
                m_nfcHost->sendHoldExpiredEvent(pos, u);
            } else {
                record->setHoldStatus(NfcTagItem2::HoldOver);
                record->setHoldExpired(true);
                m_nfcHost->sendHoldExpiredEvent(pos, u);
                m_nfc->deregisterTag2(u);
                m_nfcHost->sendHoldStoppedEvent(pos, u, QStringLiteral("auto"), 0);
            }
            m_saveMark = true;
        }

        // Its hold time has run out. The expired mark and status are saved,
        // so a record restored after a restart does not expire again.
        if (!record->getHoldExpired() && record->getHoldStatus() < NfcTagItem2::HoldOver && now >= record->getExpTime()) {
            record->setHoldStatus(NfcTagItem2::HoldOver);
            record->setHoldExpired(true);
            m_nfcHost->sendHoldExpiredEvent(pos, u);
            m_saveMark = true;
            auto otherPanIn = [&](quint8 bin) {
                const quint64 there = m_nfc->getUidInBin(bin);
                return there != 0 && there != u;
            };
            const bool occupied = panSize(pos) != 2 ? otherPanIn(pos) : otherPanIn(pos) || otherPanIn(pos ^ 1);
            if (occupied) {
                record->setHoldStatus(NfcTagItem2::HoldEnded);
                record->setActivationTimeStamp(now);
                m_nfcHost->sendHoldStoppedEvent(pos, u, QStringLiteral("auto"), record->remainingSecs(now));
            }
        }
    }
}

void MasterIoManager::stopMovedPans()
{
    for (auto it = m_movedPans.cbegin(); it != m_movedPans.cend(); ++it) {
        const quint8 a = it.key();
        const quint64 u = it.value();
        if (a >= kBinCount)
            continue;
        const int size = panSize(a);
        const quint64 uidA = m_nfc->getUidInBin(a);
        bool stop;
        if (size != 2) {
            stop = m_nfcHost->trayAlertStatus(a) || uidA == 0 || uidA == u;
        } else {
            const quint64 uidB = m_nfc->getUidInBin(a ^ 1);
            if (uidA == u && uidB != u) {
                m_nfc->setUidInBin(a, 0);
                set_currentUID(a, 0);
            }
            stop = m_nfcHost->trayAlertStatus(a)
                   || ((uidA == 0 || uidA == u) && (uidB == 0 || uidB == u));
        }
        if (!stop)
            continue;
        m_nfcHost->stopBinTimer(a);
        QList<quint8> bins = {a};
        if (size == 2)
            bins << quint8(a ^ 1);
        for (quint8 bin : qAsConst(bins)) {
            if (m_nfc->getUidInBin(bin) == u) {
                m_nfc->setUidInBin(bin, 0);
                set_currentUID(bin, 0);
                m_saveMark = true;
            }
        }
    }
}

// ---------------------------------------------------------------------------
// Previous UIDs

void MasterIoManager::savePreviousUIDs()
{
    const QString bakName = KivRoot::appFile(QLatin1String(kPreviousUidBackup));
    const QString datName = KivRoot::appFile(QLatin1String(kPreviousUidFile));
    QFile::remove(bakName);
    QFile bak(bakName);
    if (!bak.open(QIODevice::WriteOnly)) {
        qWarning().noquote() << "Cannot write" << bakName << "-" << bak.errorString();
        return;
    }
    QDataStream out(&bak);
    for (quint64 uid : m_previousUIDs)
        out << qint64(uid);
    const bool written = out.status() == QDataStream::Ok && bak.flush() && ::fsync(bak.handle()) == 0;
    bak.close();
    // The saved file is replaced only by a complete new one.
    if (!written) {
        qWarning().noquote() << "Cannot write" << bakName << "- previous UIDs not saved";
        return;
    }
    QFile::remove(datName);
    QFile::rename(bakName, datName);
    const QString sync = ToolRunner::resolve(QStringLiteral("/bin/sync"));
    if (!sync.isEmpty())
        QProcess::startDetached(sync, {});
}

void MasterIoManager::initPreviousUIDs()
{
    if (!readPreviousUids(KivRoot::appFile(QLatin1String(kPreviousUidFile)), m_previousUIDs, kBinCount))
        readPreviousUids(KivRoot::appFile(QLatin1String(kPreviousUidBackup)), m_previousUIDs, kBinCount);
}
