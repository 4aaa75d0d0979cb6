#include "core/cabinetmanager.h"
#include "core/clockfilecodec.h"
#include "core/kivmetatypes.h"
#include "core/traybarsc.h"
#include "core/zonemanager.h"

#include "config/configurationmanager.h"
#include "menus/daypartmanager.h"
#include "platform/kivclock.h"

#include "bytelist.h"
#include "cabinetpersonality.h"
#include "displayenvironment.h"
#include "kitchenmenu.h"
#include "machinestates.h"
#include "messagecatcher.h"
#include "temproot.h"
#include "vcantap.h"

#include <QNetworkDatagram>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QUdpSocket>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const qint64 kNoon = 1704110400000; // 2024-01-01 12:00:00 UTC
const qint64 kHour = 3600000;

QByteArray ntpPacket(quint32 transmitSeconds, int size = ClockFileCodec::NtpPacketSize)
{
    QByteArray reply(40, '\0');
    reply[0] = char(0x24); // version 4, server
    for (int shift = 24; shift >= 0; shift -= 8)
        reply.append(char(quint8(transmitSeconds >> shift)));
    reply.append(QByteArray(4, '\0'));
    return reply.left(size);
}

// A time server on loopback that answers every request with the reply set.
class NtpResponder : public QObject
{
public:
    NtpResponder()
    {
        m_socket.bind(QHostAddress(QHostAddress::LocalHost), 0);
        connect(&m_socket, &QUdpSocket::readyRead, this, [this] {
            while (m_socket.hasPendingDatagrams()) {
                const QNetworkDatagram request = m_socket.receiveDatagram();
                requests << request.data();
                if (!reply.isEmpty())
                    m_socket.writeDatagram(reply, request.senderAddress(), quint16(request.senderPort()));
            }
        });
    }
    quint16 port() const { return m_socket.localPort(); }

    QByteArray reply; // none sent while empty
    QList<QByteArray> requests;

private:
    QUdpSocket m_socket;
};

// One tick of the cabinet's clock at the given moment.
void tickAt(CabinetManager *cm, const QDateTime &when)
{
    KivClock::freezeAt(when.toMSecsSinceEpoch());
    QMetaObject::invokeMethod(cm, "sysTimeUpdate");
}

bool setZone(ConfigurationManager *config, const QString &id, bool dst)
{
    const QStandardItemModel *zones = config->get_timeZonesModel();
    for (int row = 0; row < zones->rowCount(); ++row)
        if (zones->item(row)->data(Qt::UserRole + 1).toString() == id)
            config->set_timeZoneIndex(row);
    config->set_dstEnabled(dst);
    return config->getCurrentTimeZoneId() == id;
}

} // namespace

// Setting the system clock: from a time server, from the primary display's
// date-time message and from the date screen; the date and hwclock tools
// are fakes in the test's root that log their arguments.
class TestCabinetClock : public QObject
{
    Q_OBJECT

    DisplayEnvironment m_env;

    struct Display {
        std::unique_ptr<TempRoot> root;
        std::unique_ptr<CabinetManager> cabinet;
        ConfigurationManager *config() const { return cabinet->findChild<ConfigurationManager *>("configManager"); }
    };

    Display build(const QByteArray &personality, const QString &busDir,
                  const std::function<void(TempRoot &)> &prepare = {})
    {
        Display d;
        d.root = std::make_unique<TempRoot>();
        if (prepare)
            prepare(*d.root);
        d.root->writeFile("/root/cabinet.hcc", personality);
        d.root->writeFile("/root/menu.json", KitchenMenu::menu());
        d.root->addFakeTool("/bin/date");
        d.root->addFakeTool("/sbin/hwclock");
        qputenv("KIV_VCAN_DIR", busDir.toLocal8Bit());
        d.cabinet = std::make_unique<CabinetManager>(0, 0, nullptr);
        return d;
    }

private slots:
    void initTestCase()
    {
        KivMetaTypes::registerAll();
        QVERIFY(m_env.start());
    }
    void cleanup() { KivClock::useSystemClock(); }

    // The primary display asks a time server, sets its clock (the hardware
    // clock after the system clock) and passes the time on to its
    // secondary display. A reply that is too short or carries no time sets
    // nothing; the next request can still succeed.
    void timeServerSetsTheClock()
    {
        const QString bus = m_env.newCanBus();
        VcanTap tap(bus);
        QVERIFY(tap.isOpen());
        Display d = build(cabinetPersonality("primaryWithSecondary"), bus);
        CabinetManager *cm = d.cabinet.get();
        QVERIFY(cm->get_iAmMaster() && cm->get_hasSecondaryDisplay());
        d.config()->setProperty("timeFormatAMPM", true);
        d.config()->setProperty("dstEnabled", true);

        NtpResponder server;
        cm->setNtpServer(QStringLiteral("127.0.0.1"), server.port());
        QSignalSpy updated(cm, SIGNAL(dateTimeUpdated()));
        QSignalSpy changed(cm, SIGNAL(userChangedDateTime(qlonglong)));

        for (const QByteArray &useless : {ntpPacket(3913056000u, 47), ntpPacket(0)}) {
            MessageCatcher log;
            server.reply = useless;
            const int asked = server.requests.size();
            cm->ntpServerTimeRequest();
            QTRY_COMPARE(server.requests.size(), asked + 1);
            QTRY_VERIFY(log.contains(useless.size() < 48 ? "NTP read data length is not complete. Length = 47"
                                                         : "NTP reply carries no time"));
            QCOMPARE(server.requests.last(), ClockFileCodec::ntpRequest());
        }
        QTest::qWait(200);
        QCOMPARE(updated.count(), 0);
        QCOMPARE(changed.count(), 0);
        QVERIFY(d.root->fakeToolCalls("/bin/date").isEmpty());

        server.reply = ntpPacket(3913056000u); // 2024-01-01 00:00:00 UTC
        cm->ntpServerTimeRequest();
        QTRY_COMPARE(updated.count(), 1);
        QTRY_COMPARE(d.root->fakeToolCalls("/bin/date"), (QStringList{"010100002024.00", "--"}));
        QTRY_COMPARE(d.root->fakeToolCalls("/sbin/hwclock"), (QStringList{"--utc", "--systohc", "--"}));
        QCOMPARE(changed.count(), 1);
        const qint64 offset = changed.first().first().toLongLong();
        const qint64 expected = QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch()
            - KivClock::msecsSinceEpoch();
        QVERIFY2(qAbs(offset - expected) < 10000, qPrintable(QString::number(offset)));
        // Year 2024 big-endian, 1 January, hour 0 with the 12-hour and
        // daylight-saving flags of the configuration.
        QTRY_VERIFY(tap.singleFrames(1).contains(bytes({15, 0x07, 0xE8, 1, 1, 0xC0, 0, 0})));
    }

    // A display that receives the primary display's date and time passes
    // the fields unchanged to the date command and takes over the flags; a
    // message without a valid date sets nothing.
    void dateTimeMessageSetsTheClock()
    {
        Display d = build(cabinetPersonality("secondary"), m_env.newCanBus());
        CabinetManager *cm = d.cabinet.get();
        QSignalSpy ampm(cm, SIGNAL(timeFormatAMPM(bool)));
        QSignalSpy dst(cm, SIGNAL(dstEnabled(bool)));
        QSignalSpy updated(cm, SIGNAL(dateTimeUpdated()));

        cm->processSinglePacket(new QByteArray(bytes({15, 0x07, 0xE8, 13, 5, 9, 30, 15}))); // month 13
        cm->processSinglePacket(new QByteArray(bytes({15, 0x07, 0xE8, 3, 5, 9, 30})));      // one byte short
        QCOMPARE(updated.count(), 0);

        cm->processSinglePacket(new QByteArray(bytes({15, 0x07, 0xE8, 3, 5, 0xC9, 30, 15})));
        QCOMPARE(ampm, (QList<QVariantList>{{true}}));
        QCOMPARE(dst, (QList<QVariantList>{{true}}));
        QCOMPARE(updated.count(), 1);
        QTRY_COMPARE(d.root->fakeToolCalls("/bin/date"), (QStringList{"030509302024.15", "--"}));
        QTRY_COMPARE(d.root->fakeToolCalls("/sbin/hwclock"), (QStringList{"--utc", "--systohc", "--"}));
        QTRY_COMPARE(d.config()->property("dstEnabled").toBool(), true);
    }

    // The date screen enters local time; the clock is set in UTC.
    void dateScreenSetsTheClockInUtc()
    {
        Display d = build(cabinetPersonality("alone"), m_env.newCanBus());
        CabinetManager *cm = d.cabinet.get();
        d.config()->setProperty("dstEnabled", true);
        QSignalSpy ampm(cm, SIGNAL(timeFormatAMPM(bool)));
        QSignalSpy changed(cm, SIGNAL(userChangedDateTime(qlonglong)));

        const QDateTime local = QDateTime(QDate(2024, 7, 15), QTime(14, 30), Qt::UTC);
        cm->setSysTimeFromString(QStringLiteral("PM 02:30:00"), QStringLiteral("AP hh:mm:ss"),
                                 QStringLiteral("15072024"), QStringLiteral("ddMMyyyy"));
        QCOMPARE(ampm, (QList<QVariantList>{{true}}));
        QCOMPARE(changed.count(), 1);
        // The configured zone of the fixture at its 1970 offset, less the
        // daylight-saving hour.
        const QTimeZone zone(d.config()->getCurrentTimeZoneId().toLatin1());
        const QDateTime expected = local.addSecs(-qint64(zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(0, Qt::UTC))) - 3600);
        QTRY_COMPARE(d.root->fakeToolCalls("/bin/date"),
                     (QStringList{ClockFileCodec::dateCommandArgument(expected), "--"}));

        // A time that does not parse does not reach the tools.
        cm->setSysTimeFromString(QStringLiteral("25:61:00"), QStringLiteral("hh:mm:ss"),
                                 QStringLiteral("15072024"), QStringLiteral("ddMMyyyy"));
        QCOMPARE(ampm.count(), 2);
        QCOMPARE(changed.count(), 1);
        QTest::qWait(200);
        QCOMPARE(d.root->fakeToolCalls("/bin/date").size(), 2);
    }

    // The shown time is UTC plus the configured zone's offset (taken without
    // a date) and an hour with daylight saving, on every display.
    void tickShowsTheConfiguredTime_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<bool>("dst");
        QTest::addColumn<QTime>("shown");
        QTest::newRow("UTC") << "UTC" << false << QTime(14, 7, 9);
        QTest::newRow("quarter-hour zone") << "UTC+05:45" << false << QTime(19, 52, 9);
        QTest::newRow("half-hour zone with dst") << "UTC-04:30" << true << QTime(10, 37, 9);
        QTest::newRow("past midnight") << "UTC+13:00" << true << QTime(4, 7, 9);
    }
    void tickShowsTheConfiguredTime()
    {
        QFETCH(QString, zone);
        QFETCH(bool, dst);
        QFETCH(QTime, shown);
        Display d = build(cabinetPersonality("secondary"), m_env.newCanBus());
        QVERIFY(setZone(d.config(), zone, dst));
        tickAt(d.cabinet.get(), QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9), Qt::UTC));
        QCOMPARE(d.cabinet->get_sysTime(), shown);
    }

    // On the primary display with NTP on, a read cycle starts on the hour and
    // asks the server at each half minute, also on a late tick but once per
    // mark, four times at most; the next mark gives up. A reply ends the
    // cycle.
    void hourlyTimeServerReads()
    {
        // The clock stands still, off every mark, until the test moves it:
        // the display's own ticks act on nothing meanwhile.
        const QDateTime tenLocal(QDate(2024, 3, 5), QTime(9, 0), Qt::UTC); // 10:00 shown
        KivClock::freezeAt(tenLocal.addSecs(-597).toMSecsSinceEpoch());
        Display d = build(cabinetPersonality("primaryWithSecondary"), m_env.newCanBus());
        CabinetManager *cm = d.cabinet.get();
        QVERIFY(setZone(d.config(), "UTC+01:00", false));
        QVERIFY(d.config()->get_ntpOn());
        NtpResponder server;
        cm->setNtpServer(QStringLiteral("127.0.0.1"), server.port());
        // The cycle begun at start ends with its first answer.
        QSignalSpy updated(cm, SIGNAL(dateTimeUpdated()));
        server.reply = ntpPacket(3913056000u);
        cm->ntpServerTimeRequest();
        QTRY_COMPARE(updated.count(), 1);
        server.reply.clear();
        const int asked = server.requests.size();

        QSignalSpy reads(cm, SIGNAL(ntpServerTimeRead()));
        const struct {
            int secs;    // after 10:00:00
            int reads;   // so far
            bool gaveUp; // this tick logs the end of the cycle
        } steps[] = {
            {-1, 0, false}, {0, 1, false},   {15, 1, false}, {30, 2, false}, {30, 2, false}, // twice in 10:00:30
            {61, 3, false}, /* 10:01:00 missed */ {90, 4, false}, {120, 4, true}, {150, 4, false},
        };
        for (const auto &step : steps) {
            MessageCatcher log;
            tickAt(cm, tenLocal.addSecs(step.secs));
            QCOMPARE(reads.count(), step.reads);
            QCOMPARE(log.contains("NTP server read failed. Max tries reached"), step.gaveUp);
            // Each read reaches the server, one request per read.
            QTRY_COMPARE(server.requests.size(), asked + step.reads);
        }

        // 11:00:00 starts the next cycle; its first answer ends it.
        tickAt(cm, tenLocal.addSecs(3599));
        server.reply = ntpPacket(3913056000u);
        tickAt(cm, tenLocal.addSecs(3600));
        QCOMPARE(reads.count(), 5);
        QTRY_COMPARE(updated.count(), 2);
        tickAt(cm, tenLocal.addSecs(3630));
        tickAt(cm, tenLocal.addSecs(3660));
        QCOMPARE(reads.count(), 5);
    }

    // The primary display counts ten plugged-in minutes at each ten-minute
    // mark, exactly once, and keeps the count in its file.
    void pluggedInMinutesAreCounted()
    {
        const QDateTime ten(QDate(2024, 3, 5), QTime(10, 0), Qt::UTC);
        KivClock::freezeAt(ten.addSecs(-597).toMSecsSinceEpoch()); // off every mark
        Display d = build(cabinetPersonality("alone"), m_env.newCanBus(),
                          [](TempRoot &root) { root.writeFile("/root/pluggedInMinutes.txt", "120"); });
        CabinetManager *cm = d.cabinet.get();
        QVERIFY(setZone(d.config(), "UTC", false));
        QCOMPARE(cm->get_pluggedInMinutes(), 120);

        const struct {
            QTime at;
            int minutes; // in the file after this tick
        } steps[] = {
            {QTime(10, 9, 59), 120}, {QTime(10, 10, 0), 130}, {QTime(10, 19, 59), 130},
            {QTime(10, 20, 0), 140},
            {QTime(10, 30, 1), 150}, // the tick of 10:30:00 came late
            {QTime(10, 40, 0), 160}, {QTime(10, 40, 0), 160}, // two ticks within 10:40:00
            {QTime(10, 45, 0), 160},
            {QTime(16, 0, 0), 160}, // the clock was set forward
            {QTime(16, 10, 0), 170},
            {QTime(9, 30, 0), 170}, // and back
            {QTime(9, 40, 0), 180},
        };
        for (const auto &step : steps) {
            tickAt(cm, QDateTime(ten.date(), step.at, Qt::UTC));
            QCOMPARE(cm->get_pluggedInMinutes(), step.minutes);
            // Decimal text without a line end, never a torn file.
            QCOMPARE(d.root->readFile("/root/pluggedInMinutes.txt"), QByteArray::number(step.minutes));
        }

        // A file that cannot be written is logged; the count goes on.
        QVERIFY(QFile::remove(d.root->filePath("/root/pluggedInMinutes.txt")));
        QVERIFY(QDir().mkpath(d.root->filePath("/root/pluggedInMinutes.txt")));
        MessageCatcher log;
        tickAt(cm, QDateTime(ten.date(), QTime(9, 50, 0), Qt::UTC));
        QCOMPARE(cm->get_pluggedInMinutes(), 190);
        QVERIFY(log.contains("Unable to open the file pluggedInMinutes.txt"));
    }

    // A secondary display starts no read cycle and counts no minutes.
    void secondaryDisplayKeepsNoSchedule()
    {
        Display d = build(cabinetPersonality("secondary"), m_env.newCanBus(),
                          [](TempRoot &root) { root.writeFile("/root/pluggedInMinutes.txt", "120"); });
        CabinetManager *cm = d.cabinet.get();
        QVERIFY(setZone(d.config(), "UTC", false));
        d.config()->set_ntpOn(true);
        QSignalSpy reads(cm, SIGNAL(ntpServerTimeRead()));
        for (int secs : {-1, 0, 30, 60, 90, 120, 150, 599, 600})
            tickAt(cm, QDateTime(QDate(2024, 3, 5), QTime(10, 0), Qt::UTC).addSecs(secs));
        QCOMPARE(reads.count(), 0);
        QCOMPARE(cm->get_pluggedInMinutes(), 0);
        QCOMPARE(d.root->readFile("/root/pluggedInMinutes.txt"), QByteArray("120"));
    }

    // A running hold keeps the time it had left when the clock is set: the
    // jump is not time held.
    void holdKeepsItsTimeWhenTheClockIsSet_data()
    {
        QTest::addColumn<qint64>("jump");
        QTest::newRow("an hour forward") << kHour;
        QTest::newRow("an hour back") << -kHour;
    }

    void holdKeepsItsTimeWhenTheClockIsSet()
    {
        QFETCH(qint64, jump);
        KivClock::freezeAt(kNoon);
        Display d = build(cabinetPersonality("alone"), m_env.newCanBus());
        CabinetManager *cm = d.cabinet.get();
        QTRY_VERIFY_WITH_TIMEOUT(cm->get_holdRestoreReady(), 10000);

        const int bin = 2;
        cm->findChild<DayPartManager *>("daypartManager")->setProdIdOnBin(0, bin, KitchenMenu::kPatty);
        TrayBarSc *bar = cm->getTrayPtr(uchar(bin));
        auto *zone = cm->findChild<ZoneManager *>(QStringLiteral("zone%1").arg(bin / cm->get_traysPerZone()));
        QVERIFY(bar && zone);
        zone->set_currentDayPart(zone->get_nextDayPart());
        emit bar->assign();
        QTRY_VERIFY(activeStateNames(*bar).contains(QStringLiteral("preheating")));
        cm->startBinTimer(uchar(bin), 600, 0);
        QCOMPARE(bar->get_remainingTime(), 600);

        // The date command moves the system clock; the test moves the
        // project clock as it would.
        cm->setSystemDateTime(KivClock::nowUtc().addMSecs(jump));
        KivClock::advance(jump);
        QSignalSpy ticked(bar, SIGNAL(remainingTimeChanged(int)));
        QVERIFY(ticked.wait(3000));
        QVERIFY2(bar->get_remainingTime() >= 598, qPrintable(QString::number(bar->get_remainingTime())));
        QVERIFY(!activeStateNames(*bar).contains(QStringLiteral("discard")));
    }
};

QTEST_MAIN(TestCabinetClock)
#include "tst_cabinetclock.moc"
