#include "canbus/canbusmanager.h"
#include "canbus/canthread.h"
#include "updater.h"

#include "cantestnode.h"
#include "machinestates.h"
#include "temproot.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr double kTimerScale = 0.05; // roll call every 50 ms, install answer within 1 s

// A start of this test program: enough for the utility's check that the
// application is a program for this machine, and small on the bus.
QByteArray program()
{
    QFile self(QCoreApplication::applicationFilePath());
    return self.open(QIODevice::ReadOnly) ? self.read(300) : QByteArray();
}

QByteArray paddedName(const QString &name)
{
    QByteArray field = name.toUtf8();
    return field + QByteArray(64 - field.size(), '\0');
}

QByteArray twoBytes(int first, int second)
{
    QByteArray bytes;
    bytes.append(char(first)).append(char(second));
    return bytes;
}

const QByteArray kSuccessful = "updateResult=successful\nresultDetail=update complete successfully\n";

} // namespace

// The other display's controller as far as the utility sees it: answers the
// roll call with its UI id, takes files (the bus layer acknowledges each
// record) and answers an install request with its result, or stays silent.
class SecondaryDisplay : public QObject
{
    Q_OBJECT

public:
    enum class Install { Succeeds, Fails, Silent };

    explicit SecondaryDisplay(int uiId)
        : m_node(2)
        , m_uiId(uiId)
    {
        connect(m_node.manager(), qOverload<QByteArray>(&CanbusManager::receivedSinglePacket), this,
                [this](const QByteArray &msg) {
                    if (quint8(msg.at(0)) != CanbusManager::KIVMSGSINGLE_ROLLCALL_REQUEST)
                        return;
                    ++rollCalls;
                    events += 'R';
                    senders << m_node.manager()->get_receivedFrameSenderId();
                    if (m_uiId >= 0)
                        m_node.sendSingle(twoBytes(CanbusManager::KIVMSGSINGLE_SLAVE_REPORTING, m_uiId));
                });
        connect(m_node.manager(), &CanbusManager::receivedFileMpm, this, [this](int id) {
            files << m_node.manager()->getMpm(id);
            events += 'F';
            senders << m_node.manager()->get_receivedFrameSenderId();
        });
        connect(m_node.manager(), qOverload<int, QByteArray>(&CanbusManager::receivedMpm), this,
                [this](int id, const QByteArray &data) {
                    if (id != CanbusManager::KIV_MULTI_INSTALL_APP)
                        return;
                    installs << data;
                    events += 'I';
                    senders << m_node.manager()->get_receivedFrameSenderId();
                    if (install != Install::Silent)
                        m_node.sendSingle(twoBytes(CanbusManager::KIVMSGSINGLE_APP_INSTALL_STATUS,
                                                   install == Install::Succeeds ? 1 : 0));
                });
    }

    Install install = Install::Succeeds;
    int rollCalls = 0;
    QList<QByteArray> files;
    QList<QByteArray> installs;
    QList<int> senders; // the sender id of every message taken
    QString events;     // in order: R roll call, F file, I install request

private:
    CanTestNode m_node;
    int m_uiId;
};

// The utility with its CAN manager on a private virtual bus, and a package.
class Rig
{
public:
    Rig()
        : bus(root.filePath("/run/vcan/can0"))
    {
        qputenv("KIV_CAN", "virtual");
        qputenv("KIV_VCAN_DIR", QFile::encodeName(bus));
        QDir().mkpath(bus);
        QDir().mkpath(root.filePath("/root/updates"));
        thread = std::make_unique<CanThread>(nullptr, CanFrameForm::ByteArray);
        cbm = std::make_unique<CanbusManager>(thread.get(), nullptr);
        cbm->start();
        updater = std::make_unique<Updater>(nullptr, cbm.get(), -1);
        updater->setTimerScale(kTimerScale);
        updater->set_autoInstall(true);
        done = std::make_unique<QSignalSpy>(updater.get(), &Updater::updatesDone);
    }
    ~Rig()
    {
        updater.reset();
        cbm.reset();
        thread.reset();
        qunsetenv("KIV_CAN");
        qunsetenv("KIV_VCAN_DIR");
    }

    bool addFile(const QString &path, const QByteArray &bytes)
    {
        QDir(package.path()).mkpath(QFileInfo(path).path());
        QFile file(package.filePath(path));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    // Checks the package from its folder, as the program does; the
    // update then runs on its own.
    bool start(const std::function<void()> &afterCheck = {})
    {
        const QString previous = QDir::currentPath();
        if (!QDir::setCurrent(package.path()))
            return false;
        // The check ends by starting the update (auto-install).
        bool checked = false;
        QMetaObject::Connection hook;
        if (afterCheck)
            hook = QObject::connect(updater.get(), &Updater::startUpdateNextStep, updater.get(), [&checked, afterCheck] {
                if (!checked)
                    afterCheck();
                checked = true;
            });
        updater->start();
        const bool left = QTest::qWaitFor([this] { return !updater->configuration().isEmpty(); });
        QObject::disconnect(hook);
        return QDir::setCurrent(previous) && left && (checked || !afterCheck);
    }

    bool finish(int timeoutMs = 30000)
    {
        return QTest::qWaitFor([this] { return done->count() == 1; }, timeoutMs)
            && activeStateNames(*updater) == QStringList{"updateDoneState"};
    }

    QByteArray result() const { return root.readFile("/root/updates/firmwareUpdateResult.txt"); }
    QString message() const { return updater->get_updaterDialogMsg(); }

    TempRoot root;
    QString bus;
    QTemporaryDir package;
    std::unique_ptr<CanThread> thread;
    std::unique_ptr<CanbusManager> cbm;
    std::unique_ptr<Updater> updater;
    std::unique_ptr<QSignalSpy> done;
};

// The display branch of the update: the new application on this display,
// then application, personality file and splash screen on the other display
// over CAN, with every failure on the way reported.
class TestSecondaryDisplay : public QObject
{
    Q_OBJECT

private slots:
    void answersFromTheOtherDisplay_data()
    {
        QTest::addColumn<QByteArray>("msg");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("installed"); // 1 succeeded, 0 failed, -1 neither
        QTest::newRow("roll call answer") << QByteArray::fromHex("1302000000000000") << true << -1;
        QTest::newRow("roll call answer, UI id 0") << QByteArray::fromHex("1300000000000000") << false << -1;
        QTest::newRow("installed") << QByteArray::fromHex("1701000000000000") << false << 1;
        QTest::newRow("installed, any non-zero") << QByteArray::fromHex("1780") << false << 1;
        QTest::newRow("install failed") << QByteArray::fromHex("1700000000000000") << false << 0;
        QTest::newRow("one byte") << QByteArray::fromHex("13") << false << -1;
        QTest::newRow("empty") << QByteArray() << false << -1;
        QTest::newRow("another message") << QByteArray::fromHex("2c02000000000000") << false << -1;
    }
    void answersFromTheOtherDisplay()
    {
        QFETCH(QByteArray, msg);
        QFETCH(bool, found);
        QFETCH(int, installed);
        TempRoot root;
        Updater updater(nullptr, nullptr, -1);
        QSignalSpy foundSignal(&updater, qOverload<>(&Updater::slaveFound));
        QSignalSpy good(&updater, &Updater::newAppInstallSucceeded);
        QSignalSpy bad(&updater, &Updater::newAppInstallFailed);
        updater.processCanMsg(msg);
        QCOMPARE(updater.get_slaveFound(), found);
        QCOMPARE(foundSignal.count(), found ? 1 : 0);
        QCOMPARE(good.count(), installed == 1 ? 1 : 0);
        QCOMPARE(bad.count(), installed == 0 ? 1 : 0);
        // A second answer only confirms: no second search result.
        updater.processCanMsg(msg);
        QCOMPARE(foundSignal.count(), found ? 1 : 0);
    }

    // Only the file transfer's own request ends it.
    void onlyTheFileRequestEndsTheTransfer()
    {
        TempRoot root;
        Updater updater(nullptr, nullptr, -1);
        QSignalSpy finished(&updater, &Updater::fileXfrFinished);
        updater.set_fileXfrRequestId(41);
        updater.requestServedSlot(40);
        updater.requestServedSlot(42);
        QCOMPARE(finished.count(), 0);
        updater.requestServedSlot(41);
        QCOMPARE(finished.count(), 1);
    }

    void nameField_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("sent");
        const QString dir = "/media/sda1/" + QString(50, 'd');
        QTest::newRow("fits") << "/root/kivlfb_2.0.1" << "/root/kivlfb_2.0.1";
        QTest::newRow("63 bytes fit") << "/" + QString(62, 'a') << "/" + QString(62, 'a');
        QTest::newRow("64 bytes do not") << "/xxxxxxxx/" + QString(54, 'a') << "/root/" + QString(54, 'a');
        QTest::newRow("long folder") << dir + "/kivlfb_2.0.1" << "/root/kivlfb_2.0.1";
        QTest::newRow("multi-byte name") << dir + "/ä.hcc" << "/root/ä.hcc";
        QTest::newRow("name itself too long") << dir + "/" + QString(60, 'n') << "";
        QTest::newRow("empty") << "" << "";
    }
    void nameField()
    {
        QFETCH(QString, target);
        QFETCH(QString, sent);
        const QByteArray field = Updater::fileTransferNameField(target);
        if (sent.isEmpty()) {
            QCOMPARE(field, QByteArray());
            return;
        }
        QCOMPARE(field, paddedName(sent));
    }

    // A cabinet with a second display takes the whole package: the
    // application byte for byte under its installed path (or "/root/" and
    // its name where the path does not fit), the install request once the
    // file is through, then the personality file and the splash screen.
    // Whatever the install answer, the branch goes on to the other files.
    void secondaryTakesEverything_data()
    {
        QTest::addColumn<int>("install");
        QTest::addColumn<bool>("longTarget");
        QTest::addColumn<QString>("failure");
        QTest::newRow("installed") << int(SecondaryDisplay::Install::Succeeds) << false << "";
        QTest::newRow("installed, long target path")
            << int(SecondaryDisplay::Install::Succeeds) << true << "";
        QTest::newRow("install failed") << int(SecondaryDisplay::Install::Fails) << false
                                        << "<br><b>App install on secondary UI FAILED! </b><br>";
        QTest::newRow("no install answer")
            << int(SecondaryDisplay::Install::Silent) << false
            << "<br><b>Secondary UI app install FAILED! </b><br>Confirmation timeout.";
    }
    void secondaryTakesEverything()
    {
        QFETCH(int, install);
        QFETCH(bool, longTarget);
        QFETCH(QString, failure);
        Rig rig;
        SecondaryDisplay other(2);
        other.install = SecondaryDisplay::Install(install);
        const QByteArray app = program();
        QVERIFY(app.startsWith("\x7f" "ELF"));
        QVERIFY(rig.addFile("app/kivlfb_2.0.1", app));
        QVERIFY(rig.addFile("config/cab.hcc", "{\"hasSecondaryDisplay\": true}"));
        QVERIFY(rig.addFile("splashScreen/splash-screen", QByteArray(150, 's')));
        const QString targetDir = longTarget ? "/root/" + QString(60, 't') : "/root";
        QVERIFY(QDir().mkpath(rig.root.filePath(targetDir)));
        rig.updater->set_TargetPath(targetDir);
        rig.updater->set_slaveUiNeeded(true);
        QSignalSpy xfrActive(rig.updater.get(), &Updater::canFileXfrActiveChanged);

        QVERIFY(rig.start());
        QVERIFY(rig.finish());

        const QString installed = rig.root.filePath(targetDir + "/kivlfb_2.0.1");
        QCOMPARE(rig.updater->get_newAppFilePath(), installed);
        QCOMPARE(QFileInfo(rig.root.filePath(targetDir + "/kivlfb")).symLinkTarget(), installed);
        QVERIFY2(longTarget == (installed.toUtf8().size() >= 64), qPrintable(installed));
        const QString appName = longTarget ? "/root/kivlfb_2.0.1" : installed;
        QTRY_COMPARE(other.files.size(), 3);
        QCOMPARE(other.files.at(0), paddedName(appName) + app);
        QCOMPARE(other.installs, QList<QByteArray>{"kivlfb_2.0.1"});
        QCOMPARE(other.files.at(1), paddedName("/root/cab.hcc") + "{\"hasSecondaryDisplay\": true}");
        QCOMPARE(other.files.at(2), paddedName("/root/splash-screen") + QByteArray(150, 's'));
        // Roll calls found the display; after that the application went,
        // then the install request, and the later parts did not ask again.
        QVERIFY2(QRegularExpression("^R+FIFF$").match(other.events).hasMatch(), qPrintable(other.events));
        QCOMPARE(QSet<int>(other.senders.begin(), other.senders.end()), QSet<int>{3});
        QVERIFY(rig.updater->get_slaveFound());
        QVERIFY(xfrActive.count() >= 2);
        QVERIFY(!rig.updater->get_canFileXfrActive());

        QCOMPARE(rig.updater->get_updateFailed(), !failure.isEmpty());
        if (failure.isEmpty()) {
            QCOMPARE(rig.result(), kSuccessful);
        } else {
            QCOMPARE(rig.message().count(failure), 1);
            QVERIFY(rig.result().startsWith("updateResult=failed\n"));
        }
    }

    // A file that cannot be sent is reported, and the branch goes on: no
    // install request for an application that is not there, and the other
    // files still go. The display's own application stays as it was when
    // its install fails.
    void fileThatCannotBeSent_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QStringList>("sent"); // name fields that arrived
        QTest::addColumn<QString>("failure");
        const QString notSent = "<br><b>Secondary UI file transfer FAILED! </b><br>";
        QTest::newRow("application removed after the check")
            << "app/kivlfb_2.0.1" << QStringList{"/root/cab.hcc", "/root/splash-screen"}
            << "<br>Failed to install application: kivlfb_2.0.1: ";
        QTest::newRow("application not linked here")
            << "link" << QStringList{"/root/cab.hcc", "/root/splash-screen"} << notSent + "(no file)";
        QTest::newRow("personality file removed")
            << "config/cab.hcc" << QStringList{"@app", "/root/splash-screen"} << notSent + "@pkg/config/cab.hcc";
        QTest::newRow("splash screen removed")
            << "splashScreen/splash-screen" << QStringList{"@app", "/root/cab.hcc"}
            << notSent + "@pkg/splashScreen/splash-screen";
    }
    void fileThatCannotBeSent()
    {
        QFETCH(QString, trouble);
        QFETCH(QStringList, sent);
        QFETCH(QString, failure);
        Rig rig;
        SecondaryDisplay other(2);
        QVERIFY(rig.addFile("app/kivlfb_2.0.1", program()));
        QVERIFY(rig.addFile("config/cab.hcc", "{}"));
        QVERIFY(rig.addFile("splashScreen/splash-screen", "splash"));
        QVERIFY(rig.root.writeFile("/root/kivlfb_1.9.0", "old"));
        QVERIFY(QFile::link(rig.root.filePath("/root/kivlfb_1.9.0"), rig.root.filePath("/root/kivlfb")));
        rig.updater->set_slaveUiNeeded(true);
        const QString pkg = QDir::cleanPath(QFileInfo(rig.package.path()).absoluteFilePath());
        QVERIFY(rig.start([&] {
            if (trouble == "link") {
                QFile::remove(rig.root.filePath("/root/kivlfb"));
                QDir().mkpath(rig.root.filePath("/root/kivlfb/in-the-way"));
            } else {
                QFile::remove(rig.package.filePath(trouble));
            }
        }));
        QVERIFY(rig.finish());

        const QString installed = rig.root.filePath("/root/kivlfb_2.0.1");
        QTRY_COMPARE(other.files.size(), sent.size());
        QStringList names;
        for (const QByteArray &file : other.files)
            names << QString::fromUtf8(file.left(64).constData());
        sent.replaceInStrings("@app", installed);
        QCOMPARE(names, sent);
        const bool appSent = sent.contains(installed);
        QCOMPARE(other.installs.size(), appSent ? 1 : 0);

        QVERIFY(rig.updater->get_updateFailed());
        QVERIFY(rig.result().startsWith("updateResult=failed\nresultDetail=update is failed: "));
        QVERIFY2(rig.message().contains(failure.replace("@pkg", pkg)), qPrintable(rig.message()));
        QVERIFY(rig.updater->get_uiPartDone() && rig.updater->get_configPartDone()
                && rig.updater->get_splashScreenDone());
        if (trouble == "app/kivlfb_2.0.1") {
            // Nothing replaced here: the display starts what it had.
            QCOMPARE(QFileInfo(rig.root.filePath("/root/kivlfb")).symLinkTarget(),
                     rig.root.filePath("/root/kivlfb_1.9.0"));
            QCOMPARE(rig.root.readFile("/root/kivlfb_1.9.0"), QByteArray("old"));
            QVERIFY(!QFile::exists(installed));
        }
        if (trouble == "link")
            QCOMPARE(rig.root.readFile("/root/kivlfb_1.9.0"), QByteArray("old"));
    }

    // Nobody answers: one roll call a second, 31 in all, the bar filling to
    // 100. Where the personality says the second display exists that is a
    // failed update; without one (a package that merely carries a
    // personality file) it is not.
    void nobodyAnswers_data()
    {
        QTest::addColumn<bool>("secondary");
        QTest::newRow("second display expected") << true;
        QTest::newRow("no second display") << false;
    }
    void nobodyAnswers()
    {
        QFETCH(bool, secondary);
        Rig rig;
        SecondaryDisplay other(-1);
        QVERIFY(rig.addFile("config/cab.hcc", "{}"));
        rig.updater->set_slaveUiNeeded(secondary);
        QList<int> progress;
        QObject::connect(rig.updater.get(), &Updater::checkForSlaveUiProgressChanged,
                         [&progress](int value) { progress << value; });
        QVERIFY(rig.start());
        QVERIFY(rig.finish());

        QTRY_COMPARE(other.rollCalls, 31);
        QCOMPARE(progress.size(), 30);
        QCOMPARE(progress.at(14), 50);
        QCOMPARE(progress.last(), 100);
        QVERIFY(other.files.isEmpty());
        QVERIFY(!rig.updater->get_slaveFound());
        const QString notFound = "<br><b>Secondary UI not found! </b><br>No answer to roll call.";
        if (secondary) {
            QCOMPARE(rig.message().count(notFound), 1);
            QVERIFY(rig.updater->get_updateFailed());
            QCOMPARE(rig.result(), QByteArray("updateResult=failed\nresultDetail=update is failed: "
                                              "Secondary UI not found!; No answer to roll call.\n"));
        } else {
            QVERIFY(!rig.message().contains(notFound));
            QCOMPARE(rig.result(), kSuccessful);
        }
    }
};

QTEST_MAIN(TestSecondaryDisplay)
#include "tst_secondarydisplay.moc"
