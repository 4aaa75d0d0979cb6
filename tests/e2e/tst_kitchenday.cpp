#include "busmonitor.h"
#include "cabinetpersonality.h"
#include "kitchenmenu.h"
#include "simdisplayprocess.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <functional>

namespace {

using Field = SimDisplayProcess;

constexpr int kEggs = KitchenMenu::kEggs;
constexpr int kPatty = KitchenMenu::kPatty;
constexpr int kChicken = KitchenMenu::kChicken;

// The project clock runs at the wall clock's pace in a whole display: the
// day is quickened by a menu whose holds last seconds. A pan may be away
// from its bin for a few seconds and come back to the same hold.
constexpr int kEggsSecs = 20;
constexpr int kPattySecs = 14;
constexpr int kChickenSecs = 16;
constexpr int kAwaySecs = 4;
// The records take the time in whole seconds, each rounding on its own.
constexpr int kSlackSecs = 2;
const QString kStick = QStringLiteral("/media/sda1");
// The cabinet's shelves as its personality lays them out: two rows of two
// zones with two bins each.
constexpr int kBinsPerShelf = 4;

int holdSecs(int productId)
{
    return productId == kEggs ? kEggsSecs : productId == kPatty ? kPattySecs : kChickenSecs;
}

QByteArray menu()
{
    return KitchenMenu::menu({kPatty, kChicken, kEggs}, [](QJsonObject &p) {
        const int id = p["productId"].toInt();
        if (id == 0)
            return;
        p["holdingTime"] = holdSecs(id);
        p["warningTime"] = 5;
        p["resetTime"] = kAwaySecs;
        // One temperature for all, so a change of day part needs no new
        // preheat worth waiting for.
        p["lowerTemp"] = 150;
        p["upperTemp"] = 165;
    });
}

QJsonObject dayPart(const char *name, const QVector<int> &products)
{
    QJsonArray locations;
    for (int i = 0; i < products.size(); ++i)
        locations.append(QJsonObject{{"bin", i + 1}, {"productId", products.at(i)}});
    return QJsonObject{{"daypartName", QJsonObject{{"eng_USA", name}}}, {"inUse", true}, {"productLocations", locations}};
}

// Breakfast is eggs everywhere; lunch has patties on the primary display's
// half of the cabinet and chicken on the secondary display's.
constexpr int kLunch = 1;
QByteArray dayParts()
{
    const QJsonArray layout{dayPart("Breakfast", QVector<int>(8, kEggs)),
                            dayPart("Lunch", {kPatty, kPatty, kPatty, kPatty, kChicken, kChicken, kChicken, kChicken})};
    return QJsonDocument(QJsonObject{{"dayPartVersion", 1}, {"layout", layout}}).toJson();
}

// The 2x4 cabinet split as a person sees it: zones 0 and 1 (bins 0-3) on
// the primary display, zones 2 and 3 (bins 4-7) on the secondary display.
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

// One hold as the cook made it: the pan, where it started and where it
// ended, and when (wall clock, whole seconds) the cook saw it start and
// acknowledged its end.
struct Hold
{
    Hold(int productId, const QString &product, int tray)
        : productId(productId)
        , product(product)
        , tray(tray)
    {
    }

    int productId = 0;
    QString product;
    int tray = 0;
    int firstBin = -1;
    int lastBin = -1;
    QString pan; // the tag's id as the cabinet reports it (hex)
    qint64 seenStart = 0;
    qint64 seenEnd = 0;
    QJsonObject openRow; // the HACCP log's row while it held in its first bin
};

qint64 wallSecs()
{
    return QDateTime::currentSecsSinceEpoch();
}

// A HACCP row's start, read as if it were UTC: the cabinet logs its local
// time, whose distance from UTC the test does not know in advance.
qint64 rowStartAsUtc(const QJsonObject &row)
{
    QDateTime t = QDateTime::fromString(row.value("d").toString() + ' ' + row.value("t").toString(),
                                        QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    t.setTimeSpec(Qt::UTC);
    return t.isValid() ? t.toSecsSinceEpoch() : 0;
}

int durationSecs(const QString &hms)
{
    const QStringList f = hms.split(':');
    return f.size() == 3 ? f.at(0).toInt() * 3600 + f.at(1).toInt() * 60 + f.at(2).toInt() : -1;
}

// What the controller's day-part selector does on a display: sets the day
// part manager's next day part. It is reached from outside through the
// property interface the display offers on its system bus.
QString selectDayPart(const SimDisplayProcess &display, const QString &connectionName, int dayPart)
{
    QDBusConnection bus = QDBusConnection::connectToBus(display.busAddress(), connectionName);
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("com.corvantis.DBus"),
                                                       QStringLiteral("/KivApplication"),
                                                       QStringLiteral("com.corvantis.DBus.KivApplication"),
                                                       QStringLiteral("setObjectPropertyValue"));
    call << QStringLiteral("daypartManager") << QStringLiteral("nextDayPart") << QVariant::fromValue(QDBusVariant(dayPart));
    const QDBusMessage reply = bus.call(call, QDBus::Block, 10000);
    QDBusConnection::disconnectFromBus(connectionName);
    return reply.type() == QDBusMessage::ErrorMessage ? reply.errorMessage() : QString();
}

// Every error-log line a display wrote, from all its weekly files.
QStringList errorLogLines(const SimDisplayProcess &display)
{
    QStringList lines;
    const QDir dir(display.root().filePath("/root/errorLogs"));
    for (const QString &name : dir.entryList(QDir::Files))
        lines += QString::fromUtf8(display.root().readFile("/root/errorLogs/" + name)).split('\n', Qt::SkipEmptyParts);
    return lines;
}

} // namespace

// A day in the kitchen on one cabinet with a primary and a secondary
// display, two kivlfbsim processes on one virtual CAN bus. The cook places,
// moves and transfers pans over breakfast, switches both displays to lunch,
// and acknowledges every pan that has run out; afterwards the HACCP log the
// primary display keeps for the whole cabinet, the error logs and the cloud
// events an outside listener heard on the primary display's system bus tell
// the same story, hold by hold.
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
        // A USB stick in the primary display's port, for the exports at the
        // end of the day.
        QVERIFY(QDir().mkpath(primary.root().filePath(kStick)));
        QVERIFY(primary.root().addFakeTool("/bin/mount", "echo '/dev/sda1 on /media/sda1 type vfat (rw,relatime)'"));
        BusMonitor cloud;
        QVERIFY(cloud.start(primary.busAddress(), QStringLiteral("/KivApplication")));

        QVERIFY(secondary.start(m_canBus.path(), {"-simulation"}));
        QVERIFY(primary.start(m_canBus.path(), {"-simulation"}));
        QVERIFY(primary.waitFor("sync finished", 60000) >= 0);
        QVERIFY(secondary.waitFor("sync finished", 60000) >= 0);
        QVERIFY(primary.waitFor("readers ready", 60000) >= 0);

        const auto rows = [&primary] {
            return QJsonDocument::fromJson(primary.root().readFile("/root/haccpLogs/haccpLog.json"))
                .object().value("haccpInfo").toArray();
        };
        const auto openRow = [&rows](int bin, const QString &product) {
            for (const QJsonValue &v : rows()) {
                const QJsonObject row = v.toObject();
                if (row.value("b").toInt() == bin && row.value("p").toString() == product
                    && row.value("h").toString() == QLatin1String("----"))
                    return row;
            }
            return QJsonObject();
        };

        // The displays' cooks; bins 4-7 are shown by the secondary display,
        // but every pan goes on a reader of the primary display.
        auto shownOn = [&](int bin) -> SimDisplayProcess & { return bin < 4 ? primary : secondary; };
        QString answer;
        auto place = [&](Hold &h, int bin) {
            const int from = primary.lines().size();
            primary.send(QStringLiteral("pan %1 %2 %3").arg(bin).arg(h.productId).arg(h.tray));
            const int at = primary.waitFor(QStringLiteral("hold started bin=%1 ").arg(bin), 20000, from);
            if (at < 0)
                return false;
            h.seenStart = wallSecs();
            h.firstBin = h.lastBin = bin;
            h.pan = Field::field(primary.lines().at(at).text, "pan");
            // The HACCP log opens the hold's row, whichever display shows the bin.
            (void)QTest::qWaitFor([&] { return !openRow(bin, h.product).isEmpty(); }, 10000);
            h.openRow = openRow(bin, h.product);
            return Field::field(primary.lines().at(at).text, "product") == h.product && !h.openRow.isEmpty();
        };
        auto takeOff = [&](const Hold &h) {
            const int from = primary.lines().size();
            primary.send(QStringLiteral("nopan %1").arg(h.lastBin));
            return primary.waitFor(QStringLiteral("pan off reader bin=%1 pan=%2 ").arg(h.lastBin).arg(h.pan), 20000, from) >= 0;
        };
        // A pan taken off and put on another bin within the away time
        // carries its hold there: the bar of the old bin is free again and
        // the new one holds what was left.
        auto move = [&](Hold &h, int bin) {
            if (!takeOff(h))
                return false;
            const QString state = QStringLiteral("state %1").arg(h.lastBin);
            const QString prefix = QStringLiteral("state bin=%1 ").arg(h.lastBin);
            primary.send(QStringLiteral("pan %1 %2 %3").arg(bin).arg(h.productId).arg(h.tray));
            const QString target = QStringLiteral("state bin=%1 ").arg(bin);
            const bool moved = shownOn(bin).askUntil(QStringLiteral("state %1").arg(bin), target, [](const QString &a) {
                return Field::field(a, "tray").split(',').contains("holding");
            }, answer, 20000);
            const bool freed = shownOn(h.lastBin).askUntil(state, prefix, [](const QString &a) {
                return Field::field(a, "tray").split(',').contains("readyToHold");
            }, answer, 20000);
            h.lastBin = bin;
            return moved && freed;
        };
        // The pan has run out: the bar shows discard; the cook takes it out
        // and, a moment later, acknowledges the discard on the bar.
        auto discard = [&](Hold &h) {
            SimDisplayProcess &display = shownOn(h.lastBin);
            if (display.waitFor(QStringLiteral("discard bin=%1 ").arg(h.lastBin), (holdSecs(h.productId) + 20) * 1000) < 0)
                return false;
            if (!takeOff(h))
                return false;
            // Past its end by a second at least: the hold is over its time.
            if (!display.askUntil(QStringLiteral("state %1").arg(h.lastBin), QStringLiteral("state bin=%1 ").arg(h.lastBin),
                          [](const QString &a) { return Field::field(a, "remaining").toInt() < 0; }, answer, 10000))
                return false;
            const int from = primary.lines().size();
            display.send(QStringLiteral("touch %1").arg(h.lastBin));
            if (primary.waitFor(QStringLiteral("hold stopped bin=%1 pan=%2 ").arg(h.lastBin).arg(h.pan), 20000, from) < 0)
                return false;
            h.seenEnd = wallSecs();
            return true;
        };

        // Breakfast. Two egg pans, one on each display's half.
        Hold a{kEggs, "Eggs", 101};
        Hold b{kEggs, "Eggs", 102};
        QVERIFY(place(a, 0));
        QVERIFY(place(b, 5));
        // The first moves along its shelf, the second goes across to the
        // primary display's half.
        QVERIFY2(move(a, 1), qPrintable(answer));
        QVERIFY2(move(b, 2), qPrintable(answer));
        // Both run out and are thrown away, the one that started first first.
        QVERIFY2(discard(a), qPrintable(answer));
        QVERIFY2(discard(b), qPrintable(answer));

        // Lunch, chosen on each display: the bars load the lunch products.
        QCOMPARE(selectDayPart(primary, "primaryCook", kLunch), QString());
        QCOMPARE(selectDayPart(secondary, "secondaryCook", kLunch), QString());
        for (const auto &[bin, product] : {std::make_pair(3, kPatty), std::make_pair(6, kChicken)}) {
            QVERIFY2(shownOn(bin).askUntil(QStringLiteral("state %1").arg(bin), QStringLiteral("state bin=%1 ").arg(bin),
                              [product = product](const QString &a) {
                                  const QStringList tray = Field::field(a, "tray").split(',');
                                  return Field::field(a, "group").toInt() == product
                                      && (tray.contains("readyToHold") || tray.contains("preheating"));
                              }, answer, 60000), qPrintable(answer));
        }
        // A breakfast product is refused now.
        {
            const int from = primary.lines().size();
            primary.send(QStringLiteral("pan 0 %1 103").arg(kEggs));
            QVERIFY(primary.waitFor("mismatch bin=0 reason=Product Mismatch", 20000, from) >= 0);
            primary.send("nopan 0");
            QVERIFY(primary.waitFor("mismatch cleared bin=0", 20000, from) >= 0);
            QCOMPARE(primary.find("hold started", from), -1);
        }
        Hold c{kPatty, "Patty", 201};
        Hold d{kChicken, "Chicken", 202};
        QVERIFY(place(c, 3));
        QVERIFY(place(d, 6));
        QVERIFY2(discard(c), qPrintable(answer));
        QVERIFY2(discard(d), qPrintable(answer));
        const QList<Hold> day{a, b, c, d};

        // Nothing else started or went wrong on either display.
        for (SimDisplayProcess *display : {&primary, &secondary}) {
            QCOMPARE(display->find("error raised"), -1);
            QCOMPARE(display->find("link broken"), -1);
        }
        int starts = 0;
        for (int i = primary.find("hold started"); i >= 0; i = primary.find("hold started", i + 1))
            ++starts;
        QCOMPARE(starts, day.size());

        // Nothing went wrong all day: neither display logged an error.
        QCOMPARE(errorLogLines(primary), QStringList());
        QCOMPARE(errorLogLines(secondary), QStringList());
        // Closing time: the secondary display is switched off. After half a
        // minute without a word from it the primary display reports the lost
        // display on its screen and in its error log.
        QVERIFY(secondary.stop(SIGTERM));
        QVERIFY(primary.waitFor("error raised 4 0 0 0", 60000) >= 0);
        const qint64 lostAt = wallSecs();
        QVERIFY(primary.waitFor("dialog shown: ", 5000) >= 0);

        // The cloud heard each hold start where it started, move where it
        // went, run out, and end; all under the batch its start opened.
        QTRY_COMPARE_WITH_TIMEOUT(cloud.cloudEvents("holdStop").size(), day.size(), 10000);
        QCOMPARE(cloud.cloudEvents("holdStart").size(), day.size());
        QCOMPARE(cloud.cloudEvents("holdExpired").size(), day.size());
        QCOMPARE(cloud.cloudEvents("panTransfer").size(), 2);
        auto eventOf = [&](const char *name, const Hold &h) {
            for (const QJsonObject &e : cloud.cloudEvents(name))
                if (e.value("panId").toString() == h.pan)
                    return e;
            return QJsonObject();
        };
        QHash<QString, qint64> cloudStart;
        QHash<QString, qint64> cloudEnd;
        for (const Hold &h : day) {
            const QString who = QStringLiteral("%1 pan %2").arg(h.product, h.pan);
            const QJsonObject start = eventOf("holdStart", h);
            const QJsonObject expired = eventOf("holdExpired", h);
            const QJsonObject stop = eventOf("holdStop", h);
            QVERIFY2(!start.isEmpty() && !expired.isEmpty() && !stop.isEmpty(), qPrintable(who));
            QCOMPARE(start.value("productName").toString(), h.product);
            QCOMPARE(start.value("productId").toInt(), h.productId);
            QCOMPARE(start.value("zoneNumber").toInt(), h.firstBin + 1);
            QCOMPARE(start.value("holdSecondsRemaining").toInt(), holdSecs(h.productId));
            QCOMPARE(expired.value("zoneNumber").toInt(), h.lastBin + 1);
            QCOMPARE(expired.value("state").toString(), QStringLiteral("overHolding"));
            QCOMPARE(stop.value("zoneNumber").toInt(), h.lastBin + 1);
            QCOMPARE(stop.value("state").toString(), QStringLiteral("ready"));
            QVERIFY2(stop.value("holdSecondsRemaining").toInt() < 0, qPrintable(who));
            for (const QJsonObject &e : {expired, stop})
                QCOMPARE(e.value("eventUuid").toString(), start.value("eventUuid").toString());
            if (h.firstBin != h.lastBin) {
                const QJsonObject transfer = eventOf("panTransfer", h);
                QCOMPARE(transfer.value("zoneNumber").toInt(), h.lastBin + 1);
                QCOMPARE(transfer.value("eventUuid").toString(), start.value("eventUuid").toString());
            }
            cloudStart[h.pan] = start.value("timestamp").toString().toLongLong();
            cloudEnd[h.pan] = stop.value("timestamp").toString().toLongLong();
            // On the wall clock, when the cook saw it.
            QVERIFY2(qAbs(cloudStart[h.pan] - h.seenStart) <= kSlackSecs, qPrintable(who));
            QVERIFY2(qAbs(cloudEnd[h.pan] - h.seenEnd) <= kSlackSecs, qPrintable(who));
            QVERIFY2(qAbs(expired.value("timestamp").toString().toLongLong() - cloudStart[h.pan]
                          - holdSecs(h.productId)) <= kSlackSecs, qPrintable(who));
        }

        // The HACCP log of the whole cabinet is the primary display's; the
        // secondary display keeps none of its own. One finished row a hold,
        // in the bin it ended in, with its start and its length.
        QTRY_VERIFY_WITH_TIMEOUT(rows().size() == day.size() && !QJsonDocument(rows()).toJson().contains("----"), 10000);
        const QJsonArray secondaryRows = QJsonDocument::fromJson(secondary.root().readFile("/root/haccpLogs/haccpLog.json"))
                                             .object().value("haccpInfo").toArray();
        QVERIFY(secondaryRows.isEmpty());
        // The log keeps local time: its distance from the cloud's UTC is
        // whole quarter hours, the same for every row.
        qint64 localOffset = 0;
        bool offsetKnown = false;
        for (const Hold &h : day) {
            const QString who = QStringLiteral("%1 pan %2").arg(h.product, h.pan);
            QJsonObject row;
            for (const QJsonValue &v : rows())
                if (v.toObject().value("b").toInt() == h.lastBin && v.toObject().value("p").toString() == h.product)
                    row = v.toObject();
            QVERIFY2(!row.isEmpty(), qPrintable(who));
            const qint64 shift = rowStartAsUtc(row) - cloudStart[h.pan];
            if (!offsetKnown) {
                localOffset = qRound(double(shift) / 900) * 900;
                offsetKnown = true;
            }
            QVERIFY2(qAbs(shift - localOffset) <= kSlackSecs,
                     qPrintable(QStringLiteral("%1: logged start %2 %3, cloud start %4").arg(who, row.value("d").toString(),
                         row.value("t").toString()).arg(cloudStart[h.pan])));
            QVERIFY2(qAbs(rowStartAsUtc(h.openRow) - cloudStart[h.pan] - localOffset) <= kSlackSecs,
                     qPrintable(QStringLiteral("%1: opened at %2").arg(who, h.openRow.value("t").toString())));
            const int held = durationSecs(row.value("h").toString());
            QVERIFY2(qAbs(held - (cloudEnd[h.pan] - cloudStart[h.pan])) <= kSlackSecs,
                     qPrintable(QStringLiteral("%1: logged %2").arg(who, row.value("h").toString())));
            QVERIFY2(row.value("e").toBool(), qPrintable(who));
            qInfo().noquote() << QStringLiteral("%1 pan %2: bin %3 -> %4, cloud %5..%6 s, HACCP bin %7 from %8 for %9 expired=%10")
                                     .arg(h.product, h.pan).arg(h.firstBin).arg(h.lastBin)
                                     .arg(cloudStart[h.pan] - cloudStart[a.pan]).arg(cloudEnd[h.pan] - cloudStart[a.pan])
                                     .arg(row.value("b").toInt()).arg(row.value("t").toString(), row.value("h").toString())
                                     .arg(row.value("e").toBool());
        }

        // The error log holds the lost display once, when the cook saw it.
        // It is kept in the machine's local time (the HACCP log in the
        // cabinet's configured zone).
        QTRY_COMPARE_WITH_TIMEOUT(errorLogLines(primary).size(), 1, 10000);
        const QStringList error = errorLogLines(primary).first().split(';');
        QCOMPARE(error.size(), 3);
        QCOMPARE(error.at(2), QStringLiteral("4\t0\t0\t0"));
        const QDateTime loggedAt = QDateTime::fromString(error.at(1), QStringLiteral("yyyy/MM/dd HH:mm:ss"));
        QVERIFY2(loggedAt.isValid() && qAbs(loggedAt.toSecsSinceEpoch() - lostAt) <= kSlackSecs, qPrintable(error.at(1)));
        QCOMPARE(errorLogLines(secondary), QStringList());

        // What the Files screen's export buttons write on the stick. The
        // holding log's export has one line a row, in the log's own (the
        // cabinet's) time, shortened to minutes; the error log's export one
        // line an error, in the machine's local time as its log.
        auto exported = [&](const QString &log) {
            const int from = primary.lines().size();
            primary.send(QStringLiteral("export ") + log);
            const int at = primary.waitFor(QStringLiteral("exported %1 ").arg(log), 20000, from);
            if (at < 0)
                return QStringList{primary.lines().isEmpty() ? QString() : primary.lines().last().text};
            const QString file = primary.lines().at(at).text.section(' ', -1);
            return QString::fromUtf8(primary.root().readFile(file)).split('\n');
        };
        const QStringList csv = exported(QStringLiteral("haccp"));
        QCOMPARE(csv.value(0), QStringLiteral("Product Name, Shelf Number, Start Time, Discarded, Total Holding Duration,"));
        QCOMPARE(csv.mid(1 + day.size()), QStringList{QString()});
        QStringList csvRows = csv.mid(1, day.size());
        QStringList expectedRows;
        for (const Hold &h : day) {
            QJsonObject row;
            for (const QJsonValue &v : rows())
                if (v.toObject().value("b").toInt() == h.lastBin && v.toObject().value("p").toString() == h.product)
                    row = v.toObject();
            expectedRows << QStringLiteral("%1,%2,%3 %4,Yes,%5,").arg(h.product).arg(h.lastBin / kBinsPerShelf + 1)
                                .arg(row.value("d").toString().mid(5), row.value("t").toString().left(5),
                                     row.value("h").toString().left(5));
            // The minute shown is the one the cloud heard the start in, and
            // the length shown the whole minutes it heard it last.
            QDateTime minute = QDateTime::fromString(row.value("d").toString() + ' ' + row.value("t").toString().left(5),
                                                     QStringLiteral("yyyy/MM/dd HH:mm"));
            minute.setTimeSpec(Qt::UTC);
            const qint64 fromMinute = cloudStart[h.pan] + localOffset - minute.toSecsSinceEpoch();
            QVERIFY2(minute.isValid() && fromMinute >= -kSlackSecs && fromMinute < 60 + kSlackSecs,
                     qPrintable(QStringLiteral("%1: \"%2\", cloud start %3").arg(h.pan, expectedRows.last()).arg(cloudStart[h.pan])));
            QCOMPARE(row.value("h").toString().left(5), QStringLiteral("00:%1").arg((cloudEnd[h.pan] - cloudStart[h.pan]) / 60, 2, 10, QLatin1Char('0')));
        }
        csvRows.sort();
        expectedRows.sort();
        QCOMPARE(csvRows, expectedRows);
        qInfo().noquote() << "holding log export:" << csv.join(QStringLiteral(" | "));

        const QStringList errors = exported(QStringLiteral("errors"));
        QCOMPARE(errors, (QStringList{error.at(1) + QStringLiteral("    4.0.0.0    Secondary UI communication loss."), QString()}));
        qInfo().noquote() << "error log export:" << errors.first();
    }
};

QTEST_MAIN(TestKitchenDay)
#include "tst_kitchenday.moc"
