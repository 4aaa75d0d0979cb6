#pragma once

#include "errorcodetable.h"
#include "errorlogformat.h"

#include "statemachine/tarnstatemachine.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVector>

class ErrorControlHost;
class ErrorInfoModel;
class ErrorRecord;
class ErrorTextRecord;
class QModbusMaster;
class QModbusPollInfo;
class QTimer;

// The worker of error control, on its own thread ("kivErrorControllerThread",
// owned by the front KivErrorControllerT); every slot is reached by a queued
// call from the front and every result goes back as a signal.
//
// It takes every error report and clear of the display: looks up the
// description, appends each report to the week's log file "./errorLogs/
// yyMMdd.txt" (relative to the working directory, the application
// directory), announces it, and has it carried to the other displays by the
// display's role. A display that is not the primary one also keeps, in
// "/root/errorsBuff.txt", the reports it never sends over CAN; the primary
// takes that buffer in when it arrives. It reads the logs back for the
// error-log screen, deletes and exports them.
//
// On the primary display its machine polls the master I/O board's status
// registers 34 to 63 every 1500 ms and turns thermocouple, heater,
// reference and cold-junction changes into reports and clears.
//
// The CAN messages go out through the forward…() signals: the front sends
// them on the main thread, in the order they were raised.
class KivErrorController : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(uint errorFlags READ get_errorFlags WRITE set_errorFlags NOTIFY errorFlagsChanged)
    Q_PROPERTY(bool errorAcknowledged READ get_errorAcknowledged WRITE set_errorAcknowledged
                   NOTIFY errorAcknowledgedChanged)
    Q_PROPERTY(bool sibLinkBroken READ get_sibLinkBroken WRITE set_sibLinkBroken NOTIFY sibLinkBrokenChanged)
    Q_PROPERTY(QString currentErrorsString READ get_currentErrorsString WRITE set_currentErrorsString
                   NOTIFY currentErrorsStringChanged)
    Q_PROPERTY(QList<QObject *> errorsList READ get_errorsList NOTIFY errorsListChanged)
    Q_PROPERTY(ErrorRecord *currentError READ get_currentError NOTIFY currentErrorChanged)
    Q_PROPERTY(QList<QObject *> errorsLogList READ get_errorsLogList NOTIFY errorsLogListChanged)
    Q_PROPERTY(int errorsLogListCount READ get_errorsLogListCount WRITE set_errorsLogListCount
                   NOTIFY errorsLogListCountChanged)
    Q_PROPERTY(QString recoverableErrLabel READ get_recoverableErrLabel WRITE set_recoverableErrLabel
                   NOTIFY recoverableErrLabelChanged)
    Q_PROPERTY(QString recoverableErrCodes READ get_recoverableErrCodes WRITE set_recoverableErrCodes
                   NOTIFY recoverableErrCodesChanged)
    Q_PROPERTY(ErrorInfoModel *errorInfoModel READ get_errorInfoModel NOTIFY errorInfoModelChanged)

public:
    // The status byte of a thermocouple (low byte of its word).
    enum ThermocoupleErrorsTag {
        THERMOCOUPLE_NO_ERROR = 0,
        THERMOCOUPLE_SHORT_ERROR = 1,
        THERMOCOUPLE_OPEN_ERROR = 2,
    };
    Q_ENUM(ThermocoupleErrorsTag)
    // The status byte of a heater (high byte of the same word).
    enum HeatersErrorsTag {
        HEATER_NO_ERROR = 0,
        HEATER_LOW_TEMP_ERROR = 1,
        HEATER_HIGH_TEMP_ERROR = 2,
    };
    Q_ENUM(HeatersErrorsTag)

    static constexpr int kMonitorIntervalMs = 1500;
    static constexpr int kStatusSlave = 1;
    static constexpr int kFirstStatusRegister = 34;
    static constexpr int kStatusRegisters = 30;
    static constexpr int kThermocouples = 20;
    static constexpr int kReferences = 5;
    static constexpr int kColdJunctions = 5;

    // host may be null: a display standing alone. Neither is owned; both
    // must outlive the worker.
    KivErrorController(QModbusMaster *modbus, const ErrorControlHost *host);
    ~KivErrorController() override;

    uint get_errorFlags() const { return m_errorFlags; }
    bool get_errorAcknowledged() const { return m_errorAcknowledged; }
    bool get_sibLinkBroken() const { return m_sibLinkBroken; }
    QString get_currentErrorsString() const { return m_currentErrorsString; }
    QList<QObject *> get_errorsList() const;
    ErrorRecord *get_currentError() const { return m_currentError; }
    QList<QObject *> get_errorsLogList() const;
    int get_errorsLogListCount() const { return m_errorsLogListCount; }
    QString get_recoverableErrLabel() const { return m_recoverableErrLabel; }
    QString get_recoverableErrCodes() const { return m_recoverableErrCodes; }
    ErrorInfoModel *get_errorInfoModel() const { return m_errorInfoModel; }

    int definitionsCount() const { return m_definitions.size(); }
    // The file the last report went to (or would have gone to).
    QString logFileName() const { return m_logFileName; }

public slots:
    void set_errorFlags(uint value);
    void set_errorAcknowledged(bool value);
    void set_errorAcknowledgedFalse();
    void set_sibLinkBroken(bool value);
    void set_currentErrorsString(const QString &value);
    void set_errorsLogListCount(int value);
    void set_recoverableErrLabel(const QString &value);
    void set_recoverableErrCodes(const QString &value);
    bool errorsNotZero() const;

    void prepareSm();
    void createDefinitionsList();
    void findAssignDescription(ErrorRecord *errRecord) const;

    // A report now, or at the given time (a buffered report of another
    // display keeps its own).
    void errorCodesDataProcess(int mainCode, int subCode1, int subCode2, int subCode3);
    void errorCodesDataProcess(const QDateTime &timeStamp, int mainCode, int subCode1, int subCode2,
                               int subCode3);
    void errorCodesClearDataProcess(int mainCode, int subCode1, int subCode2, int subCode3);

    void requestErrorsMbInfo();
    void processErrorMbInfo();

    void updateErrorLogFileName();
    void retrieveErrorLog(const QString &logName);
    // Reads every log file, newest line first, after what the in-memory log
    // already holds: callers empty it first with clearErrorLogList().
    void retrieveAllErrorLogs();
    void clearErrorLogList();
    void deleteAllErrorLogs();
    void exportErrorLog(const QString &serialNumber);
    void processSlaveErrors();

    // The list of current errors, kept for the screens that show them.
    void addCurrentErrorRecordToList();
    void removeCurrentErrorRecordFromList();
    void rebuildCurrentErrorsString();
    void setRecoverableErrProperties();

    void initializationState_onEntry();
    void initializationState_onExit() {}
    void enabledState_onEntry();
    void enabledState_onExit();
    void idleState_onEntry();
    void idleState_onExit() {}
    void errorDetectedState_onEntry() {}
    void errorDetectedState_onExit();
    void disabledState_onEntry() {}
    void disabledState_onExit() {}

signals:
    void errorFlagsChanged(uint value);
    void errorAcknowledgedChanged(bool value);
    void errorAckedTrue();
    void sibLinkBrokenChanged(bool value);
    void currentErrorsStringChanged(QString value);
    void errorsListChanged();
    void currentErrorChanged();
    void errorsLogListChanged();
    void errorsLogListCountChanged(int value);
    void recoverableErrLabelChanged(QString value);
    void recoverableErrCodesChanged(QString value);
    void errorInfoModelChanged(ErrorInfoModel *model);

    // timeStamp: seconds since the epoch at the call; errorCode "m.s1.s2.s3";
    // value: " ".
    void notifyError(QString timeStamp, QString errorCode, QString errorDesc, QString value);
    void notifyErrorClear(QString timeStamp, QString errorCode, QString errorDesc, QString value);
    void zoneErrorStatusTcUpdate(quint16 itemNumber, quint16 tcErr);

    // To the other displays (CAN messages 49, 62 and 50), sent by the front.
    void forwardErrorInfo(int mainCode, int subCode1, int subCode2, int subCode3);
    void forwardErrorClearInfo(int mainCode, int subCode1, int subCode2, int subCode3);
    void forwardClearAllErrorInfo();

    // Machine events.
    void initializationDone();
    void enableSignal();
    void disableSignal();

private:
    void buildMachine();
    void setCurrent(const QDateTime &timeStamp, int mainCode, int subCode1, int subCode2, int subCode3);
    void reportSensorChange(int fault, int item, bool raised);
    QStringList logNames() const;
    ErrorTextRecord *textRecord(const QDateTime &timeStamp, int mainCode, int subCode1, int subCode2,
                                int subCode3, const QString &codesText) const;

    QModbusMaster *m_modbus;
    const ErrorControlHost *m_host;

    uint m_errorFlags = 0;
    bool m_errorAcknowledged = true;
    bool m_sibLinkBroken = false;
    ErrorRecord *m_currentError;
    QString m_currentErrorsString;
    QString m_recoverableErrLabel;
    QString m_recoverableErrCodes;
    QList<ErrorRecord *> m_errorsList;
    QList<ErrorTextRecord *> m_errorsLogList;
    int m_errorsLogListCount = 0;
    QVector<ErrorCodeTable::Definition> m_definitions;

    QTimer *m_monitorTimer = nullptr;
    QString m_logFileName;
    ErrorInfoModel *m_errorInfoModel = nullptr;
    QVector<quint16> m_zoneStatus = QVector<quint16>(kThermocouples, 0);
    QVector<quint16> m_referenceStatus = QVector<quint16>(kReferences, 0);
    QVector<quint16> m_coldJunctionStatus = QVector<quint16>(kColdJunctions, 0);
    QModbusPollInfo *m_errorsMbInfo = nullptr;
};
