#pragma once

#include <QObject>
#include <QString>

class QModbusMaster;

// The main-thread face of error control. Every report goes on to the error
// worker as a queued call; the worker's results come back as this object's
// signals. The worker and its thread come with the error-control work.
class KivErrorControllerT : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool sibLinkBroken READ get_sibLinkBroken WRITE set_sibLinkBroken NOTIFY sibLinkBrokenChanged)

public:
    KivErrorControllerT(QModbusMaster *modbus, QObject *parent);

    bool get_sibLinkBroken() const { return m_sibLinkBroken; }
    QModbusMaster *modbusMaster() const { return m_modbus; }

signals:
    void sibLinkBrokenChanged(bool value);
    void zoneErrorStatusTcUpdate(quint16 itemNumber, quint16 err);
    void notifyError(QString timeStamp, QString errorCode, QString errorDesc, QString value);
    void notifyErrorClear(QString timeStamp, QString errorCode, QString errorDesc, QString value);

    // Calls to the worker.
    void call_startSm();
    void callPrepareSm();
    void callProcessSlaveErrors();
    void callCreateDefinitionsList();
    void callErrorCodesDataProcess(int mainCode, int subCode1, int subCode2, int subCode3);
    void callErrorCodesClearDataProcess(int mainCode, int subCode1, int subCode2, int subCode3);
    void callDeleteAllErrorLogs();
    void callClearErrorLogList();

public slots:
    void set_sibLinkBroken(bool value);

    void errorCodesDataProcess(int mainCode, int subCode1, int subCode2, int subCode3);
    void errorCodesClearDataProcess(int mainCode, int subCode1, int subCode2, int subCode3);
    void createDefinitionsList();
    void deleteAllErrorLogs();
    void clearErrorLogList();

private:
    QModbusMaster *m_modbus;
    bool m_sibLinkBroken = false;
};
