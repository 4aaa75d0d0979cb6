#include "crc/etccrc.h"

#include "../update/firmware/fakeboards.h"
#include "cabinetpersonality.h"
#include "kitchenfiles.h"
#include "privatebus.h"
#include "ptypair.h"
#include "simdisplayprocess.h"
#include "temproot.h"

#include <QDBusConnection>
#include <QDateTime>
#include <QDirIterator>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray pattern(int size, int seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * seed + 3) & 0xFF);
    return bytes;
}

quint16 crc16(const QByteArray &bytes)
{
    return etcCrc(reinterpret_cast<const uint8_t *>(bytes.constData()), uint32_t(bytes.size()));
}

// A firmware file as the build makes it: the image, then its CRC high byte
// first; or with that CRC spoilt.
QByteArray firmwareFile(const QByteArray &image, bool crcGood)
{
    const quint16 crc = crc16(image) ^ (crcGood ? 0 : 0x0101);
    return image + char(crc >> 8) + char(crc & 0xFF);
}

// The primary display shows zones 0 and 1, the secondary display 2 and 3.
QByteArray primaryPersonality()
{
    return cabinetPersonality("primaryWithSecondary", [](QJsonObject &p) {
        p["zones2handleStart"] = 0;
        p["zones2handle"] = 2;
    });
}

const QByteArray kIoImage = pattern(300, 7);  // three write frames
const QByteArray kNfcImage = pattern(129, 5); // two write frames
const QByteArray kIoRunning = pattern(300, 11);
const QByteArray kNfcRunning = pattern(129, 13);

// A file-system root as path (relative to the root) -> content; a link
// reads as "-> " and the root-relative path it points at. The virtual CAN
// bus and the result file are not part of what an update installs.
using Tree = QMap<QString, QByteArray>;

Tree snapshot(const QString &root)
{
    Tree tree;
    const QDir base(root);
    QDirIterator it(root, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString rel = base.relativeFilePath(path);
        if (rel.startsWith(QLatin1String("run/")) || rel == QLatin1String("root/updates/firmwareUpdateResult.txt"))
            continue;
        const QFileInfo info(path);
        if (info.isSymLink()) {
            tree[rel] = "-> " + base.relativeFilePath(info.symLinkTarget()).toUtf8();
        } else {
            QFile f(path);
            tree[rel] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
        }
    }
    return tree;
}

// The paths where two trees differ, for a failure message.
QString difference(const Tree &actual, const Tree &expected)
{
    QStringList lines;
    QSet<QString> keys;
    for (const QString &k : actual.keys())
        keys.insert(k);
    for (const QString &k : expected.keys())
        keys.insert(k);
    QStringList sorted = keys.values();
    sorted.sort();
    for (const QString &k : sorted) {
        if (!actual.contains(k))
            lines << "missing " + k;
        else if (!expected.contains(k))
            lines << "unexpected " + k;
        else if (actual.value(k) != expected.value(k))
            lines << "differs " + k;
    }
    return lines.join("; ");
}

// The update utility's report, heard on the system bus the way the outside
// IoT process hears it.
class IotProxyListener : public QObject
{
    Q_OBJECT

public:
    explicit IotProxyListener(const QString &address)
    {
        QDBusConnection bus = QDBusConnection::connectToBus(address, QStringLiteral("iotProxyListener"));
        listening = bus.isConnected()
            && bus.connect(QString(), QStringLiteral("/iotproxy"), QStringLiteral("org.orbanta.IoTProxy"),
                           QStringLiteral("iotproxy"), this, SLOT(heard(QString)));
    }
    ~IotProxyListener() override { QDBusConnection::disconnectFromBus(QStringLiteral("iotProxyListener")); }

    bool listening = false;
    QStringList events;

private slots:
    void heard(const QString &json) { events << json; }
};

} // namespace

// A whole update package installed by the update utility, run as a program
// on a primary display whose cabinet has a secondary display (the controller
// as a process of its own, on the same virtual CAN bus) and an I/O board and
// an NFC board in bootloader reach on the serial line.
class TestFullUpdate : public QObject
{
    Q_OBJECT

    QByteArray m_app;

private slots:
    void initTestCase()
    {
        // A start of a program for this machine passes the utility's check
        // that the application is one; a few CAN records long.
        QFile self(QCoreApplication::applicationFilePath());
        QVERIFY(self.open(QIODevice::ReadOnly));
        m_app = self.read(1500);
        QVERIFY(m_app.startsWith("\x7f" "ELF"));
    }

    // Every part lands where it belongs and both boards run their new
    // image: success in the result file and on the bus. An I/O-board image
    // whose CRC is wrong is neither installed nor sent, the board keeps
    // running what it ran, and the update reports failure; the other parts
    // stand on their own and are installed all the same.
    void fullPackage_data()
    {
        QTest::addColumn<bool>("ioCrcGood");
        QTest::newRow("good package") << true;
        QTest::newRow("I/O-board image with a wrong CRC") << false;
    }
    void fullPackage()
    {
        QFETCH(bool, ioCrcGood);

        // The running cabinet: the controllers of both displays, synchronised.
        // The primary display's controller runs on while the update is
        // installed (it is stopped only at the end) and sits in a root of
        // its own here, so that the utility's root holds only what the
        // update leaves.
        QTemporaryDir canBus;
        QVERIFY(canBus.isValid());
        SimDisplayProcess controller(QStringLiteral(KIVLFBSIM_BINARY), QStringLiteral("primary"));
        SimDisplayProcess secondary(QStringLiteral(KIVLFBSIM_BINARY), QStringLiteral("secondary"));
        QVERIFY(controller.prepare() && secondary.prepare());
        const auto secondaryPersonality = [](const QString &marker) {
            return cabinetPersonality("secondary", [marker](QJsonObject &p) {
                p["syncNeeded"] = false;
                p["zones2handleStart"] = 2;
                p["zones2handle"] = 2;
                p["storeName"] = marker;
            });
        };
        QVERIFY(controller.root().writeFile("/root/cabinet.hcc", primaryPersonality()));
        QVERIFY(secondary.root().writeFile("/root/cabinet.hcc", secondaryPersonality("before")));
        for (SimDisplayProcess *display : {&controller, &secondary}) {
            QVERIFY(display->root().writeFile("/root/menu.json", KitchenFiles::menu()));
            QVERIFY(display->root().writeFile("/root/dayParts.json", KitchenFiles::dayParts()));
        }
        QVERIFY(secondary.root().writeFile("/root/kivlfb_1.0.0", "old application"));
        QVERIFY(QFile::link(secondary.root().filePath("/root/kivlfb_1.0.0"),
                            secondary.root().filePath("/root/kivlfb")));
        QVERIFY(secondary.start(canBus.path(), {"-simulation"}));
        QVERIFY(controller.start(canBus.path(), {"-simulation"}));
        QVERIFY(controller.waitFor("sync finished", 60000) >= 0);
        QVERIFY(secondary.waitFor("sync finished", 60000) >= 0);
        const QByteArray controllerPersonality = controller.root().readFile("/root/cabinet.hcc");

        // The primary display's root, as the running cabinet left it.
        TempRoot root;
        QVERIFY(root.writeFile("/root/cabinet.hcc", primaryPersonality()));
        QVERIFY(root.writeFile("/root/kivlfb_1.0.0", "old application"));
        QVERIFY(QFile::link(root.filePath("/root/kivlfb_1.0.0"), root.filePath("/root/kivlfb")));
        QVERIFY(root.writeFile("/root/sibfirmware/io_4.bin", firmwareFile(kIoRunning, true)));
        QVERIFY(root.writeFile("/root/mcImport/menu.json", "older menu"));
        QVERIFY(root.writeFile("/home/user/sounds/chime.wav", "older chime"));
        QVERIFY(root.writeFile("/home/user/languages/eng_USA.qm", "older english"));
        QVERIFY(QDir().mkpath(root.filePath("/root/updates")));
        const Tree before = snapshot(root.path());

        // The package, unpacked in the utility's working directory.
        const QByteArray ioFile = firmwareFile(kIoImage, ioCrcGood);
        const QByteArray nfcFile = firmwareFile(kNfcImage, true);
        const QByteArray personality = secondaryPersonality("after");
        const QMap<QString, QByteArray> package{
            {"app/kivlfb_2.0.1", m_app},
            {"config/cabinet2.hcc", personality},
            {"splashScreen/splash-screen", pattern(700, 3)},
            {"sibfirmware/io_5.bin", ioFile},
            {"nfcapp/nfc_2.bin", nfcFile},
            {"configuration/menu.json", KitchenFiles::menu()},
            {"configuration/dayParts.json", KitchenFiles::dayParts()},
            {"sounds/chime.wav", pattern(400, 17)},
            {"sounds/done.wav", pattern(90, 19)},
            {"languages/eng_USA.qm", "english"},
            {"languages/fra_FRA.qm", "francais"},
        };
        QTemporaryDir packageDir;
        for (auto it = package.begin(); it != package.end(); ++it) {
            QVERIFY(QDir(packageDir.path()).mkpath(QFileInfo(it.key()).path()));
            QFile f(packageDir.filePath(it.key()));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(it.value()) == it.value().size());
        }

        // What the update is to leave in the primary root.
        Tree expected = before;
        expected.remove("root/kivlfb_1.0.0");
        expected["root/kivlfb_2.0.1"] = m_app;
        expected["root/kivlfb"] = "-> root/kivlfb_2.0.1";
        if (ioCrcGood)
            expected["root/sibfirmware/io_5.bin"] = ioFile;
        expected["root/nfcfirmware/nfc_2.bin"] = nfcFile;
        for (const char *name : {"menu.json", "dayParts.json"})
            expected[QStringLiteral("root/mcImport/") + name] = package.value(QStringLiteral("configuration/") + name);
        for (const char *name : {"chime.wav", "done.wav"})
            expected[QStringLiteral("home/user/sounds/") + name] = package.value(QStringLiteral("sounds/") + name);
        for (const char *name : {"eng_USA.qm", "fra_FRA.qm"})
            expected[QStringLiteral("home/user/languages/") + name] = package.value(QStringLiteral("languages/") + name);

        // The boards on the serial line, running their old firmware; the
        // I/O board reports its heater boards done at once.
        PtyPair pty;
        QVERIFY(pty.open());
        FakeBoards boards(&pty);
        boards.expectImage(1, kIoImage.size());
        boards.expectImage(2, kNfcImage.size());
        boards.setFlash(1, kIoRunning);
        boards.setFlash(2, kNfcRunning);
        boards.setOperationModes({8});
        boards.setUpdateStatuses({0x0500});

        PrivateBus bus;
        QVERIFY(bus.start());
        IotProxyListener iot(bus.address());
        QVERIFY(iot.listening);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("KIV_ROOT", root.path());
        env.insert("KIV_CAN", "virtual");
        env.insert("KIV_VCAN_DIR", canBus.path());
        env.insert("KIV_SERIAL_PORT", pty.devicePath());
        env.insert("DBUS_SYSTEM_BUS_ADDRESS", bus.address());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_QUICK_BACKEND", "software");
        QProcess utility;
        utility.setProcessEnvironment(env);
        utility.setWorkingDirectory(packageDir.path());
        utility.setProcessChannelMode(QProcess::MergedChannels);
        QByteArray out;
        connect(&utility, &QProcess::readyRead, this, [&] { out += utility.readAll(); });
        const qint64 startedAt = QDateTime::currentSecsSinceEpoch();
        utility.start(UPDATE_UTIL_BINARY, {"-autoinstall"});
        QVERIFY(utility.waitForStarted(10000));

        const bool finished = QTest::qWaitFor([&] {
            return (!root.readFile("/root/updates/firmwareUpdateResult.txt").isEmpty() && !iot.events.isEmpty())
                || utility.state() != QProcess::Running;
        }, 120000);
        const qint64 endedAt = QDateTime::currentSecsSinceEpoch();
        QTest::qWait(200); // a second report would show here
        // Nothing ends the utility in a test root: the stop command is not there.
        const bool stillRunning = utility.state() == QProcess::Running;
        utility.kill();
        utility.waitForFinished(5000);
        out += utility.readAll();
        QVERIFY2(finished, out.right(4000).constData());
        QVERIFY2(stillRunning, out.right(4000).constData());

        // The result file and the report on the bus agree.
        const QByteArray result = root.readFile("/root/updates/firmwareUpdateResult.txt");
        if (ioCrcGood) {
            QCOMPARE(result, QByteArray("updateResult=successful\nresultDetail=update complete successfully\n"));
        } else {
            QVERIFY2(result.startsWith("updateResult=failed\nresultDetail=update is failed: "), result.constData());
            QVERIFY2(result.contains("Bad file CRC"), result.constData());
            QCOMPARE(result.count('\n'), 2);
        }
        QCOMPARE(iot.events.size(), 1);
        const QJsonObject event = QJsonDocument::fromJson(iot.events.first().toUtf8()).object();
        QCOMPARE(event.keys(), (QStringList{"event", "firmwareVer", "status", "subSystemId", "timestamp"}));
        QCOMPARE(event.value("event").toString(), QStringLiteral("firmwareUpdated"));
        QCOMPARE(event.value("status").toString(), QString(ioCrcGood ? "Success" : "Failed"));
        QCOMPARE(event.value("subSystemId").toString(), QStringLiteral("0"));
        QCOMPARE(event.value("firmwareVer").toString(), QString(""));
        const qint64 timestamp = event.value("timestamp").toString().toLongLong();
        QVERIFY2(timestamp >= startedAt && timestamp <= endedAt + 1, qPrintable(iot.events.first()));

        // The primary root: every part installed byte for byte, nothing of
        // a rejected image, nothing else touched.
        const Tree after = snapshot(root.path());
        QVERIFY2(after == expected, qPrintable(difference(after, expected)));
        QVERIFY(QFileInfo(root.filePath("/root/kivlfb_2.0.1")).isExecutable());

        // The I/O board: into its bootloader, every byte of the image in
        // frames with good CRCs, then told to run it; or, with a rejected
        // image, not even asked to leave its application.
        QCOMPARE(boards.badFrames(), 0);
        QStringList ioFrames;
        for (const QString &entry : boards.log())
            if (entry == "V1" || entry == "U1" || entry.startsWith("W1@"))
                ioFrames << entry;
        if (ioCrcGood) {
            QCOMPARE(ioFrames, (QStringList{"V1", "W1@0", "W1@128", "W1@256", "U1"}));
            QCOMPARE(boards.flash(1), kIoImage);
            QCOMPARE(quint8(ioFile.at(ioFile.size() - 2)) << 8 | quint8(ioFile.at(ioFile.size() - 1)),
                     int(crc16(boards.flash(1))));
            // Its heater boards were set going and followed to the end.
            QVERIFY(boards.log().contains("W12=8"));
            QVERIFY(boards.log().contains("R74"));
        } else {
            QCOMPARE(ioFrames, QStringList());
            QCOMPARE(boards.flash(1), kIoRunning);
        }
        // The NFC board takes its image either way.
        QCOMPARE(boards.flash(2), kNfcImage);
        QVERIFY(boards.log().contains("U2"));

        // The secondary display took its files over CAN and installed the
        // application.
        const TempRoot &other = secondary.root();
        QTRY_COMPARE(other.readFile("/root/kivlfb_2.0.1"), m_app);
        QCOMPARE(QFileInfo(other.filePath("/root/kivlfb")).symLinkTarget(), other.filePath("/root/kivlfb_2.0.1"));
        QVERIFY(!QFile::exists(other.filePath("/root/kivlfb_1.0.0")));
        QCOMPARE(other.readFile("/root/cabinet2.hcc"), personality);
        QVERIFY(!QFile::exists(other.filePath("/root/cabinet.hcc")));
        QCOMPARE(other.readFile("/root/splash-screen"), package.value("splashScreen/splash-screen"));
        QVERIFY(secondary.isRunning() && controller.isRunning());

        // The primary display's own controller heard all of it and left the
        // other display's files alone.
        QCOMPARE(controller.root().readFile("/root/cabinet.hcc"), controllerPersonality);
        QVERIFY(!QFile::exists(controller.root().filePath("/root/cabinet2.hcc")));
        QVERIFY(!QFile::exists(controller.root().filePath("/root/kivlfb")));
    }
};

QTEST_MAIN(TestFullUpdate)
#include "tst_fullupdate.moc"
