#include "core/cabinetmanager.h"
#include "core/kivmetatypes.h"
#include "core/mastersync.h"
#include "core/traybarsc.h"
#include "core/zonemanager.h"

#include "menus/daypartmanager.h"
#include "platform/kivclock.h"
#include "platform/safefilewriter.h"

#include "kitchenmenu.h"
#include "displayenvironment.h"
#include "machinestates.h"
#include "cabinetpersonality.h"
#include "temproot.h"

#include <QDataStream>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const qint64 kNoon = 1704110400000; // 2024-01-01 12:00:00 UTC
const qint64 kMinute = 60000;
const int kPatty = 12;

// Patties that warn two minutes before the end.
const QByteArray kMenu = KitchenMenu::menu({KitchenMenu::kPatty}, [](QJsonObject &p) {
    if (p["productId"].toInt() == KitchenMenu::kPatty)
        p["warningTime"] = 120;
});

// The 2x4 cabinet seen from one of its displays: a primary display alone,
// a primary display with a secondary, or that secondary.
QByteArray personality(const QString &role)
{
    if (role == "primary")
        return cabinetPersonality("primaryWithSecondary");
    if (role == "secondary")
        return cabinetPersonality("secondary", [](QJsonObject &p) { p["syncNeeded"] = false; });
    return cabinetPersonality(role);
}

QJsonObject readJson(const TempRoot &root, const QString &path)
{
    return QJsonDocument::fromJson(root.readFile(path)).object();
}

QJsonObject fileRecord(const TempRoot &root, int bin)
{
    return readJson(root, "/root/trayBarInfo.json")["trayBarInfo"].toArray().at(bin).toObject();
}

} // namespace

class TestHoldingRestore : public QObject
{
    Q_OBJECT

    DisplayEnvironment m_env;
    QTemporaryDir m_canDir;
    int m_busCount = 0;

    struct Display {
        std::unique_ptr<TempRoot> root;
        std::unique_ptr<CabinetManager> cabinet;

        MasterSync *sync() const { return cabinet->findChild<MasterSync *>(QStringLiteral("syncMgr")); }
        DayPartManager *dayParts() const { return cabinet->findChild<DayPartManager *>(QStringLiteral("daypartManager")); }
        SafeFileWriter *writer() const { return cabinet->findChild<SafeFileWriter *>(); }
        bool synced() const { return activeStateNames(*sync()).contains(QStringLiteral("syncFinished")); }
    };

    QString freshBus()
    {
        const QString dir = m_canDir.filePath(QStringLiteral("bus%1").arg(++m_busCount));
        QDir().mkpath(dir);
        return dir;
    }

    // A display in a root of its own, or (restart) in the root given.
    static void start(Display &d, const QString &role, const QString &busDir)
    {
        if (!d.root) {
            d.root = std::make_unique<TempRoot>();
            d.root->writeFile("/root/cabinet.hcc", personality(role));
            d.root->writeFile("/root/menu.json", kMenu);
        }
        qputenv("KIV_VCAN_DIR", busDir.toLocal8Bit());
        d.cabinet = std::make_unique<CabinetManager>(0, 0, nullptr);
    }

    // Puts the product on the bin and brings its bar to ready-to-hold.
    static TrayBarSc *assignedBar(Display &d, int bin, int productId)
    {
        d.dayParts()->setProdIdOnBin(0, bin, productId);
        TrayBarSc *bar = d.cabinet->getTrayPtr(uchar(bin));
        ZoneManager *zone = d.cabinet->findChild<ZoneManager *>(
            QStringLiteral("zone%1").arg(bin / d.cabinet->get_traysPerZone()));
        if (!bar || !zone)
            return nullptr;
        zone->set_currentDayPart(zone->get_nextDayPart());
        emit bar->assign();
        return bar;
    }

    // The holding file is rewritten on the next save (the clock moves past
    // the 500 ms delay) and the safe-write chain has finished.
    static bool waitForSave(Display &d)
    {
        QSignalSpy saved(d.writer(), &SafeFileWriter::saveFinished);
        KivClock::advance(500);
        return saved.wait(5000) && saved.first().first().value<SafeFileWriter::Result>() == SafeFileWriter::Saved;
    }

private slots:
    void initTestCase()
    {
        KivMetaTypes::registerAll();
        qRegisterMetaType<SafeFileWriter::Result>();
        QVERIFY(m_env.start());
        QVERIFY(m_canDir.isValid());
    }
    void init() { KivClock::freezeAt(kNoon); }
    void cleanup() { KivClock::useSystemClock(); }

    // A hold survives a restart: the file written while it ran brings it
    // back with the time that passed while the controller was down.
    void holdSurvivesARestart()
    {
        Display d;
        const QString bus = freshBus();
        start(d, "alone", bus);
        QTRY_VERIFY_WITH_TIMEOUT(d.cabinet->get_holdRestoreReady(), 10000);
        TrayBarSc *bar = assignedBar(d, 2, kPatty);
        QVERIFY(bar);
        QTRY_COMPARE(stateOf(bar), QStringLiteral("preheating"));
        d.cabinet->startBinTimer(2, 900, 0);
        QCOMPARE(stateOf(bar), QStringLiteral("standard"));
        QTRY_COMPARE(int(d.cabinet->getTrayInfo(2).holdActivity), 4);
        QVERIFY(waitForSave(d));
        const QJsonObject stored = fileRecord(*d.root, 2);
        QCOMPARE(stored["holdActivity"].toInt(), 4);
        QCOMPARE(stored["groupId"].toInt(), kPatty);
        QCOMPARE(qint64(stored["expectedTime"].toDouble()), kNoon + 900000);
        QVERIFY(!d.root->readFile("/root/trayBarInfo.json.New").size());

        // Down for ten minutes: five of the fifteen are left.
        d.cabinet.reset();
        KivClock::advance(10 * kMinute);
        start(d, "alone", bus);
        QTRY_VERIFY_WITH_TIMEOUT(d.cabinet->get_holdRestoreReady(), 10000);
        bar = d.cabinet->getTrayPtr(2);
        QTRY_COMPARE(stateOf(bar), QStringLiteral("standard"));
        QVERIFY(qAbs(bar->get_remainingTime() - 300) <= 1);
        QVERIFY(d.cabinet->get_restoreHoldingFlag());
        QVERIFY(d.cabinet->get_activelyHolding());
        QTRY_COMPARE(int(d.cabinet->getTrayInfo(2).holdActivity), 3);
        QVERIFY(d.cabinet->getTrayInfo(3).holdActivity < 2);

        // Past its end while the controller was down: back, in discard.
        d.cabinet.reset();
        KivClock::advance(20 * kMinute);
        start(d, "alone", bus);
        QTRY_VERIFY_WITH_TIMEOUT(d.cabinet->get_holdRestoreReady(), 10000);
        QTRY_COMPARE(stateOf(d.cabinet->getTrayPtr(2)), QStringLiteral("discard"));
    }

    // Many changes in a short time give one save, 500 ms after the last; no
    // save happens before the restore has finished.
    void savesAreGathered()
    {
        Display d;
        start(d, "alone", freshBus());
        CabinetManager *cm = d.cabinet.get();
        QSignalSpy saved(d.writer(), &SafeFileWriter::saveFinished);
        // A save starts its write at once: the writer is busy until the
        // file is in place.
        cm->writeTrayBarHoldingInfo();
        QVERIFY(!d.writer()->isBusy());
        QCOMPARE(saved.count(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(cm->get_holdRestoreReady(), 10000);
        // The bars' first refresh is saved; count from there.
        QVERIFY(waitForSave(d));
        saved.clear();

        trayInfo ti;
        ti.binNumber = 1;
        ti.groupId = kPatty;
        for (int i = 0; i < 10; ++i) {
            ti.holdActivity = 2;
            ti.remainingTime = 900 - i;
            cm->updateTrayBarHoldingInfo(ti);
            KivClock::advance(40);
        }
        // A refresh keeps what the bin was doing.
        ti.holdActivity = 6;
        cm->updateTrayBarHoldingInfo(ti);
        QCOMPARE(int(cm->getTrayInfo(1).holdActivity), 2);

        // The delay runs on the project clock: a move that makes it due
        // starts the save before it returns.
        KivClock::advance(499);
        QVERIFY(!d.writer()->isBusy());
        QCOMPARE(saved.count(), 0);
        KivClock::advance(1);
        QVERIFY(d.writer()->isBusy());
        QVERIFY(saved.wait(3000));
        // No second save is under way or waiting behind the first.
        QVERIFY(!d.writer()->isBusy());
        QCOMPARE(saved.count(), 1);
        QCOMPARE(fileRecord(*d.root, 1)["remainingTime"].toInt(), 891);
        QCOMPARE(fileRecord(*d.root, 1)["holdActivity"].toInt(), 2);

        // And at least every five minutes without changes.
        KivClock::advance(300000);
        QVERIFY(saved.wait(3000));
    }

    // After an upgrade the older file is read once and removed; the JSON
    // file beside it is not read. A holding file that is not JSON restores
    // nothing and is replaced by the next save.
    void olderFileFirstAndBadFiles()
    {
        Display d;
        d.root = std::make_unique<TempRoot>();
        d.root->writeFile("/root/cabinet.hcc", personality("alone"));
        d.root->writeFile("/root/menu.json", kMenu);
        QByteArray legacy;
        {
            QDataStream out(&legacy, QIODevice::WriteOnly);
            out << qint64(kNoon - 5 * kMinute);
            for (int bin = 0; bin < 8; ++bin) {
                const bool held = bin == 3;
                out << qint8(bin) << qint8(held ? 2 : 0) << qint8(0) << qint8(0) << qint32(held ? kPatty : 0)
                    << qint8(0) << qint32(held ? 600 : 0) << qint64(held ? kNoon + 10 * kMinute : 0);
            }
            out << qint32(0);
        }
        d.root->writeFile("/root/trayBarInfo.txt", legacy);
        QJsonObject json{{"timeStamp", kNoon},
                         {"trayBarInfo", QJsonArray{QJsonObject{{"binNumber", 1}, {"holdActivity", 2},
                                                                {"groupId", kPatty}, {"expectedTime", kNoon + 600000}}}}};
        d.root->writeFile("/root/trayBarInfo.json", QJsonDocument(json).toJson());

        start(d, "alone", freshBus());
        QTRY_VERIFY_WITH_TIMEOUT(d.cabinet->get_holdRestoreReady(), 10000);
        QCOMPARE(int(d.cabinet->getTrayInfo(3).holdActivity) >= 2, true);
        QCOMPARE(qint32(d.cabinet->getTrayInfo(3).remainingTime), 600);
        QVERIFY(d.cabinet->getTrayInfo(1).holdActivity < 2);
        QVERIFY(!QFile::exists(d.root->filePath("/root/trayBarInfo.txt")));

        d.cabinet.reset();
        d.root->writeFile("/root/trayBarInfo.json", "{\"timeStamp\": 17041104");
        start(d, "alone", freshBus());
        QTRY_VERIFY_WITH_TIMEOUT(d.cabinet->get_holdRestoreReady(), 10000);
        QVERIFY(!d.cabinet->get_activelyHolding());
        QVERIFY(waitForSave(d));
        QVERIFY(readJson(*d.root, "/root/trayBarInfo.json").contains("trayBarInfo"));
    }

    // A link change between the displays: the primary display forgets the
    // holds of the bins the secondary display drives (its own stay) until
    // they are sent again; the secondary display marks every zone with the
    // lost primary display while the link is down.
    void linkChangeBetweenDisplays()
    {
        Display primary;
        primary.root = std::make_unique<TempRoot>();
        primary.root->writeFile("/root/cabinet.hcc", cabinetPersonality("primaryWithSecondary", [](QJsonObject &p) {
            p["zones2handle"] = 2; // bins 0-3; the secondary display drives 4-7
        }));
        primary.root->writeFile("/root/menu.json", kMenu);
        start(primary, QString(), freshBus());
        CabinetManager *cm = primary.cabinet.get();
        for (const bool broken : {true, false}) {
            for (int bin : {1, 5, 7}) {
                trayInfo ti;
                ti.binNumber = quint8(bin);
                ti.holdActivity = 4;
                ti.groupId = kPatty;
                cm->updateTrayBarHoldingInfo(ti);
            }
            cm->notifyZonesOfBrokenCanLinkStatus(broken);
            QCOMPARE(int(cm->getTrayInfo(1).holdActivity), 4);
            QCOMPARE(int(cm->getTrayInfo(5).holdActivity), 0);
            QCOMPARE(int(cm->getTrayInfo(7).holdActivity), 0);
            for (QObject *zone : cm->get_zonesModelList())
                QCOMPARE(qobject_cast<ZoneManager *>(zone)->get_errorFlags() & ZoneManager::ZE_PRIMARY_UI_COMM_LOSS, 0u);
        }

        Display secondary;
        secondary.root = std::make_unique<TempRoot>();
        secondary.root->writeFile("/root/cabinet.hcc", cabinetPersonality("secondary", [](QJsonObject &p) {
            p["syncNeeded"] = false;
            p["zones2handleStart"] = 2;
            p["zones2handle"] = 2;
        }));
        secondary.root->writeFile("/root/menu.json", kMenu);
        start(secondary, QString(), freshBus());
        const QList<QObject *> zones = secondary.cabinet->get_zonesModelList();
        QCOMPARE(zones.size(), 2);
        for (const bool broken : {true, false}) {
            secondary.cabinet->notifyZonesOfBrokenCanLinkStatus(broken);
            for (QObject *zone : zones)
                QCOMPARE(bool(qobject_cast<ZoneManager *>(zone)->get_errorFlags() & ZoneManager::ZE_PRIMARY_UI_COMM_LOSS),
                         broken);
        }
    }

    // A primary and a secondary display on one bus find each other; when the
    // secondary display stops, the primary reports the lost link after 30 s
    // of silence, and withdraws it when the secondary display comes back.
    void displaysFindEachOtherAndWatchTheLink()
    {
        KivClock::useSystemClock(); // the bus counts real seconds of silence
        const QString bus = freshBus();
        Display primary;
        Display secondary;
        start(primary, "primary", bus);
        start(secondary, "secondary", bus);
        MasterSync *sync = primary.sync();
        QSignalSpy raised(sync, &MasterSync::syncErrorInfo);
        QSignalSpy cleared(sync, &MasterSync::syncErrorClearInfo);
        QSignalSpy dialog(sync, &MasterSync::displayErrorMsg);

        QTRY_VERIFY_WITH_TIMEOUT(primary.synced() && secondary.synced(), 15000);
        QVERIFY(sync->get_slaveUIfound());
        QVERIFY(secondary.cabinet->get_slaveReadyForMaster());
        QCOMPARE(raised.count(), 0);

        secondary.cabinet.reset();
        QTRY_VERIFY_WITH_TIMEOUT(sync->get_canLinkBroken(), 40000);
        QCOMPARE(raised.count(), 1);
        QCOMPARE(raised.first(), (QVariantList{4, 0, 0, 0}));
        QVERIFY(dialog.last().first().toString().contains("Secondary UI communication loss."));

        start(secondary, "secondary", bus);
        QTRY_VERIFY_WITH_TIMEOUT(!sync->get_canLinkBroken(), 10000);
        QCOMPARE(cleared.count(), 1);
        QCOMPARE(cleared.first(), (QVariantList{4, 0, 0, 0}));
        QTRY_VERIFY_WITH_TIMEOUT(primary.synced() && secondary.synced() && sync->get_slaveUIfound(), 15000);
        QCOMPARE(raised.count(), 1);
    }
};

QTEST_MAIN(TestHoldingRestore)
#include "tst_holdingrestore.moc"
