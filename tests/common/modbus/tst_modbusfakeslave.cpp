#include "modbus/fakemodbuswidget.h"
#include "modbus/modbusfakeslave.h"
#include "modbus/modbusrtu.h"

#include <QAbstractTransition>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalSpy>
#include <QState>
#include <QTableWidget>
#include <QtTest>

namespace {

QStringList g_log;
void captureLog(QtMsgType, const QMessageLogContext &, const QString &msg) { g_log << msg; }

QByteArray hex(const char *text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }

// A simulator built on the plain slave: counts its periodic updates.
class CountingSlave : public ModbusFakeSlave
{
public:
    using ModbusFakeSlave::ModbusFakeSlave;
    void simulationUpdate() override { ++updates; }
    int updates = 0;
};

// The names of a slave's states and transitions, sorted.
QStringList chartOf(const ModbusFakeSlave &slave)
{
    QStringList names;
    for (const QAbstractState *state : slave.findChildren<QAbstractState *>())
        names << state->objectName();
    for (const QAbstractTransition *transition : slave.findChildren<QAbstractTransition *>())
        names << transition->objectName();
    names.sort();
    return names;
}

FakeModbusWidget *openWindow()
{
    FakeModbusWidget *view = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *v = qobject_cast<FakeModbusWidget *>(w))
            view = v;
    return view;
}

QStringList buttonTexts(const QWidget *view)
{
    QStringList texts;
    for (const QPushButton *b : view->findChildren<QPushButton *>())
        texts << b->text();
    return texts;
}

} // namespace

class TestModbusFakeSlave : public QObject
{
    Q_OBJECT

    // Hands the slave a frame and collects what it answers within 60 ms.
    static QList<QByteArray> exchange(ModbusFakeSlave &slave, const QByteArray &frame)
    {
        QSignalSpy replies(&slave, &ModbusFakeSlave::pollResponse);
        slave.receiveSerialFrame(frame);
        replies.wait(60);
        QList<QByteArray> out;
        for (const auto &args : replies)
            out << args.at(0).toByteArray();
        return out;
    }

    static void startSlave(ModbusFakeSlave &slave)
    {
        slave.start();
        QTRY_VERIFY(slave.isRunning());
    }

private slots:
    void cleanup() { qInstallMessageHandler(nullptr); }

    void readAnsweredAfterFiveMs()
    {
        ModbusFakeSlave slave(1, 10);
        slave.setHoldingRegister(0, 0x1234);
        slave.setHoldingRegister(1, 0xABCD);
        startSlave(slave);
        QSignalSpy replies(&slave, &ModbusFakeSlave::pollResponse);
        QSignalSpy acked(&slave, &ModbusFakeSlave::frameAcked);
        QElapsedTimer clock;
        clock.start();
        slave.receiveSerialFrame(hex("01 03 0000 0002 C40B"));
        QCOMPARE(replies.count(), 0);
        QVERIFY(replies.wait(1000));
        QVERIFY(clock.elapsed() >= 4); // a coarse 5 ms timer may fire a little early
        QCOMPARE(replies.first().at(0).toByteArray(), hex("01 03 04 1234 ABCD 0020"));
        QCOMPARE(acked.count(), 1);
        QCOMPARE(slave.get_startAddr(), 0);
        QCOMPARE(slave.get_numOfRegs(), 2);
        QCOMPARE(slave.get_mbOperation(), 0);
    }

    void injectedErrors_data()
    {
        QTest::addColumn<QString>("inject");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QList<QByteArray>>("replies");
        const QByteArray read = hex("01 03 0000 0002 C40B");
        const QByteArray readReply = hex("01 03 04 1234 ABCD 0020");
        const QByteArray write = hex("01 06 0005 0007 D809");
        const QByteArray multi = hex("01 10 0003 0003 06 000A 000B 000C FF49");
        QTest::newRow("nack read") << "nack" << read
            << QList<QByteArray>{hex("01 83 04 1234 ABCD 1FE0"), readReply};
        QTest::newRow("nack write") << "nack" << write
            << QList<QByteArray>{hex("01 86 0005 0007 D9D7"), write};
        QTest::newRow("nack multi write") << "nack" << multi
            << QList<QByteArray>{hex("01 90 0003 0003 71D6"), hex("01 10 0003 0003 7008")};
        QTest::newRow("bad crc") << "crc" << read
            << QList<QByteArray>{hex("01 03 04 1234 ABCD 00DF"), readReply};
        QTest::newRow("wrong node") << "node" << read
            << QList<QByteArray>{hex("7E 03 04 1234 ABCD 0020"), readReply};
        // A pending bad CRC puts a pending wrong node off to the next reply.
        QTest::newRow("crc then node") << "crc+node" << read
            << QList<QByteArray>{hex("01 03 04 1234 ABCD 00DF"), hex("7E 03 04 1234 ABCD 0020"),
                                 readReply};
    }

    // Each injected error spoils exactly one reply; the CRC stays valid
    // unless the CRC itself is the error.
    void injectedErrors()
    {
        QFETCH(QString, inject);
        QFETCH(QByteArray, request);
        QFETCH(QList<QByteArray>, replies);
        ModbusFakeSlave slave(1, 10);
        slave.setHoldingRegister(0, 0x1234);
        slave.setHoldingRegister(1, 0xABCD);
        startSlave(slave);
        if (inject.contains("nack"))
            slave.fakeNackErrorSetTrue();
        if (inject.contains("crc"))
            slave.fakeCrcErrorSetTrue();
        if (inject.contains("node"))
            slave.fakeWrongNodeErrorSetTrue();
        for (const QByteArray &expected : replies)
            QCOMPARE(exchange(slave, request), QList<QByteArray>{expected});
    }

    void timeoutUntilToggledOff()
    {
        ModbusFakeSlave slave(1, 10);
        startSlave(slave);
        slave.fakeTimeoutErrorSetTrue();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(exchange(slave, hex("01 03 0000 0002 C40B")).size(), 0);
        slave.fakeTimeoutErrorToggle();
        QCOMPARE(exchange(slave, hex("01 03 0000 0002 C40B")).size(), 1);
    }

    void writes()
    {
        ModbusFakeSlave slave(1, 10);
        startSlave(slave);
        QSignalSpy updated(&slave, &ModbusFakeSlave::holdingRegisterUpdated);
        QCOMPARE(exchange(slave, hex("01 06 0005 0007 D809")),
                 QList<QByteArray>{hex("01 06 0005 0007 D809")});
        QCOMPARE(updated.count(), 1);
        QCOMPARE(slave.getHoldingRegister(5), uint16_t(7));
        QCOMPARE(slave.get_mbOperation(), 1);

        updated.clear();
        QCOMPARE(exchange(slave, hex("01 10 0003 0003 06 000A 000B 000C FF49")),
                 QList<QByteArray>{hex("01 10 0003 0003 7008")});
        QCOMPARE(updated.count(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(updated.at(i).at(0).toInt(), 3 + i);
            QCOMPARE(updated.at(i).at(1).value<uint16_t>(), uint16_t(0x0A + i));
        }
        QCOMPARE(slave.get_startAddr(), 3);
        QCOMPARE(slave.get_numOfRegs(), 3);
    }

    void framesNotAnswered_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QString>("logLine");
        QTest::newRow("other slave") << hex("02 03 0000 0002 C438") << "";
        QTest::newRow("four bytes") << hex("01 03 0000") << "Message too short! Only  4  bytes.";
        QTest::newRow("bad crc") << hex("01 03 0000 0002 C40C")
                                 << "Modbus Fake Slave: *failed CRC calculated 0BC4, msg 0CC4";
        QTest::newRow("unserved function") << hex("01 04 0000 0002 71CB") << "";
        QTest::newRow("write shorter than its count") << hex("01 10 0003 0003 06 000A 661D")
            << "Modbus Fake Slave: write request of 3 registers carries only 2 data bytes";
    }

    void framesNotAnswered()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QString, logLine);
        ModbusFakeSlave slave(1, 10);
        startSlave(slave);
        QSignalSpy updated(&slave, &ModbusFakeSlave::holdingRegisterUpdated);
        g_log.clear();
        qInstallMessageHandler(captureLog);
        QCOMPARE(exchange(slave, frame).size(), 0);
        qInstallMessageHandler(nullptr);
        QCOMPARE(g_log, logLine.isEmpty() ? QStringList() : QStringList{logLine});
        QCOMPARE(updated.count(), 0);
    }

    // The slave never reads or writes outside its register file, and one
    // reply never exceeds one frame.
    void registerFileBounds_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("read past the file") << hex("01 03 0008 0003 8409") << hex("01 83 02 C0F1");
        QTest::newRow("write past the file") << hex("01 06 000A 0001 6808") << hex("01 86 02 C3A1");
        QTest::newRow("multi write past the file") << hex("01 10 0009 0002 04 0001 0002 E3C4")
                                                   << hex("01 90 02 CDC1");
        QTest::newRow("read of none") << hex("01 03 0000 0000 45CA") << hex("01 03 00 20F0");
    }

    void registerFileBounds()
    {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        ModbusFakeSlave slave(1, 10);
        startSlave(slave);
        QSignalSpy updated(&slave, &ModbusFakeSlave::holdingRegisterUpdated);
        QCOMPARE(exchange(slave, request), QList<QByteArray>{reply});
        QCOMPARE(updated.count(), 0);
        QCOMPARE(slave.getHoldingRegister(9), uint16_t(0));
    }

    void readCappedAtOneHundredTwentyFive_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("126") << hex("01 03 0000 007E C5EA");
        QTest::newRow("255") << hex("01 03 0000 00FF 058A");
    }

    void readCappedAtOneHundredTwentyFive()
    {
        QFETCH(QByteArray, request);
        ModbusFakeSlave slave(1, 300);
        for (int i = 0; i < 300; ++i)
            slave.userSetHoldingRegister(i, uint16_t(i));
        startSlave(slave);
        const QList<QByteArray> replies = exchange(slave, request);
        QCOMPARE(replies.size(), 1);
        const QByteArray r = replies.first();
        QCOMPARE(r.size(), 255);
        QCOMPARE(quint8(r.at(2)), quint8(250));
        QCOMPARE(ModbusRtu::checkReply(r.constData(), r.size(), 1), ModbusRtu::Complete);
        QCOMPARE(quint8(r.at(3 + 2 * 124 + 1)), quint8(124)); // last register served
    }

    void registerAccessOutsideFileIgnored()
    {
        ModbusFakeSlave slave(1, 4);
        QSignalSpy updated(&slave, &ModbusFakeSlave::holdingRegisterUpdated);
        slave.setHoldingRegister(-1, 5);
        slave.setHoldingRegister(4, 5);
        slave.userSetHoldingRegister(4, 5);
        QCOMPARE(updated.count(), 0);
        QCOMPARE(slave.getHoldingRegister(4), uint16_t(0));
        QCOMPARE(slave.getHoldingRegister(-1), uint16_t(0));
    }

    void disabledSlaveStaysSilent()
    {
        ModbusFakeSlave slave(1, 10);
        startSlave(slave);
        slave.enableSm(false);
        QCOMPARE(exchange(slave, hex("01 03 0000 0002 C40B")).size(), 0);
        slave.enableSm(true);
        QCOMPARE(exchange(slave, hex("01 06 0005 0007 D809")).size(), 1);
    }

    // A second frame during the 5 ms wait replaces the first; one answer.
    void frameReplacedWhileWaiting()
    {
        ModbusFakeSlave slave(1, 10);
        startSlave(slave);
        QSignalSpy replies(&slave, &ModbusFakeSlave::pollResponse);
        slave.receiveSerialFrame(hex("01 03 0000 0002 C40B"));
        slave.receiveSerialFrame(hex("01 06 0005 0007 D809"));
        QVERIFY(replies.wait(1000));
        QTest::qWait(20);
        QCOMPARE(replies.count(), 1);
        QCOMPARE(replies.first().at(0).toByteArray(), hex("01 06 0005 0007 D809"));
    }

    void registerWindow()
    {
        ModbusFakeSlave slave(1, 131);
        slave.setObjectName(QStringLiteral("ioBoardSim"));
        startSlave(slave);
        slave.showView();
        FakeModbusWidget *view = openWindow();
        QVERIFY(view);
        QCOMPARE(view->windowTitle(), QStringLiteral("ioBoardSim"));
        QTableWidget *table = view->table();
        QCOMPARE(table->rowCount(), 131);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("detectedconfiguration"));
        QCOMPARE(table->item(33, 0)->text(), QStringLiteral("actualTemp[9][1]"));
        QCOMPARE(table->item(79, 0)->text(), QStringLiteral("generalStatus[4]"));
        QVERIFY(!table->item(80, 0));

        // An edit lands in the register file (low 16 bits) and comes back.
        table->setItem(3, 1, new QTableWidgetItem(QStringLiteral("70000")));
        QCOMPARE(slave.getHoldingRegister(3), uint16_t(70000 & 0xFFFF));
        QCOMPARE(table->item(3, 1)->text(), QString::number(70000 & 0xFFFF));

        // A register written over the line shows up in the window.
        exchange(slave, hex("01 06 0005 0007 D809"));
        QCOMPARE(table->item(5, 1)->text(), QStringLiteral("7"));

        const auto button = [view](const char *text) {
            for (QPushButton *b : view->findChildren<QPushButton *>())
                if (b->text() == QLatin1String(text))
                    return b;
            return static_cast<QPushButton *>(nullptr);
        };
        button("Nack")->click();
        QCOMPARE(quint8(exchange(slave, hex("01 03 0000 0002 C40B")).value(0).at(1)), quint8(0x83));
        button("Timeout")->click();
        QCOMPARE(exchange(slave, hex("01 03 0000 0002 C40B")).size(), 0);

        QSignalSpy toggled(view, &FakeModbusWidget::simulationOnOff);
        button("Simulation toggle")->click();
        QCOMPARE(slave.get_simulationOnOff(), true);
        button("Simulation toggle")->click();
        QCOMPARE(toggled.count(), 2);
        QCOMPARE(toggled.at(0).at(0).toBool(), true);
        QCOMPARE(toggled.at(1).at(0).toBool(), false);
        QCOMPARE(slave.get_simulationOnOff(), false);
        delete view;
    }

    // The update utility's plain slave: the same answering chart over a
    // file as large as the plain window, and a periodic update that a
    // simulator fills and the plain slave leaves empty.
    void plainSlave()
    {
        ModbusFakeSlave plain(1, nullptr);
        ModbusFakeSlave full(1, 10);
        QCOMPARE(chartOf(plain), chartOf(full));
        QCOMPARE(plain.registerCount(), FakeModbusWidget::kPlainRows);
        startSlave(plain);
        plain.userSetHoldingRegister(1409, 0xBEEF);
        QCOMPARE(exchange(plain, ModbusRtu::withCrc(hex("01 03 0581 0001"))),
                 QList<QByteArray>{ModbusRtu::withCrc(hex("01 03 02 BEEF"))});
        QCOMPARE(exchange(plain, ModbusRtu::withCrc(hex("01 03 0582 0001"))),
                 QList<QByteArray>{ModbusRtu::withCrc(hex("01 83 02"))});

        // Only the plain form runs an update timer: the controller's
        // simulators run their own.
        QVERIFY(!full.findChild<QTimer *>(QStringLiteral("simulationTimer")));
        auto *timer = plain.findChild<QTimer *>(QStringLiteral("simulationTimer"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 2000);
        QVERIFY(!timer->isSingleShot());
        QVERIFY(timer->isActive());

        // Ticks sped up so the test need not wait 2 s for each.
        for (int i = 0; i < plain.registerCount(); ++i)
            plain.userSetHoldingRegister(i, uint16_t(i * 7));
        QSignalSpy updated(&plain, &ModbusFakeSlave::holdingRegisterUpdated);
        QSignalSpy ticks(timer, &QTimer::timeout);
        timer->setInterval(5);
        QTRY_VERIFY(ticks.count() >= 3);
        QCOMPARE(updated.count(), 0);
        for (int i = 0; i < plain.registerCount(); ++i)
            QCOMPARE(plain.getHoldingRegister(i), uint16_t(i * 7));

        CountingSlave counting(2, nullptr);
        auto *countingTimer = counting.findChild<QTimer *>(QStringLiteral("simulationTimer"));
        QSignalSpy countingTicks(countingTimer, &QTimer::timeout);
        countingTimer->setInterval(5);
        QTRY_VERIFY(countingTicks.count() >= 3);
        QCOMPARE(counting.updates, countingTicks.count());
    }

    // The plain slave's window: every one of its rows numbered, nothing
    // described, the four error buttons and no simulation toggle.
    void plainWindow()
    {
        ModbusFakeSlave slave(1, nullptr);
        startSlave(slave);
        slave.showView();
        FakeModbusWidget *view = openWindow();
        QVERIFY(view);
        QCOMPARE(view->objectName(), QStringLiteral("fakeModbusWidget"));
        QCOMPARE(view->windowTitle(), QStringLiteral("Fake modbus registers"));
        QTableWidget *table = view->table();
        QCOMPARE(table->rowCount(), 1410);
        QCOMPARE(table->columnCount(), 2);
        QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Description"));
        QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Value"));
        for (int row = 0; row < table->rowCount(); ++row) {
            QCOMPARE(table->verticalHeaderItem(row)->text(), QString::number(row));
            QVERIFY(!table->item(row, 0));
        }
        QCOMPARE(table->columnWidth(0), 360);
        QCOMPARE(table->maximumSize(), QSize(1920, 1200));
        QCOMPARE(buttonTexts(view), (QStringList{"Bad CRC", "Nack", "Wrong Node", "Timeout"}));

        // Each button emits its own request and no other.
        QSignalSpy badCrc(view, &FakeModbusWidget::requestBadCrc);
        QSignalSpy nack(view, &FakeModbusWidget::requestNack);
        QSignalSpy wrongNode(view, &FakeModbusWidget::requestWrongNode);
        QSignalSpy timeout(view, &FakeModbusWidget::requestTimeout);
        const QList<QSignalSpy *> spies{&badCrc, &nack, &wrongNode, &timeout};
        const QList<QPushButton *> buttons = view->findChildren<QPushButton *>();
        for (int i = 0; i < buttons.size(); ++i) {
            buttons.at(i)->click();
            for (int j = 0; j < spies.size(); ++j)
                QCOMPARE(spies.at(j)->count(), j <= i ? 1 : 0);
        }
        // All four reach the slave: the next reply is an exception with a
        // bad CRC, the one after it comes from the wrong node, and then
        // the slave is silent.
        const QByteArray read = hex("01 03 0000 0002 C40B");
        QByteArray spoiled = ModbusRtu::withCrc(hex("01 83 04 0000 0000"));
        spoiled[spoiled.size() - 1] = char(~quint8(spoiled.back()));
        QByteArray otherNode = ModbusRtu::withCrc(hex("01 03 04 0000 0000"));
        otherNode[0] = char(0x7E);
        QCOMPARE(exchange(slave, read), QList<QByteArray>{spoiled});
        QCOMPARE(exchange(slave, read), QList<QByteArray>{otherNode});
        QCOMPARE(exchange(slave, read).size(), 0);

        // An edit of the last row lands in the last register and comes back.
        table->setItem(1409, 1, new QTableWidgetItem(QStringLiteral("65537")));
        QCOMPARE(slave.getHoldingRegister(1409), uint16_t(1));
        QCOMPARE(table->item(1409, 1)->text(), QStringLiteral("1"));

        // Pictures for people to look at: the top of the table in
        // landscape, its last rows in portrait.
        QDir().mkpath(QStringLiteral(KIV_SCREENSHOT_DIR));
        for (const QSize &size : {QSize(1280, 800), QSize(800, 1280)}) {
            view->resize(size);
            if (size.height() > size.width())
                table->scrollToBottom();
            QVERIFY(QTest::qWaitForWindowExposed(view));
            QCoreApplication::processEvents();
            const QPixmap shot = view->grab();
            QCOMPARE(shot.size(), size);
            const QString name = size.width() > size.height() ? "plain-landscape" : "plain-portrait";
            QVERIFY(shot.save(QStringLiteral(KIV_SCREENSHOT_DIR "/") + name + ".png"));
        }
        delete view;
    }
};

QTEST_MAIN(TestModbusFakeSlave)
#include "tst_modbusfakeslave.moc"
