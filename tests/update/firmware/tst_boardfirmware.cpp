#include "bootloaderframe.h"
#include "updater.h"

#include "crc/crc16.h"
#include "crc/etccrc.h"
#include "modbus/qmodbusmaster.h"

#include "fakeboards.h"
#include "machinestates.h"
#include "ptypair.h"
#include "temproot.h"

#include <QDir>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// The chart's timers run at this share of their intervals: 30 retries take
// a few seconds, and an acknowledgement over the pseudo-terminal still
// comes long before its 150 ms window closes.
constexpr double kTimerScale = 0.05;

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// The first argument of every emission a spy recorded.
QVariantList firstArguments(const QSignalSpy &spy)
{
    QVariantList values;
    for (const QList<QVariant> &emission : spy)
        values << emission.value(0);
    return values;
}

QByteArray zeros(int n)
{
    return QByteArray(n, '\0');
}

QByteArray pattern(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + 3) & 0xFF);
    return bytes;
}

quint16 crc16(const QByteArray &bytes)
{
    return etcCrc(reinterpret_cast<const uint8_t *>(bytes.constData()), uint32_t(bytes.size()));
}

// A firmware file as the build makes it: the image, then its CRC high byte
// first.
QByteArray withCrcHighFirst(const QByteArray &image)
{
    const quint16 crc = crc16(image);
    return image + char(crc >> 8) + char(crc & 0xFF);
}

// The same with the CRC the wrong way round (its two bytes differ).
QByteArray withCrcLowFirst(const QByteArray &image)
{
    const quint16 crc = crc16(image);
    return image + char(crc & 0xFF) + char(crc >> 8);
}

const QByteArray kIoImage = pattern(300);   // packets of 128, 128 and 44 bytes
const QByteArray kNfcImage = pattern(129);  // packets of 128 and 1 byte

// One update run: a package in a temporary folder, the utility's Updater on
// one end of a pseudo-terminal and the fake boards on the other.
class Rig
{
public:
    Rig()
        : boards(&pty)
    {
        boards.expectImage(1, kIoImage.size());
        boards.expectImage(2, kNfcImage.size());
        boards.expectImage(3, kNfcImage.size());
        QDir().mkpath(root.filePath("/root/updates"));
    }

    bool addFile(const QString &path, const QByteArray &bytes)
    {
        QDir(package.path()).mkpath(QFileInfo(path).path());
        QFile file(package.filePath(path));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    bool addIoFirmware(const QByteArray &file) { return addFile("sibfirmware/io_5.bin", file); }
    bool addNfcFirmware(const QByteArray &file) { return addFile("nfcapp/nfc_2.bin", file); }

    // The utility on the line, with auto-install, for a cabinet of that
    // many NFC boards.
    bool prepare(int nfcBoardCount)
    {
        if (!pty.open())
            return false;
        port.setPortName(pty.devicePath());
        if (!port.open(QIODevice::ReadWrite))
            return false;
        updater = std::make_unique<Updater>(&port, nullptr, -1);
        updater->setTimerScale(kTimerScale);
        updater->set_nfcBoardCount(nfcBoardCount);
        updater->set_autoInstall(true);
        done = std::make_unique<QSignalSpy>(updater.get(), &Updater::updatesDone);
        return true;
    }

    bool start(int nfcBoardCount) { return prepare(nfcBoardCount) && start(); }

    // Checks the package from its folder, as the program does, and so
    // starts the update.
    bool start()
    {
        const QString previous = QDir::currentPath();
        if (!QDir::setCurrent(package.path()))
            return false;
        updater->start();
        const bool left = QTest::qWaitFor([this] { return !updater->configuration().isEmpty(); });
        return QDir::setCurrent(previous) && left;
    }

    bool finish(int timeoutMs = 30000)
    {
        return QTest::qWaitFor([this] { return done->count() == 1; }, timeoutMs)
            && activeStateNames(*updater) == QStringList{"updateDoneState"};
    }

    QByteArray result() const { return root.readFile("/root/updates/firmwareUpdateResult.txt"); }

    // The bootloader frames in the order they went out.
    QStringList bootloaderLog() const
    {
        QStringList frames;
        for (const QString &entry : boards.log())
            if (entry.startsWith('V') || entry.startsWith('U') || entry.contains('@'))
                frames << entry;
        return frames;
    }

    TempRoot root;
    QTemporaryDir package;
    PtyPair pty;
    FakeBoards boards;
    QSerialPort port;
    std::unique_ptr<Updater> updater;
    std::unique_ptr<QSignalSpy> done;
};

const QByteArray kSuccessful = "updateResult=successful\nresultDetail=update complete successfully\n";

} // namespace

// The update utility's transfer of board firmware over the RS-485 line: the
// bootloader frames byte for byte, the reply that acknowledges one, the
// firmware file check, and whole updates against fake boards, including
// boards that fail in every way the line allows.
class TestBoardFirmware : public QObject
{
    Q_OBJECT

private slots:
    // The frames byte for byte, the CRC low byte first.
    void frames_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("start bootloader, node 1")
            << BootloaderFrame::buildStartBootFrame(1) << hex("01 56") + zeros(132) + hex("D2 62");
        QTest::newRow("start bootloader, node 2")
            << BootloaderFrame::buildStartBootFrame(2) << hex("02 56") + zeros(132) + hex("A2 74");
        QTest::newRow("start application, node 1")
            << BootloaderFrame::buildStartAppFrame(1) << hex("01 55") + zeros(132) + hex("E4 92");
        QTest::newRow("first packet")
            << BootloaderFrame::buildWriteFlashFrame(1, kIoImage, 0, 128)
            << hex("01 57 00 00 00 00") + kIoImage.left(128) + hex("50 B8");
        QTest::newRow("middle packet, node 2, word address 64")
            << BootloaderFrame::buildWriteFlashFrame(2, kIoImage, 128, 128)
            << hex("02 57 40 00 00 00") + kIoImage.mid(128, 128) + hex("91 60");
        QTest::newRow("last packet of 300 bytes: 44 bytes at word address 128")
            << BootloaderFrame::buildWriteFlashFrame(1, kIoImage, 256, 44)
            << hex("01 57 80 00 00 00") + kIoImage.mid(256) + hex("A8 D4");
        QTest::newRow("no bytes") << BootloaderFrame::buildWriteFlashFrame(1, kIoImage, 0, 0) << QByteArray();
        QTest::newRow("more than a packet")
            << BootloaderFrame::buildWriteFlashFrame(1, kIoImage, 0, 129) << QByteArray();
        QTest::newRow("past the end of the image")
            << BootloaderFrame::buildWriteFlashFrame(1, kIoImage, 256, 45) << QByteArray();
        QTest::newRow("before the image")
            << BootloaderFrame::buildWriteFlashFrame(1, kIoImage, -2, 4) << QByteArray();
    }

    void frames()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, expected);
        QCOMPARE(frame.toHex(' '), expected.toHex(' '));
    }

    // The one CRC table of the program, as the bootloader frames and the
    // Modbus frames use it.
    void crcTable()
    {
        QVERIFY(Crc16::crc16TableInitializedFlag);
        quint16 crc = 0xFFFF;
        for (char c : QByteArray("123456789"))
            crc = quint16(Crc16::crc16TableData[(crc ^ quint8(c)) & 0xFF] ^ (crc >> 8));
        QCOMPARE(crc, quint16(0x4B37));
        QCOMPARE(BootloaderFrame::crc("123456789"), quint16(0x4B37));
    }

    // A firmware file ends with its CRC high byte first.
    void firmwareFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("good");
        QTest::addColumn<QByteArray>("image");
        QTest::newRow("CRC high byte first") << withCrcHighFirst(kIoImage) << true << kIoImage;
        QTest::newRow("CRC low byte first") << withCrcLowFirst(kIoImage) << false << kIoImage;
        QTest::newRow("CRC of two equal bytes either way") << withCrcLowFirst("dbw") << true
                                                            << QByteArray("dbw");
        QTest::newRow("four bytes, CRC right, are kept whole") << withCrcHighFirst("ab") << false
                                                                << withCrcHighFirst("ab");
        QTest::newRow("five bytes") << withCrcHighFirst("abc") << true << QByteArray("abc");
        QTest::newRow("a byte spoilt") << QByteArray(withCrcHighFirst(kIoImage)).replace(7, 1, "\xFF")
                                       << false << QByteArray(kIoImage).replace(7, 1, "\xFF");
        QTest::newRow("empty") << QByteArray() << false << QByteArray();
    }

    void firmwareFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, good);
        QFETCH(QByteArray, image);
        const BootloaderFrame::FirmwareImage checked = BootloaderFrame::checkFirmwareFile(file);
        QCOMPARE(checked.good, good);
        QCOMPARE(checked.image, image);
    }

    // The bytes that arrive after a frame went out, in the reads they
    // arrive in, with node 1 the board being programmed. Only a good 'X'
    // reply from node 1 acknowledges, once; whatever the line held before
    // the frame went out is no part of its reply.
    void replyRecognition_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QList<QByteArray>>("reads");
        QTest::addColumn<int>("acknowledged");
        using L = QList<QByteArray>;
        QTest::newRow("in one read") << QByteArray() << L{hex("01 58 01 DA")} << 1;
        QTest::newRow("over two reads") << QByteArray() << L{hex("01 58"), hex("01 DA")} << 1;
        QTest::newRow("over four reads")
            << QByteArray() << L{hex("01"), hex("58"), hex("01"), hex("DA")} << 1;
        QTest::newRow("from node 2") << QByteArray() << L{hex("02 58 01 2A")} << 0;
        QTest::newRow("0x59 in byte 1") << QByteArray() << L{hex("01 59 C0 1A")} << 0;
        QTest::newRow("bad CRC") << QByteArray() << L{hex("01 58 01 DB")} << 0;
        QTest::newRow("three bytes held over from before the frame")
            << hex("01 58 01") << L{hex("DA")} << 0;
        QTest::newRow("a second reply to the same frame")
            << QByteArray() << L{hex("01 58 01 DA"), hex("01 58 01 DA")} << 1;
        QTest::newRow("noise, then a reply") << QByteArray()
                                             << L{QByteArray(300, '\x01'), hex("01 58 01 DA")} << 0;
    }

    void replyRecognition()
    {
        QFETCH(QByteArray, before);
        QFETCH(QList<QByteArray>, reads);
        QFETCH(int, acknowledged);

        TempRoot root;
        PtyPair pty;
        QVERIFY(pty.open());
        QByteArray line;
        connect(&pty, &PtyPair::received, this, [&line](const QByteArray &bytes) { line += bytes; });
        QSerialPort port(pty.devicePath());
        QVERIFY(port.open(QIODevice::ReadWrite));
        // The line is handed over after construction; the chart's two
        // receiving transitions follow it.
        Updater updater(nullptr, nullptr, -1);
        QVERIFY(QMetaObject::invokeMethod(&updater, "set_serialPort", Q_ARG(QSerialPort *, &port)));
        QCOMPARE(updater.serialPort(), &port);
        for (const char *name : {"t_serialDataRcved", "t_nfcSerialDataRcved"})
            QCOMPARE(updater.findChild<QSignalTransition *>(name)->senderObject(), &port);
        QSignalSpy acks(&updater, &Updater::received_packet_OK);

        if (!before.isEmpty()) {
            QVERIFY(pty.write(before));
            QTRY_COMPARE(port.bytesAvailable(), qint64(before.size()));
        }
        // The receiver reads the line as the chart does while a board
        // transfer is active.
        connect(&port, &QSerialPort::readyRead, &updater, &Updater::processReceivedData);
        QSignalSpy readyRead(&port, &QSerialPort::readyRead);
        updater.requestMasterIoBootloadMode();
        QTRY_COMPARE(line, BootloaderFrame::buildStartBootFrame(1));

        for (const QByteArray &bytes : reads) {
            const int seen = readyRead.count();
            QVERIFY(pty.write(bytes));
            QTRY_VERIFY(readyRead.count() > seen);
            QTRY_COMPARE(port.bytesAvailable(), qint64(0));
        }
        QCOMPARE(acks.count(), acknowledged);
    }

    // The whole board part of an update: the I/O board takes its image in
    // three packets and starts it; the I/O board then programs its
    // secondary heater boards, followed over Modbus; both NFC boards take
    // theirs. Progress follows each transfer.
    void ioAndNfcBoardsTakeTheirFirmware()
    {
        Rig rig;
        QVERIFY(rig.addIoFirmware(withCrcHighFirst(kIoImage)));
        QVERIFY(rig.addNfcFirmware(withCrcHighFirst(kNfcImage)));
        rig.boards.setOperationModes({8});
        rig.boards.setUpdateStatuses({0x0332, 0x0500});
        QVERIFY(rig.prepare(2));
        Updater &upd = *rig.updater;
        QSignalSpy ioProgress(&upd, &Updater::fwUpdateProgressChanged);
        QSignalSpy nfcProgress(&upd, &Updater::nfcUpdateProgressChanged);
        QSignalSpy ioDialog(&upd, &Updater::progressDialogVisibleChanged);
        QSignalSpy nfcDialog(&upd, &Updater::nfcProgressDialogVisibleChanged);
        QSignalSpy nfcBoard(&upd, &Updater::nfcBoardIdChanged);
        QSignalSpy phuId(&upd, &Updater::slavePhuIdChanged);
        QSignalSpy phuProgress(&upd, &Updater::slaveUpdateProgressChanged);
        QSignalSpy phuFlag(&upd, &Updater::slavePhuUpdateFlagChanged);
        // Whether the board now taken is the cabinet's last NFC board.
        QList<bool> lastNfcBoard;
        QObject::connect(&upd, &Updater::nfcBoardIdChanged, &upd,
                         [&] { lastNfcBoard << upd.nfcAllNodesDone(); });
        QVERIFY(rig.start());
        QVERIFY(rig.finish());

        QCOMPARE(rig.bootloaderLog(),
                 (QStringList{"V1", "W1@0", "W1@128", "W1@256", "U1",
                              "V2", "W2@0", "W2@128", "U2", "V3", "W3@0", "W3@128", "U3"}));
        QCOMPARE(rig.boards.flash(1), kIoImage);
        QCOMPARE(rig.boards.flash(2), kNfcImage);
        QCOMPARE(rig.boards.flash(3), kNfcImage);
        QCOMPARE(rig.boards.badFrames(), 0);
        // The follow-up lies between the I/O board and the NFC boards: the
        // mode is asked, the command follows it, the status is read.
        const QStringList log = rig.boards.log();
        const int modbusStart = log.indexOf("U1") + 1;
        QCOMPARE(log.mid(modbusStart, 2), (QStringList{"R13", "W12=8"}));
        QVERIFY(log.indexOf("R74") > modbusStart && log.indexOf("R74") < log.indexOf("V2"));

        QCOMPARE(upd.get_fwUpdateBytes(), 300);
        QCOMPARE(upd.get_nfcUpdateBytes(), 129);
        QCOMPARE(upd.get_fwUpdateBytesSent(), 300);
        QCOMPARE(firstArguments(ioProgress), (QVariantList{42, 85, 100}));
        QCOMPARE(firstArguments(nfcProgress), (QVariantList{0, 99, 100, 0, 99, 100}));
        QCOMPARE(firstArguments(ioDialog).value(0), QVariant(true));
        QVERIFY(firstArguments(nfcDialog).contains(true));
        QVERIFY(!upd.get_progressDialogVisible() && !upd.get_nfcProgressDialogVisible());
        QCOMPARE(firstArguments(nfcBoard), (QVariantList{1, 2}));
        QCOMPARE(lastNfcBoard, (QList<bool>{false, true}));
        QCOMPARE(firstArguments(phuId), (QVariantList{3, 5}));
        QCOMPARE(firstArguments(phuProgress), (QVariantList{50, 0}));
        QCOMPARE(firstArguments(phuFlag), (QVariantList{true, false}));
        QVERIFY(!upd.modbusMaster()->isRunning());

        QCOMPARE(upd.nodeDoneMap(), (QMap<int, bool>{{1, true}, {2, true}, {3, true}}));
        QVERIFY(!upd.get_updateFailed());
        QCOMPARE(rig.result(), kSuccessful);
    }

    // Replies that go astray once: a split reply is still one
    // acknowledgement; any other reply is no acknowledgement, and the same
    // packet goes again after the time-out.
    void transferSurvivesLineTrouble_data()
    {
        QTest::addColumn<int>("reply");
        QTest::addColumn<int>("firstPacketSent");
        QTest::newRow("split") << int(FakeBoards::Reply::Split) << 1;
        QTest::newRow("lost") << int(FakeBoards::Reply::Silent) << 2;
        QTest::newRow("from another node") << int(FakeBoards::Reply::OtherNode) << 2;
        QTest::newRow("bad CRC") << int(FakeBoards::Reply::BadCrc) << 2;
        QTest::newRow("not an acknowledgement") << int(FakeBoards::Reply::NotAnAck) << 2;
    }

    void transferSurvivesLineTrouble()
    {
        QFETCH(int, reply);
        QFETCH(int, firstPacketSent);
        Rig rig;
        QVERIFY(rig.addIoFirmware(withCrcHighFirst(kIoImage)));
        rig.boards.setOperationModes({8});
        rig.boards.setUpdateStatuses({0x0500});
        rig.boards.setPolicy([reply](const FakeBoards::Frame &f) {
            const bool first = f.command == 'W' && f.offset == 0 && f.attempt == 0;
            return first ? FakeBoards::Reply(reply) : FakeBoards::Reply::Ack;
        });
        QVERIFY(rig.start(0));
        QVERIFY(rig.finish());
        QCOMPARE(rig.boards.count("W1@0"), firstPacketSent);
        QCOMPARE(rig.boards.count("W1@128"), 1);
        QCOMPARE(rig.boards.flash(1), kIoImage);
        QCOMPARE(rig.updater->get_totalTimeouts(), firstPacketSent - 1);
        QCOMPARE(rig.result(), kSuccessful);
    }

    // Whatever goes wrong with the I/O board, the update goes on to both NFC
    // boards, reaches its data steps and leaves a failed result with the
    // reason. A firmware file that fails its check is not installed and
    // never makes the board leave its application: nothing at all is sent
    // to it.
    void ioBoardFailuresStillFinish_data()
    {
        QTest::addColumn<QString>("ioFile");  // good, lowFirst, fourBytes, missing
        QTest::addColumn<QString>("silent");  // what the I/O board leaves unanswered
        QTest::addColumn<QString>("reason");
        QTest::addColumn<int>("bootloaderRequests");
        QTest::addColumn<bool>("flashed");

        const QString badFile = "IO software download FAILED! Bad file CRC.";
        QTest::newRow("file CRC low byte first") << "lowFirst" << "" << badFile << 0 << false;
        QTest::newRow("file of four bytes") << "fourBytes" << "" << badFile << 0 << false;
        QTest::newRow("file missing") << "missing" << "" << badFile << 0 << false;
        QTest::newRow("bootloader never acknowledges") << "good" << "V"
            << "IO software download FAILED! Start bootloader failed." << 31 << false;
        QTest::newRow("packets never acknowledged") << "good" << "W"
            << "Master IO software download FAILED! Too many retries." << 1 << false;
        QTest::newRow("silent on Modbus after its new application") << "good" << "Modbus"
            << "Secondary heater boards update FAILED! No answer from IO board." << 1 << true;
        // Programming seen (two mode reads and the command answered), then
        // nothing more.
        QTest::newRow("silent on Modbus while its heater boards are programmed") << "good"
            << "Modbus after 3" << "Secondary heater boards update FAILED! No answer from IO board."
            << 1 << true;
    }

    void ioBoardFailuresStillFinish()
    {
        QFETCH(QString, ioFile);
        QFETCH(QString, silent);
        QFETCH(QString, reason);
        QFETCH(int, bootloaderRequests);
        QFETCH(bool, flashed);

        Rig rig;
        if (ioFile == "good")
            QVERIFY(rig.addIoFirmware(withCrcHighFirst(kIoImage)));
        if (ioFile == "lowFirst")
            QVERIFY(rig.addIoFirmware(withCrcLowFirst(kIoImage)));
        if (ioFile == "fourBytes")
            QVERIFY(rig.addIoFirmware("ABCD"));
        if (ioFile == "missing") {
            // Listed in the package, but nothing can be copied into place.
            QVERIFY(QDir(rig.package.path()).mkpath("sibfirmware"));
            QVERIFY(QFile::link(rig.package.filePath("gone.bin"), rig.package.filePath("sibfirmware/io_5.bin")));
        }
        QVERIFY(rig.addNfcFirmware(withCrcHighFirst(kNfcImage)));
        rig.boards.setOperationModes({8});
        rig.boards.setUpdateStatuses({0x0332});
        if (silent.startsWith("Modbus"))
            rig.boards.setModbusAnswers(silent.section(' ', 2).toInt());
        rig.boards.setPolicy([silent](const FakeBoards::Frame &f) {
            return f.node == 1 && silent == QString(QLatin1Char(f.command)) ? FakeBoards::Reply::Silent
                                                                             : FakeBoards::Reply::Ack;
        });
        QVERIFY(rig.start(2));
        QVERIFY(rig.finish());

        QCOMPARE(rig.boards.count("V1"), bootloaderRequests);
        // Only a good image is installed.
        QCOMPARE(rig.root.readFile("/root/sibfirmware/io_5.bin"),
                 ioFile == "good" ? withCrcHighFirst(kIoImage) : QByteArray());
        if (bootloaderRequests == 0) {
            for (const QString &entry : rig.boards.log())
                QVERIFY2(entry != "V1" && entry != "U1" && !entry.startsWith("W1@"), qPrintable(entry));
        }
        QCOMPARE(rig.boards.flash(1) == kIoImage, flashed);
        if (silent == "W")
            QCOMPARE(rig.boards.count("W1@0"), 31);
        // The secondary heater boards need the new I/O application.
        QCOMPARE(rig.boards.log().contains("W12=8"), flashed);
        // The status register is read only once programming was seen.
        QCOMPARE(rig.boards.log().contains("R74"), silent == "Modbus after 3");
        QCOMPARE(rig.boards.flash(2), kNfcImage);
        QCOMPARE(rig.boards.flash(3), kNfcImage);
        QCOMPARE(rig.updater->nodeDoneMap(), (QMap<int, bool>{{1, true}, {2, true}, {3, true}}));
        QVERIFY(rig.updater->get_updateFailed());
        QCOMPARE(rig.updater->get_updaterDialogMsg().count("<br><b>" + reason + "</b><br>"), 1);
        const QByteArray result = rig.result();
        QVERIFY2(result.startsWith("updateResult=failed\nresultDetail=update is failed: ")
                     && result.contains(reason.toUtf8()), result.constData());
    }

    // Two NFC boards and an NFC image that fails its check: it is not
    // installed, neither board is asked to leave its application (nothing
    // goes out on the line),
    // both are done at once, and the failure reaches the dialog and the
    // result once.
    void badNfcImageTouchesNoBoard()
    {
        Rig rig;
        QVERIFY(rig.addNfcFirmware("not a real image"));
        QVERIFY(rig.addFile("help/x/a.html", "help")); // an update of its own
        QVERIFY(rig.prepare(2));
        QSignalSpy nextBoard(rig.updater.get(), &Updater::nfcUpdateNextBoard);
        QVERIFY(rig.start());
        QVERIFY(rig.finish());

        QVERIFY(!QFile::exists(rig.root.filePath("/root/nfcfirmware/nfc_2.bin")));
        QCOMPARE(rig.boards.log(), QStringList());
        QCOMPARE(nextBoard.count(), 0);
        QCOMPARE(rig.updater->nodeDoneMap(), (QMap<int, bool>{{1, true}, {2, true}, {3, true}}));
        QVERIFY(!rig.updater->get_nfcProgressDialogVisible());
        QVERIFY(rig.updater->get_updateFailed());
        QCOMPARE(rig.updater->get_updaterDialogMsg().count(
                     "<br><b>NFC software download FAILED! Bad file CRC.</b><br>"), 1);
        QCOMPARE(rig.result(), QByteArray("updateResult=failed\n"
                                          "resultDetail=update is failed: NFC software download FAILED! Bad file CRC.\n"));
    }

    // An I/O board that takes its image but never acknowledges starting it:
    // the frame goes a second time, then the board is followed over Modbus
    // all the same; it answers there, so nothing failed.
    void startApplicationNeverAcknowledged()
    {
        Rig rig;
        QVERIFY(rig.addIoFirmware(withCrcHighFirst(kIoImage)));
        QVERIFY(rig.addNfcFirmware(withCrcHighFirst(kNfcImage)));
        rig.boards.setOperationModes({0});
        rig.boards.setUpdateStatuses({0x0500});
        rig.boards.setPolicy([](const FakeBoards::Frame &f) {
            return f.node == 1 && f.command == 'U' ? FakeBoards::Reply::Silent : FakeBoards::Reply::Ack;
        });
        QVERIFY(rig.start(1));
        QVERIFY(rig.finish());
        // With one NFC board, node 2 is the last.
        QCOMPARE(rig.updater->currentNode(), 2);
        QVERIFY(rig.updater->nfcAllNodesDone());
        const QStringList log = rig.boards.log();
        QCOMPARE(rig.boards.count("U1"), 2);
        QCOMPARE(log.mid(log.lastIndexOf("U1") + 1, 2), (QStringList{"R13", "W12=8"}));
        QCOMPARE(rig.boards.flash(2), kNfcImage);
        QCOMPARE(rig.updater->get_slavePhuId(), 5);
        QVERIFY(!rig.updater->get_updateFailed());
        QCOMPARE(rig.result(), kSuccessful);
    }

    // The follow-up of the secondary heater boards ends on what register 13
    // and register 74 read; it never fails the update while the I/O board
    // answers.
    void secondaryHeaterBoards_data()
    {
        QTest::addColumn<QList<quint16>>("modes");
        QTest::addColumn<QList<quint16>>("statuses");
        QTest::addColumn<int>("phuId");
        QTest::addColumn<int>("phuProgress");
        QTest::addColumn<bool>("thirtyModeReads");
        using L = QList<quint16>;
        QTest::newRow("programming, then all done")
            << L{8} << L{0x0332, 0x0332, 0x0500} << 5 << 0 << false;
        QTest::newRow("programming, then another mode")
            << L{0, 0, 2} << L{0x0332} << 3 << 50 << false;
        QTest::newRow("mode 9 is not programming") << L{9} << L{0x0500} << -1 << 0 << true;
    }

    void secondaryHeaterBoards()
    {
        QFETCH(QList<quint16>, modes);
        QFETCH(QList<quint16>, statuses);
        QFETCH(int, phuId);
        QFETCH(int, phuProgress);
        QFETCH(bool, thirtyModeReads);
        Rig rig;
        QVERIFY(rig.addIoFirmware(withCrcHighFirst(kIoImage)));
        rig.boards.setOperationModes(modes);
        rig.boards.setUpdateStatuses(statuses);
        QVERIFY(rig.start(0));
        QVERIFY(rig.finish());
        QCOMPARE(rig.updater->get_slavePhuId(), phuId);
        QCOMPARE(rig.updater->get_slaveUpdateProgress(), phuProgress);
        QCOMPARE(rig.boards.count("W12=8"), 1);
        // The 30th reply that shows no programming ends the wait.
        QCOMPARE(rig.boards.count("R13") >= 30, thirtyModeReads);
        QVERIFY(!rig.updater->get_updateFailed());
        QCOMPARE(rig.result(), kSuccessful);
    }

    // Every packet gets 30 retries, whatever came before: the I/O board's
    // first packet after five unanswered start-bootloader frames, NFC board
    // 2 after a follow-up that gave up on its 30th reply. An NFC board that
    // leaves its start-bootloader frame unanswered is programmed all the
    // same. A good acknowledgement after 29 time-outs starts the count
    // again, and a failed board does not stop the next one.
    void everyPacketGetsThirtyRetries()
    {
        Rig rig;
        QVERIFY(rig.addIoFirmware(withCrcHighFirst(kIoImage)));
        QVERIFY(rig.addNfcFirmware(withCrcHighFirst(kNfcImage)));
        rig.boards.setOperationModes({1});
        rig.boards.setPolicy([](const FakeBoards::Frame &f) {
            if (f.node == 1 && (f.command == 'V' || (f.command == 'W' && f.offset == 0)))
                return f.attempt < (f.command == 'V' ? 5 : 26) ? FakeBoards::Reply::Silent
                                                               : FakeBoards::Reply::Ack;
            if (f.node == 2)
                return f.command == 'U' ? FakeBoards::Reply::Ack : FakeBoards::Reply::Silent;
            if (f.node == 3 && f.command == 'W')
                return f.attempt < (f.offset == 0 ? 29 : 2) ? FakeBoards::Reply::Silent
                                                            : FakeBoards::Reply::Ack;
            return FakeBoards::Reply::Ack;
        });
        QVERIFY(rig.start(2));
        QVERIFY(rig.finish(60000));

        QCOMPARE(rig.boards.count("V1"), 6);
        QCOMPARE(rig.boards.count("W1@0"), 27);
        QCOMPARE(rig.boards.flash(1), kIoImage);
        QVERIFY(rig.boards.count("R13") >= 30);
        QCOMPARE(rig.boards.count("V2"), 1);
        QCOMPARE(rig.boards.count("W2@0"), 31);
        QCOMPARE(rig.boards.count("W2@128"), 0);
        QCOMPARE(rig.boards.count("W3@0"), 30);
        QCOMPARE(rig.boards.count("W3@128"), 3);
        QCOMPARE(rig.boards.flash(3), kNfcImage);
        QCOMPARE(rig.updater->nodeDoneMap(), (QMap<int, bool>{{1, true}, {2, true}, {3, true}}));
        QCOMPARE(rig.result(), QByteArray("updateResult=failed\nresultDetail=update is failed: "
                                          "NFC nodes 1 software download FAILED! Too many retries.\n"));
    }
};

QTEST_MAIN(TestBoardFirmware)
#include "tst_boardfirmware.moc"
