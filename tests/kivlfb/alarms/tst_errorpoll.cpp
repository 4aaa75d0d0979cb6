#include "alarms/kiverrorcontrollert.h"

#include "modbus/modbusserialport.h"
#include "modbus/modbussetup.h"
#include "modbus/qmodbusmaster.h"

#include "fakeerrorcontrolhost.h"
#include "ptypair.h"
#include "scriptedslave.h"
#include "temproot.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSerialPort>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

QByteArray hex(const char *text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }

// The status read: slave 1, function 3, registers 34 to 63.
const QByteArray kStatusRead = ScriptedSlave::withCrc(hex("01 03 0022 001E"));

constexpr int kFirstRegister = 34;

QStringList codesOf(const QSignalSpy &spy)
{
    QStringList codes;
    for (const QList<QVariant> &args : spy)
        codes << args.at(1).toString();
    return codes;
}

} // namespace

// The primary display's status poll of the master I/O board, against a
// board played on a pseudo-terminal.
class TestErrorPoll : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempRoot> m_root;
    QString m_startDir;
    std::unique_ptr<PtyPair> m_pty;
    std::unique_ptr<ScriptedSlave> m_slave;
    std::unique_ptr<QSerialPort> m_port;
    std::unique_ptr<QModbusMaster> m_master;
    QVector<quint16> m_registers = QVector<quint16>(kFirstRegister + 30, 0);

private slots:
    void init()
    {
        m_startDir = QDir::currentPath();
        m_root = std::make_unique<TempRoot>();
        QVERIFY(m_root->addFakeTool("/bin/sync"));
        QVERIFY(QDir::setCurrent(m_root->filePath("/root")));
        m_registers.fill(0);

        m_pty = std::make_unique<PtyPair>();
        QVERIFY(m_pty->open());
        m_slave = std::make_unique<ScriptedSlave>(m_pty.get());
        m_slave->setResponder(ScriptedSlave::holdingRegisters(1, &m_registers));
        qputenv("KIV_SERIAL_PORT", m_pty->devicePath().toLocal8Bit());
        m_port.reset(ModbusSerialPort::create());
        QVERIFY(ModbusSerialPort::open(m_port.get()));
        m_master = std::make_unique<QModbusMaster>(m_port.get());
        ModbusSetup::wire(m_master.get(), {}, false, false);
        m_master->startModbusStateMachine();
        QTRY_VERIFY(m_master->isRunning());
    }

    void cleanup()
    {
        m_master.reset();
        m_port.reset();
        m_slave.reset();
        m_pty.reset();
        qunsetenv("KIV_SERIAL_PORT");
        QDir::setCurrent(m_startDir);
        m_root.reset();
    }

    // Thermocouple, heater, reference and cold-junction changes become
    // reports and, when they go back to 0, clears; only thermocouple changes
    // reach the probes. With 4 zones only words 0 to 7 are thermocouples.
    void statusChangesBecomeReportsAndClears()
    {
        FakeErrorControlHost host;
        host.zones = 4;
        KivErrorControllerT front(m_master.get(), nullptr, &host);
        QSignalSpy reports(&front, &KivErrorControllerT::notifyError);
        QSignalSpy clears(&front, &KivErrorControllerT::notifyErrorClear);
        QSignalSpy probes(&front, &KivErrorControllerT::zoneErrorStatusTcUpdate);
        emit front.call_startSm();
        QVERIFY(m_slave->waitForRequests(1, 4000));
        QCOMPARE(m_slave->requests().first(), kStatusRead);

        quint16 *status = m_registers.data() + kFirstRegister;
        status[1] = 0x0200; // heater 1 high
        status[3] = 1;   // thermocouple 3 shorted
        status[8] = 1;   // beyond 4 zones
        status[19] = 2;  // beyond 4 zones
        status[22] = 7;  // reference 2
        status[25] = 1;  // cold junction 0
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 4, 5000);
        QCOMPARE(codesOf(reports), (QStringList{"2.3.1.0", "2.0.3.0", "2.4.2.0", "2.5.0.0"}));
        QCOMPARE(probes.count(), 1);
        QCOMPARE(probes.at(0), (QVariantList{3, 1}));

        status[1] = 0;
        status[3] = 0;
        status[22] = 0;
        status[25] = 0;
        QTRY_COMPARE_WITH_TIMEOUT(clears.count(), 4, 5000);
        QCOMPARE(codesOf(clears), (QStringList{"2.3.1.0", "2.0.3.0", "2.4.2.0", "2.5.0.0"}));
        QCOMPARE(probes.count(), 2);
        QCOMPARE(probes.at(1), (QVariantList{3, 0}));

        // A short that turns into an open is reported as open; the short is
        // not cleared on the way.
        status[3] = 1;
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 5, 5000);
        status[3] = 2;
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 6, 5000);
        QCOMPARE(codesOf(reports).mid(4), (QStringList{"2.0.3.0", "2.1.3.0"}));
        QCOMPARE(clears.count(), 4);
        int logged = 0;
        for (const QString &name : QDir(m_root->filePath("/root/errorLogs")).entryList(QDir::Files))
            logged += m_root->readFile("/root/errorLogs/" + name).count('\n');
        QCOMPARE(logged, 6);
    }

    // The next read goes out a full interval after the outcome of the last:
    // a good reply, a time-out (after the 1000 ms the reply may take, with
    // no retry) or an error reply.
    void nextPollFollowsEveryOutcome()
    {
        QByteArray good = hex("01 03 3C");
        good += QByteArray(60, '\0');
        m_slave->answer(good);
        m_slave->staySilent(1);
        m_slave->answer(hex("01 83 02"));
        QElapsedTimer clock;
        QList<qint64> times;
        connect(m_slave.get(), &ScriptedSlave::requestReceived, this, [&] { times << clock.elapsed(); });

        FakeErrorControlHost host;
        KivErrorControllerT front(m_master.get(), nullptr, &host);
        clock.start();
        emit front.call_startSm();
        QVERIFY(m_slave->waitForRequests(4, 12000));
        for (const QByteArray &request : m_slave->requests())
            QCOMPARE(request, kStatusRead);
        const qint64 afterGood = times.at(1) - times.at(0);
        const qint64 afterTimeOut = times.at(2) - times.at(1);
        const qint64 afterError = times.at(3) - times.at(2);
        QVERIFY2(afterGood >= 1500 && afterGood < 3000, qPrintable(QString::number(afterGood)));
        // The master's 1000 ms reply time-out runs on a coarse timer, which
        // may fire up to 5 % early.
        QVERIFY2(afterTimeOut >= 950 + 1500 && afterTimeOut < 4000, qPrintable(QString::number(afterTimeOut)));
        QVERIFY2(afterError >= 1500 && afterError < 3000, qPrintable(QString::number(afterError)));
    }
};

QTEST_MAIN(TestErrorPoll)
#include "tst_errorpoll.moc"
