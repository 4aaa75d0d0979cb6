#include "core/cabinetmanager.h"
#include "core/kivmetatypes.h"
#include "core/mastersync.h"

#include "canbus/canbusmanager.h"
#include "menus/menumanager.h"

#include "bytelist.h"
#include "cabinetpersonality.h"
#include "displayenvironment.h"
#include "kitchenfiles.h"
#include "machinestates.h"
#include "simdisplayprocess.h"
#include "temproot.h"
#include "vcantap.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// A day part unlike the primary display's: eggs everywhere.
QByteArray eggsEverywhere()
{
    QJsonArray locations;
    for (int i = 0; i < 8; ++i)
        locations.append(QJsonObject{{"bin", i + 1}, {"productId", KitchenFiles::kEggs}});
    const QJsonObject dayPart{{"daypartName", QJsonObject{{"eng_USA", "Breakfast"}}},
                              {"inUse", true},
                              {"productLocations", locations}};
    return QJsonDocument(QJsonObject{{"dayPartVersion", 1}, {"layout", QJsonArray{dayPart}}}).toJson();
}

} // namespace

// The files that travel when the displays of one cabinet synchronise: the
// primary display (a process of its own) sends its menu and day parts, the
// secondary display (built in this process, in a root of its own) hands
// over its error buffer.
class TestDisplayFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_canBus;

private slots:
    void initTestCase()
    {
        KivMetaTypes::registerAll();
        QVERIFY(m_canBus.isValid());
    }

    void filesAtSynchronisation()
    {
        SimDisplayProcess primary(QStringLiteral(KIVLFBSIM_BINARY), QStringLiteral("primary"));
        QVERIFY(primary.prepare());
        // Nuggets are on the primary display's menu only; the menu is longer
        // than one 512-byte record.
        const QByteArray primaryMenu = KitchenMenu::menu({KitchenFiles::kPatty, KitchenFiles::kChicken,
                                                          KitchenFiles::kEggs, KitchenMenu::kNuggets});
        QVERIFY(primaryMenu.size() > 512);
        QVERIFY(primary.root().writeFile("/root/cabinet.hcc", cabinetPersonality("primaryWithSecondary")));
        QVERIFY(primary.root().writeFile("/root/menu.json", primaryMenu));
        QVERIFY(primary.root().writeFile("/root/dayParts.json", KitchenFiles::dayParts()));

        // The secondary display's root is the one this process works in.
        DisplayEnvironment env;
        QVERIFY(env.start());
        TempRoot root;
        QVERIFY(root.writeFile("/root/cabinet.hcc",
                               cabinetPersonality("secondary", [](QJsonObject &p) { p["syncNeeded"] = false; })));
        QVERIFY(root.writeFile("/root/menu.json", KitchenFiles::menu()));
        QVERIFY(root.writeFile("/root/dayParts.json", eggsEverywhere()));
        // A report this display never sends over CAN: the primary display
        // learns of it only from the buffer.
        const QByteArray errors = "1;2024/01/01 10:00:00;4\t4\t1\t0\n";
        QVERIFY(root.writeFile("/root/errorsBuff.txt", errors));

        VcanTap tap(m_canBus.path());
        QVERIFY(tap.isOpen());
        qputenv("KIV_VCAN_DIR", m_canBus.path().toLocal8Bit());
        CabinetManager secondary(0, 0, nullptr);
        auto *menus = secondary.findChild<MenuManager *>(QStringLiteral("menuManager"));
        auto *sync = secondary.findChild<MasterSync *>(QStringLiteral("syncMgr"));
        QVERIFY(menus && sync);
        QVERIFY(menus->getProductName(KitchenMenu::kNuggets).toString() != QLatin1String("Nuggets"));

        QVERIFY(primary.start(m_canBus.path(), {"-simulation"}));
        QVERIFY(primary.waitFor("sync finished", 60000) >= 0);
        QTRY_VERIFY_WITH_TIMEOUT(activeStateNames(*sync).contains(QStringLiteral("syncFinished")), 30000);

        // Both files arrive whole, and the reload after them finds the
        // primary display's menu.
        QTRY_COMPARE_WITH_TIMEOUT(root.readFile("/root/menu.json"), primary.root().readFile("/root/menu.json"), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(root.readFile("/root/dayParts.json"), primary.root().readFile("/root/dayParts.json"),
                                  30000);
        QTRY_COMPARE_WITH_TIMEOUT(menus->getProductName(KitchenMenu::kNuggets).toString(), QStringLiteral("Nuggets"), 30000);

        // The error buffer: taken into the primary display's log under its
        // own time and deleted there, then deleted here on its request.
        auto primaryLogs = [&primary] {
            QByteArray all;
            const QDir dir(primary.root().filePath("/root/errorLogs"));
            for (const QString &name : dir.entryList(QDir::Files))
                all += primary.root().readFile("/root/errorLogs/" + name);
            return all;
        };
        QTRY_VERIFY_WITH_TIMEOUT(primaryLogs().contains(errors), 30000);
        QVERIFY(!QFile::exists(primary.root().filePath("/root/errorsBuff.txt")));
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(root.filePath("/root/errorsBuff.txt")), 30000);
        QVERIFY(tap.singleFrames(1).contains(bytes({CanbusManager::KIVMSGSINGLE_CLEAR_ERRORS_BUFF})));
    }
};

QTEST_MAIN(TestDisplayFiles)
#include "tst_displayfiles.moc"
