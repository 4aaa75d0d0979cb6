#include "core/cabinetmanager.h"
#include "core/canmessagecodec.h"
#include "core/kivmetatypes.h"
#include "core/traybarsc.h"
#include "core/zonemanager.h"

#include "canbus/canbusmanager.h"
#include "modbus/qmodbuspollinfo.h"
#include "nfc/bininfo.h"
#include "nfc/masteriomanager.h"

#include "bytelist.h"
#include "displayenvironment.h"
#include "cabinetpersonality.h"
#include "temproot.h"
#include "vcantap.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// Every log line while it lives, warnings and debug lines alike.
class LogCatcher
{
public:
    LogCatcher() { s_current = this; m_previous = qInstallMessageHandler(handler); }
    ~LogCatcher() { qInstallMessageHandler(m_previous); s_current = nullptr; }
    bool contains(const QString &text) const
    {
        for (const QString &line : lines)
            if (line.contains(text))
                return true;
        return false;
    }
    QStringList lines;

private:
    static void handler(QtMsgType, const QMessageLogContext &, const QString &msg)
    {
        if (s_current)
            s_current->lines << msg;
    }
    QtMessageHandler m_previous;
    static LogCatcher *s_current;
};
LogCatcher *LogCatcher::s_current = nullptr;

// The 2x4 primary personality, or the same cabinet seen from a mirror or a
// secondary display.
QByteArray personality(const QString &role)
{
    return cabinetPersonality(role == "primary" ? QStringLiteral("primaryWithMirror") : role);
}

struct Display {
    std::unique_ptr<TempRoot> root;
    std::unique_ptr<CabinetManager> cabinet;

    TrayBarSc *tray(int bin) const { return cabinet->findChild<TrayBarSc *>(QStringLiteral("tbsc%1").arg(bin)); }
    ZoneManager *zone(int number) const { return cabinet->findChild<ZoneManager *>(QStringLiteral("zone%1").arg(number)); }
    CanbusManager *can() const { return cabinet->findChild<CanbusManager *>(QStringLiteral("cbm")); }
};

bool hasFrameStartingWith(const VcanTap &tap, quint32 senderId, const QByteArray &start)
{
    for (const QByteArray &data : tap.singleFrames(senderId))
        if (data.startsWith(start))
            return true;
    return false;
}

} // namespace

class TestDisplayMessages : public QObject
{
    Q_OBJECT

    DisplayEnvironment m_env;
    QTemporaryDir m_canDir;
    int m_busCount = 0;

    // A display built in this process from a personality file, on the bus
    // directory given.
    Display build(const QString &role, const QString &busDir)
    {
        Display d;
        d.root = std::make_unique<TempRoot>();
        d.root->writeFile("/root/cabinet.hcc", personality(role));
        qputenv("KIV_VCAN_DIR", busDir.toLocal8Bit());
        d.cabinet = std::make_unique<CabinetManager>(0, 0, nullptr);
        return d;
    }

    QString freshBus()
    {
        const QString dir = m_canDir.filePath(QStringLiteral("bus%1").arg(++m_busCount));
        QDir().mkpath(dir);
        return dir;
    }

private slots:
    void initTestCase()
    {
        KivMetaTypes::registerAll();
        QVERIFY(m_env.start());
        QVERIFY(m_canDir.isValid());
    }

    // A primary display and its mirror on one bus: tray and zone properties
    // changed on the primary show on the mirror, a touch on the mirror comes
    // back to the primary as an action.
    void mirrorFollowsPrimary()
    {
        const QString bus = freshBus();
        VcanTap tap(bus);
        QVERIFY(tap.isOpen());
        Display primary = build("primary", bus);
        Display mirror = build("mirror", bus);
        QVERIFY(primary.cabinet->get_iAmMaster());
        QCOMPARE(mirror.cabinet->get_uiRole(), 3);
        QVERIFY(primary.tray(4) && mirror.tray(4));

        primary.tray(4)->set_holdTime(900);
        QTRY_COMPARE(mirror.tray(4)->get_holdTime(), 900);
        QVERIFY(hasFrameStartingWith(tap, 1, bytes({30, 4, 4, 0, 0, 3, 132})));

        primary.tray(2)->set_useBin(true);
        QTRY_VERIFY(mirror.tray(2)->get_useBin());

        primary.zone(1)->set_errorFlags(0x10);
        QTRY_COMPARE(mirror.zone(1)->get_errorFlags(), 0x10u);
        QVERIFY(hasFrameStartingWith(tap, 1, bytes({30, 13, 1, 0, 0, 0, 16})));

        QSignalSpy clicked(primary.tray(4), SIGNAL(userClicked()));
        emit mirror.tray(4)->mirrorClicked();
        QTRY_COMPARE(clicked.count(), 1);
        QVERIFY(hasFrameStartingWith(tap, 2, bytes({31, 1, 4})));

        QSignalSpy cancelled(primary.tray(6), SIGNAL(cancelHolding()));
        emit mirror.tray(6)->mirrorCancelHolding();
        QTRY_COMPARE(cancelled.count(), 1);
    }

    // A secondary display drives its own bins and forwards holding records,
    // hold events and alarm requests to the primary display.
    void secondaryForwardsToPrimary()
    {
        const QString bus = freshBus();
        VcanTap tap(bus);
        Display primary = build("primaryWithSecondary", bus);
        Display secondary = build("secondary", bus);
        QCOMPARE(secondary.cabinet->get_uiRole(), 2);

        QSignalSpy records(primary.can(), SIGNAL(receivedMpm(int,QByteArray)));
        trayInfo ti;
        ti.binNumber = 5;
        ti.holdActivity = 2;
        ti.groupId = 77;
        ti.remainingTime = 900;
        ti.processId = 1700000000000LL;
        emit secondary.tray(5)->holdingStartedSignal(ti);
        QTRY_COMPARE(records.count(), 1);
        QCOMPARE(records.at(0).at(0).toInt(), int(CanbusManager::KIV_MULTI_TRAY_INFO));
        trayInfo arrived;
        QVERIFY(CanMessageCodec::decodeTrayInfo(records.at(0).at(1).toByteArray(), arrived));
        QCOMPARE(int(arrived.binNumber), 5);
        QCOMPARE(quint32(arrived.groupId), 77u); // copies: the record is packed
        QCOMPARE(qint32(arrived.remainingTime), 900);
        QCOMPARE(qint64(arrived.processId), 1700000000000LL);

        QSignalSpy expired(primary.cabinet.get(), SIGNAL(event_holdExpired(QString,QString,QString,int)));
        secondary.cabinet->sendHoldExpiredEventToMaster(6, 0xabc123ULL);
        QTRY_COMPARE(expired.count(), 1);
        QCOMPARE(expired.at(0).at(2).toString(), QStringLiteral("abc123"));
        QCOMPARE(expired.at(0).at(3).toInt(), 6);

        QSignalSpy stopped(primary.cabinet.get(),
                           SIGNAL(event_holdStopped(QString,QString,QString,int,QString,int)));
        secondary.cabinet->sendHoldStoppedEventToMaster(7, 0xfeedULL, QStringLiteral("NFC"), -60);
        QTRY_COMPARE(stopped.count(), 1);
        QCOMPARE(stopped.at(0).at(2).toString(), QStringLiteral("feed"));
        QCOMPARE(stopped.at(0).at(3).toInt(), 7);
        QCOMPARE(stopped.at(0).at(4).toString(), QStringLiteral("NFC"));
        QCOMPARE(stopped.at(0).at(5).toInt(), -60);

        // The re-statement request is the one byte 36; the secondary display
        // acts on it and does not send it back (it has no secondary display).
        primary.cabinet->reStateTraysHoldTemps();
        QTRY_VERIFY(tap.singleFrames(1).contains(bytes({36})));
        QTest::qWait(50);
        QVERIFY(!hasFrameStartingWith(tap, 2, bytes({36})));

        QSignalSpy preheat(primary.cabinet.get(), SIGNAL(zonePreheatEntered(QString,int)));
        QSignalSpy localPreheat(secondary.cabinet.get(), SIGNAL(zonePreheatEntered(QString,int)));
        emit secondary.tray(3)->enterPreheat();
        QTRY_COMPARE(preheat.count(), 1);
        QCOMPARE(preheat.at(0).at(1).toInt(), 3);
        QCOMPARE(localPreheat.count(), 0);
    }

    // What a stranger can put on the bus: unknown ids, out-of-range bins and
    // zones, short records. Each leaves its log line and changes nothing.
    void badInputIsLoggedAndDropped()
    {
        Display d = build("primary", freshBus());
        CabinetManager *cm = d.cabinet.get();
        const int bins = cm->get_traysPerCabinet();
        TrayBarSc *tray0 = d.tray(0);
        const bool use0 = tray0->get_useBin();

        struct Case {
            QByteArray msg;
            QString line;
        };
        const QList<Case> cases = {
            {bytes({66}), "Unkown can message received; 66"},
            {bytes({200, 1, 2}), "Unkown can message received; 200"},
            {bytes({4, 0, 0, 0, 0, 0, 0, 0}), "Unkown can message received; 4"},
            {bytes({9, bins, 1}), "KIVMSGSINGLE_BIN_USE - Invalid bin index"},
            {bytes({27, 250}), "processUserRequestsManualTimerStart - Invalid bin index"},
            {bytes({32, bins, 0, 0, 0, 200}), "KIVMSGSINGLE_BIN_TARGET_TEMP invalid binNum"},
            {bytes({43, 9, 200, 200}), "KIVMSGSINGLE_ZONE_DAYPART_CHANGED - Invalid zone index"},
            {bytes({53, 9, 1}), "KIVMSGSINGLE_ZONE_ECO_MODE_STATUS invalid zoneIndex value"},
            {bytes({55, 9, 1}), "KIVMSGSINGLE_ZONE_DAYPART_INFO invalid Zone Number value"},
            {bytes({30, 1, 200, 5}), "KIV_TRAY_STATE invalid binNum"},
            {bytes({30, 18, 200, 0, 0, 0, 50}), "KIV_BIN_ACTUAL_FANSPEED invalid binNum"},
            {bytes({31, 1, 200}), "KIV_ACTION_KEYCLICK invalid binNum"},
            {bytes({28, 1}), "Invalid KIVMSGSINGLE_NFC_SHOW_READER_ERROR received"},
        };
        for (const Case &c : cases) {
            LogCatcher log;
            cm->processSinglePacket(new QByteArray(c.msg));
            QVERIFY2(log.contains(c.line), qPrintable(c.line + " missing in: " + log.lines.join(" | ")));
        }
        QCOMPARE(tray0->get_useBin(), use0);

        // Only the zone line when both the zone and the day parts are bad.
        {
            LogCatcher log;
            cm->processSinglePacket(new QByteArray(bytes({43, 9, 200, 200})));
            QVERIFY(!log.contains("Invalid new daypart index"));
        }

        // A holding record shorter than 30 bytes is refused, never read.
        {
            LogCatcher log;
            cm->processMpm(CanbusManager::KIV_MULTI_TRAY_INFO, new QByteArray(10, '\x05'));
            cm->processMpm(CanbusManager::KIV_MULTI_RESTORE_TRAY_INFO, new QByteArray(29, '\x01'));
            QCOMPARE(log.lines.filter("expected 30 bytes").size(), 2);
            cm->processMpm(CanbusManager::KIV_MULTI_TRAY_INFO, new QByteArray());
            QVERIFY(log.contains("this shouldn't happen!"));
            cm->processMpm(CanbusManager::KIV_MULTI_TRAY_INFO, nullptr);
        }

        // Unknown object by name, and an id without a handler: no effect.
        const int holdTime = tray0->get_holdTime();
        cm->processMpm(CanbusManager::KIV_MULTI_OBJ_PROPERTY, new QByteArray("tbsc99:holdTime=5"));
        cm->processMpm(CanbusManager::KIV_MULTI_ZONE_SETPOINT, new QByteArray("x"));
        QCOMPARE(tray0->get_holdTime(), holdTime);
        cm->processMpm(CanbusManager::KIV_MULTI_OBJ_PROPERTY, new QByteArray("tbsc0:holdTime=600"));
        QCOMPARE(tray0->get_holdTime(), 600);
    }

    // A cancel-all on the bus is acted on only when its sender is a display
    // of this cabinet, and is logged with its sender either way.
    void cancelAllOnlyFromThisCabinetsDisplays_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<quint32>("sender");
        QTest::addColumn<bool>("acted");
        QTest::newRow("primary alone, sender 2") << "alone" << 2u << false;
        QTest::newRow("primary alone, sender 3") << "alone" << 3u << false;
        QTest::newRow("primary with secondary, from it") << "primaryWithSecondary" << 2u << true;
        QTest::newRow("primary with secondary, sender 7") << "primaryWithSecondary" << 7u << false;
        QTest::newRow("secondary, from the primary") << "secondary" << 1u << true;
        QTest::newRow("mirror, sender 4") << "mirror" << 4u << false;
    }

    void cancelAllOnlyFromThisCabinetsDisplays()
    {
        QFETCH(QString, role);
        QFETCH(quint32, sender);
        QFETCH(bool, acted);
        const QString bus = freshBus();
        VcanTap tap(bus);
        Display d = build(role, bus);
        TrayBarSc *tray = d.cabinet->findChildren<TrayBarSc *>().value(0);
        QVERIFY(tray);
        QSignalSpy cancelled(tray, SIGNAL(cancelHolding()));
        QSignalSpy heard(d.can(), SIGNAL(receivedSinglePacket(QByteArray)));

        LogCatcher log;
        for (int i = 0; i < 2; ++i)
            tap.sendFrame(sender, bytes({CanbusManager::KIVMSGSINGLE_MC_CANCEL_ALL_HOLDING}));
        // A frame under the display's own id comes last: once it is flagged,
        // the two before it have been dealt with.
        tap.sendFrame(d.can()->get_canId(), bytes({CanbusManager::KIVMSGSINGLE_UPDATE_USE_MAP}));
        QTRY_VERIFY(d.can()->get_canIdRecError());
        QCOMPARE(heard.count(), acted ? 2 : 0);
        QCOMPARE(cancelled.count(), acted ? 2 : 0);
        const QString ask = QStringLiteral("Cancel all holding requested by CAN sender %1").arg(sender);
        const QString ignored = QStringLiteral("CAN frames of sender %1 ignored").arg(sender);
        QCOMPARE(log.lines.filter(ask).size(), acted ? 2 : 0);
        QCOMPARE(log.lines.filter(ignored).size(), acted ? 0 : 1);
    }

    // Messages whose effect stays on the receiving display.
    void receivedMessagesAct()
    {
        Display d = build("primary", freshBus());
        CabinetManager *cm = d.cabinet.get();

        QSignalSpy ack(d.can(), SIGNAL(canFileRecordSuccess()));
        cm->processSinglePacket(new QByteArray(bytes({44, 0, 0, 0, 0, 0, 0, 0})));
        QCOMPARE(ack.count(), 1);

        QSignalSpy ntp(cm, SIGNAL(ntpOnChanged(bool)));
        QSignalSpy zoneIndex(cm, SIGNAL(timeZoneIndexChanged(int)));
        cm->processSinglePacket(new QByteArray(bytes({16, 0x85})));
        QCOMPARE(ntp.at(0).at(0).toBool(), true);
        QCOMPARE(zoneIndex.at(0).at(0).toInt(), 5);

        // Bits 20 to 31 of the use flags are never used; bits of bins past
        // the cabinet are ignored.
        cm->processSinglePacket(new QByteArray(bytes({35, 0xFF, 0xFF, 0xFF, 0xFF})));
        for (int bin = 0; bin < cm->get_traysPerCabinet(); ++bin)
            QVERIFY(d.tray(bin)->get_useBin());
        cm->processSinglePacket(new QByteArray(bytes({35, 0, 0, 0, 0x04})));
        QVERIFY(d.tray(2)->get_useBin() && !d.tray(1)->get_useBin());

        cm->processSinglePacket(new QByteArray(bytes({9, 1, 1})));
        QVERIFY(d.tray(1)->get_useBin());

        // Settings out of range are replaced by their defaults.
        QObject *config = cm->get_configManager();
        cm->processSinglePacket(new QByteArray(bytes({13, 0x01, 60, 0, 5, 1, 0, 0})));
        QCOMPARE(config->property("labelFontSize").toInt(), 24);
        QCOMPARE(config->property("soundLevel").toInt(), 100);
        QCOMPARE(config->property("screenCleanTimeout").toInt(), 5);
        QCOMPARE(config->property("useFirstEnabled").toBool(), true);
        QCOMPARE(config->property("groupDotsEnabled").toBool(), false);

        // Remaining times, in tray-list order, as far as values reach.
        const int last = d.tray(7)->get_remainingTime();
        cm->processMpm(CanbusManager::KIV_MULTI_BINS_REMAINING_TIME,
                       new QByteArray(CanMessageCodec::remainingTimes({11, 22, 33})));
        QCOMPARE(d.tray(0)->get_remainingTime(), 11);
        QCOMPARE(d.tray(2)->get_remainingTime(), 33);
        QCOMPARE(d.tray(7)->get_remainingTime(), last);

        // The firmware text: eight lines, the last part after the final
        // line feed is not a ninth.
        cm->processMpm(CanbusManager::KIV_MULTI_FW_INFO, new QByteArray("a\nb\nc\nd\ne\nr1\nr2\niot\n"));
        QCOMPARE(config->property("ioBoardFirmwareVersion0").toString(), QStringLiteral("a"));
        QCOMPARE(config->property("readerFirmwareVersion1").toString(), QStringLiteral("r1"));
        QCOMPARE(config->property("iotSoftwareVersion").toString(), QStringLiteral("iot"));
        cm->processMpm(CanbusManager::KIV_MULTI_FW_INFO, new QByteArray("A\nB\n"));
        QCOMPARE(config->property("ioBoardFirmwareVersion1").toString(), QStringLiteral("B"));
        QCOMPARE(config->property("ioBoardFirmwareVersion2").toString(), QStringLiteral("c"));

        cm->processMpm(CanbusManager::KIV_MULTI_SERIAL_MODEL_INFO, new QByteArray("S123"));
        QVERIFY(config->property("serialNumber").toString() != QStringLiteral("S123"));
        cm->processMpm(CanbusManager::KIV_MULTI_SERIAL_MODEL_INFO, new QByteArray("S123\nM9\n"));
        QCOMPARE(config->property("serialNumber").toString(), QStringLiteral("S123"));
        QCOMPARE(config->property("modelNumber").toString(), QStringLiteral("M9"));
    }

    // The heater-test targets reach a secondary display as one message; a
    // message shorter than its count sets only the targets it holds.
    void heaterTestTargetsOnASecondaryDisplay()
    {
        Display d = build("secondary", freshBus());
        CabinetManager *cm = d.cabinet.get();
        auto *io = cm->findChild<MasterIoManager *>();
        QVERIFY(io);
        auto target = [io](int bin) { return io->get_binInfoList().at(bin)->get_targetTemp(); };

        QList<qint16> twenty;
        for (int b = 0; b < 20; ++b)
            twenty << qint16(200 + b);
        cm->processMpm(CanbusManager::KIV_MULTI_BINS_TARGET_TEMPS,
                       new QByteArray(CanMessageCodec::binsTargetTemps(twenty)));
        for (int b = 0; b < 20; ++b)
            QCOMPARE(target(b), 200 + b);

        QByteArray five = CanMessageCodec::binsTargetTemps({300, 300, 300, 300, 300});
        five[0] = 20;
        cm->processMpm(CanbusManager::KIV_MULTI_BINS_TARGET_TEMPS, new QByteArray(five));
        QCOMPARE(target(4), 300);
        QCOMPARE(target(5), 205);
        QCOMPARE(target(19), 219);

        cm->processSinglePacket(new QByteArray(
            CanMessageCodec::singleByteInt(CanbusManager::KIVMSGSINGLE_BIN_TARGET_TEMP, 3, 150)));
        QCOMPARE(target(3), 150);
    }

    // A secondary display's request to leave preheat makes the primary
    // display command mode 3.
    void exitPreheatRequestReachesTheBoard()
    {
        Display d = build("primary", freshBus());
        auto *io = d.cabinet->findChild<MasterIoManager *>();
        QVERIFY(io);
        QModbusPollInfo *command = io->pollInfo(QStringLiteral("operatingModeInfo"));
        command->values()[0] = 0;
        d.cabinet->processSinglePacket(new QByteArray(
            CanMessageCodec::single(CanbusManager::KIVMSGSINGLE_EXIT_PREHEAT_REQUEST)));
        QCOMPARE(int(command->values().at(0)), int(MasterIoManager::PHU_MODE_ACTIVE_HEATING));
        QVERIFY(command->state() != QModbusPollInfo::QMBS_INITIAL_STATE);
    }
};

QTEST_MAIN(TestDisplayMessages)
#include "tst_displaymessages.moc"
