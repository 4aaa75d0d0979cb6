#include "masteriomanager.h"

#include "property/assignifchanged.h"

#include "canbus/canbusmanager.h"
#include "canbus/cansendrequest.h"
#include "core/tempprobestatemanager.h"
#include "core/zonemanager.h"
#include "modbus/qmodbusmaster.h"
#include "modbus/qmodbuspollinfo.h"
#include "nfc/bininfo.h"
#include "nfc/mbhrinfo.h"
#include "platform/kivclock.h"
#include "statemachine/statemachinebuilder.h"

#include <QDataStream>
#include <QDebug>
#include <QSignalTransition>
#include <QtMath>

namespace {
// I/O board registers (slave 1) that the link reads and writes.
const quint16 kRegSelectedConfiguration = 1;
const quint16 kRegZoneSetPoints = 2;
const quint16 kRegOperationModeCommand = 12;
const quint16 kRegOperationMode = 13;
const quint16 kRegGeneralStatus = 75;
const quint16 kRegTargetFan = 80;
const quint16 kRegActualFan = 90;
const quint16 kRegZoneSetPoints2 = 102;
const quint16 kRegBoardTemp = 112;
const quint16 kRegLineVoltage = 126;

const int kSetPointChannels = 10; // per block; two blocks
const int kZoneMonitorValues = 21; // operation mode, then 20 temperature inputs
const int kFanChannels = 10;
const int kNoConfiguration = 255;
const int kStatusFault = 2;

// Retries per request (repetitions after the first attempt).
const quint8 kRetriesConfig = 5;
const quint8 kRetriesSetPoints = 2;
const quint8 kRetriesTestSetPoints = 1;
const quint8 kRetriesModeCommand = 1;
const quint8 kRetriesFanTargets = 1;
const quint8 kRetriesPolls = 0;

// Error reports: main code and first sub-code.
const int kErrIoConfig = 1;
const int kErrIoConfigTimeout = 1;
const int kErrIoConfigError = 2;
const int kErrCabinet = 2;
const int kErrAmbient = 6;
const int kErrHeaterHigh = 7;
const int kErrPowerZx = 8;
const int kErrPowerComm = 9;
const int kErrIoBoard = 4;
const int kErrIoBoardStatus = 2;

// Power-monitor error bits of register 129.
const int kPowerCommErrorBit = 0x01;
const int kPowerZxErrorBit = 0x02;

double hundredthsToTenths(quint16 value)
{
    return qRound(value / 10.0) / 10.0;
}
} // namespace

MasterIoManager::MasterIoManager(NFCmanager *nfc, QModbusMaster *modbus, CanbusManager *can,
                                 int uiId, QList<ZoneManager *> *zones, QList<TrayBarSc *> *trays,
                                 int tempHandling, QObject *parent)
    : TarnStateMachine(parent)
    , m_orientationId(uiId)
    , m_zoneMonitorTimer(this)
    , m_iosGenStatusTimer(this)
    , m_setPointTimer(this)
    , m_fanTargetTimer(this)
    , m_fanActualsTimer(this)
    , m_ambientTimer(this)
    , m_powerLineTimer(this)
    , m_tagScanTimer(this)
    , m_lastHoldingListNoticeMs(KivClock::msecsSinceEpoch())
    , m_nfc(nfc)
    , m_modbus(modbus)
    , m_can(can)
    , m_zones(zones)
    , m_trays(trays)
    , m_tempHandling(tempHandling)
{
    for (int bin = 0; bin < kBinCount; ++bin) {
        auto *info = new BinInfo(bin, this);
        connect(info, QOverload<int, int>::of(&BinInfo::targetTempChanged), this,
                &MasterIoManager::binTargetTempChanged, Qt::DirectConnection);
        connect(info, QOverload<int, int>::of(&BinInfo::actualFanSpeedChanged), this,
                &MasterIoManager::binActualFanSpeedChanged, Qt::DirectConnection);
        connect(info, QOverload<int, int>::of(&BinInfo::targetFanSpeedChanged), this,
                &MasterIoManager::binTargetFanSpeedChanged, Qt::DirectConnection);
        m_binInfoList.append(info);
    }

    m_allZonesMonitorInfo = newPollInfo("allZonesMonitorInfo", kZoneMonitorValues);
    m_tempSetpointsInfo = newPollInfo("tempSetpointsInfo", kSetPointChannels);
    m_tempSetpoints2Info = newPollInfo("tempSetpoints2Info", kSetPointChannels);
    m_operatingModeInfo = newPollInfo("operatingModeInfo", 1);
    m_fanActualsInfo = newPollInfo("fanActualsInfo", kFanChannels);
    m_fanSpeedTargetsInfo = newPollInfo("fanSpeedTargetsInfo", kFanChannels);
    m_ambientTemperatureInfo = newPollInfo("m_ambientTemperatureInfo", 5);
    m_powerLineInfo = newPollInfo("m_powerLineInfo", 4);
    m_ioBoardsStatusPollInfo = newPollInfo("ioBoardsStatusPollInfo", kStatusWords);
    m_ioSysConfigPollInfo = newPollInfo("ioSysConfigPollInfo", 1);

    // The raw monitoring page shows the zone-monitor block as it arrives:
    // the operation mode, then two temperature inputs per channel.
    if (m_allZonesMonitorInfo->values().size() >= kZoneMonitorValues) {
        m_mbioRawInfoList.append(new MbHrInfo(kRegOperationMode, QStringLiteral("operationMode"), 0,
                                              false, MbHrInfo::MBHR_FORMAT_DECIMAL, this));
        for (int i = 0; i < kZoneMonitorValues - 1; ++i)
            m_mbioRawInfoList.append(new MbHrInfo(
                kRegOperationMode + 1 + i, QStringLiteral("actualTemp[%1][%2]").arg(i / 2).arg(i % 2),
                0, false, MbHrInfo::MBHR_FORMAT_DECIMAL, this));
    }

    // The zone monitor runs only once the board's configuration is settled
    // (entry to mphuModeUnknown sets it repeating).
    m_zoneMonitorTimer.setObjectName(QStringLiteral("zoneMonitorTimer"));
    m_zoneMonitorTimer.setSingleShot(true);
    m_zoneMonitorTimer.setInterval(800);
    m_iosGenStatusTimer.setObjectName(QStringLiteral("iosGenStatusTimer"));
    m_iosGenStatusTimer.setSingleShot(true);
    m_iosGenStatusTimer.setInterval(kGenStatusIntervalMs);
    m_setPointTimer.setObjectName(QStringLiteral("setPointTimer"));
    m_setPointTimer.setSingleShot(true);
    m_setPointTimer.setInterval(kSetPointDebounceMs);
    m_fanTargetTimer.setObjectName(QStringLiteral("fanTargetTimer"));
    m_fanTargetTimer.setSingleShot(true);
    m_fanTargetTimer.setInterval(kFanTargetDelayMs);
    m_fanActualsTimer.setObjectName(QStringLiteral("fanActualsTimer"));
    m_fanActualsTimer.setSingleShot(true);
    m_fanActualsTimer.setInterval(kFanActualsIntervalMs);
    m_ambientTimer.setObjectName(QStringLiteral("ambientTimer"));
    m_ambientTimer.setSingleShot(true);
    m_ambientTimer.setInterval(kBoardTempsIntervalMs);
    m_powerLineTimer.setObjectName(QStringLiteral("powerLineTimer"));
    m_powerLineTimer.setSingleShot(true);
    m_powerLineTimer.setInterval(kPowerLineFirstDelayMs);

    wirePeriodicPoll(m_fanActualsInfo, &m_fanActualsTimer, SLOT(requestFanSpeedActualInfo()),
                     SLOT(processFanSpeedActualInfo()));
    wirePeriodicPoll(m_ambientTemperatureInfo, &m_ambientTimer,
                     SLOT(requestAmbienTemperatureInfo()), SLOT(processAmbientTempertureInfo()));
    wirePeriodicPoll(m_powerLineInfo, &m_powerLineTimer, SLOT(requestPowerLineInfo()),
                     SLOT(processPowerLineInfo()));
    connect(&m_fanTargetTimer, &QTimer::timeout, this, &MasterIoManager::sendAllFanTargetsRequest);

    if (m_zones) {
        for (ZoneManager *zone : qAsConst(*m_zones)) {
            connect(zone, &ZoneManager::targetTempsListChanged, this,
                    &MasterIoManager::updateBinInfoTargetsForZone);
            connect(zone, &ZoneManager::targetFansListChanged, this,
                    &MasterIoManager::startFanTargetTimer);
        }
    }
    connect(this, &MasterIoManager::ambientTemperatureAlarm, this,
            &MasterIoManager::turnAllHeatersOff);
    connect(this, &MasterIoManager::iobGenStatusChanged, this,
            &MasterIoManager::processIosGenStatusForError, Qt::QueuedConnection);

    buildMachine();
}

QModbusPollInfo *MasterIoManager::newPollInfo(const char *name, int values)
{
    auto *info = new QModbusPollInfo(values, this);
    info->setObjectName(QLatin1String(name));
    return info;
}

QModbusPollInfo *MasterIoManager::pollInfo(const QString &name) const
{
    return findChild<QModbusPollInfo *>(name, Qt::FindDirectChildrenOnly);
}

void MasterIoManager::wirePeriodicPoll(QModbusPollInfo *info, QTimer *timer, const char *request,
                                       const char *process)
{
    // A good reply is processed and waits for the next turn; a time-out
    // asks again at once; an error waits for the next turn.
    connect(timer, SIGNAL(timeout()), this, request);
    connect(info, SIGNAL(pollReplyGood()), this, process);
    connect(info, SIGNAL(pollReplyGood()), timer, SLOT(start()));
    connect(info, SIGNAL(pollReplyTimedOut()), this, request);
    connect(info, SIGNAL(pollReplyError()), timer, SLOT(start()));
}

void MasterIoManager::buildMachine()
{
    StateMachineBuilder b(this);
    QState *s1 = b.state(this, "s1", QState::ParallelStates);
    m_s1 = s1;
    setInitialState(s1);

    const QString me = QStringLiteral("this");

    // Board mode: configure, wait for preheat, ask to leave it.
    QState *mphu = b.state(s1, "mphu");
    QState *mphuSetSystemConfig = b.state(mphu, "mphuSetSystemConfig");
    QState *mphuModeUnknown = b.state(mphu, "mphuModeUnknown");
    QState *mphuModePreheat = b.state(mphu, "mphuModePreheat");
    QState *mphuModeNormal = b.state(mphu, "mphuModeNormal");
    mphu->setInitialState(mphuSetSystemConfig);

    const QString cfg = QStringLiteral("m_ioSysConfigPollInfo");
    b.transition(mphuSetSystemConfig, mphuModeUnknown, "t_mphuIoSysCfgOK", cfg,
                 m_ioSysConfigPollInfo, SIGNAL(pollReplyGood()));
    QSignalTransition *t = b.transition(mphuSetSystemConfig, mphuModeUnknown, "t_mphuIoSysCfgTO",
                                        cfg, m_ioSysConfigPollInfo, SIGNAL(pollReplyTimedOut()));
    b.action(t, "reportIoSysCfgSetTimeout");
    t = b.transition(mphuSetSystemConfig, mphuModeUnknown, "t_mphuIoSysCfgErr", cfg,
                     m_ioSysConfigPollInfo, SIGNAL(pollReplyError()));
    b.action(t, "reportIoSysCfgSetError");
    b.transition(mphuModeUnknown, mphuModePreheat, "t_mphuInPreheat", me, this,
                 SIGNAL(operatingModeChanged(int)), "isOperatingModePreheat");
    b.transition(mphuModePreheat, mphuModeNormal, "t_mphuNotInPreheat", me, this,
                 SIGNAL(operatingModeChanged(int)), "isOperatingModeNotPreheat");

    const QString monitor = QStringLiteral("m_allZonesMonitorInfo");
    t = b.transition(mphu, nullptr, "t_monitorZones", QStringLiteral("&m_zoneMonitorTimer"),
                     &m_zoneMonitorTimer, SIGNAL(timeout()));
    b.action(t, "requestAllZonesMonitorInfo");
    t = b.transition(mphu, nullptr, "t_monitorZonesGood", monitor, m_allZonesMonitorInfo,
                     SIGNAL(pollReplyGood()));
    b.action(t, "processAllZonesMonitorInfo");
    b.action(t, "startAllZonesMonitorTimer");
    t = b.transition(mphu, nullptr, "t_monitorZonesTO", monitor, m_allZonesMonitorInfo,
                     SIGNAL(pollReplyTimedOut()));
    b.action(t, "requestAllZonesMonitorInfo");
    t = b.transition(mphu, nullptr, "t_monitorZonesErr", monitor, m_allZonesMonitorInfo,
                     SIGNAL(pollReplyError()));
    b.action(t, "startAllZonesMonitorTimer");

    // General status words of the boards.
    QState *ioBoardsStatus = b.state(s1, "ioBoardsStatus");
    QState *getIoBoardsStatus = b.state(ioBoardsStatus, "getIoBoardsStatus");
    ioBoardsStatus->setInitialState(getIoBoardsStatus);
    const QString status = QStringLiteral("m_ioBoardsStatusPollInfo");
    const QString statusTimer = QStringLiteral("&m_iosGenStatusTimer");
    t = b.transition(getIoBoardsStatus, nullptr, "t_askIoGenStatus", statusTimer,
                     &m_iosGenStatusTimer, SIGNAL(timeout()));
    b.action(t, "requestIosGenStatus");
    t = b.transition(getIoBoardsStatus, nullptr, "t_iosGenStatReq_good", status,
                     m_ioBoardsStatusPollInfo, SIGNAL(pollReplyGood()));
    b.action(t, "processIosGenStatus");
    b.action(t, "normalIntervalIosGenStatus");
    b.action(t, &m_iosGenStatusTimer, statusTimer, "start");
    t = b.transition(getIoBoardsStatus, nullptr, "t_iosGenStatReq_to", status,
                     m_ioBoardsStatusPollInfo, SIGNAL(pollReplyTimedOut()));
    b.action(t, "slowIntervalIosGenStatus");
    b.action(t, &m_iosGenStatusTimer, statusTimer, "start");
    t = b.transition(getIoBoardsStatus, nullptr, "t_iosGenStatReq_err", status,
                     m_ioBoardsStatusPollInfo, SIGNAL(pollReplyError()));
    b.action(t, "slowIntervalIosGenStatus");
    b.action(t, &m_iosGenStatusTimer, statusTimer, "start");

    // Set points: requests are gathered for 500 ms, and one that comes in
    // while a write is in flight is sent right after it.
    QState *targetTemps = b.state(s1, "targetTemps");
    QState *ttIdle = b.state(targetTemps, "ttIdle");
    QState *ttSending = b.state(targetTemps, "ttSending");
    targetTemps->setInitialState(ttIdle);
    const QString sp = QStringLiteral("m_tempSetpointsInfo");
    const QString spTimer = QStringLiteral("&m_setPointTimer");
    t = b.transition(ttIdle, nullptr, "t_ttsr", me, this, SIGNAL(ttSendRequestSignal()));
    b.action(t, &m_setPointTimer, spTimer, "start");
    b.transition(ttIdle, ttSending, "t_ttsr_tto", spTimer, &m_setPointTimer, SIGNAL(timeout()));
    b.transition(ttSending, ttIdle, "t_ttsrGood", sp, m_tempSetpointsInfo, SIGNAL(pollReplyGood()));
    b.transition(ttSending, ttIdle, "t_ttsrTO", sp, m_tempSetpointsInfo, SIGNAL(pollReplyTimedOut()));
    b.transition(ttSending, ttIdle, "t_ttsrErr", sp, m_tempSetpointsInfo, SIGNAL(pollReplyError()));
    t = b.transition(ttSending, nullptr, "t_ttsrPend", me, this, SIGNAL(ttSendRequestSignal()));
    b.action(t, "setPendingTTS");
}

// ---------------------------------------------------------------------------
// Requests

void MasterIoManager::readRegisters(quint16 start, quint8 retries, QModbusPollInfo *info,
                                    bool realLine)
{
    if (!m_modbus || !m_layout.iAmMaster)
        return;
    m_modbus->holdingRegistersRead(kIoBoardSlave, start, quint8(info->values().size()), retries,
                                   info, realLine);
}

void MasterIoManager::writeRegisters(quint16 start, quint8 retries, QModbusPollInfo *info,
                                     bool realLine)
{
    if (!m_modbus || !m_layout.iAmMaster)
        return;
    m_modbus->holdingRegistersWrite(kIoBoardSlave, start, quint8(info->values().size()), retries,
                                    info, realLine);
}

// ---------------------------------------------------------------------------
// States

void MasterIoManager::s1_onEntry()
{
    if (!m_layout.iAmMaster)
        return;
    if (m_layout.hasFan)
        m_fanActualsTimer.start();
    m_ambientTimer.start();
    m_powerLineTimer.start(kPowerLineFirstDelayMs);
}

void MasterIoManager::mphuSetSystemConfig_onEntry()
{
    m_ioSysConfigPollInfo->values()[0] = quint16(m_iosyscfg == -1 ? kNoConfiguration : m_iosyscfg);
    writeRegisters(kRegSelectedConfiguration, kRetriesConfig, m_ioSysConfigPollInfo);
}

void MasterIoManager::mphuModeUnknown_onEntry()
{
    m_zoneMonitorTimer.setSingleShot(false);
    m_zoneMonitorTimer.start(kZoneMonitorIntervalMs);
}

void MasterIoManager::mphuModePreheat_onEntry()
{
    requestExitPreheat();
}

void MasterIoManager::mphuModeNormal_onEntry()
{
    QTimer::singleShot(kPreheatEventDelayMs, this, &MasterIoManager::emitPreheatEvent);
}

void MasterIoManager::getIoBoardsStatus_onEntry()
{
    m_iosGenStatusTimer.setSingleShot(true);
    m_iosGenStatusTimer.start(kGenStatusIntervalMs);
}

void MasterIoManager::ttIdle_onEntry()
{
    if (m_pendingTTSF) {
        // From now on a request goes out without the gathering delay.
        m_setPointTimer.setInterval(0);
        m_setPointTimer.start();
    }
}

void MasterIoManager::ttIdle_onExit()
{
    set_pendingTTSF(false);
}

void MasterIoManager::ttSending_onEntry()
{
    sendAllSetpointsRequest();
}

// ---------------------------------------------------------------------------
// Zone temperatures

void MasterIoManager::requestAllZonesMonitorInfo()
{
    readRegisters(kRegOperationMode, kRetriesPolls, m_allZonesMonitorInfo);
}

void MasterIoManager::startAllZonesMonitorTimer()
{
    m_zoneMonitorTimer.start();
}

void MasterIoManager::processAllZonesMonitorInfo()
{
    const QVector<quint16> &values = m_allZonesMonitorInfo->values();
    if (values.isEmpty())
        return;
    for (int i = 0; i < values.size() && i < m_mbioRawInfoList.size(); ++i)
        m_mbioRawInfoList.at(i)->set_value(values.at(i));
    set_operatingMode(values.at(0));

    // values 1..20 are the board's temperature inputs; mio2uitMap says which
    // input belongs to each bin. Every index is bounded by what it reads.
    const int inputs = values.size() - 1;
    const int n = m_layout.numberOfZones * m_layout.traysPerZone;
    int hotBin = -1;
    for (int i = 0; i < n && i < m_binInfoList.size() && i < m_layout.mio2uitMap.size(); ++i) {
        const int m = m_layout.mio2uitMap.at(i);
        if (m < 0 || m >= n || m >= inputs)
            continue;
        const int temp = qint16(values.at(1 + m));
        m_binInfoList.at(i)->set_actualTemp(temp);
        if (hotBin < 0 && temp >= kHeaterHighMin && temp <= kHeaterHighMax)
            hotBin = i;
    }

    if (hotBin >= 0) {
        if (m_heaterHighCountdown > 0)
            --m_heaterHighCountdown;
        if (m_heaterHighCountdown == 0 && !m_heaterHighAlarmFlag) {
            emit heaterHighTempAlarm();
            emit errorInfo(kErrCabinet, kErrHeaterHigh, hotBin, 0);
            m_heaterHighAlarmFlag = true;
        }
    } else {
        m_heaterHighAlarmFlag = false;
        m_heaterHighCountdown = kHeaterHighReadings;
    }

    updateZonesFromBinInfoList();
    if (m_layout.hasRemoteDisplay())
        sendZoneMonitorInfo();
}

QByteArray MasterIoManager::zoneMonitorPayload(int operatingMode, const QList<BinInfo *> &bins)
{
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::BigEndian);
    out << qint32(operatingMode);
    for (int bin = 0; bin < kBinCount; ++bin)
        out << qint32(bin < bins.size() ? bins.at(bin)->get_actualTemp() : 0);
    return payload;
}

bool MasterIoManager::parseZoneMonitorPayload(const QByteArray &payload, int *operatingMode,
                                              QList<int> *temps)
{
    if (payload.size() < 4 * (1 + kBinCount))
        return false;
    QDataStream in(payload);
    in.setByteOrder(QDataStream::BigEndian);
    qint32 value = 0;
    in >> value;
    *operatingMode = value;
    temps->clear();
    for (int bin = 0; bin < kBinCount; ++bin) {
        in >> value;
        temps->append(value);
    }
    return true;
}

void MasterIoManager::processZoneMonitorMessage(const QByteArray &payload)
{
    int mode = 0;
    QList<int> temps;
    if (!parseZoneMonitorPayload(payload, &mode, &temps)) {
        qDebug().noquote() << QStringLiteral("Zone monitor message too short: %1 bytes, ignored")
                                  .arg(payload.size());
        return;
    }
    set_operatingMode(mode);
    for (int bin = 0; bin < temps.size(); ++bin)
        setBinInfoListItem(bin, temps.at(bin));
    updateZonesFromBinInfoList();
}

void MasterIoManager::sendZoneMonitorInfo()
{
    if (!m_can)
        return;
    auto *request = new CanSendRequest;
    request->set_frameId(m_layout.iAmMaster ? 1 : 2);
    request->set_multi(true);
    request->set_multiId(CanbusManager::KIV_MULTI_ZONEMONITORINFO);
    request->set_data(zoneMonitorPayload(m_operatingMode, m_binInfoList));
    m_can->enqueueSendRequest(request);
}

ZoneManager *MasterIoManager::zonePtr(int zoneNumber) const
{
    if (!m_zones)
        return nullptr;
    for (ZoneManager *zone : qAsConst(*m_zones))
        if (zone->get_zoneNumber() == zoneNumber)
            return zone;
    return nullptr;
}

void MasterIoManager::updateZonesFromBinInfoList()
{
    for (int i = 0; i < m_tpsmList.size() && i < m_binInfoList.size(); ++i)
        m_tpsmList.at(i)->set_tpvalue(m_binInfoList.at(i)->get_actualTemp());

    const int tpz = m_layout.traysPerZone;
    auto temp = [this](int bin) { return m_binInfoList.at(bin)->get_actualTemp(); };
    if (m_tempHandling == kTempHandlingAveraged) {
        for (int z = 0; z < m_layout.numberOfZones; ++z) {
            ZoneManager *zone = zonePtr(z);
            const int first = z * tpz;
            if (!zone || first + 1 >= m_binInfoList.size())
                continue;
            zone->set_actualTempN(z, 0, temp(first));
            zone->set_actualTempN(z, 1, temp(first + 1));
        }
    } else if (m_tempHandling == kTempHandlingIndividual && tpz > 0) {
        const int n = qMin(m_layout.numberOfZones * tpz, m_binInfoList.size());
        for (int b = 0; b < n; b += tpz) {
            ZoneManager *zone = zonePtr(b / tpz);
            if (!zone)
                continue;
            for (int k = 0; k < tpz && b + k < n; ++k)
                zone->set_actualTempN(b / tpz, k, temp(b + k));
        }
    }

    // Each board channel has two probes; the zone sees both in one word.
    for (int p = 0; p + 1 < m_tpsmList.size(); p += 2) {
        ZoneManager *zone = zonePtr(p / 2);
        if (!zone)
            continue;
        auto bits = [](int tps, uint shorted, uint open) -> uint {
            if (tps == TempProbeStateManager::TPS_OPEN_ERROR)
                return open;
            if (tps == TempProbeStateManager::TPS_SHORTED_ERROR)
                return shorted;
            return 0;
        };
        zone->set_tpStatus(bits(m_tpsmList.at(p)->get_tps(), 1, 2)
                           + bits(m_tpsmList.at(p + 1)->get_tps(), 4, 8));
    }
}

// ---------------------------------------------------------------------------
// Board temperatures and the ambient alarm

void MasterIoManager::requestAmbienTemperatureInfo()
{
    readRegisters(kRegBoardTemp, kRetriesPolls, m_ambientTemperatureInfo);
}

void MasterIoManager::processAmbientTempertureInfo()
{
    int highest = 0;
    for (quint16 v : m_ambientTemperatureInfo->values())
        highest = qMax(highest, int(v));
    set_ambientTemperature(highest);

    if (highest < kAmbientHighTemp) {
        m_ambientHighCountdown = kAmbientHighReadings;
        return;
    }
    if (m_ambientHighCountdown > 0)
        --m_ambientHighCountdown;
    if (m_ambientHighCountdown == 0 && !m_ambientAlarmFlag
        && KivClock::secsSinceEpoch() - m_ambientAlarmResetSecs > kAmbientRealarmSecs) {
        emit ambientTemperatureAlarm();
        emit errorInfo(kErrCabinet, kErrAmbient, 0, 0);
        m_ambientAlarmFlag = true;
    }
}

void MasterIoManager::resetAmbientTempAlarm()
{
    m_ambientAlarmFlag = false;
    m_ambientAlarmResetSecs = KivClock::secsSinceEpoch();
    emit errorClearInfo(kErrCabinet, kErrAmbient, 0, 0);
}

void MasterIoManager::turnAllHeatersOff()
{
    if (!m_layout.iAmMaster)
        return;
    m_tempSetpointsInfo->values().fill(0);
    m_tempSetpoints2Info->values().fill(0);
    writeRegisters(kRegZoneSetPoints, kRetriesSetPoints, m_tempSetpointsInfo);
    writeRegisters(kRegZoneSetPoints2, kRetriesSetPoints, m_tempSetpoints2Info);
}

// ---------------------------------------------------------------------------
// General status words

void MasterIoManager::requestIosGenStatus()
{
    readRegisters(kRegGeneralStatus, kRetriesPolls, m_ioBoardsStatusPollInfo);
}

void MasterIoManager::processIosGenStatus()
{
    // Without a sensible board count every word is taken.
    int boards = m_layout.numIOBoards;
    if (boards <= 0 || boards > kStatusWords)
        boards = kStatusWords;
    const QVector<quint16> &values = m_ioBoardsStatusPollInfo->values();
    for (int k = qMin(boards, values.size()); k >= 1; --k)
        setIobGenStatus(k, values.at(k - 1));
}

void MasterIoManager::setIobGenStatus(int board, int value)
{
    if (board < 1 || board > kStatusWords || m_iobGenStatus[board - 1] == value)
        return;
    m_iobGenStatus[board - 1] = value;
    switch (board) {
    case 1: emit iobGenStatus1Changed(value); break;
    case 2: emit iobGenStatus2Changed(value); break;
    case 3: emit iobGenStatus3Changed(value); break;
    case 4: emit iobGenStatus4Changed(value); break;
    default: emit iobGenStatus5Changed(value); break;
    }
    emit iobGenStatusChanged(board, value);
}

void MasterIoManager::processIosGenStatusForError(int board, int value)
{
    if (value == kStatusFault)
        emit errorInfo(kErrIoBoard, kErrIoBoardStatus, board, 0);
    else
        emit errorClearInfo(kErrIoBoard, kErrIoBoardStatus, board, 0);
}

void MasterIoManager::slowIntervalIosGenStatus()
{
    m_iosGenStatusTimer.setInterval(kGenStatusSlowIntervalMs);
}

void MasterIoManager::normalIntervalIosGenStatus()
{
    m_iosGenStatusTimer.setInterval(kGenStatusIntervalMs);
}

bool MasterIoManager::getIoCommErrorDetected() const
{
    for (int value : m_iobGenStatus)
        if (value == kStatusFault)
            return true;
    return false;
}

// ---------------------------------------------------------------------------
// Configuration write

void MasterIoManager::reportIoSysCfgSetTimeout()
{
    invokeSimpleDialogSignalEmiter(tr("I/O Configuration set timed out"), true);
    emit errorInfo(kErrIoConfig, kErrIoConfigTimeout, 0, 0);
}

void MasterIoManager::reportIoSysCfgSetError()
{
    invokeSimpleDialogSignalEmiter(tr("I/O Configuration set error"), true);
    emit errorInfo(kErrIoConfig, kErrIoConfigError, 0, 0);
}

// ---------------------------------------------------------------------------
// Set points

bool MasterIoManager::binTarget(int bin, int *value) const
{
    if (bin < 0 || bin >= m_binInfoList.size())
        return false;
    *value = m_binInfoList.at(bin)->get_targetTemp();
    return true;
}

bool MasterIoManager::setPointChannel(int channel, int value, int zone, const char *caller)
{
    if (channel < 0 || channel >= 2 * kSetPointChannels) {
        qDebug().noquote() << QStringLiteral(
            "%1() ERROR: channel %2 of zone %3 out of range, skipped")
                                  .arg(QLatin1String(caller)).arg(channel).arg(zone);
        return false;
    }
    if (channel < kSetPointChannels)
        m_tempSetpointsInfo->values()[channel] = quint16(value);
    else
        m_tempSetpoints2Info->values()[channel - kSetPointChannels] = quint16(value);
    return true;
}

int MasterIoManager::pairedBin(int first, int entry) const
{
    const QList<int> &mio = m_layout.mio2uitMap;
    if (entry < 0 || entry >= mio.size() || mio.at(entry) < 0)
        return -1;
    return first + mio.at(entry) % 2;
}

// Puts the bins' targets into the two set-point blocks. channelMap gives
// each zone its board channel; with singleChannelPicksBin a zone driving one
// channel takes the bin the personality puts on it instead of its first.
void MasterIoManager::fillSetPoints(const QList<int> &channelMap, bool singleChannelPicksBin,
                                    const char *caller)
{
    const int tpz = m_layout.traysPerZone;
    auto skipBin = [caller](int zone, int bin) {
        qDebug().noquote() << QStringLiteral("%1() ERROR: bin %2 of zone %3 out of range, skipped")
                                  .arg(QLatin1String(caller)).arg(bin).arg(zone);
    };
    for (int z = 0; z < m_layout.numberOfZones; ++z) {
        if (z >= channelMap.size()) {
            qDebug().noquote() << QStringLiteral("%1() ERROR: zone %2 has no channel, skipped")
                                      .arg(QLatin1String(caller)).arg(z);
            continue;
        }
        const int first = z * tpz;
        int value = 0;
        if (m_tempHandling == kTempHandlingIndividual) {
            for (int k = 0; k < tpz; ++k) {
                if (binTarget(first + k, &value))
                    setPointChannel(k + channelMap.at(z) * tpz, value, z, caller);
                else
                    skipBin(z, first + k);
            }
        } else if (m_layout.cabinetConfiguration == kConfigLinear20) {
            // A zone drives a channel pair; the personality says which of
            // the zone's two bins sits on each input.
            const int c = 2 * channelMap.at(z);
            for (int k = 0; k < 2; ++k) {
                const int bin = pairedBin(first, first + k);
                if (binTarget(bin, &value))
                    setPointChannel(c + k, value, z, caller);
                else
                    skipBin(z, bin);
            }
        } else {
            const int bin = singleChannelPicksBin ? pairedBin(first, first) : first;
            if (binTarget(bin, &value))
                setPointChannel(channelMap.at(z), value, z, caller);
            else
                skipBin(z, bin);
        }
    }
}

void MasterIoManager::sendAllSetpointsRequest()
{
    fillSetPoints(m_layout.zoneMap, false, "sendAllSetpointsRequest");
    if (!m_layout.iAmMaster)
        return;
    writeRegisters(kRegZoneSetPoints, kRetriesSetPoints, m_tempSetpointsInfo);
    writeRegisters(kRegZoneSetPoints2, kRetriesSetPoints, m_tempSetpoints2Info);
}

void MasterIoManager::sendAllBinsSetpoints()
{
    if (!m_layout.iAmMaster)
        return;
    fillSetPoints(m_layout.ui2mioZoneMap, true, "sendAllBinsSetpoints");
    writeRegisters(kRegZoneSetPoints, kRetriesTestSetPoints, m_tempSetpointsInfo);
    writeRegisters(kRegZoneSetPoints2, kRetriesTestSetPoints, m_tempSetpoints2Info);
}

void MasterIoManager::setBinTargetTemp(int bin, int value)
{
    if (bin < 0 || bin >= m_binInfoList.size())
        return;
    m_binInfoList.at(bin)->set_targetTemp(value);
    if (m_layout.iAmMaster)
        emit ttSendRequestSignal();
}

void MasterIoManager::updateBinInfoTargetsForZone()
{
    if (m_heatersTestEnabled)
        return;
    if (auto *zone = qobject_cast<ZoneManager *>(sender())) {
        const QList<int> targets = zone->get_targetTempsList();
        const int first = zone->get_zoneNumber() * m_layout.traysPerZone;
        for (int k = 0; k < targets.size(); ++k) {
            const int bin = first + k;
            if (bin < 0 || bin >= m_binInfoList.size())
                continue;
            BinInfo *info = m_binInfoList.at(bin);
            if (info->get_targetTemp() == targets.at(k))
                info->forceTargetTempChangedSignal();
            else
                info->set_targetTemp(targets.at(k));
        }
    }
    if (m_layout.iAmMaster)
        emit ttSendRequestSignal();
}

void MasterIoManager::slaveEmitBinsTargetTemp()
{
    if (m_orientationId != 2)
        return;
    for (int bin = 10; bin < m_binInfoList.size(); ++bin)
        emit binTargetTempChanged(bin, m_binInfoList.at(bin)->get_targetTemp());
}

void MasterIoManager::setPendingTTS()
{
    set_pendingTTSF(true);
}

// ---------------------------------------------------------------------------
// Fans

void MasterIoManager::startFanTargetTimer()
{
    // Only the primary display talks to the board.
    if (m_layout.iAmMaster)
        m_fanTargetTimer.start();
}

void MasterIoManager::sendAllFanTargetsRequest()
{
    if (!m_layout.iAmMaster)
        return;
    const int tpz = m_layout.traysPerZone;
    if (m_zones) {
        for (ZoneManager *zone : qAsConst(*m_zones)) {
            const int z = zone->get_zoneNumber();
            const int channel = m_layout.zoneMap.value(z, -1);
            if (channel < 0 || channel >= kFanChannels) {
                qDebug().noquote() << "sendAllFanTargetsRequest() ERROR: index out of range!";
                continue;
            }
            const int v = zone->get_targetFansList().value(0);
            m_fanSpeedTargetsInfo->values()[channel] = quint16(v);
            for (int k = 0; k < tpz; ++k) {
                const int bin = z * tpz + k;
                if (bin >= 0 && bin < m_binInfoList.size())
                    m_binInfoList.at(bin)->set_targetFanSpeed(v);
            }
        }
    }
    writeRegisters(kRegTargetFan, kRetriesFanTargets, m_fanSpeedTargetsInfo, true);
}

void MasterIoManager::sendAllBinsFanSpeed()
{
    if (!m_layout.iAmMaster)
        return;
    for (int z = 0; z < m_layout.numberOfZones; ++z) {
        const int channel = m_layout.zoneMap.value(z, -1);
        const int bin = z * m_layout.traysPerZone;
        if (channel < 0 || channel >= kFanChannels || bin < 0 || bin >= m_binInfoList.size()) {
            qDebug().noquote() << "sendAllBinsFanSpeed() ERROR: index out of range!";
            continue;
        }
        m_fanSpeedTargetsInfo->values()[channel] =
            quint16(m_binInfoList.at(bin)->get_targetFanSpeed());
    }
    writeRegisters(kRegTargetFan, kRetriesFanTargets, m_fanSpeedTargetsInfo, true);
}

void MasterIoManager::requestFanSpeedActualInfo()
{
    if (!m_layout.hasFan)
        return;
    readRegisters(kRegActualFan, kRetriesPolls, m_fanActualsInfo, true);
}

void MasterIoManager::processFanSpeedActualInfo()
{
    const QVector<quint16> &actuals = m_fanActualsInfo->values();
    const int tpz = m_layout.traysPerZone;
    for (int z = 0; z < m_layout.numberOfZones; ++z) {
        const int channel = m_layout.zoneMap.value(z, -1);
        for (int k = 0; k < tpz; ++k) {
            const int bin = z * tpz + k;
            if (channel < 0 || channel >= actuals.size() || bin < 0
                || bin >= m_binInfoList.size()) {
                qDebug().noquote() << "processFanSpeedActualInfo() ERROR: index out of range!";
                continue;
            }
            m_binInfoList.at(bin)->set_actualFanSpeed(actuals.at(channel));
        }
    }
}

// ---------------------------------------------------------------------------
// Power line

void MasterIoManager::requestPowerLineInfo()
{
    readRegisters(kRegLineVoltage, kRetriesPolls, m_powerLineInfo);
}

void MasterIoManager::processPowerLineInfo()
{
    const QVector<quint16> &v = m_powerLineInfo->values();
    if (v.size() < 4)
        return;
    set_lineVoltage(hundredthsToTenths(v.at(0)));
    set_lineFrequency(hundredthsToTenths(v.at(1)));
    set_lineCurrent(hundredthsToTenths(v.at(2)));

    const int flags = v.at(3) & 0xFF;
    if (flags & kPowerCommErrorBit) {
        if (!m_powerMonitorCommError) {
            invokeSimpleDialogSignalEmiter(tr("Power monitor communication error"), true);
            m_powerMonitorCommError = true;
            emit errorInfo(kErrCabinet, kErrPowerComm, 0, 0);
        }
    } else {
        emit errorClearInfo(kErrCabinet, kErrPowerComm, 0, 0);
        m_powerMonitorCommError = false;
    }
    if (!(flags & kPowerZxErrorBit)) {
        m_powerMonitorZxError = false;
        emit errorClearInfo(kErrCabinet, kErrPowerZx, 0, 0);
    } else if (!m_powerMonitorCommError && !m_powerMonitorZxError) {
        invokeSimpleDialogSignalEmiter(tr("Power monitor ZX error"), true);
        m_powerMonitorZxError = true;
        emit errorInfo(kErrCabinet, kErrPowerZx, 0, 0);
    }
    m_powerLineTimer.setInterval(kPowerLineIntervalMs);
}

// ---------------------------------------------------------------------------
// Operation mode

void MasterIoManager::requestExitPreheat()
{
    m_operatingModeInfo->values()[0] = PHU_MODE_ACTIVE_HEATING;
    writeRegisters(kRegOperationModeCommand, kRetriesModeCommand, m_operatingModeInfo);
}

void MasterIoManager::emitPreheatEvent()
{
    emit systemEnteredPreheat(QString::number(KivClock::secsSinceEpoch()));
}

// ---------------------------------------------------------------------------
// Properties

QList<QObject *> MasterIoManager::get_mbioRawInfoListProperty() const
{
    QList<QObject *> list;
    for (MbHrInfo *row : m_mbioRawInfoList)
        list.append(row);
    return list;
}

QList<QObject *> MasterIoManager::get_binInfoListProperty() const
{
    QList<QObject *> list;
    for (BinInfo *info : m_binInfoList)
        list.append(info);
    return list;
}

void MasterIoManager::set_iosyscfg(int value)
{
    if (assignIfChanged(m_iosyscfg, value))
        emit iosyscfgChanged(m_iosyscfg);
}

void MasterIoManager::set_ambientTemperature(int value)
{
    if (assignIfChanged(m_ambientTemperature, value))
        emit ambientTemperatureChanged(m_ambientTemperature);
}

void MasterIoManager::set_operatingMode(int value)
{
    m_operatingMode = value;
    emit operatingModeChanged(m_operatingMode);
}

void MasterIoManager::set_pendingTTSF(bool value)
{
    if (assignIfChanged(m_pendingTTSF, value))
        emit pendingTTSFChanged(value);
}

void MasterIoManager::set_lineVoltage(double value)
{
    if (assignIfChanged(m_lineVoltage, value))
        emit lineVoltageChanged(value);
}

void MasterIoManager::set_lineCurrent(double value)
{
    if (assignIfChanged(m_lineCurrent, value))
        emit lineCurrentChanged(value);
}

void MasterIoManager::set_lineFrequency(double value)
{
    if (assignIfChanged(m_lineFrequency, value))
        emit lineFrequencyChanged(value);
}

void MasterIoManager::setBinInfoListItem(int n, int value)
{
    if (n < 0 || n >= m_binInfoList.size())
        return;
    m_binInfoList.at(n)->set_actualTemp(value);
}

void MasterIoManager::invokeSimpleDialogSignalEmiter(QString msg, bool showClose)
{
    emit invokeSimpleDialog(msg, showClose);
}


