#include "canbus/canframe.h"
#include "canbus/canthread.h"
#include "canbus/qsocketcan.h"
#include "canbus/vcandirectorywatch.h"
#include "canbus/virtualcanbackend.h"
#include "temproot.h"
#include "vcantap.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <thread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>


namespace {

// Binds a datagram socket under path and returns its descriptor: a node that
// never reads.
int bindSilentNode(const QString &path)
{
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray p = QFile::encodeName(path);
    std::memcpy(addr.sun_path, p.constData(), size_t(p.size()));
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) < 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

QList<CanFrame> takeFrames(QSignalSpy &spy)
{
    QList<CanFrame> frames;
    for (const QList<QVariant> &args : qAsConst(spy)) {
        CanFrame *f = args.at(0).value<CanFrame *>();
        frames << *f;
        delete f;
    }
    spy.clear();
    return frames;
}

} // namespace

// The socket layer on the virtual bus: the wire record, who receives what,
// and the flow control that keeps whole records intact.
class TestQSocketCan : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_bus;

private slots:
    void initTestCase()
    {
        qRegisterMetaType<CanFrame *>("CanFrame*");
        QVERIFY(m_dir.isValid());
        qputenv("KIV_CAN", "virtual");
    }

    void init()
    {
        static int n = 0;
        m_bus = m_dir.filePath(QStringLiteral("bus%1").arg(++n));
        qputenv("KIV_VCAN_DIR", QFile::encodeName(m_bus));
    }

    void frameReachesOthersButNotItsSender()
    {
        QSocketCAN a, b;
        QCOMPARE(a.open(QStringLiteral("can0")), 0);
        QCOMPARE(b.open(QStringLiteral("can0")), 0);
        QCOMPARE(a.backendKind(), QStringLiteral("virtual"));
        VcanTap tap(m_bus);
        QSignalSpy atA(&a, SIGNAL(rcvdCanFrame(CanFrame*)));
        QSignalSpy atB(&b, SIGNAL(rcvdCanFrame(CanFrame*)));

        QCOMPARE(a.sendMsg(0x25, new QByteArray("\x07\x01\x02", 3)), 16);
        QTRY_COMPARE(atB.size(), 1);
        QTRY_COMPARE(tap.datagrams.size(), 1);
        QCOMPARE(tap.datagrams.first(), QByteArray("\x25\x00\x00\x00\x03\x00\x00\x00"
                                                   "\x07\x01\x02\x00\x00\x00\x00\x00", 16));
        const QList<CanFrame> got = takeFrames(atB);
        QCOMPARE(got.first().identifier(), 0x25u);
        QCOMPARE(got.first().dataBytes(), QByteArray("\x07\x01\x02\x00\x00\x00\x00\x00", 8));

        QTest::qWait(20);
        QCOMPARE(atA.size(), 0);
    }

    void oversizedPayloadIsNotWritten()
    {
        QSocketCAN a;
        QCOMPARE(a.open(QStringLiteral("can0")), 0);
        VcanTap tap(m_bus);
        QSignalSpy ready(&a, SIGNAL(readyWrite(int)));
        QCOMPARE(a.sendMsg(1, new QByteArray(9, 'x')), 0);
        QCOMPARE(a.sendMsg(1, nullptr), 0);
        QTest::qWait(20);
        QCOMPARE(ready.size(), 0);
        QCOMPARE(tap.datagrams.size(), 0);
    }

    void eachWriteIsReportedOnce()
    {
        // The bus manager's machine moves one step per readyWrite: a frame
        // written now is reported at once, queued frames as they go out
        // together on the next pass, a lost frame once the socket is
        // writable again, and no frame twice.
        QSocketCAN a;
        QCOMPARE(a.open(QStringLiteral("can0")), 0);
        VcanTap tap(m_bus);
        QSignalSpy ready(&a, SIGNAL(readyWrite(int)));

        QCOMPARE(a.sendMsg(1, new QByteArray("x")), 16);
        QCOMPARE(ready.size(), 1);
        QCOMPARE(ready.takeFirst().at(0).toInt(), 0);

        for (int i = 0; i < 3; ++i)
            QCOMPARE(a.queueMsg(2, new QByteArray(1, char('a' + i))), 16);
        QCOMPARE(a.queueMsg(2, new QByteArray(9, 'x')), 0);
        QCOMPARE(ready.size(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(ready.size(), 3);
        QTRY_COMPARE(tap.datagrams.size(), 4);
        QCOMPARE(tap.datagrams.at(1).mid(8, 1) + tap.datagrams.at(2).mid(8, 1)
                     + tap.datagrams.at(3).mid(8, 1),
                 QByteArray("abc"));

        // With the bus directory gone every write fails and its frame is
        // lost; the readyWrite comes from the event loop, once.
        ready.clear();
        QVERIFY(QDir(m_bus).removeRecursively());
        QCOMPARE(a.sendMsg(1, new QByteArray("lost")), -1);
        QCOMPARE(a.queueMsg(1, new QByteArray("lost too")), 16);
        QCOMPARE(ready.size(), 0);
        QTRY_COMPARE(ready.size(), 2);
        QVERIFY(ready.at(0).at(0).toInt() > 0);
        QTest::qWait(20);
        QCOMPARE(ready.size(), 2);
    }

    void nodeJoiningMidStreamGetsEveryLaterFrame()
    {
        // The late node binds its socket as any program on the bus would:
        // the sender can learn of it only from the directory, and must reach
        // it with the very next frame. A node that leaves costs the others
        // nothing.
        QSocketCAN a;
        QCOMPARE(a.open(QStringLiteral("can0")), 0);
        VcanTap early(m_bus);
        std::unique_ptr<VcanTap> leaving(new VcanTap(m_bus));
        std::unique_ptr<VcanTap> late;
        auto payloads = [](const VcanTap &tap) {
            QList<int> seen;
            for (const QByteArray &d : tap.datagrams)
                seen << int(quint8(d.at(8)));
            return seen;
        };
        QList<int> sent, sentAfterJoin;
        for (int i = 0; i < 60; ++i) {
            if (i == 20)
                late.reset(new VcanTap(m_bus));
            if (i == 40)
                leaving.reset();
            QCOMPARE(a.sendMsg(0x30, new QByteArray(1, char(i))), 16);
            sent << i;
            if (late)
                sentAfterJoin << i;
            // Let the readers keep their queues short.
            QTRY_COMPARE(early.datagrams.size(), i + 1);
        }
        QTRY_COMPARE(payloads(*late), sentAfterJoin);
        QCOMPARE(payloads(early), sent);
        QCOMPARE(static_cast<VirtualCanBackend *>(a.backend())->framesLost(), quint64(0));
    }

    void directoryWatchSeesNodesComeAndGo()
    {
        QDir().mkpath(m_bus);
        VcanDirectoryWatch first(m_bus), second(m_bus);
        QVERIFY(first.changed()); // the first question always reads the directory
        QVERIFY(!first.changed());
        QVERIFY(second.changed());
        QVERIFY(!second.changed());
        {
            VcanTap joining(m_bus, false);
            QVERIFY(first.changed());
            QVERIFY(!first.changed());
            // One watcher looking does not hide the change from another.
            QVERIFY(second.changed());
        }
        QVERIFY(first.changed());
        QVERIFY(second.changed());
        QVERIFY(!first.changed());

        // A directory that is gone, or never was, cannot be watched: every
        // question answers "changed".
        QVERIFY(QDir(m_bus).removeRecursively());
        QVERIFY(first.changed());
        QVERIFY(first.changed());
        VcanDirectoryWatch missing(m_bus + QStringLiteral("/nowhere"));
        QVERIFY(missing.changed());
        QVERIFY(missing.changed());
    }

    void readRecordsTakesBatchesAndSkipsOtherDatagrams()
    {
        VirtualCanBackend node;
        QCOMPARE(node.open(QStringLiteral("can0")), 0);
        VcanTap tap(m_bus, false);
        auto good = [](int i) { return CanFrame::toRecord(quint32(0x70 + i), QByteArray(1, char(i))); };
        for (const QByteArray &d : {good(0), QByteArray(17, 'z'), good(1), QByteArray(), good(2),
                                    good(3), QByteArray(15, 'z'), good(4)})
            tap.sendToAll(d);

        char buffer[3 * CanFrame::RecordSize];
        auto ids = [&buffer](int n) {
            QList<quint32> got;
            for (int i = 0; i < n; ++i)
                got << VcanTap::identifierOf(QByteArray(buffer + i * CanFrame::RecordSize, 4));
            return got;
        };
        QCOMPARE(node.readRecords(buffer, 3), 3);
        QCOMPARE(ids(3), (QList<quint32>{0x70, 0x71, 0x72}));
        QCOMPARE(node.readRecords(buffer, 3), 2);
        QCOMPARE(ids(2), (QList<quint32>{0x73, 0x74}));
        QCOMPARE(node.readRecords(buffer, 3), 0);
    }

    void otherDatagramSizesAreIgnored()
    {
        QSocketCAN b;
        QCOMPARE(b.open(QStringLiteral("can0")), 0);
        QSignalSpy atB(&b, SIGNAL(rcvdCanFrame(CanFrame*)));
        VcanTap tap(m_bus, false);
        const QByteArray good = CanFrame::toRecord(0x12, QByteArray("ok"));
        tap.sendToAll(good.left(15));
        tap.sendToAll(good + QByteArray(1, '\0'));
        tap.sendToAll(QByteArray(200, '\x55'));
        tap.sendToAll(QByteArray());
        tap.sendToAll(good);
        QTRY_COMPARE(atB.size(), 1);
        QTest::qWait(20);
        QCOMPARE(atB.size(), 1);
        QCOMPARE(takeFrames(atB).first().identifier(), 0x12u);
    }

    void framesOfOneReadGoOverTogetherInOrder()
    {
        CanThread node;
        QCOMPARE(node.openResult(), 0);
        QSignalSpy out(&node, SIGNAL(dequeuedCanFrame(CanFrame*)));
        QSignalSpy hops(&node, SIGNAL(frameEnqueued()));
        VcanTap tap(m_bus, false);
        for (int i = 0; i < 5; ++i)
            tap.sendFrame(quint32(0x100 + i), QByteArray(1, char(i)));

        // One read takes all five; they wait for the next pass of the event
        // loop and then go over in one hop.
        node.socket()->readMsgFromSocket(node.socket()->backend()->descriptor());
        QCOMPARE(node.queuedFrames(), 5);
        QCOMPARE(out.size(), 0);
        QCOMPARE(hops.size(), 1);
        QCoreApplication::sendPostedEvents(&node, QEvent::MetaCall);
        QCOMPARE(out.size(), 5);
        QCOMPARE(node.queuedFrames(), 0);
        const QList<CanFrame> frames = takeFrames(out);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(frames.at(i).identifier(), quint32(0x100 + i));
    }

    void vanishedPeerIsSkipped()
    {
        QSocketCAN a;
        QCOMPARE(a.open(QStringLiteral("can0")), 0);
        // A socket file whose node is gone.
        const int stale = bindSilentNode(m_bus + QStringLiteral("/gone.sock"));
        QVERIFY(stale >= 0);
        ::close(stale);
        VcanTap tap(m_bus);
        QElapsedTimer t;
        t.start();
        QCOMPARE(a.sendMsg(2, new QByteArray("hi")), 16);
        QVERIFY(t.elapsed() < 50);
        QTRY_COMPARE(tap.datagrams.size(), 1);
    }

    void fullPeerCostsABoundedWaitThenLosesTheFrame()
    {
        QSocketCAN a;
        QCOMPARE(a.open(QStringLiteral("can0")), 0);
        auto *backend = static_cast<VirtualCanBackend *>(a.backend());
        const int silent = bindSilentNode(m_bus + QStringLiteral("/silent.sock"));
        QVERIFY(silent >= 0);

        // Fill the silent node's queue; from then on each frame waits the
        // bounded time and is lost for that node only.
        int sent = 0;
        while (backend->framesLost() == 0 && sent < 1000) {
            QCOMPARE(a.sendMsg(3, new QByteArray(1, char(sent))), 16);
            ++sent;
        }
        QCOMPARE(backend->framesLost(), quint64(1));
        QVERIFY(sent > 1);

        VcanTap tap(m_bus);
        QElapsedTimer t;
        t.start();
        QCOMPARE(a.sendMsg(3, new QByteArray("late")), 16);
        const qint64 waited = t.elapsed();
        QVERIFY2(waited >= VirtualCanBackend::PeerWaitMs - 5 && waited < 1000,
                 qPrintable(QString::number(waited)));
        QCOMPARE(backend->framesLost(), quint64(2));
        QTRY_COMPARE(tap.datagrams.size(), 1); // the live node still got it
        ::close(silent);
    }

    void recordOf64PacketsArrivesWholeAtALivePeer()
    {
        // The reader drains at its own pace on another thread; the writer
        // sends back to back, far past the kernel's per-socket queue.
        const QString path = m_bus + QStringLiteral("/reader.sock");
        QDir().mkpath(m_bus);
        const int reader = bindSilentNode(path);
        QVERIFY(reader >= 0);
        QList<QByteArray> got;
        std::thread drain([&] {
            char buf[64];
            while (got.size() < 66) {
                const ssize_t n = ::recv(reader, buf, sizeof buf, 0);
                if (n <= 0)
                    break;
                got << QByteArray(buf, int(n));
                if (got.size() % 8 == 0)
                    ::usleep(2000);
            }
        });

        VirtualCanBackend writer;
        QCOMPARE(writer.open(QStringLiteral("can0")), 0);
        for (int i = 0; i < 66; ++i)
            QCOMPARE(writer.writeRecord(CanFrame::toRecord(0x60, QByteArray(1, char(i)))), 16);
        drain.join();
        ::close(reader);

        QCOMPARE(writer.framesLost(), quint64(0));
        QCOMPARE(got.size(), 66);
        for (int i = 0; i < 66; ++i)
            QCOMPARE(int(quint8(got.at(i).at(8))), i);
    }

    void defaultBusLivesUnderTheRoot()
    {
        qunsetenv("KIV_VCAN_DIR");
        TempRoot root;
        QSocketCAN a;
        QCOMPARE(a.open(QStringLiteral("can0")), 0);
        const QStringList socks = QDir(root.filePath(QStringLiteral("/run/vcan/can0")))
                                      .entryList({QStringLiteral("*.sock")}, QDir::System);
        QCOMPARE(socks.size(), 1);
    }

    void backendChoice()
    {
        // This machine's kernel has no CAN sockets: SocketCAN fails cleanly
        // and the default falls back to the virtual bus.
        const int probe = ::socket(PF_CAN, SOCK_RAW, 1);
        if (probe >= 0) {
            ::close(probe);
            QSKIP("kernel has SocketCAN");
        }
        QSocketCAN s;
        qputenv("KIV_CAN", "socketcan");
        QCOMPARE(s.open(QStringLiteral("can0")), -1);
        QCOMPARE(s.backendKind(), QString());
        QCOMPARE(s.sendMsg(1, new QByteArray("x")), -1);

        qunsetenv("KIV_CAN");
        QCOMPARE(s.open(QStringLiteral("can0")), 0);
        QCOMPARE(s.backendKind(), QStringLiteral("virtual"));
        qputenv("KIV_CAN", "virtual");
    }
};

QTEST_GUILESS_MAIN(TestQSocketCan)
#include "tst_qsocketcan.moc"
