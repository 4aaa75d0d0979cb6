#include "busmonitor.h"
#include "cabinetpersonality.h"
#include "kitchenmenu.h"
#include "simdisplayprocess.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Field = SimDisplayProcess;

QByteArray primaryPersonality()
{
    return cabinetPersonality("primaryWithSecondary", [](QJsonObject &p) {
        p["zones2handleStart"] = 0;
        p["zones2handle"] = 2;
    });
}

QByteArray secondaryPersonality()
{
    return cabinetPersonality("secondary", [](QJsonObject &p) {
        p["syncNeeded"] = false;
        p["zones2handleStart"] = 2;
        p["zones2handle"] = 2;
    });
}

constexpr int kEggs = KitchenMenu::kEggs;
constexpr int kPatty = KitchenMenu::kPatty;
constexpr int kChicken = KitchenMenu::kChicken;

QByteArray menu()
{
    return KitchenMenu::menu({kPatty, kChicken, kEggs}, [](QJsonObject &p) {
        const int id = p["productId"].toInt();
        if (id == 0)
            return;
        p["holdingTime"] = id == kEggs ? 20 : id == kPatty ? 15 : 30;
        p["warningTime"] = 5;
        p["lowerTemp"] = 150;
        p["upperTemp"] = 165;
        p["resetTime"] = 4;
    });
}

QJsonObject dayPart(const char *name, const int (&products)[8])
{
    QJsonArray locations;
    for (int i = 0; i < 8; ++i)
        locations.append(QJsonObject{{"bin", i + 1}, {"productId", products[i]}});
    return QJsonObject{{"daypartName", QJsonObject{{"eng_USA", name}}}, {"inUse", true}, {"productLocations", locations}};
}

QByteArray dayParts()
{
    const int breakfast[8] = {kEggs, kEggs, kEggs, kEggs, kEggs, kEggs, kEggs, kEggs};
    const int lunch[8] = {kPatty, kPatty, kPatty, kPatty, kChicken, kChicken, kChicken, kChicken};
    return QJsonDocument(QJsonObject{{"dayPartVersion", 1},
                                     {"layout", QJsonArray{dayPart("Breakfast", breakfast), dayPart("Lunch", lunch)}}})
        .toJson();
}

void dump(const SimDisplayProcess &d, const char *name)
{
    qInfo() << "=====" << name;
    for (const auto &l : d.lines())
        qInfo().noquote() << l.atMs << l.text;
}

} // namespace

class TestKitchenDay : public QObject
{
    Q_OBJECT

    QTemporaryDir m_canBus;

private slots:
    void initTestCase() { QVERIFY(m_canBus.isValid()); }

    void breakfastAndLunch()
    {
        SimDisplayProcess primary(QStringLiteral(KIVLFBSIM_BINARY), QStringLiteral("primary"));
        SimDisplayProcess secondary(QStringLiteral(KIVLFBSIM_BINARY), QStringLiteral("secondary"));
        QVERIFY(primary.prepare() && secondary.prepare());
        for (auto [display, personality] : {std::make_pair(&primary, primaryPersonality()),
                                            std::make_pair(&secondary, secondaryPersonality())}) {
            QVERIFY(display->root().writeFile("/root/cabinet.hcc", personality));
            QVERIFY(display->root().writeFile("/root/menu.json", menu()));
            QVERIFY(display->root().writeFile("/root/dayParts.json", dayParts()));
        }
        BusMonitor cloud;
        QVERIFY(cloud.start(primary.busAddress(), "/KivApplication"));

        QVERIFY(secondary.start(m_canBus.path(), {"-simulation"}));
        QVERIFY(primary.start(m_canBus.path(), {"-simulation"}));
        QVERIFY(primary.waitFor("sync finished", 60000) >= 0);
        QVERIFY(secondary.waitFor("sync finished", 60000) >= 0);
        QVERIFY(primary.waitFor("readers ready", 60000) >= 0);
        qInfo() << "ready at" << SimDisplayProcess::clockMs();

        auto at = [&](SimDisplayProcess &d, const QString &prefix, int timeoutMs, int from) {
            const int i = d.waitFor(prefix, timeoutMs, from);
            qInfo() << "waited" << prefix << i << SimDisplayProcess::clockMs();
            return i;
        };
        int from = primary.lines().size();
        int sfrom = secondary.lines().size();
        primary.send("pan 0 17 101");
        (void)(at(primary, "hold started bin=0 ", 20000, from) >= 0);
        primary.send("pan 5 17 102");
        (void)(at(primary, "hold started bin=5 ", 20000, from) >= 0);
        primary.send("nopan 0");
        (void)(at(primary, "pan off reader bin=0 ", 20000, from) >= 0);
        primary.send("pan 1 17 101");
        QTest::qWait(2000);
        primary.send("nopan 5");
        (void)(at(primary, "pan off reader bin=5 ", 20000, from) >= 0);
        primary.send("pan 2 17 102");
        QTest::qWait(2000);
        primary.send("nopan 2");
        (void)(at(primary, "pan off reader bin=2 ", 20000, from) >= 0);
        (void)(at(primary, "discard bin=2", 20000, from) >= 0);
        primary.send("touch 2");
        (void)(at(primary, "discard bin=1", 30000, from) >= 0);
        primary.send("nopan 1");
        (void)(at(primary, "pan off reader bin=1 ", 20000, from) >= 0);
        primary.send("touch 1");
        (void)(at(primary, "hold stopped bin=1", 20000, from) >= 0);
        QTest::qWait(1000);
        primary.send("state 0");primary.send("state 1");primary.send("state 2");primary.send("state 3");
        secondary.send("state 4");secondary.send("state 5");secondary.send("state 6");secondary.send("state 7");
        QTest::qWait(1000);
        // day part
        for (auto *d : {&primary, &secondary}) {
        QDBusConnection bus = QDBusConnection::connectToBus(d->busAddress(), d == &primary ? "cook" : "cook2");
        QDBusMessage call = QDBusMessage::createMethodCall("com.corvantis.DBus", "/KivApplication",
                                                           "com.corvantis.DBus.KivApplication", "setObjectPropertyValue");
        call << QString("daypartManager") << QString("nextDayPart") << QVariant::fromValue(QDBusVariant(1));
        qInfo() << "dp call" << bus.call(call).errorMessage() << SimDisplayProcess::clockMs();
        }
        (void)(at(primary, "preheat done bin=3 product=Patty", 30000, from) >= 0);
        (void)(at(secondary, "preheat done bin=6 product=Chicken", 30000, sfrom) >= 0);
        primary.send("pan 3 12 201");
        (void)(at(primary, "hold started bin=3 ", 20000, from) >= 0);
        primary.send("pan 6 14 202");
        (void)(at(primary, "hold started bin=6 ", 20000, from) >= 0);
        QTest::qWait(2000);
        primary.send("nopan 6");
        (void)(at(secondary, "discard bin=6", 20000, sfrom) >= 0);
        secondary.send("touch 6");
        (void)(at(primary, "discard bin=3", 30000, from) >= 0);
        primary.send("nopan 3");
        (void)(at(primary, "pan off reader bin=3 ", 20000, from) >= 0);
        primary.send("touch 3");
        (void)(at(primary, "hold stopped bin=3", 20000, from) >= 0);
        QTest::qWait(3000);
        primary.send("state 0");primary.send("state 1");primary.send("state 2");primary.send("state 3");
        secondary.send("state 4");secondary.send("state 5");secondary.send("state 6");secondary.send("state 7");
        QTest::qWait(1000);

        dump(primary, "primary");
        dump(secondary, "secondary");
        qInfo().noquote() << "HACCP primary" << primary.root().readFile("/root/haccpLogs/haccpLog.json");
        qInfo().noquote() << "HACCP secondary" << secondary.root().readFile("/root/haccpLogs/haccpLog.json");
        for (auto *d : {&primary, &secondary}) {
            const QDir dir(d->root().filePath("/root/errorLogs"));
            for (const QString &name : dir.entryList(QDir::Files))
                qInfo().noquote() << "ERR" << name << d->root().readFile("/root/errorLogs/" + name);
            qInfo() << QDir(d->root().path()).entryList();
            qInfo() << QDir(d->root().filePath("/root")).entryList();
        }
        for (const auto &s : cloud.signalsNamed("riotEvent"))
            qInfo().noquote() << "RIOT" << s.args;
        for (const char *m : {"event_holdStart", "event_holdStarted", "event_holdStopped", "event_holdStop", "event_dayPartChange", "holdingStartedSignal", "holdingStoppedSignal"})
            for (const auto &s : cloud.signalsNamed(m))
                qInfo().noquote() << "SIG" << m << s.args;
    }
};

QTEST_MAIN(TestKitchenDay)
#include "tst_kitchenday.moc"
