#include "updater.h"

#include "bootloaderframe.h"
#include "elfheader.h"
#include "canbus/canbusmanager.h"
#include "canbus/cansendrequest.h"
#include "modbus/qmodbusmaster.h"
#include "modbus/qmodbuspollinfo.h"
#include "platform/boundedfile.h"
#include "platform/durablefile.h"
#include "platform/kivclock.h"
#include "platform/kivroot.h"
#include "platform/toolrunner.h"
#include "statemachine/statemachinebuilder.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalTransition>
#include <QFile>
#include <QSaveFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSerialPort>
#include <QState>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Updater::Updater(QSerialPort *port, CanbusManager *canbusManager, int connectorId, QObject *parent)
    : TarnStateMachine(parent)
    , m_serialPort(port)
    , m_canbusManager(canbusManager)
    , m_orientationId(connectorId)
{
    m_modbusMaster = new QModbusMaster(port, parent ? parent : this);
    m_modbusMaster->setObjectName(QStringLiteral("mbm"));
    m_phuProgramCommandPollInfo = new QModbusPollInfo(1, this);
    m_phuOperationModePollInfo = new QModbusPollInfo(1, this);
    m_phuFwUpdateStatusPollInfo = new QModbusPollInfo(1, this);
    buildMachine();
    if (m_canbusManager) {
        connect(m_canbusManager, &CanbusManager::requestServed, this, &Updater::requestServedSlot);
        connect(m_canbusManager, qOverload<QByteArray>(&CanbusManager::receivedSinglePacket),
                this, &Updater::processCanMsg);
    }
}

Updater::~Updater() = default;

QModbusMaster *Updater::modbusMaster() const
{
    return m_modbusMaster;
}

// ---- chart ----

namespace {

struct StateRow
{
    const char *name;
    const char *parent; // null: the machine itself
    bool parallel;
};

// The state tree, parents before children; the first child of a compound
// state is its initial state.
const StateRow kStates[] = {
    {"idleState", nullptr, false},
    {"updatingState", nullptr, false},
    {"uiSibParallelState", "updatingState", true},
    {"uiUpdatePart", "uiSibParallelState", false},
    {"uiUpdateState", "uiUpdatePart", false},
    {"uiSlaveUpdateState", "uiUpdatePart", false},
    {"findSlaveState", "uiSlaveUpdateState", false},
    {"sendApp2SlaveState", "uiSlaveUpdateState", false},
    {"uiSlaveUpdateConfirmState", "uiUpdatePart", false},
    {"uiConfigUpdateState", "uiUpdatePart", false},
    {"configFindSlaveState", "uiConfigUpdateState", false},
    {"sendConfig2SlaveState", "uiConfigUpdateState", false},
    {"uiSplashScreenUpdateState", "uiUpdatePart", false},
    {"splashScreenFindSlaveState", "uiSplashScreenUpdateState", false},
    {"splashScreen2SlaveState", "uiSplashScreenUpdateState", false},
    {"sibUpdatePart", "uiSibParallelState", false},
    {"sibUpdateState", "sibUpdatePart", false},
    {"sibUpdateAvailableState", "sibUpdateState", false},
    {"requestBootloadState", "sibUpdateState", false},
    {"sendFileState", "sibUpdateState", false},
    {"sendSegmentPreWait", "sendFileState", false},
    {"packetSentState", "sendFileState", false},
    {"packetWaitState", "sendFileState", false},
    {"mainPhuUpdateFinishedState", "sibUpdateState", false},
    {"slavePHusUpdate", "sibUpdatePart", false},
    {"waitForMainPhuApp", "slavePHusUpdate", false},
    {"secondaryBoardsUpdate", "slavePHusUpdate", false},
    {"waitForAllPhus", "slavePHusUpdate", false},
    {"nfcUpdateState", "sibUpdatePart", false},
    {"nfcUpdateAvailableState", "nfcUpdateState", false},
    {"nfcRequestBootloadState", "nfcUpdateState", false},
    {"nfcSendFileState", "nfcUpdateState", false},
    {"nfcSendSegmentPreWait", "nfcSendFileState", false},
    {"nfcPacketSentState", "nfcSendFileState", false},
    {"nfcPacketWaitState", "nfcSendFileState", false},
    {"nfcUpdateFinishedState", "nfcUpdateState", false},
    {"cookbookUpdateState", "updatingState", false},
    {"cleaningUpdateState", "updatingState", false},
    {"osUpdateState", "updatingState", false},
    {"soundsUpdateState", "updatingState", false},
    {"helpUpdateState", "updatingState", false},
    {"languagesUpdateState", "updatingState", false},
    {"updateDoneState", nullptr, false},
    {"updateErrorState", nullptr, false},
};

// One action of a transition: a slot of the Updater called directly, a
// signal of the Updater emitted, a timer stopped, or a slot queued.
struct ActionRow
{
    enum Kind { None, Call, Emit, StopTimer, Queued } kind;
    const char *name;
};

constexpr ActionRow call(const char *slot) { return {ActionRow::Call, slot}; }
constexpr ActionRow emitting(const char *signal) { return {ActionRow::Emit, signal}; }
constexpr ActionRow stop(const char *timer) { return {ActionRow::StopTimer, timer}; }
constexpr ActionRow queued(const char *slot) { return {ActionRow::Queued, slot}; }

struct TransitionRow
{
    const char *name;
    const char *source;
    const char *sender; // "this", "&<timer>" or a member's name
    const char *signal;
    const char *guard;
    const char *target; // null: the transition has no target
    ActionRow actions[4];
};

const char *const kThis = "this";

const TransitionRow kTransitions[] = {
    {"idle2update", "idleState", kThis, "startUpdateNextStep()", nullptr, "updatingState", {}},
    {"t_bothPartsDone", "uiSibParallelState", "&uiAndSibPartsDoneTimer", "timeout()",
     "uiAndSibPartsDone", "cookbookUpdateState", {}},
    {"t_uiAppPartFinished", "uiUpdateState", kThis, "uiAppPartFinished()", nullptr,
     "uiConfigUpdateState", {call("setUiPartDoneTrue")}},
    {"ui2slave", "uiUpdateState", kThis, "sendAppFileToSlave()", nullptr, "uiSlaveUpdateState", {}},
    {"t_slavefound", "findSlaveState", kThis, "slaveFound()", nullptr, "sendApp2SlaveState", {}},
    {"t_findSlaveTimerTO", "findSlaveState", "&findSlaveTimer", "timeout()", nullptr, nullptr,
     {emitting("slaveNotFound"), call("retryCheckForSlaveUi")}},
    {"t_fileXfrFinished", "uiSlaveUpdateState", kThis, "fileXfrFinished()", nullptr,
     "uiSlaveUpdateConfirmState", {}},
    {"t_slaveAppPartFinished", "uiSlaveUpdateState", kThis, "uiAppPartFinished()", nullptr,
     "uiConfigUpdateState", {call("setUiPartDoneTrue")}},
    {"t_slaveUpdateSucceeded", "uiSlaveUpdateConfirmState", kThis, "newAppInstallSucceeded()",
     nullptr, nullptr, {call("setUiPartDoneTrue"), emitting("uiAppPartFinished")}},
    {"t_slaveUpdateFailed", "uiSlaveUpdateConfirmState", kThis, "newAppInstallFailed()", nullptr,
     nullptr,
     {call("notifyUserOfSlaveUpdateFailure"), call("setUiPartDoneTrue"),
      emitting("uiAppPartFinished")}},
    {"t_slaveUpdateConfirmTimeout", "uiSlaveUpdateConfirmState", "&appInstallConfirmTimer",
     "timeout()", nullptr, nullptr,
     {call("notifyUserSlaveUpdateConfTimeout"), call("setUiPartDoneTrue"),
      emitting("uiAppPartFinished")}},
    {"t_uiConfigUpdateState", "uiSlaveUpdateConfirmState", kThis, "uiAppPartFinished()", nullptr,
     "uiConfigUpdateState", {}},
    {"t_configFileXfrFinished", "uiConfigUpdateState", kThis, "fileXfrFinished()", nullptr,
     nullptr, {emitting("uiConfigPartFinished")}},
    {"t_uiConfigPartFinished", "uiConfigUpdateState", kThis, "uiConfigPartFinished()", nullptr,
     "uiSplashScreenUpdateState", {call("setConfigPartDoneTrue")}},
    {"t_configSlavefound", "configFindSlaveState", kThis, "slaveFound()", nullptr,
     "sendConfig2SlaveState", {}},
    {"t_configSlaveTimerTO", "configFindSlaveState", "&findSlaveTimer", "timeout()", nullptr,
     nullptr, {emitting("slaveNotFound"), call("retryCheckForSlaveUi")}},
    {"t_splashScreenFileXfrFinished", "uiSplashScreenUpdateState", kThis, "fileXfrFinished()",
     nullptr, nullptr, {emitting("uiSplashScreenPartFinished")}},
    {"t_uiSplashScreenPartFinished", "uiSplashScreenUpdateState", kThis,
     "uiSplashScreenPartFinished()", nullptr, nullptr, {call("setSplashScreenDoneTrue")}},
    {"t_splashScreenSlavefound", "splashScreenFindSlaveState", kThis, "slaveFound()", nullptr,
     "splashScreen2SlaveState", {}},
    {"t_splashScreenSlaveTimerTO", "splashScreenFindSlaveState", "&findSlaveTimer", "timeout()",
     nullptr, nullptr, {emitting("slaveNotFound"), call("retryCheckForSlaveUi")}},
    {"sib2Next", "sibUpdateState", kThis, "startUpdateNextStep()", nullptr, "nfcUpdateState",
     {call("setSibPartDoneTrue")}},
    {"t_serialDataRcved", "sibUpdateState", "serialPort", "readyRead()", nullptr, nullptr,
     {call("processReceivedData")}},
    {"t_doSibUpdate", "sibUpdateAvailableState", kThis, "sibUpdateProceed()", nullptr,
     "requestBootloadState", {}},
    {"t_sibFileRefused", "sibUpdateAvailableState", kThis, "sibFileIsNotGood()", nullptr, nullptr,
     {call("sibFileError"), call("setSibPartDoneTrue"), emitting("startUpdateNextStep")}},
    {"t_bootl_confirmed", "requestBootloadState", kThis, "received_packet_OK()", nullptr,
     "sendFileState", {queued("logTransitionTriggered")}},
    {"t_bootlreq_noAck", "requestBootloadState", "&sibIoAckTimer", "timeout()", nullptr, nullptr,
     {call("requestBootloadStart"), queued("logTransitionTriggered")}},
    {"t_sendSegPreWaitTimerTO", "sendSegmentPreWait", "&sendSegPreWaitTimer", "timeout()",
     nullptr, "packetSentState", {}},
    {"t_sibFileError", "sendSegmentPreWait", kThis, "sibFileIsNotGood()", nullptr, nullptr,
     {call("sibFileError"), stop("sibIoAckTimer"), call("setSibPartDoneTrue"),
      emitting("startUpdateNextStep")}},
    {"t_sibIoAckTO", "packetSentState", "&sibIoAckTimer", "timeout()", "retryPossible",
     "packetWaitState", {call("incRetryCount")}},
    {"t_ackToNoRetry", "packetSentState", "&sibIoAckTimer", "timeout()", "noRetryPossible",
     nullptr,
     {call("nodeTooManyRetries"), stop("sibIoAckTimer"), call("setSibPartDoneTrue"),
      emitting("startUpdateNextStep")}},
    {"t_packetOK", "packetSentState", kThis, "received_packet_OK()", "moreToSend",
     "packetWaitState", {call("incFwOffset"), call("clearRetryCount")}},
    {"t_pktOK_noMore", "packetSentState", kThis, "received_packet_OK()", "noMoreToSend",
     "mainPhuUpdateFinishedState", {call("incFwOffset")}},
    {"t_packetWaitTimerTO", "packetWaitState", "&packetWaitTimer", "timeout()", nullptr,
     "packetSentState", {}},
    {"t_waitToStartAppTO", "mainPhuUpdateFinishedState", "&packetWaitTimer", "timeout()", nullptr,
     nullptr, {call("requestStartApp")}},
    {"t_finished_noAck", "mainPhuUpdateFinishedState", "&sibIoAckTimer", "timeout()",
     "startAppRetryPossible", nullptr,
     {call("requestStartApp"), emitting("sibUpdateGo2NextStep")}},
    {"t_finished_noAckAgain", "mainPhuUpdateFinishedState", "&sibIoAckTimer", "timeout()",
     "noStartAppRetryPossible", "slavePHusUpdate", {call("startAppNotAcknowledged")}},
    {"t_finished_ok", "mainPhuUpdateFinishedState", kThis, "received_packet_OK()", nullptr,
     "slavePHusUpdate", {}},
    {"t_ns_after_phus", "slavePHusUpdate", kThis, "sibUpdateGo2NextStep()", nullptr,
     "nfcUpdateState", {call("setSibPartDoneTrue")}},
    {"t_waitedForApp", "waitForMainPhuApp", "&sibUpdateStepTimer", "timeout()", nullptr,
     "secondaryBoardsUpdate", {}},
    {"t_periodicStatusCheck", "secondaryBoardsUpdate", "&sibUpdateStepTimer", "timeout()",
     nullptr, nullptr, {call("sendGetPhuOperationMode"), call("countUnansweredStatusPoll")}},
    {"t_statusCheckOK", "secondaryBoardsUpdate", "m_phuOperationModePollInfo", "pollReplyGood()",
     nullptr, nullptr, {call("processPhuOperationMode")}},
    {"t_updating", "secondaryBoardsUpdate", kThis, "getFwUpdateDetailsSignal()", nullptr,
     "waitForAllPhus", {}},
    {"t_notUpdatingPhusDontWait", "secondaryBoardsUpdate", kThis, "notProgrammingPhusSignal()",
     "noRetryPossible", nullptr, {emitting("sibUpdateGo2NextStep")}},
    {"t_periodicStatusCheck2", "waitForAllPhus", "&sibUpdateStepTimer", "timeout()", nullptr,
     nullptr, {call("sendGetPhuOperationMode"), call("countUnansweredStatusPoll")}},
    {"t_statusCheckOK2", "waitForAllPhus", "m_phuOperationModePollInfo", "pollReplyGood()",
     nullptr, nullptr, {call("processPhuOperationMode")}},
    {"t_getFwUpdateDetails", "waitForAllPhus", kThis, "getFwUpdateDetailsSignal()", nullptr,
     nullptr, {call("sendGetFwUpdateStatus")}},
    {"t_fwUpdateDetails", "waitForAllPhus", "m_phuFwUpdateStatusPollInfo", "pollReplyGood()",
     nullptr, nullptr, {call("processFwUpdateStatus")}},
    {"t_NotProgrammingPhus", "waitForAllPhus", kThis, "notProgrammingPhusSignal()", nullptr,
     nullptr, {emitting("sibUpdateGo2NextStep")}},
    {"t_doneWithAllPhus", "waitForAllPhus", kThis, "finishedUpdatingSlaves()", nullptr, nullptr,
     {emitting("sibUpdateGo2NextStep")}},
    {"t_nfcSerialDataRcved", "nfcUpdateState", "serialPort", "readyRead()", nullptr, nullptr,
     {call("processReceivedData")}},
    {"t_doNfcUpdate", "nfcUpdateAvailableState", kThis, "nfcUpdateProceed()", nullptr,
     "nfcRequestBootloadState", {}},
    {"t_nfcFileRefused", "nfcUpdateAvailableState", kThis, "nfcFileIsNotGood()", nullptr, nullptr,
     {call("nfcFileError"), call("setNfcNodesDoneTrue")}},
    {"t_nfc_bootl_confirmed", "nfcRequestBootloadState", kThis, "received_packet_OK()", nullptr,
     "nfcSendFileState", {queued("logTransitionTriggered")}},
    {"t_nfc_bootlreq_noAck", "nfcRequestBootloadState", "&sibIoAckTimer", "timeout()", nullptr,
     "nfcSendFileState", {queued("logTransitionTriggered")}},
    {"t_nfcSendSegPreWaitTimerTO", "nfcSendSegmentPreWait", "&sendSegPreWaitTimer", "timeout()",
     nullptr, "nfcPacketSentState", {}},
    {"t_nfcFileError", "nfcSendSegmentPreWait", kThis, "nfcFileIsNotGood()", nullptr, nullptr,
     {call("nfcFileError"), stop("sibIoAckTimer"), call("setSibPartDoneTrue")}},
    {"t_nfcIoAckTO", "nfcPacketSentState", "&sibIoAckTimer", "timeout()", "retryPossible",
     "nfcPacketWaitState", {call("incRetryCount")}},
    {"t_nfc_ackToNoRetry", "nfcPacketSentState", "&sibIoAckTimer", "timeout()",
     "noRetryPossible", nullptr,
     {call("nodeTooManyRetries"), stop("sibIoAckTimer"), call("setNodePartDoneTrue")}},
    {"t_nfc_packetOK", "nfcPacketSentState", kThis, "received_packet_OK()", "nfcMoreToSend",
     "nfcPacketWaitState", {call("nfcIncFwOffset"), call("clearRetryCount")}},
    {"t_nfc_pktOK_noMore", "nfcPacketSentState", kThis, "received_packet_OK()",
     "nfcNoMoreToSend", "nfcUpdateFinishedState", {call("nfcIncFwOffset")}},
    {"t_nfc_packetWaitTimerTO", "nfcPacketWaitState", "&packetWaitTimer", "timeout()", nullptr,
     "nfcPacketSentState", {}},
    {"t_nfc_waitToStartAppTO", "nfcUpdateFinishedState", "&packetWaitTimer", "timeout()",
     nullptr, nullptr, {call("requestStartApp")}},
    {"t_nfc_finished_noAck", "nfcUpdateFinishedState", "&sibIoAckTimer", "timeout()", nullptr,
     nullptr, {emitting("nfcUpdateGo2NextStep"), call("setNodePartDoneTrue")}},
    {"t_nfc_finished_ok", "nfcUpdateFinishedState", kThis, "received_packet_OK()", nullptr,
     nullptr, {call("setNodePartDoneTrue")}},
    {"t_nfc_updateNextBoard", "nfcUpdateFinishedState", kThis, "nfcUpdateNextBoard()", nullptr,
     "nfcRequestBootloadState", {}},
    {"t_nfc_tryUpdateNextBoard", "nfcSendFileState", kThis, "nfcUpdateNextBoard()", nullptr,
     "nfcRequestBootloadState", {}},
    {"cb2cl", "cookbookUpdateState", kThis, "startUpdateNextStep()", nullptr,
     "cleaningUpdateState", {}},
    {"cl2os", "cleaningUpdateState", kThis, "startUpdateNextStep()", nullptr, "osUpdateState", {}},
    {"os2sounds", "osUpdateState", kThis, "startUpdateNextStep()", nullptr, "soundsUpdateState",
     {}},
    {"sounds2help", "soundsUpdateState", kThis, "startUpdateNextStep()", nullptr,
     "helpUpdateState", {}},
    {"help2lang", "helpUpdateState", kThis, "startUpdateNextStep()", nullptr,
     "languagesUpdateState", {}},
    {"lang2done", "languagesUpdateState", kThis, "startUpdateNextStep()", nullptr,
     "updateDoneState", {}},
};

constexpr int kAckMs = 3000;
constexpr int kNfcBootloadAckMs = 6000;
constexpr int kPreWaitMs = 3000;
constexpr int kPacketWaitMs = 20;
constexpr int kStartAppWaitMs = 50;
constexpr int kFindSlaveMs = 1000;
constexpr int kAppInstallConfirmMs = 20000;
constexpr int kMainPhuAppWaitMs = 8000;
constexpr int kStatusPollMs = 1000;
constexpr int kPartsDoneCheckMs = 1000;
constexpr int kMaxRetries = 30;
constexpr int kMaxRollCalls = 30;
constexpr int kMaxPacketBytes = BootloaderFrame::MaxWriteLength;
// The start-application frame is sent a second time before the I/O board is
// taken to have started its application unacknowledged.
constexpr int kStartAppFrames = 2;
// Status polls of the secondary heater boards without a good answer from
// the I/O board before they are given up.
constexpr int kMaxUnansweredStatusPolls = 30;

// Holding registers of the I/O board (Modbus slave 1) that drive and follow
// the programming of the secondary heater boards.
enum IoBoardRegister : quint16 {
    OperationModeCommandRegister = 12,
    OperationModeRegister = 13,
    FirmwareUpdateStatusRegister = 74,
};
// Written to the command register: program the secondary heater boards.
constexpr quint16 kProgramSecondaryBoards = 8;
// Bit of the operation mode that is set while they are being programmed.
constexpr quint16 kProgrammingModeBit = 8;
// High byte of the update status once every secondary board is done.
constexpr int kAllSecondaryBoardsDone = 5;

} // namespace

// (Re)starts a timer with its interval and mode for this use.
void Updater::restartTimer(QTimer &timer, int ms, bool singleShot)
{
    timer.stop();
    timer.setSingleShot(singleShot);
    timer.start(qMax(1, qRound(ms * m_timerScale)));
}

QObject *Updater::triggerSender(const char *senderName)
{
    const QByteArray name(senderName);
    if (name == kThis)
        return this;
    if (name == "serialPort")
        return m_serialPort;
    if (name == "m_phuOperationModePollInfo")
        return m_phuOperationModePollInfo;
    if (name == "m_phuFwUpdateStatusPollInfo")
        return m_phuFwUpdateStatusPollInfo;
    const QHash<QByteArray, QTimer *> timers = {
        {"&uiAndSibPartsDoneTimer", &m_uiAndSibPartsDoneTimer},
        {"&sibIoAckTimer", &m_sibIoAckTimer},
        {"&sendSegPreWaitTimer", &m_sendSegPreWaitTimer},
        {"&packetWaitTimer", &m_packetWaitTimer},
        {"&findSlaveTimer", &m_findSlaveTimer},
        {"&appInstallConfirmTimer", &m_appInstallConfirmTimer},
        {"&sibUpdateStepTimer", &m_sibUpdateStepTimer},
    };
    return timers.value(name);
}

void Updater::buildMachine()
{
    StateMachineBuilder b(this);

    QHash<QByteArray, QState *> states;
    for (const StateRow &row : kStates) {
        QState *parent = row.parent ? states.value(row.parent) : this;
        QState *s = b.state(parent, row.name,
                            row.parallel ? QState::ParallelStates : QState::ExclusiveStates);
        if (parent->childMode() == QState::ExclusiveStates && !parent->initialState())
            parent->setInitialState(s);
        states.insert(row.name, s);
    }
    m_idleState = states.value("idleState");

    for (const TransitionRow &row : kTransitions) {
        const QByteArray signal = QByteArray("2") + row.signal;
        QSignalTransition *t = b.transition(states.value(row.source),
                                            row.target ? states.value(row.target) : nullptr,
                                            row.name, QLatin1String(row.sender),
                                            triggerSender(row.sender), signal.constData(),
                                            row.guard);
        for (const ActionRow &action : row.actions) {
            switch (action.kind) {
            case ActionRow::None:
                break;
            case ActionRow::Call:
                b.action(t, action.name);
                break;
            case ActionRow::StopTimer:
                b.action(t, triggerSender(QByteArray("&") + action.name),
                         QLatin1Char('&') + QLatin1String(action.name), "stop");
                break;
            case ActionRow::Emit: {
                const QByteArray target = QByteArray("2") + action.name + "()";
                connect(t, SIGNAL(triggered()), this, target.constData(), Qt::DirectConnection);
                t->setProperty("action", t->property("action").toString()
                                             + QLatin1String("emit this->")
                                             + QLatin1String(action.name) + QLatin1String("()\n"));
                break;
            }
            case ActionRow::Queued: {
                const QByteArray slot = QByteArray("1") + action.name + "()";
                connect(t, SIGNAL(triggered()), this, slot.constData(), Qt::QueuedConnection);
                t->setProperty("action", t->property("action").toString()
                                             + QLatin1String("this->") + QLatin1String(action.name)
                                             + QLatin1String("()\n"));
                break;
            }
            }
        }
    }
    setInitialState(m_idleState);
}

// ---- package check ----

QStringList Updater::sortedEntries(const QString &path)
{
    QStringList entries = QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System,
                                               QDir::Unsorted);
    // By character code, whatever the locale.
    std::sort(entries.begin(), entries.end());
    return entries;
}

int Updater::countWithoutDots(const QStringList &entries)
{
    return int(std::count_if(entries.begin(), entries.end(), [](const QString &name) {
        return name != QLatin1String(".") && name != QLatin1String("..");
    }));
}

void Updater::checkUpdateFiles(QString folder)
{
    const QDir dir(folder);
    const QStringList parts = dir.entryList(QDir::Dirs | QDir::Hidden | QDir::System);
    m_updateCanceled = false;
    if (parts.isEmpty()) {
        set_usbStorageAvailable(false);
        return;
    }
    m_packageRoot = QDir::cleanPath(dir.absolutePath());
    const auto present = [&parts](const char *name) { return parts.contains(QLatin1String(name)); };
    const auto entriesOf = [this](const char *name) {
        return sortedEntries(m_packageRoot + QLatin1Char('/') + QLatin1String(name));
    };
    const auto firstMatching = [](const QStringList &entries, auto matches) {
        const auto it = std::find_if(entries.begin(), entries.end(), matches);
        return it == entries.end() ? QString() : *it;
    };
    const QString binSuffix = QStringLiteral(".bin");

    if (present("app")) {
        m_newAppFileName = firstMatching(entriesOf("app"), [](const QString &name) {
            return name.startsWith(QLatin1String("kivlfb"));
        });
        const bool found = !m_newAppFileName.isEmpty();
        if (found)
            set_uiUpdateInfoTxt(tr("<b>UI software</b>") + QStringLiteral("<br>") + m_newAppFileName);
        set_applicationUpdateAvailable(found);
    }
    if (present("config")) {
        m_configFileName = firstMatching(entriesOf("config"), [](const QString &name) {
            return name.contains(QLatin1String(".hcc"));
        });
        set_configUpdateAvailable(!m_configFileName.isEmpty());
    }
    if (present("splashScreen") && entriesOf("splashScreen").contains(QLatin1String("splash-screen")))
        set_splashScreenUpdateAvailable(true);
    if (present("sibfirmware")) {
        // The newest image is the one sorting last; it must be an image.
        const QStringList entries = entriesOf("sibfirmware");
        const QString last = countWithoutDots(entries) > 0 ? entries.last() : QString();
        const bool found = last.contains(binSuffix);
        if (found) {
            m_sibFwFileName = last;
            set_sibFwFilename(last);
            set_sibUpdateInfoTxt(tr("<b>PHU software</b>") + QStringLiteral("<br>") + last);
            m_nodeDone[IoBoardNode] = false;
        }
        set_sibUpdateAvailable(found);
    }
    if (present("nfcapp")) {
        m_nfcFwFileName = firstMatching(entriesOf("nfcapp"), [&binSuffix](const QString &name) {
            return name.contains(binSuffix);
        });
        const bool found = !m_nfcFwFileName.isEmpty();
        if (found) {
            set_nfcUpdateInfoTxt(tr("<b>NFC software</b>") + QStringLiteral("<br>") + m_nfcFwFileName);
            if (m_nfcBoardCount == 1 || m_nfcBoardCount == 2)
                m_nodeDone[FirstNfcNode] = false;
            if (m_nfcBoardCount == 2)
                m_nodeDone[SecondNfcNode] = false;
        }
        set_nfcAppUpdateAvailable(found);
    }
    if (present("configuration")) {
        const QStringList entries = entriesOf("configuration");
        const bool found = countWithoutDots(entries) > 0;
        if (found) {
            m_cookbookEntries = entries;
            set_cbUpdateInfoTxt(QStringLiteral("<b>Tavolen file</b><br>") + entries.value(2)
                                + QStringLiteral("<br>"));
        }
        set_cookbookUpdateAvailable(found);
    }
    if (present("uImage")) {
        const bool found = countWithoutDots(entriesOf("uImage")) > 0;
        if (found)
            set_osUpdateInfoTxt(QStringLiteral("<b>OS kernel</b>"));
        set_kernelUpdateAvailable(found);
    }
    if (present("sounds")) {
        const QStringList entries = entriesOf("sounds");
        const int count = countWithoutDots(entries);
        if (count > 0) {
            m_soundEntries = entries;
            set_soundUpdateInfoTxt(QStringLiteral("<b>Sound files</b><br>%1 files").arg(count));
        }
        set_soundsUpdateAvailable(count > 0);
    }
    if (present("help")) {
        const int count = countWithoutDots(entriesOf("help"));
        if (count > 0)
            set_helpUpdateInfoTxt(QStringLiteral("<b>Help files</b><br>%1 files").arg(count));
        set_helpfilesUpdateAvailable(count > 0);
    }
    if (present("languages")) {
        const QStringList entries = entriesOf("languages");
        const int count = countWithoutDots(entries);
        if (count > 0) {
            m_languageEntries = entries;
            set_languageUpdateInfoTxt(QStringLiteral("<b>Language files</b><br>%1 files").arg(count));
        }
        set_languagesUpdateAvailable(count > 0);
    }

    if (isAnyUpdateAvailable())
        set_usbStorageAvailable(true);
}

// NFC firmware and languages alone do not make an update: they only ride
// along with one of the parts below.
bool Updater::isAnyUpdateAvailable()
{
    if (m_updateCanceled)
        return false;
    return m_helpfilesUpdateAvailable || m_applicationUpdateAvailable || m_configUpdateAvailable
        || m_splashScreenUpdateAvailable || m_sibUpdateAvailable || m_cookbookUpdateAvailable
        || m_cleaningUpdateAvailable || m_soundsUpdateAvailable || m_kernelUpdateAvailable;
}

void Updater::updateCanceled()
{
    m_updateCanceled = true;
    emit updateChangeDetected();
}

void Updater::updateTerminated()
{
    m_updateCanceled = true;
    emit updateChangeDetected();
    emit requestRestart();
}

void Updater::processUpdate()
{
    if (!m_sibUpdateAvailable)
        return;
    const QString folder = QStringLiteral("/sibfirmware/");
    // QFile::copy never overwrites; a missing destination folder makes the
    // copy fail quietly, and the firmware step then finds no file.
    QFile::copy(m_packageRoot + folder + m_sibFwFileName,
                KivRoot::path(m_targetPath) + folder + m_sibFwFileName);
}

// Detached: nobody waits for it, and it may outlive this object (the
// application takes whatever has not finished when it ends).
void Updater::syncFileSystemForce()
{
    QProcess *sync = ToolRunner::start(QStringLiteral("/bin/sync"), {},
                                       QCoreApplication::instance());
    connect(sync, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), sync,
            &QObject::deleteLater);
}

// ---- guards ----

// The display parts and every board the package updates are done; an empty
// done map counts as done.
bool Updater::uiAndSibPartsDone()
{
    return m_uiPartDone && m_configPartDone && m_splashScreenDone && allNodesUpdateDone();
}

// Every board the package updates has ended, well or not.
bool Updater::allNodesUpdateDone()
{
    return std::all_of(m_nodeDone.cbegin(), m_nodeDone.cend(), [](bool done) { return done; });
}

// The transfer has reached the last NFC board of this cabinet.
bool Updater::nfcAllNodesDone()
{
    if (m_nfcBoardCount == 1)
        return m_currentNode >= FirstNfcNode;
    if (m_nfcBoardCount == 2)
        return m_currentNode >= SecondNfcNode;
    return true;
}

bool Updater::startAppRetryPossible()
{
    return m_startAppFramesSent < kStartAppFrames;
}

bool Updater::noStartAppRetryPossible()
{
    return !startAppRetryPossible();
}

bool Updater::retryPossible()
{
    return m_retryCount < kMaxRetries;
}

bool Updater::noRetryPossible()
{
    return !retryPossible();
}

bool Updater::moreToSend()
{
    return m_fwImage.size() - m_fwOffset - m_fwPacketLength > 0;
}

bool Updater::noMoreToSend()
{
    return !moreToSend();
}

bool Updater::nfcMoreToSend()
{
    return m_nfcImage.size() - m_nfcOffset - m_nfcPacketLength > 0;
}

bool Updater::nfcNoMoreToSend()
{
    return !nfcMoreToSend();
}

// ---- transition actions ----

void Updater::setUiPartDoneTrue()
{
    set_uiPartDone(true);
}

void Updater::setConfigPartDoneTrue()
{
    set_configPartDone(true);
}

void Updater::setSplashScreenDoneTrue()
{
    set_splashScreenDone(true);
}

void Updater::setSibPartDoneTrue()
{
    set_sibPartDone(true);
    setNodePartDoneTrue();
    set_progressDialogVisible(false);
}

// The second NFC board follows the first whether or not the first one took
// its firmware.
void Updater::setNodePartDoneTrue()
{
    m_nodeDone[m_currentNode] = true;
    if (m_currentNode == FirstNfcNode && m_nfcBoardCount >= 2) {
        m_currentNode = SecondNfcNode;
        m_retryCount = 0;
        set_nfcBoardId(2);
        set_nfcUpdateProgress(0);
        set_totalTimeouts(0);
        emit nfcUpdateNextBoard();
    } else {
        set_nfcProgressDialogVisible(false);
    }
}

void Updater::incRetryCount()
{
    set_retryCount(m_retryCount + 1);
    set_totalTimeouts(m_totalTimeouts + 1);
}

void Updater::clearRetryCount()
{
    set_retryCount(0);
}

// One roll call a second; after the 30th unanswered one the secondary
// display is given up and the display parts count as done.
void Updater::retryCheckForSlaveUi()
{
    if (m_rollCallTries >= kMaxRollCalls) {
        // Where the personality says the display exists, a transfer that
        // never happened is a failed update, not a successful one.
        if (m_slaveUiNeeded) {
            qWarning().noquote() << "Update: the secondary display did not answer" << kMaxRollCalls << "roll calls";
            set_updaterDialogMsg(m_updaterDialogMsg
                                 + QStringLiteral("<br><b>Secondary UI not found! </b><br>No answer to roll call."));
            set_updateFailed(true);
        }
        set_uiPartDone(true);
        set_configPartDone(true);
        set_splashScreenDone(true);
        return;
    }
    ++m_rollCallTries;
    sendRequestRollCallMsg();
    restartTimer(m_findSlaveTimer, kFindSlaveMs, true);
    set_checkForSlaveUiProgress((m_rollCallTries * 100 + 15) / kMaxRollCalls);
}

void Updater::requestStartApp()
{
    sendStartAppMsg();
    restartTimer(m_sibIoAckTimer, kAckMs, true);
}

void Updater::incFwOffset()
{
    m_fwOffset += m_fwPacketLength;
    set_fwUpdateBytesSent(m_fwOffset);
    if (m_fwUpdateBytes > 0)
        set_fwUpdateProgress(int(double(m_fwUpdateBytesSent) * 100.0 / m_fwUpdateBytes));
}

void Updater::nfcIncFwOffset()
{
    m_nfcOffset += m_nfcPacketLength;
    set_nfcUpdateBytesSent(m_nfcOffset);
    if (m_nfcUpdateBytes > 0)
        set_nfcUpdateProgress(int(double(m_nfcUpdateBytesSent) * 100.0 / m_nfcUpdateBytes));
}

// The I/O board did not acknowledge the start-bootloader frame: ask again
// while retries remain, then give the board up.
void Updater::requestBootloadStart()
{
    if (retryPossible()) {
        requestMasterIoBootloadMode();
        set_progressDialogVisible(true);
        restartTimer(m_sibIoAckTimer, kAckMs, true);
        incRetryCount();
        return;
    }
    set_updaterDialogMsg(m_updaterDialogMsg
                         + QStringLiteral("<br><b>IO software download FAILED! Start bootloader failed.</b><br>"));
    set_updateFailed(true);
    set_progressDialogVisible(false);
    setSibPartDoneTrue();
    // The secondary heater boards need the new I/O application: straight
    // on to the NFC boards.
    emit startUpdateNextStep();
}

void Updater::nodeTooManyRetries()
{
    QString text;
    switch (m_currentNode) {
    case IoBoardNode:
        text = QStringLiteral("<br><b>Master IO software download FAILED! Too many retries.</b><br>");
        break;
    case FirstNfcNode:
        text = QStringLiteral("<br><b>NFC nodes 1 software download FAILED! Too many retries.</b><br>");
        break;
    case SecondNfcNode:
        text = QStringLiteral("<br><b>NFC nodes 2 software download FAILED! Too many retries.</b><br>");
        break;
    default:
        return;
    }
    set_updaterDialogMsg(m_updaterDialogMsg + text);
    set_updateFailed(true);
}

void Updater::sibFileError()
{
    set_updaterDialogMsg(m_updaterDialogMsg
                         + QStringLiteral("<br><b>IO software download FAILED! Bad file CRC.</b><br>"));
    set_updateFailed(true);
}

void Updater::nfcFileError()
{
    set_updaterDialogMsg(m_updaterDialogMsg
                         + QStringLiteral("<br><b>NFC software download FAILED! Bad file CRC.</b><br>"));
    set_updateFailed(true);
}

void Updater::notifyUserOfSlaveUpdateFailure()
{
    set_updaterDialogMsg(m_updaterDialogMsg
                         + QStringLiteral("<br><b>App install on secondary UI FAILED! </b><br>"));
    set_updateFailed(true);
}

void Updater::notifyUserSlaveUpdateConfTimeout()
{
    set_updaterDialogMsg(m_updaterDialogMsg
                         + QStringLiteral("<br><b>Secondary UI app install FAILED! </b><br>Confirmation timeout."));
    set_updateFailed(true);
}

// Marks a transition in the trace only; it is queued so that it runs after
// the transition.
void Updater::logTransitionTriggered()
{
}

// The NFC image failed its check before any board was asked to take it:
// every NFC board is done, and none has left its application.
void Updater::setNfcNodesDoneTrue()
{
    m_nodeDone[FirstNfcNode] = true;
    if (m_nfcBoardCount >= 2)
        m_nodeDone[SecondNfcNode] = true;
    set_nfcProgressDialogVisible(false);
}

// The image went in; a board that starts its application at once may not
// answer the frame. Whether it runs shows in its answers on Modbus.
void Updater::startAppNotAcknowledged()
{
    qWarning().noquote() << "Update: the I/O board did not acknowledge the start-application frame;"
                            " following its secondary heater boards all the same";
}

// A tick of the status poll. An I/O board that gives no good answer to 30
// of them in a row is given up, and with it its secondary heater boards.
void Updater::countUnansweredStatusPoll()
{
    if (++m_unansweredStatusPolls < kMaxUnansweredStatusPolls)
        return;
    qWarning().noquote() << "Update: no answer from the I/O board to" << m_unansweredStatusPolls
                         << "status polls; its secondary heater boards are given up";
    set_updaterDialogMsg(m_updaterDialogMsg
                         + QStringLiteral("<br><b>Secondary heater boards update FAILED! No answer from IO board.</b><br>"));
    set_updateFailed(true);
    emit sibUpdateGo2NextStep();
}

// ---- wire work of the board transfers ----

void Updater::set_serialPort(QSerialPort *port)
{
    m_serialPort = port;
    for (const char *name : {"t_serialDataRcved", "t_nfcSerialDataRcved"}) {
        if (auto *t = findChild<QSignalTransition *>(QLatin1String(name)))
            t->setSenderObject(port);
    }
}

void Updater::sendFrame(const QByteArray &frame)
{
    m_receiveBuffer.clear();
    if (!m_serialPort || !m_serialPort->isOpen())
        return; // no line: the acknowledge timer takes the failure path
    m_serialPort->readAll();
    if (m_serialPort->write(frame) != frame.size())
        qWarning().noquote() << "Update: frame to board" << m_currentNode << "not written:"
                             << m_serialPort->errorString();
}

// Runs for every readyRead while a board transfer is active; the reply
// builds up over reads.
void Updater::processReceivedData()
{
    if (!m_serialPort)
        return;
    const QByteArray bytes = m_serialPort->readAll();
    // A reply is a few bytes: what does not fit the buffer cannot make one.
    m_receiveBuffer.append(bytes.left(BootloaderFrame::BufferSize - m_receiveBuffer.size()));
    if (!BootloaderFrame::isAcknowledge(m_receiveBuffer, quint8(m_currentNode)))
        return;
    m_sibIoAckTimer.stop();
    emit received_packet_OK();
}

void Updater::sendStartAppMsg()
{
    ++m_startAppFramesSent;
    qInfo().noquote() << "Update: board" << m_currentNode << "asked to start its application";
    sendFrame(BootloaderFrame::buildStartAppFrame(quint8(m_currentNode)));
}

void Updater::requestMasterIoBootloadMode()
{
    qInfo().noquote() << "Update: I/O board asked to start its bootloader";
    sendFrame(BootloaderFrame::buildStartBootFrame(IoBoardNode));
}

void Updater::requestNfcBootloadMode(int node)
{
    qInfo().noquote() << "Update: NFC board" << node << "asked to start its bootloader";
    sendFrame(BootloaderFrame::buildStartBootFrame(quint8(node)));
}

void Updater::sendFwPacket()
{
    sendFrame(BootloaderFrame::buildWriteFlashFrame(quint8(m_currentNode), m_fwImage, m_fwOffset,
                                                    m_fwPacketLength));
}

void Updater::sendNfcFwPacket()
{
    sendFrame(BootloaderFrame::buildWriteFlashFrame(quint8(m_currentNode), m_nfcImage, m_nfcOffset,
                                                    m_nfcPacketLength));
}

QByteArray Updater::loadFirmwareImage(const QString &path, bool *good)
{
    *good = false;
    QByteArray file;
    switch (BoundedFile::read(path, BoundedFile::LargeFileLimit, &file)) {
    case BoundedFile::Read:
        break;
    case BoundedFile::Missing:
        qWarning().noquote() << "Update: firmware" << path << "is missing; nothing is installed or sent";
        return QByteArray();
    case BoundedFile::Unreadable:
    case BoundedFile::TooLarge:
        qWarning().noquote() << "Update: firmware" << path << "cannot be read; nothing is installed or sent";
        return QByteArray();
    }
    const BootloaderFrame::FirmwareImage checked = BootloaderFrame::checkFirmwareFile(file);
    *good = checked.good;
    if (!checked.good)
        qWarning().noquote() << "Update: firmware" << path << "fails its CRC check; nothing is installed or sent";
    return checked.image;
}

void Updater::loadSibFirmwareImage()
{
    m_fwImage = loadFirmwareImage(m_packageRoot + QStringLiteral("/sibfirmware/") + m_sibFwFileName,
                                  &m_fwImageGood);
    if (m_fwImageGood)
        set_fwUpdateBytes(m_fwImage.size());
}

void Updater::loadNfcFirmwareImage()
{
    m_nfcImage = loadFirmwareImage(m_packageRoot + QStringLiteral("/nfcapp/") + m_nfcFwFileName,
                                   &m_nfcImageGood);
    if (m_nfcImageGood)
        set_nfcUpdateBytes(m_nfcImage.size());
}

// ---- the secondary heater boards, over Modbus through the I/O board ----

void Updater::sendGetPhuOperationMode()
{
    if (m_modbusMaster)
        m_modbusMaster->holdingRegistersRead(IoBoardNode, OperationModeRegister, 1, 0,
                                             m_phuOperationModePollInfo);
}

// Programming shows as 0 or 8; anything else is counted, and enough of it
// before programming was seen ends the follow-up.
void Updater::processPhuOperationMode()
{
    m_unansweredStatusPolls = 0;
    const quint16 mode = m_phuOperationModePollInfo->values().value(0);
    if (mode & ~kProgrammingModeBit) {
        emit notProgrammingPhusSignal();
        incRetryCount();
    } else {
        emit getFwUpdateDetailsSignal();
        set_retryCount(0);
    }
}

void Updater::sendGetFwUpdateStatus()
{
    if (m_modbusMaster)
        m_modbusMaster->holdingRegistersRead(IoBoardNode, FirmwareUpdateStatusRegister, 1, 0,
                                             m_phuFwUpdateStatusPollInfo);
}

void Updater::processFwUpdateStatus()
{
    m_unansweredStatusPolls = 0;
    const quint16 status = m_phuFwUpdateStatusPollInfo->values().value(0);
    set_slavePhuId(status >> 8);
    set_slaveUpdateProgress(status & 0xFF);
    if ((status >> 8) == kAllSecondaryBoardsDone)
        emit finishedUpdatingSlaves();
}

void Updater::sendProgramSlavesCommand()
{
    if (!m_modbusMaster)
        return;
    m_phuProgramCommandPollInfo->values()[0] = kProgramSecondaryBoards;
    m_modbusMaster->holdingRegistersWrite(IoBoardNode, OperationModeCommandRegister, 1, 0,
                                          m_phuProgramCommandPollInfo, false, false);
}

// ---- the secondary display over CAN ----

namespace {

// Every request of the utility goes out under its own sender id.
constexpr int kUtilitySenderId = 3;

// The receiver keeps only the last component of the name it gets.
const QString kSecondaryRoot = QStringLiteral("/root/");

} // namespace

QByteArray Updater::fileTransferNameField(const QString &targetFilename)
{
    QByteArray name = targetFilename.toUtf8();
    if (name.size() >= kFileNameFieldBytes)
        name = (kSecondaryRoot + QFileInfo(targetFilename).fileName()).toUtf8();
    if (name.size() >= kFileNameFieldBytes || name.isEmpty())
        return QByteArray();
    return name + QByteArray(kFileNameFieldBytes - name.size(), '\0');
}

void Updater::sendRequestRollCallMsg()
{
    if (!m_canbusManager)
        return;
    auto *request = new CanSendRequest;
    request->set_frameId(kUtilitySenderId);
    request->set_data(QByteArray(1, char(CanbusManager::KIVMSGSINGLE_ROLLCALL_REQUEST)));
    m_canbusManager->enqueueSendRequest(request);
}

// Queues the file as one multi-packet message: the 64-byte name field, then
// the bytes. Returns false, and queues nothing, when the file cannot be read
// or its name cannot be carried; the caller then reports the part failed
// instead of waiting for a transfer that never comes.
bool Updater::sendFileViaCanbus(QString filename, QString targetFilename, int fileTxfId)
{
    QString problem;
    QByteArray payload = fileTransferNameField(targetFilename);
    QFile file(filename);
    if (!m_canbusManager)
        problem = QStringLiteral("no CAN link");
    else if (filename.isEmpty() || !file.open(QIODevice::ReadOnly))
        problem = QStringLiteral("cannot be read");
    else if (payload.isEmpty())
        problem = QStringLiteral("name does not fit the transfer: ") + targetFilename;
    if (problem.isEmpty()) {
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            problem = QStringLiteral("cannot be read");
        payload += bytes;
    }
    if (!problem.isEmpty()) {
        qWarning().noquote() << "Update: file" << filename << "not sent to the secondary display:" << problem;
        set_updaterDialogMsg(m_updaterDialogMsg + QStringLiteral("<br><b>Secondary UI file transfer FAILED! </b><br>")
                             + (filename.isEmpty() ? QStringLiteral("(no file)") : filename));
        set_updateFailed(true);
        return false;
    }
    auto *request = new CanSendRequest;
    request->set_frameId(kUtilitySenderId);
    request->set_multi(true);
    request->set_multiId(fileTxfId);
    request->set_data(payload);
    set_fileXfrRequestId(request->get_requestNumber());
    qInfo().noquote() << "Update: sending" << filename << "to the secondary display as"
                      << QString::fromUtf8(payload.left(kFileNameFieldBytes).constData());
    m_canbusManager->enqueueSendRequest(request);
    return true;
}

void Updater::sendInstallAppMsg(QString appName)
{
    if (!m_canbusManager)
        return;
    auto *request = new CanSendRequest;
    request->set_frameId(kUtilitySenderId);
    request->set_multi(true);
    request->set_multiId(CanbusManager::KIV_MULTI_INSTALL_APP);
    request->set_data(appName.toUtf8());
    m_canbusManager->enqueueSendRequest(request);
}

void Updater::processCanMsg(QByteArray msg)
{
    if (msg.size() < 2)
        return;
    switch (quint8(msg.at(0))) {
    case CanbusManager::KIVMSGSINGLE_SLAVE_REPORTING:
        processSlaveReporting(quint8(msg.at(1)));
        break;
    case CanbusManager::KIVMSGSINGLE_APP_INSTALL_STATUS:
        if (msg.at(1) != 0)
            emit newAppInstallSucceeded();
        else
            emit newAppInstallFailed();
        break;
    default:
        break;
    }
}

void Updater::processSlaveReporting(int id)
{
    if (id < 1)
        return;
    const bool wasFound = m_slaveFound;
    set_slaveFound(true);
    if (!wasFound)
        emit slaveFound();
}

void Updater::requestServedSlot(quint32 rid)
{
    if (rid == m_fileXfrRequestId)
        emit fileXfrFinished();
}

// ---- install steps ----

void Updater::appendDialogLine(const QString &phrase, const QString &text)
{
    set_updaterDialogMsg(m_updaterDialogMsg + QStringLiteral("<br>") + phrase + text);
}

bool Updater::copyIntoPlace(const QString &source, const QString &target, const QString &separator)
{
    // QFile::copy never overwrites, so an old file must go first.
    if (QFile::exists(target) && !QFile::remove(target))
        appendDialogLine(tr("Failed to remove file: "), target);
    if (QFile::copy(source, target))
        return true;
    appendDialogLine(tr("Failed to copy file: "), source + separator + target);
    // A file that did not reach its place is a failed update.
    set_updateFailed(true);
    return false;
}

namespace {

// Whether folder is a real folder (no link) lying inside the package.
bool isFolderOfPackage(const QString &folder, const QString &packageRoot)
{
    struct stat info;
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    const QString root = QFileInfo(packageRoot).canonicalFilePath();
    return !root.isEmpty() && QFileInfo(folder).canonicalFilePath().startsWith(root + QLatin1Char('/'));
}

// Copies source to target when source is a regular file itself. A link
// (to anywhere), a device, a FIFO or a socket is refused before anything is
// read: none is a file of the package, and a FIFO would block the read for
// ever. The file is opened without following a link and checked once open,
// so it cannot be swapped for one in between. The installed file is
// written whole or not at all and gets the modes of a normal install.
bool installRegularFile(const QString &source, const QString &target, QString *why)
{
    const int fd = ::open(QFile::encodeName(source).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat info;
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        *why = fd < 0 && errno != ELOOP ? qt_error_string(errno) : QStringLiteral("not a regular file");
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    QFile in;
    if (!in.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *why = in.errorString();
        return false;
    }
    // A link left at the target would have the new file written where it
    // points.
    QFile::remove(target);
    QSaveFile out(target);
    bool ok = out.open(QIODevice::WriteOnly);
    while (ok && !in.atEnd()) {
        const QByteArray chunk = in.read(64 * 1024);
        ok = !chunk.isEmpty() && out.write(chunk) == chunk.size();
    }
    ok = ok && out.commit();
    if (!ok) {
        *why = out.errorString();
        return false;
    }
    return QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
                                             | QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

} // namespace

QString Updater::copyFolder(const QString &packageFolder, const QStringList &entries,
                            const QString &targetFolder, bool *failed)
{
    QString status;
    *failed = false;
    const QString folder = m_packageRoot + packageFolder;
    const bool inPackage = isFolderOfPackage(folder, m_packageRoot);
    if (!inPackage)
        qWarning().noquote() << "Update: folder" << folder << "is not a folder of the package; nothing installed from it";
    for (const QString &name : entries) {
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        status += name + QStringLiteral(": ");
        QString why;
        const bool ok = inPackage && installRegularFile(folder + name, targetFolder + name, &why);
        if (inPackage && !ok)
            qWarning().noquote() << "Update:" << folder + name << "not installed:" << why;
        status += ok ? QStringLiteral("OK") : QStringLiteral("Fail");
        status += QStringLiteral("<br>");
        if (!ok)
            *failed = true;
    }
    syncFileSystemForce();
    if (*failed)
        set_updateFailed(true);
    return status;
}

// The start script that fits this display's orientation and role.
void Updater::install_startScript()
{
    QString folder;
    switch (m_targetDisplaySelection) {
    case 3:
        folder = QStringLiteral("/startScript_B_L/");
        break;
    case 2:
        folder = QStringLiteral("/startScript_F_L/");
        break;
    case 1:
        folder = QStringLiteral("/startScript_B_P/");
        break;
    default:
        folder = QStringLiteral("/startScript_F_P/");
        break;
    }
    const QString name = QStringLiteral("kiv_script");
    const QString source = m_packageRoot + folder + name;
    if (!QFile::exists(source))
        return;
    const QString target = KivRoot::path(m_targetPath) + QLatin1Char('/') + name;
    if (copyIntoPlace(source, target, QStringLiteral("\n>\n"))) {
        syncFileSystemForce();
        syncFileSystemForce();
    } else {
        syncFileSystemForce();
    }
}

namespace {

QByteArray fileStart(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(ElfHeader::kReadSize) : QByteArray();
}

// Why the file cannot be this display's application; empty when it can.
QString whyNotAnApplication(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return QStringLiteral("not a file");
    if (info.size() == 0)
        return QStringLiteral("the file is empty");
    const QByteArray start = fileStart(path);
    if (start.isEmpty())
        return QStringLiteral("the file cannot be read");
    return ElfHeader::whyNotRunnable(start, fileStart(QCoreApplication::applicationFilePath()));
}

} // namespace

// The new application on this display: copied in, made executable and
// linked as "kivlfb"; then the older versioned binaries go. A file that is
// not a program for this machine is not installed at all, and a step that
// fails leaves the old application and its link as they were, so the
// display still starts.
void Updater::install_applicationUpdate()
{
    const QString target = KivRoot::path(m_targetPath);
    const QString source = m_packageRoot + QStringLiteral("/app/") + m_newAppFileName;
    const QString targetFile = target + QLatin1Char('/') + m_newAppFileName;
    const QString link = target + QStringLiteral("/kivlfb");

    const QString refusal = whyNotAnApplication(source);
    if (!refusal.isEmpty()) {
        qWarning().noquote() << "Update: application" << source << "not installed:" << refusal;
        appendDialogLine(tr("Failed to install application: "), m_newAppFileName + QStringLiteral(": ") + refusal);
        set_updateFailed(true);
        // Nothing to hand on to the secondary display either.
        emit uiAppPartFinished();
        return;
    }

    // Copied under a temporary name first: a copy that fails leaves the
    // installed binary (which may carry the same name) untouched.
    const QString incoming = targetFile + QStringLiteral(".New");
    QFile::remove(incoming);
    const QFile::Permissions runnable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser
        | QFile::WriteUser | QFile::ExeUser | QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
        | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    QString failure;
    if (!QFile::copy(source, incoming)) {
        appendDialogLine(tr("Failed to copy file: "), source + QStringLiteral("\n>\n") + targetFile);
        failure = QStringLiteral("copy failed");
    } else if (!QFile::setPermissions(incoming, runnable) || !QFileInfo(incoming).isExecutable()) {
        appendDialogLine(tr("Failed to install application: "),
                         m_newAppFileName + QStringLiteral(": cannot be made executable"));
        failure = QStringLiteral("cannot be made executable");
    } else if (std::rename(QFile::encodeName(incoming).constData(), QFile::encodeName(targetFile).constData()) != 0) {
        // Renamed over any file of that name in one step: a package that
        // reinstalls the running version never leaves the link dangling.
        appendDialogLine(tr("Failed to copy file: "), source + QStringLiteral("\n>\n") + targetFile);
        failure = QStringLiteral("cannot replace ") + targetFile;
    } else {
        syncFileSystemForce();
        // The new link replaces the old one in one step, or not at all.
        const QString newLink = link + QStringLiteral(".New");
        QFile::remove(newLink);
        if (QFile::link(targetFile, newLink)
            && std::rename(QFile::encodeName(newLink).constData(), QFile::encodeName(link).constData()) == 0) {
            emit b1AppInstall_succeeded();
            set_newAppFilePath(targetFile);
            const QDir targetDir(target);
            for (const QString &name : targetDir.entryList({QStringLiteral("kivlfb_*")}, QDir::Files))
                if (name != m_newAppFileName)
                    QFile::remove(targetDir.filePath(name));
        } else {
            QFile::remove(newLink);
            appendDialogLine(tr("Failed to link file: "), targetFile);
            failure = QStringLiteral("link failed");
        }
    }
    if (!failure.isEmpty()) {
        QFile::remove(incoming);
        qWarning().noquote() << "Update: application" << source << "not installed:" << failure;
        set_updateFailed(true);
    } else {
        qInfo().noquote() << "Update: application installed as" << targetFile << "and linked as" << link;
    }
    syncFileSystemForce();
    if (m_slaveUiNeeded)
        emit sendAppFileToSlave();
    else
        emit uiAppPartFinished();
}

// The firmware images are checked in the package and copied into the
// cabinet's file system ahead of their transfer; the image checked is the
// one sent. One that fails its check is not installed, so the files in
// place stay as they were, and the transfer step reports it without asking
// any board to leave its application. One that cannot be installed is not
// sent either.
void Updater::install_sibUpdate()
{
    loadSibFirmwareImage();
    if (!m_fwImageGood)
        return;
    const QString folder = KivRoot::path(m_targetPath) + QStringLiteral("/sibfirmware/");
    QDir().mkpath(folder);
    if (copyIntoPlace(m_packageRoot + QStringLiteral("/sibfirmware/") + m_sibFwFileName,
                      folder + m_sibFwFileName, QStringLiteral("-><br>"))) {
        syncFileSystemForce();
        emit fwupdate_copied();
    } else {
        m_fwImageGood = false;
        emit sibUpdateGo2NextStep();
    }
}

void Updater::install_nfcUpdate()
{
    loadNfcFirmwareImage();
    if (!m_nfcImageGood)
        return;
    const QString folder = KivRoot::path(m_targetPath) + QStringLiteral("/nfcfirmware/");
    QDir().mkpath(folder);
    if (copyIntoPlace(m_packageRoot + QStringLiteral("/nfcapp/") + m_nfcFwFileName,
                      folder + m_nfcFwFileName, QStringLiteral("-><br>"))) {
        syncFileSystemForce();
        emit nfcfwupdate_copied();
    } else {
        m_nfcImageGood = false;
        emit nfcUpdateGo2NextStep();
    }
}

// Menu files go to the import folder, where the controller picks them up.
void Updater::install_cookbookUpdate()
{
    const QString folder = KivRoot::path(QStringLiteral("/root/mcImport/"));
    QDir().mkpath(folder);
    bool failed = false;
    const QString status = copyFolder(QStringLiteral("/configuration/"), m_cookbookEntries, folder,
                                      &failed);
    set_updaterDialogMsg(m_updaterDialogMsg + QStringLiteral("<br>")
                         + QStringLiteral("<b>Tavolen file install status</b><br><br>") + status);
    if (failed)
        emit cookbookFiles_copy_failed();
    else
        emit cookbookFiles_copied();
    emit startUpdateNextStep();
}

namespace {

// A folder of that name inside "/home/user", created when missing.
QString userFolder(const QString &name)
{
    const QString home = KivRoot::path(QStringLiteral("/home/user"));
    QDir(home).mkdir(name);
    return home + QLatin1Char('/') + name + QLatin1Char('/');
}

} // namespace

// The package check does not look for cleaning profiles, so the step lists
// the package's folder itself when a client asks for it.
void Updater::install_cleaningUpdate()
{
    const QString folder = userFolder(QStringLiteral("cleaningProfiles"));
    bool failed = false;
    const QString status = copyFolder(QStringLiteral("/cleaningProfiles/"),
                                      sortedEntries(m_packageRoot + QStringLiteral("/cleaningProfiles")),
                                      folder, &failed);
    set_updaterDialogMsg(m_updaterDialogMsg + QStringLiteral("<br>")
                         + QStringLiteral("<b>Cleaning profiles install status</b><br><br>") + status);
    if (failed)
        emit cleaningProfiles_copy_failed();
    else
        emit cleaningProfiles_copied();
    emit startUpdateNextStep();
}

// The kernel image is not installed by this program.
void Updater::install_kernelUpdate()
{
    emit startUpdateNextStep();
}

void Updater::install_soundsUpdate()
{
    bool failed = false;
    copyFolder(QStringLiteral("/sounds/"), m_soundEntries, userFolder(QStringLiteral("sounds")),
               &failed);
    if (failed)
        emit soundFiles_copy_failed();
    else
        emit soundFiles_copied();
    emit startUpdateNextStep();
}

// Help files are not installed by this program.
void Updater::install_helpfilesUpdate()
{
    emit startUpdateNextStep();
}

void Updater::install_languagesUpdate()
{
    bool failed = false;
    copyFolder(QStringLiteral("/languages/"), m_languageEntries,
               userFolder(QStringLiteral("languages")), &failed);
    if (failed)
        emit languageFiles_copy_failed();
    else
        emit languageFiles_copied();
    emit startUpdateNextStep();
}

void Updater::install_updatePackage()
{
}

void Updater::install_usbStorage()
{
}

void Updater::remove_updates_tmp()
{
}

void Updater::get_swVersionsFromB1App()
{
}

void Updater::request_b1_fwu(QString sibFilename)
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out << sibFilename;
}

void Updater::receive_ipc_message(QString message, QByteArray data)
{
    if (message == QLatin1String("fwupdate_exited")) {
        emit raise_this_window();
    } else if (message == QLatin1String("fwupdate_suceeded")) {
        emit fwupdate_succeeded();
    } else if (message == QLatin1String("currentSwVersions(QString, QString)")) {
        QDataStream in(data);
        QString sib;
        QString ui;
        in >> sib >> ui;
        set_sibCurrentSwVersion(sib);
        set_uiCurrentSwVersion(ui);
    }
}

void Updater::checkIfUiAlreadyInstalled(QString rev_string)
{
    if (m_newAppFileName.startsWith(rev_string, Qt::CaseSensitive))
        set_uiUpdateAlreadyInstalled(true);
}

// ---- result, report and exit ----

QString Updater::resultFilePath()
{
    return KivRoot::path(QStringLiteral("/root/updates/firmwareUpdateResult.txt"));
}

QByteArray Updater::firmwareUpdatedEvent(bool result, qint64 timestampMs)
{
    QJsonObject event;
    event.insert(QStringLiteral("event"), QStringLiteral("firmwareUpdated"));
    event.insert(QStringLiteral("firmwareVer"), QString());
    event.insert(QStringLiteral("status"), result ? QStringLiteral("Success") : QStringLiteral("Failed"));
    event.insert(QStringLiteral("subSystemId"), QStringLiteral("0"));
    event.insert(QStringLiteral("timestamp"), QString::number((timestampMs + 500) / 1000));
    return QJsonDocument(event).toJson(QJsonDocument::Indented);
}

void Updater::firmwareUpdateDone(bool result)
{
    writeDbusMessage(QStringLiteral("/iotproxy"), QStringLiteral("org.orbanta.IoTProxy"),
                     QStringLiteral("iotproxy"),
                     QString::fromUtf8(firmwareUpdatedEvent(result, KivClock::msecsSinceEpoch())));
}

// Fire and forget: a missing bus or a refused send drops the event.
void Updater::writeDbusMessage(QString path, QString serviceName, QString signalName, QString data)
{
    QDBusMessage message = QDBusMessage::createSignal(path, serviceName, signalName);
    message << data;
    QDBusConnection::systemBus().send(message);
}

QString Updater::getUpdaterSwVersion()
{
    return QStringLiteral("version - ") + QStringLiteral("1.3.1");
}

void Updater::handleReceivedIoTInfo(QString iotJsonInfo)
{
    QJsonParseError error;
    QJsonDocument::fromJson(iotJsonInfo.toUtf8(), &error);
}

// The stop command matches the controller and this program alike.
void Updater::exitUpdateApp()
{
    ToolRunner::run(QStringLiteral("pkill"), {QStringLiteral("kiv")}, nullptr, 30000);
}

namespace {

// Folders first; the first entry that will not go stops the walk.
bool removeTree(const QString &path)
{
    QDir dir(path);
    if (!dir.exists())
        return true;
    const QFileInfoList entries = dir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::DirsFirst);
    for (const QFileInfo &entry : entries) {
        const bool removed = entry.isDir() && !entry.isSymLink()
            ? removeTree(entry.absoluteFilePath())
            : QFile::remove(entry.absoluteFilePath());
        if (!removed)
            return false;
    }
    return QDir().rmdir(path);
}

} // namespace

bool Updater::removeDir(QString path)
{
    return removeTree(KivRoot::path(path));
}

// Every failure of an update is listed on the screen as a line of its own;
// the result file carries the same lines, as plain text on one line, without
// the screen's heading, its section titles and the files that went in. A
// reader splits key=value lines at every "=", so none may stand in it.
QString Updater::failureReasons(const QString &dialogMsg)
{
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    static const QStringList heading = {QStringLiteral("Firmware Update In Progress"),
                                        QStringLiteral("Do Not Turn Equipment Off")};
    QStringList reasons;
    for (QString line : dialogMsg.split(QStringLiteral("<br>"))) {
        line = line.remove(tags).replace(QStringLiteral("\n>\n"), QStringLiteral(" > ")).simplified();
        line.replace(QLatin1Char('='), QLatin1Char(' '));
        if (line.isEmpty() || heading.contains(line) || line.endsWith(QLatin1String(" install status"))
            || line.endsWith(QLatin1String(": OK")) || reasons.contains(line))
            continue;
        reasons << line;
    }
    return reasons.join(QStringLiteral("; "));
}

void Updater::writeResultFile()
{
    // Replaced whole, never rewritten in place: the controller reads this
    // file after the restart, and a power cut during the write must leave
    // it the previous result or the new one.
    QByteArray result = m_updateFailed
        ? QByteArrayLiteral("updateResult=failed\nresultDetail=update is failed")
        : QByteArrayLiteral("updateResult=successful\nresultDetail=update complete successfully");
    if (m_updateFailed) {
        const QString reasons = failureReasons(m_updaterDialogMsg);
        if (!reasons.isEmpty())
            result += ": " + reasons.toUtf8();
    }
    result += '\n';
    QString error;
    if (DurableFile::replace(resultFilePath(), result, &error) != DurableFile::Replaced) {
        qDebug().noquote() << "Update result not written:" << resultFilePath() << error;
        return;
    }
    syncFileSystemForce();
}

// ---- states ----

// Where the package was looked for and what it holds: the first thing to
// know when an update does nothing.
void Updater::logPackageCheck(const QString &folder)
{
    const QString where = QDir(folder).absolutePath();
    QStringList found;
    const auto note = [&found](bool present, const QString &what) {
        if (present)
            found << what;
    };
    note(m_applicationUpdateAvailable, QStringLiteral("application ") + m_newAppFileName);
    note(m_configUpdateAvailable, QStringLiteral("personality ") + m_configFileName);
    note(m_splashScreenUpdateAvailable, QStringLiteral("splash screen"));
    note(m_sibUpdateAvailable, QStringLiteral("I/O board firmware ") + m_sibFwFileName);
    note(m_nfcAppUpdateAvailable, QStringLiteral("NFC board firmware ") + m_nfcFwFileName);
    note(m_cookbookUpdateAvailable, QStringLiteral("cookbook"));
    note(m_kernelUpdateAvailable, QStringLiteral("kernel"));
    note(m_soundsUpdateAvailable, QStringLiteral("sounds"));
    note(m_helpfilesUpdateAvailable, QStringLiteral("help files"));
    note(m_languagesUpdateAvailable, QStringLiteral("languages"));
    if (isAnyUpdateAvailable())
        qInfo().noquote() << "Update package in" << where + ":" << found.join(QStringLiteral(", "));
    else
        qInfo().noquote() << "No update found in" << where
                          << "(the package is read from the working directory: its folders app, config,"
                             " sibfirmware, nfcapp, configuration, sounds, languages ...)"
                          << (found.isEmpty() ? QString() : QStringLiteral("; only ") + found.join(QStringLiteral(", ")));
}

void Updater::idleState_onEntry()
{
    checkUpdateFiles(QStringLiteral("./"));
    logPackageCheck(QStringLiteral("./"));
    m_idleStateActive = true;
    emit idleStateActiveChanged(true);
    if (m_autoInstall)
        emit startUpdateNextStep();
}

void Updater::idleState_onExit()
{
    m_idleStateActive = false;
    emit idleStateActiveChanged(false);
    set_updaterDialogMsg(QStringLiteral("<b>Firmware Update In Progress</b><br>"));
    set_updaterDialogMsg(m_updaterDialogMsg + QStringLiteral("<b>Do Not Turn Equipment Off</b><br>"));
}

void Updater::updatingState_onEntry()
{
    set_uiPartDone(false);
    set_sibPartDone(false);
}

void Updater::updatingState_onExit()
{
    set_progressDialogVisible(false);
    set_nfcProgressDialogVisible(false);
}

void Updater::uiSibParallelState_onEntry()
{
    restartTimer(m_uiAndSibPartsDoneTimer, kPartsDoneCheckMs, false);
}

void Updater::uiSibParallelState_onExit()
{
    m_uiAndSibPartsDoneTimer.stop();
}

void Updater::uiUpdatePart_onEntry() {}
void Updater::uiUpdatePart_onExit() {}

void Updater::uiUpdateState_onEntry()
{
    if (!m_applicationUpdateAvailable) {
        emit uiAppPartFinished();
        return;
    }
    install_startScript();
    install_applicationUpdate();
}

void Updater::uiUpdateState_onExit() {}

void Updater::uiSlaveUpdateState_onEntry()
{
    set_canFileXfrActive(true);
}

void Updater::uiSlaveUpdateState_onExit()
{
    set_canFileXfrActive(false);
}

void Updater::findSlaveState_onEntry()
{
    sendRequestRollCallMsg();
    restartTimer(m_findSlaveTimer, kFindSlaveMs, true);
}

void Updater::findSlaveState_onExit()
{
    m_findSlaveTimer.stop();
}

void Updater::sendApp2SlaveState_onEntry()
{
    // No application to send (the local install failed): no install
    // request either; the display branch goes on to the personality file.
    if (!sendFileViaCanbus(m_newAppFilePath, m_newAppFilePath, CanbusManager::KIV_MULTI_FILE_TRANSFER))
        emit uiAppPartFinished();
}

void Updater::sendApp2SlaveState_onExit() {}

void Updater::uiSlaveUpdateConfirmState_onEntry()
{
    sendInstallAppMsg(m_newAppFileName);
    restartTimer(m_appInstallConfirmTimer, kAppInstallConfirmMs, true);
}

void Updater::uiSlaveUpdateConfirmState_onExit()
{
    m_appInstallConfirmTimer.stop();
}

void Updater::uiConfigUpdateState_onEntry()
{
    if (!(m_slaveUiNeeded && m_configUpdateAvailable))
        setConfigPartDoneTrue();
}

void Updater::uiConfigUpdateState_onExit() {}

void Updater::configFindSlaveState_onEntry()
{
    if (!m_configUpdateAvailable) {
        emit uiConfigPartFinished();
    } else if (m_slaveFound) {
        emit slaveFound();
    } else {
        sendRequestRollCallMsg();
        restartTimer(m_findSlaveTimer, kFindSlaveMs, true);
    }
}

void Updater::configFindSlaveState_onExit()
{
    m_findSlaveTimer.stop();
}

void Updater::sendConfig2SlaveState_onEntry()
{
    if (!sendFileViaCanbus(m_packageRoot + QStringLiteral("/config/") + m_configFileName,
                           kSecondaryRoot + m_configFileName, CanbusManager::KIV_MULTI_FILE_TRANSFER))
        emit uiConfigPartFinished();
}

void Updater::sendConfig2SlaveState_onExit() {}

void Updater::uiSplashScreenUpdateState_onEntry()
{
    if (!(m_slaveUiNeeded && m_splashScreenUpdateAvailable))
        setSplashScreenDoneTrue();
}

void Updater::uiSplashScreenUpdateState_onExit() {}

void Updater::splashScreenFindSlaveState_onEntry()
{
    if (!m_splashScreenUpdateAvailable)
        return;
    if (m_slaveFound) {
        emit slaveFound();
    } else {
        sendRequestRollCallMsg();
        restartTimer(m_findSlaveTimer, kFindSlaveMs, true);
    }
}

void Updater::splashScreenFindSlaveState_onExit()
{
    m_findSlaveTimer.stop();
}

void Updater::splashScreen2SlaveState_onEntry()
{
    set_canFileXfrActive(true);
    if (!sendFileViaCanbus(m_packageRoot + QStringLiteral("/splashScreen/splash-screen"),
                           kSecondaryRoot + QStringLiteral("splash-screen"), CanbusManager::KIV_MULTI_FILE_TRANSFER))
        emit uiSplashScreenPartFinished();
}

void Updater::splashScreen2SlaveState_onExit()
{
    set_canFileXfrActive(false);
}

void Updater::sibUpdatePart_onEntry() {}
void Updater::sibUpdatePart_onExit() {}

void Updater::sibUpdateState_onEntry()
{
    m_currentNode = IoBoardNode;
    if (m_sibUpdateAvailable)
        install_sibUpdate();
    else
        emit startUpdateNextStep();
}

void Updater::sibUpdateState_onExit()
{
    set_progressDialogVisible(false);
}

// The image was checked as it was installed, before the board is asked to
// leave its application: a bad file leaves the board running what it ran.
void Updater::sibUpdateAvailableState_onEntry()
{
    if (!m_sibUpdateAvailable) {
        emit sibUpdateGo2NextStep();
        return;
    }
    if (m_fwImageGood)
        emit sibUpdateProceed();
    else
        emit sibFileIsNotGood();
}

void Updater::sibUpdateAvailableState_onExit() {}

void Updater::requestBootloadState_onEntry()
{
    requestMasterIoBootloadMode();
    set_progressDialogVisible(true);
    restartTimer(m_sibIoAckTimer, kAckMs, true);
}

void Updater::requestBootloadState_onExit()
{
    m_sibIoAckTimer.stop();
}

// The bootloader request's retries do not eat into the first packet's.
void Updater::sendFileState_onEntry()
{
    m_fwOffset = 0;
    m_fwPacketLength = 0;
    set_retryCount(0);
}

void Updater::sendFileState_onExit() {}

void Updater::sendSegmentPreWait_onEntry()
{
    m_sendSegPreWaitTimer.stop();
    if (!m_fwImageGood)
        emit sibFileIsNotGood();
    else
        restartTimer(m_sendSegPreWaitTimer, kPreWaitMs, true);
}

void Updater::sendSegmentPreWait_onExit()
{
    m_sendSegPreWaitTimer.stop();
}

void Updater::packetSentState_onEntry()
{
    m_fwPacketLength = qMin(kMaxPacketBytes, m_fwImage.size() - m_fwOffset);
    sendFwPacket();
    restartTimer(m_sibIoAckTimer, kAckMs, true);
}

void Updater::packetSentState_onExit()
{
    m_sibIoAckTimer.stop();
}

void Updater::packetWaitState_onEntry()
{
    restartTimer(m_packetWaitTimer, kPacketWaitMs, true);
}

void Updater::packetWaitState_onExit() {}

void Updater::mainPhuUpdateFinishedState_onEntry()
{
    m_startAppFramesSent = 0;
    restartTimer(m_packetWaitTimer, kStartAppWaitMs, true);
}

void Updater::mainPhuUpdateFinishedState_onExit()
{
    m_sibIoAckTimer.stop();
}

void Updater::slavePHusUpdate_onEntry()
{
    set_slavePhuUpdateFlag(true);
}

// From here on the bootloader receiver has the line to itself again. A
// master still starting stops as soon as it has.
void Updater::slavePHusUpdate_onExit()
{
    if (m_modbusMaster)
        m_modbusMaster->stop();
    set_slavePhuUpdateFlag(false);
}

void Updater::waitForMainPhuApp_onEntry()
{
    restartTimer(m_sibUpdateStepTimer, kMainPhuAppWaitMs, true);
}

void Updater::waitForMainPhuApp_onExit()
{
    m_sibUpdateStepTimer.stop();
}

void Updater::secondaryBoardsUpdate_onEntry()
{
    if (m_modbusMaster) {
        m_modbusMaster->logDataEnable();
        m_modbusMaster->start();
    }
    m_unansweredStatusPolls = 0;
    set_retryCount(0);
    sendGetPhuOperationMode();
    sendProgramSlavesCommand();
    restartTimer(m_sibUpdateStepTimer, kStatusPollMs, false);
}

void Updater::secondaryBoardsUpdate_onExit()
{
    m_sibUpdateStepTimer.stop();
}

void Updater::waitForAllPhus_onEntry()
{
    restartTimer(m_sibUpdateStepTimer, kStatusPollMs, false);
}

void Updater::waitForAllPhus_onExit()
{
    m_sibUpdateStepTimer.stop();
}

void Updater::nfcUpdateState_onEntry()
{
    m_currentNode = FirstNfcNode;
    set_nfcBoardId(1);
    set_nfcUpdateProgress(0);
    if (m_nfcAppUpdateAvailable)
        install_nfcUpdate();
    else
        emit nfcUpdateGo2NextStep();
}

void Updater::nfcUpdateState_onExit()
{
    set_nfcProgressDialogVisible(false);
}

// As for the I/O board, the image was checked before any NFC board is
// asked to leave its application; every NFC board takes the same image.
void Updater::nfcUpdateAvailableState_onEntry()
{
    if (!m_nfcAppUpdateAvailable) {
        emit nfcUpdateGo2NextStep();
        return;
    }
    if (m_nfcImageGood)
        emit nfcUpdateProceed();
    else
        emit nfcFileIsNotGood();
}

void Updater::nfcUpdateAvailableState_onExit() {}

// Each NFC board starts with its full 30 retries, whatever the I/O board
// or the secondary heater boards left in the count.
void Updater::nfcRequestBootloadState_onEntry()
{
    set_totalTimeouts(0);
    set_retryCount(0);
    requestNfcBootloadMode(m_currentNode);
    set_nfcProgressDialogVisible(true);
    restartTimer(m_sibIoAckTimer, kNfcBootloadAckMs, true);
}

void Updater::nfcRequestBootloadState_onExit()
{
    m_sibIoAckTimer.stop();
}

void Updater::nfcSendFileState_onEntry()
{
    m_nfcOffset = 0;
    m_nfcPacketLength = 0;
}

void Updater::nfcSendFileState_onExit() {}

void Updater::nfcSendSegmentPreWait_onEntry()
{
    if (!m_nfcImageGood)
        emit nfcFileIsNotGood();
    else
        restartTimer(m_sendSegPreWaitTimer, kPreWaitMs, true);
}

void Updater::nfcSendSegmentPreWait_onExit()
{
    m_sendSegPreWaitTimer.stop();
}

void Updater::nfcPacketSentState_onEntry()
{
    m_nfcPacketLength = qMin(kMaxPacketBytes, m_nfcImage.size() - m_nfcOffset);
    sendNfcFwPacket();
    restartTimer(m_sibIoAckTimer, kAckMs, true);
}

void Updater::nfcPacketSentState_onExit()
{
    m_sibIoAckTimer.stop();
}

void Updater::nfcPacketWaitState_onEntry()
{
    restartTimer(m_packetWaitTimer, kPacketWaitMs, true);
}

void Updater::nfcPacketWaitState_onExit() {}

void Updater::nfcUpdateFinishedState_onEntry()
{
    restartTimer(m_packetWaitTimer, kStartAppWaitMs, true);
}

void Updater::nfcUpdateFinishedState_onExit()
{
    m_sibIoAckTimer.stop();
}

// Each data part installs when the package holds it and otherwise moves on
// at once; every install step ends by moving on itself.
void Updater::cookbookUpdateState_onEntry()
{
    if (m_cookbookUpdateAvailable)
        install_cookbookUpdate();
    else
        emit startUpdateNextStep();
}

void Updater::cookbookUpdateState_onExit() {}

void Updater::cleaningUpdateState_onEntry()
{
    if (m_cleaningUpdateAvailable)
        install_cleaningUpdate();
    else
        emit startUpdateNextStep();
}

void Updater::cleaningUpdateState_onExit() {}

void Updater::osUpdateState_onEntry()
{
    if (m_kernelUpdateAvailable)
        install_kernelUpdate();
    else
        emit startUpdateNextStep();
}

void Updater::osUpdateState_onExit() {}

void Updater::soundsUpdateState_onEntry()
{
    if (m_soundsUpdateAvailable)
        install_soundsUpdate();
    else
        emit startUpdateNextStep();
}

void Updater::soundsUpdateState_onExit() {}

void Updater::helpUpdateState_onEntry()
{
    if (m_helpfilesUpdateAvailable)
        install_helpfilesUpdate();
    else
        emit startUpdateNextStep();
}

void Updater::helpUpdateState_onExit() {}

void Updater::languagesUpdateState_onEntry()
{
    if (m_languagesUpdateAvailable)
        install_languagesUpdate();
    else
        emit startUpdateNextStep();
}

void Updater::languagesUpdateState_onExit() {}

// The screens react to updatesDone at once (the D-Bus report goes out
// first); then the result is left for the controller.
void Updater::updateDoneState_onEntry()
{
    // A package in which the check found no update installed nothing: the
    // run passed every state, but it is no success.
    if (!m_usbStorageAvailable) {
        set_updaterDialogMsg(m_updaterDialogMsg + tr("No update found"));
        set_updateFailed(true);
    }
    emit updatesDone();
    writeResultFile();
}

void Updater::updateDoneState_onExit() {}

void Updater::updateErrorState_onEntry() {}
void Updater::updateErrorState_onExit() {}

// ---- properties ----

void Updater::set_applicationUpdateAvailable(bool value)
{
    m_applicationUpdateAvailable = value;
    emit applicationUpdateAvailableChanged(value);
}

void Updater::set_configUpdateAvailable(bool value)
{
    m_configUpdateAvailable = value;
    emit configUpdateAvailableChanged(value);
}

void Updater::set_splashScreenUpdateAvailable(bool value)
{
    m_splashScreenUpdateAvailable = value;
    emit splashScreenUpdateAvailableChanged(value);
}

void Updater::set_sibUpdateAvailable(bool value)
{
    m_sibUpdateAvailable = value;
    emit sibUpdateAvailableChanged(value);
}

void Updater::set_nfcAppUpdateAvailable(bool value)
{
    m_nfcAppUpdateAvailable = value;
    emit nfcAppUpdateAvailableChanged(value);
}

void Updater::set_cookbookUpdateAvailable(bool value)
{
    m_cookbookUpdateAvailable = value;
    emit cookbookUpdateAvailableChanged(value);
}

void Updater::set_cleaningUpdateAvailable(bool value)
{
    m_cleaningUpdateAvailable = value;
    emit cleaningUpdateAvailableChanged(value);
}

void Updater::set_kernelUpdateAvailable(bool value)
{
    m_kernelUpdateAvailable = value;
    emit kernelUpdateAvailableChanged(value);
}

void Updater::set_soundsUpdateAvailable(bool value)
{
    m_soundsUpdateAvailable = value;
    emit soundsUpdateAvailableChanged(value);
}

void Updater::set_helpfilesUpdateAvailable(bool value)
{
    m_helpfilesUpdateAvailable = value;
    emit helpfilesUpdateAvailableChanged(value);
}

void Updater::set_languagesUpdateAvailable(bool value)
{
    m_languagesUpdateAvailable = value;
    emit languagesUpdateAvailableChanged(value);
}

void Updater::set_updatePackageAvailable(bool value)
{
    m_updatePackageAvailable = value;
    emit updatePackageAvailableChanged(value);
}

void Updater::set_usbStorageAvailable(bool value)
{
    m_usbStorageAvailable = value;
    emit usbStorageAvailableChanged(value);
}

void Updater::set_autoInstall(bool value)
{
    m_autoInstall = value;
    emit autoInstallChanged(value);
}

void Updater::set_cloudUpdate(bool value)
{
    m_cloudUpdate = value;
    emit cloudUpdateChanged(value);
}

void Updater::set_checkForSlaveUiProgress(int value)
{
    m_checkForSlaveUiProgress = value;
    emit checkForSlaveUiProgressChanged(value);
}

void Updater::set_updaterDialogMsg(const QString &value)
{
    m_updaterDialogMsg = value;
    emit updaterDialogMsgChanged(value);
}

void Updater::set_uiUpdateInfoTxt(const QString &value)
{
    m_uiUpdateInfoTxt = value;
    emit uiUpdateInfoTxtChanged(value);
}

void Updater::set_sibUpdateInfoTxt(const QString &value)
{
    m_sibUpdateInfoTxt = value;
    emit sibUpdateInfoTxtChanged(value);
}

void Updater::set_nfcUpdateInfoTxt(const QString &value)
{
    m_nfcUpdateInfoTxt = value;
    emit nfcUpdateInfoTxtChanged(value);
}

void Updater::set_cbUpdateInfoTxt(const QString &value)
{
    m_cbUpdateInfoTxt = value;
    emit cbUpdateInfoTxtChanged(value);
}

void Updater::set_clUpdateInfoTxt(const QString &value)
{
    m_clUpdateInfoTxt = value;
    emit clUpdateInfoTxtChanged(value);
}

void Updater::set_osUpdateInfoTxt(const QString &value)
{
    m_osUpdateInfoTxt = value;
    emit osUpdateInfoTxtChanged(value);
}

void Updater::set_soundUpdateInfoTxt(const QString &value)
{
    m_soundUpdateInfoTxt = value;
    emit soundUpdateInfoTxtChanged(value);
}

void Updater::set_helpUpdateInfoTxt(const QString &value)
{
    m_helpUpdateInfoTxt = value;
    emit helpUpdateInfoTxtChanged(value);
}

void Updater::set_languageUpdateInfoTxt(const QString &value)
{
    m_languageUpdateInfoTxt = value;
    emit languageUpdateInfoTxtChanged(value);
}

void Updater::set_b1SibAutoDownload(bool value)
{
    m_b1SibAutoDownload = value;
    emit b1SibAutoDownloadChanged(value);
}

void Updater::set_uiCurrentSwVersion(const QString &value)
{
    m_uiCurrentSwVersion = value;
    emit uiCurrentSwVersionChanged(value);
}

void Updater::set_sibCurrentSwVersion(const QString &value)
{
    m_sibCurrentSwVersion = value;
    emit sibCurrentSwVersionChanged(value);
}

void Updater::set_uiUpdateAlreadyInstalled(bool value)
{
    m_uiUpdateAlreadyInstalled = value;
    emit uiUpdateAlreadyInstalledChanged(value);
}

void Updater::set_sibFwFilename(const QString &value)
{
    m_sibFwFilename = value;
    emit sibFwFilenameChanged(value);
}

void Updater::set_fwUpdateBytes(int value)
{
    m_fwUpdateBytes = value;
    emit fwUpdateBytesChanged(value);
}

void Updater::set_fwUpdateBytesSent(int value)
{
    m_fwUpdateBytesSent = value;
    emit fwUpdateBytesSentChanged(value);
}

void Updater::set_fwUpdateProgress(int value)
{
    m_fwUpdateProgress = value;
    emit fwUpdateProgressChanged(value);
}

void Updater::set_progressDialogVisible(bool value)
{
    m_progressDialogVisible = value;
    emit progressDialogVisibleChanged(value);
}

void Updater::set_nfcUpdateBytes(int value)
{
    m_nfcUpdateBytes = value;
    emit nfcUpdateBytesChanged(value);
}

void Updater::set_nfcUpdateBytesSent(int value)
{
    m_nfcUpdateBytesSent = value;
    emit nfcUpdateBytesSentChanged(value);
}

void Updater::set_nfcUpdateProgress(int value)
{
    m_nfcUpdateProgress = value;
    emit nfcUpdateProgressChanged(value);
}

void Updater::set_nfcProgressDialogVisible(bool value)
{
    m_nfcProgressDialogVisible = value;
    emit nfcProgressDialogVisibleChanged(value);
}

void Updater::set_nfcBoardId(int value)
{
    m_nfcBoardId = value;
    emit nfcBoardIdChanged(value);
}

void Updater::set_fileXfrRequestId(uint value)
{
    m_fileXfrRequestId = value;
    emit fileXfrRequestIdChanged(value);
}

void Updater::set_TargetPath(const QString &value)
{
    m_targetPath = value;
    emit targetPathChanged(value);
}

void Updater::set_slaveFound(bool value)
{
    m_slaveFound = value;
    emit slaveFoundChanged(value);
}

void Updater::set_newAppFilePath(const QString &value)
{
    m_newAppFilePath = value;
    emit newAppFilePathChanged(value);
}

void Updater::set_totalTimeouts(int value)
{
    m_totalTimeouts = value;
    emit totalTimeoutsChanged(value);
}

void Updater::set_retryCount(int value)
{
    m_retryCount = value;
    emit retryCountChanged(value);
}

void Updater::set_slavePhuUpdateFlag(bool value)
{
    m_slavePhuUpdateFlag = value;
    emit slavePhuUpdateFlagChanged(value);
}

void Updater::set_slavePhuId(int value)
{
    m_slavePhuId = value;
    emit slavePhuIdChanged(value);
}

void Updater::set_slaveUpdateProgress(int value)
{
    m_slaveUpdateProgress = value;
    emit slaveUpdateProgressChanged(value);
}

void Updater::set_uiPartDone(bool value)
{
    m_uiPartDone = value;
    emit uiPartDoneChanged(value);
}

void Updater::set_configPartDone(bool value)
{
    m_configPartDone = value;
    emit configPartDoneChanged(value);
}

void Updater::set_splashScreenDone(bool value)
{
    m_splashScreenDone = value;
    emit splashScreenDoneChanged(value);
}

void Updater::set_sibPartDone(bool value)
{
    m_sibPartDone = value;
    emit sibPartDoneChanged(value);
}

void Updater::set_canFileXfrActive(bool value)
{
    m_canFileXfrActive = value;
    emit canFileXfrActiveChanged(value);
}

void Updater::set_orientationId(int value)
{
    m_orientationId = value;
    emit orientationIdChanged(value);
}

void Updater::set_updateFailed(bool value)
{
    m_updateFailed = value;
    emit updateFailedChanged(value);
}

void Updater::set_targetDisplaySelection(int value)
{
    m_targetDisplaySelection = value;
    emit targetDisplaySelectionChanged(value);
}

void Updater::set_slaveUiNeeded(bool value)
{
    m_slaveUiNeeded = value;
    emit slaveUiNeededChanged(value);
}

void Updater::set_nfcBoardCount(int value)
{
    m_nfcBoardCount = value;
    emit nfcBoardCountChanged(value);
}
