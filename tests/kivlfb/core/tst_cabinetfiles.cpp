#include "core/cabinetmanager.h"
#include "core/clockfilecodec.h"
#include "core/kivmetatypes.h"

#include "alarms/kiverrorcontrollert.h"
#include "canbus/canbusmanager.h"
#include "config/configurationmanager.h"
#include "menus/daypartmanager.h"
#include "menus/menumanager.h"
#include "platform/kivclock.h"
#include "platform/toolrunner.h"

#include "bytelist.h"
#include "cabinetpersonality.h"
#include "cantestnode.h"
#include "kitchenmenu.h"
#include "displayenvironment.h"
#include "messagecatcher.h"
#include "temproot.h"
#include "vcantap.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

using M = CanbusManager;

// More than one 512-byte record.
QByteArray longText(char fill)
{
    QByteArray text;
    for (int i = 0; i < 90; ++i)
        text += QByteArray("line ") + QByteArray::number(i) + ' ' + QByteArray(8, fill) + '\n';
    return text;
}

QStringList filesIn(const TempRoot &root, const QString &dir)
{
    return QDir(root.filePath(dir)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
}

// A peer on the bus that keeps every file transfer it receives, in order,
// and the single-packet messages apart.
struct FilePeer {
    explicit FilePeer(uint canId)
        : node(canId)
    {
        QObject::connect(node.manager(), &CanbusManager::receivedFileMpm, node.manager(), [this](int id) {
            received << qMakePair(id, node.manager()->getMpm(id));
        });
        QObject::connect(node.manager(), QOverload<QByteArray>::of(&CanbusManager::receivedSinglePacket),
                         node.manager(), [this](const QByteArray &msg) { singles << msg; });
    }
    QList<int> receivedIds() const
    {
        QList<int> ids;
        for (const auto &file : received)
            ids << file.first;
        return ids;
    }
    CanTestNode node;
    QList<QPair<int, QByteArray>> received;
    QList<QByteArray> singles;
};

// A day-parts file with one day part of the given name.
QByteArray dayParts(const QString &name)
{
    const QJsonObject dayPart{{"daypartName", QJsonObject{{"eng_USA", name}}},
                              {"inUse", true},
                              {"productLocations", QJsonArray{QJsonObject{{"bin", 1}, {"productId", KitchenMenu::kPatty}}}}};
    return QJsonDocument(QJsonObject{{"dayPartVersion", 1}, {"layout", QJsonArray{dayPart}}}).toJson();
}

// The moment the pictures and logs of these tests are dated, in local time.
const QDateTime kShotTime(QDate(2024, 3, 5), QTime(14, 7, 9));

} // namespace

// Whole files between the displays (sending, receiving, the application
// install and the error-buffer hand-back) and the board's own files: USB
// exports, backups, the CJK font and the kernel-log scan.
class TestCabinetFiles : public QObject
{
    Q_OBJECT

    DisplayEnvironment m_env;

    struct Display {
        std::unique_ptr<TempRoot> root;
        std::unique_ptr<CabinetManager> cabinet;
        KivErrorControllerT *errors() const { return cabinet->findChild<KivErrorControllerT *>("kivErrorController"); }
        ConfigurationManager *config() const { return cabinet->findChild<ConfigurationManager *>("configManager"); }
    };

    // The display is built after the files the test put into its root.
    static Display build(std::unique_ptr<TempRoot> root, const QByteArray &personality, const QString &busDir)
    {
        Display d;
        d.root = std::move(root);
        d.root->writeFile("/root/cabinet.hcc", personality);
        qputenv("KIV_VCAN_DIR", busDir.toLocal8Bit());
        d.cabinet = std::make_unique<CabinetManager>(0, 0, nullptr);
        return d;
    }
    Display build(const QByteArray &personality, const QString &busDir)
    {
        return build(std::make_unique<TempRoot>(), personality, busDir);
    }

private slots:
    void initTestCase()
    {
        KivMetaTypes::registerAll();
        QVERIFY(m_env.start());
    }
    void cleanup() { KivClock::useSystemClock(); }

    // What a display sends: the path on the target in the name field (never
    // the test's root), the bytes from offset 64 on.
    void sendingFiles()
    {
        const QString bus = m_env.newCanBus();
        qputenv("KIV_VCAN_DIR", bus.toLocal8Bit());
        FilePeer peer(2);
        auto root = std::make_unique<TempRoot>();
        const QByteArray menu = longText('m');
        root->writeFile("/root/menu.json", menu);
        root->writeFile("/root/sub/A.HCC", "{\"personality\": {}}");
        const QString path63 = "/root/" + QString(57, 'n'); // 63 bytes
        root->writeFile(path63, "63");
        root->writeFile("/root/empty.txt", QByteArray());
        Display d = build(std::move(root), cabinetPersonality("primaryWithSecondary"), bus);
        CabinetManager *cm = d.cabinet.get();

        MessageCatcher log;
        cm->sendFileViaCanbus(M::KIV_MULTI_FILE_TRANSFER_DPS_E);  // 14: no file of its own
        cm->sendFileViaCanbus(M::KIV_MULTI_FILE_TRANSFER_UI_ERR); // 16: neither
        cm->sendFileViaCanbus(QStringLiteral("/root/missing.json"), M::KIV_MULTI_FILE_TRANSFER_PRODS);
        QVERIFY(log.contains("sendFileViaCanbus()... file /root/missing.json not found!"));
        cm->sendFileViaCanbus(M::KIV_MULTI_FILE_TRANSFER_PRODS);
        // A path on disk goes as the path on the target.
        cm->sendFileViaCanbus(d.root->filePath("/root/sub/A.HCC"), M::KIV_MULTI_FILE_TRANSFER_UI_ID);
        cm->sendFileViaCanbus(path63, M::KIV_MULTI_FILE_TRANSFER);
        cm->sendFileViaCanbus(QStringLiteral("/root/empty.txt"), M::KIV_MULTI_FILE_TRANSFER);
        QTRY_COMPARE_WITH_TIMEOUT(peer.received.size(), 4, 20000);

        auto field = [](const QByteArray &name) { return name + QByteArray(64 - name.size(), '\0'); };
        QCOMPARE(peer.received.at(0).first, int(M::KIV_MULTI_FILE_TRANSFER_PRODS));
        QCOMPARE(peer.received.at(0).second, field("/root/menu.json") + menu);
        QCOMPARE(peer.received.at(1).first, int(M::KIV_MULTI_FILE_TRANSFER_UI_ID));
        QCOMPARE(peer.received.at(1).second, field("/root/sub/A.HCC") + "{\"personality\": {}}");
        QCOMPARE(peer.received.at(2).second, path63.toUtf8() + '\0' + "63");
        QCOMPARE(peer.received.at(3).second, field("/root/empty.txt"));
        QVERIFY(log.contains(" - cabinetManager... sending file: /root/menu.json"));

        // A display with no role set sends nothing.
        const QString aloneBus = m_env.newCanBus();
        qputenv("KIV_VCAN_DIR", aloneBus.toLocal8Bit());
        FilePeer listener(2);
        Display alone = build(cabinetPersonality("alone"), aloneBus);
        alone.root->writeFile("/root/menu.json", menu);
        alone.cabinet->sendFileViaCanbus(M::KIV_MULTI_FILE_TRANSFER_PRODS);
        QTest::qWait(1000);
        QCOMPARE(listener.received.size(), 0);
    }

    // What a display receives lands in its application directory under the
    // sender's file name. A personality file becomes the only one; one that
    // cannot be written leaves the old ones.
    void receivingFiles()
    {
        const QString bus = m_env.newCanBus();
        auto root = std::make_unique<TempRoot>();
        root->writeFile("/root/old.Hcc", "old");
        QVERIFY(QDir().mkpath(root->filePath("/root/saved.hcc"))); // not a personality file
        root->writeFile("/root/menu.json", "old menu");
        Display d = build(std::move(root), cabinetPersonality("secondary"), bus);
        CabinetManager *cm = d.cabinet.get();
        CanTestNode primary(1);
        QSignalSpy slaveErrors(cm, SIGNAL(processSlaveErrors()));
        auto send = [&primary](int id, const QString &path, const QByteArray &contents) {
            primary.sendMulti(id, ClockFileCodec::encodeFile(path, contents));
        };

        const QByteArray menu = longText('r');
        send(M::KIV_MULTI_FILE_TRANSFER_PRODS, "/root/menu.json", menu);
        QTRY_COMPARE_WITH_TIMEOUT(d.root->readFile("/root/menu.json"), menu, 20000);

        {
            MessageCatcher log;
            send(M::KIV_MULTI_FILE_TRANSFER_UI_ID, "/home/user/configs/A.HCC", "new identity");
            QTRY_COMPARE_WITH_TIMEOUT(filesIn(*d.root, "/root").filter(QRegularExpression("\\.hcc$", QRegularExpression::CaseInsensitiveOption)),
                                      (QStringList{"A.HCC", "saved.hcc"}), 20000);
            QCOMPARE(d.root->readFile("/root/A.HCC"), QByteArray("new identity"));
            QVERIFY(log.contains("Removed old hcc: old.Hcc"));
            QVERIFY(log.contains("Removed old hcc: cabinet.hcc"));
            QVERIFY(!log.contains("Unable to remove old hcc file"));
            QVERIFY(QFileInfo(d.root->filePath("/root/saved.hcc")).isDir());
        }
        {
            // A directory under the target's name: the write fails, and the
            // personality file already there stays.
            QVERIFY(QDir().mkpath(d.root->filePath("/root/B.hcc")));
            MessageCatcher log;
            send(M::KIV_MULTI_FILE_TRANSFER_UI_ID, "/root/B.hcc", "other identity");
            QTRY_VERIFY_WITH_TIMEOUT(log.contains("Unable to Open File !!!"), 20000);
            QCOMPARE(d.root->readFile("/root/A.HCC"), QByteArray("new identity"));
        }
        {
            // Names without a file name are dropped; directories never
            // reach outside the application directory.
            MessageCatcher log;
            primary.sendMulti(M::KIV_MULTI_FILE_TRANSFER, QByteArray("/root/..") + QByteArray(56, '\0') + "x");
            primary.sendMulti(M::KIV_MULTI_FILE_TRANSFER, QByteArray(40, 'z')); // short of the name field
            send(M::KIV_MULTI_FILE_TRANSFER, "../../etc/passwd", "not here");
            QTRY_COMPARE_WITH_TIMEOUT(d.root->readFile("/root/passwd"), QByteArray("not here"), 20000);
            QVERIFY(!QFile::exists(d.root->filePath("/etc/passwd")));
            QCOMPARE(log.messages().filter("without a usable name").size(), 2);
        }

        // An application file is given the application's mode.
        send(M::KIV_MULTI_FILE_TRANSFER, "/root/kivlfb_7", "#!/bin/sh\n");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(d.root->filePath("/root/kivlfb_7")).exists(), 20000);
        QVERIFY(QFileInfo(d.root->filePath("/root/kivlfb_7")).permissions() & QFileDevice::ExeOther);

        // An empty file arrives empty; the error buffer is handed on.
        QCOMPARE(slaveErrors.count(), 0);
        send(M::KIV_MULTI_FILE_TRANSFER_UI_ERR, "/root/errorsBuff.txt", QByteArray());
        QTRY_COMPARE_WITH_TIMEOUT(slaveErrors.count(), 1, 20000);
        QVERIFY(QFileInfo(d.root->filePath("/root/errorsBuff.txt")).isFile());
        QCOMPARE(QFileInfo(d.root->filePath("/root/errorsBuff.txt")).size(), 0);
    }

    // The primary display stores a secondary display's error buffer, hands
    // it to the error controller, which logs its reports under their own
    // time and deletes it, and asks for the secondary's copy to be deleted;
    // the secondary display deletes it on that request.
    void errorBufferHandBack()
    {
        const QString bus = m_env.newCanBus();
        VcanTap tap(bus);
        Display d = build(cabinetPersonality("primaryWithSecondary"), bus);
        CanTestNode secondary(2);
        QSignalSpy handedOn(d.errors(), SIGNAL(callProcessSlaveErrors()));
        QSignalSpy notified(d.errors(), SIGNAL(notifyError(QString,QString,QString,QString)));
        const QByteArray buffered = "1;2024/01/14 08:00:00;4\t4\t1\t0\n";
        secondary.sendMulti(M::KIV_MULTI_FILE_TRANSFER_UI_ERR,
                            ClockFileCodec::encodeFile("/root/errorsBuff.txt", buffered));
        QTRY_COMPARE_WITH_TIMEOUT(handedOn.count(), 1, 20000);
        QTRY_VERIFY(tap.singleFrames(1).contains(bytes({M::KIVMSGSINGLE_CLEAR_ERRORS_BUFF})));
        QTRY_VERIFY(notified.contains(QVariantList{notified.value(0).value(0), "4.4.1.0",
                                                   "Communication bus voltage not detected.", " "}));
        QTRY_VERIFY(!QFile::exists(d.root->filePath("/root/errorsBuff.txt")));
        const QStringList logs = filesIn(*d.root, "/root/errorLogs");
        QCOMPARE(logs.size(), 1);
        QVERIFY(d.root->readFile("/root/errorLogs/" + logs.first()).endsWith(buffered));

        Display other = build(cabinetPersonality("secondary"), m_env.newCanBus());
        other.root->writeFile("/root/errorsBuff.txt", "4,4,1,0\n");
        other.cabinet->processSinglePacket(new QByteArray(bytes({M::KIVMSGSINGLE_CLEAR_ERRORS_BUFF})));
        QVERIFY(!QFile::exists(other.root->filePath("/root/errorsBuff.txt")));
    }

    // A secondary display's reports travel as single message 49 with its
    // sender id; the reports it keeps for the primary go to its buffer. On
    // the primary display of a cabinet with a mirror, deleting the logs asks
    // the other displays to do the same (message 50), and a display that is
    // asked deletes its own.
    void errorMessagesOnTheBus()
    {
        const QString bus = m_env.newCanBus();
        VcanTap tap(bus);
        Display d = build(cabinetPersonality("secondary"), bus);
        d.errors()->errorCodesDataProcess(2, 0, 3, 0);
        d.errors()->errorCodesDataProcess(4, 1, 0, 0);
        d.errors()->errorCodesClearDataProcess(2, 0, 3, 0);
        QTRY_VERIFY(tap.singleFrames(2).contains(bytes({M::KIVMSGSINGLE_ERROR_CLEAR_INFO, 2, 0, 3, 0})));
        QCOMPARE(tap.singleFrames(2).count(bytes({M::KIVMSGSINGLE_ERROR_INFO, 2, 0, 3, 0})), 1);
        for (const QByteArray &frame : tap.singleFrames(2))
            QVERIFY2(frame != bytes({M::KIVMSGSINGLE_ERROR_INFO, 4, 1, 0, 0}), "a kept report went out");
        QTRY_VERIFY(d.root->readFile("/root/errorsBuff.txt").endsWith("4\t1\t0\t0\n"));

        d.cabinet->processSinglePacket(new QByteArray(bytes({M::KIVMSGSINGLE_DELETE_ERROR_INFO})));
        QTRY_COMPARE(filesIn(*d.root, "/root/errorLogs"), QStringList());
        QTRY_COMPARE(d.errors()->get_errorsLogListCount(), 0);
        QVERIFY(tap.singleFrames(2).count(bytes({M::KIVMSGSINGLE_DELETE_ERROR_INFO})) == 0);
        // One display at a time: the working directory is the process's.
        d.cabinet.reset();

        const QString primaryBus = m_env.newCanBus();
        VcanTap primaryTap(primaryBus);
        Display p = build(cabinetPersonality("primaryWithMirror"), primaryBus);
        p.errors()->errorCodesDataProcess(3, 0, 2, 0);
        QTRY_VERIFY(primaryTap.singleFrames(1).contains(bytes({M::KIVMSGSINGLE_ERROR_INFO, 3, 0, 2, 0})));
        p.errors()->deleteAllErrorLogs();
        QTRY_VERIFY(primaryTap.singleFrames(1).contains(bytes({M::KIVMSGSINGLE_DELETE_ERROR_INFO})));
        QTRY_COMPARE(filesIn(*p.root, "/root/errorLogs"), QStringList());
    }

    // A received application is installed by pointing "kivlfb" at it; a
    // name that is not a bare file name, or a file that is not there,
    // changes nothing. Either way the update utility hears the result.
    void installApplication()
    {
        const QString bus = m_env.newCanBus();
        VcanTap tap(bus);
        auto root = std::make_unique<TempRoot>();
        for (const char *name : {"/root/kivlfb_1", "/root/kivlfb_2", "/root/kivlfb_3", "/root/KIVLFB_NOTES"})
            root->writeFile(name, name);
        QVERIFY(QFile::link(root->filePath("/root/kivlfb_1"), root->filePath("/root/kivlfb")));
        Display d = build(std::move(root), cabinetPersonality("secondary"), bus);
        CabinetManager *cm = d.cabinet.get();
        const QString link = d.root->filePath("/root/kivlfb");
        auto installStatus = [&tap] {
            QList<QByteArray> status;
            for (const QByteArray &frame : tap.singleFrames(2))
                if (quint8(frame.at(0)) == M::KIVMSGSINGLE_APP_INSTALL_STATUS)
                    status << frame;
            return status;
        };

        auto appFiles = [&d] { return filesIn(*d.root, "/root").filter(QStringLiteral("kivlfb"), Qt::CaseInsensitive); };
        const QStringList before = appFiles();
        for (const QString &name : {QStringLiteral("../kivlfb_2"), QStringLiteral("a/b"), QString(),
                                    QStringLiteral(".."), QStringLiteral("kivlfb"), QStringLiteral("kivlfb_9")})
            cm->install_applicationUpdate(name);
        QTRY_COMPARE(installStatus().size(), 6);
        for (const QByteArray &status : installStatus())
            QCOMPARE(status, bytes({M::KIVMSGSINGLE_APP_INSTALL_STATUS, 0}));
        QCOMPARE(appFiles(), before);
        QCOMPARE(QFileInfo(link).symLinkTarget(), d.root->filePath("/root/kivlfb_1"));

        // The request comes as multi-packet message 8.
        cm->processMpm(M::KIV_MULTI_INSTALL_APP, new QByteArray("kivlfb_2"));
        QTRY_COMPARE(installStatus().size(), 7);
        QCOMPARE(installStatus().last(), bytes({M::KIVMSGSINGLE_APP_INSTALL_STATUS, 1}));
        QCOMPARE(QFileInfo(link).symLinkTarget(), d.root->filePath("/root/kivlfb_2"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(d.root->readFile("/root/kivlfb"), QByteArray("/root/kivlfb_2"));
        QVERIFY(QFileInfo(link).permissions() & QFileDevice::ExeOther);
        QCOMPARE(appFiles(), (QStringList{"KIVLFB_NOTES", "kivlfb", "kivlfb_2"}));
    }

    // The update utility on the primary display sends the other display its
    // files and the install request. The primary display's own controller,
    // still running, leaves them alone: its personality file and its
    // application stay, and it gives no install answer that the utility
    // would take for the other display's. The other display's own files
    // still reach it.
    void primaryLeavesTheOtherDisplaysUpdate()
    {
        const QString bus = m_env.newCanBus();
        VcanTap tap(bus);
        auto root = std::make_unique<TempRoot>();
        root->writeFile("/root/kivlfb_1", "old");
        QVERIFY(QFile::link(root->filePath("/root/kivlfb_1"), root->filePath("/root/kivlfb")));
        Display d = build(std::move(root), cabinetPersonality("primaryWithSecondary"), bus);
        const QByteArray personality = d.root->readFile("/root/cabinet.hcc");
        QSignalSpy slaveErrors(d.cabinet.get(), SIGNAL(processSlaveErrors()));
        CanTestNode secondary(2); // takes the utility's transfers
        CanTestNode utility(3);
        QSignalSpy served(utility.manager(), &CanbusManager::requestServed);
        utility.sendMulti(M::KIV_MULTI_FILE_TRANSFER, ClockFileCodec::encodeFile("/root/secondary.hcc", "{}"));
        utility.sendMulti(M::KIV_MULTI_FILE_TRANSFER, ClockFileCodec::encodeFile("/root/kivlfb_2", "new"));
        utility.sendMulti(M::KIV_MULTI_INSTALL_APP, "kivlfb_2");
        QTRY_COMPARE_WITH_TIMEOUT(served.count(), 3, 20000);
        // Frames reach a display in the order they went out: once the
        // secondary display's file is in, the utility's are too.
        secondary.sendMulti(M::KIV_MULTI_FILE_TRANSFER_UI_ERR, ClockFileCodec::encodeFile("/root/errorsBuff.txt", ""));
        QTRY_COMPARE_WITH_TIMEOUT(slaveErrors.count(), 1, 20000);

        QCOMPARE(d.root->readFile("/root/cabinet.hcc"), personality);
        QVERIFY(!QFile::exists(d.root->filePath("/root/secondary.hcc")));
        QVERIFY(!QFile::exists(d.root->filePath("/root/kivlfb_2")));
        QCOMPARE(QFileInfo(d.root->filePath("/root/kivlfb")).symLinkTarget(), d.root->filePath("/root/kivlfb_1"));
        for (const QByteArray &frame : tap.singleFrames(1))
            QVERIFY(quint8(frame.at(0)) != M::KIVMSGSINGLE_APP_INSTALL_STATUS);
    }

    void flashDriveDetection_data()
    {
        QTest::addColumn<QByteArray>("mountTable");
        QTest::addColumn<bool>("mounted");
        QTest::newRow("mounted") << QByteArray("/dev/mmcblk0p2 on / type ext4 (rw)\n/dev/sda1 on /media/sda1 type vfat (rw)\n")
                                 << true;
        QTest::newRow("longer mount point") << QByteArray("/dev/sda1 on /media/sda1-usb type vfat (rw)\n") << true;
        QTest::newRow("not mounted") << QByteArray("/dev/mmcblk0p2 on / type ext4 (rw)\n") << false;
        QTest::newRow("after a zero byte") << QByteArray("/dev/root on / type ext4\n\0/media/sda1\n", 36) << false;
    }

    void flashDriveDetection()
    {
        QFETCH(QByteArray, mountTable);
        QFETCH(bool, mounted);
        auto root = std::make_unique<TempRoot>();
        QVERIFY(root->writeFile("/table", mountTable));
        QVERIFY(root->addFakeTool("/bin/mount", "cat \"$(dirname \"$0\")/../table\""));
        Display d = build(std::move(root), cabinetPersonality("alone"), m_env.newCanBus());
        QCOMPARE(d.cabinet->isFlashDriveMounted(), mounted);
        QCOMPARE(d.cabinet->get_flashDriveMounted(), mounted); // asked at start
        QCOMPARE(d.cabinet->readFlashDrivePath(), QStringLiteral("/media/sda1/"));
    }

    // Screenshots are moved to the drive; a failed copy keeps its source.
    void screenshotExport()
    {
        Display d = build(cabinetPersonality("alone"), m_env.newCanBus());
        CabinetManager *cm = d.cabinet.get();
        QSignalSpy none(cm, SIGNAL(noScreenShotsToExport()));
        QSignalSpy exported(cm, SIGNAL(screenshotsExported()));

        cm->exportScreenShots(); // no directory: nothing to say
        QCOMPARE(none.count() + exported.count(), 0);
        QVERIFY(QDir().mkpath(d.root->filePath("/root/screenshots")));
        cm->exportScreenShots();
        QCOMPARE(none.count(), 1);

        d.root->writeFile("/root/screenshots/kiv_240305-140709.png", "png 1");
        d.root->writeFile("/root/screenshots/kiv_240305-140712.png", "png 2");
        d.root->writeFile("/root/screenshots/notes.txt", "stays");
        {
            // No drive: nothing is lost.
            MessageCatcher log;
            cm->exportScreenShots();
            QCOMPARE(exported.count(), 1);
            QCOMPARE(filesIn(*d.root, "/root/screenshots").size(), 3);
            QVERIFY(log.contains("Unable to export screenshot kiv_240305-140709.png"));
        }
        QVERIFY(QDir().mkpath(d.root->filePath("/media/sda1")));
        d.root->writeFile("/media/sda1/kiv_240305-140709.png", "an older copy");
        cm->exportScreenShots();
        QCOMPARE(exported.count(), 2);
        QCOMPARE(d.root->readFile("/media/sda1/kiv_240305-140709.png"), QByteArray("png 1"));
        QCOMPARE(d.root->readFile("/media/sda1/kiv_240305-140712.png"), QByteArray("png 2"));
        QCOMPARE(filesIn(*d.root, "/root/screenshots"), QStringList{"notes.txt"});
        cm->exportScreenShots();
        QCOMPARE(none.count(), 2);
        QCOMPARE(exported.count(), 2);
    }

    void menuAndLogExports()
    {
        Display d = build(cabinetPersonality("alone"), m_env.newCanBus());
        CabinetManager *cm = d.cabinet.get();
        QVERIFY(QDir().mkpath(d.root->filePath("/media/sda1")));
        d.root->writeFile("/root/menu.json", "menu");
        QFile::remove(d.root->filePath("/root/dayParts.json"));
        d.root->writeFile("/media/sda1/menu.json", "older menu");
        d.root->writeFile("/media/sda1/dayParts.json", "older day parts");
        cm->exportMenuFiles();
        QCOMPARE(d.root->readFile("/media/sda1/menu.json"), QByteArray("menu"));
        QCOMPARE(d.root->readFile("/media/sda1/dayParts.json"), QByteArray("older day parts"));

        d.root->writeFile("/tmp/riot.log", "riot");
        d.root->writeFile("/tmp/agent.log", "agent");
        d.root->writeFile("/tmp/other.txt", "other");
        d.root->writeFile("/media/sda1/riot.log", "older");
        cm->exportIotLog();
        QCOMPARE(d.root->readFile("/media/sda1/riot.log"), QByteArray("riot"));
        QCOMPARE(d.root->readFile("/media/sda1/agent.log"), QByteArray("agent"));
        QVERIFY(!QFile::exists(d.root->filePath("/media/sda1/other.txt")));
        QVERIFY(QFile::exists(d.root->filePath("/tmp/riot.log")));
    }

    void oldBackupsAreRemoved()
    {
        auto root = std::make_unique<TempRoot>();
        root->writeFile("/root/config.txt_1", "backup");
        root->writeFile("/root/errors.txt_old", "backup");
        root->writeFile("/root/menu.json", "menu");
        root->writeFile("/root/notes.txt", "notes");
        QVERIFY(QDir().mkpath(root->filePath("/root/logs.txt_dir")));
        MessageCatcher log;
        Display d = build(std::move(root), cabinetPersonality("alone"), m_env.newCanBus()); // at start
        const QStringList left = filesIn(*d.root, "/root");
        QVERIFY(!left.contains("config.txt_1") && !left.contains("errors.txt_old"));
        QVERIFY(left.contains("menu.json") && left.contains("notes.txt") && left.contains("logs.txt_dir"));
        QVERIFY(log.contains("Removed old backup file: config.txt_1"));
    }

    // The font waiting in the application directory is installed, and only
    // then removed; a font directory that cannot be made keeps it.
    void cjkFontInstall()
    {
        const QString waiting = "/root/fonts/NotoSansCJK/NotoSansCJKtc-Regular.otf";
        const QString installed = "/usr/share/fonts/NotoSansCJK/NotoSansCJKtc-Regular.otf";
        {
            auto root = std::make_unique<TempRoot>();
            root->writeFile(waiting, "font");
            Display d = build(std::move(root), cabinetPersonality("alone"), m_env.newCanBus()); // at start
            QCOMPARE(d.root->readFile(installed), QByteArray("font"));
            QVERIFY(!QFile::exists(d.root->filePath("/root/fonts")));
        }
        {
            auto root = std::make_unique<TempRoot>();
            root->writeFile(waiting, "font");
            root->writeFile("/usr/share/fonts/NotoSansCJK", "a plain file");
            MessageCatcher log;
            Display d = build(std::move(root), cabinetPersonality("alone"), m_env.newCanBus());
            QCOMPARE(d.root->readFile(waiting), QByteArray("font"));
            QVERIFY(log.contains("CJK font not installed"));
        }
    }

    // The kernel log's sign of a CAN controller without supply becomes an
    // error report naming the display.
    void canControllerFaultInKernelLog_data()
    {
        QTest::addColumn<QByteArray>("personality");
        QTest::addColumn<QByteArray>("kernelLog");
        QTest::addColumn<int>("display"); // -1: no report
        QTest::newRow("primary") << cabinetPersonality("alone")
                                 << QByteArray("[    2.1] sja1000_platform: setting SJA1000 into reset mode failed!\n") << 0;
        QTest::newRow("secondary, other case") << cabinetPersonality("secondary")
                                               << QByteArray("SETTING sja1000 INTO RESET MODE FAILED!") << 1;
        QTest::newRow("healthy") << cabinetPersonality("alone") << QByteArray("[    2.1] can0: bitrate 250000\n") << -1;
    }

    void canControllerFaultInKernelLog()
    {
        QFETCH(QByteArray, personality);
        QFETCH(QByteArray, kernelLog);
        QFETCH(int, display);
        Display d = build(personality, m_env.newCanBus());
        QVERIFY(d.root->writeFile("/kernel.log", kernelLog));
        QVERIFY(d.root->addFakeTool("/bin/dmesg", "cat \"$(dirname \"$0\")/../kernel.log\""));
        QSignalSpy missing(d.cabinet.get(), SIGNAL(commBusVoltageMissing()));
        QSignalSpy reports(d.errors(), SIGNAL(callErrorCodesDataProcess(int,int,int,int)));
        d.cabinet->checkSystemErrors();
        if (display < 0) {
            QTRY_COMPARE(d.root->fakeToolCalls("/bin/dmesg").size(), 1);
            QTest::qWait(300);
            QCOMPARE(missing.count(), 0);
        } else {
            QTRY_COMPARE(missing.count(), 1);
            QVERIFY(reports.contains(QVariantList{4, 4, display, 0}));
        }
    }

    // A menu import replaces the cabinet's files whole from the stick,
    // reloads them, and hands them to the other displays; a file that cannot
    // be copied leaves the cabinet's own as it was.
    void menuImportFromTheStick_data()
    {
        QTest::addColumn<bool>("menuOnStick");
        QTest::addColumn<bool>("menuReadable");
        QTest::addColumn<bool>("dayPartsOnStick");
        QTest::newRow("both files") << true << true << true;
        QTest::newRow("menu.json unreadable") << true << false << true;
        QTest::newRow("empty stick") << false << false << false;
    }
    void menuImportFromTheStick()
    {
        QFETCH(bool, menuOnStick);
        QFETCH(bool, menuReadable);
        QFETCH(bool, dayPartsOnStick);
        const QString bus = m_env.newCanBus();
        qputenv("KIV_VCAN_DIR", bus.toLocal8Bit());
        FilePeer peer(2);
        auto root = std::make_unique<TempRoot>();
        const QByteArray ownMenu = KitchenMenu::menu({KitchenMenu::kPatty});
        const QByteArray ownDayParts = dayParts("Breakfast");
        root->writeFile("/root/menu.json", ownMenu);
        root->writeFile("/root/dayParts.json", ownDayParts);
        Display d = build(std::move(root), cabinetPersonality("primaryWithSecondary"), bus);
        CabinetManager *cm = d.cabinet.get();
        auto *menus = cm->findChild<MenuManager *>("menuManager");
        auto *dayPartManager = cm->findChild<DayPartManager *>("daypartManager");
        QCOMPARE(dayPartManager->getDayPartName(0), QStringLiteral("Breakfast"));

        const QByteArray stickMenu = KitchenMenu::menu({KitchenMenu::kPatty, KitchenMenu::kNuggets});
        const QByteArray stickDayParts = dayParts("Lunch");
        QVERIFY(QDir().mkpath(d.root->filePath("/media/sda1")));
        if (menuOnStick && menuReadable)
            d.root->writeFile("/media/sda1/menu.json", stickMenu);
        else if (menuOnStick)
            QVERIFY(QDir().mkpath(d.root->filePath("/media/sda1/menu.json")));
        if (dayPartsOnStick)
            d.root->writeFile("/media/sda1/dayParts.json", stickDayParts);

        QSignalSpy reloads(cm, SIGNAL(mcUpdateReloadFiles()));
        MessageCatcher log;
        cm->importMenuFiles();
        QCOMPARE(reloads.count(), 1);
        const bool menuCopied = menuOnStick && menuReadable;
        QCOMPARE(d.root->readFile("/root/menu.json"), menuCopied ? stickMenu : ownMenu);
        QCOMPARE(d.root->readFile("/root/dayParts.json"), dayPartsOnStick ? stickDayParts : ownDayParts);
        QCOMPARE(filesIn(*d.root, "/root").filter(".New"), QStringList());
        QCOMPARE(log.contains("Unable to copy /media/sda1/menu.json"), menuOnStick && !menuReadable);
        // Reloaded from the files now in place.
        QCOMPARE(menus->getProductName(KitchenMenu::kNuggets).toString() == QLatin1String("Nuggets"), menuCopied);
        QCOMPARE(dayPartManager->getDayPartName(0), dayPartsOnStick ? QStringLiteral("Lunch") : QStringLiteral("Breakfast"));

        // What reached the other display, up to a marker sent after it.
        d.root->writeFile("/root/marker.txt", "marker");
        cm->sendFileViaCanbus(QStringLiteral("/root/marker.txt"), M::KIV_MULTI_FILE_TRANSFER);
        QTRY_COMPARE_WITH_TIMEOUT(peer.receivedIds().contains(M::KIV_MULTI_FILE_TRANSFER), true, 20000);
        const bool sent = menuCopied || dayPartsOnStick;
        QCOMPARE(peer.receivedIds(), sent ? (QList<int>{M::KIV_MULTI_FILE_TRANSFER_PRODS, M::KIV_MULTI_FILE_TRANSFER_DPS_M,
                                                        M::KIV_MULTI_FILE_TRANSFER})
                                          : QList<int>{M::KIV_MULTI_FILE_TRANSFER});
        if (sent) {
            QCOMPARE(peer.received.at(0).second.mid(64), d.root->readFile("/root/menu.json"));
            QCOMPARE(peer.received.at(1).second.mid(64), d.root->readFile("/root/dayParts.json"));
        }
        QCOMPARE(peer.singles.contains(bytes({M::KIVMSGSINGLE_MC_UPDATE_PROCESS, 0, 0, 0, 0, 0, 0, 0})), sent);
    }

    // The screenshot is the main window as a PNG named after the moment,
    // with the cabinet's identity in its description; the shutter flash
    // follows every attempt on a window.
    void screenshotOfTheMainWindow()
    {
        KivClock::freezeAt(kShotTime.toMSecsSinceEpoch());
        Display d = build(cabinetPersonality("alone"), m_env.newCanBus());
        CabinetManager *cm = d.cabinet.get();
        auto *engine = cm->findChild<QQmlApplicationEngine *>("mainQmlView");
        auto *window = qobject_cast<QQuickWindow *>(engine->rootObjects().value(0));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QSignalSpy frames(window, &QQuickWindow::frameSwapped);
        window->update();
        QVERIFY(frames.wait(5000));
        d.config()->set_serialNumber(QStringLiteral("SN-4711"));
        d.config()->set_modelNumber(QStringLiteral("HC-2"));
        d.config()->set_storeNumber(QStringLiteral("0815"));

        QSignalSpy taken(cm, SIGNAL(screenshotTaken()));
        cm->screenShot();
        QCOMPARE(taken.count(), 1);
        const QImage shot(d.root->filePath("/root/screenshots/kiv_240305-140709.png"));
        QVERIFY(!shot.isNull());
        QCOMPARE(shot.size(), window->size() * window->devicePixelRatio());
        QImage blank(shot.size(), shot.format());
        blank.fill(shot.pixel(0, 0));
        QVERIFY2(shot != blank, "the picture is one colour");
        QCOMPARE(shot.text(QStringLiteral("Description")),
                 QStringLiteral("serialNumber: SN-4711 \nmodelNumber: HC-2\nstoreNumber: 0815\n"));

        // A directory that cannot be made: nothing saved, the flash still.
        QVERIFY(QDir(d.root->filePath("/root/screenshots")).removeRecursively());
        QVERIFY(d.root->writeFile("/root/screenshots", "a plain file"));
        {
            MessageCatcher log;
            cm->screenShot();
            QVERIFY(log.contains("Failed to save /root/screenshots/kiv_240305-140709.png"));
            QCOMPARE(taken.count(), 2);
        }

        // No window: nothing saved, no flash.
        QVERIFY(QFile::remove(d.root->filePath("/root/screenshots")));
        delete window;
        MessageCatcher log;
        cm->screenShot();
        QVERIFY(log.contains("Active window is null!!!!!"));
        QCOMPARE(taken.count(), 2);
        QCOMPARE(filesIn(*d.root, "/root/screenshots"), QStringList());
    }

    // The kernel log goes to the stick as text up to the first zero byte;
    // a crashed dmesg, a process that is not the export's, or a stick that
    // is not there writes nothing.
    void kernelLogExport_data()
    {
        QTest::addColumn<QByteArray>("dmesg");    // the fake's script
        QTest::addColumn<QString>("processName"); // "": the cabinet's own export
        QTest::addColumn<bool>("stick");
        QTest::addColumn<QByteArray>("written");  // empty: no file
        QTest::addColumn<QString>("logged");
        QTest::newRow("zero byte") << QByteArray("printf '[    0.0] Booting\\n[    1.2] can0: up\\n\\000after'") << QString()
                                   << true << QByteArray("[    0.0] Booting\n[    1.2] can0: up\n")
                                   << "exitCode = 0 ; exitStatus = QProcess::NormalExit";
        QTest::newRow("crashed") << QByteArray("printf 'partial'; kill -SEGV $$") << QString() << true << QByteArray()
                                 << "exitStatus = QProcess::CrashExit";
        QTest::newRow("another process") << QByteArray("printf 'log'") << "checkSystemErrorsProcess" << true
                                         << QByteArray() << "exitStatus = QProcess::NormalExit";
        QTest::newRow("no stick") << QByteArray("printf 'log'") << QString() << false << QByteArray()
                                  << "Unable to Open File !!! /media/sda1/kernelLog_240305-140709.txt";
    }
    void kernelLogExport()
    {
        QFETCH(QByteArray, dmesg);
        QFETCH(QString, processName);
        QFETCH(bool, stick);
        QFETCH(QByteArray, written);
        QFETCH(QString, logged);
        KivClock::freezeAt(kShotTime.toMSecsSinceEpoch());
        Display d = build(cabinetPersonality("alone"), m_env.newCanBus());
        QVERIFY(d.root->addFakeTool("/bin/dmesg", dmesg));
        if (stick)
            QVERIFY(QDir().mkpath(d.root->filePath("/media/sda1")));
        MessageCatcher log;
        QPointer<QProcess> process;
        if (processName.isEmpty()) {
            d.cabinet->exportKernelLog();
            process = d.cabinet->findChild<QProcess *>("kernelLogExportProcess");
        } else {
            process = ToolRunner::start("/bin/dmesg", {}, d.cabinet.get(), processName);
            connect(process, SIGNAL(finished(int,QProcess::ExitStatus)), d.cabinet.get(),
                    SLOT(exportKernelLogProcessWrapUp(int,QProcess::ExitStatus)));
        }
        QVERIFY(process);
        // The wrap-up releases the process on every path.
        QTRY_VERIFY(process.isNull());
        QVERIFY2(log.contains(logged), qPrintable(log.messages().join('\n')));
        const QStringList onStick = filesIn(*d.root, "/media/sda1");
        if (written.isEmpty()) {
            QCOMPARE(onStick, QStringList());
        } else {
            QCOMPARE(onStick, QStringList{"kernelLog_240305-140709.txt"});
            QCOMPARE(d.root->readFile("/media/sda1/kernelLog_240305-140709.txt"), written);
        }
    }

    // A new Wi-Fi MAC address is stored; the same one again writes nothing.
    void wifiMacAddressIsStored()
    {
        Display d = build(cabinetPersonality("alone"), m_env.newCanBus());
        const QString configFile = d.root->filePath("/root/config.txt");
        const QString current = d.config()->get_macAddress();
        // Saving is synchronous: no other save can come between.
        QFile::remove(configFile);
        d.cabinet->updateMacAddress(current);
        QVERIFY(!QFile::exists(configFile));
        d.cabinet->updateMacAddress(QStringLiteral("00:11:22:33:44:55"));
        QCOMPARE(d.config()->get_macAddress(), QStringLiteral("00:11:22:33:44:55"));
        QVERIFY(d.root->readFile("/root/config.txt").contains("macAddress=00:11:22:33:44:55"));
    }
};

QTEST_MAIN(TestCabinetFiles)
#include "tst_cabinetfiles.moc"
