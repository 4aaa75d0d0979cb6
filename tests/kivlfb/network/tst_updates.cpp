#include "network/networkupdater.h"
#include "network/platforminfo.h"
#include "network/updatemanager.h"
#include "ui/screenresources.h"

#include "messagecatcher.h"
#include "temproot.h"

#include "modbus/modbusfakeslave.h"
#include "modbus/modbussetup.h"
#include "modbus/qmodbusmaster.h"

#include <QApplication>
#include <QFileSystemModel>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// One answer of the test server. A held answer sends its headers and half of
// its body, in two parts, and then waits, so a client can cancel mid-body.
struct Answer
{
    int status = 200;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;
    bool hold = false;
};

// A small HTTP/1.1 server on loopback; with a certificate it speaks TLS.
class TestServer : public QTcpServer
{
public:
    using Handler = std::function<Answer(const QByteArray &path, const QByteArray &authorization)>;

    explicit TestServer(Handler handler, bool tls = false)
        : m_handler(std::move(handler)), m_tls(tls)
    {
        listen(QHostAddress::LocalHost);
    }

    QString url(const QString &path) const
    {
        return QStringLiteral("%1://127.0.0.1:%2%3")
            .arg(m_tls ? "https" : "http").arg(serverPort()).arg(path);
    }

    QList<QByteArray> requests;

protected:
    void incomingConnection(qintptr descriptor) override
    {
        QTcpSocket *socket;
        if (m_tls) {
            auto *ssl = new QSslSocket(this);
            ssl->setSocketDescriptor(descriptor);
            ssl->setLocalCertificate(QStringLiteral(KIV_TEST_DATA_DIR "/selfsigned.crt"));
            ssl->setPrivateKey(QStringLiteral(KIV_TEST_DATA_DIR "/selfsigned.key"));
            ssl->startServerEncryption();
            socket = ssl;
        } else {
            socket = new QTcpSocket(this);
            socket->setSocketDescriptor(descriptor);
        }
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
            buffer->append(socket->readAll());
            if (!buffer->contains("\r\n\r\n"))
                return;
            const QList<QByteArray> lines = buffer->split('\n');
            const QByteArray path = lines.first().split(' ').value(1);
            QByteArray authorization;
            for (const QByteArray &line : lines) {
                if (line.toLower().startsWith("authorization:"))
                    authorization = line.mid(14).trimmed();
            }
            buffer->clear();
            requests << path;
            const Answer a = m_handler(path, authorization);
            QByteArray out = "HTTP/1.1 " + QByteArray::number(a.status) + " X\r\n";
            for (const auto &h : a.headers)
                out += h.first + ": " + h.second + "\r\n";
            out += "Content-Length: " + QByteArray::number(a.hold ? a.body.size() * 4 : a.body.size())
                   + "\r\nConnection: close\r\n\r\n" + a.body;
            socket->write(out);
            if (!a.hold)
                socket->disconnectFromHost();
            else // the client reports progress at most every 100 ms
                QTimer::singleShot(300, socket, [socket, a] { socket->write(a.body); });
        });
    }

private:
    Handler m_handler;
    bool m_tls;
};

Answer redirectTo(const QByteArray &location)
{
    Answer a;
    a.status = 302;
    a.headers << qMakePair(QByteArray("Location"), location);
    return a;
}

const QString kScript = NetworkUpdater::installScriptPath();

} // namespace

class TestUpdates : public QObject
{
    Q_OBJECT

private:
    // Runs one download to its end: the updater drops its reply when done.
    static void runDownload(NetworkUpdater &updater, const QString &url)
    {
        updater.set_sourceUrl(url);
        updater.downloadFile();
        QTRY_VERIFY_WITH_TIMEOUT(updater.findChildren<QNetworkReply *>().isEmpty(), 10000);
    }

private slots:
    void initTestCase() { ScreenResources::registerAll(); }

    // ---- Platform info ----------------------------------------------------

    void kernelLineBecomesHtmlLines()
    {
        TempRoot root;
        QVERIFY(root.addFakeTool("/bin/uname", "printf 'Linux cab 5.10\\n#1 SMP\\n'"));
        PlatformInfo info;
        QSignalSpy changed(&info, &PlatformInfo::osKernelChanged);
        info.getOsKernelInformation();
        QCOMPARE(info.get_osKernel(), QStringLiteral("Linux cab 5.10<br>#1 SMP<br>"));
        QCOMPARE(root.fakeToolCalls("/bin/uname"), QStringList({"-a", "--"}));
        info.getOsKernelInformation();
        QCOMPARE(changed.count(), 1);
    }

    void kernelQueryWithoutTheToolGivesNothing()
    {
        TempRoot root;
        PlatformInfo info;
        info.getOsKernelInformation();
        QCOMPARE(info.get_osKernel(), QString());
    }

    // The newest package's file sorts last; a zero byte ends the text.
    void bspTextComesFromTheLastBspEntry()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/BSP_v1.1", "old\n"));
        QVERIFY(root.writeFile("/root/BSP_v1.2", QByteArray("BSP 1.2\nboard A\nbuilt 2024\0junk", 32)));
        QVERIFY(root.writeFile("/root/bsp_v9", "lower case is not a BSP entry\n"));
        QVERIFY(root.writeFile("/root/ABSP", "does not begin with BSP\n"));
        PlatformInfo info;
        info.getBSPverInformation();
        QCOMPARE(info.get_bspInfo(), QStringLiteral("BSP 1.2<br>board A<br>built 2024"));
    }

    void bspWithoutEntryKeepsTheText()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/config.txt", "x"));
        PlatformInfo info;
        info.set_bspInfo("earlier");
        MessageCatcher log;
        info.getBSPverInformation();
        QCOMPARE(info.get_bspInfo(), QStringLiteral("earlier"));
        QVERIFY(log.contains("Unable to open file: "));
        QVERIFY(log.contains("looking for BSP file in : " + root.filePath("/root")));
    }

    // ---- Update manager ---------------------------------------------------

    void browserStackKeepsTheRoot()
    {
        TempRoot root;
        QVERIFY(QDir().mkpath(root.filePath("/root/phufw/a/b")));
        UpdateManager manager(nullptr);
        const QString top = root.filePath("/root/phufw");
        QCOMPARE(manager.get_fwDir(), top);
        QCOMPARE(manager.fileModel()->filePath(manager.getInitialPathIdx()), top);

        QCOMPARE(manager.fileModel()->filePath(manager.upPath()), top);
        QCOMPARE(manager.get_fwDir(), top);
        QVERIFY(!manager.get_upDirPossible());

        QFileSystemModel *model = manager.fileModel();
        manager.pushPath(model->index(top + "/a"));
        manager.pushPath(model->index(top + "/a/b"));
        QCOMPARE(manager.get_fwDir(), top + "/a/b");
        const QModelIndex up = manager.upPath();
        QCOMPARE(model->filePath(up), top + "/a");
        QCOMPARE(manager.get_fwDir(), top + "/a");
        QVERIFY(manager.get_upDirPossible());
        manager.upPath();
        QVERIFY(!manager.get_upDirPossible());
    }

    void archiveSearch_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("found");
        QTest::newRow("no folder") << QStringList() << QString();
        QTest::newRow("first in name order")
            << QStringList({"kivupdate/b.tar.gz", "kivupdate/a.tar.gz", "kivupdate/0.txt"})
            << "kivupdate/a.tar.gz";
        QTest::newRow("suffix is case-sensitive")
            << QStringList({"kivupdate/A.TAR.GZ", "kivupdate/c.tar.gz"}) << "kivupdate/c.tar.gz";
        QTest::newRow("folders and other places do not count")
            << QStringList({"kivupdate/0.tar.gz/", "x.tar.gz", "kivupdate/sub/y.tar.gz"})
            << QString();
    }

    void archiveSearch()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, found);
        TempRoot root;
        for (const QString &f : files) {
            const QString path = root.filePath("/root/phufw/" + f);
            if (f.endsWith('/'))
                QVERIFY(QDir().mkpath(path));
            else
                QVERIFY(QDir().mkpath(QFileInfo(path).path()) && root.writeFile("/root/phufw/" + f, "x"));
        }
        UpdateManager manager(nullptr);
        manager.set_updateFound(!found.isEmpty());
        manager.set_updateFilename("stale");
        manager.getPhuFwDirList();
        QCOMPARE(manager.get_updateFound(), !found.isEmpty());
        QCOMPARE(manager.get_updateFilename(), found);
    }

    void symbolicLinkIsNoArchive()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/phufw/elsewhere.tar.gz", "x"));
        QVERIFY(QDir().mkpath(root.filePath("/root/phufw/kivupdate")));
        QVERIFY(QFile::link(root.filePath("/root/phufw/elsewhere.tar.gz"),
                            root.filePath("/root/phufw/kivupdate/a.tar.gz")));
        UpdateManager manager(nullptr);
        manager.getPhuFwDirList();
        QVERIFY(!manager.get_updateFound());
    }

    // An updater's log arrives in pieces and longer than one read.
    void updaterLogAccumulates()
    {
        TempRoot root;
        UpdateManager manager(nullptr);
        QLocalSocket updater;
        updater.connectToServer(UpdateManager::updateSocketName());
        QVERIFY(updater.waitForConnected(5000));
        const QByteArray first = QByteArray("erasing flash ").repeated(10);
        updater.write(first);
        updater.flush();
        QTRY_COMPARE(manager.get_updateLogText(), QString::fromUtf8(first));
        updater.write("done\n");
        updater.flush();
        QTRY_COMPARE(manager.get_updateLogText(), QString::fromUtf8(first + "done\n"));
    }

    void bootloadRequestWritesRegister12OfTheIoBoard()
    {
        QModbusMaster master(nullptr);
        ModbusFakeSlave board(1, 131);
        ModbusSetup::wire(&master, {&board}, true, false);
        board.start();
        master.start();
        TempRoot root;
        UpdateManager manager(&master);
        auto *poll = manager.findChild<QModbusPollInfo *>("bootloadModePollInfo");
        QVERIFY(poll);
        QSignalSpy good(poll, SIGNAL(pollReplyGood()));
        manager.requestMasterIoBootloadMode();
        QTRY_COMPARE(good.count(), 1);
        QCOMPARE(board.getHoldingRegister(12), quint16(3));
        QCOMPARE(board.getHoldingRegister(11), quint16(0));
        QCOMPARE(board.getHoldingRegister(13), quint16(0));
    }

    // ---- Network updater --------------------------------------------------

    void downloadsAndStartsTheInstallScript_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("savedAs");
        QTest::newRow("archive") << "/u/kiv-2.1.tar.gz" << "kiv-2.1.tar.gz";
        QTest::newRow("folder URL") << "/u/" << "index.html";
        QTest::newRow("blank in the name") << "/u/my%20update.tar.gz" << "my update.tar.gz";
        QTest::newRow("redirected keeps the first name") << "/first.tar.gz" << "first.tar.gz";
        QTest::newRow("ten redirects") << "/hop/10" << "10";
    }

    void downloadsAndStartsTheInstallScript()
    {
        QFETCH(QString, path);
        QFETCH(QString, savedAs);
        TempRoot root;
        QVERIFY(root.addFakeTool(kScript));
        TestServer server([](const QByteArray &p, const QByteArray &) {
            if (p == "/first.tar.gz")
                return redirectTo("/elsewhere/real.tar.gz");
            if (p.startsWith("/hop/")) {
                const int left = p.mid(5).toInt();
                if (left > 0)
                    return redirectTo("/hop/" + QByteArray::number(left - 1));
            }
            Answer a;
            a.body = "payload of " + p;
            return a;
        });
        NetworkUpdater updater;
        runDownload(updater, server.url(path));
        const QString expectedBody = path.startsWith("/hop/") ? "payload of /hop/0"
                                   : path == "/first.tar.gz" ? "payload of /elsewhere/real.tar.gz"
                                   : "payload of " + path;
        QTRY_COMPARE(root.fakeToolCalls(kScript), QStringList({savedAs, "--"}));
        QCOMPARE(root.readFile("/root/networkUpdates/" + savedAs), expectedBody.toUtf8());
        QStringList expectedFiles({"installUpdate.sh", "installUpdate.sh.calls", savedAs});
        expectedFiles.sort();
        QCOMPARE(QDir(root.filePath("/root/networkUpdates")).entryList(QDir::Files, QDir::Name),
                 expectedFiles);
        QCOMPARE(updater.get_fileReadBytes(), expectedBody.size());
    }

    // Each ends without a file and without a start.
    void failedDownloadsLeaveNothing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("tls");
        QTest::addColumn<QString>("logLine");
        QTest::newRow("not found") << "/missing.tar.gz" << false << "Download failed: ";
        QTest::newRow("eleven redirects") << "/hop/11" << false << "Download failed: more than 10 redirects.";
        QTest::newRow("self-signed certificate") << "/u/kiv.tar.gz" << true
                                                 << "One or more SSL errors has occurred: ";
    }

    void failedDownloadsLeaveNothing()
    {
        QFETCH(QString, path);
        QFETCH(bool, tls);
        QFETCH(QString, logLine);
        if (tls && !QSslSocket::supportsSsl())
            QSKIP("no TLS library on this machine");
        TempRoot root;
        QVERIFY(root.addFakeTool(kScript));
        TestServer server([](const QByteArray &p, const QByteArray &) {
            if (p.startsWith("/hop/")) {
                const int left = p.mid(5).toInt();
                if (left > 0)
                    return redirectTo("/hop/" + QByteArray::number(left - 1));
            }
            Answer a;
            if (p == "/missing.tar.gz")
                a.status = 404;
            a.body = "body";
            return a;
        }, tls);
        NetworkUpdater updater;
        MessageCatcher log;
        runDownload(updater, server.url(path));
        QVERIFY2(log.contains(logLine), qPrintable(log.messages().join('\n')));
        QVERIFY(log.contains("Download failed: "));
        QCOMPARE(QDir(root.filePath("/root/networkUpdates")).entryList(QDir::Files),
                 QStringList({"installUpdate.sh"}));
        QVERIFY(!log.contains("Downloaded "));
    }

    void cancelDeletesThePartialFile()
    {
        TempRoot root;
        QVERIFY(root.addFakeTool(kScript));
        TestServer server([](const QByteArray &, const QByteArray &) {
            Answer a;
            a.body = QByteArray(200000, 'x');
            a.hold = true;
            return a;
        });
        NetworkUpdater updater;
        updater.set_sourceUrl(server.url("/big.tar.gz"));
        updater.downloadFile();
        QTRY_COMPARE(server.requests.size(), 1);
        QTRY_VERIFY(updater.get_fileReadBytes() > 0);
        const int readBytes = updater.get_fileReadBytes();
        QCOMPARE(updater.get_fileTotalBytes(), 800000);
        QVERIFY(QFile::exists(root.filePath("/root/networkUpdates/big.tar.gz")));
        updater.cancelDownload();
        QTRY_VERIFY(!QFile::exists(root.filePath("/root/networkUpdates/big.tar.gz")));
        QTest::qWait(50);
        QCOMPARE(updater.get_fileReadBytes(), readBytes);
        QVERIFY(!QFile::exists(root.filePath(kScript + ".calls")));
    }

    void credentialsGoToTheServerButNotToTheLog()
    {
        TempRoot root;
        QVERIFY(root.addFakeTool(kScript));
        const QByteArray expected = "Basic " + QByteArray("tech:s3cret!").toBase64();
        TestServer server([expected](const QByteArray &, const QByteArray &authorization) {
            Answer a;
            if (authorization != expected) {
                a.status = 401;
                a.headers << qMakePair(QByteArray("WWW-Authenticate"), QByteArray("Basic realm=\"u\""));
                return a;
            }
            a.body = "secret archive";
            return a;
        });
        NetworkUpdater updater;
        updater.set_userName("tech");
        updater.set_userPassword("s3cret!");
        MessageCatcher log;
        runDownload(updater, server.url("/p/kiv.tar.gz"));
        QTRY_COMPARE(root.fakeToolCalls(kScript), QStringList({"kiv.tar.gz", "--"}));
        QCOMPARE(root.readFile("/root/networkUpdates/kiv.tar.gz"), QByteArray("secret archive"));
        QVERIFY(!log.messages().join('\n').contains("s3cret"));
    }

    void hiddenFileNameIsRefused()
    {
        TempRoot root;
        QVERIFY(root.addFakeTool(kScript));
        TestServer server([](const QByteArray &, const QByteArray &) { return Answer(); });
        NetworkUpdater updater;
        MessageCatcher log;
        updater.set_sourceUrl(server.url("/u/.profile"));
        updater.downloadFile();
        QTest::qWait(100);
        QVERIFY(server.requests.isEmpty());
        QVERIFY(log.contains("Refusing to download to the file name .profile."));
        QVERIFY(!QFile::exists(root.filePath("/root/networkUpdates/.profile")));
    }

    // ---- Install script ---------------------------------------------------

    void installScript_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("runs");
        QTest::newRow("matching folder") << "upd1.tar.gz" << "upd1" << true;
        QTest::newRow("blank in the name") << "my upd.tar.gz" << "my upd" << true;
        QTest::newRow("folder named otherwise") << "upd2.tar.gz" << "other" << false;
    }

    void installScript()
    {
        QFETCH(QString, archive);
        QFETCH(QString, folder);
        QFETCH(bool, runs);
        TempRoot root;
        const QString updates = root.filePath("/root/networkUpdates");
        QVERIFY(QDir().mkpath(updates));
        QFile shipped(":/resources/installUpdate.sh");
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QVERIFY(root.writeFile("/root/networkUpdates/installUpdate.sh", shipped.readAll()));

        // The archive's update script leaves a mark in the root.
        QTemporaryDir staging;
        QVERIFY(QDir().mkpath(staging.filePath(folder)));
        QFile update(staging.filePath(folder + "/updatescript.sh"));
        QVERIFY(update.open(QIODevice::WriteOnly));
        update.write("#!/bin/sh\npwd > \"$KIV_ROOT/ran\"\n");
        update.close();
        update.setPermissions(update.permissions() | QFile::ExeOwner);
        QCOMPARE(QProcess::execute("/bin/tar", {"-czf", updates + "/" + archive, "-C",
                                                 staging.path(), folder}),
                 0);

        QProcess script;
        script.start("/bin/sh", {updates + "/installUpdate.sh", archive});
        QVERIFY(script.waitForFinished(10000));
        const QByteArray out = script.readAllStandardOutput();
        QVERIFY(out.contains("Update file " + updates.toUtf8() + "/" + archive.toUtf8() + " found!"));
        QCOMPARE(QFile::exists(root.filePath("/ran")), runs);
        QVERIFY(QFile::exists(updates + "/" + archive));
        if (runs) {
            QCOMPARE(root.readFile("/ran").trimmed(), QString(updates + "/" + folder).toUtf8());
            QVERIFY(out.contains("Done executing update script. Cleaning up!"));
            QVERIFY(!QFileInfo::exists(updates + "/" + folder));
        } else {
            QVERIFY(QFileInfo::exists(updates + "/" + folder + "/updatescript.sh"));
        }
    }
};

QTEST_MAIN(TestUpdates)
#include "tst_updates.moc"
