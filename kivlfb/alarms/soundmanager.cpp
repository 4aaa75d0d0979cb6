#include "soundmanager.h"

#include "sound.h"
#include "soundeffect.h"

#include "platform/kivroot.h"
#include "platform/toolrunner.h"
#include "statemachine/statemachinebuilder.h"

#include <QDir>
#include <QFile>
#include <QVariant>

namespace {
const int kWarningKickoutMs = 1100;
const int kDiscardKickoutMs = 11000;
const int kProdChangeRepeatMs = 2900;
const int kProdChangeUniRepeatMs = 3000;
const int kNfcChimeKickoutMs = 1300;
const int kUnmuteDelayMs = 3000;

const char kWarningFile[] = "warning3.wav";
const char kDiscardFile[] = "discardAlarm2.wav";
const char kProdChangeFile[] = "AlarmWrongProduct2.wav";
const char kProdChangeUniFile[] = "AlarmWrongProductUni.wav";
const char kKeystrokeFile[] = "keystroke.wav";
const char kChimeFile[] = "nfcChime.wav";
const char kChimeUniFile[] = "nfcChimeUni.wav";

QString soundDir()
{
    return KivRoot::path(QStringLiteral("/root/resources"));
}
} // namespace

SoundManager::SoundManager(QObject *parent)
    : TarnStateMachine(parent)
    , m_warningKickoutTimer(this)
    , m_discardKickoutTimer(this)
    , m_prodChangeRepeatTimer(this)
    , m_nfcChimeKickoutTimer(this)
    , m_unmuteTimer(this)
    , m_discardDurationTimer(this)
{
    copySoundFilesFromRscToFs();

    m_warningKickoutTimer.setObjectName(QStringLiteral("warningKickoutTimer"));
    m_warningKickoutTimer.setInterval(kWarningKickoutMs);
    m_warningKickoutTimer.setSingleShot(true);
    m_discardKickoutTimer.setObjectName(QStringLiteral("discardKickoutTimer"));
    m_discardKickoutTimer.setInterval(kDiscardKickoutMs);
    m_prodChangeRepeatTimer.setObjectName(QStringLiteral("prodChangeRepeatTimer"));
    m_prodChangeRepeatTimer.setInterval(kProdChangeRepeatMs);
    m_nfcChimeKickoutTimer.setObjectName(QStringLiteral("nfcChimeKickoutTimer"));
    m_nfcChimeKickoutTimer.setInterval(kNfcChimeKickoutMs);
    m_nfcChimeKickoutTimer.setSingleShot(true);
    for (QTimer *t : {&m_warningKickoutTimer, &m_discardKickoutTimer, &m_prodChangeRepeatTimer,
                      &m_nfcChimeKickoutTimer})
        t->setTimerType(Qt::PreciseTimer);

    m_unmuteTimer.setObjectName(QStringLiteral("unmuteTimer"));
    m_unmuteTimer.setSingleShot(true);
    connect(&m_unmuteTimer, &QTimer::timeout, this, &SoundManager::unMuteAllAlarms);
    m_discardDurationTimer.setObjectName(QStringLiteral("discardDurationTimer"));
    m_discardDurationTimer.setSingleShot(true);

    createEffects();
    buildStateMachine();
}

SoundManager::~SoundManager() = default;

// ---------------------------------------------------------------------------
// Construction

void SoundManager::copySoundFilesFromRscToFs()
{
    Q_INIT_RESOURCE(sounds);
    const QString dir = soundDir();
    QDir().mkpath(dir);
    for (const char *name : {kWarningFile, kProdChangeFile, kDiscardFile, kKeystrokeFile,
                             kChimeFile, kProdChangeUniFile, kChimeUniFile}) {
        const QString target = dir + QLatin1Char('/') + QLatin1String(name);
        // A file already on the board may have been replaced by an update:
        // never overwrite it.
        if (!QFile::exists(target))
            QFile::copy(QStringLiteral(":/resources/") + QLatin1String(name), target);
    }
    // Detached: nobody waits for it, and it outlives nothing of ours.
    const QString sync = ToolRunner::resolve(QStringLiteral("/bin/sync"));
    if (!sync.isEmpty())
        QProcess::startDetached(sync, {});
}

SoundEffect *SoundManager::createEffect(const char *name, const QString &file, int loops,
                                        qreal volume)
{
    auto *effect = new SoundEffect(m_player, this);
    effect->setObjectName(QLatin1String(name));
    effect->setSource(soundDir() + QLatin1Char('/') + file);
    effect->setLoops(loops);
    effect->setVolume(volume);
    return effect;
}

void SoundManager::createEffects()
{
    m_player = new Sound(this);
    m_player->setObjectName(QStringLiteral("soundPlayer"));

    SoundEffect *warning = createEffect("warning", kWarningFile, 0, 1.0);
    SoundEffect *discard = createEffect("discard", kDiscardFile, 3, 1.0);
    SoundEffect *prodChange = createEffect("prodChange", kProdChangeFile, -1, 1.0);
    SoundEffect *prodChangeUni = createEffect("prodChangeUni", kProdChangeUniFile, -1, 1.0);
    SoundEffect *keystroke = createEffect("keystroke", kKeystrokeFile, 0, 0.7);
    SoundEffect *chime = createEffect("chime", kChimeFile, 0, 1.0);
    SoundEffect *chimeUni = createEffect("chimeUni", kChimeUniFile, 0, 1.0);

    connect(this, &SoundManager::warningAlarmPlay, warning, &SoundEffect::play);
    connect(this, &SoundManager::discardAlarmPlay, discard, &SoundEffect::play);
    connect(this, &SoundManager::prodChangeAlarmPlay, prodChange, &SoundEffect::play);
    connect(this, &SoundManager::prodChangeAlarmUniPlay, prodChangeUni, &SoundEffect::play);
    connect(this, &SoundManager::keystrokeSoundPlay, keystroke, &SoundEffect::play);
    connect(this, &SoundManager::nfcChimePlay, chime, &SoundEffect::play);
    connect(this, &SoundManager::nfcChimeUniPlay, chimeUni, &SoundEffect::play);

    connect(this, &SoundManager::warningAlarmStop, warning, &SoundEffect::stop);
    connect(this, &SoundManager::discardAlarmStop, discard, &SoundEffect::stop);
    connect(this, &SoundManager::prodChangeAlarmStop, prodChange, &SoundEffect::stop);
    connect(this, &SoundManager::prodChangeAlarmUniStop, prodChangeUni, &SoundEffect::stop);
    connect(this, &SoundManager::keystrokeSoundStop, keystroke, &SoundEffect::stop);

    connect(this, &SoundManager::warningAlarmSetMuted, warning, &SoundEffect::setMuted);
    connect(this, &SoundManager::discardAlarmSetMuted, discard, &SoundEffect::setMuted);
    connect(this, &SoundManager::prodChangeAlarmSetMuted, prodChange, &SoundEffect::setMuted);
    connect(this, &SoundManager::prodChangeAlarmUniSetMuted, prodChangeUni, &SoundEffect::setMuted);
    connect(this, &SoundManager::keystrokeSoundSetMuted, keystroke, &SoundEffect::setMuted);
    connect(this, &SoundManager::nfcChimeSetMuted, chime, &SoundEffect::setMuted);
    connect(this, &SoundManager::nfcChimeUniSetMuted, chimeUni, &SoundEffect::setMuted);

    connect(this, &SoundManager::warningAlarmSetVolume, warning, &SoundEffect::setVolume);
    connect(this, &SoundManager::discardAlarmSetVolume, discard, &SoundEffect::setVolume);
    connect(this, &SoundManager::prodChangeAlarmSetVolume, prodChange, &SoundEffect::setVolume);
    connect(this, &SoundManager::prodChangeAlarmUniSetVolume, prodChangeUni, &SoundEffect::setVolume);
    connect(this, &SoundManager::keystrokeSoundSetVolume, keystroke, &SoundEffect::setVolume);
    connect(this, &SoundManager::nfcChimeSetVolume, chime, &SoundEffect::setVolume);
    connect(this, &SoundManager::nfcChimeUniSetVolume, chimeUni, &SoundEffect::setVolume);

    connect(warning, &SoundEffect::playingChanged, this, [this](bool on) { m_warningPlaying = on; });
    connect(prodChange, &SoundEffect::playingChanged, this,
            [this](bool on) { m_prodChangePlaying = on; });
    connect(prodChangeUni, &SoundEffect::playingChanged, this,
            [this](bool on) { m_prodChangeUniPlaying = on; });

    m_player->setSpeakerOn(true);

    m_prodChgQueue.clear();
    m_chimeQueue.clear();
}

void SoundManager::buildStateMachine()
{
    const StateMachineBuilder b(this);
    const QString self = QStringLiteral("this");

    QState *soundStates = b.state(this, "soundStates");
    QState *initial = b.state(soundStates, "initial");
    QState *idle = b.state(soundStates, "idle");
    QState *warning = b.state(soundStates, "warning");
    QState *discard = b.state(soundStates, "discard");
    QState *productChange = b.state(soundStates, "productChange");
    QHistoryState *history = b.history(soundStates, initial);
    QState *nfcChiming = b.state(this, "nfcChiming");

    soundStates->setInitialState(initial);
    setInitialState(soundStates);

    // A transition on one of the manager's own signals, with at most one action.
    auto own = [&](QState *source, QAbstractState *target, const char *name, const char *signal,
                   const char *action = nullptr) {
        QSignalTransition *t = b.transition(source, target, name, self, this, signal);
        if (action)
            b.action(t, action);
        return t;
    };

    own(initial, idle, "t_initialized", SIGNAL(initialized()));

    own(idle, warning, "t_towarning", SIGNAL(warningAlarmReq()));
    own(idle, discard, "t_toDiscard", SIGNAL(discardAlarmReq()), "incDiscardReqCount");
    own(idle, discard, "t_toDiscardFromIdle", SIGNAL(soundDiscardAlarm()));
    own(idle, productChange, "t_toProductChange", SIGNAL(productChangeAlarmReq()),
        "incProdChgReqCount");
    own(idle, productChange, "t_toProductChangeUni", SIGNAL(productChangeAlarmUniReq()),
        "incProdChgReqCountUni");
    own(idle, productChange, "t_toProductChangeFromIdle", SIGNAL(soundProductChange()));

    own(warning, discard, "t_warnToDiscard", SIGNAL(discardAlarmReq()));
    b.transition(warning, idle, "t_warnKickout", QStringLiteral("&warningKickoutTimer"),
                 &m_warningKickoutTimer, SIGNAL(timeout()));
    own(warning, productChange, "t_warnToProdChange", SIGNAL(productChangeAlarmReq()),
        "incProdChgReqCount");
    own(warning, productChange, "t_warnToProdChangeUni", SIGNAL(productChangeAlarmUniReq()),
        "incProdChgReqCountUni");
    own(warning, productChange, "t_toProductChangeFromWarn", SIGNAL(soundProductChange()));

    own(discard, idle, "t_discardAcked", SIGNAL(discardAlarmReqOff()));
    b.transition(discard, idle, "t_discardKickout", QStringLiteral("&discardKickoutTimer"),
                 &m_discardKickoutTimer, SIGNAL(timeout()));
    own(discard, productChange, "t_discardToProdChange", SIGNAL(productChangeAlarmReq()),
        "incProdChgReqCount");
    own(discard, productChange, "t_discardToProdChangeUni", SIGNAL(productChangeAlarmUniReq()),
        "incProdChgReqCountUni");
    own(discard, productChange, "t_toProductChangeFromDiscard", SIGNAL(soundProductChange()));
    own(discard, idle, "t_discardReqZoL", SIGNAL(discardAlrmCountZeroOrLess()));
    b.transition(discard, idle, "t_discardDurationTimerTo", QStringLiteral("&discardDurationTimer"),
                 &m_discardDurationTimer, SIGNAL(timeout()));

    own(productChange, nullptr, "t_productChangeAnotherReq", SIGNAL(productChangeAlarmReq()),
        "incProdChgReqCount");
    own(productChange, nullptr, "t_productChangeAnotherReqUni", SIGNAL(productChangeAlarmUniReq()),
        "incProdChgReqCountUni");
    own(productChange, nullptr, "t_productChangeLess", SIGNAL(productChangeAlarmReqOff()),
        "decProdChgReqCount");
    own(productChange, nullptr, "t_productChangeLessUni", SIGNAL(productChangeAlarmUniReqOff()),
        "decProdChgReqCountUni");
    own(productChange, idle, "t_prodChgReqZoL", SIGNAL(prodChgReqCountZeroOrLess()));
    QSignalTransition *repeat =
        b.transition(productChange, nullptr, "t_prodChgTimerTo",
                     QStringLiteral("&prodChangeRepeatTimer"), &m_prodChangeRepeatTimer,
                     SIGNAL(timeout()));
    b.action(repeat, "runProductChangeAlarm");

    own(soundStates, nullptr, "t_discardAlarmLess", SIGNAL(discardAlarmReqOff()),
        "decDiscardReqCount");
    own(soundStates, nullptr, "t_discardAlarmMore", SIGNAL(discardAlarmReq()),
        "incDiscardReqCount");
    own(soundStates, nfcChiming, "t_nfcChime", SIGNAL(nfcChimeSig()), "incChimeReqCount");
    own(soundStates, nfcChiming, "t_nfcChimeUni", SIGNAL(nfcChimeUniSig()), "incChimeReqCountUni");

    b.transition(nfcChiming, history, "t_nfcChimeKickout", QStringLiteral("&nfcChimeKickoutTimer"),
                 &m_nfcChimeKickoutTimer, SIGNAL(timeout()), "noMoreNfcChimesToPlay");
    QSignalTransition *nextChime =
        b.transition(nfcChiming, nullptr, "t_nfcChimeNoKickout",
                     QStringLiteral("&nfcChimeKickoutTimer"), &m_nfcChimeKickoutTimer,
                     SIGNAL(timeout()), "moreNfcChimesToPlay");
    b.action(nextChime, "playNfcChime");
    own(nfcChiming, nullptr, "t_ChimeMinusPChange", SIGNAL(productChangeAlarmReqOff()),
        "decProdChgReqCount");
    own(nfcChiming, nullptr, "t_ChimeMinusPChangeUni", SIGNAL(productChangeAlarmUniReqOff()),
        "decProdChgReqCountUni");
    own(nfcChiming, nullptr, "t_ChimePlusPChange", SIGNAL(productChangeAlarmReq()),
        "incProdChgReqCount");
    own(nfcChiming, nullptr, "t_ChimePlusPChangeUni", SIGNAL(productChangeAlarmUniReq()),
        "incProdChgReqCountUni");
    own(nfcChiming, nullptr, "t_AddChimeReq", SIGNAL(nfcChimeSig()), "incChimeReqCount");
    own(nfcChiming, nullptr, "t_AddChimeReqUni", SIGNAL(nfcChimeUniSig()), "incChimeReqCountUni");
    own(nfcChiming, nullptr, "t_chimeDiscardAcked", SIGNAL(discardAlarmReqOff()),
        "setDiscardAckRequested");
}

// ---------------------------------------------------------------------------
// Settings

QObject *SoundManager::configManager() const
{
    return parent() ? parent()->property("configManager").value<QObject *>() : nullptr;
}

bool SoundManager::discardDurationEnabled() const
{
    const QObject *config = configManager();
    return config && config->property("discardDurationEnabled").toInt() != 0;
}

int SoundManager::discardSoundDurationMs() const
{
    const QObject *config = configManager();
    return config ? 1000 * config->property("discardSoundDuration").toInt() : 0;
}

bool SoundManager::universalPanSoundEnabled() const
{
    const QObject *config = configManager();
    return config && config->property("universalPanSoundEnable").toBool();
}

// ---------------------------------------------------------------------------
// Requests

void SoundManager::processAlarmReq(int alarmId, bool play)
{
    switch (alarmId) {
    case 1:
        if (play)
            emit warningAlarmReq();
        else
            emit warningAlarmReqOff();
        break;
    case 2:
        if (play)
            emit discardAlarmReq();
        else
            emit discardAlarmReqOff();
        break;
    case 3:
        if (play)
            emit productChangeAlarmReq();
        else
            emit productChangeAlarmReqOff();
        break;
    case 4:
        if (play)
            emit productChangeAlarmUniReq();
        else
            emit productChangeAlarmUniReqOff();
        break;
    default:
        break;
    }
}

void SoundManager::playWarningAlarm()
{
    emit warningAlarmPlay();
}

void SoundManager::playDiscardAlarm()
{
    emit discardAlarmPlay();
}

void SoundManager::playProductChangeAlarm()
{
    emit prodChangeAlarmPlay();
}

void SoundManager::playKeystroke()
{
    if (!m_discardPlaying)
        emit keystrokeSoundPlay();
}

void SoundManager::muteAllAlarms()
{
    emit warningAlarmSetMuted(true);
    emit discardAlarmSetMuted(true);
    emit prodChangeAlarmSetMuted(true);
    emit prodChangeAlarmUniSetMuted(true);
    emit keystrokeSoundSetMuted(true);
    emit nfcChimeSetMuted(true);
    emit nfcChimeUniSetMuted(true);
}

void SoundManager::unMuteAllAlarms()
{
    emit warningAlarmSetMuted(false);
    emit discardAlarmSetMuted(false);
    emit prodChangeAlarmSetMuted(false);
    emit prodChangeAlarmUniSetMuted(false);
    emit keystrokeSoundSetMuted(false);
    emit nfcChimeSetMuted(false);
    emit nfcChimeUniSetMuted(false);
}

void SoundManager::delayedUnMute()
{
    m_unmuteTimer.start(kUnmuteDelayMs);
}

void SoundManager::setAllAlarmsVolume(int vol)
{
    const qreal volume = vol / 100.0;
    emit warningAlarmSetVolume(volume);
    emit discardAlarmSetVolume(volume);
    emit prodChangeAlarmSetVolume(volume);
    emit prodChangeAlarmUniSetVolume(volume);
    emit nfcChimeSetVolume(volume);
    emit nfcChimeUniSetVolume(volume);
    emit keystrokeSoundSetVolume(volume);
}

bool SoundManager::moreNfcChimesToPlay() const
{
    return m_chimeReqCount > 0;
}

bool SoundManager::noMoreNfcChimesToPlay() const
{
    return !moreNfcChimesToPlay();
}

bool SoundManager::discardAlarmNotPlaying() const
{
    return !m_discardPlaying;
}

bool SoundManager::warningAlarmNotPlaying() const
{
    return !m_warningPlaying;
}

bool SoundManager::productChangeAlarmNotPlaying() const
{
    return !m_prodChangePlaying && !m_prodChangeUniPlaying;
}

// ---------------------------------------------------------------------------
// Counting

void SoundManager::set_prodChgReqCount(int count)
{
    const int stored = qMax(count, 0);
    if (stored != m_prodChgReqCount) {
        m_prodChgReqCount = stored;
        emit prodChgReqCountChanged(stored);
    }
    if (count <= 0)
        emit prodChangeAlarmStop();
}

void SoundManager::incProdChg(bool universal)
{
    set_prodChgReqCount(m_prodChgReqCount + 1);
    m_prodChgQueue.append(universal);
}

void SoundManager::decProdChg(bool universal)
{
    set_prodChgReqCount(m_prodChgReqCount - 1);
    if (m_prodChgQueue.isEmpty()) {
        if (m_prodChgReqCount < 1)
            emit prodChgReqCountZeroOrLess();
        return;
    }
    const int index = m_prodChgQueue.indexOf(universal);
    m_prodChgQueue.removeAt(index >= 0 ? index : m_prodChgQueue.size() - 1);
    if (m_prodChgReqCount <= 0)
        emit prodChgReqCountZeroOrLess();
}

void SoundManager::incProdChgReqCount()
{
    incProdChg(false);
}

void SoundManager::incProdChgReqCountUni()
{
    incProdChg(true);
}

void SoundManager::decProdChgReqCount()
{
    decProdChg(false);
}

void SoundManager::decProdChgReqCountUni()
{
    decProdChg(true);
}

void SoundManager::incChime(bool universal)
{
    ++m_chimeReqCount;
    emit chimeReqCountChanged(m_chimeReqCount);
    m_chimeQueue.append(universal);
}

void SoundManager::incChimeReqCount()
{
    incChime(false);
}

void SoundManager::incChimeReqCountUni()
{
    incChime(true);
}

void SoundManager::decChimeReqCount()
{
    if (m_chimeReqCount < 1)
        return;
    --m_chimeReqCount;
    emit chimeReqCountChanged(m_chimeReqCount);
    if (!m_chimeQueue.isEmpty())
        m_chimeQueue.removeLast();
}

void SoundManager::restartDiscardDurationTimer()
{
    m_discardDurationTimer.stop();
    m_discardDurationTimer.setInterval(discardSoundDurationMs());
    m_discardDurationTimer.start();
}

void SoundManager::incDiscardReqCount()
{
    ++m_discardReqCount;
    if (discardDurationEnabled())
        restartDiscardDurationTimer();
}

void SoundManager::decDiscardReqCount()
{
    if (m_discardReqCount < 1) {
        emit discardAlrmCountZeroOrLess();
        return;
    }
    if (--m_discardReqCount == 0)
        emit discardAlrmCountZeroOrLess();
}

void SoundManager::setDiscardAckRequested()
{
    m_discardAckRequested = true;
}

// ---------------------------------------------------------------------------
// Playing

void SoundManager::runProductChangeAlarm()
{
    // Both effects repeat on their own; replaying the file that already plays
    // leaves it alone, so this only switches between the two sounds.
    if (m_prodChgQueue.contains(true) && universalPanSoundEnabled()) {
        emit prodChangeAlarmUniPlay();
        m_prodChangeRepeatTimer.setInterval(kProdChangeUniRepeatMs);
    } else {
        emit prodChangeAlarmPlay();
        m_prodChangeRepeatTimer.setInterval(kProdChangeRepeatMs);
    }
    m_prodChangeRepeatTimer.start();
}

void SoundManager::playNfcChime()
{
    if (m_chimeReqCount < 1)
        return;
    m_nfcChimeKickoutTimer.start();
    decChimeReqCount();
    emit nfcChimePlay();
}

void SoundManager::playNfcChimeUni()
{
    if (m_chimeReqCount < 1)
        return;
    m_nfcChimeKickoutTimer.start();
    decChimeReqCount();
    emit nfcChimeUniPlay();
}

// ---------------------------------------------------------------------------
// States

void SoundManager::soundStates_onEntry() {}
void SoundManager::soundStates_onExit() {}

void SoundManager::initial_onEntry()
{
    emit initialized();
}

void SoundManager::initial_onExit() {}

void SoundManager::idle_onEntry()
{
    if (m_prodChgReqCount >= 1)
        emit soundProductChange();
}

void SoundManager::idle_onExit() {}

void SoundManager::warning_onEntry()
{
    if (m_prodChgReqCount < 1) {
        emit warningAlarmPlay();
        m_warningKickoutTimer.start();
    } else {
        emit soundProductChange();
    }
}

void SoundManager::warning_onExit()
{
    emit warningAlarmStop();
    m_warningKickoutTimer.stop();
}

void SoundManager::discard_onEntry()
{
    if (m_prodChgReqCount > 0) {
        emit soundProductChange();
    } else if (m_discardAckRequested) {
        // Acknowledged while a chime interrupted the alarm: do not restart it.
        m_discardAckRequested = false;
        emit discardAlarmReqOff();
    } else {
        emit discardAlarmPlay();
        m_discardKickoutTimer.start();
        if (discardDurationEnabled())
            restartDiscardDurationTimer();
    }
    m_discardPlaying = true;
}

void SoundManager::discard_onExit()
{
    emit discardAlarmStop();
    m_discardKickoutTimer.stop();
    m_discardDurationTimer.stop();
    m_discardPlaying = false;
}

void SoundManager::productChange_onEntry()
{
    if (m_prodChgReqCount < 1) {
        set_prodChgReqCount(0);
        emit prodChgReqCountZeroOrLess();
    } else {
        runProductChangeAlarm();
    }
}

void SoundManager::productChange_onExit()
{
    m_prodChangeRepeatTimer.stop();
    emit prodChangeAlarmStop();
    emit prodChangeAlarmUniStop();
}

void SoundManager::nfcChiming_onEntry()
{
    m_discardAckRequested = false;
    if (!m_chimeQueue.isEmpty() && universalPanSoundEnabled() && m_chimeQueue.last())
        playNfcChimeUni();
    else
        playNfcChime();
}

void SoundManager::nfcChiming_onExit()
{
    m_nfcChimeKickoutTimer.stop();
    m_chimeQueue.clear();
}
