#include "core/holdingexchangecodec.h"
#include "network/dadazodaru.h"
#include "network/networkhost.h"
#include "platform/kivclock.h"
#include "platform/networkinterfaces.h"

#include "messagecatcher.h"
#include "temproot.h"

#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QtTest>

namespace {

const QByteArray kOwnMac = "00:1A:2B:3C:4D:5E";
const QByteArray kPeerMac = "AA:BB:CC:DD:EE:01";
const QHostAddress kLoopback(QStringLiteral("127.0.0.1"));

// The cabinet side as the cabinet network sees it: answers set by the test,
// calls recorded.
class FakeHost : public NetworkHost
{
public:
    bool iAmMaster() const override { return master; }
    QString cabinetName() const override { return name; }
    void processReceivedHoldingInfo(const QByteArray &datagram, const QHostAddress &) override
    {
        holdingDatagrams.append(datagram);
    }
    bool handleTimerResetRequest(const QByteArray &request) override
    {
        requests.append(request);
        const HoldingExchangeCodec::TransferRequest r = HoldingExchangeCodec::decodeTransferRequest(request);
        return r.complete && r.macAddress == QString::fromLatin1(holderMac) && r.bin == 3;
    }
    void productTransferConfirmed() override { ++confirmations; }

    bool master = true;
    QString name = QStringLiteral("Kitchen");
    QByteArray holderMac = kOwnMac;
    QList<QByteArray> holdingDatagrams;
    QList<QByteArray> requests;
    int confirmations = 0;
};

QByteArray transferRequest(const QByteArray &mac, quint8 bin)
{
    TimerTransferInfo timer;
    timer.macAddress = QString::fromLatin1(mac);
    timer.bin = bin;
    timer.productId = 17;
    timer.remainingTime = 600;
    timer.expectedTime = 1700000000000;
    return HoldingExchangeCodec::encodeTransferRequest(timer);
}

QStringList modelColumn(const QStandardItemModel *model, int role)
{
    QStringList values;
    for (int row = 0; row < model->rowCount(); ++row)
        values << model->item(row)->data(role).toString();
    return values;
}

} // namespace

class TestCabinetNetwork : public QObject
{
    Q_OBJECT

private:
    void sendDatagram(const QByteArray &datagram)
    {
        QUdpSocket peer;
        QCOMPARE(peer.writeDatagram(datagram, kLoopback, DADazodaru::Port), qint64(datagram.size()));
    }

private slots:
    void init()
    {
        NetworkInterfaces::useFake({{QStringLiteral("lo"), QString(), {}},
                                    {QStringLiteral("wlan0"), QString::fromLatin1(kOwnMac), {}}});
        KivClock::freezeAt(1700000000000);
    }

    void cleanup()
    {
        KivClock::useSystemClock();
        NetworkInterfaces::useSystem();
    }

    void beaconBytes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("mac");
        QTest::addColumn<QByteArray>("nameField");

        QTest::newRow("short name") << "Kitchen" << kOwnMac << QByteArray("Kitchen");
        const QString forty = QString(40, QLatin1Char('x'));
        QTest::newRow("40 ASCII bytes: 31 and a zero") << forty << kOwnMac << QByteArray(31, 'x');
        // 30 bytes, then a two-byte character that would end past byte 31.
        QTest::newRow("cut before a split character")
            << QString(30, QLatin1Char('a')) + QString::fromUtf8("\xc3\xa9") << kOwnMac << QByteArray(30, 'a');
        // Three-byte characters: ten fill 30 bytes, the eleventh is dropped.
        QString wide;
        for (int i = 0; i < 11; ++i)
            wide += QChar(0x4E2D);
        QTest::newRow("three-byte characters") << wide << kOwnMac << wide.left(10).toUtf8();
        QTest::newRow("no MAC: zeros") << "Kitchen" << QByteArray() << QByteArray("Kitchen");
    }

    void beaconBytes()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, mac);
        QFETCH(QByteArray, nameField);

        const QByteArray beacon = DADazodaru::CabinetInfo::encode(name, mac);
        QCOMPARE(beacon.size(), 66);
        QCOMPARE(beacon.left(2), QByteArray("\xBE\xAD", 2));
        QCOMPARE(beacon.mid(2, 32), nameField + QByteArray(32 - nameField.size(), '\0'));
        QCOMPARE(beacon.mid(34, 32), mac + QByteArray(32 - mac.size(), '\0'));

        const auto decoded = DADazodaru::CabinetInfo::decode(beacon);
        QVERIFY(decoded);
        QCOMPARE(DADazodaru::CabinetInfo::fieldText(decoded->name), nameField);
        QCOMPARE(DADazodaru::CabinetInfo::fieldText(decoded->mac), mac);
        QVERIFY(!DADazodaru::CabinetInfo::decode(beacon.left(65)));
        QVERIFY(!DADazodaru::CabinetInfo::decode(beacon + '\0'));
    }

    void transferRequestLength()
    {
        const QByteArray request = transferRequest(kOwnMac, 3);
        QCOMPARE(DADazodaru::transferRequestLength(request), request.size());
        QCOMPARE(DADazodaru::transferRequestLength(request + "tail"), request.size());
        for (int cut : {0, 1, 2, 5, 6, request.size() - 1})
            QCOMPARE(DADazodaru::transferRequestLength(request.left(cut)), int(DADazodaru::RequestIncomplete));
        QCOMPARE(DADazodaru::transferRequestLength(QByteArray("\xBE\xAD", 2)), int(DADazodaru::RequestInvalid));
        // A MAC string claimed to be 64 KiB long is not waited for.
        QByteArray huge = request;
        huge[2] = 0;
        huge[3] = 1;
        QCOMPARE(DADazodaru::transferRequestLength(huge), int(DADazodaru::RequestInvalid));
    }

    // Status, link, level and noise of " wlan0:"; the kernel's update marks
    // ("70.", "-40.") are dropped from every figure.
    void wirelessFigures_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QList<int>>("figures");

        const QByteArray head = "Inter-| sta-|   Quality        |   Discarded packets               | Missed | WE\n"
                                " face | tus | link level noise |  nwid  crypt   frag  retry   misc | beacon | 22\n";
        QTest::newRow("marked figures")
            << head + " wlan0: 0000   70.  -40.  -256        0      0      0      0      0        0\n" << true
            << QList<int>{0, 70, -40, -256};
        QTest::newRow("unmarked") << head + " wlan0: 0001   41  -69  -256 0 0 0 0 0 0\n" << true
                                  << QList<int>{1, 41, -69, -256};
        QTest::newRow("garbage figures") << QByteArray(" wlan0: abc x. \n") << true << QList<int>{0, 0, 0, 0};
        QTest::newRow("no wlan0 line") << head + "  eth0: 0000 1 2 3\n" << false << QList<int>{};
    }

    void wirelessFigures()
    {
        QFETCH(QByteArray, table);
        QFETCH(bool, found);
        QFETCH(QList<int>, figures);

        const auto parsed = DADazodaru::parseWireless(table);
        QCOMPARE(bool(parsed), found);
        if (found)
            QCOMPARE((QList<int>{parsed->status, parsed->link, parsed->level, parsed->noise}), figures);
    }

    void wirelessFiguresReachTheProperties()
    {
        TempRoot root;
        DADazodaru kivnm(nullptr, nullptr);
        QSignalSpy state(&kivnm, &DADazodaru::wifiState);
        QSignalSpy stats(&kivnm, &DADazodaru::newWifiStats);

        MessageCatcher catcher;
        kivnm.getSysWlan0Info(); // no table: logged, still reported
        QVERIFY(catcher.contains(QStringLiteral("Failed to read /proc/net/wireless")));
        QCOMPARE(state.count(), 1);
        QCOMPARE(stats.count(), 1);

        QVERIFY(root.writeFile("/proc/net/wireless", " wlan0: 0000   70.  -40.  -256  0 0 0 0 0 0\n"));
        kivnm.getSysWlan0Info();
        QCOMPARE(state.last(), (QVariantList{70, -40}));
        QCOMPARE(kivnm.get_wifiNoise(), -256);
        QCOMPARE(stats.count(), 2);
    }

    // The whole life of the table over loopback: the own beacon, a peer
    // coming, renaming, going quiet, and both ageing out.
    void cabinetTable()
    {
        auto *host = new FakeHost;
        DADazodaru kivnm(nullptr, nullptr, std::unique_ptr<NetworkHost>(host));
        QStandardItemModel *names = kivnm.get_namesModel();
        QVERIFY(names);
        QSignalSpy connection(&kivnm, &DADazodaru::networkConnectionChanged);
        QSignalSpy count(&kivnm, &DADazodaru::numCabinetsOnNetworkChanged);

        kivnm.set_broadcastAddr(QStringLiteral("127.0.0.1"));
        kivnm.broadcastName();
        QTRY_COMPARE(connection.count(), 1);
        QCOMPARE(connection.last().first().toBool(), true);
        QCOMPARE(kivnm.getNumCabsConnected(), 1);
        QCOMPARE(kivnm.getConnectedCabinetName(0), QByteArray("Kitchen"));
        QCOMPARE(kivnm.getConnectedCabinetName(1), QByteArray());
        QCOMPARE(kivnm.getConnectedCabinetName(-1), QByteArray());

        sendDatagram(DADazodaru::CabinetInfo::encode(QStringLiteral("Fryer"), kPeerMac));
        QTRY_COMPARE(kivnm.getNumCabsConnected(), 2);
        QCOMPARE(count.last().first().value<unsigned char>(), (unsigned char)2);
        const int countSignals = count.count();

        // Renamed: the model follows, the count does not move.
        sendDatagram(DADazodaru::CabinetInfo::encode(QStringLiteral("Fryer 2"), kPeerMac));
        QTRY_VERIFY(modelColumn(names, DADazodaru::NameRole).contains(QStringLiteral("Fryer 2")));
        QCOMPARE(names->rowCount(), 2);
        QCOMPARE(count.count(), countSignals);

        // Beacons of the wrong length change nothing; a holding datagram sent
        // after them shows they have been read.
        const QByteArray stranger = DADazodaru::CabinetInfo::encode(QStringLiteral("Stranger"), "11:22:33:44:55:66");
        sendDatagram(stranger.left(65));
        sendDatagram(stranger + '\0');
        const QByteArray holding = HoldingExchangeCodec::encodeHoldingInfo(QString::fromLatin1(kPeerMac), "h", {});
        sendDatagram(holding);
        QTRY_COMPARE(host->holdingDatagrams.size(), 1);
        QCOMPARE(host->holdingDatagrams.first(), holding);
        QCOMPARE(kivnm.getNumCabsConnected(), 2);
        QCOMPARE(count.count(), countSignals);

        // Quiet from here: no more own beacons leave.
        kivnm.set_broadcastAddr(QString());
        QCoreApplication::processEvents();

        KivClock::advance(3001);
        kivnm.broadcastName();
        QCOMPARE(modelColumn(names, DADazodaru::WarnRole), (QStringList{"true", "true"}));

        // The peer speaks again and is fresh; the own entry stays warned.
        sendDatagram(DADazodaru::CabinetInfo::encode(QStringLiteral("Fryer 2"), kPeerMac));
        QTRY_COMPARE(modelColumn(names, DADazodaru::WarnRole).count(QStringLiteral("false")), 1);

        KivClock::advance(3000); // own: 6001 ms, peer: 3000 ms
        kivnm.broadcastName();
        QCOMPARE(connection.count(), 2);
        QCOMPARE(connection.last().first().toBool(), false);
        QCOMPARE(kivnm.getNumCabsConnected(), 1);
        QCOMPARE(count.last().first().value<unsigned char>(), (unsigned char)1);
        QCOMPARE(modelColumn(names, DADazodaru::MacAddrRole), QStringList{QString::fromLatin1(kPeerMac)});
        QCOMPARE(modelColumn(names, DADazodaru::WarnRole), QStringList{"false"});

        // A hold list heard from the peer refreshes it.
        KivClock::advance(2000);
        kivnm.updateHostOnNetwork(QString::fromLatin1(kPeerMac));
        KivClock::advance(4000);
        kivnm.broadcastName();
        QCOMPARE(kivnm.getNumCabsConnected(), 1);

        KivClock::advance(2001);
        kivnm.broadcastName();
        QCOMPARE(kivnm.getNumCabsConnected(), 0);
        QCOMPARE(count.last().first().value<unsigned char>(), (unsigned char)0);
        QCOMPARE(names->rowCount(), 0);
        QCOMPARE(connection.count(), 2);
    }

    // Nothing leaves without a usable broadcast address, and nothing is
    // built without "wlan0".
    void beaconNeedsAddressAndInterface_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("hasWlan0");
        QTest::newRow("empty address") << QString() << true;
        QTest::newRow("all-ones address") << QStringLiteral("255.255.255.255") << true;
        QTest::newRow("no wlan0") << QStringLiteral("127.0.0.1") << false;
    }

    void beaconNeedsAddressAndInterface()
    {
        QFETCH(QString, address);
        QFETCH(bool, hasWlan0);
        if (!hasWlan0)
            NetworkInterfaces::useFake({{QStringLiteral("eth0"), QStringLiteral("02:00:00:00:00:01"), {}}});

        // The cabinet hears what it sends: its own beacon would enter its
        // table, its holding datagram would reach its host.
        auto *host = new FakeHost;
        DADazodaru kivnm(nullptr, nullptr, std::unique_ptr<NetworkHost>(host));
        kivnm.set_broadcastAddr(address);
        kivnm.broadcastName();
        QByteArray holding("\xFA\xCE\x01", 3);
        kivnm.broadcastMessage(holding.data(), holding.size());
        // A datagram sent by the test itself marks the end of what could arrive.
        const QByteArray marker("\xFA\xCE\x02", 3);
        sendDatagram(marker);
        QTRY_VERIFY(host->holdingDatagrams.contains(marker));
        QCOMPARE(kivnm.getNumCabsConnected(), 0);
        const QList<QByteArray> expected = address.startsWith(QLatin1String("127."))
            ? QList<QByteArray>{holding, marker}
            : QList<QByteArray>{marker};
        QCOMPARE(host->holdingDatagrams, expected);
    }

    // The request goes out on connect, the holder answers ED AC only when it
    // stopped a timer, and the connection is closed either way.
    void transferRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<bool>("handedOn");
        QTest::addColumn<bool>("acknowledged");
        QTest::newRow("own MAC, timer stopped") << transferRequest(kOwnMac, 3) << true << true;
        QTest::newRow("another MAC") << transferRequest(kPeerMac, 3) << true << false;
        QTest::newRow("no timer at that bin") << transferRequest(kOwnMac, 4) << true << false;
        QTest::newRow("unknown id") << QByteArray("\xBE\xEF\x00\x00\x00\x00", 6) << false << false;
    }

    void transferRoundTrip()
    {
        QFETCH(QByteArray, request);
        QFETCH(bool, handedOn);
        QFETCH(bool, acknowledged);

        // One cabinet asking itself: its client reaches its own server.
        auto *host = new FakeHost;
        DADazodaru kivnm(nullptr, nullptr, std::unique_ptr<NetworkHost>(host));
        QTcpSocket *client = kivnm.findChild<QTcpSocket *>();
        QVERIFY(client);
        QSignalSpy closed(client, &QTcpSocket::disconnected);
        kivnm.tcpConnectToOtherCabinet(request, kLoopback);
        QTRY_COMPARE(closed.count(), 1);
        QCoreApplication::processEvents();

        QCOMPARE(host->requests, handedOn ? QList<QByteArray>{request} : QList<QByteArray>{});
        QCOMPARE(host->confirmations, acknowledged ? 1 : 0);
    }

    // The holder takes a request that arrives in pieces only once it is
    // whole, and then only that request.
    void requestInPieces()
    {
        auto *host = new FakeHost;
        DADazodaru kivnm(nullptr, nullptr, std::unique_ptr<NetworkHost>(host));
        const QByteArray request = transferRequest(kOwnMac, 3);

        QTcpSocket peer;
        peer.connectToHost(kLoopback, DADazodaru::Port);
        QVERIFY(peer.waitForConnected(5000));
        peer.write(request.left(9));
        peer.flush();
        QTRY_VERIFY(kivnm.findChildren<QTcpSocket *>().size() == 2); // client and accepted
        QTest::qWait(50);
        QVERIFY(host->requests.isEmpty());
        peer.write(request.mid(9) + "extra");
        QTRY_COMPARE(host->requests.size(), 1);
        QCOMPARE(host->requests.first(), request);
        QTRY_COMPARE(peer.bytesAvailable(), qint64(2));
        QCOMPARE(peer.readAll(), QByteArray("\xED\xAC", 2));
        QTRY_COMPARE(peer.state(), QAbstractSocket::UnconnectedState);
    }

    // The acknowledgement confirms once, when its second byte arrives; any
    // other value does not confirm.
    void acknowledgementInPieces_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("confirmations");
        QTest::newRow("ED AC") << QByteArray("\xED\xAC", 2) << 1;
        QTest::newRow("AC ED") << QByteArray("\xAC\xED", 2) << 0;
    }

    void acknowledgementInPieces()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, confirmations);

        // The holder is played by the test, so the cabinet cannot listen.
        QTcpServer holder;
        QVERIFY(holder.listen(kLoopback, DADazodaru::Port));
        auto *host = new FakeHost;
        MessageCatcher catcher;
        DADazodaru kivnm(nullptr, nullptr, std::unique_ptr<NetworkHost>(host));
        QVERIFY(catcher.contains(QStringLiteral("cannot listen")));

        const QByteArray request = transferRequest(kPeerMac, 2);
        kivnm.tcpConnectToOtherCabinet(request, kLoopback);
        QTRY_VERIFY(holder.hasPendingConnections());
        QTcpSocket *served = holder.nextPendingConnection();
        QTRY_COMPARE(served->bytesAvailable(), qint64(request.size()));
        QCOMPARE(served->readAll(), request);

        served->write(answer.left(1));
        served->flush();
        QTest::qWait(50);
        QCOMPARE(host->confirmations, 0);
        served->write(answer.mid(1));
        served->flush();
        if (confirmations)
            QTRY_COMPARE(host->confirmations, confirmations);
        else
            QTRY_VERIFY(catcher.contains(QStringLiteral("Unknown Ack message!")));
        QCOMPARE(host->confirmations, confirmations);
    }
};

QTEST_MAIN(TestCabinetNetwork)
#include "tst_cabinetnetwork.moc"
