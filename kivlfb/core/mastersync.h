#pragma once

#include "platform/kivclocktimer.h"
#include "statemachine/tarnstatemachine.h"

#include <QString>
#include <QTimer>

// Sequences the start-up of the displays that share a CAN bus and then
// watches the bus for silence. It sends nothing itself: the cabinet core
// carries roll calls and answers and tells it about them by signal.
class MasterSync : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(bool syncNeeded READ get_syncNeeded WRITE set_syncNeeded NOTIFY syncNeededChanged)
    Q_PROPERTY(QString syncStatus READ get_syncStatus WRITE set_syncStatus NOTIFY syncStatusChanged)
    Q_PROPERTY(bool showCloseButton READ get_showCloseButton WRITE set_showCloseButton NOTIFY showCloseButtonChanged)
    Q_PROPERTY(bool iAmMaster READ get_iAmMaster WRITE set_iAmMaster NOTIFY iAmMasterChanged)
    Q_PROPERTY(bool slaveReadyForMaster READ get_slaveReadyForMaster WRITE set_slaveReadyForMaster NOTIFY slaveReadyForMasterChanged)
    Q_PROPERTY(quint32 canbusSilenceSeconds READ get_canbusSilenceSeconds WRITE set_canbusSilenceSeconds NOTIFY canbusSilenceSecondsChanged)
    Q_PROPERTY(bool canLinkBroken READ get_canLinkBroken WRITE set_canLinkBroken NOTIFY canLinkBrokenChanged)
    Q_PROPERTY(bool slaveUIfound READ get_slaveUIfound WRITE set_slaveUIfound NOTIFY slaveUIfoundChanged)

public:
    explicit MasterSync(QObject *parent = nullptr);

signals:
    void requestResyncSignal();
    void resyncSignal();
    void doRollCall();
    void doSlavePostSyncUpdate();
    void syncNotNeeded();
    void slaveUINotFound();
    void slaveUIFound();
    void syncErrorInfo(int mainCode, int subCode1, int subCode2, int subCode3);
    void syncErrorClearInfo(int mainCode, int subCode1, int subCode2, int subCode3);
    void displayErrorMsg(QString text, bool showCloseButtonFlag, bool showHide);
    void nothingMoreTodo();
    void refreshMirror();
    void needWaitForMaster();
    void masterMsgRcvd();
    void forceDayPartLoad();
    void systemReadyForTrayHoldUpdates();
    void doMenuImportSignal();
    void doDefaultDayPartSignal();
    void doHoldRestorationSignal();
    void syncNeededChanged(bool value);
    void syncStatusChanged(QString value);
    void showCloseButtonChanged(bool value);
    void iAmMasterChanged(bool value);
    void slaveReadyForMasterChanged(bool value);
    void canbusSilenceSecondsChanged(quint32 value);
    void canLinkBrokenChanged(bool value);
    void slaveUIfoundChanged(bool value);
    void startNfcSubSystem();
    void setRestoreHoldingFlagSig(bool value);
    void setHoldRestoreReadySig(bool value);
    void syncMenuFiles();
    void syncSlaveErrorsFile();

public slots:
    // The readers are slots: the chart's guards call them by name.
    bool get_syncNeeded() const { return m_syncNeeded; }
    QString get_syncStatus() const { return m_syncStatus; }
    bool get_showCloseButton() const { return m_showCloseButton; }
    bool get_iAmMaster() const { return m_iAmMaster; }
    bool get_slaveReadyForMaster() const { return m_slaveReadyForMaster; }
    quint32 get_canbusSilenceSeconds() const { return m_canbusSilenceSeconds; }
    bool get_canLinkBroken() const { return m_canLinkBroken; }
    bool get_slaveUIfound() const { return m_slaveUIfound; }
    void set_syncNeeded(bool value);
    void set_syncStatus(const QString &value);
    void set_showCloseButton(bool value);
    void set_iAmMaster(bool value);
    void set_slaveReadyForMaster(bool value);
    void set_canbusSilenceSeconds(quint32 value);
    void set_canLinkBroken(bool value);
    // A change is announced twice: as the property and as found/not found,
    // which is what the chart listens to.
    void set_slaveUIfound(bool value);
    void set_slaveUIFoundTrue() { set_slaveUIfound(true); }
    void set_slaveUIFoundFalse() { set_slaveUIfound(false); }
    bool get_iAmSlave() const { return !m_iAmMaster; }

    void incAttemptsCountString();
    void evaluateCanbusSilence();

    void sync_onEntry();
    void sync_onExit();
    void init_onEntry();
    void init_onExit();
    void attemptSynch_onEntry();
    void attemptSynch_onExit();
    void syncFailed_onEntry();
    void syncFailed_onExit();
    void postSync_onEntry();
    void postSync_onExit();
    void menuImport_onEntry();
    void menuImport_onExit();
    void defaultDayPart_onEntry();
    void defaultDayPart_onExit();
    void holdRestore_onEntry();
    void holdRestore_onExit();
    void syncDone_onEntry();
    void syncDone_onExit();
    void waitForMaster_onEntry();
    void waitForMaster_onExit();
    void syncFinished_onEntry();
    void syncFinished_onExit();

private:
    void buildMachine();
    void startContinueTimer(int msecs);
    bool parentIsConfigured() const;
    void raiseSyncError(int subCode);
    void clearSyncError(int subCode);

    // The 30 s search runs on the system's clock, so it can be tested
    // without waiting; the short pacing timers run on the event loop.
    KivClockTimer syncFailedTimer;
    QTimer syncAttemptTimer;
    QTimer continueTimer;
    QTimer periodicRollCallTimer;
    QTimer slavePostSyncUpdateTimer;
    QString attemptsCountString;

    bool m_syncNeeded = false;
    QString m_syncStatus;
    bool m_showCloseButton = false;
    bool m_iAmMaster = false;
    bool m_slaveReadyForMaster = false;
    quint32 m_canbusSilenceSeconds = 0;
    bool m_canLinkBroken = false;
    bool m_slaveUIfound = false;
    // The error (4, 0|1, 0, 0) this display has reported and not yet
    // withdrawn, -1 when none: what is raised is cleared when its cause ends.
    int m_raisedSyncError = -1;
};
