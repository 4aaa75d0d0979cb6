#include "core/mastersync.h"

#include "platform/kivclock.h"

#include "machinestates.h"
#include "temproot.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// Stands for the cabinet core the synchroniser asks whether the display is
// configured.
class FakeCabinet : public QObject
{
    Q_OBJECT
public:
    bool configured = true;
public slots:
    bool get_isConfigured() const { return configured; }
};

using ErrorCodes = QList<int>;

// Every outgoing moment of the synchroniser, in the order it happened.
class SyncRecorder : public QObject
{
    Q_OBJECT
public:
    explicit SyncRecorder(MasterSync *sync)
    {
        const char *const names[] = {"requestResyncSignal", "doRollCall", "syncNotNeeded", "doMenuImportSignal",
                                     "doDefaultDayPartSignal", "forceDayPartLoad", "doHoldRestorationSignal",
                                     "refreshMirror", "systemReadyForTrayHoldUpdates", "startNfcSubSystem",
                                     "syncMenuFiles", "syncSlaveErrorsFile", "doSlavePostSyncUpdate"};
        for (const char *name : names) {
            const QByteArray signal = QByteArray("2") + name + "()";
            connect(sync, signal.constData(), this, SLOT(record()));
        }
        connect(sync, &MasterSync::syncErrorInfo, this,
                [this](int a, int b, int c, int d) { raised << ErrorCodes{a, b, c, d}; });
        connect(sync, &MasterSync::syncErrorClearInfo, this,
                [this](int a, int b, int c, int d) { cleared << ErrorCodes{a, b, c, d}; });
    }
    QStringList events;
    QList<ErrorCodes> raised;
    QList<ErrorCodes> cleared;
    int count(const QString &name) const { return events.count(name); }

private slots:
    void record()
    {
        const QMetaMethod signal = sender()->metaObject()->method(senderSignalIndex());
        events << QString::fromLatin1(signal.name());
    }
};

const qint64 kNoon = 1704110400000;

} // namespace

class TestMasterSync : public QObject
{
    Q_OBJECT

    struct Rig {
        std::unique_ptr<TempRoot> root = std::make_unique<TempRoot>();
        std::unique_ptr<FakeCabinet> cabinet = std::make_unique<FakeCabinet>();
        MasterSync *sync = nullptr;
        std::unique_ptr<SyncRecorder> recorder;
    };

    static std::unique_ptr<Rig> rig(bool primary, bool syncNeeded, bool configured = true)
    {
        auto r = std::make_unique<Rig>();
        r->cabinet->configured = configured;
        r->sync = new MasterSync(nullptr);
        r->sync->setParent(r->cabinet.get());
        r->sync->set_iAmMaster(primary);
        r->sync->set_syncNeeded(syncNeeded);
        r->recorder = std::make_unique<SyncRecorder>(r->sync);
        return r;
    }

    static bool inState(const MasterSync *sync, const QString &name)
    {
        return activeStateNames(*sync).contains(name);
    }

    // Events from the first post-sync step on, without the roll calls.
    static QStringList postSyncEvents(const SyncRecorder &recorder)
    {
        QStringList events = recorder.events.mid(recorder.events.indexOf(QStringLiteral("doMenuImportSignal")));
        events.removeAll(QStringLiteral("doRollCall"));
        return events;
    }

private slots:
    void init() { KivClock::freezeAt(kNoon); }
    void cleanup() { KivClock::useSystemClock(); }

    // The primary display calls the roll until the secondary display answers,
    // then runs the post-sync steps in order and keeps calling the roll.
    void primaryFindsItsSecondaryAndRunsThePostSteps()
    {
        auto r = rig(true, true);
        QSignalSpy restoreReady(r->sync, &MasterSync::setHoldRestoreReadySig);
        r->sync->start();
        QTRY_VERIFY(inState(r->sync, "attemptSynch"));
        QCOMPARE(r->recorder->events.mid(0, 2), (QStringList{"requestResyncSignal", "doRollCall"}));
        QCOMPARE(restoreReady.count(), 1);
        QCOMPARE(restoreReady.first().first().toBool(), false);

        // One more dot for every roll call.
        QTRY_COMPARE(r->recorder->count("doRollCall"), 2);
        QCOMPARE(r->sync->get_syncStatus(), QStringLiteral("Communicating with Secondary UI<br>.."));

        r->sync->set_slaveUIFoundTrue();
        QTRY_VERIFY_WITH_TIMEOUT(inState(r->sync, "syncFinished"), 5000);
        QCOMPARE(postSyncEvents(*r->recorder),
                 (QStringList{"doMenuImportSignal", "doDefaultDayPartSignal", "doHoldRestorationSignal",
                              "refreshMirror", "systemReadyForTrayHoldUpdates", "startNfcSubSystem",
                              "syncMenuFiles"}));
        QCOMPARE(r->sync->get_syncStatus(), QString());
        QVERIFY(r->recorder->raised.isEmpty());

        // The roll call goes on once a second; a resync starts the search again.
        const int calls = r->recorder->count("doRollCall");
        QTRY_VERIFY_WITH_TIMEOUT(r->recorder->count("doRollCall") > calls, 2000);
        emit r->sync->resyncSignal();
        QTRY_VERIFY(inState(r->sync, "attemptSynch"));
        QVERIFY(!r->sync->get_slaveUIfound());
    }

    // No answer in 30 s: the error is reported, the post steps still run and
    // the dialog stays up; an answer that comes later withdraws the error.
    void failedSearchReportsAndALateAnswerWithdrawsTheError()
    {
        auto r = rig(true, true);
        r->sync->start();
        QTRY_VERIFY(inState(r->sync, "attemptSynch"));
        KivClock::advance(30000);
        QTRY_VERIFY_WITH_TIMEOUT(inState(r->sync, "syncFinished"), 5000);
        QCOMPARE(r->recorder->raised, (QList<ErrorCodes>{{4, 0, 0, 0}}));
        QVERIFY(r->recorder->events.contains("doHoldRestorationSignal"));
        QCOMPARE(r->sync->get_syncStatus(), QStringLiteral("<b>System Error</b><br>Secondary UI NOT FOUND!"));
        QVERIFY(r->sync->get_showCloseButton());
        // No secondary display to call: the once-a-second roll call of the
        // finished state does not run.
        const auto *rollCall = r->sync->findChild<QTimer *>(QStringLiteral("periodicRollCallTimer"));
        QVERIFY(rollCall);
        QVERIFY(!rollCall->isActive());

        r->sync->set_slaveUIFoundTrue();
        QCOMPARE(r->recorder->cleared, (QList<ErrorCodes>{{4, 0, 0, 0}}));
        QVERIFY(inState(r->sync, "syncFinished"));
    }

    // Displays that need no search: a lone primary restores holding; a
    // secondary forces its day part and, when configured, waits for the
    // primary display's roll call before it finishes.
    void displaysWithoutSearch_data()
    {
        QTest::addColumn<bool>("primary");
        QTest::addColumn<bool>("configured");
        QTest::addColumn<QString>("settlesIn");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("lone primary") << true << true << "syncFinished"
                                      << QStringList{"doMenuImportSignal", "doDefaultDayPartSignal",
                                                     "doHoldRestorationSignal", "refreshMirror",
                                                     "systemReadyForTrayHoldUpdates", "startNfcSubSystem"};
        QTest::newRow("secondary") << false << true << "waitForMaster"
                                   << QStringList{"doMenuImportSignal", "doDefaultDayPartSignal", "forceDayPartLoad"};
        QTest::newRow("unconfigured secondary") << false << false << "syncDone"
                                                << QStringList{"doMenuImportSignal", "doDefaultDayPartSignal",
                                                               "forceDayPartLoad"};
    }
    void displaysWithoutSearch()
    {
        QFETCH(bool, primary);
        QFETCH(bool, configured);
        QFETCH(QString, settlesIn);
        QFETCH(QStringList, events);
        auto r = rig(primary, false, configured);
        r->sync->start();
        QTRY_VERIFY_WITH_TIMEOUT(inState(r->sync, settlesIn), 5000);
        QTest::qWait(50);
        QVERIFY(inState(r->sync, settlesIn));
        QCOMPARE(r->recorder->count("doRollCall"), 0);
        QCOMPARE(r->recorder->count("syncNotNeeded"), 1);
        QCOMPARE(postSyncEvents(*r->recorder), events);
        QCOMPARE(r->sync->get_slaveReadyForMaster(), settlesIn == "waitForMaster");
        if (settlesIn == "waitForMaster")
            QCOMPARE(r->sync->get_syncStatus(), QStringLiteral("Waiting for Primary UI."));
    }

    // A secondary display finishes on the primary display's roll call, sends
    // its error buffer when it holds anything and updates its bins later.
    void secondaryFinishesOnTheRollCall_data()
    {
        QTest::addColumn<QByteArray>("errorsBuff");
        QTest::addColumn<bool>("sent");
        QTest::newRow("errors") << QByteArray("4,1,0,0\n") << true;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void secondaryFinishesOnTheRollCall()
    {
        QFETCH(QByteArray, errorsBuff);
        QFETCH(bool, sent);
        auto r = rig(false, false);
        r->root->writeFile("/root/errorsBuff.txt", errorsBuff);
        r->sync->start();
        QTRY_VERIFY_WITH_TIMEOUT(inState(r->sync, "waitForMaster"), 5000);
        emit r->sync->masterMsgRcvd();
        QTRY_VERIFY(inState(r->sync, "syncFinished"));
        QCOMPARE(r->recorder->count("syncSlaveErrorsFile"), sent ? 1 : 0);
        QCOMPARE(r->recorder->count("startNfcSubSystem"), 1);
        QTRY_COMPARE_WITH_TIMEOUT(r->recorder->count("doSlavePostSyncUpdate"), 1, 4000);
    }

    // Silence on the bus after the start-up: more than 30 s is a broken link,
    // 2 s or less after a break is the link back; between, nothing changes.
    void linkSupervision_data()
    {
        QTest::addColumn<bool>("primary");
        QTest::addColumn<bool>("syncNeeded");
        QTest::addColumn<bool>("slaveFound");
        QTest::addColumn<QList<ErrorCodes>>("raised");
        QTest::addColumn<QList<ErrorCodes>>("cleared");
        QTest::addColumn<QString>("sentOnReturn");
        const QList<ErrorCodes> none;
        QTest::newRow("primary with its secondary") << true << true << true << QList<ErrorCodes>{{4, 0, 0, 0}}
                                                    << QList<ErrorCodes>{{4, 0, 0, 0}} << "syncMenuFiles";
        QTest::newRow("secondary") << false << false << false << QList<ErrorCodes>{{4, 1, 0, 0}}
                                   << QList<ErrorCodes>{{4, 1, 0, 0}} << "syncSlaveErrorsFile";
        QTest::newRow("lone primary") << true << false << false << none << none << "";
    }
    void linkSupervision()
    {
        QFETCH(bool, primary);
        QFETCH(bool, syncNeeded);
        QFETCH(bool, slaveFound);
        QFETCH(QList<ErrorCodes>, raised);
        QFETCH(QList<ErrorCodes>, cleared);
        QFETCH(QString, sentOnReturn);
        auto r = rig(primary, syncNeeded);
        QSignalSpy dialog(r->sync, &MasterSync::displayErrorMsg);
        r->sync->start();
        if (slaveFound) {
            QTRY_VERIFY(inState(r->sync, "attemptSynch"));
            r->sync->set_slaveUIFoundTrue();
        }
        if (!primary) {
            QTRY_VERIFY_WITH_TIMEOUT(inState(r->sync, "waitForMaster"), 5000);
            emit r->sync->masterMsgRcvd();
        }
        QTRY_VERIFY_WITH_TIMEOUT(inState(r->sync, "syncFinished"), 5000);
        const int sentBefore = sentOnReturn.isEmpty() ? 0 : r->recorder->count(sentOnReturn);

        r->sync->set_canbusSilenceSeconds(30);
        QVERIFY(!r->sync->get_canLinkBroken());
        r->sync->set_canbusSilenceSeconds(31);
        r->sync->set_canbusSilenceSeconds(45);
        QCOMPARE(r->sync->get_canLinkBroken(), !raised.isEmpty());
        QCOMPARE(r->recorder->raised, raised);
        QCOMPARE(dialog.count(), raised.size());
        if (!raised.isEmpty())
            QVERIFY(dialog.first().first().toString().contains(primary ? "Secondary UI communication loss."
                                                                       : "Primary UI communication loss."));

        r->sync->set_canbusSilenceSeconds(3);
        QCOMPARE(r->sync->get_canLinkBroken(), !raised.isEmpty());
        QVERIFY(r->recorder->cleared.isEmpty());
        r->sync->set_canbusSilenceSeconds(2);
        QVERIFY(!r->sync->get_canLinkBroken());
        QCOMPARE(r->recorder->cleared, cleared);
        if (!sentOnReturn.isEmpty())
            QCOMPARE(r->recorder->count(sentOnReturn), sentBefore + 1);
        if (!raised.isEmpty())
            QCOMPARE(dialog.last().at(2).toBool(), false); // hidden again
    }

    // A primary display that never found its secondary display notes the
    // silent bus without an error of its own.
    void primaryWithoutSecondaryReportsNoLinkLoss()
    {
        auto r = rig(true, true);
        r->sync->start();
        QTRY_VERIFY(inState(r->sync, "attemptSynch"));
        KivClock::advance(30000);
        QTRY_VERIFY_WITH_TIMEOUT(inState(r->sync, "syncFinished"), 5000);
        r->sync->set_canbusSilenceSeconds(31);
        QVERIFY(r->sync->get_canLinkBroken());
        QCOMPARE(r->recorder->raised.size(), 1); // only the failed search
    }
};

QTEST_MAIN(TestMasterSync)
#include "tst_mastersync.moc"
