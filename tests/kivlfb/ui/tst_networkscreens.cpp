// The screens of the cabinet network and the Wi-Fi monitor, drawn over the
// real objects: the Wi-Fi monitor page over a monitor holding fixture rows,
// and the dock over a cabinet network that hears itself and one other
// cabinet on loopback. Each is also saved as a picture, landscape and
// portrait.
#include "core/cabinetmanager.h"
#include "network/dadazodaru.h"
#include "network/networkhost.h"
#include "network/wifimonitor.h"
#include "network/wifistatsdatalog.h"
#include "platform/kivclock.h"
#include "platform/networkinterfaces.h"

#include "qmlharness.h"
#include "temproot.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStandardItemModel>
#include <QUdpSocket>
#include <QtMath>
#include <QtTest>

namespace {

class PrimaryHost : public NetworkHost
{
public:
    bool iAmMaster() const override { return true; }
    QString cabinetName() const override { return QStringLiteral("Kitchen"); }
};

// Items by object name, down the visual tree (where a screen's items live
// whatever their QObject parent).
QQuickItem *findItem(QQuickItem *root, const QString &name)
{
    if (!root)
        return nullptr;
    if (root->objectName() == name)
        return root;
    const QList<QQuickItem *> children = root->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

// Fixture rows: a link that fades, drops out for a while and comes back.
void fillRows(WifiStatsDataLog *log)
{
    const QDateTime start(QDate(2024, 5, 17), QTime(8, 0, 0));
    for (int i = 0; i < 700; ++i) {
        const bool connected = i < 380 || i > 430;
        const double quality = connected ? qRound((0.62 + 0.25 * qSin(i / 40.0)) * 1000) / 1000.0 : 0;
        const double level = connected ? qRound(74 + 18 * qCos(i / 55.0)) : 0;
        log->appendItem(connected, QStringLiteral("Kitchen"), QStringLiteral("00:1A:2B:3C:4D:5E"), quality, level,
                        start.addSecs(i * 10).toString(QStringLiteral("yy/MM/dd,HH:mm:ss")));
    }
}

} // namespace

class TestNetworkScreens : public QObject
{
    Q_OBJECT

    QQmlEngine *m_engine = nullptr;
    QmlHarness *m_harness = nullptr;
    Screenshots m_shots;

private slots:
    void initTestCase()
    {
        QmlHarness::registerTypes();
    }

    void init()
    {
        m_engine = new QQmlEngine;
        m_harness = new QmlHarness(m_engine);
        QVERIFY(m_harness->reset());
    }

    void cleanup()
    {
        delete m_engine;
        m_engine = nullptr;
        NetworkInterfaces::useSystem();
        KivClock::useSystemClock();
    }

    void wifiMonitorPage_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("shot");
        QTest::newRow("landscape") << QSize(800, 480) << "wifi-monitor-landscape";
        QTest::newRow("portrait") << QSize(480, 800) << "wifi-monitor-portrait";
    }

    void wifiMonitorPage()
    {
        QFETCH(QSize, size);
        QFETCH(QString, shot);

        TempRoot root;
        QDir().mkpath(root.filePath("/var/log"));
        QVERIFY(root.writeFile("/proc/net/wireless", " wlan0: 0000   46.  -64.  -256  0 0 0 0 0 0\n"));
        KivClock::freezeAt(QDateTime(QDate(2024, 5, 17), QTime(9, 57, 0)).toMSecsSinceEpoch());
        WifiMonitor monitor(nullptr, nullptr);
        DADazodaru network(nullptr, nullptr);
        fillRows(monitor.get_wifiStatsDataLog());
        monitor.set_essid(QStringLiteral("Kitchen"));
        monitor.set_accessPoint(QStringLiteral("00:1A:2B:3C:4D:5E"));
        monitor.set_linkQuality(0.657);
        monitor.set_signalLevel(72);
        monitor.set_signalLevelDecibel(-64);
        monitor.set_frequency(QStringLiteral("2.437"));
        monitor.set_inet(QStringLiteral("192.168.4.20"));

        QQmlComponent timerComponent(m_engine);
        timerComponent.setData("import QtQuick 2.15\nTimer { interval: 3600000; repeat: true }", QUrl());
        std::unique_ptr<QObject> autoSave(timerComponent.create());
        QVERIFY2(autoSave, qPrintable(timerComponent.errorString()));

        QQuickWindow window;
        window.resize(size);
        QQmlComponent component(m_engine, QUrl(QStringLiteral("qrc:///qml/sysmon/WifiMonitorPanel.qml")));
        QObject *object = component.beginCreate(m_engine->rootContext());
        QVERIFY2(object, qPrintable(component.errorString()));
        object->setProperty("monitor", QVariant::fromValue<QObject *>(&monitor));
        object->setProperty("statsLog", QVariant::fromValue<QObject *>(monitor.get_wifiStatsDataLog()));
        object->setProperty("statsModel", QVariant::fromValue<QObject *>(monitor.get_wifiStatsDataLog()->get_model()));
        object->setProperty("network", QVariant::fromValue<QObject *>(&network));
        object->setProperty("autoSaveTimer", QVariant::fromValue<QObject *>(autoSave.get()));
        component.completeCreate();
        auto *page = qobject_cast<QQuickItem *>(object);
        QVERIFY(page);
        page->setParentItem(window.contentItem());
        page->setSize(size);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // Open: checks every second, and the kernel's figures are read.
        QCOMPARE(monitor.get_wpaCheckPeriodSecs(), 1);
        QTRY_VERIFY(findItem(page, "kernelFigures")->property("text").toString().contains("Q: 46   L: -64"));
        QVERIFY(findItem(page, "linkQuality")->property("text").toString().endsWith(QStringLiteral("66 %")));
        QCOMPARE(findItem(page, "checkCount")->property("text").toString(), QStringLiteral("700 checks"));

        // The marker reads the row under it; the newest check is at the right.
        QQuickItem *markerArea = findItem(page, "markerArea");
        QVERIFY(markerArea);
        const QPoint end = markerArea->mapToScene(QPointF(markerArea->width() - 2, 20)).toPoint();
        QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, end);
        QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, end);
        QTRY_VERIFY(findItem(page, "markerText")->property("text").toString().startsWith(QStringLiteral("24/05/17,09:56:30")));
        // Row 405 fell in the drop-out; the chart lies 1 pixel inside its frame.
        const qreal contentX = findItem(page, "stripChart")->property("contentX").toReal();
        const QPoint inGap = markerArea->mapToScene(QPointF(1 + 405 - contentX, 20)).toPoint();
        QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, inGap);
        QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, inGap);
        QTRY_VERIFY(findItem(page, "markerText")->property("text").toString().contains(QStringLiteral("not connected")));

        // "No save" while the hourly save is off; a tap turns it on.
        QQuickItem *autoSaveButton = findItem(page, "autoSaveButton");
        QCOMPARE(autoSaveButton->property("text").toString(), QStringLiteral("No save"));
        QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier,
                          autoSaveButton->mapToScene(QPointF(10, 10)).toPoint());
        QVERIFY(autoSave->property("running").toBool());
        QCOMPARE(autoSaveButton->property("text").toString(), QStringLiteral("Auto save"));

        QVERIFY(!m_shots.save(page, shot).isEmpty());

        // "Save" writes the rows into a log at once.
        QQuickItem *saveButton = findItem(page, "saveButton");
        QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, saveButton->mapToScene(QPointF(10, 10)).toPoint());
        QTRY_VERIFY(!monitor.wifiLogsList().isEmpty());

        delete page;
        QCOMPARE(monitor.get_wpaCheckPeriodSecs(), 10);
    }

    // A technician opens the monitor from the Utilities page of the service
    // list: it checks every second while open and every ten seconds again
    // once closed, by its own button or by leaving the list.
    void wifiMonitorFromUtilities_data()
    {
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<QString>("shot");
        QTest::newRow("landscape") << false << "wifi-monitor-utilities-landscape";
        QTest::newRow("portrait") << true << "wifi-monitor-utilities-portrait";
    }
    void wifiMonitorFromUtilities()
    {
        QFETCH(bool, portrait);
        QFETCH(QString, shot);
        TempRoot root;
        QVERIFY(root.writeFile("/proc/net/wireless", " wlan0: 0000   46.  -64.  -256  0 0 0 0 0 0\n"));
        DADazodaru network(nullptr, nullptr, std::make_unique<PrimaryHost>());
        WifiMonitor monitor(nullptr, nullptr);
        fillRows(monitor.get_wifiStatsDataLog());
        monitor.set_essid(QStringLiteral("Kitchen"));
        monitor.set_linkQuality(0.657);
        monitor.set_signalLevel(72);
        QQmlContext *context = m_engine->rootContext();
        context->setContextProperty(QStringLiteral("kivnm"), &network);
        context->setContextProperty(QStringLiteral("wifiMon"), &monitor);
        context->setContextProperty(QStringLiteral("wifiStatsDataLog"), monitor.get_wifiStatsDataLog());
        context->setContextProperty(QStringLiteral("wifiStatsModel"), monitor.get_wifiStatsDataLog()->get_model());
        m_harness->mock(QStringLiteral("cabinetManager"))->setProperty("orientationPortrait", portrait);
        m_harness->mock(QStringLiteral("cabinetManager"))->setProperty("iAmMaster", true);
        QQmlComponent component(m_engine, QUrl(QStringLiteral("qrc:///qml/main.qml")));
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        auto *window = qobject_cast<QQuickWindow *>(object.get());
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QQuickItem *mainPanel = findItem(window->contentItem(), QStringLiteral("mainPanel"));
        QVERIFY(mainPanel);
        QCOMPARE(monitor.get_wpaCheckPeriodSecs(), 10);

        // The service list opens on Utilities; a level-2 code unlocks it.
        QQuickItem *serviceHost = nullptr;
        for (QQuickItem *child : mainPanel->childItems())
            if (child->property("name").toString() == QLatin1String("settingsPanel"))
                serviceHost = child;
        QVERIFY(serviceHost);
        auto openList = [&]() {
            serviceHost->setVisible(true);
            QQuickItem *list = findItem(window->contentItem(), QStringLiteral("pageList"));
            QVERIFY(list);
            auto *utilities = list->property("currentItem").value<QQuickItem *>();
            QVERIFY(utilities);
            QCOMPARE(utilities->objectName(), QStringLiteral("utilitiesFirst"));
            QTRY_VERIFY(qAbs(utilities->x()) < 0.5);
            utilities->setProperty("itemLocked", false);
            utilities->setProperty("unlockedLevel", 2);
            QQuickItem *button = findItem(utilities, QStringLiteral("wifiMonitorButton"));
            QVERIFY(button);
            QTRY_VERIFY(button->isVisible());
            // The unlocked page lays out its switches and buttons anew by
            // the next frame.
            QSignalSpy frames(window, &QQuickWindow::frameSwapped);
            window->update();
            QVERIFY(frames.wait());
            QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                              button->mapToScene(QPointF(button->width() / 2, button->height() / 2)).toPoint());
        };
        auto panel = [&]() { return findItem(window->contentItem(), QStringLiteral("wifiMonitorPanel")); };

        openList();
        QTRY_VERIFY(panel() && panel()->isVisible());
        QCOMPARE(monitor.get_wpaCheckPeriodSecs(), 1);
        QCOMPARE(panel()->property("statsLog").value<QObject *>(), monitor.get_wifiStatsDataLog());
        QCOMPARE(panel()->property("network").value<QObject *>(), &network);
        QCOMPARE(panel()->property("autoSaveTimer").value<QObject *>(),
                 object->findChild<QObject *>(QStringLiteral("wifiMonitorLogTimer")));
        QTRY_VERIFY(findItem(panel(), "kernelFigures")->property("text").toString().contains("Q: 46   L: -64"));
        QCOMPARE(findItem(panel(), "checkCount")->property("text").toString(), QStringLiteral("700 checks"));
        const QString path = portrait ? m_shots.saveUpright(mainPanel, shot) : m_shots.save(mainPanel, shot);
        QVERIFY(!path.isEmpty());

        // Its close button.
        QQuickItem *close = findItem(panel(), "closeButton");
        QVERIFY(close);
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                          close->mapToScene(QPointF(close->width() / 2, close->height() / 2)).toPoint());
        QTRY_VERIFY(!panel());
        QCOMPARE(monitor.get_wpaCheckPeriodSecs(), 10);

        // Opened again, then the service list is left with it open.
        openList();
        QTRY_VERIFY(panel() && panel()->isVisible());
        QCOMPARE(monitor.get_wpaCheckPeriodSecs(), 1);
        serviceHost->setVisible(false);
        QTRY_VERIFY(!panel());
        QCOMPARE(monitor.get_wpaCheckPeriodSecs(), 10);
    }

    void dockWithCabinetNetwork_data()
    {
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<QString>("shot");
        QTest::newRow("landscape") << false << "dock-network-landscape";
        QTest::newRow("portrait") << true << "dock-network-portrait";
    }

    void dockWithCabinetNetwork()
    {
        QFETCH(bool, portrait);
        QFETCH(QString, shot);

        NetworkInterfaces::useFake({{QStringLiteral("wlan0"), QStringLiteral("00:1A:2B:3C:4D:5E"), {}}});
        DADazodaru network(nullptr, nullptr, std::make_unique<PrimaryHost>());
        WifiMonitor monitor(nullptr, nullptr);
        m_engine->rootContext()->setContextProperty(QStringLiteral("kivnm"), &network);
        m_engine->rootContext()->setContextProperty(QStringLiteral("wifiMon"), &monitor);
        m_harness->mock(QStringLiteral("cabinetManager"))->setProperty("orientationPortrait", portrait);
        m_harness->mock(QStringLiteral("cabinetManager"))->setProperty("iAmMaster", true);
        // A portrait cabinet has its dock along the bottom.
        m_harness->mock(QStringLiteral("cabinetManager"))
            ->setProperty("pressGoDockPosition", portrait ? CabinetManager::PG_DOCK_POSITION_BOTTOM
                                                          : CabinetManager::PG_DOCK_POSITION_LEFT);
        m_harness->mock(QStringLiteral("configManager"))->setProperty("wifiEnabled", true);

        QQmlComponent component(m_engine, QUrl(QStringLiteral("qrc:///qml/main.qml")));
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        auto *window = qobject_cast<QQuickWindow *>(object.get());
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QQuickItem *mainPanel = findItem(window->contentItem(), QStringLiteral("mainPanel"));
        QVERIFY(mainPanel);

        // This cabinet hears itself, then a second cabinet.
        network.set_broadcastAddr(QStringLiteral("127.0.0.1"));
        network.broadcastName();
        QTRY_COMPARE(mainPanel->property("cabinetNetworkConnected").toBool(), true);
        QUdpSocket peer;
        peer.writeDatagram(DADazodaru::CabinetInfo::encode(QStringLiteral("Fryer"), "AA:BB:CC:DD:EE:01"),
                           QHostAddress(QStringLiteral("127.0.0.1")), DADazodaru::Port);
        QTRY_COMPARE(mainPanel->property("numCabinetsOnNetwork").toInt(), 2);
        network.set_wifiApConnected(true);
        monitor.set_signalLevel(80);

        QQuickItem *dock = findItem(window->contentItem(), portrait ? "portraitDock" : "landscapeDock");
        QVERIFY(dock);
        auto save = [&](const QString &name) {
            const QString path = portrait ? m_shots.saveUpright(mainPanel, name) : m_shots.save(mainPanel, name);
            QVERIFY(!path.isEmpty());
        };

        // The access point is connected: the level icon shows, not the
        // disconnected one.
        QQuickItem *wifiButton = findItem(dock, "wifiButton");
        QQuickItem *wifiLevel = findItem(dock, "wifiLevel");
        QVERIFY(wifiButton && wifiLevel);
        QTRY_VERIFY(wifiButton->isVisible() && wifiLevel->isVisible());
        QCOMPARE(wifiButton->property("source").toUrl(), QUrl());
        QVERIFY(!wifiLevel->property("source").toString().contains(QStringLiteral("Disconnected")));
        save(shot + "-wifi");

        // A tap on it shows the count of cabinets on the network.
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                          wifiButton->mapToScene(QPointF(wifiButton->width() / 2, wifiButton->height() / 2)).toPoint());
        QQuickItem *countButton = findItem(dock, "cabinetCountButton");
        QTRY_VERIFY(countButton->isVisible());
        QVERIFY(countButton->property("source").toString().endsWith(QStringLiteral("images/CircleButton.png")));
        save(shot + "-count");
    }
};

QTEST_MAIN(TestNetworkScreens)
#include "tst_networkscreens.moc"
