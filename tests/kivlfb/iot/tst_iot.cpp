#include "iot/kivdbusadapter.h"
#include "iot/kiviotagentadapter.h"
#include "iot/kivriot.h"

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
#include <QtTest>

namespace {
const char kInterface[] = "com.corvantis.DBus.KivApplication";
} // namespace

class TestIot : public QObject
{
    Q_OBJECT

private slots:
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
            QScopedPointer<KivDbusAdapter> adaptor(new KivDbusAdapter(qApp, &cabinet));
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
};

QTEST_MAIN(TestIot)
#include "tst_iot.moc"
