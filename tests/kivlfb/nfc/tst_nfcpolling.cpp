#include "config/nfcpollinfo.h"
#include "crc/etccrc.h"
#include "modbus/qmodbuspollinfo.h"
#include "nfc/masteriomanager.h"
#include "nfc/nfcmanager.h"
#include "nfc/pantaghost.h"
#include "platform/kivclock.h"
#include "platform/kivroot.h"

#include "machinestates.h"
#include "messagecatcher.h"
#include "temproot.h"

#include <QDataStream>
#include <QSignalSpy>
#include <QtEndian>
#include <QtTest>

#include <memory>

namespace {

const qint64 kNoon = 1704110400000;
const int kHoldSecs = 600;
const quint8 kUniversal = 0x65;

// A pan tag as a reader reports it: the check word over the lower six bytes
// on top of (type << 40 | serial).
quint64 tagUid(quint8 type, quint32 serial)
{
    const quint64 value = (quint64(type) << 40) | serial;
    uchar bytes[8];
    qToBigEndian<quint64>(value, bytes);
    return (quint64(etcCrc(bytes + 2, 6)) << 48) | value;
}

// The cabinet as the tag analysis sees it; every request is written down.
class RecordingHost : public PanTagHost
{
public:
    QStringList calls;
    NfcPollInfo plan;
    QList<int> slotToBin;
    int trays = 10;
    int customer = 0;
    bool secondaryDisplay = false;
    QString iot;
    QHash<int, int> binProducts;  // bin -> product id
    QHash<int, int> panSizes;     // product id -> pan size
    QHash<int, quint32> crcs;     // product id -> menu CRC-32
    QHash<int, int> resetTimes;   // product id -> seconds
    QSet<int> alerts;
    QHash<int, int> trayStates;
    QHash<int, QString> firmware;

    RecordingHost()
    {
        plan.numAddresses = 1;
        plan.numPollOrders = 1;
        plan.groups[0][0].address = 2;
        plan.groups[0][0].count = 2;
        plan.groups[0][0].entries[0].channel = 4;
        plan.groups[0][0].entries[1].channel = 9;
        for (int i = 0; i < 20; ++i)
            slotToBin << i;
    }

    bool nfcEnabled() const override { return true; }
    const NfcPollInfo *pollingInfo() const override { return &plan; }
    QList<int> slotToBinList() const override { return slotToBin; }
    int traysPerCabinet() const override { return trays; }
    int customerId() const override { return customer; }
    bool hasSecondaryDisplay() const override { return secondaryDisplay; }
    QString iotType() const override { return iot; }
    void setReaderFirmwareVersion(int reader, const QString &version) override { firmware[reader] = version; }

    int productIdAtBin(quint8 bin) const override { return binProducts.value(bin); }
    int productPanSizeAtBin(quint8 bin) const override { return panSizes.value(productIdAtBin(bin), 1); }
    int trayState(int bin) const override { return trayStates.value(bin); }
    bool trayAlertStatus(quint8 bin) const override { return alerts.contains(bin); }
    bool binsMatch(quint8 a, quint8 b) const override
    {
        return (a | 1) == (b | 1) && productPanSizeAtBin(qMin(a, b)) == 2;
    }
    int productHoldTimeSec(int) const override { return kHoldSecs; }
    quint32 productCrc32(int productId) const override { return crcs.value(productId); }
    int productResetTimeSec(int productId) const override { return resetTimes.value(productId); }

    void startBinTimer(quint8 bin, int seconds, quint64 uid) override { log("startBinTimer", bin, seconds, uid); }
    void stopBinTimer(quint8 bin) override { log("stopBinTimer", bin); }
    void setBinTimerExpired(quint8 bin) override { log("setBinTimerExpired", bin); }
    void handleHaccpTimerNfcTransfer(int bin) override { log("handleHaccpTimerNfcTransfer", bin); }
    void setMisMatchedPanId(int bin, quint64 uid) override { log("setMisMatchedPanId", bin, uid); }
    void showProductMismatch(quint8 bin, bool show, int kind, bool flag) override
    {
        log("showProductMismatch", bin, show, kind, flag);
    }
    void soundNfcChime(bool universal) override { log("soundNfcChime", universal); }
    void showReaderErrorOnOtherDisplay() override { log("showReaderErrorOnOtherDisplay"); }
    void sendHoldStartedEvent(quint8 bin, quint64 uid, const QString &method) override { log("holdStarted", bin, uid, method); }
    void sendHoldExpiredEvent(quint8 bin, quint64 uid) override { log("holdExpired", bin, uid); }
    void sendHoldStoppedEvent(quint8 bin, quint64 uid, const QString &method, int remaining) override
    {
        log("holdStopped", bin, uid, method, remaining);
    }
    void holdingListChanged(const QString &timeStamp) override { log("holdingListChanged", timeStamp); }

    template <typename T>
    static QString text(T value) { return QVariant::fromValue(value).toString(); }
    static QString text(quint8 value) { return QString::number(value); }

    template <typename... Args>
    void log(const char *name, Args... args)
    {
        const QStringList parts{text(args)...};
        calls << QStringLiteral("%1(%2)").arg(QLatin1String(name), parts.join(QLatin1Char(',')));
    }
};

QString call(const char *name, const QStringList &args = {})
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name), args.join(QLatin1Char(',')));
}

QString n(quint64 v) { return QString::number(v); }

} // namespace

// The reader polling and the tag analysis of the I/O-board link against a
// recording cabinet and a standalone pan-tag registry.
class TestNfcPolling : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempRoot> m_root;
    std::unique_ptr<NFCmanager> m_nfc;
    std::unique_ptr<RecordingHost> m_host; // outlives the link that asks it
    std::unique_ptr<MasterIoManager> m_io;

    void build()
    {
        m_io.reset();
        m_nfc = std::make_unique<NFCmanager>(nullptr);
        m_host = std::make_unique<RecordingHost>();
        m_io = std::make_unique<MasterIoManager>(m_nfc.get(), nullptr, nullptr, 0, nullptr, nullptr, 0, nullptr);
        m_io->setNfcHost(m_host.get());
    }

    // The first five analyses after start-up: two skipped, three that only
    // take pans as present.
    void warmUp()
    {
        for (int i = 0; i < 5; ++i)
            m_io->analyzeTagInfo2();
        m_host->calls.clear();
    }

    void analyse(int bin, quint64 uid)
    {
        m_io->set_currentUID(bin, uid);
        m_io->analyzeTagInfo2();
    }

    void setTagWords(QVector<quint16> &r, int slot, quint64 uid)
    {
        r[3 + 4 * slot] = quint16(uid >> 48);
        r[4 + 4 * slot] = quint16(uid >> 32);
        r[5 + 4 * slot] = quint16(uid >> 16);
        r[6 + 4 * slot] = quint16(uid);
    }

private slots:
    void init()
    {
        KivClock::freezeAt(kNoon);
        m_root = std::make_unique<TempRoot>();
        build();
    }

    void cleanup()
    {
        m_io.reset();
        m_nfc.reset();
        m_root.reset();
        KivClock::useSystemClock();
    }

    void acceptsOnlyCheckedUniqueUids()
    {
        const quint64 good = tagUid(7, 0x1234);
        const quint64 other = tagUid(7, 0x5678);
        const quint64 badCheck = good ^ (quint64(1) << 50);
        QModbusPollInfo *info = m_io->pollInfo(QStringLiteral("tagInfo1"));
        QVERIFY(info);
        QVector<quint16> &r = info->values();
        QCOMPARE(r.size(), 43);
        r[0] = 1;
        r[1] = 0x0203;
        setTagWords(r, 0, good);
        setTagWords(r, 1, good);     // the same pan seen by a second antenna
        setTagWords(r, 2, badCheck);
        setTagWords(r, 3, other);
        QSignalSpy changed(m_io.get(), SIGNAL(currentUIDsChanged(uchar)));
        m_io->processRequestTagInfo1();

        QCOMPARE(m_host->firmware.value(1), QStringLiteral("1.2.3"));
        QCOMPARE(m_io->get_currentUID(0), good);
        QCOMPARE(m_io->get_currentUID(1), 0ULL);
        QCOMPARE(m_io->get_currentUID(2), 0ULL);
        QCOMPARE(m_io->get_currentUID(3), other);
        QCOMPARE(changed.count(), 2);

        // A wrong check word leaves what the bin had; an empty slot clears it.
        setTagWords(r, 3, other ^ (quint64(1) << 60));
        setTagWords(r, 0, 0);
        m_io->processTagInfo(1);
        QCOMPARE(m_io->get_currentUID(3), other);
        QCOMPARE(m_io->get_currentUID(0), 0ULL);
        QCOMPARE(m_io->get_currentUID(20), 0ULL);
    }

    // Twelve bins on one reader: its reply still has only ten slots.
    void readsNoMoreSlotsThanTheReplyHolds()
    {
        m_host->trays = 12;
        m_host->slotToBin = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        QVector<quint16> &r = m_io->pollInfo(QStringLiteral("tagInfo1"))->values();
        setTagWords(r, 9, tagUid(7, 9));
        m_io->processTagInfo(1);
        QCOMPARE(m_io->get_currentUID(9), tagUid(7, 9));
        QCOMPARE(m_io->get_currentUID(10), 0ULL);
    }

    // Twenty bins: reader 2's first slot is slot-list entry 10; a list entry
    // beyond bin 19 is skipped with its log line.
    void secondReaderCoversTheSecondHalf()
    {
        m_host->trays = 20;
        m_host->slotToBin[11] = 25;
        QVector<quint16> &r = m_io->pollInfo(QStringLiteral("tagInfo2"))->values();
        setTagWords(r, 0, tagUid(7, 10));
        setTagWords(r, 1, tagUid(7, 11));
        QTest::ignoreMessage(QtDebugMsg, "masteriomanager: channel out of range!");
        m_io->processTagInfo(2);
        QCOMPARE(m_io->get_currentUID(10), tagUid(7, 10));
        for (int bin = 0; bin < 20; ++bin)
            if (bin != 10)
                QCOMPARE(m_io->get_currentUID(bin), 0ULL);
    }

    void startUpGating()
    {
        m_host->binProducts = {{0, 7}, {1, 7}};
        const quint64 early = tagUid(7, 1);
        const quint64 later = tagUid(7, 2);
        m_io->analyzeTagInfo2();
        m_io->analyzeTagInfo2();
        QVERIFY(!QFile::exists(KivRoot::appFile("previousUID.dat")));

        // Third to fifth analyses: the pan is taken as present.
        analyse(0, early);
        QCOMPARE(m_io->get_previousUID(0), early);
        QVERIFY(QFile::exists(KivRoot::appFile("previousUID.dat")));
        m_io->analyzeTagInfo2();
        m_io->analyzeTagInfo2();
        QVERIFY(m_host->calls.isEmpty());
        QVERIFY(m_nfc->registeredUids().isEmpty());
        QVERIFY(!QFile::exists(KivRoot::appFile("SavedHash2.dat")));

        // The sixth starts a hold for a pan placed then.
        analyse(1, later);
        QCOMPARE(m_nfc->registeredUids(), QList<quint64>{later});
        QVERIFY(m_host->calls.contains(call("startBinTimer", {"1", "600", n(later)})));
        QVERIFY(m_host->calls.contains(call("soundNfcChime", {"false"})));
        QVERIFY(QFile::exists(KivRoot::appFile("SavedHash2.dat")));
    }

    void universalTagStartsANewHold()
    {
        m_host->binProducts = {{2, 7}};
        m_host->crcs = {{7, 0xCAFEF00D}};
        warmUp();
        const quint64 uid = tagUid(kUniversal, 42);
        analyse(2, uid);
        QCOMPARE(m_host->calls, QStringList({call("startBinTimer", {"2", "600", n(uid)}),
                                             call("holdStarted", {"2", n(uid), "auto"}),
                                             call("soundNfcChime", {"true"})}));
        const NfcTagItem2 *record = m_nfc->viewTagInfo2(uid);
        QVERIFY(record);
        QCOMPARE(int(record->getHoldStatus()), 0);
        QCOMPARE(int(record->getPosition()), 2);
        QCOMPARE(int(record->getProductId()), 7);
        QCOMPARE(record->getCrc32(), 0xCAFEF00Du);
        QCOMPARE(record->getExpTime(), kNoon + kHoldSecs * 1000);
        QCOMPARE(m_nfc->getUidInBin(2), uid);
    }

    void mismatches_data()
    {
        QTest::addColumn<int>("tagType");
        QTest::addColumn<int>("bin");
        QTest::addColumn<int>("partnerType"); // 0: partner bin empty
        QTest::addColumn<bool>("otherCabinetHolds");
        QTest::addColumn<QString>("expected");
        QTest::newRow("tag of another product") << 7 << 4 << 0 << false << "showProductMismatch(4,true,1,false)";
        QTest::newRow("tag without product") << 0 << 4 << 0 << false << "showProductMismatch(4,true,1,false)";
        QTest::newRow("two-bin pan on a taken partner") << 8 << 4 << 8 << false << "showProductMismatch(4,true,3,false)";
        QTest::newRow("pan of another menu") << 8 << 4 << 0 << true << "showProductMismatch(4,true,2,false)";
    }

    void mismatches()
    {
        QFETCH(int, tagType);
        QFETCH(int, bin);
        QFETCH(int, partnerType);
        QFETCH(bool, otherCabinetHolds);
        QFETCH(QString, expected);
        m_host->binProducts = {{4, 8}, {5, 8}};
        m_host->panSizes = {{8, partnerType ? 2 : 1}};
        m_host->crcs = {{8, 0x1111}};
        const quint64 uid = tagUid(quint8(tagType), 1);
        if (partnerType) {
            m_io->set_currentUID(bin ^ 1, tagUid(quint8(partnerType), 2));
            m_io->analyzeTagInfo2(); // skipped
            m_io->analyzeTagInfo2(); // skipped
            m_io->analyzeTagInfo2(); // partner taken as present
            m_io->analyzeTagInfo2();
            m_io->analyzeTagInfo2();
            m_host->calls.clear();
        } else {
            warmUp();
        }
        if (otherCabinetHolds) {
            auto *held = new NfcTagItem2(uid, 0, 3, kNoon + 100000, kNoon - 1000);
            held->setCrc32(0x2222);
            held->setProductId(8);
            m_nfc->replaceOthersList(QStringLiteral("aa:bb"), {held});
        }
        analyse(bin, uid);
        QCOMPARE(m_host->calls, QStringList({call("setMisMatchedPanId", {QString::number(bin), n(uid)}), expected}));
        QVERIFY(!m_nfc->doWeOwnThisTag2(uid));
        QCOMPARE(m_io->get_previousUID(bin), uid);

        // The indication stays until the bin's UID changes again.
        m_host->calls.clear();
        m_io->analyzeTagInfo2();
        QVERIFY(m_host->calls.isEmpty());
    }

    void panOutAndBackKeepsItsTime()
    {
        m_host->binProducts = {{3, 7}};
        warmUp();
        const quint64 uid = tagUid(7, 3);
        QSignalSpy removed(m_nfc.get(), SIGNAL(panRemoved(qint64,int,quint64,int)));
        QSignalSpy returned(m_nfc.get(), SIGNAL(panReturned(qint64,int,quint64,int)));
        analyse(3, uid);
        KivClock::advance(100000);
        analyse(3, 0);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.first(), QVariantList({kNoon + 100000, 3, uid, 500}));

        KivClock::advance(50000);
        m_host->calls.clear();
        analyse(3, uid);
        QCOMPARE(m_host->calls, QStringList({call("handleHaccpTimerNfcTransfer", {"3"}),
                                             call("startBinTimer", {"3", "450", n(uid)}),
                                             call("soundNfcChime", {"false"})}));
        QCOMPARE(returned.count(), 1);
        QCOMPARE(returned.first(), QVariantList({kNoon + 150000, 3, uid, 450}));
        QCOMPARE(int(m_nfc->viewTagInfo2(uid)->getHoldStatus()), 1);
    }

    void panMovedToAnotherBin()
    {
        m_host->binProducts = {{3, 7}, {5, 7}};
        warmUp();
        const quint64 uid = tagUid(7, 3);
        analyse(3, uid);
        KivClock::advance(200000);
        QSignalSpy transferred(m_nfc.get(), SIGNAL(panTransfered(qint64,int,quint64,int)));
        m_host->calls.clear();
        m_io->set_currentUID(3, 0);
        analyse(5, uid);
        QCOMPARE(m_host->calls, QStringList({call("showProductMismatch", {"3", "false", "0", "false"}),
                                             call("handleHaccpTimerNfcTransfer", {"3"}),
                                             call("startBinTimer", {"5", "400", n(uid)}),
                                             call("soundNfcChime", {"false"}),
                                             call("stopBinTimer", {"3"})}));
        QCOMPARE(transferred.count(), 1);
        QCOMPARE(transferred.first(), QVariantList({kNoon + 200000, 5, uid, 400}));
        const NfcTagItem2 *record = m_nfc->viewTagInfo2(uid);
        QCOMPARE(int(record->getPosition()), 5);
        QCOMPARE(int(record->getHoldStatus()), 1);
        QCOMPARE(m_nfc->getUidInBin(3), 0ULL);
        QCOMPARE(m_nfc->getUidInBin(5), uid);
    }

    // An expired hold is reported once, also across a restart.
    void expiryIsReportedOnce()
    {
        m_host->binProducts = {{1, 7}, {2, 7}};
        warmUp();
        const quint64 uid = tagUid(7, 1);
        const quint64 next = tagUid(7, 2);
        analyse(1, uid);
        KivClock::advance((kHoldSecs + 1) * 1000);
        m_host->calls.clear();
        m_io->analyzeTagInfo2();
        QCOMPARE(m_host->calls, QStringList({call("holdExpired", {"1", n(uid)})}));
        QCOMPARE(int(m_nfc->viewTagInfo2(uid)->getHoldStatus()), 3);
        m_io->analyzeTagInfo2();
        QCOMPARE(m_host->calls.size(), 1);

        // Restart: the registry and previous UIDs come back from disk.
        build();
        m_host->binProducts = {{1, 7}, {2, 7}};
        m_nfc->restoreNFC2();
        m_io->initPreviousUIDs();
        QCOMPARE(m_io->get_previousUID(1), uid);
        QCOMPARE(int(m_nfc->viewTagInfo2(uid)->getHoldStatus()), 3);
        m_io->set_currentUID(1, uid);
        warmUp();
        m_io->analyzeTagInfo2();
        QVERIFY2(m_host->calls.isEmpty(), qPrintable(m_host->calls.join(' ')));
        analyse(2, next);
        QVERIFY(!m_host->calls.filter("holdExpired").filter(n(uid)).size());
    }

    // A hold whose time runs out while another pan lies in its bin ends.
    void expiryWithAnotherPanInTheBinStopsTheHold()
    {
        m_host->binProducts = {{1, 7}};
        warmUp();
        const quint64 uid = tagUid(7, 1);
        const quint64 other = tagUid(7, 2);
        analyse(1, uid);
        m_nfc->setUidInBin(1, other);
        KivClock::advance((kHoldSecs + 2) * 1000);
        m_host->calls.clear();
        m_io->analyzeTagInfo2();
        QCOMPARE(m_host->calls, QStringList({call("holdExpired", {"1", n(uid)}),
                                             // -2000 ms left: (-2000 + 500) / 1000 truncates to -1
                                             call("holdStopped", {"1", n(uid), "auto", "-1"})}));
        QCOMPARE(int(m_nfc->viewTagInfo2(uid)->getHoldStatus()), 4);
    }

    void readerTimeoutIsShownOncePerEpisode()
    {
        m_host->alerts = {4};
        m_io->set_currentUID(4, tagUid(7, 4));
        m_io->set_currentUID(6, tagUid(7, 6));
        QSignalSpy dialog(m_io.get(), SIGNAL(invokeSimpleDialog(QString,bool)));
        QSignalSpy error(m_io.get(), SIGNAL(errorInfo(int,int,int,int)));
        QSignalSpy cleared(m_io.get(), SIGNAL(errorClearInfo(int,int,int,int)));
        m_io->reportReaderCommError1();
        m_io->reportReaderCommError1();
        QCOMPARE(dialog.count(), 1);
        QCOMPARE(dialog.first(), QVariantList({QStringLiteral("<b>NFC ERROR!</b><br>Auto tray detection disabled!"), true}));
        QCOMPARE(error.count(), 1);
        QCOMPARE(error.first(), QVariantList({5, 1, 0, 0}));
        QVERIFY(m_io->getNfcErrorDetected());
        QCOMPARE(m_host->firmware.value(1), QStringLiteral("?.?.?"));
        QCOMPARE(m_io->get_currentUID(4), 0ULL);
        QCOMPARE(m_io->get_currentUID(6), tagUid(7, 6));
        // Every bin of the reader loses its indication, once per episode.
        QCOMPARE(m_host->calls.filter("showProductMismatch").size(), 10);
        QVERIFY(m_host->calls.contains(call("showProductMismatch", {"9", "false", "0", "false"})));

        // The next good reply ends the episode; the next time-out is shown again.
        m_io->processRequestTagInfo1();
        QCOMPARE(cleared.count(), 1);
        QCOMPARE(cleared.first(), QVariantList({5, 1, 0, 0}));
        QVERIFY(!m_io->getNfcErrorDetected());
        m_io->reportReaderCommError1();
        QCOMPARE(dialog.count(), 2);
    }

    // One reader: scan, wait, read; a time-out still runs the analysis and
    // the cycle starts over.
    void oneReaderCycle()
    {
        QCOMPARE(m_io->get_numOfNfcBoards(), 1);
        m_host->binProducts = {{0, 7}};
        MessageCatcher catcher;
        QTest::ignoreMessage(QtDebugMsg, "Poll 0 - 1-4, 1-9, ");
        m_io->start();
        QTRY_VERIFY(m_io->isRunning());
        QVERIFY(activeStateNames(*m_io).contains(QStringLiteral("nfcIdleState")));
        emit m_io->nfcReadingStart();
        QTRY_VERIFY(activeStateNames(*m_io).contains(QStringLiteral("nfcPollReader1")));
        QCOMPARE(m_io->pollInfo(QStringLiteral("m_TagScanInfo1"))->values(),
                 QVector<quint16>({2, 4, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));

        QSignalSpy dialog(m_io.get(), SIGNAL(invokeSimpleDialog(QString,bool)));
        QModbusPollInfo *info = m_io->pollInfo(QStringLiteral("tagInfo1"));
        info->pollResolved(QModbusPollInfo::QMBS_REPLY_TIMEDOUT);
        QTRY_COMPARE(dialog.count(), 1);
        QTRY_VERIFY(activeStateNames(*m_io).contains(QStringLiteral("nfcPollReader1")));
        QVERIFY(m_io->getNfcErrorDetected());

        // A good reply clears the error and its tags are taken.
        QSignalSpy cleared(m_io.get(), SIGNAL(errorClearInfo(int,int,int,int)));
        setTagWords(info->values(), 0, tagUid(7, 1));
        info->pollResolved(QModbusPollInfo::QMBS_GOOD_REPLY_FOUND);
        QTRY_COMPARE(cleared.count(), 1);
        QCOMPARE(cleared.first(), QVariantList({5, 1, 0, 0}));
        QCOMPARE(m_io->get_currentUID(0), tagUid(7, 1));
        for (const QString &w : catcher.warnings())
            QVERIFY2(!w.startsWith("QObject::connect") && !w.startsWith("QStateMachine"), qPrintable(w));
    }

    void previousUidFiles_data()
    {
        QTest::addColumn<bool>("keepDat");
        QTest::addColumn<bool>("truncateDat");
        QTest::addColumn<bool>("keepBak");
        QTest::addColumn<bool>("restored");
        QTest::newRow("saved file") << true << false << false << true;
        QTest::newRow("only the backup") << false << false << true << true;
        QTest::newRow("short file, backup") << true << true << true << true;
        QTest::newRow("neither") << false << false << false << false;
    }

    void previousUidFiles()
    {
        QFETCH(bool, keepDat);
        QFETCH(bool, truncateDat);
        QFETCH(bool, keepBak);
        QFETCH(bool, restored);
        m_host->binProducts = {{19, 7}};
        m_host->trays = 20;
        const quint64 uid = tagUid(7, 19);
        m_io->analyzeTagInfo2();
        m_io->analyzeTagInfo2();
        analyse(19, uid);

        const QString dat = KivRoot::appFile("previousUID.dat");
        const QString bak = KivRoot::appFile("previousUID.bak");
        QFile file(dat);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        QCOMPARE(bytes.size(), 160);
        QCOMPARE(qFromBigEndian<quint64>(bytes.constData() + 152), uid);
        QVERIFY(!QFile::exists(bak));

        if (keepBak)
            QVERIFY(QFile::copy(dat, bak));
        if (!keepDat)
            QVERIFY(QFile::remove(dat));
        else if (truncateDat)
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes.left(100)) == 100);
        file.close();

        build();
        m_io->initPreviousUIDs();
        QCOMPARE(m_io->get_previousUID(19), restored ? uid : 0ULL);
    }
};

QTEST_GUILESS_MAIN(TestNfcPolling)
#include "tst_nfcpolling.moc"
