#include "kiverrorcontrollert.h"

#include "errorcontrolhost.h"
#include "errorinfomodel.h"
#include "errorrecord.h"
#include "kiverrorcontroller.h"

#include "property/assignifchanged.h"

KivErrorControllerT::KivErrorControllerT(QModbusMaster *modbus, QObject *parent,
                                         ErrorControlHost *host)
    : QObject(parent)
    , m_modbus(modbus)
    , m_host(host)
    , m_worker(new KivErrorController(modbus, host))
    , m_currentError(new ErrorRecord(this))
    , m_errorInfoModel(new ErrorInfoModel(this))
{
    qRegisterMetaType<ErrorInfoModel *>("ErrorInfoModel*");
    m_thread.setObjectName(QStringLiteral("kivErrorControllerThread"));
    m_worker->setObjectName(QStringLiteral("kivErrorControllerWorkerSM"));
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);

    KivErrorController *w = m_worker;
    const auto queued = Qt::QueuedConnection;
    connect(this, &KivErrorControllerT::callPrepareSm, w, &KivErrorController::prepareSm, queued);
    connect(this, SIGNAL(call_startSm()), w, SLOT(start()), queued);
    connect(this, &KivErrorControllerT::callProcessSlaveErrors, w, &KivErrorController::processSlaveErrors, queued);
    connect(this, &KivErrorControllerT::callCreateDefinitionsList, w,
            &KivErrorController::createDefinitionsList, queued);
    connect(this, SIGNAL(callErrorCodesDataProcess(int,int,int,int)), w,
            SLOT(errorCodesDataProcess(int,int,int,int)), queued);
    connect(this, &KivErrorControllerT::callErrorCodesClearDataProcess, w,
            &KivErrorController::errorCodesClearDataProcess, queued);
    connect(this, &KivErrorControllerT::callDeleteAllErrorLogs, w, &KivErrorController::deleteAllErrorLogs, queued);
    connect(this, &KivErrorControllerT::callClearErrorLogList, w, &KivErrorController::clearErrorLogList, queued);
    connect(this, &KivErrorControllerT::callRetrieveAllErrorLogs, w,
            &KivErrorController::retrieveAllErrorLogs, queued);
    connect(this, &KivErrorControllerT::callExportErrorLog, w, &KivErrorController::exportErrorLog, queued);
    connect(this, &KivErrorControllerT::call_set_errorFlags, w, &KivErrorController::set_errorFlags, queued);

    connect(w, &KivErrorController::zoneErrorStatusTcUpdate, this,
            &KivErrorControllerT::zoneErrorStatusTcUpdate, queued);
    connect(w, &KivErrorController::notifyError, this, &KivErrorControllerT::notifyError, queued);
    connect(w, &KivErrorController::notifyErrorClear, this, &KivErrorControllerT::notifyErrorClear, queued);
    connect(w, &KivErrorController::errorAcknowledgedChanged, this,
            &KivErrorControllerT::errorAcknowledgedChanged, queued);
    connect(w, &KivErrorController::errorInfoModelChanged, this, &KivErrorControllerT::set_errorInfoModel, queued);
    connect(w, &KivErrorController::errorsLogListCountChanged, this,
            &KivErrorControllerT::set_errorsLogListCount, queued);
    // One receiver in one thread for all three keeps them in the order the
    // worker raised them.
    connect(w, &KivErrorController::forwardErrorInfo, this, &KivErrorControllerT::sendErrorInfo, queued);
    connect(w, &KivErrorController::forwardErrorClearInfo, this, &KivErrorControllerT::sendErrorClearInfo, queued);
    connect(w, &KivErrorController::forwardClearAllErrorInfo, this,
            &KivErrorControllerT::sendClearAllErrorInfo, queued);

    m_thread.start();
    emit callPrepareSm();
    emit callRetrieveAllErrorLogs();
}

KivErrorControllerT::~KivErrorControllerT()
{
    m_thread.exit(0);
    m_thread.wait();
}

void KivErrorControllerT::set_errorFlags(uint value)
{
    emit call_set_errorFlags(value);
}

void KivErrorControllerT::set_errorAcknowledged(bool value)
{
    emit call_set_errorAcknowledged(value);
}

void KivErrorControllerT::set_sibLinkBroken(bool value)
{
    if (assignIfChanged(m_sibLinkBroken, value))
        emit sibLinkBrokenChanged(m_sibLinkBroken);
}

void KivErrorControllerT::set_currentErrorsString(const QString &value)
{
    m_currentErrorsString = value;
    emit currentErrorsStringChanged(value);
}

void KivErrorControllerT::set_errorsLogListCount(int value)
{
    m_errorsLogListCount = value;
    emit errorsLogListCountChanged(value);
}

void KivErrorControllerT::set_recoverableErrLabel(const QString &value)
{
    m_recoverableErrLabel = value;
    emit recoverableErrLabelChanged(value);
}

void KivErrorControllerT::set_recoverableErrCodes(const QString &value)
{
    m_recoverableErrCodes = value;
    emit recoverableErrCodesChanged(value);
}

void KivErrorControllerT::set_errorInfoModel(ErrorInfoModel *model)
{
    m_errorInfoModel->updateFromModel(model);
}

void KivErrorControllerT::errorCodesDataProcess(int mainCode, int subCode1, int subCode2, int subCode3)
{
    emit callErrorCodesDataProcess(mainCode, subCode1, subCode2, subCode3);
}

void KivErrorControllerT::errorCodesClearDataProcess(int mainCode, int subCode1, int subCode2,
                                                     int subCode3)
{
    emit callErrorCodesClearDataProcess(mainCode, subCode1, subCode2, subCode3);
}

void KivErrorControllerT::createDefinitionsList()
{
    emit callCreateDefinitionsList();
}

void KivErrorControllerT::deleteAllErrorLogs()
{
    emit callDeleteAllErrorLogs();
}

void KivErrorControllerT::clearErrorLogList()
{
    emit callClearErrorLogList();
}

void KivErrorControllerT::retrieveAllErrorLogs()
{
    emit callRetrieveAllErrorLogs();
}

void KivErrorControllerT::exportErrorLog()
{
    emit callExportErrorLog(m_host ? m_host->serialNumber() : QString());
}

void KivErrorControllerT::sendErrorInfo(int mainCode, int subCode1, int subCode2, int subCode3)
{
    if (m_host)
        m_host->sendErrorInfo(mainCode, subCode1, subCode2, subCode3);
}

void KivErrorControllerT::sendErrorClearInfo(int mainCode, int subCode1, int subCode2, int subCode3)
{
    if (m_host)
        m_host->sendErrorClearInfo(mainCode, subCode1, subCode2, subCode3);
}

void KivErrorControllerT::sendClearAllErrorInfo()
{
    if (m_host)
        m_host->sendClearAllErrorInfo();
}
