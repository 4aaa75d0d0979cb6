#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QThread>

class ErrorControlHost;
class ErrorInfoModel;
class ErrorRecord;
class KivErrorController;
class QModbusMaster;

// The main-thread face of error control, published to QML as
// "kivErrorController". It owns the thread "kivErrorControllerThread" and
// the worker KivErrorController in it: every call becomes a queued signal to
// the worker, and the worker's results come back as this object's signals
// and properties. The screens see only this object and its own copy of the
// error-log rows; the worker's records never leave its thread.
//
// The CAN messages the worker raises for the other displays are sent from
// here, on the main thread, through the host.
class KivErrorControllerT : public QObject
{
    Q_OBJECT
    Q_PROPERTY(uint errorFlags READ get_errorFlags WRITE set_errorFlags NOTIFY errorFlagsChanged)
    Q_PROPERTY(bool errorAcknowledged READ get_errorAcknowledged WRITE set_errorAcknowledged
                   NOTIFY errorAcknowledgedChanged)
    Q_PROPERTY(bool sibLinkBroken READ get_sibLinkBroken WRITE set_sibLinkBroken NOTIFY sibLinkBrokenChanged)
    Q_PROPERTY(QString currentErrorsString READ get_currentErrorsString WRITE set_currentErrorsString
                   NOTIFY currentErrorsStringChanged)
    Q_PROPERTY(QList<QObject *> errorsList READ get_errorsList NOTIFY errorsListChanged)
    Q_PROPERTY(ErrorRecord *currentError READ get_currentError CONSTANT)
    Q_PROPERTY(QList<QObject *> errorsLogList READ get_errorsLogList NOTIFY errorsLogListChanged)
    Q_PROPERTY(int errorsLogListCount READ get_errorsLogListCount WRITE set_errorsLogListCount
                   NOTIFY errorsLogListCountChanged)
    Q_PROPERTY(QString recoverableErrLabel READ get_recoverableErrLabel WRITE set_recoverableErrLabel
                   NOTIFY recoverableErrLabelChanged)
    Q_PROPERTY(QString recoverableErrCodes READ get_recoverableErrCodes WRITE set_recoverableErrCodes
                   NOTIFY recoverableErrCodesChanged)
    Q_PROPERTY(ErrorInfoModel *errorInfoModel READ get_errorInfoModel WRITE set_errorInfoModel
                   NOTIFY errorInfoModelChanged)

public:
    // modbus and host may be null (no status poll; a display standing
    // alone). Neither is owned; the host must outlive this object.
    KivErrorControllerT(QModbusMaster *modbus, QObject *parent, ErrorControlHost *host = nullptr);
    ~KivErrorControllerT() override;

    uint get_errorFlags() const { return m_errorFlags; }
    bool get_errorAcknowledged() const { return m_errorAcknowledged; }
    bool get_sibLinkBroken() const { return m_sibLinkBroken; }
    QString get_currentErrorsString() const { return m_currentErrorsString; }
    // The front keeps no records: both lists read empty.
    QList<QObject *> get_errorsList() const { return {}; }
    ErrorRecord *get_currentError() const { return m_currentError; }
    QList<QObject *> get_errorsLogList() const { return {}; }
    int get_errorsLogListCount() const { return m_errorsLogListCount; }
    QString get_recoverableErrLabel() const { return m_recoverableErrLabel; }
    QString get_recoverableErrCodes() const { return m_recoverableErrCodes; }
    ErrorInfoModel *get_errorInfoModel() const { return m_errorInfoModel; }
    QModbusMaster *modbusMaster() const { return m_modbus; }

    // For tests: the worker, which lives in the worker thread.
    KivErrorController *worker() const { return m_worker; }

public slots:
    void set_errorFlags(uint value);
    void set_errorAcknowledged(bool value);
    void set_sibLinkBroken(bool value);
    void set_currentErrorsString(const QString &value);
    void set_errorsLogListCount(int value);
    void set_recoverableErrLabel(const QString &value);
    void set_recoverableErrCodes(const QString &value);
    // Copies the rows of the worker's model into this object's own; the
    // property keeps pointing at the own model.
    void set_errorInfoModel(ErrorInfoModel *model);

    void errorCodesDataProcess(int mainCode, int subCode1, int subCode2, int subCode3);
    void errorCodesClearDataProcess(int mainCode, int subCode1, int subCode2, int subCode3);
    void createDefinitionsList();
    void deleteAllErrorLogs();
    void clearErrorLogList();
    void retrieveAllErrorLogs();
    void exportErrorLog();

signals:
    void errorFlagsChanged(uint value);
    void errorAcknowledgedChanged(bool value);
    void sibLinkBrokenChanged(bool value);
    void currentErrorsStringChanged(QString value);
    void errorsListChanged();
    void errorsLogListChanged();
    void errorsLogListCountChanged(int value);
    void recoverableErrLabelChanged(QString value);
    void recoverableErrCodesChanged(QString value);
    void errorInfoModelChanged(ErrorInfoModel *model);

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
    void callRetrieveAllErrorLogs();
    // The serial number is read here, on the main thread, for the file name.
    void callExportErrorLog(QString serialNumber);
    void call_set_errorFlags(uint value);
    // Connected to nothing: the front's errorAcknowledged stays true.
    void call_set_errorAcknowledged(bool value);

private slots:
    void sendErrorInfo(int mainCode, int subCode1, int subCode2, int subCode3);
    void sendErrorClearInfo(int mainCode, int subCode1, int subCode2, int subCode3);
    void sendClearAllErrorInfo();

private:
    QModbusMaster *m_modbus;
    ErrorControlHost *m_host;
    QThread m_thread;
    KivErrorController *m_worker;

    uint m_errorFlags = 0;
    bool m_errorAcknowledged = true;
    bool m_sibLinkBroken = false;
    ErrorRecord *m_currentError;
    QString m_currentErrorsString;
    QString m_recoverableErrLabel;
    QString m_recoverableErrCodes;
    int m_errorsLogListCount = 0;
    ErrorInfoModel *m_errorInfoModel;
};
