#include "mastersync.h"

#include "property/assignifchanged.h"

#include "platform/kivroot.h"
#include "statemachine/statemachinebuilder.h"

#include <QDebug>
#include <QFileInfo>

namespace {

constexpr int kSyncFailedMs = 30000;
constexpr int kSyncAttemptMs = 500;
constexpr int kPeriodicRollCallMs = 1000;
constexpr int kSlavePostSyncUpdateMs = 3000;
constexpr int kMenuImportMs = 500;
constexpr int kDefaultDayPartMs = 500;
constexpr int kHoldRestoreMs = 300;
constexpr int kSyncFailedContinueMs = 1;

// Link supervision: more than this much silence is a broken link ...
constexpr quint32 kLinkBrokenSecs = 30;
// ... and this little silence after a break means the link is back.
constexpr quint32 kLinkBackSecs = 2;

constexpr int kSyncErrorMain = 4;
constexpr int kSecondaryLost = 0; // reported by the primary display
constexpr int kPrimaryLost = 1;   // reported by any other display

const char kErrorsBuffFile[] = "errorsBuff.txt";

} // namespace

MasterSync::MasterSync(QObject *parent)
    : TarnStateMachine(parent)
    , syncFailedTimer(this)
    , syncAttemptTimer(this)
    , continueTimer(this)
    , periodicRollCallTimer(this)
    , slavePostSyncUpdateTimer(this)
{
    // The timers are children, so they can be found by their names.
    syncFailedTimer.setObjectName(QStringLiteral("syncFailedTimer"));
    syncAttemptTimer.setObjectName(QStringLiteral("syncAttemptTimer"));
    continueTimer.setObjectName(QStringLiteral("continueTimer"));
    periodicRollCallTimer.setObjectName(QStringLiteral("periodicRollCallTimer"));
    slavePostSyncUpdateTimer.setObjectName(QStringLiteral("slavePostSyncUpdateTimer"));
    syncFailedTimer.setInterval(kSyncFailedMs);
    syncAttemptTimer.setInterval(kSyncAttemptMs);
    continueTimer.setSingleShot(true);
    periodicRollCallTimer.setInterval(kPeriodicRollCallMs);
    slavePostSyncUpdateTimer.setInterval(kSlavePostSyncUpdateMs);
    slavePostSyncUpdateTimer.setSingleShot(true);
    buildMachine();
}

void MasterSync::buildMachine()
{
    StateMachineBuilder b(this);
    QState *sync = b.state(this, "sync");
    QState *init = b.state(sync, "init");
    QState *attemptSynch = b.state(sync, "attemptSynch");
    QState *syncFailed = b.state(sync, "syncFailed");
    QState *postSync = b.state(sync, "postSync");
    QState *menuImport = b.state(postSync, "menuImport");
    QState *defaultDayPart = b.state(postSync, "defaultDayPart");
    QState *holdRestore = b.state(postSync, "holdRestore");
    QState *syncDone = b.state(sync, "syncDone");
    QState *waitForMaster = b.state(sync, "waitForMaster");
    QState *syncFinished = b.state(sync, "syncFinished");
    setInitialState(sync);
    sync->setInitialState(init);
    postSync->setInitialState(menuImport);

    const QString self = QStringLiteral("this");
    const QString failedTimer = QStringLiteral("&syncFailedTimer");
    const QString attemptTimer = QStringLiteral("&syncAttemptTimer");
    const QString cont = QStringLiteral("&continueTimer");
    const char *timeout = SIGNAL(timeout());

    b.transition(init, attemptSynch, "t_init", self, this, SIGNAL(resyncSignal()));
    b.transition(attemptSynch, postSync, "t_syncNotNeeded", self, this, SIGNAL(syncNotNeeded()));
    b.transition(attemptSynch, syncFailed, "t_syncTOfail", failedTimer, &syncFailedTimer, timeout);
    b.transition(attemptSynch, postSync, "t_syncSlaveFound", self, this, SIGNAL(slaveUIFound()));
    QSignalTransition *t = b.transition(attemptSynch, nullptr, "t_syncAttemptAgain", attemptTimer,
                                        &syncAttemptTimer, timeout);
    connect(t, &QAbstractTransition::triggered, this, &MasterSync::doRollCall);
    t->setProperty("action", QStringLiteral("signal, this::doRollCall()\n"));
    b.action(t, "incAttemptsCountString");

    b.transition(menuImport, defaultDayPart, "t_mi_done", cont, &continueTimer, timeout);
    b.transition(defaultDayPart, holdRestore, "t_ddp_doneM", cont, &continueTimer, timeout, "get_iAmMaster");
    b.transition(defaultDayPart, syncDone, "t_ddp_doneS", cont, &continueTimer, timeout, "get_iAmSlave");
    b.transition(holdRestore, syncDone, "t_hr_done", cont, &continueTimer, timeout);
    b.transition(syncFailed, postSync, "t_syncFaildCont", cont, &continueTimer, timeout);
    b.transition(syncDone, syncFinished, "t_nothingMore", self, this, SIGNAL(nothingMoreTodo()));
    b.transition(syncDone, waitForMaster, "t_needWaitMaster", self, this, SIGNAL(needWaitForMaster()));
    b.transition(waitForMaster, syncFinished, "t_masterMsg", self, this, SIGNAL(masterMsgRcvd()));

    t = b.transition(syncFinished, nullptr, "t_silentCanbus", self, this,
                     SIGNAL(canbusSilenceSecondsChanged(quint32)));
    b.action(t, "evaluateCanbusSilence");
    t = b.transition(syncFinished, nullptr, "t_postSyncRollCall", QStringLiteral("&periodicRollCallTimer"),
                     &periodicRollCallTimer, timeout);
    connect(t, &QAbstractTransition::triggered, this, &MasterSync::doRollCall);
    t->setProperty("action", QStringLiteral("signal, this::doRollCall()\n"));
    t = b.transition(syncFinished, nullptr, "t_slavePostSyncUpdate", QStringLiteral("&slavePostSyncUpdateTimer"),
                     &slavePostSyncUpdateTimer, timeout);
    connect(t, &QAbstractTransition::triggered, this, &MasterSync::doSlavePostSyncUpdate);
    t->setProperty("action", QStringLiteral("signal, this::doSlavePostSyncUpdate()\n"));

    // From any state but init (whose own transition on the same signal
    // wins), a resync request starts the search again.
    t = b.transition(sync, attemptSynch, "t_resync", self, this, SIGNAL(resyncSignal()));
    b.action(t, "set_slaveUIFoundFalse");
}

// ---------------------------------------------------------------------------
// Properties

void MasterSync::set_syncNeeded(bool value)
{
    if (assignIfChanged(m_syncNeeded, value))
        emit syncNeededChanged(m_syncNeeded);
}

void MasterSync::set_syncStatus(const QString &value)
{
    if (assignIfChanged(m_syncStatus, value))
        emit syncStatusChanged(m_syncStatus);
}

void MasterSync::set_showCloseButton(bool value)
{
    if (assignIfChanged(m_showCloseButton, value))
        emit showCloseButtonChanged(m_showCloseButton);
}

void MasterSync::set_iAmMaster(bool value)
{
    if (assignIfChanged(m_iAmMaster, value))
        emit iAmMasterChanged(m_iAmMaster);
}

void MasterSync::set_slaveReadyForMaster(bool value)
{
    if (assignIfChanged(m_slaveReadyForMaster, value))
        emit slaveReadyForMasterChanged(m_slaveReadyForMaster);
}

void MasterSync::set_canbusSilenceSeconds(quint32 value)
{
    if (assignIfChanged(m_canbusSilenceSeconds, value))
        emit canbusSilenceSecondsChanged(m_canbusSilenceSeconds);
}

void MasterSync::set_canLinkBroken(bool value)
{
    if (assignIfChanged(m_canLinkBroken, value))
        emit canLinkBrokenChanged(m_canLinkBroken);
}

void MasterSync::set_slaveUIfound(bool value)
{
    if (m_slaveUIfound == value)
        return;
    m_slaveUIfound = value;
    emit slaveUIfoundChanged(m_slaveUIfound);
    if (m_slaveUIfound) {
        // A secondary display that answers at last ends the "not found"
        // error of a failed search, whenever the answer comes.
        if (m_iAmMaster)
            clearSyncError(kSecondaryLost);
        emit slaveUIFound();
    } else {
        emit slaveUINotFound();
    }
}

// ---------------------------------------------------------------------------
// Helpers

void MasterSync::startContinueTimer(int msecs)
{
    continueTimer.setInterval(msecs);
    continueTimer.setSingleShot(true);
    continueTimer.start();
}

// Only a configured display waits for the primary display: an unconfigured
// one stays off the bus.
bool MasterSync::parentIsConfigured() const
{
    QObject *cabinet = parent();
    if (!cabinet || cabinet->metaObject()->indexOfMethod("get_isConfigured()") < 0)
        return false;
    bool configured = false;
    QMetaObject::invokeMethod(cabinet, "get_isConfigured", Qt::DirectConnection,
                              Q_RETURN_ARG(bool, configured));
    return configured;
}

void MasterSync::raiseSyncError(int subCode)
{
    m_raisedSyncError = subCode;
    emit syncErrorInfo(kSyncErrorMain, subCode, 0, 0);
}

void MasterSync::clearSyncError(int subCode)
{
    if (m_raisedSyncError != subCode)
        return;
    m_raisedSyncError = -1;
    emit syncErrorClearInfo(kSyncErrorMain, subCode, 0, 0);
}

void MasterSync::incAttemptsCountString()
{
    attemptsCountString += QLatin1Char('.');
    set_showCloseButton(false);
    set_syncStatus(tr("Communicating with Secondary UI") + QStringLiteral("<br>") + attemptsCountString);
}

void MasterSync::evaluateCanbusSilence()
{
    if (!m_syncNeeded && m_iAmMaster)
        return;
    const quint32 silence = m_canbusSilenceSeconds;
    if (silence > kLinkBrokenSecs && !m_canLinkBroken) {
        set_canLinkBroken(true);
        if (m_iAmMaster) {
            // Nobody to lose: no secondary display was ever found.
            if (!m_slaveUIfound)
                return;
            raiseSyncError(kSecondaryLost);
            emit displayErrorMsg(tr("<b>System Error</b><br>") + tr("Secondary UI communication loss."),
                                 true, true);
        } else {
            raiseSyncError(kPrimaryLost);
            emit displayErrorMsg(tr("<b>System Error</b><br>") + tr("Primary UI communication loss."),
                                 false, true);
        }
    } else if (silence <= kLinkBackSecs && m_canLinkBroken) {
        set_canLinkBroken(false);
        emit displayErrorMsg(QString(), false, false);
        if (m_iAmMaster) {
            emit syncMenuFiles();
            m_raisedSyncError = -1;
            emit syncErrorClearInfo(kSyncErrorMain, kSecondaryLost, 0, 0);
        } else {
            emit syncSlaveErrorsFile();
            clearSyncError(kPrimaryLost);
        }
    }
}

// ---------------------------------------------------------------------------
// States

void MasterSync::sync_onEntry() {}
void MasterSync::sync_onExit() {}

void MasterSync::init_onEntry()
{
    emit requestResyncSignal();
    emit resyncSignal();
}

void MasterSync::init_onExit() {}

void MasterSync::attemptSynch_onEntry()
{
    syncFailedTimer.setInterval(kSyncFailedMs);
    attemptsCountString.clear();
    syncAttemptTimer.setInterval(kSyncAttemptMs);
    syncAttemptTimer.setSingleShot(false);
    if (m_syncNeeded) {
        syncFailedTimer.start();
        syncAttemptTimer.start();
        incAttemptsCountString();
        emit doRollCall();
    } else {
        emit syncNotNeeded();
    }
    emit setRestoreHoldingFlagSig(false);
    emit setHoldRestoreReadySig(false);
}

void MasterSync::attemptSynch_onExit()
{
    syncFailedTimer.stop();
    syncAttemptTimer.stop();
}

void MasterSync::syncFailed_onEntry()
{
    raiseSyncError(kSecondaryLost);
    startContinueTimer(kSyncFailedContinueMs);
}

void MasterSync::syncFailed_onExit() {}
void MasterSync::postSync_onEntry() {}
void MasterSync::postSync_onExit() {}

void MasterSync::menuImport_onEntry()
{
    set_showCloseButton(false);
    set_syncStatus(tr("Checking for Tavolen import"));
    emit doMenuImportSignal();
    startContinueTimer(kMenuImportMs);
}

void MasterSync::menuImport_onExit() {}

void MasterSync::defaultDayPart_onEntry()
{
    set_showCloseButton(false);
    set_syncStatus(tr("Default Day-Part loading"));
    emit doDefaultDayPartSignal();
    startContinueTimer(kDefaultDayPartMs);
}

void MasterSync::defaultDayPart_onExit()
{
    if (get_iAmSlave())
        emit forceDayPartLoad();
}

void MasterSync::holdRestore_onEntry()
{
    set_showCloseButton(false);
    set_syncStatus(tr("Checking for Holding Restoration"));
    emit doHoldRestorationSignal();
    startContinueTimer(kHoldRestoreMs);
}

void MasterSync::holdRestore_onExit() {}

void MasterSync::syncDone_onEntry()
{
    set_syncStatus(QString());
    if (m_iAmMaster) {
        emit nothingMoreTodo();
        emit refreshMirror();
    } else if (parentIsConfigured()) {
        emit needWaitForMaster();
    }
}

void MasterSync::syncDone_onExit() {}

void MasterSync::waitForMaster_onEntry()
{
    set_showCloseButton(false);
    set_syncStatus(tr("Waiting for Primary UI."));
    set_slaveReadyForMaster(true);
}

void MasterSync::waitForMaster_onExit() {}

void MasterSync::syncFinished_onEntry()
{
    set_syncStatus(QString());
    emit systemReadyForTrayHoldUpdates();
    qDebug().noquote() << QStringLiteral("************ slaveUIfound is: ")
            + (m_slaveUIfound ? QStringLiteral("true") : QStringLiteral("false"));
    if (m_iAmMaster && m_syncNeeded) {
        if (m_slaveUIfound) {
            periodicRollCallTimer.setInterval(kPeriodicRollCallMs);
            periodicRollCallTimer.setSingleShot(false);
            periodicRollCallTimer.start();
        } else {
            set_showCloseButton(true);
            set_syncStatus(tr("<b>System Error</b><br>Secondary UI NOT FOUND!"));
        }
    }
    emit startNfcSubSystem();
    if (!m_iAmMaster) {
        slavePostSyncUpdateTimer.start();
        const QFileInfo errors(KivRoot::appFile(QString::fromLatin1(kErrorsBuffFile)));
        if (errors.exists() && errors.size() >= 1)
            emit syncSlaveErrorsFile();
        return;
    }
    if (m_syncNeeded)
        emit syncMenuFiles();
}

void MasterSync::syncFinished_onExit()
{
    periodicRollCallTimer.stop();
}
