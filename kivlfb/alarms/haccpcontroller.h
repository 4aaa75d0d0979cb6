#pragma once

#include "haccpdata.h"
#include "haccpdatamodel.h"

#include "statemachine/tarnstatemachine.h"

#include <QDateTime>
#include <QThread>
#include <QTimer>

#include <functional>

// The front of the HACCP holding log, on the main thread. Every request
// becomes one queued signal to the log worker on its own thread; results come
// back the same way. The worker exists only when the cabinet logs holds: the
// parent's "haccpEnabled" property, read once here. The export also reads the
// parent's "traysPerZone" and "zonesPerRow" and the "serialNumber" of the
// configuration manager, the parent's "configManager" property.
class HaccpController : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(HaccpDataModel *haccpDataModel READ get_haccpDataModel WRITE set_haccpDataModel
                   NOTIFY haccpDataModelChanged)
    Q_PROPERTY(int haccpLogListCount READ get_haccpLogListCount WRITE set_haccpLogListCount
                   NOTIFY haccpLogListCountChanged)
    Q_PROPERTY(int totalHaccpLogListCount READ get_totalHaccpLogListCount
                   WRITE set_totalHaccpLogListCount NOTIFY totalHaccpLogListCountChanged)

public:
    explicit HaccpController(QObject *parent = nullptr);
    ~HaccpController() override;

    bool isLogging() const { return m_worker != nullptr; }

    HaccpDataModel *get_haccpDataModel() const { return m_haccpDataModel; }
    int get_haccpLogListCount() const { return m_haccpLogListCount; }
    int get_totalHaccpLogListCount() const { return m_totalHaccpLogListCount; }

    // How the purge turns the clock's local time into the cabinet's local
    // time (configured zone and daylight saving). Unset: unchanged.
    void setLocalTimeAdjust(std::function<QDateTime(const QDateTime &)> adjust);

public slots:
    void set_haccpDataModel(HaccpDataModel *model);
    void set_haccpLogListCount(int count);
    void set_totalHaccpLogListCount(int count);

    void logDataEntry(const HaccpData &entry);
    // Withdraws the newest open start record of the entry's bin.
    void removeStartDataLogEntry(const HaccpData &entry);
    void retrieveAllHaccpData(bool retrieveAll);
    void exportHaccpLog();
    // The purge timer's check: at most one purge a day.
    void removeOldHaccpData();

    void retrievAllHaccpDataComplete(const QString &result, int totalCount,
                                     const HaccpDataList &rows);
    void exportHaccpLogComplete(const QString &result);
    // Completions of add, remove and purge: the worker logs failures itself.
    void testFunction(const QString &result);

signals:
    void haccpDataModelChanged(HaccpDataModel *model);
    void haccpLogListCountChanged(int count);
    void totalHaccpLogListCountChanged(int count);

    // To the worker.
    void haccpDataLog(const QByteArray &request);
    void removeDataLog(const QByteArray &request);
    void exportDataLogToCsv(const QByteArray &request);
    void retrieveHaccpData(const QByteArray &request);
    void removeOldDataSignal(const QByteArray &request);

    // To the screens. "OK" or what went wrong.
    void retrieveHaccpDataDone(const QString &result);
    void exportHaccpLogDone(const QString &result);

private:
    QThread m_workerThread;
    QTimer m_purgeTimer;
    QDateTime m_lastPurge;
    HaccpDataModel *m_haccpDataModel = nullptr;
    QObject *m_worker = nullptr;
    int m_haccpLogListCount = 0;
    int m_totalHaccpLogListCount = 0;
    std::function<QDateTime(const QDateTime &)> m_localTimeAdjust;
};
