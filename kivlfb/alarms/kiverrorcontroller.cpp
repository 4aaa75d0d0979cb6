#include "kiverrorcontroller.h"

#include "errorcontrolhost.h"
#include "errorinfomodel.h"
#include "errorrecord.h"
#include "errortextrecord.h"

#include "modbus/qmodbusmaster.h"
#include "modbus/qmodbuspollinfo.h"
#include "platform/boundedfile.h"
#include "platform/durablefile.h"
#include "platform/kivclock.h"
#include "platform/kivroot.h"
#include "platform/toolrunner.h"
#include "property/assignifchanged.h"
#include "statemachine/statemachinebuilder.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QTimer>

#include <algorithm>

namespace {

const QString kLogDir = QStringLiteral("./errorLogs");
const QString kBufferFile = QStringLiteral("errorsBuff.txt");
const QString kSync = QStringLiteral("/bin/sync");

// The sensor faults the status poll reports, as sub-code 1 of main code 2.
enum SensorFault {
    SensorMain = 2,
    ThermocoupleShorted = 0,
    ThermocoupleOpen = 1,
    HeaterLowTemp = 2,
    HeaterHighTemp = 3,
    ReferenceFault = 4,
    ColdJunctionFault = 5,
};

// Links between displays and boards (main code 4). The primary display
// learns of these reports of another display from its buffer, never over
// CAN: the link they report may be the CAN link itself.
enum LinkFault {
    LinkMain = 4,
    PrimaryUiLost = 1,
    UnexpectedReboot = 3,
    BusVoltageMissing = 4,
    ReportedByOtherDisplay = 1,
};

bool neverForwarded(int mainCode, int subCode1, int subCode2)
{
    if (mainCode != LinkMain)
        return false;
    return subCode1 == PrimaryUiLost
        || ((subCode1 == UnexpectedReboot || subCode1 == BusVoltageMissing)
            && subCode2 == ReportedByOtherDisplay);
}

enum class Append { Written, WriteFailed, OpenFailed };

// Appends one whole line. A write cut short (a full disk) is taken back, so
// that the next line does not run on from half a line and both get lost.
Append appendLine(const QString &path, const QByteArray &line)
{
    QFile file(path);
    // Unbuffered: nothing of a failed line is left over to be written on
    // closing, after it was taken back.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return Append::OpenFailed;
    const qint64 before = file.size();
    if (file.write(line) == line.size())
        return Append::Written;
    qWarning().noquote() << QStringLiteral("Error log: cannot append to %1 (%2)").arg(path, file.errorString());
    file.resize(before);
    return Append::WriteFailed;
}

const ErrorControlHost &standAlone()
{
    static const ErrorControlHost host;
    return host;
}

} // namespace

KivErrorController::KivErrorController(QModbusMaster *modbus, const ErrorControlHost *host)
    : TarnStateMachine(nullptr)
    , m_modbus(modbus)
    , m_host(host ? host : &standAlone())
    , m_currentError(new ErrorRecord(this))
{
}

KivErrorController::~KivErrorController()
{
    qDeleteAll(m_errorsList);
    qDeleteAll(m_errorsLogList);
}

// --- properties ------------------------------------------------------------

QList<QObject *> KivErrorController::get_errorsList() const
{
    return QList<QObject *>(m_errorsList.cbegin(), m_errorsList.cend());
}

QList<QObject *> KivErrorController::get_errorsLogList() const
{
    return QList<QObject *>(m_errorsLogList.cbegin(), m_errorsLogList.cend());
}

void KivErrorController::set_errorFlags(uint value)
{
    if (assignIfChanged(m_errorFlags, value))
        emit errorFlagsChanged(value);
}

void KivErrorController::set_errorAcknowledged(bool value)
{
    m_errorAcknowledged = value;
    emit errorAcknowledgedChanged(value);
    if (value)
        emit errorAckedTrue();
}

void KivErrorController::set_errorAcknowledgedFalse()
{
    set_errorAcknowledged(false);
}

void KivErrorController::set_sibLinkBroken(bool value)
{
    if (assignIfChanged(m_sibLinkBroken, value))
        emit sibLinkBrokenChanged(value);
}

void KivErrorController::set_currentErrorsString(const QString &value)
{
    m_currentErrorsString = value;
    emit currentErrorsStringChanged(value);
}

void KivErrorController::set_errorsLogListCount(int value)
{
    m_errorsLogListCount = value;
    emit errorsLogListCountChanged(value);
}

void KivErrorController::set_recoverableErrLabel(const QString &value)
{
    m_recoverableErrLabel = value;
    emit recoverableErrLabelChanged(value);
}

void KivErrorController::set_recoverableErrCodes(const QString &value)
{
    m_recoverableErrCodes = value;
    emit recoverableErrCodesChanged(value);
}

bool KivErrorController::errorsNotZero() const
{
    return m_errorFlags != 0;
}

// --- preparation and machine -------------------------------------------------

void KivErrorController::prepareSm()
{
    m_errorFlags = 0;
    m_errorAcknowledged = true;
    m_sibLinkBroken = false;
    m_errorsLogListCount = 0;
    m_currentErrorsString.clear();
    m_recoverableErrLabel.clear();
    m_recoverableErrCodes.clear();

    m_errorInfoModel = new ErrorInfoModel(this);
    m_errorsMbInfo = new QModbusPollInfo(kStatusRegisters, this);
    m_errorsMbInfo->setObjectName(QStringLiteral("errorsMbInfo"));
    m_referenceStatus.fill(0);
    m_coldJunctionStatus.fill(0);
    m_monitorTimer = new QTimer(this);
    m_monitorTimer->setObjectName(QStringLiteral("errorMonitor timer"));
    m_monitorTimer->setSingleShot(true);
    m_monitorTimer->setInterval(kMonitorIntervalMs);
    // Polls follow each other a full interval after the last outcome.
    m_monitorTimer->setTimerType(Qt::PreciseTimer);
    buildMachine();
    createDefinitionsList();
}

void KivErrorController::buildMachine()
{
    const StateMachineBuilder b(this);
    const QString self = QStringLiteral("this");
    const QString timer = QStringLiteral("errorMonitorTimer");
    const QString poll = QStringLiteral("m_errorsMbInfo");

    QState *initialization = b.state(this, "initializationState");
    QState *enabled = b.state(this, "enabledState");
    QState *idle = b.state(enabled, "idleState");
    b.state(enabled, "errorDetectedState");
    QState *disabled = b.state(this, "disabledState");
    setInitialState(initialization);
    enabled->setInitialState(idle);

    b.transition(initialization, enabled, "t_init_done", self, this, SIGNAL(initializationDone()));
    b.transition(enabled, disabled, "t_disable", self, this, SIGNAL(disableSignal()));
    b.transition(disabled, enabled, "t_enable", self, this, SIGNAL(enableSignal()));

    QSignalTransition *ask = b.transition(enabled, nullptr, "t_askForErrors", timer, m_monitorTimer,
                                          SIGNAL(timeout()));
    b.action(ask, "requestErrorsMbInfo");
    QSignalTransition *good = b.transition(enabled, nullptr, "t_errorsMbInfo_good", poll,
                                           m_errorsMbInfo, SIGNAL(pollReplyGood()));
    b.action(good, "processErrorMbInfo");
    b.action(good, m_monitorTimer, timer, "start");
    QSignalTransition *timedOut = b.transition(enabled, nullptr, "t_errorsMbInfo_to", poll,
                                               m_errorsMbInfo, SIGNAL(pollReplyTimedOut()));
    b.action(timedOut, m_monitorTimer, timer, "start");
    QSignalTransition *failed = b.transition(enabled, nullptr, "t_errorsMbInfo_err", poll,
                                             m_errorsMbInfo, SIGNAL(pollReplyError()));
    b.action(failed, m_monitorTimer, timer, "start");
}

void KivErrorController::initializationState_onEntry()
{
    emit initializationDone();
}

void KivErrorController::enabledState_onEntry()
{
    m_zoneStatus.fill(0);
    m_errorFlags = 0;
    m_sibLinkBroken = false;
    m_monitorTimer->start();
}

void KivErrorController::enabledState_onExit()
{
    m_monitorTimer->stop();
}

void KivErrorController::idleState_onEntry()
{
    m_monitorTimer->start();
}

void KivErrorController::errorDetectedState_onExit()
{
    m_monitorTimer->setInterval(33);
}

// --- code table --------------------------------------------------------------

void KivErrorController::createDefinitionsList()
{
    m_definitions = ErrorCodeTable::translated();
}

void KivErrorController::findAssignDescription(ErrorRecord *errRecord) const
{
    errRecord->set_description(ErrorCodeTable::describe(m_definitions, errRecord->get_mainCode(),
                                                        errRecord->get_subCode1(),
                                                        errRecord->get_subCode2(),
                                                        errRecord->get_subCode3()));
}

// --- reports and clears ------------------------------------------------------

void KivErrorController::setCurrent(const QDateTime &timeStamp, int mainCode, int subCode1,
                                    int subCode2, int subCode3)
{
    m_currentError->setCodes(mainCode, subCode1, subCode2, subCode3);
    m_currentError->set_timestamp(timeStamp);
    findAssignDescription(m_currentError);
    emit currentErrorChanged();
}

void KivErrorController::errorCodesDataProcess(int mainCode, int subCode1, int subCode2, int subCode3)
{
    errorCodesDataProcess(KivClock::now(), mainCode, subCode1, subCode2, subCode3);
}

void KivErrorController::errorCodesDataProcess(const QDateTime &timeStamp, int mainCode, int subCode1,
                                               int subCode2, int subCode3)
{
    setCurrent(timeStamp, mainCode, subCode1, subCode2, subCode3);
    const QByteArray line =
        ErrorLogFormat::logLine(timeStamp, {mainCode, subCode1, subCode2, subCode3});

    updateErrorLogFileName();
    if (appendLine(m_logFileName, line) != Append::OpenFailed)
        emit notifyError(QString::number(KivClock::secsSinceEpoch()), m_currentError->codesText(),
                         m_currentError->get_description(), QStringLiteral(" "));
    else
        qWarning().noquote() << QStringLiteral("Error log: cannot open %1; report %2 not logged")
                                    .arg(m_logFileName, m_currentError->codesText());

    const int role = m_host->uiRole();
    const bool forwards = role == ErrorControlHost::SecondaryRole
        || (role == ErrorControlHost::PrimaryRole && m_host->hasMirrorDisplay());
    const bool kept = neverForwarded(mainCode, subCode1, subCode2);
    if (forwards && !kept)
        emit forwardErrorInfo(mainCode, subCode1, subCode2, subCode3);

    m_errorsLogList.append(textRecord(timeStamp, mainCode, subCode1, subCode2, subCode3,
                                      m_currentError->codesText()));
    set_errorsLogListCount(m_errorsLogList.size());

    if (kept && !m_host->iAmMaster())
        appendLine(KivRoot::appFile(kBufferFile), line);

    ToolRunner::startDetached(kSync, {});
}

void KivErrorController::errorCodesClearDataProcess(int mainCode, int subCode1, int subCode2,
                                                    int subCode3)
{
    setCurrent(KivClock::now(), mainCode, subCode1, subCode2, subCode3);
    emit notifyErrorClear(QString::number(KivClock::secsSinceEpoch()), m_currentError->codesText(),
                          m_currentError->get_description(), QStringLiteral(" "));
    if (m_host->uiRole() == ErrorControlHost::SecondaryRole)
        emit forwardErrorClearInfo(mainCode, subCode1, subCode2, subCode3);
}

ErrorTextRecord *KivErrorController::textRecord(const QDateTime &timeStamp, int mainCode,
                                                int subCode1, int subCode2, int subCode3,
                                                const QString &codesText) const
{
    auto *record = new ErrorTextRecord;
    record->setCodes(mainCode, subCode1, subCode2, subCode3);
    record->set_timestamp(timeStamp);
    findAssignDescription(record);
    record->set_dateText(ErrorLogFormat::dateText(timeStamp));
    record->set_timeText(ErrorLogFormat::timeText(timeStamp));
    record->set_codesText(codesText);
    return record;
}

// --- the status poll ---------------------------------------------------------

void KivErrorController::requestErrorsMbInfo()
{
    if (m_modbus)
        m_modbus->holdingRegistersRead(kStatusSlave, kFirstStatusRegister, kStatusRegisters, 0,
                                       m_errorsMbInfo, false);
}

void KivErrorController::reportSensorChange(int fault, int item, bool raised)
{
    if (raised)
        errorCodesDataProcess(SensorMain, fault, item, 0);
    else
        errorCodesClearDataProcess(SensorMain, fault, item, 0);
}

void KivErrorController::processErrorMbInfo()
{
    const QVector<quint16> v = m_errorsMbInfo->values();
    if (v.size() < kStatusRegisters)
        return;

    // Two thermocouples per zone; the words of absent zones are not looked at.
    const int thermocouples = qBound(0, 2 * m_host->numberOfZones(), kThermocouples);
    for (int t = 0; t < thermocouples; ++t) {
        const quint16 oldWord = m_zoneStatus.at(t);
        const quint8 oldTc = oldWord & 0xff;
        const quint8 newTc = v.at(t) & 0xff;
        if (newTc != oldTc) {
            m_zoneStatus[t] = quint16((m_zoneStatus.at(t) & 0xff00) | newTc);
            emit zoneErrorStatusTcUpdate(quint16(t), newTc);
            if (newTc == THERMOCOUPLE_SHORT_ERROR)
                reportSensorChange(ThermocoupleShorted, t, true);
            else if (newTc == THERMOCOUPLE_OPEN_ERROR)
                reportSensorChange(ThermocoupleOpen, t, true);
            else if (oldTc == THERMOCOUPLE_SHORT_ERROR)
                reportSensorChange(ThermocoupleShorted, t, false);
            else if (oldTc == THERMOCOUPLE_OPEN_ERROR)
                reportSensorChange(ThermocoupleOpen, t, false);
        }
        const quint8 oldHeater = oldWord >> 8;
        const quint8 newHeater = v.at(t) >> 8;
        if (newHeater != oldHeater) {
            m_zoneStatus[t] = quint16((newHeater << 8) | (m_zoneStatus.at(t) & 0xff));
            if (newHeater == HEATER_LOW_TEMP_ERROR)
                reportSensorChange(HeaterLowTemp, t, true);
            else if (newHeater == HEATER_HIGH_TEMP_ERROR)
                reportSensorChange(HeaterHighTemp, t, true);
            else if (oldHeater == HEATER_LOW_TEMP_ERROR)
                reportSensorChange(HeaterLowTemp, t, false);
            else if (oldHeater == HEATER_HIGH_TEMP_ERROR)
                reportSensorChange(HeaterHighTemp, t, false);
        }
    }
    for (int i = 0; i < kReferences; ++i) {
        const quint16 word = v.at(kThermocouples + i);
        if (assignIfChanged(m_referenceStatus[i], word))
            reportSensorChange(ReferenceFault, i, word != 0);
    }
    for (int i = 0; i < kColdJunctions; ++i) {
        const quint16 word = v.at(kThermocouples + kReferences + i);
        if (assignIfChanged(m_coldJunctionStatus[i], word))
            reportSensorChange(ColdJunctionFault, i, word != 0);
    }
}

// --- log files ---------------------------------------------------------------

QStringList KivErrorController::logNames() const
{
    return ErrorLogFormat::logNames(
        QDir(kLogDir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System));
}

void KivErrorController::updateErrorLogFileName()
{
    if (!QDir(kLogDir).exists() && !QDir().mkpath(kLogDir))
        qWarning().noquote() << "Error log: cannot create the directory" << kLogDir;
    m_logFileName = kLogDir + QLatin1Char('/')
        + ErrorLogFormat::logFileName(logNames(), KivClock::now().date());
}

void KivErrorController::retrieveErrorLog(const QString &logName)
{
    QByteArray content;
    if (BoundedFile::read(logName, BoundedFile::LargeFileLimit, &content) != BoundedFile::Read)
        return;
    const QList<ErrorLogFormat::Line> lines = ErrorLogFormat::parseLog(content);
    for (const ErrorLogFormat::Line &l : lines)
        m_errorsLogList.append(textRecord(l.timeStamp, l.codes.mainCode, l.codes.subCode1,
                                          l.codes.subCode2, l.codes.subCode3, l.codesText));
}

void KivErrorController::retrieveAllErrorLogs()
{
    if (!QDir(kLogDir).exists())
        return;
    const QStringList names = logNames();
    for (const QString &name : names)
        retrieveErrorLog(kLogDir + QLatin1Char('/') + name);
    std::reverse(m_errorsLogList.begin(), m_errorsLogList.end());

    ErrorInfoList rows;
    rows.reserve(m_errorsLogList.size());
    for (const ErrorTextRecord *r : qAsConst(m_errorsLogList))
        rows.append({r->get_dateText(), r->get_timeText(), r->get_codesText(), r->get_description(),
                     r->get_mainCode()});
    m_errorInfoModel->updateModel(rows);
    emit errorInfoModelChanged(m_errorInfoModel);
    set_errorsLogListCount(m_errorsLogList.size());
    emit errorsLogListChanged();
}

void KivErrorController::clearErrorLogList()
{
    qDeleteAll(m_errorsLogList);
    m_errorsLogList.clear();
    m_errorInfoModel->updateModel(ErrorInfoList());
    emit errorInfoModelChanged(m_errorInfoModel);
    set_errorsLogListCount(0);
    emit errorsLogListChanged();
}

void KivErrorController::deleteAllErrorLogs()
{
    if (QDir(kLogDir).exists()) {
        const QStringList names = logNames();
        QDir dir(kLogDir);
        for (const QString &name : names)
            if (!dir.remove(name))
                qWarning().noquote() << "Error log: cannot delete" << dir.filePath(name);
        if (!names.isEmpty())
            ToolRunner::startDetached(kSync, {});
    }
    if (m_host->uiRole() == ErrorControlHost::PrimaryRole
        && (m_host->hasMirrorDisplay() || m_host->hasSecondaryDisplay())) {
        qDebug() << "Send clear error info to remot display over CAN bus!!!!";
        emit forwardClearAllErrorInfo();
    }
}

void KivErrorController::exportErrorLog(const QString &serialNumber)
{
    clearErrorLogList();
    retrieveAllErrorLogs();
    const QString fileName =
        KivRoot::path(ErrorLogFormat::exportFileName(serialNumber, KivClock::now()));
    DurableFile out(fileName);
    if (!out.open()) {
        qDebug().noquote() << "Unable to Open File !!!" << fileName;
        return;
    }
    for (const ErrorTextRecord *r : qAsConst(m_errorsLogList))
        out.write(ErrorLogFormat::exportLine(r->get_dateText(), r->get_timeText(), r->get_codesText(),
                                             r->get_description()));
    if (out.commit() != DurableFile::Replaced)
        qWarning().noquote() << "Error log export failed:" << fileName << out.errorString();
}

void KivErrorController::processSlaveErrors()
{
    qDebug() << "KivErrorController::processSlaveErrors() invoked!!!";
    const QString fileName = KivRoot::appFile(kBufferFile);
    QByteArray content;
    switch (BoundedFile::read(fileName, BoundedFile::LargeFileLimit, &content)) {
    case BoundedFile::Missing:
        return;
    case BoundedFile::Unreadable:
        qDebug().noquote() << "Unable to Open File !!!" << fileName;
        return;
    case BoundedFile::TooLarge: // refused with its own log line; nothing in it is taken
        break;
    case BoundedFile::Read: {
        const QStringList lines = QString::fromLatin1(content).split(QLatin1Char('\n'));
        for (const QString &text : lines) {
            ErrorLogFormat::Line line;
            if (ErrorLogFormat::parseBufferLine(text, &line))
                errorCodesDataProcess(line.timeStamp, line.codes.mainCode, line.codes.subCode1,
                                      line.codes.subCode2, line.codes.subCode3);
        }
        break;
    }
    }
    if (!QFile::remove(fileName))
        qWarning().noquote() << "Error buffer: cannot delete" << fileName;
}

// --- the current-error list ----------------------------------------------------

void KivErrorController::addCurrentErrorRecordToList()
{
    const ErrorRecord *c = m_currentError;
    const bool known = std::any_of(m_errorsList.cbegin(), m_errorsList.cend(), [c](const ErrorRecord *r) {
        return r->hasCodes(c->get_mainCode(), c->get_subCode1(), c->get_subCode2(), c->get_subCode3());
    });
    if (!known) {
        auto *record = new ErrorRecord(c->get_mainCode(), c->get_subCode1(), c->get_subCode2(),
                                       c->get_subCode3(), QString());
        findAssignDescription(record);
        m_errorsList.append(record);
    }
    emit errorsListChanged();
}

void KivErrorController::removeCurrentErrorRecordFromList()
{
    const ErrorRecord *c = m_currentError;
    const auto it = std::find_if(m_errorsList.begin(), m_errorsList.end(), [c](const ErrorRecord *r) {
        return r->hasCodes(c->get_mainCode(), c->get_subCode1(), c->get_subCode2(), c->get_subCode3());
    });
    if (it != m_errorsList.end()) {
        delete *it;
        m_errorsList.erase(it);
    }
    emit errorsListChanged();
    if (m_errorsList.isEmpty())
        set_errorAcknowledged(true);
}

void KivErrorController::rebuildCurrentErrorsString()
{
    QString text;
    for (const ErrorRecord *r : qAsConst(m_errorsList))
        text += r->get_description() + QLatin1Char(':') + r->codesText() + QLatin1Char('\n');
    set_currentErrorsString(text);
}

void KivErrorController::setRecoverableErrProperties()
{
    findAssignDescription(m_currentError);
    set_recoverableErrLabel(m_currentError->get_description());
    set_recoverableErrCodes(QLatin1Char('E') + m_currentError->codesText());
}
