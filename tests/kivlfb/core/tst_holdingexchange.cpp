#include "core/holdingexchange.h"
#include "core/holdingexchangecodec.h"

#include "platform/kivclock.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const qint64 kTen = 1704103200000; // 2024-01-01 10:00:00 UTC
const qint64 kMinute = 60000;
const QString kOwnMac = QStringLiteral("AA:BB");
const QString kOtherMac = QStringLiteral("CC:DD");
const int kPatty = 12;
const int kNuggets = 7;

// A cabinet of its own: bins with records and products, settings, and a
// log of what the exchange asked of it.
class FakeCabinet : public HoldingExchangeHost
{
public:
    QString mac = kOwnMac;
    QString hash = QStringLiteral("h1");
    int trays = 8;
    bool useFirst = true;
    bool linked = true;
    bool touchTransfer = false;
    bool haccp = false;
    bool otherDisplay = true;
    QList<trayInfo> records;
    QHash<int, int> products; // bin -> product

    QMap<int, bool> useBins;
    QList<quint32> masks;
    QStringList calls;

    FakeCabinet() { setTrays(trays); }
    void setTrays(int count)
    {
        trays = count;
        records.clear();
        for (int bin = 0; bin < trays; ++bin) {
            trayInfo record;
            record.binNumber = quint8(bin);
            records << record;
        }
    }
    void hold(int bin, int product, qint64 expected, int activity = 2)
    {
        records[bin].holdActivity = quint8(activity);
        records[bin].groupId = quint32(product);
        records[bin].remainingTime = qint32((expected - kTen) / 1000);
        records[bin].expectedTime = expected;
        products[bin] = product;
    }
    QList<int> marked() const
    {
        QList<int> bins;
        for (auto it = useBins.cbegin(); it != useBins.cend(); ++it)
            if (it.value())
                bins << it.key();
        return bins;
    }

    QString macAddress() const override { return mac; }
    QString productsHashCode() const override { return hash; }
    int traysPerCabinet() const override { return trays; }
    bool useFirstEnabled() const override { return useFirst; }
    bool linkedUseFirst() const override { return linked; }
    bool touchBasedTransfer() const override { return touchTransfer; }
    bool haccpEnabled() const override { return haccp; }
    bool hasOtherDisplay() const override { return otherDisplay; }
    QList<trayInfo> binRecords() const override { return records; }
    int productIdAtBin(quint8 bin) const override { return products.value(bin); }
    void setUseBin(int bin, bool use) override { useBins[bin] = use; }
    void sendBinsToUse(quint32 mask) override { masks << mask; }
    void startBinTimer(quint8 bin, qint32 seconds) override
    {
        calls << QStringLiteral("start %1 %2").arg(bin).arg(seconds);
    }
    void stopBinTimer(quint8 bin) override { calls << QStringLiteral("stop %1").arg(bin); }
    void removeHaccpLogTimerStartInfo(int bin, int productId, qint64 expectedTime) override
    {
        calls << QStringLiteral("haccp %1 %2 %3").arg(bin).arg(productId).arg(expectedTime);
    }
    QVariant productName(int productId) const override
    {
        return productId == kPatty ? QVariant(QStringLiteral("Patty")) : QVariant(QStringLiteral("Nuggets"));
    }
    QVariant productHoldTime(int productId) const override { return productId == kPatty ? 1800 : 900; }
    QVariant productWarningTime(int productId) const override { return productId == kPatty ? 300 : 600; }
};

binUsageInfo_struct held(int bin, int product, qint64 expected)
{
    binUsageInfo_struct entry;
    entry.bin = qint8(bin);
    entry.productId = product;
    entry.remainingTime = qint32((expected - kTen) / 1000);
    entry.expectedTime = expected;
    return entry;
}

// The data-stream text "AA:BB" and "CC:DD": byte count, then UTF-16BE.
const QByteArray kOwnMacText = QByteArray::fromHex("0000000a00410041003a00420042");
const QByteArray kOtherMacText = QByteArray::fromHex("0000000a00430043003a00440044");

} // namespace

class TestHoldingExchange : public QObject
{
    Q_OBJECT

    FakeCabinet *m_cabinet = nullptr;
    std::unique_ptr<HoldingExchange> m_exchange;

    // Another cabinet's datagram, as received from 10.0.0.7.
    void hear(const QString &mac, const QList<binUsageInfo_struct> &bins)
    {
        m_exchange->processReceivedHoldingInfo(HoldingExchangeCodec::encodeHoldingInfo(mac, "h2", bins),
                                               QHostAddress(QStringLiteral("10.0.0.7")));
    }

private slots:
    void init()
    {
        KivClock::freezeAt(kTen);
        auto cabinet = std::make_unique<FakeCabinet>();
        m_cabinet = cabinet.get();
        m_exchange = std::make_unique<HoldingExchange>(std::move(cabinet));
    }
    void cleanup()
    {
        m_exchange.reset();
        KivClock::useSystemClock();
    }

    // The broadcast carries the running holds whose end is still ahead,
    // byte for byte.
    void holdingDatagramBytes()
    {
        m_cabinet->hold(3, kPatty, kTen + 2 * kMinute);          // sent
        m_cabinet->hold(4, kNuggets, kTen + kMinute, 3);         // restored: sent
        m_cabinet->hold(5, kPatty, kTen - kMinute);              // past its end
        m_cabinet->hold(6, kPatty, kTen + 3 * kMinute, 5);       // discarding
        m_cabinet->hold(7, kPatty, kTen + 3 * kMinute, 1);       // only assigned
        QSignalSpy sent(m_exchange.get(), SIGNAL(holdingInfoReady(QByteArray)));
        m_exchange->broadcastHoldingInfo();
        QCOMPARE(sent.count(), 1);
        const QByteArray expected = QByteArray::fromHex("face") + kOwnMacText
                                    + QByteArray::fromHex("000000040068"
                                                          "0031"
                                                          "03" "0000000c" "00000078" "0000018cc47919c0"
                                                          "04" "00000007" "0000003c" "0000018cc4782f60");
        QCOMPARE(sent.first().first().toByteArray().toHex(), expected.toHex());
    }

    void holdingDatagramDecoding_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<bool>("headerComplete");
        QTest::addColumn<int>("entries");
        QTest::addColumn<bool>("cutShort");
        const QByteArray header = HoldingExchangeCodec::encodeHoldingInfo(kOtherMac, "h2", {});
        const QByteArray two = HoldingExchangeCodec::encodeHoldingInfo(
            kOtherMac, "h2", {held(1, kPatty, kTen + kMinute), held(2, kPatty, kTen + 2 * kMinute)});
        QTest::newRow("two entries") << two << true << 2 << false;
        QTest::newRow("header only") << header << true << 0 << false;
        QTest::newRow("cut inside the last entry") << two.left(two.size() - 5) << true << 1 << true;
        QTest::newRow("one byte past an entry") << two.left(header.size() + 18) << true << 1 << true;
        QTest::newRow("cut inside the hash") << header.left(header.size() - 1) << false << 0 << false;
        QTest::newRow("cut inside the MAC") << header.left(6) << false << 0 << false;
        QTest::newRow("id only") << QByteArray::fromHex("face") << false << 0 << false;
        QTest::newRow("empty") << QByteArray() << false << 0 << false;
        QByteArray otherId = two;
        otherId[1] = char(0xcf);
        QTest::newRow("another id") << otherId << false << 0 << false;
        QTest::newRow("odd text length") << QByteArray::fromHex("face0000000300410041") << false << 0 << false;
        QTest::newRow("text longer than the datagram")
            << QByteArray::fromHex("face7ffffffe0041") << false << 0 << false;
    }
    void holdingDatagramDecoding()
    {
        QFETCH(QByteArray, datagram);
        const HoldingExchangeCodec::HoldingInfo info = HoldingExchangeCodec::decodeHoldingInfo(datagram);
        QTEST(info.headerComplete, "headerComplete");
        QTEST(int(info.bins.size()), "entries");
        QTEST(info.cutShort, "cutShort");
        if (info.headerComplete) {
            QCOMPARE(info.macAddress, kOtherMac);
            QCOMPARE(info.productsHash, QStringLiteral("h2"));
        }
        if (!info.bins.isEmpty()) {
            QCOMPARE(int(info.bins.first().bin), 1);
            QCOMPARE(info.bins.first().productId, kPatty);
            QCOMPARE(info.bins.first().remainingTime, 60);
            QCOMPARE(info.bins.first().expectedTime, kTen + kMinute);
        }
    }

    // What a received datagram does to the list kept for its sender, which
    // holds two bins beforehand.
    void receivedHoldingLists_data()
    {
        QTest::addColumn<QString>("ownMac");
        QTest::addColumn<bool>("linked");
        QTest::addColumn<bool>("touchTransfer");
        QTest::addColumn<QString>("senderMac");
        QTest::addColumn<int>("cut"); // bytes cut off the end
        QTest::addColumn<int>("sentEntries");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("keptEntries"); // for the sender after it
        const QString own = kOwnMac;
        const QString other = kOtherMac;
        QTest::newRow("another cabinet") << own << true << false << other << 0 << 3 << true << 3;
        QTest::newRow("transfer alone takes lists") << own << false << true << other << 0 << 3 << true << 3;
        QTest::newRow("its own datagram") << own << true << true << own << 0 << 3 << false << 0;
        QTest::newRow("both settings off") << own << false << false << other << 0 << 3 << false << 2;
        QTest::newRow("no MAC of its own") << QString() << true << true << other << 0 << 3 << false << 2;
        QTest::newRow("header only empties the list") << own << true << false << other << 0 << 0 << true << 0;
        QTest::newRow("cut in the last entry") << own << true << false << other << 3 << 3 << true << 2;
        QTest::newRow("cut in the header keeps the old list")
            << own << true << false << other << 20 << 0 << false << 2;
    }
    void receivedHoldingLists()
    {
        QFETCH(QString, ownMac);
        QFETCH(bool, linked);
        QFETCH(bool, touchTransfer);
        QFETCH(QString, senderMac);
        QFETCH(int, cut);
        QFETCH(int, sentEntries);
        QFETCH(bool, accepted);
        QFETCH(int, keptEntries);
        hear(kOtherMac, {held(0, kPatty, kTen + kMinute), held(1, kPatty, kTen + kMinute)});
        QCOMPARE(m_exchange->cabinetHoldingList(kOtherMac).size(), 2);

        m_cabinet->mac = ownMac;
        m_cabinet->linked = linked;
        m_cabinet->touchTransfer = touchTransfer;
        QList<binUsageInfo_struct> bins;
        for (int i = 0; i < sentEntries; ++i)
            bins << held(i, kNuggets, kTen + (i + 1) * kMinute);
        QByteArray datagram = HoldingExchangeCodec::encodeHoldingInfo(senderMac, "h2", bins);
        datagram.chop(cut);
        QSignalSpy changed(m_exchange.get(), SIGNAL(otherCabinetsChanged()));
        m_exchange->processReceivedHoldingInfo(datagram, QHostAddress(QStringLiteral("10.0.0.9")));

        QCOMPARE(changed.count(), accepted ? 1 : 0);
        const QList<binUsageInfo_struct> kept = m_exchange->cabinetHoldingList(senderMac);
        QCOMPARE(kept.size(), keptEntries);
        for (const binUsageInfo_struct &bin : kept)
            QCOMPARE(bin.productId, accepted ? kNuggets : kPatty);
        QCOMPARE(m_exchange->cabinetHoldingList(kOwnMac).size(), 0);
    }

    // Two bins of one product: the one ending first is used first; when it
    // stops, the other takes over. A product of its own is marked too, and
    // on a tie the lower bin wins.
    void useFirstMarksTheEarliestEnd()
    {
        m_cabinet->hold(1, kPatty, kTen + 5 * kMinute);
        m_cabinet->hold(2, kPatty, kTen + 2 * kMinute);
        m_cabinet->hold(4, kNuggets, kTen + 3 * kMinute);
        m_cabinet->hold(5, kNuggets, kTen + 3 * kMinute);
        m_cabinet->hold(6, kNuggets, kTen - kMinute); // ended: does not count
        m_exchange->updateUseMap();
        QCOMPARE(m_cabinet->marked(), (QList<int>{2, 4}));
        QCOMPARE(m_cabinet->masks, (QList<quint32>{0x14}));

        m_cabinet->records[2].holdActivity = 0;
        m_exchange->updateUseMap();
        QCOMPARE(m_cabinet->marked(), (QList<int>{1, 4}));

        // A cabinet without other displays keeps the mask to itself.
        m_cabinet->otherDisplay = false;
        m_exchange->updateUseMap();
        QCOMPARE(m_cabinet->masks.size(), 2);
    }

    // With use first off every holding bin is marked, but not one that is
    // discarding or only assigned.
    void useFirstOffMarksEveryHold()
    {
        m_cabinet->useFirst = false;
        m_cabinet->hold(0, kPatty, kTen + 5 * kMinute);
        m_cabinet->hold(1, kPatty, kTen + 2 * kMinute, 3);
        m_cabinet->hold(2, kPatty, kTen + 2 * kMinute, 4);
        m_cabinet->hold(3, kPatty, kTen - kMinute, 5);
        m_cabinet->hold(4, kPatty, kTen + kMinute, 1);
        m_exchange->updateUseMap();
        QCOMPARE(m_cabinet->marked(), (QList<int>{0, 1, 2}));
        QCOMPARE(m_cabinet->masks.last(), quint32(0x7));
    }

    // Across cabinets: a strictly earlier end elsewhere unmarks the local
    // bin until that cabinet falls silent for 21 s.
    void linkedUseFirstAcrossCabinets_data()
    {
        QTest::addColumn<bool>("linked");
        QTest::addColumn<qint64>("otherEnd");
        QTest::addColumn<bool>("localMarked");
        QTest::newRow("earlier elsewhere") << true << kTen + kMinute << false;
        QTest::newRow("same end elsewhere") << true << kTen + 2 * kMinute << true;
        QTest::newRow("later elsewhere") << true << kTen + 3 * kMinute << true;
        QTest::newRow("not linked") << false << kTen + kMinute << true;
    }
    void linkedUseFirstAcrossCabinets()
    {
        QFETCH(bool, linked);
        QFETCH(qint64, otherEnd);
        QFETCH(bool, localMarked);
        m_cabinet->linked = linked;
        m_cabinet->touchTransfer = true;
        m_cabinet->hold(3, kPatty, kTen + 2 * kMinute);
        hear(kOtherMac, {held(5, kNuggets, kTen + kMinute), held(6, kPatty, otherEnd)});
        m_exchange->updateUseMap();
        QCOMPARE(m_cabinet->useBins.value(3), localMarked);

        QSignalSpy changed(m_exchange.get(), SIGNAL(otherCabinetsChanged()));
        KivClock::advance(20999);
        m_exchange->broadcastHoldingInfo();
        QCOMPARE(changed.count(), 0);
        KivClock::advance(1);
        m_exchange->broadcastHoldingInfo();
        QCOMPARE(changed.count(), 1);
        QVERIFY(m_exchange->cabinetHoldingList(kOtherMac).isEmpty());
        m_exchange->updateUseMap();
        QVERIFY(m_cabinet->useBins.value(3));
    }

    // A cabinet with more bins than the mask: the flags cover every bin, the
    // mask only the first twenty.
    void binsPastTheMask()
    {
        m_cabinet->setTrays(24);
        m_cabinet->hold(5, kPatty, kTen + 5 * kMinute);
        m_cabinet->hold(22, kPatty, kTen + 2 * kMinute);
        m_cabinet->hold(3, kNuggets, kTen + 2 * kMinute);
        m_exchange->updateUseMap();
        QCOMPARE(m_cabinet->marked(), (QList<int>{3, 22}));
        QCOMPARE(m_exchange->binsToUse().size(), 24);
        QVERIFY(m_exchange->binsToUse().at(22));
        QCOMPARE(m_cabinet->masks.last(), quint32(1u << 3));

        m_cabinet->useFirst = false;
        m_exchange->updateUseMap();
        QCOMPARE(m_cabinet->marked(), (QList<int>{3, 5, 22}));
        QCOMPARE(m_cabinet->masks.last(), quint32((1u << 3) | (1u << 5)));
    }

    // The candidates for a bin asking for Patty: other bins here and in
    // other cabinets, never itself, never another product, never a hold
    // already over; the hold ending first comes first.
    void transferCandidates()
    {
        m_cabinet->hold(2, kPatty, kTen + 9 * kMinute);  // the asking bin
        m_cabinet->hold(3, kPatty, kTen + 4 * kMinute);
        m_cabinet->hold(4, kNuggets, kTen + kMinute);
        m_cabinet->hold(5, kPatty, kTen - kMinute);
        m_cabinet->touchTransfer = true;
        hear(kOtherMac, {held(6, kPatty, kTen + 2 * kMinute), held(7, kNuggets, kTen + kMinute),
                         held(1, kPatty, kTen - 1000)});
        QSignalSpy shown(m_exchange.get(), SIGNAL(showProductTransferList()));

        m_exchange->showProductTransferWindow(2, kPatty);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(m_exchange->getTransferTimersCount(), 2);
        QCOMPARE(m_exchange->getTransferTimerValue(0, HoldingExchange::TransferRemainingTime).toInt(), 120);
        QCOMPARE(m_exchange->getTransferTimerValue(1, HoldingExchange::TransferRemainingTime).toInt(), 240);
        QCOMPARE(m_exchange->getTransferTimerValue(1, HoldingExchange::TransferProductName).toString(),
                 QStringLiteral("Patty"));
        QCOMPARE(m_exchange->getTransferTimerValue(1, HoldingExchange::TransferHoldTime).toInt(), 1800);
        QCOMPARE(m_exchange->getTransferTimerValue(1, HoldingExchange::TransferWarningTime).toInt(), 300);
        QTest::ignoreMessage(QtDebugMsg, "No role selected! -- 4");
        QVERIFY(!m_exchange->getTransferTimerValue(0, 4).isValid());
        QVERIFY(!m_exchange->getTransferTimerValue(2, 0).isValid());
        QVERIFY(!m_exchange->getTransferTimerValue(-1, 0).isValid());

        // Nothing to offer: the list empties and no window opens.
        m_exchange->showProductTransferWindow(3, kNuggets + 100);
        QCOMPARE(m_exchange->getTransferTimersCount(), 0);
        QCOMPARE(shown.count(), 1);
    }

    // A pick in this cabinet moves the hold at once and sends nothing.
    void localTransfer()
    {
        m_cabinet->haccp = true;
        m_cabinet->hold(3, kPatty, kTen + 4 * kMinute + 500);
        QList<QPair<QByteArray, QHostAddress>> requests;
        connect(m_exchange.get(), &HoldingExchange::transferRequestReady,
                [&requests](QByteArray request, QHostAddress host) { requests.append({request, host}); });
        m_exchange->showProductTransferWindow(2, kPatty);
        KivClock::advance(1000);

        m_exchange->doProductTransfer(1); // past the list
        m_exchange->doProductTransfer(-1);
        QVERIFY(m_cabinet->calls.isEmpty());
        m_exchange->doProductTransfer(0);
        QCOMPARE(m_cabinet->calls, (QStringList{"stop 3", "start 2 239",
                                                QStringLiteral("haccp 3 12 %1").arg(kTen + 4 * kMinute + 500)}));
        QCOMPARE(requests.count(), 0);

        // A candidate whose hold ended meanwhile is passed over.
        m_cabinet->calls.clear();
        KivClock::advance(4 * kMinute);
        m_exchange->doProductTransfer(0);
        QVERIFY(m_cabinet->calls.isEmpty());
    }

    // A pick in another cabinet asks it over the network; the target starts
    // when that cabinet confirms, once.
    void remoteTransfer()
    {
        m_cabinet->touchTransfer = true;
        hear(kOtherMac, {held(6, kPatty, kTen + 2 * kMinute)});
        QList<QPair<QByteArray, QHostAddress>> requests;
        connect(m_exchange.get(), &HoldingExchange::transferRequestReady,
                [&requests](QByteArray request, QHostAddress host) { requests.append({request, host}); });
        m_exchange->productTransferConfirmed(); // nothing asked yet
        QVERIFY(m_cabinet->calls.isEmpty());

        m_exchange->showProductTransferWindow(2, kPatty);
        m_exchange->doProductTransfer(0);
        QCOMPARE(requests.count(), 1);
        const QByteArray expected = QByteArray::fromHex("dead") + kOtherMacText
                                    + QByteArray::fromHex("06" "0000000c" "00000078" "0000018cc47919c0");
        QCOMPARE(requests.first().first.toHex(), expected.toHex());
        QCOMPARE(requests.first().second, QHostAddress(QStringLiteral("10.0.0.7")));
        QVERIFY(m_cabinet->calls.isEmpty());

        KivClock::advance(30000);
        m_exchange->productTransferConfirmed();
        m_exchange->productTransferConfirmed();
        QCOMPARE(m_cabinet->calls, (QStringList{"start 2 90"}));

        // Once the cabinet is forgotten its address is gone: nothing is sent.
        m_exchange->showProductTransferWindow(2, kPatty);
        KivClock::advance(21000);
        m_exchange->broadcastHoldingInfo();
        m_exchange->doProductTransfer(0);
        QCOMPARE(requests.count(), 1);
    }

    void timerResetRequests_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<bool>("stopped");
        TimerTransferInfo timer;
        timer.macAddress = kOwnMac;
        timer.bin = 5;
        timer.productId = kPatty;
        timer.remainingTime = 120;
        timer.expectedTime = kTen + 2 * kMinute;
        const QByteArray good = HoldingExchangeCodec::encodeTransferRequest(timer);
        QTest::newRow("own bin") << good << true;
        QTest::newRow("truncated") << good.left(good.size() - 1) << false;
        QTest::newRow("id only") << good.left(2) << false;
        QByteArray otherId = good;
        otherId[0] = char(0xfa);
        QTest::newRow("another id") << otherId << false;
        TimerTransferInfo elsewhere = timer;
        elsewhere.macAddress = kOtherMac;
        QTest::newRow("another cabinet") << HoldingExchangeCodec::encodeTransferRequest(elsewhere) << false;
        QByteArray negative = good;
        negative[2 + kOwnMacText.size()] = char(0xff); // bin -1
        QTest::newRow("bin -1") << negative << false;
        TimerTransferInfo past = timer;
        past.bin = 8;
        QTest::newRow("bin past the cabinet") << HoldingExchangeCodec::encodeTransferRequest(past) << false;
    }
    void timerResetRequests()
    {
        QFETCH(QByteArray, request);
        QFETCH(bool, stopped);
        m_cabinet->haccp = true;
        QCOMPARE(m_exchange->handleTimerResetRequest(request), stopped);
        if (stopped)
            QCOMPARE(m_cabinet->calls,
                     (QStringList{"stop 5", QStringLiteral("haccp 5 12 %1").arg(kTen + 2 * kMinute)}));
        else
            QVERIFY(m_cabinet->calls.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestHoldingExchange)
#include "tst_holdingexchange.moc"
