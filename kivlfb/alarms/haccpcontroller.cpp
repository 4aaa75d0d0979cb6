#include "haccpcontroller.h"

#include "property/assignifchanged.h"

#include "filelogworker.h"
#include "haccpdatamodel.h"
#include "haccplogformat.h"

#include "platform/kivclock.h"

#include <QVariant>

namespace {
const int kFirstPurgeMs = 10000;
const int kPurgeCheckMs = 3600000;
const qint64 kDaySecs = 24 * 3600;
} // namespace

HaccpController::HaccpController(QObject *parent)
    : TarnStateMachine(parent)
    , m_purgeTimer(this)
    , m_lastPurge(KivClock::now().addSecs(-2 * kDaySecs))
{
    qRegisterMetaType<HaccpData>("HaccpData");
    qRegisterMetaType<HaccpDataList>("HaccpDataList");
    m_purgeTimer.setObjectName(QStringLiteral("purgeTimer"));
    m_haccpDataModel = new HaccpDataModel(this);

    if (!parent || !parent->property("haccpEnabled").toBool())
        return;

    auto *worker = new FileLogWorker;
    m_worker = worker;
    worker->moveToThread(&m_workerThread);
    connect(&m_workerThread, &QThread::finished, worker, &QObject::deleteLater);

    connect(this, &HaccpController::haccpDataLog, worker, &FileLogWorker::doAddHaccpDataLog);
    connect(this, &HaccpController::removeDataLog, worker, &FileLogWorker::doRemoveHaccpDataLog);
    connect(this, &HaccpController::exportDataLogToCsv, worker, &FileLogWorker::doHaccpFileExport);
    connect(this, &HaccpController::retrieveHaccpData, worker, &FileLogWorker::retrieveAllHaccpData);
    connect(this, &HaccpController::removeOldDataSignal, worker,
            &FileLogWorker::doRemoveOldHaccpDataLogs);
    connect(worker, &FileLogWorker::addHaccpDone, this, &HaccpController::testFunction);
    connect(worker, &FileLogWorker::removeHaccpDone, this, &HaccpController::testFunction);
    connect(worker, &FileLogWorker::removeOldDataDone, this, &HaccpController::testFunction);
    connect(worker, &FileLogWorker::retrievAllHaccpDataDone, this,
            &HaccpController::retrievAllHaccpDataComplete);
    connect(worker, &FileLogWorker::fileExportComplete, this,
            &HaccpController::exportHaccpLogComplete);

    m_workerThread.start();

    m_purgeTimer.setInterval(kFirstPurgeMs);
    m_purgeTimer.setSingleShot(false);
    connect(&m_purgeTimer, &QTimer::timeout, this, &HaccpController::removeOldHaccpData,
            Qt::QueuedConnection);
    m_purgeTimer.start();
    m_lastPurge = KivClock::now().addSecs(-2 * kDaySecs);
}

HaccpController::~HaccpController()
{
    m_workerThread.exit(0);
    m_workerThread.wait();
}

void HaccpController::setLocalTimeAdjust(std::function<QDateTime(const QDateTime &)> adjust)
{
    m_localTimeAdjust = std::move(adjust);
}

void HaccpController::set_haccpDataModel(HaccpDataModel *model)
{
    m_haccpDataModel = model;
    emit haccpDataModelChanged(model);
}

void HaccpController::set_haccpLogListCount(int count)
{
    if (assignIfChanged(m_haccpLogListCount, count))
        emit haccpLogListCountChanged(count);
}

void HaccpController::set_totalHaccpLogListCount(int count)
{
    if (assignIfChanged(m_totalHaccpLogListCount, count))
        emit totalHaccpLogListCountChanged(count);
}

void HaccpController::logDataEntry(const HaccpData &entry)
{
    if (isLogging())
        emit haccpDataLog(HaccpLogFormat::entryRequest(entry));
}

void HaccpController::removeStartDataLogEntry(const HaccpData &entry)
{
    if (isLogging())
        emit removeDataLog(HaccpLogFormat::entryRequest(entry));
}

void HaccpController::retrieveAllHaccpData(bool retrieveAll)
{
    if (isLogging())
        emit retrieveHaccpData(HaccpLogFormat::readRequest(retrieveAll));
}

void HaccpController::exportHaccpLog()
{
    if (!isLogging())
        return;
    HaccpLogFormat::ExportRequest request;
    if (QObject *cabinet = parent()) {
        request.traysPerZone = cabinet->property("traysPerZone").toInt();
        request.zonesPerRow = cabinet->property("zonesPerRow").toInt();
        if (auto *config = cabinet->property("configManager").value<QObject *>())
            request.serialNumber = config->property("serialNumber").toString();
    }
    emit exportDataLogToCsv(HaccpLogFormat::exportRequest(request));
}

void HaccpController::removeOldHaccpData()
{
    if (!isLogging())
        return;
    const QDateTime now = KivClock::now();
    if (!(m_lastPurge < now.addSecs(-kDaySecs)))
        return;
    if (m_purgeTimer.interval() != kPurgeCheckMs)
        m_purgeTimer.setInterval(kPurgeCheckMs);
    m_lastPurge = now;
    const QDateTime local = m_localTimeAdjust ? m_localTimeAdjust(now) : now;
    emit removeOldDataSignal(HaccpLogFormat::purgeRequest(HaccpLogFormat::purgeCutoff(local)));
}

void HaccpController::retrievAllHaccpDataComplete(const QString &result, int totalCount,
                                                  const HaccpDataList &rows)
{
    m_haccpDataModel->setHaccpData(rows);
    set_haccpLogListCount(m_haccpDataModel->rowCount());
    set_totalHaccpLogListCount(totalCount);
    emit retrieveHaccpDataDone(result);
}

void HaccpController::exportHaccpLogComplete(const QString &result)
{
    emit exportHaccpLogDone(result);
}

void HaccpController::testFunction(const QString &)
{
}
