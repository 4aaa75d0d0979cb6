#include "updater.h"
#include "updaterstartup.h"

#include "platform/kivclock.h"

#include "machinestates.h"
#include "messagecatcher.h"
#include "filetree.h"
#include "privatebus.h"
#include "ptypair.h"
#include "temproot.h"

#include <QAbstractState>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QSerialPort>
#include <QSignalTransition>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

#include <memory>
#include <sys/stat.h>

namespace {

QString stripped(const QString &name)
{
    return QString(name).remove(QLatin1Char('"'));
}

// The machine's own states, not those of machines it holds as children.
QList<QAbstractState *> ownStates(QStateMachine &machine)
{
    QList<QAbstractState *> states;
    for (QAbstractState *s : machine.findChildren<QAbstractState *>()) {
        if (s->machine() == &machine && !qobject_cast<QStateMachine *>(s))
            states << s;
    }
    return states;
}

// Records every state the machine enters, in order.
class StateRecorder
{
public:
    explicit StateRecorder(QStateMachine &machine)
    {
        for (QAbstractState *s : ownStates(machine)) {
            QObject::connect(s, &QAbstractState::entered, s,
                             [this, s] { m_entered << stripped(s->objectName()); });
        }
    }
    QStringList entered() const { return m_entered; }

private:
    QStringList m_entered;
};

const QByteArray kSuccessful = "updateResult=successful\nresultDetail=update complete successfully\n";
// A failure the screen gave no reason for (a sound file that did not go in).
const QByteArray kFailed = "updateResult=failed\nresultDetail=update is failed\n";

} // namespace

// The update chart, the result it leaves for the controller, the report on
// the D-Bus and the stop at the end.
class TestUpdateMachine : public QObject
{
    Q_OBJECT

    QStringList m_iotTexts;
    QList<QDBusMessage> m_iotMessages;

private slots:
    void cleanup()
    {
        KivClock::useSystemClock();
        m_iotTexts.clear();
        m_iotMessages.clear();
    }

    // The chart builds without a framework complaint (every entry, exit and
    // action slot exists), and the tracer sees each transition's trigger and
    // actions.
    void chartTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("trigSignal");
        QTest::addColumn<QString>("action");

        QTest::newRow("plain") << "idle2update" << "idleState" << "updatingState"
                               << "this::startUpdateNextStep()" << "";
        QTest::newRow("guarded timer") << "t_bothPartsDone" << "uiSibParallelState"
                                       << "cookbookUpdateState"
                                       << "&uiAndSibPartsDoneTimer::timeout()" << "";
        QTest::newRow("emit and call") << "t_findSlaveTimerTO" << "findSlaveState" << ""
                                       << "&findSlaveTimer::timeout()"
                                       << "emit this->slaveNotFound()\nthis->retryCheckForSlaveUi()\n";
        QTest::newRow("timer stop") << "t_sibFileError" << "sendSegmentPreWait" << ""
                                    << "this::sibFileIsNotGood()"
                                    << "this->sibFileError()\n&sibIoAckTimer->stop()\n"
                                       "this->setSibPartDoneTrue()\nemit this->startUpdateNextStep()\n";
        QTest::newRow("queued") << "t_nfc_bootlreq_noAck" << "nfcRequestBootloadState"
                                << "nfcSendFileState" << "&sibIoAckTimer::timeout()"
                                << "this->logTransitionTriggered()\n";
        QTest::newRow("serial line") << "t_serialDataRcved" << "sibUpdateState" << ""
                                     << "serialPort::readyRead()" << "this->processReceivedData()\n";
        QTest::newRow("poll reply") << "t_fwUpdateDetails" << "waitForAllPhus" << ""
                                    << "m_phuFwUpdateStatusPollInfo::pollReplyGood()"
                                    << "this->processFwUpdateStatus()\n";
        QTest::newRow("start-application frame sent again") << "t_finished_noAck"
            << "mainPhuUpdateFinishedState" << "" << "&sibIoAckTimer::timeout()"
            << "this->requestStartApp()\nemit this->sibUpdateGo2NextStep()\n";
        QTest::newRow("start-application never acknowledged") << "t_finished_noAckAgain"
            << "mainPhuUpdateFinishedState" << "slavePHusUpdate" << "&sibIoAckTimer::timeout()"
            << "this->startAppNotAcknowledged()\n";
        QTest::newRow("status poll") << "t_periodicStatusCheck2" << "waitForAllPhus" << ""
                                     << "&sibUpdateStepTimer::timeout()"
                                     << "this->sendGetPhuOperationMode()\nthis->countUnansweredStatusPoll()\n";
        QTest::newRow("last") << "lang2done" << "languagesUpdateState" << "updateDoneState"
                              << "this::startUpdateNextStep()" << "";
    }

    void chartTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, source);
        QFETCH(QString, target);
        QFETCH(QString, trigSignal);
        QFETCH(QString, action);

        TempRoot root;
        QSerialPort port;
        std::unique_ptr<Updater> updater;
        {
            MessageCatcher catcher;
            updater = std::make_unique<Updater>(&port, nullptr, -1);
            QCOMPARE(catcher.warnings(), QStringList());
        }
        auto *t = updater->findChild<QSignalTransition *>(name);
        QVERIFY(t);
        QCOMPARE(stripped(t->sourceState()->objectName()), source);
        QCOMPARE(t->targetState() ? stripped(t->targetState()->objectName()) : QString(), target);
        QCOMPARE(t->property("trigSignal").toString(), trigSignal);
        QCOMPARE(t->property("action").toString(), action);
    }

    // The tree: one machine of 44 states, the two update regions in
    // parallel, and an update that runs at most once.
    void chartTree()
    {
        TempRoot root;
        Updater updater(nullptr, nullptr, -1);
        const QList<QAbstractState *> states = ownStates(updater);
        QSet<QString> names;
        for (QAbstractState *s : states)
            names << stripped(s->objectName());
        QCOMPARE(names.size(), states.size());
        QCOMPARE(states.size(), 44);
        int transitions = 0;
        for (QAbstractState *s : states) {
            if (auto *state = qobject_cast<QState *>(s))
                transitions += state->transitions().size();
        }
        // The chart's 68, and three more: a firmware file that fails its
        // check before any board is asked to leave its application (I/O and
        // NFC), an I/O board that never acknowledges starting it, and an
        // application that cannot be sent to the secondary display.
        QCOMPARE(transitions, 72);

        auto *parallel = updater.findChild<QState *>("\"uiSibParallelState\"");
        QVERIFY(parallel);
        QCOMPARE(parallel->childMode(), QState::ParallelStates);
        QStringList regions;
        for (QAbstractState *s : parallel->findChildren<QAbstractState *>(QString(), Qt::FindDirectChildrenOnly))
            regions << stripped(s->objectName());
        QCOMPARE(regions, (QStringList{"uiUpdatePart", "sibUpdatePart"}));
        for (const char *end : {"\"updateDoneState\"", "\"updateErrorState\""}) {
            auto *s = updater.findChild<QState *>(end);
            QVERIFY(s);
            QVERIFY(s->transitions().isEmpty());
        }
    }

    // An empty package with auto-install: every part has nothing to do, the
    // parallel state is left at its first check, the data parts pass
    // straight through, and a shorter result replaces a longer old one. A
    // run that found no update installed nothing: it ends failed.
    void emptyPackageRunsToDone()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/updates/firmwareUpdateResult.txt",
                               "updateResult=successful\nresultDetail=update complete successfully\n"
                               "and an older tail that must not survive\n"));
        QTemporaryDir package;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(package.path()));

        Updater updater(nullptr, nullptr, -1);
        updater.set_autoInstall(true);
        StateRecorder recorder(updater);
        QSignalSpy done(&updater, &Updater::updatesDone);
        QElapsedTimer clock;
        clock.start();
        updater.start();
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 5000);
        const qint64 elapsed = clock.elapsed();
        QVERIFY(QDir::setCurrent(previous));

        QCOMPARE(activeStateNames(updater), QStringList{"updateDoneState"});
        QVERIFY2(elapsed >= 900 && elapsed < 3000, qPrintable(QString::number(elapsed)));
        const QStringList expected = {
            "idleState", "updatingState", "uiSibParallelState",
            "uiUpdatePart", "uiUpdateState", "sibUpdatePart", "sibUpdateState",
            "sibUpdateAvailableState",
            "uiConfigUpdateState", "configFindSlaveState", "nfcUpdateState",
            "nfcUpdateAvailableState",
            "uiSplashScreenUpdateState", "splashScreenFindSlaveState",
            "cookbookUpdateState", "cleaningUpdateState", "osUpdateState", "soundsUpdateState",
            "helpUpdateState", "languagesUpdateState", "updateDoneState",
        };
        QCOMPARE(recorder.entered(), expected);
        QVERIFY(updater.get_uiPartDone() && updater.get_configPartDone()
                && updater.get_splashScreenDone() && updater.get_sibPartDone());
        QCOMPARE(updater.get_updaterDialogMsg(),
                 QStringLiteral("<b>Firmware Update In Progress</b><br><b>Do Not Turn Equipment Off</b><br>"
                                "No update found"));
        QVERIFY(updater.get_updateFailed());
        QCOMPARE(root.readFile("/root/updates/firmwareUpdateResult.txt"),
                 QByteArray("updateResult=failed\nresultDetail=update is failed: No update found\n"));
    }

    // Packages as a stranger can make them, beside a good one, run through
    // with auto-install: only regular files inside the package are
    // installed, with the modes of a normal install; links and special
    // files are skipped with a log line and fail the update, and nothing
    // waits on them.
    void hostilePackages_data()
    {
        QTest::addColumn<QString>("entry");     // what "sounds/" holds
        QTest::addColumn<bool>("installed");    // "a.wav" arrived
        QTest::addColumn<QString>("line");      // the warning logged
        QTest::newRow("a regular file") << "file" << true << QString();
        QTest::newRow("a world-writable file") << "writable" << true << QString();
        QTest::newRow("a link to a file outside") << "link" << false << "not a regular file";
        QTest::newRow("a link to a device") << "device" << false << "not a regular file";
        QTest::newRow("a FIFO") << "fifo" << false << "not a regular file";
        QTest::newRow("a folder") << "folder" << false << "not a regular file";
        QTest::newRow("the part folder a link to outside") << "folderLink" << false << "is not a folder of the package";
    }

    void hostilePackages()
    {
        QFETCH(QString, entry);
        QFETCH(bool, installed);
        QFETCH(QString, line);
        TempRoot root;
        QVERIFY(QDir().mkpath(root.filePath("/home/user")));
        QVERIFY(QDir().mkpath(root.filePath("/root/updates")));
        QTemporaryDir package, outside;
        QVERIFY(writeFileTree(outside.path(), {"a.wav"}));
        const QString sounds = package.filePath("sounds");
        const QString wav = sounds + "/a.wav";
        if (entry == "folderLink") {
            QVERIFY(QFile::link(outside.path(), sounds));
        } else {
            QVERIFY(QDir().mkpath(sounds));
            if (entry == "file" || entry == "writable")
                QVERIFY(writeFileTree(package.path(), {"sounds/a.wav"}));
            if (entry == "writable")
                QVERIFY(QFile::setPermissions(wav, QFileDevice::Permissions(0x7777)));
            if (entry == "link")
                QVERIFY(QFile::link(outside.filePath("a.wav"), wav));
            if (entry == "device")
                QVERIFY(QFile::link("/dev/zero", wav));
            if (entry == "fifo")
                QCOMPARE(::mkfifo(QFile::encodeName(wav).constData(), 0666), 0);
            if (entry == "folder")
                QVERIFY(QDir().mkpath(wav));
        }
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(package.path()));
        Updater updater(nullptr, nullptr, -1);
        updater.set_autoInstall(true);
        QSignalSpy done(&updater, &Updater::updatesDone);
        MessageCatcher log;
        updater.start();
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 5000);
        QVERIFY(QDir::setCurrent(previous));

        QVERIFY(updater.get_soundsUpdateAvailable());
        const QString target = root.filePath("/home/user/sounds/a.wav");
        QCOMPARE(QFileInfo(target).isFile() && !QFileInfo(target).isSymLink(), installed);
        if (installed) {
            QCOMPARE(root.readFile("/home/user/sounds/a.wav"), QByteArray("sounds/a.wav"));
            QCOMPARE(QFile::permissions(target) & 0x0FFF, QFileDevice::Permissions(0x0644));
        }
        QCOMPARE(updater.get_updateFailed(), !installed);
        QCOMPARE(root.readFile("/root/updates/firmwareUpdateResult.txt"), installed ? kSuccessful : kFailed);
        const QStringList warnings = log.warnings().filter("Update:");
        QCOMPARE(warnings.size(), line.isEmpty() ? 0 : 1);
        if (!line.isEmpty())
            QVERIFY2(warnings.first().contains(line), qPrintable(warnings.first()));
    }

    // Without auto-install and without the user, the update never begins;
    // the parallel state waits for every board the package names.
    void waitsForStartAndBoards()
    {
        TempRoot root;
        QTemporaryDir package;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(package.path()));
        Updater updater(nullptr, nullptr, -1);
        updater.start();
        QTRY_COMPARE(activeStateNames(updater), QStringList{"idleState"});
        QTest::qWait(300);
        QCOMPARE(activeStateNames(updater), QStringList{"idleState"});
        QVERIFY(QDir::setCurrent(previous));

        updater.set_uiPartDone(true);
        updater.set_configPartDone(true);
        updater.set_splashScreenDone(true);
        QVERIFY(updater.uiAndSibPartsDone());
        updater.set_splashScreenDone(false);
        QVERIFY(!updater.uiAndSibPartsDone());
    }

    // The roll call gives up after 30 unanswered tries, with its progress.
    void rollCallGivesUp()
    {
        TempRoot root;
        Updater updater(nullptr, nullptr, -1);
        QList<int> progress;
        for (int i = 0; i < 30; ++i) {
            updater.retryCheckForSlaveUi();
            progress << updater.get_checkForSlaveUiProgress();
        }
        QCOMPARE(progress.at(0), 3);
        QCOMPARE(progress.at(14), 50);
        QCOMPARE(progress.at(29), 100);
        QCOMPARE(updater.rollCallTries(), 30);
        QVERIFY(!updater.get_uiPartDone() && !updater.get_configPartDone()
                && !updater.get_splashScreenDone());
        updater.retryCheckForSlaveUi();
        QCOMPARE(updater.rollCallTries(), 30);
        QVERIFY(updater.get_uiPartDone() && updater.get_configPartDone()
                && updater.get_splashScreenDone());
        QVERIFY(!updater.get_updateFailed());
    }

    // Retries: 30 time-outs in a row are allowed, a good packet starts over.
    void retryLimit()
    {
        TempRoot root;
        Updater updater(nullptr, nullptr, -1);
        for (int i = 0; i < 29; ++i)
            updater.incRetryCount();
        QVERIFY(updater.retryPossible());
        updater.clearRetryCount();
        QCOMPARE(updater.get_totalTimeouts(), 29);
        for (int i = 0; i < 30; ++i)
            updater.incRetryCount();
        QVERIFY(updater.noRetryPossible() && !updater.retryPossible());
    }

    // The firmware-update event, byte for byte, with the time rounded to
    // the nearest second.
    void firmwareUpdatedEvent_data()
    {
        QTest::addColumn<bool>("result");
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<QByteArray>("timestamp");
        QTest::newRow("good, 499 ms stays") << true << qint64(1700000000499) << QByteArray("Success")
                                            << QByteArray("1700000000");
        QTest::newRow("failed, 999 ms rounds up") << false << qint64(1700000000999)
                                                  << QByteArray("Failed") << QByteArray("1700000001");
        QTest::newRow("500 ms rounds up") << true << qint64(1700000000500) << QByteArray("Success")
                                          << QByteArray("1700000001");
    }

    void firmwareUpdatedEvent()
    {
        QFETCH(bool, result);
        QFETCH(qint64, ms);
        QFETCH(QByteArray, status);
        QFETCH(QByteArray, timestamp);
        QCOMPARE(Updater::firmwareUpdatedEvent(result, ms),
                 "{\n    \"event\": \"firmwareUpdated\",\n    \"firmwareVer\": \"\",\n"
                 "    \"status\": \"" + status + "\",\n    \"subSystemId\": \"0\",\n"
                 "    \"timestamp\": \"" + timestamp + "\"\n}\n");
    }

    void onIotProxy(const QDBusMessage &message)
    {
        m_iotMessages << message;
        m_iotTexts << message.arguments().value(0).toString();
    }

    // The whole program in this process: a failed update (one menu file
    // cannot be copied) announces itself on the bus, writes the failed
    // result and runs the stop command.
    void failedUpdateReportsAndStops()
    {
        PrivateBus bus;
        QVERIFY(bus.start());
        QDBusConnection listener = QDBusConnection::connectToBus(bus.address(), "iotListener");
        QVERIFY(listener.isConnected());
        QVERIFY(listener.connect(QString(), "/iotproxy", "org.orbanta.IoTProxy", "iotproxy", this,
                                 SLOT(onIotProxy(QDBusMessage))));

        TempRoot root;
        qputenv("KIV_CAN", "virtual");
        qputenv("KIV_VCAN_DIR", QFile::encodeName(root.filePath("/run/vcan/can0")));
        QVERIFY(root.writeFile("/root/updates/firmwareUpdateResult.txt", kSuccessful + "old tail\n"));
        // A second name for the old file tells a replaced file from one
        // rewritten in place, which a power cut could leave torn.
        QVERIFY(::link(QFile::encodeName(root.filePath("/root/updates/firmwareUpdateResult.txt")).constData(),
                       QFile::encodeName(root.filePath("/root/updates/previousResult.txt")).constData()) == 0);
        QVERIFY(root.addFakeTool("/usr/bin/pkill"));
        // A folder where a menu file should go: that copy fails.
        QVERIFY(QDir().mkpath(root.filePath("/root/mcImport/b.mnu/keep")));
        PtyPair pty;
        QVERIFY(pty.open());

        QTemporaryDir package;
        for (const char *name : {"configuration/a.mnu", "configuration/b.mnu"}) {
            QVERIFY(QDir(package.path()).mkpath("configuration"));
            QFile f(package.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(name);
        }
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(package.path()));

        KivClock::freezeAt(1700000000999);
        QObject owner;
        auto startup = std::make_unique<UpdaterStartup>(
            QStringList{"kivSystemUpdateUtil", "-sp" + pty.devicePath(), "-autoinstall"}, &owner);
        Updater *upd = startup->updater();
        QSignalSpy done(upd, &Updater::updatesDone);
        startup->startMachines();
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 5000);
        QVERIFY(QDir::setCurrent(previous));

        QTRY_COMPARE(m_iotTexts.size(), 1);
        const QDBusMessage &message = m_iotMessages.first();
        QCOMPARE(message.path(), QStringLiteral("/iotproxy"));
        QCOMPARE(message.interface(), QStringLiteral("org.orbanta.IoTProxy"));
        QCOMPARE(message.member(), QStringLiteral("iotproxy"));
        QCOMPARE(message.signature(), QStringLiteral("s"));
        QCOMPARE(m_iotTexts.first().toUtf8(), Updater::firmwareUpdatedEvent(false, 1700000000999));
        QVERIFY(m_iotTexts.first().contains("\"timestamp\": \"1700000001\""));

        QCOMPARE(root.readFile("/root/updates/firmwareUpdateResult.txt"),
                 QByteArray("updateResult=failed\nresultDetail=update is failed: b.mnu: Fail\n"));
        QCOMPARE(root.readFile("/root/updates/previousResult.txt"), kSuccessful + "old tail\n");
        QVERIFY(!QFile::exists(root.filePath("/root/updates/firmwareUpdateResult.txt.New")));
        QVERIFY(upd->get_updaterDialogMsg().endsWith(
            "<br><b>Tavolen file install status</b><br><br>a.mnu: OK<br>b.mnu: Fail<br>"));
        QTRY_COMPARE(root.fakeToolCalls("/usr/bin/pkill"), (QStringList{"kiv", "--"}));
        startup.reset();
        qunsetenv("KIV_CAN");
        qunsetenv("KIV_VCAN_DIR");
    }

    // The stop command runs through the tool runner and returns; where the
    // root holds no such tool nothing runs.
    void exitRunsStopCommand()
    {
        TempRoot root;
        Updater updater(nullptr, nullptr, -1);
        QElapsedTimer clock;
        clock.start();
        updater.exitUpdateApp();
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(root.fakeToolCalls("/usr/bin/pkill").isEmpty());

        QVERIFY(root.addFakeTool("/usr/bin/pkill"));
        updater.exitUpdateApp();
        QCOMPARE(root.fakeToolCalls("/usr/bin/pkill"), (QStringList{"kiv", "--"}));
    }

    // Without the updates folder nothing is written and the run still ends.
    void noUpdatesFolder()
    {
        TempRoot root;
        QTemporaryDir package;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(package.path()));
        Updater updater(nullptr, nullptr, -1);
        updater.set_autoInstall(true);
        QSignalSpy done(&updater, &Updater::updatesDone);
        updater.start();
        QTRY_COMPARE(done.count(), 1);
        QVERIFY(QDir::setCurrent(previous));
        QVERIFY(!QFile::exists(root.filePath("/root/updates/firmwareUpdateResult.txt")));
        QCOMPARE(activeStateNames(updater), QStringList{"updateDoneState"});
    }
};

QTEST_MAIN(TestUpdateMachine)
#include "tst_updatemachine.moc"
