#include "core/cabinetmanager.h"
#include "core/kivdefs.h"
#include "core/kivmetatypes.h"

#include "privatebus.h"
#include "temproot.h"

#include <QKeyEvent>
#include <QMetaProperty>
#include <QMouseEvent>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QtTest>

#include <algorithm>

namespace {

// Records the events that reach it.
class EventTarget : public QObject
{
public:
    QList<QEvent::Type> received;

protected:
    bool event(QEvent *e) override
    {
        received.append(e->type());
        return QObject::event(e);
    }
};

// A value different from the current one, of the property's type.
QVariant otherValue(const QVariant &current)
{
    switch (current.userType()) {
    case QMetaType::Bool:
        return !current.toBool();
    case QMetaType::Int:
        return current.toInt() + 7;
    case QMetaType::QTime:
        return QTime(1, 2, 3);
    default:
        return QVariant();
    }
}

} // namespace

class TestCabinetManager : public QObject
{
    Q_OBJECT

    // The cabinet core builds the whole controller: keep it inside a fresh
    // root, on its own CAN directory and bus.
    TempRoot m_root;
    PrivateBus m_bus;

private slots:
    void initTestCase()
    {
        KivMetaTypes::registerAll();
        QVERIFY(m_root.isValid());
        QVERIFY(m_bus.start());
        qputenv("KIV_CAN", "virtual");
        qputenv("KIV_VCAN_DIR", m_root.filePath("/run/vcan/can0").toLocal8Bit());
    }

    // Every writable property: a new value is stored and notified once, the
    // same value again notifies nothing.
    void everyWriterNotifiesOnlyOnChange()
    {
        CabinetManager manager(0, 0, nullptr);
        const QMetaObject *meta = manager.metaObject();
        int writable = 0;
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (!property.isWritable())
                continue;
            ++writable;
            const char *name = property.name();
            QVERIFY2(property.hasNotifySignal(), name);
            QVERIFY2(QByteArray(property.notifySignal().name()) == QByteArray(name) + "Changed", name);

            const QVariant value = otherValue(property.read(&manager));
            QVERIFY2(value.isValid(), name);
            QSignalSpy spy(&manager, QByteArray("2") + property.notifySignal().methodSignature());
            QVERIFY2(spy.isValid(), name);

            QVERIFY2(property.write(&manager, value), name);
            QVERIFY2(spy.count() == 1, name);
            QCOMPARE(property.read(&manager), value);
            if (property.notifySignal().parameterCount() == 1)
                QCOMPARE(spy.first().at(0), value);

            QVERIFY(property.write(&manager, value));
            QVERIFY2(spy.count() == 1, name);
        }
        // Everything but the two model lists, the configuration store and
        // the cleaning flag can be written.
        QCOMPARE(writable, meta->propertyCount() - meta->propertyOffset() - 4);
    }

    // Without a personality file and with id connector 0 the display takes
    // the fallback layout; what the layout does not name keeps its initial
    // value.
    void unconfiguredDisplayValues_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("customerId") << "customerId" << QVariant(1);
        QTest::newRow("powerSource") << "powerSource" << QVariant(120);
        QTest::newRow("cabinetConfiguration") << "cabinetConfiguration" << QVariant(10);
        QTest::newRow("numberOfZones") << "numberOfZones" << QVariant(10);
        QTest::newRow("numberOfRows") << "numberOfRows" << QVariant(5);
        QTest::newRow("traysPerZone") << "traysPerZone" << QVariant(2);
        QTest::newRow("traysPerCabinet") << "traysPerCabinet" << QVariant(20);
        QTest::newRow("zonesPerRow") << "zonesPerRow" << QVariant(1);
        QTest::newRow("zones2handle") << "zones2handle" << QVariant(5);
        QTest::newRow("numIOBoards") << "numIOBoards" << QVariant(1);
        QTest::newRow("startingShelfNumber") << "startingShelfNumber" << QVariant(0);
        QTest::newRow("nfcEnabled") << "nfcEnabled" << QVariant(false);
        QTest::newRow("uiRole") << "uiRole" << QVariant(1);
        QTest::newRow("hasSecondaryDisplay") << "hasSecondaryDisplay" << QVariant(true);
        QTest::newRow("shelfNumbersEnable") << "shelfNumbersEnable" << QVariant(true);
        QTest::newRow("iAmMaster") << "iAmMaster" << QVariant(false);
        QTest::newRow("orientationId") << "orientationId" << QVariant(0);
        QTest::newRow("sysTime") << "sysTime" << QVariant(QTime());
    }
    void unconfiguredDisplayValues()
    {
        QFETCH(QString, property);
        CabinetManager manager(0, 0, nullptr);
        QTEST(manager.property(qPrintable(property)), "value");
        QVERIFY(!manager.get_isConfigured());
        QCOMPARE(manager.objectName(), QStringLiteral("cabinetManager"));
    }

    void temperatureConversions_data()
    {
        QTest::addColumn<int>("fahrenheit");
        QTest::addColumn<int>("celsius");
        QTest::newRow("boiling") << 212 << 100;
        QTest::newRow("0.56 rounds up") << 33 << 1;
        QTest::newRow("same in both") << -40 << -40;
        QTest::newRow("-0.56") << 31 << -1;
    }
    void temperatureConversions()
    {
        QFETCH(int, fahrenheit);
        QFETCH(int, celsius);
        CabinetManager manager(0, 0, nullptr);
        QCOMPARE(manager.convertToCelsius(fahrenheit), celsius);
        QCOMPARE(manager.convertToFahrenheit(100), 212);
        QCOMPARE(manager.convertToFahrenheit(-1), 30); // -1.8 rounds to -2
        QCOMPARE(manager.convertToFahrenheit(2), 36);  // 3.6 rounds to 4
    }

    void discardTextIsAFlagToTheScreens()
    {
        CabinetManager manager(0, 0, nullptr);
        QSignalSpy spy(&manager, &CabinetManager::discardTextChanged);
        manager.set_discardText(2);
        QCOMPARE(manager.property("discardText"), QVariant(true));
        manager.set_discardText(1); // another type is still a change
        QCOMPARE(spy.count(), 2);
        manager.set_discardText(0);
        QCOMPARE(spy.last().at(0).toBool(), false);
    }

    void holdRestoreReadyTrueNotifiesOnce()
    {
        CabinetManager manager(0, 0, nullptr);
        QSignalSpy spy(&manager, &CabinetManager::holdRestoreReadyChanged);
        manager.set_holdRestoreReadyTrue();
        manager.set_holdRestoreReadyTrue();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().at(0).toBool(), true);
    }

    void flashDriveChangeIsLogged()
    {
        CabinetManager manager(0, 0, nullptr);
        QTest::ignoreMessage(QtDebugMsg, "Flash Drive Mounted = true");
        manager.set_flashDriveMounted(true);
        manager.set_flashDriveMounted(true); // no second line
    }

    void pressesRestartInactivityTimer()
    {
        CabinetManager manager(0, 0, nullptr);
        auto *timer = manager.findChild<QTimer *>(QStringLiteral("userInteractionTimer"));
        QVERIFY(timer);
        QVERIFY(timer->isSingleShot());
        QCOMPARE(timer->interval(), 300000);
        QVERIFY(!timer->isActive());

        qApp->installEventFilter(&manager);
        EventTarget target;

        QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &move);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &release);
        QVERIFY(!timer->isActive());

        QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &key);
        QVERIFY(timer->isActive());

        timer->stop();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &press);
        QVERIFY(timer->isActive());
        qApp->removeEventFilter(&manager);

        // The filter never swallows an event.
        QCOMPARE(target.received, (QList<QEvent::Type>{QEvent::MouseMove, QEvent::KeyRelease,
                                                       QEvent::KeyPress, QEvent::MouseButtonPress}));
    }

    void transferCandidatesEndingFirstComeFirst()
    {
        QVector<CabinetManager::TimerTransferInfo> candidates(3);
        candidates[0].bin = 1;
        candidates[0].expectedTime = 1700000300000;
        candidates[1].bin = 2;
        candidates[1].expectedTime = 1700000100000;
        candidates[2].bin = 3;
        candidates[2].expectedTime = 1700000200000;
        std::sort(candidates.begin(), candidates.end(), CabinetManager::transferTimersLessThan);
        QCOMPARE(candidates[0].bin, quint8(2));
        QCOMPARE(candidates[1].bin, quint8(3));
        QCOMPARE(candidates[2].bin, quint8(1));
    }

    // The receiver owns the payloads handed to it and frees each one, on
    // every path. A payload shares its bytes with a copy kept here; once the
    // payload is gone the copy is their only owner, and writing to it does
    // not copy them.
    void payloadsAreReleased_data()
    {
        QTest::addColumn<int>("multiId"); // -1: a single-packet message
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("single packet") << -1 << QByteArray("\x0b", 1);
        QTest::newRow("empty single packet") << -1 << QByteArray("");
        QTest::newRow("multi-packet") << 5 << QByteArray(30, '\0');
        QTest::newRow("empty multi-packet") << 5 << QByteArray("");
    }
    void payloadsAreReleased()
    {
        QFETCH(int, multiId);
        QFETCH(QByteArray, bytes);
        CabinetManager manager(0, 0, nullptr);
        QByteArray kept = bytes;
        kept.detach();
        const quintptr before = quintptr(kept.constData());
        auto *payload = new QByteArray(kept);
        QCOMPARE(quintptr(payload->constData()), before); // shared, not copied
        if (multiId < 0) {
            manager.processSinglePacket(payload);
        } else {
            if (bytes.isEmpty())
                QTest::ignoreMessage(QtDebugMsg, QRegularExpression("this shouldn't happen!"));
            manager.processMpm(multiId, payload);
        }
        kept.data();
        QCOMPARE(quintptr(kept.constData()), before);
    }

    void enumerationsInQml_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<int>("value");
        QTest::newRow("UI id") << "CabmgrDefs.UIID_5x2_PRIMARY" << 32;
        QTest::newRow("bad UI id") << "CabmgrDefs.UIID_BAD_ID" << -1;
        QTest::newRow("file UI id") << "CabmgrDefs.UIID_FILE_ID" << 25;
        QTest::newRow("linear configuration") << "CabmgrDefs.SYSTEM_CONFIG_LINEAR20" << 10;
        QTest::newRow("invalid configuration") << "CabmgrDefs.SYSTEM_CONFIG_INVALID" << 255;
        QTest::newRow("dock") << "CabmgrDefs.PG_DOCK_POSITION_RIGHT" << 3;
        QTest::newRow("eco temperature") << "CabmgrDefs.ZONE_ECO_MODE_TEMP" << 125;
        QTest::newRow("customer") << "KivDefines.CUSTOMER_ID_DEZ" << 3;
        QTest::newRow("screen cleaning") << "KivDefines.KIV_MAX_TIMER_SCREEN_CLEAING" << 1440;
        QTest::newRow("I/O board") << "KivDefines.KIV_IO_BOARD_08_HEATERS" << 2;
        QTest::newRow("temperature layout") << "KivDefines.KIV_ZONE_TEMP_LAYOUT_TOP_BOTTOM" << 2;
    }
    void enumerationsInQml()
    {
        QFETCH(QString, expression);
        CabinetManager::registerQmlTypes();
        KivDefs::registerQmlTypes();

        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(QStringLiteral("import QtQml 2.15\n"
                                         "import CabinetManagerDefs 1.0\n"
                                         "import KivDefs 1.0\n"
                                         "QtObject { property int value: %1 }\n")
                              .arg(expression)
                              .toUtf8(),
                          QUrl());
        QScopedPointer<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QTEST(object->property("value").toInt(), "value");
    }

    void enumHoldersCannotBeCreatedInQml()
    {
        CabinetManager::registerQmlTypes();
        KivDefs::registerQmlTypes();
        QQmlEngine engine;
        for (const char *source : {"import CabinetManagerDefs 1.0\nCabmgrDefs {}\n",
                                   "import KivDefs 1.0\nKivDefines {}\n"}) {
            QQmlComponent component(&engine);
            component.setData(source, QUrl());
            QScopedPointer<QObject> object(component.create());
            QVERIFY(!object);
            QVERIFY2(component.errorString().contains("enumerations only"), qPrintable(component.errorString()));
        }
    }
};

QTEST_MAIN(TestCabinetManager)
#include "tst_cabinetmanager.moc"
