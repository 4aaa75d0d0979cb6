#include "iot/kivdbusadapter.h"
#include "iot/kiviotagentadapter.h"
#include "iot/kivriot.h"

#include "fakeiotservices.h"
#include "platform/kivclock.h"
#include "privatebus.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QDBusMessage>
#include <QMetaClassInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <climits>

namespace {
const char kInterface[] = "com.corvantis.DBus.KivApplication";

// Runs a bus tool as an outside process would, keeping this thread's event
// loop turning so that the service living here can answer it.
QByteArray runTool(const QString &program, const QStringList &arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForStarted(5000))
        return QByteArray("not started");
    QElapsedTimer clock;
    clock.start();
    while (tool.state() != QProcess::NotRunning && clock.elapsed() < 10000)
        QTest::qWait(10);
    return tool.readAllStandardOutput() + tool.readAllStandardError();
}

bool waitForOutput(QProcess &process, QByteArray *seen, const QByteArray &needle)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        *seen += process.readAllStandardOutput();
        if (seen->contains(needle))
            return true;
        QTest::qWait(10);
    }
    return false;
}
} // namespace

class TestIot : public QObject
{
    Q_OBJECT

    // Qt's adaptor bookkeeping keeps every adaptor that was ever published
    // until the application object dies, so the tests that spin the event
    // loop share this one, as the program does.
    KivDbusAdapter *m_adaptor = nullptr;

    KivDbusAdapter *shared(QObject *cabinet)
    {
        m_adaptor->setCabinet(cabinet);
        m_adaptor->set_model("unknown");
        m_adaptor->set_iotEventType(KivDbusAdapter::IOTEVENTTYPE_DEZ2);
        return m_adaptor;
    }

private slots:
    void initTestCase()
    {
        m_adaptor = new KivDbusAdapter(qApp, nullptr);
        QCoreApplication::processEvents();
    }

    void adaptorSitsOnTheApplicationObject()
    {
        QObject cabinet;
        auto *adaptor = new KivDbusAdapter(qApp, &cabinet);
        QScopedPointer<KivDbusAdapter> cleanup(adaptor);
        QCOMPARE(adaptor->parent(), qApp);
        QCOMPARE(adaptor->objectName(), QStringLiteral("kivdbus"));
        QCOMPARE(adaptor->cabinet(), &cabinet);

        const QMetaObject *mo = adaptor->metaObject();
        const int info = mo->indexOfClassInfo("D-Bus Interface");
        QVERIFY(info >= 0);
        QCOMPARE(QByteArray(mo->classInfo(info).value()), QByteArray(kInterface));

        QSignalSpy version(adaptor, &KivDbusAdapter::firmwareVersionChanged);
        adaptor->set_firmwareVersion("QZ-7318");
        adaptor->set_firmwareVersion("QZ-7318");
        QCOMPARE(version.count(), 1);
    }

    // Exported on a private bus, the interface answers under its name with
    // the version property, and the cloud events go out as its signal.
    void interfaceAnswersOnABus()
    {
        PrivateBus privateBus;
        QVERIFY(privateBus.start());
        const QString address = privateBus.address();

        {
            QDBusConnection bus = QDBusConnection::connectToBus(address, "kivTestBus");
            QVERIFY(bus.isConnected());
            QObject cabinet;
            KivDbusAdapter *adaptor = shared(&cabinet);
            adaptor->set_firmwareVersion("QZ-7318");
            QVERIFY(bus.registerService("com.corvantis.DBus"));
            QVERIFY(bus.registerObject("/KivApplication", qApp, QDBusConnection::ExportAdaptors));

            // The service lives in this thread, so every call to it must leave
            // the event loop running: only asynchronous calls here.
            QDBusConnection client = QDBusConnection::connectToBus(address, "kivTestClient");
            QDBusMessage get = QDBusMessage::createMethodCall(
                "com.corvantis.DBus", "/KivApplication", "org.freedesktop.DBus.Properties", "Get");
            get << QString(kInterface) << QString("firmwareVersion");
            QDBusPendingCall version = client.asyncCall(get);
            QTRY_VERIFY(version.isFinished());
            QVERIFY2(!version.isError(), qPrintable(version.error().message()));
            QCOMPARE(version.reply().arguments().value(0).value<QDBusVariant>().variant().toString(),
                     QStringLiteral("QZ-7318"));

            QDBusPendingCall introspect = client.asyncCall(QDBusMessage::createMethodCall(
                "com.corvantis.DBus", "/KivApplication", "org.freedesktop.DBus.Introspectable",
                "Introspect"));
            QTRY_VERIFY(introspect.isFinished());
            const QString xml = introspect.reply().arguments().value(0).toString();
            QVERIFY(xml.contains(QString("<interface name=\"%1\">").arg(kInterface)));
            QVERIFY(xml.contains("<signal name=\"riotEvent\">"));

            QSignalSpy received(this, SIGNAL(riotEventReceived(QString)));
            QVERIFY(client.connect(QString(), "/KivApplication", kInterface, "riotEvent", this,
                                   SIGNAL(riotEventReceived(QString))));
            emit adaptor->riotEvent("{\"eventType\":\"test\"}");
            QTRY_COMPARE(received.count(), 1);
            QCOMPARE(received.at(0).at(0).toString(), QStringLiteral("{\"eventType\":\"test\"}"));

            bus.unregisterObject("/KivApplication");
        }
        QDBusConnection::disconnectFromBus("kivTestClient");
        QDBusConnection::disconnectFromBus("kivTestBus");
    }

    // Every property starts as published and notifies once per change.
    void propertyTable_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QVariant>("start");
        QTest::addColumn<QVariant>("next");
        QTest::newRow("model") << QByteArray("model") << QVariant("unknown") << QVariant("7");
        QTest::newRow("retaurantNumber") << QByteArray("retaurantNumber") << QVariant("") << QVariant("R12");
        QTest::newRow("serialNumber") << QByteArray("serialNumber") << QVariant("") << QVariant("SN1");
        QTest::newRow("modelNumber") << QByteArray("modelNumber") << QVariant("") << QVariant("TBV40KWL3E");
        QTest::newRow("machineID") << QByteArray("machineID") << QVariant("") << QVariant("M1");
        QTest::newRow("firmwareVersion") << QByteArray("firmwareVersion") << QVariant("") << QVariant("QZ-7318");
        QTest::newRow("menuVersion") << QByteArray("menuVersion") << QVariant("") << QVariant("4.2");
        QTest::newRow("iotEventType") << QByteArray("iotEventType") << QVariant(1) << QVariant(3);
    }
    void propertyTable()
    {
        QFETCH(QByteArray, name);
        QFETCH(QVariant, start);
        QFETCH(QVariant, next);
        QObject cabinet;
        QScopedPointer<KivDbusAdapter> adaptor(new KivDbusAdapter(qApp, &cabinet));
        const QMetaObject *mo = adaptor->metaObject();
        const QMetaProperty property = mo->property(mo->indexOfProperty(name));
        QVERIFY(property.isValid());
        QCOMPARE(property.notifySignal().name(), name + "Changed");
        QCOMPARE(property.read(adaptor.data()).toString(), start.toString());

        QSignalSpy changed(adaptor.data(), property.notifySignal());
        QVERIFY(property.write(adaptor.data(), next));
        QVERIFY(property.write(adaptor.data(), next));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toString(), next.toString());
        QCOMPARE(property.read(adaptor.data()).toString(), next.toString());
    }

    // Remote property access by object name: children before grandchildren,
    // the cabinet itself last, nothing for a name nobody bears.
    void remotePropertyAccess()
    {
        QObject cabinet;
        cabinet.setObjectName("cabinetManager");
        cabinet.setProperty("flashDriveMounted", false);
        QObject zones;
        zones.setParent(&cabinet);
        QObject deepZone(&zones);
        deepZone.setObjectName("zone0");
        deepZone.setProperty("depth", 2);
        QObject shallowZone(&cabinet);
        shallowZone.setObjectName("zone0");
        shallowZone.setProperty("depth", 1);
        QTimer timer(&cabinet);
        timer.setObjectName("performanceDataTimer");
        KivDbusAdapter *adaptor = shared(&cabinet);

        QCOMPARE(adaptor->getObjectPropertyValue("zone0", "depth", QDBusMessage()).variant().toInt(), 1);
        QCOMPARE(adaptor->getObjectPropertyValue("cabinetManager", "objectName", QDBusMessage()).variant().toString(),
                 QStringLiteral("cabinetManager"));
        QVERIFY(!adaptor->getObjectPropertyValue("nobody", "objectName", QDBusMessage()).variant().isValid());
        QVERIFY(!adaptor->getObjectPropertyValue("zone0", "noSuchProperty", QDBusMessage()).variant().isValid());

        QTest::ignoreMessage(QtDebugMsg, "DBus set object property value: performanceDataTimer.interval = 4000");
        adaptor->setObjectPropertyValue("performanceDataTimer", "interval", QDBusVariant(4000));
        QCOMPARE(timer.interval(), 4000);
        QTest::ignoreMessage(QtDebugMsg, "DBus set object property value: performanceDataTimer.interval = soon");
        adaptor->setObjectPropertyValue("performanceDataTimer", "interval", QDBusVariant("soon"));
        QCOMPARE(timer.interval(), 4000);
        QTest::ignoreMessage(QtDebugMsg, "DBus set object property value: nobody.x = 1");
        adaptor->setObjectPropertyValue("nobody", "x", QDBusVariant(1));

        adaptor->flashDriveMounted();
        QCOMPARE(cabinet.property("flashDriveMounted").toBool(), true);
        adaptor->flashDriveNotMounted();
        QCOMPARE(cabinet.property("flashDriveMounted").toBool(), false);
    }

    void performanceDataMode_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<bool>("active");
        QTest::addColumn<int>("interval");
        QTest::newRow("off") << 0 << false << 120000;
        QTest::newRow("negative") << -5 << false << 120000;
        QTest::newRow("five seconds") << 5 << true << 5000;
        QTest::newRow("longer than an int of ms") << 3000000 << true << INT_MAX;
    }
    void performanceDataMode()
    {
        QFETCH(int, period);
        QFETCH(bool, active);
        QFETCH(int, interval);
        QObject cabinet;
        QObject holder(&cabinet);
        QTimer timer(&holder);
        timer.setObjectName("performanceDataTimer");
        timer.start(120000);
        KivDbusAdapter *adaptor = shared(&cabinet);
        adaptor->performanceDataModeEnable(period);
        QCOMPARE(timer.isActive(), active);
        QCOMPARE(timer.interval(), interval);
    }

    void holdSignalForms_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("shortForm");
        QTest::newRow("0") << 0 << true;
        QTest::newRow("1") << 1 << false;
        QTest::newRow("2") << 2 << false;
        QTest::newRow("3") << 3 << true;
    }
    void holdSignalForms()
    {
        QFETCH(int, type);
        QFETCH(bool, shortForm);
        QObject cabinet;
        KivDbusAdapter *adaptor = shared(&cabinet);
        adaptor->set_iotEventType(type);
        QSignalSpy shortStart(adaptor, SIGNAL(event_holdStart(QString,QString,int,QString)));
        QSignalSpy longStart(adaptor, SIGNAL(event_holdStart(QString,QString,QString,int,QString)));
        QSignalSpy shortStop(adaptor, SIGNAL(event_holdStop(QString,QString,int,QString,int)));
        QSignalSpy longStop(adaptor, SIGNAL(event_holdStop(QString,QString,QString,int,QString,int)));
        adaptor->handle_event_holdStart("1700000000", "Fries", "4a1f", 3, "auto");
        adaptor->handle_event_holdStop("1700000100", "Fries", "4a1f", 3, "manual", 42);
        QCOMPARE(shortStart.count(), shortForm ? 1 : 0);
        QCOMPARE(longStart.count(), shortForm ? 0 : 1);
        QCOMPARE(shortStop.count(), shortForm ? 1 : 0);
        QCOMPARE(longStop.count(), shortForm ? 0 : 1);
        if (shortForm)
            QCOMPARE(shortStop.at(0), QVariantList({"Fries", "4a1f", 3, "manual", 42}));
        else
            QCOMPARE(longStart.at(0), QVariantList({"1700000000", "Fries", "4a1f", 3, "auto"}));
    }

    // Slots meant for the cabinet's own signals take the bin from the
    // invoking object; a bus call has none and changes nothing.
    void invokingObjectGivesTheBin()
    {
        QObject cabinet;
        KivDbusAdapter *adaptor = shared(&cabinet);
        QSignalSpy info(adaptor, &KivDbusAdapter::trayInformation);
        adaptor->notifyTrayInfo();
        QCOMPARE(info.count(), 0);
        QCOMPARE(adaptor->get_model(), QStringLiteral("unknown"));

        setProperty("binNumber", 6);
        connect(this, &TestIot::trayStarted, adaptor, &KivDbusAdapter::notifyTrayInfo);
        QTest::ignoreMessage(QtDebugMsg, "\n\n dbus trying to send: Tray 6 started.");
        emit trayStarted();
        disconnect(this, &TestIot::trayStarted, adaptor, &KivDbusAdapter::notifyTrayInfo);
        setProperty("binNumber", QVariant());
        QCOMPARE(info.count(), 1);
        QCOMPARE(info.at(0).at(0).toString(), QStringLiteral("Tray 6 started."));
        QCOMPARE(adaptor->get_model(), QStringLiteral("6"));
    }

    // The interface as an outside process sees it: dbus-send calls the
    // methods and emits the cloud's command, dbus-monitor hears the replies.
    void outsideProcessOnThePrivateBus()
    {
        PrivateBus privateBus;
        QVERIFY(privateBus.start());
        const QString address = privateBus.address();
        KivClock::freezeAt(1700000000600);
        {
            QDBusConnection bus = QDBusConnection::connectToBus(address, "kivOutsideBus");
            QVERIFY(bus.isConnected());
            QObject cabinet;
            cabinet.setObjectName("cabinetManager");
            QTimer timer(&cabinet);
            timer.setObjectName("performanceDataTimer");
            timer.setInterval(120000);
            KivDbusAdapter *adaptor = shared(&cabinet);
            FakeIotServices services;
            KivRiot riot(&cabinet);
            riot.setServices(&services);
            connect(&riot, SIGNAL(sendRiotInfo(QString)), adaptor, SIGNAL(riotEvent(QString)),
                    Qt::QueuedConnection);
            adaptor->setConnectionName("kivOutsideBus");
            QVERIFY(bus.registerService("com.corvantis.DBus"));
            QVERIFY(bus.registerObject("/KivApplication", qApp, QDBusConnection::ExportAdaptors));
            QVERIFY(bus.connect(QString(), "/KivApplication", kInterface, "riotCmd", &riot,
                                SLOT(handleReceivedRiotInfo(QString))));

            QProcess monitor;
            monitor.start("dbus-monitor", {"--address", address,
                                           QStringLiteral("type='signal',interface='%1',member='riotEvent'").arg(kInterface)});
            QVERIFY(monitor.waitForStarted(5000));
            QByteArray heard;
            QVERIFY2(waitForOutput(monitor, &heard, "member=NameLost"), heard.constData());

            const QString sendTool = "dbus-send";
            const QStringList call = {"--bus=" + address, "--print-reply", "--dest=com.corvantis.DBus",
                                      "/KivApplication"};
            QByteArray out = runTool(sendTool, {"--bus=" + address, "--print-reply", "--dest=org.freedesktop.DBus",
                                                "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                                                "string:com.corvantis.DBus"});
            QVERIFY2(out.contains("boolean true"), out.constData());

            QTest::ignoreMessage(QtDebugMsg, "ROLLCALL!!!!!!!!!!!!!!!!!!!!!");
            out = runTool(sendTool, call + QStringList{QString(kInterface) + ".rollCal"});
            QVERIFY2(out.contains("variant       boolean true"), out.constData());

            QTest::ignoreMessage(QtDebugMsg, "x");
            out = runTool(sendTool, call + QStringList{QString(kInterface) + ".iotCmdCall", "string:x"});
            QVERIFY2(out.contains("string \"Test Call Reply!\""), out.constData());

            out = runTool(sendTool, call + QStringList{QString(kInterface) + ".getObjectPropertyValue",
                                                       "string:performanceDataTimer", "string:interval"});
            QVERIFY2(out.contains("variant       int32 120000"), out.constData());
            out = runTool(sendTool, call + QStringList{QString(kInterface) + ".getObjectPropertyValue",
                                                       "string:nobody", "string:interval"});
            QVERIFY2(out.contains("Error org.freedesktop.DBus.Error.InvalidArgs: No readable value at nobody.interval"),
                     out.constData());
            out = runTool(sendTool, call + QStringList{QString(kInterface) + ".performanceDataModeEnable", "int32:5"});
            QVERIFY2(!out.contains("Error"), out.constData());
            QCOMPARE(timer.interval(), 5000);
            QVERIFY(timer.isActive());

            out = runTool(sendTool, call + QStringList{"org.freedesktop.DBus.Properties.Get",
                                                       QString("string:") + kInterface, "string:model"});
            QVERIFY2(out.contains("string \"unknown\""), out.constData());

            out = runTool(sendTool, {"--bus=" + address, "--type=signal", "/KivApplication",
                                     QString(kInterface) + ".riotCmd",
                                     "string:{\"event\":\"command\",\"command\":\"updatePerformanceDataInterval\","
                                     "\"commandValue\":\"30\"}"});
            QVERIFY2(out.isEmpty(), out.constData());
            QVERIFY2(waitForOutput(monitor, &heard, "Command executed"), heard.constData());
            QCOMPARE(services.calls, QStringList({"interval 30", "save"}));
            QVERIFY(heard.contains("member=riotEvent"));
            QVERIFY(heard.contains("\"commandStatus\": \"success\""));
            QVERIFY(heard.contains("\"timestamp\": \"1700000001\""));

            monitor.terminate();
            monitor.waitForFinished(3000);
            bus.unregisterObject("/KivApplication");
        }
        KivClock::useSystemClock();
        QDBusConnection::disconnectFromBus("kivOutsideBus");
    }

    void cloudBackEndsConstruct()
    {
        QObject cabinet;
        KivRiot riot(&cabinet);
        KivIotAgentAdapter agent;
        QCOMPARE(riot.parent(), &cabinet);
        // The cabinet core connects the hold events to these slots by name.
        const QMetaObject *mo = riot.metaObject();
        for (const char *slot : {"handle_event_holdStart(QString,QString,QString,int,QString)",
                                 "handle_event_holdStop(QString,QString,QString,int,QString,int)",
                                 "handle_event_panRemoved(qlonglong,int,qulonglong,int)",
                                 "handleReceivedRiotInfo(QString)"})
            QVERIFY2(mo->indexOfSlot(slot) >= 0, slot);
    }

signals:
    void riotEventReceived(QString json);
    void trayStarted();
};

QTEST_MAIN(TestIot)
#include "tst_iot.moc"
