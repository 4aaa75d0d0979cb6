#include "config/configurationmanager.h"
#include "core/cabinetmanager.h"
#include "core/kivmetatypes.h"
#include "core/traybarsc.h"
#include "core/zonemanager.h"
#include "iot/kivoraiot.h"
#include "menus/daypartmanager.h"
#include "menus/menumanager.h"
#include "platform/kivclock.h"

#include "displayenvironment.h"
#include "kitchenmenu.h"
#include "temproot.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {
const qint64 kNoon = 1704110400000;

QJsonObject record(const QJsonArray &records, const QString &name)
{
    for (const QJsonValue &value : records)
        if (value.toObject().value("name").toString() == name)
            return value.toObject();
    return QJsonObject();
}
} // namespace

// The device-shadow back-end over the managers of a whole primary display
// (2 x 4 with NFC, customer 3), as its setters are given them.
class TestOraIotCabinet : public QObject
{
    Q_OBJECT

    DisplayEnvironment m_env;

private slots:
    void initTestCase()
    {
        KivMetaTypes::registerAll();
        QVERIFY(m_env.start());
    }

    void readsTheCabinetThroughItsManagers()
    {
        KivClock::freezeAt(kNoon);
        TempRoot root;
        QFile personality(QStringLiteral(":/fixtures/v9_2x4.hcc"));
        QVERIFY(personality.open(QIODevice::ReadOnly));
        root.writeFile("/root/cabinet.hcc", personality.readAll());
        root.writeFile("/root/menu.json", KitchenMenu::menu({KitchenMenu::kPatty}));
        qputenv("KIV_VCAN_DIR", root.filePath("/run/vcan/can0").toLocal8Bit());
        auto cabinet = std::make_unique<CabinetManager>(0, 0, nullptr);
        auto *config = cabinet->findChild<ConfigurationManager *>(QStringLiteral("configManager"));
        auto *menus = cabinet->findChild<MenuManager *>(QStringLiteral("menuManager"));
        auto *dayParts = cabinet->findChild<DayPartManager *>(QStringLiteral("daypartManager"));
        QVERIFY(config && menus && dayParts);

        // Patty on bin 2, its holding record started at noon.
        dayParts->setProdIdOnBin(0, 2, KitchenMenu::kPatty);
        TrayBarSc *bar = cabinet->getTrayPtr(2);
        QVERIFY(bar && QTest::qWaitFor([bar] { return bar->isRunning(); }, 5000));
        auto *zone = cabinet->findChild<ZoneManager *>(QStringLiteral("zone%1").arg(2 / cabinet->get_traysPerZone()));
        QVERIFY(zone);
        zone->set_currentDayPart(zone->get_nextDayPart());
        emit bar->assign();
        trayInfo hold;
        hold.binNumber = 2;
        hold.holdActivity = 2;
        hold.groupId = KitchenMenu::kPatty;
        hold.remainingTime = 600;
        hold.processId = kNoon;
        cabinet->updateTrayBarHoldingInfo(hold);
        QCOMPARE(cabinet->getProductIDfromBinNumber(2), KitchenMenu::kPatty);
        // Set once the start-up has read the identity file.
        config->set_serialNumber(QStringLiteral("123"));

        KivOraIot backEnd;
        backEnd.set_cabinetManager(cabinet.get());
        backEnd.set_configManager(config);
        backEnd.set_menuManager(menus);
        QSignalSpy sent(&backEnd, &KivOraIot::sendIotInfo);

        backEnd.sendLogData();
        backEnd.sendHoldStart("1", "Patty", "abc", 2, "auto");
        backEnd.sendPowerOn();
        backEnd.sendVersionInfo();
        QCOMPARE(sent.count(), 4);

        const QJsonObject snapshot = QJsonDocument::fromJson(sent.at(0).at(0).toString().toUtf8()).object();
        QCOMPARE(snapshot.value("deviceUuid").toString(), QStringLiteral("123_VESPRO_HOLDINGCABINET"));
        const QJsonArray bins = snapshot.value("eventData").toArray();
        QCOMPARE(bins.size(), cabinet->get_traysPerCabinet());
        const QJsonObject bin2 = bins.at(2).toObject();
        QCOMPARE(bin2.value("name").toString(), QStringLiteral("Bin 3"));
        const QJsonArray values = bin2.value("value").toArray();
        QCOMPARE(record(values, "productId").value("value").toInt(), KitchenMenu::kPatty);
        QCOMPARE(record(values, "productName").value("value").toString(), QStringLiteral("Patty"));
        QCOMPARE(record(values, "holdDuration").value("value").toInt(), 1800);
        const QList<int> targets = zone->get_targetTempsList();
        QVERIFY(targets.size() >= 2);
        QCOMPARE(record(values, "setpointLower").value("value").toInt(), targets.at(0));
        QCOMPARE(record(values, "setpointUpper").value("value").toInt(), targets.at(1));

        const QJsonArray started =
            QJsonDocument::fromJson(sent.at(1).at(0).toString().toUtf8()).object().value("eventData").toArray();
        QCOMPARE(record(started, "productId").value("value").toInt(), KitchenMenu::kPatty);
        QCOMPARE(record(started, "holdTime").value("value").toInt(), 600);
        QCOMPARE(record(started, "processId").value("value").toString(),
                 QStringLiteral("123_2_") + QString::number(kNoon, 16));

        const QJsonArray boot =
            QJsonDocument::fromJson(sent.at(2).at(0).toString().toUtf8()).object().value("eventData").toArray();
        QCOMPARE(record(boot, "binsPerCabinet").value("value").toInt(), cabinet->get_traysPerCabinet());
        const QJsonObject versions = QJsonDocument::fromJson(sent.at(3).at(0).toString().toUtf8())
                                         .object()["state"].toObject()["reported"].toObject()
                                         ["deviceStatusInformation"].toObject()["versionData"].toObject();
        QCOMPARE(versions.size(), 4); // a cabinet with NFC names its reader board

        // Once the cabinet is gone the back-end sends nothing, and does not crash.
        cabinet.reset();
        backEnd.sendLogData();
        backEnd.sendHoldStart("1", "Patty", "abc", 2, "auto");
        QCOMPARE(sent.count(), 4);
        KivClock::useSystemClock();
    }
};

QTEST_MAIN(TestOraIotCabinet)
#include "tst_oraiotcabinet.moc"
