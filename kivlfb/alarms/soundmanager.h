#pragma once

#include "statemachine/tarnstatemachine.h"

#include <QList>
#include <QTimer>

class Sound;
class SoundEffect;

// Decides which alarm or chime the cabinet sounds and for how long. Other
// components only raise requests; the manager counts pending ones, gives the
// product-change alarm priority, repeats the long alarms on timers, lets NFC
// chimes interrupt any of them and resumes afterwards, and applies mute and
// volume to every sound at once.
//
// Settings come from the configuration manager, found as the "configManager"
// property of the parent (the cabinet core): its "discardDurationEnabled",
// "discardSoundDuration" and "universalPanSoundEnable" properties. Without
// one, the discard alarm has no duration limit and universal pans sound like
// ordinary ones.
class SoundManager : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(int prodChgReqCount READ get_prodChgReqCount WRITE set_prodChgReqCount
                   NOTIFY prodChgReqCountChanged)
    Q_PROPERTY(int chimeReqCount READ get_chimeReqCount NOTIFY chimeReqCountChanged)

public:
    explicit SoundManager(QObject *parent = nullptr);
    ~SoundManager() override;

    int get_prodChgReqCount() const { return m_prodChgReqCount; }
    int get_chimeReqCount() const { return m_chimeReqCount; }
    int discardReqCount() const { return m_discardReqCount; }

public slots:
    // alarmId 1 warning, 2 discard, 3 product change, 4 product change for a
    // universal pan; play false releases the request. Other ids are ignored.
    void processAlarmReq(int alarmId, bool play);
    void playWarningAlarm();
    void playDiscardAlarm();
    void playProductChangeAlarm();
    void playKeystroke();
    void muteAllAlarms();
    void unMuteAllAlarms();
    void delayedUnMute();
    void setAllAlarmsVolume(int vol);
    void set_prodChgReqCount(int count);
    void copySoundFilesFromRscToFs();

    // Guards of the NFC chime kick-out.
    bool moreNfcChimesToPlay() const;
    bool noMoreNfcChimesToPlay() const;
    // Whether an alarm sounds now. The discard alarm counts from the entry
    // of its state to its exit, its pauses between repetitions included;
    // the others count while their effect's sound plays.
    bool discardAlarmNotPlaying() const;
    bool warningAlarmNotPlaying() const;
    bool productChangeAlarmNotPlaying() const;

signals:
    void prodChgReqCountChanged(int count);
    void chimeReqCountChanged(int count);

    // Requests and releases.
    void warningAlarmReq();
    void discardAlarmReq();
    void productChangeAlarmReq();
    void productChangeAlarmUniReq();
    void warningAlarmReqOff();
    void discardAlarmReqOff();
    void productChangeAlarmReqOff();
    void productChangeAlarmUniReqOff();
    void nfcChimeSig();
    void nfcChimeUniSig();

    // To the effects.
    void warningAlarmPlay();
    void discardAlarmPlay();
    void prodChangeAlarmPlay();
    void prodChangeAlarmUniPlay();
    void keystrokeSoundPlay();
    void nfcChimePlay();
    void nfcChimeUniPlay();
    void warningAlarmStop();
    void discardAlarmStop();
    void prodChangeAlarmStop();
    void prodChangeAlarmUniStop();
    void keystrokeSoundStop();
    void warningAlarmSetMuted(bool muted);
    void discardAlarmSetMuted(bool muted);
    void prodChangeAlarmSetMuted(bool muted);
    void prodChangeAlarmUniSetMuted(bool muted);
    void keystrokeSoundSetMuted(bool muted);
    void nfcChimeSetMuted(bool muted);
    void nfcChimeUniSetMuted(bool muted);
    void warningAlarmSetVolume(qreal volume);
    void discardAlarmSetVolume(qreal volume);
    void prodChangeAlarmSetVolume(qreal volume);
    void prodChangeAlarmUniSetVolume(qreal volume);
    void keystrokeSoundSetVolume(qreal volume);
    void nfcChimeSetVolume(qreal volume);
    void nfcChimeUniSetVolume(qreal volume);

    // Internal events of the machine.
    void initialized();
    void soundProductChange();
    void soundDiscardAlarm();
    void prodChgReqCountZeroOrLess();
    void discardAlrmCountZeroOrLess();

private slots:
    // Transition actions.
    void incProdChgReqCount();
    void incProdChgReqCountUni();
    void decProdChgReqCount();
    void decProdChgReqCountUni();
    void incChimeReqCount();
    void incChimeReqCountUni();
    void decChimeReqCount();
    void incDiscardReqCount();
    void decDiscardReqCount();
    void setDiscardAckRequested();
    void runProductChangeAlarm();
    void playNfcChime();
    void playNfcChimeUni();

    void soundStates_onEntry();
    void soundStates_onExit();
    void initial_onEntry();
    void initial_onExit();
    void idle_onEntry();
    void idle_onExit();
    void warning_onEntry();
    void warning_onExit();
    void discard_onEntry();
    void discard_onExit();
    void productChange_onEntry();
    void productChange_onExit();
    void nfcChiming_onEntry();
    void nfcChiming_onExit();

private:
    void createEffects();
    SoundEffect *createEffect(const char *name, const QString &file, int loops, qreal volume);
    void buildStateMachine();

    void incProdChg(bool universal);
    void decProdChg(bool universal);
    void incChime(bool universal);
    void restartDiscardDurationTimer();

    QObject *configManager() const;
    bool discardDurationEnabled() const;
    int discardSoundDurationMs() const;
    bool universalPanSoundEnabled() const;

    QTimer m_warningKickoutTimer;
    QTimer m_discardKickoutTimer;
    QTimer m_prodChangeRepeatTimer;
    QTimer m_nfcChimeKickoutTimer;
    QTimer m_unmuteTimer;
    QTimer m_discardDurationTimer;

    Sound *m_player = nullptr;

    int m_prodChgReqCount = 0;
    QList<bool> m_prodChgQueue; // true = universal pan, in arrival order
    int m_chimeReqCount = 0;
    QList<bool> m_chimeQueue;
    int m_discardReqCount = 0;
    bool m_discardPlaying = false;
    bool m_warningPlaying = false;
    bool m_prodChangePlaying = false;    // the ordinary sound
    bool m_prodChangeUniPlaying = false; // the universal-pan sound
    bool m_discardAckRequested = false;
};
